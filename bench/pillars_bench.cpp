#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

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

// "pillars <count>": the year, month, day and hour pillars of <count> moments spread over
// 1900-2100 at 121.5° east, then one checksum line: the count and the sum of the sexagenary
// character codes of the pillars.
int RunPillars(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s pillars <count>\n", argv[0]);
    return 2;
  }
  const long count = std::strtol(argv[2], nullptr, 10);
  const vocabulary::CalendarVocabulary vocabulary;
  chart::FourPillarsChart chart;
  long long checksum = 0;
  for (long i = 0; i < count; ++i) {
    chart::ComputeFourPillarsAt(vocabulary, MomentOf(i, count), 121.5 / engine::kDegreesPerRadian,
                                chart);
    for (int p = chart::kYearPillar; p <= chart::kHourPillar; ++p) {
      checksum += chart.pillars[p].stem[0] + chart.pillars[p].branch[0];
    }
    checksum += chart.trueSolarHour;
  }
  std::printf("pillars 1900-2100: %ld moments, checksum %lld\n", count, checksum);
  return 0;
}
