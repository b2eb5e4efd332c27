#pragma once

// Helpers for the tests of the classics books: a chart holding just the facts a sentence reads,
// and one book judged over it.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "interpretation/classics_judgement.h"
#include "interpretation/passage_test_support.h"

namespace interpretation::classics_test {

using namespace notation;
using Chart = chart::FourPillarsChart;

// The stem-table row of stemTenGodCountsByPillar (year, month, hour).
inline int StemRow(Pillar p) { return p == 年 ? 0 : p == 月 ? 1 : 2; }

// A ten god in a pillar's stem (not the day's), counted in every counter that holds it.
inline void PutStemTenGod(Chart& c, Pillar p, TenGod x) {
  ++c.stemTenGodCountsByPillar[StemRow(p)][x];
  ++c.stemTenGodCounts[x];
  ++c.tenGodCounts[x];
  c.pillars[p].stemTenGod = chart::kTenGodCountOrder[x];
}

// A ten god among a branch's hidden stems, counted in every counter that holds it.
inline void PutHiddenTenGod(Chart& c, Pillar p, TenGod x) {
  ++c.hiddenTenGodCountsByBranch[p][x];
  ++c.hiddenTenGodCounts[x];
  ++c.tenGodCounts[x];
}

inline void List(Chart& c, Pillar p, const wchar_t* star) {
  chart::AppendStarName(c.pillars[p].starNames, star);
}

inline void MakeTrue(Chart& c, const PatternSlots& pattern) {
  ++c.truePatternFlags[pattern.trueSlot];
}

// A book as the judgement prints it: "<br>" alone when it has no sentence.
inline std::string Printed(std::wstring_view header, const std::string& body) {
  return body.empty() ? "<br>" : "<br>" + U8(header) + body + "<br>";
}

// The judgement of the one book of this header over the chart.
inline std::string JudgeBook(std::wstring_view header, const Chart& chart,
                             chart::SeasonalStrengthValues values = {8, 5, 3, 2, 1}) {
  for (const ClassicsBook& book : ClassicsBooks()) {
    if (book.header == header) {
      return U8(JudgeByClassics(chart, values, {&book, 1}));
    }
  }
  ADD_FAILURE() << "no book " << U8(header);
  return {};
}

// One row of a book's table: what the chart holds and the body the book prints for it.
struct BookCase {
  const char* what;
  std::function<void(Chart&)> setup;
  std::string body;
  std::array<std::wstring, 4> pillars = {};
  chart::SeasonalStrengthValues values = {8, 5, 3, 2, 1};
};

inline void CheckBook(std::wstring_view header, std::initializer_list<BookCase> cases) {
  for (const BookCase& k : cases) {
    SCOPED_TRACE(k.what);
    auto chart = ChartOfPillars(k.pillars[0], k.pillars[1], k.pillars[2], k.pillars[3]);
    k.setup(*chart);
    EXPECT_EQ(JudgeBook(header, *chart, k.values), Printed(header, k.body));
  }
}

}  // namespace interpretation::classics_test
