#pragma once

#include <string>

#include "almanac/almanac_day.h"

namespace almanac {

// Traditional attributes of a day for the almanac's attribute and date-selection lines. Stems,
// branches and terms are compared whole with the literal names ("甲", "子", "立春").

// The nayin (納音) of the stem-branch pair stem + branch, e.g. "海中金" for 甲子 and 乙丑; empty
// for a pair outside the sixty-pair cycle.
std::wstring NayinName(const std::wstring& stem, const std::wstring& branch);

// The lunar mansion (廿八星宿) of a Julian day: the 28-day cycle trunc(julianDay + 11) mod 28,
// "角" = 0. The name changes at 12:00, where whole Julian days fall. Empty outside
// -12 < julianDay < 2^31 - 11 (not finite included), where the cycle index is not defined.
std::wstring LunarMansionOfDay(double julianDay);

// Writes day.clashAnimal (the animal of the branch opposite dayBranch) and day.shaDirection;
// writes nothing for a text that is not one of the twelve branches.
void SetClashAndSha(const std::wstring& dayBranch, AlmanacDay& day);

// The day officer (建除十二神) "建" .. "閉": in the month opened by a section term the day of
// that month's branch is "建", and the officers follow the day branches in order. A branch or
// term outside its list counts as index 12, which folds onto "寅" or "立春".
std::wstring DayOfficerName(const std::wstring& dayBranch, const std::wstring& sectionTerm);

// The flying star of the day (紫白飛星) "一白" .. "九紫" for a day pillar under the mid-term in
// force: ascending from 冬至 through 小滿, descending from 夏至 through 小雪. A pair outside the
// cycle counts as k = 60; a mid-term outside the twelve leaves the cycle index k itself, whose
// values above 9 give an empty text.
std::wstring DayNineStarName(const std::wstring& stem, const std::wstring& branch,
                             const std::wstring& midTerm);

// The trigram (八卦) of a Julian day: trunc(julianDay + 5) mod 8, "乾" = 0. Empty outside
// -6 < julianDay < 2^31 - 5 (not finite included).
std::wstring DayTrigramName(double julianDay);

}  // namespace almanac
