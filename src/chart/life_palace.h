#pragma once

#include "chart/four_pillars_chart.h"

namespace chart {

// Writes the life palace (命宮), pillars[kLifePalacePillar]: its branch from the month and hour
// branches, counted in the month order 寅 .. 丑 (position (11 - m - h) mod 12), and its stem by
// the first-month stem rule of the year stem (甲 己 years give a 寅 palace 丙, and so on). A year
// stem that is not a stem leaves the palace stem unwritten. When the month or hour branch is not
// a branch nothing is written.
void ComputeLifePalacePillar(FourPillarsChart& chart);

}  // namespace chart
