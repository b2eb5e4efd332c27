#pragma once

#include <string>
#include <vector>

#include "chart/four_pillars_chart.h"

namespace chart {

// Spirit stars seen from the day stem and from the month branch. The Add functions append the
// names they find, in their rows' order, at the first empty entry of a pillar's starNames and,
// when countFlag is non-zero, add 1 to each name's starCounts slot. Text that is not a stem or
// branch matches nothing.

// Stars of the day stem found at a branch: 祿元 羊刃 流霞 飛刃 金輿 學堂 陽貴 陰貴 正桃 福星,
// and 紅艷 for a chart whose sexText is "女".
void AddDayStemStars(const std::wstring& dayStem, const std::wstring& branch,
                     std::vector<std::wstring>& starNames, FourPillarsChart& chart, int countFlag);

// Stars of the month found at a stem or branch: 天德, 月德, 血刃.
void AddMonthBranchStars(const std::wstring& monthBranch, const std::wstring& subject,
                         std::vector<std::wstring>& starNames, FourPillarsChart& chart,
                         int countFlag);

// Counts the day stem's 祿 at the month branch into the 建祿格 slot of truePatternFlags and, for
// a yang day stem, its 刃 into the 陽刃格 slot. Appends nothing.
void CountMonthLuAndBlade(const std::wstring& monthBranch, const std::wstring& dayStem,
                          FourPillarsChart& chart);

// Counts the day stem's 祿 at the hour branch into the 歸祿格 slot of truePatternFlags.
void CountHourLu(const std::wstring& dayStem, const std::wstring& hourBranch,
                 FourPillarsChart& chart);

// truePatternFlags slots filled above (the slot order of the chart-pattern judgement).
inline constexpr int kMonthBladePatternSlot = 20;  // 陽刃格
inline constexpr int kMonthLuPatternSlot = 21;     // 建祿格
inline constexpr int kHourLuPatternSlot = 22;      // 歸祿格

// Appends a found star: the name at the first empty entry, and its counter when counted.
void AppendCountedStar(std::vector<std::wstring>& starNames, FourPillarsChart& chart,
                       const wchar_t* name, int slot, int countFlag);

}  // namespace chart
