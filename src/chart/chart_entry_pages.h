#pragma once

#include <string>

#include "chart/birth_chart_entry.h"
#include "chart/chart_page.h"
#include "chart/stem_branch_chart_entry.h"

namespace chart {

// The page of a typed-pillar request: the message of the first stem or branch that fails its
// test ("年天干輸入錯誤 !" .. "時地支輸入錯誤 !") as the whole page, else the chart page without
// dates.
std::wstring BuildStemBranchChartPage(const StemBranchChartRequest& request,
                                      const ChartInterpretationComposer& composeInterpretation);

// The page of a birth: the message of the first birth number that fails its check as the whole
// page, else the chart page of the birth. The entry keeps its tables between births.
std::wstring BuildBirthChartPage(BirthChartEntry& entry, const BirthChartRequest& request,
                                 const ChartInterpretationComposer& composeInterpretation);

}  // namespace chart
