#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <type_traits>

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
// A bound of a phase's magnitude from bounds of its parts: the phase computed in doubles exceeds
// the sum of the parts' magnitudes by a few units in the last place at most, which this factor
// covers.
inline constexpr double kPhaseBoundAllowance = 1 + 1e-9;

// Doubles side by side in one register, a vector extension of GCC and Clang: the series evaluate
// their terms two (SSE2), four (AVX2) or eight (AVX-512) at a time. Each lane goes through the
// same operations as a lone double, so a term's value does not depend on its neighbours.
using Double2 = double __attribute__((vector_size(16)));
using Bits2 = std::uint64_t __attribute__((vector_size(16)));
using Double4 = double __attribute__((vector_size(32)));
using Bits4 = std::uint64_t __attribute__((vector_size(32)));
using Double8 = double __attribute__((vector_size(64)));
using Bits8 = std::uint64_t __attribute__((vector_size(64)));

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
template <>
struct BitsOf<Double8> {
  using type = Bits8;
};

// The vector of half as many lanes, down to a lone double.
template <typename Lanes>
struct HalfOf;
template <>
struct HalfOf<Double8> {
  using type = Double4;
};
template <>
struct HalfOf<Double4> {
  using type = Double2;
};
template <>
struct HalfOf<Double2> {
  using type = double;
};

// value = the double at p, or the doubles from p in a vector's lanes (any alignment).
template <typename Real>
[[gnu::always_inline]] inline void LoadInto(const double* p, Real& value) {
  __builtin_memcpy(&value, p, sizeof value);
}

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

namespace series_trig {

// sum += amplitudes[i] * cos(phase of term i), term by term, for the terms from i on while a
// vector of Lanes of them remains, then with vectors of half as many lanes, down to two: the
// phases, cosines and products a vector at a time, only the sum term by term. For phases known
// to be within the kernel's range.
template <typename Lanes, typename Phase>
[[gnu::always_inline]] inline void AddTermsInVectors(const double* amplitudes, std::size_t count,
                                                     const Phase& phase, std::size_t& i,
                                                     double& sum) {
  constexpr std::size_t kLanes = sizeof(Lanes) / sizeof(double);
  for (; i + kLanes <= count; i += kLanes) {
    Lanes x;
    phase(i, x);
    Lanes c;
    CosOfQuadrantInto(x, 0, c);
    Lanes a;
    LoadInto(amplitudes + i, a);
    const Lanes product = a * c;
    for (std::size_t lane = 0; lane < kLanes; ++lane) {
      sum += product[lane];
    }
  }
  using Half = typename HalfOf<Lanes>::type;
  if constexpr (!std::is_same_v<Half, double>) {
    AddTermsInVectors<Half>(amplitudes, count, phase, i, sum);
  }
}

}  // namespace series_trig

// The sum, in term order, of amplitudes[i] * SeriesCos(phase of term i) over `count` terms stored
// column by column: phase(i, x) sets x to the phase of term i, or to the phases of the terms from
// i in a vector's lanes, and phase.Bound() is an upper bound of the magnitude of every phase (NaN
// when there is none). Bit for bit the plain loop: when the bound keeps every phase within the
// kernel's range, the terms go a vector of Lanes (Double2, Double4 or Double8) at a time, and
// only the sum runs term by term; else, and for the last terms, one at a time. Always inlined, so
// that a caller built for AVX2 or AVX-512 computes a vector in one register.
template <typename Lanes, typename Phase>
[[gnu::always_inline]] inline double SumOfCosineColumns(const double* amplitudes, std::size_t count,
                                                        const Phase& phase) {
  double sum = 0;
  std::size_t i = 0;
  if (phase.Bound() < series_trig::kLimit) {
    series_trig::AddTermsInVectors<Lanes>(amplitudes, count, phase, i, sum);
  }
  for (; i < count; ++i) {
    double x;
    phase(i, x);
    sum += amplitudes[i] * SeriesCos(x);
  }
  return sum;
}

}  // namespace engine
