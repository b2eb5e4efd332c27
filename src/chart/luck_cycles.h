#pragma once

#include <string>

#include "chart/four_pillars_chart.h"

namespace chart {

// The ten luck cycles (大運) of a chart: ten stem-branch pairs stepping forward or backward from
// the month pillar, each entered at an age ten years after the one before.

// Whether the luck cycles run forward: a man ("男") of a 陽 year or a woman ("女") of a 陰 year.
// Every other pair runs backward, a sex text that is neither included.
bool LuckRunsForward(const std::wstring& sexText, const std::wstring& yinYangText);

// The age at which the luck starts: the smallest integer not below luckStartDays / 3 (three days
// between the birth and the section term count as one year).
int LuckStartAge(double luckStartDays);

// Writes luckAges, luckStems, luckStemTenGods and luckBranches from the month pillar, sexText,
// yinYangText, luckStartDays and the day stem. The first age is one less than LuckStartAge
// (0 when luckStartDays is exactly 0.0, as in a chart without dates), each next one ten more.
// Cycle i is the (i + 1)-th pair after the month pillar going forward, or before it going
// backward. A month stem or branch that is not a name leaves its luck lists unwritten.
void ComputeLuckCycles(FourPillarsChart& chart);

}  // namespace chart
