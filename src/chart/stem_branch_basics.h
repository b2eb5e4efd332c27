#pragma once

#include <array>
#include <string>
#include <vector>

#include "chart/four_pillars_chart.h"

namespace chart {

// Small rules over the one-character names of stems ("甲" 0 .. "癸" 9) and branches ("子" 0 ..
// "亥" 11). Names are compared whole: an empty text, a two-character text or any other
// character matches nothing.

// The stem of index 0..9; the empty text for any other index.
std::wstring StemName(int index);

// The branch of index 0..11; the empty text for any other index.
std::wstring BranchName(int index);

// 1 for a yang stem (甲 丙 戊 庚 壬), 0 for a yin stem, -1 for any other text.
int IsYangStem(const std::wstring& stem);

// 1 for a yang branch (子 寅 辰 午 申 戌), 0 for a yin branch, -1 for any other text.
int IsYangBranch(const std::wstring& branch);

// The stem's index with each yang/yin pair swapped (甲 1, 乙 0, 丙 3, ...); -1 for another text.
int YinStemIndex(const std::wstring& stem);

// The five elements in the production order 木 → 火 → 土 → 金 → 水 (→ 木): each produces the
// next and controls the one two steps on. Stem index s (甲 0 .. 癸 9) has element s / 2.
inline constexpr auto kElementsByProduction =
    std::to_array<const wchar_t*>({L"木", L"火", L"土", L"金", L"水"});
static_assert(kElementsByProduction.size() == 5);

// Index 0..4 of an element in the production order; -1 for any other text.
int ElementIndex(const std::wstring& element);

// "木" for 甲 乙, "火" for 丙 丁, "土" for 戊 己, "金" for 庚 辛, "水" for 壬 癸; else empty.
std::wstring ElementOfStem(const std::wstring& stem);

// The ten god that `stem` bears to the day stem ("比肩" .. "正印"); the empty text when either
// text is not a stem (the empty text included).
std::wstring TenGodOf(const std::wstring& dayStem, const std::wstring& stem);

// Writes the hidden stems of a branch into three slots, main stem first (but for 寅, whose 甲
// stands last), the empty text in each slot the branch does not need. Another text changes
// nothing. A list of fewer than three slots is first grown to three.
void GetHiddenStems(const std::wstring& branch, std::vector<std::wstring>& slots);

// For each of the ten luck cycles: the hidden stems of its branch into the three slots of its
// row of `luckHiddenStems`, and their ten gods to the day stem into `luckHiddenTenGods` (empty
// for an empty slot). Grids of fewer than 10 x 3 entries are first grown to that shape.
void GetLuckCycleHiddenStems(const std::vector<std::wstring>& luckBranches,
                             TenByThreeStringGrid& luckHiddenStems,
                             TenByThreeStringGrid& luckHiddenTenGods, const std::wstring& dayStem);

// Adds to `yangCount` the yang characters among the stems and branches of the year, month, day
// and hour pillars and sets `yinCount` to 8 minus that count. A text that is neither yang nor
// yin (an empty pillar) counts as not yang. The life palace is not looked at.
void CountYinYang(FourPillarsChart& chart);

}  // namespace chart
