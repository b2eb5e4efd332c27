#include "engine/sun_moon_series.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <new>
#include <numbers>
#include <vector>

#include "engine/delta_t.h"
#include "engine/moments.h"
#include "engine/sun_moon_tables.h"

// Every allocation of the engine's test program is counted, to show that the series allocate
// nothing.
namespace {
std::atomic<long> gAllocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++gAllocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) {
    return p;
  }
  throw std::bad_alloc();
}
// The replacement new above allocates with malloc, so free is the matching release (GCC cannot
// see that once these are inlined).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace engine {
namespace {

constexpr double kArcsecondsPerRadian = 206264.80624709636;
const std::array<double, 7> kSampleTimes = {-10.0, -3.7, -1.0, -0.25, 0.0, 0.2437, 1.0};

// Telling rows of the published tables, at their places in the built-in arrays.
TEST(SunMoonTables, TellingRowsStandWhereExpected) {
  const std::vector<std::vector<double>> earthRows = {
      {8, 17534704567, 0, 0},
      {11, 334165646, 4.669256804, 6283.075849991},
      {14, 3489428, 4.6261024, 12566.1517},
      {566, 62833196674749, 0, 0},
      {569, 20605886, 2.67823456, 6283.07584999},
      {908, 5291887, 0, 0},
      {911, 871984, 1.072097, 6283.07585},
      {1124, 88, 3.14, 0},
  };
  for (const auto& row : earthRows) {
    SCOPED_TRACE(row[0]);
    const auto at = static_cast<std::size_t>(row[0]);
    for (std::size_t j = 0; j < 3; ++j) {
      EXPECT_EQ(kEarthSeries[at + j], row[1 + j]);
    }
  }
  EXPECT_EQ(kEarthSeries[0], 1e10);
  const std::array<double, 7> header = {1e10, 8, 566, 908, 1088, 1112, 1124};
  for (std::size_t i = 0; i < header.size(); ++i) {
    EXPECT_EQ(kEarthSeries[i], header[i]);
  }

  struct MoonRow {
    int coordinate;
    int power;
    int index;
    std::array<double, 6> term;
  };
  const std::vector<MoonRow> moonRows = {
      {0, 0, 0, {22639.586, 0.78475822, 8328.691424623, 1.5229241, 25.0719, -0.123598}},
      {0, 0, 1, {4586.438, 0.1873974, 7214.06286536, -2.184756, -18.86, 0.0828}},
      {0, 1, 0, {1.6768, 4.66926, 628.301955, -0.0266, 0.1, -0.005}},
      {0, 2, 0, {0.00487, 4.6693, 628.30196, -0.027, 0, -0.01}},
      {0, 2, 1, {0.00228, 2.6746, -2.3012, 1.523, 25, -0.12}},
      {1, 0, 0, {18461.24, 0.05710892, 8433.466157492, -0.6400617, -0.5345, -0.00294}},
      {2, 0, 0, {385000.51, 0, 0, 0, 0, 0}},
      {2, 0, 1, {20905.354, 5.4971472, 8328.691424623, 1.522924, 25.0719, -0.1236}},
  };
  for (const MoonRow& row : moonRows) {
    SCOPED_TRACE(testing::Message() << row.coordinate << " " << row.power << " " << row.index);
    const std::size_t at = MoonSeriesStart(row.coordinate, row.power) + 6 * row.index;
    for (std::size_t j = 0; j < 6; ++j) {
      EXPECT_EQ(kMoonSeries[at + j], row.term[j]);
    }
  }
}

TEST(SunMoonSeries, EvaluationAllocatesNothing) {
  const long before = gAllocations.load();
  double sink = 0;
  for (double t : kSampleTimes) {
    sink += EarthLongitude(t, -1) + EarthLongitude(t, 10) + MoonSeries(0, t, -1) +
            MoonSeries(1, t, 30) + MoonSeries(2, t, 8) + MoonLongitudeSpeed(t) +
            SunApparentLongitude(t, -1) + MoonSunElongation(t, -1, 60) + DeltaTDays(36525 * t) +
            FindSolarTermMoment(t * 1000) + FindMoonPhaseMoment(t * 10000) +
            FindSolarTermNear(t * 36525) + FindNewMoonNear(t * 36525) +
            TimeOfElongationFast(t * 10000);
  }
  EXPECT_EQ(gAllocations.load(), before);
  EXPECT_TRUE(std::isfinite(sink));
  // The counter does see allocations.
  const std::vector<double> probe(3, sink);
  EXPECT_EQ(gAllocations.load(), before + 1);
}

TEST(SunMoonTables, AmplitudesArePositiveAndNeverIncrease) {
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    const auto begin = static_cast<std::size_t>(kEarthSeries[1 + i]);
    const auto end = static_cast<std::size_t>(kEarthSeries[2 + i]);
    EXPECT_EQ((end - begin) % 3, 0u);
    for (std::size_t j = begin; j < end; j += 3) {
      EXPECT_GT(kEarthSeries[j], 0);
      if (j > begin) {
        EXPECT_LE(kEarthSeries[j], kEarthSeries[j - 3]);
      }
    }
  }
  for (int c = 0; c < 3; ++c) {
    for (int k = 0; k < 3; ++k) {
      SCOPED_TRACE(testing::Message() << c << " " << k);
      const std::size_t begin = MoonSeriesStart(c, k);
      const std::size_t end = begin + 6 * static_cast<std::size_t>(kMoonSeriesTerms[c][k]);
      for (std::size_t j = begin; j < end; j += 6) {
        EXPECT_GT(kMoonSeries[j], 0);
        if (j > begin) {
          EXPECT_LE(kMoonSeries[j], kMoonSeries[j - 6]);
        }
      }
    }
  }
}

// The Earth longitude summed here with explicit term counts per sub-series L0..L5.
double EarthLongitudeWithCounts(double t, const std::array<int, 6>& counts) {
  const double tau = t / 10;
  double sum = 0;
  double tauPower = 1;
  for (int i = 0; i < 6; ++i) {
    const auto begin = static_cast<std::size_t>(kEarthSeries[1 + i]);
    double subSum = 0;
    for (int j = 0; j < counts[i]; ++j) {
      const double* term = &kEarthSeries[begin + 3 * j];
      subSum += term[0] * std::cos(term[1] + term[2] * tau);
    }
    sum += subSum * tauPower;
    tauPower *= tau;
  }
  return sum / 1e10 - (0.0728 + 2.7702 * tau + 1.1019 * tau * tau + 0.0996 * tau * tau * tau) /
                          kArcsecondsPerRadian;
}

TEST(EarthLongitude, TermCountsPerPrecision) {
  struct Case {
    int n;
    std::array<int, 6> counts;
  };
  const std::vector<Case> cases = {
      {3, {3, 3, 2, 1, 1, 1}},
      {5, {5, 4, 3, 2, 1, 1}},
      {8, {8, 6, 4, 2, 2, 2}},
      {10, {10, 7, 5, 2, 2, 2}},
      {60, {60, 38, 21, 4, 3, 3}},
      {0, {0, 1, 1, 1, 1, 1}},
      {-1, {186, 114, 60, 8, 4, 4}},
      {186, {186, 114, 60, 8, 4, 4}},
      {INT_MAX, {186, 114, 60, 8, 4, 4}},
  };
  for (const Case& c : cases) {
    for (double t : kSampleTimes) {
      SCOPED_TRACE(testing::Message() << "n = " << c.n << ", t = " << t);
      EXPECT_NEAR(EarthLongitude(t, c.n), EarthLongitudeWithCounts(t, c.counts), 1e-13);
    }
  }
  // One term fewer in L0 changes the result: the counts are not merely upper bounds.
  EXPECT_GT(std::abs(EarthLongitude(0.3, 10) - EarthLongitudeWithCounts(0.3, {9, 7, 5, 2, 2, 2})),
            1e-9);
}

// The Moon coordinate summed here with explicit term counts per power of t, without the mean
// longitude (so only differences between precisions are compared).
double MoonPeriodicWithCounts(int coordinate, double t, const std::array<int, 3>& counts) {
  double value = 0;
  double tPower = 1;
  for (int k = 0; k < 3; ++k) {
    double subSum = 0;
    for (int j = 0; j < counts[k]; ++j) {
      const double* p = &kMoonSeries[MoonSeriesStart(coordinate, k) + 6 * j];
      subSum += p[0] * std::cos(p[1] + p[2] * t + p[3] * t * t / 1e4 + p[4] * t * t * t / 1e8 +
                                p[5] * t * t * t * t / 1e8);
    }
    value += subSum * tPower;
    tPower *= t;
  }
  return coordinate == 2 ? value : value / kArcsecondsPerRadian;
}

TEST(MoonSeries, TermCountsPerPrecision) {
  struct Case {
    int coordinate;
    int n;
    std::array<int, 3> counts;
  };
  const std::vector<Case> cases = {
      {0, 3, {3, 2, 1}},       {0, 10, {10, 5, 1}},         {0, 20, {20, 8, 2}},
      {0, 40, {40, 15, 2}},    {1, 30, {30, 8, 3}},         {2, 8, {8, 3, 2}},
      {0, 0, {0, 1, 1}},       {1, 0, {0, 1, 1}},           {2, 0, {0, 1, 1}},
      {0, -1, {442, 149, 2}},  {1, -1, {206, 45, 12}},      {2, -1, {221, 52, 12}},
      {0, 500, {442, 149, 2}}, {2, INT_MAX, {221, 52, 12}},
  };
  const std::array<int, 3> none = {0, 0, 0};
  for (const Case& c : cases) {
    for (double t : kSampleTimes) {
      SCOPED_TRACE(testing::Message()
                   << "coordinate " << c.coordinate << ", n = " << c.n << ", t = " << t);
      // Longitude and latitude in radians (1e-12 rad = 0.2 microarcsecond) with the rounding of
      // the mean longitude, distance in km. One term more or fewer moves the sum by more.
      const double value = MoonSeries(c.coordinate, t, c.n);
      const double tolerance = c.coordinate == 2 ? 1e-8 : 1e-12 + 1e-15 * std::abs(value);
      const double base =
          MoonSeries(c.coordinate, t, 0) - MoonPeriodicWithCounts(c.coordinate, t, {0, 1, 1});
      EXPECT_NEAR(value, base + MoonPeriodicWithCounts(c.coordinate, t, c.counts), tolerance);
      if (c.coordinate != 0) {
        EXPECT_NEAR(base, MoonPeriodicWithCounts(c.coordinate, t, none), tolerance);
      }
    }
  }
}

TEST(MoonSeries, OtherCoordinatesGiveZero) {
  EXPECT_EQ(MoonSeries(-1, 0.5, -1), 0);
  EXPECT_EQ(MoonSeries(3, 0.5, -1), 0);
}

TEST(MoonSeries, LongitudeFitAfterTheYear3000) {
  // Two equal steps of 1e-12 century, one ending at t = 10 and one leaving it: their difference
  // is the fit's -0.866" (the motion itself changes by about 1e-6" between them).
  const double step = 1e-12;
  const double before = MoonSeries(0, 10 - step, -1);
  const double at = MoonSeries(0, 10, -1);
  const double after = MoonSeries(0, 10 + step, -1);
  EXPECT_NEAR(((after - at) - (at - before)) * kArcsecondsPerRadian, -0.866, 1e-4);
  // No step where t stays at or below 10.
  const double a = MoonSeries(0, 9.9 - step, -1);
  const double b = MoonSeries(0, 9.9, -1);
  const double c = MoonSeries(0, 9.9 + step, -1);
  EXPECT_NEAR(((c - b) - (b - a)) * kArcsecondsPerRadian, 0, 1e-4);
}

TEST(MoonSeries, MeanValuesAreSound) {
  // The mean distance term and the mean longitude at J2000.0 (218.3 deg).
  EXPECT_NEAR(MoonSeries(2, 0, -1), 385000.51, 30000);
  EXPECT_NEAR(MoonSeries(0, 0, -1), 3.81034409, 0.12);
  EXPECT_NEAR(MoonSeries(1, 0, -1), 0, 0.0925);  // within 5.3 deg of the ecliptic
}

TEST(MoonLongitudeSpeed, AgreesWithTheDerivativeOfTheSeries) {
  // The speed is a short approximation: it follows the full series' derivative to about 0.5 %.
  for (double t = -2; t <= 2; t += 0.0137) {
    SCOPED_TRACE(t);
    const double h = 1e-6;
    const double derivative = (MoonSeries(0, t + h, -1) - MoonSeries(0, t - h, -1)) / (2 * h);
    EXPECT_NEAR(MoonLongitudeSpeed(t), derivative, 0.005 * derivative);
  }
}

TEST(SunApparentLongitude, UnreducedValuesAtJ2000AndACenturyLater) {
  EXPECT_NEAR(SunApparentLongitude(0, -1), 4.893348, 1e-6);  // 280.37 deg
  EXPECT_NEAR(SunApparentLongitude(1, -1), 633.224874, 1e-6);
}

TEST(SunApparentLongitude, IsEarthLongitudePlusNutationLessAberrationPlusPi) {
  for (double t : kSampleTimes) {
    SCOPED_TRACE(t);
    const double difference =
        SunApparentLongitude(t, 10) - EarthLongitude(t, 10) - std::numbers::pi;
    // Nutation within 19" and aberration 20.5" +- 0.4".
    EXPECT_LT(std::abs(difference * kArcsecondsPerRadian + 20.5), 20);
  }
  // Nutation from the ten rows as written (the first amplitude -1720 - 1.742 t, in 0.01") less
  // the aberration; at J2000.0 that is -13.9" - 20.50". The subtraction above costs up to 1e-12
  // rad at t = -10, where the secular -1.742 t alone is worth 8e-7 rad.
  const std::array<std::array<double, 4>, 10> rows = {{
      {2.1824, -33.75705, 3.6e-05, -1720},
      {3.5069, 1256.66393, 1.1e-05, -132},
      {1.3375, 16799.4182, -5.1e-05, -23},
      {4.3649, -67.5141, 7.2e-05, 21},
      {0.04, -628.302, 0, -14},
      {2.36, 8328.691, 0, 7},
      {3.46, 1884.966, 0, -5},
      {5.44, 16833.175, 0, -4},
      {3.69, 25128.11, 0, -3},
      {3.55, 628.362, 0, 2},
  }};
  for (double t : kSampleTimes) {
    SCOPED_TRACE(t);
    double nutation = -1.742 * t * std::sin(rows[0][0] + rows[0][1] * t + rows[0][2] * t * t);
    for (const auto& row : rows) {
      nutation += row[3] * std::sin(row[0] + row[1] * t + row[2] * t * t);
    }
    const double aberration = 20.49552 *
                              (1 + (0.016708634 - 4.2037e-05 * t - 1.267e-07 * t * t) *
                                       std::cos(-0.043126 + 628.301955 * t - 2.732e-06 * t * t)) /
                              kArcsecondsPerRadian;
    const double expected = nutation / 100 / kArcsecondsPerRadian - aberration;
    EXPECT_NEAR(SunApparentLongitude(t, -1) - EarthLongitude(t, -1) - std::numbers::pi, expected,
                1e-11);
  }
}

TEST(MoonSunElongation, LeavesNutationOutAndCorrectsLightTime) {
  for (double t : kSampleTimes) {
    SCOPED_TRACE(t);
    const double aberration = 20.49552 *
                              (1 + (0.016708634 - 4.2037e-05 * t - 1.267e-07 * t * t) *
                                       std::cos(-0.043126 + 628.301955 * t - 2.732e-06 * t * t)) /
                              kArcsecondsPerRadian;
    const double expected =
        MoonSeries(0, t, -1) - 3.4e-06 - (EarthLongitude(t, 60) - aberration + std::numbers::pi);
    EXPECT_NEAR(MoonSunElongation(t, -1, 60), expected, 1e-12);
  }
}

}  // namespace
}  // namespace engine
