#include "chart/birth_date.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <limits>
#include <string>

#include "chart/reference_days_test_util.h"
#include "testing/utf8.h"

namespace chart {
namespace {

// One month calendar for the test program, as the program keeps one for its run.
engine::MonthCalendar& Calendar() {
  static engine::MonthCalendar calendar;
  return calendar;
}

using test_text::EncodeUtf8;

struct CheckCase {
  int year, month, day, hour, minute;
  const wchar_t* message;  // empty when accepted
};

TEST(BirthDate, ChecksRunInOrderWithTheirMessages) {
  const CheckCase cases[] = {
      // The year, the month, then the day, the hour and the minute: the first failure is
      // reported.
      {2024, 0, 1, 0, 0, kBirthMonthMessage},
      {2024, 13, 1, 0, 0, kBirthMonthMessage},
      {2024, 13, 1, 0, 61, kBirthMonthMessage},
      {2024, INT_MIN, 1, 0, 0, kBirthMonthMessage},
      {2024, 1, 32, 0, 0, kBirthDayMessage},
      {2024, 1, 0, 0, 0, kBirthDayMessage},
      {2024, 1, -1, 0, 0, kBirthDayMessage},
      {2024, 1, INT_MAX, 0, 0, kBirthDayMessage},
      {2024, 1, 32, 25, 61, kBirthDayMessage},
      {2024, 1, 1, 25, 0, kBirthHourMessage},
      {2024, 1, 1, -1, 0, kBirthHourMessage},
      {2024, 1, 1, 25, 61, kBirthHourMessage},
      {2024, 1, 1, 0, 61, kBirthMinuteMessage},
      {2024, 1, 1, 0, -1, kBirthMinuteMessage},
      {2024, 1, 1, 0, INT_MIN, kBirthMinuteMessage},
      // Hour 24 and minute 60 run on and are accepted.
      {2024, 1, 1, 24, 0, L""},
      {2024, 1, 1, 23, 60, L""},
      {2024, 1, 1, 24, 60, L""},
      {2024, 1, 31, 0, 0, L""},
      // The day against its month's length.
      {2024, 2, 29, 12, 0, L""},
      {2024, 2, 30, 12, 0, kBirthDayMessage},
      {2023, 2, 29, 12, 0, kBirthDayMessage},
      {1900, 2, 29, 12, 0, kBirthDayMessage},
      {2000, 2, 29, 12, 0, L""},
      {2024, 4, 30, 12, 0, L""},
      {2024, 4, 31, 12, 0, kBirthDayMessage},
      {2024, 6, 31, 12, 0, kBirthDayMessage},
      {2024, 9, 31, 12, 0, kBirthDayMessage},
      {2024, 11, 31, 12, 0, kBirthDayMessage},
      {2024, 12, 31, 12, 0, L""},
      // Julian months before the reform: 1500 is a leap year there.
      {1500, 2, 29, 12, 0, L""},
      // October 1582 has no days 5 to 14.
      {1582, 10, 4, 12, 0, L""},
      {1582, 10, 5, 12, 0, kBirthDayMessage},
      {1582, 10, 10, 12, 0, kBirthDayMessage},
      {1582, 10, 14, 12, 0, kBirthDayMessage},
      {1582, 10, 15, 12, 0, L""},
      {1582, 10, 31, 12, 0, L""},
      // The calendar's years -4712 .. 9999, checked before the rest; no record for the day after
      // the calendar's last.
      {-4712, 1, 1, 0, 0, L""},
      {0, 1, 1, 0, 0, L""},
      {-5, 6, 1, 12, 0, L""},
      {-4713, 12, 31, 12, 0, kBirthYearMessage},
      {9999, 12, 31, 21, 59, L""},
      {9999, 12, 31, 22, 0, kBirthDayMessage},
      {10000, 1, 1, 0, 0, kBirthYearMessage},
      {10000, 13, 32, 25, 61, kBirthYearMessage},
      {-4713, 0, 1, 0, 0, kBirthYearMessage},
      {INT_MAX, 12, 31, 23, 0, kBirthYearMessage},
      {INT_MIN, 1, 1, 0, 0, kBirthYearMessage},
  };
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day) + " " + std::to_string(c.hour) + ":" +
                 std::to_string(c.minute));
    const BirthDate date = CheckBirthDate(Calendar(), c.year, c.month, c.day, c.hour, c.minute);
    EXPECT_EQ(EncodeUtf8(date.message), EncodeUtf8(c.message));
    if (date.message.empty()) {
      EXPECT_EQ(date.birthDay.gregorianYear, c.year);
      EXPECT_EQ(date.birthDay.gregorianMonth, c.month);
      EXPECT_EQ(date.birthDay.gregorianDay, c.day);
    } else {
      EXPECT_TRUE(date.birthDay.lunarDayName.empty());
    }
  }
}

TEST(BirthDate, LongitudesOfPlacesOnly) {
  const double kInfinity = std::numeric_limits<double>::infinity();
  const double accepted[] = {121.5, 0, -180, 180, -0.0, 114.0833};
  for (const double longitude : accepted) {
    SCOPED_TRACE(longitude);
    EXPECT_EQ(CheckBirthLongitude(longitude), L"");
  }
  const double refused[] = {180.000001, -181,       1e300,
                            kInfinity,  -kInfinity, std::numeric_limits<double>::quiet_NaN()};
  for (const double longitude : refused) {
    SCOPED_TRACE(longitude);
    EXPECT_EQ(EncodeUtf8(CheckBirthLongitude(longitude)), EncodeUtf8(kBirthLongitudeMessage));
  }
}

TEST(BirthDate, NextDayZiHourNeedsALateTypedHourAndTrueSolarTimePast23) {
  struct Case {
    int hour, trueSolarHour;
    bool next;
  };
  const Case cases[] = {
      {22, 23, true},  {23, 23, true}, {23, 0, true},   {24, 0, true},  {22, 24, true},
      {23, 22, false}, {23, 1, false}, {21, 23, false}, {0, 23, false}, {21, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.hour) + " / " + std::to_string(c.trueSolarHour));
    EXPECT_EQ(FallsInNextDayZiHour(c.hour, c.trueSolarHour), c.next);
  }
}

std::string DateText(int year, int month, int day) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return text;
}

// The names of a record as the reference table writes them: year pillar (turning at 立春),
// lunar month number and day number.
std::string LunarText(const engine::CalendarDay& day) {
  return EncodeUtf8(day.yearPillarName + L" " + day.lunarMonthName + L"月" + day.lunarDayName);
}

TEST(BirthDate, NextDayRecordIsTheFollowingCivilDayAcrossMonthEnds) {
  const ReferenceDays reference = ReadReferenceDays();
  ASSERT_FALSE(reference.empty());
  struct Case {
    int year, month, day;  // the birth date
    int nextYear, nextMonth, nextDay;
  };
  const Case cases[] = {
      {2024, 6, 15, 2024, 6, 16},   // inside a month: the same table
      {2024, 1, 31, 2024, 2, 1},    // 31-day month
      {2024, 2, 29, 2024, 3, 1},    // leap February
      {2023, 2, 28, 2023, 3, 1},    // common February
      {2024, 4, 30, 2024, 5, 1},    // 30-day month
      {2024, 12, 31, 2025, 1, 1},   // December: January of the next year
      {1999, 12, 31, 2000, 1, 1},   //
      {2050, 11, 30, 2050, 12, 1},  //
      {1987, 7, 31, 1987, 8, 1},    // the day before the first day of a lunar month
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(DateText(c.year, c.month, c.day));
    BirthDate date = CheckBirthDate(Calendar(), c.year, c.month, c.day, 23, 30);
    ASSERT_TRUE(date.message.empty());
    EXPECT_EQ(date.nextDay.dayNumber, date.birthDay.dayNumber + 1);
    EXPECT_EQ(date.nextDay.gregorianYear, c.nextYear);
    EXPECT_EQ(date.nextDay.gregorianMonth, c.nextMonth);
    EXPECT_EQ(date.nextDay.gregorianDay, c.nextDay);
    EXPECT_EQ(LunarText(date.birthDay), reference.LunarText(DateText(c.year, c.month, c.day)));
    EXPECT_EQ(LunarText(date.nextDay),
              reference.LunarText(DateText(c.nextYear, c.nextMonth, c.nextDay)));
    EXPECT_EQ(&LunarRecordOfBirth(date, 23, 23), &date.nextDay);
    EXPECT_EQ(&LunarRecordOfBirth(date, 23, 22), &date.birthDay);
  }
}

TEST(BirthDate, NextDayOfOctober4th1582IsThe15th) {
  const BirthDate date = CheckBirthDate(Calendar(), 1582, 10, 4, 22, 0);
  ASSERT_TRUE(date.message.empty());
  EXPECT_EQ(date.nextDay.gregorianDay, 15);
  EXPECT_EQ(date.nextDay.dayNumber, date.birthDay.dayNumber + 1);
}

TEST(BirthDate, EarlierBirthsCarryNoNextDayRecord) {
  BirthDate date = CheckBirthDate(Calendar(), 2024, 1, 31, 21, 59);
  ASSERT_TRUE(date.message.empty());
  EXPECT_TRUE(date.nextDay.lunarDayName.empty());
  EXPECT_EQ(&LunarRecordOfBirth(date, 21, 23), &date.birthDay);
}

}  // namespace
}  // namespace chart
