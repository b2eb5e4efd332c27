#include "engine/sun_moon_series.h"

#include <cmath>
#include <cstddef>

#include "engine/series_sums.h"
#include "engine/series_trig.h"
#include "engine/sun_moon_tables.h"
#include "engine/time_frames.h"

namespace engine {
namespace {

// The number of doubles of a sub-series of `length` doubles that precision n keeps: all for
// n < 0; else round(termSize * n * length / firstLength), plus one term's worth after the first
// sub-series, capped at the length. A term is kept when it begins before that position.
std::size_t KeptLength(int n, std::size_t length, std::size_t firstLength, int termSize,
                       bool first) {
  if (n < 0) {
    return length;
  }
  double kept = std::floor(termSize * static_cast<double>(n) * static_cast<double>(length) /
                               static_cast<double>(firstLength) +
                           0.5);
  if (!first) {
    kept += termSize;
  }
  return kept >= static_cast<double>(length) ? length : static_cast<std::size_t>(kept);
}

// The number of terms that begin within the first `kept` doubles of a sub-series.
std::size_t TermCount(std::size_t kept, int termSize) {
  const auto size = static_cast<std::size_t>(termSize);
  return (kept + size - 1) / size;
}

// The Sun's aberration in radians: 20.49552" * (1 + e cos M) with the mean anomaly M and the
// eccentricity e of the Earth's orbit.
double SunAberration(double t) {
  const double t2 = t * t;
  const double meanAnomaly = -0.043126 + 628.301955 * t - 2.732e-06 * t2;
  const double eccentricity = 0.016708634 - 4.2037e-05 * t - 1.267e-07 * t2;
  return 20.49552 * (1 + eccentricity * SeriesCos(meanAnomaly)) / kArcsecondsPerRadian;
}

// The nutation terms column by column (phase, rate, quadratic, amplitude), for loads of two
// terms' coefficients into one vector.
constexpr std::array<double, 4 * kNutationTerms.size()> NutationRows() {
  std::array<double, 4 * kNutationTerms.size()> rows{};
  for (std::size_t i = 0; i < kNutationTerms.size(); ++i) {
    rows[4 * i] = kNutationTerms[i].phase;
    rows[4 * i + 1] = kNutationTerms[i].rate;
    rows[4 * i + 2] = kNutationTerms[i].quadratic;
    rows[4 * i + 3] = kNutationTerms[i].amplitude;
  }
  return rows;
}

constexpr auto kNutationColumns = ToColumns<4, kNutationTerms.size()>(NutationRows(), 0);
static_assert(kNutationTerms.size() % 2 == 0);

// Nutation in longitude, radians, from the ten largest IAU 1980 terms, summed in term order. The
// sines go two at a time, lane arithmetic being that of a lone double, when a bound of the phases
// keeps them within the kernel's range (always, within a million years of J2000).
double NutationInLongitude(double t) {
  const double t2 = t * t;
  const auto& c = kNutationColumns;
  const double bound = (c.largest[0] + c.largest[1] * std::abs(t) + c.largest[2] * std::abs(t2)) *
                       series_trig::kPhaseBoundAllowance;
  double sum = 0;
  if (bound < series_trig::kLimit) {
    for (std::size_t i = 0; i < kNutationTerms.size(); i += 2) {
      series_trig::Double2 phase, rate, quadratic, amplitude;
      series_trig::LoadInto(c.column[0].data() + i, phase);
      series_trig::LoadInto(c.column[1].data() + i, rate);
      series_trig::LoadInto(c.column[2].data() + i, quadratic);
      series_trig::LoadInto(c.column[3].data() + i, amplitude);
      if (i == 0) {
        amplitude[0] = amplitude[0] - 1.742 * t;
      }
      const series_trig::Double2 x = phase + rate * t + quadratic * t2;
      series_trig::Double2 sine;
      series_trig::CosOfQuadrantInto(x, 3, sine);
      const series_trig::Double2 product = amplitude * sine;
      sum += product[0];
      sum += product[1];
    }
  } else {
    for (std::size_t i = 0; i < kNutationTerms.size(); ++i) {
      const NutationTerm& term = kNutationTerms[i];
      const double amplitude = i == 0 ? term.amplitude - 1.742 * t : term.amplitude;
      sum += amplitude * SeriesSin(term.phase + term.rate * t + term.quadratic * t2);
    }
  }
  return sum / 100 / kArcsecondsPerRadian;
}

}  // namespace

double EarthLongitude(double t, int n) {
  const double tau = t / 10;
  const double* series = kEarthSeries.data();
  const auto firstLength = static_cast<std::size_t>(series[2] - series[1]);
  const auto sum = series_sums::Chosen().earth;
  double total = 0;
  double tauPower = 1;
  for (int i = 0; i < 6; ++i) {
    const auto begin = static_cast<std::size_t>(series[1 + i]);
    const auto length = static_cast<std::size_t>(series[2 + i]) - begin;
    const std::size_t kept = KeptLength(n, length, firstLength, kEarthTermSize, i == 0);
    const std::size_t first = (begin - static_cast<std::size_t>(series[1])) / kEarthTermSize;
    const double subSum = sum(first, TermCount(kept, kEarthTermSize), tau);
    total += subSum * tauPower;
    tauPower *= tau;
  }
  // Correction in arcseconds from the dynamical equinox to the one of the FK5 frame.
  const double correction = 0.0728 + 2.7702 * tau + 1.1019 * tau * tau + 0.0996 * tau * tau * tau;
  return total / series[0] - correction / kArcsecondsPerRadian;
}

double MoonSeries(int coordinate, double t, int n) {
  if (coordinate < kMoonLongitude || coordinate > kMoonDistance) {
    return 0;
  }
  const double t2 = t * t;
  const double t3 = t2 * t;
  const double t4 = t3 * t;
  double value = 0;  // arcseconds, or km for the distance
  if (coordinate == kMoonLongitude) {
    // Mean longitude and precession.
    value = (3.81034409 + 8399.684730072 * t - 3.319e-05 * t2 + 3.11e-08 * t3 - 2.033e-10 * t4) *
                kArcsecondsPerRadian +
            5028.792262 * t + 1.1124406 * t2 + 7.699e-05 * t3 - 2.3479e-05 * t4 - 1.78e-08 * t4 * t;
    if (t - 10 > 0) {
      // Fit of the longitude after the year 3000.
      const double after = t - 10;
      value += -0.866 + 1.43 * after + 0.054 * after * after;
    }
  }
  const series_sums::MoonArguments arguments{t, t2 / 1e4, t3 / 1e8, t4 / 1e8};
  const auto sum = series_sums::Chosen().moon;
  const auto& counts = kMoonSeriesTerms[coordinate];
  const auto firstLength = static_cast<std::size_t>(counts[0]) * kMoonTermSize;
  double tPower = 1;
  for (int k = 0; k < 3; ++k) {
    const std::size_t first = MoonSeriesStart(coordinate, k) / kMoonTermSize;
    const auto length = static_cast<std::size_t>(counts[k]) * kMoonTermSize;
    const std::size_t kept = KeptLength(n, length, firstLength, kMoonTermSize, k == 0);
    const double subSum = sum(first, TermCount(kept, kMoonTermSize), arguments);
    value += subSum * tPower;
    tPower *= t;
  }
  return coordinate == kMoonDistance ? value : value / kArcsecondsPerRadian;
}

double MoonLongitudeSpeed(double t) {
  // {k, p, q}: k * sin(p + q * t), subtracted in this order.
  struct Term {
    double k;
    double p;
    double q;
  };
  static constexpr auto kTerms = std::to_array<Term>({
      {160, 0.1874, 7214.0629},
      {179, 2.543, 15542.7543},
      {62, 3.14, 16657.3828},
      {34, 4.827, 16866.9323},
      {22, 4.9, 23871.4457},
      {12, 2.59, 14914.4523},
      {7, 0.23, 6585.7609},
      {5, 0.9, 25195.624},
      {5, 2.32, -7700.3895},
      {5, 3.88, 8956.9934},
      {5, 0.49, 7771.3771},
  });
  static_assert(kTerms.size() == 11);
  double v = 8399.71 - 914 * SeriesSin(0.7848 + 8328.691425 * t + 0.0001523 * t * t);
  for (const Term& term : kTerms) {
    v -= term.k * SeriesSin(term.p + term.q * t);
  }
  return v;
}

double SunApparentLongitude(double t, int n) {
  return EarthLongitude(t, n) + NutationInLongitude(t) - SunAberration(t) + kPi;
}

double MoonSunElongation(double t, int nMoon, int nEarth) {
  // 3.4e-6 rad: the Moon's light time.
  return (MoonSeries(kMoonLongitude, t, nMoon) - 3.4e-06) -
         (EarthLongitude(t, nEarth) - SunAberration(t) + kPi);
}

}  // namespace engine
