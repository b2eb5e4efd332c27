#include "chart/four_pillars_chart.h"

#include <gtest/gtest.h>

#include <string>

#include "chart/chart_test_support.h"

namespace chart {
namespace {

TEST(FourPillarsChart, DeleteReleasesTheChartAndClearsThePointer) {
  std::unique_ptr<FourPillarsChart> chart = NewFourPillarsChart();
  ASSERT_NE(chart, nullptr);
  DeleteFourPillarsChart(chart);
  EXPECT_EQ(chart, nullptr);
}

TEST(FourPillarsChart, PillarPairsAreTheTwelveOrderedPairs) {
  const wchar_t* const pillarCharacters[] = {L"年", L"月", L"日", L"時"};
  const wchar_t* const expected[] = {L"日時", L"日月", L"月年", L"日年", L"時日", L"月日",
                                     L"年月", L"年日", L"月時", L"時月", L"年時", L"時年"};
  for (int slot = 0; slot < kPillarPairCount; ++slot) {
    SCOPED_TRACE(slot);
    const PillarPair& pair = kPillarPairs[slot];
    EXPECT_EQ(std::wstring(pair.name), expected[slot]);
    EXPECT_EQ(std::wstring(pillarCharacters[pair.first]) + pillarCharacters[pair.second],
              pair.name);
    EXPECT_NE(pair.first, pair.second);
    for (int other = 0; other < slot; ++other) {
      EXPECT_FALSE(kPillarPairs[other].first == pair.first &&
                   kPillarPairs[other].second == pair.second);
    }
  }
}

TEST(FourPillarsChart, TenGodOrdersOfCountersAndWeightsDiffer) {
  struct Case {
    const wchar_t* tenGod;
    int countSlot;
    int weightSlot;
  };
  const Case cases[] = {
      {L"比肩", kCountBiJian, kWeightBiJian},     {L"劫財", kCountJieCai, kWeightJieCai},
      {L"食神", kCountShiShen, kWeightShiShen},   {L"傷官", kCountShangGuan, kWeightShangGuan},
      {L"偏財", kCountPianCai, kWeightPianCai},   {L"正財", kCountZhengCai, kWeightZhengCai},
      {L"偏官", kCountPianGuan, kWeightPianGuan}, {L"正官", kCountZhengGuan, kWeightZhengGuan},
      {L"偏印", kCountPianYin, kWeightPianYin},   {L"正印", kCountZhengYin, kWeightZhengYin},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.countSlot);
    EXPECT_EQ(TenGodCountSlotOf(c.tenGod), c.countSlot);
    EXPECT_EQ(TenGodWeightSlotOf(c.tenGod), c.weightSlot);
  }
  EXPECT_EQ(TenGodCountSlotOf(L"偏財"), 4);
  EXPECT_EQ(TenGodWeightSlotOf(L"偏財"), 8);
  EXPECT_EQ(TenGodWeightSlotOf(L"偏印"), 4);
  EXPECT_EQ(TenGodCountSlotOf(L""), -1);
  EXPECT_EQ(TenGodWeightSlotOf(L"比"), -1);
}

TEST(FourPillarsChart, StarSlotsFollowTheIndexTable) {
  struct Case {
    const wchar_t* star;
    int slot;
  };
  const Case cases[] = {
      {L"魁罡", 0},  {L"進神", 2},  {L"天赦", 5},  {L"將星", 9},  {L"桃煞", 16}, {L"返呤", 25},
      {L"祿元", 28}, {L"羊刃", 30}, {L"福星", 37}, {L"天德", 40}, {L"陰貴", 44}, {L"空亡", 49},
      {L"隔角", 50}, {L"九醜", 52}, {L"差錯", 55}, {L"惡敗", 65}, {L"", -1},     {L"桃花", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.slot);
    EXPECT_EQ(StarSlotOf(c.star), c.slot);
  }
  for (int slot : {8, 36, 38, 62}) {
    EXPECT_EQ(std::wstring(kStarCountNames[slot]), L"");
  }
  // Every named slot is found again by its name: the names are distinct.
  for (int slot = 0; slot < kStarSlotCount; ++slot) {
    if (kStarCountNames[slot][0] != L'\0') {
      EXPECT_EQ(StarSlotOf(kStarCountNames[slot]), slot);
    }
  }
}

// An hour pillar can collect 14 stars for its 12 slots; the list grows and keeps them all in
// the order appended, and the used part still ends at the first empty slot.
TEST(FourPillarsChart, StarListGrowsPastTwelveAndKeepsOrder) {
  ChartPillar pillar;
  for (int i = 0; i < 14; ++i) {
    AppendStarName(pillar.starNames, kStarCountNames[i == 8 ? 9 : i]);
  }
  ASSERT_EQ(pillar.starNames.size(), 14u);
  EXPECT_EQ(UsedEntryCount(pillar.starNames), 14);
  EXPECT_EQ(pillar.starNames[0], L"魁罡");
  EXPECT_EQ(pillar.starNames[12], L"喪門");
  EXPECT_EQ(pillar.starNames[13], L"華蓋");

  ChartPillar few;
  AppendStarName(few.starNames, L"空亡");
  AppendStarName(few.starNames, L"");
  AppendStarName(few.starNames, L"隔角");
  EXPECT_EQ(few.starNames.size(), 12u);
  EXPECT_EQ(UsedEntryCount(few.starNames), 2);
  EXPECT_EQ(few.starNames[1], L"隔角");
}

TEST(FourPillarsChart, ReleaseEmptiesEveryTextAndList) {
  std::unique_ptr<FourPillarsChart> chart = NewFourPillarsChart();
  chart->personName = std::wstring(200, L'名');
  chart->interpretationHtml = std::wstring(5000, L'x');
  AppendStarName(chart->pillars[kHourPillar].starNames, L"空亡");
  chart->luckHiddenStems[9][2] = L"甲";
  DestroyFourPillarsChart(*chart);
  EXPECT_TRUE(chart->personName.empty());
  EXPECT_TRUE(chart->interpretationHtml.empty());
  EXPECT_TRUE(chart->pillars[kHourPillar].starNames.empty());
  EXPECT_TRUE(chart->luckHiddenStems.empty());
  DeleteFourPillarsChart(chart);
  EXPECT_EQ(chart, nullptr);
  DeleteFourPillarsChart(chart);  // a released chart is not released twice
}

}  // namespace
}  // namespace chart
