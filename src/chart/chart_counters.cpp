#include "chart/chart_counters.h"

#include <array>

#include "vocabulary/vocabulary_lists.h"

namespace chart {

namespace {

// Position keys in the order of the per-pillar rows they select.
constexpr auto kStemPositions = std::to_array<const wchar_t*>({L"年干", L"月干", L"時干"});
static_assert(kStemPositions.size() == 3);
constexpr auto kBranchPositions =
    std::to_array<const wchar_t*>({L"年支", L"月支", L"日支", L"時支"});
static_assert(kBranchPositions.size() == 4);
constexpr auto kHiddenStemPositions = std::to_array<const wchar_t*>({L"年", L"月", L"日", L"時"});
static_assert(kHiddenStemPositions.size() == 4);

}  // namespace

void CountStemTenGod(const std::wstring& tenGod, FourPillarsChart& chart,
                     const std::wstring& position) {
  const int k = TenGodCountSlotOf(tenGod);
  if (k < 0) {
    return;
  }
  ++chart.tenGodCounts[k];
  ++chart.stemTenGodCounts[k];
  const int row = NameIndex(kStemPositions, position);
  if (row >= 0) {
    ++chart.stemTenGodCountsByPillar[row][k];
  }
}

void CountBranchTenGod(const std::wstring& tenGod, FourPillarsChart& chart,
                       const std::wstring& position) {
  const int k = TenGodCountSlotOf(tenGod);
  if (k < 0) {
    return;
  }
  ++chart.tenGodCounts[k];
  ++chart.hiddenTenGodCounts[k];
  const int row = NameIndex(kBranchPositions, position);
  if (row >= 0) {
    ++chart.hiddenTenGodCountsByBranch[row][k];
  }
}

void CountStem(const std::wstring& stem, FourPillarsChart& chart) {
  const int k = vocabulary::LookupStemIndex(stem);
  if (k < 0) {
    return;
  }
  ++chart.stemCounts[k];
  ++chart.allStemCounts[k];
}

void CountHiddenStem(const std::wstring& stem, const std::wstring& position,
                     FourPillarsChart& chart) {
  const int k = vocabulary::LookupStemIndex(stem);
  if (k < 0) {
    return;
  }
  ++chart.hiddenStemCounts[k];
  ++chart.allStemCounts[k];
  const int row = NameIndex(kHiddenStemPositions, position);
  if (row >= 0) {
    ++chart.hiddenStemCountsByBranch[row][k];
  }
}

void CountBranch(const std::wstring& branch, FourPillarsChart& chart) {
  const int k = vocabulary::LookupBranchIndex(branch);
  if (k >= 0) {
    ++chart.branchCounts[k];
  }
}

}  // namespace chart
