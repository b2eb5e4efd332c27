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

std::wstring ChartPageBuilders::BuildBirthChartPage(const FourPillarsQuery& query) {
  chart::BirthChartRequest request;
  request.year = query.year;
  request.month = query.month;
  request.day = query.day;
  request.hour = query.hour;
  request.minute = query.minute;
  request.name = query.name;
  request.sex = query.sex;
  request.spiritStarBasis = query.spiritStarBasis;
  request.yearChangeRule = query.yearChangeRule;
  request.scheme = query.scheme;
  request.values = query.values;
  request.annotationText = query.annotationText;
  request.longitude = query.longitude;
  return chart::BuildBirthChartPage(birthEntry_, request, composeInterpretation_);
}

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
