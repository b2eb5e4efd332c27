#pragma once

#include <string>

#include "engine/month_calendar.h"

namespace chart {

// The bone-weighing reading (袁天罡稱骨術) of a birth as one HTML page: the lunar date of the
// birth (the next day's in the 子 hour that opens it), the weights of its year, month, day and
// double hour, their total, and the verdict and poem of the total. The birth is the civil date
// and time of UTC+8 as typed; the longitude (degrees east) only moves the true solar time, which
// decides the double hour. Name and sex are user text and are escaped where they enter the page.
//
// A birth the checks refuse gives the check's message as the whole text (CheckBirthDate's year,
// month, day, hour and minute messages in that order, then CheckBirthLongitude's). A total outside
// 21..72 gives the empty text: a name found in no table weighs 0, which only the months of the
// early calendars without a place among the twelve (a 13th month in -721 .. -104, the first of two
// twelfth months in 23 and 239) can give; every other accepted birth weighs 21 to 71. The day
// records come from `calendar`, which the caller keeps.
std::wstring BuildBoneWeightPage(engine::MonthCalendar& calendar, int year, int month, int day,
                                 int hour, int minute, const std::wstring& name,
                                 const std::wstring& sex, double longitude);

}  // namespace chart
