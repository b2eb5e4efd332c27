#pragma once

#include <string>

namespace almanac {

// The calendar years the perpetual-calendar page lays out (astronomical numbering: 0 is the year
// before 1): the range of the date texts, far beyond any historical or astronomical meaning of the
// series behind the tables.
inline constexpr int kFirstPerpetualCalendarYear = -4712;
inline constexpr int kLastPerpetualCalendarYear = 9999;

// The perpetual-calendar year page (HTML, Big5 declared): the lunar months from the month of the
// winter solstice of December year - 1 to the last month that ends on or before the winter
// solstice of December year, each with its leap mark, name, length, first day, the branches of
// its 11th and 21st days and its new moon, followed by the solar terms that fall in it; dates and
// times in Beijing time. A year outside the supported range gets a short page saying so.
std::wstring BuildPerpetualCalendarPage(int year);

}  // namespace almanac
