#include "engine/series_sums.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "engine/series_trig.h"
#include "engine/sun_moon_tables.h"

namespace engine::series_sums {
namespace {

// A phase bound is NaN or infinite when an argument is, and so fails every range test.
using series_trig::kPhaseBoundAllowance;

// The phases B + C * tau of the Earth's terms from `first` on, at tau (Julian millennia).
struct EarthPhase {
  std::size_t first;
  double tau;
  template <typename Real>
  [[gnu::always_inline]] void operator()(std::size_t i, Real& x) const {
    Real b;
    Real c;
    series_trig::LoadInto(kEarthColumns.column[1].data() + first + i, b);
    series_trig::LoadInto(kEarthColumns.column[2].data() + first + i, c);
    x = b + c * tau;
  }
  double Bound() const {
    return (kEarthColumns.largest[1] + kEarthColumns.largest[2] * std::abs(tau)) *
           kPhaseBoundAllowance;
  }
};

// The phases p0 + p1 t + p2 a2 + p3 a3 + p4 a4 of the Moon's terms from `first` on.
struct MoonPhase {
  std::size_t first;
  const MoonArguments& arguments;
  template <typename Real>
  [[gnu::always_inline]] void operator()(std::size_t i, Real& x) const {
    Real p0;
    Real p1;
    Real p2;
    Real p3;
    Real p4;
    series_trig::LoadInto(kMoonColumns.column[1].data() + first + i, p0);
    series_trig::LoadInto(kMoonColumns.column[2].data() + first + i, p1);
    series_trig::LoadInto(kMoonColumns.column[3].data() + first + i, p2);
    series_trig::LoadInto(kMoonColumns.column[4].data() + first + i, p3);
    series_trig::LoadInto(kMoonColumns.column[5].data() + first + i, p4);
    x = p0 + p1 * arguments.t + p2 * arguments.a2 + p3 * arguments.a3 + p4 * arguments.a4;
  }
  double Bound() const {
    const auto& largest = kMoonColumns.largest;
    return (largest[1] + largest[2] * std::abs(arguments.t) + largest[3] * std::abs(arguments.a2) +
            largest[4] * std::abs(arguments.a3) + largest[5] * std::abs(arguments.a4)) *
           kPhaseBoundAllowance;
  }
};

template <typename Lanes>
[[gnu::always_inline]] inline double EarthSum(std::size_t first, std::size_t count, double tau) {
  return SumOfCosineColumns<Lanes>(kEarthColumns.column[0].data() + first, count,
                                   EarthPhase{first, tau});
}

template <typename Lanes>
[[gnu::always_inline]] inline double MoonSum(std::size_t first, std::size_t count,
                                             const MoonArguments& arguments) {
  return SumOfCosineColumns<Lanes>(kMoonColumns.column[0].data() + first, count,
                                   MoonPhase{first, arguments});
}

double EarthSse2(std::size_t first, std::size_t count, double tau) {
  return EarthSum<series_trig::Double2>(first, count, tau);
}

double MoonSse2(std::size_t first, std::size_t count, const MoonArguments& arguments) {
  return MoonSum<series_trig::Double2>(first, count, arguments);
}

bool RunsAnywhere() { return true; }

// On x86-64 one build more for AVX2 (four terms at a time) and one for AVX-512 (eight).
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define TAVREL_SERIES_WIDE 1

__attribute__((target("avx2"))) double EarthAvx2(std::size_t first, std::size_t count, double tau) {
  return EarthSum<series_trig::Double4>(first, count, tau);
}

__attribute__((target("avx2"))) double MoonAvx2(std::size_t first, std::size_t count,
                                                const MoonArguments& arguments) {
  return MoonSum<series_trig::Double4>(first, count, arguments);
}

__attribute__((target("avx512f"))) double EarthAvx512(std::size_t first, std::size_t count,
                                                      double tau) {
  return EarthSum<series_trig::Double8>(first, count, tau);
}

__attribute__((target("avx512f"))) double MoonAvx512(std::size_t first, std::size_t count,
                                                     const MoonArguments& arguments) {
  return MoonSum<series_trig::Double8>(first, count, arguments);
}

bool RunsAvx2() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2");
}

bool RunsAvx512() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx512f");
}
#endif

constexpr auto kVersions = std::to_array<Version>({
#ifdef TAVREL_SERIES_WIDE
    {"AVX-512", RunsAvx512, EarthAvx512, MoonAvx512},
    {"AVX2", RunsAvx2, EarthAvx2, MoonAvx2},
#endif
    {"SSE2", RunsAnywhere, EarthSse2, MoonSse2},
});

const Version& FirstThatRuns() {
  for (const Version& version : kVersions) {
    if (version.runs()) {
      return version;
    }
  }
  return kVersions.back();
}

}  // namespace

std::span<const Version> Versions() { return kVersions; }

const Version& Chosen() {
  static const Version& chosen = FirstThatRuns();
  return chosen;
}

}  // namespace engine::series_sums
