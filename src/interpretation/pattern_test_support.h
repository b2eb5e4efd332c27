#pragma once

// Helpers for the tests of the pattern catalogue: a crafted chart that sets only the members a
// pattern rule reads, and the verdict of one catalogue pattern on it.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "chart/four_pillars_chart.h"
#include "chart/stem_branch_basics.h"
#include "interpretation/chart_notation.h"
#include "interpretation/passage_test_support.h"
#include "interpretation/pattern_judgement.h"

namespace interpretation {

// A chart made for a pattern test. It starts as four pillars with their stem and branch counts
// (and the stems among allStemCounts); every other member is 0 or empty until a setter writes
// it. The ten-god setters keep the chart's counters consistent: a stem ten god of a pillar is
// counted in stemTenGodCountsByPillar, stemTenGodCounts and tenGodCounts and written as the
// pillar's stemTenGod; a hidden one in hiddenTenGodCountsByBranch, hiddenTenGodCounts and
// tenGodCounts.
class CraftedChart {
 public:
  CraftedChart(std::wstring_view year, std::wstring_view month, std::wstring_view day,
               std::wstring_view hour)
      : chart_(ChartOfPillars(year, month, day, hour)) {
    using namespace notation;
    for (Pillar p : kFourPillars) {
      count(p, +1);
    }
  }

  // Replaces a pillar's stem and branch ("乙丑"), and their counts.
  CraftedChart& pillar(notation::Pillar p, std::wstring_view text) {
    count(p, -1);
    chart_->pillars[p].stem = std::wstring(text.substr(0, 1));
    chart_->pillars[p].branch = std::wstring(text.substr(1));
    count(p, +1);
    return *this;
  }
  // The ten god of the year, month or hour stem.
  // A count of -1 takes it back and clears the pillar's stemTenGod.
  CraftedChart& stemGod(notation::Pillar p, notation::TenGod x, int n = 1) {
    const int row = p == notation::年 ? 0 : p == notation::月 ? 1 : 2;
    chart_->stemTenGodCountsByPillar[row][x] += n;
    chart_->stemTenGodCounts[x] += n;
    chart_->tenGodCounts[x] += n;
    chart_->pillars[p].stemTenGod = n > 0 ? chart::kTenGodCountOrder[x] : L"";
    return *this;
  }
  // A hidden stem of a branch with this ten god (n of them).
  CraftedChart& hidden(notation::Pillar p, notation::TenGod x, int n = 1) {
    chart_->hiddenTenGodCountsByBranch[p][x] += n;
    chart_->hiddenTenGodCounts[x] += n;
    chart_->tenGodCounts[x] += n;
    return *this;
  }
  // tenGodCounts alone (a ten god whose place no rule under test reads).
  CraftedChart& TG(notation::TenGod x, int n) {
    chart_->tenGodCounts[x] = n;
    return *this;
  }
  CraftedChart& weight(notation::TenGod x, int w) {
    chart_->tenGodWeights[chart::TenGodWeightSlotOf(chart::kTenGodCountOrder[x])] = w;
    return *this;
  }
  // heaviest[1], [3] and [5]: the three heaviest ten gods.
  CraftedChart& heaviest(std::wstring first, std::wstring second, std::wstring third) {
    chart_->heaviest[1] = std::move(first);
    chart_->heaviest[3] = std::move(second);
    chart_->heaviest[5] = std::move(third);
    return *this;
  }
  CraftedChart& DM(int value) {
    chart_->dayMasterStrengthValue = value;
    return *this;
  }
  CraftedChart& sex(std::wstring text) {
    chart_->sexText = std::move(text);
    return *this;
  }
  CraftedChart& stage(notation::Pillar p, std::wstring word) {
    chart_->pillars[p].stage = std::move(word);
    return *this;
  }
  CraftedChart& SR(notation::PillarPair pair, std::wstring text) {
    chart_->stemRelations[pair] = std::move(text);
    return *this;
  }
  CraftedChart& BR(notation::PillarPair pair, std::wstring text) {
    chart_->branchRelations[pair] = std::move(text);
    return *this;
  }
  CraftedChart& relations(notation::RelationCount r, int n) {
    chart_->relationCounts[r] = n;
    return *this;
  }
  // A star counted in starCounts only, or listed at a pillar (and counted).
  CraftedChart& star(chart::StarSlot x, int n) {
    chart_->starCounts[x] = n;
    return *this;
  }
  CraftedChart& list(notation::Pillar p, chart::StarSlot x) {
    chart::AppendStarName(chart_->pillars[p].starNames, chart::kStarCountNames[x]);
    ++chart_->starCounts[x];
    return *this;
  }
  // A stem among the hidden stems (allStemCounts only).
  CraftedChart& hiddenStem(notation::Stem s) {
    ++chart_->allStemCounts[s];
    return *this;
  }
  // A three-harmony frame (hasFrame and its flag), or a directional combination.
  CraftedChart& frame(notation::Element e) {
    chart_->hasFrame = 1;
    chart_->threeHarmonyFlags[chart::NameIndex(chart::kThreeHarmonyOrder,
                                               chart::kElementsByProduction[e])] = 1;
    return *this;
  }
  CraftedChart& direction(notation::Element e) {
    chart_->hasDirection = 1;
    chart_->directionFlags[chart::NameIndex(chart::kDirectionOrder,
                                            chart::kElementsByProduction[e])] = 1;
    return *this;
  }
  CraftedChart& fireWater(int fire, int water) {
    chart_->fireWeight = fire;
    chart_->waterWeight = water;
    return *this;
  }
  CraftedChart& trueFlag(int slot, int n) {
    chart_->truePatternFlags[slot] = n;
    return *this;
  }

  chart::FourPillarsChart& chart() { return *chart_; }

 private:
  // Adds (+1) or removes (-1) a pillar's stem and branch in the chart's counts.
  void count(notation::Pillar p, int n) {
    const notation::ChartNotation pillars(*chart_, {8, 5, 3, 2, 1});
    if (pillars.stem(p) >= 0) {
      chart_->stemCounts[pillars.stem(p)] += n;
      chart_->allStemCounts[pillars.stem(p)] += n;
    }
    if (pillars.branch(p) >= 0) {
      chart_->branchCounts[pillars.branch(p)] += n;
    }
  }

  std::unique_ptr<chart::FourPillarsChart> chart_;
};

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
