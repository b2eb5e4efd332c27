#include "shell/command_line_mode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "almanac/almanac_day_page.h"
#include "almanac/lunar_month_page.h"
#include "almanac/perpetual_calendar_page.h"
#include "chart/birth_date.h"
#include "chart/bone_weight_page.h"
#include "engine/julian_day.h"
#include "shell/platform.h"
#include "shell/test_support.h"
#include "shell/utf8_text.h"

namespace shell {
namespace {

using testing::DecodeCodePage950;
using testing::DirectoryNames;
using testing::ReadFileBytes;
using testing::RecordingPlatform;
using testing::ScopedWorkingDirectory;

TEST(ReadCommandLineValues, ReadsTheNineValues) {
  const CommandLineValues values = ReadCommandLineValues(
      L"R1=4", L"year=1990&month=5+day=20&hour=13&min=45&name=王小明&sex=男&R2=7");
  EXPECT_EQ(values.r1, 4);
  EXPECT_EQ(values.year, 1990);
  EXPECT_EQ(values.month, 5);
  EXPECT_EQ(values.day, 20);
  EXPECT_EQ(values.hour, 13);
  EXPECT_EQ(values.minute, 45);
  EXPECT_EQ(WideToUtf8(values.name), "王小明");
  EXPECT_EQ(WideToUtf8(values.sex), "男");
  EXPECT_EQ(values.r2, 7);  // passed on unchecked
}

TEST(ReadCommandLineValues, AbsentKeysReadAsZeroAndEmpty) {
  const CommandLineValues values = ReadCommandLineValues(L"mode=2", L"year=2024");
  EXPECT_EQ(values.r1, 0);
  EXPECT_EQ(values.year, 2024);
  EXPECT_EQ(values.month, 0);
  EXPECT_EQ(values.day, 0);
  EXPECT_EQ(values.hour, 0);
  EXPECT_EQ(values.minute, 0);
  EXPECT_TRUE(values.name.empty());
  EXPECT_TRUE(values.sex.empty());
  EXPECT_EQ(values.r2, 0);
}

TEST(ReadCommandLineValues, LongNameAndSexAreCutAndNothingElseChanges) {
  const std::wstring second = L"year=2001&name=" + std::wstring(70, L'張') + L"&sex=" +
                              std::wstring(20, L'x') + L"&day=9&min=30";
  const CommandLineValues values = ReadCommandLineValues(L"R1=3", second);
  EXPECT_EQ(values.name, std::wstring(63, L'張'));
  EXPECT_EQ(values.sex, std::wstring(15, L'x'));
  EXPECT_EQ(values.year, 2001);
  EXPECT_EQ(values.day, 9);
  EXPECT_EQ(values.minute, 30);
  EXPECT_EQ(values.r1, 3);
}

TEST(ReadCommandLineValues, DayTwentyAbcReadsTwenty) {
  EXPECT_EQ(ReadCommandLineValues(L"R1=1", L"today=1&day=20abc").day, 20);
  EXPECT_EQ(ReadCommandLineValues(L"R1=1", L"today=1").day, 0);
}

TEST(FormatDebugLine, ShowsTheValuesAsRead) {
  const CommandLineValues values =
      ReadCommandLineValues(L"R1=1", L"year=2026&month=12&day=10&hour=12&min=0&name=李&sex=女");
  EXPECT_EQ(WideToUtf8(FormatDebugLine(values)),
            "R1=1, Y=2026, M=12, D=10, h=12, m=0, name=李, sex=女 , R2=0");
  EXPECT_EQ(WideToUtf8(FormatDebugLine(CommandLineValues{})),
            "R1=0, Y=0, M=0, D=0, h=0, m=0, name=, sex= , R2=0");
}

TEST(StartTavrel, FewerThanTwoArgumentsPrintTheUsageLine) {
  ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  for (const std::vector<std::wstring>& arguments :
       {std::vector<std::wstring>{L"tavrel"}, std::vector<std::wstring>{L"tavrel", L"R1=2"}}) {
    std::ostringstream diagnostics;
    EXPECT_EQ(StartTavrel(platform, arguments, diagnostics), 1);
    EXPECT_EQ(diagnostics.str(), std::string(kCommandLineUsage) + "\n");
  }
  EXPECT_TRUE(DirectoryNames(directory.path()).empty());
  EXPECT_TRUE(platform.launched.empty());
}

TEST(StartTavrel, FewerThanTwoArgumentsRunTheSheet) {
  RecordingPlatform platform;
  for (const std::vector<std::wstring>& arguments :
       {std::vector<std::wstring>{L"tavrel"}, std::vector<std::wstring>{L"tavrel", L"R1=2"}}) {
    std::ostringstream diagnostics;
    int sheets = 0;
    EXPECT_EQ(StartTavrel(platform, arguments, diagnostics,
                          [&sheets] {
                            ++sheets;
                            return 1;
                          }),
              1);
    EXPECT_EQ(sheets, 1);
    EXPECT_EQ(diagnostics.str(), "");
  }
  std::ostringstream diagnostics;
  int sheets = 0;
  StartTavrel(platform, {L"tavrel", L"R1=0", L"year=2024"}, diagnostics, [&sheets] {
    ++sheets;
    return 1;
  });
  EXPECT_EQ(sheets, 0);
}

TEST(StartTavrel, AnUnknownOrMissingModePrintsTheUsageLineAndWritesNothing) {
  ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  struct Case {
    std::wstring first, second;
  };
  const Case cases[] = {
      {L"R1=0", L"year=2024&month=2&day=10"},
      {L"R1=5", L"year=2026"},
      {L"R1=abc", L"year=2024"},
      {L"R1=-1", L"year=2024"},
      {L"R1=", L"year=2024"},
      {L"nothing", L"year=2024"},
      {L"R1=99999999999", L"year=2024"},
      {L"year=2026", L"R1=2"},  // swapped
      {L"", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.first + L" " + c.second));
    std::ostringstream diagnostics;
    EXPECT_EQ(StartTavrel(platform, {L"tavrel", c.first, c.second}, diagnostics), 1);
    EXPECT_EQ(diagnostics.str(), std::string(kCommandLineUsage) + "\n");
  }
  EXPECT_TRUE(DirectoryNames(directory.path()).empty());
  EXPECT_TRUE(platform.launched.empty());
}

// Values that the pages of a mode do not show are refused before any page is built, with the
// message that the window gives for them, and nothing is written.
TEST(StartTavrel, RefusedValuesWriteNothingAndExitWithTwo) {
  struct Case {
    std::wstring first, second;
    std::string message;
  };
  const Case cases[] = {
      // The month page of "2026年 0月" showed December 2025, beside the day page of 2025-12-10.
      {L"R1=1", L"year=2026&month=0&day=10", "月份輸入錯誤 !"},
      {L"R1=1", L"year=2026&month=13&day=10", "月份輸入錯誤 !"},
      {L"R1=1", L"year=2026&month=-1&day=10", "月份輸入錯誤 !"},
      {L"R1=1", L"year=2026", "月份輸入錯誤 !"},  // month and day missing
      {L"R1=1", L"year=2026&month=99999999999&day=1", "月份輸入錯誤 !"},
      {L"R1=1", L"year=2026&month=abc&day=1", "月份輸入錯誤 !"},
      // Blank lunar fields beside a day officer, trigram, mansion and nine star of nothing.
      {L"R1=1", L"year=10000&month=1&day=1", "年份輸入錯誤 !"},
      {L"R1=1", L"year=-4713&month=12&day=31", "年份輸入錯誤 !"},
      {L"R1=1", L"year=-99999999999&month=1&day=1", "年份輸入錯誤 !"},
      {L"R1=1", L"month=5&day=1", "年份輸入錯誤 !"},  // year missing
      {L"R1=1", L"year=&month=5&day=1", "年份輸入錯誤 !"},
      {L"R1=1", L"year=x2026&month=5&day=1", "年份輸入錯誤 !"},
      {L"R1=1", L"year=2026&month=2&day=29", "日期輸入錯誤 !"},
      {L"R1=1", L"year=2024&month=4&day=31", "日期輸入錯誤 !"},
      {L"R1=1", L"year=2024&month=4&day=0", "日期輸入錯誤 !"},
      {L"R1=1", L"year=2024&month=5&day=-1", "日期輸入錯誤 !"},  // no longer today's day
      {L"R1=1", L"year=2024&month=4", "日期輸入錯誤 !"},
      {L"R1=1", L"year=1700&month=2&day=29", "日期輸入錯誤 !"},  // Gregorian common year
      {L"R1=1", L"year=1582&month=10&day=5", "日期輸入錯誤 !"},  // skipped by the reform
      {L"R1=1", L"year=1582&month=10&day=14", "日期輸入錯誤 !"},
      {L"R1=1", L"year=2024&month=4&day=1&hour=25", "時間輸入錯誤 !"},
      {L"R1=1", L"year=2024&month=4&day=1&hour=-1", "時間輸入錯誤 !"},
      {L"R1=1", L"year=2024&month=4&day=1&hour=abc", "時間輸入錯誤 !"},
      {L"R1=1", L"year=2024&month=4&day=1&hour=", "時間輸入錯誤 !"},
      {L"R1=1", L"year=2024&month=4&day=1&min=61", "分鐘輸入錯誤 !"},
      {L"R1=1", L"year=2024&month=4&day=1&min=-1", "分鐘輸入錯誤 !"},
      {L"R1=1", L"year=2024&month=4&day=1&min=99999999999", "分鐘輸入錯誤 !"},
      // The first failing value of year, month, day, hour and minute speaks.
      {L"R1=1", L"year=10000&month=13&day=32&hour=25&min=61", "年份輸入錯誤 !"},
      {L"R1=1", L"year=2024&month=13&day=32&hour=25&min=61", "月份輸入錯誤 !"},
      {L"R1=1", L"year=2024&month=2&day=30&hour=25&min=61", "日期輸入錯誤 !"},
      {L"R1=1", L"year=2024&month=2&day=3&hour=25&min=61", "時間輸入錯誤 !"},
      // The perpetual calendar takes any year that reads as a number.
      {L"R1=2", L"", "年份輸入錯誤 !"},
      {L"R1=2", L"year=", "年份輸入錯誤 !"},
      {L"R1=2", L"year=abc", "年份輸入錯誤 !"},
      {L"R1=2", L"month=2024", "年份輸入錯誤 !"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.first + L" " + c.second));
    ScopedWorkingDirectory directory;
    RecordingPlatform platform;
    std::ostringstream diagnostics;
    EXPECT_EQ(StartTavrel(platform, {L"tavrel", c.first, c.second}, diagnostics), 2);
    EXPECT_EQ(diagnostics.str(), c.message + "\n");
    EXPECT_TRUE(DirectoryNames(directory.path()).empty());
    EXPECT_TRUE(platform.launched.empty());
  }
}

// The edges of every range, and the keys that may be left out, are taken.
TEST(StartTavrel, ValuesAtTheEdgesOfTheirRangesWriteThePages) {
  struct Case {
    std::wstring first, second;
  };
  const Case cases[] = {
      {L"R1=1", L"year=-4712&month=1&day=1"},
      {L"R1=1", L"year=9999&month=12&day=31&hour=23&min=59"},
      {L"R1=1", L"year=2024&month=2&day=29&hour=0&min=0"},
      {L"R1=1", L"year=1500&month=2&day=29"},  // Julian leap year
      {L"R1=1", L"year=1582&month=10&day=4"},
      {L"R1=1", L"year=1582&month=10&day=15"},
      {L"R1=1", L"year=0&month=1&day=1"},
      {L"R1=1", L"year=2026&month=12&day=10abc&hour=12xyz"},
      {L"R1=1", L"year= 2026&month= 12&day=10"},
      {L"R1=2", L"year=0"},
      {L"R1=2", L"year=10000"},  // outside the calendar: its page says so
      {L"R1=2", L"year=-99999999999"},
      {L"R1=2", L"year=2024abc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.first + L" " + c.second));
    ScopedWorkingDirectory directory;
    RecordingPlatform platform;
    std::ostringstream diagnostics;
    EXPECT_EQ(StartTavrel(platform, {L"tavrel", c.first, c.second}, diagnostics), 1);
    EXPECT_EQ(diagnostics.str(), "");
    EXPECT_EQ(DirectoryNames(directory.path()).size(), c.first == L"R1=1" ? 2u : 1u);
  }
}

// One run of the command line in a fresh working directory that holds a page of an earlier run
// under every page file name: the status, the standard error and the files afterwards.
struct RunOverEarlierPages {
  static constexpr char kEarlierPage[] = "<html>a page of an earlier run</html>";

  RunOverEarlierPages(const std::wstring& first, const std::wstring& second) {
    ScopedWorkingDirectory directory;
    for (const char* name : {"陰曆.htm", "吉凶曆.htm", "萬年曆.htm", "八字重.htm", "八字.htm"}) {
      std::ofstream(directory.path() / name, std::ios::binary) << kEarlierPage;
    }
    RecordingPlatform platform;
    std::ostringstream errors;
    status = StartTavrel(platform, {L"tavrel", first, second}, errors);
    diagnostics = errors.str();
    for (const std::string& name : DirectoryNames(directory.path())) {
      files[name] = ReadFileBytes(directory.path() / name);
    }
    EXPECT_TRUE(platform.launched.empty());
  }

  // The files that this run wrote anew.
  std::vector<std::string> Written() const {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : files) {
      if (bytes != kEarlierPage) {
        names.push_back(name);
      }
    }
    return names;
  }

  int status = 0;
  std::string diagnostics;
  std::map<std::string, std::string> files;
};

// The 15 characters that a value keeps must not change its number: "0000000000002026" kept
// "000000000000202", a chart of the year 202. A number that runs past them is refused with the
// message of its value, as one that is no number; a number that ends within them reads as it is.
// The almanac's last moment is 9999-12-31 23:59: 24:00 of that day wrote a page of 10000-01-01
// with every field blank.
TEST(StartTavrel, NumbersCutShortAndMomentsPastTheCalendarAreRefused) {
  struct Refused {
    std::wstring first, second;
    std::string message;  // on standard error; the usage line when empty
  };
  const std::wstring birth = L"&month=5&day=20&hour=13&min=45&sex=男";
  const Refused refused[] = {
      {L"R1=1", L"year=9999&month=12&day=31&hour=24", "日期輸入錯誤 !"},
      {L"R1=1", L"year=9999&month=12&day=31&hour=23&min=60", "日期輸入錯誤 !"},
      {L"R1=1", L"year=9999&month=12&day=31&hour=24&min=60", "日期輸入錯誤 !"},
      {L"R1=1", L"year=9999&month=12&day=31&hour=25", "時間輸入錯誤 !"},  // the time first
      {L"R1=1", L"year=0000000000002026&month=12&day=10", "年份輸入錯誤 !"},
      {L"R1=1", L"year=              2026&month=12&day=10", "年份輸入錯誤 !"},
      {L"R1=1", L"year=2026&month=0000000000000012&day=10", "月份輸入錯誤 !"},
      {L"R1=1", L"year=2026&month=12&day=0000000000000010", "日期輸入錯誤 !"},
      {L"R1=1", L"year=2026&month=12&day=10&hour=0000000000000012", "時間輸入錯誤 !"},
      {L"R1=1", L"year=2026&month=12&day=10&min=0000000000000030", "分鐘輸入錯誤 !"},
      {L"R1=2", L"year=0000000000002026", "年份輸入錯誤 !"},
      {L"R1=2", L"year=-000000000000500", "年份輸入錯誤 !"},
      {L"R1=3", L"year=0000000000001990" + birth, "生日年份輸入錯誤 !"},
      {L"R1=4", L"year=0000000000001990" + birth, "生日年份輸入錯誤 !"},
      {L"R1=3", L"year=1990&month=0000000000000012&day=20&sex=男", "生日月份輸入錯誤 !"},
      {L"R1=4", L"year=1990&month=5&day=0000000000000020&sex=男", "生日日期輸入錯誤 !"},
      {L"R1=3", L"year=1990&month=5&day=20&hour=0000000000000013&sex=男", "生日時間輸入錯誤 !"},
      {L"R1=4", L"year=1990&month=5&day=20&min=0000000000000045&sex=女", "生日分鐘輸入錯誤 !"},
      {L"R1=4", L"year=1990&month=13&day=0000000000000020&sex=男", "生日月份輸入錯誤 !"},
      {L"R1=4", L"year=1990" + birth + L"&R2=0000000000000001", "神煞輸入錯誤 !"},
      {L"R1=0000000000000001", L"year=2026&month=12&day=10", ""},
  };
  for (const Refused& c : refused) {
    SCOPED_TRACE(WideToUtf8(c.first + L" " + c.second));
    const RunOverEarlierPages run(c.first, c.second);
    EXPECT_EQ(run.status, c.message.empty() ? 1 : 2);
    EXPECT_EQ(run.diagnostics, (c.message.empty() ? kCommandLineUsage : c.message) + "\n");
    EXPECT_EQ(run.Written(), std::vector<std::string>{});
    EXPECT_EQ(run.files.size(), 5u);
  }

  // The neighbours that are taken, each with the same pages as a plain writing of its values.
  struct Taken {
    std::wstring first, second, plainFirst, plainSecond;
    std::vector<std::string> written;
  };
  const Taken taken[] = {
      {L"R1=1",
       L"year=9999&month=12&day=31&hour=23&min=59",
       L"R1=1",
       L"year=9999&month=12&day=31&hour=23&min=59",
       {"吉凶曆.htm", "陰曆.htm"}},
      {L"R1=1",
       L"year=2026&month=12&day=20abcdefghijklmnop",
       L"R1=1",
       L"year=2026&month=12&day=20",
       {"吉凶曆.htm", "陰曆.htm"}},
      {L"R1=2", L"year=000000000002026", L"R1=2", L"year=2026", {"萬年曆.htm"}},
      {L"R1=2", L"year=2026&month=0000000000000012", L"R1=2", L"year=2026", {"萬年曆.htm"}},
      {L"R1=3", L"year=000000000001990" + birth, L"R1=3", L"year=1990" + birth, {"八字重.htm"}},
      {L"R1=3",
       L"year=1990" + birth + L"&R2=0000000000000001",
       L"R1=3",
       L"year=1990" + birth,
       {"八字重.htm"}},
      {L"R1=4",
       L"year=1990" + birth + L"&R2=000000000000001",
       L"R1=4",
       L"year=1990" + birth + L"&R2=1",
       {"八字.htm"}},
      {L"R1=000000000000004", L"year=1990" + birth, L"R1=4", L"year=1990" + birth, {"八字.htm"}},
  };
  for (const Taken& c : taken) {
    SCOPED_TRACE(WideToUtf8(c.first + L" " + c.second));
    const RunOverEarlierPages run(c.first, c.second);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.diagnostics, "");
    EXPECT_EQ(run.Written(), c.written);
    EXPECT_EQ(run.files, RunOverEarlierPages(c.plainFirst, c.plainSecond).files);
  }
}

TEST(StartTavrel, TheDebugLinePrecedesARefusal) {
  ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  std::ostringstream diagnostics;
  EXPECT_EQ(StartTavrel(platform, {L"tavrel", L"R1=1", L"year=2026&month=0&day=10", L"debug"},
                        diagnostics),
            2);
  EXPECT_EQ(diagnostics.str(),
            "R1=1, Y=2026, M=0, D=10, h=0, m=0, name=, sex= , R2=0\n月份輸入錯誤 !\n");
  EXPECT_TRUE(DirectoryNames(directory.path()).empty());
}

TEST(StartTavrel, AThirdArgumentPrintsTheDebugLineFirst) {
  ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  for (const wchar_t* third : {L"", L"debug", L"x y"}) {
    std::ostringstream diagnostics;
    EXPECT_EQ(StartTavrel(platform,
                          {L"tavrel", L"R1=7", L"year=2024&name=a=b&sex=男&R2=7", third, L"more"},
                          diagnostics),
              1);
    EXPECT_EQ(diagnostics.str(), "R1=7, Y=2024, M=0, D=0, h=0, m=0, name=a=b, sex=男 , R2=7\n" +
                                     std::string(kCommandLineUsage) + "\n");
  }
  EXPECT_TRUE(DirectoryNames(directory.path()).empty());
}

// Checks that a written page file holds the code page 950 form of `page` and that it decodes back
// to the page exactly (every character of the page is in the code page).
void ExpectPageFile(const std::filesystem::path& file, const std::wstring& page) {
  SCOPED_TRACE(file.filename().string());
  ASSERT_FALSE(page.empty());
  const std::string bytes = ReadFileBytes(file);
  EXPECT_EQ(bytes, ConvertToCodePage950(page).value());
  const std::wstring decoded = DecodeCodePage950(bytes);
  EXPECT_TRUE(decoded == page)
      << "first difference at character "
      << std::mismatch(decoded.begin(), decoded.end(), page.begin(), page.end()).first -
             decoded.begin();
}

TEST(RunCommandLineMode, PerpetualCalendarModeWritesTheYearPage) {
  ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  std::ostringstream diagnostics;
  EXPECT_EQ(StartTavrel(platform, {L"tavrel", L"R1=2", L"year=2024"}, diagnostics), 1);
  EXPECT_EQ(diagnostics.str(), "");
  EXPECT_EQ(DirectoryNames(directory.path()), std::vector<std::string>{"萬年曆.htm"});
  almanac::CalendarTables tables;
  ExpectPageFile(directory.path() / "萬年曆.htm",
                 almanac::BuildPerpetualCalendarPage(tables, 2024));
  EXPECT_TRUE(platform.launched.empty());
}

// Mode 4: the chart of the birth with the command line's own settings as "八字.htm".
TEST(RunCommandLineMode, ChartModeWritesTheChartPage) {
  const std::wstring births[] = {
      L"year=1984&month=2&day=9&hour=6&min=0&name=王小明&sex=男&R2=2",
      L"year=1990&month=5&day=20&hour=23&min=30&name=<b>陳&sex=女&R2=7",
      // A signed year is a year, blanks around it are skipped (a "+" would end the pair); the
      // calendar's first and last years and the edges of hour and minute.
      L"year=-5&month=6&day=1&hour=12&min=0&sex=男",
      L"year= 1990 &month=5&day=20&sex=女",
      L"year=-4712&month=1&day=1&hour=0&min=0&sex=女",
      L"year=9999&month=12&day=31&hour=21&min=59&sex=男",
      L"year=2024&month=2&day=29&hour=24&min=60&sex=男",
  };
  for (const std::wstring& birth : births) {
    SCOPED_TRACE(WideToUtf8(birth));
    ScopedWorkingDirectory directory;
    RecordingPlatform platform;
    std::ostringstream diagnostics;
    EXPECT_EQ(StartTavrel(platform, {L"tavrel", L"R1=4", birth}, diagnostics), 1);
    EXPECT_EQ(diagnostics.str(), "");
    EXPECT_EQ(DirectoryNames(directory.path()), std::vector<std::string>{"八字.htm"});
    ChartPageBuilders charts;
    const std::wstring page =
        charts.BuildBirthChartPage(CommandLineChartQuery(ReadCommandLineValues(L"R1=4", birth)));
    EXPECT_EQ(page.rfind(L"<", 0), 0u);  // a page, not a message
    ExpectPageFile(directory.path() / "八字.htm", page);
    EXPECT_TRUE(platform.launched.empty());
  }
}

TEST(CommandLineChartQuery, TheCommandLinesOwnSettings) {
  const FourPillarsQuery query = CommandLineChartQuery(ReadCommandLineValues(
      L"R1=4", L"year=1984&month=2&day=9&hour=6&min=5&name=王小明&sex=x&R2=7"));
  EXPECT_EQ(query.year, 1984);
  EXPECT_EQ(query.month, 2);
  EXPECT_EQ(query.day, 9);
  EXPECT_EQ(query.hour, 6);
  EXPECT_EQ(query.minute, 5);
  EXPECT_EQ(query.name, L"王小明");
  EXPECT_EQ(query.sex, L"x");
  EXPECT_EQ(static_cast<int>(query.spiritStarBasis), 7);  // unchecked; the page reads it as 年日
  EXPECT_EQ(query.yearChangeRule, chart::YearChangeRule::kBeginningOfSpring);
  EXPECT_EQ(query.scheme, chart::MonthCommandDivisionScheme::kYuWu);
  EXPECT_EQ(query.values, (chart::SeasonalStrengthValues{1, 1, 1, 1, 1}));
  EXPECT_EQ(query.annotationText, L"");
  EXPECT_EQ(query.longitude, 121.5);
}

TEST(RunCommandLineMode, AlmanacModeWritesTheMonthAndDayPages) {
  ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  std::ostringstream diagnostics;
  EXPECT_EQ(StartTavrel(platform, {L"tavrel", L"R1=1", L"year=2026&month=12&day=10&hour=12&min=30"},
                        diagnostics),
            1);
  EXPECT_EQ(diagnostics.str(), "");
  EXPECT_EQ(DirectoryNames(directory.path()), (std::vector<std::string>{"吉凶曆.htm", "陰曆.htm"}));
  almanac::CalendarTables tables;
  ExpectPageFile(directory.path() / "陰曆.htm",
                 almanac::BuildLunarMonthPage(tables, 2026, 12, 10, almanac::LocalDate{}));
  // 12:30 on 2026-12-10: the Julian day 2461385.0 + 0.5 / 24.
  const double julianDay = engine::ComputeJulianDay(2026, 12, 10 + 12.5 / 24);
  EXPECT_DOUBLE_EQ(julianDay, 2461385.0 + 0.5 / 24);
  ExpectPageFile(directory.path() / "吉凶曆.htm", almanac::BuildAlmanacDayPage(tables, julianDay));
  EXPECT_TRUE(platform.launched.empty());
}

// A negative day marks today's day in the month page: today comes from the platform's clock.
// The command line refuses a negative day (see RefusedValuesWriteNothingAndExitWithTwo), so only
// the page builder itself still shows which today the lunar month page is given.
TEST(BuildCommandLinePages, TheMonthPageMarksTheTodayItIsGiven) {
  CommandLineValues values;
  values.r1 = 1;
  values.year = 2024;
  values.month = 5;
  values.day = -1;
  almanac::CalendarTables tables;
  ChartPageBuilders charts;
  const std::vector<NamedPage> pages =
      BuildCommandLinePages(values, tables, charts, almanac::LocalDate{2024, 5, 10});
  ASSERT_EQ(pages.size(), 2u);
  const std::wstring page =
      almanac::BuildLunarMonthPage(tables, 2024, 5, -1, almanac::LocalDate{2024, 5, 10});
  EXPECT_TRUE(page !=
              almanac::BuildLunarMonthPage(tables, 2024, 5, -1, almanac::LocalDate{2024, 5, 11}));
  EXPECT_TRUE(pages[0].text == page);
}

TEST(RunCommandLineMode, APageThatCannotBeWrittenIsReportedAndTheNextIsWritten) {
  ScopedWorkingDirectory directory;
  std::filesystem::create_directory(directory.path() / "陰曆.htm");
  RecordingPlatform platform;
  std::ostringstream diagnostics;
  EXPECT_EQ(StartTavrel(platform, {L"tavrel", L"R1=1", L"year=2024&month=2&day=10"}, diagnostics),
            2);
  EXPECT_EQ(diagnostics.str().rfind("tavrel: cannot write 陰曆.htm: ", 0), 0u) << diagnostics.str();
  almanac::CalendarTables tables;
  ExpectPageFile(directory.path() / "吉凶曆.htm",
                 almanac::BuildAlmanacDayPage(tables, engine::ComputeJulianDay(2024, 2, 10)));
}

// Mode 3 writes the bone-weighing reading at Taipei's longitude, 121.5, with name and sex as read
// (escaped by the reading), and opens nothing.
TEST(RunCommandLineMode, BoneWeighingModeWritesTheReading) {
  ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  std::ostringstream diagnostics;
  EXPECT_EQ(
      StartTavrel(platform,
                  {L"tavrel", L"R1=3", L"year=1989&month=6&day=4&hour=2&min=0&name=王<b>&sex=男"},
                  diagnostics),
      1);
  EXPECT_EQ(diagnostics.str(), "");
  EXPECT_EQ(DirectoryNames(directory.path()), std::vector<std::string>{"八字重.htm"});
  engine::MonthCalendar calendar;
  const std::wstring page =
      chart::BuildBoneWeightPage(calendar, 1989, 6, 4, 2, 0, L"王<b>", L"男", 121.5);
  EXPECT_NE(page.find(L"王&lt;b&gt;"), std::wstring::npos);
  ExpectPageFile(directory.path() / "八字重.htm", page);
  EXPECT_TRUE(platform.launched.empty());
}

// Modes 3 and 4 refuse a birth as modes 1 and 2 refuse their values: the message on standard
// error, status 2, nothing written, and the page a previous run wrote kept as it was. The birth
// checks are those of the reading and the chart entry, in their order (year, month, day, hour,
// minute), then the sex; the year must be the whole value.
TEST(StartTavrel, ChartModesRefuseABirthAndKeepThePreviousPage) {
  struct Case {
    std::wstring second;
    const wchar_t* message;
  };
  const Case cases[] = {
      // "abc" gave a chart of the year 0, "0x7C0" and "1990abc" charts of 0 and 1990.
      {L"month=5&day=20&hour=13&min=45&sex=男", chart::kBirthYearMessage},  // year missing
      {L"year=&month=5&day=20&sex=男", chart::kBirthYearMessage},
      {L"year=abc&month=5&day=20&sex=男", chart::kBirthYearMessage},
      {L"year=0x7C0&month=5&day=20&sex=男", chart::kBirthYearMessage},
      {L"year=1990abc&month=5&day=20&sex=男", chart::kBirthYearMessage},
      {L"year=1990.5&month=5&day=20&sex=男", chart::kBirthYearMessage},
      {L"year=- 5&month=5&day=20&sex=男", chart::kBirthYearMessage},
      {L"year=10000&month=1&day=1&sex=男", chart::kBirthYearMessage},
      {L"year=-4713&month=12&day=31&sex=女", chart::kBirthYearMessage},
      {L"year=99999999999&month=1&day=1&sex=男", chart::kBirthYearMessage},
      {L"year=-99999999999&month=1&day=1&sex=男", chart::kBirthYearMessage},
      {L"year=10000&month=13&day=32&hour=25&min=61&sex=X", chart::kBirthYearMessage},
      {L"year=2024&sex=男", chart::kBirthMonthMessage},  // month and day missing
      {L"year=2024&month=13&day=1&min=61&sex=男", chart::kBirthMonthMessage},
      {L"year=2024&month=abc&day=1&sex=男", chart::kBirthMonthMessage},
      {L"year=2023&month=2&day=29&sex=男", chart::kBirthDayMessage},
      {L"year=1582&month=10&day=10&sex=男", chart::kBirthDayMessage},
      {L"year=2024&month=4&day=31&sex=女", chart::kBirthDayMessage},
      {L"year=9999&month=12&day=31&hour=22&min=0&sex=男", chart::kBirthDayMessage},
      {L"year=2024&month=1&day=1&hour=25&sex=男", chart::kBirthHourMessage},
      {L"year=2024&month=1&day=1&hour=-1&sex=男", chart::kBirthHourMessage},
      {L"year=2024&month=1&day=1&min=61&sex=男", chart::kBirthMinuteMessage},
      {L"year=2024&month=1&day=1&min=-1&sex=男", chart::kBirthMinuteMessage},
      // "X" gave a page of 陽X with the luck of a woman.
      {L"year=2024&month=1&day=1&sex=X", kCommandLineSexMessage},
      {L"year=2024&month=1&day=1", kCommandLineSexMessage},  // sex missing
      {L"year=2024&month=1&day=1&sex=", kCommandLineSexMessage},
      {L"year=2024&month=1&day=1&sex=男 ", kCommandLineSexMessage},
      {L"year=2024&month=1&day=1&sex=男女", kCommandLineSexMessage},
      {L"year=2024&month=1&day=1&sex=male", kCommandLineSexMessage},
  };
  struct Mode {
    const wchar_t* first;
    const char* fileName;
  };
  const Mode modes[] = {{L"R1=3", "八字重.htm"}, {L"R1=4", "八字.htm"}};
  for (const Mode& mode : modes) {
    for (const Case& c : cases) {
      SCOPED_TRACE(WideToUtf8(mode.first + (L" " + c.second)));
      ScopedWorkingDirectory directory;
      const std::string previous = "<html>a page of an earlier run</html>";
      std::ofstream(directory.path() / mode.fileName, std::ios::binary) << previous;
      RecordingPlatform platform;
      std::ostringstream diagnostics;
      EXPECT_EQ(StartTavrel(platform, {L"tavrel", mode.first, c.second}, diagnostics), 2);
      EXPECT_EQ(diagnostics.str(), WideToUtf8(c.message) + "\n");
      EXPECT_EQ(DirectoryNames(directory.path()), std::vector<std::string>{mode.fileName});
      EXPECT_EQ(ReadFileBytes(directory.path() / mode.fileName), previous);
      EXPECT_TRUE(platform.launched.empty());
    }
  }
}

// The births that mode 3 takes beside the one above: each writes its reading with status 1.
TEST(RunCommandLineMode, BoneWeighingModeWritesTheReadingOfEveryAcceptedBirth) {
  struct Case {
    std::wstring second;
    int year, month, day, hour, minute;
    const wchar_t* sex;
  };
  const Case cases[] = {
      {L"year=-5&month=6&day=1&hour=12&min=0&sex=男", -5, 6, 1, 12, 0, L"男"},
      {L"year= 1990 &month=5&day=20&hour=13&min=45&sex=女", 1990, 5, 20, 13, 45, L"女"},
      {L"year=-4712&month=1&day=1&sex=女", -4712, 1, 1, 0, 0, L"女"},
      {L"year=9999&month=12&day=31&hour=21&min=59&sex=男", 9999, 12, 31, 21, 59, L"男"},
      {L"year=2024&month=2&day=29&hour=24&min=60&sex=男", 2024, 2, 29, 24, 60, L"男"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.second));
    ScopedWorkingDirectory directory;
    RecordingPlatform platform;
    std::ostringstream diagnostics;
    EXPECT_EQ(StartTavrel(platform, {L"tavrel", L"R1=3", c.second}, diagnostics), 1);
    EXPECT_EQ(diagnostics.str(), "");
    EXPECT_EQ(DirectoryNames(directory.path()), std::vector<std::string>{"八字重.htm"});
    engine::MonthCalendar calendar;
    const std::wstring page = chart::BuildBoneWeightPage(calendar, c.year, c.month, c.day, c.hour,
                                                         c.minute, L"", c.sex, 121.5);
    EXPECT_EQ(page.rfind(L"<", 0), 0u);  // a page, not a message
    ExpectPageFile(directory.path() / "八字重.htm", page);
  }
}

}  // namespace
}  // namespace shell
