#include "chart/chart_entry_pages.h"

#include <variant>

namespace chart {

namespace {

// A rejection's one-line message stands in place of the page.
std::wstring PageOf(ChartEntryResult result,
                    const ChartInterpretationComposer& composeInterpretation) {
  if (auto* rejection = std::get_if<ChartRejection>(&result)) {
    return std::move(rejection->message);
  }
  return BuildFourPillarsChartPage(std::get<ChartHandOver>(std::move(result)),
                                   composeInterpretation);
}

}  // namespace

std::wstring BuildStemBranchChartPage(const StemBranchChartRequest& request,
                                      const ChartInterpretationComposer& composeInterpretation) {
  return PageOf(MakeStemBranchChart(request), composeInterpretation);
}

std::wstring BuildBirthChartPage(BirthChartEntry& entry, const BirthChartRequest& request,
                                 const ChartInterpretationComposer& composeInterpretation) {
  return PageOf(entry.MakeBirthChart(request), composeInterpretation);
}

}  // namespace chart
