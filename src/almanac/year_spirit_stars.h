#pragma once

#include <string>

#include "almanac/almanac_day.h"

namespace almanac {

// Year spirit stars (年吉神, 年凶神): the stars that the year, by its stem or branch, lays on a
// day, by the day's stem or branch. Keys are one-character stems or branches compared whole; a
// key that stands in no cell adds nothing. Each finder appends the names of its matching stars,
// in its own fixed order, from the first empty slot of the list on.

// Year stem against day stem: "歲德" or "歲德合", then "歲幹合". At most 2 names.
void FindYearStemAuspicious(const std::wstring& yearStem, const std::wstring& dayStem,
                            SpiritStarList& yearAuspicious);

// Year branch against day branch: "歲支德", then "奏書" or "博士". At most 2 names.
void FindYearBranchAuspicious(const std::wstring& yearBranch, const std::wstring& dayBranch,
                              SpiritStarList& yearAuspicious);

// Year stem against the day stem or the day branch (dayKey): "金神", then "破敗五鬼". The page
// calls it with the day stem and again with the day branch. At most 2 names a call.
void FindYearStemInauspicious(const std::wstring& yearStem, const std::wstring& dayKey,
                              SpiritStarList& yearInauspicious);

// Year branch against the day stem ("伏兵(大禍)" only) or the day branch ("太歲" or
// "歲破(大耗)", then 21 further stars). At most 1 name with a stem, 5 with a branch.
void FindYearBranchInauspicious(const std::wstring& yearBranch, const std::wstring& dayKey,
                                SpiritStarList& yearInauspicious);

}  // namespace almanac
