#include "chart/chart_weights.h"

#include <array>
#include <climits>
#include <cstdint>
#include <cstdlib>

#include "chart/saturated_int.h"
#include "chart/stem_branch_basics.h"
#include "vocabulary/vocabulary_lists.h"

namespace chart {

namespace {

// Slots of SeasonalStrengthValues.
enum State : int { k旺 = 0, k相 = 1, k休 = 2, k囚 = 3, k死 = 4 };

// The state of each element (columns 木 火 土 金 水) in the season of the 旺 element (rows).
constexpr auto kSeasonStates = std::to_array<std::array<State, 5>>({
    // 木   火    土    金    水
    {k旺, k相, k死, k囚, k休},  // 木
    {k休, k旺, k相, k死, k囚},  // 火
    {k囚, k休, k旺, k相, k死},  // 土
    {k死, k囚, k休, k旺, k相},  // 金
    {k相, k死, k囚, k休, k旺},  // 水
});
static_assert(kSeasonStates.size() == 5);

// The hidden term adds the first h of these; the stem term the first s, then the first
// min(h, s) again.
constexpr auto kHiddenSequence = std::to_array<State>({k死, k囚, k休, k相});
static_assert(kHiddenSequence.size() == 4);
constexpr auto kStemSequence = std::to_array<State>({k囚, k休, k相, k旺});
static_assert(kStemSequence.size() == 4);

// The own-root value of each pillar, year to hour: a stem rooted in its own branch.
constexpr auto kOwnRootStates = std::to_array<State>({k休, k相, k休, k休});
static_assert(kOwnRootStates.size() == 4);

std::int64_t SumOfFirst(const std::array<State, 4>& sequence, int count,
                        const SeasonalStrengthValues& values) {
  std::int64_t sum = 0;
  for (int i = 0; i < count && i < 4; ++i) {
    sum += values[sequence[i]];
  }
  return sum;
}

}  // namespace

int CompareDescending(const void* a, const void* b) {
  const int x = *static_cast<const int*>(a);
  const int y = *static_cast<const int*>(b);
  return (y > x) - (y < x);
}

void ComputeStemWeights(FourPillarsChart& chart, const SeasonalStrengthValues& values) {
  const int season = ElementIndex(chart.seasonalElements[0]);
  for (int k = 0; k < 10; ++k) {
    std::int64_t weight = 0;
    if (season >= 0 && chart.allStemCounts[k] > 0) {
      weight += values[kSeasonStates[season][k / 2]];
    }
    const int h = chart.hiddenStemCounts[k];
    const int s = chart.stemCounts[k];
    weight += SumOfFirst(kHiddenSequence, h, values);
    if (chart.hiddenStemCountsByBranch[kMonthPillar][k] > 0) {
      weight += values[k休];
    }
    weight += SumOfFirst(kStemSequence, s, values);
    if (s > 0) {
      weight += SumOfFirst(kStemSequence, h < s ? h : s, values);
    }
    for (int p = kYearPillar; p <= kHourPillar; ++p) {
      if (vocabulary::LookupStemIndex(chart.pillars[p].stem) == k &&
          chart.hiddenStemCountsByBranch[p][k] > 0) {
        weight += values[kOwnRootStates[p]];
      }
    }
    chart.stemWeights[k] = SaturatedInt(chart.stemWeights[k] + weight);
  }
}

void ComputeTenGodWeights(FourPillarsChart& chart) {
  const std::wstring& dayStem = chart.pillars[kDayPillar].stem;
  if (vocabulary::LookupStemIndex(dayStem) < 0) {
    return;
  }
  for (int k = 0; k < 10; ++k) {
    const int slot = TenGodWeightSlotOf(TenGodOf(dayStem, StemName(k)));
    chart.tenGodWeights[slot] = chart.stemWeights[k];
  }
}

void RankTenGodWeights(FourPillarsChart& chart) {
  std::array<int, 10> sorted = chart.tenGodWeights;
  std::qsort(sorted.data(), sorted.size(), sizeof(int), CompareDescending);
  constexpr auto kTargets = std::to_array<int>({1, 3, 5});
  static_assert(kTargets.size() == 3);
  for (int rank = 0; rank < 3; ++rank) {
    for (const wchar_t* name : kTenGodCountOrder) {
      if (chart.tenGodWeights[TenGodWeightSlotOf(name)] != sorted[rank]) {
        continue;
      }
      bool taken = false;
      for (int earlier = 0; earlier < rank; ++earlier) {
        taken = taken || chart.heaviest[kTargets[earlier]] == name;
      }
      if (!taken) {
        chart.heaviest[kTargets[rank]] = name;
        break;
      }
    }
  }
}

void RankStemWeights(FourPillarsChart& chart) {
  std::array<int, 10> sorted = chart.stemWeights;
  std::qsort(sorted.data(), sorted.size(), sizeof(int), CompareDescending);
  for (int k = 0; k < 10; ++k) {
    if (chart.stemWeights[k] == sorted[0]) {
      chart.heaviest[0] = StemName(k);
      break;
    }
  }
  for (int k = 0; k < 10; ++k) {
    if (chart.stemWeights[k] == sorted[1] && chart.heaviest[0] != StemName(k)) {
      chart.heaviest[2] = StemName(k);
      break;
    }
  }
}

}  // namespace chart
