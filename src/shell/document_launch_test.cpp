// The real opener, started through TAVREL_OPEN with a recording script in place of a browser.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "shell/page_output.h"
#include "shell/platform.h"
#include "shell/test_support.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

// Waits for a file to appear, giving up after about a minute so that a loaded machine is waited
// for but a lost opener cannot hang the test.
bool AwaitFile(const fs::path& path) {
  for (int i = 0; i < 6000 && !fs::exists(path); ++i) {
    ::usleep(10000);
  }
  return fs::exists(path);
}

// A script that records its one argument in "address", then holds until the file "go" appears
// and leaves "done" behind; TAVREL_OPEN names it while the fixture lives.
class DocumentLaunch : public ::testing::Test {
 protected:
  void SetUp() override {
    records_ = fs::current_path();
    const fs::path script = records_ / "opener.sh";
    std::ofstream(script) << "#!/bin/sh\n"
                          << "printf '%s' \"$1\" > '" << (records_ / "address.part").string()
                          << "'\n"
                          << "mv '" << (records_ / "address.part").string() << "' '"
                          << (records_ / "address").string() << "'\n"
                          << "i=0\n"
                          << "while [ ! -e '" << (records_ / "go").string()
                          << "' ] && [ $i -lt 1200 ]; do sleep 0.05; i=$((i+1)); done\n"
                          << ": > '" << (records_ / "done").string() << "'\n";
    fs::permissions(script, fs::perms::owner_all);
    ::setenv("TAVREL_OPEN", script.c_str(), 1);
  }
  void TearDown() override {
    // Lets a script still waiting finish at once.
    std::ofstream(records_ / "go").put('\n');
    if (fs::exists(records_ / "address")) {
      AwaitFile(records_ / "done");
    }
    ::unsetenv("TAVREL_OPEN");
  }

  testing::ScopedWorkingDirectory recordsDirectory_;
  fs::path records_;
};

TEST_F(DocumentLaunch, TheOpenerReceivesTheEncodedAddress) {
  testing::ScopedWorkingDirectory pages("a b#c 萬年曆");
  SystemPlatform platform;
  std::string error;
  ASSERT_TRUE(OpenPageInBrowser(platform, L"萬年曆.htm", error)) << error;
  ASSERT_TRUE(AwaitFile(records_ / "address"));
  const std::string base = fs::current_path().parent_path().string();
  EXPECT_EQ(testing::ReadFileBytes(records_ / "address"),
            "file://" + base +
                "/a%20b%23c%20%E8%90%AC%E5%B9%B4%E6%9B%86/%E8%90%AC%E5%B9%B4%E6%9B%86.htm");
}

TEST_F(DocumentLaunch, TheCallerDoesNotWaitForTheOpener) {
  SystemPlatform platform;
  std::string error;
  ASSERT_TRUE(platform.LaunchDocument("file:///tmp/index1.htm", error)) << error;
  // The opener cannot finish before "go" exists, so returning proves no wait.
  EXPECT_FALSE(fs::exists(records_ / "done"));
  ASSERT_TRUE(AwaitFile(records_ / "address"));
  EXPECT_EQ(testing::ReadFileBytes(records_ / "address"), "file:///tmp/index1.htm");
  std::ofstream(records_ / "go").put('\n');
  EXPECT_TRUE(AwaitFile(records_ / "done"));
}

// An opener that cannot be started is reported with the program and the reason: a missing
// program named by TAVREL_OPEN, one that cannot be executed, and no xdg-open on the PATH.
TEST_F(DocumentLaunch, AnOpenerThatCannotBeStartedIsReported) {
  const fs::path notExecutable = records_ / "not-executable.sh";
  std::ofstream(notExecutable) << "#!/bin/sh\n";
  fs::permissions(notExecutable, fs::perms::owner_read | fs::perms::owner_write);
  const fs::path emptyFolder = records_ / "empty";
  fs::create_directory(emptyFolder);
  const std::string savedPath = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
  struct Case {
    std::string opener;  // TAVREL_OPEN; empty: unset
    std::string path;    // PATH
    std::string error;
  };
  const Case cases[] = {
      {(records_ / "no-such-opener").string(), savedPath,
       "cannot start " + (records_ / "no-such-opener").string() + ": No such file or directory"},
      {"no-such-opener-anywhere", savedPath,
       "cannot start no-such-opener-anywhere: No such file or directory"},
      {notExecutable.string(), savedPath,
       "cannot start " + notExecutable.string() + ": Permission denied"},
      {"", emptyFolder.string(), "cannot start xdg-open: No such file or directory"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.opener);
    if (c.opener.empty()) {
      ::unsetenv("TAVREL_OPEN");
    } else {
      ::setenv("TAVREL_OPEN", c.opener.c_str(), 1);
    }
    ::setenv("PATH", c.path.c_str(), 1);
    SystemPlatform platform;
    std::string error;
    const bool started = platform.LaunchDocument("file:///tmp/index1.htm", error);
    ::setenv("PATH", savedPath.c_str(), 1);
    EXPECT_FALSE(started);
    EXPECT_EQ(error, c.error);
  }
  EXPECT_FALSE(fs::exists(records_ / "address"));
}

}  // namespace
}  // namespace shell
