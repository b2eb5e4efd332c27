#include "interpretation/chart_notation.h"

#include "chart/stem_branch_basics.h"
#include "vocabulary/vocabulary_lists.h"

namespace interpretation::notation {
namespace {

// The two ten gods of a sum word, or the ten god itself twice (the second marked -1).
struct TenGodParts {
  int first;
  int second;
};

constexpr TenGodParts PartsOf(TenGod x) {
  switch (x) {
    case 財:
      return {正財, 偏財};
    case 印:
      return {正印, 偏印};
    case 官殺:
      return {正官, 偏官};
    case 比劫:
      return {比肩, 劫財};
    case 食傷:
      return {食神, 傷官};
    default:
      return {x, -1};
  }
}

// The sum over the parts of x in an array kept in the ten-god count order.
int CountOf(const std::array<int, 10>& counts, TenGod x) {
  const TenGodParts parts = PartsOf(x);
  return counts[parts.first] + (parts.second >= 0 ? counts[parts.second] : 0);
}

// stemTenGodCountsByPillar has rows for the year, month and hour stems only.
int StemRowOf(Pillar p) {
  switch (p) {
    case 年:
      return 0;
    case 月:
      return 1;
    case 時:
      return 2;
    default:
      return -1;
  }
}

// The element's index in an element-indexed array of the chart, or -1.
template <std::size_t N>
int ElementSlot(const std::array<const wchar_t*, N>& order, Element e) {
  const std::wstring_view name = chart::kElementsByProduction[e];
  for (std::size_t i = 0; i < N; ++i) {
    if (name == order[i]) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace

bool ChartWord::is(std::initializer_list<std::wstring_view> words) const {
  for (std::wstring_view word : words) {
    if (text == word) {
      return true;
    }
  }
  return false;
}

ChartNotation::ChartNotation(const chart::FourPillarsChart& chart,
                             const chart::SeasonalStrengthValues& values)
    : record(chart),
      DM(chart.dayMasterStrengthValue),
      S(chart.dayMasterStrengthValue),
      v旺(values[0]),
      v相(values[1]),
      v休(values[2]),
      v囚(values[3]),
      v死(values[4]),
      男(chart.sexText == L"男"),
      女(chart.sexText == L"女") {
  for (Pillar p : kFourPillars) {
    const chart::ChartPillar& pillar = chart.pillars[p];
    stemIndexes_[p] = vocabulary::LookupStemIndex(pillar.stem);
    branchIndexes_[p] = vocabulary::LookupBranchIndex(pillar.branch);
    pillarTexts_[p] = pillar.stem + pillar.branch;
  }
}

int ChartNotation::TG(TenGod x) const { return CountOf(record.tenGodCounts, x); }

int ChartNotation::stemTG(TenGod x) const { return CountOf(record.stemTenGodCounts, x); }

int ChartNotation::hiddenTG(TenGod x) const { return CountOf(record.hiddenTenGodCounts, x); }

int ChartNotation::stemTG(Pillar p, TenGod x) const {
  const int row = StemRowOf(p);
  return row < 0 ? 0 : CountOf(record.stemTenGodCountsByPillar[row], x);
}

int ChartNotation::hiddenTG(Pillar p, TenGod x) const {
  return CountOf(record.hiddenTenGodCountsByBranch[p], x);
}

bool ChartNotation::holds(Pillar p, TenGod x) const { return stemTG(p, x) + hiddenTG(p, x) > 0; }

long long ChartNotation::tenGodWeight(TenGod x) const {
  const TenGodParts parts = PartsOf(x);
  long long weight = 0;
  for (int part : {parts.first, parts.second}) {
    if (part >= 0) {
      weight += record.tenGodWeights[chart::NameIndex(chart::kTenGodWeightOrder,
                                                      chart::kTenGodCountOrder[part])];
    }
  }
  return weight;
}

bool ChartNotation::pillarIs(Pillar p, std::initializer_list<std::wstring_view> names) const {
  for (std::wstring_view name : names) {
    if (pillarTexts_[p] == name) {
      return true;
    }
  }
  return false;
}

ChartWord ChartNotation::stage(Pillar p) const { return {record.pillars[p].stage}; }

ChartWord ChartNotation::stemTenGod(Pillar p) const { return {record.pillars[p].stemTenGod}; }

int ChartNotation::frame(Element e) const {
  return record.threeHarmonyFlags[ElementSlot(chart::kThreeHarmonyOrder, e)];
}

int ChartNotation::direction(Element e) const {
  const int slot = ElementSlot(chart::kDirectionOrder, e);
  return slot < 0 ? 0 : record.directionFlags[slot];
}

int ChartNotation::combinations(Element e) const {
  return record.elementCombinationCounts[chart::kAllCombinationsBase +
                                         ElementSlot(chart::kCombinationElementOrder, e)];
}

int ChartNotation::nayinCount(Element e) const {
  return record.nayinElementCounts[ElementSlot(chart::kNayinCountOrder, e)];
}

int ChartNotation::listed(Pillar p, chart::StarSlot x) const {
  const std::wstring_view name = chart::kStarCountNames[x];
  int count = 0;
  for (const std::wstring& entry : record.pillars[p].starNames) {
    if (!name.empty() && entry == name) {
      ++count;
    }
  }
  return count;
}

bool ChartNotation::isTrue(const PatternSlots& pattern) const {
  return pattern.trueSlot != kNoTrueSlot && record.truePatternFlags[pattern.trueSlot] > 0;
}

bool ChartNotation::isCandidate(const PatternSlots& pattern) const {
  return record.candidatePatternFlags[pattern.candidateSlot] > 0;
}

}  // namespace interpretation::notation
