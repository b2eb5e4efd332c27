#include "chart/birth_date.h"

#include <cmath>
#include <memory>

#include "engine/julian_day.h"
#include "engine/time_frames.h"

namespace chart {

namespace {

// The hour of a birth from which its lunar date can be the next day's.
constexpr int kFirstLateZiHour = 22;

// The day number (day 0 = 2000-01-01) of a date whose day is 1..31.
int DayNumberOfDate(int year, int month, int day) {
  // ComputeJulianDay gives the midnight that opens the date (x.5); its noon is the whole number.
  return static_cast<int>(
      std::floor(engine::DayNumberOfJulianDay(engine::ComputeJulianDay(year, month, day) + 0.5)));
}

// The record of the date among the month's filled records, or nullptr. Found by day number, then
// checked against the typed day: a day past the month's end runs on into the next month and
// finds none, and 1582-10-05 .. 14, read as Julian dates, fall on the records of the 15th to 24th.
const engine::CalendarDay* FindDateRecord(const engine::CalendarDays& days,
                                          const engine::CalendarMonth& calendarMonth, int dayNumber,
                                          int day) {
  const engine::CalendarDay* record = engine::FindCalendarDay(days, calendarMonth, dayNumber);
  return record != nullptr && record->gregorianDay == day ? record : nullptr;
}

// The record of the day after `record` (day number + 1): the next record of the same table, or on
// the month's last day the first record of the next month's table. nullptr past the calendar.
const engine::CalendarDay* FindNextDayRecord(engine::MonthCalendar& calendar,
                                             const engine::CalendarDays& days,
                                             const engine::CalendarMonth& calendarMonth,
                                             const engine::CalendarDay& record,
                                             engine::CalendarDays& nextMonthDays) {
  const int next = record.dayNumber + 1;
  if (const engine::CalendarDay* found = engine::FindCalendarDay(days, calendarMonth, next)) {
    return found;
  }
  const int month = record.gregorianMonth == 12 ? 1 : record.gregorianMonth + 1;
  const int year = record.gregorianMonth == 12 ? record.gregorianYear + 1 : record.gregorianYear;
  engine::CalendarMonth nextMonth;
  calendar.ComputeMonthCalendar(year, month, nextMonthDays, nextMonth);
  return engine::FindCalendarDay(nextMonthDays, nextMonth, next);
}

}  // namespace

BirthDate CheckBirthDate(engine::MonthCalendar& calendar, int year, int month, int day, int hour,
                         int minute) {
  BirthDate date;
  if (month < 1 || month > 12) {
    date.message = kBirthMonthMessage;
    return date;
  }
  const engine::CalendarDay* record = nullptr;
  auto days = std::make_unique<engine::CalendarDays>();
  engine::CalendarMonth calendarMonth;
  if (day >= 1 && day <= 31) {
    calendar.ComputeMonthCalendar(year, month, *days, calendarMonth);
    // A year outside the calendar fills no record, and its day number may not fit an int.
    if (calendarMonth.dayCount > 0) {
      record = FindDateRecord(*days, calendarMonth, DayNumberOfDate(year, month, day), day);
    }
  }
  if (record == nullptr) {
    date.message = kBirthDayMessage;
    return date;
  }
  if (hour < 0 || hour > 24) {
    date.message = kBirthHourMessage;
    return date;
  }
  if (minute < 0 || minute > 60) {
    date.message = kBirthMinuteMessage;
    return date;
  }
  date.birthDay = *record;
  if (hour >= kFirstLateZiHour) {
    auto nextMonthDays = std::make_unique<engine::CalendarDays>();
    const engine::CalendarDay* next =
        FindNextDayRecord(calendar, *days, calendarMonth, *record, *nextMonthDays);
    if (next == nullptr) {
      date.message = kBirthDayMessage;
      date.birthDay = engine::CalendarDay();
      return date;
    }
    date.nextDay = *next;
  }
  return date;
}

std::wstring CheckBirthLongitude(double longitude) {
  // Written so that NaN fails too.
  return std::fabs(longitude) <= 180 ? std::wstring() : kBirthLongitudeMessage;
}

bool FallsInNextDayZiHour(int hour, int trueSolarHour) {
  return hour >= kFirstLateZiHour && (trueSolarHour >= 23 || trueSolarHour < 1);
}

const engine::CalendarDay& LunarRecordOfBirth(const BirthDate& date, int hour, int trueSolarHour) {
  return FallsInNextDayZiHour(hour, trueSolarHour) ? date.nextDay : date.birthDay;
}

}  // namespace chart
