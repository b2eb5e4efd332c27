#include <gtest/gtest.h>

#include <array>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "chart/birth_chart_entry.h"
#include "chart/chart_entry_pages.h"
#include "interpretation/pattern_chart.h"
#include "interpretation/pattern_judgement.h"
#include "testing/utf8.h"
#include "vocabulary/vocabulary_lists.h"

namespace interpretation {
namespace {

using test_text::EncodeUtf8;

// How often each pattern was a candidate and true over all charts judged, printed at the end.
struct Tally {
  int charts = 0;
  std::map<std::wstring_view, std::pair<int, int>> byPattern;
};

// Where a pattern's heading stands in the section, and which: 'b' blue, 'g' green, 'r' grey;
// npos when the pattern is not shown.
struct Shown {
  std::size_t at = std::wstring::npos;
  char heading = 0;
};

Shown FindHeading(const std::wstring& section, std::wstring_view name) {
  const std::wstring bracketed = L"[" + std::wstring(name) + L"]";
  for (const auto& [prefix, heading] :
       {std::pair{L"<br><font color = blue>", 'b'}, std::pair{L"<br><font color = #00FF00>", 'g'},
        std::pair{L"<br>", 'r'}}) {
    const std::size_t at = section.find(prefix + bracketed);
    if (at != std::wstring::npos) {
      EXPECT_EQ(section.find(prefix + bracketed, at + 1), std::wstring::npos) << EncodeUtf8(name);
      return {at, heading};
    }
  }
  return {};
}

// Judges the chart as the interpretation does and checks what the judgement promises: the
// candidates are the headings, the true count and list are the blue headings in catalogue order
// unless the final override cleared both, and each flag slot counts the patterns that held with
// that slot (so the slots of no pattern stay 0).
void JudgeAndCheck(chart::FourPillarsChart& chart, const chart::SeasonalStrengthValues& values,
                   Tally& tally) {
  // On entry only the month and hour 祿 and 刃 counts stand in the flags (slots 20 to 22).
  const std::array<int, chart::kPatternSlots> before = chart.truePatternFlags;
  for (int slot = 0; slot < chart::kPatternSlots; ++slot) {
    if (slot < 20 || slot > 22) {
      EXPECT_EQ(before[slot], 0) << "true slot " << slot;
    }
    EXPECT_EQ(chart.candidatePatternFlags[slot], 0) << "candidate slot " << slot;
  }
  const std::wstring section = JudgeChartPatterns(chart, values);
  ++tally.charts;

  std::array<int, chart::kPatternSlots> trueSlots{};
  std::array<int, chart::kPatternSlots> candidateSlots{};
  int shown = 0;
  int blue = 0;
  std::wstring blueList;
  std::size_t last = 0;
  std::array<bool, chart::kPatternSlots> judgedSlots{};
  for (const PatternRecord& record : PatternCatalogue()) {
    const PatternSlots& p = record.pattern;
    if (p.trueSlot != kNoTrueSlot) {
      judgedSlots[p.trueSlot] = true;
    }
    const Shown s = FindHeading(section, p.name);
    if (s.at == std::wstring::npos) {
      continue;
    }
    EXPECT_GT(s.at, last) << "out of catalogue order: " << EncodeUtf8(p.name);
    last = s.at;
    ++shown;
    ++candidateSlots[p.candidateSlot];
    auto& [candidates, trues] = tally.byPattern[p.name];
    ++candidates;
    if (s.heading == 'r') {
      continue;
    }
    ++trues;
    EXPECT_EQ(s.heading == 'g', record.heading == PatternHeading::kGreen) << EncodeUtf8(p.name);
    if (p.trueSlot != kNoTrueSlot) {
      ++trueSlots[p.trueSlot];
    }
    if (s.heading == 'b') {
      ++blue;
      blueList += (blueList.empty() ? L"" : L"、") + std::wstring(p.name);
    }
  }

  EXPECT_EQ(chart.candidatePatternCount, shown);
  const notation::PatternChart c(chart, values);
  if (chart.truePatternCount == 0 && blue > 0) {
    // Cleared by the final override, which only a chart with the W1 or W2 condition meets.
    EXPECT_TRUE(c.W1() || c.W2());
    EXPECT_EQ(chart.truePatternList, L"");
  } else {
    EXPECT_EQ(chart.truePatternCount, blue);
    EXPECT_EQ(EncodeUtf8(chart.truePatternList), EncodeUtf8(blueList));
  }
  for (int slot = 0; slot < chart::kPatternSlots; ++slot) {
    // A pre-counted slot keeps its count while its pattern is not in the catalogue.
    EXPECT_EQ(chart.truePatternFlags[slot], judgedSlots[slot] ? trueSlots[slot] : before[slot])
        << "true slot " << slot;
    EXPECT_EQ(chart.candidatePatternFlags[slot], candidateSlots[slot]) << "candidate slot " << slot;
  }
  EXPECT_EQ(chart.transformationEntered == 1, section.find(L"<br>(註：") != std::wstring::npos);
}

// A composer that judges the patterns of the chart it is handed, before anything else of the
// interpretation, and checks the invariants.
chart::ChartInterpretationComposer CheckingComposer(Tally& tally, std::string& trace) {
  return [&tally, &trace](chart::FourPillarsChart& chart, chart::MonthCommandDivisionScheme,
                          const chart::SeasonalStrengthValues& values, int) {
    SCOPED_TRACE(trace);
    JudgeAndCheck(chart, values, tally);
  };
}

std::wstring Pillar(int stem, int branch) {
  const auto& names = vocabulary::kSexagenaryNames;
  return std::wstring(1, names[stem][0]) + names[branch][1];
}

void PrintTally(const Tally& tally) {
  std::cout << tally.charts << " charts judged; pattern: candidates, true\n";
  for (const PatternRecord& record : PatternCatalogue()) {
    const auto it = tally.byPattern.find(record.pattern.name);
    const auto [candidates, trues] = it == tally.byPattern.end() ? std::pair{0, 0} : it->second;
    std::cout << "  " << EncodeUtf8(record.pattern.name) << ": " << candidates << ", " << trues
              << "\n";
  }
}

// Typed charts of every day pillar with each of its twelve hours (hour stems as the day stem
// gives them) under three year and month pillars, and each day pillar four times over.
TEST(PatternCatalogue, InvariantsHoldOnTypedChartsOfEveryDayPillar) {
  Tally tally;
  std::string trace;
  const chart::ChartInterpretationComposer composer = CheckingComposer(tally, trace);
  for (int day = 0; day < 60; ++day) {
    const int dayStem = day % 10;
    const int dayBranch = day % 12;
    std::vector<std::array<std::wstring, 4>> charts;
    const std::wstring dayPillar = Pillar(dayStem, dayBranch);
    charts.push_back({dayPillar, dayPillar, dayPillar, dayPillar});
    for (int hour = 0; hour < 12; ++hour) {
      const std::wstring hourPillar = Pillar((dayStem * 2 + hour) % 10, hour);
      for (int variant = 0; variant < 3; ++variant) {
        const int year = (day * 7 + hour * 11 + variant * 23) % 60;
        const int monthBranch = (day + hour * 5 + variant * 4) % 12;
        // The month stem as the year stem gives it: 寅 month of a 甲 or 己 year is 丙寅.
        const int monthStem = (year % 10 % 5 * 2 + 2 + (monthBranch + 10) % 12) % 10;
        charts.push_back(
            {Pillar(year % 10, year % 12), Pillar(monthStem, monthBranch), dayPillar, hourPillar});
      }
    }
    for (std::size_t i = 0; i < charts.size(); ++i) {
      const auto& pillars = charts[i];
      trace = EncodeUtf8(pillars[0] + L" " + pillars[1] + L" " + pillars[2] + L" " + pillars[3]);
      chart::StemBranchChartRequest request;
      request.pillarTexts = pillars;
      request.sex = i % 2 == 0 ? L"男" : L"女";
      chart::BuildStemBranchChartPage(request, composer);
    }
  }
  EXPECT_EQ(tally.charts, 60 * (1 + 12 * 3));
  PrintTally(tally);
}

// Births from 1901 to 2049, one a month, at days, hours and minutes spread over their ranges.
TEST(PatternCatalogue, InvariantsHoldOnBirthCharts) {
  Tally tally;
  std::string trace;
  const chart::ChartInterpretationComposer composer = CheckingComposer(tally, trace);
  chart::BirthChartEntry entry;
  int births = 0;
  for (int year = 1901; year <= 2049; ++year) {
    for (int month = 1; month <= 12; ++month) {
      chart::BirthChartRequest request;
      request.year = year;
      request.month = month;
      request.day = 1 + (year * 7 + month * 3) % 28;
      request.hour = (year + month * 5) % 24;
      request.minute = (year * 13 + month) % 60;
      request.sex = (year + month) % 2 == 0 ? L"男" : L"女";
      request.longitude = 121.5;
      trace = std::to_string(year) + "-" + std::to_string(month) + "-" +
              std::to_string(request.day) + " " + std::to_string(request.hour);
      chart::BuildBirthChartPage(entry, request, composer);
      ++births;
    }
  }
  EXPECT_EQ(tally.charts, births);
  PrintTally(tally);
}

}  // namespace
}  // namespace interpretation
