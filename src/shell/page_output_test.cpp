#include "shell/page_output.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "shell/test_support.h"
#include "shell/utf8_text.h"

namespace shell {
namespace {

using testing::ReadFileBytes;
using testing::RecordingPlatform;
using testing::ScopedWorkingDirectory;

TEST(WritePageFile, WritesExactlyTheConvertedPage) {
  ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  const std::wstring page =
      L"<html><head><meta charset=big5></head>\r\n<body>陰曆 历 ok</body></html>\n";
  std::string error;
  ASSERT_TRUE(WritePageFile(platform, page, L"陰曆.htm", error)) << error;
  EXPECT_EQ(ReadFileBytes(directory.path() / "陰曆.htm"),
            "<html><head><meta charset=big5></head>\r\n<body>\xB3\xB1\xBE\xE4 ? "
            "ok</body></html>\n");
  EXPECT_TRUE(platform.launched.empty());
}

TEST(WritePageFile, AsciiAndBig5PagesGiveOneAndTwoBytesACharacter) {
  ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  std::string error;
  ASSERT_TRUE(WritePageFile(platform, std::wstring(1000, L'a'), L"a.htm", error));
  ASSERT_TRUE(WritePageFile(platform, std::wstring(1000, L'曆'), L"b.htm", error));
  EXPECT_EQ(std::filesystem::file_size(directory.path() / "a.htm"), 1000u);
  EXPECT_EQ(std::filesystem::file_size(directory.path() / "b.htm"), 2000u);
}

TEST(WritePageFile, AShortPageAfterALongOneKeepsNoTraceOfIt) {
  ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  std::string error;
  ASSERT_TRUE(WritePageFile(platform, std::wstring(300000, L'萬'), L"八字.htm", error));
  ASSERT_TRUE(WritePageFile(platform, L"短", L"八字重.htm", error));
  EXPECT_EQ(ReadFileBytes(directory.path() / "八字重.htm"), "\xB5\x75");
  EXPECT_EQ(std::filesystem::file_size(directory.path() / "八字.htm"), 600000u);
  // The same name written again is replaced, not appended to.
  ASSERT_TRUE(WritePageFile(platform, L"短", L"八字.htm", error));
  EXPECT_EQ(ReadFileBytes(directory.path() / "八字.htm"), "\xB5\x75");
}

TEST(WritePageFile, APageEndsAtItsFirstZeroCharacter) {
  ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  std::string error;
  ASSERT_TRUE(WritePageFile(platform, std::wstring(L"ab\0cd", 5), L"z.htm", error));
  EXPECT_EQ(ReadFileBytes(directory.path() / "z.htm"), "ab");
}

TEST(WritePageFile, AnEmptyPageLeavesAnEmptyFile) {
  ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  std::string error;
  ASSERT_TRUE(WritePageFile(platform, L"old page", L"八字重.htm", error));
  ASSERT_TRUE(WritePageFile(platform, L"", L"八字重.htm", error));
  EXPECT_TRUE(std::filesystem::exists(directory.path() / "八字重.htm"));
  EXPECT_EQ(std::filesystem::file_size(directory.path() / "八字重.htm"), 0u);
}

TEST(WritePageFile, AFileThatCannotBeWrittenIsReported) {
  ScopedWorkingDirectory directory;
  std::filesystem::create_directory(directory.path() / "萬年曆.htm");
  RecordingPlatform platform;
  std::string error;
  EXPECT_FALSE(WritePageFile(platform, L"page", L"萬年曆.htm", error));
  EXPECT_FALSE(error.empty());
}

TEST(WritePageFile, AMissingConverterIsReported) {
  struct NoConverter : RecordingPlatform {
    std::optional<std::string> ConvertToAnsiCodePage(std::wstring_view) override {
      return std::nullopt;
    }
  };
  ScopedWorkingDirectory directory;
  NoConverter platform;
  std::string error;
  EXPECT_FALSE(WritePageFile(platform, L"page", L"萬年曆.htm", error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(std::filesystem::exists(directory.path() / "萬年曆.htm"));
}

TEST(DocumentAddress, PercentEncodesThePath) {
  struct Case {
    std::string directory;
    std::wstring document;
    std::string address;
  };
  const Case cases[] = {
      {"/home/user/pages", L"index1.htm", "file:///home/user/pages/index1.htm"},
      {"/tmp/a b c", L"index1.htm", "file:///tmp/a%20b%20c/index1.htm"},
      {"/tmp/x#y%z?w", L"index2.htm", "file:///tmp/x%23y%25z%3Fw/index2.htm"},
      {"/tmp/A-Z_a.z~0-9", L"八字.htm", "file:///tmp/A-Z_a.z~0-9/%E5%85%AB%E5%AD%97.htm"},
      {"/home/曆", L"萬年曆.htm", "file:///home/%E6%9B%86/%E8%90%AC%E5%B9%B4%E6%9B%86.htm"},
      {"/srv/pages", L"擇日學/春牛經.htm",
       "file:///srv/pages/%E6%93%87%E6%97%A5%E5%AD%B8/%E6%98%A5%E7%89%9B%E7%B6%93.htm"},
      {"/", L"index1.htm", "file:///index1.htm"},
      {"/tmp/trailing/", L"index1.htm", "file:///tmp/trailing/index1.htm"},
      {"/tmp/semi;colon:plus+and&", L"index1.htm",
       "file:///tmp/semi%3Bcolon%3Aplus%2Band%26/index1.htm"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.directory);
    EXPECT_EQ(DocumentAddress(c.directory, c.document), c.address);
  }
}

TEST(OpenPageInBrowser, GivesTheOpenerTheDocumentAddress) {
  RecordingPlatform platform;
  platform.workingDirectory = "/home/user/My Pages #1/曆";
  std::string error;
  EXPECT_TRUE(OpenPageInBrowser(platform, L"index1.htm", error));
  EXPECT_TRUE(OpenPageInBrowser(platform, L"萬年曆.htm", error));
  ASSERT_EQ(platform.launched.size(), 2u);
  EXPECT_EQ(platform.launched[0], "file:///home/user/My%20Pages%20%231/%E6%9B%86/index1.htm");
  EXPECT_EQ(platform.launched[1],
            "file:///home/user/My%20Pages%20%231/%E6%9B%86/%E8%90%AC%E5%B9%B4%E6%9B%86.htm");
}

TEST(OpenPageInBrowser, AnUnknownWorkingDirectoryOpensNothingAndSaysSo) {
  RecordingPlatform platform;
  platform.workingDirectory.clear();
  std::string error;
  EXPECT_FALSE(OpenPageInBrowser(platform, L"index1.htm", error));
  EXPECT_EQ(error, "the working directory cannot be read");
  EXPECT_TRUE(platform.launched.empty());
}

TEST(OpenPageInBrowser, AnOpenerThatCannotBeStartedIsReported) {
  RecordingPlatform platform;
  platform.launchError = "cannot start xdg-open: No such file or directory";
  std::string error;
  EXPECT_FALSE(OpenPageInBrowser(platform, L"index1.htm", error));
  EXPECT_EQ(error, "cannot start xdg-open: No such file or directory");
}

}  // namespace
}  // namespace shell
