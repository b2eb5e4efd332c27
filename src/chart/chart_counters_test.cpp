#include "chart/chart_counters.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "chart/chart_test_support.h"
#include "chart/stem_branch_basics.h"

namespace chart {
namespace {

template <typename Array>
int Sum(const Array& values) {
  return std::accumulate(values.begin(), values.end(), 0);
}

// Counts a chart as the chart page does: ten gods of the stems and hidden stems, then stems,
// hidden stems and branches.
void CountChart(FourPillarsChart& chart) {
  const wchar_t* const stemKeys[] = {L"年干", L"月干", L"", L"時干"};
  const wchar_t* const branchKeys[] = {L"年支", L"月支", L"日支", L"時支"};
  const wchar_t* const hiddenKeys[] = {L"年", L"月", L"日", L"時"};
  const std::wstring dayStem = chart.pillars[kDayPillar].stem;
  for (int p = 0; p < 4; ++p) {
    GetHiddenStems(chart.pillars[p].branch, chart.pillars[p].hiddenStems);
    if (p != kDayPillar) {
      CountStemTenGod(TenGodOf(dayStem, chart.pillars[p].stem), chart, stemKeys[p]);
    }
  }
  for (int j = 0; j < 3; ++j) {
    for (int p = 0; p < 4; ++p) {
      CountBranchTenGod(TenGodOf(dayStem, chart.pillars[p].hiddenStems[j]), chart, branchKeys[p]);
    }
  }
  for (int p = 0; p < 4; ++p) {
    CountStem(chart.pillars[p].stem, chart);
  }
  for (int j = 0; j < 3; ++j) {
    for (int p = 0; p < 4; ++p) {
      CountHiddenStem(chart.pillars[p].hiddenStems[j], hiddenKeys[p], chart);
    }
  }
  for (int p = 0; p < 4; ++p) {
    CountBranch(chart.pillars[p].branch, chart);
  }
}

FourPillarsChart ChartOf(const std::wstring& pillars) {
  FourPillarsChart chart;
  for (int p = 0; p < 4; ++p) {
    chart.pillars[p].stem = pillars.substr(2 * p, 1);
    chart.pillars[p].branch = pillars.substr(2 * p + 1, 1);
  }
  return chart;
}

TEST(ChartCounters, FourYiChou) {
  FourPillarsChart chart = ChartOf(L"乙丑乙丑乙丑乙丑");
  CountChart(chart);
  EXPECT_EQ(chart.stemCounts[1], 4);
  EXPECT_EQ(chart.allStemCounts[1], 4);  // 丑 hides no 乙
  EXPECT_EQ(chart.allStemCounts[0], 0);
  for (int b = 0; b < 4; ++b) {
    SCOPED_TRACE(b);
    EXPECT_EQ(chart.hiddenStemCountsByBranch[b][5], 1);  // 己
    EXPECT_EQ(chart.hiddenStemCountsByBranch[b][7], 1);  // 辛
    EXPECT_EQ(chart.hiddenStemCountsByBranch[b][9], 1);  // 癸
  }
  EXPECT_EQ(chart.branchCounts[1], 4);
  // 乙 sees 乙 as 比肩 in the three counted stems, and 己 辛 癸 as 偏財 偏官 偏印.
  EXPECT_EQ(chart.stemTenGodCounts[kCountBiJian], 3);
  EXPECT_EQ(chart.hiddenTenGodCounts[kCountPianCai], 4);
  EXPECT_EQ(chart.hiddenTenGodCounts[kCountPianGuan], 4);
  EXPECT_EQ(chart.hiddenTenGodCounts[kCountPianYin], 4);
}

TEST(ChartCounters, MonthBranchChenHidesYi) {
  FourPillarsChart chart = ChartOf(L"甲子戊辰庚午丙子");
  CountChart(chart);
  EXPECT_EQ(chart.hiddenStemCountsByBranch[1][1], 1);
  EXPECT_EQ(chart.hiddenStemCountsByBranch[1][0], 0);
}

TEST(ChartCounters, CompleteChartSumsAndIdentities) {
  const wchar_t* const charts[] = {L"甲子丙寅戊辰庚午", L"癸亥癸亥癸亥癸亥", L"己未丙寅辛丑庚寅",
                                   L"壬申丁未乙巳戊子", L"庚戌戊子甲午乙亥"};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    FourPillarsChart chart = ChartOf(charts[i]);
    CountChart(chart);
    int hiddenSlots = 0;
    for (int p = 0; p < 4; ++p) {
      hiddenSlots += UsedEntryCount(chart.pillars[p].hiddenStems);
    }
    EXPECT_EQ(Sum(chart.stemCounts), 4);
    EXPECT_EQ(Sum(chart.branchCounts), 4);
    EXPECT_EQ(Sum(chart.stemTenGodCounts), 3);
    EXPECT_EQ(Sum(chart.hiddenStemCounts), hiddenSlots);
    EXPECT_EQ(Sum(chart.hiddenTenGodCounts), hiddenSlots);
    for (int k = 0; k < 10; ++k) {
      EXPECT_EQ(chart.allStemCounts[k], chart.stemCounts[k] + chart.hiddenStemCounts[k]);
      EXPECT_EQ(chart.tenGodCounts[k], chart.stemTenGodCounts[k] + chart.hiddenTenGodCounts[k]);
    }
  }
}

TEST(ChartCounters, PositionsAndUnknownNames) {
  FourPillarsChart chart;
  CountStemTenGod(L"比肩", chart, L"日干");
  EXPECT_EQ(chart.tenGodCounts[0], 1);
  EXPECT_EQ(chart.stemTenGodCounts[0], 1);
  for (const auto& row : chart.stemTenGodCountsByPillar) {
    EXPECT_EQ(Sum(row), 0);
  }
  CountStemTenGod(L"正印", chart, L"時干");
  EXPECT_EQ(chart.stemTenGodCountsByPillar[2][kCountZhengYin], 1);
  CountBranchTenGod(L"偏財", chart, L"日支");
  EXPECT_EQ(chart.hiddenTenGodCountsByBranch[2][kCountPianCai], 1);
  CountHiddenStem(L"丁", L"時", chart);
  EXPECT_EQ(chart.hiddenStemCountsByBranch[3][3], 1);

  FourPillarsChart untouched;
  CountBranch(L"甲", untouched);
  CountStem(L"子", untouched);
  CountStem(L"", untouched);
  CountHiddenStem(L"", L"年", untouched);
  CountStemTenGod(L"七殺", untouched, L"年干");
  CountBranchTenGod(L"", untouched, L"年支");
  EXPECT_EQ(Sum(untouched.branchCounts), 0);
  EXPECT_EQ(Sum(untouched.stemCounts), 0);
  EXPECT_EQ(Sum(untouched.allStemCounts), 0);
  EXPECT_EQ(Sum(untouched.hiddenStemCounts), 0);
  EXPECT_EQ(Sum(untouched.tenGodCounts), 0);
}

}  // namespace
}  // namespace chart
