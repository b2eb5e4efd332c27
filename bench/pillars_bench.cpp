#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string_view>
#include <vector>

#include "chart/four_pillars_at.h"
#include "engine/julian_day.h"
#include "engine/time_frames.h"
#include "vocabulary/calendar_vocabulary.h"

namespace {

// The day number (UT, from J2000.0) of moment i of n spread evenly over 1900-01-01 to
// 2100-12-31 Beijing time, at an odd fraction of a day so the hours vary.
double MomentOf(long i, long n) {
  const double first =
      engine::UtDayNumberOfBeijingJulianDay(engine::ComputeJulianDay(1900, 1, 1.0));
  const double last = engine::UtDayNumberOfBeijingJulianDay(engine::ComputeJulianDay(2101, 1, 1.0));
  return first + (last - first) * (static_cast<double>(i) + 0.37) / static_cast<double>(n);
}

// The four pillars and the true solar time of one moment at 121.5° east.
void BM_FourPillarsAt(benchmark::State& state) {
  const vocabulary::CalendarVocabulary vocabulary;
  chart::FourPillarsChart chart;
  long i = 0;
  for (auto _ : state) {
    chart::ComputeFourPillarsAt(vocabulary, MomentOf(i++ % 100000, 100000),
                                121.5 / engine::kDegreesPerRadian, chart);
    benchmark::DoNotOptimize(chart.pillars[chart::kHourPillar].branch.data());
  }
}
BENCHMARK(BM_FourPillarsAt)->Unit(benchmark::kMicrosecond);

}  // namespace

// "pillars <count> [shuffled]": the year, month, day and hour pillars of <count> moments spread
// over 1900-2100 at 121.5° east, in time order or, with "shuffled", in a fixed random order (no
// moment then resembles the one before), then one checksum line: the count and the sum of the
// sexagenary character codes of the pillars, the same in either order.
int RunPillars(int argc, char** argv) {
  const bool shuffled = argc == 4 && std::string_view(argv[3]) == "shuffled";
  if (argc != 3 && !shuffled) {
    std::fprintf(stderr, "usage: %s pillars <count> [shuffled]\n", argv[0]);
    return 2;
  }
  const long count = std::strtol(argv[2], nullptr, 10);
  std::vector<long> order(static_cast<std::size_t>(std::max(count, 0L)));
  std::iota(order.begin(), order.end(), 0L);
  if (shuffled) {
    std::shuffle(order.begin(), order.end(), std::mt19937_64(2100));
  }
  const vocabulary::CalendarVocabulary vocabulary;
  chart::FourPillarsChart chart;
  long long checksum = 0;
  for (const long i : order) {
    chart::ComputeFourPillarsAt(vocabulary, MomentOf(i, count), 121.5 / engine::kDegreesPerRadian,
                                chart);
    for (int p = chart::kYearPillar; p <= chart::kHourPillar; ++p) {
      checksum += chart.pillars[p].stem[0] + chart.pillars[p].branch[0];
    }
    checksum += chart.trueSolarHour;
  }
  std::printf("pillars 1900-2100%s: %ld moments, checksum %lld\n", shuffled ? " shuffled" : "",
              count, checksum);
  return 0;
}
