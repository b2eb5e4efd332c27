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
#include "workloads.h"

namespace workloads {

double PillarsMoment(long i, long n) {
  const double first =
      engine::UtDayNumberOfBeijingJulianDay(engine::ComputeJulianDay(1900, 1, 1.0));
  const double last = engine::UtDayNumberOfBeijingJulianDay(engine::ComputeJulianDay(2101, 1, 1.0));
  return first + (last - first) * (static_cast<double>(i) + 0.37) / static_cast<double>(n);
}

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
    chart::ComputeFourPillarsAt(vocabulary, PillarsMoment(i, count),
                                121.5 / engine::kDegreesPerRadian, chart);
    for (int p = chart::kYearPillar; p <= chart::kHourPillar; ++p) {
      checksum += chart.pillars[p].stem[0] + chart.pillars[p].branch[0];
    }
    checksum += chart.trueSolarHour;
  }
  std::printf("pillars 1900-2100%s: %ld moments, checksum %lld\n", shuffled ? " shuffled" : "",
              count, checksum);
  return 0;
}

}  // namespace workloads
