#include <cstdio>
#include <cstdlib>

#include "engine/month_calendar.h"
#include "workloads.h"

namespace workloads {

// "lunar-days <first year> <last year>": the lunar date of every day of those years through the
// month calendar, then one checksum line: the days, the lunar months begun, the days of leap
// months and the sum of the lunar days of the month.
int RunLunarDays(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s lunar-days <first year> <last year>\n", argv[0]);
    return 2;
  }
  const long first = std::strtol(argv[2], nullptr, 10);
  const long last = std::strtol(argv[3], nullptr, 10);
  engine::MonthCalendar calendar;
  engine::CalendarDays days;
  engine::CalendarMonth month;
  long dayCount = 0;
  long monthsBegun = 0;
  long leapDays = 0;
  long lunarDaySum = 0;
  for (long year = first; year <= last; ++year) {
    for (int m = 1; m <= 12; ++m) {
      calendar.ComputeMonthCalendar(static_cast<int>(year), m, days, month);
      for (int i = 0; i < month.dayCount; ++i) {
        const engine::CalendarDay& day = days[static_cast<std::size_t>(i)];
        ++dayCount;
        monthsBegun += day.lunarDayIndex == 0 ? 1 : 0;
        leapDays += day.leapMark.empty() ? 0 : 1;
        lunarDaySum += day.lunarDayIndex + 1;
      }
    }
  }
  std::printf(
      "lunar days %ld-%ld: %ld days, %ld months begun, %ld leap-month days, sum of lunar days "
      "%ld\n",
      first, last, dayCount, monthsBegun, leapDays, lunarDaySum);
  return 0;
}

}  // namespace workloads
