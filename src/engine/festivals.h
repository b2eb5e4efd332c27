#pragma once

#include "engine/month_calendar.h"
#include "vocabulary/calendar_vocabulary.h"

namespace engine {

// Decides whether `day` is a rest day and which festival and custom names it carries, from its
// Gregorian date, weekday, lunar date (month name, leap mark, lunarDayIndex, month length and the
// next month's name), day pillar, solar term of the day and day counts since the terms. Appends to festivalTextA (major festivals), festivalTextB (commemorations and notes) and
// festivalTextC (seasonal customs) and sets isHoliday; the caller passes the three texts empty
// and isHoliday 0. Reads digitNames of the vocabulary.
void NameDayFestivals(const vocabulary::CalendarVocabulary& vocabulary, CalendarDay& day);

}  // namespace engine
