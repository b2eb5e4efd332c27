#include "chart/chart_page.h"

#include "chart/chart_balance.h"
#include "chart/chart_derivation.h"
#include "chart/chart_page_notes.h"
#include "chart/chart_page_table.h"
#include "chart/chart_summary_notes.h"

namespace chart {

std::wstring RenderFourPillarsChartPage(int birthMonth, int birthDay, int birthHour,
                                        int birthMinute, SpiritStarBasis basis,
                                        MonthCommandDivisionScheme scheme,
                                        const SeasonalStrengthValues& values,
                                        std::unique_ptr<FourPillarsChart> chart,
                                        const AnnotationText& annotationText,
                                        const ChartInterpretationComposer& composeInterpretation) {
  ChartSummaryTexts texts;
  MakeDateTextsAndWealthOfficeNote(birthMonth, birthDay, birthHour, birthMinute, *chart, texts);
  SetElementWeights(ComputeElementWeights(*chart, values), *chart);
  const ChartBalance balance = ComputeChartBalance(*chart);
  SetBalanceWeights(balance, *chart);
  // The pattern judgement reads the weights above, and the notes below read its verdicts.
  if (composeInterpretation) {
    composeInterpretation(*chart, scheme, values, birthDay);
  }
  MakeNotesAfterInterpretation(*chart, texts);

  std::wstring page;
  // A page with its interpretation runs to about 40,000 characters; room for them at once spares
  // the copies of a growing text.
  page.reserve(std::size_t{1} << 16);
  AppendChartPageTable(*chart, texts, page);
  AppendChartPageNotes(*chart, balance, texts, basis, values, annotationText, page);
  DeleteFourPillarsChart(chart);
  return page;
}

std::wstring BuildFourPillarsChartPage(ChartHandOver handOver,
                                       const ChartInterpretationComposer& composeInterpretation) {
  DeriveFourPillarsChart(handOver);
  return RenderFourPillarsChartPage(handOver.birthMonth, handOver.birthDay, handOver.birthHour,
                                    handOver.birthMinute, handOver.spiritStarBasis, handOver.scheme,
                                    handOver.values, std::move(handOver.chart),
                                    handOver.annotationText, composeInterpretation);
}

}  // namespace chart
