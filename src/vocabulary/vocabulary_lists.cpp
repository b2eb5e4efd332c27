#include "vocabulary/vocabulary_lists.h"

#include <cstddef>

namespace vocabulary {
namespace {

// Index of the first key equal to name as a whole, or -1.
template <std::size_t N>
int LookupIndex(const std::wstring& name, const std::array<std::wstring_view, N>& keys) {
  for (std::size_t i = 0; i < N; ++i) {
    if (name == keys[i]) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace

int LookupSolarTermIndex(const std::wstring& name) { return LookupIndex(name, kSolarTermKeys); }

int LookupBranchIndex(const std::wstring& name) { return LookupIndex(name, kEarthlyBranches); }

int LookupStemIndex(const std::wstring& name) { return LookupIndex(name, kHeavenlyStems); }

}  // namespace vocabulary
