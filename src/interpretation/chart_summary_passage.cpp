#include "interpretation/chart_summary_passage.h"

#include "interpretation/text_pools.h"
#include "vocabulary/vocabulary_lists.h"

namespace interpretation {

std::wstring ChartSummaryPassage(const chart::FourPillarsChart& chart) {
  const int month = vocabulary::LookupBranchIndex(chart.pillars[chart::kMonthPillar].branch);
  const int stem = vocabulary::LookupStemIndex(chart.pillars[chart::kDayPillar].stem);
  const int hour = vocabulary::LookupBranchIndex(chart.pillars[chart::kHourPillar].branch);
  if (month < 0 || stem < 0 || hour < 0) {
    return {};
  }
  const std::size_t entry =
      (static_cast<std::size_t>(month) * kStemCount + stem) * kBranchCount + hour;
  return std::wstring(kChartSummaryPassages[entry].text);
}

}  // namespace interpretation
