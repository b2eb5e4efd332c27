// Speed of the lunar year table: its construction (expanding the correction strings), the lunar
// year of a modern and of an ancient year, every year 1900-2100, and the perpetual-calendar page.
#include <benchmark/benchmark.h>

#include <cmath>

#include "almanac/perpetual_calendar_page.h"
#include "engine/lunar_year.h"

namespace {

// The day that callers pass for the lunar year around a Gregorian year.
int MidYearDay(int year) { return static_cast<int>(std::floor((year - 2000) * 365.2422 + 180)); }

void BM_LunarYearTableConstruction(benchmark::State& state) {
  for (auto _ : state) {
    engine::LunarYearTable table;
    benchmark::DoNotOptimize(table.newMoonCorrections.data());
  }
}
BENCHMARK(BM_LunarYearTableConstruction);

// One year: 2024 (precise era) and -300 (reference year-starts, precise moments before 2000
// always take the slow solvers), 1800 (corrected low-precision formula), 500 (fits).
void BM_ComputeLunarYear(benchmark::State& state) {
  engine::LunarYearTable table;
  const int day = MidYearDay(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    table.ComputeLunarYear(day);
    benchmark::DoNotOptimize(table.leapIndex);
  }
}
BENCHMARK(BM_ComputeLunarYear)->Arg(2024)->Arg(1800)->Arg(500)->Arg(-300);

void BM_ComputeLunarYear1900To2100(benchmark::State& state) {
  engine::LunarYearTable table;
  for (auto _ : state) {
    for (int year = 1900; year <= 2100; ++year) {
      table.ComputeLunarYear(MidYearDay(year));
      benchmark::DoNotOptimize(table.leapIndex);
    }
  }
}
BENCHMARK(BM_ComputeLunarYear1900To2100)->Unit(benchmark::kMillisecond);

void BM_BuildPerpetualCalendarPage(benchmark::State& state) {
  almanac::CalendarTables tables;
  for (auto _ : state) {
    benchmark::DoNotOptimize(almanac::BuildPerpetualCalendarPage(tables, 2024));
  }
}
BENCHMARK(BM_BuildPerpetualCalendarPage)->Unit(benchmark::kMicrosecond);

}  // namespace
