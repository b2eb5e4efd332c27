#include "chart/four_pillars_chart.h"

#include <utility>

namespace chart {

const std::array<const wchar_t*, kStarSlotCount> kStarCountNames = {
    L"魁罡",     L"金神",     L"進神",     L"六秀",   L"文昌", L"天赦", L"日德", L"日貴", L"",
    L"將星",     L"驛馬",     L"孤神",     L"喪門",   L"華蓋", L"劫煞", L"太白", L"桃煞", L"正桃",
    L"血支",     L"寡宿",     L"弔客",     L"災煞",   L"勾絞", L"卷舌", L"伏吟", L"返呤", L"元辰",
    L"破軍",     L"祿元",     L"天乙貴人", L"羊刃",   L"學堂", L"紅艷", L"流霞", L"飛刃", L"金輿",
    L"",         L"福星",     L"",         L"太極",   L"天德", L"月德", L"血刃", L"陽貴", L"陰貴",
    L"天上三奇", L"地下三奇", L"人中三奇", L"桃花煞", L"空亡", L"隔角", L"八專", L"九醜", L"陰陽",
    L"孤寡",     L"差錯",     L"天刑",     L"雷霆",   L"戟鋒", L"病符", L"死符", L"官符", L"",
    L"自縊",     L"天屠",     L"惡敗"};

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
