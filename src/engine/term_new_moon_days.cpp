#include "engine/term_new_moon_days.h"

#include <cmath>

#include "engine/delta_t.h"
#include "engine/lunar_year.h"
#include "engine/moments.h"
#include "engine/sun_moon_series.h"
#include "engine/time_frames.h"

namespace engine {

namespace {

constexpr double kTropicalYear = 365.2422;
constexpr double kSynodicMonth = 29.5306;
constexpr double kSunRate = 628.3319653318;           // rad of solar longitude per century
constexpr double kElongationRate = 7771.37714500204;  // rad of elongation per century

// The unreduced target angle of the solar term whose mean moment follows julianDay by up to the
// look-ahead: W = k * pi / 12 (W = 0 the March equinox of 1999, Julian day 2451259).
double TermAngle(double julianDay) {
  const double k = std::floor((julianDay + kSolarTermLookAhead - 2451259) / kTropicalYear * 24);
  return k * kPi / 12;
}

// The same for new moons: W = 2 pi k, k = 0 the new moon of 2000-01-06 (Julian day 2451551).
double NewMoonAngle(double julianDay) {
  const double k = std::floor((julianDay + kNewMoonLookAhead - 2451551) / kSynodicMonth);
  return kTwoPi * k;
}

// Terms of the Earth's longitude in the first estimate of a precise-era solar term.
constexpr int kEstimateEarthTerms = 8;

// The Beijing date (whole day number) of a moment given in Julian centuries of Universal Time.
double BeijingDateOfUtCenturies(double t) {
  return std::floor(BeijingDayNumberOfUt(DayNumberOfJulianCenturies(t)) + 0.5);
}

double ApplyCorrection(double day, const std::string& corrections, double index) {
  if (!(index >= 0 && index < static_cast<double>(corrections.size()))) {
    return day;
  }
  switch (corrections[static_cast<std::size_t>(index)]) {
    case '1':
      return day + 1;
    case '2':
      return day - 1;
    default:
      return day;
  }
}

// Seconds after Beijing midnight of a moment m (day number), in [0, 86400).
double SecondsAfterMidnight(double m) {
  return kSecondsPerDay * (m + 0.5 - std::floor(m + 0.5));
}

// Whether the fast estimate m (Beijing day number) of an event lies within `margin` seconds of a
// Beijing midnight, where its date is taken again from the precise solver.
bool NearMidnight(double m, double margin) {
  const double f = SecondsAfterMidnight(m);
  return f < margin || f > kSecondsPerDay - margin;
}

}  // namespace

EventDayEra EraOfJulianDay(const std::vector<double>& fits, double lookAhead, double julianDay) {
  const double fitsStart = fits.front() - lookAhead;
  const double fitsEnd = fits.back() - lookAhead;
  if (julianDay < fitsStart || julianDay >= kPreciseEraJulianDay) {
    return EventDayEra::kPrecise;
  }
  if (julianDay < fitsEnd) {
    return EventDayEra::kFits;
  }
  return EventDayEra::kLowPrecision;
}

double FitEventDay(const std::vector<double>& fits, double lookAhead, double julianDay) {
  const double target = julianDay + lookAhead;
  // The pair whose next start (or the end value) lies after the target; the last pair otherwise.
  std::size_t i = 0;
  while (i + 3 < fits.size() && fits[i + 2] <= target) {
    i += 2;
  }
  const double start = fits[i];
  const double period = fits[i + 1];
  double d = std::floor(start + period * std::floor((target - start) / period) + 0.5);
  if (d == 1683460) {
    d = 1683461;  // the new moon of -103-01-23 was kept on -103-01-24
  }
  return DayNumberOfJulianDay(d);
}

double LowPrecisionTermDay(double julianDay, double fitsEnd, const std::string& corrections) {
  const double w = TermAngle(julianDay);
  double t = (w - 4.895062166) / kSunRate;
  t -= (334116 * std::cos(628.307585 * t + 4.67) + 53 * t * t +
        2061 * t * std::cos(628.3076 * t + 2.678)) /
       kSunRate / 10000000;
  // The solar longitude in units of 1e-7 rad, aberration and the largest nutation term included.
  const double l =
      48950621.66 + 6283319653.318 * t + 53 * t * t + 334166 * std::cos(628.307585 * t + 4.669257) +
      3489 * std::cos(1256.61517 * t + 4.6261) + 2060.6 * t * std::cos(628.307585 * t + 2.67823) -
      994 - 834 * std::sin(2.1824 - 33.75705 * t);
  // TT to UT by the parabola 32 (T + 1.8)^2 - 20 s of delta-T, T centuries.
  t -= (l / 10000000 - w) / 628.332 +
       (32 * (t + 1.8) * (t + 1.8) - 20) / kSecondsPerDay / kDaysPerJulianCentury;
  const double day = BeijingDateOfUtCenturies(t);
  const double index = std::floor((julianDay - fitsEnd) / kTropicalYear * 24);
  return ApplyCorrection(day, corrections, index);
}

double LowPrecisionNewMoonDay(double julianDay, double fitsEnd, const std::string& corrections) {
  const double w = NewMoonAngle(julianDay);
  double t = (w + 1.08472) / kElongationRate;
  t -= (0.10976 * std::cos(8328.6914 * t + 0.785) - 0.0000331 * t * t +
        0.02224 * std::cos(7214.0629 * t + 0.187) - 0.03342 * std::cos(628.3076 * t + 4.669)) /
           kElongationRate +
       (32 * (t + 1.8) * (t + 1.8) - 20) / kSecondsPerDay / kDaysPerJulianCentury;
  const double day = BeijingDateOfUtCenturies(t);
  const double index = std::floor((julianDay - fitsEnd) / kSynodicMonth);
  return ApplyCorrection(day, corrections, index);
}

double PreciseTermDay(double julianDay) {
  const double w = TermAngle(julianDay);
  double t = (w - 1.75347 - kPi) / kSunRate;
  t -= (0.0334166 * std::cos(628.307585 * t + 4.669257) + 0.000005297 * t * t +
        0.0002061 * t * std::cos(628.307585 * t + 2.67823)) /
       kSunRate;
  t += (w - EarthLongitude(t, kEstimateEarthTerms) - kPi +
        (20.5 + 17.2 * std::sin(2.1824 - 33.75705 * t)) / kArcsecondsPerRadian) /
       kSunRate;
  double m = BeijingDayNumberOfJulianCenturies(t);
  if (NearMidnight(m, 1200)) {
    // delta-T stays the one of the estimate's Beijing moment.
    m = BeijingDayNumberOfTt(DayNumberOfJulianCenturies(TimeOfSunLongitude(w)), DeltaTDays(m));
  }
  return std::floor(m + 0.5);
}

double PreciseNewMoonDay(double julianDay) {
  const double w = NewMoonAngle(julianDay);
  double m = BeijingDayNumberOfJulianCenturies(TimeOfElongationFast(w));
  // Before the fits (before -721) the estimate drifts so far that 11 new moons of -4712 .. -722
  // lying more than 1800 s from a midnight still fall on another day than the precise moment:
  // there the precise solver decides every new moon.
  if (julianDay < kPreciseEraJulianDay || NearMidnight(m, 1800)) {
    // delta-T stays the one of the estimate's Beijing moment.
    m = BeijingDayNumberOfTt(DayNumberOfJulianCenturies(TimeOfElongation(w)), DeltaTDays(m));
  }
  return std::floor(m + 0.5);
}

double LunarYearTable::FindTermOrNewMoonDay(double day, int kind) const {
  const double julianDay = JulianDayOfDayNumber(day);
  const bool newMoon = kind == kNewMoonEvent;
  const std::vector<double>& fits = newMoon ? newMoonFits : termFits;
  const double lookAhead = newMoon ? kNewMoonLookAhead : kSolarTermLookAhead;
  switch (EraOfJulianDay(fits, lookAhead, julianDay)) {
    case EventDayEra::kFits:
      return FitEventDay(fits, lookAhead, julianDay);
    case EventDayEra::kLowPrecision:
      return newMoon
                 ? LowPrecisionNewMoonDay(julianDay, fits.back() - lookAhead, newMoonCorrections)
                 : LowPrecisionTermDay(julianDay, fits.back() - lookAhead, termCorrections);
    case EventDayEra::kPrecise:
      break;
  }
  return newMoon ? PreciseNewMoonDay(julianDay) : PreciseTermDay(julianDay);
}

}  // namespace engine
