// The lunar month page of any year, month and day with any date as today, and the
// perpetual-calendar year page of any year: seven ints taken from the input in turn. The tables
// live for the whole run, as the program's do.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "almanac/calendar_tables.h"
#include "almanac/lunar_month_page.h"
#include "almanac/perpetual_calendar_page.h"

namespace {

bool EndsWith(const std::wstring& page, std::wstring_view end) {
  return page.size() >= end.size() && page.compare(page.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int year = input.ConsumeIntegral<int>();
  const int month = input.ConsumeIntegral<int>();
  const int day = input.ConsumeIntegral<int>();
  almanac::LocalDate today;
  today.year = input.ConsumeIntegral<int>();
  today.month = input.ConsumeIntegral<int>();
  today.day = input.ConsumeIntegral<int>();
  const int perpetualYear = input.ConsumeIntegral<int>();

  static almanac::CalendarTables tables;
  const std::wstring monthPage = almanac::BuildLunarMonthPage(tables, year, month, day, today);
  const std::wstring yearPage = almanac::BuildPerpetualCalendarPage(tables, perpetualYear);
  if (!EndsWith(monthPage, L"</table></body></html>") || !EndsWith(yearPage, L"</html>")) {
    __builtin_trap();
  }
  return 0;
}
