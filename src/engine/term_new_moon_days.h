#pragma once

#include <string>
#include <vector>

namespace engine {

// The three methods by which LunarYearTable::FindTermOrNewMoonDay finds the whole day of a solar
// term or new moon, chosen by the era of the day asked for. All results are day numbers of
// Beijing time (whole civil days; day 0 is 2000-01-01).

enum class EventDayEra {
  kFits,          // mean-period fits of the historical calendars
  kLowPrecision,  // low-precision formula corrected from the correction strings
  kPrecise,       // the precise moments of the sun and moon series
};

// From this Julian day (1960-01-01) on every event is found from the precise moments.
inline constexpr double kPreciseEraJulianDay = 2436935;

// Days by which the mean moment of an event is looked ahead: 14 for new moons, 7 for terms.
inline constexpr double kNewMoonLookAhead = 14;
inline constexpr double kSolarTermLookAhead = 7;

// The era of a Julian day for the fits of one kind of event (pairs, then the end Julian day)
// and its look-ahead: fits from the first start to the end (each less the look-ahead), low
// precision from there to 1960, precise before the fits and from 1960.
EventDayEra EraOfJulianDay(const std::vector<double>& fits, double lookAhead, double julianDay);

// Fits era: the day of the event of the fit stretch holding julianDay + lookAhead, on the mean
// period counted from the stretch's start. The new moon that the fits put on Julian day 1683460
// (-103-01-23) is moved to the next day.
double FitEventDay(const std::vector<double>& fits, double lookAhead, double julianDay);

// Low-precision era: the day of the solar term (or new moon) counted from the end of the fits,
// corrected by one character of the expanded correction string: "1" one day later, "2" one day
// earlier. fitsEnd is the end Julian day of the fits less the look-ahead; an index outside the
// string (no day of the era gives one) counts as no correction.
double LowPrecisionTermDay(double julianDay, double fitsEnd, const std::string& corrections);
double LowPrecisionNewMoonDay(double julianDay, double fitsEnd, const std::string& corrections);

// Precise era: the day of the solar term (or new moon) from a fast estimate of its moment, taken
// again with the precise solver when the estimate lies near a Beijing midnight (within 1200 s for
// terms, 1800 s for new moons) and, for new moons, for every one before the fits (before -721).
double PreciseTermDay(double julianDay);
double PreciseNewMoonDay(double julianDay);

}  // namespace engine
