#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "engine/month_calendar.h"

namespace {

// One month, again and again: the month calendar keeps its lunar-year table, so this is the
// cost of the day records, the phase and term searches and the festivals.
void BM_MonthCalendarOneMonth(benchmark::State& state) {
  engine::MonthCalendar calendar;
  engine::CalendarDays days;
  engine::CalendarMonth month;
  for (auto _ : state) {
    calendar.ComputeMonthCalendar(2024, 5, days, month);
    benchmark::DoNotOptimize(days);
  }
}
BENCHMARK(BM_MonthCalendarOneMonth)->Unit(benchmark::kMicrosecond);

// Every month of 1900-2100 in order (2,412 months): the lunar-year table moves on at each winter
// solstice, about once a year.
void BM_MonthCalendar1900To2100(benchmark::State& state) {
  engine::MonthCalendar calendar;
  engine::CalendarDays days;
  engine::CalendarMonth month;
  for (auto _ : state) {
    for (int year = 1900; year <= 2100; ++year) {
      for (int m = 1; m <= 12; ++m) {
        calendar.ComputeMonthCalendar(year, m, days, month);
        benchmark::DoNotOptimize(days);
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * 2412);
}
BENCHMARK(BM_MonthCalendar1900To2100)->Unit(benchmark::kMillisecond);

}  // namespace

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
