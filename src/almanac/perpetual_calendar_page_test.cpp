#include "almanac/perpetual_calendar_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "almanac/calendar_tables_test_util.h"
#include "almanac/reference_table_test_util.h"
#include "engine/lunar_year.h"

namespace almanac {
namespace {

constexpr wchar_t kRowStart[] =
    L"<tr bordercolorlight='#FF0000' bordercolordark='#FF0000'><td width='34%'>";

// The rows of a page, each from its row start to "</tr>".
std::vector<std::wstring> Rows(const std::wstring& page) {
  std::vector<std::wstring> rows;
  std::size_t at = 0;
  while ((at = page.find(kRowStart, at)) != std::wstring::npos) {
    const std::size_t end = page.find(L"</tr>", at);
    rows.push_back(page.substr(at + std::wcslen(kRowStart), end - at - std::wcslen(kRowStart)));
    at = end;
  }
  return rows;
}

// Golden pages (UTF-8 of the page text), checked by hand against the rules of the page: 1949
// from the month of 1948-12-01 to that of 1949-11-20 with the leap month from 1949-08-24, and 2024.
TEST(PerpetualCalendarPage, MatchesGoldenPages) {
  for (const int year : {1949, 2024}) {
    SCOPED_TRACE(year);
    const std::string name = "/perpetual_calendar_" + std::to_string(year) + ".html";
    std::ifstream in(TAVREL_TESTDATA_DIR + name, std::ios::binary);
    ASSERT_TRUE(in) << name;
    const std::wstring golden = testing::DecodeUtf8(
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    const std::wstring page = BuildPerpetualCalendarPage(testing::Tables(), year);
    const auto [at, _] = std::mismatch(page.begin(), page.end(), golden.begin(), golden.end());
    EXPECT_EQ(page, golden) << "first difference at character " << (at - page.begin());
  }
}

TEST(PerpetualCalendarPage, Year1949) {
  const std::wstring page = BuildPerpetualCalendarPage(testing::Tables(), 1949);
  EXPECT_EQ(page.find(L"<html><head lang=\"zh-tw\"><META content=\"text/html; charset=big5\" "
                      L"http-equiv=Content-Type></head> <body><br><br>"),
            0u);
  EXPECT_NE(page.find(L"> 西元1949年[己丑/牛年](農曆以正月初一換年, 命理以冬至或立春換年)<br>"),
            std::wstring::npos);
  const std::vector<std::wstring> rows = Rows(page);
  ASSERT_EQ(rows.size(), 13u);
  EXPECT_TRUE(rows.front().starts_with(L"十一小 初一庚申(午辰)<br>1948-12-01  02:44:28</td>"))
      << rows.front();
  EXPECT_TRUE(rows.back().starts_with(L"十大 初一甲寅(子戌)<br>")) << rows.back();
  EXPECT_NE(rows.back().find(L"1949-11-20 "), std::wstring::npos);
  // The first month also shows 大雪 of the year before.
  EXPECT_NE(rows.front().find(L"<td >大雪 初七 丙寅<br>1948-12-07 "), std::wstring::npos);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(rows[i].find(L"閏") == 0, i == 9);
  }
  EXPECT_TRUE(rows[9].starts_with(L"閏七小 ")) << rows[9];
  EXPECT_NE(rows[9].find(L"1949-08-24 "), std::wstring::npos);
  // The month from 1949-12-20 holds the winter solstice and is not shown.
  EXPECT_EQ(page.find(L"1949-12-20"), std::wstring::npos);
  EXPECT_EQ(page.substr(page.size() - 29), L"</table></font></body></html>");
}

// A year with a leap month shows 13 rows, any other 12; in the years -721 to -104 (no leap
// months) a year shows 13 rows without a mark when 13 months end before the next solstice.
TEST(PerpetualCalendarPage, RowCountFollowsTheLeapMonth) {
  int leapYears = 0;
  int thirteenWithoutMark = 0;
  for (int year = -730; year <= 2100; year += 1) {
    if (year > -90 && year < 1900 && year % 7 != 0) {
      continue;  // a sample of the historical years keeps the test short
    }
    SCOPED_TRACE(year);
    const std::vector<std::wstring> rows =
        Rows(BuildPerpetualCalendarPage(testing::Tables(), year));
    int marks = 0;
    for (const std::wstring& row : rows) {
      marks += row.find(L"閏") == 0 ? 1 : 0;
    }
    ASSERT_LE(marks, 1);
    if (year >= -721 && year <= -104) {
      EXPECT_EQ(marks, 0);
      EXPECT_TRUE(rows.size() == 12 || rows.size() == 13);
      thirteenWithoutMark += rows.size() == 13 ? 1 : 0;
    } else {
      EXPECT_EQ(rows.size(), 12u + marks);
      leapYears += marks;
    }
  }
  EXPECT_GT(leapYears, 0);
  EXPECT_GT(thirteenWithoutMark, 0);
}

TEST(PerpetualCalendarPage, NegativeAndFiveCharacterYears) {
  // Year -500: n = 9516 gives 庚子, 鼠; the "-" follows 西元 directly.
  const std::wstring page = BuildPerpetualCalendarPage(testing::Tables(), -500);
  EXPECT_NE(page.find(L"> 西元-500年[庚子/鼠年]"), std::wstring::npos);
  // Years printed with five characters split at the blank between date and time.
  const std::vector<std::wstring> rows = Rows(BuildPerpetualCalendarPage(testing::Tables(), -1000));
  ASSERT_FALSE(rows.empty());
  const std::size_t date = rows.front().find(L"<br>-1001-12-");
  ASSERT_NE(date, std::wstring::npos);
  // "<br>", "-1001-12-dd", the blank of the date part, the blank of the cell, "hh:mm:ss".
  EXPECT_EQ(rows.front().substr(date + 15, 2), L"  ");
  EXPECT_EQ(rows.front().substr(date + 25, 5), L"</td>");
  // The first and last supported years lay out whole pages.
  EXPECT_FALSE(
      Rows(BuildPerpetualCalendarPage(testing::Tables(), engine::kFirstCalendarYear)).empty());
  EXPECT_FALSE(
      Rows(BuildPerpetualCalendarPage(testing::Tables(), engine::kLastCalendarYear)).empty());
}

// Month codes beyond the twelve month names: the first of two twelfth months (from 23-12-02) and
// the 13th month 後九 of the reference years from -219.
TEST(PerpetualCalendarPage, NamesEveryMonthCode) {
  const std::vector<std::wstring> rows24 = Rows(BuildPerpetualCalendarPage(testing::Tables(), 24));
  ASSERT_GE(rows24.size(), 2u);
  EXPECT_TRUE(rows24[0].starts_with(L"拾貳小 初一丁未(巳卯)<br>0023-12-02  ")) << rows24[0];
  EXPECT_TRUE(rows24[1].starts_with(L"十二大 ")) << rows24[1];
  const std::wstring page = BuildPerpetualCalendarPage(testing::Tables(), -150);
  EXPECT_NE(page.find(L"<td width='34%'>後九大 初一壬戌(申午)<br>-150-10-26 "), std::wstring::npos);
}

// A moment on another civil day than the table's day prints red, "</td>" inside the font element:
// the fits of 239 put the month on 239-01-22, the exact new moon falls on 239-01-23 03:01:48.
TEST(PerpetualCalendarPage, MomentsOnAnotherDayAreRed) {
  const std::wstring page = BuildPerpetualCalendarPage(testing::Tables(), 239);
  EXPECT_NE(page.find(L"正大 初一丁亥(酉未)<br>0239-01-22 <font color=red> 03:01:48</td></font>"),
            std::wstring::npos);
  EXPECT_EQ(BuildPerpetualCalendarPage(testing::Tables(), 2024).find(L"<font color=red>"),
            std::wstring::npos);
}

TEST(PerpetualCalendarPage, YearsOutsideTheRangeGetAShortPage) {
  for (const int year : {engine::kFirstCalendarYear - 1, engine::kLastCalendarYear + 1,
                         std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
    SCOPED_TRACE(year);
    const std::wstring page = BuildPerpetualCalendarPage(testing::Tables(), year);
    EXPECT_TRUE(Rows(page).empty());
    EXPECT_NE(page.find(L"年不在本萬年曆的範圍內(西元-4712年至9999年)"), std::wstring::npos);
    EXPECT_NE(page.find(L"西元" + std::to_wstring(year) + L"年"), std::wstring::npos);
  }
}

}  // namespace
}  // namespace almanac
