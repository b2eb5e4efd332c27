#pragma once

// Helpers for the tests of the classics books: a book's text for a crafted chart, as the book
// writes it or as the judgement prints it, and the two tables that check them.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "interpretation/classics_books.h"
#include "interpretation/classics_judgement.h"
#include "interpretation/crafted_chart_test_support.h"
#include "interpretation/passage_test_support.h"

namespace interpretation {

inline constexpr chart::SeasonalStrengthValues kBookValues = {8, 5, 3, 2, 1};

// The working text one book (or book part) writes for the chart, in UTF-8.
inline std::string BookSays(BookSentences book, const CraftedChart& chart) {
  const notation::ChartNotation c(chart.chart(), kBookValues);
  BookText w;
  book(c, w);
  return U8(w.text());
}

// A book as the judgement prints it: "<br>" alone when it has no sentence.
inline std::string Printed(std::wstring_view header, const std::string& body) {
  return body.empty() ? "<br>" : "<br>" + U8(header) + body + "<br>";
}

// The judgement of the one book of this header over the chart.
inline std::string JudgeBook(std::wstring_view header, const CraftedChart& chart,
                             chart::SeasonalStrengthValues values = kBookValues) {
  for (const ClassicsBook& book : ClassicsBooks()) {
    if (book.header == header) {
      return U8(JudgeByClassics(chart.chart(), values, {&book, 1}));
    }
  }
  ADD_FAILURE() << "no book " << U8(header);
  return {};
}

// One row of a book's table: what the chart holds and the body the judgement prints for it.
struct BookCase {
  const char* what;
  std::function<void(CraftedChart&)> setup;
  std::string body;
  std::array<std::wstring, 4> pillars = {};
  chart::SeasonalStrengthValues values = kBookValues;
};

// Checks each row: the book's whole printed text over the row's chart.
inline void CheckBook(std::wstring_view header, std::initializer_list<BookCase> cases) {
  for (const BookCase& k : cases) {
    SCOPED_TRACE(k.what);
    CraftedChart chart(k.pillars[0], k.pillars[1], k.pillars[2], k.pillars[3]);
    k.setup(chart);
    EXPECT_EQ(JudgeBook(header, chart, k.values), Printed(header, k.body));
  }
}

// One row of a book's table: the chart of the case and whether the sentence is written for it.
struct SentenceCase {
  std::string name;
  std::function<void(CraftedChart&)> chart;
  std::wstring_view sentence;
  bool written = true;
};

// Checks each row: the sentence stands in the book's text exactly when the row says so.
inline void CheckSentences(BookSentences book, const std::vector<SentenceCase>& rows) {
  for (const SentenceCase& row : rows) {
    SCOPED_TRACE(row.name + " / " + U8(row.sentence));
    CraftedChart chart;
    row.chart(chart);
    const std::string text = BookSays(book, chart);
    EXPECT_EQ(text.find(U8(row.sentence)) != std::string::npos, row.written) << text;
  }
}

}  // namespace interpretation
