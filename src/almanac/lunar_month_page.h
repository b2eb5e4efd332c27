#pragma once

#include <string>

#include "almanac/calendar_tables.h"

namespace almanac {

// A local calendar date: year, month 1..12, day of the month.
struct LocalDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

// The lunar month page of a Gregorian month: an HTML table of seven columns, Sunday first, with
// each day's number (red on a rest day), its moon phase and solar term, its seasonal customs and
// its lunar day or lunar month with the festivals. Year and month go unchanged into the title and
// the month table; the cell of the date (year, month, day) is marked yellow, each negative part
// replaced by today's from `today` (the shell reads the clock), and no cell is marked when that
// date lies outside the month. The page is one line of text without line ends. Works with the
// month calendar of `tables`.
std::wstring BuildLunarMonthPage(CalendarTables& tables, int year, int month, int day,
                                 LocalDate today);

}  // namespace almanac
