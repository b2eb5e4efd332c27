#include "shell/bone_weight_page_controller.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chart/birth_date.h"
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
using P = BoneWeightPage;

// The arguments of one call of the page builder.
struct BuildCall {
  int year, month, day, hour, minute;
  std::wstring name, sex;
  double longitude;
};

// A page opened at 2026-03-05 07:04 in UTC+8, with a recorder in place of the reading.
struct OpenedPage {
  FakePageControls controls;
  RecordingPlatform platform;
  std::vector<BuildCall> calls;
  std::wstring pageText = L"八字重";
  engine::MonthCalendar calendar;
  std::unique_ptr<BoneWeightPage> page;

  OpenedPage() {
    platform.workingDirectory = "/w";
    platform.now = {2026, 3, 5, 7, 4, 9, -8.0};
    page = std::make_unique<BoneWeightPage>(
        controls, platform, calendar,
        [this](int year, int month, int day, int hour, int minute, const std::wstring& name,
               const std::wstring& sex, double longitude) {
          calls.push_back({year, month, day, hour, minute, name, sex, longitude});
          return pageText;
        });
    page->Initialize();
  }

  void Query() { page->Command(kQueryButton, ControlEvent::kClicked); }

  // The index of a province in the province list, or -1.
  int ProvinceIndex(const std::wstring& name) const {
    const std::vector<std::wstring>& items = controls.comboItems.at(P::kProvinceList);
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i] == name) {
        return static_cast<int>(i);
      }
    }
    return -1;
  }
};

TEST(BoneWeightPage, OpeningShowsNowAndTheFirstPlace) {
  OpenedPage opened;
  const FakePageControls& c = opened.controls;
  EXPECT_EQ(c.Text(P::kYearBox), L"2026");
  EXPECT_EQ(c.Text(P::kMonthBox), L"3");
  EXPECT_EQ(c.Text(P::kDayBox), L"5");
  EXPECT_EQ(c.Text(P::kHourBox), L"7");
  EXPECT_EQ(c.Text(P::kMinuteBox), L"4");
  EXPECT_EQ(c.Text(P::kNameBox), L"");
  EXPECT_EQ(c.comboItems.at(P::kSexList), (std::vector<std::wstring>{L"男", L"女"}));
  EXPECT_EQ(c.ComboSelection(P::kSexList), 0);
  ASSERT_EQ(c.comboItems.at(P::kProvinceList).size(), 34u);
  EXPECT_EQ(c.comboItems.at(P::kProvinceList)[0], L"臺灣");
  EXPECT_EQ(c.ComboSelection(P::kProvinceList), 0);
  EXPECT_EQ(c.comboItems.at(P::kPlaceList)[0], L"臺北市");
  EXPECT_EQ(c.ComboSelection(P::kPlaceList), 0);
  EXPECT_EQ(c.Text(P::kLongitudeBox), L"121.500000");
  EXPECT_EQ(c.Text(P::kLatitudeText), L"25.050000");
  EXPECT_EQ(WideToUtf8(c.Text(P::kPlaceLine)), "東經121°30'  北緯25°03'");
  EXPECT_TRUE(opened.calls.empty());
  EXPECT_TRUE(opened.platform.launched.empty());
}

TEST(BoneWeightPage, AQueryWritesTheReadingAndOpensIndex2) {
  ScopedWorkingDirectory directory;
  OpenedPage opened;
  opened.controls.SetText(P::kNameBox, L"王小明");
  opened.controls.SetComboSelection(P::kSexList, 1);
  opened.Query();
  ASSERT_EQ(opened.calls.size(), 1u);
  const BuildCall& call = opened.calls[0];
  EXPECT_EQ(call.year, 2026);
  EXPECT_EQ(call.month, 3);
  EXPECT_EQ(call.day, 5);
  EXPECT_EQ(call.hour, 7);
  EXPECT_EQ(call.minute, 4);
  EXPECT_EQ(call.name, L"王小明");
  EXPECT_EQ(call.sex, L"女");
  EXPECT_EQ(call.longitude, 121.5);
  EXPECT_EQ(ReadFileBytes(directory.path() / "八字重.htm"), "\xA4\x4B\xA6\x72\xAD\xAB");
  EXPECT_EQ(DirectoryNames(directory.path()),
            (std::vector<std::string>{"index2.htm", "八字重.htm"}));
  EXPECT_EQ(opened.platform.launched, std::vector<std::string>{"file:///w/index2.htm"});
  EXPECT_TRUE(opened.controls.messages.empty());
}

TEST(BoneWeightPage, AnOpenerThatCannotBeStartedIsReported) {
  ScopedWorkingDirectory directory;
  OpenedPage opened;
  opened.platform.launchError = "cannot start xdg-open: No such file or directory";
  opened.Query();
  EXPECT_EQ(DirectoryNames(directory.path()),
            (std::vector<std::string>{"index2.htm", "八字重.htm"}));
  EXPECT_EQ(opened.controls.messages,
            std::vector<std::wstring>{
                L"無法開啟 index2.htm：cannot start xdg-open: No such file or directory"});
}

// An empty reading (a total without a verdict) is written empty and shown all the same.
TEST(BoneWeightPage, AnEmptyReadingIsWrittenEmpty) {
  ScopedWorkingDirectory directory;
  OpenedPage opened;
  opened.pageText.clear();
  opened.Query();
  EXPECT_EQ(ReadFileBytes(directory.path() / "八字重.htm"), "");
  EXPECT_EQ(opened.platform.launched, std::vector<std::string>{"file:///w/index2.htm"});
}

TEST(BoneWeightPage, WhatTheQueryReads) {
  ScopedWorkingDirectory directory;
  OpenedPage opened;
  FakePageControls& c = opened.controls;

  // A name of 40 characters reaches the reading as its first 31.
  const std::wstring forty =
      L"一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十";
  ASSERT_EQ(forty.size(), 40u);
  c.SetText(P::kNameBox, forty);
  // Letters in the hour box read as the hour 0.
  c.SetText(P::kHourBox, L"ab");
  // A sex list into which text was typed has no selection: "男".
  c.SetComboSelection(P::kSexList, -1);
  // "香港" gives the longitude 114.083333, of which the first 8 characters are read.
  const int hongKong = opened.ProvinceIndex(L"香港");
  ASSERT_GE(hongKong, 0);
  c.SetComboSelection(P::kProvinceList, hongKong);
  opened.page->Command(P::kProvinceList, ControlEvent::kSelectionChanged);
  EXPECT_EQ(c.Text(P::kLongitudeBox), L"114.083333");
  opened.Query();

  // A longitude typed into the box wins over the place chosen.
  c.SetText(P::kLongitudeBox, L"100.25");
  opened.Query();

  ASSERT_EQ(opened.calls.size(), 2u);
  EXPECT_EQ(opened.calls[0].name, forty.substr(0, 31));
  EXPECT_EQ(opened.calls[0].hour, 0);
  EXPECT_EQ(opened.calls[0].sex, L"男");
  EXPECT_EQ(opened.calls[0].longitude, 114.0833);
  EXPECT_EQ(opened.calls[1].longitude, 100.25);
  EXPECT_TRUE(c.messages.empty());
}

// A province list with no valid selection keeps the place chosen before; a place list without
// one takes the province's first place.
TEST(BoneWeightPage, ListsWithoutAValidSelection) {
  OpenedPage opened;
  FakePageControls& c = opened.controls;
  const int hongKong = opened.ProvinceIndex(L"香港");
  c.SetComboSelection(P::kProvinceList, hongKong);
  opened.page->Command(P::kProvinceList, ControlEvent::kSelectionChanged);
  const std::wstring placeLine = c.Text(P::kPlaceLine);
  for (const int invalid : {-1, 34, 1000}) {
    c.SetComboSelection(P::kProvinceList, invalid);
    opened.page->Command(P::kProvinceList, ControlEvent::kSelectionChanged);
    EXPECT_EQ(c.Text(P::kLongitudeBox), L"114.083333");
    EXPECT_EQ(c.Text(P::kPlaceLine), placeLine);
  }
  c.SetComboSelection(P::kPlaceList, -1);
  opened.page->Command(P::kPlaceList, ControlEvent::kSelectionChanged);
  EXPECT_EQ(c.Text(P::kLongitudeBox), L"114.083333");
}

// Dates and longitudes that the reading refuses show its message; nothing is written or opened.
// (An empty message marks input that is accepted.)
TEST(BoneWeightPage, RefusedInputShowsItsMessage) {
  struct Case {
    const wchar_t* year;
    const wchar_t* month;
    const wchar_t* day;
    const wchar_t* hour;
    const wchar_t* minute;
    const wchar_t* longitude;
    const wchar_t* message;
  };
  const Case cases[] = {
      {L"2026", L"13", L"1", L"0", L"61", L"121.5", chart::kBirthMonthMessage},
      {L"2026", L"", L"1", L"0", L"0", L"121.5", chart::kBirthMonthMessage},
      {L"2026", L"2", L"29", L"0", L"0", L"121.5", chart::kBirthDayMessage},
      {L"2024", L"4", L"31", L"0", L"0", L"121.5", chart::kBirthDayMessage},
      {L"1582", L"10", L"5", L"0", L"0", L"121.5", chart::kBirthDayMessage},
      // The year box holds a signed whole number of the calendar's years, -4712 .. 9999; "abc"
      // gave the year 0 and "-5" read 0.
      {L"10000", L"1", L"1", L"0", L"0", L"121.5", chart::kBirthYearMessage},
      {L"-4713", L"1", L"1", L"0", L"0", L"121.5", chart::kBirthYearMessage},
      {L"4294967295", L"1", L"1", L"0", L"0", L"121.5", chart::kBirthYearMessage},
      {L"99999999999", L"1", L"1", L"0", L"0", L"121.5", chart::kBirthYearMessage},
      {L"", L"1", L"1", L"0", L"0", L"121.5", chart::kBirthYearMessage},
      {L"abc", L"1", L"1", L"0", L"0", L"121.5", chart::kBirthYearMessage},
      {L"0x7C0", L"1", L"1", L"0", L"0", L"121.5", chart::kBirthYearMessage},
      {L"2026abc", L"1", L"1", L"0", L"0", L"121.5", chart::kBirthYearMessage},
      {L"abc", L"13", L"1", L"0", L"0", L"121.5", chart::kBirthYearMessage},  // the year first
      {L"-5", L"1", L"1", L"0", L"0", L"121.5", L""},
      {L"0", L"1", L"1", L"0", L"0", L"121.5", L""},
      {L"-4712", L"1", L"1", L"0", L"0", L"121.5", L""},
      {L"2026", L"1", L"1", L"25", L"0", L"121.5", chart::kBirthHourMessage},
      // A sign makes a box read 0, as a dialog reads it: hour 0 is accepted.
      {L"2026", L"1", L"1", L"-1", L"0", L"121.5", L""},
      {L"2026", L"1", L"1", L"0", L"61", L"121.5", chart::kBirthMinuteMessage},
      {L"2026", L"1", L"1", L"0", L"0", L"1e300", chart::kBirthLongitudeMessage},
      {L"2026", L"1", L"1", L"0", L"0", L"inf", chart::kBirthLongitudeMessage},
      {L"2026", L"1", L"1", L"0", L"0", L"nan", chart::kBirthLongitudeMessage},
      {L"2026", L"1", L"1", L"0", L"0", L"181", chart::kBirthLongitudeMessage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(std::wstring(c.year) + L"-" + c.month + L"-" + c.day + L" " + c.hour +
                            L":" + c.minute + L" " + c.longitude));
    ScopedWorkingDirectory directory;
    OpenedPage opened;
    opened.controls.SetText(P::kYearBox, c.year);
    opened.controls.SetText(P::kMonthBox, c.month);
    opened.controls.SetText(P::kDayBox, c.day);
    opened.controls.SetText(P::kHourBox, c.hour);
    opened.controls.SetText(P::kMinuteBox, c.minute);
    opened.controls.SetText(P::kLongitudeBox, c.longitude);
    opened.Query();
    if (*c.message == L'\0') {
      EXPECT_EQ(opened.calls.size(), 1u);
      continue;
    }
    EXPECT_EQ(opened.controls.messages, std::vector<std::wstring>{c.message});
    EXPECT_TRUE(opened.calls.empty());
    EXPECT_TRUE(DirectoryNames(directory.path()).empty());
    EXPECT_TRUE(opened.platform.launched.empty());
  }
}

// The year box is read with its sign and blanks around it; the reading gets that year.
TEST(BoneWeightPage, TheYearBoxReadsASignedYear) {
  struct Case {
    const wchar_t* text;
    int year;
  };
  const Case cases[] = {{L"-5", -5}, {L" 1984 ", 1984}, {L"+7", 7}, {L"-4712", -4712}, {L"0", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.text));
    ScopedWorkingDirectory directory;
    OpenedPage opened;
    opened.controls.SetText(P::kYearBox, c.text);
    opened.Query();
    ASSERT_EQ(opened.calls.size(), 1u);
    EXPECT_EQ(opened.calls[0].year, c.year);
    EXPECT_TRUE(opened.controls.messages.empty());
  }
}

}  // namespace
}  // namespace shell
