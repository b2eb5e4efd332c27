#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace chart {

// The verdict (命評) and the poem (歌謠) of each total bone weight from 21 to 72 錢. Both are
// keyed data files in data/ (total, origin, text), turned into these tables at build time by
// tools/generate_bone_texts.py; a text can be added there without touching code.

// Where an entry's text comes from (the `origin` column of the data files).
enum class BoneTextOrigin : int {
  kFixed,     // the program's own wording, kept character for character
  kSource,    // taken from the folk text named in data/README.md
  kNotFound,  // no source known: the text is empty
};

struct BoneText {
  int total;  // the total weight in 錢, 21..72
  BoneTextOrigin origin;
  std::wstring_view text;
};

inline constexpr int kFirstBoneTotal = 21;
inline constexpr int kLastBoneTotal = 72;
inline constexpr std::size_t kBoneTextCount = kLastBoneTotal - kFirstBoneTotal + 1;  // 52

// Entry total - 21: a phrase of 8 to 12 characters where filled.
extern const std::array<BoneText, kBoneTextCount> kBoneVerdicts;
// Entry total - 21: four lines of seven characters punctuated "，" "；" "，" "。" where filled.
extern const std::array<BoneText, kBoneTextCount> kBonePoems;

// True for a total that has an entry (21..72).
constexpr bool HasBoneTexts(int total) {
  return total >= kFirstBoneTotal && total <= kLastBoneTotal;
}

// The verdict and the poem of a total 21..72 (possibly empty); empty for any other total.
std::wstring_view BoneVerdict(int total);
std::wstring_view BonePoem(int total);

}  // namespace chart
