#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>

#include "shell/chart_page_builders.h"
#include "testing/utf8.h"
#include "vocabulary/vocabulary_lists.h"

namespace shell {
namespace {

constexpr std::wstring_view kPageEnd = L"</p><br></body></html>";

// Whole chart pages, interpretation included, over many charts: every page is complete. Run
// under the sanitizer build, this is the guard against a rule that reads past a table.
void ExpectCompletePage(const std::wstring& page) {
  EXPECT_TRUE(page.ends_with(kPageEnd)) << test_text::EncodeUtf8(page.substr(0, 200));
  EXPECT_NE(page.find(L"綜合研判"), std::wstring::npos);
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// 240 consecutive days (every day pillar four times) from 1999-11-20, each for both sexes under
// every division scheme, with the basis, year change, hour, values and longitude varied by day.
TEST(ChartPageSweep, BirthChartsOfEveryDayPillarSexAndScheme) {
  const std::array<chart::SeasonalStrengthValues, 4> values = {{
      {8, 5, 3, 2, 1},
      {1, 1, 1, 1, 1},
      {0, 0, 0, 0, 0},
      {INT_MAX, INT_MAX - 1, 3, INT_MIN + 1, INT_MIN},
  }};
  ChartPageBuilders builders;
  int year = 1999, month = 11, day = 20;
  for (int i = 0; i < 240; ++i) {
    for (const wchar_t* sex : {L"男", L"女"}) {
      for (int scheme = 0; scheme <= 5; ++scheme) {
        FourPillarsQuery query;
        query.year = year;
        query.month = month;
        query.day = day;
        query.hour = (i * 5 + scheme) % 24;
        query.minute = (i * 13) % 60;
        query.name = L"王小明";
        query.sex = sex;
        query.spiritStarBasis = static_cast<chart::SpiritStarBasis>(i % 3);
        query.yearChangeRule = static_cast<chart::YearChangeRule>(i % 2);
        query.scheme = static_cast<chart::MonthCommandDivisionScheme>(scheme);
        query.values = values[(i + scheme) % values.size()];
        query.longitude = 73.5 + (i % 62);
        SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(month) + "-" +
                     std::to_string(day) + " scheme " + std::to_string(scheme));
        ExpectCompletePage(builders.BuildBirthChartPage(query));
      }
    }
    if (++day > DaysInMonth(year, month)) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
}

// Typed charts of every day pillar, with the other pillars varied, for 男, 女 and a sex text that
// is neither, under each spirit-star basis.
TEST(ChartPageSweep, TypedChartsOfEveryDayPillar) {
  const auto pillar = [](int index) {
    return std::wstring(vocabulary::kHeavenlyStems[index % 10])
        .append(vocabulary::kEarthlyBranches[index % 12]);
  };
  const ChartPageBuilders builders;
  for (int d = 0; d < 60; ++d) {
    for (const wchar_t* sex : {L"男", L"女", L""}) {
      StemBranchQuery query;
      query.pillarTexts = {pillar(d * 7), pillar(d * 11 + 2), pillar(d), pillar(d * 13 + 5)};
      query.name = L"王小明";
      query.sex = sex;
      query.spiritStarBasis = static_cast<chart::SpiritStarBasis>(d % 3);
      SCOPED_TRACE(test_text::EncodeUtf8(pillar(d)));
      ExpectCompletePage(builders.BuildStemBranchChartPage(query));
    }
  }
}

}  // namespace
}  // namespace shell
