#include <gtest/gtest.h>

#include "interpretation/pattern_test_support.h"

namespace interpretation {
namespace {

using namespace notation;

// 陽刃格: a 甲 day whose month 刃 the star rules counted into slot 20, with a 正官 year stem.
CraftedChart MonthBladeBase() {
  CraftedChart c(L"辛未", L"丁卯", L"甲子", L"丙寅");
  c.precount(陽刃格, 1).stemGod(年, 正官);
  return c;
}

TEST(MonthBladePattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"no month 刃 counted", [](CraftedChart& c) { c.precount(陽刃格, 0); }, "no candidate"},
      {"1", [](CraftedChart& c) { c.stemGod(年, 正官, -1); }, "grey .財官未透天"},
      {"2", [](CraftedChart& c) { c.star(返呤, 2).star(空亡, 2).star(魁罡, 1); },
       "grey .併見返呤空亡與魁罡"},
      {"2 holds with one 空亡",
       [](CraftedChart& c) { c.star(返呤, 2).star(空亡, 1).star(魁罡, 1); }, "true"},
      {"3: 正財 beside 正印",
       [](CraftedChart& c) { c.stemGod(年, 正官, -1).stemGod(年, 正財).stemGod(月, 正印); },
       "grey .年月天干印財併鄰"},
      {"3: 劫財 beside 正財",
       [](CraftedChart& c) { c.stemGod(年, 正官, -1).stemGod(年, 劫財).stemGod(月, 正財); },
       "grey .年月天干劫財剋正財"},
      {"3: 比肩 beside 偏財",
       [](CraftedChart& c) { c.stemGod(年, 正官, -1).stemGod(年, 比肩).stemGod(月, 偏財); },
       "grey .年月天干比肩剋偏財"},
      {"4: a wood frame on a wood day", [](CraftedChart& c) { c.frame(木); },
       "grey .方局致使身過強"},
      {"5: the condition of W8", [](CraftedChart& c) { c.fireWater(11, 0); },
       "grey .火遠多於水身易有疾或有大災"},
      {"5 holds at a quotient of 3", [](CraftedChart& c) { c.fireWater(7, 2); }, "true"},
      {"6: the year joins the month", [](CraftedChart& c) { c.BR(年月, L"合火"); },
       "grey .月日地支出現合"},
      {"6: the day joins the month", [](CraftedChart& c) { c.BR(日月, L"合木"); },
       "grey .月年地支出現合"},
      {"6: the month punishes the day", [](CraftedChart& c) { c.BR(月日, L"刑"); },
       "grey .存在刑衝破害"},
      {"6: the year harms the month", [](CraftedChart& c) { c.BR(年月, L"害"); },
       "grey .存在刑衝破害"},
      {"6: a harm from the month is allowed", [](CraftedChart& c) { c.BR(月日, L"害"); }, "true"},
  };
  ExpectVerdicts(陽刃格, MonthBladeBase, cases);
}

TEST(MonthBladePattern, ReadsAndRewritesItsPrecountedSlot) {
  struct Case {
    int precount;
    bool entered;
    int trueSlot, candidateSlot;
  };
  const Case cases[] = {
      {0, true, 0, 0},   // not a candidate: the 0 counted stays
      {1, true, 1, 1},   // true: rewritten to 1
      {2, true, 1, 1},   // two counts, true: 1
      {2, false, 0, 1},  // a candidate that is not true: 0, whatever the count
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << k.precount << (k.entered ? " true" : " not true"));
    CraftedChart c = MonthBladeBase();
    c.precount(陽刃格, k.precount);
    if (!k.entered) {
      c.stemGod(年, 正官, -1);
    }
    Verdict(c.chart(), 陽刃格);
    EXPECT_EQ(c.chart().truePatternFlags[20], k.trueSlot);
    EXPECT_EQ(c.chart().candidatePatternFlags[22], k.candidateSlot);
  }
}

// 羊刃比肩格: 比肩 hidden in the month and a month blade.
CraftedChart BladePeerBase() {
  CraftedChart c(L"辛未", L"丁卯", L"甲子", L"丙寅");
  c.hidden(月, 比肩).list(月, 羊刃);
  return c;
}

TEST(BladePeerPattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"no 比肩", [](CraftedChart& c) { c.hidden(月, 比肩, -1); }, "no candidate"},
      {"no 羊刃", [](CraftedChart& c) { c.star(羊刃, 0); }, "no candidate"},
      {"4", [](CraftedChart& c) { c.hidden(月, 比肩, -1).hidden(日, 比肩); },
       "grey .月地支干藏要有比肩"},
      {"1", [](CraftedChart& c) { c.TG(偏官, 1).TG(傷官, 1); }, "grey .七煞傷官為禍"},
      {"2", [](CraftedChart& c) { c.TG(正印, 3); }, "grey .印為患"},
      {"3", [](CraftedChart& c) { c.stemGod(年, 比肩); }, "grey .不宜比肩天邊露運至重逢反又凶"},
      {"5: the month blade clashed by the year", [](CraftedChart& c) { c.BR(年月, L"沖"); },
       "grey .存在衝"},
      {"5: a year blade stands then", [](CraftedChart& c) { c.BR(年月, L"沖").list(年, 羊刃); },
       "true"},
      {"5: a day blade stands then", [](CraftedChart& c) { c.BR(年月, L"沖").list(日, 羊刃); },
       "true"},
      {"5: a day blade clashed by the hour",
       [](CraftedChart& c) { c.BR(年月, L"沖").list(日, 羊刃).BR(時日, L"沖"); }, "grey .存在衝"},
      {"5: an hour blade alone does not stand",
       [](CraftedChart& c) {
         c = CraftedChart(L"辛未", L"丁卯", L"甲子", L"丙寅");
         c.hidden(月, 比肩).list(時, 羊刃);
       },
       "grey .存在衝"},
  };
  ExpectVerdicts(羊刃比肩格, BladePeerBase, cases);
}

// 七煞羊刃格: a hidden 偏官, a month blade and 劫財 hidden in the month.
CraftedChart KillingBladeBase() {
  CraftedChart c(L"辛未", L"丁卯", L"甲子", L"丙寅");
  c.hidden(日, 偏官).list(月, 羊刃).hidden(月, 劫財);
  return c;
}

TEST(KillingBladePattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"no 偏官", [](CraftedChart& c) { c.hidden(日, 偏官, -1); }, "no candidate"},
      {"2: more 偏財 than 比肩", [](CraftedChart& c) { c.TG(偏財, 1); }, "grey .若見財星禍百端"},
      {"2: more 正財 than 劫財", [](CraftedChart& c) { c.TG(正財, 2); }, "grey .若見財星禍百端"},
      {"4", [](CraftedChart& c) { c.hidden(月, 劫財, -1).hidden(月, 比肩); },
       "grey .月地支應該要存在劫財不是比肩"},
      {"1: a 正財 stem", [](CraftedChart& c) { c.stemGod(年, 正財); }, "grey .天干存在正財"},
      {"1: a 偏財 stem", [](CraftedChart& c) { c.stemGod(時, 偏財).TG(比肩, 1); },
       "grey .天干存在偏財"},
      {"3, with wealth under the year blade",
       [](CraftedChart& c) {
         c = CraftedChart(L"辛未", L"丁卯", L"甲子", L"丙寅");
         c.hidden(日, 偏官).list(年, 羊刃).hidden(月, 劫財).hidden(年, 正財);
       },
       "grey .羊刃須出現在月支 .年支存在財"},
      {"wealth under the month blade is a reason only",
       [](CraftedChart& c) { c.hidden(月, 偏財).TG(比肩, 1); }, "true"},
      {"wealth under the month blade, shown when grey",
       [](CraftedChart& c) { c.hidden(月, 偏財).TG(比肩, 1).BR(月年, L"沖"); },
       "grey .月支存在財 .存在衝破害"},
      {"5", [](CraftedChart& c) { c.BR(年月, L"合火"); }, "grey .月日地支出現合"},
      {"5 unless month and day branch are the same",
       [](CraftedChart& c) { c.pillar(日, L"甲卯").BR(年月, L"合火"); }, "true"},
      {"6", [](CraftedChart& c) { c.BR(日月, L"合木"); }, "grey .月年地支出現合"},
      {"6 unless day and hour branch are the same",
       [](CraftedChart& c) { c.pillar(時, L"丙子").BR(日月, L"合木"); }, "true"},
      {"7", [](CraftedChart& c) { c.BR(年月, L"破"); }, "grey .存在衝破害"},
  };
  ExpectVerdicts(七煞羊刃格, KillingBladeBase, cases);
}

// 日刃格: a 戊午 day with an officer and no 子.
CraftedChart DayBladeBase() {
  CraftedChart c(L"辛未", L"丁卯", L"戊午", L"丙辰");
  c.TG(正官, 1);
  return c;
}

TEST(DayBladePattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true (a 午 day with its 午)", nullptr, "true"},
      {"a 甲午 day", [](CraftedChart& c) { c.pillar(日, L"甲午"); }, "no candidate"},
      {"a 丙午 day", [](CraftedChart& c) { c.pillar(日, L"丙午"); }, "true"},
      {"a 壬子 day", [](CraftedChart& c) { c.pillar(日, L"壬子"); }, "true"},
      {"1: 子 beside a 午 day", [](CraftedChart& c) { c.pillar(年, L"辛子"); },
       "grey .日地支午其他地支不可有子"},
      {"1: 午 beside a 子 day", [](CraftedChart& c) { c.pillar(日, L"壬子").pillar(年, L"甲午"); },
       "grey .日地支子其他地支不可有午"},
      {"4", [](CraftedChart& c) { c.TG(正官, 0); }, "grey .不存在官煞制刃"},
      {"2", [](CraftedChart& c) { c.TG(正財, 1); }, "grey .存在正財"},
      {"5: 傷官 in the year branch", [](CraftedChart& c) { c.hidden(年, 傷官); },
       "grey .年柱出現傷官"},
      {"5: a 劫財 year stem", [](CraftedChart& c) { c.stemGod(年, 劫財); }, "grey .年柱出現劫財"},
      {"3", [](CraftedChart& c) { c.star(魁罡, 1); }, "grey .存在魁罡"},
      {"6: 伏吟", [](CraftedChart& c) { c.star(伏吟, 1); }, "grey .存在伏吟"},
      {"6: 返呤", [](CraftedChart& c) { c.star(返呤, 1); }, "grey .存在返呤"},
      {"7", [](CraftedChart& c) { c.frame(火); }, "grey .存在三合"},
      {"a relation is a reason only", [](CraftedChart& c) { c.BR(日月, L"沖"); }, "true"},
      {"a relation, shown when grey", [](CraftedChart& c) { c.star(伏吟, 1).BR(時日, L"合火"); },
       "grey .存在伏吟 .存在刑衝破害合"},
  };
  ExpectVerdicts(日刃格, DayBladeBase, cases);
}

// 刑合格: a 癸 day with a 甲寅 hour.
CraftedChart PunishmentJoinBase() { return CraftedChart(L"乙卯", L"丁亥", L"癸丑", L"甲寅"); }

TEST(PunishmentJoinPattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"a 甲子 hour", [](CraftedChart& c) { c.pillar(時, L"甲子"); }, "no candidate"},
      {"a 壬 day", [](CraftedChart& c) { c.pillar(日, L"壬丑"); }, "no candidate"},
      {"庚", [](CraftedChart& c) { c.pillar(年, L"庚卯"); }, "grey .存在庚或戊或己"},
      {"巳", [](CraftedChart& c) { c.pillar(年, L"乙巳"); }, "grey .存在申或巳"},
      {"己 and 申", [](CraftedChart& c) { c.pillar(年, L"己申"); },
       "grey .存在庚或戊或己 .存在申或巳"},
  };
  ExpectVerdicts(刑合格, PunishmentJoinBase, cases);
}

// 倒衝格: a 丙午 day without 未, water or officers.
CraftedChart ReverseClashBase() { return CraftedChart(L"甲寅", L"丙寅", L"丙午", L"甲午"); }

TEST(ReverseClashPattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"a 丙午 day with 未", [](CraftedChart& c) { c.pillar(年, L"甲未"); }, "no candidate"},
      {"a 丁巳 day with 辰", [](CraftedChart& c) { c.pillar(日, L"丁巳").pillar(年, L"甲辰"); },
       "no candidate"},
      {"a 丁巳 day", [](CraftedChart& c) { c.pillar(日, L"丁巳"); }, "true"},
      {"a 戊午 day", [](CraftedChart& c) { c.pillar(日, L"戊午"); }, "true"},
      {"a 戊午 day with one 正財", [](CraftedChart& c) { c.pillar(日, L"戊午").TG(正財, 1); },
       "grey .存在正偏財填實倒衝"},
      {"a 戊午 day with an officer", [](CraftedChart& c) { c.pillar(日, L"戊午").TG(偏官, 1); },
       "true"},
      {"hidden 癸", [](CraftedChart& c) { c.hiddenStem(癸); }, "grey .有壬癸水"},
      {"an officer on a 丙 day", [](CraftedChart& c) { c.TG(偏官, 1); }, "grey .存在官殺填實倒衝"},
      {"the month clashes the day", [](CraftedChart& c) { c.BR(月日, L"沖"); },
       "grey .存在衝破害合"},
      {"the year joins the month", [](CraftedChart& c) { c.BR(年月, L"合火"); },
       "grey .存在衝破害合"},
      {"the month breaks the year", [](CraftedChart& c) { c.BR(月年, L"破"); }, "true"},
  };
  ExpectVerdicts(倒衝格, ReverseClashBase, cases);
}

// 金神格: a 甲 day with a 乙丑 hour, 丙 and 丁 among the stems, 偏官 and 羊刃.
CraftedChart MetalSpiritBase() {
  CraftedChart c(L"丙寅", L"丁卯", L"甲子", L"乙丑");
  c.TG(偏官, 1).star(羊刃, 1);
  return c;
}

TEST(MetalSpiritPattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"a 丙丑 hour", [](CraftedChart& c) { c.pillar(時, L"丙丑"); }, "no candidate"},
      {"a 丙 day", [](CraftedChart& c) { c.pillar(日, L"丙子"); }, "no candidate"},
      {"an 乙 day with a 己巳 hour",
       [](CraftedChart& c) { c.pillar(日, L"乙亥").pillar(時, L"己巳"); }, "true"},
      {"water takes the fire below two", [](CraftedChart& c) { c.hiddenStem(壬); },
       "grey .水剋掉了火太多"},
      {"no 偏官", [](CraftedChart& c) { c.TG(偏官, 0); }, "grey .不存在偏官"},
      {"no 羊刃", [](CraftedChart& c) { c.star(羊刃, 0); }, "grey .不存在羊刃"},
      {"many officers and wealth, shown when grey",
       [](CraftedChart& c) { c.TG(正官, 2).TG(正財, 2).star(羊刃, 0); },
       "grey .存在過多財官 .不存在羊刃"},
  };
  ExpectVerdicts(金神格, MetalSpiritBase, cases);
}

// 魁罡格: a 庚辰 day listing 魁罡, at v旺.
CraftedChart KuigangBase() {
  CraftedChart c(L"甲子", L"丙寅", L"庚辰", L"丁亥");
  c.list(日, 魁罡).DM(8);
  return c;
}

TEST(KuigangPattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"no 魁罡", [](CraftedChart& c) { c.star(魁罡, 0); }, "no candidate"},
      {"1: 魁罡 at the year only",
       [](CraftedChart& c) {
         c = CraftedChart(L"庚辰", L"丙寅", L"甲子", L"丁亥");
         c.list(年, 魁罡).DM(8);
       },
       "grey .魁罡不是在日柱"},
      {"2", [](CraftedChart& c) { c.DM(7); }, "grey .身強弱度不足"},
      {"3: the month joins the day", [](CraftedChart& c) { c.BR(月日, L"合金"); },
       "grey .魁罡存在衝破害合"},
      {"4: the hour clashes the day", [](CraftedChart& c) { c.BR(時日, L"衝"); },
       "grey .魁罡存在衝破害合"},
      {"4: the month harms the day", [](CraftedChart& c) { c.BR(月日, L"害"); },
       "grey .魁罡存在衝破害合"},
      {"two 魁罡 on the day's branch: an hour clash does not reject",
       [](CraftedChart& c) { c.pillar(月, L"壬辰").list(月, 魁罡).BR(時日, L"沖"); }, "true"},
      {"two 魁罡 on the day's branch: a 合 does, with no reason",
       [](CraftedChart& c) { c.pillar(月, L"壬辰").list(月, 魁罡).BR(時日, L"合金"); }, "grey"},
      {"a second 魁罡 on another branch does not count",
       [](CraftedChart& c) { c.pillar(月, L"壬戌").list(月, 魁罡).BR(時日, L"沖"); },
       "grey .魁罡存在衝破害合"},
  };
  ExpectVerdicts(魁罡格, KuigangBase, cases);

  // Green, neither counted nor listed, no true slot.
  CraftedChart entered = KuigangBase();
  const std::wstring green = L"<br><font color = #00FF00>[魁罡格]</font>";
  EXPECT_EQ(U8(PatternBlock(entered.chart(), 魁罡格).substr(0, green.size())), U8(green));
  EXPECT_EQ(entered.chart().truePatternCount, 0);
  EXPECT_EQ(entered.chart().truePatternList, L"");
  EXPECT_EQ(entered.chart().candidatePatternFlags[17], 1);
  EXPECT_EQ(entered.chart().truePatternFlags[17], 0);
}

TEST(BladeAndClashPatterns, Verses) {
  struct Case {
    PatternSlots pattern;
    std::size_t count;
    std::wstring_view first;
  };
  const Case cases[] = {
      {陽刃格, 1, L"<br>羊刃嫌衝合歲君，流年遇此此災迍；三刑七煞如交遇，必定閻王出引尋。"},
      {羊刃比肩格, 3, L"<br>傷官不忌比相逢，七煞無根理亦同；若忌無根只忌比，身強遇比劫嫌重。"},
      {七煞羊刃格, 1, L"<br>羊刃重逢豈有傷，主人心性氣剛強，刑衝太重伙凶厄，有制方為保吉昌。"},
      {日刃格, 3, L"<br>日刃還如羊刃同，官星七煞喜相逢；歲君若也無傷劫，支上刑衝立武功。"},
      {刑合格, 6, L"<br>六癸生人時甲寅，假名刑合亦非真；月令若加亥子位，傷官格內倒推尋。"},
      {倒衝格, 4, L"<br>丙日須逢午字沖，午能衝子吉相逢；不須論合干嫌水，子癸相逢再見凶。"},
      {金神格, 5, L"<br>甲午時上見金神，殺刃相臨真貴人；火木運中財祿發，如逢金生必傷身。"},
      {魁罡格, 4, L"<br>星平會海全書 卷十云："},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(U8(k.pattern.name));
    const PatternRecord& record = CatalogueRecord(k.pattern.name);
    ASSERT_EQ(record.verses.size(), k.count);
    EXPECT_EQ(U8(record.verses.front()), U8(k.first));
  }
  const auto& kuigang = CatalogueRecord(魁罡格.name).verses;
  EXPECT_EQ(U8(kuigang[1]), U8(L"<br>神峰通考券三 古歌云："));
  EXPECT_EQ(U8(kuigang[2]), U8(L"<br>子平真銓："));
  EXPECT_EQ(U8(kuigang[3]), U8(L"<br>認為此不應取格。"));
}

}  // namespace
}  // namespace interpretation
