#include "chart/luck_cycles.h"

#include <gtest/gtest.h>

#include <vector>

#include "chart/chart_test_support.h"

namespace chart {
namespace {

FourPillarsChart ChartWithMonth(const wchar_t* sex, const wchar_t* yinYang, double luckStartDays) {
  FourPillarsChart chart;
  chart.sexText = sex;
  chart.yinYangText = yinYang;
  chart.luckStartDays = luckStartDays;
  chart.pillars[kMonthPillar].stem = L"丙";
  chart.pillars[kMonthPillar].branch = L"寅";
  chart.pillars[kDayPillar].stem = L"甲";
  return chart;
}

TEST(LuckCycles, AgesStartOneBelowTheCeilingOfAThird) {
  struct Case {
    double days;
    int startAge;
    const wchar_t* ages;
  };
  const std::vector<Case> cases = {
      {10.0, 4, L"3 13 23 33 43 53 63 73 83 93"},
      {9.0, 3, L"2 12 22 32 42 52 62 72 82 92"},
      {0.5, 1, L"0 10 20 30 40 50 60 70 80 90"},
      {0.0, 0, L"0 10 20 30 40 50 60 70 80 90"},  // exactly 0.0: the first age is 0, not -1
      {25.25, 9, L"8 18 28 38 48 58 68 78 88 98"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.days);
    EXPECT_EQ(LuckStartAge(c.days), c.startAge);
    FourPillarsChart chart = ChartWithMonth(L"男", L"陽", c.days);
    ComputeLuckCycles(chart);
    EXPECT_EQ(JoinedUsedEntries(chart.luckAges), c.ages);
  }
}

TEST(LuckCycles, DirectionBySexAndYearYinYang) {
  struct Case {
    const wchar_t* sex;
    const wchar_t* yinYang;
    bool forward;
  };
  const std::vector<Case> cases = {
      {L"男", L"陽", true},  {L"女", L"陰", true}, {L"男", L"陰", false},
      {L"女", L"陽", false}, {L"", L"陽", false},  {L"男女", L"陰", false},  // neither: backward
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.sex) + L"/" + c.yinYang);
    EXPECT_EQ(LuckRunsForward(c.sex, c.yinYang), c.forward);
    FourPillarsChart chart = ChartWithMonth(c.sex, c.yinYang, 10.0);
    ComputeLuckCycles(chart);
    if (c.forward) {
      EXPECT_EQ(JoinedUsedEntries(chart.luckStems), L"丁 戊 己 庚 辛 壬 癸 甲 乙 丙");
      EXPECT_EQ(JoinedUsedEntries(chart.luckBranches), L"卯 辰 巳 午 未 申 酉 戌 亥 子");
      EXPECT_EQ(JoinedUsedEntries(chart.luckStemTenGods),
                L"傷官 偏財 正財 偏官 正官 偏印 正印 比肩 劫財 食神");
    } else {
      EXPECT_EQ(JoinedUsedEntries(chart.luckStems), L"乙 甲 癸 壬 辛 庚 己 戊 丁 丙");
      EXPECT_EQ(JoinedUsedEntries(chart.luckBranches), L"丑 子 亥 戌 酉 申 未 午 巳 辰");
      EXPECT_EQ(JoinedUsedEntries(chart.luckStemTenGods),
                L"劫財 比肩 正印 偏印 正官 偏官 正財 偏財 傷官 食神");
    }
  }
}

TEST(LuckCycles, MonthPillarThatIsNoNameLeavesTheListsEmpty) {
  FourPillarsChart chart = ChartWithMonth(L"男", L"陽", 10.0);
  chart.pillars[kMonthPillar].stem = L"";
  chart.pillars[kMonthPillar].branch = L"X";
  ComputeLuckCycles(chart);
  EXPECT_EQ(JoinedUsedEntries(chart.luckStems), L"");
  EXPECT_EQ(JoinedUsedEntries(chart.luckBranches), L"");
  EXPECT_EQ(JoinedUsedEntries(chart.luckAges), L"3 13 23 33 43 53 63 73 83 93");
}

}  // namespace
}  // namespace chart
