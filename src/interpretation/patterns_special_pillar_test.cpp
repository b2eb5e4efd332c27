#include <gtest/gtest.h>

#include "interpretation/pattern_test_support.h"

namespace interpretation {
namespace {

using namespace notation;

// The seasonal values of the tests: v旺 8, v相 5, v休 3, v囚 2, v死 1.

TEST(SpecialPillarPatterns, WellRailFork) {
  // 庚 day, 庚 twice, 子 辰 申 and none of 寅 午 戌.
  const PatternCase cases[] = {
      {"庚 day with 申子辰", nullptr, "true"},
      {"one 庚 only", [](CraftedChart& c) { c.pillar(年, L"甲子").pillar(時, L"丙子"); },
       "no candidate"},
      {"no 辰", [](CraftedChart& c) { c.pillar(月, L"戊子"); }, "no candidate"},
      {"a 午", [](CraftedChart& c) { c.pillar(時, L"丙午"); }, "no candidate"},
      {"not a 庚 day", [](CraftedChart& c) { c.pillar(日, L"辛申"); }, "no candidate"},
      {"空亡 alone: the test does not read it", [](CraftedChart& c) { c.star(空亡, 1); }, "true"},
      {"a harm", [](CraftedChart& c) { c.relations(害, 1); }, "grey .存在刑衝破害"},
      {"a punishment", [](CraftedChart& c) { c.relations(刑, 1); }, "grey .存在刑衝破害"},
      {"a clash written 沖", [](CraftedChart& c) { c.relations(branch沖, 2); }, "true"},
      {"空亡 and a break", [](CraftedChart& c) { c.star(空亡, 1).relations(破, 1); },
       "grey .存在空亡 .存在刑衝破害"},
  };
  ExpectVerdicts(
      井欄叉格, [] { return CraftedChart(L"庚子", L"戊辰", L"庚申", L"庚子"); }, cases);
}

TEST(SpecialPillarPatterns, WellRailForkAddsTheWomensVerseTrueOrNot) {
  const std::wstring kWomensVerse =
      L"<br>飛天祿馬井欄叉，女命逢之福不佳，只好為偏並作妓，有財方可享榮華。";
  for (const bool grey : {false, true}) {
    for (const wchar_t* sex : {L"女", L"男"}) {
      SCOPED_TRACE(U8(sex) + (grey ? " grey" : " true"));
      CraftedChart chart(L"庚子", L"戊辰", L"庚申", L"庚子");
      chart.sex(sex).relations(害, grey ? 1 : 0);
      const std::wstring block = PatternBlock(chart.chart(), 井欄叉格);
      ASSERT_FALSE(block.empty());
      EXPECT_EQ(block.ends_with(kWomensVerse), std::wstring(sex) == L"女");
    }
  }
}

TEST(SpecialPillarPatterns, SixYinFacingTheSun) {
  // 辛 day with one 子, a 戊 stem, no 丙 丁 巳 午 丑 and no officer.
  const PatternCase cases[] = {
      {"辛 day, one 子, 戊 stems", nullptr, "true"},
      {"two 子", [](CraftedChart& c) { c.pillar(年, L"戊子"); }, "no candidate"},
      {"no 子", [](CraftedChart& c) { c.pillar(時, L"戊戌"); }, "no candidate"},
      {"no 戊", [](CraftedChart& c) { c.pillar(年, L"甲辰").pillar(時, L"庚子"); },
       "grey .少天干戊"},
      {"a 丁 stem", [](CraftedChart& c) { c.pillar(月, L"丁酉"); }, "grey .有丙丁巳午"},
      {"a 巳", [](CraftedChart& c) { c.pillar(月, L"辛巳"); }, "grey .有丙丁巳午"},
      {"a 丑", [](CraftedChart& c) { c.pillar(年, L"己丑"); }, "grey .辛中丑絆又非真"},
      {"a hidden 正官", [](CraftedChart& c) { c.hidden(月, 正官); }, "grey .官星七殺休相見"},
      {"a 偏官", [](CraftedChart& c) { c.TG(偏官, 1); }, "grey .官星七殺休相見"},
      {"everything against it",
       [](CraftedChart& c) { c.pillar(年, L"丙丑").pillar(時, L"甲子").TG(正官, 1); },
       "grey .少天干戊 .有丙丁巳午 .辛中丑絆又非真 .官星七殺休相見"},
  };
  ExpectVerdicts(
      六陰朝陽格, [] { return CraftedChart(L"戊辰", L"庚申", L"辛酉", L"戊子"); }, cases);
}

TEST(SpecialPillarPatterns, WaterRidingTheDragon) {
  // 壬辰 day with 辰 and 寅 three times or more.
  const PatternCase cases[] = {
      {"壬辰 with 寅 辰 辰", nullptr, "true"},
      {"辰 and 寅 twice", [](CraftedChart& c) { c.pillar(年, L"甲子").pillar(時, L"甲子"); },
       "no candidate"},
      {"a 壬子 day", [](CraftedChart& c) { c.pillar(日, L"壬子"); }, "no candidate"},
      {"a harm", [](CraftedChart& c) { c.relations(害, 1); }, "grey .存在衝破害"},
      {"a clash written 衝", [](CraftedChart& c) { c.relations(branch衝, 1); }, "grey .存在衝破害"},
      {"a break", [](CraftedChart& c) { c.relations(破, 1); }, "grey .存在衝破害"},
      {"a punishment is not looked at", [](CraftedChart& c) { c.relations(刑, 2); }, "true"},
      {"a clash written 沖", [](CraftedChart& c) { c.relations(branch沖, 1); }, "true"},
  };
  ExpectVerdicts(
      壬騎龍背格, [] { return CraftedChart(L"甲辰", L"丙寅", L"壬辰", L"甲辰"); }, cases);
}

TEST(SpecialPillarPatterns, RatCallingTheSnake) {
  // 甲子 day and hour, month branch 卯, 亥, 辰 or 戌.
  const PatternCase cases[] = {
      {"month 卯", nullptr, "true"},
      {"month 亥", [](CraftedChart& c) { c.pillar(月, L"乙亥"); }, "true"},
      {"month 辰", [](CraftedChart& c) { c.pillar(月, L"戊辰"); }, "true"},
      {"month 戌", [](CraftedChart& c) { c.pillar(月, L"甲戌"); }, "true"},
      {"month 寅", [](CraftedChart& c) { c.pillar(月, L"丙寅"); }, "no candidate"},
      {"hour 丙子", [](CraftedChart& c) { c.pillar(時, L"丙子"); }, "no candidate"},
      {"a 午 with month 卯", [](CraftedChart& c) { c.pillar(年, L"壬午"); },
       "grey .存在庚辛申酉午未丑"},
      {"a 辛 stem", [](CraftedChart& c) { c.pillar(年, L"辛子"); }, "grey .存在庚辛申酉午未丑"},
      {"a 丑", [](CraftedChart& c) { c.pillar(年, L"癸丑"); }, "grey .存在庚辛申酉午未丑"},
      {"a combination", [](CraftedChart& c) { c.relations(branch合, 1); }, "grey .存在刑衝破害合"},
      {"a punishment", [](CraftedChart& c) { c.relations(刑, 1); }, "grey .存在刑衝破害合"},
      {"a break", [](CraftedChart& c) { c.relations(破, 1); }, "grey .存在刑衝破害合"},
      {"a harm is not looked at", [](CraftedChart& c) { c.relations(害, 1); }, "true"},
      {"a clash written 沖", [](CraftedChart& c) { c.relations(branch沖, 1); }, "true"},
      {"both", [](CraftedChart& c) { c.pillar(年, L"庚申").relations(branch衝, 1); },
       "grey .存在庚辛申酉午未丑 .存在刑衝破害合"},
  };
  ExpectVerdicts(
      子遙巳格, [] { return CraftedChart(L"壬子", L"丁卯", L"甲子", L"甲子"); }, cases);
}

TEST(SpecialPillarPatterns, OxCallingTheSnake) {
  // 辛丑 or 癸丑 day, 丑 three times, no 子.
  const PatternCase cases[] = {
      {"辛丑 day", nullptr, "true"},
      {"癸丑 day", [](CraftedChart& c) { c.pillar(日, L"癸丑"); }, "true"},
      {"丑 twice", [](CraftedChart& c) { c.pillar(年, L"己酉"); }, "no candidate"},
      {"a 子", [](CraftedChart& c) { c.pillar(時, L"戊子"); }, "no candidate"},
      {"a 未 clashing with 丑",
       [](CraftedChart& c) { c.pillar(時, L"癸未").relations(branch衝, 1); }, "grey .地支無衝"},
      {"a clash written 沖", [](CraftedChart& c) { c.relations(branch沖, 1); }, "true"},
      {"a harm", [](CraftedChart& c) { c.relations(害, 1); }, "true"},
  };
  ExpectVerdicts(
      丑遙巳格, [] { return CraftedChart(L"己丑", L"丁丑", L"辛丑", L"己亥"); }, cases);
}

TEST(SpecialPillarPatterns, WoodSnakeRatNoble) {
  // 乙 day with a 丙子 hour; DM 5.
  const PatternCase cases[] = {
      {"丙子 hour", nullptr, "true"},
      {"戊子 hour", [](CraftedChart& c) { c.pillar(時, L"戊子"); }, "no candidate"},
      {"DM at v囚", [](CraftedChart& c) { c.DM(2); }, "true"},
      {"DM below v囚", [](CraftedChart& c) { c.DM(1); }, "grey .身強弱度不足"},
      {"an officer", [](CraftedChart& c) { c.hidden(年, 正官); }, "grey .存在官煞"},
      {"a combination", [](CraftedChart& c) { c.relations(branch合, 1); }, "grey .存在衝破害合"},
      {"a punishment is not looked at", [](CraftedChart& c) { c.relations(刑, 1); }, "true"},
      {"everything", [](CraftedChart& c) { c.DM(0).TG(偏官, 1).relations(害, 1); },
       "grey .身強弱度不足 .存在官煞 .存在衝破害合"},
  };
  ExpectVerdicts(
      乙巳鼠貴格,
      [] {
        CraftedChart c(L"甲寅", L"丙寅", L"乙巳", L"丙子");
        c.DM(5);
        return c;
      },
      cases);
}

TEST(SpecialPillarPatterns, SixWoodRatNoble) {
  // 乙 day, 子 hour and 子 twice, month 寅 or 卯; DM 5.
  const PatternCase cases[] = {
      {"month 寅", nullptr, "true"},
      {"month 卯", [](CraftedChart& c) { c.pillar(月, L"丁卯"); }, "true"},
      {"one 子", [](CraftedChart& c) { c.pillar(年, L"甲午"); }, "no candidate"},
      {"子 not at the hour", [](CraftedChart& c) { c.pillar(時, L"丙亥").pillar(月, L"丙子"); },
       "no candidate"},
      {"DM below v相", [](CraftedChart& c) { c.DM(4); }, "grey .身強弱度不足"},
      {"an officer", [](CraftedChart& c) { c.TG(正官, 1); }, "grey .存在官煞"},
      {"month 辰", [](CraftedChart& c) { c.pillar(月, L"丙辰"); }, "grey .月地支不是寅卯"},
      {"a break", [](CraftedChart& c) { c.relations(破, 1); }, "grey .存在衝破害合"},
      {"a harm is not looked at", [](CraftedChart& c) { c.relations(害, 1); }, "true"},
  };
  ExpectVerdicts(
      六乙鼠貴格,
      [] {
        CraftedChart c(L"甲子", L"丙寅", L"乙卯", L"丙子");
        c.DM(5);
        return c;
      },
      cases);
}

TEST(SpecialPillarPatterns, SixWoodTowardsQian) {
  // 甲 day, 亥 hour and 亥 twice; DM 5. The relations read are those of the day branch.
  const PatternCase cases[] = {
      {"亥 hour, 亥 twice", nullptr, "true"},
      {"one 亥", [](CraftedChart& c) { c.pillar(年, L"丁酉"); }, "no candidate"},
      {"DM below v相", [](CraftedChart& c) { c.DM(4); }, "grey .身強弱度不足"},
      {"hour to day 刑", [](CraftedChart& c) { c.BR(時日, L"刑"); }, "grey .存在刑衝破害"},
      {"day to month 沖", [](CraftedChart& c) { c.BR(日月, L"沖"); }, "grey .存在刑衝破害"},
      {"month to day combines", [](CraftedChart& c) { c.BR(月日, L"合木"); }, "grey .存在刑衝破害"},
      {"day to hour 害", [](CraftedChart& c) { c.BR(日時, L"害"); }, "grey .存在刑衝破害"},
      {"day to hour 衝 is not looked at", [](CraftedChart& c) { c.BR(日時, L"衝"); }, "true"},
      {"year to month 沖 is not looked at", [](CraftedChart& c) { c.BR(年月, L"沖"); }, "true"},
      {"counted relations are not looked at", [](CraftedChart& c) { c.relations(刑, 3); }, "true"},
  };
  ExpectVerdicts(
      六甲趨乾格,
      [] {
        CraftedChart c(L"丁亥", L"丙寅", L"甲子", L"乙亥");
        c.DM(5);
        return c;
      },
      cases);
}

TEST(SpecialPillarPatterns, SixWaterTowardsGen) {
  // 壬 day, 寅 hour and 寅 twice; DM 5. The test reads the relation counts, the reason the day
  // branch's relations.
  const PatternCase cases[] = {
      {"寅 hour, 寅 twice", nullptr, "true"},
      {"one 寅", [](CraftedChart& c) { c.pillar(年, L"甲辰"); }, "no candidate"},
      {"DM below v囚", [](CraftedChart& c) { c.DM(1); }, "grey .身強弱度不足"},
      {"a counted punishment alone", [](CraftedChart& c) { c.relations(刑, 1); }, "grey"},
      {"a punishment at the day branch",
       [](CraftedChart& c) { c.relations(刑, 1).BR(時日, L"刑"); }, "grey .存在刑衝破害合"},
      {"a combination at the day branch only", [](CraftedChart& c) { c.BR(日時, L"合木"); },
       "true"},
      {"a counted combination", [](CraftedChart& c) { c.relations(branch合, 1); }, "true"},
  };
  ExpectVerdicts(
      六壬趨艮格,
      [] {
        CraftedChart c(L"甲寅", L"丙午", L"壬子", L"壬寅");
        c.DM(5);
        return c;
      },
      cases);
}

TEST(SpecialPillarPatterns, HookedArrayInPlace) {
  // 戊寅 day with the water frame; DM 5.
  const PatternCase cases[] = {
      {"正官 among the stems", [](CraftedChart& c) { c.stemGod(月, 正官); }, "true"},
      {"正財 among the stems", [](CraftedChart& c) { c.stemGod(年, 正財); }, "true"},
      {"偏財 among the stems", [](CraftedChart& c) { c.stemGod(時, 偏財); }, "true"},
      {"正官 hidden only", [](CraftedChart& c) { c.hidden(月, 正官); },
       "grey .勾陳得位天干需見財官"},
      {"a 戊午 day", [](CraftedChart& c) { c.pillar(日, L"戊午"); }, "no candidate"},
      {"a 己未 day", [](CraftedChart& c) { c.pillar(日, L"己未").stemGod(月, 正官); }, "true"},
      {"no frame",
       [](CraftedChart& c) {
         c.chart().threeHarmonyFlags = {};
         c.stemGod(月, 正官);
       },
       "grey .地支未成水局或木局"},
      {"the wood frame instead",
       [](CraftedChart& c) {
         c.chart().threeHarmonyFlags = {};
         c.frame(木).stemGod(月, 正官);
       },
       "true"},
      {"DM below v囚", [](CraftedChart& c) { c.DM(1).stemGod(月, 正官); }, "grey .身強弱度不足"},
      {"a break", [](CraftedChart& c) { c.relations(破, 1).stemGod(月, 正官); },
       "grey .存在刑衝破害"},
      {"a punishment is not looked at",
       [](CraftedChart& c) { c.relations(刑, 1).stemGod(月, 正官); }, "true"},
  };
  ExpectVerdicts(
      勾陳得位格,
      [] {
        CraftedChart c(L"甲子", L"乙亥", L"戊寅", L"甲辰");
        c.frame(水).DM(5);
        return c;
      },
      cases);
}

TEST(SpecialPillarPatterns, DarkWarriorInPower) {
  // 壬戌 day with 寅 午 戌; DM 5.
  const PatternCase cases[] = {
      {"寅午戌 without the fire frame", nullptr, "grey .地支未成火局"},
      {"with the fire frame", [](CraftedChart& c) { c.frame(火); }, "true"},
      {"亥子丑 with a 癸丑 day",
       [](CraftedChart& c) {
         c.pillar(年, L"乙亥").pillar(月, L"丙子").pillar(日, L"癸丑").frame(火);
       },
       "true"},
      {"no 戌", [](CraftedChart& c) { c.pillar(日, L"壬午"); }, "no candidate"},
      {"a 壬辰 day", [](CraftedChart& c) { c.pillar(日, L"壬辰").pillar(年, L"丙戌"); },
       "no candidate"},
      {"DM below v囚", [](CraftedChart& c) { c.frame(火).DM(1); }, "grey .身強弱度不足"},
      {"a clash written 衝", [](CraftedChart& c) { c.frame(火).relations(branch衝, 1); },
       "grey .存在刑衝破害"},
  };
  ExpectVerdicts(
      玄武當權格,
      [] {
        CraftedChart c(L"丙寅", L"甲午", L"壬戌", L"庚子");
        c.DM(5);
        return c;
      },
      cases);
}

// Each block shows its own first verse and the source's verses after it; a verse no source
// gives is left out.
TEST(SpecialPillarPatterns, VersesAreTheQuotedFirstAndTheSourcedOthers) {
  struct Case {
    const PatternSlots& pattern;
    std::size_t verses;
  };
  const Case cases[] = {
      {井欄叉格, 5},   {六陰朝陽格, 7}, {壬騎龍背格, 1}, {子遙巳格, 1},
      {丑遙巳格, 1},   {乙巳鼠貴格, 1}, {六乙鼠貴格, 1}, {六甲趨乾格, 1},
      {六壬趨艮格, 1}, {勾陳得位格, 1}, {玄武當權格, 1},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(U8(k.pattern.name));
    const PatternRecord& record = CatalogueRecord(k.pattern.name);
    EXPECT_EQ(record.verses.size(), k.verses);
    for (std::size_t n = 1; n < record.verses.size(); ++n) {
      EXPECT_EQ(record.verses[n],
                PoolText(kPatternVerses, {k.pattern.name, std::to_wstring(n + 1)}));
    }
  }
  EXPECT_EQ(CatalogueRecord(井欄叉格.name).verses.front(),
            L"<br>庚日全逢申子辰，井欄叉格制官星；局中有火方成貴，破動提綱禍亦臨。");
  EXPECT_EQ(CatalogueRecord(玄武當權格.name).verses.front(),
            L"<br>真武當權妙入神，日干壬癸坐財星；官星若也若門戶，無破當為大用人。");
}

}  // namespace
}  // namespace interpretation
