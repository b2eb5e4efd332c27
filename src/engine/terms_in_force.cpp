#include "engine/terms_in_force.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "engine/time_frames.h"
#include "vocabulary/cyclic_index.h"

namespace engine {

namespace {

constexpr int kCachedLunarYears = 256;

// The term of one kind in force among the 36 of three lunar years (in time order): the entry
// before the first whose 12:00 lies after the moment. A moment before the first or after the
// last finds none. The search runs from the front as a plain scan, so that a sequence that is
// not increasing (the same year repeated at the ends of the table's range) reads as before.
TermInForce SearchTermInForce(const std::array<const std::array<double, 24>*, 3>& years,
                              int firstIndex, double julianDay) {
  constexpr int kCount = 36;
  auto dayAt = [&](int i) { return (*years[i / 12])[firstIndex + 2 * (i % 12)]; };
  int i = 0;
  while (i < kCount && !(dayAt(i) + kJ2000 > julianDay)) {
    ++i;
  }
  if (i == 0 || i == kCount) {
    return {};
  }
  return {firstIndex + 2 * ((i - 1) % 12), dayAt(i - 1), dayAt(i)};
}

}  // namespace

TermsInForceFinder::TermsInForceFinder() : lunarYears_(kCachedLunarYears) {}

const std::array<double, 24>& TermsInForceFinder::TermDaysAroundYear(long long year) {
  // A day near the middle of the year; the lunar year then runs from the winter solstice of
  // year - 1. Clamped to the table's days so that no year makes the conversion to int overflow.
  const double middle =
      std::clamp(std::floor((static_cast<double>(year) - 2000.0) * 365.2422 + 180),
                 static_cast<double>(kFirstLunarYearDay), static_cast<double>(kLastLunarYearDay));
  const int middleDay = static_cast<int>(middle);
  LunarYearTerms& slot =
      lunarYears_[static_cast<std::size_t>(vocabulary::FloorMod(year, kCachedLunarYears))];
  if (!slot.filled || slot.middleDay != middleDay) {
    slot.termDays = table_.ComputeLunarYearTermDays(middleDay);
    slot.middleDay = middleDay;
    slot.filled = true;
  }
  return slot.termDays;
}

std::array<const std::array<double, 24>*, 3> TermsInForceFinder::ThreeYearsAround(int year) {
  // Three neighbouring years use three different slots, so none evicts another here.
  return {&TermDaysAroundYear(year - 1LL), &TermDaysAroundYear(year),
          &TermDaysAroundYear(year + 1LL)};
}

TermsInForce TermsInForceFinder::FindTermsInForce(int year, double julianDay) {
  const std::array<const std::array<double, 24>*, 3> years = ThreeYearsAround(year);
  TermsInForce terms;
  terms.sectionTerm = SearchTermInForce(years, 1, julianDay);
  terms.midTerm = SearchTermInForce(years, 0, julianDay);
  return terms;
}

TermInForce TermsInForceFinder::FindSectionTermNearest(int year, int sectionTermIndex,
                                                       double julianDay) {
  if (sectionTermIndex < 1 || sectionTermIndex > 23 || sectionTermIndex % 2 != 1) {
    return {};
  }
  const std::array<const std::array<double, 24>*, 3> years = ThreeYearsAround(year);
  // The term has one entry in each lunar year; the first of equal distances wins, which keeps a
  // following entry where the table repeats its last lunar year.
  int nearest = -1;
  double nearestDistance = 0;
  for (int k = 0; k < 3; ++k) {
    const double distance = std::fabs((*years[k])[sectionTermIndex] + kJ2000 - julianDay);
    if (nearest < 0 || distance < nearestDistance) {
      nearest = k;
      nearestDistance = distance;
    }
  }
  // The next section term: the following index of the same lunar year, or 小寒 of the next.
  if (sectionTermIndex < 23) {
    return {sectionTermIndex, (*years[nearest])[sectionTermIndex],
            (*years[nearest])[sectionTermIndex + 2]};
  }
  if (nearest == 2) {
    return {};
  }
  return {sectionTermIndex, (*years[nearest])[sectionTermIndex], (*years[nearest + 1])[1]};
}

}  // namespace engine
