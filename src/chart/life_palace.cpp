#include "chart/life_palace.h"

#include <array>

#include "chart/stem_branch_basics.h"
#include "vocabulary/cyclic_index.h"
#include "vocabulary/vocabulary_lists.h"

namespace chart {

namespace {

// The stem index of the 寅 month, by year stem index mod 5 (甲己, 乙庚, 丙辛, 丁壬, 戊癸); the
// stems then run on with the months.
constexpr auto kFirstMonthStemOffset = std::to_array<int>({2, 4, 6, 8, 0});
static_assert(kFirstMonthStemOffset.size() == 5);

// Position in the month order 寅 0 .. 丑 11 of branch index b (子 0 .. 亥 11).
int MonthPosition(int branchIndex) { return vocabulary::FloorMod(branchIndex + 10, 12); }

}  // namespace

void ComputeLifePalacePillar(FourPillarsChart& chart) {
  const int monthBranch = vocabulary::LookupBranchIndex(chart.pillars[kMonthPillar].branch);
  const int hourBranch = vocabulary::LookupBranchIndex(chart.pillars[kHourPillar].branch);
  if (monthBranch < 0 || hourBranch < 0) {
    return;
  }
  const int m = MonthPosition(monthBranch);
  const int h = MonthPosition(hourBranch);
  const int p = vocabulary::FloorMod(11 - m - h, 12);  // [0, 11]
  ChartPillar& palace = chart.pillars[kLifePalacePillar];
  palace.branch = BranchName(vocabulary::FloorMod(p + 2, 12));
  const int yearStem = vocabulary::LookupStemIndex(chart.pillars[kYearPillar].stem);
  if (yearStem >= 0) {
    palace.stem = StemName((p + kFirstMonthStemOffset[yearStem % 5]) % 10);
  }
}

}  // namespace chart
