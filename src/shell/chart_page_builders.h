#pragma once

#include <string>

#include "almanac/calendar_tables.h"
#include "chart/birth_chart_entry.h"
#include "chart/chart_page.h"
#include "shell/four_pillars_page_controller.h"
#include "shell/stem_branch_page_controller.h"

namespace shell {

// The interpretation that closes the program's chart pages.
chart::ChartInterpretationComposer ProgramInterpretationComposer();

// The chart pages of the program's two chart tabs and of the command line's mode 4: each query
// goes through its chart entry, and a rejected input gives its one-line message as the whole
// page, an accepted one the chart page closed by the interpretation.
class ChartPageBuilders {
 public:
  // Builders whose birth entry keeps month tables and solar terms of its own.
  explicit ChartPageBuilders(
      chart::ChartInterpretationComposer composeInterpretation = ProgramInterpretationComposer());
  // Builders whose birth entry reads the program's calendar tables, which must outlive them.
  explicit ChartPageBuilders(
      almanac::CalendarTables& tables,
      chart::ChartInterpretationComposer composeInterpretation = ProgramInterpretationComposer());

  // "八字排盤" and the command line's mode 4: the chart of a birth.
  std::wstring BuildBirthChartPage(const FourPillarsQuery& query);

  // "干支排盤": the chart of four typed pillars, without dates.
  std::wstring BuildStemBranchChartPage(const StemBranchQuery& query) const;

 private:
  // One entry for all births: the month tables and solar terms it has laid out are kept.
  chart::BirthChartEntry birthEntry_;
  chart::ChartInterpretationComposer composeInterpretation_;
};

}  // namespace shell
