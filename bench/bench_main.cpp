// Entry of tavrel-bench: the Google Benchmark runner, or with the first argument "solar-terms",
// "lunar-days", "pillars", "charts" or "chart-pages" a whole-process workload that can be timed
// against other programs doing the same work, or "soak", which builds every page kind many times
// over and watches the peak resident memory.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "engine/moments.h"
#include "engine/time_frames.h"

namespace {

// "solar-terms <first year> <last year>": the exact Beijing-time moment of each of the 24 solar
// terms of every year (小寒 at 285 deg to 冬至 at 270 deg), then one checksum line: the count and
// the sum of the moments as day numbers from J2000.0.
int RunSolarTerms(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s solar-terms <first year> <last year>\n", argv[0]);
    return 2;
  }
  const long first = std::strtol(argv[2], nullptr, 10);
  const long last = std::strtol(argv[3], nullptr, 10);
  long count = 0;
  double sum = 0;
  for (long year = first; year <= last; ++year) {
    // Angle 0 is the March equinox of 1999; 小寒 of a year is 19 terms after the equinox before.
    const long firstTerm = (year - 2000) * 24 + 19;
    for (long k = firstTerm; k < firstTerm + 24; ++k) {
      sum += engine::FindSolarTermMoment(static_cast<double>(k) * engine::kPi / 12);
      ++count;
    }
  }
  std::printf("solar terms %ld-%ld: %ld moments, sum of day numbers %.6f\n", first, last, count,
              sum);
  return 0;
}

}  // namespace

// "lunar-days <first year> <last year>" (month_calendar_bench.cpp).
int RunLunarDays(int argc, char** argv);

// "pillars <count> [shuffled]" (pillars_bench.cpp).
int RunPillars(int argc, char** argv);

// "soak [inputs] [passes]" (soak_bench.cpp).
int RunSoak(int argc, char** argv);

// "chart-pages <count>" (chart_pages_bench.cpp).
int RunChartPages(int argc, char** argv);

// "charts <count>" (charts_bench.cpp).
int RunCharts(int argc, char** argv);

int main(int argc, char** argv) {
  if (argc >= 2 && std::string_view(argv[1]) == "solar-terms") {
    return RunSolarTerms(argc, argv);
  }
  if (argc >= 2 && std::string_view(argv[1]) == "lunar-days") {
    return RunLunarDays(argc, argv);
  }
  if (argc >= 2 && std::string_view(argv[1]) == "pillars") {
    return RunPillars(argc, argv);
  }
  if (argc >= 2 && std::string_view(argv[1]) == "soak") {
    return RunSoak(argc, argv);
  }
  if (argc >= 2 && std::string_view(argv[1]) == "chart-pages") {
    return RunChartPages(argc, argv);
  }
  if (argc >= 2 && std::string_view(argv[1]) == "charts") {
    return RunCharts(argc, argv);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
