#include "chart/chart_page.h"

#include <gtest/gtest.h>

#include <climits>

#include "chart/chart_page_test_support.h"
#include "testing/utf8.h"

namespace chart {
namespace {

using test_text::EncodeUtf8;
using testing::CellAt;
using testing::TableCell;
using testing::TableCells;

void SetRelation(std::array<std::wstring, kPillarPairCount>& relations, const std::wstring& pair,
                 const std::wstring& text) {
  for (std::size_t slot = 0; slot < kPillarPairs.size(); ++slot) {
    if (pair == kPillarPairs[slot].name) {
      relations[slot] = text;
    }
  }
}

void SetPillar(FourPillarsChart& chart, int p, const std::wstring& stem,
               const std::wstring& branch, const std::wstring& tenGod, const std::wstring& stage,
               std::vector<std::wstring> hidden, std::vector<std::wstring> hiddenTenGods,
               const std::vector<std::wstring>& stars) {
  ChartPillar& pillar = chart.pillars[p];
  pillar.stem = stem;
  pillar.branch = branch;
  pillar.stemTenGod = tenGod;
  pillar.stage = stage;
  hidden.resize(3);
  hiddenTenGods.resize(3);
  pillar.hiddenStems = hidden;
  pillar.hiddenTenGods = hiddenTenGods;
  for (const std::wstring& star : stars) {
    AppendStarName(pillar.starNames, star);
  }
}

// A chart as the derivation leaves it, filled by hand so that every cell of the table shows
// something of its own.
std::unique_ptr<FourPillarsChart> SampleChart() {
  auto chart = NewFourPillarsChart();
  chart->personName = L"王小明";
  chart->sexText = L"男";
  chart->yinYangText = L"陽";
  SetPillar(*chart, kYearPillar, L"庚", L"辰", L"偏官", L"病", {L"戊", L"乙", L"癸"},
            {L"偏財", L"劫財", L"正印"}, {L"華蓋", L"天德"});
  SetPillar(*chart, kMonthPillar, L"戊", L"寅", L"偏財", L"臨官", {L"丙", L"戊", L"甲"},
            {L"食神", L"偏財", L"比肩"}, {});
  SetPillar(*chart, kDayPillar, L"甲", L"子", L"", L"沐浴", {L"癸"}, {L"正印"},
            {L"將星", L"驛馬", L"孤神", L"喪門", L"華蓋", L"劫煞", L"太白", L"桃煞", L"血支"});
  SetPillar(*chart, kHourPillar, L"丙", L"寅", L"食神", L"長生", {L"丙", L"戊", L"甲"},
            {L"食神", L"偏財", L"比肩"}, {L"天乙貴", L"月德", L"天乙貴人"});
  SetPillar(*chart, kLifePalacePillar, L"丁", L"亥", L"傷官", L"死", {L"壬", L"甲"},
            {L"偏印", L"比肩"}, {L"文昌"});
  chart->seasonalElements = {L"木", L"火", L"水", L"金", L"土"};
  //                   甲 乙 丙 丁 戊 己 庚 辛 壬 癸
  chart->stemCounts = {0, 0, 1, 0, 1, 0, 1, 0, 0, 0};
  chart->hiddenStemCounts = {0, 1, 1, 0, 2, 0, 0, 0, 0, 2};
  SetRelation(chart->stemRelations, L"時日", L"合土");
  SetRelation(chart->stemRelations, L"日時", L"剋");
  SetRelation(chart->stemRelations, L"日月", L"剋");
  SetRelation(chart->stemRelations, L"年日", L"剋");
  SetRelation(chart->branchRelations, L"時日", L"刑害");
  SetRelation(chart->branchRelations, L"日時", L"害");
  SetRelation(chart->branchRelations, L"日月", L"刑害");
  SetRelation(chart->branchRelations, L"月日", L"害");
  SetRelation(chart->branchRelations, L"月年", L"");
  SetRelation(chart->branchRelations, L"年月", L"合土");
  SetRelation(chart->branchRelations, L"時年", L"破");
  chart->frameMarkers[kDayPillar] = L"水局";
  chart->directionMarkers[kHourPillar] = L"木方";
  chart->frameMarkers[kHourPillar] = L"火局";
  chart->lunarYearText = L"甲子";
  chart->lunarMonthText = L"正";
  chart->lunarDayText = L"初八";
  chart->lunarHourText = L"卯";
  chart->zodiacText = L"鼠";
  chart->yearText = L"1984";
  chart->luckStartText = L"8歲151日交大運,立春後4.750000日起運";
  chart->trueSolarTimeText = L"05:58:01";
  const wchar_t* stems[] = {L"丁", L"戊", L"己", L"庚", L"辛", L"壬", L"癸", L"甲", L"乙", L"丙"};
  const wchar_t* branches[] = {L"卯", L"辰", L"巳", L"午", L"未",
                               L"申", L"酉", L"戌", L"亥", L"子"};
  for (int i = 0; i < kLuckCycles; ++i) {
    chart->luckAges[i] = std::to_wstring(7 + 10 * i);
    chart->luckStems[i] = stems[i];
    chart->luckBranches[i] = branches[i];
    chart->luckStemTenGods[i] = L"傷官";
    chart->luckHiddenStems[i] = {L"乙", L"", L""};
    chart->luckHiddenTenGods[i] = {L"劫財", L"", L""};
  }
  chart->luckHiddenStems[8] = {L"丙", L"庚", L"戊"};
  chart->luckHiddenTenGods[8] = {L"食神", L"偏官", L"偏財"};
  return chart;
}

std::wstring SamplePage(std::unique_ptr<FourPillarsChart> chart = SampleChart(),
                        const ChartInterpretationComposer& compose = nullptr) {
  return RenderFourPillarsChartPage(1, 9, 6, 0, SpiritStarBasis::kYearAndDayBranch,
                                    MonthCommandDivisionScheme::kTongKao, {8, 5, 3, 2, 1},
                                    std::move(chart), L"", compose);
}

TEST(ChartPageTable, TwelveRowsOfTwentyFiveColumnsEachCoveredOnce) {
  std::vector<std::vector<int>> covered;
  const std::vector<TableCell> cells = TableCells(SamplePage(), &covered);
  ASSERT_FALSE(cells.empty());
  EXPECT_EQ(cells.back().row, 11);
  for (int row = 0; row < 12; ++row) {
    for (int column = 0; column < 25; ++column) {
      EXPECT_EQ(covered[row][column], 1) << "row " << row << " column " << column;
    }
  }
}

// Every cell of the table: where it stands, its spans and its paragraphs.
TEST(ChartPageTable, EveryCellInItsPlace) {
  struct Expected {
    int row, column, columns, rows;
    std::vector<std::wstring> paragraphs;
  };
  const std::wstring organs[] = {L"膽囊甲0", L"肝臟乙1", L"小腸丙2", L"心臟丁0", L"胃臟戊3",
                                 L"脾臟己0", L"大腸庚1", L"肺臟辛0", L"膀胱壬0", L"腎臟癸2"};
  const Expected expected[] = {
      // Row 0: labels, seasonal elements, title and name.
      {0, 0, 1, 1, {L"備", L"註"}},
      {0, 1, 2, 2, {L"旺木相火休水囚金死土"}},
      {0, 3, 3, 1, {L"命", L"宮"}},
      {0, 6, 4, 1, {L"時"}},
      {0, 10, 4, 1, {L"日"}},
      {0, 14, 4, 1, {L"月"}},
      {0, 18, 4, 1, {L"年"}},
      {0, 22, 1, 7, {L"八字命書"}},
      {0, 23, 2, 2, {L"王小明"}},
      // Row 1: the stem ten gods downwards; the day stem has none.
      {1, 0, 1, 11, {L""}},
      {1, 3, 3, 1, {L"傷", L"官"}},
      {1, 6, 4, 1, {L"食", L"神"}},
      {1, 10, 4, 1, {L"&nbsp;"}},
      {1, 14, 4, 1, {L"偏", L"財"}},
      {1, 18, 4, 1, {L"偏", L"官"}},
      // Row 2: organs, stem relations between neighbours, dates.
      {2, 1, 2, 5, std::vector<std::wstring>(std::begin(organs), std::end(organs))},
      {2, 3, 3, 1, {L""}},
      {2, 6, 1, 1, {L""}},
      {2, 7, 1, 1, {L""}},
      {2, 8, 3, 1, {L"合土剋"}},
      {2, 11, 2, 1, {L""}},
      {2, 13, 3, 1, {L"剋"}},
      {2, 16, 1, 1, {L""}},
      {2, 17, 2, 1, {L""}},
      {2, 19, 2, 1, {L""}},
      {2, 21, 1, 1, {L""}},
      {2, 23, 1, 10, {L"農曆甲子年正月初八日卯時○屬鼠"}},
      {2, 24, 1, 10, {L"西元1984年01月09日06時00分○陽男"}},
      // Row 3: the pillars.
      {3, 3, 3, 1, {L"丁", L"亥"}},
      {3, 6, 4, 1, {L"丙", L"寅"}},
      {3, 10, 4, 1, {L"甲", L"子"}},
      {3, 14, 4, 1, {L"戊", L"寅"}},
      {3, 18, 4, 1, {L"庚", L"辰"}},
      // Row 4: markers and branch relations.
      {4, 3, 3, 1, {L""}},
      {4, 6, 1, 1, {L""}},
      {4, 7, 1, 1, {L"火局木方"}},
      {4, 8, 3, 1, {L"刑害"}},      // hour–day: "害" repeats "刑害"
      {4, 11, 2, 1, {L"水局"}},
      {4, 13, 3, 1, {L"刑害害"}},   // day–month: both
      {4, 16, 1, 1, {L""}},
      {4, 17, 2, 1, {L"合土"}},     // month–year: an empty text, then "合土"
      {4, 19, 2, 1, {L""}},
      {4, 21, 1, 1, {L""}},
      // Row 5: hidden stems and their ten gods downwards.
      {5, 3, 3, 1, {L"壬甲", L"偏比", L"印肩"}},
      {5, 6, 4, 1, {L"丙戊甲", L"食偏比", L"神財肩"}},
      {5, 10, 4, 1, {L"癸", L"正", L"印"}},
      {5, 14, 4, 1, {L"丙戊甲", L"食偏比", L"神財肩"}},
      {5, 18, 4, 1, {L"戊乙癸", L"偏劫正", L"財財印"}},
      // Row 6: the first eight stars, four to a group, and the stages.
      {6, 3, 2, 1, {L"文", L"昌", L"", L"", L"", L""}},
      {6, 5, 1, 1, {L"死", L""}},
      {6, 6, 2, 1, {L"天月天", L"乙德乙", L"貴", L"", L"", L""}},
      {6, 8, 2, 1, {L"長", L"生"}},
      {6, 10, 3, 1, {L"將驛孤喪", L"星馬神門", L"", L"華劫太桃", L"蓋煞白煞", L""}},
      {6, 13, 1, 1, {L"沐", L"浴"}},
      {6, 14, 3, 1, {L"", L"", L"", L"", L"", L""}},
      {6, 17, 1, 1, {L"臨", L"官"}},
      {6, 18, 3, 1, {L"華天", L"蓋德", L"", L"", L"", L""}},
      {6, 21, 1, 1, {L"病", L""}},
      // Rows 7-10: luck cycles 8 .. 0 from left to right, "大運" beside them.
      {7, 1, 1, 1, {L"87"}},
      {7, 2, 2, 1, {L"77"}},
      {7, 4, 3, 1, {L"67"}},
      {7, 7, 2, 1, {L"57"}},
      {7, 9, 3, 1, {L"47"}},
      {7, 12, 3, 1, {L"37"}},
      {7, 15, 2, 1, {L"27"}},
      {7, 17, 3, 1, {L"17"}},
      {7, 20, 2, 1, {L"7"}},
      {7, 22, 1, 5, {L"大運"}},
      {8, 1, 1, 1, {L"傷", L"官"}},
      {8, 20, 2, 1, {L"傷", L"官"}},
      {9, 1, 1, 1, {L"乙亥"}},
      {9, 2, 2, 1, {L"甲戌"}},
      {9, 20, 2, 1, {L"丁卯"}},
      {10, 1, 1, 1, {L"丙庚戊", L"食偏偏", L"神官財"}},
      {10, 2, 2, 1, {L"乙", L"劫", L"財"}},
      // Row 11: the luck start.
      {11, 1, 21, 1, {L"8歲151日交大運,立春後4.750000日起運"}},
  };
  const std::vector<TableCell> cells = TableCells(SamplePage());
  for (const Expected& e : expected) {
    SCOPED_TRACE("row " + std::to_string(e.row) + " column " + std::to_string(e.column));
    const TableCell* cell = CellAt(cells, e.row, e.column);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->columns, e.columns);
    EXPECT_EQ(cell->rows, e.rows);
    ASSERT_EQ(cell->paragraphs.size(), e.paragraphs.size());
    for (std::size_t p = 0; p < e.paragraphs.size(); ++p) {
      EXPECT_EQ(EncodeUtf8(cell->paragraphs[p]), EncodeUtf8(e.paragraphs[p])) << "paragraph " << p;
    }
  }
}


// The composer runs once, after the balance is in the chart and before the notes that read its
// pattern verdicts; what it writes closes the page.
TEST(ChartPage, TheInterpretationSeesTheBalanceAndItsVerdictsReachTheNotes) {
  auto chart = SampleChart();
  chart->pillars[kDayPillar].stem = L"戊";
  chart->tenGodWeights[kWeightJieCai] = 6;
  chart->tenGodWeights[kWeightPianGuan] = 4;
  chart->tenGodCounts[kCountJieCai] = 1;
  chart->tenGodCounts[kCountPianGuan] = 1;
  chart->stemWeights = {0, 0, 3, 4, 5, 0, 0, 0, 0, 2};
  chart->transformationCount = 1;
  int calls = 0;
  const ChartInterpretationComposer compose = [&calls](FourPillarsChart& c,
                                                       MonthCommandDivisionScheme scheme,
                                                       const SeasonalStrengthValues& values,
                                                       int birthDay) {
    ++calls;
    EXPECT_EQ(scheme, MonthCommandDivisionScheme::kTongKao);
    EXPECT_EQ(values, (SeasonalStrengthValues{8, 5, 3, 2, 1}));
    EXPECT_EQ(birthDay, 9);
    EXPECT_EQ(c.supportWeight, 6 + 4);  // 本我 6 + adjustment 4
    EXPECT_EQ(c.drainWeight, 4 - 4);    // 權貴 4 − 4
    EXPECT_EQ(c.fireWeight, 3 + 4 + 2);
    c.truePatternCount = 2;
    c.candidatePatternCount = 5;
    c.truePatternList = L"建祿格、歸祿格";
    c.transformationEntered = 1;
    c.interpretationHtml = L"<br><font color=red>日主月令強弱</font>";
  };
  const std::wstring page = SamplePage(std::move(chart), compose);
  EXPECT_EQ(calls, 1);
  EXPECT_NE(page.find(L"先論從化<font color=blue>(有從化入格)</font>"), std::wstring::npos);
  EXPECT_NE(page.find(L"取格<font color=blue>(像入格5，入格2：建祿格、歸祿格)</font>"),
            std::wstring::npos);
  const std::wstring end =
      L"[八字解盤] </font><br><font color=red>日主月令強弱</font></p><br></body></html>";
  EXPECT_EQ(page.substr(page.size() - end.size()), end);
}

TEST(ChartPage, WithoutAComposerTheInterpretationIsEmpty) {
  const std::wstring page = SamplePage();
  const std::wstring end = L"[八字解盤] </font></p><br></body></html>";
  EXPECT_EQ(page.substr(page.size() - end.size()), end);
}

// A chart from typed pillars: no dates, no luck start, no true solar time.
TEST(ChartPage, AChartWithoutDates) {
  auto chart = SampleChart();
  chart->yearText.clear();
  chart->lunarYearText.clear();
  chart->lunarMonthText.clear();
  chart->lunarDayText.clear();
  chart->lunarHourText.clear();
  chart->zodiacText.clear();
  chart->luckStartText.clear();
  chart->trueSolarTimeText.clear();
  for (int i = 0; i < kLuckCycles; ++i) {
    chart->luckAges[i] = std::to_wstring(10 * i);
  }
  const std::wstring page =
      RenderFourPillarsChartPage(0, 0, 0, 0, SpiritStarBasis::kYearAndDayBranch,
                                 MonthCommandDivisionScheme::kSeasonalState, {8, 5, 3, 2, 1},
                                 std::move(chart), L"", nullptr);
  const std::vector<TableCell> cells = TableCells(page);
  EXPECT_EQ(CellAt(cells, 2, 23)->paragraphs, std::vector<std::wstring>{L"農曆年月日時○屬"});
  EXPECT_EQ(CellAt(cells, 2, 24)->paragraphs, std::vector<std::wstring>{L"西元年月日時分○陽男"});
  std::wstring ages;
  for (const int column : {1, 2, 4, 7, 9, 12, 15, 17, 20}) {
    ages += CellAt(cells, 7, column)->paragraphs.at(0) + L" ";
  }
  EXPECT_EQ(ages, L"80 70 60 50 40 30 20 10 0 ");
  EXPECT_EQ(CellAt(cells, 11, 1)->paragraphs, std::vector<std::wstring>{L""});
  EXPECT_NE(page.find(L"font-family:標楷體'></span></p></td></span></tr>"), std::wstring::npos);
  EXPECT_NE(page.find(L"真太陽時 </span><span lang=EN-US style= 'font-size:10.5pt;font-family: "
                      L"Arial Unicode MS'></span>&nbsp;&nbsp;&nbsp;&nbsp;"),
            std::wstring::npos);
}

TEST(ChartPage, TheYearChangeNoteFollowsTheLuckStart) {
  auto chart = SampleChart();
  chart->yearAdvanced = 1;
  const std::wstring page = SamplePage(std::move(chart));
  EXPECT_EQ(CellAt(TableCells(page), 11, 1)->paragraphs,
            std::vector<std::wstring>{L"8歲151日交大運,立春後4.750000日起運&nbsp;&nbsp;(冬至換年)"});
}

// A name or sex typed with markup shows as typed and adds nothing to the page.
TEST(ChartPage, TheNameAndTheSexAreEscaped) {
  struct Case {
    std::wstring name, sex, nameCell, dateCellEnd;
  };
  const Case cases[] = {
      {L"<b>王", L"男", L"&lt;b&gt;王", L"分○陽男"},
      {L"A&B", L"A&B", L"A&amp;B", L"分○陽A&amp;B"},
      {L"<script>alert(\"x\")</script>", L"<i>", L"&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;",
       L"分○陽&lt;i&gt;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(EncodeUtf8(c.name));
    auto chart = SampleChart();
    chart->personName = c.name;
    chart->sexText = c.sex;
    const std::wstring page = SamplePage(std::move(chart));
    const std::vector<TableCell> cells = TableCells(page);
    EXPECT_EQ(CellAt(cells, 0, 23)->paragraphs, std::vector<std::wstring>{c.nameCell});
    const std::wstring date = CellAt(cells, 2, 24)->paragraphs.at(0);
    EXPECT_EQ(date.substr(date.size() - c.dateCellEnd.size()), c.dateCellEnd);
    EXPECT_EQ(page.find(L"<b>"), std::wstring::npos);
    EXPECT_EQ(page.find(L"<script"), std::wstring::npos);
    EXPECT_EQ(page.find(L"<i>"), std::wstring::npos);
  }
}

}  // namespace
}  // namespace chart
