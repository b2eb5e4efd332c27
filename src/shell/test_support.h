#pragma once

// Helpers shared by the shell's tests: a temporary working directory, file reading, and a
// platform whose opener and working directory are recorded fakes.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/platform.h"

namespace shell::testing {

// Makes a fresh directory (under TMPDIR) whose name ends in `suffix`, makes it the working
// directory, and on destruction goes back and removes it with everything in it.
class ScopedWorkingDirectory {
 public:
  explicit ScopedWorkingDirectory(const std::string& suffix = "") {
    previous_ = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "tavrel-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    const char* made = ::mkdtemp(buffer.data());
    EXPECT_NE(made, nullptr);
    base_ = buffer.data();
    path_ = base_;
    if (!suffix.empty()) {
      path_ = base_ / suffix;
      std::filesystem::create_directories(path_);
    }
    std::filesystem::current_path(path_);
  }
  ~ScopedWorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(base_, ignored);
  }
  ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
  ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path base_;
  std::filesystem::path path_;
};

// The bytes of a file, or an empty text when it cannot be read.
inline std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The names in a directory, sorted.
inline std::vector<std::string> DirectoryNames(const std::filesystem::path& path) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The real conversion and files, a fixed working directory text, and an opener that only
// records the addresses it is given; no process is ever started.
class RecordingPlatform : public SystemPlatform {
 public:
  std::string WorkingDirectory() override { return workingDirectory; }
  bool LaunchDocument(const std::string& address) override {
    launched.push_back(address);
    return true;
  }
  LocalTime CurrentLocalTime() override { return now; }

  std::string workingDirectory = "/home/user/pages";
  std::vector<std::string> launched;
  LocalTime now;
};

}  // namespace shell::testing
