#include "chart/chart_summary_notes.h"

#include <gtest/gtest.h>

#include <climits>

#include "testing/utf8.h"

namespace chart {
namespace {

using test_text::EncodeUtf8;

TEST(ChartSummaryNotes, DateTextsHaveTwoDigitsAndAreEmptyWithoutADay) {
  struct Case {
    int month, day, hour, minute;
    std::array<std::wstring, 4> texts;
  };
  const Case cases[] = {
      {5, 3, 7, 5, {L"05", L"03", L"07", L"05"}},
      {12, 31, 24, 60, {L"12", L"31", L"24", L"60"}},
      {1, 1, 0, -5, {L"01", L"01", L"00", L"-5"}},  // the entry lets a negative minute pass
      {1, 1, 0, INT_MIN, {L"01", L"01", L"00", L"-2147483648"}},
      {0, 0, 0, 0, {L"", L"", L"", L""}},    // a chart from typed pillars
      {5, 0, 7, 5, {L"", L"", L"", L""}},    // the day alone marks a chart without dates
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.month) + "/" + std::to_string(c.day));
    FourPillarsChart chart;
    ChartSummaryTexts texts;
    texts.paddedMonthText = L"stale";
    MakeDateTextsAndWealthOfficeNote(c.month, c.day, c.hour, c.minute, chart, texts);
    EXPECT_EQ(texts.paddedMonthText, c.texts[0]);
    EXPECT_EQ(texts.paddedDayText, c.texts[1]);
    EXPECT_EQ(texts.paddedHourText, c.texts[2]);
    EXPECT_EQ(texts.paddedMinuteText, c.texts[3]);
  }
}

TEST(ChartSummaryNotes, WealthAndOfficeNote) {
  struct Case {
    int indirectWealth, directWealth, directOfficer, sevenKillings;
    std::wstring note;
  };
  const Case cases[] = {
      {1, 0, 0, 2, L"(有財)"},   // 偏官 plays no part
      {0, 0, 1, 0, L"(有官)"},
      {1, 0, 1, 0, L"(有財官)"},
      {0, 2, 3, 0, L"(有財官)"},
      {0, 0, 0, 5, L""},
      {0, 0, 0, 0, L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(EncodeUtf8(c.note));
    FourPillarsChart chart;
    chart.tenGodCounts[kCountPianCai] = c.indirectWealth;
    chart.tenGodCounts[kCountZhengCai] = c.directWealth;
    chart.tenGodCounts[kCountZhengGuan] = c.directOfficer;
    chart.tenGodCounts[kCountPianGuan] = c.sevenKillings;
    EXPECT_EQ(WealthOfficeNote(chart), c.note);
    ChartSummaryTexts texts;
    MakeDateTextsAndWealthOfficeNote(1, 1, 1, 1, chart, texts);
    EXPECT_EQ(texts.wealthOfficeNote, c.note);
  }
}

TEST(ChartSummaryNotes, TransformationNote) {
  struct Case {
    int count, entered;
    std::wstring note;
  };
  const Case cases[] = {
      {0, 0, L"(無從化)"},
      {0, 1, L"(無從化)"},  // whatever the pattern judgement did
      {1, 1, L"(有從化入格)"},
      {1, 0, L"(有從化)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(EncodeUtf8(c.note));
    FourPillarsChart chart;
    chart.transformationCount = c.count;
    chart.transformationEntered = c.entered;
    EXPECT_EQ(TransformationNote(chart), c.note);
  }
}

// The pattern judgement writes its list with "、" between the names and none before the first.
TEST(ChartSummaryNotes, PatternNote) {
  struct Case {
    int candidates, patterns;
    std::wstring list;
    std::wstring note;
  };
  const Case cases[] = {
      {3, 0, L"", L"(像入格3，入格0)"},
      {0, 0, L"", L"(像入格0，入格0)"},
      {2, 1, L"魁罡格", L"(像入格2，入格1：魁罡格)"},
      {4, 2, L"建祿格、歸祿格", L"(像入格4，入格2：建祿格、歸祿格)"},
      {1, 0, L"魁罡格", L"(像入格1，入格0)"},  // a list without a count is not shown
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(EncodeUtf8(c.note));
    FourPillarsChart chart;
    chart.candidatePatternCount = c.candidates;
    chart.truePatternCount = c.patterns;
    chart.truePatternList = c.list;
    EXPECT_EQ(PatternNote(chart), c.note);
  }
}

TEST(ChartSummaryNotes, CombinationNoteTakesTheFirstFrameThenTheFirstDirection) {
  struct Case {
    std::array<int, 5> frames;  // 水 木 火 金 土
    std::array<int, 4> directions;  // 水 木 火 金
    std::wstring note;
  };
  const Case cases[] = {
      {{1, 0, 0, 0, 0}, {0, 1, 0, 0}, L"(有申子辰水局)"},
      {{0, 1, 0, 0, 0}, {0, 0, 0, 0}, L"(有亥卯未木局)"},
      {{0, 0, 1, 0, 0}, {0, 0, 0, 0}, L"(有寅午戌火局)"},
      {{0, 0, 0, 1, 0}, {1, 0, 0, 0}, L"(有巳酉丑金局)"},
      {{0, 0, 0, 0, 1}, {0, 0, 0, 0}, L"(有辰戌丑未土局)"},
      {{0, 0, 0, 0, 0}, {1, 0, 0, 0}, L"(有子丑亥會水方)"},
      {{0, 0, 0, 0, 0}, {0, 1, 0, 1}, L"(有卯寅辰會木方)"},
      {{0, 0, 0, 0, 0}, {0, 0, 1, 0}, L"(有午巳未會火方)"},
      {{0, 0, 0, 0, 0}, {0, 0, 0, 1}, L"(有酉申戌會金方)"},
      {{0, 0, 0, 0, 0}, {0, 0, 0, 0}, L"(無會方無合局)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(EncodeUtf8(c.note));
    FourPillarsChart chart;
    chart.threeHarmonyFlags = c.frames;
    chart.directionFlags = c.directions;
    EXPECT_EQ(CombinationNote(chart), c.note);
  }
}

TEST(ChartSummaryNotes, StemTotalsAndTheCharactersOfTheStemTenGods) {
  FourPillarsChart chart;
  chart.stemCounts[0] = 2;
  chart.hiddenStemCounts[0] = 3;
  chart.hiddenStemCounts[9] = 1;
  chart.pillars[kYearPillar].stemTenGod = L"偏財";
  chart.pillars[kMonthPillar].stemTenGod = L"食";  // shorter than a ten god: no read past it
  chart.pillars[kHourPillar].stemTenGod = L"";
  chart.pillars[kLifePalacePillar].stemTenGod = L"正印";
  chart.pillars[kDayPillar].stemTenGod = L"比肩";  // never shown: the day stem has none
  ChartSummaryTexts texts;
  MakeNotesAfterInterpretation(chart, texts);
  EXPECT_EQ(texts.stemTotalTexts[0], L"5");
  EXPECT_EQ(texts.stemTotalTexts[1], L"0");
  EXPECT_EQ(texts.stemTotalTexts[9], L"1");
  using Pair = std::array<std::wstring, 2>;
  EXPECT_EQ(texts.stemTenGodCharacters[kYearPillar], (Pair{L"偏", L"財"}));
  EXPECT_EQ(texts.stemTenGodCharacters[kMonthPillar], (Pair{L"食", L""}));
  EXPECT_EQ(texts.stemTenGodCharacters[kHourPillar], (Pair{L"", L""}));
  EXPECT_EQ(texts.stemTenGodCharacters[kLifePalacePillar], (Pair{L"正", L"印"}));
  EXPECT_EQ(texts.stemTenGodCharacters[kDayPillar], (Pair{L"", L""}));
  EXPECT_TRUE(texts.emptyText.empty());
  EXPECT_EQ(texts.patternNote, L"(像入格0，入格0)");
  EXPECT_EQ(texts.transformationNote, L"(無從化)");
  EXPECT_EQ(texts.combinationNote, L"(無會方無合局)");
}

TEST(ChartSummaryNotes, CharacterAtIsEmptyPastTheEnd) {
  EXPECT_EQ(CharacterAt(L"長生", 0), L"長");
  EXPECT_EQ(CharacterAt(L"長生", 1), L"生");
  EXPECT_EQ(CharacterAt(L"長生", 2), L"");
  EXPECT_EQ(CharacterAt(L"", 0), L"");
}

}  // namespace
}  // namespace chart
