#include "engine/delta_t.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

namespace engine {
namespace {

constexpr double kDaysPerYear = 365.2425;

double DeltaTSecondsAtYear(double year) { return DeltaTDays((year - 2000) * kDaysPerYear) * 86400; }

TEST(DeltaT, EachRowHoldsFromItsStartYear) {
  // At its start year a row gives its constant a (u = 0); the row before would give another value.
  for (std::size_t i = 0; i + 1 < kDeltaTSegments.size(); ++i) {
    SCOPED_TRACE(kDeltaTSegments[i].startYear);
    EXPECT_NEAR(DeltaTSecondsAtYear(kDeltaTSegments[i].startYear), kDeltaTSegments[i].a, 1e-6);
  }
  EXPECT_DOUBLE_EQ(DeltaTSecondsAtYear(1800), 13.4);
}

TEST(DeltaT, SwitchesToTheParabolaAt2015) {
  // Just before 2015 the 2005 row nears 64.7 + 0.4 * 10 = 68.7 s; from 2015 the blended parabola
  // starts at the closing value 69 s.
  EXPECT_NEAR(DeltaTSecondsAtYear(2015 - 1e-9), 68.7, 1e-6);
  EXPECT_NEAR(DeltaTDays(15 * kDaysPerYear) * 86400, 69.0, 1e-9);
  // 2024: 31 * 2.04^2 - 20 - 91 * 0.288775 s.
  EXPECT_NEAR(DeltaTSecondsAtYear(2024), 31 * 2.04 * 2.04 - 20 - 91 * 0.28877499999999984, 1e-6);
}

TEST(DeltaT, BlendFadesOutAt2115) {
  const double parabola = 31 * 2.95 * 2.95 - 20;
  EXPECT_NEAR(DeltaTSecondsAtYear(2115), parabola, 1e-6);
  EXPECT_NEAR(DeltaTSecondsAtYear(2115 - 1e-6), parabola, 1e-4);
  EXPECT_NEAR(DeltaTSecondsAtYear(2200), 31 * 3.8 * 3.8 - 20, 1e-6);
}

TEST(DeltaT, ExtrapolatesTheFirstRowBeforeMinus4000) {
  const double u = 10 * (-5000.0 + 4000) / 3500;
  EXPECT_NEAR(DeltaTSecondsAtYear(-5000), 108371.7 - 13036.8 * u + 392.0 * u * u, 1e-6);
}

TEST(DeltaT, TotalOnNonFiniteInput) {
  EXPECT_TRUE(std::isnan(DeltaTDays(std::nan(""))));
  EXPECT_TRUE(std::isinf(DeltaTDays(INFINITY)));
}

// The reference solar-term table carries, beside each moment, this model's delta-T at it.
TEST(DeltaT, MatchesTheReferenceColumn) {
  std::ifstream in(TAVREL_TESTDATA_DIR "/solar_terms.tsv");
  ASSERT_TRUE(in) << "solar_terms.tsv";
  std::string line;
  std::getline(in, line);  // header
  int rows = 0;
  double largest = 0;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string year, k, name, lon, jdTt, date, time, deltaT;
    fields >> year >> k >> name >> lon >> jdTt >> date >> time >> deltaT;
    const double seconds = DeltaTDays(std::stod(jdTt) - 2451545) * 86400;
    largest = std::max(largest, std::abs(seconds - std::stod(deltaT)));
    ++rows;
  }
  std::printf("delta-T against the reference column: %d rows, largest difference %.4f s\n", rows,
              largest);
  EXPECT_EQ(rows, 24 * 201);
  EXPECT_LE(largest, 0.0005 + 1e-9);  // the column is printed to 0.001 s
}

}  // namespace
}  // namespace engine
