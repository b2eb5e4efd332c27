// Birth charts against independent data: the pillars of the reference moments and the lunar dates
// of every day of 1950-2050, each made through the birth-data entry as a user's birth would be.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <fstream>
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

// Columns: 0 date, 1 jd, 2 weekday, 3 day pillar, 4 lunar year, 5 lunar month, 6 leap, 7 lunar
// day, 8 year pillar turning at the lunar new year, 9 at the day of 立春, 10 month pillar, 11
// term. A birth at 12:00 takes the lunar date of its day; one at 23:30 at 121.5° E (true solar
// time 23:14 to 23:46) lies in the next day's 子 hour and takes the next day's: such births on
// the last day of every Gregorian and every lunar month.
TEST(BirthChartEntryReference, LunarDatesOfEveryDay1950To2050) {
  const auto rows = ReadRows(TAVREL_TESTDATA_DIR "/../../engine/testdata/days.tsv");
  ASSERT_EQ(rows.size(), 36890u);
  const auto lunarText = [](const std::vector<std::wstring>& row) {
    const int month = std::stoi(row[5]);
    const int day = std::stoi(row[7]);
    return EncodeUtf8(row[9] + L" " + std::wstring(vocabulary::kLunarMonthNames.at(month - 1)) +
                      L"月" + std::wstring(vocabulary::kLunarDayNames.at(day - 1)));
  };
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
      const std::string expected = lunarText(rows[birth.referenceRow]);
      ++compared;
      if (text != expected) {
        ++disagreements;
        ADD_FAILURE() << EncodeUtf8(row[0]) << " " << birth.hour << ":" << birth.minute << ": "
                      << text << " vs reference " << expected;
      }
    }
  }
  std::printf("days.tsv through the entry: %d births, %d disagreements\n", compared, disagreements);
}

}  // namespace
}  // namespace chart
