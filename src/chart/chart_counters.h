#pragma once

#include <string>

#include "chart/four_pillars_chart.h"

namespace chart {

// The chart counters: how often each stem, branch and ten god occurs among the stems, among the
// hidden stems and in which pillar. Each call adds 1 to the item's own slot of every counter it
// names; a name that is not of its kind (the empty text included) counts nothing, and a
// position other than those listed counts only in the position-free counters. The life palace
// is counted nowhere.

// A ten god of the year, month or hour stem: tenGodCounts, stemTenGodCounts and, for "年干",
// "月干" or "時干", stemTenGodCountsByPillar[0..2].
void CountStemTenGod(const std::wstring& tenGod, FourPillarsChart& chart,
                     const std::wstring& position);

// A ten god of a hidden stem: tenGodCounts, hiddenTenGodCounts and, for "年支", "月支", "日支"
// or "時支", hiddenTenGodCountsByBranch[0..3].
void CountBranchTenGod(const std::wstring& tenGod, FourPillarsChart& chart,
                       const std::wstring& position);

// A pillar stem: stemCounts and allStemCounts.
void CountStem(const std::wstring& stem, FourPillarsChart& chart);

// A hidden stem: hiddenStemCounts, allStemCounts and, for "年", "月", "日" or "時",
// hiddenStemCountsByBranch[0..3].
void CountHiddenStem(const std::wstring& stem, const std::wstring& position,
                     FourPillarsChart& chart);

// A pillar branch: branchCounts.
void CountBranch(const std::wstring& branch, FourPillarsChart& chart);

}  // namespace chart
