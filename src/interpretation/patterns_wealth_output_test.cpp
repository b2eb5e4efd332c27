#include <gtest/gtest.h>

#include "interpretation/pattern_test_support.h"

namespace interpretation {
namespace {

using namespace notation;

// 正財格: a 甲 day with 正財 hidden in the month and heaviest, a 正官 year stem and a 正財 hour
// stem, three 比肩 (clause a).
CraftedChart WealthBase() {
  CraftedChart c(L"辛卯", L"丙午", L"甲子", L"己巳");
  c.hidden(月, 正財).heaviest(L"正財", L"比肩", L"偏官").stemGod(年, 正官).stemGod(時, 正財);
  c.TG(比肩, 3);
  return c;
}

TEST(WealthPattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true by clause a", nullptr, "true"},
      {"no 正財 in the month, two in all", [](CraftedChart& c) { c.hidden(月, 正財, -1); },
       "no candidate"},
      {"three 正財", [](CraftedChart& c) { c.hidden(月, 正財, -1).hidden(日, 正財, 2); }, "true"},
      {"1", [](CraftedChart& c) { c.heaviest(L"比肩", L"劫財", L"偏官"); }, "grey .正財不夠強"},
      {"2", [](CraftedChart& c) { c.stemGod(月, 劫財).hidden(日, 劫財); },
       "grey .月天干及月地支干藏存在劫財剋掉了正財"},
      {"3: yang, the partner 比肩 in the month", [](CraftedChart& c) { c.hidden(月, 比肩); },
       "grey .月地支干藏存在比肩掉正財"},
      {"3: yin, the partner 偏印 in the month",
       [](CraftedChart& c) { c.pillar(日, L"乙丑").hidden(月, 偏印); },
       "grey .月地支干藏存在偏印合掉正財"},
      {"4 and clause a", [](CraftedChart& c) { c.TG(比肩, 1); },
       "grey .身弱任財 .正官露於天干，需要身強"},
      {"5 and clause e", [](CraftedChart& c) { c.stemGod(月, 偏官); },
       "grey .身弱任財官煞過多 .天干出現偏官，需以合煞存財，或以食神制煞生存，或以偏印化煞"},
      {"6", [](CraftedChart& c) { c.stemGod(月, 傷官); }, "grey .傷官露於天干，無正印剋制"},
      {"7", [](CraftedChart& c) { c.stemGod(年, 正官, -1); },
       "grey .財露於天干，官與印也必須露於天干或藏於月支 .財露於天干，必須官露以防劫財"},
      {"no officer stem, a strong day master without 食神 and 劫財 stems",
       [](CraftedChart& c) { c.stemGod(年, 正官, -1).hidden(月, 正印).DM(2); },
       "grey .財露於天干，必須官露以防劫財 .身強無官露，需要有食神劫財露於干"},
      {"the same, weaker than v囚",
       [](CraftedChart& c) { c.stemGod(年, 正官, -1).hidden(月, 正印).DM(1); },
       "grey .財露於天干，必須官露以防劫財"},
      {"clause f fails: a wealth month stem beside a seal year stem",
       [](CraftedChart& c) { c.stemGod(年, 正官, -1).stemGod(年, 正印).stemGod(月, 偏財); },
       "grey .財露於天干，必須官露以防劫財 .財印齊露於天干不可併鄰"},
      {"clause f: a seal month stem beside no wealth",
       [](CraftedChart& c) { c.stemGod(年, 正官, -1).stemGod(月, 正印); }, "true"},
      {"食神 month stem beside 偏印",
       [](CraftedChart& c) { c.stemGod(年, 正官, -1).stemGod(年, 偏印).stemGod(月, 食神); },
       "grey .財露於天干，必須官露以防劫財 .食神與偏印太接近"},
      {"傷官 month stem beside 正印",
       [](CraftedChart& c) { c.stemGod(年, 正官, -1).stemGod(年, 正印).stemGod(月, 傷官); },
       "grey .財露於天干，必須官露以防劫財 .傷官與正印太接近"},
      {"clause e: 偏官 met by 食神",
       [](CraftedChart& c) {
         c.stemGod(年, 正官, -1).stemGod(年, 偏官).stemGod(月, 食神).hidden(月, 偏官);
       },
       "true"},
      {"8", [](CraftedChart& c) { c.BR(年月, L"破"); }, "grey .非雜氣財而出現破合"},
      {"9", [](CraftedChart& c) { c.BR(日月, L"合土"); }, "grey .非雜氣財而出現破合"},
      {"9 unless month and year branch are the same",
       [](CraftedChart& c) { c.pillar(年, L"辛午").BR(日月, L"合土"); }, "true"},
      {"8 unless the month is of mixed qi",
       [](CraftedChart& c) { c.pillar(月, L"丙辰").BR(年月, L"破"); }, "true"},
  };
  ExpectVerdicts(正財格, WealthBase, cases);
}

// 偏財格: a 甲 day with 偏財 and 正官 hidden in the month, 偏財 heaviest, a 正官 year stem, a 偏財
// hour stem and three 比肩.
CraftedChart IndirectWealthBase() {
  CraftedChart c(L"辛卯", L"丙午", L"甲子", L"戊辰");
  c.hidden(月, 偏財).heaviest(L"偏財", L"比肩", L"偏官").stemGod(年, 正官).stemGod(時, 偏財);
  c.hidden(月, 正官).TG(比肩, 3).DM(8);
  return c;
}

TEST(IndirectWealthPattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true by clause a", nullptr, "true"},
      {"no 偏財 in the month, two in all", [](CraftedChart& c) { c.hidden(月, 偏財, -1); },
       "no candidate"},
      {"1", [](CraftedChart& c) { c.heaviest(L"比肩", L"劫財", L"偏官"); }, "grey .偏財比重不夠重"},
      {"2 and 5 fail with a weak day master", [](CraftedChart& c) { c.DM(2).TG(比肩, 1); },
       "grey .身弱任財 .身弱任財 .正官露於天干，需要身強"},
      {"3", [](CraftedChart& c) { c.hidden(月, 比肩); }, "grey .比肩剋掉了偏財"},
      {"4: yang, the partner 正印 in the month", [](CraftedChart& c) { c.hidden(月, 正印); },
       "grey .月地支干藏存在正印合掉偏財"},
      {"4: yin, the partner 劫財 in the month, no 正官",
       [](CraftedChart& c) {
         c.pillar(日, L"乙丑").stemGod(年, 正官, -1).hidden(月, 正官, -1).hidden(月, 劫財);
       },
       "grey .月地支干藏存在劫財合掉偏財 .財露於天干，官與印也必須露於天干或藏於月支"
       " .財露於天干，必須官露以防劫財 .身強無官露，需要有食神劫財露於干"},
      {"6: two officer stems (its reason needs more than two)",
       [](CraftedChart& c) { c.stemGod(月, 偏官).TG(比肩, 4); },
       "grey .天干出現偏官，需以合煞存財，或以食神制煞生存，或以偏印化煞"},
      {"7", [](CraftedChart& c) { c.stemGod(月, 傷官); }, "grey .傷官露於天干，無正印剋制"},
      {"clause b: 食神 and 劫財 stems with v囚",
       [](CraftedChart& c) { c.stemGod(年, 正官, -1).stemGod(年, 食神).stemGod(月, 劫財).DM(2); },
       "true"},
      {"clause b fails below v囚",
       [](CraftedChart& c) { c.stemGod(年, 正官, -1).stemGod(年, 食神).stemGod(月, 劫財).DM(1); },
       "grey .財露於天干，必須官露以防劫財"},
      {"clause f: a 壬 day in a 巳 month",
       [](CraftedChart& c) { c.stemGod(年, 正官, -1).pillar(日, L"壬子").pillar(月, L"丙巳"); },
       "true"},
      {"10", [](CraftedChart& c) { c.BR(日月, L"破"); }, "grey .非雜氣財而出現破合"},
  };
  ExpectVerdicts(偏財格, IndirectWealthBase, cases);
}

TEST(WealthPatterns, HiddenWealthPassesTheLastClauseOfIndirectWealthOnly) {
  CraftedChart c(L"辛卯", L"丙午", L"甲子", L"丁卯");
  c.hidden(月, 偏財).hidden(月, 正財).heaviest(L"偏財", L"比肩", L"正財").DM(8);
  EXPECT_EQ(Verdict(c.chart(), 偏財格), "true");
  EXPECT_EQ(Verdict(c.chart(), 正財格), "grey .身強無官露，需要有食神劫財露於干");
}

// 時上偏財格: 偏財 hidden at the hour, day master at v相, one 正官.
CraftedChart HourWealthBase() {
  CraftedChart c(L"辛卯", L"丙午", L"甲子", L"丁辰");
  c.hidden(時, 偏財).DM(5).TG(正官, 1);
  return c;
}

TEST(HourWealthPattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"no 偏財 at the hour", [](CraftedChart& c) { c.hidden(時, 偏財, -1); }, "no candidate"},
      {"a 偏財 hour stem", [](CraftedChart& c) { c.hidden(時, 偏財, -1).stemGod(時, 偏財); },
       "true"},
      {"weaker than v相", [](CraftedChart& c) { c.DM(4); }, "grey.身強弱度不足"},
      {"劫財 (and officers no more than 比肩 and 劫財)", [](CraftedChart& c) { c.TG(劫財, 1); },
       "grey.存在劫財.偏財身旺要官星，運入官鄉發利名；兄弟若來分奪去，功名不遂禍隨生。"},
      {"羊刃", [](CraftedChart& c) { c.star(羊刃, 1); }, "grey.出現羊刃"},
      {"比肩 as many as the officers", [](CraftedChart& c) { c.TG(比肩, 1); },
       "grey.偏財身旺要官星，運入官鄉發利名；兄弟若來分奪去，功名不遂禍隨生。"},
      {"the hour clashes the month", [](CraftedChart& c) { c.BR(時月, L"沖"); },
       "grey .存在衝破害"},
      {"the day harms the hour", [](CraftedChart& c) { c.BR(日時, L"害"); }, "grey .存在衝破害"},
      {"the hour breaks the day", [](CraftedChart& c) { c.BR(時日, L"破"); }, "true"},
  };
  ExpectVerdicts(時上偏財格, HourWealthBase, cases);

  // True, it raises the true slot of 偏財格; its candidate slot is its own.
  CraftedChart entered = HourWealthBase();
  EXPECT_EQ(Verdict(entered.chart(), 時上偏財格), "true");
  EXPECT_EQ(entered.chart().truePatternFlags[11], 1);
  EXPECT_EQ(entered.chart().candidatePatternFlags[12], 1);
  EXPECT_EQ(entered.chart().candidatePatternFlags[11], 0);
}

// 食神格: a 甲 day with 食神 hidden in the month and heaviest, 比肩 weighing 14.
CraftedChart EatingGodBase() {
  CraftedChart c(L"辛卯", L"丙午", L"甲子", L"己巳");
  c.hidden(月, 食神).heaviest(L"食神", L"比肩", L"偏財").weight(比肩, 14);
  return c;
}

TEST(EatingGodPattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"no 食神 in the month", [](CraftedChart& c) { c.hidden(月, 食神, -1); }, "no candidate"},
      {"a 食神 stem and two 食神",
       [](CraftedChart& c) { c.hidden(月, 食神, -1).stemGod(年, 食神).hidden(日, 食神); }, "true"},
      {"1", [](CraftedChart& c) { c.heaviest(L"比肩", L"偏財", L"正財"); }, "grey .食神不夠強"},
      {"1 by a fire frame on a wood day",
       [](CraftedChart& c) { c.heaviest(L"比肩", L"偏財", L"正財").frame(火); }, "true"},
      {"9 (and 13)", [](CraftedChart& c) { c.stemGod(年, 傷官); }, "grey偏正疊出富貴不巨"},
      {"10", [](CraftedChart& c) { c.weight(比肩, 13); }, "grey .比劫印過輕"},
      {"2", [](CraftedChart& c) { c.list(月, 空亡); }, "grey .月地支空亡"},
      {"3", [](CraftedChart& c) { c.stage(月, L"死"); }, "grey .食神印綬怕死絕"},
      {"5: a woman's 正官 year stem over 傷官",
       [](CraftedChart& c) { c.sex(L"女").stemGod(年, 正官).hidden(年, 傷官); },
       "grey .女命夫星正官被剋"},
      {"5: a man's", [](CraftedChart& c) { c.sex(L"男").stemGod(年, 正官).hidden(年, 傷官); },
       "true"},
      {"4: a water frame on a wood day", [](CraftedChart& c) { c.frame(水); },
       "grey方局發生印剋食"},
      {"6, 12 and 16", [](CraftedChart& c) { c.hidden(月, 偏印).hidden(日, 偏印); },
       "grey食神被偏印剋光了 .印多傷食 .月地支存在印綬剋食神"},
      {"12", [](CraftedChart& c) { c.hidden(日, 正印, 2); }, "grey .印多傷食"},
      {"14", [](CraftedChart& c) { c.stemGod(年, 偏印); }, "grey .天干有印無煞"},
      {"7", [](CraftedChart& c) { c.stemGod(月, 食神).TG(食神, 4); },
       "grey食神月柱干支都有且四柱太多洩氣太過"},
      {"8 and 20", [](CraftedChart& c) { c.SR(日月, L"剋").BR(月日, L"沖"); },
       "grey .日月柱間存在天剋地衝 .非雜氣而出現破害"},
      {"11 (and 15)",
       [](CraftedChart& c) { c.stemGod(年, 正官).stemGod(月, 偏官).stemGod(時, 偏官); },
       "grey .官殺混雜"},
      {"many 比劫 and little wealth, shown when grey",
       [](CraftedChart& c) { c.TG(比肩, 3).list(月, 空亡); }, "grey .月地支空亡 .比劫多財也要多"},
      {"many 比劫 and little wealth, true", [](CraftedChart& c) { c.TG(比肩, 3); }, "true"},
      {"17", [](CraftedChart& c) { c.BR(年月, L"合土"); }, "grey .月地支出現合"},
      {"17 unless month and day branch are the same",
       [](CraftedChart& c) { c.pillar(日, L"甲午").BR(年月, L"合土"); }, "true"},
      {"18", [](CraftedChart& c) { c.BR(日月, L"合土"); }, "grey .月地支出現合"},
      {"18 unless day and hour branch are the same",
       [](CraftedChart& c) { c.pillar(時, L"己子").BR(日月, L"合土"); }, "true"},
      {"19", [](CraftedChart& c) { c.BR(月年, L"刑"); }, "grey .非雜氣而出現破害"},
      {"19 unless the month is of mixed qi",
       [](CraftedChart& c) { c.pillar(月, L"丙辰").BR(月年, L"刑"); }, "true"},
  };
  ExpectVerdicts(食神格, EatingGodBase, cases);
}

// 傷官格: a 戊 day with 傷官 hidden in the month and heaviest, and no officer (clause c).
CraftedChart HurtingOfficerBase() {
  CraftedChart c(L"壬子", L"辛酉", L"戊寅", L"癸亥");
  c.hidden(月, 傷官).heaviest(L"傷官", L"比肩", L"偏財");
  return c;
}

TEST(HurtingOfficerPattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true by clause c", nullptr, "true"},
      {"no 傷官 in the month", [](CraftedChart& c) { c.hidden(月, 傷官, -1); }, "no candidate"},
      {"1", [](CraftedChart& c) { c.heaviest(L"比肩", L"偏財", L"正財"); }, "grey .傷官不夠強"},
      {"2: a fire frame on an earth day", [](CraftedChart& c) { c.frame(火); },
       "grey方局發生印剋食傷"},
      {"3", [](CraftedChart& c) { c.stage(月, L"墓"); }, "grey .七殺傷官忌墓載"},
      {"4: a woman with 正官 in the month", [](CraftedChart& c) { c.sex(L"女").hidden(月, 正官); },
       "grey .女命月地支出現正官被剋 .土金官去反成官(喜印、忌官)"},
      {"一 正官 on an earth day, 偏印 not both among stems and hidden",
       [](CraftedChart& c) { c.hidden(日, 正官).stemGod(年, 偏印); },
       "grey .土金官去反成官(喜印、忌官)"},
      {"clause a: 偏印 both among the stems and hidden",
       [](CraftedChart& c) { c.hidden(日, 正官).stemGod(年, 偏印).hidden(時, 偏印); }, "true"},
      {"5", [](CraftedChart& c) { c.sex(L"女").star(驛馬, 1).star(陽貴, 1); },
       "grey .女命驛馬帶貴人"},
      {"6", [](CraftedChart& c) { c.SR(時日, L"剋").BR(日時, L"沖"); },
       "grey .時日柱間存在天剋地衝"},
      {"control and clash at the month alone",
       [](CraftedChart& c) { c.SR(日月, L"剋").BR(日月, L"沖"); }, "true"},
      {"7", [](CraftedChart& c) { c.SR(日月, L"剋").BR(日月, L"沖").BR(月日, L"破"); },
       "grey .日月柱間存在天剋地衝 .出現剋衝破"},
      {"8", [](CraftedChart& c) { c.hidden(月, 正印); }, "grey .月地支存在印綬剋傷官"},
      {"8 met by 正財 in the year branch",
       [](CraftedChart& c) { c.hidden(月, 正印).hidden(年, 正財); }, "true"},
      {"9 and clause f on a water day",
       [](CraftedChart& c) { c.pillar(日, L"壬寅").hidden(月, 比肩).stemGod(年, 劫財); },
       "grey .過於水寒身有疾 .惟有水木傷官格，財官兩見始為歡"},
      {"clause b on a fire day, read as (A and B) or C",
       [](CraftedChart& c) { c.pillar(日, L"丙寅").stemGod(年, 正官); },
       "grey .火土傷官宜傷盡 .火土傷官宜傷盡 .火土傷官宜傷盡"},
      {"clause b holds on a fire day", [](CraftedChart& c) { c.pillar(日, L"丙寅"); }, "true"},
      {"clause d on a metal day", [](CraftedChart& c) { c.pillar(日, L"庚寅"); },
       "grey .金水傷官要見官"},
      {"clause e on a wood day", [](CraftedChart& c) { c.pillar(日, L"甲寅").hidden(日, 正官); },
       "grey .木火見官官有旺"},
      {"year and month join", [](CraftedChart& c) { c.BR(年月, L"合金"); }, "grey .月地支出現合"},
      {"day and month join", [](CraftedChart& c) { c.BR(日月, L"合金"); }, "grey .月地支出現合"},
      {"year and month join, unless month and day branch are the same",
       [](CraftedChart& c) { c.pillar(日, L"戊酉").BR(年月, L"合金"); }, "true"},
      {"day and month join, unless day and hour branch are the same",
       [](CraftedChart& c) { c.pillar(時, L"癸寅").BR(日月, L"合金"); }, "true"},
  };
  ExpectVerdicts(傷官格, HurtingOfficerBase, cases);
}

// 傷官帶煞格 and 傷官生財格: a 甲 day with the fire frame, 庚 and 戊 among the stems.
CraftedChart FrameBase() {
  CraftedChart c(L"庚午", L"戊寅", L"甲戌", L"丙寅");
  c.frame(火);
  return c;
}

TEST(HurtingOfficerFramePatterns, TestsAndReasons) {
  const PatternCase killing[] = {
      {"candidate and true", nullptr, "true"},
      {"no 庚", [](CraftedChart& c) { c.pillar(年, L"壬午"); }, "no candidate"},
      {"an 乙 day wants 辛", [](CraftedChart& c) { c.pillar(日, L"乙酉"); }, "no candidate"},
      {"no frame", [](CraftedChart& c) { c.chart().threeHarmonyFlags = {}; }, "no candidate"},
      {"wealth", [](CraftedChart& c) { c.TG(偏財, 1); }, "grey .存在正偏財"},
      {"month clashes year", [](CraftedChart& c) { c.BR(月年, L"沖"); }, "grey .出現刑衝破"},
      {"day punishes month", [](CraftedChart& c) { c.BR(日月, L"刑"); }, "grey .出現刑衝破"},
      {"a join has no reason", [](CraftedChart& c) { c.BR(年月, L"合火"); }, "grey"},
      {"a harm has no reason", [](CraftedChart& c) { c.BR(日月, L"害"); }, "grey"},
  };
  ExpectVerdicts(傷官帶煞格, FrameBase, killing);

  const PatternCase wealth[] = {
      {"candidate and true", nullptr, "true"},
      {"an 乙 day with 戊", [](CraftedChart& c) { c.pillar(日, L"乙酉"); }, "true"},
      {"no 戊 or 己", [](CraftedChart& c) { c.pillar(月, L"丙寅"); }, "no candidate"},
      {"an officer", [](CraftedChart& c) { c.TG(正官, 1); }, "grey .存在正偏官"},
      {"day breaks year", [](CraftedChart& c) { c.BR(年月, L"破"); }, "grey .出現刑衝破"},
  };
  ExpectVerdicts(傷官生財格, FrameBase, wealth);
}

TEST(WealthAndOutputPatterns, VersesQuotedWholeStandFirst) {
  struct Case {
    PatternSlots pattern;
    std::size_t count;
    std::wstring_view first;
  };
  const Case cases[] = {
      {正財格, 10, L"<br>財星忌透只宜藏，身旺逢官大吉昌；怕逢兄弟來相會，一生名利被分張。"},
      {偏財格, 1, L"<br>財星忌透只宜藏，身旺逢官大吉昌；怕逢兄弟來相會，一生名利被分張。"},
      {時上偏財格, 6, L"<br>時上偏財一位佳，不逢衝破享榮華；敗財劫刃還無遇，富貴雙全比石家。"},
      {食神格, 10, L"<br>食神生旺，勝似財官；濁之則賤，清之則榮。"},
      {傷官帶煞格, 1,
       L"<br>且如甲乙日生，寅午戌地支全。若干頭有庚辛，則藉庚辛為權，火制之為福。最要行旺運，"
       L"忌見財，得中和為貴。"},
      {傷官生財格, 1,
       L"<br>且如乙日生，地支見寅午戌局全，則自以戊己為財。要行火鄉財運，身旺運；怕官鄉，"
       L"忌刑衝倒，則不吉。"},
      {傷官格, 1,
       L"<br>火土傷官宜傷盡(不喜見官)，金水傷官喜見官(調候)，木火傷官宜配印(以免耗泄過度)，"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(U8(k.pattern.name));
    const PatternRecord& record = CatalogueRecord(k.pattern.name);
    ASSERT_EQ(record.verses.size(), k.count);
    EXPECT_EQ(U8(record.verses.front()), U8(k.first));
  }
}

}  // namespace
}  // namespace interpretation
