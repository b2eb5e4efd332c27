#include "chart/four_pillars_at.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/julian_day.h"
#include "testing/utf8.h"
#include "vocabulary/calendar_vocabulary.h"

namespace chart {
namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

const vocabulary::CalendarVocabulary& Vocabulary() {
  static const vocabulary::CalendarVocabulary vocabulary;
  return vocabulary;
}

struct Pillars {
  std::wstring year, month, day, hour;
  int trueSolarHour = 0;
  std::wstring trueSolarTimeText;
};

Pillars PillarsAt(double d, double longitudeDegrees) {
  FourPillarsChart chart;
  ComputeFourPillarsAt(Vocabulary(), d, longitudeDegrees / kDegreesPerRadian, chart);
  const auto& p = chart.pillars;
  return {p[kYearPillar].stem + p[kYearPillar].branch,
          p[kMonthPillar].stem + p[kMonthPillar].branch,
          p[kDayPillar].stem + p[kDayPillar].branch,
          p[kHourPillar].stem + p[kHourPillar].branch,
          chart.trueSolarHour,
          chart.trueSolarTimeText};
}

// The UT day number from J2000.0 of a civil time of UTC+8, as the chart entries compute it.
double BeijingDayNumber(int year, int month, int day, int hour, int minute, int second) {
  return engine::ComputeJulianDay(year, month,
                                  day + (hour + minute / 60.0 + second / 3600.0) / 24) -
         1.0 / 3 - 2451545;
}

TEST(FourPillarsAt, J2000AtGreenwich) {
  const Pillars p = PillarsAt(0, 0);
  EXPECT_EQ(p.year, L"己卯");
  EXPECT_EQ(p.month, L"丙子");
  EXPECT_EQ(p.day, L"戊午");
  EXPECT_EQ(PillarsAt(-1, 0).day, L"丁巳");
}

TEST(FourPillarsAt, BeginningOfSpring1984StartsTheCycle) {
  // 立春 1984 fell on 1984-02-04 23:19 Beijing time; one day later v = 0.
  const Pillars p = PillarsAt(BeijingDayNumber(1984, 2, 5, 23, 0, 0), 121.5);
  EXPECT_EQ(p.year, L"甲子");
  EXPECT_EQ(p.month, L"丙寅");
  const Pillars before = PillarsAt(BeijingDayNumber(1984, 2, 3, 12, 0, 0), 121.5);
  EXPECT_EQ(before.year, L"癸亥");
  EXPECT_EQ(before.month, L"乙丑");
}

TEST(FourPillarsAt, DayHoursOfAWuDay) {
  // 2000-01-01 at 120° east is a 戊午 day; every moment of 11:00-13:00 true solar time of it
  // is the 午 double hour with stem 戊.
  int checked = 0;
  for (int minute = 0; minute < 24 * 60; minute += 7) {
    const double d = BeijingDayNumber(2000, 1, 1, 0, 0, 0) + minute / 1440.0;
    const Pillars p = PillarsAt(d, 120);
    if (p.day != L"戊午" || p.trueSolarHour < 11 || p.trueSolarHour >= 13) {
      continue;
    }
    SCOPED_TRACE(minute);
    EXPECT_EQ(p.hour, L"戊午");
    ++checked;
  }
  EXPECT_GE(checked, 17);  // the two hours, one moment every 7 minutes
}

TEST(FourPillarsAt, HalfSecondBeforeTrueSolarMidnightReads24) {
  // At 0° east, bisect on d for the end of the true-solar hour 23 of the day that begins at
  // 23:00 true solar time of 2000-01-01; from there the clock shows 24:00:00 for half a second.
  double lo = BeijingDayNumber(2000, 1, 2, 7, 30, 0);
  double hi = lo + 1.0 / 24;
  ASSERT_EQ(PillarsAt(lo, 0).trueSolarHour, 23);
  ASSERT_NE(PillarsAt(hi, 0).trueSolarHour, 23);
  for (int i = 0; i < 60; ++i) {
    const double mid = (lo + hi) / 2;
    (PillarsAt(mid, 0).trueSolarHour == 23 ? lo : hi) = mid;
  }
  const Pillars eleven = PillarsAt(lo - 1800.0 / 86400, 0);
  const Pillars late = PillarsAt(hi + 0.25 / 86400, 0);
  EXPECT_EQ(late.trueSolarHour, 24);
  EXPECT_EQ(late.trueSolarTimeText, L"24:00:00");
  EXPECT_EQ(late.day, eleven.day);
  EXPECT_EQ(late.hour, eleven.hour);
  const Pillars midnight = PillarsAt(hi + 1.0 / 86400, 0);
  EXPECT_EQ(midnight.trueSolarHour, 0);
  EXPECT_EQ(midnight.trueSolarTimeText, L"00:00:00");
  EXPECT_EQ(midnight.day, eleven.day);
}

// Minute by minute over three days at 100° east: the day pillar steps on where the true solar
// clock passes 23:00 and the hour pillar where it passes an odd hour (子 at 23:00, 丑 at 01:00).
// The clock is rounded to the second and the pillars are not, so within half a second before
// such an hour the clock may already show it while the pillars still hold the hour before: a
// turn is checked at the first sample after it.
TEST(FourPillarsAt, DayAndHourTurnOnTheTrueSolarClock) {
  const std::wstring stems = L"甲乙丙丁戊己庚辛壬癸";
  const std::wstring branches = L"子丑寅卯辰巳午未申酉戌亥";
  double d = BeijingDayNumber(1999, 12, 30, 0, 0, 30);
  Pillars previous = PillarsAt(d, 100);
  int dayTurns = 0;
  int hourTurns = 0;
  for (int minute = 1; minute < 3 * 1440; ++minute) {
    d += 1.0 / 1440;
    const Pillars p = PillarsAt(d, 100);
    SCOPED_TRACE(testing::Message() << "minute " << minute);
    if (p.day != previous.day) {
      ++dayTurns;
      EXPECT_EQ(p.trueSolarHour, 23);
      EXPECT_EQ(p.hour.substr(1), L"子");
      EXPECT_EQ((stems.find(previous.day[0]) + 1) % 10, stems.find(p.day[0]));
    }
    if (p.hour != previous.hour) {
      ++hourTurns;
      EXPECT_EQ(p.trueSolarHour % 2, 1);
      EXPECT_EQ(branches.find(p.hour[1]), static_cast<std::size_t>((p.trueSolarHour + 1) / 2 % 12));
      EXPECT_EQ((branches.find(previous.hour[1]) + 1) % 12, branches.find(p.hour[1]));
      if (p.trueSolarHour != 23) {
        EXPECT_EQ(p.day, previous.day);
      }
    }
    previous = p;
  }
  EXPECT_EQ(dayTurns, 3);
  EXPECT_EQ(hourTurns, 36);
}

TEST(FourPillarsAt, DayTurnsAt23AndHourStemFollowsDayStem) {
  const std::wstring stems = L"甲乙丙丁戊己庚辛壬癸";
  const std::wstring branches = L"子丑寅卯辰巳午未申酉戌亥";
  for (int step = 0; step < 4000; ++step) {
    const double d = -3000.0 + step * 1.37;
    const Pillars p = PillarsAt(d, 100);
    SCOPED_TRACE(step);
    const int dayStem = static_cast<int>(stems.find(p.day[0]));
    const int hourStem = static_cast<int>(stems.find(p.hour[0]));
    const int hourBranch = static_cast<int>(branches.find(p.hour[1]));
    ASSERT_GE(dayStem, 0);
    EXPECT_EQ(hourStem, (2 * dayStem + hourBranch) % 10);
    // The double hour from the true solar clock: 子 from 23:00, 丑 from 01:00, ...
    if (p.trueSolarHour < 24) {
      EXPECT_EQ(hourBranch, ((p.trueSolarHour + 1) / 2) % 12);
    }
  }
}

TEST(FourPillarsAt, YearAndMonthDoNotDependOnLongitude) {
  for (double d = -40000; d < 40000; d += 977.3) {
    SCOPED_TRACE(d);
    const Pillars east = PillarsAt(d, 121.5);
    const Pillars west = PillarsAt(d, -75);
    EXPECT_EQ(east.year, west.year);
    EXPECT_EQ(east.month, west.month);
  }
}

TEST(FourPillarsAt, EarlyMomentsNameValidPillars) {
  // Far before the counters' offsets keep them positive (about year -18,500) the floor modulo
  // still names a pillar, and consecutive days still follow each other.
  const std::wstring stems = L"甲乙丙丁戊己庚辛壬癸";
  const double early = -7600000.0;
  const Pillars a = PillarsAt(early, 0);
  const Pillars b = PillarsAt(early + 1, 0);
  for (const auto* p : {&a, &b}) {
    ASSERT_EQ(p->year.size(), 2u);
    ASSERT_EQ(p->month.size(), 2u);
    ASSERT_EQ(p->day.size(), 2u);
    ASSERT_EQ(p->hour.size(), 2u);
  }
  EXPECT_EQ((stems.find(a.day[0]) + 1) % 10, stems.find(b.day[0]));
}

TEST(FourPillarsAt, WritesOnlyItsMembers) {
  FourPillarsChart chart;
  chart.personName = L"名";
  chart.pillars[kLifePalacePillar].stem = L"丙";
  chart.pillars[kDayPillar].stemTenGod = L"比肩";
  ComputeFourPillarsAt(Vocabulary(), 1234.5678, 2.0, chart);
  FourPillarsChart again = chart;
  ComputeFourPillarsAt(Vocabulary(), 1234.5678, 2.0, again);
  EXPECT_EQ(chart.personName, L"名");
  EXPECT_EQ(chart.pillars[kLifePalacePillar].stem, L"丙");
  EXPECT_EQ(chart.pillars[kDayPillar].stemTenGod, L"比肩");
  EXPECT_TRUE(chart.pillars[kLifePalacePillar].branch.empty());
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(again.pillars[i].stem, chart.pillars[i].stem);
    EXPECT_EQ(again.pillars[i].branch, chart.pillars[i].branch);
  }
  EXPECT_EQ(again.trueSolarTimeText, chart.trueSolarTimeText);
}

// The reference file, read as UTF-8 rows of tab-separated fields.
std::vector<std::vector<std::wstring>> ReadRows(const std::string& path) {
  std::vector<std::vector<std::wstring>> rows;
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    std::vector<std::wstring> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');) {
      fields.push_back(test_text::DecodeUtf8(field));
    }
    while (fields.size() < 18) {
      fields.emplace_back();
    }
    rows.push_back(fields);
  }
  return rows;
}

struct Moment {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

Moment ParseMoment(const std::wstring& text) {
  Moment m;
  std::swscanf(text.c_str(), L"%d-%d-%d %d:%d:%d", &m.year, &m.month, &m.day, &m.hour, &m.minute,
               &m.second);
  return m;
}

int FloorModSeconds(int a, int n) { return ((a % n) + n) % n; }

int SecondsOfClock(const std::wstring& text) {
  int h = 0, m = 0, s = 0;
  std::swscanf(text.c_str(), L"%d:%d:%d", &h, &m, &s);
  return h * 3600 + m * 60 + s;
}

// Columns: 0 datetime, 1 kind, 2 term, 3 year, 4 month, 5 day_00, 6 day_23, 7 hour, 8 tyme4ts,
// then per longitude 121.5, 87.6, 0: true solar time, day pillar, hour pillar.
TEST(FourPillarsAt, AgreesWithReferencePillars) {
  const auto rows = ReadRows(TAVREL_TESTDATA_DIR "/pillars.tsv");
  ASSERT_EQ(rows.size(), 1102u);
  const double longitudes[] = {121.5, 87.6, 0.0};
  // The equation of time here is the mean longitude minus the right ascension of the sun's
  // low-precision geometric longitude; the reference takes the apparent sun's true hour angle.
  // They differ by nutation in right ascension and aberration (about 20 s of arc in longitude)
  // and by the truncated series, and both are rounded to the second.
  constexpr int kClockToleranceSeconds = 3;
  int largestClockDifference = 0;
  int yearMonthChecked = 0, dayHourChecked = 0, nearBoundary = 0, boundaryDifferences = 0;
  int rowNumber = 0;
  for (const auto& row : rows) {
    ++rowNumber;
    const Moment m = ParseMoment(row[0]);
    SCOPED_TRACE(testing::Message() << "row " << std::string(row[0].begin(), row[0].end()));
    const double d = BeijingDayNumber(m.year, m.month, m.day, m.hour, m.minute, m.second);
    for (int k = 0; k < 3; ++k) {
      const Pillars p = PillarsAt(d, longitudes[k]);
      if (k == 0) {
        EXPECT_EQ(p.year, row[3]);
        EXPECT_EQ(p.month, row[4]);
        ++yearMonthChecked;
      }
      const std::wstring& referenceTime = row[9 + 3 * k];
      const int referenceSeconds = SecondsOfClock(referenceTime.substr(11));
      int difference = SecondsOfClock(p.trueSolarTimeText) - referenceSeconds;
      if (difference > 43200) difference -= 86400;
      if (difference < -43200) difference += 86400;
      largestClockDifference = std::max(largestClockDifference, std::abs(difference));
      EXPECT_LE(std::abs(difference), kClockToleranceSeconds);
      // The day turns at 23:00 and the double hours at odd hours; where the two clocks fall
      // on either side of such a boundary the pillars may differ by one step, legitimately.
      const int phase = FloorModSeconds(referenceSeconds - 3600, 7200);
      if (phase <= std::abs(difference) || 7200 - phase <= std::abs(difference) + 1) {
        ++nearBoundary;
        if (p.day != row[10 + 3 * k] || p.hour != row[11 + 3 * k]) {
          ++boundaryDifferences;
          std::printf(
              "  differs at a double-hour boundary: row %d, longitude %.1f, clock %s vs "
              "reference %s\n",
              rowNumber, longitudes[k],
              std::string(p.trueSolarTimeText.begin(), p.trueSolarTimeText.end()).c_str(),
              std::string(referenceTime.begin(), referenceTime.end()).c_str());
        }
        continue;
      }
      EXPECT_EQ(p.day, row[10 + 3 * k]) << "longitude " << longitudes[k];
      EXPECT_EQ(p.hour, row[11 + 3 * k]) << "longitude " << longitudes[k];
      ++dayHourChecked;
    }
  }
  std::printf(
      "pillars.tsv: %d year/month rows agree; %d day/hour comparisons agree, %d more lie within "
      "the clock difference of a double-hour boundary (%d of them differ there); largest "
      "true-solar clock difference %d s (tolerance %d s)\n",
      yearMonthChecked, dayHourChecked, nearBoundary, boundaryDifferences, largestClockDifference,
      kClockToleranceSeconds);
}

// Three minutes after each 立春 of the reference file the month branch is 寅 and the year has
// turned; three minutes before it the month is still 丑.
TEST(FourPillarsAt, EveryBeginningOfSpringOpensTheFirstMonth) {
  const auto rows = ReadRows(TAVREL_TESTDATA_DIR "/pillars.tsv");
  int checked = 0;
  for (const auto& row : rows) {
    if (row[2] != L"立春") {
      continue;
    }
    const Moment m = ParseMoment(row[0]);
    const Pillars p =
        PillarsAt(BeijingDayNumber(m.year, m.month, m.day, m.hour, m.minute, m.second), 121.5);
    SCOPED_TRACE(m.year);
    EXPECT_EQ(p.month.substr(1), row[1] == L"term+" ? L"寅" : L"丑");
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace chart
