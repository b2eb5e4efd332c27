#include <vector>

#include "interpretation/pattern_groups.h"
#include "interpretation/pattern_judgement.h"

namespace interpretation {

namespace {

// Whether the judgement can take the record: a pattern found by the count already in its true
// slot needs a true slot (without one it would read the flags at -1), any other a candidate test.
bool CanBeJudged(const PatternRecord& record) {
  return record.precounted ? record.pattern.trueSlot != kNoTrueSlot : record.candidate != nullptr;
}

}  // namespace

// The patterns in catalogue order, group after group. A record the judgement could not take is
// left out, which the catalogue's test of all 63 patterns in order reports.
std::span<const PatternRecord> PatternCatalogue() {
  static const std::vector<PatternRecord> catalogue = [] {
    std::vector<PatternRecord> all;
    for (auto group : {OfficerAndSealPatterns, WealthAndOutputPatterns, BladeAndClashPatterns,
                       DayPillarAndSalaryPatterns, SpecialPillarPatterns, ElementPatterns,
                       FollowingAndSolitaryPatterns, UniformPatterns}) {
      for (PatternRecord& record : group()) {
        if (CanBeJudged(record)) {
          all.push_back(std::move(record));
        }
      }
    }
    return all;
  }();
  return catalogue;
}

}  // namespace interpretation
