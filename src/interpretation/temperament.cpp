#include "interpretation/temperament.h"

#include <array>

#include "chart/stem_branch_basics.h"
#include "interpretation/chart_notation.h"
#include "interpretation/text_pools.h"

namespace interpretation {

namespace {

using namespace notation;

// One sentence of the rhapsody: its row in kPhysiognomySentences and the condition under which
// a chart gets it.
struct SentenceRule {
  int row;
  bool (*holds)(const ChartNotation& c);
};

constexpr auto kSentenceRules = std::to_array<SentenceRule>({
    // 正官官星愷悌
    {1,
     [](const ChartNotation& c) {
       return (c.stemTG(正官) >= 1 && c.hiddenTG(正官) >= 1 && c.TG(正官) >= 2) || c.TG(正官) >= 3;
     }},
    // 印綬主多智慧
    {2,
     [](const ChartNotation& c) {
       return (c.stemTG(正印) >= 1 || c.stemTG(偏印) >= 1) && c.TG(正印) + c.TG(偏印) >= 3;
     }},
    // 食神善能飲食
    {3,
     [](const ChartNotation& c) {
       return (c.stemTG(食神) >= 1 && c.hiddenTG(食神) >= 1 && c.TG(食神) >= 2) || c.TG(食神) >= 3;
     }},
    // 偏官七煞
    {4,
     [](const ChartNotation& c) {
       return (c.stemTG(偏官) >= 1 && c.hiddenTG(偏官) >= 1 && c.TG(偏官) >= 3) || c.TG(偏官) >= 4;
     }},
    // 梟印當權
    {5,
     [](const ChartNotation& c) {
       return ((c.stemTG(偏印) >= 1 && c.hiddenTG(偏印) >= 1) || c.TG(偏印) >= 3) &&
              c.TG(食神) >= 2;
     }},
    // 偏印劫刃
    {6,
     [](const ChartNotation& c) {
       return c.TG(偏印) >= 1 && c.TG(劫財) >= 1 && c.star(羊刃) >= 1;
     }},
    // 偏正財露
    {7,
     [](const ChartNotation& c) {
       return (c.stemTG(正財) >= 1 || c.stemTG(偏財) >= 1) && c.TG(正財) + c.TG(偏財) >= 3;
     }},
    // 傷官傷盡
    {8,
     [](const ChartNotation& c) {
       return ((c.stemTG(傷官) >= 1 && c.hiddenTG(傷官) >= 1) || c.TG(傷官) >= 3) &&
              c.TG(偏官) + c.TG(正官) == 0;
     }},
    // 日德心善
    {9, [](const ChartNotation& c) { return c.star(日德) >= 1; }},
    // 魁罡性嚴
    {10, [](const ChartNotation& c) { return c.star(魁罡) >= 1; }},
    // 日貴夜貴
    {11, [](const ChartNotation& c) { return c.star(日貴) >= 1; }},
    // 乙己鼠貴: the 乙 day at a 子 hour with 午 beside it and an upright officer on the month stem
    // (the officer read as the month stem's ten god: the stem itself never holds the word).
    {12,
     [](const ChartNotation& c) {
       return c.stem(日) == 乙 && c.branch(時) == 子 &&
              (c.branch(日) == 午 || c.branch(年) == 午 || c.branch(月) == 午) &&
              c.stemTenGod(月) == L"正官";
     }},
    // 井欄飛天
    {13,
     [](const ChartNotation& c) {
       return c.stem(日) == 庚 && OneOf(c.branch(日), {申, 子, 辰}) && c.branches(子) >= 1 &&
              c.branches(辰) >= 1 && c.branches(申) >= 1;
     }},
    // 壬騎龍背
    {14,
     [](const ChartNotation& c) {
       return c.stem(日) == 壬 && c.branch(日) == 辰 && c.branches(辰) + c.stems(壬) >= 4;
     }},
    // 六甲趨乾
    {15,
     [](const ChartNotation& c) {
       return c.stem(日) == 甲 && (c.branch(日) == 亥 || c.branches(亥) >= 2);
     }},
    // 五陰會局
    {16,
     [](const ChartNotation& c) {
       const int yin =
           c.allStems(乙) + c.allStems(丁) + c.allStems(己) + c.allStems(辛) + c.allStems(癸);
       const int yang =
           c.allStems(甲) + c.allStems(丙) + c.allStems(戊) + c.allStems(庚) + c.allStems(壬);
       return c.allStems(乙) >= 1 && c.allStems(丁) >= 1 && c.allStems(己) >= 1 &&
              c.allStems(辛) >= 1 && c.allStems(癸) >= 1 && yin > yang;
     }},
    // 二德印生
    {17,
     [](const ChartNotation& c) {
       return c.star(天德) >= 1 && c.star(月德) >= 1 && c.TG(偏印) + c.TG(正印) >= 1;
     }},
    // 火炎土燥
    {18,
     [](const ChartNotation& c) {
       return OneOf(c.stem(日), {丙, 丁}) && c.allStems(丙) + c.allStems(丁) >= 4 &&
              c.stems(壬) + c.stems(癸) == 0 && c.allStems(壬) + c.allStems(癸) <= 2 &&
              c.allStems(戊) + c.allStems(己) >= 2;
     }},
    // 水清潤下
    {19,
     [](const ChartNotation& c) {
       return OneOf(c.stem(日), {壬, 癸}) && (c.frame(水) >= 1 || c.direction(水) >= 1);
     }},
    // 金白水清
    {20,
     [](const ChartNotation& c) {
       return OneOf(c.stem(日), {庚, 辛}) && c.allStems(壬) + c.allStems(癸) >= 2 &&
              c.allStems(戊) + c.allStems(己) <= 2;
     }},
    // 土氣厚重
    {21,
     [](const ChartNotation& c) {
       return OneOf(c.stem(日), {戊, 己}) && c.allStems(戊) + c.allStems(己) >= 4;
     }},
});
// Every sentence of the rhapsody but its preamble (row 0).
static_assert(kSentenceRules.size() == kPhysiognomySentences.size() - 1);

}  // namespace

std::wstring PhysiognomyVerseText(const chart::FourPillarsChart& chart) {
  // No sentence reads the seasonal values.
  const ChartNotation notation(chart, chart::SeasonalStrengthValues{});
  std::wstring text(kPhysiognomySentences[0].text);  // the preamble
  for (const SentenceRule& rule : kSentenceRules) {
    if (rule.holds(notation)) {
      text += kPhysiognomySentences[rule.row].text;
    }
  }
  return text;
}

std::wstring ElementNatureText(const chart::FourPillarsChart& chart) {
  const std::wstring& dayStem = chart.pillars[chart::kDayPillar].stem;
  std::wstring text = L"<br>《淵海子平》日主為" + dayStem + L"。";
  const int element = chart::ElementIndex(chart::ElementOfStem(dayStem));  // 木 0 .. 水 4
  if (element >= 0) {
    text += kElementNatures[element].text;
  }
  text += L"<br>《相心賦》";
  text += PhysiognomyVerseText(chart);
  return text;
}

}  // namespace interpretation
