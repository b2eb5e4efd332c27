#include "chart/stem_branch_chart_entry.h"

#include <utility>

#include "chart/seasonal_strength.h"
#include "chart/stem_branch_basics.h"
#include "vocabulary/vocabulary_lists.h"

namespace chart {

namespace {

// The messages of the eight tests, by pillar year .. hour: stem, then branch.
constexpr auto kPillarMessages = std::to_array<std::array<const wchar_t*, 2>>({
    // stem test          branch test
    {L"年天干輸入錯誤 !", L"年地支輸入錯誤 !"},
    {L"月天干輸入錯誤 !", L"月地支輸入錯誤 !"},
    {L"日天干輸入錯誤 !", L"日地支輸入錯誤 !"},
    {L"時天干輸入錯誤 !", L"時地支輸入錯誤 !"},
});
static_assert(kPillarMessages.size() == 4);  // year, month, day, hour

// Character `position` (0 or 1) of a typed pillar as a one-character text; empty past the end.
std::wstring PillarCharacter(const std::wstring& text, std::size_t position) {
  return position < text.size() ? text.substr(position, 1) : std::wstring();
}

// States in the order the day master's value is looked for, as slots of seasonalElements and
// of the values (both 旺 相 休 囚 死).
constexpr auto kDayMasterStateSearch = std::to_array<int>({0, 1, 4, 3, 2});  // 旺 相 死 囚 休
static_assert(kDayMasterStateSearch.size() == kSeasonalStateOrder.size());

}  // namespace

int IsStem(const std::wstring& text) { return vocabulary::LookupStemIndex(text) >= 0 ? 1 : 0; }

int IsBranch(const std::wstring& text) { return vocabulary::LookupBranchIndex(text) >= 0 ? 1 : 0; }

ChartEntryResult MakeStemBranchChart(const StemBranchChartRequest& request) {
  std::array<std::wstring, 4> stems;
  std::array<std::wstring, 4> branches;
  for (int i = 0; i < 4; ++i) {
    stems[i] = PillarCharacter(request.pillarTexts[i], 0);
    if (IsStem(stems[i]) == 0) {
      return ChartRejection{kPillarMessages[i][0]};
    }
    branches[i] = PillarCharacter(request.pillarTexts[i], 1);
    if (IsBranch(branches[i]) == 0) {
      return ChartRejection{kPillarMessages[i][1]};
    }
  }

  std::unique_ptr<FourPillarsChart> chart = NewFourPillarsChart();
  for (int i = 0; i < 4; ++i) {
    chart->pillars[i].stem = stems[i];
    chart->pillars[i].branch = branches[i];
  }
  chart->sexText = request.sex;
  chart->yinYangText = IsYangStem(stems[kYearPillar]) == 1 ? L"陽" : L"陰";
  for (int state = 0; state < 5; ++state) {
    chart->seasonalElements[state] = ElementOfStateByMonthBranch(
        branches[kMonthPillar], kSeasonalStateOrder[state], request.earthMonthOption);
  }
  const std::wstring dayElement = ElementOfStem(stems[kDayPillar]);
  for (int state : kDayMasterStateSearch) {
    if (chart->seasonalElements[state] == dayElement) {
      chart->dayMasterStrengthValue = request.values[state];
      break;
    }
  }

  ChartHandOver handOver;
  handOver.nameText = request.name;
  handOver.spiritStarBasis = request.spiritStarBasis;
  handOver.scheme = MonthCommandDivisionScheme::kSeasonalState;
  handOver.values = request.values;
  handOver.annotationText = request.annotationText;
  handOver.chart = std::move(chart);
  return handOver;
}

}  // namespace chart
