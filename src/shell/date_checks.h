#pragma once

#include <string>

namespace shell {

// The message that refuses a date the almanac pages do not show, or an empty text: the year
// (astronomical, 0 is 1 BC) must lie in engine::kFirstCalendarYear .. kLastCalendarYear
// (-4712 .. 9999), the month in 1..12 and the day within its month, in the Julian calendar
// before 1582-10-15 and the Gregorian from then on; the days 1582-10-05 .. 14 that the reform
// skipped name no date. The sheet and the command line refuse with the same words.
std::wstring CheckAlmanacDate(long long year, long long month, long long day);

// The message that refuses a time of day, or an empty text: the hour must lie in 0..24 and the
// minute in 0..60 (24:00 is the next day's 00:00, and a minute 60 the next hour's 0).
std::wstring CheckTimeOfDay(long long hour, long long minute);

}  // namespace shell
