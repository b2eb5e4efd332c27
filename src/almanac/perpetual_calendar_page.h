#pragma once

#include <string>

#include "almanac/calendar_tables.h"

namespace almanac {

// The perpetual-calendar year page (HTML, Big5 declared): the lunar months from the month of the
// winter solstice of December year - 1 to the last month that ends on or before the winter
// solstice of December year, each with its leap mark, name, length, first day, the branches of
// its 11th and 21st days and its new moon, followed by the solar terms that fall in it; dates and
// times in Beijing time. A year outside engine::kFirstCalendarYear .. kLastCalendarYear
// (astronomical numbering) gets a short page saying so. Lays the year out in the lunar year
// table of `tables`.
std::wstring BuildPerpetualCalendarPage(CalendarTables& tables, int year);

}  // namespace almanac
