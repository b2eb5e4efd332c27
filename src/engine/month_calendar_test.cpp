#include "engine/month_calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <numbers>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/julian_day.h"
#include "engine/lunar_year.h"
#include "engine/moments.h"
#include "testing/utf8.h"
#include "vocabulary/calendar_vocabulary.h"

namespace engine {
namespace {

std::string DateText(const CalendarDay& day) {
  const DateParts parts = JulianDayToDateParts(day.dayNumber + 2451545.0);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", parts.year, parts.month, parts.day);
  return text;
}

struct Month {
  CalendarDays days;
  CalendarMonth month;
};

// One calendar for the whole test program, as the program keeps one for its run.
MonthCalendar& Calendar() {
  static MonthCalendar calendar;
  return calendar;
}

Month Compute(int year, int month) {
  Month result;
  Calendar().ComputeMonthCalendar(year, month, result.days, result.month);
  return result;
}

// The record of a Gregorian day of the month, found by its day of the month.
const CalendarDay& DayOf(const Month& m, int gregorianDay) {
  for (int i = 0; i < m.month.dayCount; ++i) {
    if (m.days[i].gregorianDay == gregorianDay) {
      return m.days[i];
    }
  }
  ADD_FAILURE() << "no record of day " << gregorianDay;
  return m.days[0];
}

TEST(MonthCalendar, January2000) {
  const Month m = Compute(2000, 1);
  EXPECT_EQ(m.month.firstWeekday, 6);
  EXPECT_EQ(m.month.dayCount, 31);
  EXPECT_EQ(m.days[0].dayNumber, 0);
  EXPECT_EQ(m.days[0].dayPillarName, L"戊午");
  EXPECT_EQ(m.days[0].weekday, 6);
  for (int i = 0; i < 31; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(m.days[i].gregorianYear, 2000);
    EXPECT_EQ(m.days[i].gregorianMonth, 1);
    EXPECT_EQ(m.days[i].gregorianDay, i + 1);
    EXPECT_EQ(m.days[i].dayNumber, i);
    EXPECT_EQ(m.days[i].weekday, (6 + i) % 7);
  }
  // 1999-12-22 was the winter solstice, day -10.
  EXPECT_EQ(m.days[0].daysSinceWinterSolstice, 10);
}

TEST(MonthCalendar, YearNumbersTurnAtLichunAndAtTheFirstMonth) {
  const Month m = Compute(2000, 2);
  const CalendarDay& feb3 = DayOf(m, 3);
  const CalendarDay& feb4 = DayOf(m, 4);
  const CalendarDay& feb5 = DayOf(m, 5);
  EXPECT_EQ(feb3.dayNumber, 33);
  EXPECT_EQ(feb3.termYearNumber, 15);
  EXPECT_EQ(feb3.yearPillarName, L"己卯");
  EXPECT_EQ(feb4.termYearNumber, 16);
  EXPECT_EQ(feb4.yearPillarName, L"庚辰");
  EXPECT_EQ(feb4.termNameOfDay, L"立春");
  EXPECT_EQ(feb4.lunarYearNumber, 15);
  EXPECT_EQ(feb4.lunarYearName, L"己卯");
  EXPECT_EQ(feb5.lunarYearNumber, 16);
  EXPECT_EQ(feb5.lunarYearName, L"庚辰");
  EXPECT_EQ(feb5.lunarMonthName, L"正");
  EXPECT_EQ(feb5.lunarDayName, L"初一");
  EXPECT_EQ(feb4.monthPillarName, L"戊寅");
  EXPECT_EQ(feb3.monthPillarName, L"丁丑");
}

TEST(MonthCalendar, MonthPillarFromTheWinterSolsticeToMinorCold) {
  const Month december = Compute(1999, 12);
  const Month january = Compute(2000, 1);
  for (int d = 22; d <= 31; ++d) {
    SCOPED_TRACE(d);
    EXPECT_EQ(DayOf(december, d).monthPillarName, L"丙子");
  }
  EXPECT_EQ(DayOf(december, 22).termNameOfDay, L"冬至");
  EXPECT_EQ(DayOf(december, 22).daysSinceWinterSolstice, 0);
  EXPECT_EQ(DayOf(december, 21).daysSinceWinterSolstice, 364);  // from 1998-12-22
  for (int d = 1; d <= 5; ++d) {
    SCOPED_TRACE(d);
    EXPECT_EQ(DayOf(january, d).monthPillarName, L"丙子");
  }
  EXPECT_EQ(DayOf(january, 6).termNameOfDay, L"小寒");
  EXPECT_EQ(DayOf(january, 6).monthPillarName, L"丁丑");
}

TEST(MonthCalendar, October1582HasTwentyOneDays) {
  const Month m = Compute(1582, 10);
  ASSERT_EQ(m.month.dayCount, 21);
  const int expected[21] = {1,  2,  3,  4,  15, 16, 17, 18, 19, 20, 21,
                            22, 23, 24, 25, 26, 27, 28, 29, 30, 31};
  for (int i = 0; i < 21; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(m.days[i].gregorianDay, expected[i]);
    EXPECT_EQ(m.days[i].dayNumber, m.days[0].dayNumber + i);
  }
  // 1582-10-04 (Julian) was a Thursday, 1582-10-15 (Gregorian) a Friday.
  EXPECT_EQ(m.days[3].weekday, 4);
  EXPECT_EQ(m.days[4].weekday, 5);
  const CalendarDay* fifteenth = FindCalendarDay(m.days, m.month, m.days[0].dayNumber + 4);
  ASSERT_NE(fifteenth, nullptr);
  EXPECT_EQ(fifteenth->gregorianDay, 15);
  EXPECT_EQ(FindCalendarDay(m.days, m.month, m.days[0].dayNumber + 21), nullptr);
  EXPECT_EQ(FindCalendarDay(m.days, m.month, m.days[0].dayNumber - 1), nullptr);
}

TEST(MonthCalendar, MonthsBeyondTwelveAndYearsOutsideTheRangeGiveNoDay) {
  CalendarDays days;
  days[0].dayPillarName = L"untouched";
  CalendarMonth month;
  for (const int m : {13, 14, 100}) {
    SCOPED_TRACE(m);
    Calendar().ComputeMonthCalendar(2024, m, days, month);
    EXPECT_EQ(month.dayCount, 0);
    EXPECT_EQ(days[0].dayPillarName, L"untouched");
  }
  for (const int y : {-4713, 10000, -2147483647 - 1, 2147483647}) {
    SCOPED_TRACE(y);
    Calendar().ComputeMonthCalendar(y, 1, days, month);
    EXPECT_EQ(month.dayCount, 0);
    EXPECT_EQ(days[0].dayPillarName, L"untouched");
  }
}

// Any int is a month: the 13th and beyond fill nothing, and months that reach before -4712 or
// after 9999 fill nothing either, without the month arithmetic overflowing on the way.
TEST(MonthCalendar, ExtremeMonthsFillNothing) {
  constexpr int kMin = -2147483647 - 1;
  constexpr int kMax = 2147483647;
  CalendarDays days;
  days[0].dayPillarName = L"untouched";
  CalendarMonth month;
  const std::pair<int, int> cases[] = {
      {2026, kMax},
      {2026, kMax - 1},
      {9999, kMax},
      {-4712, 13},
      {2026, 120000},
      {2026, kMin},
      {9999, kMin},
      {-4712, kMin},
      {2026, -1000000000},
      // Ten thousand years back from 2026, and December of -4713: before -4712.
      {2026, -120000},
      {-4712, 0},
  };
  for (const auto& [y, m] : cases) {
    SCOPED_TRACE(std::to_string(y) + " " + std::to_string(m));
    Calendar().ComputeMonthCalendar(y, m, days, month);
    EXPECT_EQ(month.dayCount, 0);
    EXPECT_EQ(days[0].dayPillarName, L"untouched");
  }
  // Month 0 runs back to December of the year before, as the date arithmetic has it.
  Calendar().ComputeMonthCalendar(2026, 0, days, month);
  EXPECT_EQ(month.dayCount, 31);
  EXPECT_EQ(days[0].dayNumber, 9466);  // 2025-12-01
}

TEST(MonthCalendar, FestivalsOfTheOfficialYears) {
  const Month january2023 = Compute(2023, 1);
  const CalendarDay& newYear = DayOf(january2023, 22);
  EXPECT_EQ(newYear.isHoliday, 1);
  EXPECT_EQ(newYear.festivalTextA, L"春節 ");
  const CalendarDay& madeUp = DayOf(january2023, 7);
  EXPECT_EQ(madeUp.weekday, 6);
  EXPECT_EQ(madeUp.isHoliday, 0);
  EXPECT_EQ(madeUp.festivalTextB, L"補上班不開盤 ");
  const Month february2024 = Compute(2024, 2);
  EXPECT_EQ(DayOf(february2024, 17).isHoliday, 0);
  EXPECT_EQ(DayOf(february2024, 17).festivalTextB, L"補上班不開盤 ");
  EXPECT_EQ(DayOf(february2024, 10).festivalTextA, L"春節 ");
  EXPECT_EQ(DayOf(february2024, 9).festivalTextA, L"除夕 ");
  // 2024-04-04: 清明 on children's day.
  const Month april2024 = Compute(2024, 4);
  EXPECT_EQ(DayOf(april2024, 4).termNameOfDay, L"清明");
  EXPECT_EQ(DayOf(april2024, 4).festivalTextA, L"兒童節 <br>民族掃墓節 ");
}

TEST(MonthCalendar, FirstDayCarriesTheLunarMonthAndLeapMonthIsMarked) {
  // 2023 has a leap 二月 from 2023-03-22 to 2023-04-19.
  const Month march = Compute(2023, 3);
  const Month april = Compute(2023, 4);
  EXPECT_EQ(march.days[0].lunarMonthName, L"二");
  EXPECT_EQ(march.days[0].leapMark, L"");
  EXPECT_EQ(march.days[0].nextLunarMonthName, L"二");
  EXPECT_EQ(DayOf(march, 21).leapMark, L"");
  EXPECT_EQ(DayOf(march, 22).leapMark, L"閏");
  EXPECT_EQ(DayOf(march, 22).lunarMonthName, L"二");
  EXPECT_EQ(DayOf(march, 22).nextLunarMonthName, L"三");
  EXPECT_EQ(april.days[0].leapMark, L"閏");
  EXPECT_EQ(april.days[0].lunarMonthName, L"二");
  EXPECT_EQ(april.days[0].lunarDayName, L"十一");
  EXPECT_EQ(april.days[0].lunarMonthLength, 29);
  EXPECT_EQ(DayOf(april, 19).leapMark, L"閏");
  EXPECT_EQ(DayOf(april, 20).leapMark, L"");
  EXPECT_EQ(DayOf(april, 20).lunarMonthName, L"三");
}

// The month at index 13 of a lunar-year table (it begins before the next winter solstice in a
// year of 13 months) has no following month in the table; its days keep "未知" after the table
// moves on at the solstice, as every day copies the month fields of the day before.
TEST(MonthCalendar, MonthsPastTheTableHaveAnUnknownNextMonth) {
  int unknownDays = 0;
  for (int year = 1950; year <= 2050; ++year) {
    for (int month = 11; month <= 12; ++month) {
      const Month m = Compute(year, month);
      for (int i = 0; i < m.month.dayCount; ++i) {
        const CalendarDay& day = m.days[i];
        if (day.nextLunarMonthName != L"未知") {
          continue;
        }
        SCOPED_TRACE(DateText(day));
        ++unknownDays;
        const int firstDay = day.dayNumber - day.lunarDayIndex;
        LunarYearTable table;
        table.ComputeLunarYear(firstDay);
        EXPECT_EQ(table.newMoonDays[13], firstDay);
        EXPECT_NE(table.leapIndex, 0);
      }
    }
  }
  EXPECT_GT(unknownDays, 0);
}

TEST(MonthCalendar, PhasesAndTermsOfTheMonthMatchTheirMoments) {
  // Every phase and term moment of 2024 lands on the day of its Beijing time, with the time
  // printed within 3 s of the reference.
  std::map<std::string, std::pair<std::string, std::string>> phases;  // date -> name, time
  std::map<std::string, std::pair<std::string, std::string>> terms;
  for (const auto& [file, target] :
       {std::pair{"moon_phases.tsv", &phases}, std::pair{"solar_terms.tsv", &terms}}) {
    std::ifstream in(std::string(TAVREL_TESTDATA_DIR) + "/" + file);
    ASSERT_TRUE(in) << file;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
      std::vector<std::string> cells;
      std::stringstream cellStream(line);
      std::string cell;
      while (std::getline(cellStream, cell, '\t')) {
        cells.push_back(cell);
      }
      if (cells.size() > 5 && cells[5].rfind("2024-", 0) == 0) {
        (*target)[cells[5].substr(0, 10)] = {cells[2], cells[5].substr(11)};
      }
    }
  }
  ASSERT_GT(phases.size(), 45u);
  ASSERT_EQ(terms.size(), 24u);
  const auto seconds = [](const std::string& hms) {
    return std::stoi(hms.substr(0, 2)) * 3600 + std::stoi(hms.substr(3, 2)) * 60 +
           std::stoi(hms.substr(6, 2));
  };
  int largest = 0;
  int phaseCount = 0;
  int termCount = 0;
  for (int month = 1; month <= 12; ++month) {
    const Month m = Compute(2024, month);
    for (int i = 0; i < m.month.dayCount; ++i) {
      const CalendarDay& day = m.days[i];
      const std::string date = DateText(day);
      SCOPED_TRACE(date);
      if (phases.count(date) != 0) {
        EXPECT_EQ(test_text::EncodeUtf8(day.phaseName), phases[date].first);
        ++phaseCount;
      } else {
        EXPECT_EQ(day.phaseName, L"");
      }
      if (terms.count(date) != 0) {
        EXPECT_EQ(test_text::EncodeUtf8(day.termName), terms[date].first);
        EXPECT_EQ(day.termName, day.termNameOfDay);
        const int difference = std::abs(seconds(test_text::EncodeUtf8(day.termTimeText)) -
                                        seconds(terms[date].second));
        largest = std::max(largest, difference);
        EXPECT_LE(difference, 3);
        ++termCount;
      } else {
        EXPECT_EQ(day.termName, L"");
        EXPECT_EQ(day.termTimeText, L"");
      }
    }
  }
  EXPECT_EQ(phaseCount, static_cast<int>(phases.size()));
  EXPECT_EQ(termCount, 24);
  std::printf("largest term time difference in 2024: %d s (tolerance 3 s)\n", largest);
}

// Every quarter phase whose precise moment falls in the month marks its date and no other day is
// marked: over 1900-2100 and in months of the far eras, on both sides of the years where the
// dates are taken from the cheap estimate of the moment (400 BC to AD 4400).
TEST(MonthCalendar, PhasesFallOnTheDatesOfTheirPreciseMoments) {
  const wchar_t* const names[] = {L"朔", L"上弦", L"望", L"下弦"};
  std::vector<int> years;
  for (int year = 1900; year <= 2100; ++year) {
    years.push_back(year);
  }
  for (const int year : {-4712, -2000, -401, -400, -399, 4399, 4400, 4401, 7000, 9999}) {
    years.push_back(year);
  }
  int marked = 0;
  for (const int year : years) {
    for (int month = 1; month <= 12; ++month) {
      const Month m = Compute(year, month);
      const int day0 = m.days[0].dayNumber;
      const int end = day0 + m.month.dayCount;
      std::map<int, std::wstring> expected;  // day number -> phase
      // Quarter k = 0 is the new moon of 2000-01-06, about 7.38 days apart.
      const int firstQuarter = static_cast<int>(std::floor((day0 - 5.6) / 7.3826)) - 2;
      for (int k = firstQuarter; k <= firstQuarter + 9; ++k) {
        const int d =
            static_cast<int>(std::floor(FindMoonPhaseMoment(k * (std::numbers::pi / 2)) + 0.5));
        if (d >= day0 && d < end) {
          expected[d] = names[((k % 4) + 4) % 4];
        }
      }
      for (int i = 0; i < m.month.dayCount; ++i) {
        const CalendarDay& day = m.days[i];
        SCOPED_TRACE(DateText(day));
        const auto found = expected.find(day.dayNumber);
        EXPECT_EQ(day.phaseName, found == expected.end() ? L"" : found->second);
        marked += day.phaseName.empty() ? 0 : 1;
      }
    }
  }
  EXPECT_GT(marked, 10000);
}

// Every solar term whose moment falls in the month marks its date with its name and time of day,
// and no other day is marked: over 1900-2100 and in months of the far eras.
TEST(MonthCalendar, TermsFallOnTheDatesOfTheirMoments) {
  const vocabulary::CalendarVocabulary names;
  std::vector<int> years;
  for (int year = 1900; year <= 2100; ++year) {
    years.push_back(year);
  }
  for (const int year : {-4712, -2000, -400, 0, 4400, 7000, 9999}) {
    years.push_back(year);
  }
  int marked = 0;
  for (const int year : years) {
    for (int month = 1; month <= 12; ++month) {
      const Month m = Compute(year, month);
      const int day0 = m.days[0].dayNumber;
      const int end = day0 + m.month.dayCount;
      std::map<int, std::pair<std::wstring, std::wstring>> expected;  // day -> name, time
      // Term k = 0 is the March equinox of 1999 (day -285.6), about 15.22 days apart; 春分 is
      // term 6 of the names, which begin at the winter solstice.
      const int firstTerm = static_cast<int>(std::floor((day0 + 285.6) / 15.2184)) - 2;
      for (int k = firstTerm; k <= firstTerm + 5; ++k) {
        const double moment = FindSolarTermMoment(k * (std::numbers::pi / 12));
        const int d = static_cast<int>(std::floor(moment + 0.5));
        if (d >= day0 && d < end) {
          expected[d] = {names.termNames[((k + 6) % 24 + 24) % 24], FormatTimeOfDay(moment)};
        }
      }
      for (int i = 0; i < m.month.dayCount; ++i) {
        const CalendarDay& day = m.days[i];
        SCOPED_TRACE(DateText(day));
        const auto found = expected.find(day.dayNumber);
        EXPECT_EQ(day.termName, found == expected.end() ? L"" : found->second.first);
        EXPECT_EQ(day.termTimeText, found == expected.end() ? L"" : found->second.second);
        marked += day.termName.empty() ? 0 : 1;
      }
    }
  }
  EXPECT_GT(marked, 4900);
}

TEST(MonthCalendar, SignTurnsAtTheMidTerms) {
  const Month january = Compute(2024, 1);
  const Month december = Compute(2023, 12);
  EXPECT_EQ(DayOf(december, 21).signName, L"射手座");
  EXPECT_EQ(DayOf(december, 22).termNameOfDay, L"冬至");
  EXPECT_EQ(DayOf(december, 22).signName, L"摩羯座");
  EXPECT_EQ(DayOf(january, 19).signName, L"摩羯座");
  EXPECT_EQ(DayOf(january, 20).termNameOfDay, L"大寒");
  EXPECT_EQ(DayOf(january, 20).signName, L"水瓶座");
}

// Lunar month numbers of the reference (1 = 正 .. 12 = 十二) by name.
int LunarMonthNumber(const std::wstring& name) {
  const wchar_t* const names[] = {L"正", L"二", L"三", L"四", L"五",   L"六",
                                  L"七", L"八", L"九", L"十", L"十一", L"十二"};
  for (int i = 0; i < 12; ++i) {
    if (name == names[i]) {
      return i + 1;
    }
  }
  return 0;
}

// Every day of 1950-2050 against a widely used calendar library: weekday, day pillar, lunar date
// with leap flag, both year pillars, month pillar and the solar term of the day.
TEST(MonthCalendar, AgreesWithReferenceCalendarEveryDay1950To2050) {
  std::ifstream in(std::string(TAVREL_TESTDATA_DIR) + "/days.tsv");
  ASSERT_TRUE(in);
  std::map<std::string, std::vector<std::string>> rows;
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    while (true) {
      const std::size_t tab = line.find('\t', start);
      cells.push_back(line.substr(start, tab - start));
      if (tab == std::string::npos) {
        break;
      }
      start = tab + 1;
    }
    rows[cells[0]] = cells;
  }
  ASSERT_EQ(rows.size(), 36890u);

  int compared = 0;
  std::map<std::string, int> disagreements;
  for (int year = 1950; year <= 2050; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const Month m = Compute(year, month);
      for (int i = 0; i < m.month.dayCount; ++i) {
        const CalendarDay& day = m.days[i];
        const std::string date = DateText(day);
        SCOPED_TRACE(date);
        const auto found = rows.find(date);
        ASSERT_NE(found, rows.end());
        const std::vector<std::string>& r = found->second;
        ++compared;
        const auto check = [&](const char* field, const std::string& ours,
                               const std::string& theirs) {
          if (ours != theirs) {
            ++disagreements[field];
            ADD_FAILURE() << field << ": ours " << ours << ", reference " << theirs;
          }
        };
        check("jd", std::to_string(day.dayNumber + 2451545), r[1]);
        check("weekday", std::to_string(day.weekday), r[2]);
        check("day pillar", test_text::EncodeUtf8(day.dayPillarName), r[3]);
        check("lunar year", std::to_string(static_cast<int>(day.lunarYearNumber) + 1984), r[4]);
        check("lunar month", std::to_string(LunarMonthNumber(day.lunarMonthName)), r[5]);
        check("leap", day.leapMark.empty() ? "0" : "1", r[6]);
        check("lunar day", std::to_string(day.lunarDayIndex + 1), r[7]);
        check("year pillar at new year", test_text::EncodeUtf8(day.lunarYearName), r[8]);
        check("year pillar at 立春", test_text::EncodeUtf8(day.yearPillarName), r[9]);
        check("month pillar", test_text::EncodeUtf8(day.monthPillarName), r[10]);
        check("term of the day", test_text::EncodeUtf8(day.termNameOfDay),
              r.size() > 11 ? r[11] : "");
      }
    }
  }
  EXPECT_EQ(compared, 36890);
  std::printf("days compared: %d, fields in disagreement: %zu\n", compared, disagreements.size());
}

// Months of every era keep their records within the name lists: lunar day 0..29 with its name,
// a month name (the historical codes beyond the twelve included), two-character pillars.
TEST(MonthCalendar, HistoricalAndFarMonthsStayWithinTheLists) {
  for (const int year :
       {-4712, -4000, -722, -721, -480, -104, -103, 0, 23, 239, 690, 762, 1582, 1700, 3000, 9999}) {
    for (int month = 1; month <= 12; ++month) {
      const Month m = Compute(year, month);
      SCOPED_TRACE(testing::Message() << year << "-" << month);
      ASSERT_GE(m.month.dayCount, 21);
      ASSERT_LE(m.month.dayCount, 31);
      for (int i = 0; i < m.month.dayCount; ++i) {
        const CalendarDay& day = m.days[i];
        EXPECT_GE(day.lunarDayIndex, 0);
        EXPECT_LE(day.lunarDayIndex, 29);
        EXPECT_FALSE(day.lunarDayName.empty());
        EXPECT_FALSE(day.lunarMonthName.empty());
        EXPECT_FALSE(day.nextLunarMonthName.empty());
        EXPECT_EQ(day.dayPillarName.size(), 2u);
        EXPECT_EQ(day.monthPillarName.size(), 2u);
        EXPECT_EQ(day.yearPillarName.size(), 2u);
        EXPECT_EQ(day.lunarYearName.size(), 2u);
        EXPECT_EQ(day.signName.size(), 3u);
        EXPECT_TRUE(day.lunarMonthLength == 29 || day.lunarMonthLength == 30);
      }
    }
  }
}

TEST(MonthCalendar, FirstOfTwoTwelfthMonthsOfYear23) {
  // The month from 23-12-02 has its own code, named apart from the 十二 after it (23-12-31).
  const Month m = Compute(23, 12);
  EXPECT_EQ(DayOf(m, 2).lunarDayName, L"初一");
  EXPECT_EQ(DayOf(m, 2).lunarMonthName, L"拾貳");
  EXPECT_EQ(DayOf(m, 2).nextLunarMonthName, L"十二");
  EXPECT_EQ(DayOf(m, 31).lunarMonthName, L"十二");
}

// Every member of a day record as one text, to compare records whole.
std::wstring RecordText(const CalendarDay& d) {
  std::wstring text;
  for (const double n :
       {double(d.dayNumber), double(d.lunarDayIndex), double(d.gregorianYear),
        double(d.gregorianMonth), double(d.weekday), double(d.gregorianDay),
        double(d.daysSinceWinterSolstice), double(d.daysSinceSummerSolstice),
        double(d.daysSinceAutumnStart), double(d.daysSinceGrainInEar), double(d.daysSinceMinorHeat),
        double(d.daysSinceSpringEquinox), double(d.daysSinceAutumnEquinox), double(d.isHoliday),
        double(d.lunarMonthLength), d.termYearNumber, d.lunarYearNumber}) {
    text += std::to_wstring(n) + L"|";
  }
  for (const std::wstring* t :
       {&d.yearPillarName, &d.lunarYearName, &d.monthPillarName, &d.dayPillarName, &d.lunarDayName,
        &d.lunarMonthName, &d.leapMark, &d.nextLunarMonthName, &d.termNameOfDay, &d.phaseName,
        &d.festivalTextA, &d.festivalTextB, &d.festivalTextC, &d.termName, &d.termTimeText,
        &d.signName}) {
    text += *t + L"|";
  }
  return text;
}

// The calendar keeps the lunar year of the last day it filled: whatever it filled before, a
// month reads as it does from a new calendar (months in a shuffled order, neighbours across the
// winter solstice and far eras among them).
TEST(MonthCalendar, AMonthDoesNotDependOnTheMonthsBefore) {
  std::vector<std::pair<int, int>> months;
  for (const int year : {-4712, -721, -104, 1582, 1949, 2023, 2024, 2025, 9999}) {
    for (const int month : {1, 2, 6, 11, 12}) {
      months.emplace_back(year, month);
    }
  }
  std::shuffle(months.begin(), months.end(), std::mt19937(3));
  MonthCalendar kept;
  for (const auto& [year, month] : months) {
    SCOPED_TRACE(testing::Message() << year << "-" << month);
    Month fromKept;
    kept.ComputeMonthCalendar(year, month, fromKept.days, fromKept.month);
    MonthCalendar fresh;
    Month fromFresh;
    fresh.ComputeMonthCalendar(year, month, fromFresh.days, fromFresh.month);
    ASSERT_EQ(fromKept.month.dayCount, fromFresh.month.dayCount);
    EXPECT_EQ(fromKept.month.firstWeekday, fromFresh.month.firstWeekday);
    for (int i = 0; i < fromKept.month.dayCount; ++i) {
      EXPECT_TRUE(RecordText(fromKept.days[i]) == RecordText(fromFresh.days[i])) << i;
    }
  }
}

// The record of a single date is its month's record but for the month's moments, whatever the
// calendar filled before (the months below in turn, far eras and the two twelfth months of 23
// among them); a date without a record gives none.
TEST(MonthCalendar, OneDayIsTheRecordOfItsMonth) {
  std::vector<std::pair<int, int>> months;
  for (const int year : {-4712, -721, -104, 23, 1582, 1949, 2023, 2024, 2057, 9999}) {
    for (int month = 1; month <= 12; ++month) {
      months.emplace_back(year, month);
    }
  }
  std::shuffle(months.begin(), months.end(), std::mt19937(5));
  MonthCalendar single;
  for (const auto& [year, month] : months) {
    SCOPED_TRACE(testing::Message() << year << "-" << month);
    const Month m = Compute(year, month);
    for (int i = 0; i < m.month.dayCount; ++i) {
      CalendarDay expected = m.days[i];
      expected.phaseName.clear();
      expected.termName.clear();
      expected.termTimeText.clear();
      CalendarDay record;
      ASSERT_TRUE(single.ComputeCalendarDay(year, month, expected.gregorianDay, record));
      EXPECT_EQ(test_text::EncodeUtf8(RecordText(record)), test_text::EncodeUtf8(RecordText(expected))) << expected.gregorianDay;
    }
  }
  const int noRecord[][3] = {
      {2024, 2, 30}, {2023, 2, 29},   {2024, 4, 31},     {1582, 10, 5},      {1582, 10, 14},
      {2024, 0, 1},  {2024, 13, 1},   {2024, 1, 0},      {2024, 1, 32},      {-4713, 12, 31},
      {10000, 1, 1}, {INT_MIN, 1, 1}, {INT_MAX, 12, 31}, {2024, INT_MIN, 1}, {2024, 1, INT_MAX},
  };
  for (const auto& date : noRecord) {
    SCOPED_TRACE(testing::Message() << date[0] << "-" << date[1] << "-" << date[2]);
    CalendarDay record;
    record.lunarDayName = L"x";
    EXPECT_FALSE(single.ComputeCalendarDay(date[0], date[1], date[2], record));
    EXPECT_TRUE(RecordText(record) == RecordText(CalendarDay()));
  }
}

}  // namespace
}  // namespace engine
