#include "chart/chart_page_table.h"

#include <gtest/gtest.h>

#include "chart/chart_page_test_support.h"
#include "testing/utf8.h"

namespace chart {
namespace {

using test_text::EncodeUtf8;

TEST(ChartPageTable, StemRelationCell) {
  struct Case {
    std::wstring a, b, cell;
  };
  const Case cases[] = {
      {L"合土", L"合土", L"合土"},  // equal texts once
      {L"剋", L"", L"剋"},
      {L"", L"剋", L"剋"},
      {L"剋", L"合金", L"剋合金"},
      {L"", L"", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(EncodeUtf8(c.a + L"/" + c.b));
    EXPECT_EQ(StemRelationCellText(c.a, c.b), c.cell);
  }
}

// Between hour and day B's first character is tested against A; between day and month and
// between month and year A's first character against B.
TEST(ChartPageTable, BranchRelationCell) {
  struct Case {
    BranchRepeatTest test;
    std::wstring a, b, cell;
  };
  const auto hourDay = BranchRepeatTest::kHourDay;
  const auto other = BranchRepeatTest::kDayMonthOrMonthYear;
  const Case cases[] = {
      {hourDay, L"刑害", L"害", L"刑害"},
      {hourDay, L"衝", L"沖", L"衝沖"},
      {hourDay, L"", L"合土", L"合土"},
      {hourDay, L"", L"刑", L"刑"},
      {hourDay, L"害", L"刑害", L"害刑害"},
      {hourDay, L"合土", L"合土", L"合土"},
      {hourDay, L"", L"", L""},
      {other, L"刑害", L"害", L"刑害害"},
      {other, L"害", L"刑害", L"害"},
      {other, L"合土", L"合土", L"合土"},
      {other, L"", L"刑", L""},  // the null past A's end equals the null past B's one character
      {other, L"", L"合土", L"合土"},
      {other, L"衝", L"沖", L"衝沖"},
      {other, L"破", L"", L"破"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(EncodeUtf8(c.a + L"/" + c.b) + (c.test == hourDay ? " hour-day" : " other"));
    EXPECT_EQ(BranchRelationCellText(c.a, c.b, c.test), c.cell);
  }
}

TEST(ChartPageTable, HiddenStemBlockReadsEachTenGodDownwards) {
  using Paragraphs = std::array<std::wstring, 3>;
  EXPECT_EQ(HiddenStemParagraphs({L"癸", L"", L""}, {L"正印", L"", L""}),
            (Paragraphs{L"癸", L"正", L"印"}));
  EXPECT_EQ(HiddenStemParagraphs({L"己", L"癸", L"辛"}, {L"正財", L"正印", L"正官"}),
            (Paragraphs{L"己癸辛", L"正正正", L"財印官"}));
  // Slots and ten gods shorter than expected give empty characters, never a read past them.
  EXPECT_EQ(HiddenStemParagraphs({}, {}), (Paragraphs{L"", L"", L""}));
  EXPECT_EQ(HiddenStemParagraphs({L"甲"}, {L"比"}), (Paragraphs{L"甲", L"比", L""}));
}

TEST(ChartPageTable, StarBlockShowsEightNamesFourToAGroup) {
  using Paragraphs = std::array<std::wstring, 6>;
  std::vector<std::wstring> names(12);
  EXPECT_EQ(StarParagraphs(names), (Paragraphs{}));
  names = {L"將星", L"驛馬", L"", L"", L"", L"", L"", L"", L"", L"", L"", L""};
  EXPECT_EQ(StarParagraphs(names), (Paragraphs{L"將驛", L"星馬", L"", L"", L"", L""}));
  names = {L"將星", L"驛馬", L"孤神", L"喪門", L"華蓋", L"劫煞", L"太白", L"桃煞",
           L"血支", L"寡宿", L"弔客", L"災煞", L"勾絞"};  // grown past 12: only 8 shown
  EXPECT_EQ(StarParagraphs(names),
            (Paragraphs{L"將驛孤喪", L"星馬神門", L"", L"華劫太桃", L"蓋煞白煞", L""}));
  // A name of three characters shows its third in the third paragraph; one of four or more
  // characters only its first two; one of one character only its first.
  names = {L"天乙貴", L"月德", L"天乙貴人", L"X", L"", L"", L"", L""};
  EXPECT_EQ(StarParagraphs(names), (Paragraphs{L"天月天X", L"乙德乙", L"貴", L"", L"", L""}));
}

TEST(ChartPageTable, StageCell) {
  using Paragraphs = std::array<std::wstring, 2>;
  EXPECT_EQ(StageParagraphs(L"長生"), (Paragraphs{L"長", L"生"}));
  EXPECT_EQ(StageParagraphs(L"病"), (Paragraphs{L"病", L""}));
  EXPECT_EQ(StageParagraphs(L"死"), (Paragraphs{L"死", L""}));
  EXPECT_EQ(StageParagraphs(L""), (Paragraphs{L"", L""}));
  EXPECT_EQ(StageParagraphs(L"長生長"), (Paragraphs{L"長", L""}));
}

TEST(ChartPageTable, PageHead) {
  FourPillarsChart chart;
  std::wstring page;
  AppendChartPageTable(chart, ChartSummaryTexts{}, page);
  EXPECT_EQ(page.rfind(L"<html><head><meta http-equiv=Content-Type content=\"text/html; charset "
                       L"= big5\"></head><body lang=ZH-TW><br><table class=MsoNormalTable",
                       0),
            0u);
  // The text stops inside the last cell's paragraph, right after luckStartText.
  chart.luckStartText = L"0歲0日交大運,立春後0.000000日起運";
  page.clear();
  AppendChartPageTable(chart, ChartSummaryTexts{}, page);
  const std::wstring end = L"<td colspan=21 style='border:solid red 1.0pt;padding:0cm 1.0pt'>";
  const std::size_t lastCell = page.rfind(end);
  ASSERT_NE(lastCell, std::wstring::npos);
  EXPECT_EQ(testing::WithoutTags(page.substr(lastCell)), chart.luckStartText);
  EXPECT_EQ(page.substr(page.size() - chart.luckStartText.size()), chart.luckStartText);
}

}  // namespace
}  // namespace chart
