#pragma once

#include <cmath>
#include <cstddef>
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

// Doubles side by side in one register, a vector extension of GCC and Clang: the series evaluate
// their terms two (SSE2) or four (AVX2) at a time. Each lane goes through the same operations as a
// lone double, so a term's value does not depend on its neighbours.
using Double2 = double __attribute__((vector_size(16)));
using Bits2 = std::uint64_t __attribute__((vector_size(16)));
using Double4 = double __attribute__((vector_size(32)));
using Bits4 = std::uint64_t __attribute__((vector_size(32)));

// The unsigned integer of a real's width, lane by lane.
template <typename Real>
struct BitsOf;
template <>
struct BitsOf<double> {
  using type = std::uint64_t;
};
template <>
struct BitsOf<Double2> {
  using type = Bits2;
};
template <>
struct BitsOf<Double4> {
  using type = Bits4;
};

// value = cos(x + quarterTurns * pi/2) for |x| < kLimit, for a double or each lane of a vector.
// Always inlined, and no vector passes by value (hence the references and __builtin_bit_cast): a
// 32-byte vector passed by value would depend on the instruction set the caller was built for.
template <typename Real>
[[gnu::always_inline]] inline void CosOfQuadrantInto(const Real& x, std::uint64_t quarterTurns,
                                                     Real& value) {
  using Bits = typename BitsOf<Real>::type;
  const Real shifted = x * kTwoOverPi + kRoundingShift;
  const Real k = shifted - kRoundingShift;
  const Bits quadrant = __builtin_bit_cast(Bits, shifted) + quarterTurns;
  Real r = x - k * kPiOver2A;  // exact
  r -= k * kPiOver2B;
  r -= k * kPiOver2C;
  const Real z = r * r;
  const Real sinR =
      r + r * z *
              (-1.66666666666666324348e-01 +
               z * (8.33333333332248946124e-03 +
                    z * (-1.98412698298579493134e-04 +
                         z * (2.75573137070700676789e-06 + z * (-2.50507602534068634195e-08 +
                                                                z * 1.58969099521155010221e-10)))));
  const Real cosTail =
      z * z *
      (4.16666666666666019037e-02 +
       z * (-1.38888888888741095749e-03 +
            z * (2.48015872894767294178e-05 +
                 z * (-2.75573143513906633035e-07 +
                      z * (2.08757232129817482790e-09 + z * -1.13596475577881948265e-11)))));
  const Real half = 0.5 * z;
  const Real w = 1 - half;
  const Real cosR = w + (((1 - w) - half) + cosTail);
  // The quadrant picks the polynomial and the sign by masks, not by branches: from one term of a
  // series to the next the quadrant looks random, and a branch on it mispredicts half the time.
  // The results are those of the plain selection and negation, bit for bit.
  const Bits pickSin = Bits{} - (quadrant & 1);  // all ones in quadrants 1 and 3
  const Bits sign = ((quadrant + 1) & 2) << 62;  // the sign bit in quadrants 2 and 3
  const Bits picked =
      (__builtin_bit_cast(Bits, sinR) & pickSin) | (__builtin_bit_cast(Bits, cosR) & ~pickSin);
  value = __builtin_bit_cast(Real, picked ^ sign);
}

inline double CosOfQuadrant(double x, std::uint64_t quarterTurns) {
  double value;
  CosOfQuadrantInto(x, quarterTurns, value);
  return value;
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

// The sum, in term order, of amplitude * SeriesCos(argument(term)) over `count` terms of
// `termSize` doubles each, the amplitude first: term i starts at terms + i * termSize and
// argument(term) gives its phase. Bit for bit the plain loop; the cosines are taken a vector of
// Lanes (Double2 or Double4) at a time, and only the sum runs term by term. Always inlined, so
// that a caller built for AVX2 computes a Double4 in one register.
template <typename Lanes, typename Argument>
[[gnu::always_inline]] inline double SumOfCosineTerms(const double* terms, std::size_t count,
                                                      std::size_t termSize, Argument argument) {
  constexpr std::size_t kLanes = sizeof(Lanes) / sizeof(double);
  double sum = 0;
  std::size_t i = 0;
  for (; i + kLanes <= count; i += kLanes) {
    const double* first = terms + i * termSize;
    Lanes x;
    for (std::size_t lane = 0; lane < kLanes; ++lane) {
      x[lane] = argument(first + lane * termSize);
    }
    Lanes c;
    series_trig::CosOfQuadrantInto(x, 0, c);
    for (std::size_t lane = 0; lane < kLanes; ++lane) {
      // A phase out of the kernel's range (none of the series reaches it) takes the library's.
      const double cosine = std::abs(x[lane]) < series_trig::kLimit ? c[lane] : std::cos(x[lane]);
      sum += first[lane * termSize] * cosine;
    }
  }
  for (; i < count; ++i) {
    const double* term = terms + i * termSize;
    sum += term[0] * SeriesCos(argument(term));
  }
  return sum;
}

}  // namespace engine
