#include "chart/four_pillars_at.h"

#include <cmath>

#include "engine/delta_t.h"
#include "engine/julian_day.h"
#include "engine/sun_moon_series.h"
#include "vocabulary/cyclic_index.h"

namespace chart {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kDaysPerJulianCentury = 36525.0;
constexpr double kArcsecondsPerRadian = 206264.80624709636;
constexpr double kSecondsPerDay = 86400.0;

// The counters below are built with large positive offsets (6000000, 60000002, 8999994,
// 89999988) that only shift each cycle by whole turns: 6000000 = 0 mod 60, 60000002 = 2 mod 60
// (v = 0 is 丙寅), 8999994 = 54 mod 60 (J2000.0 is 戊午), 89999988 = 48 mod 60. They keep the
// counters positive for about 20,000 years back; FloorMod keeps every index in range beyond.
void SetPillar(const vocabulary::CalendarVocabulary& vocabulary, long long counter,
               ChartPillar& pillar) {
  pillar.stem = vocabulary.stems[vocabulary::FloorMod(counter, 10)];
  pillar.branch = vocabulary.branches[vocabulary::FloorMod(counter, 12)];
}

}  // namespace

void ComputeFourPillarsAt(const vocabulary::CalendarVocabulary& vocabulary, double d,
                          double longitude, FourPillarsChart& chart) {
  // Terrestrial Time in Julian centuries from J2000.0.
  const double t = (d + engine::DeltaTDays(d)) / kDaysPerJulianCentury;

  // Section count: rises by one at each section term, a multiple of 12 at 立春 (315°); 0 from
  // 立春 1984 to 驚蟄 1984.
  const double sunLongitude = engine::SunApparentLongitude(t, -1);
  const double v = std::floor((sunLongitude / kTwoPi * 360 + 45 + 5400) / 30);

  // Equation of time from the sun's mean longitude and the right ascension of its
  // low-precision geometric longitude (latitude taken as 0).
  const double meanLongitude = (5296.74 * t * t + 628331965331.8 * t + 1753470142) / 1e9 + kPi;
  const double obliquity = (84381.4088 - 46.836051 * t) / kArcsecondsPerRadian;
  const double lambda = engine::EarthLongitude(t, 5) + kPi;
  double rightAscension = std::atan2(std::sin(lambda) * std::cos(obliquity), std::cos(lambda));
  rightAscension = std::fmod(rightAscension, kTwoPi);
  if (rightAscension < 0) {
    rightAscension += kTwoPi;
  }
  double equationOfTime = std::fmod(meanLongitude - rightAscension, kTwoPi);
  if (equationOfTime <= -kPi) {
    equationOfTime += kTwoPi;
  } else if (equationOfTime > kPi) {
    equationOfTime -= kTwoPi;
  }

  // True solar time as a day number from noon, like d.
  const double trueSolar = d + longitude / kTwoPi + equationOfTime / kTwoPi;
  const double dayFraction = (trueSolar + 0.5) - std::floor(trueSolar + 0.5);
  const double seconds = std::floor(dayFraction * kSecondsPerDay + 0.5);
  chart.trueSolarHour = static_cast<int>(std::floor(seconds / 3600));
  chart.trueSolarTimeText = engine::FormatTimeOfDay(trueSolar);

  const long long sections = static_cast<long long>(v);
  const long long year = static_cast<long long>(std::floor(v / 12 + 6000000));
  SetPillar(vocabulary, year, chart.pillars[kYearPillar]);
  SetPillar(vocabulary, sections + 60000002, chart.pillars[kMonthPillar]);

  // The day turns at 23:00 true solar time: 13/24 of a day after the noon that T counts from.
  const double dayStart = std::floor(trueSolar + 13.0 / 24.0);
  const long long day = static_cast<long long>(dayStart);
  SetPillar(vocabulary, day + 8999994, chart.pillars[kDayPillar]);

  const long long doubleHour =
      static_cast<long long>(std::floor((trueSolar + 13.0 / 24.0 - dayStart) * 12));
  SetPillar(vocabulary, 12 * day + doubleHour + 89999988, chart.pillars[kHourPillar]);
}

}  // namespace chart
