#include "engine/term_new_moon_days.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/correction_tables.h"
#include "engine/julian_day.h"
#include "engine/lunar_year.h"
#include "engine/moments.h"

namespace engine {
namespace {

constexpr double kJ2000 = 2451545;

const LunarYearTable& Table() {
  static const LunarYearTable table;
  return table;
}

TEST(CorrectionTables, PiecesJoinToTheStoredLengths) {
  EXPECT_EQ(JoinCorrectionPieces(kNewMoonCorrections).size(), 2031u);
  EXPECT_EQ(JoinCorrectionPieces(kSolarTermCorrections).size(), 437u);
}

TEST(CorrectionTables, ExpandedStringsHaveTheirCounts) {
  struct Case {
    const char* name;
    const std::string& expanded;
    std::size_t size, zeros, ones, twos;
  };
  const LunarYearTable& table = Table();
  const Case cases[] = {
      {"new moons", table.newMoonCorrections, 16598, 14695, 1703, 200},
      {"solar terms", table.termCorrections, 7567, 7315, 104, 148},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expanded.size(), c.size);
    EXPECT_EQ(std::count(c.expanded.begin(), c.expanded.end(), '0'), c.zeros);
    EXPECT_EQ(std::count(c.expanded.begin(), c.expanded.end(), '1'), c.ones);
    EXPECT_EQ(std::count(c.expanded.begin(), c.expanded.end(), '2'), c.twos);
  }
}

TEST(CorrectionTables, ExpansionRules) {
  EXPECT_EQ(ExpandCorrectionString("0J1t"),
            "0001"
            "02");
  EXPECT_EQ(ExpandCorrectionString("hj"),
            "001001"
            "0101");
  EXPECT_EQ(ExpandCorrectionString("la"),
            "0000000002"
            "0000000001");
  EXPECT_EQ(ExpandCorrectionString("A").size(), 60u);
  EXPECT_EQ(ExpandCorrectionString("BCDEFG"), std::string(50 + 40 + 30 + 20 + 10 + 5, '0'));
}

TEST(CorrectionTables, ReplaceAllResumesAfterTheInsertedText) {
  std::string text = "abab";
  ReplaceAll(text, "a", "aa");
  EXPECT_EQ(text, "aabaab");
  ReplaceAll(text, "", "x");
  EXPECT_EQ(text, "aabaab");
  ReplaceAll(text, "aa", "a");
  EXPECT_EQ(text, "abab");
}

TEST(TermOrNewMoonDay, EraBoundaries) {
  const LunarYearTable& table = Table();
  struct Case {
    const char* name;
    const std::vector<double>& fits;
    double lookAhead;
    double fitsStart;  // Julian day where the fits begin
    double fitsEnd;    // and where the low-precision era begins
  };
  const Case cases[] = {
      {"new moons", table.newMoonFits, kNewMoonLookAhead, 1457684.231017, 1947154},
      {"solar terms", table.termFits, kSolarTermLookAhead, 1640643.479938, 2322140.76},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EraOfJulianDay(c.fits, c.lookAhead, c.fitsStart - 0.001), EventDayEra::kPrecise);
    EXPECT_EQ(EraOfJulianDay(c.fits, c.lookAhead, c.fitsStart), EventDayEra::kFits);
    EXPECT_EQ(EraOfJulianDay(c.fits, c.lookAhead, c.fitsEnd - 0.001), EventDayEra::kFits);
    EXPECT_EQ(EraOfJulianDay(c.fits, c.lookAhead, c.fitsEnd), EventDayEra::kLowPrecision);
    EXPECT_EQ(EraOfJulianDay(c.fits, c.lookAhead, kPreciseEraJulianDay - 0.5),
              EventDayEra::kLowPrecision);
    EXPECT_EQ(EraOfJulianDay(c.fits, c.lookAhead, kPreciseEraJulianDay), EventDayEra::kPrecise);
  }
}

TEST(TermOrNewMoonDay, FitNewMoonOfMinus103MovesOneDay) {
  // The fit stretch from -104-12-25 puts its second new moon on Julian day 1683460.
  const double day = 1683450 - kJ2000;
  EXPECT_EQ(Table().FindTermOrNewMoonDay(day, kNewMoonEvent), 1683461 - kJ2000);
  EXPECT_EQ(FitEventDay(Table().newMoonFits, kNewMoonLookAhead, 1683450), 1683461 - kJ2000);
  // The new moon before it is the stretch start itself.
  EXPECT_EQ(Table().FindTermOrNewMoonDay(day - 29.5, kNewMoonEvent), 1683431 - kJ2000);
}

TEST(TermOrNewMoonDay, CorrectionCharacterMovesTheDay) {
  const LunarYearTable& table = Table();
  const double fitsEnd = table.newMoonFits.back() - kNewMoonLookAhead;
  const double termFitsEnd = table.termFits.back() - kSolarTermLookAhead;
  const double julianDay = 2400000;  // 1858-11-16, in the low-precision era of both kinds
  const std::string none(20000, '0'), later(20000, '1'), earlier(20000, '2');
  const double moon = LowPrecisionNewMoonDay(julianDay, fitsEnd, none);
  EXPECT_EQ(LowPrecisionNewMoonDay(julianDay, fitsEnd, later), moon + 1);
  EXPECT_EQ(LowPrecisionNewMoonDay(julianDay, fitsEnd, earlier), moon - 1);
  const double term = LowPrecisionTermDay(julianDay, termFitsEnd, none);
  EXPECT_EQ(LowPrecisionTermDay(julianDay, termFitsEnd, later), term + 1);
  EXPECT_EQ(LowPrecisionTermDay(julianDay, termFitsEnd, earlier), term - 1);
  // An index past the string counts as no correction.
  EXPECT_EQ(LowPrecisionNewMoonDay(julianDay, fitsEnd, "1"), moon);
}

// The era follows the day passed in: a day before 1960-01-01 takes the corrected low-precision
// formula even for an event in 1960, and from that day on the precise moment.
TEST(TermOrNewMoonDay, EraFollowsTheDayPassedIn) {
  const LunarYearTable& table = Table();
  const double lastLow = kPreciseEraJulianDay - 1 - kJ2000;
  const double firstPrecise = kPreciseEraJulianDay - kJ2000;
  EXPECT_EQ(table.FindTermOrNewMoonDay(lastLow, kNewMoonEvent),
            LowPrecisionNewMoonDay(lastLow + kJ2000, table.newMoonFits.back() - kNewMoonLookAhead,
                                   table.newMoonCorrections));
  EXPECT_EQ(table.FindTermOrNewMoonDay(firstPrecise, kNewMoonEvent),
            PreciseNewMoonDay(firstPrecise + kJ2000));
  EXPECT_EQ(table.FindTermOrNewMoonDay(lastLow, kSolarTermEvent),
            LowPrecisionTermDay(lastLow + kJ2000, table.termFits.back() - kSolarTermLookAhead,
                                table.termCorrections));
  EXPECT_EQ(table.FindTermOrNewMoonDay(firstPrecise, kSolarTermEvent),
            PreciseTermDay(firstPrecise + kJ2000));
  // 1959-12-31 looks ahead to the term 小寒 of 1960-01-06 and still finds it by the formula.
  EXPECT_EQ(FormatJulianDayDateTime(table.FindTermOrNewMoonDay(lastLow, kSolarTermEvent) + kJ2000)
                .substr(0, 10),
            L"1960-01-06");
}

// In the precise era the day is the civil day of the exact moment: compare with the moment
// finders for every new moon and term of 1960-2100 (largest distance of a moment from its day's
// noon must stay below half a day).
TEST(TermOrNewMoonDay, PreciseDaysHoldTheExactMoments) {
  const LunarYearTable& table = Table();
  double largest = 0;
  for (double day = -14600; day < 36500; day += 29.5306) {
    const double found = table.FindTermOrNewMoonDay(day, kNewMoonEvent);
    const double moment = FindNewMoonNear(found);
    EXPECT_EQ(found, std::floor(moment + 0.5)) << "day " << day;
    largest = std::max(largest, std::abs(moment - found));
  }
  for (double day = -14600; day < 36500; day += 15.2184) {
    const double found = table.FindTermOrNewMoonDay(day, kSolarTermEvent);
    const double moment = FindSolarTermNear(found);
    EXPECT_EQ(found, std::floor(moment + 0.5)) << "day " << day;
    largest = std::max(largest, std::abs(moment - found));
  }
  std::printf("largest |moment - day| = %.6f days (limit 0.5)\n", largest);
  EXPECT_LE(largest, 0.5);
}

// Before the term fits (-4712 to -222) the fast estimate of a term decides its day away from a
// midnight as from 1960: every term day there holds the exact moment as well.
TEST(TermOrNewMoonDay, TermDaysBeforeTheFitsHoldTheExactMoments) {
  const LunarYearTable& table = Table();
  const double fitsStart = table.termFits.front() - kSolarTermLookAhead - kJ2000;
  double largest = 0;
  long terms = 0;
  for (double day = -kJ2000; day < fitsStart; day += 15.2184) {
    const double found = table.FindTermOrNewMoonDay(day, kSolarTermEvent);
    const double moment = FindSolarTermNear(found);
    EXPECT_EQ(found, std::floor(moment + 0.5)) << "day " << day;
    largest = std::max(largest, std::abs(moment - found));
    ++terms;
  }
  std::printf("%ld terms, largest |moment - day| = %.6f days (limit 0.5)\n", terms, largest);
  EXPECT_LE(largest, 0.5);
}

}  // namespace
}  // namespace engine
