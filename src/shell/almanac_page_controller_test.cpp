#include "shell/almanac_page_controller.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/julian_day.h"
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
using P = AlmanacPage;

// Recorders in place of the generators and the rise and set times.
struct Recorder {
  struct RiseSetCall {
    double dayNumber, longitude, latitude, zoneHoursWest;
  };
  std::vector<std::vector<int>> monthPages;
  std::vector<double> dayPages;
  std::vector<RiseSetCall> riseSets;

  AlmanacPageServices Services() {
    AlmanacPageServices services;
    services.buildLunarMonthPage = [this](int y, int m, int d, almanac::LocalDate) {
      monthPages.push_back({y, m, d});
      return std::wstring(L"陰曆 ") + std::to_wstring(y);
    };
    services.buildAlmanacDayPage = [this](double julianDay) {
      dayPages.push_back(julianDay);
      return std::wstring(L"農民曆");
    };
    services.computeRiseSetTimes = [this](engine::RiseSetState& state, double dayNumber,
                                          double longitude, double latitude, double zone) {
      riseSets.push_back({dayNumber, longitude, latitude, zone});
      engine::DayRiseSet& day = state.days[0];
      day.sunriseText = L"06:40:00";
      day.sunTransitText = L"12:10:00";
      day.sunsetText = L"17:40:00";
      day.civilDawnText = L"06:15:00";
      day.civilDuskText = L"18:05:00";
      day.moonriseText = L"--:--:--";
      day.moonTransitText = L"01:02:03";
      day.moonsetText = L"13:00:00";
      day.dayLengthText = L"11:00:00";
      day.civilDaylightText = L"11:50:00";
    };
    return services;
  }
};

// A page opened at 2026-12-10 09:41 in UTC+8.
struct OpenedPage {
  FakePageControls controls;
  RecordingPlatform platform;
  Recorder recorder;
  std::unique_ptr<AlmanacPage> page;

  OpenedPage() {
    platform.workingDirectory = "/w";
    platform.now = {2026, 12, 10, 9, 41, 5, -8.0};
    page = std::make_unique<AlmanacPage>(controls, platform, recorder.Services());
    page->Initialize();
  }
};

TEST(AlmanacPage, OpeningShowsTodayAndTheFirstPlace) {
  OpenedPage opened;
  const FakePageControls& c = opened.controls;
  EXPECT_EQ(c.Text(P::kYearBox), L"2026");
  EXPECT_EQ(c.Text(P::kMonthBox), L"12");
  EXPECT_EQ(c.Text(P::kDayBox), L"10");
  EXPECT_EQ(c.CalendarSelection(P::kCalendar).year, 2026);
  EXPECT_EQ(c.CalendarSelection(P::kCalendar).month, 12);
  EXPECT_EQ(c.CalendarSelection(P::kCalendar).day, 10);
  ASSERT_EQ(c.comboItems.at(P::kProvinceList).size(), 34u);
  EXPECT_EQ(c.comboItems.at(P::kProvinceList)[0], L"臺灣");
  EXPECT_EQ(c.ComboSelection(P::kProvinceList), 0);
  EXPECT_EQ(c.comboItems.at(P::kPlaceList)[0], L"臺北市");
  EXPECT_EQ(c.ComboSelection(P::kPlaceList), 0);
  EXPECT_EQ(c.Text(P::kLongitudeBox), L"121.500000");
  EXPECT_EQ(c.Text(P::kLatitudeBox), L"25.050000");
  EXPECT_EQ(WideToUtf8(c.Text(P::kPlaceLine)), "東經121°30'  北緯25°03'");
  EXPECT_EQ(c.Text(P::kSunLine), L"");
  EXPECT_EQ(c.Text(P::kMoonLine), L"");
  EXPECT_EQ(opened.page->hour(), 9);
  EXPECT_EQ(opened.page->minute(), 41);
  EXPECT_TRUE(opened.platform.launched.empty());
  EXPECT_TRUE(opened.recorder.riseSets.empty());
}

TEST(AlmanacPage, AQueryAfterOpeningUsesTheTimeOfOpening) {
  ScopedWorkingDirectory directory;
  OpenedPage opened;
  opened.page->Command(kQueryButton, ControlEvent::kClicked);
  EXPECT_EQ(opened.recorder.monthPages, (std::vector<std::vector<int>>{{2026, 12, 10}}));
  ASSERT_EQ(opened.recorder.dayPages.size(), 1u);
  EXPECT_EQ(opened.recorder.dayPages[0],
            engine::ComputeJulianDay(2026, 12, 10 + (9 + 41 / 60.0) / 24));
  EXPECT_EQ(ReadFileBytes(directory.path() / "陰曆.htm"), "\xB3\xB1\xBE\xE4 2026");
  EXPECT_EQ(ReadFileBytes(directory.path() / "農民曆.htm"), "\xB9\x41\xA5\xC1\xBE\xE4");
  EXPECT_EQ(opened.platform.launched, std::vector<std::string>{"file:///w/index1.htm"});
  EXPECT_TRUE(opened.controls.messages.empty());
}

TEST(AlmanacPage, AClickFillsTheDateAndShowsTheSunAndMoonLines) {
  ScopedWorkingDirectory directory;
  OpenedPage opened;
  opened.controls.SetCalendarSelection(P::kCalendar, {2024, 2, 10});
  opened.page->CalendarSelected(P::kCalendar);
  EXPECT_EQ(opened.controls.Text(P::kYearBox), L"2024");
  EXPECT_EQ(opened.controls.Text(P::kMonthBox), L"2");
  EXPECT_EQ(opened.controls.Text(P::kDayBox), L"10");
  ASSERT_EQ(opened.recorder.riseSets.size(), 1u);
  const Recorder::RiseSetCall call = opened.recorder.riseSets[0];
  EXPECT_EQ(call.dayNumber, 8806.0);
  EXPECT_EQ(call.longitude, 121.5 / 180 * M_PI);
  EXPECT_EQ(call.latitude, 25.05 / 180 * M_PI);
  EXPECT_EQ(call.zoneHoursWest, -8.0);
  EXPECT_EQ(WideToUtf8(opened.controls.Text(P::kSunLine)),
            "日出:06:40:00 中:12:10:00 落:17:40:00 天亮:06:15:00 天黑:18:05:00");
  EXPECT_EQ(WideToUtf8(opened.controls.Text(P::kMoonLine)),
            "月出:--:--:-- 中:01:02:03 落:13:00:00 日照:11:00:00 白天:11:50:00");
  EXPECT_EQ(opened.page->hour(), 12);
  EXPECT_EQ(opened.page->minute(), 0);
  EXPECT_TRUE(DirectoryNames(directory.path()).empty());
  EXPECT_TRUE(opened.platform.launched.empty());

  // The query after the click uses 2024-02-10 at 12:00.
  opened.page->Command(kQueryButton, ControlEvent::kClicked);
  ASSERT_EQ(opened.recorder.dayPages.size(), 1u);
  EXPECT_EQ(opened.recorder.dayPages[0], engine::ComputeJulianDay(2024, 2, 10.5));
  EXPECT_EQ(opened.recorder.dayPages[0], 2460351.0);

  // 2000-01-01 is day 0.
  opened.controls.SetCalendarSelection(P::kCalendar, {2000, 1, 1});
  opened.page->CalendarSelected(P::kCalendar);
  EXPECT_EQ(opened.recorder.riseSets.back().dayNumber, 0.0);
}

TEST(AlmanacPage, ChoosingHongKongUsesItsCoordinates) {
  OpenedPage opened;
  FakePageControls& c = opened.controls;
  const std::vector<std::wstring>& provinces = c.comboItems.at(P::kProvinceList);
  const auto found = std::find(provinces.begin(), provinces.end(), L"香港");
  ASSERT_NE(found, provinces.end());
  c.SetComboSelection(P::kProvinceList, static_cast<int>(found - provinces.begin()));
  opened.page->Command(P::kProvinceList, ControlEvent::kSelectionChanged);
  const std::vector<std::wstring>& placesOfHongKong = c.comboItems.at(P::kPlaceList);
  const auto hongKong = std::find(placesOfHongKong.begin(), placesOfHongKong.end(), L"香港");
  ASSERT_NE(hongKong, placesOfHongKong.end());
  c.SetComboSelection(P::kPlaceList, static_cast<int>(hongKong - placesOfHongKong.begin()));
  opened.page->Command(P::kPlaceList, ControlEvent::kSelectionChanged);
  EXPECT_EQ(c.Text(P::kLongitudeBox), L"114.083333");
  EXPECT_EQ(c.Text(P::kLatitudeBox), L"22.200000");
  EXPECT_EQ(WideToUtf8(c.Text(P::kPlaceLine)), "東經114°05'  北緯22°12'");
  c.SetCalendarSelection(P::kCalendar, {2024, 2, 10});
  opened.page->CalendarSelected(P::kCalendar);
  ASSERT_EQ(opened.recorder.riseSets.size(), 1u);
  EXPECT_EQ(opened.recorder.riseSets[0].longitude, 114.0833 / 180 * M_PI);
  EXPECT_EQ(opened.recorder.riseSets[0].latitude, 22.2 / 180 * M_PI);
}

TEST(AlmanacPage, ATypedLongitudeIsUsedAndThePlaceLineStays) {
  OpenedPage opened;
  opened.controls.SetText(P::kLongitudeBox, L"100.25");
  opened.controls.SetCalendarSelection(P::kCalendar, {2024, 2, 10});
  opened.page->CalendarSelected(P::kCalendar);
  EXPECT_EQ(opened.recorder.riseSets[0].longitude, 100.25 / 180 * M_PI);
  EXPECT_EQ(WideToUtf8(opened.controls.Text(P::kPlaceLine)), "東經121°30'  北緯25°03'");
}

TEST(AlmanacPage, ACoordinateThatIsNotFiniteIsRefused) {
  struct Case {
    int box;
    std::wstring text;
  };
  const Case cases[] = {{P::kLatitudeBox, L"inf"},
                        {P::kLongitudeBox, L"nan"},
                        {P::kLongitudeBox, L"1e400"},
                        {P::kLatitudeBox, L"-9e999"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.text));
    OpenedPage opened;
    opened.controls.SetText(c.box, c.text);
    opened.controls.SetCalendarSelection(P::kCalendar, {2024, 2, 10});
    opened.page->CalendarSelected(P::kCalendar);
    EXPECT_TRUE(opened.recorder.riseSets.empty());
    EXPECT_EQ(opened.controls.messages, std::vector<std::wstring>{L"經緯度輸入錯誤 !"});
    EXPECT_EQ(opened.controls.Text(P::kSunLine), L"");
  }
}

TEST(AlmanacPage, TodayRestoresTheCurrentTimeAndKeepsTheLines) {
  ScopedWorkingDirectory directory;
  OpenedPage opened;
  opened.controls.SetCalendarSelection(P::kCalendar, {2024, 2, 10});
  opened.page->CalendarSelected(P::kCalendar);
  const std::wstring sunLine = opened.controls.Text(P::kSunLine);
  opened.platform.now.hour = 15;
  opened.platform.now.minute = 7;
  opened.page->Command(P::kTodayButton, ControlEvent::kClicked);
  EXPECT_EQ(opened.page->hour(), 15);
  EXPECT_EQ(opened.page->minute(), 7);
  EXPECT_EQ(opened.controls.Text(P::kYearBox), L"2026");
  EXPECT_EQ(opened.controls.CalendarSelection(P::kCalendar).year, 2026);
  EXPECT_EQ(opened.controls.Text(P::kSunLine), sunLine);
  opened.page->Command(kQueryButton, ControlEvent::kClicked);
  EXPECT_EQ(opened.recorder.dayPages.back(),
            engine::ComputeJulianDay(2026, 12, 10 + (15 + 7 / 60.0) / 24));
}

TEST(AlmanacPage, ATypedDateKeepsTheTimeLastSet) {
  ScopedWorkingDirectory directory;
  OpenedPage opened;
  opened.controls.SetCalendarSelection(P::kCalendar, {2024, 2, 10});
  opened.page->CalendarSelected(P::kCalendar);
  opened.controls.SetText(P::kYearBox, L"1999");
  opened.controls.SetText(P::kMonthBox, L"12");
  opened.controls.SetText(P::kDayBox, L"31");
  opened.page->Command(kQueryButton, ControlEvent::kClicked);
  EXPECT_EQ(opened.recorder.monthPages.back(), (std::vector<int>{1999, 12, 31}));
  EXPECT_EQ(opened.recorder.dayPages.back(), engine::ComputeJulianDay(1999, 12, 31.5));
  EXPECT_EQ(opened.controls.CalendarSelection(P::kCalendar).year, 2024);
}

TEST(AlmanacPage, DatesThePagesDoNotShowAreRefused) {
  struct Case {
    std::wstring year, month, day, message;
  };
  const Case cases[] = {
      {L"10000", L"1", L"1", L"年份輸入錯誤 !"},  {L"2024", L"13", L"1", L"月份輸入錯誤 !"},
      {L"2024", L"0", L"1", L"月份輸入錯誤 !"},   {L"2024", L"abc", L"1", L"月份輸入錯誤 !"},
      {L"2024", L"2", L"30", L"日期輸入錯誤 !"},  {L"2023", L"2", L"29", L"日期輸入錯誤 !"},
      {L"1900", L"2", L"29", L"日期輸入錯誤 !"},  {L"2024", L"4", L"31", L"日期輸入錯誤 !"},
      {L"2024", L"4", L"", L"日期輸入錯誤 !"},    {L"2024", L"4", L"-1", L"日期輸入錯誤 !"},
      {L"1582", L"10", L"10", L"日期輸入錯誤 !"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.year + L"-" + c.month + L"-" + c.day));
    ScopedWorkingDirectory directory;
    OpenedPage opened;
    opened.controls.SetText(P::kYearBox, c.year);
    opened.controls.SetText(P::kMonthBox, c.month);
    opened.controls.SetText(P::kDayBox, c.day);
    opened.page->Command(kQueryButton, ControlEvent::kClicked);
    EXPECT_EQ(opened.controls.messages, std::vector<std::wstring>{c.message});
    EXPECT_TRUE(opened.recorder.monthPages.empty());
    EXPECT_TRUE(opened.recorder.dayPages.empty());
    EXPECT_TRUE(DirectoryNames(directory.path()).empty());
    EXPECT_TRUE(opened.platform.launched.empty());
  }
}

// With no opener to start, the query still writes both pages and the sheet says why nothing
// opens, instead of nothing happening on screen.
TEST(AlmanacPage, AnOpenerThatCannotBeStartedIsReported) {
  ScopedWorkingDirectory directory;
  OpenedPage opened;
  opened.platform.launchError = "cannot start xdg-open: No such file or directory";
  opened.page->Command(kQueryButton, ControlEvent::kClicked);
  // The pages and the document that shows them are written; only the opening fails.
  EXPECT_EQ(DirectoryNames(directory.path()),
            (std::vector<std::string>{"index1.htm", "農民曆.htm", "陰曆.htm"}));
  EXPECT_EQ(opened.controls.messages,
            std::vector<std::wstring>{
                L"無法開啟 index1.htm：cannot start xdg-open: No such file or directory"});
}

TEST(AlmanacPage, APageThatCannotBeWrittenIsReportedAndNothingIsOpened) {
  ScopedWorkingDirectory directory;
  std::filesystem::create_directory(directory.path() / "農民曆.htm");
  OpenedPage opened;
  opened.page->Command(kQueryButton, ControlEvent::kClicked);
  ASSERT_EQ(opened.controls.messages.size(), 1u);
  EXPECT_EQ(opened.controls.messages[0].rfind(L"無法寫入 農民曆.htm：", 0), 0u);
  EXPECT_EQ(ReadFileBytes(directory.path() / "陰曆.htm"), "\xB3\xB1\xBE\xE4 2026");
  EXPECT_TRUE(opened.platform.launched.empty());
}

TEST(AlmanacPage, TypedProvinceTextKeepsThePlace) {
  OpenedPage opened;
  opened.controls.SetComboSelection(P::kProvinceList, -1);
  opened.page->Command(P::kProvinceList, ControlEvent::kSelectionChanged);
  EXPECT_EQ(opened.controls.comboItems.at(P::kPlaceList)[0], L"臺北市");
  EXPECT_EQ(opened.controls.Text(P::kLongitudeBox), L"121.500000");
  // A place list without selection counts as the province's first place.
  opened.controls.SetComboSelection(P::kPlaceList, -1);
  opened.page->Command(P::kPlaceList, ControlEvent::kSelectionChanged);
  EXPECT_EQ(opened.controls.Text(P::kLatitudeBox), L"25.050000");
}

TEST(AlmanacPage, RealRiseAndSetTimesFillBothLines) {
  FakePageControls controls;
  RecordingPlatform platform;
  platform.now = {2024, 2, 10, 8, 0, 0, -8.0};
  almanac::CalendarTables tables;
  AlmanacPage page(controls, platform, StandardAlmanacPageServices(tables));
  page.Initialize();
  controls.SetCalendarSelection(P::kCalendar, {2024, 2, 10});
  page.CalendarSelected(P::kCalendar);
  const std::string sun = WideToUtf8(controls.Text(P::kSunLine));
  const std::string moon = WideToUtf8(controls.Text(P::kMoonLine));
  EXPECT_EQ(sun.rfind("日出:06:", 0), 0u) << sun;
  EXPECT_EQ(moon.rfind("月出:", 0), 0u) << moon;
  EXPECT_NE(moon.find(" 日照:"), std::string::npos) << moon;
}

}  // namespace
}  // namespace shell
