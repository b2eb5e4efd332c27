#pragma once

#include <string>

#include "chart/four_pillars_chart.h"

namespace interpretation {

// 三命通會 on the chart: "<br>", the month branch as held and "月"; the month-command passage of
// the day stem in that month; the three passages of the day stem at the hour branch; "<br>", the
// day and hour pillars as held, "日", "時。"; and the passage of the day pillar at the hour branch.
// Each passage is left out when a member of its key is not exactly one name (a day branch that
// does not pair with the day stem leaves out the last), and an unknown day stem or hour branch
// ends the text after the month-command part. The hour stem is printed but keys nothing.
std::wstring ThreeDestiniesCommentary(const chart::FourPillarsChart& chart);

}  // namespace interpretation
