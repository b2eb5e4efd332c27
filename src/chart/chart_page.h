#pragma once

#include <functional>
#include <memory>
#include <string>

#include "chart/chart_hand_over.h"
#include "chart/chart_settings.h"
#include "chart/four_pillars_chart.h"

namespace chart {

// The interpretation that closes a chart page (the interpretation library's composer): writes
// the chart's interpretationHtml and, judging the chart patterns on its way, its pattern members.
// It takes the scheme, the five values and the birth day (0 for a chart without dates). The
// interpretation builds on this library, so the program hands its composer to the page rather
// than the page calling it by name; an empty composer leaves interpretationHtml empty.
using ChartInterpretationComposer =
    std::function<void(FourPillarsChart& chart, MonthCommandDivisionScheme scheme,
                       const SeasonalStrengthValues& values, int birthDay)>;

// The page of a derived chart, which it takes over and releases once the page is complete: the
// balance of the ten-god groups (supportWeight, drainWeight and the four element weights written
// into the chart before the composer runs), the interpretation, the notes that read the pattern
// judgement, the table, and the notes and conclusion. The birth month, day, hour and minute are
// printed two-digit; a birth day 0 marks a chart without dates, whose date texts stay empty.
std::wstring RenderFourPillarsChartPage(int birthMonth, int birthDay, int birthHour,
                                        int birthMinute, SpiritStarBasis basis,
                                        MonthCommandDivisionScheme scheme,
                                        const SeasonalStrengthValues& values,
                                        std::unique_ptr<FourPillarsChart> chart,
                                        const AnnotationText& annotationText,
                                        const ChartInterpretationComposer& composeInterpretation);

// The page of the chart an entry handed over: derives the rest of the chart from its name, basis
// and values, then renders it as RenderFourPillarsChartPage does.
std::wstring BuildFourPillarsChartPage(ChartHandOver handOver,
                                       const ChartInterpretationComposer& composeInterpretation);

}  // namespace chart
