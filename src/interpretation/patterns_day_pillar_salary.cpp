#include "interpretation/pattern_catalogue_parts.h"

namespace interpretation {

std::vector<PatternRecord> DayPillarAndSalaryPatterns() { return {}; }

}  // namespace interpretation
