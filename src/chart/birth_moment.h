#pragma once

#include <memory>
#include <string>

#include "chart/four_pillars_chart.h"
#include "engine/month_calendar.h"
#include "vocabulary/calendar_vocabulary.h"

namespace chart {

// A typed birth, checked, as the readings of a birth start from it: the moment, the pillars of
// that moment and the day record the lunar date is read from.
struct BirthMoment {
  // Empty when the birth was accepted, else the message of the first check that failed; nothing
  // else is filled then.
  std::wstring message;
  // The Julian day of the typed civil time of UTC+8 (hour 24 and minute 60 run on).
  double julianDay = 0;
  // A new chart holding the four pillars and the true solar time of the moment (as
  // ComputeFourPillarsAt writes them) and nothing else.
  std::unique_ptr<FourPillarsChart> chart;
  // Whether the birth falls in the 子 hour that opens the next day (FallsInNextDayZiHour).
  bool nextDayZiHour = false;
  // The month table's record of the lunar date (LunarRecordOfBirth): the next civil day's in that
  // 子 hour, else the birth day's.
  engine::CalendarDay lunarDay;
};

// Checks a birth typed as the civil date and time of UTC+8 and the longitude of its place
// (degrees east): CheckBirthDate's checks, then CheckBirthLongitude's, the first failure giving
// its message. An accepted birth gets its moment, the pillars of that moment at that longitude
// (names from `vocabulary`) and its lunar day record (from `calendar`, which the caller keeps).
BirthMoment CheckBirthMoment(const vocabulary::CalendarVocabulary& vocabulary,
                             engine::MonthCalendar& calendar, int year, int month, int day,
                             int hour, int minute, double longitude);

}  // namespace chart
