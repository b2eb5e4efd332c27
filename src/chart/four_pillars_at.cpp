#include "chart/four_pillars_at.h"

#include <cmath>

#include "engine/julian_day.h"
#include "engine/sun_moon_series.h"
#include "engine/time_frames.h"
#include "vocabulary/cyclic_index.h"

namespace chart {

namespace {

using engine::kArcsecondsPerRadian;
using engine::kPi;
using engine::kSecondsPerDay;
using engine::kTwoPi;

// Terms of the Earth's longitude for the equation of time, which needs only seconds of time.
constexpr int kEquationOfTimeEarthTerms = 5;

// Each pillar is named from a counter whose value mod 10 and mod 12 index the stems and the
// branches. The year and month counters carry large positive offsets that only shift the cycle
// by whole turns (6000000 = 0 mod 60; 60000002 = 2 mod 60, v = 0 being 丙寅), keeping them
// positive for about 20,000 years back; FloorMod keeps every index in range beyond.
void SetPillar(const vocabulary::CalendarVocabulary& vocabulary, long long counter,
               ChartPillar& pillar) {
  pillar.stem = vocabulary.stems[vocabulary::FloorMod(counter, 10)];
  pillar.branch = vocabulary.branches[vocabulary::FloorMod(counter, 12)];
}

}  // namespace

void ComputeFourPillarsAt(const vocabulary::CalendarVocabulary& vocabulary, double d,
                          double longitude, FourPillarsChart& chart) {
  // Terrestrial Time in Julian centuries from J2000.0.
  const double t = engine::JulianCenturiesTtOfUt(d);

  // Section count: rises by one at each section term, a multiple of 12 at 立春 (315°); 0 from
  // 立春 1984 to 驚蟄 1984.
  const double sunLongitude = engine::SunApparentLongitude(t, engine::kEveryTerm);
  const double v = std::floor((sunLongitude / kTwoPi * 360 + 45 + 5400) / 30);

  // Equation of time from the sun's mean longitude and the right ascension of its
  // low-precision geometric longitude (latitude taken as 0).
  const double meanLongitude = (5296.74 * t * t + 628331965331.8 * t + 1753470142) / 1e9 + kPi;
  const double obliquity = (84381.4088 - 46.836051 * t) / kArcsecondsPerRadian;
  const double lambda = engine::EarthLongitude(t, kEquationOfTimeEarthTerms) + kPi;
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
  const int dayIndex = engine::SexagenaryIndexOfDay(static_cast<long long>(dayStart));
  SetPillar(vocabulary, dayIndex, chart.pillars[kDayPillar]);

  // The hour pillars run on through the days, twelve a day: the first double hour (子) of the
  // day at position p of the sixty has the position 12 p mod 60.
  const long long doubleHour =
      static_cast<long long>(std::floor((trueSolar + 13.0 / 24.0 - dayStart) * 12));
  SetPillar(vocabulary, 12LL * dayIndex + doubleHour, chart.pillars[kHourPillar]);
}

}  // namespace chart
