#include "interpretation/chart_notation.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "interpretation/pattern_chart.h"
#include "testing/utf8.h"

namespace interpretation::notation {
namespace {

constexpr chart::SeasonalStrengthValues kValues = {8, 5, 3, 2, 1};

TEST(ChartNotation, TenGodCountsBySumAndPillar) {
  auto chart = chart::NewFourPillarsChart();
  chart->tenGodCounts[chart::kCountZhengCai] = 2;
  chart->tenGodCounts[chart::kCountPianCai] = 3;
  chart->stemTenGodCountsByPillar[2][chart::kCountShangGuan] = 1;   // the hour stem
  chart->hiddenTenGodCountsByBranch[2][chart::kCountZhengYin] = 1;  // the day branch
  chart->hiddenTenGodCountsByBranch[3][chart::kCountShiShen] = 4;   // the hour branch
  const ChartNotation c(*chart, kValues);
  EXPECT_EQ(c.TG(財), 5);
  EXPECT_EQ(c.TG(正財), 2);
  EXPECT_EQ(c.stemTG(時, 傷官), 1);
  EXPECT_EQ(c.stemTG(時, 食傷), 1);
  EXPECT_EQ(c.stemTG(日, 傷官), 0);  // the day stem has no ten god
  EXPECT_EQ(c.branchTG(時, 食傷), 4);
  EXPECT_TRUE(c.holds(時, 食傷));
  EXPECT_TRUE(c.holds(日, 印));
  EXPECT_FALSE(c.holds(年, 印));
}

TEST(ChartNotation, TenGodWeightsAreReadInTheirOwnOrder) {
  auto chart = chart::NewFourPillarsChart();
  chart->tenGodWeights[chart::kWeightPianYin] = 7;
  chart->tenGodWeights[chart::kWeightZhengYin] = 2;
  chart->tenGodWeights[chart::kWeightPianCai] = 5;
  const ChartNotation c(*chart, kValues);
  EXPECT_EQ(c.tenGodWeight(偏印), 7);
  EXPECT_EQ(c.tenGodWeight(印), 9);
  EXPECT_EQ(c.tenGodWeight(偏財), 5);
  EXPECT_EQ(c.tenGodWeight(偏官), 0);

  chart->tenGodWeights[chart::kWeightZhengYin] = INT_MAX;  // a sum past the int range
  EXPECT_EQ(ChartNotation(*chart, kValues).tenGodWeight(印), 7LL + INT_MAX);
}

TEST(ChartNotation, PillarsRelationsAndElements) {
  auto chart = chart::NewFourPillarsChart();
  chart->pillars[chart::kDayPillar].stem = L"壬";
  chart->pillars[chart::kDayPillar].branch = L"辰";
  chart->pillars[chart::kMonthPillar].stem = L"X";
  chart->pillars[chart::kMonthPillar].stage = L"墓";
  chart->branchRelations[年月] = L"合水破";
  chart->branchRelations[日月] = L"刑衝";
  chart->threeHarmonyFlags[2] = 1;  // order 水 木 火 金 土: the fire frame
  chart->directionFlags[3] = 1;     // order 水 木 火 金: the metal direction
  chart->elementCombinationCounts[chart::kAllCombinationsBase + 4] = 2;  // 土 (金 木 水 火 土)
  chart->nayinElementCounts[3] = 5;  // 金 (木 火 土 金 水)
  const ChartNotation c(*chart, kValues);
  EXPECT_EQ(c.stem(日), 壬);
  EXPECT_EQ(c.branch(日), 辰);
  EXPECT_EQ(c.stem(月), -1);
  EXPECT_TRUE(c.pillarIs(日, {L"甲子", L"壬辰"}));
  EXPECT_TRUE(c.stage(月).is({L"死", L"墓"}));
  EXPECT_TRUE(c.BR(年月).joins());
  EXPECT_FALSE(c.BR(日月).joins());
  EXPECT_FALSE(c.BR(日時).joins());  // the empty text never joins
  EXPECT_FALSE(c.BR(日月) == L"衝");
  EXPECT_EQ(c.frame(火), 1);
  EXPECT_EQ(c.frame(水), 0);
  EXPECT_EQ(c.direction(金), 1);
  EXPECT_EQ(c.direction(土), 0);  // no earth direction
  EXPECT_EQ(c.combinations(土), 2);
  EXPECT_EQ(c.nayinCount(金), 5);
}

TEST(ChartNotation, StarListsAreReadWholeHoweverLong) {
  auto chart = chart::NewFourPillarsChart();
  auto& hour = chart->pillars[chart::kHourPillar].starNames;
  for (int i = 0; i < 12; ++i) {
    chart::AppendStarName(hour, L"羊刃");
  }
  chart::AppendStarName(hour, L"空亡");  // the thirteenth name
  chart::AppendStarName(hour, L"羊刃");
  const ChartNotation c(*chart, kValues);
  EXPECT_EQ(c.listed(時, 羊刃), 13);
  EXPECT_EQ(c.listed(時, 空亡), 1);
  EXPECT_TRUE(c.lists(時, 空亡));
  EXPECT_FALSE(c.lists(日, 空亡));
}

TEST(ChartNotation, PatternVerdictsByName) {
  auto chart = chart::NewFourPillarsChart();
  chart->truePatternFlags[11] = 1;  // raised by 時上偏財格
  chart->candidatePatternFlags[43] = 1;
  const ChartNotation c(*chart, kValues);
  EXPECT_TRUE(c.isTrue(偏財格));
  EXPECT_TRUE(c.isTrue(時上偏財格));
  EXPECT_FALSE(c.isCandidate(時上偏財格));
  EXPECT_TRUE(c.isCandidate(五行俱足格));
  EXPECT_FALSE(c.isTrue(五行俱足格));  // no true slot
}

TEST(PatternChart, PrimaryAndSecondaryTenGodsPassOverTheSelfGods) {
  struct Case {
    const wchar_t* first;
    const wchar_t* second;
    const wchar_t* third;
    const wchar_t* primary;
    const wchar_t* secondary;
  };
  const Case cases[] = {
      {L"正官", L"正財", L"食神", L"正官", L"正財"},
      {L"正官", L"劫財", L"食神", L"正官", L"食神"},
      {L"比肩", L"正財", L"食神", L"正財", L"食神"},
      {L"比肩", L"劫財", L"食神", L"食神", L"食神"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(test_text::EncodeUtf8(std::wstring(k.first) + k.second + k.third));
    auto chart = chart::NewFourPillarsChart();
    chart->heaviest[1] = k.first;
    chart->heaviest[3] = k.second;
    chart->heaviest[5] = k.third;
    const PatternChart c(*chart, kValues);
    EXPECT_EQ(c.primaryTenGod, k.primary);
    EXPECT_EQ(c.secondaryTenGod, k.secondary);
  }
}

TEST(PatternChart, PartnersFollowTheDayMastersYinOrYang) {
  auto chart = chart::NewFourPillarsChart();
  chart->pillars[chart::kDayPillar].stem = L"甲";
  const PatternChart yang(*chart, kValues);
  EXPECT_TRUE(yang.dayStemIsYang);
  EXPECT_EQ(yang.partner(正官), 食神);
  EXPECT_EQ(yang.partner(偏官), 劫財);
  EXPECT_EQ(yang.partner(傷官), 偏印);
  EXPECT_EQ(yang.partner(偏財), 正印);
  EXPECT_EQ(yang.partner(正財), 比肩);
  chart->pillars[chart::kDayPillar].stem = L"乙";
  const PatternChart yin(*chart, kValues);
  EXPECT_FALSE(yin.dayStemIsYang);
  EXPECT_EQ(yin.partner(正官), 比肩);
  EXPECT_EQ(yin.partner(偏官), 傷官);
  EXPECT_EQ(yin.partner(傷官), 偏官);
  EXPECT_EQ(yin.partner(偏財), 劫財);
  EXPECT_EQ(yin.partner(正財), 偏印);
  // Every partnership runs both ways.
  for (int x = 比肩; x <= 正印; ++x) {
    EXPECT_EQ(yang.partner(yang.partner(static_cast<TenGod>(x))), x);
    EXPECT_EQ(yin.partner(yin.partner(static_cast<TenGod>(x))), x);
  }
}

TEST(PatternChart, MonthVoidCountScansTheWholeMonthList) {
  auto chart = chart::NewFourPillarsChart();
  auto& month = chart->pillars[chart::kMonthPillar].starNames;
  for (int i = 0; i < 12; ++i) {
    chart::AppendStarName(month, L"華蓋");
  }
  chart::AppendStarName(month, L"空亡");
  EXPECT_EQ(PatternChart(*chart, kValues).monthVoidCount, 1);
}

}  // namespace
}  // namespace interpretation::notation
