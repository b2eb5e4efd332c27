#include "engine/time_frames.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "engine/julian_day.h"
#include "testing/utf8.h"
#include "vocabulary/calendar_vocabulary.h"

namespace engine {
namespace {

// days.tsv (an independent calendar, one row per day of 1950-2050): the Julian day number of
// each date with its weekday (0 = Sunday) and day pillar.
TEST(TimeFrames, DayPillarAndWeekdayOfEveryDay1950To2050) {
  std::ifstream in(TAVREL_TESTDATA_DIR "/days.tsv");
  ASSERT_TRUE(in);
  const vocabulary::CalendarVocabulary names;
  std::string line;
  std::getline(in, line);
  int rows = 0;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string date, julianDay, weekday, pillar;
    fields >> date >> julianDay >> weekday >> pillar;
    SCOPED_TRACE(date);
    const long long day = std::stoll(julianDay) - static_cast<long long>(kJ2000);
    const int index = SexagenaryIndexOfDay(day);
    ASSERT_GE(index, 0);
    ASSERT_LT(index, 60);
    EXPECT_EQ(test_text::EncodeUtf8(names.stems[index % 10] + names.branches[index % 12]), pillar);
    EXPECT_EQ(WeekdayOfDay(day), std::stoi(weekday));
    ++rows;
  }
  EXPECT_EQ(rows, 36890);
}

// Both cycles run on one step a day through any day number, however far from 2000.
TEST(TimeFrames, DayCyclesStepByOneEveryDay) {
  for (const long long start : {-3000000LL, -1LL, 0LL, 3000000LL, -(1LL << 62), (1LL << 62)}) {
    SCOPED_TRACE(start);
    for (long long day = start; day < start + 500; ++day) {
      ASSERT_EQ(SexagenaryIndexOfDay(day + 1), (SexagenaryIndexOfDay(day) + 1) % 60);
      ASSERT_EQ(WeekdayOfDay(day + 1), (WeekdayOfDay(day) + 1) % 7);
    }
  }
}

// The frames meet at J2000.0, 2000-01-01 12:00 TT: delta-T then is 63.87 s, so Universal Time
// reads 11:58:56 and the Beijing clock 19:58:56.
TEST(TimeFrames, J2000ReadOnEachClock) {
  EXPECT_EQ(JulianDayOfDayNumber(DayNumberOfJulianCenturies(0)), 2451545.0);
  EXPECT_TRUE(FormatJulianDayDateTime(JulianDayOfDayNumber(0)) == L"2000-01-01 12:00:00");
  EXPECT_TRUE(FormatJulianDayDateTime(JulianDayOfDayNumber(BeijingDayNumberOfJulianCenturies(0))) ==
              L"2000-01-01 19:58:56");
  // A Beijing civil Julian day back to Universal Time: 2000-01-01 08:00 in Beijing is 00:00 UT.
  EXPECT_NEAR(UtDayNumberOfBeijingJulianDay(ComputeJulianDay(2000, 1, 1 + 8.0 / 24)), -0.5, 1e-9);
  EXPECT_NEAR(JulianCenturiesTtOfUt(DayNumberOfJulianCenturies(1)), 1 + DeltaTDays(36525) / 36525,
              1e-15);
}

}  // namespace
}  // namespace engine
