#pragma once

#include <array>

namespace engine {

// Ephemeris core. t is Julian centuries (TT) from J2000.0; angles are radians and never reduced
// to one turn. A precision n < 0 sums every term of a series; n >= 0 sums the n largest terms of
// the first sub-series and a proportional number (at least one) of each later sub-series.

// The precision that sums every term of a series.
inline constexpr int kEveryTerm = -1;

// The coordinates of MoonSeries.
inline constexpr int kMoonLongitude = 0;  // radians
inline constexpr int kMoonLatitude = 1;   // radians
inline constexpr int kMoonDistance = 2;   // km

// The constant of aberration, 20.5", in radians: the Sun's mean displacement by aberration.
inline constexpr double kMeanSunAberration = 9.938680462745487e-05;

// One term of the nutation in longitude: amplitude * sin(phase + rate * t + quadratic * t^2),
// amplitude in 0.01 arcsecond.
struct NutationTerm {
  double phase;      // rad
  double rate;       // rad per Julian century
  double quadratic;  // rad per Julian century^2
  double amplitude;  // 0.01"
};

// The ten largest terms of the IAU 1980 nutation in longitude, in the order summed. The first
// amplitude also has a secular part, -1.742 * t, added by the evaluation.
inline constexpr auto kNutationTerms = std::to_array<NutationTerm>({
    // phase, rate, quadratic, amplitude
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
});
static_assert(kNutationTerms.size() == 10);

// The Earth's heliocentric ecliptic longitude (VSOP87D, mean equinox of date), radians.
// Precisions in use: 3, 5, 8, 10, 60 and kEveryTerm.
double EarthLongitude(double t, int n);

// The Moon's geocentric ecliptic coordinate (ELP/MPP02, mean equinox of date): coordinate 0 the
// longitude (rad), 1 the latitude (rad), 2 the distance (km). Any other coordinate gives 0.
double MoonSeries(int coordinate, double t, int n);

// The Moon's speed in longitude, radians per Julian century (an approximation for Newton steps).
double MoonLongitudeSpeed(double t);

// The Sun's geocentric apparent longitude (nutation and aberration included), radians.
double SunApparentLongitude(double t, int n);

// The Moon's apparent longitude minus the Sun's (nutation left out of both, as it cancels;
// light time of the Moon included), radians, unreduced.
double MoonSunElongation(double t, int nMoon, int nEarth);

}  // namespace engine
