#include "chart/relations.h"

#include <array>

#include "vocabulary/vocabulary_lists.h"

namespace chart {

namespace {

// Stem relations by stem index: the combination partner and the stem this one controls.
struct StemRow {
  int partner;              // combines with this stem, in either order
  const wchar_t* combined;  // the combination's text
  int controls;             // "剋" when this stem comes first and the other is this one
};
constexpr std::array<StemRow, 10> kStemRows = {{
    // partner, text, controls
    {5, L"合土", 4},  // 甲: 己; 戊
    {6, L"合金", 5},  // 乙: 庚; 己
    {7, L"合水", 6},  // 丙: 辛; 庚
    {8, L"合木", 7},  // 丁: 壬; 辛
    {9, L"合火", 8},  // 戊: 癸; 壬
    {0, L"合土", 9},  // 己: 甲; 癸
    {1, L"合金", 0},  // 庚: 乙; 甲
    {2, L"合水", 1},  // 辛: 丙; 乙
    {3, L"合木", 2},  // 壬: 丁; 丙
    {4, L"合火", 3},  // 癸: 戊; 丁
}};
static_assert(kStemRows.size() == 10);

// Branch relations of the ordered pairs that have one; every other pair has none.
struct BranchPairRelation {
  wchar_t first;
  wchar_t second;
  const wchar_t* text;
};
// clang-format off
constexpr std::array<BranchPairRelation, 48> kBranchRelations = {{
    // first, second, text
    {L'子', L'丑', L"合土"},
    {L'子', L'卯', L"刑"},
    {L'子', L'午', L"衝"},
    {L'子', L'未', L"害"},
    {L'子', L'酉', L"破"},
    {L'丑', L'子', L"合土"},
    {L'丑', L'辰', L"破"},
    {L'丑', L'午', L"害"},
    {L'丑', L'未', L"衝"},
    {L'丑', L'戌', L"刑"},
    {L'寅', L'巳', L"刑害"},
    {L'寅', L'申', L"沖"},
    {L'寅', L'亥', L"合水破"},
    {L'卯', L'子', L"刑"},
    {L'卯', L'辰', L"害"},
    {L'卯', L'午', L"破"},
    {L'卯', L'酉', L"沖"},
    {L'卯', L'戌', L"合火"},
    {L'辰', L'卯', L"害"},
    {L'辰', L'辰', L"刑"},
    {L'辰', L'酉', L"合金"},
    {L'辰', L'戌', L"沖"},
    {L'巳', L'寅', L"害"},
    {L'巳', L'申', L"合水破"},
    {L'巳', L'亥', L"沖"},
    {L'午', L'子', L"沖"},
    {L'午', L'丑', L"害"},
    {L'午', L'午', L"刑"},
    {L'午', L'未', L"合木"},
    {L'未', L'子', L"害"},
    {L'未', L'丑', L"沖"},
    {L'未', L'午', L"合木"},
    {L'未', L'戌', L"破"},
    {L'申', L'寅', L"刑衝"},
    {L'申', L'巳', L"合水"},
    {L'申', L'亥', L"害"},
    {L'酉', L'卯', L"衝"},
    {L'酉', L'辰', L"合金"},
    {L'酉', L'酉', L"刑"},
    {L'酉', L'戌', L"害"},
    {L'戌', L'卯', L"合火"},
    {L'戌', L'辰', L"衝"},
    {L'戌', L'未', L"刑"},
    {L'戌', L'酉', L"害"},
    {L'亥', L'寅', L"合水"},
    {L'亥', L'巳', L"衝"},
    {L'亥', L'申', L"害"},
    {L'亥', L'亥', L"刑"},
}};
// clang-format on
static_assert(kBranchRelations.size() == 48);

// The counter of each single-word relation.
struct WordSlot {
  wchar_t word;
  int slot;
};
constexpr std::array<WordSlot, 5> kWordSlots = {{
    {L'刑', kBranchPunishments},
    {L'衝', kBranchClashes衝},
    {L'沖', kBranchClashes沖},
    {L'破', kBranchBreaks},
    {L'害', kBranchHarms},
}};

// Counts a combination by its element, in the combination order 金 木 水 火 土.
void CountCombination(wchar_t element, int groupBase, FourPillarsChart& chart) {
  const int e = NameIndex(kCombinationElementOrder, std::wstring(1, element));
  if (e >= 0) {
    ++chart.elementCombinationCounts[kAllCombinationsBase + e];
    ++chart.elementCombinationCounts[groupBase + e];
  }
}

}  // namespace

std::wstring StemRelation(const std::wstring& first, const std::wstring& second,
                          FourPillarsChart& chart) {
  const int a = vocabulary::LookupStemIndex(first);
  const int b = vocabulary::LookupStemIndex(second);
  if (a < 0 || b < 0) {
    return L"";
  }
  if (kStemRows[a].partner == b) {
    const std::wstring text = kStemRows[a].combined;
    ++chart.relationCounts[kStemCombinations];
    CountCombination(text[1], kStemCombinationsBase, chart);
    chart.transformationCount = 1;
    return text;
  }
  if (kStemRows[a].controls == b) {
    ++chart.relationCounts[kStemOvercomings];
    return L"剋";
  }
  return L"";
}

std::wstring BranchRelation(const std::wstring& first, const std::wstring& second,
                            FourPillarsChart& chart) {
  if (vocabulary::LookupBranchIndex(first) < 0 || vocabulary::LookupBranchIndex(second) < 0) {
    return L"";
  }
  std::wstring text;
  for (const BranchPairRelation& relation : kBranchRelations) {
    if (relation.first == first[0] && relation.second == second[0]) {
      text = relation.text;
      break;
    }
  }
  std::size_t i = 0;
  if (text.size() >= 2 && text[0] == L'合') {
    ++chart.relationCounts[kBranchCombinations];
    CountCombination(text[1], kBranchCombinationsBase, chart);
    i = 2;
  }
  for (; i < text.size(); ++i) {
    for (const WordSlot& word : kWordSlots) {
      if (text[i] == word.word) {
        ++chart.relationCounts[word.slot];
      }
    }
  }
  return text;
}

}  // namespace chart
