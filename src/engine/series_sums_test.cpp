#include "engine/series_sums.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/series_trig.h"
#include "engine/sun_moon_tables.h"

namespace engine::series_sums {
namespace {

// The plain sums, term by term over the tables stored term by term.
double PlainEarthSum(std::size_t first, std::size_t count, double tau) {
  const double* terms = kEarthSeries.data() + static_cast<std::size_t>(kEarthSeries[1]);
  double sum = 0;
  for (std::size_t i = first; i < first + count; ++i) {
    const double* p = terms + 3 * i;
    sum += p[0] * SeriesCos(p[1] + p[2] * tau);
  }
  return sum;
}

double PlainMoonSum(std::size_t first, std::size_t count, const MoonArguments& a) {
  double sum = 0;
  for (std::size_t i = first; i < first + count; ++i) {
    const double* p = kMoonSeries.data() + 6 * i;
    sum += p[0] * SeriesCos(p[1] + p[2] * a.t + p[3] * a.a2 + p[4] * a.a3 + p[5] * a.a4);
  }
  return sum;
}

// Every build this processor runs gives the plain sums bit for bit: from each sub-series' first
// term and from terms between, every count up to 20 and then every 29th to the table's end, at
// times from the millennia the series serve to times whose phases leave the kernel's range.
TEST(SeriesSums, EveryBuildGivesThePlainSumsBitForBit) {
  ASSERT_FALSE(Versions().empty());
  EXPECT_TRUE(Versions().back().runs());
  const std::size_t earthStarts[] = {0, 1, 5, 187, 374};
  const std::size_t moonStarts[] = {0, 3, 442, 593, 595, 1000, 1140};
  int sums = 0;
  for (const Version& version : Versions()) {
    SCOPED_TRACE(version.name);
    if (!version.runs()) {
      std::printf("%s: not run by this processor\n", version.name);
      continue;
    }
    int versionSums = 0;
    for (const double t : {-67.1, -40.0, -1.3, 0.0, 0.24, 7.7, 79.9, 3e4, 1e6}) {
      SCOPED_TRACE(t);
      const double tau = t / 10;
      const MoonArguments arguments{t, t * t / 1e4, t * t * t / 1e8, t * t * t * t / 1e8};
      for (const std::size_t first : earthStarts) {
        for (std::size_t count = 0; first + count <= kEarthTerms; count += count < 20 ? 1 : 29) {
          ASSERT_EQ(std::bit_cast<std::uint64_t>(version.earth(first, count, tau)),
                    std::bit_cast<std::uint64_t>(PlainEarthSum(first, count, tau)))
              << first << " " << count;
          ++versionSums;
        }
      }
      for (const std::size_t first : moonStarts) {
        for (std::size_t count = 0; first + count <= kMoonTerms; count += count < 20 ? 1 : 29) {
          ASSERT_EQ(std::bit_cast<std::uint64_t>(version.moon(first, count, arguments)),
                    std::bit_cast<std::uint64_t>(PlainMoonSum(first, count, arguments)))
              << first << " " << count;
          ++versionSums;
        }
      }
    }
    std::printf("%s: %d sums compared bit for bit\n", version.name, versionSums);
    sums += versionSums;
  }
  EXPECT_GT(sums, 0);
  // The chosen build is the widest this processor runs.
  for (const Version& version : Versions()) {
    if (version.runs()) {
      EXPECT_EQ(std::string(Chosen().name), version.name);
      break;
    }
  }
}

}  // namespace
}  // namespace engine::series_sums
