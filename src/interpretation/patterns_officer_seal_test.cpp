#include <gtest/gtest.h>

#include "interpretation/pattern_test_support.h"

namespace interpretation {
namespace {

using namespace notation;

// 正官格: a 甲 day with 正官 hidden in the month, 正官 the heaviest ten god and 正印 both among
// the stems and hidden; the four branches differ and no relation is written.
CraftedChart OfficerBase() {
  CraftedChart c(L"丙午", L"辛酉", L"甲子", L"丁卯");
  c.hidden(月, 正官).heaviest(L"正官", L"比肩", L"偏財").stemGod(年, 正印).hidden(日, 正印);
  return c;
}

TEST(OfficerPattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"no officer in the month", [](CraftedChart& c) { c.hidden(月, 正官, -1); }, "no candidate"},
      {"正官 among the stems and three in all",
       [](CraftedChart& c) { c.hidden(月, 正官, -1).stemGod(時, 正官).TG(正官, 3); }, "true"},
      {"1", [](CraftedChart& c) { c.heaviest(L"比肩", L"劫財", L"偏財"); }, "grey .正官不夠強"},
      {"2", [](CraftedChart& c) { c.list(月, 空亡); }, "grey .月地支空亡，財官俱怕見空亡"},
      {"3: a metal frame for a wood day", [](CraftedChart& c) { c.frame(金); },
       "grey .方局造成身過弱"},
      {"4", [](CraftedChart& c) { c.stage(月, L"墓"); }, "grey .正官忌墓載"},
      {"5 and 10: 傷官 in the month", [](CraftedChart& c) { c.hidden(月, 傷官); },
       "grey .地支存在傷官剋掉正官 .月支存在傷官剋正官"},
      {"10: 傷官 in the year branch, one hidden 正官", [](CraftedChart& c) { c.hidden(年, 傷官); },
       "grey .地支存在傷官剋掉正官"},
      {"10 holds with a second hidden 正官 at the hour",
       [](CraftedChart& c) { c.hidden(年, 傷官).hidden(時, 正官); }, "true"},
      {"5: the yang partner 食神 in the month", [](CraftedChart& c) { c.hidden(月, 食神); },
       "grey .月支存在食神合掉正官"},
      {"5: the yin partner 比肩 in the month",
       [](CraftedChart& c) { c.pillar(日, L"乙丑").hidden(月, 比肩); },
       "grey .月支存在比肩合掉正官"},
      {"6, 7 and 8: two 偏官 stems and nothing to meet them",
       [](CraftedChart& c) { c.stemGod(月, 偏官).stemGod(時, 偏官); },
       "grey .天干偏官過多致使官殺混雜 .官殺混雜"
       " .天干出現偏官以致官殺混雜，同時無劫財合煞存財，無食神制煞生存，及沒有偏印化煞"},
      {"7 and 8 met by a 食神 stem; 14 then needs 偏印",
       [](CraftedChart& c) { c.stemGod(月, 偏官).stemGod(時, 食神); },
       "grey .天干出現食神，需以偏印制食"},
      {"9: a hidden 偏官 alone", [](CraftedChart& c) { c.hidden(時, 偏官); }, "grey .官殺混雜"},
      {"9 met by a hidden 食神", [](CraftedChart& c) { c.hidden(時, 偏官).hidden(時, 食神); },
       "true"},
      {"11", [](CraftedChart& c) { c.hidden(日, 正印, -1); }, "grey .印或財未透其一"},
      {"11 by two seal stems", [](CraftedChart& c) { c.hidden(日, 正印, -1).stemGod(時, 偏印); },
       "true"},
      {"12", [](CraftedChart& c) { c.hidden(時, 傷官, 3); },
       "grey .存在傷官卻未存在足夠的正印剋制"},
      {"13: a 傷官 stem without 偏印, 正印 or 正財 stems",
       [](CraftedChart& c) { c.pillar(年, L"丁午").stemGod(年, 傷官).stemGod(月, 正財); }, "true"},
      {"15: year and month join", [](CraftedChart& c) { c.BR(年月, L"合金"); },
       "grey .月地支出現合"},
      {"15 and 18 hold when the day clashes with the month",
       [](CraftedChart& c) { c.BR(年月, L"合金").BR(日月, L"沖"); }, "true"},
      {"16: day and month join", [](CraftedChart& c) { c.BR(日月, L"合土"); },
       "grey .月地支出現合"},
      {"16 unless month and year branch are the same",
       [](CraftedChart& c) { c.pillar(年, L"丙酉").BR(日月, L"合土"); }, "true"},
      {"15 unless month and day branch are the same",
       [](CraftedChart& c) { c.pillar(日, L"甲酉").BR(年月, L"合金"); }, "true"},
      {"17: year and month clash", [](CraftedChart& c) { c.BR(月年, L"沖"); },
       "grey .非雜氣正官而出現衝"},
      {"17 unless the month is of mixed qi, and no clash reason there",
       [](CraftedChart& c) { c.pillar(月, L"庚辰").BR(日月, L"沖").stage(月, L"墓"); },
       "grey .正官忌墓載"},
      {"still true: 刑 from the year with month and day branch the same",
       [](CraftedChart& c) {
         c.pillar(日, L"甲酉").BR(年月, L"刑").heaviest(L"比肩", L"劫財", L"偏財");
       },
       "true"},
  };
  ExpectVerdicts(正官格, OfficerBase, cases);
}

// 官庫格 and 時上官庫格: a 甲 day over 丑 and a 丑 hour, two 正官 and seal support.
CraftedChart OfficerStoreBase() {
  CraftedChart c(L"壬午", L"辛酉", L"甲丑", L"辛丑");
  c.stemGod(月, 正官).stemGod(時, 正官).stemGod(年, 偏印).hidden(日, 偏印).DM(8);
  return c;
}

TEST(OfficerStorePattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"丙 among the stems", [](CraftedChart& c) { c.pillar(年, L"丙午"); }, "no candidate"},
      {"the treasury at the hour only", [](CraftedChart& c) { c.pillar(日, L"甲子"); }, "true"},
      {"no treasury", [](CraftedChart& c) { c.pillar(日, L"甲子").pillar(時, L"辛未"); },
       "no candidate"},
      {"乙 days are never candidates", [](CraftedChart& c) { c.pillar(日, L"乙丑"); },
       "no candidate"},
      {"5", [](CraftedChart& c) { c.frame(水); }, "grey .成方局影響入格"},
      {"1", [](CraftedChart& c) { c.hidden(月, 偏官); }, "grey .存在足以影響的官殺混雜"},
      {"2 and 4", [](CraftedChart& c) { c.hidden(月, 傷官, 2); }, "grey .存在足以影響的傷官"},
      {"8", [](CraftedChart& c) { c.pillar(年, L"丙午"); }, "no candidate"},
      {"9: day and hour join", [](CraftedChart& c) { c.BR(時日, L"合土"); },
       "grey .日時地支間出現合"},
      {"9: day and hour break", [](CraftedChart& c) { c.BR(日時, L"破"); },
       "grey .日時地支間出現衝破"},
      {"10: day and month join", [](CraftedChart& c) { c.BR(日月, L"合金"); },
       "grey .日月地支間出現合"},
      {"10: month and day clash", [](CraftedChart& c) { c.BR(月日, L"沖"); },
       "grey .日月地支間出現衝破"},
      {"10 unless month and year branch are the same",
       [](CraftedChart& c) { c.pillar(年, L"壬酉").BR(日月, L"合金"); }, "true"},
      {"9 unless month and day branch are the same",
       [](CraftedChart& c) { c.pillar(月, L"辛丑").BR(時日, L"合土"); }, "true"},
  };
  ExpectVerdicts(官庫格, OfficerStoreBase, cases);
}

TEST(HourOfficerStorePattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"丁 among the stems", [](CraftedChart& c) { c.pillar(年, L"丁午"); }, "no candidate"},
      {"an 乙 day with 丑 at the hour: a candidate here, not for 官庫格",
       [](CraftedChart& c) { c.pillar(日, L"乙巳"); }, "true"},
      {"a 庚 day with 戌 at the hour",
       [](CraftedChart& c) { c.pillar(日, L"庚子").pillar(時, L"丙戌"); }, "true"},
      {"1", [](CraftedChart& c) { c.DM(7); }, "grey .身強弱不足"},
      {"2", [](CraftedChart& c) { c.hidden(日, 偏官); }, "grey .存在足以影響的官殺混雜"},
      {"3", [](CraftedChart& c) { c.hidden(日, 傷官); }, "grey .存在足以影響的傷官"},
      {"4",
       [](CraftedChart& c) { c.stemGod(月, 正官, -1).stemGod(時, 正官, -1).hidden(時, 正官, 2); },
       "grey .天干未出現財官"},
      {"5: a 合 from the day", [](CraftedChart& c) { c.BR(日時, L"合土"); }, "grey .存在衝破害合"},
      {"5: a 合 from the hour is allowed", [](CraftedChart& c) { c.BR(時日, L"合土"); }, "true"},
      {"5: a harm from the hour", [](CraftedChart& c) { c.BR(時日, L"害"); }, "grey .存在衝破害合"},
  };
  ExpectVerdicts(時上官庫格, OfficerStoreBase, cases);

  CraftedChart wood(L"壬午", L"辛酉", L"乙丑", L"丁丑");
  EXPECT_EQ(Verdict(wood.chart(), 官庫格), "no candidate");
}

// 偏官格: a 甲 day with 偏官 hidden in the month and heaviest, weighing 8, with a hidden 食神.
CraftedChart KillingsBase() {
  CraftedChart c(L"丙午", L"壬酉", L"甲子", L"戊卯");
  c.hidden(月, 偏官).heaviest(L"偏官", L"比肩", L"偏財").weight(偏官, 8).hidden(日, 食神);
  return c;
}

TEST(SevenKillingsPattern, TestsAndReasonsWithoutTheReasonLine) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"no 偏官 in the month", [](CraftedChart& c) { c.hidden(月, 偏官, -1); }, "no candidate"},
      {"1", [](CraftedChart& c) { c.frame(金); }, "grey .方局造成身過弱"},
      {"2", [](CraftedChart& c) { c.stage(月, L"墓"); }, "grey .七殺傷官忌墓載"},
      {"3", [](CraftedChart& c) { c.heaviest(L"比肩", L"正財", L"偏財"); }, "grey .偏官不夠強"},
      {"4", [](CraftedChart& c) { c.weight(偏官, 7); }, "grey .偏官不夠強"},
      {"5", [](CraftedChart& c) { c.list(月, 空亡); }, "grey .月地支空亡，財官俱怕見空亡"},
      {"6", [](CraftedChart& c) { c.hidden(日, 食神, -1); }, "grey .不存在食神制煞偏印化煞"},
      {"7: 食神 in the month", [](CraftedChart& c) { c.hidden(月, 食神); },
       "grey .月支存在食神剋偏官"},
      {"7: the yang partner 劫財 in the month", [](CraftedChart& c) { c.hidden(月, 劫財); },
       "grey .月地支存在劫財合掉偏官"},
      {"7: the yin partner 傷官 in the month",
       [](CraftedChart& c) { c.pillar(日, L"乙子").hidden(月, 傷官); },
       "grey .月地支存在傷官合掉偏官"},
      {"8", [](CraftedChart& c) { c.SR(月日, L"剋").BR(日月, L"沖"); },
       "grey .日月柱間存在天剋地衝"},
      {"9: 正官 with none of its partner, 傷官 or 正印",
       [](CraftedChart& c) { c.hidden(日, 食神, -1).hidden(日, 偏印).hidden(時, 正官); },
       "grey .存在正官以致官殺混雜，卻同時無食神合去正官，無傷官制正官，無正印化去正官。"
       "或地支無偏印化殺，無劫財合殺，無食神制神而留官"},
      {"12 and 13: two 正官 stems",
       [](CraftedChart& c) { c.stemGod(年, 正官).stemGod(時, 正官).hidden(日, 傷官); },
       "grey .天干正官過多致使官殺混雜 .身弱無法擋官煞"},
      {"12: two 偏官 stems, 13 met",
       [](CraftedChart& c) { c.stemGod(年, 偏官).stemGod(時, 偏官).TG(比肩, 4); },
       "grey .天干偏官過多"},
      {"14: 食神 and 偏印 stems without 偏財",
       [](CraftedChart& c) { c.stemGod(年, 食神).stemGod(時, 偏印); },
       "grey .偏印剋食，偏財化食，兩者必須同時出現在天干，或是同時不出現"
       " .煞用食制，不要露財透印，以財能轉食生煞，而印能去食護煞也"},
      {"14: 食神, 偏印 and 偏財 stems",
       [](CraftedChart& c) { c.stemGod(年, 食神).stemGod(時, 偏印).stemGod(月, 偏財); }, "true"},
      {"14: a 食神 stem alone", [](CraftedChart& c) { c.stemGod(年, 食神); }, "true"},
      {"14: 食神 and 偏財 stems, no seal stem",
       [](CraftedChart& c) { c.stemGod(年, 食神).stemGod(時, 偏財); },
       "grey .偏印剋食，偏財化食，兩者必須同時出現在天干，或是同時不出現"
       " .煞用食制，不要露財透印，以財能轉食生煞，而印能去食護煞也"},
      {"15", [](CraftedChart& c) { c.BR(年月, L"合金"); }, "grey .月地支出現合"},
      {"16", [](CraftedChart& c) { c.BR(日月, L"合土"); }, "grey .月地支出現合"},
      {"17", [](CraftedChart& c) { c.BR(月年, L"沖"); }, "grey .非雜氣偏官而出現衝"},
      {"15 unless month and day branch are the same",
       [](CraftedChart& c) { c.pillar(日, L"甲酉").BR(年月, L"合金"); }, "true"},
      {"16 unless month and year branch are the same",
       [](CraftedChart& c) { c.pillar(年, L"丙酉").BR(日月, L"合土"); }, "true"},
      {"17 unless the month is of mixed qi",
       [](CraftedChart& c) { c.pillar(月, L"壬辰").BR(月年, L"沖"); }, "true"},
      {"18 unless the month is of mixed qi",
       [](CraftedChart& c) { c.pillar(月, L"壬辰").BR(月日, L"沖"); }, "true"},
  };
  ExpectVerdicts(偏官格, KillingsBase, cases);

  // The grey block opens its reasons straight after the span.
  CraftedChart weak = KillingsBase();
  weak.stage(月, L"墓");
  EXPECT_NE(PatternBlock(weak.chart(), 偏官格)
                .find(L"<br>[偏官格]<span style='font-size:11pt;font-family:標楷體;"
                      L"color:darkgrey'> .七殺傷官忌墓載</span><br>身旺有氣為偏官，"),
            std::wstring::npos);
}

// 七煞格: 偏官 hidden at the hour, a strong day master, 食神 and a seal.
CraftedChart HourKillingBase() {
  CraftedChart c(L"丙午", L"壬酉", L"甲子", L"戊申");
  c.hidden(時, 偏官, 2).hidden(日, 食神).hidden(年, 正印).DM(8);
  return c;
}

TEST(HourKillingPattern, TestsReasonsAndHeadings) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"偏官 elsewhere", [](CraftedChart& c) { c.hidden(時, 偏官, -2).hidden(月, 偏官, 2); },
       "no candidate"},
      {"a 偏官 hour stem only",
       [](CraftedChart& c) { c.hidden(時, 偏官, -2).pillar(時, L"庚子").stemGod(時, 偏官); },
       "grey .偏官不是出現在時地支 .食傷制伏太過 .存在足以影響的官殺混雜"},
      {"2", [](CraftedChart& c) { c.DM(5); }, "grey .身強弱不足"},
      {"3", [](CraftedChart& c) { c.hidden(月, 偏官); }, "grey .偏官太多"},
      {"5: 正官 in the month and two 偏官 stems (three 偏官 then)",
       [](CraftedChart& c) { c.hidden(月, 正官).stemGod(年, 偏官).stemGod(月, 偏官); },
       "grey .官殺混雜 .偏官太多"},
      {"5: mixed in the stems",
       [](CraftedChart& c) { c.hidden(月, 偏官).stemGod(年, 正官).stemGod(月, 正官); },
       "grey .官殺混雜 .偏官太多 .存在足以影響的官殺混雜"},
      {"6: no 食神", [](CraftedChart& c) { c.hidden(日, 食神, -1); }, "grey .未出現食神制伏"},
      {"6: too much output", [](CraftedChart& c) { c.hidden(日, 傷官, 2); }, "grey .食傷制伏太過"},
      {"7", [](CraftedChart& c) { c.hidden(年, 正印, -1); }, "grey .未出現印綬化權"},
      {"8: a 合 from the hour", [](CraftedChart& c) { c.BR(時日, L"合土"); },
       "grey .日時地支間存在刑衝破害合"},
      {"8: a 刑 from the day", [](CraftedChart& c) { c.BR(日時, L"刑"); },
       "grey .日時地支間存在刑衝破害合"},
  };
  ExpectVerdicts(七煞格, HourKillingBase, cases);

  CraftedChart entered = HourKillingBase();
  const std::wstring blue = L"<br><font color = blue>[七煞格]  時上一位貴格</font>";
  EXPECT_EQ(U8(PatternBlock(entered.chart(), 七煞格).substr(0, blue.size())), U8(blue));
  EXPECT_EQ(entered.chart().truePatternList, L"七煞格");
  CraftedChart weak = HourKillingBase();
  weak.DM(5);
  const std::wstring grey = L"<br>[七煞格] 時上一位貴格<span";
  EXPECT_EQ(U8(PatternBlock(weak.chart(), 七煞格).substr(0, grey.size())), U8(grey));
}

// 印綬格: a 甲 day with 正印 hidden in the month and heaviest, and a 正官 that outweighs 傷官.
CraftedChart SealBase() {
  CraftedChart c(L"丙午", L"丁酉", L"甲子", L"戊卯");
  c.hidden(月, 正印).heaviest(L"正印", L"比肩", L"偏財").hidden(日, 正官);
  return c;
}

TEST(SealPattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"no seal in the month", [](CraftedChart& c) { c.hidden(月, 正印, -1); }, "no candidate"},
      {"a seal stem and three seals",
       [](CraftedChart& c) { c.hidden(月, 正印, -1).stemGod(年, 偏印).hidden(日, 偏印, 2); },
       "true"},
      {"1", [](CraftedChart& c) { c.heaviest(L"比肩", L"正官", L"偏財"); }, "grey .印綬不夠強"},
      {"1 with 偏印 in the month: no reason",
       [](CraftedChart& c) { c.heaviest(L"比肩", L"正官", L"偏財").hidden(月, 偏印); }, "grey"},
      {"3: the month carries 正桃 and a seal stands among the stems",
       [](CraftedChart& c) { c.list(月, 正桃).stemGod(年, 正印); }, "grey .印綬忌坐咸池桃花"},
      {"3: 桃煞 without a seal stem", [](CraftedChart& c) { c.list(月, 桃煞); }, "true"},
      {"4", [](CraftedChart& c) { c.stage(月, L"絕"); }, "grey .食神印綬怕死絕"},
      {"5", [](CraftedChart& c) { c.frame(木); }, "grey .方局造成身過強"},
      {"6", [](CraftedChart& c) { c.stemGod(年, 正財).stemGod(月, 正印); },
       "grey .年月天干印財併鄰"},
      {"7", [](CraftedChart& c) { c.stemGod(月, 比肩).hidden(月, 比肩); },
       "grey .比肩月柱干支都有卻無偏官而洩掉印氣"},
      {"8", [](CraftedChart& c) { c.stemGod(月, 劫財).hidden(月, 劫財); },
       "grey .劫財月柱干支都有卻無正官而洩掉印氣"},
      {"9 (and 15, 傷官 as many as 正官)", [](CraftedChart& c) { c.hidden(月, 傷官); },
       "grey .傷官見官 .身強不存在任何官煞或被剋盡"},
      {"2", [](CraftedChart& c) { c.hidden(月, 偏財); }, "grey .月地支存在財破印"},
      {"10", [](CraftedChart& c) { c.stemGod(年, 正官).stemGod(月, 偏官).stemGod(時, 偏官); },
       "grey .官殺混雜"},
      {"11", [](CraftedChart& c) { c.stemGod(年, 偏財); }, "grey"},
      {"11 met by the yang partner 正印",
       [](CraftedChart& c) { c.stemGod(年, 偏財).stemGod(時, 正印); }, "true"},
      {"13 (and 15)", [](CraftedChart& c) { c.stemGod(年, 傷官); },
       "grey .天干存在傷官卻無正印剋制 .身強不存在任何官煞或被剋盡"},
      {"14", [](CraftedChart& c) { c.stemGod(年, 食神); },
       "grey .天干存在食神，卻無偏印剋制，或不是身強帶正印合去"},
      {"14 met by 正印 with a strong day master",
       [](CraftedChart& c) { c.stemGod(年, 食神).stemGod(時, 正印).DM(5); }, "true"},
      {"15", [](CraftedChart& c) { c.hidden(日, 正官, -1); }, "grey .身強不存在任何官煞或被剋盡"},
      {"16", [](CraftedChart& c) { c.BR(年月, L"合金"); }, "grey .月地支出現合"},
      {"16 unless month and day branch are the same",
       [](CraftedChart& c) { c.pillar(日, L"甲酉").BR(年月, L"合金"); }, "true"},
      {"17", [](CraftedChart& c) { c.BR(日月, L"合土"); }, "grey .月地支出現合"},
      {"17 unless day and hour branch are the same",
       [](CraftedChart& c) { c.pillar(時, L"戊子").BR(日月, L"合土"); }, "true"},
      {"18", [](CraftedChart& c) { c.BR(月年, L"害"); }, "grey .非雜氣印綬而出現破害"},
      {"18 unless the month is of mixed qi",
       [](CraftedChart& c) { c.pillar(月, L"丁戌").BR(月年, L"害"); }, "true"},
      {"19", [](CraftedChart& c) { c.BR(日月, L"破"); }, "grey .非雜氣印綬而出現破害"},
      {"19 unless the month is of mixed qi",
       [](CraftedChart& c) { c.pillar(月, L"丁戌").BR(日月, L"破"); }, "true"},
  };
  ExpectVerdicts(印綬格, SealBase, cases);
}

// 煞印格: a weak day master with 偏官 and 正印 hidden in the month, three of each.
CraftedChart KillingSealBase() {
  CraftedChart c(L"丙午", L"丁酉", L"甲子", L"戊卯");
  c.hidden(月, 偏官).hidden(月, 正印).hidden(日, 正印, 2).TG(偏官, 3).DM(2);
  return c;
}

TEST(KillingSealPattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"day master too strong", [](CraftedChart& c) { c.DM(3); }, "no candidate"},
      {"two hidden seals", [](CraftedChart& c) { c.hidden(日, 正印, -1); }, "no candidate"},
      {"one wealth", [](CraftedChart& c) { c.TG(正財, 1); }, "true"},
      {"two wealth", [](CraftedChart& c) { c.TG(正財, 1).TG(偏財, 1); }, "grey .身弱任財"},
  };
  ExpectVerdicts(煞印格, KillingSealBase, cases);
}

TEST(OfficerAndSealPatterns, VersesQuotedWholeStandFirst) {
  struct Case {
    PatternSlots pattern;
    std::size_t count;
    std::wstring_view first;
  };
  const Case cases[] = {
      {正官格, 1, L"<br>正官須在月中求，無破無傷貴不休，玉勒金鞍真富貴，兩行旌節上皇州。"},
      {官庫格, 1,
       L"<br>甲乙日用丑金為官庫，柱中不宜見丙丁沖剋。<br>"
       L"丙丁日用辰水為官庫，柱內不宜見戊己土沖剋。"},
      {時上官庫格, 4, L"<br>財庫透官主發達，喜先沖破始為奇；鎮壓不來福貴處，高低職位卻相宜。"},
      {偏官格, 1, L"<br>身旺有氣為偏官，身弱無制(食神)為七殺"},
      {七煞格, 22, L"<br>時上一位貴，藏在支中是，日主要剛強，利名方有氣。"},
      {印綬格, 16, L"<br>月逢印綬喜官星，運入官鄉福必清；死絕運臨身不利，後行財運百無成。"},
      {煞印格, 9, L"<br>夫煞印者，日干原弱。亦遇多煞無制，全賴印綬滋身化煞。"},
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
