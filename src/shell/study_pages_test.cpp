#include "shell/study_pages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "shell/test_support.h"
#include "shell/utf8_text.h"

namespace shell {
namespace {

using testing::RecordingPlatform;

using testing::FakePageControls;
using testing::MakeDocument;
using testing::ScopedWorkingDirectory;

StudyPage MakeStudyPage(bool fourPillars, PageControls& controls, Platform& platform) {
  return fourPillars ? StudyPage(controls, platform, L"八字學", kFourPillarsStudyButtons)
                     : StudyPage(controls, platform, L"擇日學", kDateSelectionStudyButtons);
}

TEST(StudyPage, ButtonsOpenTheirDocuments) {
  struct Case {
    bool fourPillars;
    int id;
    std::wstring path;
  };
  const Case cases[] = {
      {false, 1021, L"擇日學/春牛經.htm"},  // caption "春年經"
      {false, 1023, L"擇日學/氣候.htm"},    // caption "廿四節氣"
      {false, 1015, L"擇日學/擇日用事種類.htm"},  {false, 1028, L"擇日學/關於本程式.htm"},
      {true, 1018, L"八字學/論合化.htm"},  // caption "合化"
      {true, 1034, L"八字學/挈要捷馳玄妙訣.htm"}, {true, 1026, L"八字學/六神篇.htm"},
      {true, 1040, L"八字學/五行元理消息賦.htm"}, {true, 1059, L"八字學/論婦人總訣.htm"},
      {true, 1060, L"八字學/關於本程式.htm"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    ScopedWorkingDirectory directory;
    MakeDocument(directory.path(), WideToUtf8(c.path));
    FakePageControls controls;
    RecordingPlatform platform;
    platform.workingDirectory = "/w";
    StudyPage page = MakeStudyPage(c.fourPillars, controls, platform);
    page.Command(c.id, ControlEvent::kClicked);
    ASSERT_EQ(platform.launched.size(), 1u);
    std::string expected;
    for (unsigned char byte : WideToUtf8(c.path)) {
      static constexpr char kHex[] = "0123456789ABCDEF";
      if (byte < 0x80) {
        expected += static_cast<char>(byte);
      } else {
        expected += '%';
        expected += kHex[byte >> 4];
        expected += kHex[byte & 15];
      }
    }
    EXPECT_EQ(platform.launched[0], "file:///w/" + expected);
    EXPECT_TRUE(controls.messages.empty());
  }
}

// The documents do not come with the program: one that is not in the working directory is named
// in a message instead of being opened.
TEST(StudyPage, AMissingDocumentIsNamedAndNotOpened) {
  ScopedWorkingDirectory directory;
  MakeDocument(directory.path(), "八字學/春牛經.htm");  // the right name in the other folder
  FakePageControls controls;
  RecordingPlatform platform;
  StudyPage dateSelection = MakeStudyPage(false, controls, platform);
  StudyPage fourPillars = MakeStudyPage(true, controls, platform);
  dateSelection.Command(1021, ControlEvent::kClicked);
  fourPillars.Command(1052, ControlEvent::kClicked);
  EXPECT_EQ(controls.messages,
            (std::vector<std::wstring>{L"找不到文件 擇日學/春牛經.htm",
                                       L"找不到文件 八字學/金不換骨髓歌斷.htm"}));
  EXPECT_TRUE(platform.launched.empty());
}

TEST(StudyPage, AnOpenerThatCannotBeStartedIsReported) {
  ScopedWorkingDirectory directory;
  MakeDocument(directory.path(), "擇日學/氣候.htm");
  FakePageControls controls;
  RecordingPlatform platform;
  platform.launchError = "cannot start xdg-open: No such file or directory";
  StudyPage page = MakeStudyPage(false, controls, platform);
  page.Command(1023, ControlEvent::kClicked);
  EXPECT_EQ(controls.messages,
            std::vector<std::wstring>{
                L"無法開啟 擇日學/氣候.htm：cannot start xdg-open: No such file or directory"});
}

TEST(StudyPage, IdsWithoutAButtonOpenNothing) {
  ScopedWorkingDirectory directory;
  FakePageControls controls;
  RecordingPlatform platform;
  StudyPage dateSelection = MakeStudyPage(false, controls, platform);
  StudyPage fourPillars = MakeStudyPage(true, controls, platform);
  for (int id : {1016, 1026, 1, 0, -1}) {
    dateSelection.Command(id, ControlEvent::kClicked);
  }
  for (int id : {1016, 1035, 1036, 1037, 1038, 1039, 1}) {
    fourPillars.Command(id, ControlEvent::kClicked);
  }
  EXPECT_TRUE(platform.launched.empty());
  EXPECT_TRUE(controls.messages.empty());
}

TEST(StudyPage, TheTablesHoldTheirDocuments) {
  std::set<int> ids;
  std::set<std::wstring> documents;
  for (const StudyButton& button : kDateSelectionStudyButtons) {
    ids.insert(button.id);
    documents.insert(button.document);
    EXPECT_NE(button.caption[0], L'\0');
  }
  EXPECT_EQ(ids.size(), 12u);
  EXPECT_EQ(documents.size(), 12u);

  ids.clear();
  documents.clear();
  std::set<std::wstring> visibleDocuments;
  std::set<std::pair<int, int>> cells;
  int hidden = 0;
  for (const StudyButton& button : kFourPillarsStudyButtons) {
    ids.insert(button.id);
    documents.insert(button.document);
    cells.insert({button.column, button.row});
    if (button.caption[0] == L'\0') {
      ++hidden;
      EXPECT_EQ(button.column, 4);
    } else {
      visibleDocuments.insert(button.document);
    }
  }
  EXPECT_EQ(ids.size(), 40u);
  EXPECT_EQ(cells.size(), 40u);
  EXPECT_EQ(hidden, 3);
  EXPECT_EQ(visibleDocuments.size(), 37u);
  EXPECT_EQ(documents.size(), 38u);
}

}  // namespace
}  // namespace shell
