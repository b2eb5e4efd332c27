#include <benchmark/benchmark.h>

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
