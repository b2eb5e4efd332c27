#include <cstdio>
#include <cstdlib>

#include "engine/moments.h"
#include "engine/time_frames.h"
#include "workloads.h"

namespace workloads {

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

}  // namespace workloads
