#pragma once

#include <array>
#include <string>
#include <vector>

#include "vocabulary/calendar_vocabulary.h"

namespace engine {

// Day numbers of the lunar calendar are whole civil days of Beijing time (UTC+8): day d is the
// date whose noon is Julian day 2451545 + d (day 0 is 2000-01-01).

// The kinds of event that FindTermOrNewMoonDay finds.
inline constexpr int kSolarTermEvent = 0;
inline constexpr int kNewMoonEvent = 1;

// Month codes index CalendarVocabulary::monthNames (0 "十一", 1 "十二", 2 "正" .. 11 "十"); three
// codes of historical calendars lie beyond it and are named by MonthCodeName only.
// The first of two consecutive twelfth months (the months from 23-12-02 and 239-12-13).
inline constexpr int kMonthCodeFirstTwelfth = 12;
// A 13th month of a reference year whose first month is "正" (years -721 to -104).
inline constexpr int kMonthCodeThirteenth = 13;
// A 13th month of a reference year whose first month is "十", following its 12th month "九".
inline constexpr int kMonthCodeAfterNinth = 14;

// The name of a month code, without "月" and without the leap mark: monthNames[code] for 0..11,
// "拾貳" for 12, "十三" for 13, "後九" for 14, and an empty text for any other code. Every reader
// of LunarYearTable::monthCodes names months through this function.
std::wstring MonthCodeName(const vocabulary::CalendarVocabulary& vocabulary, int code);

// The calendar years that the month calendar and the pages support: the range of the almanac's
// four-digit date texts. A year outside gets no day records and the pages say it is out of range.
inline constexpr int kFirstCalendarYear = -4712;
inline constexpr int kLastCalendarYear = 9999;

// Day numbers on which ComputeLunarYear works: -4713-01-01 to 10000-12-31, one year beyond the
// calendar years -4712 to 9999 that the pages support on each side (callers also ask for the
// neighbouring years). A day outside is taken as the nearest end, so no day number overflows.
inline constexpr int kFirstLunarYearDay = -2451910;
inline constexpr int kLastLunarYearDay = 2922305;

// The lunar year between two winter solstices that contains a given day: solar-term days,
// new-moon days, month codes and lengths and the leap month, for any era from the 8th century BC
// on (mean-period fits and corrected low-precision formulas for the historical calendars, the
// precise moments otherwise). Each user keeps one table for the whole run and reads the year
// members right after ComputeLunarYear; the next call replaces them.
class LunarYearTable {
 public:
  // Expands the correction strings and fills the fit tables; the year members stay empty until
  // the first ComputeLunarYear.
  LunarYearTable();

  // Lays out the lunar year that contains the day (a day number). Afterwards
  // termDays[0] <= day < termDays[24] and the vectors hold 25, 15, 14 and 14 entries. The
  // callers that want the year around a Gregorian year Y pass floor((Y - 2000) * 365.2422 + 180)
  // and get the months from the winter solstice of December Y - 1 to that of December Y.
  void ComputeLunarYear(int day);

  // termDays[0 .. 23] of ComputeLunarYear(day), computed alone (no new moons, no month names):
  // the whole day numbers of the 24 solar terms from the winter solstice on or before the day.
  std::array<double, 24> ComputeLunarYearTermDays(int day) const;

  // The whole day number of the event of that kind (kSolarTermEvent or kNewMoonEvent) whose mean
  // moment lies nearest to the day (a day number, not necessarily whole; any other kind counts as
  // a solar term). The method follows the era of the day passed in, not of the event found.
  double FindTermOrNewMoonDay(double day, int kind) const;

  // Mean-period fits: {start Julian day, mean period in days} pairs, then the end Julian day.
  std::vector<double> newMoonFits;  // 23
  std::vector<double> termFits;     // 71

  // Whole day numbers of the 25 solar terms from the winter solstice on or before the day to the
  // next winter solstice, in the order of CalendarVocabulary::termNames (even k mid-terms).
  std::vector<double> termDays;
  double priorTermDay = 0;        // the term before termDays[0] ("大雪")
  double secondPriorTermDay = 0;  // the term before that ("小雪")

  // First days of 14 consecutive lunar months and of the month after them; [0] is the new-moon
  // day on or before termDays[0].
  std::vector<int> newMoonDays;
  std::vector<int> monthCodes;    // 14 month codes (see MonthCodeName); a leap month repeats the
                                  // code of the month before it
  std::vector<int> monthLengths;  // 14: 29 or 30
  int leapIndex = 0;              // 0: no leap month; else the index (1..12) of the leap month

  // Expanded day corrections of the low-precision era, one character per event: "0" none, "1" one
  // day later, "2" one day earlier.
  std::string newMoonCorrections;  // 16,598 characters
  std::string termCorrections;     // 7,567 characters

 private:
  // An estimate of the winter solstice of the lunar year holding the (clamped) day, such that
  // FindTermOrNewMoonDay(estimate + 15.2184 * k) is its solar term k.
  double WinterSolsticeEstimate(int day) const;
};

}  // namespace engine
