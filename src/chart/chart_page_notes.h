#pragma once

#include <string>

#include "chart/chart_balance.h"
#include "chart/chart_settings.h"
#include "chart/chart_summary_notes.h"
#include "chart/four_pillars_chart.h"

namespace chart {

// The rest of the chart page after the table: the year-change note in the table's last cell, the
// end of the table and the true solar time, a grey line of notes (the spirit-star basis, the
// relation counts and the relations of the pillars that are not neighbours), the yin and yang
// ratio, the stem weights with the element sums and the two heaviest stems, the ten-god weights
// with the inner and outer balance and the three heaviest ten gods, the group lines with the
// combination terms ("[加上合加權]") and with the adjustments ("[再減化加權]"), the annotation as
// typed (the user's own note, by design not escaped), the fixed conclusion with the four notes,
// the interpretation and the end of the document. Only reads the chart.
void AppendChartPageNotes(const FourPillarsChart& chart, const ChartBalance& balance,
                          const ChartSummaryTexts& texts, SpiritStarBasis basis,
                          const SeasonalStrengthValues& values,
                          const AnnotationText& annotationText, std::wstring& page);

// The spirit-star basis note: "設定為年支見各支神煞" for 0, "設定為日支見各支神煞" for 1,
// "設定為年與日支見各支神煞" for every other value.
std::wstring SpiritStarBasisNote(SpiritStarBasis basis);

// The relation counts shown (stem combinations, branch combinations, stem clashes, branch clashes
// written "衝", punishments, breaks, harms), each as its label and count when above 0, in
// "&nbsp;&nbsp;(" .. ")"; the empty text when none is above 0.
std::wstring RelationCountNote(const FourPillarsChart& chart);

// A balance line's number and its signed adjustment: "20-4 = 16", "20+0 = 20".
std::wstring AdjustedSumText(int sum, int adjustment);

}  // namespace chart
