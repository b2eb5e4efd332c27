#pragma once

#include <array>
#include <string>

#include "chart/chart_settings.h"
#include "chart/four_pillars_chart.h"

namespace chart {

// The balance of a derived chart: four element weights from the stem weights, and the five
// groups of ten gods with the adjustments that the stem combinations (合化) bring. Every sum is
// taken in 64 bits and saturates at the int limits (SaturatedInt), since the weights grow with
// unbounded user values.

// The five groups of ten gods, in the order the page prints them.
enum BalanceGroupIndex : int {
  kSelfGroup = 0,    // 本我: 比肩 劫財, the day stem's own element
  kInputGroup = 1,   // 輸入: 偏印 正印, the element producing it
  kOutputGroup = 2,  // 輸出: 食神 傷官, the element it produces
  kPowerGroup = 3,   // 權貴: 偏官 正官, the element controlling it
  kWealthGroup = 4,  // 財富: 偏財 正財, the element it controls
};
inline constexpr int kBalanceGroupCount = 5;

struct BalanceGroupMembers {
  const wchar_t* name;
  std::array<const wchar_t*, 2> tenGods;
};
inline constexpr auto kBalanceGroups = std::to_array<BalanceGroupMembers>({
    {L"本我", {L"比肩", L"劫財"}},
    {L"輸入", {L"偏印", L"正印"}},
    {L"輸出", {L"食神", L"傷官"}},
    {L"權貴", {L"偏官", L"正官"}},
    {L"財富", {L"偏財", L"正財"}},
});
static_assert(kBalanceGroups.size() == kBalanceGroupCount);

// One group of the balance: the sum of its two ten-god weights and its adjustment.
struct BalanceGroup {
  int sum = 0;
  int adjustment = 0;
};

// The five groups, and the unadjusted drain 輸出 + 權貴 + 財富.
struct ChartBalance {
  std::array<BalanceGroup, kBalanceGroupCount> groups;
  int unadjustedDrain = 0;
};

// A pair of ten gods that two combining stems (甲己 乙庚 丙辛 丁壬 戊癸) bear to a day stem, and
// how often the group that gains it counts its term (2 when one of the two belongs to it).
struct CombiningPair {
  const wchar_t* first;
  const wchar_t* second;
  int gainFactor;
};

// The pair that `group` gains for a day stem, seen from the day stem's element: the pair whose
// combined element is the group's. False for a day stem that is not one of 甲 .. 癸.
bool FindCombiningPair(const std::wstring& dayStem, int group, CombiningPair& pair);

// The weight of a ten god (its tenGodWeights entry) and its count (its tenGodCounts entry);
// 0 for a text that is not a ten god.
int TenGodWeight(const FourPillarsChart& chart, const std::wstring& tenGod);
int TenGodCount(const FourPillarsChart& chart, const std::wstring& tenGod);

// The smaller weight of two ten gods, whatever their counts: the term the page prints beside a
// group's sum.
int PairTerm(const FourPillarsChart& chart, const std::wstring& x, const std::wstring& y);

// The smaller weight of two ten gods when both are counted in the chart, else 0.
int CombinationTerm(const FourPillarsChart& chart, const std::wstring& x, const std::wstring& y);

// The five group sums and their adjustments (gain − two losses), and the unadjusted drain. A
// day stem that is not a stem leaves every adjustment 0.
ChartBalance ComputeChartBalance(const FourPillarsChart& chart);

// supportWeight = 本我 + 輸入 and drainWeight = 輸出 + 權貴 + 財富, each group with its
// adjustment.
void SetBalanceWeights(const ChartBalance& balance, FourPillarsChart& chart);

// An element weight as the page prints it: the stem weights of the element's stems, the added
// terms (the smaller weights of combining stems, and the 旺 value for a three-harmony frame
// and the 相 value for a directional combination of the element), and their sum.
struct ElementWeightParts {
  int stemPart = 0;
  int addedPart = 0;
  int total = 0;
};

// The four element weights of the balance; they do not depend on the day stem.
struct ElementWeights {
  ElementWeightParts fire;        // 丙 丁 + min(戊, 癸), 火 frame and direction
  ElementWeightParts water;       // 壬 癸 + min(丙, 辛), 水 frame and direction
  ElementWeightParts woodFire;    // 甲 乙 丙 丁 + min(丁, 壬) + min(戊, 癸), 木 火
  ElementWeightParts metalWater;  // 庚 辛 壬 癸 + min(乙, 庚) + min(丙, 辛), 金 水
};
ElementWeights ComputeElementWeights(const FourPillarsChart& chart,
                                     const SeasonalStrengthValues& values);

// Writes fireWeight, waterWeight, woodFireWeight and metalWaterWeight.
void SetElementWeights(const ElementWeights& weights, FourPillarsChart& chart);

}  // namespace chart
