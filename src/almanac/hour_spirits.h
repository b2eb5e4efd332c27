#pragma once

#include <string>
#include <string_view>

#include "almanac/almanac_day.h"

namespace almanac {

// The path spirit (黃道 or 黑道) on an hour of a day, both given as branch indexes 0..11
// (子 = 0): the cycle 青龍, 明堂, 天刑, 朱雀, 金匱, 寶光, 白虎, 玉堂, 天牢, 玄武, 司命, 勾陳 starts
// with 青龍 on the hour (8 + 2 × (day mod 6)) mod 12. Indexes are taken modulo 12.
std::wstring_view HourPathSpirit(int dayBranchIndex, int hourBranchIndex);

// Whether that path spirit is a yellow-path (auspicious) one: 青龍, 明堂, 金匱, 寶光, 玉堂, 司命.
bool IsYellowPathHour(int dayBranchIndex, int hourBranchIndex);

// The four hour finders. Each appends, from the list's first empty slot on, the names that its
// table gives for the day key (a one-character stem or branch) and the hour branch ("子" .. "亥",
// 子 = 23:00-01:00); a key or hour outside the vocabulary appends nothing.

// 天乙貴人, 日祿, 福星貴人, 喜神, 天官貴人 by day stem.
void FindHourAuspiciousByStem(const std::wstring& dayStem, const std::wstring& hourBranch,
                              SpiritStarList& hourAuspicious);
// 五不遇時, then 路空, by day stem.
void FindHourInauspiciousByStem(const std::wstring& dayStem, const std::wstring& hourBranch,
                                SpiritStarList& hourInauspicious);
// The one of 日建, 日合, 日馬 on the hour, then the hour's path spirit when it is yellow.
void FindHourAuspiciousByBranch(const std::wstring& dayBranch, const std::wstring& hourBranch,
                                SpiritStarList& hourAuspicious);
// 日破, 日刑, 日害 on the hour in this order, then the hour's path spirit when it is black.
void FindHourInauspiciousByBranch(const std::wstring& dayBranch, const std::wstring& hourBranch,
                                  SpiritStarList& hourInauspicious);

}  // namespace almanac
