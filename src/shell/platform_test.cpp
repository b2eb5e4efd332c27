#include "shell/platform.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "shell/test_support.h"
#include "shell/utf8_text.h"

namespace shell {
namespace {

TEST(ConvertToCodePage950, AsciiKeepsOneBytePerCharacter) {
  std::wstring page;
  for (wchar_t c = 1; c < 0x80; ++c) {
    page += c;
  }
  const auto bytes = ConvertToCodePage950(page);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(bytes->size(), page.size());
  for (std::size_t i = 0; i < page.size(); ++i) {
    EXPECT_EQ(static_cast<unsigned char>((*bytes)[i]), static_cast<unsigned>(page[i]));
  }
}

TEST(ConvertToCodePage950, KnownTextsGiveTheirBig5Bytes) {
  struct Case {
    std::wstring text;
    std::string bytes;
  };
  const Case cases[] = {
      {L"萬年曆", "\xB8\x55\xA6\x7E\xBE\xE4"},
      {L"陰曆", "\xB3\xB1\xBE\xE4"},
      {L"吉凶曆", "\xA6\x4E\xA4\xBF\xBE\xE4"},
      {L"charset=big5\r\n", "charset=big5\r\n"},
      {L"甲子", "\xA5\xD2\xA4\x6C"},
      {L"€", "\xA3\xE1"},  // a code page 950 addition to Big5
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.text));
    EXPECT_EQ(ConvertToCodePage950(c.text), c.bytes);
  }
}

TEST(ConvertToCodePage950, BigCharactersTakeTwoBytes) {
  const std::wstring page = L"農民曆萬年曆八字重袁天罡稱骨術干支排盤擇日學";
  const auto bytes = ConvertToCodePage950(page);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(bytes->size(), 2 * page.size());
}

TEST(ConvertToCodePage950, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  struct Case {
    std::wstring text;
    std::string bytes;
  };
  const Case cases[] = {
      {L"历", "?"},  // simplified form, not in Big5
      {L"a历b", "a?b"},
      {L"陰历曆", "\xB3\xB1?\xBE\xE4"},
      {L"𠀀😀", "??"},  // beyond the Basic Multilingual Plane
      {std::wstring{L'x', static_cast<wchar_t>(0xD800), L'y'}, "x?y"},  // no scalar value
      {std::wstring{static_cast<wchar_t>(0x110000)}, "?"},
      // Tag characters, which the converter alone would drop (found by fuzzing).
      {std::wstring{L'a', static_cast<wchar_t>(0xE0001), L'b'}, "a?b"},
      {std::wstring{static_cast<wchar_t>(0xE0000), static_cast<wchar_t>(0xE007F)}, "??"},
      {L"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.text));
    EXPECT_EQ(ConvertToCodePage950(c.text), c.bytes);
  }
}

TEST(ConvertToCodePage950, PagesBeyondFourHundredKilobytesConvertWhole) {
  // 300,000 Big5 characters give 600,000 bytes, more than a fixed 409,600-byte buffer would hold.
  const std::wstring page = std::wstring(299999, L'曆') + L"历";
  const auto bytes = ConvertToCodePage950(page);
  ASSERT_TRUE(bytes.has_value());
  ASSERT_EQ(bytes->size(), 2 * 299999u + 1);
  EXPECT_EQ(bytes->substr(0, 2), "\xBE\xE4");
  EXPECT_EQ(bytes->substr(2 * 299998), "\xBE\xE4?");
}

TEST(SystemPlatform, WritesExactlyTheBytesAndReplacesTheFile) {
  testing::ScopedWorkingDirectory directory;
  SystemPlatform platform;
  std::string error;
  const std::string first = std::string("line\r\n\x00\xFF", 8) + "more";
  ASSERT_TRUE(platform.WriteWholeFile(L"萬年曆.htm", first, error)) << error;
  EXPECT_EQ(testing::ReadFileBytes(directory.path() / "萬年曆.htm"), first);
  ASSERT_TRUE(platform.WriteWholeFile(L"萬年曆.htm", "ab", error)) << error;
  EXPECT_EQ(testing::ReadFileBytes(directory.path() / "萬年曆.htm"), "ab");
  ASSERT_TRUE(platform.WriteWholeFile(L"萬年曆.htm", "", error)) << error;
  EXPECT_TRUE(std::filesystem::exists(directory.path() / "萬年曆.htm"));
  EXPECT_EQ(std::filesystem::file_size(directory.path() / "萬年曆.htm"), 0u);
}

TEST(SystemPlatform, ReportsAFileThatCannotBeWritten) {
  testing::ScopedWorkingDirectory directory;
  std::filesystem::create_directory(directory.path() / "八字.htm");
  SystemPlatform platform;
  std::string error;
  EXPECT_FALSE(platform.WriteWholeFile(L"八字.htm", "page", error));
  EXPECT_FALSE(error.empty());
  error.clear();
  EXPECT_FALSE(platform.WriteWholeFile(L"no such folder/八字.htm", "page", error));
  EXPECT_FALSE(error.empty());
}

// A write that fails on the way, here at the file size limit, leaves the file as it was and no
// partial file beside it.
TEST(SystemPlatform, AFailedWriteKeepsThePreviousFileWhole) {
  testing::ScopedWorkingDirectory directory;
  SystemPlatform platform;
  std::string error;
  const std::string previous(3000, 'a');
  ASSERT_TRUE(platform.WriteWholeFile(L"陰曆.htm", previous, error)) << error;
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit limited = saved;
  limited.rlim_cur = 1024;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
  const bool written = platform.WriteWholeFile(L"陰曆.htm", std::string(5000, 'b'), error);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);
  EXPECT_FALSE(written);
  EXPECT_EQ(error, "File too large");
  EXPECT_EQ(testing::ReadFileBytes(directory.path() / "陰曆.htm"), previous);
  EXPECT_EQ(testing::DirectoryNames(directory.path()), std::vector<std::string>{"陰曆.htm"});
}

TEST(SystemPlatform, ANewFileTakesThePermissionsTheUmaskLeaves) {
  testing::ScopedWorkingDirectory directory;
  SystemPlatform platform;
  std::string error;
  const mode_t previous = ::umask(022);
  const bool written = platform.WriteWholeFile(L"八字.htm", "page", error);
  ::umask(previous);
  ASSERT_TRUE(written) << error;
  struct stat status {};
  ASSERT_EQ(::stat((directory.path() / "八字.htm").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0644u);
}

// A page written again keeps the permissions its file was given.
TEST(SystemPlatform, AReplacedFileKeepsItsPermissions) {
  testing::ScopedWorkingDirectory directory;
  SystemPlatform platform;
  std::string error;
  ASSERT_TRUE(platform.WriteWholeFile(L"八字.htm", "page", error)) << error;
  ASSERT_EQ(::chmod((directory.path() / "八字.htm").c_str(), 0600), 0);
  ASSERT_TRUE(platform.WriteWholeFile(L"八字.htm", "new page", error)) << error;
  struct stat status {};
  ASSERT_EQ(::stat((directory.path() / "八字.htm").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0600u);
  EXPECT_EQ(testing::ReadFileBytes(directory.path() / "八字.htm"), "new page");
}

TEST(SystemPlatform, DocumentExistsLooksInTheWorkingDirectory) {
  testing::ScopedWorkingDirectory directory;
  std::filesystem::create_directory(directory.path() / "擇日學");
  std::ofstream(directory.path() / "擇日學" / "氣候.htm") << "x";
  std::filesystem::create_directory(directory.path() / "index1.htm");
  SystemPlatform platform;
  EXPECT_TRUE(platform.DocumentExists(L"擇日學/氣候.htm"));
  EXPECT_FALSE(platform.DocumentExists(L"擇日學/春牛經.htm"));
  EXPECT_FALSE(platform.DocumentExists(L"八字學/氣候.htm"));
  EXPECT_FALSE(platform.DocumentExists(L"index1.htm"));  // a folder is no document
}

TEST(SystemPlatform, WorkingDirectoryIsTheAbsolutePath) {
  testing::ScopedWorkingDirectory directory("a b#c 萬年曆");
  SystemPlatform platform;
  EXPECT_EQ(platform.WorkingDirectory(), std::filesystem::current_path().string());
  EXPECT_EQ(platform.WorkingDirectory().substr(0, 1), "/");
  EXPECT_NE(platform.WorkingDirectory().find("/a b#c 萬年曆"), std::string::npos);
}

TEST(SystemPlatform, LocalTimeFollowsTheZoneWithoutDaylightSaving) {
  SystemPlatform platform;
  const char* previous = std::getenv("TZ");
  const std::string saved = previous != nullptr ? previous : "";
  struct Case {
    const char* zone;
    double hoursWest;
  };
  // POSIX zone rules, so no zone database need be installed; the New York rule has summer time,
  // which is never added.
  const Case cases[] = {{"CST-8", -8.0},
                        {"UTC0", 0.0},
                        {"EST5EDT,M3.2.0,M11.1.0", 5.0},
                        {"IST-5:30", -5.5},
                        {"<+1345>-13:45<+1445>,M9.5.0/2:45,M4.1.0/3:45", -13.75}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.zone);
    ::setenv("TZ", c.zone, 1);
    const LocalTime now = platform.CurrentLocalTime();
    EXPECT_EQ(now.zoneHoursWest, c.hoursWest);
    EXPECT_GE(now.year, 2024);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_GE(now.day, 1);
    EXPECT_LE(now.day, 31);
  }
  if (previous != nullptr) {
    ::setenv("TZ", saved.c_str(), 1);
  } else {
    ::unsetenv("TZ");
  }
}

}  // namespace
}  // namespace shell
