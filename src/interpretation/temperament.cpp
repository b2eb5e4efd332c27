#include "interpretation/temperament.h"

#include <array>
#include <initializer_list>

#include "chart/stem_branch_basics.h"
#include "interpretation/text_pools.h"
#include "vocabulary/vocabulary_lists.h"

namespace interpretation {

namespace {

// Ten gods by their slot in the chart's ten-god counters.
constexpr int 劫財 = chart::kCountJieCai;
constexpr int 食神 = chart::kCountShiShen;
constexpr int 傷官 = chart::kCountShangGuan;
constexpr int 偏財 = chart::kCountPianCai;
constexpr int 正財 = chart::kCountZhengCai;
constexpr int 偏官 = chart::kCountPianGuan;
constexpr int 正官 = chart::kCountZhengGuan;
constexpr int 偏印 = chart::kCountPianYin;
constexpr int 正印 = chart::kCountZhengYin;

// Stems and branches by their index in the per-stem and per-branch counters.
enum Stem : int { 甲 = 0, 乙, 丙, 丁, 戊, 己, 庚, 辛, 壬, 癸 };
enum Branch : int { 子 = 0, 丑, 寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌, 亥 };

// The chart as the sentence conditions read it: total(x), stems(x) and hidden(x) count ten god x
// among all stems and hidden stems, the year, month and hour stems, and the hidden stems;
// four(s) and all(s) count stem s among the four stems and among stems and hidden stems; br(b)
// counts branch b among the four branches; star(n) is the counter of spirit star n.
class SentenceChart {
 public:
  explicit SentenceChart(const chart::FourPillarsChart& chart) : chart_(chart) {}

  int total(int tenGod) const { return chart_.tenGodCounts[tenGod]; }
  int stems(int tenGod) const { return chart_.stemTenGodCounts[tenGod]; }
  int hidden(int tenGod) const { return chart_.hiddenTenGodCounts[tenGod]; }
  int four(Stem stem) const { return chart_.stemCounts[stem]; }
  int all(Stem stem) const { return chart_.allStemCounts[stem]; }
  int br(Branch branch) const { return chart_.branchCounts[branch]; }
  int star(chart::StarSlot star) const { return chart_.starCounts[star]; }

  // Whether the day stem, or a pillar's branch, is exactly one of the names.
  bool dayStemIs(std::initializer_list<Stem> names) const {
    return IsOneOf(vocabulary::LookupStemIndex(chart_.pillars[chart::kDayPillar].stem), names);
  }
  bool branchIs(chart::PillarIndex pillar, std::initializer_list<Branch> names) const {
    return IsOneOf(vocabulary::LookupBranchIndex(chart_.pillars[pillar].branch), names);
  }
  const std::wstring& stemTenGod(chart::PillarIndex pillar) const {
    return chart_.pillars[pillar].stemTenGod;
  }
  // The 水 frame (three harmony) and the 水 directional combination.
  int waterFrame() const { return chart_.threeHarmonyFlags[0]; }
  int waterDirection() const { return chart_.directionFlags[0]; }

 private:
  template <typename Name>
  static bool IsOneOf(int index, std::initializer_list<Name> names) {
    for (const Name name : names) {
      if (index == name) {
        return true;
      }
    }
    return false;
  }

  const chart::FourPillarsChart& chart_;
};

// One sentence of the rhapsody: its row in kPhysiognomySentences and the condition under which
// a chart gets it.
struct SentenceRule {
  int row;
  bool (*holds)(const SentenceChart& c);
};

using chart::kDayPillar;
using chart::kHourPillar;
using chart::kMonthPillar;
using chart::kYearPillar;

constexpr std::array<SentenceRule, 21> kSentenceRules = {{
    // 正官官星愷悌
    {1,
     [](const SentenceChart& c) {
       return (c.stems(正官) >= 1 && c.hidden(正官) >= 1 && c.total(正官) >= 2) ||
              c.total(正官) >= 3;
     }},
    // 印綬主多智慧
    {2,
     [](const SentenceChart& c) {
       return (c.stems(正印) >= 1 || c.stems(偏印) >= 1) && c.total(正印) + c.total(偏印) >= 3;
     }},
    // 食神善能飲食
    {3,
     [](const SentenceChart& c) {
       return (c.stems(食神) >= 1 && c.hidden(食神) >= 1 && c.total(食神) >= 2) ||
              c.total(食神) >= 3;
     }},
    // 偏官七煞
    {4,
     [](const SentenceChart& c) {
       return (c.stems(偏官) >= 1 && c.hidden(偏官) >= 1 && c.total(偏官) >= 3) ||
              c.total(偏官) >= 4;
     }},
    // 梟印當權
    {5,
     [](const SentenceChart& c) {
       return ((c.stems(偏印) >= 1 && c.hidden(偏印) >= 1) || c.total(偏印) >= 3) &&
              c.total(食神) >= 2;
     }},
    // 偏印劫刃
    {6,
     [](const SentenceChart& c) {
       return c.total(偏印) >= 1 && c.total(劫財) >= 1 && c.star(chart::kStar羊刃) >= 1;
     }},
    // 偏正財露
    {7,
     [](const SentenceChart& c) {
       return (c.stems(正財) >= 1 || c.stems(偏財) >= 1) && c.total(正財) + c.total(偏財) >= 3;
     }},
    // 傷官傷盡
    {8,
     [](const SentenceChart& c) {
       return ((c.stems(傷官) >= 1 && c.hidden(傷官) >= 1) || c.total(傷官) >= 3) &&
              c.total(偏官) + c.total(正官) == 0;
     }},
    // 日德心善
    {9, [](const SentenceChart& c) { return c.star(chart::kStar日德) >= 1; }},
    // 魁罡性嚴
    {10, [](const SentenceChart& c) { return c.star(chart::kStar魁罡) >= 1; }},
    // 日貴夜貴
    {11, [](const SentenceChart& c) { return c.star(chart::kStar日貴) >= 1; }},
    // 乙己鼠貴: the 乙 day at a 子 hour with 午 beside it and an upright officer on the month stem
    // (the officer read as the month stem's ten god: the stem itself never holds the word).
    {12,
     [](const SentenceChart& c) {
       return c.dayStemIs({乙}) && c.branchIs(kHourPillar, {子}) &&
              (c.branchIs(kDayPillar, {午}) || c.branchIs(kYearPillar, {午}) ||
               c.branchIs(kMonthPillar, {午})) &&
              c.stemTenGod(kMonthPillar) == L"正官";
     }},
    // 井欄飛天
    {13,
     [](const SentenceChart& c) {
       return c.dayStemIs({庚}) && c.branchIs(kDayPillar, {申, 子, 辰}) && c.br(子) >= 1 &&
              c.br(辰) >= 1 && c.br(申) >= 1;
     }},
    // 壬騎龍背
    {14,
     [](const SentenceChart& c) {
       return c.dayStemIs({壬}) && c.branchIs(kDayPillar, {辰}) && c.br(辰) + c.four(壬) >= 4;
     }},
    // 六甲趨乾
    {15,
     [](const SentenceChart& c) {
       return c.dayStemIs({甲}) && (c.branchIs(kDayPillar, {亥}) || c.br(亥) >= 2);
     }},
    // 五陰會局
    {16,
     [](const SentenceChart& c) {
       const int yin = c.all(乙) + c.all(丁) + c.all(己) + c.all(辛) + c.all(癸);
       const int yang = c.all(甲) + c.all(丙) + c.all(戊) + c.all(庚) + c.all(壬);
       return c.all(乙) >= 1 && c.all(丁) >= 1 && c.all(己) >= 1 && c.all(辛) >= 1 &&
              c.all(癸) >= 1 && yin > yang;
     }},
    // 二德印生
    {17,
     [](const SentenceChart& c) {
       return c.star(chart::kStar天德) >= 1 && c.star(chart::kStar月德) >= 1 &&
              c.total(偏印) + c.total(正印) >= 1;
     }},
    // 火炎土燥
    {18,
     [](const SentenceChart& c) {
       return c.dayStemIs({丙, 丁}) && c.all(丙) + c.all(丁) >= 4 && c.four(壬) + c.four(癸) == 0 &&
              c.all(壬) + c.all(癸) <= 2 && c.all(戊) + c.all(己) >= 2;
     }},
    // 水清潤下
    {19,
     [](const SentenceChart& c) {
       return c.dayStemIs({壬, 癸}) && (c.waterFrame() >= 1 || c.waterDirection() >= 1);
     }},
    // 金白水清
    {20,
     [](const SentenceChart& c) {
       return c.dayStemIs({庚, 辛}) && c.all(壬) + c.all(癸) >= 2 && c.all(戊) + c.all(己) <= 2;
     }},
    // 土氣厚重
    {21,
     [](const SentenceChart& c) {
       return c.dayStemIs({戊, 己}) && c.all(戊) + c.all(己) >= 4;
     }},
}};

}  // namespace

std::wstring PhysiognomyVerseText(const chart::FourPillarsChart& chart) {
  const SentenceChart sentenceChart(chart);
  std::wstring text(kPhysiognomySentences[0].text);  // the preamble
  for (const SentenceRule& rule : kSentenceRules) {
    if (rule.holds(sentenceChart)) {
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
