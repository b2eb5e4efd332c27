#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

namespace engine {

// Cosine and sine for the inner loops of the sun and moon series: Cody-Waite reduction by pi/2
// in three parts and the classic minimax polynomials on [-pi/4, pi/4]; within about one unit in
// the last place of the library functions, without their calls and branches. Arguments of
// magnitude 6e7 or more (and non-finite ones) go to the library.
namespace series_trig {

inline constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// pi/2 = kPiOver2A + kPiOver2B + kPiOver2C, the first two with 26 significant bits so that
// k * each is exact for |k| < 2^27.
inline constexpr double kPiOver2A = 0x1.921fb58p+0;
inline constexpr double kPiOver2B = -0x1.dde974p-27;
inline constexpr double kPiOver2C = 0x1.1a62633145c07p-54;
// Adding 1.5 * 2^52 rounds to an integer held in the low bits of the mantissa.
inline constexpr double kRoundingShift = 0x1.8p52;
inline constexpr double kLimit = 6.0e7;

// Value of cos(x + quarterTurns * pi/2) for |x| < kLimit.
inline double CosOfQuadrant(double x, std::uint64_t quarterTurns) {
  const double shifted = x * kTwoOverPi + kRoundingShift;
  const double k = shifted - kRoundingShift;
  const std::uint64_t quadrant = std::bit_cast<std::uint64_t>(shifted) + quarterTurns;
  double r = x - k * kPiOver2A;  // exact
  r -= k * kPiOver2B;
  r -= k * kPiOver2C;
  const double z = r * r;
  const double sinR =
      r + r * z *
              (-1.66666666666666324348e-01 +
               z * (8.33333333332248946124e-03 +
                    z * (-1.98412698298579493134e-04 +
                         z * (2.75573137070700676789e-06 + z * (-2.50507602534068634195e-08 +
                                                                z * 1.58969099521155010221e-10)))));
  const double cosTail =
      z * z *
      (4.16666666666666019037e-02 +
       z * (-1.38888888888741095749e-03 +
            z * (2.48015872894767294178e-05 +
                 z * (-2.75573143513906633035e-07 +
                      z * (2.08757232129817482790e-09 + z * -1.13596475577881948265e-11)))));
  const double half = 0.5 * z;
  const double w = 1 - half;
  const double cosR = w + (((1 - w) - half) + cosTail);
  const double value = (quadrant & 1) != 0 ? sinR : cosR;
  return ((quadrant + 1) & 2) != 0 ? -value : value;
}

}  // namespace series_trig

inline double SeriesCos(double x) {
  if (!(std::abs(x) < series_trig::kLimit)) {
    return std::cos(x);
  }
  return series_trig::CosOfQuadrant(x, 0);
}

inline double SeriesSin(double x) {
  if (!(std::abs(x) < series_trig::kLimit)) {
    return std::sin(x);
  }
  return series_trig::CosOfQuadrant(x, 3);
}

}  // namespace engine
