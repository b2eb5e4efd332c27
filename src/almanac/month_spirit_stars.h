#pragma once

#include <string>

#include "almanac/almanac_day.h"

namespace almanac {

// Month spirit stars keyed by the branch of the month pillar (月吉神, 月凶神) and the folk day
// marks "刀砧", "小紅砂", "黃砂", "受死". dayKey is the day stem or the day branch, one character
// compared whole; the page calls each finder with the day stem and then with the day branch. A
// key that stands in no cell of the month adds nothing. Names are appended from the first empty
// slot of each list on, in the almanac's fixed order.

// Appends the month's auspicious stars on the day stem (at most 3) or day branch (at most 9).
void FindMonthBranchAuspicious(const std::wstring& monthBranch, const std::wstring& dayKey,
                               SpiritStarList& monthAuspicious);

// Appends the month's inauspicious stars: on the day stem only "復日"; on the day branch at most
// 9 to monthInauspicious and at most 2 folk marks to extraMarks.
void FindMonthBranchInauspicious(const std::wstring& monthBranch, const std::wstring& dayKey,
                                 SpiritStarList& monthInauspicious, SpiritStarList& extraMarks);

}  // namespace almanac
