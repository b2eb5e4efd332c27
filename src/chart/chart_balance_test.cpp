#include "chart/chart_balance.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>

#include "chart/stem_branch_basics.h"
#include "testing/utf8.h"

namespace chart {
namespace {

using test_text::EncodeUtf8;

const std::array<std::wstring, 10> kStems = {L"甲", L"乙", L"丙", L"丁", L"戊",
                                            L"己", L"庚", L"辛", L"壬", L"癸"};

void SetTenGod(FourPillarsChart& chart, const std::wstring& tenGod, int weight, int count) {
  chart.tenGodWeights[TenGodWeightSlotOf(tenGod)] = weight;
  chart.tenGodCounts[TenGodCountSlotOf(tenGod)] = count;
}

// The combining stem of a stem: 甲己, 乙庚, 丙辛, 丁壬, 戊癸.
int CombiningStem(int stem) { return (stem + 5) % 10; }

// The element a combining pair turns into, by the pair's first stem 甲 .. 戊: 土 金 水 木 火.
int CombinedElement(int stem) {
  static constexpr int kElements[] = {2, 3, 4, 0, 1};  // production order 木 火 土 金 水
  return kElements[stem % 5];
}

// The group that stands for an element, seen from the day stem's element.
int GroupOfElement(int dayElement, int element) {
  const int step = (element - dayElement + 5) % 5;  // along the production order
  static constexpr int kGroups[] = {kSelfGroup, kOutputGroup, kWealthGroup, kPowerGroup,
                                    kInputGroup};
  return kGroups[step];
}

bool InGroup(int group, const std::wstring& tenGod) {
  return tenGod == kBalanceGroups[group].tenGods[0] || tenGod == kBalanceGroups[group].tenGods[1];
}

// Each group gains the pair of ten gods that the two stems of its element's combination bear to
// the day stem, twice when one of the pair belongs to the group; derived here from TenGodOf and
// the element cycles, independently of the page's table.
TEST(ChartBalance, EachGroupGainsThePairOfItsCombinedElement) {
  for (int day = 0; day < 10; ++day) {
    std::set<int> gaining;
    for (int first = 0; first < 5; ++first) {
      const std::wstring x = TenGodOf(kStems[day], kStems[first]);
      const std::wstring y = TenGodOf(kStems[day], kStems[CombiningStem(first)]);
      const int group = GroupOfElement(day / 2, CombinedElement(first));
      SCOPED_TRACE(EncodeUtf8(kStems[day] + L" " + x + L"+" + y));
      gaining.insert(group);
      CombiningPair pair{};
      ASSERT_TRUE(FindCombiningPair(kStems[day], group, pair));
      EXPECT_EQ(std::set<std::wstring>({pair.first, pair.second}), std::set<std::wstring>({x, y}));
      EXPECT_EQ(pair.gainFactor, InGroup(group, x) || InGroup(group, y) ? 2 : 1);
    }
    EXPECT_EQ(gaining.size(), 5u);  // every group gains exactly one pair
  }
  CombiningPair pair{};
  EXPECT_FALSE(FindCombiningPair(L"", kSelfGroup, pair));
  EXPECT_FALSE(FindCombiningPair(L"子", kSelfGroup, pair));
  EXPECT_FALSE(FindCombiningPair(L"甲", 5, pair));
}

// The adjustment of a group from its rule: the gain, less for each of its two ten gods the term
// of that ten god with the ten god of the stem that combines with its stem.
int ExpectedAdjustment(const FourPillarsChart& chart, int day, int group) {
  long long adjustment = 0;
  for (int first = 0; first < 5; ++first) {
    const std::wstring x = TenGodOf(kStems[day], kStems[first]);
    const std::wstring y = TenGodOf(kStems[day], kStems[CombiningStem(first)]);
    if (GroupOfElement(day / 2, CombinedElement(first)) == group) {
      adjustment += (InGroup(group, x) || InGroup(group, y) ? 2 : 1) * CombinationTerm(chart, x, y);
    }
  }
  for (int stem = 0; stem < 10; ++stem) {
    const std::wstring x = TenGodOf(kStems[day], kStems[stem]);
    if (InGroup(group, x)) {
      adjustment -= CombinationTerm(chart, x, TenGodOf(kStems[day], kStems[CombiningStem(stem)]));
    }
  }
  return static_cast<int>(adjustment);
}

TEST(ChartBalance, AdjustmentsFollowTheCombinationsOfEveryDayStem) {
  std::mt19937 random(20240209);
  std::uniform_int_distribution<int> weight(0, 40);
  std::uniform_int_distribution<int> count(0, 2);
  for (int day = 0; day < 10; ++day) {
    for (int trial = 0; trial < 200; ++trial) {
      FourPillarsChart chart;
      chart.pillars[kDayPillar].stem = kStems[day];
      for (const wchar_t* tenGod : kTenGodCountOrder) {
        SetTenGod(chart, tenGod, weight(random), count(random));
      }
      const ChartBalance balance = ComputeChartBalance(chart);
      for (int g = 0; g < kBalanceGroupCount; ++g) {
        SCOPED_TRACE(EncodeUtf8(kStems[day] + L" " + kBalanceGroups[g].name) + " trial " +
                     std::to_string(trial));
        EXPECT_EQ(balance.groups[g].adjustment, ExpectedAdjustment(chart, day, g));
        EXPECT_EQ(balance.groups[g].sum, TenGodWeight(chart, kBalanceGroups[g].tenGods[0]) +
                                             TenGodWeight(chart, kBalanceGroups[g].tenGods[1]));
      }
      EXPECT_EQ(balance.unadjustedDrain, balance.groups[kOutputGroup].sum +
                                             balance.groups[kPowerGroup].sum +
                                             balance.groups[kWealthGroup].sum);
    }
  }
}

TEST(ChartBalance, WuDayWithRobWealthAndSevenKillingsCounted) {
  FourPillarsChart chart;
  chart.pillars[kDayPillar].stem = L"戊";
  SetTenGod(chart, L"劫財", 6, 1);
  SetTenGod(chart, L"偏官", 4, 1);
  SetTenGod(chart, L"正印", 9, 0);  // weighed but not counted: no term
  const ChartBalance balance = ComputeChartBalance(chart);
  EXPECT_EQ(balance.groups[kSelfGroup].adjustment, 4);  // 2 × 4 − 4
  EXPECT_EQ(balance.groups[kPowerGroup].adjustment, -4);
  EXPECT_EQ(balance.groups[kInputGroup].adjustment, 0);
  EXPECT_EQ(balance.groups[kOutputGroup].adjustment, 0);
  EXPECT_EQ(balance.groups[kWealthGroup].adjustment, 0);
  SetBalanceWeights(balance, chart);
  EXPECT_EQ(chart.supportWeight, 6 + 4 + 9);
  EXPECT_EQ(chart.drainWeight, 4 - 4);
}

TEST(ChartBalance, JiaDayAuthorityGainsItsPairTwice) {
  FourPillarsChart chart;
  chart.pillars[kDayPillar].stem = L"甲";
  SetTenGod(chart, L"偏官", 7, 1);
  SetTenGod(chart, L"劫財", 5, 2);
  SetTenGod(chart, L"正官", 3, 1);
  SetTenGod(chart, L"食神", 8, 1);
  const ChartBalance balance = ComputeChartBalance(chart);
  // 2 × term(偏官, 劫財) − term(偏官, 劫財) − term(正官, 食神)
  EXPECT_EQ(balance.groups[kPowerGroup].adjustment, 2 * 5 - 5 - 3);
  // term(食神, 正官) − term(偏印, 傷官) − term(正印, 偏財)
  EXPECT_EQ(balance.groups[kInputGroup].adjustment, 3);
}

TEST(ChartBalance, WithNothingCountedTheWeightsArePlainGroupSums) {
  FourPillarsChart chart;
  chart.pillars[kDayPillar].stem = L"辛";
  for (std::size_t i = 0; i < kTenGodWeightOrder.size(); ++i) {
    SetTenGod(chart, kTenGodWeightOrder[i], static_cast<int>(i) + 1, 0);
  }
  const ChartBalance balance = ComputeChartBalance(chart);
  for (const BalanceGroup& group : balance.groups) {
    EXPECT_EQ(group.adjustment, 0);
  }
  SetBalanceWeights(balance, chart);
  EXPECT_EQ(chart.supportWeight, (1 + 2) + (5 + 6));
  EXPECT_EQ(chart.drainWeight, (3 + 4) + (7 + 8) + (9 + 10));
}

TEST(ChartBalance, ADayStemThatIsNoStemHasNoAdjustments) {
  FourPillarsChart chart;
  for (const wchar_t* tenGod : kTenGodCountOrder) {
    SetTenGod(chart, tenGod, 3, 1);
  }
  for (const BalanceGroup& group : ComputeChartBalance(chart).groups) {
    EXPECT_EQ(group.sum, 6);
    EXPECT_EQ(group.adjustment, 0);
  }
}

// Values are unbounded user numbers: weights at the int limit saturate instead of overflowing.
TEST(ChartBalance, SumsSaturateAtTheIntLimits) {
  FourPillarsChart chart;
  chart.pillars[kDayPillar].stem = L"戊";
  for (const wchar_t* tenGod : kTenGodCountOrder) {
    SetTenGod(chart, tenGod, INT_MAX, 1);
  }
  const ChartBalance balance = ComputeChartBalance(chart);
  for (const BalanceGroup& group : balance.groups) {
    EXPECT_EQ(group.sum, INT_MAX);
  }
  EXPECT_EQ(balance.groups[kSelfGroup].adjustment, 0);  // 2 × max − max − max
  EXPECT_EQ(balance.unadjustedDrain, INT_MAX);
  SetBalanceWeights(balance, chart);
  EXPECT_EQ(chart.supportWeight, INT_MAX);
  EXPECT_EQ(chart.drainWeight, INT_MAX);

  // Two losses and no gain: the adjustment stops at the lowest int instead of wrapping.
  FourPillarsChart negative;
  negative.pillars[kDayPillar].stem = L"甲";
  for (const wchar_t* tenGod : kTenGodCountOrder) {
    SetTenGod(negative, tenGod, INT_MAX, 1);
  }
  SetTenGod(negative, L"傷官", INT_MAX, 0);  // 本我 of 甲 gains (傷官, 偏印): nothing now
  EXPECT_EQ(ComputeChartBalance(negative).groups[kSelfGroup].adjustment, INT_MIN);

  FourPillarsChart stems;
  stems.stemWeights.fill(INT_MAX);
  stems.threeHarmonyFlags.fill(1);
  stems.directionFlags.fill(1);
  const ElementWeights weights = ComputeElementWeights(stems, {INT_MAX, INT_MAX, 0, 0, 0});
  EXPECT_EQ(weights.fire.stemPart, INT_MAX);
  EXPECT_EQ(weights.fire.addedPart, INT_MAX);
  EXPECT_EQ(weights.woodFire.total, INT_MAX);
  EXPECT_EQ(weights.metalWater.total, INT_MAX);
}

TEST(ChartBalance, ElementWeightsFromStemsFramesAndDirections) {
  FourPillarsChart chart;
  //                  甲 乙 丙 丁 戊 己 庚 辛 壬 癸
  chart.stemWeights = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  const SeasonalStrengthValues values = {8, 5, 3, 2, 1};
  ElementWeights weights = ComputeElementWeights(chart, values);
  EXPECT_EQ(weights.fire.stemPart, 3 + 4);
  EXPECT_EQ(weights.fire.addedPart, 5);  // min(戊, 癸)
  EXPECT_EQ(weights.fire.total, 12);
  EXPECT_EQ(weights.water.stemPart, 9 + 10);
  EXPECT_EQ(weights.water.addedPart, 3);  // min(丙, 辛)
  EXPECT_EQ(weights.woodFire.stemPart, 1 + 2 + 3 + 4);
  EXPECT_EQ(weights.woodFire.addedPart, 4 + 5);  // min(丁, 壬) + min(戊, 癸)
  EXPECT_EQ(weights.metalWater.stemPart, 7 + 8 + 9 + 10);
  EXPECT_EQ(weights.metalWater.addedPart, 2 + 3);  // min(乙, 庚) + min(丙, 辛)

  chart.threeHarmonyFlags = {1, 0, 1, 0, 1};  // 水 and 火 frames (and 土, which counts nowhere)
  chart.directionFlags = {0, 1, 0, 1};        // 木 and 金 directions
  weights = ComputeElementWeights(chart, values);
  EXPECT_EQ(weights.fire.addedPart, 5 + 8);
  EXPECT_EQ(weights.water.addedPart, 3 + 8);
  EXPECT_EQ(weights.woodFire.addedPart, 4 + 5 + 8 + 5);
  EXPECT_EQ(weights.metalWater.addedPart, 2 + 3 + 8 + 5);
  SetElementWeights(weights, chart);
  EXPECT_EQ(chart.fireWeight, 7 + 13);
  EXPECT_EQ(chart.waterWeight, 19 + 11);
  EXPECT_EQ(chart.woodFireWeight, 10 + 22);
  EXPECT_EQ(chart.metalWaterWeight, 34 + 18);
}

TEST(ChartBalance, ACombinationTermNeedsBothTenGodsCounted) {
  FourPillarsChart chart;
  SetTenGod(chart, L"正官", 9, 1);
  SetTenGod(chart, L"食神", 4, 0);
  EXPECT_EQ(CombinationTerm(chart, L"正官", L"食神"), 0);
  EXPECT_EQ(PairTerm(chart, L"正官", L"食神"), 4);
  SetTenGod(chart, L"食神", 4, 3);
  EXPECT_EQ(CombinationTerm(chart, L"正官", L"食神"), 4);
  EXPECT_EQ(CombinationTerm(chart, L"正官", L"X"), 0);
}

}  // namespace
}  // namespace chart
