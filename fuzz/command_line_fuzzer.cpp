// The command line with any two arguments: the pairs are read, the mode dispatched, the values
// checked and the pages written, as `tavrel <first> <second>` does in a working directory of its
// own. The input is the two arguments' bytes, separated by the first zero byte (an argument holds
// none); each is decoded from UTF-8 as the program decodes its arguments.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "shell/command_line_mode.h"
#include "shell/platform.h"
#include "shell/utf8_text.h"

namespace {

std::filesystem::path gWorkingDirectory;

void RemoveWorkingDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(gWorkingDirectory, ignored);
}

bool IsEmptyDirectory(const std::filesystem::path& path) {
  return std::filesystem::directory_iterator(path) == std::filesystem::directory_iterator();
}

void ClearDirectory(const std::filesystem::path& path) {
  for (const auto& entry : std::filesystem::directory_iterator(path)) {
    std::filesystem::remove_all(entry.path());
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  // Pages go to memory where there is a memory file system: a run writes two pages.
  const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
  std::string pattern = (base / "tavrel-fuzz-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    return 1;
  }
  gWorkingDirectory = pattern;
  std::filesystem::current_path(gWorkingDirectory);
  std::atexit(RemoveWorkingDirectory);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string_view first = input.substr(0, split);
  std::string_view second = split == std::string_view::npos ? "" : input.substr(split + 1);
  second = second.substr(0, second.find('\0'));

  ClearDirectory(gWorkingDirectory);
  shell::SystemPlatform platform;
  std::ostringstream diagnostics;
  const std::vector<std::wstring> arguments = {L"tavrel", shell::Utf8ToWide(first),
                                               shell::Utf8ToWide(second)};
  const int status = shell::StartTavrel(platform, arguments, diagnostics);

  // What the command line promises: success writes its pages and says nothing; a refusal
  // (status 2) and the usage line (status 1) write nothing. No page write can fail here.
  const std::string said = diagnostics.str();
  const bool usage = said == std::string(shell::kCommandLineUsage) + "\n";
  const bool wroteNothing = IsEmptyDirectory(gWorkingDirectory);
  const bool kept = (status == 1 && said.empty() && !wroteNothing) ||
                    (status == 1 && usage && wroteNothing) ||
                    (status == 2 && !said.empty() && !usage && wroteNothing);
  if (!kept) {
    __builtin_trap();
  }
  return 0;
}
