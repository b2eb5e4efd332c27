#include <gtest/gtest.h>

#include "interpretation/pattern_test_support.h"

namespace interpretation {
namespace {

using namespace notation;

// Sets the nayin element counts of the five pillars, in the order 木 火 土 金 水.
void Nayin(CraftedChart& c, std::array<int, 5> counts) {
  for (Element e : {木, 火, 土, 金, 水}) {
    c.chart().nayinElementCounts[chart::NameIndex(chart::kNayinCountOrder,
                                                  chart::kElementsByProduction[e])] = counts[e];
  }
}

TEST(UniformPatterns, FiveElementsComplete) {
  const PatternCase cases[] = {
      {"every nayin element, DM at v旺",
       [](CraftedChart& c) {
         Nayin(c, {1, 1, 1, 1, 1});
       },
       "true"},
      {"水 missing",
       [](CraftedChart& c) {
         Nayin(c, {2, 1, 1, 1, 0});
       },
       "no candidate"},
      {"DM below v旺",
       [](CraftedChart& c) {
         Nayin(c.DM(7), {1, 1, 1, 1, 1});
       },
       "grey .身強弱度不足"},
  };
  ExpectVerdicts(
      五行俱足格,
      [] {
        CraftedChart c(L"甲子", L"丙寅", L"戊辰", L"庚午");
        c.DM(8);
        return c;
      },
      cases);

  // Green when it holds, and nothing counted, flagged or listed but its candidate.
  CraftedChart chart(L"甲子", L"丙寅", L"戊辰", L"庚午");
  Nayin(chart.DM(8), {1, 1, 1, 1, 1});
  EXPECT_EQ(U8(PatternBlock(chart.chart(), 五行俱足格)),
            U8(L"<br><font color = #00FF00>[五行俱足格]</font>"
               L"<br>八字天干地支中，納音五行金木水火土皆有。"));
  EXPECT_EQ(chart.chart().candidatePatternFlags[43], 1);
  EXPECT_EQ(chart.chart().truePatternCount, 0);
  EXPECT_EQ(chart.chart().truePatternList, L"");
  EXPECT_EQ(chart.chart().truePatternFlags, (std::array<int, chart::kPatternSlots>{}));
}

TEST(UniformPatterns, OneQiAsTheWall) {
  const PatternCase cases[] = {
      {"nayin all 金",
       [](CraftedChart& c) {
         Nayin(c, {0, 0, 0, 5, 0});
       },
       "true"},
      {"nayin all 木, DM weak",
       [](CraftedChart& c) {
         Nayin(c.DM(0), {5, 0, 0, 0, 0});
       },
       "true"},
      {"nayin 金 four times",
       [](CraftedChart& c) {
         Nayin(c, {1, 0, 0, 4, 0});
       },
       "no candidate"},
  };
  ExpectVerdicts(
      一氣為垣格, [] { return CraftedChart(L"甲子", L"丙寅", L"戊辰", L"庚午"); }, cases);
}

// Nayin all 金: 一氣為垣格 true and 五行俱足格 not a candidate, over the catalogue.
TEST(UniformPatterns, OneQiAsTheWallOverTheCatalogue) {
  CraftedChart chart(L"甲子", L"丙寅", L"戊辰", L"庚午");
  Nayin(chart.DM(8), {0, 0, 0, 5, 0});
  const std::wstring page = JudgeChartPatterns(chart.chart(), {8, 5, 3, 2, 1});
  EXPECT_NE(page.find(L"<br><font color = blue>[一氣為垣格]</font>"
                      L"<br>八字天干地支中，納音五行全為金或木或水或火或土。"),
            std::wstring::npos);
  EXPECT_EQ(page.find(L"[五行俱足格]"), std::wstring::npos);
  EXPECT_EQ(chart.chart().truePatternFlags[67], 1);
  EXPECT_EQ(chart.chart().candidatePatternFlags[67], 1);
}

TEST(UniformPatterns, HeavenlyOriginOneQi) {
  const PatternCase cases[] = {
      {"four 甲子", nullptr, "true"},
      {"four 辛卯",
       [](CraftedChart& c) {
         for (Pillar p : kFourPillars) {
           c.pillar(p, L"辛卯");
         }
       },
       "grey .此格不可以是辛卯"},
      {"one 甲戌", [](CraftedChart& c) { c.pillar(時, L"甲戌"); }, "no candidate"},
      {"one 丙子", [](CraftedChart& c) { c.pillar(年, L"丙子"); }, "no candidate"},
  };
  ExpectVerdicts(
      天元一氣格, [] { return CraftedChart(L"甲子", L"甲子", L"甲子", L"甲子"); }, cases);
}

// Four 辛卯: grey with its reason, still followed by its ten verses, the first and the last as
// quoted, the others from the source.
TEST(UniformPatterns, HeavenlyOriginOneQiOfFourXinMaoShowsItsTenVerses) {
  CraftedChart chart(L"辛卯", L"辛卯", L"辛卯", L"辛卯");
  std::wstring expected =
      L"<br>[天元一氣格]<span style='font-size:11pt;font-family:標楷體;color:darkgrey'>"
      L"&nbsp;&nbsp;未入格原因:  .此格不可以是辛卯</span>"
      L"<br>四重陽水四重寅，離坎交爭旺氣臨，運至火鄉加顯貴，往來須忌對提刑。";
  for (int n = 2; n <= 9; ++n) {
    expected += PoolText(kPatternVerses, {L"天元一氣格", std::to_wstring(n)});
  }
  expected += L"<br>天干四癸在乾宮，水木相生作倒沖，名利盈盈須有望，南方行運壽還終。";
  EXPECT_EQ(U8(PatternBlock(chart.chart(), 天元一氣格)), U8(expected));
}

TEST(UniformPatterns, StemsOneCharacter) {
  const PatternCase cases[] = {
      {"four 甲 stems", nullptr, "true"},
      {"four 甲 stems, clashing branches", [](CraftedChart& c) { c.relations(branch衝, 2); },
       "true"},
      {"one 乙 stem", [](CraftedChart& c) { c.pillar(日, L"乙戌"); }, "no candidate"},
  };
  ExpectVerdicts(
      干辰一字格, [] { return CraftedChart(L"甲子", L"甲寅", L"甲辰", L"甲午"); }, cases);
  CraftedChart chart(L"甲子", L"甲寅", L"甲辰", L"甲午");
  EXPECT_EQ(U8(PatternBlock(chart.chart(), 干辰一字格)),
            U8(L"<br><font color = blue>[干辰一字格]</font>"
               L"<br>天元一氣水為源，生在秋冬貴莫言；大運吉神逢一位，他年仕途比高遷。"
               L"<br>天元一字蓋頭連，男女孤苦夜難眠；又見刑衝與破害，貧寒短壽與誰言。"));
}

TEST(UniformPatterns, BranchesOneCharacter) {
  const PatternCase cases[] = {
      {"four 子 branches", nullptr, "true"},
      {"a punishment", [](CraftedChart& c) { c.relations(刑, 1); }, "grey .存在刑衝破害"},
      {"a clash written 沖", [](CraftedChart& c) { c.relations(branch沖, 1); }, "true"},
      {"one 丑", [](CraftedChart& c) { c.pillar(日, L"戊丑"); }, "no candidate"},
  };
  ExpectVerdicts(
      支成一字格, [] { return CraftedChart(L"甲子", L"丙子", L"戊子", L"庚子"); }, cases);
}

// Of 天元一氣格, 干辰一字格 and 支成一字格 only the first candidate is judged, over the whole
// catalogue and the typed chart as the interpretation receives it.
TEST(UniformPatterns, OnlyTheFirstCandidateOfTheLastThreeIsJudged) {
  struct Case {
    std::array<std::wstring, 4> pillars;
    std::vector<std::wstring> shown;
  };
  const Case cases[] = {
      {{L"甲子", L"甲子", L"甲子", L"甲子"}, {L"<br><font color = blue>[天元一氣格]</font>"}},
      {{L"辛卯", L"辛卯", L"辛卯", L"辛卯"}, {L"<br>[天元一氣格]"}},
      {{L"甲子", L"甲戌", L"甲申", L"甲午"}, {L"<br><font color = blue>[干辰一字格]</font>"}},
      {{L"甲子", L"丙子", L"戊子", L"庚子"}, {L"[支成一字格]"}},
      {{L"甲子", L"丙寅", L"戊辰", L"庚午"}, {}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(U8(k.pillars[0] + k.pillars[1] + k.pillars[2] + k.pillars[3]));
    auto chart = InterpretedTypedChart(k.pillars);
    ASSERT_NE(chart, nullptr);
    const std::wstring page = JudgeChartPatterns(*chart, {8, 5, 3, 2, 1});
    int uniform = 0;
    for (const PatternSlots& p : {天元一氣格, 干辰一字格, 支成一字格}) {
      const bool shown = page.find(L"[" + std::wstring(p.name) + L"]") != std::wstring::npos;
      uniform += shown;
      EXPECT_EQ(shown, chart->candidatePatternFlags[p.candidateSlot] == 1);
    }
    EXPECT_EQ(uniform, static_cast<int>(k.shown.size()));
    for (const std::wstring& heading : k.shown) {
      EXPECT_NE(page.find(heading), std::wstring::npos) << U8(heading);
    }
  }
}

TEST(UniformPatterns, VersesAreTheQuotedAndTheSourced) {
  EXPECT_EQ(CatalogueRecord(天元一氣格.name).verses.size(), 10u);
  // 干辰一字格: no source gives verses 2 to 5.
  EXPECT_EQ(CatalogueRecord(干辰一字格.name).verses.size(), 2u);
  EXPECT_EQ(CatalogueRecord(支成一字格.name).verses,
            (std::vector<std::wstring_view>{L"<br>年月日時，支辰一字，不雜者為貴。"}));
}

}  // namespace
}  // namespace interpretation
