#pragma once

// A chart crafted for a rule test (a chart pattern, a classics sentence): it holds just the members
// the rule under test reads, each set by a step named as the rules speak.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "chart/four_pillars_chart.h"
#include "chart/stem_branch_basics.h"
#include "interpretation/chart_notation.h"
#include "interpretation/passage_test_support.h"
#include "interpretation/pattern_slots.h"

namespace interpretation {

// A chart of four typed pillars ("甲子"; empty for none) with their stem and branch counts (the
// stems also among allStemCounts); every other member is 0 or empty until a step writes it.
// The placing steps keep the chart's counters consistent: a stem ten god of a pillar is counted
// in stemTenGodCountsByPillar, stemTenGodCounts and tenGodCounts and written as the pillar's
// stemTenGod; a hidden one in hiddenTenGodCountsByBranch, hiddenTenGodCounts and tenGodCounts; a
// listed star in starCounts. The steps that name a counter alone (TG, star, stems, allStems,
// branches) set that counter and no other.
class CraftedChart {
 public:
  explicit CraftedChart(std::wstring_view year = L"", std::wstring_view month = L"",
                        std::wstring_view day = L"", std::wstring_view hour = L"")
      : chart_(ChartOfPillars(year, month, day, hour)) {
    for (notation::Pillar p : notation::kFourPillars) {
      count(p, +1);
    }
  }

  chart::FourPillarsChart& chart() { return *chart_; }
  const chart::FourPillarsChart& chart() const { return *chart_; }

  // Replaces a pillar's stem and branch ("乙丑", split as ChartOfPillars does), and their counts.
  CraftedChart& pillar(notation::Pillar p, std::wstring_view text) {
    count(p, -1);
    chart_->pillars[p].stem = std::wstring(text.substr(0, 1));
    chart_->pillars[p].branch = std::wstring(text.substr(text.empty() ? 0 : 1));
    count(p, +1);
    return *this;
  }
  CraftedChart& pillars(std::wstring_view year, std::wstring_view month, std::wstring_view day,
                        std::wstring_view hour) {
    return pillar(notation::年, year)
        .pillar(notation::月, month)
        .pillar(notation::日, day)
        .pillar(notation::時, hour);
  }

  // The ten god of the year, month or hour stem (the day stem, the day master, has none), n of
  // them; a count of -1 takes one back and clears the pillar's stemTenGod.
  CraftedChart& stemGod(notation::Pillar p, notation::TenGod x, int n = 1) {
    if (p == notation::日) {
      ADD_FAILURE() << "the day stem has no ten god";
      return *this;
    }
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

  // The day master's value (DM, S in the classics), against the values 8 (旺), 5, 3, 2, 1 (死)
  // unless a test says otherwise.
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

  // A star counted in starCounts only, or listed at a pillar (and counted once more).
  CraftedChart& star(chart::StarSlot x, int n) {
    chart_->starCounts[x] = n;
    return *this;
  }
  CraftedChart& list(notation::Pillar p, chart::StarSlot x) {
    chart::AppendStarName(chart_->pillars[p].starNames, chart::kStarCountNames[x]);
    ++chart_->starCounts[x];
    return *this;
  }

  // stemCounts, allStemCounts or branchCounts alone.
  CraftedChart& stems(notation::Stem s, int n) {
    chart_->stemCounts[s] = n;
    return *this;
  }
  CraftedChart& allStems(notation::Stem s, int n) {
    chart_->allStemCounts[s] = n;
    return *this;
  }
  CraftedChart& branches(notation::Branch b, int n) {
    chart_->branchCounts[b] = n;
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

  // A pattern that held, counted in its true slot as the judgement counts it (a shared slot
  // counts every pattern raised), or one that was a candidate.
  CraftedChart& truePattern(const PatternSlots& pattern) {
    ++chart_->truePatternFlags[pattern.trueSlot];
    return *this;
  }
  CraftedChart& candidate(const PatternSlots& pattern) {
    chart_->candidatePatternFlags[pattern.candidateSlot] = 1;
    return *this;
  }
  // The true slot of a pattern the star rules count before the judgement (the month and hour 祿
  // and 刃), set to n.
  CraftedChart& precount(const PatternSlots& pattern, int n) {
    chart_->truePatternFlags[pattern.trueSlot] = n;
    return *this;
  }

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

}  // namespace interpretation
