#pragma once

// Helpers shared by the shell's tests: a temporary working directory, file reading, and a
// platform whose opener and working directory are recorded fakes.

#include <gtest/gtest.h>
#include <iconv.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "shell/page_controls.h"
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

// The wide text of code page 950 bytes, decoded independently of the shell's converter; an
// undecodable byte gives U+FFFD.
inline std::wstring DecodeCodePage950(const std::string& bytes) {
  iconv_t decoder = iconv_open("WCHAR_T", "CP950");
  EXPECT_NE(decoder, reinterpret_cast<iconv_t>(-1));
  std::wstring text(bytes.size() + 1, L'\0');
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char* out = reinterpret_cast<char*>(text.data());
  std::size_t outLeft = text.size() * sizeof(wchar_t);
  while (inLeft > 0) {
    if (iconv(decoder, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
      *reinterpret_cast<wchar_t*>(out) = 0xFFFD;
      out += sizeof(wchar_t);
      outLeft -= sizeof(wchar_t);
      ++in;
      --inLeft;
    }
  }
  iconv_close(decoder);
  text.resize(text.size() - outLeft / sizeof(wchar_t));
  return text;
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
// records the addresses it is given; no process is ever started. With `launchError` set, the
// opener cannot be started and says so. Documents exist as the real working directory holds them.
class RecordingPlatform : public SystemPlatform {
 public:
  std::string WorkingDirectory() override { return workingDirectory; }
  bool LaunchDocument(const std::string& address, std::string& error) override {
    if (!launchError.empty()) {
      error = launchError;
      return false;
    }
    launched.push_back(address);
    return true;
  }
  LocalTime CurrentLocalTime() override { return now; }

  std::string workingDirectory = "/home/user/pages";
  std::string launchError;
  std::vector<std::string> launched;
  LocalTime now;
};

// Makes the document (a path relative to the working directory, "/" between folder and file)
// with a line of content, and its folder when needed.
inline void MakeDocument(const std::filesystem::path& workingDirectory, const std::string& path) {
  const std::filesystem::path document = workingDirectory / path;
  std::filesystem::create_directories(document.parent_path());
  std::ofstream(document) << "<html>document</html>\n";
}

// Page controls held in memory: what a page writes can be read back, and a test types into
// them with SetText, picks list entries with SetComboSelection and days with
// SetCalendarSelection. Message boxes are recorded.
class FakePageControls : public PageControls {
 public:
  std::wstring Text(int id) const override {
    const auto found = texts.find(id);
    return found == texts.end() ? std::wstring() : found->second;
  }
  void SetText(int id, std::wstring_view text) override { texts[id] = std::wstring(text); }
  void ResetComboItems(int id) override {
    comboItems[id].clear();
    comboSelections[id] = -1;
  }
  void AddComboItem(int id, std::wstring_view item) override { comboItems[id].emplace_back(item); }
  int ComboSelection(int id) const override {
    const auto found = comboSelections.find(id);
    return found == comboSelections.end() ? -1 : found->second;
  }
  void SetComboSelection(int id, int index) override { comboSelections[id] = index; }
  bool IsChecked(int id) const override {
    const auto found = checked.find(id);
    return found != checked.end() && found->second;
  }
  void SetChecked(int id, bool value) override { checked[id] = value; }
  CalendarDate CalendarSelection(int id) const override {
    const auto found = calendars.find(id);
    return found == calendars.end() ? CalendarDate{} : found->second;
  }
  void SetCalendarSelection(int id, CalendarDate date) override { calendars[id] = date; }
  void ShowMessage(std::wstring_view text) override { messages.emplace_back(text); }

  std::map<int, std::wstring> texts;
  std::map<int, std::vector<std::wstring>> comboItems;
  std::map<int, int> comboSelections;
  std::map<int, bool> checked;
  std::map<int, CalendarDate> calendars;
  std::vector<std::wstring> messages;
};

}  // namespace shell::testing
