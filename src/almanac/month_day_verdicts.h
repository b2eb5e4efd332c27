#pragma once

#include <string>
#include <vector>

#include "almanac/almanac_day.h"

namespace almanac {

// The 董公選秘 verdict of a day: sets slot 0 of `monthDayVerdict` to the suitable (宜) phrase and
// slot 1 to the avoid (忌) phrase that the month branch, the day branch and the day pillar (stem
// followed by branch) select; a phrase the cell does not give leaves its slot empty. Slot 2 is
// not touched. A month or day branch outside the twelve leaves both slots empty; a stem that
// cannot stand with the day branch finds only a cell that holds for all of its pillars.
void ApplyMonthDayVerdicts(const std::wstring& monthBranch, const std::wstring& dayStem,
                           const std::wstring& dayBranch,
                           std::vector<std::wstring>& monthDayVerdict);

// The 其他擇日 line: sets `otherNotes` to "金神七煞日(13日星期五) 大事不宜." when `weekdayName` is
// "五" and `gregorianDayText` is "13" (a Friday the 13th), otherwise to the empty text.
void AddOtherSelectionNotes(AlmanacDay& day);

}  // namespace almanac
