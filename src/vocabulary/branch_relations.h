#pragma once

#include <array>
#include <cstddef>

#include "vocabulary/vocabulary_lists.h"

namespace vocabulary {

// The relations of one branch to the others, each named by the other branch's character. The
// almanac's hour spirits and the chart's branch relations both read them from here.
struct BranchRelations {
  wchar_t branch;
  wchar_t harmony;     // 六合: its six-harmony partner
  wchar_t clash;       // 沖: the opposite branch
  wchar_t punishment;  // 刑: the branch it punishes; 辰, 午, 酉 and 亥 punish themselves
  wchar_t harm;        // 害
  wchar_t breaking;    // 破
};

// By branch index, "子" first.
// branch, 六合, 沖, 刑, 害, 破
inline constexpr auto kBranchRelations = std::to_array<BranchRelations>({
    {L'子', L'丑', L'午', L'卯', L'未', L'酉'},
    {L'丑', L'子', L'未', L'戌', L'午', L'辰'},
    {L'寅', L'亥', L'申', L'巳', L'巳', L'亥'},
    {L'卯', L'戌', L'酉', L'子', L'辰', L'午'},
    {L'辰', L'酉', L'戌', L'辰', L'卯', L'丑'},
    {L'巳', L'申', L'亥', L'申', L'寅', L'申'},
    {L'午', L'未', L'子', L'午', L'丑', L'卯'},
    {L'未', L'午', L'丑', L'丑', L'子', L'戌'},
    {L'申', L'巳', L'寅', L'寅', L'亥', L'巳'},
    {L'酉', L'辰', L'卯', L'酉', L'戌', L'子'},
    {L'戌', L'卯', L'辰', L'未', L'酉', L'未'},
    {L'亥', L'寅', L'巳', L'亥', L'申', L'寅'},
});
static_assert(kBranchRelations.size() == 12);

// Index 0..11 of a branch character in kEarthlyBranches, or -1.
constexpr int BranchIndexOfCharacter(wchar_t branch) {
  for (std::size_t i = 0; i < kEarthlyBranches.size(); ++i) {
    if (kEarthlyBranches[i][0] == branch) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

namespace internal {
constexpr std::size_t BranchIndexOf(wchar_t branch) {
  const int i = BranchIndexOfCharacter(branch);
  return i < 0 ? 12 : static_cast<std::size_t>(i);
}

// Rows in branch order; six-harmony pairs, harms and breaks mutual; the clash opposite; every
// branch punished by exactly one.
constexpr bool BranchRelationsAreConsistent() {
  std::array<int, 12> punishedBy{};
  for (std::size_t b = 0; b < 12; ++b) {
    const BranchRelations& row = kBranchRelations[b];
    if (BranchIndexOf(row.branch) != b || BranchIndexOf(row.clash) != (b + 6) % 12) {
      return false;
    }
    for (wchar_t other : {row.harmony, row.harm, row.breaking}) {
      if (BranchIndexOf(other) >= 12 || other == row.branch) {
        return false;
      }
    }
    const BranchRelations& partner = kBranchRelations[BranchIndexOf(row.harmony)];
    const BranchRelations& harmed = kBranchRelations[BranchIndexOf(row.harm)];
    const BranchRelations& broken = kBranchRelations[BranchIndexOf(row.breaking)];
    if (partner.harmony != row.branch || harmed.harm != row.branch ||
        broken.breaking != row.branch) {
      return false;
    }
    const std::size_t punished = BranchIndexOf(row.punishment);
    if (punished >= 12) {
      return false;
    }
    ++punishedBy[punished];
  }
  for (int count : punishedBy) {
    if (count != 1) {
      return false;
    }
  }
  return true;
}
}  // namespace internal

static_assert(internal::BranchRelationsAreConsistent());

}  // namespace vocabulary
