#include "chart/chart_derivation.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "chart/branch_pillar_stars.h"
#include "chart/chart_counters.h"
#include "chart/chart_weights.h"
#include "chart/combinations.h"
#include "chart/day_stem_month_stars.h"
#include "chart/life_palace.h"
#include "chart/luck_cycles.h"
#include "chart/relations.h"
#include "chart/stem_branch_basics.h"
#include "chart/twelve_stages.h"

namespace chart {

namespace {

// The four pillars that the counters, relations and yin-yang count look at.
constexpr auto kCountedPillars =
    std::to_array<int>({kYearPillar, kMonthPillar, kDayPillar, kHourPillar});
static_assert(kCountedPillars.size() == 4);  // every pillar but the life palace

// Keys of the pillar counters, by pillar year, month, day, hour.
constexpr auto kHiddenStemKeys = std::to_array<const wchar_t*>({L"年", L"月", L"日", L"時"});
static_assert(kHiddenStemKeys.size() == 4);  // year, month, day, hour
constexpr auto kBranchTenGodKeys =
    std::to_array<const wchar_t*>({L"年支", L"月支", L"日支", L"時支"});
static_assert(kBranchTenGodKeys.size() == 4);  // year, month, day, hour

constexpr int PairSlot(std::wstring_view name) {
  for (int slot = 0; slot < kPillarPairCount; ++slot) {
    if (name == kPillarPairs[slot].name) {
      return slot;
    }
  }
  return -1;
}

// The order in which the relations of the ordered pillar pairs are evaluated: what the relations
// count accumulates over all 24 calls, branches first, in this order.
constexpr auto kRelationCallOrder = std::to_array<int>(
    {PairSlot(L"時日"), PairSlot(L"月日"), PairSlot(L"年月"), PairSlot(L"年日"), PairSlot(L"時月"),
     PairSlot(L"時年"), PairSlot(L"日時"), PairSlot(L"日月"), PairSlot(L"月年"), PairSlot(L"日年"),
     PairSlot(L"月時"), PairSlot(L"年時")});
static_assert(kRelationCallOrder.size() == kPillarPairCount);
static_assert(std::ranges::find(kRelationCallOrder, -1) == kRelationCallOrder.end());

void DeriveTenGods(FourPillarsChart& chart) {
  std::array<ChartPillar, kPillarCount>& p = chart.pillars;
  const std::wstring dayStem = p[kDayPillar].stem;
  // The day pillar bears no stem ten god; the life palace's is shown but not counted.
  constexpr auto stemKeys = std::to_array<std::pair<int, const wchar_t*>>(
      {{kYearPillar, L"年干"}, {kMonthPillar, L"月干"}, {kHourPillar, L"時干"}});
  static_assert(stemKeys.size() == 3);  // the year, month and hour stems
  for (const auto& [pillar, key] : stemKeys) {
    p[pillar].stemTenGod = TenGodOf(dayStem, p[pillar].stem);
    CountStemTenGod(p[pillar].stemTenGod, chart, key);
  }
  p[kLifePalacePillar].stemTenGod = TenGodOf(dayStem, p[kLifePalacePillar].stem);

  for (int slot = 0; slot < kHiddenStemSlots; ++slot) {
    for (int pillar = 0; pillar < kPillarCount; ++pillar) {
      std::wstring& tenGod = p[pillar].hiddenTenGods[slot];
      tenGod = TenGodOf(dayStem, p[pillar].hiddenStems[slot]);
      if (pillar != kLifePalacePillar) {
        CountBranchTenGod(tenGod, chart, kBranchTenGodKeys[pillar]);
      }
    }
  }
}

void CountPillars(FourPillarsChart& chart) {
  const std::array<ChartPillar, kPillarCount>& p = chart.pillars;
  for (int pillar : kCountedPillars) {
    CountStem(p[pillar].stem, chart);
  }
  for (int slot = 0; slot < kHiddenStemSlots; ++slot) {
    for (int pillar : kCountedPillars) {
      CountHiddenStem(p[pillar].hiddenStems[slot], kHiddenStemKeys[pillar], chart);
    }
  }
  for (int pillar : kCountedPillars) {
    CountBranch(p[pillar].branch, chart);
  }
}

void DeriveRelations(FourPillarsChart& chart) {
  const std::array<ChartPillar, kPillarCount>& p = chart.pillars;
  for (int slot : kRelationCallOrder) {
    const PillarPair& pair = kPillarPairs[slot];
    chart.branchRelations[slot] =
        BranchRelation(p[pair.first].branch, p[pair.second].branch, chart);
  }
  for (int slot : kRelationCallOrder) {
    const PillarPair& pair = kPillarPairs[slot];
    chart.stemRelations[slot] = StemRelation(p[pair.first].stem, p[pair.second].stem, chart);
  }
}

}  // namespace

void DeriveFourPillarsChart(FourPillarsChart& chart, const std::wstring& nameText,
                            SpiritStarBasis basis, const SeasonalStrengthValues& values) {
  std::array<ChartPillar, kPillarCount>& p = chart.pillars;
  chart.personName = nameText;
  ComputeLifePalacePillar(chart);
  CountYinYang(chart);
  for (ChartPillar& pillar : p) {
    GetHiddenStems(pillar.branch, pillar.hiddenStems);
  }
  DeriveTenGods(chart);
  ComputeLuckCycles(chart);
  GetLuckCycleHiddenStems(chart.luckBranches, chart.luckHiddenStems, chart.luckHiddenTenGods,
                          p[kDayPillar].stem);
  for (ChartPillar& pillar : p) {
    pillar.stage = TwelveStageOf(p[kDayPillar].stem, pillar.branch);
  }
  // nayinElements[1..5] hold the five pillars' elements; each is counted, the life palace's too.
  for (int pillar = 0; pillar < kPillarCount; ++pillar) {
    chart.nayinElements[pillar + 1] = NayinElement(p[pillar].stem, p[pillar].branch, chart);
  }
  CountMonthLuAndBlade(p[kMonthPillar].branch, p[kDayPillar].stem, chart);
  CountHourLu(p[kDayPillar].stem, p[kHourPillar].branch, chart);
  AddChartSpiritStars(chart, basis);
  CountPillars(chart);
  ComputeStemWeights(chart, values);
  ComputeTenGodWeights(chart);
  RankTenGodWeights(chart);
  RankStemWeights(chart);
  DetectThreeHarmonyFrame(chart);
  DetectDirectionalCombination(chart);
  DeriveRelations(chart);
}

void DeriveFourPillarsChart(ChartHandOver& handOver) {
  if (handOver.chart != nullptr) {
    DeriveFourPillarsChart(*handOver.chart, handOver.nameText, handOver.spiritStarBasis,
                           handOver.values);
  }
}

}  // namespace chart
