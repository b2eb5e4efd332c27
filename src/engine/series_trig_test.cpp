#include "engine/series_trig.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "engine/sun_moon_tables.h"

namespace engine {
namespace {

// Arguments spread over every scale the series meet, from 1e-9 to the limit, both signs.
template <typename Check>
void ForEachArgument(Check check) {
  std::uint64_t state = 88172645463325252u;
  for (int i = 0; i < 4'000'000; ++i) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    const double unit = static_cast<double>(state >> 11) * 0x1p-53;  // [0, 1)
    const double magnitude = std::pow(10.0, -9 + 16.7 * unit);
    check((i & 1) != 0 ? magnitude : -magnitude);
  }
}

TEST(SeriesTrig, AgreesWithTheLibraryToAboutOneUnitInTheLastPlace) {
  // The series multiply each value by an amplitude and add: what counts is the absolute error,
  // which stays within 1.2e-16 of the library's; near zero it is also relatively small.
  double largestCos = 0;
  double largestSin = 0;
  ForEachArgument([&](double x) {
    const double c = SeriesCos(x) - std::cos(x);
    const double s = SeriesSin(x) - std::sin(x);
    largestCos = std::max(largestCos, std::abs(c));
    largestSin = std::max(largestSin, std::abs(s));
    if (std::abs(c) > 1.2e-16 || std::abs(s) > 1.2e-16) {
      ADD_FAILURE() << "x = " << x << ": cos off by " << c << ", sin by " << s;
    }
  });
  std::printf("largest difference from the library: cos %.3g, sin %.3g\n", largestCos, largestSin);
}

TEST(SeriesTrig, SmallArgumentsKeepTheirRelativePrecision) {
  for (double x = 1e-300; x < 0.5; x *= 1.37) {
    SCOPED_TRACE(x);
    EXPECT_NEAR(SeriesSin(x), std::sin(x), 2.3e-16 * std::sin(x));
    EXPECT_NEAR(SeriesSin(-x), -std::sin(x), 2.3e-16 * std::sin(x));
    EXPECT_EQ(SeriesCos(x), std::cos(x));
  }
  EXPECT_EQ(SeriesSin(0.0), 0.0);
  EXPECT_EQ(SeriesCos(0.0), 1.0);
}

TEST(SeriesTrig, QuadrantsAndLimits) {
  constexpr double kPi = 3.141592653589793;
  for (int k = -8; k <= 8; ++k) {
    SCOPED_TRACE(k);
    const double x = k * kPi / 2 + 0.1;
    EXPECT_NEAR(SeriesCos(x), std::cos(x), 1.2e-16);
    EXPECT_NEAR(SeriesSin(x), std::sin(x), 1.2e-16);
  }
  // Beyond the limit, and not finite: the library's own answer.
  EXPECT_EQ(SeriesCos(1e9), std::cos(1e9));
  EXPECT_EQ(SeriesSin(-1e12), std::sin(-1e12));
  EXPECT_TRUE(std::isnan(SeriesCos(std::numeric_limits<double>::infinity())));
  EXPECT_TRUE(std::isnan(SeriesSin(std::nan(""))));
}

// The plain loop that SumOfCosineColumns stands for, over a table stored term by term.
template <typename Argument>
double PlainSum(const double* terms, std::size_t count, std::size_t termSize, Argument argument) {
  double sum = 0;
  for (std::size_t i = 0; i < count; ++i) {
    sum += terms[i * termSize] * SeriesCos(argument(terms + i * termSize));
  }
  return sum;
}

// The phases of the Earth's terms from kEarthColumns, and of the Moon's from kMoonColumns.
struct EarthColumnPhase {
  double tau;
  template <typename Real>
  void operator()(std::size_t i, Real& x) const {
    Real b;
    Real c;
    series_trig::LoadInto(kEarthColumns.column[1].data() + i, b);
    series_trig::LoadInto(kEarthColumns.column[2].data() + i, c);
    x = b + c * tau;
  }
  double Bound() const {
    return (kEarthColumns.largest[1] + kEarthColumns.largest[2] * std::abs(tau)) * (1 + 1e-9);
  }
};

struct MoonColumnPhase {
  double t, a2, a3, a4;
  template <typename Real>
  void operator()(std::size_t i, Real& x) const {
    Real p[5];
    for (std::size_t j = 0; j < 5; ++j) {
      series_trig::LoadInto(kMoonColumns.column[j + 1].data() + i, p[j]);
    }
    x = p[0] + p[1] * t + p[2] * a2 + p[3] * a3 + p[4] * a4;
  }
  double Bound() const {
    const auto& m = kMoonColumns.largest;
    return (m[1] + m[2] * std::abs(t) + m[3] * std::abs(a2) + m[4] * std::abs(a3) +
            m[5] * std::abs(a4)) *
           (1 + 1e-9);
  }
};

// Two, four and eight cosines at a time from the tables stored column by column give the bits of
// one at a time from the tables stored term by term, over the Earth's and the Moon's series
// (every length from 0 terms, so every remainder), at times from the millennia the series serve
// to times whose phases leave the kernel's range for the library's.
TEST(SeriesTrig, TermSumsInVectorsAreThePlainSumsBitForBit) {
  const double* earth = kEarthSeries.data() + static_cast<std::size_t>(kEarthSeries[1]);
  const std::size_t earthTerms = (kEarthSeries.size() - static_cast<std::size_t>(kEarthSeries[1])) /
                                 static_cast<std::size_t>(kEarthTermSize);
  const std::size_t moonTerms = kMoonSeries.size() / static_cast<std::size_t>(kMoonTermSize);
  ASSERT_EQ(earthTerms, kEarthTerms);
  ASSERT_EQ(moonTerms, kMoonTerms);
  const double* earthAmplitudes = kEarthColumns.column[0].data();
  const double* moonAmplitudes = kMoonColumns.column[0].data();
  int sums = 0;
  for (const double t : {-4000.0, -40.0, -1.3, 0.0, 0.24, 7.7, 40.0, 3e4, 1e6}) {
    SCOPED_TRACE(t);
    const double tau = t / 10;
    const auto earthPhase = [tau](const double* p) { return p[1] + p[2] * tau; };
    const double a2 = t * t / 1e4;
    const double a3 = t * t * t / 1e8;
    const double a4 = t * t * t * t / 1e8;
    const auto moonPhase = [=](const double* p) {
      return p[1] + p[2] * t + p[3] * a2 + p[4] * a3 + p[5] * a4;
    };
    const EarthColumnPhase earthColumns{tau};
    const MoonColumnPhase moonColumns{t, a2, a3, a4};
    for (std::size_t count = 0; count <= earthTerms; count += count < 17 ? 1 : 37) {
      const auto plain =
          std::bit_cast<std::uint64_t>(PlainSum(earth, count, kEarthTermSize, earthPhase));
      ASSERT_EQ(std::bit_cast<std::uint64_t>(
                    SumOfCosineColumns<series_trig::Double2>(earthAmplitudes, count, earthColumns)),
                plain)
          << count;
      ASSERT_EQ(std::bit_cast<std::uint64_t>(
                    SumOfCosineColumns<series_trig::Double4>(earthAmplitudes, count, earthColumns)),
                plain)
          << count;
      ASSERT_EQ(std::bit_cast<std::uint64_t>(
                    SumOfCosineColumns<series_trig::Double8>(earthAmplitudes, count, earthColumns)),
                plain)
          << count;
      ++sums;
    }
    for (std::size_t count = 0; count <= moonTerms; count += count < 17 ? 1 : 53) {
      const auto plain = std::bit_cast<std::uint64_t>(
          PlainSum(kMoonSeries.data(), count, kMoonTermSize, moonPhase));
      ASSERT_EQ(std::bit_cast<std::uint64_t>(
                    SumOfCosineColumns<series_trig::Double2>(moonAmplitudes, count, moonColumns)),
                plain)
          << count;
      ASSERT_EQ(std::bit_cast<std::uint64_t>(
                    SumOfCosineColumns<series_trig::Double4>(moonAmplitudes, count, moonColumns)),
                plain)
          << count;
      ASSERT_EQ(std::bit_cast<std::uint64_t>(
                    SumOfCosineColumns<series_trig::Double8>(moonAmplitudes, count, moonColumns)),
                plain)
          << count;
      ++sums;
    }
  }
  std::printf("term sums compared bit for bit: %d\n", sums);
}

}  // namespace
}  // namespace engine
