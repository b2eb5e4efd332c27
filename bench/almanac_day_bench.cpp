#include <benchmark/benchmark.h>

#include "almanac/almanac_day_page.h"
#include "engine/julian_day.h"

namespace {

// One page, again and again: the month table, three lunar years of solar terms, the finders,
// the activity scoring and the page text.
void BM_AlmanacDayPageOneDay(benchmark::State& state) {
  almanac::CalendarTables tables;
  const double julianDay = engine::ComputeJulianDay(2024, 2, 4.5);
  for (auto _ : state) {
    benchmark::DoNotOptimize(almanac::BuildAlmanacDayPage(tables, julianDay));
  }
}
BENCHMARK(BM_AlmanacDayPageOneDay)->Unit(benchmark::kMicrosecond);

// Every day of 2024 at 12:00, in order.
void BM_AlmanacDayPageYear2024(benchmark::State& state) {
  almanac::CalendarTables tables;
  const double first = engine::ComputeJulianDay(2024, 1, 1.5);
  for (auto _ : state) {
    for (int d = 0; d < 366; ++d) {
      benchmark::DoNotOptimize(almanac::BuildAlmanacDayPage(tables, first + d));
    }
  }
  state.SetItemsProcessed(state.iterations() * 366);
}
BENCHMARK(BM_AlmanacDayPageYear2024)->Unit(benchmark::kMillisecond);

}  // namespace
