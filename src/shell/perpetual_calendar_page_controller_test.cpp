#include "shell/perpetual_calendar_page_controller.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "almanac/perpetual_calendar_page.h"
#include "shell/page_request.h"
#include "shell/test_support.h"
#include "shell/utf8_text.h"

namespace shell {
namespace {

using testing::DirectoryNames;
using testing::FakePageControls;
using testing::ReadFileBytes;
using testing::RecordingPlatform;
using testing::ScopedWorkingDirectory;

// A page that names its year, and the years it was asked for.
struct YearPages {
  std::vector<int> years;
  std::function<std::wstring(int)> Builder() {
    return [this](int year) {
      years.push_back(year);
      return L"year " + std::to_wstring(year) + L" 萬年曆";
    };
  }
};

TEST(PerpetualCalendarPage, TheYearBoxHoldsTheCurrentYear) {
  FakePageControls controls;
  RecordingPlatform platform;
  platform.now.year = 2026;
  almanac::CalendarTables tables;
  PerpetualCalendarPage page(controls, platform, tables);
  page.Initialize();
  EXPECT_EQ(controls.Text(PerpetualCalendarPage::kYearBox), L"2026");
  EXPECT_TRUE(platform.launched.empty());
}

TEST(PerpetualCalendarPage, TheQueryWritesAndOpensTheYearPage) {
  struct Case {
    std::wstring typed;
    int year;
  };
  const Case cases[] = {
      {L"1900", 1900},
      {L"abc", 0},
      {L"", 0},
      {L"-5", 0},
      {L" 2024 ", 2024},
      {L"10000", 10000},
      {L"4294967295", INT_MAX},  // past the int range, still past every page's range
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.typed));
    ScopedWorkingDirectory directory;
    FakePageControls controls;
    RecordingPlatform platform;
    platform.workingDirectory = "/w";
    YearPages pages;
    PerpetualCalendarPage page(controls, platform, pages.Builder());
    page.Initialize();
    controls.SetText(PerpetualCalendarPage::kYearBox, c.typed);
    page.Command(kQueryButton, ControlEvent::kClicked);
    EXPECT_EQ(pages.years, std::vector<int>{c.year});
    EXPECT_EQ(ReadFileBytes(directory.path() / "萬年曆.htm"),
              "year " + std::to_string(c.year) + " \xB8\x55\xA6\x7E\xBE\xE4");
    EXPECT_EQ(platform.launched,
              std::vector<std::string>{"file:///w/%E8%90%AC%E5%B9%B4%E6%9B%86.htm"});
    EXPECT_TRUE(controls.messages.empty());
  }
}

TEST(PerpetualCalendarPage, TwoQueriesGiveTheSameFile) {
  ScopedWorkingDirectory directory;
  FakePageControls controls;
  RecordingPlatform platform;
  almanac::CalendarTables sheetTables;
  PerpetualCalendarPage page(controls, platform, sheetTables);
  controls.SetText(PerpetualCalendarPage::kYearBox, L"1900");
  page.Command(kQueryButton, ControlEvent::kClicked);
  const std::string first = ReadFileBytes(directory.path() / "萬年曆.htm");
  page.Command(kQueryButton, ControlEvent::kClicked);
  EXPECT_EQ(ReadFileBytes(directory.path() / "萬年曆.htm"), first);
  almanac::CalendarTables tables;
  EXPECT_EQ(first, ConvertToCodePage950(almanac::BuildPerpetualCalendarPage(tables, 1900)).value());
  EXPECT_EQ(platform.launched.size(), 2u);
}

TEST(PerpetualCalendarPage, OtherControlsDoNothing) {
  ScopedWorkingDirectory directory;
  FakePageControls controls;
  RecordingPlatform platform;
  YearPages pages;
  PerpetualCalendarPage page(controls, platform, pages.Builder());
  page.Initialize();
  page.Command(PerpetualCalendarPage::kYearBox, ControlEvent::kClicked);
  page.Command(2, ControlEvent::kClicked);
  EXPECT_TRUE(pages.years.empty());
  EXPECT_TRUE(DirectoryNames(directory.path()).empty());
  EXPECT_TRUE(platform.launched.empty());
}

TEST(PerpetualCalendarPage, AFileThatCannotBeWrittenIsReportedAndNotOpened) {
  ScopedWorkingDirectory directory;
  std::filesystem::create_directory(directory.path() / "萬年曆.htm");
  FakePageControls controls;
  RecordingPlatform platform;
  YearPages pages;
  PerpetualCalendarPage page(controls, platform, pages.Builder());
  controls.SetText(PerpetualCalendarPage::kYearBox, L"2024");
  page.Command(kQueryButton, ControlEvent::kClicked);
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].rfind(L"無法寫入 萬年曆.htm：", 0), 0u);
  EXPECT_TRUE(platform.launched.empty());
}

// With no opener to start, the page is written and the sheet says why nothing opens.
TEST(PerpetualCalendarPage, AnOpenerThatCannotBeStartedIsReported) {
  ScopedWorkingDirectory directory;
  FakePageControls controls;
  RecordingPlatform platform;
  platform.launchError = "cannot start xdg-open: No such file or directory";
  YearPages pages;
  PerpetualCalendarPage page(controls, platform, pages.Builder());
  controls.SetText(PerpetualCalendarPage::kYearBox, L"2024");
  page.Command(kQueryButton, ControlEvent::kClicked);
  EXPECT_EQ(DirectoryNames(directory.path()), std::vector<std::string>{"萬年曆.htm"});
  EXPECT_EQ(controls.messages,
            std::vector<std::wstring>{
                L"無法開啟 萬年曆.htm：cannot start xdg-open: No such file or directory"});
}

}  // namespace
}  // namespace shell
