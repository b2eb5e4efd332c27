#include "interpretation/pattern_catalogue_parts.h"

namespace interpretation {

std::vector<PatternRecord> OfficerAndSealPatterns() { return {}; }

}  // namespace interpretation
