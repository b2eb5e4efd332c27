#include "chart/chart_balance.h"

#include <algorithm>
#include <cstdint>

#include "chart/saturated_int.h"
#include "chart/stem_branch_basics.h"
#include "vocabulary/vocabulary_lists.h"

namespace chart {

namespace {

// The pair each group gains, by day stem: the ten gods of the two combining stems whose element
// is the group's, counted twice where one of them belongs to the group.
constexpr auto kCombiningPairs = std::to_array<std::array<CombiningPair, kBalanceGroupCount>>({
    // 本我                   輸入                    輸出                    權貴                    財富
    {{{L"傷官", L"偏印", 1}, {L"食神", L"正官", 1}, {L"正印", L"偏財", 1}, {L"偏官", L"劫財", 2}, {L"正財", L"比肩", 2}}},  // 甲
    {{{L"食神", L"正印", 1}, {L"傷官", L"偏官", 1}, {L"偏印", L"正財", 1}, {L"正官", L"比肩", 2}, {L"偏財", L"劫財", 2}}},  // 乙
    {{{L"食神", L"正官", 1}, {L"劫財", L"偏官", 1}, {L"傷官", L"偏印", 2}, {L"比肩", L"正財", 1}, {L"偏財", L"正印", 2}}},  // 丙
    {{{L"傷官", L"偏官", 1}, {L"比肩", L"正官", 1}, {L"食神", L"正印", 2}, {L"偏財", L"劫財", 1}, {L"偏印", L"正財", 2}}},  // 丁
    {{{L"劫財", L"偏官", 2}, {L"正財", L"比肩", 1}, {L"食神", L"正官", 2}, {L"正印", L"偏財", 1}, {L"傷官", L"偏印", 1}}},  // 戊
    {{{L"正官", L"比肩", 2}, {L"劫財", L"偏財", 1}, {L"傷官", L"偏官", 2}, {L"正財", L"偏印", 1}, {L"食神", L"正印", 1}}},  // 己
    {{{L"比肩", L"正財", 2}, {L"正印", L"偏財", 2}, {L"劫財", L"偏官", 1}, {L"傷官", L"偏印", 1}, {L"食神", L"正官", 1}}},  // 庚
    {{{L"劫財", L"偏財", 2}, {L"偏印", L"正財", 2}, {L"比肩", L"正官", 1}, {L"正印", L"食神", 1}, {L"傷官", L"偏官", 1}}},  // 辛
    {{{L"正印", L"偏財", 1}, {L"偏印", L"傷官", 2}, {L"正財", L"比肩", 1}, {L"正官", L"食神", 2}, {L"偏官", L"劫財", 1}}},  // 壬
    {{{L"正財", L"偏印", 1}, {L"食神", L"正印", 2}, {L"劫財", L"偏財", 1}, {L"偏官", L"傷官", 2}, {L"比肩", L"正官", 1}}},  // 癸
});
static_assert(kCombiningPairs.size() == vocabulary::kHeavenlyStems.size());

// The two pairs each group loses: each of its ten gods with the ten god of the stem that
// combines with it. They depend only on whether the day stem is yang or yin.
using LossPairs = std::array<std::array<std::array<const wchar_t*, 2>, 2>, kBalanceGroupCount>;
constexpr LossPairs kYangDayLosses = {{
    {{{L"比肩", L"正財"}, {L"劫財", L"偏官"}}},  // 本我
    {{{L"偏印", L"傷官"}, {L"正印", L"偏財"}}},  // 輸入
    {{{L"食神", L"正官"}, {L"傷官", L"偏印"}}},  // 輸出
    {{{L"偏官", L"劫財"}, {L"正官", L"食神"}}},  // 權貴
    {{{L"偏財", L"正印"}, {L"正財", L"比肩"}}},  // 財富
}};
constexpr LossPairs kYinDayLosses = {{
    {{{L"比肩", L"正官"}, {L"劫財", L"偏財"}}},  // 本我
    {{{L"偏印", L"正財"}, {L"正印", L"食神"}}},  // 輸入
    {{{L"食神", L"正印"}, {L"傷官", L"偏官"}}},  // 輸出
    {{{L"偏官", L"傷官"}, {L"正官", L"比肩"}}},  // 權貴
    {{{L"偏財", L"劫財"}, {L"正財", L"偏印"}}},  // 財富
}};

// Every group of every row names both ten gods: a pair left out would read as no pair.
constexpr bool EveryPairIsNamed() {
  for (const auto& row : kCombiningPairs) {
    for (const CombiningPair& pair : row) {
      if (pair.first == nullptr || pair.second == nullptr || pair.gainFactor < 1) {
        return false;
      }
    }
  }
  for (const LossPairs* losses : {&kYangDayLosses, &kYinDayLosses}) {
    for (const auto& group : *losses) {
      for (const auto& pair : group) {
        if (pair[0] == nullptr || pair[1] == nullptr) {
          return false;
        }
      }
    }
  }
  return true;
}
static_assert(EveryPairIsNamed());

// Slots of threeHarmonyFlags (水 木 火 金 土) and directionFlags (水 木 火 金).
enum ElementFlag : int { kWaterFlag = 0, kWoodFlag = 1, kFireFlag = 2, kMetalFlag = 3 };

// Stems by index, as the element formulas name them.
enum Stem : int { k甲 = 0, k乙, k丙, k丁, k戊, k己, k庚, k辛, k壬, k癸 };

ElementWeightParts MakeParts(std::int64_t stemPart, std::int64_t addedPart) {
  return {SaturatedInt(stemPart), SaturatedInt(addedPart), SaturatedInt(stemPart + addedPart)};
}

}  // namespace

bool FindCombiningPair(const std::wstring& dayStem, int group, CombiningPair& pair) {
  const int stem = vocabulary::LookupStemIndex(dayStem);
  if (stem < 0 || group < 0 || group >= kBalanceGroupCount) {
    return false;
  }
  pair = kCombiningPairs[stem][group];
  return true;
}

int TenGodWeight(const FourPillarsChart& chart, const std::wstring& tenGod) {
  const int slot = TenGodWeightSlotOf(tenGod);
  return slot < 0 ? 0 : chart.tenGodWeights[slot];
}

int TenGodCount(const FourPillarsChart& chart, const std::wstring& tenGod) {
  const int slot = TenGodCountSlotOf(tenGod);
  return slot < 0 ? 0 : chart.tenGodCounts[slot];
}

int PairTerm(const FourPillarsChart& chart, const std::wstring& x, const std::wstring& y) {
  return std::min(TenGodWeight(chart, x), TenGodWeight(chart, y));
}

int CombinationTerm(const FourPillarsChart& chart, const std::wstring& x, const std::wstring& y) {
  if (TenGodCount(chart, x) > 0 && TenGodCount(chart, y) > 0) {
    return PairTerm(chart, x, y);
  }
  return 0;
}

ChartBalance ComputeChartBalance(const FourPillarsChart& chart) {
  ChartBalance balance;
  const std::wstring& dayStem = chart.pillars[kDayPillar].stem;
  const int yang = IsYangStem(dayStem);
  std::int64_t drain = 0;
  for (int g = 0; g < kBalanceGroupCount; ++g) {
    BalanceGroup& group = balance.groups[g];
    const BalanceGroupMembers& members = kBalanceGroups[g];
    group.sum = SaturatedInt(std::int64_t{TenGodWeight(chart, members.tenGods[0])} +
                             TenGodWeight(chart, members.tenGods[1]));
    CombiningPair gain{};
    if (yang >= 0 && FindCombiningPair(dayStem, g, gain)) {
      const LossPairs& losses = yang == 1 ? kYangDayLosses : kYinDayLosses;
      std::int64_t adjustment =
          std::int64_t{gain.gainFactor} * CombinationTerm(chart, gain.first, gain.second);
      for (const auto& loss : losses[g]) {
        adjustment -= CombinationTerm(chart, loss[0], loss[1]);
      }
      group.adjustment = SaturatedInt(adjustment);
    }
    if (g >= kOutputGroup) {
      drain += group.sum;
    }
  }
  balance.unadjustedDrain = SaturatedInt(drain);
  return balance;
}

void SetBalanceWeights(const ChartBalance& balance, FourPillarsChart& chart) {
  std::int64_t support = 0;
  std::int64_t drain = 0;
  for (int g = 0; g < kBalanceGroupCount; ++g) {
    const std::int64_t adjusted =
        std::int64_t{balance.groups[g].sum} + balance.groups[g].adjustment;
    (g <= kInputGroup ? support : drain) += adjusted;
  }
  chart.supportWeight = SaturatedInt(support);
  chart.drainWeight = SaturatedInt(drain);
}

ElementWeights ComputeElementWeights(const FourPillarsChart& chart,
                                     const SeasonalStrengthValues& values) {
  const auto w = [&chart](int stem) { return std::int64_t{chart.stemWeights[stem]}; };
  const auto least = [&w](int a, int b) { return std::min(w(a), w(b)); };
  const auto& frame = chart.threeHarmonyFlags;
  const auto& direction = chart.directionFlags;
  const std::int64_t prosperous = values[0];  // 旺, for a three-harmony frame
  const std::int64_t thriving = values[1];    // 相, for a directional combination
  ElementWeights weights;
  weights.fire = MakeParts(w(k丙) + w(k丁), least(k戊, k癸) + frame[kFireFlag] * prosperous +
                                                  direction[kFireFlag] * thriving);
  weights.water = MakeParts(w(k壬) + w(k癸), least(k丙, k辛) + frame[kWaterFlag] * prosperous +
                                                   direction[kWaterFlag] * thriving);
  weights.woodFire = MakeParts(
      w(k甲) + w(k乙) + w(k丙) + w(k丁),
      least(k丁, k壬) + least(k戊, k癸) +
          (std::int64_t{frame[kWoodFlag]} + frame[kFireFlag]) * prosperous +
          (std::int64_t{direction[kWoodFlag]} + direction[kFireFlag]) * thriving);
  weights.metalWater = MakeParts(
      w(k庚) + w(k辛) + w(k壬) + w(k癸),
      least(k乙, k庚) + least(k丙, k辛) +
          (std::int64_t{frame[kMetalFlag]} + frame[kWaterFlag]) * prosperous +
          (std::int64_t{direction[kMetalFlag]} + direction[kWaterFlag]) * thriving);
  return weights;
}

void SetElementWeights(const ElementWeights& weights, FourPillarsChart& chart) {
  chart.fireWeight = weights.fire.total;
  chart.waterWeight = weights.water.total;
  chart.woodFireWeight = weights.woodFire.total;
  chart.metalWaterWeight = weights.metalWater.total;
}

}  // namespace chart
