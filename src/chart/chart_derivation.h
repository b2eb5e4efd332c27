#pragma once

#include <string>

#include "chart/chart_hand_over.h"
#include "chart/chart_settings.h"
#include "chart/four_pillars_chart.h"

namespace chart {

// Derives the rest of a chart whose entry has set the four pillars, sexText, yinYangText and,
// for a birth, the dates, terms and luck start: the name, the life palace, the yin and yang
// count, hidden stems, ten gods and their counters, the ten luck cycles, the twelve stages, the
// nayin elements, the 祿 and 刃 counts, the spirit stars, the stem and branch counters, the
// weights with the heaviest stems and ten gods, the three-harmony frame and directional
// combination, and the relations of the twelve ordered pillar pairs. The life palace takes no
// part in the counters, the yin and yang count, the relations or the void star, and its stars
// are listed without being counted.
// Every counter is only added to, so a chart is derived exactly once, from a new record.
void DeriveFourPillarsChart(FourPillarsChart& chart, const std::wstring& nameText,
                            SpiritStarBasis basis, const SeasonalStrengthValues& values);

// The same over what an entry handed over, with its name, basis and values.
void DeriveFourPillarsChart(ChartHandOver& handOver);

}  // namespace chart
