#pragma once

// Charts for the tests of the classics books: typed pillars, with each member a sentence reads set
// by a named step, and the text one book writes for such a chart.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "interpretation/classics_books.h"
#include "interpretation/passage_test_support.h"

namespace interpretation {

inline constexpr chart::SeasonalStrengthValues kBookValues = {8, 5, 3, 2, 1};

// A chart of four typed pillars ("甲子"; empty for none) whose counters start at 0. Ten gods are
// added where the chart's counters would count them: a stem's to the stem counters, a branch's to
// the hidden ones, both to TG.
class BookChart {
 public:
  explicit BookChart(std::wstring_view year = L"", std::wstring_view month = L"",
                     std::wstring_view day = L"", std::wstring_view hour = L"")
      : chart_(ChartOfPillars(year, month, day, hour)) {}

  chart::FourPillarsChart& record() const { return *chart_; }

  // The four pillars as typed ("甲子"), set over those the chart had.
  BookChart& pillars(std::wstring_view year, std::wstring_view month, std::wstring_view day,
                     std::wstring_view hour) {
    auto typed = ChartOfPillars(year, month, day, hour);
    for (int p = chart::kYearPillar; p <= chart::kHourPillar; ++p) {
      chart_->pillars[p].stem = typed->pillars[p].stem;
      chart_->pillars[p].branch = typed->pillars[p].branch;
    }
    return *this;
  }

  BookChart& sex(std::wstring text) {
    chart_->sexText = std::move(text);
    return *this;
  }
  // S, against the values 8 (旺), 5, 3, 2, 1 (死).
  BookChart& strength(int value) {
    chart_->dayMasterStrengthValue = value;
    return *this;
  }
  BookChart& stemGod(notation::Pillar p, notation::TenGod x, int n = 1) {
    if (p == notation::日) {
      ADD_FAILURE() << "the day stem has no ten god";
      return *this;
    }
    const int row = p == notation::年 ? 0 : p == notation::月 ? 1 : 2;
    chart_->stemTenGodCountsByPillar[row][x] += n;
    chart_->stemTenGodCounts[x] += n;
    chart_->tenGodCounts[x] += n;
    return *this;
  }
  BookChart& branchGod(notation::Pillar p, notation::TenGod x, int n = 1) {
    chart_->hiddenTenGodCountsByBranch[p][x] += n;
    chart_->hiddenTenGodCounts[x] += n;
    chart_->tenGodCounts[x] += n;
    return *this;
  }
  // The ten god of a pillar's stem as the chart names it, counted as stemGod does.
  BookChart& stemTenGod(notation::Pillar p, notation::TenGod x, std::wstring name) {
    chart_->pillars[p].stemTenGod = std::move(name);
    return stemGod(p, x);
  }
  BookChart& stage(notation::Pillar p, std::wstring word) {
    chart_->pillars[p].stage = std::move(word);
    return *this;
  }
  // The star in the pillar's list and counted once more.
  BookChart& star(notation::Pillar p, chart::StarSlot x) {
    chart::AppendStarName(chart_->pillars[p].starNames, chart::kStarCountNames[x]);
    ++chart_->starCounts[x];
    return *this;
  }
  BookChart& starCount(chart::StarSlot x, int n) {
    chart_->starCounts[x] = n;
    return *this;
  }
  BookChart& SR(notation::PillarPair pair, std::wstring text) {
    chart_->stemRelations[pair] = std::move(text);
    return *this;
  }
  BookChart& BR(notation::PillarPair pair, std::wstring text) {
    chart_->branchRelations[pair] = std::move(text);
    return *this;
  }
  BookChart& relations(notation::RelationCount r, int n) {
    chart_->relationCounts[r] = n;
    return *this;
  }
  BookChart& truePattern(const PatternSlots& pattern, int n = 1) {
    chart_->truePatternFlags[pattern.trueSlot] = n;
    return *this;
  }
  BookChart& candidate(const PatternSlots& pattern) {
    chart_->candidatePatternFlags[pattern.candidateSlot] = 1;
    return *this;
  }
  BookChart& stems(notation::Stem s, int n) {
    chart_->stemCounts[s] = n;
    return *this;
  }
  BookChart& allStems(notation::Stem s, int n) {
    chart_->allStemCounts[s] = n;
    return *this;
  }
  BookChart& branches(notation::Branch b, int n) {
    chart_->branchCounts[b] = n;
    return *this;
  }
  // Any other member.
  BookChart& with(const std::function<void(chart::FourPillarsChart&)>& set) {
    set(*chart_);
    return *this;
  }

 private:
  std::unique_ptr<chart::FourPillarsChart> chart_;
};

// The working text one book (or book part) writes for the chart, in UTF-8.
inline std::string BookSays(BookSentences book, const BookChart& chart) {
  const notation::ChartNotation c(chart.record(), kBookValues);
  BookText w;
  book(c, w);
  return U8(w.text());
}

// One row of a book's table: the chart of the case and whether the sentence is written for it.
struct SentenceCase {
  std::string name;
  std::function<void(BookChart&)> chart;
  std::wstring_view sentence;
  bool written = true;
};

// Checks each row: the sentence stands in the book's text exactly when the row says so.
inline void CheckSentences(BookSentences book, const std::vector<SentenceCase>& rows) {
  for (const SentenceCase& row : rows) {
    SCOPED_TRACE(row.name + " / " + U8(row.sentence));
    BookChart chart;
    row.chart(chart);
    const std::string text = BookSays(book, chart);
    EXPECT_EQ(text.find(U8(row.sentence)) != std::string::npos, row.written) << text;
  }
}

}  // namespace interpretation
