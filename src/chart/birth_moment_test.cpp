#include "chart/birth_moment.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "chart/birth_date.h"
#include "engine/julian_day.h"
#include "testing/utf8.h"

namespace chart {
namespace {

using test_text::EncodeUtf8;

// One month calendar and one vocabulary for the test program, as the program keeps them.
engine::MonthCalendar& Calendar() {
  static engine::MonthCalendar calendar;
  return calendar;
}

const vocabulary::CalendarVocabulary& Vocabulary() {
  static const vocabulary::CalendarVocabulary vocabulary;
  return vocabulary;
}

TEST(BirthMoment, TheDateIsCheckedBeforeTheLongitude) {
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    int year, month, day, hour, minute;
    double longitude;
    const wchar_t* message;  // empty when accepted
  };
  const Case cases[] = {
      {10000, 1, 1, 0, 0, kNaN, kBirthYearMessage},
      {2024, 13, 1, 0, 0, 500, kBirthMonthMessage},
      {2023, 2, 29, 0, 0, 500, kBirthDayMessage},
      {2024, 2, 29, 25, 0, 500, kBirthHourMessage},
      {2024, 2, 29, 12, 61, kNaN, kBirthMinuteMessage},
      {2024, 2, 29, 12, 0, 180.5, kBirthLongitudeMessage},
      {2024, 2, 29, 12, 0, kNaN, kBirthLongitudeMessage},
      {2024, 2, 29, 12, 0, -180, L""},
      {2024, 2, 29, 24, 60, 121.5, L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " " << c.hour
                                    << ":" << c.minute << " at " << c.longitude);
    const BirthMoment moment = CheckBirthMoment(Vocabulary(), Calendar(), c.year, c.month, c.day,
                                                c.hour, c.minute, c.longitude);
    EXPECT_EQ(EncodeUtf8(moment.message), EncodeUtf8(c.message));
    EXPECT_EQ(moment.chart != nullptr, moment.message.empty());
    if (moment.chart) {
      EXPECT_EQ(moment.julianDay,
                engine::DateTimeToJulianDay(c.year, c.month, c.day, c.hour, c.minute));
      EXPECT_EQ(moment.chart->pillars[kYearPillar].stem + moment.chart->pillars[kYearPillar].branch,
                L"甲辰");
    }
  }
}

// At 121.5° east the true solar time stays within half an hour of the civil clock, so the day
// pillar, which turns at 23:00 true solar time, is always that of the day the lunar date is read
// from: the birth day's, or the next day's in the 子 hour that opens it.
TEST(BirthMoment, TheLunarDayIsTheDayOfTheDayPillar) {
  struct Case {
    int year, month, day;
  };
  const Case cases[] = {{2024, 1, 31}, {2024, 2, 9}, {1999, 12, 31}, {1582, 10, 4}, {1900, 6, 15}};
  for (const Case& c : cases) {
    int nextDays = 0;
    for (int minute = 0; minute <= 24 * 60; minute += 5) {
      SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " "
                                      << minute / 60 << ":" << minute % 60);
      const BirthMoment moment = CheckBirthMoment(Vocabulary(), Calendar(), c.year, c.month, c.day,
                                                  minute / 60, minute % 60, 121.5);
      ASSERT_TRUE(moment.message.empty());
      const ChartPillar& dayPillar = moment.chart->pillars[kDayPillar];
      EXPECT_EQ(EncodeUtf8(dayPillar.stem + dayPillar.branch),
                EncodeUtf8(moment.lunarDay.dayPillarName));
      EXPECT_EQ(moment.nextDayZiHour, moment.lunarDay.gregorianDay != c.day);
      nextDays += moment.nextDayZiHour ? 1 : 0;
    }
    EXPECT_GT(nextDays, 0);  // some births of the evening fall in the next day's 子 hour
  }
}

}  // namespace
}  // namespace chart
