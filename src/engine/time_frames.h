#pragma once

#include <numbers>

#include "engine/delta_t.h"
#include "vocabulary/cyclic_index.h"

namespace engine {

// The constants and time frames the engine and its callers move between, each defined here once.
//
//   Julian day       days since -4712-01-01 12:00 (Julian calendar); x.0 is a noon.
//   day number       Julian day - 2451545: days from 2000-01-01 12:00 (J2000.0), the frame of the
//                    lunar year table, of delta-T and of the series (a whole number is a noon).
//   Julian centuries day number / 36525; the argument t of the sun and moon series (TT).
//   Beijing time     the civil clock of UTC+8 as a day number: Universal Time + 1/3 day, and
//                    UT = TT - delta-T. A whole Beijing day number d names the date whose
//                    12:00 is Julian day d + 2451545; the date of a moment m is floor(m + 0.5).

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kTwoPi = 2 * std::numbers::pi;
inline constexpr double kArcsecondsPerRadian = 206264.80624709636;
inline constexpr double kDegreesPerRadian = 57.29577951308232;
inline constexpr double kSecondsPerDay = 86400;

inline constexpr double kJ2000 = 2451545;  // Julian day of day number 0, 2000-01-01 12:00
inline constexpr double kDaysPerJulianCentury = 36525;
inline constexpr double kBeijingOffsetDays = 1.0 / 3;  // UTC+8

// Day number <-> Julian day.
constexpr double JulianDayOfDayNumber(double dayNumber) { return dayNumber + kJ2000; }
constexpr double DayNumberOfJulianDay(double julianDay) { return julianDay - kJ2000; }

// Day number <-> Julian centuries, in one time scale.
constexpr double JulianCenturiesOfDayNumber(double dayNumber) {
  return dayNumber / kDaysPerJulianCentury;
}
constexpr double DayNumberOfJulianCenturies(double t) { return kDaysPerJulianCentury * t; }

// Julian centuries TT of a moment given as a day number of Universal Time (delta-T added).
inline double JulianCenturiesTtOfUt(double utDayNumber) {
  return JulianCenturiesOfDayNumber(utDayNumber + DeltaTDays(utDayNumber));
}

// Beijing time of a moment of Universal Time, both day numbers.
constexpr double BeijingDayNumberOfUt(double utDayNumber) {
  return utDayNumber + kBeijingOffsetDays;
}

// Beijing time of a day number of TT, with a delta-T in days given by the caller.
constexpr double BeijingDayNumberOfTt(double ttDayNumber, double deltaTDays) {
  return BeijingDayNumberOfUt(ttDayNumber - deltaTDays);
}

// Beijing time (day number) of a moment in Julian centuries TT: TT - delta-T + 1/3 day, delta-T
// taken at the TT day number.
inline double BeijingDayNumberOfJulianCenturies(double t) {
  const double tt = DayNumberOfJulianCenturies(t);
  return BeijingDayNumberOfTt(tt, DeltaTDays(tt));
}

// Universal Time (day number) of a Julian day read on the Beijing civil clock.
constexpr double UtDayNumberOfBeijingJulianDay(double julianDay) {
  return julianDay - kBeijingOffsetDays - kJ2000;
}

// Position 0..59 of the day's pillar in the sixty-pair cycle ("甲子" = 0; its stem is the
// position mod 10, its branch the position mod 12): day 0, 2000-01-01, is "戊午", position 54.
constexpr int SexagenaryIndexOfDay(long long dayNumber) {
  return vocabulary::FloorMod(dayNumber % 60 + 54, 60);
}

// Weekday of a day, 0 = Sunday .. 6 = Saturday: day 0, 2000-01-01, is a Saturday.
constexpr int WeekdayOfDay(long long dayNumber) {
  return vocabulary::FloorMod(dayNumber % 7 + 6, 7);
}

}  // namespace engine
