#include "engine/delta_t.h"

#include <cstddef>

namespace engine {

double DeltaTDays(double dayNumber) {
  const double year = dayNumber / 365.2425 + 2000;
  double seconds = 0;
  if (year >= 2015) {
    const double c = (year - 1820) / 100;
    seconds = 31 * c * c - 20;
    if (year <= 2115) {
      // Blend that meets the table's 69 s at 2015 and fades out at 2115.
      seconds -= (2115 - year) * 28.877499999999984 / 100;
    }
  } else {
    // The first row whose successor starts after the year; the closing row bounds the search
    // (and stops it for a year that is not a number).
    std::size_t i = 0;
    while (i + 2 < kDeltaTSegments.size() && !(year < kDeltaTSegments[i + 1].startYear)) {
      ++i;
    }
    const DeltaTSegment& row = kDeltaTSegments[i];
    const double u =
        10 * (year - row.startYear) / (kDeltaTSegments[i + 1].startYear - row.startYear);
    seconds = row.a + row.b * u + row.c * u * u + row.d * u * u * u;
  }
  return seconds / 86400;
}

}  // namespace engine
