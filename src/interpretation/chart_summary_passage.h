#pragma once

#include <string>

#include "chart/four_pillars_chart.h"

namespace interpretation {

// The 八字提要 passage of the chart's month branch, day stem and hour branch (the hour stem plays
// no part); the empty text when any of the three is not exactly one name.
std::wstring ChartSummaryPassage(const chart::FourPillarsChart& chart);

}  // namespace interpretation
