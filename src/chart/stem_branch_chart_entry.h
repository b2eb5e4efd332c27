#pragma once

#include <array>
#include <string>

#include "chart/chart_hand_over.h"
#include "chart/chart_settings.h"

namespace chart {

// The chart from four typed stem-branch pillars, without a date.

// 1 when the text is exactly one of the ten stems "甲" .. "癸", else 0 (the empty text too).
int IsStem(const std::wstring& text);

// 1 when the text is exactly one of the twelve branches "子" .. "亥", else 0.
int IsBranch(const std::wstring& text);

// The typed input of the stem-branch page.
struct StemBranchChartRequest {
  // Year, month, day and hour pillar as typed: the first character is the stem, the second the
  // branch (empty when the text is shorter); characters after the second are ignored.
  std::array<std::wstring, 4> pillarTexts;
  std::wstring name;
  std::wstring sex;  // "男" or "女" from the page
  SpiritStarBasis spiritStarBasis = kInitialSpiritStarBasis;
  EarthMonthOption earthMonthOption = kInitialEarthMonthOption;
  SeasonalStrengthValues values = kInitialSeasonalStrengthValues;
  AnnotationText annotationText;
};

// Tests the year stem, year branch, month stem, ... hour branch in that order and rejects the
// first that fails with its message ("年天干輸入錯誤 !" .. "時地支輸入錯誤 !"). Otherwise a new
// chart holds the eight characters, the sex, the yin or yang of the year stem, the element of
// each seasonal state in the season of the month branch (by the EarthMonthOption) and the day
// master's value: the value of the first state, in the order 旺 相 死 囚 休, whose element is the
// day stem's. It is handed over as a chart without dates (date numbers and scheme 0).
ChartEntryResult MakeStemBranchChart(const StemBranchChartRequest& request);

}  // namespace chart
