#pragma once

#include <string>

#include "engine/month_calendar.h"

namespace chart {

// The messages of a refused birth date, in the order the checks run.
inline constexpr wchar_t kBirthYearMessage[] = L"生日年份輸入錯誤 !";
inline constexpr wchar_t kBirthMonthMessage[] = L"生日月份輸入錯誤 !";
inline constexpr wchar_t kBirthDayMessage[] = L"生日日期輸入錯誤 !";
inline constexpr wchar_t kBirthHourMessage[] = L"生日時間輸入錯誤 !";
inline constexpr wchar_t kBirthMinuteMessage[] = L"生日分鐘輸入錯誤 !";
// The message of a birth place's longitude that is no longitude, as the pages' coordinate boxes
// say it.
inline constexpr wchar_t kBirthLongitudeMessage[] = L"經緯度輸入錯誤 !";

// A typed birth date and time (civil time of UTC+8), checked, with the day records its lunar
// date is read from.
struct BirthDate {
  // Empty when the date was accepted, else the message of the first check that failed.
  std::wstring message;
  // The month table's record of the civil birth date.
  engine::CalendarDay birthDay;
  // The record of the civil day after it (from day 1 of the next month's table on a month's last
  // day); filled only when the typed hour is 22 or later, the only births that can need it.
  engine::CalendarDay nextDay;
};

// Checks a typed birth, in this order, the first failure giving its message: the year one of the
// calendar's, engine::kFirstCalendarYear .. kLastCalendarYear; the month 1..12; the day 1..the
// month's last day, a date with a day record of the month calendar (so not 1582-10-05 to
// 1582-10-14); the hour 0..24; the minute 0..60. Hour 24 and minute 60 run on into the next hour or
// day. A birth at 22:00 or later whose following day has no record (the calendar's last day) is
// refused with the day message. The records come from `calendar`, which the caller keeps.
BirthDate CheckBirthDate(engine::MonthCalendar& calendar, int year, int month, int day, int hour,
                         int minute);

// kBirthLongitudeMessage for a longitude (degrees east) that is not a number from -180 to 180,
// else an empty text. The pillars of a moment turn the longitude into whole days and hours, which
// a value that is not finite, or one beyond every place, cannot give.
std::wstring CheckBirthLongitude(double longitude);

// True when a birth falls in the 子 hour that opens the next day: the typed hour is 22 or later
// and the true solar time has passed 23:00 (trueSolarHour 23 or more, or below 1). The day pillar
// has then turned, and the lunar date is the next day's.
bool FallsInNextDayZiHour(int hour, int trueSolarHour);

// The record the lunar date of an accepted birth is read from: date.nextDay when the birth falls
// in the next day's 子 hour, else date.birthDay. Not const, so that the caller may move it out.
engine::CalendarDay& LunarRecordOfBirth(BirthDate& date, int hour, int trueSolarHour);

}  // namespace chart
