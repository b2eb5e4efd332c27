#pragma once

#include <string>
#include <vector>

namespace engine {

// The sun and moon events of one local date. Texts are local times "%02i:%02i:%02i"; working
// times are UT day numbers (days from J2000.0, whole at 12:00 UT); angles are radians.
struct DayRiseSet {
  std::wstring sunriseText;
  std::wstring sunsetText;
  std::wstring sunTransitText;
  std::wstring moonriseText;
  std::wstring moonsetText;
  std::wstring moonTransitText;
  std::wstring civilDawnText;
  std::wstring civilDuskText;
  std::wstring dayLengthText;      // sunset - sunrise
  std::wstring civilDaylightText;  // civil dusk - civil dawn

  // The Moon uses the first four.
  double transitTime = 0;
  double lowerTransitTime = 0;
  double riseTime = 0;
  double setTime = 0;
  double civilDuskTime = 0;
  double nauticalDuskTime = 0;
  double astronomicalDuskTime = 0;
  double civilDawnTime = 0;
  double nauticalDawnTime = 0;
  double astronomicalDawnTime = 0;

  // hourAngle: local hour angle of the body, in (-pi, pi]. A rising hour angle is the hour
  // angle at which the body stands at the altitude named, in [0, pi], or pi when it never does.
  double hourAngle = 0;
  double moonRisingHourAngle = 0;    // parallax - upper limb - 34' refraction
  double sunRisingHourAngle = 0;     // -50'
  double civilHourAngle = 0;         // -6 degrees
  double nauticalHourAngle = 0;      // -12 degrees
  double astronomicalHourAngle = 0;  // -18 degrees

  // Notes of solar events that do not occur, in the order "無升起." "無降落." "無民用晨."
  // "無民用昏." "無航海晨." "無航海昏." "無天文晨." "無天文昏."; cleared by each solar day.
  std::wstring messages;
};

// Rise, transit and set of sun and moon with twilight for one place, kept by the almanac page
// for the whole run. Only days[0] is filled. Not reentrant: every function works on this state.
struct RiseSetState {
  std::vector<DayRiseSet> days = std::vector<DayRiseSet>(31);
  double longitude = 0;            // radians, east positive
  double latitude = 0;             // radians, north positive
  double deltaT = 0;               // TT - UT in days, set by each day computation
  double obliquity = 0.409092614;  // radians, set by each day computation

  // The ten texts of days[0] for the local date dayNumber (whole days from 2000-01-01 to it) at
  // longitude and latitude (radians) in the zone zoneHours (hours west of UTC: -8 for UTC+8).
  // An event that does not occur on that date prints "--:--:--"; a day length or civil daylight
  // prints "24:00:00" when the Sun stays above that altitude all day and "00:00:00" when it
  // stays below. Arguments that are not finite numbers give "--:--:--" in all ten texts and
  // leave longitude and latitude as they were.
  void ComputeRiseSetTimes(double dayNumber, double longitude, double latitude, double zoneHours);

  // The Sun's events around the local mean noon nearest the UT day number d, into the working
  // times and messages of day. Sets deltaT and obliquity.
  void SunRiseSetDay(double d, DayRiseSet& day);

  // The Moon's transit, lower transit, rise and set around the Moon transit nearest d, into the
  // first four working times of day. Sets deltaT and obliquity.
  void MoonRiseSetDay(double d, DayRiseSet& day);

  // day.hourAngle of the Sun at the UT day number d and, by selector, its rising hour angles:
  // 1 the -50' one, 2 civil, 3 nautical, 4 astronomical, 10 all four, 0 (or any other) none.
  void SunEquatorialPosition(double d, int selector, DayRiseSet& day) const;

  // day.hourAngle of the Moon at the UT day number d and, when withRising is not 0,
  // day.moonRisingHourAngle.
  void MoonEquatorialPosition(double d, int withRising, DayRiseSet& day) const;
};

}  // namespace engine
