#include "shell/index_documents.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "shell/almanac_page_controller.h"
#include "shell/bone_weight_page_controller.h"
#include "shell/page_request.h"
#include "shell/test_support.h"
#include "shell/utf8_text.h"

namespace shell {
namespace {

using testing::DecodeCodePage950;
using testing::DirectoryNames;
using testing::FakePageControls;
using testing::ReadFileBytes;
using testing::RecordingPlatform;
using testing::ScopedWorkingDirectory;

TEST(IndexDocuments, DefaultsShowThePagesOfTheirQueries) {
  EXPECT_EQ(WideToUtf8(DefaultIndexDocument(L"index1.htm")),
            "<html><head lang=\"zh-tw\"><META content=\"text/html; charset=big5\" "
            "http-equiv=Content-Type></head><frameset cols=\"50%,50%\"><frame src=\"陰曆.htm\">"
            "<frame src=\"農民曆.htm\"></frameset></html>");
  EXPECT_EQ(WideToUtf8(DefaultIndexDocument(L"index2.htm")),
            "<html><head lang=\"zh-tw\"><META content=\"text/html; charset=big5\" "
            "http-equiv=Content-Type></head><frameset rows=\"100%\"><frame src=\"八字重.htm\">"
            "</frameset></html>");
  EXPECT_EQ(DefaultIndexDocument(L"萬年曆.htm"), L"");
}

TEST(IndexDocuments, AMissingDocumentIsWrittenInBig5) {
  for (const wchar_t* document : {L"index1.htm", L"index2.htm"}) {
    SCOPED_TRACE(WideToUtf8(document));
    ScopedWorkingDirectory directory;
    RecordingPlatform platform;
    std::string error;
    EXPECT_TRUE(ProvideIndexDocument(platform, document, error)) << error;
    const std::string bytes = ReadFileBytes(directory.path() / WideToUtf8(document));
    EXPECT_EQ(bytes, ConvertToCodePage950(DefaultIndexDocument(document)).value());
    EXPECT_EQ(DecodeCodePage950(bytes), DefaultIndexDocument(document));
  }
}

TEST(IndexDocuments, ADocumentThatExistsIsNeverReplaced) {
  ScopedWorkingDirectory directory;
  std::ofstream(directory.path() / "index2.htm") << "my own";
  RecordingPlatform platform;
  std::string error;
  EXPECT_TRUE(ProvideIndexDocument(platform, L"index2.htm", error));
  EXPECT_EQ(ReadFileBytes(directory.path() / "index2.htm"), "my own");
}

// Both queries open their document only once it exists: written when missing, kept otherwise.
TEST(IndexDocuments, QueriesProvideTheDocumentTheyOpen) {
  struct Query {
    const char* document;
    std::function<std::unique_ptr<PageController>(PageControls&, Platform&)> makePage;
  };
  engine::MonthCalendar calendar;
  const Query queries[] = {
      {"index1.htm",
       [](PageControls& controls, Platform& platform) {
         AlmanacPageServices services;
         services.buildLunarMonthPage = [](int, int, int, almanac::LocalDate) {
           return std::wstring(L"月");
         };
         services.buildAlmanacDayPage = [](double) { return std::wstring(L"日"); };
         services.computeRiseSetTimes = [](engine::RiseSetState&, double, double, double, double) {
         };
         return std::make_unique<AlmanacPage>(controls, platform, services);
       }},
      {"index2.htm",
       [&calendar](PageControls& controls, Platform& platform) {
         return std::make_unique<BoneWeightPage>(
             controls, platform, calendar,
             [](int, int, int, int, int, const std::wstring&, const std::wstring&, double) {
               return std::wstring(L"骨");
             });
       }},
  };
  for (const Query& query : queries) {
    SCOPED_TRACE(query.document);
    for (const bool present : {false, true}) {
      ScopedWorkingDirectory directory;
      if (present) {
        std::ofstream(directory.path() / query.document) << "mine";
      }
      FakePageControls controls;
      RecordingPlatform platform;
      platform.workingDirectory = "/w";
      platform.now = {2026, 3, 5, 7, 4, 0, -8.0};
      std::unique_ptr<PageController> page = query.makePage(controls, platform);
      page->Initialize();
      page->Command(kQueryButton, ControlEvent::kClicked);
      const std::string bytes = ReadFileBytes(directory.path() / query.document);
      if (present) {
        EXPECT_EQ(bytes, "mine");
      } else {
        EXPECT_EQ(DecodeCodePage950(bytes), DefaultIndexDocument(Utf8ToWide(query.document)));
      }
      EXPECT_EQ(platform.launched,
                std::vector<std::string>{std::string("file:///w/") + query.document});
      EXPECT_TRUE(controls.messages.empty());
    }
  }
}

// A document that can be neither found nor written (a folder of that name) is reported, and
// nothing is opened.
TEST(IndexDocuments, ADocumentThatCannotBeWrittenIsReported) {
  ScopedWorkingDirectory directory;
  std::filesystem::create_directory(directory.path() / "index2.htm");
  FakePageControls controls;
  RecordingPlatform platform;
  engine::MonthCalendar calendar;
  BoneWeightPage page(controls, platform, calendar,
                      [](int, int, int, int, int, const std::wstring&, const std::wstring&,
                         double) { return std::wstring(L"骨"); });
  page.Initialize();
  page.Command(kQueryButton, ControlEvent::kClicked);
  ASSERT_EQ(controls.messages.size(), 1u);
  EXPECT_EQ(WideToUtf8(controls.messages[0]).rfind("無法寫入 index2.htm：", 0), 0u);
  EXPECT_TRUE(platform.launched.empty());
  EXPECT_EQ(DirectoryNames(directory.path()),
            (std::vector<std::string>{"index2.htm", "八字重.htm"}));
}

}  // namespace
}  // namespace shell
