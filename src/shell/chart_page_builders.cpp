#include "shell/chart_page_builders.h"

#include <utility>

#include "chart/chart_entry_pages.h"
#include "interpretation/chart_interpretation.h"

namespace shell {

chart::ChartInterpretationComposer ProgramInterpretationComposer() {
  return interpretation::ComposeChartInterpretation;
}

ChartPageBuilders::ChartPageBuilders(chart::ChartInterpretationComposer composeInterpretation)
    : composeInterpretation_(std::move(composeInterpretation)) {}

std::wstring ChartPageBuilders::BuildStemBranchChartPage(const StemBranchQuery& query) const {
  chart::StemBranchChartRequest request;
  request.pillarTexts = query.pillarTexts;
  request.name = query.name;
  request.sex = query.sex;
  request.spiritStarBasis = query.spiritStarBasis;
  request.earthMonthOption = query.earthMonthOption;
  request.values = query.values;
  request.annotationText = query.annotationText;
  return chart::BuildStemBranchChartPage(request, composeInterpretation_);
}

}  // namespace shell
