#include "chart/four_pillars_chart.h"

#include <string_view>
#include <utility>

namespace chart {

namespace {

// The name of each slot is its enumerator's own: STAR(魁罡) names slot kStar魁罡 "魁罡", so a
// slot and its name cannot part. The unused slots stay empty.
#define STAR(name) names[kStar##name] = L## #name
constexpr std::array<const wchar_t*, kStarSlotCount> StarCountNames() {
  std::array<const wchar_t*, kStarSlotCount> names{};
  names.fill(L"");
  STAR(魁罡);
  STAR(金神);
  STAR(進神);
  STAR(六秀);
  STAR(文昌);
  STAR(天赦);
  STAR(日德);
  STAR(日貴);
  STAR(將星);
  STAR(驛馬);
  STAR(孤神);
  STAR(喪門);
  STAR(華蓋);
  STAR(劫煞);
  STAR(太白);
  STAR(桃煞);
  STAR(正桃);
  STAR(血支);
  STAR(寡宿);
  STAR(弔客);
  STAR(災煞);
  STAR(勾絞);
  STAR(卷舌);
  STAR(伏吟);
  STAR(返呤);
  STAR(元辰);
  STAR(破軍);
  STAR(祿元);
  STAR(天乙貴人);
  STAR(羊刃);
  STAR(學堂);
  STAR(紅艷);
  STAR(流霞);
  STAR(飛刃);
  STAR(金輿);
  STAR(福星);
  STAR(太極);
  STAR(天德);
  STAR(月德);
  STAR(血刃);
  STAR(陽貴);
  STAR(陰貴);
  STAR(天上三奇);
  STAR(地下三奇);
  STAR(人中三奇);
  STAR(桃花煞);
  STAR(空亡);
  STAR(隔角);
  STAR(八專);
  STAR(九醜);
  STAR(陰陽);
  STAR(孤寡);
  STAR(差錯);
  STAR(天刑);
  STAR(雷霆);
  STAR(戟鋒);
  STAR(病符);
  STAR(死符);
  STAR(官符);
  STAR(自縊);
  STAR(天屠);
  STAR(惡敗);
  return names;
}
#undef STAR

// Every slot but the unused 8, 36, 38 and 62 is named, each by a name of its own.
constexpr bool EveryStarIsNamedOnce(const std::array<const wchar_t*, kStarSlotCount>& names) {
  int named = 0;
  for (int slot = 0; slot < kStarSlotCount; ++slot) {
    const std::wstring_view name = names[slot];
    if (name.empty()) {
      continue;
    }
    ++named;
    for (int other = 0; other < slot; ++other) {
      if (name == names[other]) {
        return false;
      }
    }
  }
  return named == 62;
}

}  // namespace

constexpr std::array<const wchar_t*, kStarSlotCount> kStarCountNames = StarCountNames();
static_assert(EveryStarIsNamedOnce(kStarCountNames));

namespace {

// Releases a text or list, storage included.
template <typename T>
void Release(T& value) {
  T().swap(value);
}

void DestroyPillar(ChartPillar& pillar) {
  Release(pillar.starNames);
  Release(pillar.hiddenTenGods);
  Release(pillar.hiddenStems);
  Release(pillar.stage);
  Release(pillar.branch);
  Release(pillar.stemTenGod);
  Release(pillar.stem);
}

template <std::size_t N>
void ReleaseTexts(std::array<std::wstring, N>& texts) {
  for (std::size_t i = N; i-- > 0;) {
    Release(texts[i]);
  }
}

}  // namespace

int TenGodCountSlotOf(const std::wstring& tenGod) { return NameIndex(kTenGodCountOrder, tenGod); }

int TenGodWeightSlotOf(const std::wstring& tenGod) { return NameIndex(kTenGodWeightOrder, tenGod); }

int StarSlotOf(const std::wstring& starName) { return NameIndex(kStarCountNames, starName); }

TenByThreeStringGrid MakeTenByThreeStringGrid() {
  return TenByThreeStringGrid(kLuckCycles, std::vector<std::wstring>(kHiddenStemSlots));
}

void AppendStarName(std::vector<std::wstring>& starNames, const std::wstring& name) {
  if (name.empty()) {
    return;
  }
  for (std::wstring& slot : starNames) {
    if (slot.empty()) {
      slot = name;
      return;
    }
  }
  starNames.push_back(name);
}

std::unique_ptr<FourPillarsChart> NewFourPillarsChart() {
  return std::make_unique<FourPillarsChart>();
}

void DestroyFourPillarsChart(FourPillarsChart& chart) {
  Release(chart.luckHiddenTenGods);
  Release(chart.luckHiddenStems);
  Release(chart.luckBranches);
  Release(chart.luckStemTenGods);
  Release(chart.luckStems);
  Release(chart.luckAges);
  Release(chart.luckStartText);
  Release(chart.truePatternList);
  ReleaseTexts(chart.heaviest);
  ReleaseTexts(chart.nayinElements);
  ReleaseTexts(chart.seasonalElements);
  Release(chart.midTermName);
  Release(chart.sectionTermName);
  Release(chart.frameElement);
  Release(chart.directionElement);
  ReleaseTexts(chart.directionMarkers);
  ReleaseTexts(chart.frameMarkers);
  ReleaseTexts(chart.branchRelations);
  ReleaseTexts(chart.stemRelations);
  for (std::size_t i = chart.pillars.size(); i-- > 0;) {
    DestroyPillar(chart.pillars[i]);
  }
  Release(chart.commandingStem);
  Release(chart.interpretationHtml);
  Release(chart.trueSolarTimeText);
  Release(chart.zodiacText);
  Release(chart.lunarHourText);
  Release(chart.lunarDayText);
  Release(chart.lunarMonthText);
  Release(chart.lunarYearText);
  Release(chart.yearText);
  Release(chart.yinYangText);
  Release(chart.sexText);
  Release(chart.personName);
}

void DeleteFourPillarsChart(std::unique_ptr<FourPillarsChart>& chart) {
  if (chart == nullptr) {
    return;
  }
  DestroyFourPillarsChart(*chart);
  chart.reset();
}

}  // namespace chart
