#include "engine/moments.h"

#include <cmath>

#include "engine/series_trig.h"
#include "engine/sun_moon_series.h"
#include "engine/time_frames.h"

namespace engine {
namespace {

// Mean rate of the elongation, radians per Julian century (one lunation per 2 pi).
constexpr double kMeanElongationRate = 7771.37714500204;
// Mean rate of the Sun's longitude, radians per Julian century.
constexpr double kMeanSunRate = 628.3319653318;

// The Sun's speed in longitude, radians per Julian century, for the Newton steps.
double SunLongitudeSpeed(double t) {
  const double l = 628.307585 * t;
  return 628.332 + 21 * SeriesSin(1.527 + l) + 0.44 * SeriesSin(1.48 + 2 * l) +
         0.129 * SeriesSin(5.82 + l) * t + 0.00055 * SeriesSin(4.21 + l) * t * t;
}

// Terms of the series in the Newton steps: the early steps only need to land near the root,
// the last one uses every Moon term and 60 terms of the Earth's first sub-series.
constexpr int kFirstStepMoonTerms = 3;
constexpr int kFirstStepEarthTerms = 3;
constexpr int kSecondStepMoonTerms = 20;
constexpr int kSecondStepEarthTerms = 10;
constexpr int kLastStepEarthTerms = 60;
constexpr int kFirstStepSunTerms = 10;
// Terms of the Moon's longitude in the cheap new-moon estimate.
constexpr int kFastMoonTerms = 20;

}  // namespace

double TimeOfElongation(double w) {
  double t = (w + 1.08472) / kMeanElongationRate;
  t += (w - MoonSunElongation(t, kFirstStepMoonTerms, kFirstStepEarthTerms)) / kMeanElongationRate;
  const double v = MoonLongitudeSpeed(t) - SunLongitudeSpeed(t);
  t += (w - MoonSunElongation(t, kSecondStepMoonTerms, kSecondStepEarthTerms)) / v;
  t += (w - MoonSunElongation(t, kEveryTerm, kLastStepEarthTerms)) / v;
  return t;
}

double TimeOfSunLongitude(double w) {
  double t = (w - 1.75347 - kPi) / kMeanSunRate;
  t += (w - SunApparentLongitude(t, kFirstStepSunTerms)) / SunLongitudeSpeed(t);
  t += (w - SunApparentLongitude(t, kEveryTerm)) / SunLongitudeSpeed(t);
  return t;
}

double TimeOfElongationFast(double w) {
  double t = (w + 1.08472) / kMeanElongationRate;
  const double t2 = t * t;
  t -= (0.10976 * SeriesCos(0.784758 + 8328.6914246 * t + 0.000152292 * t2) - 3.309e-05 * t2 +
        0.02224 * SeriesCos(0.1874 + 7214.0628654 * t - 0.00021848 * t2) -
        0.03342 * SeriesCos(4.669257 + 628.307585 * t)) /
       kMeanElongationRate;
  const double l = 628.307585 * t;
  const double sunLongitude = 4.8950632 + kMeanSunRate * t + 5.297e-06 * t * t +
                              0.0334166 * SeriesCos(4.669257 + l) +
                              0.0002061 * SeriesCos(2.67823 + l) * t +
                              0.000349 * SeriesCos(4.6261 + 1256.61517 * t) - kMeanSunAberration;
  const double elongation = MoonSeries(kMoonLongitude, t, kFastMoonTerms) - sunLongitude;
  const double v = 7771.38 - 914 * SeriesSin(0.7848 + 8328.691425 * t + 0.0001523 * t * t) -
                   179 * SeriesSin(2.543 + 15542.7543 * t) -
                   160 * SeriesSin(0.1874 + 7214.0629 * t);
  return t + (w - elongation) / v;
}

double FindSolarTermMoment(double w) {
  return BeijingDayNumberOfJulianCenturies(TimeOfSunLongitude(w));
}

double FindMoonPhaseMoment(double w) {
  return BeijingDayNumberOfJulianCenturies(TimeOfElongation(w));
}

double FindSolarTermNear(double x) {
  constexpr double kTermAngle = kPi / 12;
  const double k = std::floor((x + 293) / 365.2422 * 24);
  const double w = k * kTermAngle;
  const double r = FindSolarTermMoment(w);
  if (r - x > 5) {
    return FindSolarTermMoment(w - kTermAngle);
  }
  if (r - x < -5) {
    return FindSolarTermMoment(w + kTermAngle);
  }
  return r;
}

double FindNewMoonNear(double x) {
  const double k = std::floor((x + 8) / 29.5306);
  return FindMoonPhaseMoment(kTwoPi * k);
}

}  // namespace engine
