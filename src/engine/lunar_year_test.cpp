#include "engine/lunar_year.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/julian_day.h"
#include "vocabulary/calendar_vocabulary.h"

namespace engine {
namespace {

constexpr double kJ2000 = 2451545;

// The day number of a civil date (Gregorian from 1582-10-15, Julian before).
int DayOf(int year, int month, int day) {
  return static_cast<int>(ComputeJulianDay(year, month, day + 0.5) - kJ2000);
}

// "yyyy-mm-dd" of a day number.
std::wstring DateOf(double dayNumber) {
  return FormatJulianDayDateTime(dayNumber + kJ2000).substr(0, 10);
}

// The day that callers pass for the lunar year around a Gregorian year.
int MidYearDay(int year) { return static_cast<int>(std::floor((year - 2000) * 365.2422 + 180)); }

const LunarYearTable& YearTable(int year) {
  static LunarYearTable table;
  table.ComputeLunarYear(MidYearDay(year));
  return table;
}

std::vector<int> Ints(std::initializer_list<int> values) { return values; }

TEST(LunarYear, Mid1949) {
  const LunarYearTable& t = YearTable(1949);
  EXPECT_EQ(DateOf(t.termDays[0]), L"1948-12-22");
  EXPECT_EQ(DateOf(t.termDays[24]), L"1949-12-22");
  EXPECT_EQ(DateOf(t.priorTermDay), L"1948-12-07");
  EXPECT_EQ(DateOf(t.secondPriorTermDay), L"1948-11-22");
  EXPECT_EQ(DateOf(t.newMoonDays[0]), L"1948-12-01");
  EXPECT_EQ(t.leapIndex, 9);
  EXPECT_EQ(DateOf(t.newMoonDays[9]), L"1949-08-24");
  EXPECT_EQ(t.monthCodes, Ints({0, 1, 2, 3, 4, 5, 6, 7, 8, 8, 9, 10, 11, 0}));
  EXPECT_EQ(t.monthLengths, Ints({29, 30, 30, 29, 30, 30, 29, 30, 29, 29, 30, 29, 30, 29}));
}

TEST(LunarYear, Mid1900AndMid1700) {
  const LunarYearTable& t1900 = YearTable(1900);
  EXPECT_EQ(t1900.leapIndex, 10);
  EXPECT_EQ(DateOf(t1900.newMoonDays[10]), L"1900-09-24");
  EXPECT_EQ(t1900.monthCodes, Ints({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 10, 11, 0}));
  const LunarYearTable& t1700 = YearTable(1700);
  EXPECT_EQ(t1700.leapIndex, 0);
  EXPECT_EQ(t1700.monthCodes, Ints({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1}));
}

TEST(LunarYear, WinterSolsticeDayStartsItsYear) {
  LunarYearTable table;
  const int solstice = DayOf(1948, 12, 22);
  table.ComputeLunarYear(solstice);
  EXPECT_EQ(table.termDays[0], solstice);
  table.ComputeLunarYear(solstice - 1);
  EXPECT_EQ(DateOf(table.termDays[0]), L"1947-12-23");
  EXPECT_EQ(table.termDays[24], solstice);
}

// Years whose month codes follow the historical renamings of the months.
TEST(LunarYear, HistoricalMonthCodes) {
  struct Case {
    int year;
    const wchar_t* firstMonth;  // the first day of month 0
    std::vector<int> codes;
    std::vector<std::pair<int, const wchar_t*>> firstDays;  // months whose first day is shown
    int leapIndex = 0;
  };
  const std::vector<Case> cases = {
      // The first days where a renaming begins or ends: shifted by 1 from 9-01-15 and from
      // 237-04-12; 正 for 十一 up to the month from 700-11-15 (700 has a leap 七).
      {9, L"0008-12-17", {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1, 2}, {{1, L"0009-01-15"}}},
      {237,
       L"0236-12-16",
       {0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 0, 1, 2},
       {{3, L"0237-03-14"}, {4, L"0237-04-12"}}},
      {700,
       L"0699-11-27",
       {2, 1, 2, 3, 4, 5, 6, 7, 8, 8, 9, 10, 11, 0},
       {{12, L"0700-11-15"}, {13, L"0700-12-15"}},
       9},
      // The month from 23-12-02 opens two twelfth months; the one from 23-12-31 is code 1 again.
      {23,
       L"0022-12-13",
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 12, 1},
       {{12, L"0023-12-02"}, {13, L"0023-12-31"}}},
      // The same pattern with the month from 239-12-13.
      {239,
       L"0238-12-24",
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 12, 1},
       {{12, L"0239-12-13"}, {13, L"0240-01-12"}}},
      // The months from 689-12-18, 690-02-15 and 690-12-06 all named 正.
      {690,
       L"0689-12-18",
       {2, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 2, 1},
       {{2, L"0690-02-15"}, {12, L"0690-12-06"}}},
      // The month from 762-03-30 still shifted by 2, the one from 762-04-29 no longer.
      {762,
       L"0761-12-02",
       {2, 3, 4, 5, 6, 5, 6, 7, 8, 9, 10, 11, 0, 1},
       {{4, L"0762-03-30"}, {5, L"0762-04-29"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year);
    const LunarYearTable& t = YearTable(c.year);
    EXPECT_EQ(DateOf(t.newMoonDays[0]), c.firstMonth);
    EXPECT_EQ(t.leapIndex, c.leapIndex);
    EXPECT_EQ(t.monthCodes, c.codes);
    for (const auto& [i, date] : c.firstDays) {
      EXPECT_EQ(DateOf(t.newMoonDays[i]), date) << "month " << i;
    }
  }
}

// The years -222 to -104 name their months from reference years that begin with 十 and end with
// 九 and a 13th month 後九 (offset 11); before -219 the reference years begin with 正.
TEST(LunarYear, ReferenceYearStarts) {
  struct Case {
    int year;
    std::vector<int> codes;
  };
  const std::vector<Case> cases = {
      {-720, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1, kMonthCodeThirteenth, 2}},
      {-480, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1, 2, 3}},   // 正 from -480-12-11
      {-221, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 11, 0, 1}},  // 十 from -221-10-31
      {-220, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, kMonthCodeAfterNinth, 11, 0}},
      {-105, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1}},
      {-104, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, kMonthCodeAfterNinth, 11, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year);
    EXPECT_EQ(YearTable(c.year).monthCodes, c.codes);
  }
  // The first reference year-starts of the rules from -478 and from -219.
  EXPECT_EQ(DateOf(YearTable(-480).newMoonDays[12]), L"-480-12-11");
  EXPECT_EQ(DateOf(YearTable(-221).newMoonDays[11]), L"-221-10-31");
  // -721 begins on the first reference, -722-12-17.
  EXPECT_EQ(DateOf(YearTable(-721).newMoonDays[0]), L"-722-12-17");
  EXPECT_EQ(YearTable(-721).monthCodes[0], 2);
}

// Every day of 1999-2000 lies in the lunar year computed for it, and so do the winter-solstice
// days of 1900-2100 and the days before them, where one year hands over to the next.
TEST(LunarYear, EveryDayLiesInItsYear) {
  LunarYearTable table;
  for (int day = DayOf(1999, 1, 1); day <= DayOf(2000, 12, 31); ++day) {
    table.ComputeLunarYear(day);
    ASSERT_LE(table.termDays[0], day) << DateOf(day);
    ASSERT_LT(day, table.termDays[24]) << DateOf(day);
  }
  for (int year = 1900; year <= 2100; ++year) {
    table.ComputeLunarYear(MidYearDay(year));
    const int solstice = static_cast<int>(table.termDays[24]);
    table.ComputeLunarYear(solstice);
    ASSERT_EQ(table.termDays[0], solstice) << year;
    table.ComputeLunarYear(solstice - 1);
    ASSERT_EQ(table.termDays[24], solstice) << year;
  }
}

TEST(LunarYear, ReferenceYearsHaveNoLeapMonth) {
  LunarYearTable table;
  int leapYearsAfter = 0;
  for (int year = -722; year <= -95; ++year) {
    SCOPED_TRACE(year);
    table.ComputeLunarYear(MidYearDay(year));
    const int y = static_cast<int>(std::floor((table.termDays[0] + 190) / 365.2422)) + 2000;
    ASSERT_EQ(y, year);
    if (year >= -721 && year <= -104) {
      EXPECT_EQ(table.leapIndex, 0);
      for (int code : table.monthCodes) {
        EXPECT_GE(code, 0);
        EXPECT_LE(code, kMonthCodeAfterNinth);
        EXPECT_NE(code, kMonthCodeFirstTwelfth);
      }
    } else if (year > -104 && table.leapIndex != 0) {
      ++leapYearsAfter;
    }
  }
  EXPECT_GT(leapYearsAfter, 0);  // from -103 on the leap-month rule applies again
}

// Cheap invariants of every year from the first fits to 2200. Where the fits change from one
// stretch to the next (a calendar reform) an interval can fall outside the usual bounds: the term
// gap of 13 days in -221 (precise era to the first term fit), the month of 28 days in 237 and the
// term gap of 12 days in 445 (new fit stretches starting 237-02-12 and 445-02-03).
TEST(LunarYear, InvariantsOfEveryYear) {
  LunarYearTable table;
  const std::set<int> reformYears = {-221, 237, 445};
  for (int year = -760; year <= 2200; ++year) {
    SCOPED_TRACE(year);
    if (reformYears.count(year) != 0) {
      continue;
    }
    const int day = MidYearDay(year);
    table.ComputeLunarYear(day);
    ASSERT_EQ(table.termDays.size(), 25u);
    ASSERT_EQ(table.newMoonDays.size(), 15u);
    ASSERT_EQ(table.monthCodes.size(), 14u);
    ASSERT_EQ(table.monthLengths.size(), 14u);
    EXPECT_LE(table.termDays[0], day);
    EXPECT_LT(day, table.termDays[24]);
    EXPECT_LT(table.secondPriorTermDay, table.priorTermDay);
    EXPECT_LT(table.priorTermDay, table.termDays[0]);
    for (int k = 0; k < 24; ++k) {
      const double gap = table.termDays[k + 1] - table.termDays[k];
      EXPECT_TRUE(gap >= 14 && gap <= 17) << "term " << k << " gap " << gap;
    }
    EXPECT_LE(table.newMoonDays[0], table.termDays[0]);
    EXPECT_GT(table.newMoonDays[1], table.termDays[0]);
    for (int i = 0; i < 14; ++i) {
      EXPECT_TRUE(table.monthLengths[i] == 29 || table.monthLengths[i] == 30)
          << "month " << i << " length " << table.monthLengths[i];
    }
    EXPECT_GE(table.leapIndex, 0);
    EXPECT_LE(table.leapIndex, 12);
    if (table.leapIndex > 0) {
      // The leap month holds no mid-term and repeats the code of the month before it.
      const int i = table.leapIndex;
      for (int k = 0; k <= 24; k += 2) {
        EXPECT_FALSE(table.termDays[k] >= table.newMoonDays[i] &&
                     table.termDays[k] < table.newMoonDays[i + 1]);
      }
      EXPECT_EQ(table.monthCodes[i], table.monthCodes[i - 1]);
    }
  }
}

TEST(LunarYear, MonthCodeNames) {
  const vocabulary::CalendarVocabulary vocabulary;
  EXPECT_EQ(MonthCodeName(vocabulary, 0), L"十一");
  EXPECT_EQ(MonthCodeName(vocabulary, 2), L"正");
  EXPECT_EQ(MonthCodeName(vocabulary, 11), L"十");
  EXPECT_EQ(MonthCodeName(vocabulary, kMonthCodeFirstTwelfth), L"拾貳");
  EXPECT_EQ(MonthCodeName(vocabulary, kMonthCodeThirteenth), L"十三");
  EXPECT_EQ(MonthCodeName(vocabulary, kMonthCodeAfterNinth), L"後九");
  EXPECT_EQ(MonthCodeName(vocabulary, -1), L"");
  EXPECT_EQ(MonthCodeName(vocabulary, 15), L"");
}

TEST(LunarYear, DaysOutsideTheDomainTakeTheNearestEnd) {
  LunarYearTable table;
  table.ComputeLunarYear(std::numeric_limits<int>::max());
  EXPECT_LT(table.termDays[0], kLastLunarYearDay + 1);
  EXPECT_GT(table.termDays[24], kLastLunarYearDay);
  table.ComputeLunarYear(std::numeric_limits<int>::min());
  EXPECT_LE(table.termDays[0], kFirstLunarYearDay);
  EXPECT_GT(table.termDays[24], kFirstLunarYearDay);
}

// One lunar month as the reference lists it: month number 1..12 (正 = 1), leap flag, length.
struct ReferenceMonth {
  int number = 0;
  bool leap = false;
  int days = 0;
};

// Every month of the lunar years 1950-2050, as widely used calendar libraries give them (four
// independent computations agree on every month of these years).
TEST(LunarYear, AgreesWithReferenceMonths1950To2050) {
  std::ifstream in(TAVREL_TESTDATA_DIR "/lunar_months.tsv");
  ASSERT_TRUE(in) << "lunar_months.tsv";
  std::map<int, ReferenceMonth> reference;  // by Julian day of the first day
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    int lunarYear = 0;
    ReferenceMonth month;
    int leap = 0;
    std::string firstDay;
    int firstJd = 0;
    fields >> lunarYear >> month.number >> leap >> firstDay >> firstJd >> month.days;
    month.leap = leap != 0;
    reference[firstJd] = month;
  }
  ASSERT_EQ(reference.size(), 1249u);

  // Each month is named by the table of the year that holds its first day (as the month calendar
  // names the days of a month); its last day must find the same month.
  LunarYearTable table;
  int checked = 0;
  for (const auto& [jd, expected] : reference) {
    const int first = jd - static_cast<int>(kJ2000);
    SCOPED_TRACE(DateOf(first));
    for (const int day : {first, first + expected.days - 1}) {
      table.ComputeLunarYear(day);
      int i = 0;
      while (i < 13 && table.newMoonDays[i + 1] <= day) {
        ++i;
      }
      ASSERT_EQ(table.newMoonDays[i], first) << "no month begins on JD " << jd;
      EXPECT_EQ((table.monthCodes[i] + 10) % 12 + 1, expected.number);
      EXPECT_EQ(table.leapIndex != 0 && i == table.leapIndex, expected.leap);
      EXPECT_EQ(table.monthLengths[i], expected.days);
    }
    ++checked;
  }
  EXPECT_EQ(checked, 1249);
  std::printf("%d reference months compared (first day, number, leap flag, length exact)\n",
              checked);
}

}  // namespace
}  // namespace engine
