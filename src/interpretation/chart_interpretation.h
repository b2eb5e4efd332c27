#pragma once

#include "chart/chart_settings.h"
#include "chart/four_pillars_chart.h"

namespace interpretation {

// Writes the interpretation that closes a chart page into chart.interpretationHtml: the day
// master's strength in the month command; for a chart from birth data (birthDay not 0) under a
// scheme of 1 or more, the term of the birth with the day master's state, the term's verse, the
// scheme's division of the month command (schemes 1 to 5) and the strength word again; then the
// eight sections, each under its heading. The sections run once each, in the order printed:
// the pattern judgement writes the pattern verdicts that the spirit-star explanations and the
// classics read, and the explanations add the stars the classics see. The page calls it once.
void ComposeChartInterpretation(chart::FourPillarsChart& chart,
                                chart::MonthCommandDivisionScheme scheme,
                                const chart::SeasonalStrengthValues& values, int birthDay);

}  // namespace interpretation
