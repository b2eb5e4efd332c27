#pragma once

// Helpers shared by the interpretation tests: charts that hold just the members a producer reads,
// and look-ups of pool entries by their keys.

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "chart/chart_balance.h"
#include "chart/chart_derivation.h"
#include "chart/four_pillars_chart.h"
#include "chart/stem_branch_chart_entry.h"
#include "interpretation/text_pools.h"
#include "testing/utf8.h"

namespace interpretation {

// A new chart whose year, month, day and hour pillars hold four texts as a chart from typed
// pillars does: the first character as the stem, the rest as the branch ("甲子"; "甲子 " gives the
// branch "子 ", an empty text leaves both empty). Every other member keeps its initial value.
inline std::unique_ptr<chart::FourPillarsChart> ChartOfPillars(std::wstring_view year,
                                                               std::wstring_view month,
                                                               std::wstring_view day,
                                                               std::wstring_view hour) {
  std::unique_ptr<chart::FourPillarsChart> chart = chart::NewFourPillarsChart();
  const std::wstring_view texts[] = {year, month, day, hour};
  for (int pillar = chart::kYearPillar; pillar <= chart::kHourPillar; ++pillar) {
    chart->pillars[pillar].stem = std::wstring(texts[pillar].substr(0, 1));
    chart->pillars[pillar].branch =
        std::wstring(texts[pillar].substr(texts[pillar].empty() ? 0 : 1));
  }
  return chart;
}

// The chart of four typed pillars as the interpretation receives it: made by the stem-branch
// entry (sex, basis, earth-month option and values as given), derived, and with the element and
// balance weights the chart page writes before it composes the interpretation. Empty when the
// entry rejects a pillar.
inline std::unique_ptr<chart::FourPillarsChart> InterpretedTypedChart(
    std::array<std::wstring, 4> pillars, std::wstring sex = L"男",
    chart::SpiritStarBasis basis = chart::SpiritStarBasis::kYearAndDayBranch,
    chart::EarthMonthOption option = chart::EarthMonthOption::kEarth,
    chart::SeasonalStrengthValues values = {8, 5, 3, 2, 1}) {
  chart::StemBranchChartRequest request;
  request.pillarTexts = std::move(pillars);
  request.sex = std::move(sex);
  request.spiritStarBasis = basis;
  request.earthMonthOption = option;
  request.values = values;
  chart::ChartEntryResult result = chart::MakeStemBranchChart(request);
  auto* handOver = std::get_if<chart::ChartHandOver>(&result);
  if (handOver == nullptr) {
    return nullptr;
  }
  chart::DeriveFourPillarsChart(*handOver);
  chart::FourPillarsChart& c = *handOver->chart;
  chart::SetElementWeights(chart::ComputeElementWeights(c, values), c);
  chart::SetBalanceWeights(chart::ComputeChartBalance(c), c);
  return std::move(handOver->chart);
}

// UTF-8 form of a text, so that a failed comparison prints it readably.
inline std::string U8(std::wstring_view text) { return test_text::EncodeUtf8(text); }

// The text of the pool entry with exactly these keys (found by its keys, not its place); a test
// fails on a key the pool does not hold.
template <std::size_t N>
std::wstring PoolText(const std::array<PoolEntry, N>& pool,
                      std::initializer_list<std::wstring_view> keys) {
  for (const PoolEntry& entry : pool) {
    std::size_t k = 0;
    bool equal = true;
    for (const std::wstring_view key : keys) {
      equal = equal && entry.keys[k++] == key;
    }
    if (equal) {
      return std::wstring(entry.text);
    }
  }
  ADD_FAILURE() << "no pool entry of these keys";
  return {};
}

}  // namespace interpretation
