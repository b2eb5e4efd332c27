#include "shell/four_pillars_page_controller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "places/place_selection.h"
#include "shell/chart_page_builders.h"
#include "shell/dialog_numbers.h"
#include "shell/page_request.h"
#include "shell/test_support.h"
#include "shell/utf8_text.h"
#include "vocabulary/number_text.h"

namespace shell {
namespace {

using testing::DirectoryNames;
using testing::FakePageControls;
using testing::ReadFileBytes;
using testing::RecordingPlatform;
using testing::ScopedWorkingDirectory;
using Page = FourPillarsPage;

// The queries the page asked pages for; each page names its query's name.
struct QueryRecorder {
  std::vector<FourPillarsQuery> queries;
  std::wstring reply = L"chart";
  FourPillarsPageBuilder Builder() {
    return [this](const FourPillarsQuery& query) {
      queries.push_back(query);
      return reply;
    };
  }
};

class FourPillarsPageTest : public ::testing::Test {
 protected:
  FourPillarsPageTest() : page_(controls_, platform_, recorder_.Builder()) {
    platform_.now = {2024, 2, 10, 8, 30, 0, -8.0};
    platform_.workingDirectory = "/w";
    page_.Initialize();
  }

  // "查詢" with the controls as they are; the query it passed.
  FourPillarsQuery Query() {
    page_.Command(kQueryButton, ControlEvent::kClicked);
    EXPECT_FALSE(recorder_.queries.empty());
    return recorder_.queries.empty() ? FourPillarsQuery{} : recorder_.queries.back();
  }

  ScopedWorkingDirectory directory_;
  FakePageControls controls_;
  RecordingPlatform platform_;
  QueryRecorder recorder_;
  Page page_;
};

TEST_F(FourPillarsPageTest, Defaults) {
  EXPECT_EQ(controls_.Text(Page::kYearBox), L"2024");
  EXPECT_EQ(controls_.Text(Page::kMonthBox), L"2");
  EXPECT_EQ(controls_.Text(Page::kDayBox), L"10");
  EXPECT_EQ(controls_.Text(Page::kHourBox), L"8");
  EXPECT_EQ(controls_.Text(Page::kMinuteBox), L"30");
  EXPECT_EQ(controls_.Text(Page::kNameBox), L"");
  EXPECT_EQ(controls_.Text(Page::kAnnotationBox), L"");
  const wchar_t* values[] = {L"8", L"5", L"3", L"2", L"1"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(controls_.Text(Page::kValueBoxes[i]), values[i]);
  }
  EXPECT_EQ(Page::kValueBoxes[0], 1033);
  EXPECT_EQ(Page::kValueBoxes[4], 1011);
  for (const int on : {1017, 1019, 1024}) {
    EXPECT_TRUE(controls_.IsChecked(on)) << on;
  }
  for (const int off : {1015, 1016, 1018, 1020, 1021, 1022, 1023, 1025}) {
    EXPECT_FALSE(controls_.IsChecked(off)) << off;
  }
  EXPECT_EQ(controls_.comboItems[Page::kSexList], (std::vector<std::wstring>{L"男", L"女"}));
  EXPECT_EQ(controls_.ComboSelection(Page::kSexList), 0);
  EXPECT_EQ(controls_.comboItems[Page::kProvinceList].size(), 34u);
  EXPECT_EQ(controls_.comboItems[Page::kProvinceList][0], L"臺灣");
  EXPECT_EQ(controls_.ComboSelection(Page::kProvinceList), 0);
  EXPECT_EQ(controls_.comboItems[Page::kPlaceList][0], L"臺北市");
  EXPECT_EQ(controls_.ComboSelection(Page::kPlaceList), 0);
  EXPECT_EQ(controls_.Text(Page::kLongitudeBox), L"121.500000");
  EXPECT_EQ(controls_.Text(Page::kLatitudeText), L"25.050000");
  EXPECT_TRUE(recorder_.queries.empty());
  EXPECT_TRUE(platform_.launched.empty());
}

TEST_F(FourPillarsPageTest, AQueryWithNothingChangedWritesAndOpensTheChart) {
  const FourPillarsQuery query = Query();
  EXPECT_EQ(query.year, 2024);
  EXPECT_EQ(query.month, 2);
  EXPECT_EQ(query.day, 10);
  EXPECT_EQ(query.hour, 8);
  EXPECT_EQ(query.minute, 30);
  EXPECT_EQ(query.name, L"");
  EXPECT_EQ(query.sex, L"男");
  EXPECT_EQ(query.spiritStarBasis, chart::SpiritStarBasis::kYearAndDayBranch);
  EXPECT_EQ(query.yearChangeRule, chart::YearChangeRule::kBeginningOfSpring);
  EXPECT_EQ(query.scheme, chart::MonthCommandDivisionScheme::kTongKao);
  EXPECT_EQ(query.values, (chart::SeasonalStrengthValues{8, 5, 3, 2, 1}));
  EXPECT_EQ(query.annotationText, L"");
  EXPECT_EQ(query.longitude, 121.5);
  EXPECT_EQ(DirectoryNames(directory_.path()), std::vector<std::string>{"八字.htm"});
  EXPECT_EQ(ReadFileBytes(directory_.path() / "八字.htm"), "chart");
  EXPECT_EQ(platform_.launched, std::vector<std::string>{"file:///w/%E5%85%AB%E5%AD%97.htm"});
  EXPECT_TRUE(controls_.messages.empty());
}

TEST_F(FourPillarsPageTest, SettingsAsTheControlsShowThem) {
  struct Case {
    const char* what;
    std::function<void(FakePageControls&)> change;
    std::function<void(const FourPillarsQuery&)> check;
  };
  const Case cases[] = {
      {"冬至",
       [](FakePageControls& c) {
         c.SetChecked(1019, false);
         c.SetChecked(1018, true);
       },
       [](const FourPillarsQuery& q) {
         EXPECT_EQ(q.yearChangeRule, chart::YearChangeRule::kWinterSolstice);
       }},
      {"旺相",
       [](FakePageControls& c) {
         c.SetChecked(1024, false);
         c.SetChecked(1020, true);
       },
       [](const FourPillarsQuery& q) {
         EXPECT_EQ(q.scheme, chart::MonthCommandDivisionScheme::kSeasonalState);
       }},
      {"新論",
       [](FakePageControls& c) {
         c.SetChecked(1024, false);
         c.SetChecked(1025, true);
       },
       [](const FourPillarsQuery& q) {
         EXPECT_EQ(q.scheme, chart::MonthCommandDivisionScheme::kXinLun);
       }},
      {"no scheme", [](FakePageControls& c) { c.SetChecked(1024, false); },
       [](const FourPillarsQuery& q) {
         EXPECT_EQ(q.scheme, chart::MonthCommandDivisionScheme::kSeasonalState);
       }},
      {"日",
       [](FakePageControls& c) {
         c.SetChecked(1017, false);
         c.SetChecked(1016, true);
       },
       [](const FourPillarsQuery& q) {
         EXPECT_EQ(q.spiritStarBasis, chart::SpiritStarBasis::kDayBranch);
       }},
      {"年",
       [](FakePageControls& c) {
         c.SetChecked(1017, false);
         c.SetChecked(1015, true);
       },
       [](const FourPillarsQuery& q) {
         EXPECT_EQ(q.spiritStarBasis, chart::SpiritStarBasis::kYearBranch);
       }},
      {"empty and letter value boxes",
       [](FakePageControls& c) {
         c.SetText(1028, L"");
         c.SetText(1011, L"x");
         c.SetText(1033, L"-3");
       },
       [](const FourPillarsQuery& q) {
         EXPECT_EQ(q.values, (chart::SeasonalStrengthValues{0, 0, 3, 2, 0}));
       }},
      {"a value past the int range",
       [](FakePageControls& c) { c.SetText(1027, L"99999999999"); },
       [](const FourPillarsQuery& q) { EXPECT_EQ(q.values[2], INT_MAX); }},
      {"女", [](FakePageControls& c) { c.SetComboSelection(1032, 1); },
       [](const FourPillarsQuery& q) { EXPECT_EQ(q.sex, L"女"); }},
      {"text typed into the sex list", [](FakePageControls& c) { c.SetComboSelection(1032, -1); },
       [](const FourPillarsQuery& q) { EXPECT_EQ(q.sex, L"男"); }},
      {"a long name",
       [](FakePageControls& c) { c.SetText(1009, std::wstring(40, L'王') + L"x"); },
       [](const FourPillarsQuery& q) { EXPECT_EQ(q.name, std::wstring(31, L'王')); }},
      {"a long annotation with line breaks",
       [](FakePageControls& c) { c.SetText(1013, L"一\r\n二\n" + std::wstring(2000, L'注')); },
       [](const FourPillarsQuery& q) {
         EXPECT_EQ(q.annotationText.size(), 1023u);
         EXPECT_EQ(q.annotationText.substr(0, 5), L"一\r\n二\n");
       }},
      {"birth numbers",
       [](FakePageControls& c) {
         c.SetText(1005, L"1984");
         c.SetText(1006, L"13");
         c.SetText(1007, L"abc");
         c.SetText(1008, L"");
         c.SetText(1010, L"4294967295");
       },
       [](const FourPillarsQuery& q) {
         EXPECT_EQ(q.year, 1984);
         EXPECT_EQ(q.month, 13);
         EXPECT_EQ(q.day, 0);
         EXPECT_EQ(q.hour, 0);
         EXPECT_EQ(q.minute, INT_MAX);
       }},
      {"a longitude typed", [](FakePageControls& c) { c.SetText(1065, L"87.600000123"); },
       [](const FourPillarsQuery& q) { EXPECT_EQ(q.longitude, 87.6); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakePageControls controls;
    RecordingPlatform platform;
    QueryRecorder recorder;
    FourPillarsPage page(controls, platform, recorder.Builder());
    page.Initialize();
    c.change(controls);
    c.check(page.ReadQuery());
  }
}

// The year box is read with its sign; a box that holds no whole number gives a year that the
// entry refuses with "生日年份輸入錯誤 !".
TEST_F(FourPillarsPageTest, TheYearBoxReadsASignedWholeNumber) {
  struct Case {
    const wchar_t* text;
    int year;
  };
  const Case cases[] = {
      {L"-5", -5},
      {L" 1984 ", 1984},
      {L"+7", 7},
      {L"0", 0},
      {L"-4713", -4713},  // a whole number; the entry refuses it for its range
      {L"", kUnreadBirthYear},
      {L"abc", kUnreadBirthYear},
      {L"0x7C0", kUnreadBirthYear},
      {L"1984abc", kUnreadBirthYear},
      {L"1984.0", kUnreadBirthYear},
      {L"- 5", kUnreadBirthYear},
      {L"99999999999", kUnreadBirthYear},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.text));
    controls_.SetText(Page::kYearBox, c.text);
    EXPECT_EQ(page_.ReadQuery().year, c.year);
  }
  ChartPageBuilders charts;
  FourPillarsQuery unread = page_.ReadQuery();
  EXPECT_TRUE(charts.BuildBirthChartPage(unread) == L"生日年份輸入錯誤 !");
}

TEST_F(FourPillarsPageTest, PlaceLists) {
  const int province = 5;
  controls_.SetComboSelection(Page::kProvinceList, province);
  page_.Command(Page::kProvinceList, ControlEvent::kSelectionChanged);
  EXPECT_EQ(controls_.comboItems[Page::kPlaceList], places::PlaceList(province));
  controls_.SetComboSelection(Page::kPlaceList, 2);
  page_.Command(Page::kPlaceList, ControlEvent::kSelectionChanged);
  const places::PlacePosition chosen = places::PlaceCoordinates(province, 2);
  EXPECT_EQ(controls_.Text(Page::kLongitudeBox), vocabulary::FixedText(chosen.longitude));
  EXPECT_EQ(controls_.Text(Page::kLatitudeText), vocabulary::FixedText(chosen.latitude));

  // Text typed into the province list: no province, the chosen place stays.
  controls_.SetComboSelection(Page::kProvinceList, -1);
  page_.Command(Page::kProvinceList, ControlEvent::kSelectionChanged);
  EXPECT_EQ(controls_.comboItems[Page::kPlaceList], places::PlaceList(province));
  EXPECT_EQ(controls_.Text(Page::kLongitudeBox), vocabulary::FixedText(chosen.longitude));
  controls_.SetComboSelection(Page::kProvinceList, 34);
  page_.Command(Page::kProvinceList, ControlEvent::kSelectionChanged);
  EXPECT_EQ(controls_.Text(Page::kLongitudeBox), vocabulary::FixedText(chosen.longitude));

  // Text typed into the place list: the province's first place.
  controls_.SetComboSelection(Page::kPlaceList, -1);
  page_.Command(Page::kPlaceList, ControlEvent::kSelectionChanged);
  EXPECT_EQ(controls_.Text(Page::kLongitudeBox),
            vocabulary::FixedText(places::PlaceCoordinates(province, 0).longitude));
  // The box holds six decimals, of which a query reads the first 8 characters.
  EXPECT_NEAR(Query().longitude, places::PlaceCoordinates(province, 0).longitude, 1e-4);
}

TEST_F(FourPillarsPageTest, ARejectedBirthIsWrittenAndOpenedLikeAChart) {
  recorder_.reply = L"生日月份輸入錯誤 !";
  controls_.SetText(Page::kMonthBox, L"13");
  EXPECT_EQ(Query().month, 13);
  EXPECT_EQ(ReadFileBytes(directory_.path() / "八字.htm"),
            ConvertToCodePage950(L"生日月份輸入錯誤 !").value());
  EXPECT_EQ(platform_.launched.size(), 1u);
}

TEST_F(FourPillarsPageTest, AFileThatCannotBeWrittenIsReportedAndNotOpened) {
  std::filesystem::create_directory(directory_.path() / "八字.htm");
  Query();
  ASSERT_EQ(controls_.messages.size(), 1u);
  EXPECT_EQ(controls_.messages[0].rfind(L"無法寫入 八字.htm：", 0), 0u);
  EXPECT_TRUE(platform_.launched.empty());
}

TEST_F(FourPillarsPageTest, OtherControlsDoNothing) {
  page_.Command(Page::kYearBox, ControlEvent::kClicked);
  page_.Command(1020, ControlEvent::kClicked);
  EXPECT_TRUE(recorder_.queries.empty());
  EXPECT_TRUE(DirectoryNames(directory_.path()).empty());
}

}  // namespace
}  // namespace shell
