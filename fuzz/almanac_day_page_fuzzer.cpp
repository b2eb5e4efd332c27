// The almanac day page at any Julian day: the input's first eight bytes are the double, so
// infinities, NaN, subnormals and days far outside the calendar all come through. The tables live
// for the whole run, as the program's do.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "almanac/almanac_day_page.h"
#include "almanac/calendar_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  double julianDay = 0;
  if (size < sizeof julianDay) {
    return -1;  // not kept in the corpus
  }
  std::memcpy(&julianDay, data, sizeof julianDay);
  static almanac::CalendarTables tables;
  const std::wstring page = almanac::BuildAlmanacDayPage(tables, julianDay);
  // Every moment gives a whole page.
  constexpr std::wstring_view kEnd = L"</body></html>";
  if (page.size() < kEnd.size() ||
      page.compare(page.size() - kEnd.size(), kEnd.size(), kEnd) != 0) {
    __builtin_trap();
  }
  return 0;
}
