#include <gtest/gtest.h>

#include "interpretation/pattern_test_support.h"

namespace interpretation {
namespace {

using namespace notation;

CraftedChart DayNobleBase() { return CraftedChart(L"甲子", L"丙寅", L"癸卯", L"丁巳"); }

TEST(DayNoblePattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"a 癸丑 day", [](CraftedChart& c) { c.pillar(日, L"癸丑"); }, "no candidate"},
      {"a 丁亥 day", [](CraftedChart& c) { c.pillar(日, L"丁亥"); }, "true"},
      {"羊刃", [](CraftedChart& c) { c.star(羊刃, 1); }, "grey .存在羊刃"},
      {"偏官", [](CraftedChart& c) { c.TG(偏官, 1); }, "grey .存在偏官"},
      {"魁罡 and 空亡", [](CraftedChart& c) { c.star(空亡, 1).star(魁罡, 1); },
       "grey .存在魁罡 .存在空亡"},
      {"the month controls the day stem", [](CraftedChart& c) { c.SR(月日, L"剋"); },
       "grey .存在剋刑衝"},
      {"the day punishes the hour", [](CraftedChart& c) { c.BR(日時, L"刑"); }, "grey .存在剋刑衝"},
      {"a break is allowed", [](CraftedChart& c) { c.BR(日月, L"破"); }, "true"},
  };
  ExpectVerdicts(日貴格, DayNobleBase, cases);
}

CraftedChart DayVirtueBase() { return CraftedChart(L"甲子", L"丙寅", L"壬戌", L"丁未"); }

TEST(DayVirtuePattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"a 壬子 day", [](CraftedChart& c) { c.pillar(日, L"壬子"); }, "no candidate"},
      {"a 甲寅 day", [](CraftedChart& c) { c.pillar(日, L"甲寅"); }, "true"},
      {"魁罡", [](CraftedChart& c) { c.star(魁罡, 1); }, "grey .存在魁罡"},
      {"an officer with three wealth",
       [](CraftedChart& c) { c.TG(正官, 1).TG(正財, 1).TG(偏財, 2); }, "grey .官星切忌見財鄉"},
      {"an officer with two wealth", [](CraftedChart& c) { c.TG(正官, 1).TG(偏財, 2); }, "true"},
      {"the hour controls the day stem", [](CraftedChart& c) { c.SR(日時, L"剋"); },
       "grey .日天干存在剋"},
      {"the day harms the month", [](CraftedChart& c) { c.BR(日月, L"害").relations(害, 1); },
       "grey .存在刑衝破害"},
      {"空亡 and a clash between year and month: counted over the chart",
       [](CraftedChart& c) { c.star(空亡, 1).BR(年月, L"衝").relations(branch衝, 1); },
       "grey .存在空亡 .存在刑衝破害"},
      {"a clash written 沖 is not counted",
       [](CraftedChart& c) { c.star(空亡, 1).BR(年月, L"沖").relations(branch沖, 1); },
       "grey .存在空亡"},
  };
  ExpectVerdicts(日德格, DayVirtueBase, cases);
}

// 建祿格: a 甲 day whose month 祿 the star rules counted into slot 21, with a 偏財 month stem.
CraftedChart MonthSalaryBase() {
  CraftedChart c(L"辛未", L"戊寅", L"甲子", L"丙午");
  c.precount(建祿格, 1).stemGod(月, 偏財);
  return c;
}

TEST(MonthSalaryPattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"no month 祿 counted", [](CraftedChart& c) { c.precount(建祿格, 0); }, "no candidate"},
      {"1", [](CraftedChart& c) { c.stemGod(月, 偏財, -1); }, "grey .財官未透天"},
      {"2", [](CraftedChart& c) { c.frame(木); }, "grey .方局致使身過強"},
      {"3", [](CraftedChart& c) { c.fireWater(8, 2); }, "grey .火遠多於水身易有疾或有大災"},
      {"4: the year joins the month, written twice", [](CraftedChart& c) { c.BR(年月, L"合木"); },
       "grey .月地支出現合 .月地支出現合"},
      {"4 unless month and day branch are the same",
       [](CraftedChart& c) { c.pillar(日, L"甲寅").BR(年月, L"合木"); }, "true"},
      {"5: the day joins the month", [](CraftedChart& c) { c.BR(日月, L"合土"); },
       "grey .月地支出現合"},
      {"5 unless month and year branch are the same",
       [](CraftedChart& c) { c.pillar(年, L"辛寅").BR(日月, L"合土"); }, "true"},
      {"6", [](CraftedChart& c) { c.SR(日月, L"剋").SR(年月, L"剋"); }, "grey .年日同時剋月天干"},
      {"6 holds with one control", [](CraftedChart& c) { c.SR(年月, L"剋"); }, "true"},
      {"7: the year clashes the month, which the reason does not look at",
       [](CraftedChart& c) { c.BR(年月, L"沖"); }, "grey"},
      {"7: the day harms the month", [](CraftedChart& c) { c.BR(日月, L"害"); },
       "grey .存在衝破害"},
      {"a clash from the hour is a reason only", [](CraftedChart& c) { c.BR(時日, L"沖"); },
       "true"},
  };
  ExpectVerdicts(建祿格, MonthSalaryBase, cases);

  // Pre-counted twice and not true: the slot is rewritten to 0.
  CraftedChart twice = MonthSalaryBase();
  twice.precount(建祿格, 2).stemGod(月, 偏財, -1);
  Verdict(twice.chart(), 建祿格);
  EXPECT_EQ(twice.chart().truePatternFlags[21], 0);
  EXPECT_EQ(twice.chart().candidatePatternFlags[20], 1);
}

// 歸祿格: the hour 祿 counted into slot 22.
CraftedChart HourSalaryBase() {
  CraftedChart c(L"辛未", L"戊寅", L"甲子", L"丙寅");
  c.precount(歸祿格, 1);
  return c;
}

TEST(HourSalaryPattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"no hour 祿 counted", [](CraftedChart& c) { c.precount(歸祿格, 0); }, "no candidate"},
      {"officers", [](CraftedChart& c) { c.TG(正官, 1).TG(偏官, 1); }, "grey .存在偏官 .存在正官"},
      {"the hour punishes the day", [](CraftedChart& c) { c.BR(時日, L"刑"); },
       "grey .存在刑衝破害"},
  };
  ExpectVerdicts(歸祿格, HourSalaryBase, cases);

  CraftedChart entered = HourSalaryBase();
  Verdict(entered.chart(), 歸祿格);
  EXPECT_EQ(entered.chart().truePatternFlags[22], 1);
  EXPECT_EQ(entered.chart().candidatePatternFlags[21], 1);
}

CraftedChart FlyingSalaryBase() { return CraftedChart(L"甲子", L"丙子", L"庚子", L"丁亥"); }

TEST(FlyingSalaryPattern, TestsReasonAndTheWomensVerse) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"two 子", [](CraftedChart& c) { c.pillar(月, L"丙寅"); }, "no candidate"},
      {"a 壬 day", [](CraftedChart& c) { c.pillar(日, L"壬子"); }, "true"},
      {"a 甲 day", [](CraftedChart& c) { c.pillar(日, L"甲子"); }, "no candidate"},
      {"丑", [](CraftedChart& c) { c.pillar(時, L"丁丑"); }, "grey .存在丑或巳或午"},
  };
  ExpectVerdicts(飛天祿馬格, FlyingSalaryBase, cases);

  const std::wstring womens =
      L"<br>飛天祿馬井欄叉，女命逢之福不佳，只好為偏並作妓，有財方可享榮華。";
  CraftedChart man = FlyingSalaryBase();
  man.sex(L"男");
  EXPECT_EQ(PatternBlock(man.chart(), 飛天祿馬格).find(womens), std::wstring::npos);
  CraftedChart woman = FlyingSalaryBase();
  woman.sex(L"女");
  const std::wstring block = PatternBlock(woman.chart(), 飛天祿馬格);
  EXPECT_EQ(U8(block.substr(block.size() - womens.size())), U8(womens));
  EXPECT_EQ(CatalogueRecord(飛天祿馬格.name).verses.size(), 9u);
}

CraftedChart JoinedSalaryBase() { return CraftedChart(L"壬子", L"辛酉", L"戊子", L"庚申"); }

TEST(JoinedSalaryPattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"a 庚子 hour", [](CraftedChart& c) { c.pillar(時, L"庚子"); }, "no candidate"},
      {"戊 with 甲", [](CraftedChart& c) { c.pillar(年, L"甲子"); },
       "grey .日天干為戊存在甲或乙或丙或巳"},
      {"戊 with 巳", [](CraftedChart& c) { c.pillar(月, L"辛巳"); },
       "grey .日天干為戊存在甲或乙或丙或巳"},
      {"a 癸 day in an autumn month", [](CraftedChart& c) { c.pillar(日, L"癸亥"); }, "true"},
      {"a 癸 day with 甲", [](CraftedChart& c) { c.pillar(日, L"癸亥").pillar(年, L"甲子"); },
       "true"},
      {"a 癸 day in a spring month",
       [](CraftedChart& c) { c.pillar(日, L"癸亥").pillar(月, L"辛辰"); },
       "grey .日天干為癸存在戊或丙或寅，或為春夏月生"},
      {"a 癸 day with 丙", [](CraftedChart& c) { c.pillar(日, L"癸亥").pillar(年, L"丙子"); },
       "grey .日天干為癸存在戊或丙或寅，或為春夏月生"},
  };
  ExpectVerdicts(合祿格, JoinedSalaryBase, cases);
}

CraftedChart SalaryEnclosureBase() { return CraftedChart(L"甲寅", L"丙寅", L"己未", L"己巳"); }

TEST(SalaryEnclosurePattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"a 己午 hour", [](CraftedChart& c) { c.pillar(時, L"己午"); }, "no candidate"},
      {"己未 and 己巳 with a 子", [](CraftedChart& c) { c.pillar(年, L"甲子"); },
       "grey .地支存在子衝了日時拱位"},
      {"己未 and 己巳 with a 午", [](CraftedChart& c) { c.pillar(年, L"甲午"); },
       "grey .地支存在午填實"},
      {"丁巳 and 丁未 with 午 and 子",
       [](CraftedChart& c) {
         c.pillar(日, L"丁巳").pillar(時, L"丁未").pillar(年, L"甲午").pillar(月, L"丙子");
       },
       "grey .地支存在午填實 .地支存在子衝了日時拱位"},
      {"癸亥 and 癸丑 with a 子",
       [](CraftedChart& c) { c.pillar(日, L"癸亥").pillar(時, L"癸丑").pillar(年, L"甲子"); },
       "grey .地支存在子填實"},
      {"戊辰 and 戊午 with a 亥",
       [](CraftedChart& c) { c.pillar(日, L"戊辰").pillar(時, L"戊午").pillar(年, L"甲亥"); },
       "grey .地支存在亥衝了日時拱位"},
      {"the day joins the hour", [](CraftedChart& c) { c.BR(日時, L"合火"); },
       "grey .存在刑衝破害"},
  };
  ExpectVerdicts(拱祿格, SalaryEnclosureBase, cases);
}

CraftedChart NobleEnclosureBase() { return CraftedChart(L"丙辰", L"丙辰", L"甲寅", L"甲子"); }

TEST(NobleEnclosurePattern, TestsAndReasons) {
  const PatternCase cases[] = {
      {"candidate and true", nullptr, "true"},
      {"an 甲丑 hour", [](CraftedChart& c) { c.pillar(時, L"甲丑"); }, "no candidate"},
      {"甲寅 and 甲子 with a 丑", [](CraftedChart& c) { c.pillar(年, L"丙丑"); },
       "grey .地支存在丑填實"},
      {"甲寅 and 甲子 with a 未", [](CraftedChart& c) { c.pillar(年, L"丙未"); },
       "grey .地支存在未衝了日時拱位"},
      {"辛丑 and 辛卯 with 寅 and 申",
       [](CraftedChart& c) {
         c.pillar(日, L"辛丑").pillar(時, L"辛卯").pillar(年, L"丙寅").pillar(月, L"丙申");
       },
       "grey .地支存在寅填實 .地支存在申衝了日時拱位"},
      {"甲申 and 甲戌 with a 卯",
       [](CraftedChart& c) { c.pillar(日, L"甲申").pillar(時, L"甲戌").pillar(年, L"丙卯"); },
       "grey .地支存在卯衝了日時拱位"},
      {"the month punishes the day", [](CraftedChart& c) { c.BR(月日, L"刑"); },
       "grey .存在刑衝破害"},
  };
  ExpectVerdicts(拱貴格, NobleEnclosureBase, cases);
}

TEST(DayPillarAndSalaryPatterns, Verses) {
  struct Case {
    PatternSlots pattern;
    std::size_t count;
    std::wstring_view first;
  };
  const Case cases[] = {
      {日貴格, 2, L"<br>《星平會海全書》"},
      {日德格, 6, L"<br>壬戌庚辰日德官，甲寅戊丙要騎龍；運逢身旺心慈善，日德居多福自豐。"},
      {建祿格, 7, L"<br>建祿生提月，財官喜透天；不宜身再旺，官地是良緣。"},
      {歸祿格, 7, L"<br>歸祿逢財名利全，干頭不忌透財源；身強無破平生好，大怕行來遇比肩。"},
      {飛天祿馬格, 9, L"<br>庚壬日主重重子，倒沖祿馬號飛天；何如金水多清貴，運入南方慮有迍。"},
      {合祿格, 3, L"<br>戊日庚申時上逢，如無官印貴秋冬；甲丙卯寅兼巳字，四營歲破怕同宮。"},
      {拱祿格, 2, L"<br>兩伴本身非是我，拱藏一位虛中好；不宜填實見官星，更忌官星當剋破。"},
      {拱貴格, 4, L"<br>甲寅甲子拱辛官，壬辰壬寅拱貴看；日遇甲申時甲戌，戊申戊午桂生香。"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(U8(k.pattern.name));
    const PatternRecord& record = CatalogueRecord(k.pattern.name);
    ASSERT_EQ(record.verses.size(), k.count);
    EXPECT_EQ(U8(record.verses.front()), U8(k.first));
  }
  EXPECT_EQ(U8(CatalogueRecord(日貴格.name).verses[1]), U8(L"<br>《古歌》"));
}

}  // namespace
}  // namespace interpretation
