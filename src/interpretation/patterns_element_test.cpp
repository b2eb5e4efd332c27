#include <gtest/gtest.h>

#include "interpretation/pattern_test_support.h"

namespace interpretation {
namespace {

using namespace notation;

const std::wstring kWoodNote =
    L"<br>("
    L"註：丁壬化木盡成林。天干化合者，秀氣也。地支合局者，福德也。化之真者，名公鉅卿，化之假者，"
    L"孤兒異姓。)";

TEST(ElementPatterns, StraightAndCurved) {
  // 甲 day with 亥 卯 未 and no metal.
  const PatternCase cases[] = {
      {"甲 day with 亥卯未", nullptr, "true"},
      {"乙 day", [](CraftedChart& c) { c.pillar(日, L"乙子"); }, "true"},
      {"寅卯辰", [](CraftedChart& c) { c.pillar(年, L"壬寅").pillar(時, L"戊辰"); }, "true"},
      {"no 未", [](CraftedChart& c) { c.pillar(時, L"己巳"); }, "no candidate"},
      {"a 丙 day", [](CraftedChart& c) { c.pillar(日, L"丙子"); }, "no candidate"},
      {"a 丁 day beside no combination", [](CraftedChart& c) { c.pillar(日, L"丁子"); },
       "no candidate"},
      {"a 申", [](CraftedChart& c) { c.pillar(日, L"甲申"); }, "grey .存在金星混雜"},
      {"a 庚 stem", [](CraftedChart& c) { c.pillar(年, L"庚亥"); }, "grey .存在金星混雜"},
      {"hour controls day", [](CraftedChart& c) { c.SR(時日, L"剋"); }, "grey .存在剋衝刑破害"},
      {"month to year 刑", [](CraftedChart& c) { c.BR(月年, L"刑"); }, "grey .存在剋衝刑破害"},
      {"day to month 害", [](CraftedChart& c) { c.BR(日月, L"害"); }, "grey .存在剋衝刑破害"},
      {"year to month is not looked at", [](CraftedChart& c) { c.SR(年月, L"剋").BR(年月, L"沖"); },
       "true"},
      {"a branch clash written 衝 is not looked at", [](CraftedChart& c) { c.BR(日時, L"衝"); },
       "true"},
      {"both", [](CraftedChart& c) { c.pillar(月, L"辛卯").SR(日月, L"剋"); },
       "grey .存在金星混雜 .存在剋衝刑破害"},
  };
  ExpectVerdicts(
      曲直格, [] { return CraftedChart(L"癸亥", L"丁卯", L"甲子", L"己未"); }, cases);
}

// 丁 day, 壬 hour stem, 亥 卯 未: a candidate through the combining day master, closing with the
// 丁壬 note whether true or not.
TEST(ElementPatterns, CombiningDayMasterClosesWithTheNoteTrueOrNot) {
  const std::wstring firstVerse =
      L"<br>甲乙生人寅卯辰，又名仁壽兩堪評；亥卯未全嫌白帝，若逢坎地必榮身。";
  for (const bool grey : {false, true}) {
    SCOPED_TRACE(grey ? "grey" : "true");
    CraftedChart chart(L"癸亥", L"乙卯", L"丁未", L"壬寅");
    chart.SR(日時, L"合木");
    if (grey) {
      chart.BR(日時, L"害");
    }
    const std::wstring block = PatternBlock(chart.chart(), 曲直格);
    const std::wstring heading =
        grey ? L"<br>[曲直格]<span style='font-size:11pt;font-family:標楷體;color:darkgrey'>"
               L"&nbsp;&nbsp;未入格原因:  .存在剋衝刑破害</span>"
             : L"<br><font color = blue>[曲直格]</font>";
    EXPECT_EQ(U8(block), U8(heading + firstVerse + kWoodNote));
    EXPECT_EQ(chart.chart().transformationEntered, 1);
  }

  // The combination may stand with the month instead; a 甲 day writes no note.
  CraftedChart month(L"癸亥", L"壬卯", L"丁未", L"丙寅");
  month.SR(日月, L"合木");
  EXPECT_EQ(Verdict(month.chart(), 曲直格), "true");
  EXPECT_EQ(month.chart().transformationEntered, 1);
  CraftedChart wood(L"癸亥", L"丁卯", L"甲子", L"己未");
  EXPECT_TRUE(PatternBlock(wood.chart(), 曲直格).ends_with(firstVerse));
  EXPECT_EQ(wood.chart().transformationEntered, 0);
}

TEST(ElementPatterns, BlazingUp) {
  // 丙 day with 寅 午 戌 and no water.
  const PatternCase cases[] = {
      {"丙 day with 寅午戌", nullptr, "true"},
      {"巳午未", [](CraftedChart& c) { c.pillar(年, L"乙巳").pillar(時, L"乙未"); }, "true"},
      {"no 戌", [](CraftedChart& c) { c.pillar(日, L"丙子"); }, "no candidate"},
      // The one reason needs water and a failed relation together.
      {"water alone", [](CraftedChart& c) { c.pillar(月, L"壬午"); }, "grey"},
      {"a failed relation alone", [](CraftedChart& c) { c.SR(日時, L"剋"); }, "grey"},
      {"water and a failed relation",
       [](CraftedChart& c) { c.pillar(月, L"癸午").BR(時日, L"刑"); }, "grey .存在剋衝刑破害"},
      // 戊 combining with a 癸 month: the 癸 is water, so never true.
      {"a 戊 day combining with 癸",
       [](CraftedChart& c) { c.pillar(日, L"戊戌").pillar(月, L"癸午").SR(日月, L"合火"); },
       "grey"},
      {"a 癸 day", [](CraftedChart& c) { c.pillar(日, L"癸戌").SR(日時, L"合火"); }, "grey"},
  };
  ExpectVerdicts(
      炎上格, [] { return CraftedChart(L"甲寅", L"丙午", L"丙戌", L"甲午"); }, cases);
}

TEST(ElementPatterns, SowingAndReaping) {
  // 戊 day with the earth frame and no wood.
  const PatternCase cases[] = {
      {"戊 day with the earth frame", nullptr, "true"},
      {"己 day", [](CraftedChart& c) { c.pillar(日, L"己戌"); }, "true"},
      {"a 寅", [](CraftedChart& c) { c.pillar(時, L"丙寅"); }, "grey .存在木星混雜"},
      {"a relation", [](CraftedChart& c) { c.BR(時日, L"破"); }, "grey .存在剋衝刑破害"},
      // 甲 combining with a 己 month: the 甲 is wood, so never true.
      {"a 甲 day combining with 己",
       [](CraftedChart& c) { c.pillar(日, L"甲戌").pillar(月, L"己未").SR(日月, L"合土"); },
       "grey .存在木星混雜"},
      {"a 甲 day without the combination", [](CraftedChart& c) { c.pillar(日, L"甲戌"); },
       "no candidate"},
  };
  ExpectVerdicts(
      稼穡格,
      [] {
        CraftedChart c(L"丙辰", L"丁未", L"戊戌", L"丙辰");
        c.frame(土);
        return c;
      },
      cases);
  CraftedChart noFrame(L"丙辰", L"丁未", L"戊戌", L"丙辰");
  EXPECT_EQ(Verdict(noFrame.chart(), 稼穡格), "no candidate");
}

TEST(ElementPatterns, TransformationNoteFollowsTheDayMasterOfTheNote) {
  // 己 is a day master of earth and a stem of the 甲己 note: its block ends with the note too.
  struct Case {
    const PatternSlots& pattern;
    const wchar_t* dayPillar;
    bool noted;
  };
  const Case cases[] = {
      {稼穡格, L"己戌", true},  {稼穡格, L"戊戌", false}, {從革格, L"庚戌", true},
      {從革格, L"辛戌", false}, {潤下格, L"辛子", true},  {潤下格, L"丙子", true},
      {潤下格, L"壬子", false}, {潤下格, L"癸子", false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(U8(k.pattern.name) + " " + U8(k.dayPillar));
    CraftedChart chart(L"甲申", L"甲申", k.dayPillar, L"甲申");
    chart.frame(土).frame(金).frame(水).frame(火).SR(日時, L"合");
    const std::wstring block = PatternBlock(chart.chart(), k.pattern);
    ASSERT_FALSE(block.empty());
    EXPECT_EQ(block.find(L"<br>(註：") != std::wstring::npos, k.noted);
    EXPECT_EQ(chart.chart().transformationEntered, k.noted ? 1 : 0);
  }
}

TEST(ElementPatterns, FollowingTheChange) {
  // 庚 day with the metal direction and no fire.
  const PatternCase cases[] = {
      {"the metal direction", [](CraftedChart& c) { c.direction(金); }, "true"},
      {"the metal frame", [](CraftedChart& c) { c.frame(金); }, "true"},
      {"neither", nullptr, "no candidate"},
      {"an 乙 day combining",
       [](CraftedChart& c) { c.pillar(日, L"乙戌").SR(日月, L"合金").frame(金); }, "true"},
      {"a 午", [](CraftedChart& c) { c.direction(金).pillar(時, L"戊午"); }, "grey .存在火星混雜"},
      // A 巳 repeats the reason beside the frame and beside the direction.
      {"a 巳 with the frame", [](CraftedChart& c) { c.frame(金).pillar(時, L"己巳"); },
       "grey .存在火星混雜"},
      {"a 巳 with frame and direction",
       [](CraftedChart& c) { c.frame(金).direction(金).pillar(時, L"己巳"); },
       "grey .存在火星混雜 .存在火星混雜"},
      {"a 巳, a 丙, frame and direction",
       [](CraftedChart& c) { c.frame(金).direction(金).pillar(時, L"丙巳").SR(日時, L"剋"); },
       "grey .存在火星混雜 .存在火星混雜 .存在火星混雜 .存在剋衝刑破害"},
  };
  ExpectVerdicts(
      從革格, [] { return CraftedChart(L"戊申", L"辛酉", L"庚戌", L"戊子"); }, cases);
}

TEST(ElementPatterns, SoakingDown) {
  // 壬 day with the water frame, one 辰 and no other earth.
  const PatternCase cases[] = {
      {"壬 day with the water frame", nullptr, "true"},
      {"a 辛 day combining with the hour",
       [](CraftedChart& c) { c.pillar(日, L"辛子").SR(日時, L"合水"); }, "true"},
      {"辰 and 丑", [](CraftedChart& c) { c.pillar(年, L"庚丑"); }, "grey .存在土星混雜"},
      {"a 戊 stem", [](CraftedChart& c) { c.pillar(時, L"戊亥"); }, "grey .存在土星混雜"},
      {"a relation", [](CraftedChart& c) { c.SR(月日, L"剋"); }, "grey .存在剋衝刑破害"},
  };
  ExpectVerdicts(
      潤下格,
      [] {
        CraftedChart c(L"庚申", L"壬子", L"壬辰", L"辛亥");
        c.frame(水);
        return c;
      },
      cases);
  CraftedChart direction(L"庚申", L"壬子", L"壬辰", L"辛亥");
  direction.direction(水);
  EXPECT_EQ(Verdict(direction.chart(), 潤下格), "true");
}

// Each block shows its own first verse; no source gives the three after it.
TEST(ElementPatterns, VersesAreTheQuotedFirst) {
  for (const PatternSlots& p : {曲直格, 炎上格, 稼穡格, 從革格, 潤下格}) {
    SCOPED_TRACE(U8(p.name));
    EXPECT_EQ(CatalogueRecord(p.name).verses.size(), 1u);
  }
  EXPECT_EQ(CatalogueRecord(潤下格.name).verses.front(),
            L"<br>天干壬癸喜冬生，更值申辰會局成；或是全歸亥子丑，等閑平步上青雲。");
  EXPECT_EQ(CatalogueRecord(潤下格.name).transformationNote.text, L"<br>(註：丙辛化合水。)");
}

}  // namespace
}  // namespace interpretation
