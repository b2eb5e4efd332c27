#include "engine/rise_set.h"

#include <cmath>

#include "engine/delta_t.h"
#include "engine/julian_day.h"
#include "engine/sun_moon_series.h"
#include "engine/time_frames.h"

namespace engine {
namespace {

// Terms of the series for the positions of the day: rise and set times need a few seconds of
// arc, which the largest terms give.
constexpr int kSunLongitudeTerms = 5;
constexpr int kMoonLongitudeTerms = 40;
constexpr int kMoonLatitudeTerms = 30;
constexpr int kMoonDistanceTerms = 8;

// Altitudes of the events, radians: -50' (a 16' semidiameter and 34' of refraction), and the
// civil, nautical and astronomical -6, -12 and -18 degrees.
constexpr double kSunriseAltitude = -0.01454441043328608;
constexpr double kCivilAltitude = -0.10471975511965977;
constexpr double kNauticalAltitude = -0.20943951023931953;
constexpr double kAstronomicalAltitude = -0.3141592653589793;

// Radians of the Moon's hour angle per day (2 pi * 0.966).
constexpr double kMoonHourAngleRate = 6.06955700673548;

constexpr wchar_t kNoTime[] = L"--:--:--";

// x reduced to (-pi, pi].
double Norm(double x) {
  x = std::fmod(x, kTwoPi);
  if (x <= -kPi) {
    x += kTwoPi;
  } else if (x > kPi) {
    x -= kTwoPi;
  }
  return x;
}

// Mean obliquity of the ecliptic (IAU 2006) at the UT day number d, radians.
double ObliquityOfDate(double d) {
  const double t = JulianCenturiesOfDayNumber(d);
  return (84381.406 - 46.836769 * t - 0.0001831 * t * t + 0.0020034 * t * t * t -
          5.76e-07 * t * t * t * t - 4.34e-08 * t * t * t * t * t) /
         kArcsecondsPerRadian;
}

// Local hour angle in (-pi, pi] of right ascension alpha at the UT day number d (t: Julian
// centuries TT): Greenwich mean sidereal time as the Earth rotation angle plus the IAU 2000
// polynomial, plus the east longitude.
double HourAngle(double d, double t, double alpha, double longitude) {
  alpha = std::fmod(alpha, kTwoPi);
  if (alpha < 0) {
    alpha += kTwoPi;
  }
  const double theta = kTwoPi * (0.779057273264 + 1.0027378119113546 * d) +
                       (0.014506 + 4612.15739966 * t + 1.39667721 * t * t - 9.344e-05 * t * t * t +
                        1.882e-05 * t * t * t * t) /
                           kArcsecondsPerRadian;
  return Norm(theta + longitude - alpha);
}

// cos of the hour angle at which a body at declination delta stands at altitude h seen from
// latitude phi; outside [-1, 1] the body never reaches h (below -1: it stays above all day).
double RisingCosine(double h, double delta, double phi) {
  return (std::sin(h) - std::sin(delta) * std::sin(phi)) / std::cos(phi) / std::cos(delta);
}

double RisingHourAngle(double h, double delta, double phi) {
  const double x = RisingCosine(h, delta, phi);
  return std::fabs(x) > 1 ? kPi : std::acos(x);
}

struct Equatorial {
  double alpha;  // right ascension, radians, unreduced
  double delta;  // declination, radians
};

// The Sun's equatorial position at t (Julian centuries TT): five-term Earth longitude plus pi,
// less 20.5" of aberration, no nutation, latitude 0.
Equatorial SunEquatorial(double t, double obliquity) {
  const double lambda = EarthLongitude(t, kSunLongitudeTerms) + kPi - kMeanSunAberration;
  return {std::atan2(std::sin(lambda) * std::cos(obliquity), std::cos(lambda)),
          std::asin(std::sin(obliquity) * std::sin(lambda))};
}

struct MoonPosition {
  Equatorial equatorial;
  double risingAltitude;  // radians
};

// The Moon's equatorial position at t and the altitude of its rise and set: horizontal
// parallax less the upper-limb semidiameter (6378.14 - 1738.05 km over the distance) less 34'.
MoonPosition MoonEquatorial(double t, double obliquity) {
  const double lambda = MoonSeries(kMoonLongitude, t, kMoonLongitudeTerms);
  const double beta = MoonSeries(kMoonLatitude, t, kMoonLatitudeTerms);
  const double r = MoonSeries(kMoonDistance, t, kMoonDistanceTerms);
  const double e = obliquity;
  return {
      {std::atan2(std::sin(lambda) * std::cos(e) - std::tan(beta) * std::sin(e), std::cos(lambda)),
       std::asin(std::sin(beta) * std::cos(e) + std::cos(beta) * std::sin(e) * std::sin(lambda))},
      4640.0943765 / r - 0.009890199094634533};
}

// Whether the note is among the day's messages.
bool Noted(const DayRiseSet& day, const wchar_t* note) {
  return day.messages.find(note) != std::wstring::npos;
}

// Whether the Moon reaches the altitude of its rise and set at the UT day number d, with the
// deltaT and obliquity of the state's last day computation.
bool MoonReachesHorizon(const RiseSetState& state, double d) {
  const MoonPosition moon =
      MoonEquatorial(JulianCenturiesOfDayNumber(d + state.deltaT), state.obliquity);
  return std::fabs(RisingCosine(moon.risingAltitude, moon.equatorial.delta, state.latitude)) <= 1;
}

// The time between a rise and a set of one altitude: "%02i:%02i:%02i" when both occur;
// "24:00:00" when neither does and the Sun culminates above the altitude, "00:00:00" when it
// culminates below; "--:--:--" when only one of them occurs on the day.
std::wstring Duration(const RiseSetState& state, const DayRiseSet& day, bool riseOccurs,
                      bool setOccurs, double riseTime, double setTime, double altitude) {
  if (riseOccurs && setOccurs) {
    return FormatTimeOfDay(setTime - riseTime - 0.5);
  }
  if (riseOccurs || setOccurs) {
    return kNoTime;
  }
  const Equatorial sun =
      SunEquatorial(JulianCenturiesOfDayNumber(day.transitTime + state.deltaT), state.obliquity);
  // The altitude of the upper culmination is 90 degrees - |latitude - declination|.
  const bool above = std::cos(state.latitude - sun.delta) > std::sin(altitude);
  return above ? L"24:00:00" : L"00:00:00";
}

// The sun texts of a day whose SunRiseSetDay has just run, in the zone z (days west of UTC).
// An event whose note stands in the messages does not occur and prints "--:--:--".
void SetSunTexts(const RiseSetState& state, DayRiseSet& day, double z) {
  const bool rise = !Noted(day, L"無升起.");
  const bool set = !Noted(day, L"無降落.");
  const bool dawn = !Noted(day, L"無民用晨.");
  const bool dusk = !Noted(day, L"無民用昏.");
  day.sunriseText = rise ? FormatTimeOfDay(day.riseTime - z) : kNoTime;
  day.sunTransitText = FormatTimeOfDay(day.transitTime - z);
  day.sunsetText = set ? FormatTimeOfDay(day.setTime - z) : kNoTime;
  day.civilDawnText = dawn ? FormatTimeOfDay(day.civilDawnTime - z) : kNoTime;
  day.civilDuskText = dusk ? FormatTimeOfDay(day.civilDuskTime - z) : kNoTime;
  day.civilDaylightText =
      Duration(state, day, dawn, dusk, day.civilDawnTime, day.civilDuskTime, kCivilAltitude);
  day.dayLengthText = Duration(state, day, rise, set, day.riseTime, day.setTime, kSunriseAltitude);
}

}  // namespace

void RiseSetState::SunEquatorialPosition(double d, int selector, DayRiseSet& day) const {
  const double t = JulianCenturiesOfDayNumber(d + deltaT);
  const Equatorial sun = SunEquatorial(t, obliquity);
  day.hourAngle = HourAngle(d, t, sun.alpha, longitude);
  if (selector == 1 || selector == 10) {
    day.sunRisingHourAngle = RisingHourAngle(kSunriseAltitude, sun.delta, latitude);
  }
  if (selector == 2 || selector == 10) {
    day.civilHourAngle = RisingHourAngle(kCivilAltitude, sun.delta, latitude);
  }
  if (selector == 3 || selector == 10) {
    day.nauticalHourAngle = RisingHourAngle(kNauticalAltitude, sun.delta, latitude);
  }
  if (selector == 4 || selector == 10) {
    day.astronomicalHourAngle = RisingHourAngle(kAstronomicalAltitude, sun.delta, latitude);
  }
}

void RiseSetState::MoonEquatorialPosition(double d, int withRising, DayRiseSet& day) const {
  const double t = JulianCenturiesOfDayNumber(d + deltaT);
  const MoonPosition moon = MoonEquatorial(t, obliquity);
  day.hourAngle = HourAngle(d, t, moon.equatorial.alpha, longitude);
  if (withRising != 0) {
    day.moonRisingHourAngle = RisingHourAngle(moon.risingAltitude, moon.equatorial.delta, latitude);
  }
}

void RiseSetState::MoonRiseSetDay(double d, DayRiseSet& day) {
  deltaT = DeltaTDays(d);
  obliquity = ObliquityOfDate(d);
  // The Moon's mean local hour angle in revolutions, to the transit nearest d.
  const double m = 0.1726222 + 0.966136808032357 * d - 0.0366 * deltaT + longitude / kTwoPi;
  double f = m - std::floor(m);
  if (f > 0.5) {
    f -= 1;
  }
  const double d0 = d - f;
  const double k = kMoonHourAngleRate;
  MoonEquatorialPosition(d0, 1, day);
  const double h = day.hourAngle;
  const double h0 = day.moonRisingHourAngle;
  day.riseTime = d0 - (h + h0) / k;
  day.setTime = d0 + (h0 - h) / k;
  day.transitTime = d0 - h / k;
  day.lowerTransitTime = d0 + (kPi - h) / k;

  MoonEquatorialPosition(day.riseTime, 1, day);
  day.riseTime += Norm(-day.moonRisingHourAngle - day.hourAngle) / k;
  MoonEquatorialPosition(day.setTime, 1, day);
  day.setTime += Norm(day.moonRisingHourAngle - day.hourAngle) / k;
  MoonEquatorialPosition(day.transitTime, 0, day);
  day.transitTime += Norm(-day.hourAngle) / k;
  MoonEquatorialPosition(day.lowerTransitTime, 0, day);
  day.lowerTransitTime += Norm(kPi - day.hourAngle) / k;
}

void RiseSetState::SunRiseSetDay(double d, DayRiseSet& day) {
  deltaT = DeltaTDays(d);
  obliquity = ObliquityOfDate(d);
  const double m = d + longitude / kTwoPi;
  double f = m - std::floor(m);
  if (f > 0.5) {
    f -= 1;
  }
  const double d0 = d - f;  // the local mean noon nearest d
  day.messages.clear();

  SunEquatorialPosition(d0, 10, day);
  const double h = day.hourAngle;
  day.riseTime = d0 - (h + day.sunRisingHourAngle) / kTwoPi;
  day.setTime = d0 + (day.sunRisingHourAngle - h) / kTwoPi;
  day.civilDawnTime = d0 - (day.civilHourAngle + h) / kTwoPi;
  day.civilDuskTime = d0 + (day.civilHourAngle - h) / kTwoPi;
  day.nauticalDawnTime = d0 - (day.nauticalHourAngle + h) / kTwoPi;
  day.nauticalDuskTime = d0 + (day.nauticalHourAngle - h) / kTwoPi;
  day.astronomicalDawnTime = d0 - (day.astronomicalHourAngle + h) / kTwoPi;
  day.astronomicalDuskTime = d0 + (day.astronomicalHourAngle - h) / kTwoPi;
  day.transitTime = d0 - h / kTwoPi;
  day.lowerTransitTime = d0 + (kPi - h) / kTwoPi;

  // One refinement of each event with the position at its own time; a rising hour angle of
  // exactly pi means the altitude is never reached, which the note records.
  struct Event {
    double DayRiseSet::*time;
    double DayRiseSet::*risingHourAngle;
    int selector;
    bool dawn;
    const wchar_t* note;
  };
  static constexpr Event kEvents[] = {
      {&DayRiseSet::riseTime, &DayRiseSet::sunRisingHourAngle, 1, true, L"無升起."},
      {&DayRiseSet::setTime, &DayRiseSet::sunRisingHourAngle, 1, false, L"無降落."},
      {&DayRiseSet::civilDawnTime, &DayRiseSet::civilHourAngle, 2, true, L"無民用晨."},
      {&DayRiseSet::civilDuskTime, &DayRiseSet::civilHourAngle, 2, false, L"無民用昏."},
      {&DayRiseSet::nauticalDawnTime, &DayRiseSet::nauticalHourAngle, 3, true, L"無航海晨."},
      {&DayRiseSet::nauticalDuskTime, &DayRiseSet::nauticalHourAngle, 3, false, L"無航海昏."},
      {&DayRiseSet::astronomicalDawnTime, &DayRiseSet::astronomicalHourAngle, 4, true,
       L"無天文晨."},
      {&DayRiseSet::astronomicalDuskTime, &DayRiseSet::astronomicalHourAngle, 4, false,
       L"無天文昏."},
  };
  for (const Event& event : kEvents) {
    SunEquatorialPosition(day.*event.time, event.selector, day);
    const double hk = day.*event.risingHourAngle;
    day.*event.time += Norm(event.dawn ? -hk - day.hourAngle : hk - day.hourAngle) / kTwoPi;
    if (hk == kPi) {
      day.messages += event.note;
    }
  }

  SunEquatorialPosition(day.transitTime, 0, day);
  day.transitTime += -day.hourAngle / kTwoPi;
  SunEquatorialPosition(day.lowerTransitTime, 0, day);
  day.lowerTransitTime += Norm(kPi - day.hourAngle) / kTwoPi;
}

void RiseSetState::ComputeRiseSetTimes(double dayNumber, double longitude, double latitude,
                                       double zoneHours) {
  DayRiseSet& day = days[0];
  if (!std::isfinite(dayNumber) || !std::isfinite(longitude) || !std::isfinite(latitude) ||
      !std::isfinite(zoneHours)) {
    for (std::wstring* text :
         {&day.sunriseText, &day.sunsetText, &day.sunTransitText, &day.moonriseText,
          &day.moonsetText, &day.moonTransitText, &day.civilDawnText, &day.civilDuskText,
          &day.dayLengthText, &day.civilDaylightText}) {
      *text = kNoTime;
    }
    day.messages.clear();
    return;
  }
  this->longitude = longitude;
  this->latitude = latitude;
  const double z = zoneHours / 24;
  const double n = dayNumber;
  day.moonriseText = kNoTime;
  day.moonsetText = kNoTime;
  day.moonTransitText = kNoTime;

  for (int i = -1; i <= 1; ++i) {
    if (i == 0) {
      SunRiseSetDay(n + z, day);  // n + z: the UT instant of local noon
      SetSunTexts(*this, day, z);
    }
    MoonRiseSetDay(n + i + z, day);
    // An event of this pass falls on the local date when its local time rounds into it; a
    // later pass overwrites an earlier one. A rise or set counts only where the Moon reaches
    // the horizon at all.
    struct MoonEvent {
      double time;
      bool crossesHorizon;
      std::wstring* text;
    };
    const MoonEvent events[] = {
        {day.riseTime, true, &day.moonriseText},
        {day.transitTime, false, &day.moonTransitText},
        {day.setTime, true, &day.moonsetText},
    };
    for (const MoonEvent& event : events) {
      const double v = event.time - z;
      if (std::floor(v + 0.5) - n == 0 &&
          (!event.crossesHorizon || MoonReachesHorizon(*this, event.time))) {
        *event.text = FormatTimeOfDay(v);
      }
    }
  }
}

}  // namespace engine
