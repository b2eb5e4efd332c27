#pragma once

#include <array>
#include <vector>

#include "engine/lunar_year.h"

namespace engine {

// The solar terms in force at a moment. A term day is a whole day number of Beijing time, and a
// term is in force from 12:00 of its date (Julian day termDay + 2451545) on, whatever the exact
// moment of the term: before 12:00 of that date the previous term of its kind still holds.
// Terms alternate between the two kinds: in the order of CalendarVocabulary::termNames (from
// "冬至") an even index is a mid-term (中氣: 冬至, 大寒, 雨水 ...) and an odd index a section
// term (節: 小寒, 立春, 驚蟄 ...).

// The term of one kind in force: its index in termNames, its day and the day of the next term of
// the same kind (the end of its reign). termIndex -1 when the moment lies outside the searched
// terms (then both days are 0).
struct TermInForce {
  int termIndex = -1;  // 0 .. 23, counted from "冬至"
  double day = 0;      // whole day number of the term in force
  double nextDay = 0;  // whole day number of the next term of the kind
};

// The section term and the mid-term in force at one moment.
struct TermsInForce {
  TermInForce sectionTerm;
  TermInForce midTerm;
};

// Finds the terms in force among those of three lunar years, the years of the day pages and of
// the birth charts. Keeps the solar-term days of the lunar years it has laid out (one slot per
// year number modulo 256), so a caller that keeps the finder for the whole run pays for each
// lunar year once, in any order of the moments. Not reentrant: one finder per thread.
class TermsInForceFinder {
 public:
  TermsInForceFinder();

  // The section term and mid-term in force at julianDay (a Julian day of Beijing civil time),
  // searched among the terms of the lunar years around year - 1, year and year + 1 (the winter
  // solstice of year - 2 to that of year + 1): the section terms from 小寒 of year - 1 to 大雪 of
  // year + 1, the mid-terms from 冬至 of year - 2 to 小雪 of year + 1. Each moment of the
  // Gregorian year `year` finds both kinds; the almanac passes the civil year of the moment, the
  // birth chart the typed year of birth.
  TermsInForce FindTermsInForce(int year, double julianDay);

  // The section term sectionTermIndex (an odd index of termNames: 小寒 1, 立春 3 ... 大雪 23)
  // whose day lies nearest to julianDay among the section terms that FindTermsInForce searches
  // for `year`, with the day of the section term after it in that list: the term of a month
  // wherever its noon lies from the moment. termIndex -1 when the index names no section term or
  // the nearest entry is the last of the list (which no moment of `year` finds).
  TermInForce FindSectionTermNearest(int year, int sectionTermIndex, double julianDay);

 private:
  struct LunarYearTerms {
    bool filled = false;
    int middleDay = 0;  // the day number the lunar year was laid out from: its key
    std::array<double, 24> termDays{};
  };

  // The solar-term days of the lunar year from the winter solstice of year - 1 to that of year.
  const std::array<double, 24>& TermDaysAroundYear(long long year);

  // The solar-term days of the three lunar years searched for `year`, in time order.
  std::array<const std::array<double, 24>*, 3> ThreeYearsAround(int year);

  LunarYearTable table_;
  std::vector<LunarYearTerms> lunarYears_;  // 256 slots
};

}  // namespace engine
