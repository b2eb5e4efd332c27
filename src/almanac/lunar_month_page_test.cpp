#include "almanac/lunar_month_page.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "almanac/calendar_tables_test_util.h"
#include "testing/utf8.h"

namespace almanac {
namespace {

constexpr LocalDate kMay10Of2024{2024, 5, 10};

std::string ReadGolden(const std::string& name) {
  std::ifstream in(std::string(TAVREL_TESTDATA_DIR) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int Count(const std::wstring& text, const std::wstring& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::wstring::npos;
       at = text.find(part, at + part.size())) {
    ++count;
  }
  return count;
}

const std::wstring kMarkedCell =
    LR"(<td style='font-family: 新細明體; font-size: 12px; text-align: left; background-color: #ffFF40' width='14%'>)";
const std::wstring kLeadingBlankCell =
    LR"(<td  style='font-family: 新細明體; font-size: 12px; text-align: left ' ></td>)";
const std::wstring kTrailingBlankCell =
    LR"(<td style='font-family: 新細明體; font-size: 12px; text-align: left ' ></td>)";

// The day number span of a day of the month, for looking at one cell.
std::wstring CellOf(const std::wstring& page, int gregorianDay) {
  const std::wstring number = L">" + std::to_wstring(gregorianDay) + L"</span>";
  const std::size_t at = page.find(number);
  if (at == std::wstring::npos) {
    return L"";
  }
  const std::size_t begin = page.rfind(L"<td", at);
  const std::size_t end = page.find(L"</td>", at);
  return page.substr(begin, end + 5 - begin);
}

// Golden pages, checked by hand cell by cell: February 2024 marked on the 10th (正月初一, 春節,
// new moon, 龍治水), May 2024 marked on today's 10th through a negative day.
TEST(LunarMonthPage, GoldenPages) {
  struct Golden {
    const char* file;
    int year;
    int month;
    int day;
  };
  for (const Golden& golden : {Golden{"lunar_month_page_2024_02.html", 2024, 2, 10},
                               Golden{"lunar_month_page_2024_05.html", 2024, 5, -1}}) {
    SCOPED_TRACE(golden.file);
    const std::string page = test_text::EncodeUtf8(BuildLunarMonthPage(
        testing::Tables(), golden.year, golden.month, golden.day, kMay10Of2024));
    const std::string expected = ReadGolden(golden.file);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(page, expected);
  }
}

TEST(LunarMonthPage, NewYearCellOf2024) {
  const std::wstring page = BuildLunarMonthPage(testing::Tables(), 2024, 2, 10, kMay10Of2024);
  EXPECT_EQ(
      CellOf(page, 10),
      kMarkedCell +
          LR"(<span style='font-family: Arial Black; text-align: center;font-size: 20px; color: #FF0000' >10</span><BR><font color=#F05000>朔</font> <font color=green>1龍治水 </font><BR><font color='#000000' size='1'>正月小<font color=red >春節 </font></font></td>)");
  EXPECT_EQ(Count(page, kMarkedCell), 1);
  // 2024-02-01 is a Thursday: four leading blank cells; the 29th a Thursday: two trailing.
  EXPECT_EQ(Count(page, kLeadingBlankCell), 4);
  EXPECT_EQ(Count(page, kTrailingBlankCell), 2);
}

TEST(LunarMonthPage, Title) {
  const std::wstring page = BuildLunarMonthPage(testing::Tables(), 2024, 5, 1, kMay10Of2024);
  EXPECT_NE(
      page.find(
          LR"(<tr><td colspan=7 style='background-color:#0077FF; color:#FFFF00; text-align: center'><span style='font-size:16px;font-weight:bold' >西元 2024年 5月  </span></td></tr>)"),
      std::wstring::npos);
  EXPECT_EQ(page.find(L'\n'), std::wstring::npos);
  EXPECT_EQ(page.rfind(L"</table></body></html>"), page.size() - 22);
}

TEST(LunarMonthPage, MarkedDay) {
  struct Case {
    int year;
    int month;
    int day;
    int markedDay;  // 0: none
  };
  // Today is 2024-05-10 by the replaced clock.
  const Case cases[] = {
      {2024, 5, 1, 1},    {2024, 5, 31, 31}, {2024, 5, 0, 0}, {2024, 5, 32, 0},  {2024, 5, -1, 10},
      {2024, 5, -20, 10}, {2024, 6, -1, 10}, {-1, 5, 10, 0},  {2024, -5, 10, 0}, {-2024, -5, -1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << "-" << c.day);
    const std::wstring page =
        BuildLunarMonthPage(testing::Tables(), c.year, c.month, c.day, kMay10Of2024);
    if (c.markedDay == 0) {
      EXPECT_EQ(Count(page, kMarkedCell), 0);
    } else {
      EXPECT_EQ(Count(page, kMarkedCell), 1);
      EXPECT_EQ(CellOf(page, c.markedDay).rfind(kMarkedCell, 0), 0u);
    }
  }
  EXPECT_NE(
      BuildLunarMonthPage(testing::Tables(), -1, 5, 10, kMay10Of2024).find(L"西元 -1年 5月  "),
      std::wstring::npos);
  EXPECT_NE(BuildLunarMonthPage(testing::Tables(), 2024, -5, 10, kMay10Of2024)
                .find(L"西元 2024年 -5月  "),
            std::wstring::npos);
}

TEST(LunarMonthPage, RowsOfAMonthFromSundayToSaturday) {
  // February 2026 begins on a Sunday and ends on a Saturday: exactly four rows, no blank cell.
  const std::wstring page = BuildLunarMonthPage(testing::Tables(), 2026, 2, 1, kMay10Of2024);
  EXPECT_EQ(Count(page, L"<tr>"), 2 + 4);  // the title and weekday header rows, then the weeks
  EXPECT_EQ(Count(page, L"<tr> "), 1);     // the weekday header
  EXPECT_EQ(Count(page, kLeadingBlankCell), 0);
  EXPECT_EQ(Count(page, kTrailingBlankCell), 0);
  EXPECT_EQ(Count(page, L"</tr>"), 6);
}

TEST(LunarMonthPage, MonthBeyondTwelveHasTitleAndHeaderOnly) {
  const std::wstring page = BuildLunarMonthPage(testing::Tables(), 2024, 13, 1, kMay10Of2024);
  EXPECT_EQ(Count(page, L"</tr>"), 2);
  EXPECT_EQ(Count(page, L"width='14%'"), 0);
  EXPECT_NE(page.find(L"西元 2024年 13月  "), std::wstring::npos);
}

// Any three ints make a page: a month without days shows its title and header, and nothing in
// the date arithmetic overflows.
TEST(LunarMonthPage, ExtremeArgumentsGiveTitleAndHeaderOnly) {
  constexpr int kMin = -2147483647 - 1;
  constexpr int kMax = 2147483647;
  struct Case {
    int year, month, day;
    const wchar_t* title;
  };
  const Case cases[] = {
      {2026, 99999999, 1, L"西元 2026年 99999999月  "},
      {2026, kMax, 1, L"西元 2026年 2147483647月  "},
      {2026, kMin, 1, L"西元 2026年 -2147483648月  "},
      {kMax, kMax, kMax, L"西元 2147483647年 2147483647月  "},
      {kMin, kMin, kMin, L"西元 -2147483648年 -2147483648月  "},
      {10000, 1, 1, L"西元 10000年 1月  "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.month);
    const std::wstring page =
        BuildLunarMonthPage(testing::Tables(), c.year, c.month, c.day, kMay10Of2024);
    EXPECT_EQ(Count(page, L"</tr>"), 2);
    EXPECT_EQ(Count(page, L"width='14%'"), 0);
    EXPECT_NE(page.find(c.title), std::wstring::npos);
  }
}

TEST(LunarMonthPage, RestDaysAreRedAndMakeUpWorkDaysPlain) {
  const std::wstring page = BuildLunarMonthPage(testing::Tables(), 2024, 2, 1, kMay10Of2024);
  const std::wstring red = L"color: #FF0000' >";
  EXPECT_NE(CellOf(page, 8).find(red), std::wstring::npos);   // bridge holiday, Thursday
  EXPECT_EQ(CellOf(page, 7).find(red), std::wstring::npos);   // Wednesday
  EXPECT_EQ(CellOf(page, 17).find(red), std::wstring::npos);  // Saturday worked
  EXPECT_NE(CellOf(page, 17).find(L"<font color=blue>補上班不開盤 </font>"), std::wstring::npos);
  EXPECT_NE(CellOf(page, 18).find(red), std::wstring::npos);  // Sunday
}

TEST(LunarMonthPage, FirstLunarDayWithoutFestivalShowsTheDay) {
  // 2024-05-08 is 四月初一, without festival text.
  const std::wstring page = BuildLunarMonthPage(testing::Tables(), 2024, 5, 1, kMay10Of2024);
  EXPECT_NE(CellOf(page, 8).find(L"<font color='#000000' size='1'>初一 </font></td>"),
            std::wstring::npos);
}

TEST(LunarMonthPage, PhaseBeforeTerm) {
  // A day with both a phase and a term shows the phase right after the day number.
  int found = 0;
  for (int year = 2000; year <= 2030 && found == 0; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const std::wstring page =
          BuildLunarMonthPage(testing::Tables(), year, month, 1, kMay10Of2024);
      const std::size_t at = page.find(L"</font><font color=#00B000>◆</font> <font color=#5050F0>");
      if (at != std::wstring::npos) {
        ++found;
        EXPECT_EQ(page.rfind(L"<font color=#F05000>", at), page.rfind(L"<BR>", at) + 4);
      }
    }
  }
  EXPECT_GT(found, 0);
}

}  // namespace
}  // namespace almanac
