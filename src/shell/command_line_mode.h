#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/calendar_tables.h"
#include "almanac/lunar_month_page.h"
#include "engine/month_calendar.h"
#include "shell/chart_page_builders.h"
#include "shell/platform.h"

namespace shell {

// The nine values of the command line. A key absent from its argument reads as an empty text,
// so its number is 0 and it is no number (`given`), except "hour" and "min", which read "0".
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
  // A flag for each of the seven numbers.
  struct NumberFlags {
    bool r1 = false;
    bool year = false;
    bool month = false;
    bool day = false;
    bool hour = false;
    bool minute = false;
    bool r2 = false;
  };
  // Which numbers were given as numbers (ReadsAsCommandInteger); the others read 0.
  struct Given : NumberFlags {
    // The year's whole value is one number (ReadWholeInteger); modes 3 and 4 take no other.
    bool wholeYear = false;
  } given;
  // Which numbers run on past the 15 characters that a value keeps (CommandIntegerRunsPast): the
  // kept text reads as another number ("0000000000002026" as 202), so the modes refuse them.
  NumberFlags cut;
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

// Whether mode `r1` writes pages: 1, 2, 3 and 4.
bool IsCommandLineMode(int r1);

// The message of a sex other than "男" and "女", which modes 3 and 4 refuse.
inline constexpr wchar_t kCommandLineSexMessage[] = L"性別輸入錯誤 !";

// The message of an "R2" whose number runs past the characters a value keeps, which mode 4
// refuses (any other "R2" is taken as it reads).
inline constexpr wchar_t kCommandLineSpiritStarBasisMessage[] = L"神煞輸入錯誤 !";

// The message that refuses the values of the mode before any page is built, the one the sheet
// gives for them, or an empty text. Mode 1 takes a date that CheckAlmanacDate passes (year,
// month and day given as numbers) and a time that CheckTimeOfDay passes, up to 9999-12-31 23:59
// ("日期輸入錯誤 !" past it); mode 2 any year given as a number (a year outside the calendar gets
// a page that says so). Modes 3 and 4 take a birth whose year is a whole number
// ("生日年份輸入錯誤 !" otherwise) that chart::CheckBirthDate passes, the check that the
// bone-weighing reading and the birth-chart entry make (its day records from `calendar`), and then
// the sex "男" or "女" (kCommandLineSexMessage otherwise); their longitude, kCommandLineLongitude,
// always passes. A number the mode uses that was cut inside its digits (`values.cut`) is refused
// with the message of its value, as one that is no number; mode 4's "R2" with
// kCommandLineSpiritStarBasisMessage.
std::wstring CheckCommandLineValues(const CommandLineValues& values,
                                    engine::MonthCalendar& calendar);

// The longitude in degrees east that the command line's readings use: that of "臺北市", the place
// the sheet's pages show first.
inline constexpr double kCommandLineLongitude = 121.5;

// The pages that mode `values.r1` writes, in order: 1 "陰曆.htm" and "吉凶曆.htm", 2 "萬年曆.htm",
// 3 "八字重.htm" (the bone-weighing reading), 4 "八字.htm" (the chart of the birth with the
// command line's settings); none for any other mode; the values must have passed
// CheckCommandLineValues, so that no page is a message in place of a page. `today` is the
// date of the computer's clock (the lunar month page takes a negative year, month or day from
// it); the pages work with `tables` and `charts`.
std::vector<NamedPage> BuildCommandLinePages(const CommandLineValues& values,
                                             almanac::CalendarTables& tables,
                                             ChartPageBuilders& charts, almanac::LocalDate today);

// The chart query of mode 4: the birth, name and sex as read, "R2" as the spirit-star basis
// unchecked, the year changing at 立春, the scheme 育吾, the values 1 1 1 1 1, no annotation, and
// the longitude 121.5.
FourPillarsQuery CommandLineChartQuery(const CommandLineValues& values);

// Runs the mode and returns the exit status. A mode that writes no pages, or an "R1" cut inside
// its digits, prints the usage line on `diagnostics` and gives 1. Values that
// CheckCommandLineValues refuses print its message on `diagnostics`, write nothing and give 2.
// Otherwise the pages are written into the working directory, each whole: 1 when every page was
// written, 2 when one could not be (each failure is told on `diagnostics`, the previous file of
// that name stays, and the next page is still written).
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
