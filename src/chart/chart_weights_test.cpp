#include "chart/chart_weights.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "chart/chart_counters.h"
#include "chart/stem_branch_basics.h"

namespace chart {
namespace {

constexpr SeasonalStrengthValues kPageValues = {8, 5, 3, 2, 1};

// A chart of four typed pillars with its hidden stems and stem counters, as the chart page
// counts them before the weights.
FourPillarsChart CountedChart(const std::wstring& pillars, const std::wstring& prosperous) {
  FourPillarsChart chart;
  const wchar_t* const hiddenKeys[] = {L"年", L"月", L"日", L"時"};
  for (int p = 0; p < 4; ++p) {
    chart.pillars[p].stem = pillars.substr(2 * p, 1);
    chart.pillars[p].branch = pillars.substr(2 * p + 1, 1);
    GetHiddenStems(chart.pillars[p].branch, chart.pillars[p].hiddenStems);
    CountStem(chart.pillars[p].stem, chart);
    for (const std::wstring& hidden : chart.pillars[p].hiddenStems) {
      CountHiddenStem(hidden, hiddenKeys[p], chart);
    }
  }
  chart.seasonalElements[0] = prosperous;
  return chart;
}

TEST(ChartWeights, WorkedExamples) {
  // 甲 as the year stem, hidden in the month branch 寅 only, its year branch 子 not hiding it:
  // 8 (season) + 1 (h = 1) + 3 (month root) + 2 + 2 (s = 1, h = 1).
  FourPillarsChart first = CountedChart(L"甲子丙寅庚午辛巳", L"木");
  ComputeStemWeights(first, kPageValues);
  EXPECT_EQ(first.stemWeights[0], 16);

  // 丙 as the month stem (on 寅, which hides it) and the hour stem (on 子, which does not),
  // hidden three times (寅 寅 巳), once in the month branch; 火 prosperous:
  // 8 + (1 + 2 + 3) + 3 + (2 + 3) + (2 + 3) + 5 (own root in the month pillar).
  FourPillarsChart second = CountedChart(L"庚寅丙寅癸巳丙子", L"火");
  ComputeStemWeights(second, kPageValues);
  EXPECT_EQ(second.stemWeights[2], 32);
}

TEST(ChartWeights, SeasonTermOnlyForPresentStemsAndOnlyWithAnElement) {
  // 戊 occurs only hidden (寅 and 巳): it still gets the season term.
  FourPillarsChart chart = CountedChart(L"甲子丙寅庚午辛巳", L"木");
  ComputeStemWeights(chart, kPageValues);
  // 戊: season 死 1 (土 in spring), h = 2: 1 + 2, month root 3.
  EXPECT_EQ(chart.stemWeights[4], 1 + 1 + 2 + 3);
  // 壬 occurs nowhere: nothing at all.
  EXPECT_EQ(chart.stemWeights[8], 0);

  FourPillarsChart noSeason = CountedChart(L"甲子丙寅庚午辛巳", L"");
  ComputeStemWeights(noSeason, kPageValues);
  EXPECT_EQ(noSeason.stemWeights[0], 16 - 8);
  EXPECT_EQ(noSeason.stemWeights[4], 1 + 2 + 3);
}

TEST(ChartWeights, AllValuesZero) {
  FourPillarsChart chart = CountedChart(L"甲子丙寅庚午辛巳", L"木");
  ComputeStemWeights(chart, {0, 0, 0, 0, 0});
  ComputeTenGodWeights(chart);
  RankTenGodWeights(chart);
  RankStemWeights(chart);
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(chart.stemWeights[k], 0);
    EXPECT_EQ(chart.tenGodWeights[k], 0);
  }
  EXPECT_EQ(chart.heaviest[0], L"甲");
  EXPECT_EQ(chart.heaviest[2], L"乙");
  EXPECT_EQ(chart.heaviest[1], L"比肩");
  EXPECT_EQ(chart.heaviest[3], L"劫財");
  EXPECT_EQ(chart.heaviest[5], L"食神");
  EXPECT_EQ(chart.heaviest[4], L"");
}

TEST(ChartWeights, TenGodWeightsInWeightOrder) {
  FourPillarsChart chart;
  chart.pillars[kDayPillar].stem = L"甲";
  for (int k = 0; k < 10; ++k) {
    chart.stemWeights[k] = 100 + k;
  }
  ComputeTenGodWeights(chart);
  // 比肩 甲, 劫財 乙, 食神 丙, 傷官 丁, 偏印 壬, 正印 癸, 偏官 庚, 正官 辛, 偏財 戊, 正財 己.
  const int expected[] = {100, 101, 102, 103, 108, 109, 106, 107, 104, 105};
  for (int slot = 0; slot < 10; ++slot) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(chart.tenGodWeights[slot], expected[slot]);
  }
  FourPillarsChart noDayStem;
  noDayStem.stemWeights[0] = 7;
  ComputeTenGodWeights(noDayStem);
  EXPECT_EQ(noDayStem.tenGodWeights[0], 0);
}

TEST(ChartWeights, RankingTiesGoToTheEarlierName) {
  FourPillarsChart gods;
  gods.tenGodWeights[kWeightPianYin] = 7;
  gods.tenGodWeights[kWeightZhengYin] = 7;
  gods.tenGodWeights[kWeightPianGuan] = 2;
  gods.tenGodWeights[kWeightZhengGuan] = 2;
  gods.tenGodWeights[kWeightPianCai] = 2;
  RankTenGodWeights(gods);
  EXPECT_EQ(gods.heaviest[1], L"偏印");
  EXPECT_EQ(gods.heaviest[3], L"正印");
  EXPECT_EQ(gods.heaviest[5], L"偏財");  // tried before 偏官 and 正官

  FourPillarsChart stems;
  stems.stemWeights = {5, 5, 5, 1, 0, 2, 3, 4, 0, 9};
  RankStemWeights(stems);
  EXPECT_EQ(stems.heaviest[0], L"癸");
  EXPECT_EQ(stems.heaviest[2], L"甲");

  FourPillarsChart tied;
  tied.stemWeights = {1, 0, 0, 0, 0, 0, 6, 0, 6, 0};
  RankStemWeights(tied);
  EXPECT_EQ(tied.heaviest[0], L"庚");
  EXPECT_EQ(tied.heaviest[2], L"壬");
}

TEST(ChartWeights, CompareDescendingNeverOverflows) {
  int values[] = {INT_MIN, INT_MAX, 0, -1, INT_MAX, 7, INT_MIN};
  std::qsort(values, 7, sizeof(int), CompareDescending);
  const int expected[] = {INT_MAX, INT_MAX, 7, 0, -1, INT_MIN, INT_MIN};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(values[i], expected[i]);
  }
  const int big = INT_MAX;
  const int small = INT_MIN;
  EXPECT_LT(CompareDescending(&big, &small), 0);
  EXPECT_GT(CompareDescending(&small, &big), 0);
  EXPECT_EQ(CompareDescending(&big, &big), 0);
}

// Values typed as large numbers: one weight sums up to 18 of them; it saturates instead of
// overflowing (the sanitizer build would report a signed overflow).
TEST(ChartWeights, HugeValuesSaturate) {
  FourPillarsChart chart = CountedChart(L"丙寅丙寅丙寅丙寅", L"火");
  ComputeStemWeights(chart, {INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX});
  EXPECT_EQ(chart.stemWeights[2], INT_MAX);
  ComputeStemWeights(chart, {INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX});
  EXPECT_EQ(chart.stemWeights[2], INT_MAX);
  ComputeTenGodWeights(chart);
  RankTenGodWeights(chart);
  RankStemWeights(chart);
  // 甲 and 戊, hidden in every 寅, saturate as well: ties go to the earlier stem.
  EXPECT_EQ(chart.stemWeights[0], INT_MAX);
  EXPECT_EQ(chart.heaviest[0], L"甲");
  EXPECT_EQ(chart.heaviest[2], L"丙");
}

}  // namespace
}  // namespace chart
