#include "chart/relations.h"

#include <array>
#include <cstddef>
#include <string>

#include "vocabulary/branch_relations.h"
#include "vocabulary/vocabulary_lists.h"

namespace chart {

namespace {

// Stem relations by stem index: the combination partner and the stem this one controls.
struct StemRow {
  int partner;              // combines with this stem, in either order
  const wchar_t* combined;  // the combination's text
  int controls;             // "剋" when this stem comes first and the other is this one
};
constexpr auto kStemRows = std::to_array<StemRow>({
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
});
static_assert(kStemRows.size() == 10);

// How the chart writes the relations of vocabulary::kBranchRelations with a branch first: the
// element it gives that branch's six-harmony combination, the character of its clash (衝 or
// 沖), and whether it writes that branch's punishment. A break is written only with the earlier
// branch of the pair first.
struct BranchSpelling {
  wchar_t branch;
  wchar_t combinationElement;
  wchar_t clashWord;
  bool writesPunishment;
};
// branch, element of its 合, clash word, writes its 刑 (rows in branch order, 子 first)
constexpr auto kBranchSpellings = std::to_array<BranchSpelling>({
    {L'子', L'土', L'衝', true},
    {L'丑', L'土', L'衝', true},
    {L'寅', L'水', L'沖', true},
    {L'卯', L'火', L'沖', true},
    {L'辰', L'金', L'沖', true},
    {L'巳', L'水', L'沖', false},
    {L'午', L'木', L'沖', true},
    {L'未', L'木', L'沖', false},
    {L'申', L'水', L'衝', true},
    {L'酉', L'金', L'衝', true},
    {L'戌', L'火', L'衝', true},
    {L'亥', L'水', L'衝', true},
});
static_assert(kBranchSpellings.size() == 12);
static_assert([] {
  for (std::size_t b = 0; b < kBranchSpellings.size(); ++b) {
    if (kBranchSpellings[b].branch != vocabulary::kBranchRelations[b].branch) {
      return false;
    }
  }
  return true;
}());

// The relation text of branch index a before branch index b: the combination, then the words
// 刑, 衝 or 沖, 破 and 害 that apply, in this order ("合水破", "刑害", "刑衝").
std::wstring BranchRelationText(int a, int b) {
  const vocabulary::BranchRelations& relations = vocabulary::kBranchRelations[a];
  const BranchSpelling& spelling = kBranchSpellings[a];
  const wchar_t second = vocabulary::kEarthlyBranches[b][0];
  std::wstring text;
  if (relations.harmony == second) {
    text += L'合';
    text += spelling.combinationElement;
  }
  if (relations.punishment == second && spelling.writesPunishment) {
    text += L'刑';
  }
  if (relations.clash == second) {
    text += spelling.clashWord;
  }
  if (relations.breaking == second && a < b) {
    text += L'破';
  }
  if (relations.harm == second) {
    text += L'害';
  }
  return text;
}

// The counter of each single-word relation.
struct WordSlot {
  wchar_t word;
  int slot;
};
constexpr auto kWordSlots = std::to_array<WordSlot>({
    {L'刑', kBranchPunishments},
    {L'衝', kBranchClashes衝},
    {L'沖', kBranchClashes沖},
    {L'破', kBranchBreaks},
    {L'害', kBranchHarms},
});
static_assert(kWordSlots.size() == 5);

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
  const int a = vocabulary::LookupBranchIndex(first);
  const int b = vocabulary::LookupBranchIndex(second);
  if (a < 0 || b < 0) {
    return L"";
  }
  const std::wstring text = BranchRelationText(a, b);
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
