#include "vocabulary/vocabulary_lists.h"

#include <algorithm>
#include <cstddef>
#include <span>

namespace vocabulary {
namespace {

// Index of the first key equal to name as a whole, or -1. The chart rules look names up many
// times a chart, so the keys (one or two characters) are compared character by character, the
// first character first, without a call into the library's compare.
template <std::size_t N>
int LookupIndex(const std::wstring& name, const std::array<std::wstring_view, N>& keys) {
  if (name.empty()) {
    return -1;
  }
  for (std::size_t i = 0; i < N; ++i) {
    const std::wstring_view key = keys[i];
    if (key[0] != name[0] || key.size() != name.size()) {
      continue;
    }
    std::size_t j = 1;
    while (j < key.size() && key[j] == name[j]) {
      ++j;
    }
    if (j == key.size()) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

// The characters of a list of one-character names, in its order.
template <std::size_t N>
constexpr std::array<wchar_t, N> CharactersOf(const std::array<std::wstring_view, N>& names) {
  std::array<wchar_t, N> characters{};
  for (std::size_t i = 0; i < N; ++i) {
    characters[i] = names[i][0];
  }
  return characters;
}

constexpr bool AllOneCharacter(std::span<const std::wstring_view> names) {
  return std::ranges::all_of(names, [](std::wstring_view name) { return name.size() == 1; });
}
static_assert(AllOneCharacter(kHeavenlyStems) && AllOneCharacter(kEarthlyBranches));

constexpr auto kStemCharacters = CharactersOf(kHeavenlyStems);
constexpr auto kBranchCharacters = CharactersOf(kEarthlyBranches);

// Index of a one-character name among the characters, or -1 (any other length too).
template <std::size_t N>
int LookupCharacter(const std::wstring& name, const std::array<wchar_t, N>& characters) {
  if (name.size() != 1) {
    return -1;
  }
  for (std::size_t i = 0; i < N; ++i) {
    if (characters[i] == name[0]) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace

int LookupSolarTermIndex(const std::wstring& name) { return LookupIndex(name, kSolarTermKeys); }

int LookupBranchIndex(const std::wstring& name) { return LookupCharacter(name, kBranchCharacters); }

int LookupStemIndex(const std::wstring& name) { return LookupCharacter(name, kStemCharacters); }

}  // namespace vocabulary
