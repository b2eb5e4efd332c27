// Speed of the sun and moon lines of the almanac page: one day's ten texts, as a click in the
// month calendar computes them.
#include <benchmark/benchmark.h>

#include <numbers>

#include "engine/rise_set.h"

namespace {

constexpr double kDegree = std::numbers::pi / 180;

// Taipei, UTC+8, the days of 2024 in turn so no result can be reused.
void BM_RiseSetDay(benchmark::State& benchState) {
  engine::RiseSetState state;
  double dayNumber = 8766;  // 2024-01-01
  for (auto _ : benchState) {
    state.ComputeRiseSetTimes(dayNumber, 121.5 * kDegree, 25.05 * kDegree, -8);
    benchmark::DoNotOptimize(state.days[0].moonsetText.data());
    dayNumber = dayNumber < 9131 ? dayNumber + 1 : 8766;
  }
}
BENCHMARK(BM_RiseSetDay);

// The polar day at 70 N, where every solar event takes the no-rise path.
void BM_RiseSetPolarDay(benchmark::State& benchState) {
  engine::RiseSetState state;
  for (auto _ : benchState) {
    state.ComputeRiseSetTimes(8938, 20 * kDegree, 70 * kDegree, -1);
    benchmark::DoNotOptimize(state.days[0].dayLengthText.data());
  }
}
BENCHMARK(BM_RiseSetPolarDay);

}  // namespace
