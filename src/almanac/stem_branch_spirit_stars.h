#pragma once

#include <string>

#include "almanac/almanac_day.h"

namespace almanac {

// Month spirit stars keyed by the whole day pillar (a two-character stem-branch text such as
// "甲子"), alone or together with the branch of the month pillar. They append to the same month
// lists as the month-branch finders, from the first empty slot on; a pillar that stands in no
// cell adds nothing.

// Month branch and day pillar: "天赦", "天願", then "陰陽不將". At most 2 names.
void FindMonthStemBranchAuspicious(const std::wstring& monthBranch, const std::wstring& dayPillar,
                                   SpiritStarList& monthAuspicious);

// Month branch and day pillar: 26 stars from "四耗" to "純陰", in that order. At most 3 names.
void FindMonthStemBranchInauspicious(const std::wstring& monthBranch, const std::wstring& dayPillar,
                                     SpiritStarList& monthInauspicious);

// Day pillar alone: "鳴吠" or "鳴吠對", then "天恩", then one of "寶日", "義日", "制日" (the
// element relation of stem and branch). At most 3 names.
void FindStemBranchAuspicious(const std::wstring& dayPillar, SpiritStarList& monthAuspicious);

// Day pillar alone: "觸水龍", then "八專", then "專日" or "伐日". At most 3 names.
void FindStemBranchInauspicious(const std::wstring& dayPillar, SpiritStarList& monthInauspicious);

}  // namespace almanac
