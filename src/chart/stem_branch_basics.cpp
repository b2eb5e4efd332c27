#include "chart/stem_branch_basics.h"

#include <array>

#include "vocabulary/vocabulary_lists.h"

namespace chart {

namespace {

// Hidden stems of each branch, by branch index; empty slots are "".
constexpr auto kHiddenStems = std::to_array<std::array<const wchar_t*, 3>>({
    // slot 0, slot 1, slot 2
    {L"癸", L"", L""},      // 子
    {L"己", L"辛", L"癸"},  // 丑
    {L"戊", L"丙", L"甲"},  // 寅
    {L"乙", L"", L""},      // 卯
    {L"戊", L"癸", L"乙"},  // 辰
    {L"丙", L"庚", L"戊"},  // 巳
    {L"丁", L"己", L""},    // 午
    {L"己", L"乙", L"丁"},  // 未
    {L"庚", L"壬", L"戊"},  // 申
    {L"辛", L"", L""},      // 酉
    {L"戊", L"丁", L"辛"},  // 戌
    {L"壬", L"甲", L""},    // 亥
});
static_assert(kHiddenStems.size() == 12);

void EnsureGridShape(TenByThreeStringGrid& grid) {
  if (grid.size() < kLuckCycles) {
    grid.resize(kLuckCycles);
  }
  for (auto& row : grid) {
    if (row.size() < kHiddenStemSlots) {
      row.resize(kHiddenStemSlots);
    }
  }
}

}  // namespace

std::wstring StemName(int index) {
  return index >= 0 && index < 10 ? std::wstring(vocabulary::kHeavenlyStems[index]) : L"";
}

std::wstring BranchName(int index) {
  return index >= 0 && index < 12 ? std::wstring(vocabulary::kEarthlyBranches[index]) : L"";
}

int IsYangStem(const std::wstring& stem) {
  const int index = vocabulary::LookupStemIndex(stem);
  return index < 0 ? -1 : (index % 2 == 0 ? 1 : 0);
}

int IsYangBranch(const std::wstring& branch) {
  const int index = vocabulary::LookupBranchIndex(branch);
  return index < 0 ? -1 : (index % 2 == 0 ? 1 : 0);
}

int YinStemIndex(const std::wstring& stem) {
  const int index = vocabulary::LookupStemIndex(stem);
  return index < 0 ? -1 : (index ^ 1);
}

int ElementIndex(const std::wstring& element) { return NameIndex(kElementsByProduction, element); }

std::wstring ElementOfStem(const std::wstring& stem) {
  const int index = vocabulary::LookupStemIndex(stem);
  return index < 0 ? L"" : kElementsByProduction[index / 2];
}

std::wstring TenGodOf(const std::wstring& dayStem, const std::wstring& stem) {
  // Seen from a yin day stem the pairs swap, so that the same-polarity stem of the same
  // element is still 比肩 at step 0.
  int d = vocabulary::LookupStemIndex(dayStem);
  int i = vocabulary::LookupStemIndex(stem);
  if (d < 0 || i < 0) {
    return L"";
  }
  if (d % 2 == 1) {  // a yin day stem: as YinStemIndex
    d ^= 1;
    i ^= 1;
  }
  int k = i - d;  // [-9, 9]
  if (k < 0) {
    k += 10;
  }
  return kTenGodCountOrder[k];
}

void GetHiddenStems(const std::wstring& branch, std::vector<std::wstring>& slots) {
  const int index = vocabulary::LookupBranchIndex(branch);
  if (index < 0) {
    return;
  }
  if (slots.size() < kHiddenStemSlots) {
    slots.resize(kHiddenStemSlots);
  }
  for (int j = 0; j < kHiddenStemSlots; ++j) {
    slots[j] = kHiddenStems[index][j];
  }
}

void GetLuckCycleHiddenStems(const std::vector<std::wstring>& luckBranches,
                             TenByThreeStringGrid& luckHiddenStems,
                             TenByThreeStringGrid& luckHiddenTenGods, const std::wstring& dayStem) {
  EnsureGridShape(luckHiddenStems);
  EnsureGridShape(luckHiddenTenGods);
  // One scratch list for all cycles: a cycle whose branch is not a branch takes the stems that
  // the cycle before it left there.
  std::vector<std::wstring> scratch(kHiddenStemSlots);
  for (int c = 0; c < kLuckCycles; ++c) {
    if (c < static_cast<int>(luckBranches.size())) {
      GetHiddenStems(luckBranches[c], scratch);
    }
    for (int j = 0; j < kHiddenStemSlots; ++j) {
      luckHiddenStems[c][j] = scratch[j];
      luckHiddenTenGods[c][j] = TenGodOf(dayStem, scratch[j]);
    }
  }
}

void CountYinYang(FourPillarsChart& chart) {
  int yang = 0;
  for (int p = kYearPillar; p <= kHourPillar; ++p) {
    yang += IsYangStem(chart.pillars[p].stem) == 1 ? 1 : 0;
    yang += IsYangBranch(chart.pillars[p].branch) == 1 ? 1 : 0;
  }
  chart.yangCount += yang;
  chart.yinCount = 8 - chart.yangCount;
}

}  // namespace chart
