// Birth charts against independent data: the pillars of the reference moments and the lunar dates
// of every day of 1950-2050, each made through the birth-data entry as a user's birth would be.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "chart/birth_chart_entry.h"
#include "testing/utf8.h"
#include "vocabulary/vocabulary_lists.h"

namespace chart {
namespace {

using test_text::DecodeUtf8;
using test_text::EncodeUtf8;

BirthChartEntry& Entry() {
  static BirthChartEntry entry;
  return entry;
}

// The rows of a tab-separated UTF-8 file after its header.
std::vector<std::vector<std::wstring>> ReadRows(const std::string& path) {
  std::vector<std::vector<std::wstring>> rows;
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    std::vector<std::wstring> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');) {
      fields.push_back(DecodeUtf8(field));
    }
    rows.push_back(std::move(fields));
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

int SecondsOfClock(const std::wstring& clock) {
  int h = 0, m = 0, s = 0;
  std::swscanf(clock.c_str(), L"%d:%d:%d", &h, &m, &s);
  return h * 3600 + m * 60 + s;
}

// The chart of a birth the entry accepts; nullptr-free by ASSERT in the callers.
std::unique_ptr<FourPillarsChart> ChartAt(int year, int month, int day, int hour, int minute,
                                          double longitude) {
  BirthChartRequest request;
  request.year = year;
  request.month = month;
  request.day = day;
  request.hour = hour;
  request.minute = minute;
  request.sex = L"女";
  request.longitude = longitude;
  ChartEntryResult result = Entry().MakeBirthChart(request);
  ChartHandOver* handOver = std::get_if<ChartHandOver>(&result);
  return handOver == nullptr ? nullptr : std::move(handOver->chart);
}

std::wstring PillarText(const FourPillarsChart& chart, int pillar) {
  return chart.pillars[pillar].stem + chart.pillars[pillar].branch;
}

// Columns: 0 datetime, 1 kind, 2 term, 3 year, 4 month, 5 day_00, 6 day_23, 7 hour, 8 tyme4ts,
// then per longitude 121.5, 87.6 and 0: true solar time, day pillar, hour pillar (the day turning
// at 23:00 true solar time). The entry takes whole minutes: the seconds of a moment are dropped,
// which keeps each moment beside a section term on its side (they lie 180 s from the term).
TEST(BirthChartEntryReference, PillarsOfTheReferenceMoments) {
  const auto rows = ReadRows(TAVREL_TESTDATA_DIR "/pillars.tsv");
  ASSERT_EQ(rows.size(), 1102u);
  const double longitudes[] = {121.5, 87.6, 0.0};
  // As in the pillars of a moment: the two true solar clocks differ by nutation in right
  // ascension, aberration and the truncated series, each rounded to the second.
  constexpr int kClockToleranceSeconds = 3;
  int yearMonthAgree = 0, dayHourAgree = 0, nearBoundary = 0, differences = 0;
  for (const auto& row : rows) {
    ASSERT_GE(row.size(), 18u);
    const Moment m = ParseMoment(row[0]);
    SCOPED_TRACE(EncodeUtf8(row[0]));
    for (int k = 0; k < 3; ++k) {
      const auto chart = ChartAt(m.year, m.month, m.day, m.hour, m.minute, longitudes[k]);
      ASSERT_NE(chart, nullptr);
      if (k == 0) {
        EXPECT_EQ(EncodeUtf8(PillarText(*chart, kYearPillar)), EncodeUtf8(row[3]));
        EXPECT_EQ(EncodeUtf8(PillarText(*chart, kMonthPillar)), EncodeUtf8(row[4]));
        yearMonthAgree +=
            PillarText(*chart, kYearPillar) == row[3] && PillarText(*chart, kMonthPillar) == row[4];
      }
      // The reference clock of the moment, and of the moment without its seconds.
      const int referenceSeconds = SecondsOfClock(row[9 + 3 * k].substr(11));
      const int referenceMinuteSeconds = referenceSeconds - m.second;
      int difference = SecondsOfClock(chart->trueSolarTimeText) - referenceMinuteSeconds;
      difference -= difference > 43200 ? 86400 : difference < -43200 ? -86400 : 0;
      EXPECT_LE(std::abs(difference), kClockToleranceSeconds);
      const std::wstring day = PillarText(*chart, kDayPillar);
      const std::wstring hour = PillarText(*chart, kHourPillar);
      // Where a double-hour boundary (odd hours, the day at 23:00) lies between the clocks of
      // the two moments, widened by the clock difference, the pillars may legitimately differ by
      // one step.
      const auto doubleHour = [](int seconds) {
        return (seconds - 3600 + 7200 * 20) / 7200;  // shifted so the division floors
      };
      if (doubleHour(referenceMinuteSeconds - std::abs(difference) - 1) !=
          doubleHour(referenceSeconds + std::abs(difference) + 1)) {
        ++nearBoundary;
        if (day != row[10 + 3 * k] || hour != row[11 + 3 * k]) {
          ++differences;
          std::printf(
              "  at a double-hour boundary (seconds dropped): %s at %.1f: %s vs reference %s\n",
              EncodeUtf8(row[0]).c_str(), longitudes[k],
              EncodeUtf8(chart->trueSolarTimeText).c_str(), EncodeUtf8(row[9 + 3 * k]).c_str());
        }
        continue;
      }
      EXPECT_EQ(EncodeUtf8(day), EncodeUtf8(row[10 + 3 * k])) << "at " << longitudes[k];
      EXPECT_EQ(EncodeUtf8(hour), EncodeUtf8(row[11 + 3 * k])) << "at " << longitudes[k];
      dayHourAgree += day == row[10 + 3 * k] && hour == row[11 + 3 * k];
    }
  }
  std::printf(
      "pillars.tsv through the entry: year and month pillars agree at %d of %zu moments; day and "
      "hour pillars agree in %d comparisons, %d more lie within the clock difference of a "
      "double-hour boundary (%d of them differ there)\n",
      yearMonthAgree, rows.size(), dayHourAgree, nearBoundary, differences);
}

// The Beijing moment of 立春 in seconds after the midnight of its date, keyed by the date
// ("1950-02-04"), from solar_terms.tsv (an independent ephemeris, times with this system's
// delta-T).
std::map<std::wstring, int> ReadBeginningOfSpringMoments() {
  std::map<std::wstring, int> moments;
  for (const auto& row : ReadRows(TAVREL_TESTDATA_DIR "/../../engine/testdata/solar_terms.tsv")) {
    if (row.size() >= 6 && row[2] == L"立春") {
      moments[row[5].substr(0, 10)] = SecondsOfClock(row[5].substr(11));
    }
  }
  return moments;
}

// Columns: 0 date, 1 jd, 2 weekday, 3 day pillar, 4 lunar year, 5 lunar month, 6 leap, 7 lunar
// day, 8 year pillar turning at the lunar new year, 9 at the day of 立春, 10 month pillar, 11
// term. A birth at 12:00 takes the lunar date of its day; one at 23:30 at 121.5° E (true solar
// time 23:14 to 23:46) lies in the next day's 子 hour and takes the next day's month and day:
// such births on the last day of every Gregorian and every lunar month. The year is the year
// pillar of the moment: that of the birth's own date, or of the day before on the date of 立春
// before its moment.
TEST(BirthChartEntryReference, LunarDatesOfEveryDay1950To2050) {
  const auto rows = ReadRows(TAVREL_TESTDATA_DIR "/../../engine/testdata/days.tsv");
  ASSERT_EQ(rows.size(), 36890u);
  const std::map<std::wstring, int> springMoments = ReadBeginningOfSpringMoments();
  ASSERT_EQ(springMoments.size(), 201u);
  const auto lunarText = [](const std::wstring& year, const std::vector<std::wstring>& row) {
    const int month = std::stoi(row[5]);
    const int day = std::stoi(row[7]);
    return EncodeUtf8(year + L" " + std::wstring(vocabulary::kLunarMonthNames.at(month - 1)) +
                      L"月" + std::wstring(vocabulary::kLunarDayNames.at(day - 1)));
  };
  int beforeSpringMoment = 0;
  int disagreements = 0;
  int compared = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::vector<std::wstring>& row = rows[i];
    ASSERT_GE(row.size(), 10u);
    int year = 0, month = 0, day = 0;
    std::swscanf(row[0].c_str(), L"%d-%d-%d", &year, &month, &day);
    const struct {
      int hour, minute;
      std::size_t referenceRow;
    } births[] = {{12, 0, i}, {23, 30, i + 1}};
    const bool monthEnds =
        i + 1 < rows.size() && (rows[i + 1][0].substr(8) == L"01" || rows[i + 1][7] == L"1");
    for (const auto& birth : births) {
      if (birth.referenceRow >= rows.size() || (birth.referenceRow != i && !monthEnds)) {
        continue;
      }
      const auto chart = ChartAt(year, month, day, birth.hour, birth.minute, 121.5);
      ASSERT_NE(chart, nullptr) << EncodeUtf8(row[0]);
      const std::string text = EncodeUtf8(chart->lunarYearText + L" " + chart->lunarMonthText +
                                          L"月" + chart->lunarDayText);
      const auto spring = springMoments.find(row[0]);
      const bool beforeSpring =
          spring != springMoments.end() && (birth.hour * 60 + birth.minute) * 60 < spring->second;
      if (beforeSpring && i == 0) {
        continue;
      }
      beforeSpringMoment += beforeSpring;
      const std::wstring& year = rows[beforeSpring ? i - 1 : i][9];
      const std::string expected = lunarText(year, rows[birth.referenceRow]);
      ++compared;
      if (text != expected) {
        ++disagreements;
        ADD_FAILURE() << EncodeUtf8(row[0]) << " " << birth.hour << ":" << birth.minute << ": "
                      << text << " vs reference " << expected;
      }
    }
  }
  std::printf(
      "days.tsv through the entry: %d births (%d on the date of 立春 before its moment), %d "
      "disagreements\n",
      compared, beforeSpringMoment, disagreements);
}

// Every section term of 1900-2100 in solar_terms.tsv: births on its date in the minute before its
// moment and the minute after it (its minute and the next), at 11:59 and at 12:00. The section
// term in force is always the one that opens the month of the month pillar, so the chart never
// names a term whose month has not begun or has ended; the days since it and the days to the
// luck's start are never negative and span at most one solar month. A birth at least 10 s from
// the reference moment (the truncated series and delta-T differ by a few seconds) lies on its
// side: from the moment on the term itself rules.
TEST(BirthChartEntryReference, SectionTermOfEveryTermDate1900To2100OpensTheMonthPillarsMonth) {
  std::vector<std::vector<std::wstring>> terms;
  for (auto& row : ReadRows(TAVREL_TESTDATA_DIR "/../../engine/testdata/solar_terms.tsv")) {
    const auto& sections = vocabulary::kSectionTermsByGregorianMonth;
    if (row.size() >= 6 && std::find(sections.begin(), sections.end(), row[2]) != sections.end()) {
      terms.push_back(std::move(row));
    }
  }
  ASSERT_EQ(terms.size(), 12u * 201);
  int births = 0, afterMoment = 0, beforeMoment = 0;
  for (std::size_t i = 1; i < terms.size(); ++i) {
    const std::wstring& name = terms[i][2];
    const std::wstring& previousName = terms[i - 1][2];
    const Moment m = ParseMoment(terms[i][5]);
    SCOPED_TRACE(EncodeUtf8(name + L" " + terms[i][5]));
    const int momentSeconds = SecondsOfClock(terms[i][5].substr(11));
    const int momentMinute = momentSeconds / 60;
    for (const int minute : {momentMinute, momentMinute + 1, 11 * 60 + 59, 12 * 60}) {
      SCOPED_TRACE(minute);
      BirthChartRequest request;
      request.year = m.year;
      request.month = m.month;
      request.day = m.day;
      request.hour = minute / 60;  // 24:00 after a moment in the day's last minute
      request.minute = minute % 60;
      request.sex = L"男";
      request.longitude = 121.5;
      ChartEntryResult result = Entry().MakeBirthChart(request);
      const ChartHandOver* handOver = std::get_if<ChartHandOver>(&result);
      ASSERT_NE(handOver, nullptr);
      const FourPillarsChart& chart = *handOver->chart;
      ++births;
      const auto& branches = vocabulary::kMonthBranches;
      const auto branch =
          std::find(branches.begin(), branches.end(), chart.pillars[kMonthPillar].branch);
      ASSERT_NE(branch, branches.end());
      const std::size_t monthIndex = static_cast<std::size_t>(branch - branches.begin());
      const std::wstring monthTerm(vocabulary::kSectionTermsByMonthBranch[monthIndex]);
      EXPECT_EQ(EncodeUtf8(chart.sectionTermName), EncodeUtf8(monthTerm));
      EXPECT_GE(chart.daysSinceSectionTerm, 0.0);
      EXPECT_LE(chart.daysSinceSectionTerm, 32.0);
      EXPECT_GE(chart.luckStartDays, 0.0);
      EXPECT_LE(chart.luckStartDays, 32.0);
      const int fromMoment = minute * 60 - momentSeconds;
      if (fromMoment >= 10) {
        ++afterMoment;
        EXPECT_EQ(EncodeUtf8(chart.sectionTermName), EncodeUtf8(name));
      } else if (fromMoment <= -10) {
        ++beforeMoment;
        EXPECT_EQ(EncodeUtf8(chart.sectionTermName), EncodeUtf8(previousName));
      }
    }
  }
  std::printf(
      "section-term dates 1900-2100: %d births, %d after the term's moment, %d before it, all "
      "under the term of the month pillar\n",
      births, afterMoment, beforeMoment);
}

}  // namespace
}  // namespace chart
