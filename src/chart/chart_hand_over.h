#pragma once

#include <memory>
#include <string>
#include <variant>

#include "chart/chart_settings.h"
#include "chart/four_pillars_chart.h"

namespace chart {

// What a chart entry hands to the chart page: the chart it created and filled (pillars, sex,
// yin or yang, and for a birth the dates, terms, luck start and month command), owned from here
// on by the holder of the hand-over, with the other arguments the page takes.
struct ChartHandOver {
  // The typed birth month, day, hour and minute; all 0 for a chart without dates (typed
  // pillars), which the page and the interpretation tell by the day 0.
  int birthMonth = 0;
  int birthDay = 0;
  int birthHour = 0;
  int birthMinute = 0;
  std::wstring nameText;  // the name as typed
  SpiritStarBasis spiritStarBasis = kInitialSpiritStarBasis;
  MonthCommandDivisionScheme scheme = MonthCommandDivisionScheme::kSeasonalState;
  SeasonalStrengthValues values = kInitialSeasonalStrengthValues;
  AnnotationText annotationText;
  std::unique_ptr<FourPillarsChart> chart;
};

// The one-line message of an input that a chart entry rejects ("生日月份輸入錯誤 !", ...); a
// rejected input leaves no chart.
struct ChartRejection {
  std::wstring message;
};

// The result of a chart entry: a rejection or the hand-over of a filled chart.
using ChartEntryResult = std::variant<ChartRejection, ChartHandOver>;

}  // namespace chart
