#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/lunar_year.h"
#include "vocabulary/calendar_vocabulary.h"

namespace engine {

// One day of a Gregorian month table. Day numbers count whole civil days of Beijing time from
// 2000-01-01 (day 0), the numbering of the lunar year table. A new record holds 0 in every
// number and empty texts.
struct CalendarDay {
  int dayNumber = 0;       // the date's day number (day 0 = 2000-01-01)
  int lunarDayIndex = 0;   // lunar day of the month, 0 = "初一" .. 29 = "三十"
  int gregorianYear = 0;   // the year of the month table, as passed in
  int gregorianMonth = 0;  // the month of the month table, as passed in
  int weekday = 0;         // 0 = Sunday .. 6 = Saturday
  int gregorianDay = 0;    // day of the month, 1 .. 31
  // Days since the whole day of a solar term of the lunar year that holds this day (winter
  // solstice to winter solstice); negative before the term.
  int daysSinceWinterSolstice = 0;  // 冬至
  int daysSinceSummerSolstice = 0;  // 夏至
  int daysSinceAutumnStart = 0;     // 立秋
  int daysSinceGrainInEar = 0;      // 芒種
  int daysSinceMinorHeat = 0;       // 小暑
  int daysSinceSpringEquinox = 0;   // 春分
  int daysSinceAutumnEquinox = 0;   // 秋分
  int isHoliday = 0;                // 1 = rest day, 0 = working day
  int lunarMonthLength = 0;         // 29 or 30
  double termYearNumber = 0;        // whole years since 1984 (甲子), turning at 立春
  double lunarYearNumber = 0;       // whole years since 1984, turning at the first day of 正月
  std::wstring yearPillarName;      // stem-branch of termYearNumber
  std::wstring lunarYearName;       // stem-branch of lunarYearNumber
  std::wstring monthPillarName;     // stem-branch of the month, turning at each section term
  std::wstring dayPillarName;       // stem-branch of the day (2000-01-01 is "戊午")
  std::wstring lunarDayName;        // "初一" .. "三十"
  std::wstring lunarMonthName;  // "十一", "十二", "正", "二" .. "十", without the leap mark
  std::wstring leapMark;        // "閏" in a leap month, else empty
  std::wstring nextLunarMonthName;  // the following lunar month, "未知" past the year table
  std::wstring termNameOfDay;       // the solar term whose whole day this is, else empty
  std::wstring phaseName;  // "朔", "上弦", "望" or "下弦" when its moment falls on the day
  std::wstring festivalTextA;  // major festivals and national days
  std::wstring festivalTextB;  // minor festivals, commemorations, work-day and market notes
  std::wstring festivalTextC;  // seasonal customs
  std::wstring termName;       // the solar term whose exact moment falls on the day
  std::wstring termTimeText;   // that moment's time of day in UTC+8, "%02i:%02i:%02i"
  std::wstring signName;       // Western sign followed by "座"
};

// The month record of a month table.
struct CalendarMonth {
  int firstWeekday = 0;  // weekday of the first day, 0 = Sunday
  int dayCount = 0;      // number of day records filled (21 in October 1582)
};

// The day records a month table is filled into; no month has more than 31 days.
using CalendarDays = std::array<CalendarDay, 31>;

// The month calendar: the day records of any Gregorian month. It keeps the lunar years it has
// laid out (one slot per year number modulo 256) and lays out another only when a day lies
// outside them, so a caller that keeps one calendar (the program keeps one for its run) pays for
// each lunar year about once, whether it walks through the months or jumps between them. One
// calendar serves one thread at a time.
class MonthCalendar {
 public:
  MonthCalendar();

  // Fills `calendarMonth` and the first calendarMonth.dayCount records of `days` for a Gregorian
  // month (Julian before October 1582): record i holds the date of day number (first day + i).
  // October 1582 has no days 5 to 14, so callers find a date's record by its dayNumber or
  // gregorianDay, never at index day - 1. A month of 13 or more, or a year outside -4712 .. 9999,
  // fills no record (dayCount 0).
  void ComputeMonthCalendar(int year, int month, CalendarDays& days, CalendarMonth& calendarMonth);

  // The record of one date, as ComputeMonthCalendar fills it in its month's table but for the
  // moments of the month (phaseName, termName and termTimeText stay empty), at a small part of
  // the cost of the month: what a lunar date of a single day needs. False, with a new record,
  // for a date that has no record in its month's table (a day past the month's end, 1582-10-05
  // to 14, a month outside 1..12, a year outside -4712 .. 9999).
  bool ComputeCalendarDay(int year, int month, int day, CalendarDay& record);

 private:
  // What ComputeLunarYear lays out for one lunar year, kept to be put back into lunarYear_.
  struct LunarYearLayout {
    std::vector<double> termDays;  // empty while the slot is unused
    double priorTermDay = 0;
    double secondPriorTermDay = 0;
    std::vector<int> newMoonDays;
    std::vector<int> monthCodes;
    std::vector<int> monthLengths;
    int leapIndex = 0;
  };

  // Makes lunarYear_ the lunar year that holds the day: as it is, from a kept layout, or laid out
  // anew (and kept).
  void SelectLunarYear(int day);

  LunarYearTable lunarYear_;
  std::vector<LunarYearLayout> lunarYears_;
  vocabulary::CalendarVocabulary vocabulary_;
};

// The record among the filled ones whose dayNumber is `dayNumber`, or nullptr.
const CalendarDay* FindCalendarDay(const CalendarDays& days, const CalendarMonth& calendarMonth,
                                   int dayNumber);

}  // namespace engine
