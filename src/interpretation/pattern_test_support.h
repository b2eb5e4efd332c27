#pragma once

// Helpers for the tests of the pattern catalogue: the verdict of one catalogue pattern on a
// crafted chart.

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

#include "chart/four_pillars_chart.h"
#include "interpretation/crafted_chart_test_support.h"
#include "interpretation/passage_test_support.h"
#include "interpretation/pattern_judgement.h"

namespace interpretation {

// The catalogue record of a pattern.
inline const PatternRecord& CatalogueRecord(std::wstring_view name) {
  for (const PatternRecord& record : PatternCatalogue()) {
    if (record.pattern.name == name) {
      return record;
    }
  }
  ADD_FAILURE() << "no pattern " << U8(name);
  return PatternCatalogue().front();
}

// The block one catalogue pattern writes on the chart, judged alone (the count line and the
// warnings removed).
inline std::wstring PatternBlock(chart::FourPillarsChart& chart, const PatternSlots& pattern,
                                 chart::SeasonalStrengthValues values = {8, 5, 3, 2, 1}) {
  const PatternRecord* record = &CatalogueRecord(pattern.name);
  const std::wstring page = JudgePatterns(chart, values, {record, 1});
  const std::size_t start = page.find(L"<br><font color = blue>[");
  const std::size_t green = page.find(L"<br><font color = #00FF00>[");
  const std::size_t grey = page.find(L"<br>[" + std::wstring(pattern.name));
  std::size_t from = std::min({start, green, grey});
  return from == std::wstring::npos ? L"" : page.substr(from);
}

// One pattern's verdict on the chart, judged alone: "no candidate", "true", or "grey" followed
// by the reasons it writes (" .財官未透天 .存在衝破害"). Verses are left out.
inline std::string Verdict(chart::FourPillarsChart& chart, const PatternSlots& pattern,
                           chart::SeasonalStrengthValues values = {8, 5, 3, 2, 1}) {
  const std::wstring block = PatternBlock(chart, pattern, values);
  if (block.empty()) {
    return "no candidate";
  }
  const std::size_t span = block.find(L"<span");
  if (span == std::wstring::npos) {
    return "true";
  }
  std::size_t from = block.find(L'>', span) + 1;
  constexpr std::wstring_view kReasonLine = L"&nbsp;&nbsp;未入格原因: ";
  if (block.compare(from, kReasonLine.size(), kReasonLine) == 0) {
    from += kReasonLine.size();
  }
  return "grey" + U8(block.substr(from, block.find(L"</span>", from) - from));
}

// One case of a pattern's table: what it shows, how it changes the pattern's base chart, and
// the verdict it must give.
struct PatternCase {
  const char* what;
  void (*craft)(CraftedChart&);
  std::string verdict;
};

// Judges each case on a fresh base chart and compares the verdicts.
inline void ExpectVerdicts(const PatternSlots& pattern, CraftedChart (*base)(),
                           std::span<const PatternCase> cases,
                           chart::SeasonalStrengthValues values = {8, 5, 3, 2, 1}) {
  for (const PatternCase& k : cases) {
    SCOPED_TRACE(U8(pattern.name) + ": " + k.what);
    CraftedChart chart = base();
    if (k.craft != nullptr) {
      k.craft(chart);
    }
    EXPECT_EQ(Verdict(chart.chart(), pattern, values), k.verdict);
  }
}

}  // namespace interpretation
