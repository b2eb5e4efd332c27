// The built program, run in a temporary working directory.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "almanac/almanac_day_page.h"
#include "almanac/lunar_month_page.h"
#include "almanac/perpetual_calendar_page.h"
#include "chart/bone_weight_page.h"
#include "engine/julian_day.h"
#include "shell/command_line_mode.h"
#include "shell/platform.h"
#include "shell/test_support.h"
#include "shell/utf8_text.h"

namespace shell {
namespace {

using testing::DecodeCodePage950;
using testing::DirectoryNames;
using testing::ReadFileBytes;
using testing::ScopedWorkingDirectory;

struct RunResult {
  int status = -1;
  std::string diagnostics;
};

// Runs tavrel with the given shell-quoted arguments in the working directory; its standard
// error is kept. TAVREL_OPEN names a program that fails, so no browser can ever start, and no
// display is named unless `display` sets one, so no window can open.
// `wrapper` runs the program (e.g. under a resource limit).
RunResult RunTavrel(const std::string& arguments, const std::string& display = "",
                    const std::string& wrapper = "") {
  const std::string command =
      "timeout 120 env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY TAVREL_OPEN=false " +
      display + " " + wrapper + "'" + std::string(TAVREL_PROGRAM) + "' " + arguments +
      " 2> tavrel.stderr";
  const int raw = std::system(command.c_str());
  RunResult result;
  if (raw != -1 && WIFEXITED(raw)) {
    result.status = WEXITSTATUS(raw);
  }
  result.diagnostics = ReadFileBytes("tavrel.stderr");
  std::filesystem::remove("tavrel.stderr");
  return result;
}

TEST(TavrelProgram, WithoutADisplayTheSheetPointsToTheCommandLine) {
  ScopedWorkingDirectory directory;
  for (const char* arguments : {"", "R1=2"}) {
    SCOPED_TRACE(arguments);
    const RunResult result = RunTavrel(arguments);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.diagnostics,
              "tavrel: no display for the property sheet; the pages can be written from the "
              "command line:\n" +
                  std::string(kCommandLineUsage) + "\n");
  }
  EXPECT_TRUE(DirectoryNames(directory.path()).empty());
}

TEST(TavrelProgram, ADisplayThatCannotBeOpenedPointsToTheCommandLine) {
  ScopedWorkingDirectory directory;
  const RunResult result = RunTavrel("", "QT_QPA_PLATFORM=xcb DISPLAY=:7321");
  EXPECT_EQ(result.status, 1);
  const std::string pointer =
      "tavrel: no display for the property sheet; the pages can be written from the command "
      "line:\n" +
      std::string(kCommandLineUsage) + "\n";
  // Qt's own lines on the display may come first.
  ASSERT_GE(result.diagnostics.size(), pointer.size()) << result.diagnostics;
  EXPECT_EQ(result.diagnostics.substr(result.diagnostics.size() - pointer.size()), pointer)
      << result.diagnostics;
  EXPECT_TRUE(DirectoryNames(directory.path()).empty());
}

TEST(TavrelProgram, OtherModesPrintTheUsageLineWriteNothingAndExitWithOne) {
  ScopedWorkingDirectory directory;
  for (const char* arguments :
       {"R1=0 year=2024", "R1=5 year=2026", "R1=abc year=2024", "year=2026 R1=2", "'' ''"}) {
    SCOPED_TRACE(arguments);
    const RunResult result = RunTavrel(arguments);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.diagnostics, std::string(kCommandLineUsage) + "\n");
  }
  EXPECT_TRUE(DirectoryNames(directory.path()).empty());
}

TEST(TavrelProgram, RefusedDatesWriteNothingAndExitWithTwo) {
  ScopedWorkingDirectory directory;
  struct Case {
    const char* arguments;
    const char* message;
  };
  const Case cases[] = {
      {"R1=1 'year=2026&month=0&day=10'", "月份輸入錯誤 !\n"},
      {"R1=1 'year=2026&month=13&day=10'", "月份輸入錯誤 !\n"},
      {"R1=1 year=2026", "月份輸入錯誤 !\n"},
      {"R1=1 'year=10000&month=1&day=1'", "年份輸入錯誤 !\n"},
      {"R1=1 'year=2026&month=99999999999&day=1'", "月份輸入錯誤 !\n"},
      {"R1=1 'year=2026&month=2&day=29'", "日期輸入錯誤 !\n"},
      {"R1=1 'year=2026&month=2&day=28&hour=25'", "時間輸入錯誤 !\n"},
      {"R1=1 'year=2026&month=2&day=28&min=61'", "分鐘輸入錯誤 !\n"},
      {"R1=2 year=abc", "年份輸入錯誤 !\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const RunResult result = RunTavrel(c.arguments);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.diagnostics, c.message);
    EXPECT_TRUE(DirectoryNames(directory.path()).empty());
  }
}

// A birth that modes 3 and 4 refuse: its message on standard error, status 2, and the page of an
// earlier run kept whole.
TEST(TavrelProgram, RefusedBirthsKeepThePreviousPageAndExitWithTwo) {
  ScopedWorkingDirectory directory;
  ASSERT_EQ(RunTavrel("R1=3 'year=1990&month=5&day=20&hour=13&min=45&sex=男'").status, 1);
  ASSERT_EQ(RunTavrel("R1=4 'year=1990&month=5&day=20&hour=13&min=45&sex=男'").status, 1);
  const std::string bonePage = ReadFileBytes(directory.path() / "八字重.htm");
  const std::string chartPage = ReadFileBytes(directory.path() / "八字.htm");
  ASSERT_GT(bonePage.size(), 500u);
  ASSERT_GT(chartPage.size(), 10000u);
  struct Case {
    const char* arguments;
    const char* message;
  };
  const Case cases[] = {
      {"R1=3 'year=abc&month=5&day=20&sex=男'", "生日年份輸入錯誤 !\n"},
      {"R1=4 'year=0x7C0&month=5&day=20&sex=男'", "生日年份輸入錯誤 !\n"},
      {"R1=4 'month=5&day=20&sex=男'", "生日年份輸入錯誤 !\n"},
      {"R1=3 'year=10000&month=1&day=1&sex=女'", "生日年份輸入錯誤 !\n"},
      {"R1=4 'year=-4713&month=1&day=1&sex=女'", "生日年份輸入錯誤 !\n"},
      {"R1=3 'year=2024&month=13&day=1&sex=男'", "生日月份輸入錯誤 !\n"},
      {"R1=4 'year=1984&month=13&day=9&hour=6&min=0&name=王小明&sex=男&R2=2'",
       "生日月份輸入錯誤 !\n"},
      {"R1=3 'year=2023&month=2&day=29&sex=男'", "生日日期輸入錯誤 !\n"},
      {"R1=4 'year=2024&month=1&day=1&hour=25&sex=女'", "生日時間輸入錯誤 !\n"},
      {"R1=3 'year=2024&month=1&day=1&min=61&sex=女'", "生日分鐘輸入錯誤 !\n"},
      {"R1=4 'year=2024&month=2&day=4&hour=12&sex=X'", "性別輸入錯誤 !\n"},
      {"R1=3 'year=2024&month=2&day=4&hour=12'", "性別輸入錯誤 !\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const RunResult result = RunTavrel(c.arguments);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.diagnostics, c.message);
    EXPECT_EQ(DirectoryNames(directory.path()),
              (std::vector<std::string>{"八字.htm", "八字重.htm"}));
    EXPECT_EQ(ReadFileBytes(directory.path() / "八字重.htm"), bonePage);
    EXPECT_EQ(ReadFileBytes(directory.path() / "八字.htm"), chartPage);
  }
}

TEST(TavrelProgram, AThirdArgumentPrintsTheDebugLine) {
  ScopedWorkingDirectory directory;
  const RunResult result = RunTavrel("R1=9 'year=2024&name=陳 大文&sex=男' ''");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.diagnostics, "R1=9, Y=2024, M=0, D=0, h=0, m=0, name=陳 大文, sex=男 , R2=0\n" +
                                    std::string(kCommandLineUsage) + "\n");
}

TEST(TavrelProgram, WritesThePagesOfModesOneAndTwo) {
  ScopedWorkingDirectory directory;
  RunResult result = RunTavrel("R1=2 year=2024");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.diagnostics, "");
  EXPECT_EQ(DirectoryNames(directory.path()), std::vector<std::string>{"萬年曆.htm"});
  almanac::CalendarTables tables;
  const std::wstring yearPage = almanac::BuildPerpetualCalendarPage(tables, 2024);
  EXPECT_EQ(ReadFileBytes(directory.path() / "萬年曆.htm"), ConvertToCodePage950(yearPage));
  EXPECT_TRUE(DecodeCodePage950(ReadFileBytes(directory.path() / "萬年曆.htm")) == yearPage);

  result = RunTavrel("R1=1 'year=2026&month=12&day=10&hour=12&min=0' debug");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.diagnostics, "R1=1, Y=2026, M=12, D=10, h=12, m=0, name=, sex= , R2=0\n");
  EXPECT_EQ(DirectoryNames(directory.path()),
            (std::vector<std::string>{"吉凶曆.htm", "萬年曆.htm", "陰曆.htm"}));
  const std::wstring monthPage =
      almanac::BuildLunarMonthPage(tables, 2026, 12, 10, almanac::LocalDate{});
  const std::wstring dayPage =
      almanac::BuildAlmanacDayPage(tables, engine::ComputeJulianDay(2026, 12, 10.5));
  EXPECT_TRUE(DecodeCodePage950(ReadFileBytes(directory.path() / "陰曆.htm")) == monthPage);
  EXPECT_TRUE(DecodeCodePage950(ReadFileBytes(directory.path() / "吉凶曆.htm")) == dayPage);
}

// A write that fails on the way (here at the file size limit) leaves the previous page whole and
// no partial file, and is reported.
TEST(TavrelProgram, AFailedWriteKeepsThePreviousPageWhole) {
  ScopedWorkingDirectory directory;
  RunResult result = RunTavrel("R1=1 'year=2026&month=12&day=10'");
  ASSERT_EQ(result.status, 1) << result.diagnostics;
  const std::string monthPage = ReadFileBytes(directory.path() / "陰曆.htm");
  const std::string dayPage = ReadFileBytes(directory.path() / "吉凶曆.htm");
  ASSERT_GT(monthPage.size(), 6000u);
  ASSERT_GT(dayPage.size(), 3000u);
  // At most 2,048 bytes, in either unit that a shell counts ulimit -f in (512 or 1,024 bytes).
  const char* limit = "sh -c 'ulimit -f 2; exec \"$0\" \"$@\"' ";
  result = RunTavrel("R1=1 'year=2024&month=2&day=10'", "", limit);
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.diagnostics,
            "tavrel: cannot write 陰曆.htm: File too large\n"
            "tavrel: cannot write 吉凶曆.htm: File too large\n");
  EXPECT_EQ(ReadFileBytes(directory.path() / "陰曆.htm"), monthPage);
  EXPECT_EQ(ReadFileBytes(directory.path() / "吉凶曆.htm"), dayPage);
  EXPECT_EQ(DirectoryNames(directory.path()), (std::vector<std::string>{"吉凶曆.htm", "陰曆.htm"}));
}

TEST(TavrelProgram, WritesTheBoneWeighingReadingOfModeThree) {
  ScopedWorkingDirectory directory;
  const RunResult result =
      RunTavrel("R1=3 'year=2024&month=2&day=29&hour=23&min=30&name=林&sex=女'");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.diagnostics, "");
  EXPECT_EQ(DirectoryNames(directory.path()), std::vector<std::string>{"八字重.htm"});
  engine::MonthCalendar calendar;
  const std::wstring page =
      chart::BuildBoneWeightPage(calendar, 2024, 2, 29, 23, 30, L"林", L"女", 121.5);
  EXPECT_TRUE(DecodeCodePage950(ReadFileBytes(directory.path() / "八字重.htm")) == page);
}

TEST(TavrelProgram, WritesTheChartPageOfModeFour) {
  ScopedWorkingDirectory directory;
  const char* birth = "year=1984&month=2&day=9&hour=6&min=0&name=王小明&sex=男&R2=2";
  const RunResult result = RunTavrel(std::string("R1=4 '") + birth + "'");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.diagnostics, "");
  EXPECT_EQ(DirectoryNames(directory.path()), std::vector<std::string>{"八字.htm"});
  ChartPageBuilders charts;
  const std::wstring page = charts.BuildBirthChartPage(
      CommandLineChartQuery(ReadCommandLineValues(L"R1=4", Utf8ToWide(birth))));
  EXPECT_TRUE(DecodeCodePage950(ReadFileBytes(directory.path() / "八字.htm")) == page);

  // A chart page that cannot be written: the reason on standard error and status 2.
  std::filesystem::remove(directory.path() / "八字.htm");
  std::filesystem::create_directory(directory.path() / "八字.htm");
  const RunResult refused = RunTavrel(std::string("R1=4 '") + birth + "'");
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.diagnostics.rfind("tavrel: cannot write 八字.htm: ", 0), 0u)
      << refused.diagnostics;
}

TEST(TavrelProgram, AFileThatCannotBeWrittenGivesStatusTwo) {
  ScopedWorkingDirectory directory;
  std::filesystem::create_directory(directory.path() / "萬年曆.htm");
  const RunResult result = RunTavrel("R1=2 year=2024");
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.diagnostics.rfind("tavrel: cannot write 萬年曆.htm: ", 0), 0u)
      << result.diagnostics;
}

}  // namespace
}  // namespace shell
