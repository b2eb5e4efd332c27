// tavrel: the almanac and perpetual calendar. Without arguments it shows its property sheet;
// with two arguments or more it writes the pages that "R1" selects into the working directory
// and exits with status 1 (2 when the input is refused or a page file could not be written).
#include <iostream>
#include <string>
#include <vector>

#include "shell/command_line_mode.h"
#include "shell/platform.h"
#include "shell/property_sheet.h"
#include "shell/utf8_text.h"

int main(int argc, char** argv) {
  std::vector<std::wstring> arguments;
  arguments.reserve(static_cast<std::size_t>(argc));
  for (int i = 0; i < argc; ++i) {
    arguments.push_back(shell::Utf8ToWide(argv[i]));
  }
  shell::SystemPlatform platform;
  const int status = shell::StartTavrel(platform, arguments, std::cerr, [&] {
    return shell::RunPropertySheet(platform, argc, argv, std::cerr);
  });
  std::cerr.flush();
  return status;
}
