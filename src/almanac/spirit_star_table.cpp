#include "almanac/spirit_star_table.h"

#include "vocabulary/cyclic_index.h"
#include "vocabulary/vocabulary_lists.h"

namespace almanac {

int MonthColumnOfBranch(const std::wstring& branch) {
  const int b = vocabulary::LookupBranchIndex(branch);  // "子" = 0, or -1
  return b < 0 ? -1 : vocabulary::FloorMod(b - 2, 12);  // "寅" = 0
}

}  // namespace almanac
