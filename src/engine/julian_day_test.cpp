#include "engine/julian_day.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace engine {
namespace {

TEST(ComputeJulianDay, Epochs) {
  EXPECT_EQ(ComputeJulianDay(2000, 1, 1.5), 2451545.0);
  EXPECT_EQ(ComputeJulianDay(-4712, 1, 1.5), 0.0);
  EXPECT_EQ(ComputeJulianDay(1858, 11, 17), 2400000.5);  // the Modified Julian Day epoch
}

TEST(ComputeJulianDay, GregorianReform) {
  const double oct4 = ComputeJulianDay(1582, 10, 4);
  const double oct15 = ComputeJulianDay(1582, 10, 15);
  EXPECT_EQ(oct15 - oct4, 1.0);
  // The skipped dates are reckoned in the Julian calendar.
  EXPECT_EQ(ComputeJulianDay(1582, 10, 5), oct15);
  EXPECT_EQ(ComputeJulianDay(1582, 10, 10), ComputeJulianDay(1582, 10, 20));
  // The calendar is chosen before January and February move to the previous year.
  EXPECT_EQ(ComputeJulianDay(1583, 1, 1) - ComputeJulianDay(1582, 12, 31), 1.0);
}

TEST(ComputeJulianDay, DaysRunOnPastTheMonth) {
  EXPECT_EQ(ComputeJulianDay(2023, 2, 29), ComputeJulianDay(2023, 3, 1));
  EXPECT_EQ(ComputeJulianDay(2024, 12, 32), ComputeJulianDay(2025, 1, 1));
}

TEST(DateTimeToJulianDay, TypedCivilTimesRunOn) {
  struct Case {
    int year, month, day, hour, minute;
    double julianDay;
  };
  const Case cases[] = {
      {2000, 1, 1, 12, 0, 2451545.0},
      {2000, 1, 1, 0, 0, 2451544.5},
      {2000, 1, 1, 18, 0, 2451545.25},
      {1999, 12, 31, 24, 0, 2451544.5},  // hour 24 is the next midnight
      {2000, 1, 1, 11, 60, 2451545.0},   // minute 60 is the next hour
      {1582, 10, 15, 12, 0, 2299161.0},  // the first Gregorian day
      {1582, 10, 4, 12, 0, 2299160.0},   // the last Julian day
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute);
    EXPECT_EQ(DateTimeToJulianDay(c.year, c.month, c.day, c.hour, c.minute), c.julianDay);
  }
  // The same bits as the record with those fields, for every minute of a day.
  for (int minute = 0; minute <= 24 * 60; ++minute) {
    CalendarDateTime t;
    t.year = 1984;
    t.month = 2;
    t.day = 29;
    t.hour = minute / 60;
    t.minute = minute % 60;
    t.second = 0;
    ASSERT_EQ(DateTimeToJulianDay(1984, 2, 29, minute / 60, minute % 60), DateTimeToJulianDay(t));
  }
}

std::wstring DateText(const CalendarDateTime& t) {
  wchar_t text[80];
  std::swprintf(text, 80, L"%.0f-%02.0f-%02.0f %02.0f:%02.0f:%09.6f", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  return text;
}

TEST(JulianDayToDate, ReformAndEpoch) {
  EXPECT_EQ(DateText(JulianDayToDate(ComputeJulianDay(1582, 10, 15))),
            L"1582-10-15 00:00:00.000000");
  EXPECT_EQ(DateText(JulianDayToDate(ComputeJulianDay(1582, 10, 15) - 1)),
            L"1582-10-04 00:00:00.000000");
  EXPECT_EQ(DateText(JulianDayToDate(0.0)), L"-4712-01-01 12:00:00.000000");
}

// Every midnight of 14 thousand years, both calendars, negative years included.
TEST(JulianDayToDate, RoundTripsEveryMidnight) {
  double worst = 0;
  for (int z = -1000000; z <= 4000000; ++z) {
    const double midnight = z - 0.5;
    const CalendarDateTime t = JulianDayToDate(midnight);
    const double back = ComputeJulianDay(t.year, t.month, t.day);
    worst = std::max(worst, std::abs(back - midnight));
    if (back != midnight) {
      FAIL() << "midnight " << midnight << " came back as " << back;
    }
  }
  EXPECT_EQ(worst, 0.0);
}

TEST(JulianDayToDateParts, CutsTheSecond) {
  const DateParts evening = JulianDayToDateParts(ComputeJulianDay(2000, 1, 1.75));
  EXPECT_EQ(evening.year, 2000);
  EXPECT_EQ(evening.month, 1);
  EXPECT_EQ(evening.day, 1);
  EXPECT_EQ(evening.hour, 18);
  EXPECT_EQ(evening.minute, 0);
  EXPECT_EQ(evening.second, 0);

  const DateParts last = JulianDayToDateParts(ComputeJulianDay(2000, 1, 2) - 0.3 / 86400);
  EXPECT_EQ(last.day, 1);
  EXPECT_EQ(last.hour, 23);
  EXPECT_EQ(last.minute, 59);
  EXPECT_EQ(last.second, 59);

  for (double beyond : {1e15, -1e15, std::numeric_limits<double>::quiet_NaN()}) {
    const DateParts none = JulianDayToDateParts(beyond);
    EXPECT_EQ(none.year, 0);
    EXPECT_EQ(none.hour, 0);
  }
}

TEST(FormatTimeOfDay, RoundsToTheNearestSecondWithoutCarryIntoTheDate) {
  struct Case {
    double x;
    const wchar_t* text;
  };
  const double midnight = ComputeJulianDay(2000, 1, 2);
  const Case cases[] = {
      {2451545.0, L"12:00:00"},
      {2451545.25, L"18:00:00"},
      {0.0, L"12:00:00"},  // a duration of half a day, passed as d - 0.5
      {midnight - 0.3 / 86400, L"24:00:00"},
      {midnight - 0.7 / 86400, L"23:59:59"},
      {midnight + 0.4 / 86400, L"00:00:00"},
      {-0.5 + (3600.0 + 2 * 60 + 3) / 86400, L"01:02:03"},
      {std::numeric_limits<double>::quiet_NaN(), L"--:--:--"},
      {std::numeric_limits<double>::infinity(), L"--:--:--"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(FormatTimeOfDay(c.x), c.text);
  }
}

TEST(FormatJulianDayDateTime, Texts) {
  struct Case {
    double julianDay;
    const wchar_t* text;
  };
  const Case cases[] = {
      {ComputeJulianDay(2000, 1, 1.75), L"2000-01-01 18:00:00"},
      {ComputeJulianDay(2000, 1, 2) - 0.3 / 86400, L"2000-01-01 24:00:00"},
      {ComputeJulianDay(-1, 1, 1), L"-001-01-01 00:00:00"},
      {ComputeJulianDay(2024, 2, 10.5) + 59.6 / 86400, L"2024-02-10 12:01:00"},
      {ComputeJulianDay(1582, 10, 4.5), L"1582-10-04 12:00:00"},
      {std::numeric_limits<double>::quiet_NaN(), L"---------- --:--:--"},
      {1e15, L"---------- --:--:--"},
      {-1e15, L"---------- --:--:--"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.julianDay);
    EXPECT_EQ(FormatJulianDayDateTime(c.julianDay), c.text);
  }
}

TEST(CalendarDateTime, NewRecordIsJ2000AndRoundTrips) {
  CalendarDateTime t;
  EXPECT_EQ(DateTimeToJulianDay(t), 2451545.0);
  t = JulianDayToDate(ComputeJulianDay(1999, 12, 31.75));
  EXPECT_EQ(t.year, 1999);
  EXPECT_EQ(t.month, 12);
  EXPECT_EQ(t.day, 31);
  EXPECT_EQ(t.hour, 18);
  EXPECT_EQ(DateTimeToJulianDay(t), ComputeJulianDay(1999, 12, 31.75));
}

}  // namespace
}  // namespace engine
