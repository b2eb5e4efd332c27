#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "chart/chart_settings.h"
#include "chart/four_pillars_chart.h"
#include "interpretation/pattern_slots.h"

// The words in which the judging rules of the interpretation (chart patterns, classics) read a
// finished chart, named as the rules speak: TG(正官), stemTG(月, 劫財), BR(日月).joins(),
// star(羊刃), holds(月, 財), lists(日, 魁罡), isTrue(建祿格). A rule file says
// `using namespace interpretation::notation;` and writes its conditions with them.
namespace interpretation::notation {

// The four pillars, in the order of chart::PillarIndex.
enum Pillar : int {
  年 = chart::kYearPillar,
  月 = chart::kMonthPillar,
  日 = chart::kDayPillar,
  時 = chart::kHourPillar,
};
inline constexpr auto kFourPillars = std::to_array<Pillar>({年, 月, 日, 時});
static_assert(kFourPillars.size() == 4);  // every pillar but the life palace

// The ten gods in the count order of the chart's counters, then the five sums the rules name by
// their common word: 財 = 正財 + 偏財, 印 = 正印 + 偏印, 官殺 = 正官 + 偏官, 比劫 = 比肩 + 劫財,
// 食傷 = 食神 + 傷官.
enum TenGod : int {
  比肩 = chart::kCountBiJian,
  劫財 = chart::kCountJieCai,
  食神 = chart::kCountShiShen,
  傷官 = chart::kCountShangGuan,
  偏財 = chart::kCountPianCai,
  正財 = chart::kCountZhengCai,
  偏官 = chart::kCountPianGuan,
  正官 = chart::kCountZhengGuan,
  偏印 = chart::kCountPianYin,
  正印 = chart::kCountZhengYin,
  財,
  印,
  官殺,
  比劫,
  食傷,
};

// Stems and branches by their index in the chart's per-stem and per-branch arrays.
enum Stem : int { 甲 = 0, 乙, 丙, 丁, 戊, 己, 庚, 辛, 壬, 癸 };
enum Branch : int { 子 = 0, 丑, 寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌, 亥 };

// The five elements, in the production order 木 → 火 → 土 → 金 → 水.
enum Element : int { 木 = 0, 火, 土, 金, 水 };

// The twelve ordered pillar pairs, in the slot order of stemRelations and branchRelations;
// 日月 is the relation of the day (given first) to the month.
enum PillarPair : int {
  日時 = 0,
  日月,
  月年,
  日年,
  時日,
  月日,
  年月,
  年日,
  月時,
  時月,
  年時,
  時年
};

// The relation counters, in the slot order of relationCounts: stem 剋 and 合, branch clashes
// written "衝" and "沖", branch 合, 刑, 破, 害.
enum RelationCount : int {
  stem剋 = chart::kStemOvercomings,
  stem合 = chart::kStemCombinations,
  branch衝 = chart::kBranchClashes衝,
  branch沖 = chart::kBranchClashes沖,
  branch合 = chart::kBranchCombinations,
  刑 = chart::kBranchPunishments,
  破 = chart::kBranchBreaks,
  害 = chart::kBranchHarms,
};

// The spirit stars by their starCounts slot, each named as its slot's enumerator.
#define TAVREL_STAR(name) inline constexpr chart::StarSlot name = chart::kStar##name
TAVREL_STAR(魁罡);
TAVREL_STAR(金神);
TAVREL_STAR(進神);
TAVREL_STAR(六秀);
TAVREL_STAR(文昌);
TAVREL_STAR(天赦);
TAVREL_STAR(日德);
TAVREL_STAR(日貴);
TAVREL_STAR(將星);
TAVREL_STAR(驛馬);
TAVREL_STAR(孤神);
TAVREL_STAR(喪門);
TAVREL_STAR(華蓋);
TAVREL_STAR(劫煞);
TAVREL_STAR(太白);
TAVREL_STAR(桃煞);
TAVREL_STAR(正桃);
TAVREL_STAR(血支);
TAVREL_STAR(寡宿);
TAVREL_STAR(弔客);
TAVREL_STAR(災煞);
TAVREL_STAR(勾絞);
TAVREL_STAR(卷舌);
TAVREL_STAR(伏吟);
TAVREL_STAR(返呤);
TAVREL_STAR(元辰);
TAVREL_STAR(破軍);
TAVREL_STAR(祿元);
TAVREL_STAR(天乙貴人);
TAVREL_STAR(羊刃);
TAVREL_STAR(學堂);
TAVREL_STAR(紅艷);
TAVREL_STAR(流霞);
TAVREL_STAR(飛刃);
TAVREL_STAR(金輿);
TAVREL_STAR(福星);
TAVREL_STAR(太極);
TAVREL_STAR(天德);
TAVREL_STAR(月德);
TAVREL_STAR(血刃);
TAVREL_STAR(陽貴);
TAVREL_STAR(陰貴);
TAVREL_STAR(天上三奇);
TAVREL_STAR(地下三奇);
TAVREL_STAR(人中三奇);
TAVREL_STAR(空亡);
TAVREL_STAR(隔角);
TAVREL_STAR(八專);
TAVREL_STAR(九醜);
TAVREL_STAR(陰陽);
TAVREL_STAR(孤寡);
TAVREL_STAR(差錯);
TAVREL_STAR(天刑);
TAVREL_STAR(雷霆);
TAVREL_STAR(戟鋒);
TAVREL_STAR(病符);
TAVREL_STAR(死符);
TAVREL_STAR(官符);
TAVREL_STAR(自縊);
TAVREL_STAR(天屠);
TAVREL_STAR(惡敗);
#undef TAVREL_STAR

// Whether a value is one of a few: OneOf(c.stem(日), {甲, 乙}).
constexpr bool OneOf(int value, std::initializer_list<int> candidates) {
  for (int candidate : candidates) {
    if (value == candidate) {
      return true;
    }
  }
  return false;
}

// A short text of the chart (a relation, a stage, a stem ten god), compared whole.
struct ChartWord {
  std::wstring_view text;

  bool operator==(std::wstring_view other) const { return text == other; }
  // Whether the text is one of the given words: BR(日月).is({L"沖", L"破"}).
  bool is(std::initializer_list<std::wstring_view> words) const;
  // A relation text joins when its first character is "合" ("合土", "合水破"); the empty text
  // never does.
  bool joins() const { return !text.empty() && text.front() == L'合'; }
};

// The chart as the judging rules read it: its counters, relations, stars and pattern slots under
// the rules' names, with the day master's value and the user's five seasonal values. It reads
// the chart live, so a rule sees the pattern slots as the judgement has written them so far.
class ChartNotation {
 public:
  ChartNotation(const chart::FourPillarsChart& chart, const chart::SeasonalStrengthValues& values);

  const chart::FourPillarsChart& record;

  // The day master's value (DM in the pattern rules, S in the classics) and the five values.
  const int DM;
  const int S;
  const int v旺, v相, v休, v囚, v死;

  // sexText is "男" or "女"; a chart with any other text is neither.
  const bool 男;
  const bool 女;

  // Ten gods among the stems and hidden stems (TG), the year, month and hour stems (stemTG) and
  // the hidden stems of the four branches (hiddenTG); a sum word adds its two ten gods.
  int TG(TenGod x) const;
  int stemTG(TenGod x) const;
  int hiddenTG(TenGod x) const;
  // The same for one pillar: the stem of the year, month or hour (the day stem, the day master,
  // has no ten god and counts 0), and the hidden stems of one branch (branchTG is hiddenTG).
  int stemTG(Pillar p, TenGod x) const;
  int hiddenTG(Pillar p, TenGod x) const;
  int branchTG(Pillar p, TenGod x) const { return hiddenTG(p, x); }
  // P holds X: the pillar's stem or its branch has the ten god; the day pillar its branch only.
  bool holds(Pillar p, TenGod x) const;
  // tenGodWeights of a ten god (or of a sum), whatever order the chart keeps them in. Weights
  // are 64-bit here so that sums and differences of them never overflow.
  long long tenGodWeight(TenGod x) const;

  // Stems among the four pillar stems, among stems and hidden stems, branches among the four
  // branches, and the seasonal weight of a stem; each in the pattern rules' and the classics'
  // spelling.
  int stemCount(Stem s) const { return record.stemCounts[s]; }
  int allStemCount(Stem s) const { return record.allStemCounts[s]; }
  int branchCount(Branch b) const { return record.branchCounts[b]; }
  int stems(Stem s) const { return stemCount(s); }
  int allStems(Stem s) const { return allStemCount(s); }
  int branches(Branch b) const { return branchCount(b); }
  long long weight(Stem s) const { return record.stemWeights[s]; }

  // The stem and branch of a pillar as indexes (compare with 甲 .. 癸, 子 .. 亥), -1 when the
  // pillar's text is not a stem or a branch; the pillar's two characters ("甲子"); its
  // twelve-stage word and the ten god of its stem.
  int stem(Pillar p) const { return stemIndexes_[p]; }
  int branch(Pillar p) const { return branchIndexes_[p]; }
  const std::wstring& pillar(Pillar p) const { return pillarTexts_[p]; }
  bool pillarIs(Pillar p, std::initializer_list<std::wstring_view> names) const;
  ChartWord stage(Pillar p) const;
  ChartWord stemTenGod(Pillar p) const;

  // Whether some pillar of year, month, day and hour passes the test.
  template <typename PillarTest>
  bool somePillar(PillarTest test) const {
    for (Pillar p : kFourPillars) {
      if (test(p)) {
        return true;
      }
    }
    return false;
  }

  // The stem and the branch relation of an ordered pillar pair.
  ChartWord SR(PillarPair pair) const { return {record.stemRelations[pair]}; }
  ChartWord BR(PillarPair pair) const { return {record.branchRelations[pair]}; }
  // relationCounts: relations(害), relations(branch衝), ...; a list sums its counters, each as
  // often as it is named: relations({害, 刑, branch衝, 破}).
  int relations(RelationCount r) const { return record.relationCounts[r]; }
  int relations(std::initializer_list<RelationCount> rs) const {
    int sum = 0;
    for (RelationCount r : rs) {
      sum += relations(r);
    }
    return sum;
  }

  // Three-harmony frames (水 木 火 金 土) and directional combinations (水 木 火 金; 土 has none
  // and reads 0), combinations of all kinds by element, nayin elements by element.
  int frame(Element e) const;
  int direction(Element e) const;
  int hasFrame() const { return record.hasFrame; }
  int hasDirection() const { return record.hasDirection; }
  int combinations(Element e) const;
  int nayinCount(Element e) const;

  // The counter of a spirit star; #X(P), the entries of the star's name in a pillar's star list
  // (the whole list, however long it has grown), and whether the pillar lists it at all.
  int star(chart::StarSlot x) const { return record.starCounts[x]; }
  int listed(Pillar p, chart::StarSlot x) const;
  bool lists(Pillar p, chart::StarSlot x) const { return listed(p, x) > 0; }

  // A pattern's true slot (true(N); 偏財格 also reads 時上偏財格 there) and its candidate slot
  // (candidate(N)) above 0. A pattern without a true slot is never true here.
  bool isTrue(const PatternSlots& pattern) const;
  bool isCandidate(const PatternSlots& pattern) const;

 private:
  std::array<int, 4> stemIndexes_;
  std::array<int, 4> branchIndexes_;
  std::array<std::wstring, 4> pillarTexts_;
};

}  // namespace interpretation::notation
