#include "shell/stem_branch_page_controller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
using Page = StemBranchPage;
using Pillars = std::array<std::wstring, 4>;

struct QueryRecorder {
  std::vector<StemBranchQuery> queries;
  StemBranchPageBuilder Builder() {
    return [this](const StemBranchQuery& query) {
      queries.push_back(query);
      return std::wstring(L"chart");
    };
  }
};

TEST(StemBranchPage, Defaults) {
  FakePageControls controls;
  RecordingPlatform platform;
  QueryRecorder recorder;
  Page page(controls, platform, recorder.Builder());
  page.Initialize();
  for (const int box : {1005, 1006, 1007, 1008}) {
    EXPECT_EQ(controls.Text(box), L"甲子");
  }
  EXPECT_EQ(controls.Text(Page::kSingleTextBox), L"");
  EXPECT_EQ(controls.Text(Page::kNameBox), L"");
  EXPECT_EQ(controls.Text(Page::kAnnotationBox), L"");
  const wchar_t* values[] = {L"8", L"5", L"3", L"2", L"1"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(controls.Text(Page::kValueBoxes[i]), values[i]);
  }
  for (const int on : {1017, 1019}) {
    EXPECT_TRUE(controls.IsChecked(on)) << on;
  }
  for (const int off : {1015, 1016, 1018}) {
    EXPECT_FALSE(controls.IsChecked(off)) << off;
  }
  EXPECT_EQ(controls.comboItems[Page::kSexList], (std::vector<std::wstring>{L"男", L"女"}));
  EXPECT_EQ(controls.ComboSelection(Page::kSexList), 0);
  EXPECT_TRUE(platform.launched.empty());
}

TEST(StemBranchPage, AQueryWithNothingChangedWritesAndOpensTheChart) {
  ScopedWorkingDirectory directory;
  FakePageControls controls;
  RecordingPlatform platform;
  platform.workingDirectory = "/w";
  QueryRecorder recorder;
  Page page(controls, platform, recorder.Builder());
  page.Initialize();
  page.Command(kQueryButton, ControlEvent::kClicked);
  ASSERT_EQ(recorder.queries.size(), 1u);
  const StemBranchQuery& query = recorder.queries[0];
  EXPECT_EQ(query.pillarTexts, (Pillars{L"甲子", L"甲子", L"甲子", L"甲子"}));
  EXPECT_EQ(query.name, L"");
  EXPECT_EQ(query.sex, L"男");
  EXPECT_EQ(query.spiritStarBasis, chart::SpiritStarBasis::kYearAndDayBranch);
  EXPECT_EQ(query.earthMonthOption, chart::EarthMonthOption::kEarth);
  EXPECT_EQ(query.values, (chart::SeasonalStrengthValues{8, 5, 3, 2, 1}));
  EXPECT_EQ(query.annotationText, L"");
  EXPECT_EQ(ReadFileBytes(directory.path() / "八字.htm"), "chart");
  EXPECT_EQ(platform.launched, std::vector<std::string>{"file:///w/%E5%85%AB%E5%AD%97.htm"});
}

TEST(StemBranchPage, PillarsFromTheBoxesOrTheSingleText) {
  struct Case {
    std::wstring single;
    Pillars boxes;
    Pillars pillars;
  };
  const Pillars typed = {L"丙寅x", L"丁卯", L"", L"戊辰" + std::wstring(40, L'x')};
  const Case cases[] = {
      {L"", typed, {L"丙寅x", L"丁卯", L"", L"戊辰" + std::wstring(29, L'x')}},
      {L"庚午、辛巳、壬申、癸卯", typed, {L"庚午", L"辛巳", L"壬申", L"癸卯"}},
      {L"庚午 辛巳x壬申?癸卯 and more", typed, {L"庚午", L"辛巳", L"壬申", L"癸卯"}},
      {L"庚午辛巳壬申癸卯", typed, {L"庚午", L"巳壬", L"癸卯", L""}},
      {L" ", typed, {L" ", L"", L"", L""}},
      {L"庚午、辛", typed, {L"庚午", L"辛", L"", L""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.single));
    FakePageControls controls;
    RecordingPlatform platform;
    QueryRecorder recorder;
    Page page(controls, platform, recorder.Builder());
    page.Initialize();
    controls.SetText(Page::kSingleTextBox, c.single);
    for (int p = 0; p < 4; ++p) {
      controls.SetText(Page::kPillarBoxes[p], c.boxes[p]);
    }
    EXPECT_EQ(page.ReadQuery().pillarTexts, c.pillars);
  }
}

TEST(StemBranchPage, SplitSinglePillarText) {
  EXPECT_EQ(SplitSinglePillarText(L""), (Pillars{}));
  EXPECT_EQ(SplitSinglePillarText(L"甲"), (Pillars{L"甲", L"", L"", L""}));
  EXPECT_EQ(SplitSinglePillarText(L"甲子、乙丑、丙寅、丁"), (Pillars{L"甲子", L"乙丑", L"丙寅", L"丁"}));
  // Only the first 63 characters are read, so nothing beyond can matter; positions past 11 never do.
  EXPECT_EQ(SplitSinglePillarText(L"甲子、乙丑、丙寅、丁卯" + std::wstring(100, L'x')),
            (Pillars{L"甲子", L"乙丑", L"丙寅", L"丁卯"}));
}

TEST(StemBranchPage, SettingsAsTheControlsShowThem) {
  FakePageControls controls;
  RecordingPlatform platform;
  QueryRecorder recorder;
  Page page(controls, platform, recorder.Builder());
  page.Initialize();
  controls.SetChecked(1019, false);
  controls.SetChecked(1018, true);
  controls.SetChecked(1017, false);
  controls.SetChecked(1015, true);
  controls.SetText(1026, L"");
  controls.SetComboSelection(Page::kSexList, 1);
  controls.SetText(Page::kNameBox, std::wstring(35, L'名'));
  controls.SetText(Page::kAnnotationBox, std::wstring(2000, L'注'));
  const StemBranchQuery query = page.ReadQuery();
  EXPECT_EQ(query.earthMonthOption, chart::EarthMonthOption::kWoodFireMetalWater);
  EXPECT_EQ(query.spiritStarBasis, chart::SpiritStarBasis::kYearBranch);
  EXPECT_EQ(query.values, (chart::SeasonalStrengthValues{8, 5, 3, 0, 1}));
  EXPECT_EQ(query.sex, L"女");
  EXPECT_EQ(query.name, std::wstring(31, L'名'));
  EXPECT_EQ(query.annotationText, std::wstring(1023, L'注'));
  controls.SetComboSelection(Page::kSexList, -1);
  EXPECT_EQ(page.ReadQuery().sex, L"男");
}

TEST(StemBranchPage, AFileThatCannotBeWrittenIsReportedAndNotOpened) {
  ScopedWorkingDirectory directory;
  std::filesystem::create_directory(directory.path() / "八字.htm");
  FakePageControls controls;
  RecordingPlatform platform;
  QueryRecorder recorder;
  Page page(controls, platform, recorder.Builder());
  page.Initialize();
  page.Command(kQueryButton, ControlEvent::kClicked);
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(controls.messages[0].rfind(L"無法寫入 八字.htm：", 0), 0u);
  EXPECT_TRUE(platform.launched.empty());
  page.Command(1005, ControlEvent::kClicked);  // not a button of the page
  EXPECT_EQ(recorder.queries.size(), 1u);
}

}  // namespace
}  // namespace shell
