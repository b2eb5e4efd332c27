#include <vector>

#include "interpretation/pattern_catalogue_parts.h"
#include "interpretation/pattern_judgement.h"

namespace interpretation {

// The patterns in catalogue order, group after group.
std::span<const PatternRecord> PatternCatalogue() {
  static const std::vector<PatternRecord> catalogue = [] {
    std::vector<PatternRecord> all;
    for (auto group : {OfficerAndSealPatterns, WealthAndOutputPatterns, BladeAndClashPatterns,
                       DayPillarAndSalaryPatterns, SpecialPillarPatterns, ElementPatterns,
                       FollowingAndSolitaryPatterns, UniformPatterns}) {
      for (PatternRecord& record : group()) {
        all.push_back(std::move(record));
      }
    }
    return all;
  }();
  return catalogue;
}

}  // namespace interpretation
