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

ChartPageBuilders::ChartPageBuilders(almanac::CalendarTables& tables,
                                     chart::ChartInterpretationComposer composeInterpretation)
    : birthEntry_(tables.monthCalendar, tables.termsInForce),
      composeInterpretation_(std::move(composeInterpretation)) {}

std::wstring ChartPageBuilders::BuildBirthChartPage(const FourPillarsQuery& query) {
  return chart::BuildBirthChartPage(birthEntry_, query, composeInterpretation_);
}

std::wstring ChartPageBuilders::BuildStemBranchChartPage(const StemBranchQuery& query) const {
  return chart::BuildStemBranchChartPage(query, composeInterpretation_);
}

}  // namespace shell
