#pragma once

namespace engine {

// Inverse of the sun and moon series: the moment a target angle is reached. Target angles are
// radians and unreduced: for the Sun W = k * pi / 12 is one solar term (W = 0 the March equinox
// of 1999, 2 * pi that of 2000); for the Moon W = 2 * pi * k is new moon number k, counted from
// the new moon of 2000-01-06 (k = 0), and W = k * pi / 2 counts quarter phases.

// The moment (Julian centuries, TT, from J2000.0) when the Moon-Sun elongation equals w; the last
// Newton step uses every Moon term and 60 terms of the Earth's first sub-series.
double TimeOfElongation(double w);

// The moment (Julian centuries, TT) when the Sun's apparent longitude equals w (full series).
double TimeOfSunLongitude(double w);

// A cheap estimate of TimeOfElongation(w): for new moons within 3.5 minutes of it over 1900-2100
// and 6.7 minutes from 400 BC to AD 4400.
double TimeOfElongationFast(double w);

// Beijing-time day numbers (days from J2000.0 in UTC+8; whole numbers at 12:00, so the date is
// that of day floor(r + 0.5)): the TT moment minus delta-T plus 1/3 day.

// The solar term at apparent solar longitude w.
double FindSolarTermMoment(double w);

// The lunar phase at elongation w.
double FindMoonPhaseMoment(double w);

// A solar term near the day number x: the one within 5 days of x found by a first estimate, else
// that estimate's neighbour towards x (not tested again).
double FindSolarTermNear(double x);

// New moon number floor((x + 8) / 29.5306); it lies about 16 days before to 14 days after x.
double FindNewMoonNear(double x);

}  // namespace engine
