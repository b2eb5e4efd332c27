#pragma once

#include <span>
#include <string>
#include <string_view>

#include "chart/chart_settings.h"
#include "chart/four_pillars_chart.h"
#include "interpretation/chart_notation.h"

namespace interpretation {

// The chart as the sentences of the classics read it (S, v旺 .. v死, TG, stemTG, branchTG,
// holds, SR, BR, joins, star, listed, stage, isTrue, isCandidate, 男, 女).
using CC = const notation::ChartNotation&;

// The result of one sentence's test, to chain the sentences that depend on it.
class SentenceTest;

// The working text of one book: the sentences whose tests hold, in the order they are tried.
class BookText {
 public:
  // Appends the sentence when its test holds (each time it is called, so a sentence the book
  // names twice can stand twice). Chain `.otherwise(...)` for a sentence tried only when this
  // test failed and `.nested(...)` for one tried only when it held.
  SentenceTest say(bool holds, std::wstring_view sentence);
  // Appends the sentence once for each of the year, month, day and hour pillars (in that order)
  // that passes the test.
  template <typename PillarTest>
  void sayForEachPillar(PillarTest test, std::wstring_view sentence) {
    for (notation::Pillar p : notation::kFourPillars) {
      say(test(p), sentence);
    }
  }

  const std::wstring& text() const { return text_; }

 private:
  std::wstring text_;
};

class SentenceTest {
 public:
  SentenceTest(BookText& book, bool held) : book_(book), held_(held) {}
  // Tried only when every test before it in the chain failed.
  SentenceTest otherwise(bool holds, std::wstring_view sentence) const;
  // Tried only when the test before it held.
  SentenceTest nested(bool holds, std::wstring_view sentence) const;
  bool held() const { return held_; }

 private:
  BookText& book_;
  bool held_;
};

// Who a book, or a part of a book, is worked for: every chart, or only charts whose sexText is
// "男" or "女".
enum class Readers { kEveryone, kMen, kWomen };

// A book's sentences with their tests, in the order its text gives.
using BookSentences = void (*)(CC c, BookText& w);

struct BookPart {
  Readers readers = Readers::kEveryone;
  BookSentences sentences = nullptr;  // nullptr: no sentence of this part is written yet
};

// One book of the classics judgement: its header ("《五言獨步》") and its one or two parts
// (仙機賦 has a part for 男 and one for 女).
struct ClassicsBook {
  std::wstring_view header;
  BookPart part;
  BookPart secondPart = {};
};

// The 31 books in the order of the judgement.
std::span<const ClassicsBook> ClassicsBooks();

// The classics section over a list of books: "<br>", then for each book that gets at least one
// sentence its header, its sentences and "<br>". Reads the chart only.
std::wstring JudgeByClassics(const chart::FourPillarsChart& chart,
                             const chart::SeasonalStrengthValues& values,
                             std::span<const ClassicsBook> books);

// The eighth section of the interpretation: JudgeByClassics over the 31 books.
std::wstring ClassicsJudgement(const chart::FourPillarsChart& chart,
                               const chart::SeasonalStrengthValues& values);

// A sentence of more than 40 characters, kept in the long-sentence pool and named by its book's
// header and its number in the book; the empty text while no source has given it.
std::wstring_view LongSentence(std::wstring_view bookHeader, int sentence);

}  // namespace interpretation
