#include "engine/terms_in_force.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/julian_day.h"
#include "testing/utf8.h"
#include "vocabulary/calendar_vocabulary.h"
#include "vocabulary/vocabulary_lists.h"

namespace engine {
namespace {

constexpr double kJ2000 = 2451545.0;

bool Contains(std::span<const std::wstring_view> list, const std::wstring& name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

// One solar term of solar_terms.tsv (an independent ephemeris): its name and Beijing date.
struct ReferenceTerm {
  int year, month, day;
  int secondsAfterMidnight;
  std::wstring name;
};

std::vector<ReferenceTerm> ReadReferenceTerms() {
  std::vector<ReferenceTerm> terms;
  std::ifstream in(TAVREL_TESTDATA_DIR "/solar_terms.tsv");
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string year, k, name, angle, jdTt, date, time;
    fields >> year >> k >> name >> angle >> jdTt >> date >> time;
    ReferenceTerm term{};
    int hour = 0, minute = 0, second = 0;
    std::sscanf(date.c_str(), "%d-%d-%d", &term.year, &term.month, &term.day);
    std::sscanf(time.c_str(), "%d:%d:%d", &hour, &minute, &second);
    term.secondsAfterMidnight = hour * 3600 + minute * 60 + second;
    term.name = test_text::DecodeUtf8(name);
    terms.push_back(term);
  }
  return terms;
}

double JulianDayAt(int year, int month, int day, int hour, int minute) {
  return ComputeJulianDay(year, month, day + (hour + minute / 60.0) / 24.0);
}

// Every solar term of 1960-2100: at 11:59 of its Beijing date the previous term of its kind is
// in force, at 12:00 the term itself, until the noon of the next term of its kind. Terms within
// five minutes of a midnight are left out: there the date depends on the delta-T model (the
// reference's and ours differ by up to two minutes in 2100). Before 1960 the lunar year table
// keeps the days of the historical calendars, which differ from the ephemeris on some dates.
TEST(TermsInForce, EveryTermOf1960To2100RulesFromNoonOfItsDate) {
  const std::vector<ReferenceTerm> terms = ReadReferenceTerms();
  ASSERT_EQ(terms.size(), 24u * 201);
  const vocabulary::CalendarVocabulary names;
  TermsInForceFinder finder;
  int checked = 0;
  for (std::size_t i = 0; i + 2 < terms.size(); ++i) {
    const ReferenceTerm& term = terms[i];
    const ReferenceTerm& next = terms[i + 2];  // the next term of the same kind
    if (term.year < 1960 || term.secondsAfterMidnight < 300 || term.secondsAfterMidnight > 86100 ||
        next.secondsAfterMidnight < 300 || next.secondsAfterMidnight > 86100) {
      continue;
    }
    SCOPED_TRACE(test_text::EncodeUtf8(term.name) + " " + std::to_string(term.year) + "-" +
                 std::to_string(term.month) + "-" + std::to_string(term.day));
    const bool section = Contains(vocabulary::kSectionTermsByGregorianMonth, term.name);
    ASSERT_TRUE(section || Contains(vocabulary::kMidTermsByGregorianMonth, term.name));
    const auto ofKind = [&](const TermsInForce& t) { return section ? t.sectionTerm : t.midTerm; };

    const double noon = JulianDayAt(term.year, term.month, term.day, 12, 0);
    const TermInForce atNoon = ofKind(finder.FindTermsInForce(term.year, noon));
    ASSERT_GE(atNoon.termIndex, 0);
    EXPECT_EQ(test_text::EncodeUtf8(names.termNames[atNoon.termIndex]),
              test_text::EncodeUtf8(term.name));
    EXPECT_EQ(atNoon.day + kJ2000, noon);
    EXPECT_EQ(atNoon.nextDay + kJ2000, JulianDayAt(next.year, next.month, next.day, 12, 0));

    const TermInForce before = ofKind(
        finder.FindTermsInForce(term.year, JulianDayAt(term.year, term.month, term.day, 11, 59)));
    ASSERT_GE(before.termIndex, 0);
    EXPECT_EQ(before.termIndex, (atNoon.termIndex + 22) % 24);
    EXPECT_EQ(before.nextDay, atNoon.day);
    ++checked;
  }
  std::printf("terms in force checked at the noon of %d term dates\n", checked);
  EXPECT_GT(checked, 3300);
}

// Over the whole supported range every moment of a year finds a term of each kind, and the
// answers do not depend on what the finder computed before: one finder taking the moments in a
// shuffled order (years 256 apart share a slot) answers as a new finder for each moment.
TEST(TermsInForce, EveryYearFindsBothKindsInAnyOrder) {
  struct Moment {
    int year;
    double julianDay;
  };
  std::vector<Moment> moments;
  for (int year = kFirstCalendarYear; year <= kLastCalendarYear; year += 233) {
    moments.push_back({year, JulianDayAt(year, 1, 1, 0, 0)});
    moments.push_back({year, JulianDayAt(year, 12, 31, 23, 59)});
  }
  for (int year : {kFirstCalendarYear, 1582, 2024, 2024 + 256, kLastCalendarYear}) {
    moments.push_back({year, JulianDayAt(year, 1, 1, 0, 0)});
    moments.push_back({year, JulianDayAt(year, 7, 1, 12, 0)});
    moments.push_back({year, JulianDayAt(year, 12, 31, 23, 59)});
  }
  std::shuffle(moments.begin(), moments.end(), std::mt19937(17));
  TermsInForceFinder reused;
  for (const Moment& m : moments) {
    SCOPED_TRACE(m.year);
    const TermsInForce found = reused.FindTermsInForce(m.year, m.julianDay);
    TermsInForceFinder fresh;
    const TermsInForce expected = fresh.FindTermsInForce(m.year, m.julianDay);
    for (const auto& [term, expectedTerm] : {std::pair{found.sectionTerm, expected.sectionTerm},
                                             std::pair{found.midTerm, expected.midTerm}}) {
      ASSERT_GE(term.termIndex, 0);
      EXPECT_EQ(term.termIndex, expectedTerm.termIndex);
      EXPECT_EQ(term.day, expectedTerm.day);
      EXPECT_EQ(term.nextDay, expectedTerm.nextDay);
      EXPECT_LE(term.day + kJ2000, m.julianDay);
      EXPECT_GT(term.nextDay + kJ2000, m.julianDay);
    }
    EXPECT_EQ(found.sectionTerm.termIndex % 2, 1);
    EXPECT_EQ(found.midTerm.termIndex % 2, 0);
  }
}

// The section term of a given name nearest a moment, for every section term of 1960-2100 (as
// above, leaving out terms within five minutes of a midnight): from 11:00 of its date, an hour
// before its noon, the term itself is nearest, with the noon of the next section term as the end
// of its reign; the previous section term is the one a month before. 大雪 hands on to 小寒 of
// the next lunar year. An index that names no section term finds none.
TEST(TermsInForce, SectionTermNearestAMoment) {
  const std::vector<ReferenceTerm> terms = ReadReferenceTerms();
  const vocabulary::CalendarVocabulary names;
  TermsInForceFinder finder;
  int checked = 0;
  for (std::size_t i = 2; i + 2 < terms.size(); ++i) {
    const ReferenceTerm& previous = terms[i - 2];
    const ReferenceTerm& term = terms[i];
    const ReferenceTerm& next = terms[i + 2];
    if (!Contains(vocabulary::kSectionTermsByGregorianMonth, term.name) || term.year < 1960 ||
        std::max({previous.secondsAfterMidnight, term.secondsAfterMidnight,
                  next.secondsAfterMidnight}) > 86100 ||
        std::min({previous.secondsAfterMidnight, term.secondsAfterMidnight,
                  next.secondsAfterMidnight}) < 300) {
      continue;
    }
    SCOPED_TRACE(test_text::EncodeUtf8(term.name) + " " + std::to_string(term.year) + "-" +
                 std::to_string(term.month) + "-" + std::to_string(term.day));
    const auto indexOf = [&](const std::wstring& name) {
      return static_cast<int>(std::find(names.termNames.begin(), names.termNames.end(), name) -
                              names.termNames.begin());
    };
    const double moment = JulianDayAt(term.year, term.month, term.day, 11, 0);
    const TermInForce found = finder.FindSectionTermNearest(term.year, indexOf(term.name), moment);
    EXPECT_EQ(found.termIndex, indexOf(term.name));
    EXPECT_EQ(found.day + kJ2000, JulianDayAt(term.year, term.month, term.day, 12, 0));
    EXPECT_EQ(found.nextDay + kJ2000, JulianDayAt(next.year, next.month, next.day, 12, 0));
    const TermInForce before =
        finder.FindSectionTermNearest(term.year, indexOf(previous.name), moment);
    EXPECT_EQ(before.termIndex, indexOf(previous.name));
    EXPECT_EQ(before.day + kJ2000, JulianDayAt(previous.year, previous.month, previous.day, 12, 0));
    EXPECT_EQ(before.nextDay, found.day);
    ++checked;
  }
  std::printf("nearest section terms checked on %d term dates\n", checked);
  EXPECT_GT(checked, 1600);
  for (const int index : {-1, 0, 2, 22, 24, 25}) {
    SCOPED_TRACE(index);
    EXPECT_EQ(finder.FindSectionTermNearest(2024, index, JulianDayAt(2024, 6, 1, 0, 0)).termIndex,
              -1);
  }
}

// A moment outside the three lunar years finds no term.
TEST(TermsInForce, MomentOutsideTheThreeYearsFindsNone) {
  TermsInForceFinder finder;
  for (const double julianDay :
       {JulianDayAt(2020, 1, 1, 12, 0), JulianDayAt(2028, 1, 1, 12, 0), std::nan("")}) {
    SCOPED_TRACE(julianDay);
    const TermsInForce found = finder.FindTermsInForce(2024, julianDay);
    EXPECT_EQ(found.sectionTerm.termIndex, -1);
    EXPECT_EQ(found.midTerm.termIndex, -1);
  }
}

}  // namespace
}  // namespace engine
