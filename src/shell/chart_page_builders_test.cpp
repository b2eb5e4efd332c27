#include "shell/chart_page_builders.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "testing/utf8.h"

namespace shell {
namespace {

using test_text::DecodeUtf8;
using test_text::EncodeUtf8;

// Golden chart pages: the UTF-8 of the page text as the program builds it, with the program's
// interpretation. Each was checked cell by cell against the rules of the page before it was
// committed. After a deliberate change to the page or the interpretation, run the test with
// TAVREL_UPDATE_GOLDENS=1 in the environment: it rewrites the files instead of comparing them,
// and `git diff src/shell/testdata` shows what changed, to be checked again by hand before it is
// committed.
void ExpectGoldenPage(const std::string& file, const std::wstring& page) {
  const std::string path = std::string(TAVREL_TESTDATA_DIR) + "/" + file;
  const char* update = std::getenv("TAVREL_UPDATE_GOLDENS");
  if (update != nullptr && std::string(update) == "1") {
    std::ofstream(path, std::ios::binary) << EncodeUtf8(page);
    return;
  }
  std::ifstream in(path, std::ios::binary);
  const std::string golden(std::istreambuf_iterator<char>(in), {});
  ASSERT_FALSE(golden.empty()) << path;
  EXPECT_EQ(EncodeUtf8(page), golden);
}

StemBranchQuery TypedQuery(std::array<std::wstring, 4> pillars) {
  StemBranchQuery query;
  query.pillarTexts = std::move(pillars);
  query.name = L"王小明";
  query.sex = L"男";
  return query;
}

TEST(ChartPageBuilders, TypedChartMatchesItsGoldenPage) {
  const ChartPageBuilders builders;
  ExpectGoldenPage(
      "typed_chart_gengchen_wuyin_jiazi_jiazi.html",
      builders.BuildStemBranchChartPage(TypedQuery({L"庚辰", L"戊寅", L"甲子", L"甲子"})));
}

// The birth of the command line's example with the command line's settings (R2 2: 年日, 立春,
// 育吾, values 1 1 1 1 1, longitude 121.5).
TEST(ChartPageBuilders, BirthChartMatchesItsGoldenPage) {
  FourPillarsQuery query;
  query.year = 1984;
  query.month = 2;
  query.day = 9;
  query.hour = 6;
  query.minute = 0;
  query.name = L"王小明";
  query.sex = L"男";
  query.spiritStarBasis = chart::SpiritStarBasis::kYearAndDayBranch;
  query.yearChangeRule = chart::kCommandLineYearChangeRule;
  query.scheme = chart::kCommandLineMonthCommandDivisionScheme;
  query.values = chart::kCommandLineSeasonalStrengthValues;
  query.longitude = 121.5;
  ChartPageBuilders builders;
  ExpectGoldenPage("birth_chart_1984_02_09_0600.html", builders.BuildBirthChartPage(query));
}

// A pillar that fails its test gives its message as the whole page; the first failure wins.
TEST(ChartPageBuilders, TypedPillarsThatFailGiveTheirMessage) {
  struct Case {
    std::array<std::wstring, 4> pillars;
    std::wstring page;
  };
  const Case cases[] = {
      {{L" ", L"甲子", L"甲子", L"甲子"}, L"年天干輸入錯誤 !"},
      {{L"甲", L"甲子", L"甲子", L"甲子"}, L"年地支輸入錯誤 !"},
      {{L"庚午", L"巳壬", L"申癸", L"卯"}, L"月天干輸入錯誤 !"},
      {{L"甲子", L"甲子", L"甲子", L"甲"}, L"時地支輸入錯誤 !"},
  };
  const ChartPageBuilders builders;
  for (const Case& c : cases) {
    SCOPED_TRACE(EncodeUtf8(c.pillars[0] + L"," + c.pillars[1]));
    EXPECT_EQ(builders.BuildStemBranchChartPage(TypedQuery(c.pillars)), c.page);
  }
}

// The values are the user's unbounded numbers: at the int limit every weight and sum saturates
// instead of overflowing, and the page is complete.
TEST(ChartPageBuilders, ValuesAtTheIntLimitGiveACompletePage) {
  StemBranchQuery query = TypedQuery({L"庚辰", L"戊寅", L"甲子", L"甲子"});
  query.values = {INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX};
  const std::wstring page = ChartPageBuilders().BuildStemBranchChartPage(query);
  EXPECT_NE(page.find(L"[天干權重比] 甲(2,1)2147483647："), std::wstring::npos);
  EXPECT_NE(page.find(L"內外&nbsp;2147483647("), std::wstring::npos);
  const std::wstring end = L"</p><br></body></html>";
  EXPECT_EQ(page.substr(page.size() - end.size()), end);
}

// The composer runs once per page, with the values of the query and the birth day 0 of a chart
// without dates; what it writes closes the page.
TEST(ChartPageBuilders, TheComposerClosesTheTypedPage) {
  int calls = 0;
  const ChartPageBuilders builders(
      [&calls](chart::FourPillarsChart& chart, chart::MonthCommandDivisionScheme scheme,
               const chart::SeasonalStrengthValues& values, int birthDay) {
        ++calls;
        EXPECT_EQ(chart.pillars[chart::kDayPillar].stem, L"甲");
        EXPECT_EQ(scheme, chart::MonthCommandDivisionScheme::kSeasonalState);
        EXPECT_EQ(values, (chart::SeasonalStrengthValues{8, 5, 3, 2, 1}));
        EXPECT_EQ(birthDay, 0);
        chart.interpretationHtml = L"<br>解盤";
      });
  const std::wstring page =
      builders.BuildStemBranchChartPage(TypedQuery({L"庚辰", L"戊寅", L"甲子", L"甲子"}));
  EXPECT_EQ(calls, 1);
  const std::wstring end = L"<br>解盤</p><br></body></html>";
  EXPECT_EQ(page.substr(page.size() - end.size()), end);
}

}  // namespace
}  // namespace shell
