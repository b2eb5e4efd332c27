#include "interpretation/spirit_star_explanations.h"

#include <array>

#include "chart/stem_branch_basics.h"
#include "interpretation/chart_notation.h"
#include "interpretation/text_pools.h"
#include "vocabulary/cyclic_index.h"
#include "vocabulary/number_text.h"
#include "vocabulary/vocabulary_lists.h"

namespace interpretation {
namespace {

using namespace notation;
using chart::FourPillarsChart;
using chart::StarSlot;
using Keys = std::vector<SpiritStarPassageKey>;

constexpr int kNoStar = -1;

// A block that explains a star the star passes found: present when either counter is 1 or more.
struct CounterBlock {
  int block;
  std::wstring_view name;  // the star as the block's passages name it
  int star;
  int orStar;
  int passages;
};

// Blocks 1 and 3 to 42; block 2 is the 三奇 detection.
// clang-format off
constexpr auto kCounterBlocks = std::to_array<CounterBlock>({
    // block name        star       or         passages
    { 1, L"空亡",      空亡, kNoStar, 1},
    { 3, L"天乙貴人",  陽貴, 陰貴,    2},
    { 4, L"日貴",      日貴, kNoStar, 2},
    { 5, L"祿元",      祿元, kNoStar, 1},
    { 6, L"福星",      福星, kNoStar, 2},
    { 7, L"學堂",      學堂, kNoStar, 2},
    { 8, L"金輿",      金輿, kNoStar, 2},
    { 9, L"正桃",      正桃, kNoStar, 1},
    {10, L"紅艷",      紅艷, kNoStar, 1},
    {11, L"流霞",      流霞, kNoStar, 2},
    {12, L"羊刃",      羊刃, kNoStar, 2},
    {13, L"飛刃",      飛刃, kNoStar, 2},
    {14, L"天德月德",  天德, 月德,    2},
    {15, L"血刃",      血刃, kNoStar, 1},
    {16, L"將星",      將星, kNoStar, 1},
    {17, L"驛馬",      驛馬, kNoStar, 3},
    {18, L"華蓋",      華蓋, kNoStar, 3},
    {19, L"桃煞",      桃煞, kNoStar, 3},  // and a fourth for women
    {20, L"劫煞",      劫煞, kNoStar, 2},
    {21, L"破軍",      破軍, kNoStar, 4},
    {22, L"太白",      太白, kNoStar, 1},
    {23, L"孤神",      孤神, kNoStar, 2},
    {24, L"寡宿",      寡宿, kNoStar, 2},
    {25, L"血支",      血支, kNoStar, 1},
    {26, L"伏吟",      伏吟, kNoStar, 2},
    {27, L"喪門",      喪門, kNoStar, 2},
    {28, L"勾絞",      勾絞, kNoStar, 2},
    {29, L"返呤",      返呤, kNoStar, 2},
    {30, L"卷舌",      卷舌, kNoStar, 2},
    {31, L"弔客",      弔客, kNoStar, 2},
    {32, L"元辰",      元辰, kNoStar, 2},
    {33, L"災煞",      災煞, kNoStar, 2},
    {34, L"進神",      進神, kNoStar, 1},
    {35, L"六秀",      六秀, kNoStar, 1},
    {36, L"文昌",      文昌, kNoStar, 1},
    {37, L"魁罡",      魁罡, kNoStar, 1},
    {38, L"日德",      日德, kNoStar, 2},
    {39, L"八專",      八專, kNoStar, 2},
    {40, L"九醜",      九醜, kNoStar, 2},
    {41, L"天赦",      天赦, kNoStar, 1},
    {42, L"隔角",      隔角, kNoStar, 2},
});
// clang-format on
static_assert(kCounterBlocks.size() == 41);  // blocks 1 and 3 to 42
constexpr int kPeachBlossomBlock = 19;

// The three 三奇 sets, tried in this order: three stems among the four pillar stems, with the
// day stem one of them.
struct WonderSet {
  std::wstring_view name;
  StarSlot star;
  std::array<Stem, 3> stems;
};
constexpr auto kWonderSets = std::to_array<WonderSet>({
    {L"天上三奇", 天上三奇, {甲, 戊, 庚}},
    {L"地下三奇", 地下三奇, {乙, 丙, 丁}},
    {L"人中三奇", 人中三奇, {壬, 癸, 辛}},
});
static_assert(kWonderSets.size() == 3);  // 天上, 地下 and 人中

// Day branch and hour branch pairs of 自縊 and 天屠, one for each day branch.
using BranchPair = std::array<Branch, 2>;
// clang-format off
constexpr auto kHangingPairs = std::to_array<BranchPair>({
    {戌, 巳}, {巳, 戌}, {辰, 亥}, {亥, 辰}, {寅, 未}, {未, 寅},
    {卯, 申}, {申, 卯}, {午, 丑}, {丑, 午}, {子, 酉}, {酉, 子},
});
constexpr auto kSlaughterPairs = std::to_array<BranchPair>({
    {子, 午}, {午, 子}, {丑, 亥}, {亥, 丑}, {寅, 戌}, {戌, 寅},
    {卯, 酉}, {酉, 卯}, {辰, 申}, {申, 辰}, {巳, 未}, {未, 巳},
});
// clang-format on
static_assert(kHangingPairs.size() == vocabulary::kEarthlyBranches.size());
static_assert(kSlaughterPairs.size() == vocabulary::kEarthlyBranches.size());

// 天刑: the hour stem that goes with each day branch 子 .. 亥.
constexpr auto kPunishmentHourStems =
    std::to_array<Stem>({乙, 乙, 庚, 辛, 辛, 壬, 癸, 癸, 丙, 丁, 丁, 戊});
static_assert(kPunishmentHourStems.size() == vocabulary::kEarthlyBranches.size());

// By lunar month 正 .. 十二 (vocabulary::kLunarMonthNames): the hour branch of 雷霆 and the stem
// of 戟鋒.
constexpr auto kThunderHourBranches =
    std::to_array<Branch>({子, 寅, 辰, 午, 申, 戌, 子, 寅, 辰, 午, 申, 戌});
static_assert(kThunderHourBranches.size() == vocabulary::kLunarMonthNames.size());
constexpr auto kHalberdStems =
    std::to_array<Stem>({甲, 乙, 戊, 丙, 丁, 己, 庚, 辛, 戊, 壬, 癸, 己});
static_assert(kHalberdStems.size() == vocabulary::kLunarMonthNames.size());

int LunarMonthIndex(const std::wstring& monthText) {
  const auto& months = vocabulary::kLunarMonthNames;
  for (std::size_t i = 0; i < months.size(); ++i) {
    if (monthText == months[i]) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

bool Present(const FourPillarsChart& chart, int star) {
  return star != kNoStar && chart.starCounts[star] >= 1;
}

void AddPassages(Keys& keys, int block, std::wstring_view name, int count) {
  for (int n = 1; n <= count; ++n) {
    keys.push_back({block, name, n});
  }
}

// Records a detected star at a pillar: its name in the pillar's list, one more on its counter.
void Record(FourPillarsChart& chart, int pillar, StarSlot star) {
  chart::AppendStarName(chart.pillars[pillar].starNames, chart::kStarCountNames[star]);
  ++chart.starCounts[star];
}

void ExplainWonders(FourPillarsChart& chart, Keys& keys) {
  const int dayStem = vocabulary::LookupStemIndex(chart.pillars[chart::kDayPillar].stem);
  for (const WonderSet& set : kWonderSets) {
    bool found = OneOf(dayStem, {set.stems[0], set.stems[1], set.stems[2]});
    for (Stem s : set.stems) {
      found = found && chart.stemCounts[s] >= 1;
    }
    if (found) {
      chart.starCounts[set.star] = 1;
      AddPassages(keys, 2, set.name, 2);
      return;
    }
  }
}

// Blocks 43 to 47: stars of the hour pillar, each recorded once at most.
void DetectHourStars(FourPillarsChart& chart, Keys& keys) {
  const int dayStem = vocabulary::LookupStemIndex(chart.pillars[chart::kDayPillar].stem);
  const int dayBranch = vocabulary::LookupBranchIndex(chart.pillars[chart::kDayPillar].branch);
  const int hourStem = vocabulary::LookupStemIndex(chart.pillars[chart::kHourPillar].stem);
  const int hourBranch = vocabulary::LookupBranchIndex(chart.pillars[chart::kHourPillar].branch);
  const int month = LunarMonthIndex(chart.lunarMonthText);
  auto pairIn = [&](const auto& pairs) {
    for (const BranchPair& pair : pairs) {
      if (dayBranch == pair[0] && hourBranch == pair[1]) {
        return true;
      }
    }
    return false;
  };
  auto detect = [&](bool found, int block, std::wstring_view name, StarSlot star) {
    if (found) {
      Record(chart, chart::kHourPillar, star);
      keys.push_back({block, name, 1});
    }
  };
  detect(pairIn(kHangingPairs), 43, L"自縊", 自縊);
  detect(pairIn(kSlaughterPairs), 44, L"天屠", 天屠);
  detect(dayBranch >= 0 && hourStem == kPunishmentHourStems[dayBranch], 45, L"天刑", 天刑);
  detect(month >= 0 && hourBranch == kThunderHourBranches[month], 46, L"雷霆", 雷霆);
  detect(month >= 0 && dayStem == kHalberdStems[month] && hourStem == kHalberdStems[month], 47,
         L"戟鋒", 戟鋒);
}

// Blocks 48 to 53: stars that are explained, not recorded.
void ExplainCombinedStars(const FourPillarsChart& chart, Keys& keys) {
  const auto& br = chart.branchCounts;
  const auto& four = chart.stemCounts;
  const auto& all = chart.allStemCounts;
  if (br[巳] >= 1 && br[酉] >= 1 && br[丑] >= 1 && (br[申] >= 1 || br[巳] + br[酉] + br[丑] >= 4)) {
    keys.push_back({48, L"掛劍", 1});
  }
  const int fireFrame = chart.threeHarmonyFlags[chart::NameIndex(chart::kThreeHarmonyOrder, L"火")];
  if (fireFrame >= 1 && four[丙] >= 1 && four[丁] >= 1 && all[壬] == 0 && all[癸] == 0) {
    keys.push_back({49, L"天火", 1});
  }
  if (Present(chart, 孤寡)) {
    keys.push_back({50, L"孤寡", 1});
  }
  if (Present(chart, 差錯)) {
    keys.push_back({51, L"差錯", 1});
  }
  if (Present(chart, 陰陽)) {
    AddPassages(keys, 52, L"陰陽", 2);
  }
  const std::wstring dayPillar =
      chart.pillars[chart::kDayPillar].stem + chart.pillars[chart::kDayPillar].branch;
  if ((dayPillar == L"丙子" || dayPillar == L"癸未" || dayPillar == L"癸丑") &&
      (Present(chart, 羊刃) || chart.truePatternFlags[金神格.trueSlot] >= 1)) {
    keys.push_back({53, L"水溺", 1});
  }
}

// Blocks 54 to 56: pillars that stand at a fixed distance from the year pillar, a stem offset and
// a branch offset from the year's stem and branch. A year pillar whose stem or branch is no name
// has no such pillar.
struct YearOffsetStar {
  int block;
  std::wstring_view name;
  StarSlot star;
  int stemOffset;
  int branchOffset;
  std::array<int, 3> pillars;  // tested in this order; -1 ends the list
};
constexpr auto kYearOffsetStars = std::to_array<YearOffsetStar>({
    // 病符: the pillar after the year in the sixty-cycle.
    {54, L"病符", 病符, 1, 1, {chart::kDayPillar, chart::kMonthPillar, chart::kHourPillar}},
    // 死符: the branch that clashes with 病符's, under 病符's stem.
    {55, L"死符", 死符, 1, 7, {chart::kDayPillar, chart::kMonthPillar, chart::kHourPillar}},
    // 官符: the pillar five places before the year.
    {56, L"官符", 官符, 5, 7, {chart::kDayPillar, chart::kHourPillar, -1}},
});
static_assert(kYearOffsetStars.size() == 3);  // blocks 54 to 56

void DetectYearOffsetStars(FourPillarsChart& chart, Keys& keys) {
  const int yearStem = vocabulary::LookupStemIndex(chart.pillars[chart::kYearPillar].stem);
  const int yearBranch = vocabulary::LookupBranchIndex(chart.pillars[chart::kYearPillar].branch);
  for (const YearOffsetStar& s : kYearOffsetStars) {
    if (yearStem >= 0 && yearBranch >= 0) {
      const std::wstring stem = chart::StemName(vocabulary::FloorMod(yearStem + s.stemOffset, 10));
      const std::wstring branch =
          chart::BranchName(vocabulary::FloorMod(yearBranch + s.branchOffset, 12));
      for (int pillar : s.pillars) {
        if (pillar >= 0 && chart.pillars[pillar].stem == stem &&
            chart.pillars[pillar].branch == branch) {
          Record(chart, pillar, s.star);
        }
      }
    }
    if (chart.starCounts[s.star] >= 1) {
      keys.push_back({s.block, s.name, 1});
    }
  }
}

std::wstring_view PassageText(const SpiritStarPassageKey& key) {
  const std::wstring block = vocabulary::DecimalText(key.block);
  const std::wstring passage = vocabulary::DecimalText(key.passage);
  for (const PoolEntry& entry : kSpiritStarPassages) {
    if (entry.keys[0] == block && entry.keys[1] == key.star && entry.keys[2] == passage) {
      return entry.text;
    }
  }
  return {};
}

}  // namespace

std::vector<SpiritStarPassageKey> ExplainSpiritStars(FourPillarsChart& chart) {
  Keys keys;
  for (const CounterBlock& b : kCounterBlocks) {
    if (b.block == 3) {
      ExplainWonders(chart, keys);  // block 2, between 空亡 and 天乙貴人
    }
    if (Present(chart, b.star) || Present(chart, b.orStar)) {
      const bool forWomen = b.block == kPeachBlossomBlock && chart.sexText == L"女";
      AddPassages(keys, b.block, b.name, b.passages + (forWomen ? 1 : 0));
    }
  }
  DetectHourStars(chart, keys);
  ExplainCombinedStars(chart, keys);
  DetectYearOffsetStars(chart, keys);
  if (Present(chart, 惡敗)) {
    keys.push_back({57, L"惡敗", 1});
  }
  return keys;
}

std::wstring SpiritStarExplanations(FourPillarsChart& chart) {
  std::wstring text;
  for (const SpiritStarPassageKey& key : ExplainSpiritStars(chart)) {
    text += PassageText(key);
  }
  return text;
}

}  // namespace interpretation
