#include "chart/chart_derivation.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "chart/chart_test_support.h"
#include "chart/stem_branch_chart_entry.h"

namespace chart {
namespace {

// A typed chart of a man, handed over by the stem-branch entry with the pages' initial settings
// (basis 年日, option 土, values 8 5 3 2 1) unless changed.
ChartHandOver TypedHandOver(std::array<std::wstring, 4> pillars,
                            SpiritStarBasis basis = SpiritStarBasis::kYearAndDayBranch,
                            const wchar_t* sex = L"男") {
  StemBranchChartRequest request;
  request.pillarTexts = std::move(pillars);
  request.sex = sex;
  request.spiritStarBasis = basis;
  ChartEntryResult result = MakeStemBranchChart(request);
  EXPECT_TRUE(std::holds_alternative<ChartHandOver>(result));
  return std::move(std::get<ChartHandOver>(result));
}

std::wstring Joined(const std::array<std::wstring, 6>& texts, std::size_t first, std::size_t n) {
  std::wstring joined;
  for (std::size_t i = first; i < first + n; ++i) {
    joined += (i == first ? L"" : L" ") + texts[i];
  }
  return joined;
}

// 庚辰 戊寅 甲子 甲子, a man, basis 年日, option 土, values 8 5 3 2 1: every member the derivation
// writes, checked against a reading of the rules made by hand, independently of this code.
TEST(ChartDerivation, TypedChartThroughEveryRule) {
  ChartHandOver handOver = TypedHandOver({L"庚辰", L"戊寅", L"甲子", L"甲子"});
  handOver.nameText = L"某甲";
  DeriveFourPillarsChart(handOver);
  const FourPillarsChart& c = *handOver.chart;
  const auto& p = c.pillars;

  EXPECT_EQ(c.personName, L"某甲");
  EXPECT_EQ(p[kLifePalacePillar].stem + p[kLifePalacePillar].branch, L"己卯");
  EXPECT_EQ(c.yangCount, 8);
  EXPECT_EQ(c.yinCount, 0);

  struct PillarRow {
    const wchar_t* stemTenGod;
    const wchar_t* hiddenStems;
    const wchar_t* hiddenTenGods;
    const wchar_t* stage;
    const wchar_t* stars;
  };
  const std::array<PillarRow, kPillarCount> rows = {{
      // stem ten god, hidden stems, their ten gods, stage, spirit stars
      {L"偏官", L"戊 癸 乙", L"偏財 正印 劫財", L"衰", L"金輿 華蓋 魁罡 日德"},
      {L"偏財", L"戊 丙 甲", L"偏財 食神 比肩", L"臨官", L"祿元 福星 驛馬 弔客 驛馬 孤神 喪門"},
      {L"", L"癸", L"正印", L"沐浴", L"福星 將星 進神"},
      {L"比肩", L"癸", L"正印", L"沐浴", L"福星 將星 將星 伏吟 進神"},
      {L"正財", L"乙", L"劫財", L"帝旺", L"羊刃 正桃 勾絞 進神"},  // life palace, uncounted
  }};
  for (int i = 0; i < kPillarCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(p[i].stemTenGod, rows[i].stemTenGod);
    EXPECT_EQ(JoinedUsedEntries(p[i].hiddenStems), rows[i].hiddenStems);
    EXPECT_EQ(JoinedUsedEntries(p[i].hiddenTenGods), rows[i].hiddenTenGods);
    EXPECT_EQ(p[i].stage, rows[i].stage);
    EXPECT_EQ(JoinedUsedEntries(p[i].starNames), rows[i].stars);
  }

  // Nayin: 庚辰 金, 戊寅 土, 甲子 金, 甲子 金, life palace 己卯 土.
  EXPECT_EQ((std::vector<std::wstring>(c.nayinElements.begin() + 1, c.nayinElements.end())),
            (std::vector<std::wstring>{L"金", L"土", L"金", L"金", L"土"}));
  EXPECT_EQ(c.nayinElementCounts, (std::array<int, 5>{0, 0, 2, 3, 0}));  // 木 火 土 金 水

  // Count order 比肩 劫財 食神 傷官 偏財 正財 偏官 正官 偏印 正印.
  EXPECT_EQ(c.tenGodCounts, (std::array<int, 10>{2, 1, 1, 0, 3, 0, 1, 0, 0, 3}));
  EXPECT_EQ(c.stemTenGodCounts, (std::array<int, 10>{1, 0, 0, 0, 1, 0, 1, 0, 0, 0}));

  for (int slot = 0; slot < kPillarPairCount; ++slot) {
    SCOPED_TRACE(kPillarPairs[slot].name);
    const std::wstring name = kPillarPairs[slot].name;
    const bool overcomes = name == L"日月" || name == L"年日" || name == L"時月" || name == L"年時";
    EXPECT_EQ(c.stemRelations[slot], overcomes ? L"剋" : L"");
    EXPECT_EQ(c.branchRelations[slot], L"");
  }
  EXPECT_EQ(c.relationCounts, (std::array<int, 9>{4, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(c.transformationCount, 0);
  EXPECT_EQ(c.hasFrame, 0);
  EXPECT_EQ(c.hasDirection, 0);

  EXPECT_EQ(c.seasonalElements, (std::array<std::wstring, 5>{L"木", L"火", L"水", L"金", L"土"}));
  EXPECT_EQ(c.dayMasterStrengthValue, 8);  // "最強"
  for (int slot = 0; slot < kPatternSlots; ++slot) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(c.truePatternFlags[slot], slot == 21 ? 1 : 0);  // 建祿格: 甲's 祿 at the 寅 month
  }

  // By stem 甲 .. 癸, and in the weight order 比肩 劫財 食神 傷官 偏印 正印 偏官 正官 偏財 正財.
  EXPECT_EQ(c.stemWeights, (std::array<int, 10>{19, 9, 9, 0, 16, 0, 4, 0, 0, 9}));
  EXPECT_EQ(c.tenGodWeights, (std::array<int, 10>{19, 9, 9, 0, 0, 9, 4, 0, 16, 0}));
  EXPECT_EQ(Joined(c.heaviest, 0, 6), L"甲 比肩 戊 偏財  劫財");

  // Stars counted from the four pillars only: the life palace's 羊刃 正桃 勾絞 進神 are not.
  std::array<int, kStarSlotCount> stars{};
  for (int slot : {kStar魁罡, kStar日德, kStar喪門, kStar孤神, kStar華蓋, kStar弔客, kStar伏吟,
                   kStar祿元, kStar金輿}) {
    stars[slot] = 1;
  }
  stars[kStar進神] = 2;
  stars[kStar驛馬] = 2;
  stars[kStar將星] = 3;
  stars[kStar福星] = 3;
  EXPECT_EQ(c.starCounts, stars);

  // Typed pillars carry no luck start: the ages run 0, 10, .. 90; a man of a 陽 year (庚) runs
  // forward from 戊寅.
  EXPECT_EQ(JoinedUsedEntries(c.luckAges), L"0 10 20 30 40 50 60 70 80 90");
  EXPECT_EQ(JoinedUsedEntries(c.luckStems), L"己 庚 辛 壬 癸 甲 乙 丙 丁 戊");
  EXPECT_EQ(JoinedUsedEntries(c.luckBranches), L"卯 辰 巳 午 未 申 酉 戌 亥 子");
  EXPECT_EQ(JoinedUsedEntries(c.luckStemTenGods),
            L"正財 偏官 正官 偏印 正印 比肩 劫財 食神 傷官 偏財");
  EXPECT_EQ(JoinedUsedEntries(c.luckHiddenStems[0]), L"乙");
  EXPECT_EQ(JoinedUsedEntries(c.luckHiddenTenGods[1]), L"偏財 正印 劫財");  // 辰
}

// The branch stars of the month pillar 寅 seen from the year branch 辰 (驛馬 弔客) and from the
// day branch 子 (驛馬 孤神 喪門), after the day stem's 祿元 福星.
TEST(ChartDerivation, BasisSelectsTheBranchStarSets) {
  const std::vector<std::pair<int, const wchar_t*>> cases = {
      {0, L"祿元 福星 驛馬 弔客"},
      {1, L"祿元 福星 驛馬 孤神 喪門"},
      {2, L"祿元 福星 驛馬 弔客 驛馬 孤神 喪門"},
      {3, L"祿元 福星 驛馬 弔客 驛馬 孤神 喪門"},  // any other value acts as 2
      {-1, L"祿元 福星 驛馬 弔客 驛馬 孤神 喪門"},
  };
  for (const auto& [basis, stars] : cases) {
    SCOPED_TRACE(basis);
    ChartHandOver handOver =
        TypedHandOver({L"庚辰", L"戊寅", L"甲子", L"甲子"}, static_cast<SpiritStarBasis>(basis));
    DeriveFourPillarsChart(handOver);
    EXPECT_EQ(JoinedUsedEntries(handOver.chart->pillars[kMonthPillar].starNames), stars);
  }
}

// The life palace has its hidden stems, ten gods, stage, nayin and stars, but takes no part in
// the counters, the weights, the yin-yang count or the relations: a chart whose palace holds
// stems and branches found nowhere else counts none of them.
TEST(ChartDerivation, LifePalaceIsLeftOutOfTheCounters) {
  // Month 子 and hour 子 put the palace at 巳; the 甲 year gives it the stem 己.
  ChartHandOver handOver = TypedHandOver({L"甲子", L"丙子", L"甲子", L"甲子"});
  DeriveFourPillarsChart(handOver);
  const FourPillarsChart& c = *handOver.chart;
  const ChartPillar& palace = c.pillars[kLifePalacePillar];
  ASSERT_EQ(palace.stem + palace.branch, L"己巳");
  EXPECT_EQ(palace.stemTenGod, L"正財");
  EXPECT_EQ(JoinedUsedEntries(palace.hiddenTenGods), L"食神 偏官 偏財");
  EXPECT_EQ(palace.stage, L"病");
  EXPECT_EQ(c.stemCounts[5], 0);     // 己
  EXPECT_EQ(c.allStemCounts[5], 0);  // 己
  EXPECT_EQ(c.allStemCounts[6], 0);  // 庚, a hidden stem of 巳
  EXPECT_EQ(c.branchCounts[5], 0);   // 巳
  EXPECT_EQ(c.tenGodCounts[kCountZhengCai], 0);
  EXPECT_EQ(c.tenGodCounts[kCountPianGuan], 0);
  EXPECT_EQ(c.stemWeights[5], 0);
  EXPECT_EQ(c.yangCount, 8);
  EXPECT_EQ(c.nayinElementCounts[0], 1);  // 己巳 木, the only 木
  EXPECT_EQ(c.starCounts[kStar羊刃], 0);  // 甲's 羊刃 at 卯 is nowhere, nor at the palace
}

// Each slot of a pair and its reverse is filled by its own call, the pillars in the slot's
// order: 甲 controls 戊, so 年日 (甲 to 戊) is "剋" while 日年 stays empty.
TEST(ChartDerivation, RelationSlotsKeepTheirOrder) {
  ChartHandOver handOver = TypedHandOver({L"甲子", L"丙寅", L"戊辰", L"癸丑"});
  DeriveFourPillarsChart(handOver);
  const FourPillarsChart& c = *handOver.chart;
  const auto slotOf = [](std::wstring_view name) {
    for (int slot = 0; slot < kPillarPairCount; ++slot) {
      if (name == kPillarPairs[slot].name) {
        return slot;
      }
    }
    return -1;
  };
  EXPECT_EQ(c.stemRelations[slotOf(L"年日")], L"剋");
  EXPECT_EQ(c.stemRelations[slotOf(L"日年")], L"");
  // 戊 and 癸 combine in both orders, as do 子 and 丑.
  EXPECT_EQ(c.stemRelations[slotOf(L"日時")], L"合火");
  EXPECT_EQ(c.stemRelations[slotOf(L"時日")], L"合火");
  EXPECT_EQ(c.branchRelations[slotOf(L"年時")], L"合土");
  EXPECT_EQ(c.branchRelations[slotOf(L"時年")], L"合土");
  EXPECT_EQ(c.relationCounts[kStemCombinations], 2);
  EXPECT_EQ(c.transformationCount, 1);
}

}  // namespace
}  // namespace chart
