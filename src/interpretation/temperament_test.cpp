#include "interpretation/temperament.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "interpretation/passage_test_support.h"

namespace interpretation {
namespace {

using chart::FourPillarsChart;

// Stems and branches by their index in the chart's counters.
enum : int { 甲 = 0, 乙, 丙, 丁, 戊, 己, 庚, 辛, 壬, 癸 };
enum : int { 子 = 0, 丑, 寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌, 亥 };

// The preamble and the sentences of the rows, in the order given.
std::wstring Sentences(std::vector<int> rows) {
  std::wstring text(kPhysiognomySentences[0].text);
  for (const int row : rows) {
    text += PoolText(kPhysiognomySentences, {std::to_wstring(row)});
  }
  return text;
}

// Sets a ten god's count among the stems and among the hidden stems, and their total.
void SetTenGod(FourPillarsChart& chart, int tenGod, int onStems, int hidden) {
  chart.stemTenGodCounts[tenGod] = onStems;
  chart.hiddenTenGodCounts[tenGod] = hidden;
  chart.tenGodCounts[tenGod] = onStems + hidden;
}

struct Case {
  const char* label;
  const wchar_t* dayPillar;
  std::function<void(FourPillarsChart&)> counters;
  std::vector<int> rows;
};

TEST(PhysiognomyVerseText, SentencesWhoseConditionsTheCountersMeet) {
  const Case cases[] = {
      {"正官 1 on a stem and 1 hidden",
       L"甲子",
       [](FourPillarsChart& c) { SetTenGod(c, chart::kCountZhengGuan, 1, 1); },
       {1}},
      {"正官 2, both on stems",
       L"甲子",
       [](FourPillarsChart& c) { SetTenGod(c, chart::kCountZhengGuan, 2, 0); },
       {}},
      {"正官 3 hidden",
       L"甲子",
       [](FourPillarsChart& c) { SetTenGod(c, chart::kCountZhengGuan, 0, 3); },
       {1}},
      {"偏官 3 on a stem and hidden",
       L"甲子",
       [](FourPillarsChart& c) { SetTenGod(c, chart::kCountPianGuan, 1, 2); },
       {4}},
      {"偏官 3 on stems only",
       L"甲子",
       [](FourPillarsChart& c) { SetTenGod(c, chart::kCountPianGuan, 3, 0); },
       {}},
      {"偏官 4 hidden",
       L"甲子",
       [](FourPillarsChart& c) { SetTenGod(c, chart::kCountPianGuan, 0, 4); },
       {4}},
      {"傷官 3 alone",
       L"甲子",
       [](FourPillarsChart& c) { SetTenGod(c, chart::kCountShangGuan, 0, 3); },
       {8}},
      {"傷官 3 with one 正官",
       L"甲子",
       [](FourPillarsChart& c) {
         SetTenGod(c, chart::kCountShangGuan, 0, 3);
         SetTenGod(c, chart::kCountZhengGuan, 0, 1);
       },
       {}},
      {"印 3 with a 偏印 stem",
       L"甲子",
       [](FourPillarsChart& c) {
         SetTenGod(c, chart::kCountPianYin, 1, 0);
         SetTenGod(c, chart::kCountZhengYin, 0, 2);
       },
       {2}},
      {"偏印 on a stem and hidden with two 食神",
       L"甲子",
       [](FourPillarsChart& c) {
         SetTenGod(c, chart::kCountPianYin, 1, 1);
         SetTenGod(c, chart::kCountShiShen, 0, 2);
       },
       {5}},
      {"偏印, 劫財 and 羊刃",
       L"甲子",
       [](FourPillarsChart& c) {
         SetTenGod(c, chart::kCountPianYin, 0, 1);
         SetTenGod(c, chart::kCountJieCai, 0, 1);
         c.starCounts[chart::kStar羊刃] = 1;
       },
       {6}},
      {"財 3 with a 正財 stem",
       L"甲子",
       [](FourPillarsChart& c) {
         SetTenGod(c, chart::kCountZhengCai, 1, 0);
         SetTenGod(c, chart::kCountPianCai, 0, 2);
       },
       {7}},
      {"the stars of rows 9 to 11, 17 and the seal",
       L"甲子",
       [](FourPillarsChart& c) {
         c.starCounts[chart::kStar日德] = 1;
         c.starCounts[chart::kStar魁罡] = 2;
         c.starCounts[chart::kStar日貴] = 1;
         c.starCounts[chart::kStar天德] = 1;
         c.starCounts[chart::kStar月德] = 1;
         SetTenGod(c, chart::kCountZhengYin, 0, 1);
       },
       {9, 10, 11, 17}},
      {"天德 and 月德 without a seal",
       L"甲子",
       [](FourPillarsChart& c) {
         c.starCounts[chart::kStar天德] = 1;
         c.starCounts[chart::kStar月德] = 1;
       },
       {}},
      {"day 庚辰 with 子 and 申",
       L"庚辰",
       [](FourPillarsChart& c) {
         c.branchCounts[子] = 1, c.branchCounts[辰] = 1, c.branchCounts[申] = 1;
       },
       {13}},
      {"day 庚午 with 子, 辰 and 申",
       L"庚午",
       [](FourPillarsChart& c) {
         c.branchCounts[子] = 1, c.branchCounts[辰] = 1, c.branchCounts[申] = 1;
       },
       {}},
      {"day 壬辰 with three 辰 and a 壬 stem",
       L"壬辰",
       [](FourPillarsChart& c) { c.branchCounts[辰] = 3, c.stemCounts[壬] = 1; },
       {14}},
      {"day 壬辰 with two 辰 and a 壬 stem",
       L"壬辰",
       [](FourPillarsChart& c) { c.branchCounts[辰] = 2, c.stemCounts[壬] = 1; },
       {}},
      {"day 甲子 with two 亥", L"甲子", [](FourPillarsChart& c) { c.branchCounts[亥] = 2; }, {15}},
      {"day 甲亥", L"甲亥", [](FourPillarsChart& c) { c.branchCounts[亥] = 1; }, {15}},
      {"five yin stems outweighing the yang",
       L"乙丑",
       [](FourPillarsChart& c) {
         for (const int s : {乙, 丁, 己, 辛, 癸}) {
           c.allStemCounts[s] = 1;
         }
         c.allStemCounts[甲] = 4;
       },
       {16}},
      {"five yin stems as many as the yang",
       L"乙丑",
       [](FourPillarsChart& c) {
         for (const int s : {乙, 丁, 己, 辛, 癸}) {
           c.allStemCounts[s] = 1;
         }
         c.allStemCounts[甲] = 5;
       },
       {}},
      {"day 丙: fire 4, one 壬 hidden, earth 2",
       L"丙子",
       [](FourPillarsChart& c) {
         c.allStemCounts[丙] = 3, c.allStemCounts[丁] = 1, c.allStemCounts[壬] = 1;
         c.allStemCounts[戊] = 2;
       },
       {18}},
      {"day 丙: the 壬 on a stem",
       L"丙子",
       [](FourPillarsChart& c) {
         c.allStemCounts[丙] = 3, c.allStemCounts[丁] = 1, c.allStemCounts[壬] = 1;
         c.allStemCounts[戊] = 2, c.stemCounts[壬] = 1;
       },
       {}},
      {"day 癸 in a water frame",
       L"癸亥",
       [](FourPillarsChart& c) { c.threeHarmonyFlags[0] = 1; },
       {19}},
      {"day 壬 in a water direction",
       L"壬子",
       [](FourPillarsChart& c) { c.directionFlags[0] = 1; },
       {19}},
      {"day 壬 in a wood frame",
       L"壬子",
       [](FourPillarsChart& c) { c.threeHarmonyFlags[1] = 1; },
       {}},
      {"day 辛 with water 2 and earth 2",
       L"辛丑",
       [](FourPillarsChart& c) { c.allStemCounts[癸] = 2, c.allStemCounts[己] = 2; },
       {20}},
      {"day 辛 with water 2 and earth 3",
       L"辛丑",
       [](FourPillarsChart& c) { c.allStemCounts[癸] = 2, c.allStemCounts[己] = 3; },
       {}},
      {"day 戊 with earth 4",
       L"戊辰",
       [](FourPillarsChart& c) { c.allStemCounts[戊] = 3, c.allStemCounts[己] = 1; },
       {21}},
      {"several rows, in their order",
       L"戊辰",
       [](FourPillarsChart& c) {
         c.allStemCounts[戊] = 4;
         c.starCounts[chart::kStar魁罡] = 1;
         SetTenGod(c, chart::kCountZhengGuan, 0, 3);
       },
       {1, 10, 21}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const auto chart = ChartOfPillars(L"甲子", L"丙寅", c.dayPillar, L"甲子");
    c.counters(*chart);
    EXPECT_EQ(U8(PhysiognomyVerseText(*chart)), U8(Sentences(c.rows)));
  }
}

// Row 12 asks for a 乙 day at a 子 hour with 午 on the day, year or month branch, and an upright
// officer on the month stem, read as that stem's ten god.
TEST(PhysiognomyVerseText, The乙DayRatNeedsAnOfficerOnTheMonthStem) {
  struct Row12Case {
    const char* label;
    const wchar_t* year;
    const wchar_t* month;
    const wchar_t* day;
    const wchar_t* hour;
    const wchar_t* monthStemTenGod;
    bool holds;
  };
  const Row12Case cases[] = {
      {"午 year", L"甲午", L"庚寅", L"乙丑", L"丙子", L"正官", true},
      {"午 month", L"甲寅", L"庚午", L"乙丑", L"丙子", L"正官", true},
      {"午 day", L"甲寅", L"庚寅", L"乙午", L"丙子", L"正官", true},
      {"午 at the hour only", L"甲寅", L"庚寅", L"乙丑", L"丙午", L"正官", false},
      {"no 子 hour", L"甲午", L"庚寅", L"乙丑", L"丙丑", L"正官", false},
      {"a 偏官 month stem", L"甲午", L"辛寅", L"乙丑", L"丙子", L"偏官", false},
      {"no ten god on the month stem", L"甲午", L"庚寅", L"乙丑", L"丙子", L"", false},
      {"a 甲 day", L"甲午", L"庚寅", L"甲丑", L"丙子", L"正官", false},
  };
  for (const Row12Case& c : cases) {
    SCOPED_TRACE(c.label);
    const auto chart = ChartOfPillars(c.year, c.month, c.day, c.hour);
    chart->pillars[chart::kMonthPillar].stemTenGod = c.monthStemTenGod;
    EXPECT_EQ(U8(PhysiognomyVerseText(*chart)), U8(c.holds ? Sentences({12}) : Sentences({})));
  }
}

TEST(ElementNatureText, TheDayMasterTheNatureOfItsElementAndTheRhapsody) {
  struct NatureCase {
    const wchar_t* dayStem;
    const wchar_t* element;
  };
  const NatureCase cases[] = {
      {L"甲", L"木"}, {L"乙", L"木"}, {L"丙", L"火"}, {L"丁", L"火"}, {L"戊", L"土"},
      {L"己", L"土"}, {L"庚", L"金"}, {L"辛", L"金"}, {L"壬", L"水"}, {L"癸", L"水"},
  };
  for (const NatureCase& c : cases) {
    SCOPED_TRACE(U8(c.dayStem));
    const auto chart = ChartOfPillars(L"甲子", L"丙寅", L"", L"甲子");
    chart->pillars[chart::kDayPillar].stem = c.dayStem;
    EXPECT_EQ(U8(ElementNatureText(*chart)),
              U8(std::wstring(L"<br>《淵海子平》日主為") + c.dayStem + L"。" +
                 PoolText(kElementNatures, {c.element}) + L"<br>《相心賦》" + Sentences({})));
  }
}

TEST(ElementNatureText, AnyOtherDayStemIsPrintedWithoutANature) {
  for (const wchar_t* stem : {L"", L"子", L"甲 ", L"X"}) {
    SCOPED_TRACE(U8(stem));
    const auto chart = ChartOfPillars(L"甲子", L"丙寅", L"", L"甲子");
    chart->pillars[chart::kDayPillar].stem = stem;
    EXPECT_EQ(U8(ElementNatureText(*chart)),
              U8(std::wstring(L"<br>《淵海子平》日主為") + stem + L"。<br>《相心賦》" +
                 L"人居六合，心相五行；欲曉一生，辨形察性。"));
  }
}

}  // namespace
}  // namespace interpretation
