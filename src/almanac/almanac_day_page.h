#pragma once

#include <string>

#include "almanac/almanac_day.h"
#include "almanac/calendar_tables.h"

namespace almanac {

// The daily almanac page of a moment: a complete HTML page (Big5 declared, no line ends) with the
// Gregorian and lunar date, the pillars and day notes, the day attributes, the year and month
// spirit stars with the folk marks, the suitable and avoided activities, the 董公 verdicts and the
// spirits of the twelve double-hours. julianDay is the Julian day of the local civil date at
// 00:00 (x.5) plus the time of day. The date, the pillars, the mansion, the trigram and the
// spirit stars follow the civil date; the section term and mid-term in force, and with them the
// day officer and the nine star, switch at 12:00 of a term's day. Works with the month calendar
// and the terms in force of `tables`.
std::wstring BuildAlmanacDayPage(CalendarTables& tables, double julianDay);

// The first half of the page: fills `day` (a new record) for the moment, section by section in
// the page's order, and returns the days since the winter solstice of the date (0 on its day),
// which chooses the nine-nines line.
int FillAlmanacDay(CalendarTables& tables, double julianDay, AlmanacDay& day);

// The second half: the page text of a filled record.
std::wstring ComposeAlmanacDayPage(const AlmanacDay& day, int daysSinceWinterSolstice);

}  // namespace almanac
