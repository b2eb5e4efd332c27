#include "chart/birth_moment.h"

#include <utility>

#include "chart/birth_date.h"
#include "chart/four_pillars_at.h"
#include "engine/julian_day.h"
#include "engine/time_frames.h"

namespace chart {

BirthMoment CheckBirthMoment(const vocabulary::CalendarVocabulary& vocabulary,
                             engine::MonthCalendar& calendar, int year, int month, int day,
                             int hour, int minute, double longitude) {
  BirthMoment moment;
  // The check finds the day's record (and the next day's) by day number, so nothing below can
  // read outside a month table.
  BirthDate date = CheckBirthDate(calendar, year, month, day, hour, minute);
  if (!date.message.empty()) {
    moment.message = std::move(date.message);
    return moment;
  }
  if (std::wstring message = CheckBirthLongitude(longitude); !message.empty()) {
    moment.message = std::move(message);
    return moment;
  }

  moment.julianDay = engine::DateTimeToJulianDay(year, month, day, hour, minute);
  moment.chart = NewFourPillarsChart();
  ComputeFourPillarsAt(vocabulary, engine::UtDayNumberOfBeijingJulianDay(moment.julianDay),
                       longitude / engine::kDegreesPerRadian, *moment.chart);
  const int trueSolarHour = moment.chart->trueSolarHour;
  moment.nextDayZiHour = FallsInNextDayZiHour(hour, trueSolarHour);
  moment.lunarDay = std::move(LunarRecordOfBirth(date, hour, trueSolarHour));
  return moment;
}

}  // namespace chart
