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
inline constexpr std::array<Pillar, 4> kFourPillars = {年, 月, 日, 時};

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

// The spirit stars by their starCounts slot.
inline constexpr chart::StarSlot 魁罡 = chart::kStar魁罡;
inline constexpr chart::StarSlot 金神 = chart::kStar金神;
inline constexpr chart::StarSlot 進神 = chart::kStar進神;
inline constexpr chart::StarSlot 六秀 = chart::kStar六秀;
inline constexpr chart::StarSlot 文昌 = chart::kStar文昌;
inline constexpr chart::StarSlot 天赦 = chart::kStar天赦;
inline constexpr chart::StarSlot 日德 = chart::kStar日德;
inline constexpr chart::StarSlot 日貴 = chart::kStar日貴;
inline constexpr chart::StarSlot 將星 = chart::kStar將星;
inline constexpr chart::StarSlot 驛馬 = chart::kStar驛馬;
inline constexpr chart::StarSlot 孤神 = chart::kStar孤神;
inline constexpr chart::StarSlot 喪門 = chart::kStar喪門;
inline constexpr chart::StarSlot 華蓋 = chart::kStar華蓋;
inline constexpr chart::StarSlot 劫煞 = chart::kStar劫煞;
inline constexpr chart::StarSlot 太白 = chart::kStar太白;
inline constexpr chart::StarSlot 桃煞 = chart::kStar桃煞;
inline constexpr chart::StarSlot 正桃 = chart::kStar正桃;
inline constexpr chart::StarSlot 血支 = chart::kStar血支;
inline constexpr chart::StarSlot 寡宿 = chart::kStar寡宿;
inline constexpr chart::StarSlot 弔客 = chart::kStar弔客;
inline constexpr chart::StarSlot 災煞 = chart::kStar災煞;
inline constexpr chart::StarSlot 勾絞 = chart::kStar勾絞;
inline constexpr chart::StarSlot 卷舌 = chart::kStar卷舌;
inline constexpr chart::StarSlot 伏吟 = chart::kStar伏吟;
inline constexpr chart::StarSlot 返呤 = chart::kStar返呤;
inline constexpr chart::StarSlot 元辰 = chart::kStar元辰;
inline constexpr chart::StarSlot 破軍 = chart::kStar破軍;
inline constexpr chart::StarSlot 祿元 = chart::kStar祿元;
inline constexpr chart::StarSlot 天乙貴人 = chart::kStar天乙貴人;
inline constexpr chart::StarSlot 羊刃 = chart::kStar羊刃;
inline constexpr chart::StarSlot 學堂 = chart::kStar學堂;
inline constexpr chart::StarSlot 紅艷 = chart::kStar紅艷;
inline constexpr chart::StarSlot 流霞 = chart::kStar流霞;
inline constexpr chart::StarSlot 飛刃 = chart::kStar飛刃;
inline constexpr chart::StarSlot 金輿 = chart::kStar金輿;
inline constexpr chart::StarSlot 福星 = chart::kStar福星;
inline constexpr chart::StarSlot 太極 = chart::kStar太極;
inline constexpr chart::StarSlot 天德 = chart::kStar天德;
inline constexpr chart::StarSlot 月德 = chart::kStar月德;
inline constexpr chart::StarSlot 血刃 = chart::kStar血刃;
inline constexpr chart::StarSlot 陽貴 = chart::kStar陽貴;
inline constexpr chart::StarSlot 陰貴 = chart::kStar陰貴;
inline constexpr chart::StarSlot 天上三奇 = chart::kStar天上三奇;
inline constexpr chart::StarSlot 地下三奇 = chart::kStar地下三奇;
inline constexpr chart::StarSlot 人中三奇 = chart::kStar人中三奇;
inline constexpr chart::StarSlot 空亡 = chart::kStar空亡;
inline constexpr chart::StarSlot 隔角 = chart::kStar隔角;
inline constexpr chart::StarSlot 八專 = chart::kStar八專;
inline constexpr chart::StarSlot 九醜 = chart::kStar九醜;
inline constexpr chart::StarSlot 陰陽 = chart::kStar陰陽;
inline constexpr chart::StarSlot 孤寡 = chart::kStar孤寡;
inline constexpr chart::StarSlot 差錯 = chart::kStar差錯;
inline constexpr chart::StarSlot 天刑 = chart::kStar天刑;
inline constexpr chart::StarSlot 雷霆 = chart::kStar雷霆;
inline constexpr chart::StarSlot 戟鋒 = chart::kStar戟鋒;
inline constexpr chart::StarSlot 病符 = chart::kStar病符;
inline constexpr chart::StarSlot 死符 = chart::kStar死符;
inline constexpr chart::StarSlot 官符 = chart::kStar官符;
inline constexpr chart::StarSlot 自縊 = chart::kStar自縊;
inline constexpr chart::StarSlot 天屠 = chart::kStar天屠;
inline constexpr chart::StarSlot 惡敗 = chart::kStar惡敗;

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
