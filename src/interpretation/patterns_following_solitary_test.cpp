#include <gtest/gtest.h>

#include "interpretation/pattern_test_support.h"

namespace interpretation {
namespace {

using namespace notation;

// The seasonal values of the tests: v旺 8, v相 5, v休 3, v囚 2, v死 1.

TEST(FollowingAndSolitaryPatterns, EnclosedMound) {
  // 己卯 day with a 己巳 hour; DM at v旺.
  const PatternCase cases[] = {
      {"己卯 day, 己巳 hour", nullptr, "true"},
      {"己巳 day, 己卯 hour", [](CraftedChart& c) { c.pillar(日, L"己巳").pillar(時, L"己卯"); },
       "true"},
      {"甲午 day, 壬申 hour", [](CraftedChart& c) { c.pillar(日, L"甲午").pillar(時, L"壬申"); },
       "true"},
      {"庚午 day, 甲申 hour", [](CraftedChart& c) { c.pillar(日, L"庚午").pillar(時, L"甲申"); },
       "true"},
      {"壬申 day, 甲午 hour", [](CraftedChart& c) { c.pillar(日, L"壬申").pillar(時, L"甲午"); },
       "no candidate"},
      {"DM below v旺", [](CraftedChart& c) { c.DM(7); }, "grey .身強弱度不足"},
      {"an officer", [](CraftedChart& c) { c.TG(正官, 1); }, "grey .存在官煞"},
      // Only one of the two reasons can appear.
      {"DM below v旺 and an officer", [](CraftedChart& c) { c.DM(7).TG(偏官, 1); },
       "grey .身強弱度不足"},
  };
  ExpectVerdicts(
      夾坵格,
      [] {
        CraftedChart c(L"甲子", L"丙寅", L"己卯", L"己巳");
        c.DM(8);
        return c;
      },
      cases);
}

TEST(FollowingAndSolitaryPatterns, FortuneAndVirtue) {
  // 己丑 day, no 丙 丁 寅 午 戌, clean relations around the day.
  const PatternCase cases[] = {
      {"己丑 day", nullptr, "true"},
      {"己巳 day", [](CraftedChart& c) { c.pillar(日, L"己巳"); }, "true"},
      {"己酉 day", [](CraftedChart& c) { c.pillar(日, L"己酉"); }, "true"},
      {"己卯 day", [](CraftedChart& c) { c.pillar(日, L"己卯"); }, "no candidate"},
      {"a 丙 stem", [](CraftedChart& c) { c.pillar(年, L"丙申"); }, "grey .存在丙丁寅午戌"},
      {"a 戌", [](CraftedChart& c) { c.pillar(時, L"癸戌"); }, "grey .存在丙丁寅午戌"},
      {"hour controls day", [](CraftedChart& c) { c.SR(時日, L"剋"); }, "grey .存在剋刑衝破害"},
      {"day to month 害", [](CraftedChart& c) { c.BR(日月, L"害"); }, "grey .存在剋刑衝破害"},
      {"year to month is not looked at", [](CraftedChart& c) { c.SR(年月, L"剋").BR(年月, L"沖"); },
       "true"},
      {"a clash written 衝 is not looked at", [](CraftedChart& c) { c.BR(日時, L"衝"); }, "true"},
      {"both", [](CraftedChart& c) { c.pillar(月, L"丁酉").BR(月日, L"刑"); },
       "grey .存在丙丁寅午戌 .存在剋刑衝破害"},
  };
  ExpectVerdicts(
      福德格, [] { return CraftedChart(L"庚申", L"辛酉", L"己丑", L"癸酉"); }, cases);
}

TEST(FollowingAndSolitaryPatterns, GivingUpToFollowTheKiller) {
  // 甲 day with the metal frame, a weak day master and nothing that supports it.
  const PatternCase cases[] = {
      {"甲 day, metal frame", nullptr, "true"},
      {"甲 day, three 酉 instead",
       [](CraftedChart& c) {
         c.chart().threeHarmonyFlags = {};
         c.pillar(年, L"癸酉").pillar(月, L"辛酉").pillar(時, L"己酉");
       },
       "true"},
      {"甲 day without metal", [](CraftedChart& c) { c.chart().threeHarmonyFlags = {}; },
       "no candidate"},
      {"戊 day, three 卯",
       [](CraftedChart& c) {
         c.pillar(年, L"丁卯").pillar(月, L"癸卯").pillar(日, L"戊午").pillar(時, L"乙卯");
       },
       "true"},
      {"壬 day with the metal frame", [](CraftedChart& c) { c.pillar(日, L"壬申"); },
       "no candidate"},
      {"壬 day with the earth frame", [](CraftedChart& c) { c.pillar(日, L"壬申").frame(土); },
       "true"},
      {"DM above v囚", [](CraftedChart& c) { c.DM(3); }, "grey .身強弱度過強"},
      {"DM above v囚 and self support", [](CraftedChart& c) { c.DM(3).TG(比肩, 3); },
       "grey .身強弱度過強"},
      {"self support", [](CraftedChart& c) { c.TG(比肩, 2).TG(劫財, 1); },
       "grey .必須是身弱，且無比肩助身"},
      {"庚 day with fire but no 戊 or 己 stem",
       [](CraftedChart& c) { c.pillar(日, L"庚午").frame(火); },
       "grey .日天干為庚必須出現戊或己在其他天干上"},
      {"庚 day with fire and a 戊 stem",
       [](CraftedChart& c) { c.pillar(日, L"庚午").pillar(年, L"戊申").frame(火); }, "true"},
      {"乙 day with wealth", [](CraftedChart& c) { c.pillar(日, L"乙酉").TG(偏財, 1); },
       "grey .日天干為乙不可有財"},
      {"甲 day with wealth", [](CraftedChart& c) { c.TG(偏財, 1); }, "true"},
      {"officers mixed", [](CraftedChart& c) { c.TG(正官, 2).TG(偏官, 2); }, "grey .官殺混雜"},
      {"one officer short of mixed", [](CraftedChart& c) { c.TG(正官, 1).TG(偏官, 3); }, "true"},
      {"偏印 in stems and hidden", [](CraftedChart& c) { c.stemGod(月, 偏印).hidden(日, 偏印); },
       "grey .天干地支都有偏印"},
      {"正印 and 比肩 in stems and hidden",
       [](CraftedChart& c) {
         c.stemGod(月, 正印).hidden(日, 正印).stemGod(年, 比肩).hidden(時, 比肩);
       },
       "grey .天干地支都有正印 .天干地支都有比肩"},
      {"正印 among the stems only", [](CraftedChart& c) { c.stemGod(月, 正印); }, "true"},
  };
  ExpectVerdicts(
      棄命從煞格,
      [] {
        CraftedChart c(L"庚申", L"辛巳", L"甲申", L"庚午");
        c.frame(金).DM(2);
        return c;
      },
      cases);
}

TEST(FollowingAndSolitaryPatterns, GivingUpToFollowTheWealth) {
  // 甲 day, wealth four times, among the stems too, no 比肩 or 劫財; DM at v囚.
  const PatternCase cases[] = {
      {"wealth four times", nullptr, "true"},
      {"wealth three times", [](CraftedChart& c) { c.hidden(日, 正財, -1); }, "no candidate"},
      {"a 比肩", [](CraftedChart& c) { c.hidden(時, 比肩); }, "no candidate"},
      {"DM above v囚", [](CraftedChart& c) { c.DM(3); }, "grey .身強弱度過強"},
      {"正官 among the stems", [](CraftedChart& c) { c.stemGod(年, 正官); },
       "grey .天干有正官而不從財"},
      {"偏官 among the stems", [](CraftedChart& c) { c.stemGod(年, 偏官); },
       "grey .天干有偏官而不從財"},
      {"偏官 hidden only", [](CraftedChart& c) { c.hidden(年, 偏官); }, "true"},
      {"偏印 in stems and hidden", [](CraftedChart& c) { c.stemGod(年, 偏印).hidden(年, 偏印); },
       "grey .若透印則身賴印生而不從財"},
      {"both seals in stems and hidden, DM too strong",
       [](CraftedChart& c) {
         c.stemGod(年, 偏印).hidden(年, 偏印).stemGod(年, 正印).hidden(月, 正印).DM(4);
       },
       "grey .若透印則身賴印生而不從財 .若透印則身賴印生而不從財 .身強弱度過強"},
  };
  ExpectVerdicts(
      棄命從財格,
      [] {
        CraftedChart c(L"戊辰", L"己未", L"甲戌", L"戊辰");
        c.stemGod(月, 正財).stemGod(時, 偏財).hidden(日, 正財).hidden(月, 偏財).DM(2);
        return c;
      },
      cases);
  CraftedChart hiddenWealth(L"戊辰", L"己未", L"甲戌", L"戊辰");
  hiddenWealth.hidden(日, 正財, 2).hidden(月, 偏財, 2);
  EXPECT_EQ(Verdict(hiddenWealth.chart(), 棄命從財格), "no candidate");
}

// Both following patterns candidates: the count rises by two and their shared slot 47 holds 2.
TEST(FollowingAndSolitaryPatterns, BothFollowingPatternsCountInTheirSharedSlot) {
  CraftedChart chart(L"戊辰", L"己未", L"甲戌", L"戊辰");
  chart.stemGod(月, 正財).stemGod(時, 偏財).hidden(日, 正財).hidden(月, 偏財).frame(金).DM(2);
  const PatternRecord records[] = {CatalogueRecord(棄命從煞格.name),
                                   CatalogueRecord(棄命從財格.name)};
  JudgePatterns(chart.chart(), {8, 5, 3, 2, 1}, records);
  EXPECT_EQ(chart.chart().candidatePatternCount, 2);
  EXPECT_EQ(chart.chart().candidatePatternFlags[47], 2);
  EXPECT_EQ(chart.chart().truePatternFlags[47], 2);
  EXPECT_EQ(chart.chart().truePatternList, L"棄命從煞格、棄命從財格");
}

TEST(FollowingAndSolitaryPatterns, LoneSealCombiningTheOfficer) {
  // 癸 day, 庚申 hour, month 酉.
  const PatternCase cases[] = {
      {"癸 day, 庚申 hour", nullptr, "true"},
      {"庚午 hour", [](CraftedChart& c) { c.pillar(時, L"庚午"); }, "no candidate"},
      {"a 丙 stem", [](CraftedChart& c) { c.pillar(年, L"丙申"); }, "grey .天干存在戊或己或丙"},
      {"丁 three times", [](CraftedChart& c) { c.hiddenStem(丁).hiddenStem(丁).hiddenStem(丁); },
       "grey .天干存在過的丁"},
      {"丁 twice", [](CraftedChart& c) { c.hiddenStem(丁).hiddenStem(丁); }, "true"},
      {"month 寅", [](CraftedChart& c) { c.pillar(月, L"辛寅"); }, "grey .地支沒有申或酉或亥或子"},
      {"month 子", [](CraftedChart& c) { c.pillar(月, L"辛子"); }, "true"},
  };
  ExpectVerdicts(
      專印合官格, [] { return CraftedChart(L"壬申", L"辛酉", L"癸亥", L"庚申"); }, cases);
}

TEST(FollowingAndSolitaryPatterns, LoneWealth) {
  // 甲 day, 己巳 hour. The test reads the stems only; the reasons read the hidden stems too.
  const PatternCase cases[] = {
      {"甲 day, 己巳 hour", nullptr, "true"},
      {"己卯 hour", [](CraftedChart& c) { c.pillar(時, L"己卯"); }, "no candidate"},
      {"比肩 among the stems", [](CraftedChart& c) { c.stemGod(年, 比肩); },
       "grey .天干或地支干藏存在比肩"},
      {"a 庚 stem", [](CraftedChart& c) { c.pillar(年, L"庚申"); }, "grey .天干或地支干藏存在庚"},
      {"比肩 and 庚 hidden only", [](CraftedChart& c) { c.hidden(日, 比肩).hiddenStem(庚); },
       "true"},
      {"比肩 among the stems, 庚 hidden",
       [](CraftedChart& c) { c.stemGod(年, 比肩).hiddenStem(庚); },
       "grey .天干或地支干藏存在比肩 .天干或地支干藏存在庚"},
  };
  ExpectVerdicts(
      專財格, [] { return CraftedChart(L"壬申", L"癸酉", L"甲子", L"己巳"); }, cases);
}

TEST(FollowingAndSolitaryPatterns, HourHorse) {
  const PatternCase cases[] = {
      {"甲 day, 午 hour", nullptr, "true"},
      {"乙 day, 巳 hour", [](CraftedChart& c) { c.pillar(日, L"乙子").pillar(時, L"辛巳"); },
       "true"},
      {"乙 day, 午 hour", [](CraftedChart& c) { c.pillar(日, L"乙子"); }, "no candidate"},
      {"丙 day, 申 month, 酉 hour",
       [](CraftedChart& c) { c.pillar(日, L"丙子").pillar(月, L"丙申").pillar(時, L"丁酉"); },
       "true"},
      {"丁 day, 酉 month, 申 hour",
       [](CraftedChart& c) { c.pillar(日, L"丁子").pillar(月, L"丁酉").pillar(時, L"戊申"); },
       "true"},
      {"丙 day, 申 month, 申 hour",
       [](CraftedChart& c) { c.pillar(日, L"丙子").pillar(月, L"丙申").pillar(時, L"丙申"); },
       "no candidate"},
      {"己 day, 子 month, 亥 hour",
       [](CraftedChart& c) { c.pillar(日, L"己丑").pillar(月, L"丙子").pillar(時, L"乙亥"); },
       "true"},
      {"庚 day, 寅 month, 卯 hour",
       [](CraftedChart& c) { c.pillar(日, L"庚辰").pillar(月, L"戊寅").pillar(時, L"己卯"); },
       "true"},
      {"癸 day, 午 month, 巳 hour",
       [](CraftedChart& c) { c.pillar(日, L"癸丑").pillar(月, L"甲午").pillar(時, L"丁巳"); },
       "true"},
      {"空亡", [](CraftedChart& c) { c.star(空亡, 1); }, "grey .存在空亡"},
      {"a stem control", [](CraftedChart& c) { c.relations(stem剋, 1); }, "grey .存在剋刑衝破害"},
      {"a harm", [](CraftedChart& c) { c.relations(害, 1); }, "grey .存在剋刑衝破害"},
      {"a clash written 沖", [](CraftedChart& c) { c.relations(branch沖, 1); }, "true"},
  };
  ExpectVerdicts(
      時馬格, [] { return CraftedChart(L"壬申", L"癸酉", L"甲子", L"庚午"); }, cases);
}

TEST(FollowingAndSolitaryPatterns, DayVirtueRefinedSpirit) {
  // 丙子 day, 乙 three times, 巳 酉 丑.
  const PatternCase cases[] = {
      {"丙子 day", nullptr, "true"},
      {"壬午 day", [](CraftedChart& c) { c.pillar(日, L"壬午"); }, "true"},
      {"丁酉 day", [](CraftedChart& c) { c.pillar(日, L"丁酉"); }, "true"},
      {"丙寅 day", [](CraftedChart& c) { c.pillar(日, L"丙寅"); }, "no candidate"},
      {"乙 twice", [](CraftedChart& c) { c.pillar(年, L"丁巳"); }, "no candidate"},
      {"no 丑", [](CraftedChart& c) { c.pillar(時, L"乙亥"); }, "no candidate"},
      {"month controls day", [](CraftedChart& c) { c.SR(月日, L"剋"); }, "grey .干支存在衝剋"},
      {"hour to day 衝", [](CraftedChart& c) { c.BR(時日, L"衝"); }, "grey .干支存在衝剋"},
      {"month to day 沖", [](CraftedChart& c) { c.BR(月日, L"沖"); }, "grey .干支存在衝剋"},
      {"day to hour 沖 is not looked at", [](CraftedChart& c) { c.BR(日時, L"沖"); }, "true"},
  };
  ExpectVerdicts(
      日德秀氣格, [] { return CraftedChart(L"乙巳", L"乙酉", L"丙子", L"乙丑"); }, cases);
}

// Sets the count of combinations of an element (elementCombinationCounts, all kinds).
void Combinations(CraftedChart& c, Element e, int n) {
  c.chart().elementCombinationCounts[chart::kAllCombinationsBase +
                                     chart::NameIndex(chart::kCombinationElementOrder,
                                                      chart::kElementsByProduction[e])] = n;
}

TEST(FollowingAndSolitaryPatterns, VirtuesOfHeavenAndEarthCombine) {
  // 甲子 day and 己丑 hour combining in stems and branches; two branch combinations.
  const PatternCase cases[] = {
      {"day and hour combine", nullptr, "true"},
      {"stems only", [](CraftedChart& c) { c.BR(時日, L""); }, "no candidate"},
      {"month and year combine in the other directions",
       [](CraftedChart& c) { c.SR(日時, L"").SR(年月, L"合金").BR(月年, L"合土"); }, "true"},
      {"three branch combinations", [](CraftedChart& c) { c.relations(branch合, 3); },
       "grey .存在過多的地支合"},
      {"one combination and a frame",
       [](CraftedChart& c) {
         c.relations(branch合, 1);
         c.chart().hasFrame = 1;
       },
       "true"},
      {"a harm and a punishment, halved away",
       [](CraftedChart& c) { c.relations(害, 1).relations(刑, 1); }, "true"},
      {"a break and a clash written 衝",
       [](CraftedChart& c) { c.relations(破, 1).relations(branch衝, 1); }, "grey .存在剋刑衝破害"},
      {"combinations of water and fire",
       [](CraftedChart& c) {
         Combinations(c, 水, 1);
         Combinations(c, 火, 1);
       },
       "grey"},
      {"a combination of metal, which controls 甲", [](CraftedChart& c) { Combinations(c, 金, 1); },
       "grey .天或地剋己身"},
  };
  ExpectVerdicts(
      天地德合格,
      [] {
        CraftedChart c(L"庚申", L"丙寅", L"甲子", L"己丑");
        c.SR(日時, L"合土").BR(時日, L"合土").relations(branch合, 2);
        Combinations(c, 土, 2);
        return c;
      },
      cases);
}

// 天地德合格 true: the green heading and its true slot, but neither the count nor the list.
TEST(FollowingAndSolitaryPatterns, VirtuesOfHeavenAndEarthIsGreenAndUncounted) {
  CraftedChart chart(L"庚申", L"丙寅", L"甲子", L"己丑");
  chart.SR(日時, L"合土").BR(時日, L"合土").relations(branch合, 2);
  const std::wstring block = PatternBlock(chart.chart(), 天地德合格);
  EXPECT_EQ(U8(block), U8(L"<br><font color = #00FF00>[天地德合格]</font>" +
                          PoolText(kPatternVerses, {L"天地德合格", L"1"})));
  EXPECT_EQ(chart.chart().truePatternFlags[62], 1);
  EXPECT_EQ(chart.chart().candidatePatternFlags[62], 1);
  EXPECT_EQ(chart.chart().candidatePatternCount, 1);
  EXPECT_EQ(chart.chart().truePatternCount, 0);
  EXPECT_EQ(chart.chart().truePatternList, L"");
}

TEST(FollowingAndSolitaryPatterns, SalaryAndHorseInOneVillage) {
  // 壬午 day with a punishment counted and no clash or combination at the day branch.
  const PatternCase cases[] = {
      {"壬午 day with a punishment", nullptr, "true"},
      {"癸巳 day", [](CraftedChart& c) { c.pillar(日, L"癸巳"); }, "true"},
      {"壬子 day", [](CraftedChart& c) { c.pillar(日, L"壬子"); }, "no candidate"},
      {"no punishment", [](CraftedChart& c) { c.relations(刑, 0); }, "grey .不存在刑"},
      {"day to hour 沖", [](CraftedChart& c) { c.BR(日時, L"沖"); }, "grey .存在衝"},
      {"month to day combines", [](CraftedChart& c) { c.BR(月日, L"合火"); }, "grey .存在合"},
      {"year to month 沖 is not looked at", [](CraftedChart& c) { c.BR(年月, L"沖"); }, "true"},
      {"all three", [](CraftedChart& c) { c.relations(刑, 0).BR(時日, L"沖").BR(日月, L"合土"); },
       "grey .不存在刑 .存在衝 .存在合"},
  };
  ExpectVerdicts(
      祿馬同鄉格,
      [] {
        CraftedChart c(L"甲寅", L"丙寅", L"壬午", L"丁未");
        c.relations(刑, 1);
        return c;
      },
      cases);
}

TEST(FollowingAndSolitaryPatterns, SixWeak) {
  // 甲 day in a 丑 month with 壬 癸 壬 among the stems.
  const PatternCase cases[] = {
      {"water three times", nullptr, "true"},
      {"乙 day", [](CraftedChart& c) { c.pillar(日, L"乙子"); }, "true"},
      {"寅 month", [](CraftedChart& c) { c.pillar(月, L"癸寅"); }, "no candidate"},
      {"water twice", [](CraftedChart& c) { c.pillar(時, L"丙申"); }, "grey .水多則貴但水不夠多"},
      {"water twice and once hidden", [](CraftedChart& c) { c.pillar(時, L"丙申").hiddenStem(癸); },
       "true"},
      {"metal three times", [](CraftedChart& c) { c.hiddenStem(庚).hiddenStem(辛).hiddenStem(辛); },
       "grey .金多則折"},
  };
  ExpectVerdicts(
      六弱格, [] { return CraftedChart(L"壬子", L"癸丑", L"甲子", L"壬申"); }, cases);
}

TEST(FollowingAndSolitaryPatterns, TwoStemsInARow) {
  const PatternCase cases[] = {
      {"甲 甲 丙 丙", nullptr, "true"},
      {"乙 甲 丙 丙", [](CraftedChart& c) { c.pillar(年, L"乙丑"); }, "no candidate"},
      {"one punishment", [](CraftedChart& c) { c.relations(刑, 1); }, "true"},
      {"a punishment and a harm", [](CraftedChart& c) { c.relations(刑, 1).relations(害, 1); },
       "grey .存在刑衝破害"},
      {"two clashes written 沖", [](CraftedChart& c) { c.relations(branch沖, 2); }, "true"},
  };
  ExpectVerdicts(
      兩干連珠格, [] { return CraftedChart(L"甲子", L"甲戌", L"丙寅", L"丙申"); }, cases);
  // Texts that are no stems are never alike.
  CraftedChart empty(L"", L"", L"", L"");
  EXPECT_EQ(Verdict(empty.chart(), 兩干連珠格), "no candidate");
}

// Each block shows its own wording of the verses it has whole and the source's verses after the
// first; a verse no source gives is left out, and 棄命從煞格's passage, of which only the opening
// is known, is left out whole.
TEST(FollowingAndSolitaryPatterns, VersesAreTheQuotedAndTheSourced) {
  struct Case {
    const PatternSlots& pattern;
    std::size_t verses;
  };
  const Case cases[] = {
      {夾坵格, 3},     {福德格, 1},     {棄命從煞格, 0}, {棄命從財格, 1},
      {專印合官格, 1}, {專財格, 1},     {時馬格, 2},     {日德秀氣格, 1},
      {天地德合格, 1}, {祿馬同鄉格, 2}, {六弱格, 1},     {兩干連珠格, 1},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(U8(k.pattern.name));
    EXPECT_EQ(CatalogueRecord(k.pattern.name).verses.size(), k.verses);
  }
  // The quotes stand for the sources' other wordings of the same verse.
  EXPECT_EQ(CatalogueRecord(棄命從財格.name).verses.front(),
            L"<br>日主無根財犯重，全憑印旺身官；逢生必主興家業，破印紛紛總是空。");
  EXPECT_EQ(CatalogueRecord(夾坵格.name).verses.front(),
            L"<br>己卯相逢己巳時，黑豬得遇水為奇；金牛水申相見後，丙庚戊子夾坵隨。");
  EXPECT_EQ(CatalogueRecord(夾坵格.name).verses[2], PoolText(kPatternVerses, {L"夾坵格", L"3"}));
  EXPECT_EQ(CatalogueRecord(祿馬同鄉格.name).verses[1],
            PoolText(kPatternVerses, {L"祿馬同鄉格", L"2"}));
}

}  // namespace
}  // namespace interpretation
