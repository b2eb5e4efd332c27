#include "chart/luck_cycles.h"

#include <cmath>

#include "chart/stem_branch_basics.h"
#include "vocabulary/number_text.h"
#include "vocabulary/vocabulary_lists.h"

namespace chart {

bool LuckRunsForward(const std::wstring& sexText, const std::wstring& yinYangText) {
  return (sexText == L"男" && yinYangText == L"陽") || (sexText == L"女" && yinYangText == L"陰");
}

int LuckStartAge(double luckStartDays) { return static_cast<int>(std::ceil(luckStartDays / 3.0)); }

void ComputeLuckCycles(FourPillarsChart& chart) {
  const ChartPillar& month = chart.pillars[kMonthPillar];
  const std::wstring& dayStem = chart.pillars[kDayPillar].stem;
  const int s = vocabulary::LookupStemIndex(month.stem);
  const int b = vocabulary::LookupBranchIndex(month.branch);
  const bool forward = LuckRunsForward(chart.sexText, chart.yinYangText);
  // A birth exactly at the noon of its section term starts its luck at 0, not at -1.
  const int firstAge = chart.luckStartDays == 0.0 ? 0 : LuckStartAge(chart.luckStartDays) - 1;
  for (int i = 0; i < kLuckCycles; ++i) {
    chart.luckAges[i] = vocabulary::DecimalText(firstAge + 10 * i);
    if (s >= 0) {
      chart.luckStems[i] = StemName(forward ? (s + 1 + i) % 10 : (s + 9 - i) % 10);
      chart.luckStemTenGods[i] = TenGodOf(dayStem, chart.luckStems[i]);
    }
    if (b >= 0) {
      chart.luckBranches[i] =
          vocabulary::kEarthlyBranches[forward ? (b + 1 + i) % 12 : (b + 11 - i) % 12];
    }
  }
}

}  // namespace chart
