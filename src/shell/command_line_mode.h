#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/calendar_tables.h"
#include "almanac/lunar_month_page.h"
#include "shell/platform.h"

namespace shell {

// The nine values of the command line. A key absent from its argument reads as an empty text,
// so its number is 0.
struct CommandLineValues {
  int r1 = 0;  // the mode: 1 almanac pages, 2 perpetual calendar, 3 bone weighing, 4 chart
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  std::wstring name;  // at most 63 characters, as typed
  std::wstring sex;   // at most 15 characters, any text
  int r2 = 0;         // the chart's spirit-star basis, unchecked
};

// Reads "R1" from the first argument and "year", "month", "day", "hour", "min", "name", "sex"
// and "R2" from the second, e.g. L"R1=1" and L"year=2026&month=12&day=10&hour=12&min=0".
CommandLineValues ReadCommandLineValues(std::wstring_view first, std::wstring_view second);

// "R1=%i, Y=%i, M=%i, D=%i, h=%i, m=%i, name=%s, sex=%s , R2=%i" of the values.
std::wstring FormatDebugLine(const CommandLineValues& values);

// A page and the fixed name of its file in the working directory.
struct NamedPage {
  std::wstring fileName;
  std::wstring text;
};

// The pages that mode `values.r1` writes, in order: 1 "陰曆.htm" and "吉凶曆.htm", 2 "萬年曆.htm";
// none for any other mode. `today` is the date of the computer's clock (the lunar month page
// takes a negative year, month or day from it); the pages work with `tables`.
std::vector<NamedPage> BuildCommandLinePages(const CommandLineValues& values,
                                             almanac::CalendarTables& tables,
                                             almanac::LocalDate today);

// Writes the pages of the mode into the working directory, each whole, and returns the exit
// status: 1 when every page was written (also when the mode writes none), 2 when a page file
// could not be written; each failure is told on `diagnostics` and the next page is still written.
int RunCommandLineMode(Platform& platform, const CommandLineValues& values,
                       std::ostream& diagnostics);

// The program's road for its arguments (`arguments[0]` is the program itself): with two or more
// arguments after it the command-line mode, preceded by the debug line on `diagnostics` when a
// third is present; otherwise `runSheet` (the property sheet), or a usage line on `diagnostics`
// when there is none. Returns the exit status.
int StartTavrel(Platform& platform, const std::vector<std::wstring>& arguments,
                std::ostream& diagnostics, const std::function<int()>& runSheet = nullptr);

// The one-line usage text of the command line.
extern const char kCommandLineUsage[];

}  // namespace shell
