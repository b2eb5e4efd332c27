#include "chart/birth_date.h"

#include <cmath>

#include "engine/julian_day.h"
#include "engine/lunar_year.h"
#include "engine/time_frames.h"

namespace chart {

namespace {

// The hour of a birth from which its lunar date can be the next day's.
constexpr int kFirstLateZiHour = 22;

}  // namespace

BirthDate CheckBirthDate(engine::MonthCalendar& calendar, int year, int month, int day, int hour,
                         int minute) {
  BirthDate date;
  if (year < engine::kFirstCalendarYear || year > engine::kLastCalendarYear) {
    date.message = kBirthYearMessage;
    return date;
  }
  if (month < 1 || month > 12) {
    date.message = kBirthMonthMessage;
    return date;
  }
  // Only a date with a record in its month's table passes: not a day past the month's end, not
  // 1582-10-05 .. 14.
  if (!calendar.ComputeCalendarDay(year, month, day, date.birthDay)) {
    date.message = kBirthDayMessage;
    return date;
  }
  if (hour < 0 || hour > 24) {
    date.message = kBirthHourMessage;
    date.birthDay = engine::CalendarDay();
    return date;
  }
  if (minute < 0 || minute > 60) {
    date.message = kBirthMinuteMessage;
    date.birthDay = engine::CalendarDay();
    return date;
  }
  if (hour >= kFirstLateZiHour) {
    // The civil day after the birth day (day number + 1), in the next month's table on a month's
    // last day; the calendar's last day has none.
    const engine::DateParts next = engine::JulianDayToDateParts(
        engine::JulianDayOfDayNumber(date.birthDay.dayNumber + 1.0));
    if (!calendar.ComputeCalendarDay(next.year, next.month, next.day, date.nextDay)) {
      date.message = kBirthDayMessage;
      date.birthDay = engine::CalendarDay();
      return date;
    }
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

engine::CalendarDay& LunarRecordOfBirth(BirthDate& date, int hour, int trueSolarHour) {
  return FallsInNextDayZiHour(hour, trueSolarHour) ? date.nextDay : date.birthDay;
}

}  // namespace chart
