#include "chart/chart_page_notes.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <optional>
#include <string_view>
#include <vector>

#include "testing/utf8.h"

namespace chart {
namespace {

using test_text::EncodeUtf8;

std::wstring Spaces(int count) {
  std::wstring text;
  for (int i = 0; i < count; ++i) {
    text += L"&nbsp;";
  }
  return text;
}

// The notes of a chart after its table, as the page builder appends them.
std::wstring Notes(const FourPillarsChart& chart, const SeasonalStrengthValues& values = {8, 5, 3,
                                                                                          2, 1},
                   const std::wstring& annotation = L"",
                   SpiritStarBasis basis = SpiritStarBasis::kYearAndDayBranch) {
  ChartSummaryTexts texts;
  MakeDateTextsAndWealthOfficeNote(0, 0, 0, 0, chart, texts);
  MakeNotesAfterInterpretation(chart, texts);
  std::wstring page;
  AppendChartPageNotes(chart, ComputeChartBalance(chart), texts, basis, values, annotation, page);
  return page;
}

void SetWeight(FourPillarsChart& chart, const wchar_t* tenGod, int weight) {
  chart.tenGodWeights[TenGodWeightSlotOf(tenGod)] = weight;
}

// Reads `literal` at `at` in `text`, moving past it; false (and `at` kept) when it is not there.
bool Skip(std::wstring_view text, std::size_t& at, std::wstring_view literal) {
  if (text.substr(at, literal.size()) != literal) {
    return false;
  }
  at += literal.size();
  return true;
}

// Reads a decimal integer (with a leading "-" when `withSign`) at `at`, moving past it.
std::optional<long long> Number(std::wstring_view text, std::size_t& at, bool withSign = true) {
  std::size_t end = at;
  if (withSign && end < text.size() && text[end] == L'-') {
    ++end;
  }
  const std::size_t digits = end;
  while (end < text.size() && text[end] >= L'0' && text[end] <= L'9') {
    ++end;
  }
  if (end == digits) {
    return std::nullopt;
  }
  const long long value = std::stoll(std::wstring(text.substr(at, end - at)));
  at = end;
  return value;
}

// A group line of the notes, "<group>&nbsp;A+B = C" (or A-B), after a blank or "&nbsp;".
struct GroupLine {
  long long a = 0;
  long long b = 0;  // with its sign
  long long printedSum = 0;
};

// The group lines of a block of the notes, in order.
std::vector<GroupLine> GroupLines(std::wstring_view block) {
  std::vector<GroupLine> lines;
  for (std::size_t at = 0; at < block.size(); ++at) {
    if (!block.substr(0, at).ends_with(L" ") && !block.substr(0, at).ends_with(L"&nbsp;")) {
      continue;
    }
    std::size_t next = at;
    GroupLine line;
    if (!(Skip(block, next, L"本我") || Skip(block, next, L"輸入") || Skip(block, next, L"輸出") ||
          Skip(block, next, L"權貴") || Skip(block, next, L"財富")) ||
        !Skip(block, next, L"&nbsp;")) {
      continue;
    }
    const std::optional<long long> a = Number(block, next);
    if (!a || next >= block.size() || (block[next] != L'+' && block[next] != L'-')) {
      continue;
    }
    const long long sign = block[next++] == L'-' ? -1 : 1;
    const std::optional<long long> b = Number(block, next, false);
    if (!b || !Skip(block, next, L" = ")) {
      continue;
    }
    const std::optional<long long> sum = Number(block, next);
    if (!sum) {
      continue;
    }
    lines.push_back({*a, sign * *b, *sum});
    at = next - 1;
  }
  return lines;
}

// The balance line of a block, ",&nbsp;×22內外&nbsp;T(I：O)D": its four numbers, or none.
std::optional<std::array<long long, 4>> BalanceLine(std::wstring_view block) {
  const std::wstring start = L"," + Spaces(22) + L"內外&nbsp;";
  for (std::size_t found = block.find(start); found != std::wstring_view::npos;
       found = block.find(start, found + 1)) {
    std::size_t at = found + start.size();
    const std::optional<long long> total = Number(block, at);
    if (!total || !Skip(block, at, L"(")) {
      continue;
    }
    const std::optional<long long> inner = Number(block, at);
    if (!inner || !Skip(block, at, L"：")) {
      continue;
    }
    const std::optional<long long> outer = Number(block, at);
    if (!outer || !Skip(block, at, L")")) {
      continue;
    }
    const std::optional<long long> difference = Number(block, at);
    if (difference) {
      return std::array<long long, 4>{*total, *inner, *outer, *difference};
    }
  }
  return std::nullopt;
}

bool Contains(const std::wstring& text, const std::wstring& part) {
  return text.find(part) != std::wstring::npos;
}

TEST(ChartPageNotes, RelationCounts) {
  FourPillarsChart chart;
  chart.relationCounts[kBranchClashes沖] = 4;  // neither shown nor opening the parentheses
  chart.relationCounts[kRelationUnused] = 1;
  EXPECT_EQ(RelationCountNote(chart), L"");
  chart.relationCounts[kStemCombinations] = 1;
  chart.relationCounts[kBranchClashes衝] = 2;
  EXPECT_EQ(RelationCountNote(chart), L"&nbsp;&nbsp;( .天干合數1 .地支衝數2)");
  chart.relationCounts.fill(3);
  EXPECT_EQ(RelationCountNote(chart),
            L"&nbsp;&nbsp;( .天干合數3 .地支合數3 .天干剋數3 .地支衝數3 .地支刑數3 .地支破數3 "
            L".地支害數3)");
}

TEST(ChartPageNotes, SpiritStarBasisNote) {
  EXPECT_EQ(SpiritStarBasisNote(SpiritStarBasis::kYearBranch), L"設定為年支見各支神煞");
  EXPECT_EQ(SpiritStarBasisNote(SpiritStarBasis::kDayBranch), L"設定為日支見各支神煞");
  EXPECT_EQ(SpiritStarBasisNote(SpiritStarBasis::kYearAndDayBranch), L"設定為年與日支見各支神煞");
  EXPECT_EQ(SpiritStarBasisNote(static_cast<SpiritStarBasis>(7)), L"設定為年與日支見各支神煞");
  EXPECT_EQ(SpiritStarBasisNote(static_cast<SpiritStarBasis>(-1)), L"設定為年與日支見各支神煞");
}

TEST(ChartPageNotes, AdjustedSum) {
  EXPECT_EQ(AdjustedSumText(20, -4), L"20-4 = 16");
  EXPECT_EQ(AdjustedSumText(20, 0), L"20+0 = 20");
  EXPECT_EQ(AdjustedSumText(5, 3), L"5+3 = 8");
  EXPECT_EQ(AdjustedSumText(0, INT_MIN), L"0-2147483648 = -2147483648");
  EXPECT_EQ(AdjustedSumText(INT_MAX, 5), L"2147483647+5 = 2147483647");
}

TEST(ChartPageNotes, TheGreyLine) {
  FourPillarsChart chart;
  chart.yearAdvanced = 1;
  chart.trueSolarTimeText = L"05:58:01";
  chart.relationCounts[kBranchHarms] = 2;
  chart.stemRelations[7] = L"剋";     // 年日
  chart.branchRelations[11] = L"破";  // 時年
  chart.branchRelations[0] = L"害";   // 日時: a neighbour, no note
  const std::wstring notes = Notes(chart, {8, 5, 3, 2, 1}, L"", SpiritStarBasis::kDayBranch);
  std::wstring widths;
  for (const int w : {50, 50, 9, 44, 12, 21, 19, 38, 9, 11, 18, 22, 19, 19, 9, 8, 39, 19, 17, 10,
                      28, 19, 21, 26, 37}) {
    widths += L"<td width=" + std::to_wstring(w) + L" style='border:none'></td>";
  }
  const std::wstring expected =
      L"&nbsp;&nbsp;(冬至換年)</span></p></td></span></tr><![if !supportMisalignedColumns]><tr "
      L"height=0>" +
      widths +
      L"</tr><![endif]></table><span style='font-size:12pt;font-family:標楷體;color:red'>真太陽時 "
      L"</span><span lang=EN-US style= 'font-size:10.5pt;font-family: Arial Unicode "
      L"MS'>05:58:01</span>&nbsp;&nbsp;&nbsp;&nbsp;<span style='font-size:10.0pt; "
      L"font-family:標楷體; color:darkgrey'>&nbsp;&nbsp;設定為日支見各支神煞&nbsp;&nbsp;( "
      L".地支害數2)&nbsp;&nbsp;(年日天干關係為剋)&nbsp;&nbsp;(時年地支關係為破)</span><br><br>"
      L"[干支陽陰比] 陽0：陰0<br>[天干權重比] 甲(";
  EXPECT_EQ(EncodeUtf8(notes.substr(0, expected.size())), EncodeUtf8(expected));
}

TEST(ChartPageNotes, WithoutTrueSolarTimeTheLabelIsFollowedByTheSpaces) {
  FourPillarsChart chart;
  const std::wstring notes = Notes(chart);
  EXPECT_EQ(notes.rfind(L"</span></p></td></span></tr>", 0), 0u);  // no year-change note
  EXPECT_TRUE(Contains(notes,
                       L"真太陽時 </span><span lang=EN-US style= 'font-size:10.5pt;font-family: "
                       L"Arial Unicode MS'></span>&nbsp;&nbsp;&nbsp;&nbsp;<span"));
  EXPECT_TRUE(Contains(notes, L"color:darkgrey'>&nbsp;&nbsp;設定為年與日支見各支神煞</span><br>"));
}

TEST(ChartPageNotes, WeightsLines) {
  FourPillarsChart chart;
  chart.yangCount = 5;
  chart.yinCount = 3;
  chart.pillars[kDayPillar].stem = L"甲";
  //                    甲 乙 丙 丁 戊 己 庚 辛 壬 癸
  chart.stemCounts = {1, 0, 1, 0, 0, 0, 1, 0, 0, 1};
  chart.hiddenStemCounts = {0, 1, 2, 0, 1, 0, 0, 0, 1, 0};
  chart.stemWeights = {10, 2, 7, 0, 4, 0, 6, 0, 3, 9};
  chart.threeHarmonyFlags[2] = 1;  // 火 frame
  chart.heaviest = {L"甲", L"比肩", L"癸", L"正印", L"丙", L"食神"};
  SetWeight(chart, L"比肩", 10);
  SetWeight(chart, L"劫財", 2);
  SetWeight(chart, L"食神", 7);
  SetWeight(chart, L"偏財", 4);
  SetWeight(chart, L"偏官", 6);
  SetWeight(chart, L"偏印", 3);
  SetWeight(chart, L"正印", 9);
  chart.stemTenGodCounts[kCountBiJian] = 0;
  chart.hiddenTenGodCounts[kCountJieCai] = 1;
  chart.stemTenGodCounts[kCountShiShen] = 1;
  chart.hiddenTenGodCounts[kCountShiShen] = 2;
  const std::wstring notes = Notes(chart);
  const std::wstring six = Spaces(6);
  const std::wstring expected =
      L"<br>[干支陽陰比] 陽5：陰3"
      L"<br>[天干權重比] 甲(1,0)10：乙(0,1)2：丙(1,2)7：丁(0,0)0：戊(0,1)4：己(0,0)0：庚(1,0)6"
      L"：辛(0,0)0：壬(0,1)3：癸(1,0)9"
      L"," + six + L"火7+12=19：水12+0=12" +  // 丙 丁 + min(戊, 癸) + 火 frame × 旺 8
      L"," + six + L"木火19+12=31：金水18+2=20" +  // + min(丁, 壬) 0; min(乙, 庚) 2 + min(丙, 辛) 0
      L"," + six + L"天干最重：甲," + six + L"天干次重：癸" +
      L"<br>[十神權重比] 比肩(0,0)10：劫財(0,1)2：偏印(0,0)3：正印(0,0)9：食神(1,2)7：傷官(0,0)0"
      L"：偏官(0,0)6：正官(0,0)0：偏財(0,0)4：正財(0,0)0" +
      L", " + Spaces(7) + L"內外&nbsp;41(24：17)7" + L"," + six + L"十神最重：比肩," + six +
      L"十神次重：正印," + six + L"十神三重：食神";
  const std::size_t start = notes.find(L"<br>[干支陽陰比]");
  ASSERT_NE(start, std::wstring::npos);
  EXPECT_EQ(EncodeUtf8(notes.substr(start, expected.size())), EncodeUtf8(expected));
}

TEST(ChartPageNotes, GroupLinesOfAJiaDay) {
  FourPillarsChart chart;
  chart.pillars[kDayPillar].stem = L"甲";
  SetWeight(chart, L"比肩", 6);
  SetWeight(chart, L"劫財", 4);
  SetWeight(chart, L"傷官", 3);
  SetWeight(chart, L"偏印", 5);
  chart.tenGodCounts[kCountJieCai] = 1;
  chart.tenGodCounts[kCountPianGuan] = 1;
  SetWeight(chart, L"偏官", 2);
  const ChartBalance balance = ComputeChartBalance(chart);
  SetBalanceWeights(balance, chart);
  const std::wstring notes = Notes(chart);
  const std::wstring lines =
      L"<br>[加上合加權] 本我&nbsp;10+3 = 13," + Spaces(18) + L"輸入&nbsp;5+0 = 5," + Spaces(18) +
      L"輸出&nbsp;3+0 = 3," + Spaces(18) + L"權貴&nbsp;2+2 = 4," + Spaces(18) +
      L"財富&nbsp;0+0 = 0," + Spaces(22) + L"內外&nbsp;25(18：7)11" +
      // 權貴 gains 2 × (偏官, 劫財) and loses (偏官, 劫財); 本我 loses (劫財, 偏官).
      L"<br>[再減化加權]&nbsp;本我&nbsp;10-2 = 8," + Spaces(18) + L"輸入&nbsp;5+0 = 5," +
      Spaces(18) + L"輸出&nbsp;3+0 = 3," + Spaces(18) + L"權貴&nbsp;2+2 = 4," + Spaces(18) +
      L"財富&nbsp;0+0 = 0," + Spaces(22) + L"內外&nbsp;20(13：7)6<br><br><font color=blue>";
  EXPECT_TRUE(Contains(notes, lines)) << EncodeUtf8(notes);
}

// For every day stem the printed lines add up: A + B = C on each group line, and the balance
// line's total and parts are the sums of the printed C (or S + D) values.
TEST(ChartPageNotes, GroupLinesAddUpForEveryDayStem) {
  const wchar_t* stems[] = {L"甲", L"乙", L"丙", L"丁", L"戊", L"己", L"庚", L"辛", L"壬", L"癸"};
  for (const wchar_t* stem : stems) {
    SCOPED_TRACE(EncodeUtf8(stem));
    FourPillarsChart chart;
    chart.pillars[kDayPillar].stem = stem;
    for (int i = 0; i < 10; ++i) {
      chart.tenGodWeights[i] = 3 * i + 1;
      chart.tenGodCounts[i] = i % 3;
    }
    SetBalanceWeights(ComputeChartBalance(chart), chart);
    const std::wstring notes = Notes(chart);
    const std::size_t added = notes.find(L"[加上合加權]");
    const std::size_t adjusted = notes.find(L"[再減化加權]");
    ASSERT_NE(added, std::wstring::npos);
    ASSERT_NE(adjusted, std::wstring::npos);
    for (const std::wstring& block : {notes.substr(added, adjusted - added), notes.substr(adjusted)}) {
      const std::vector<GroupLine> lines = GroupLines(block);
      ASSERT_EQ(lines.size(), 5u);
      long long values[5] = {};
      for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].a + lines[i].b, lines[i].printedSum);
        values[i] = lines[i].a + lines[i].b;
      }
      const std::optional<std::array<long long, 4>> balance = BalanceLine(block);
      ASSERT_TRUE(balance.has_value());
      const long long inner = values[0] + values[1];
      const long long outer = values[2] + values[3] + values[4];
      EXPECT_EQ((*balance)[0], inner + outer);
      EXPECT_EQ((*balance)[1], inner);
      EXPECT_EQ((*balance)[2], outer);
      EXPECT_EQ((*balance)[3], inner - outer);
    }
    EXPECT_TRUE(Contains(notes, L"內外&nbsp;" +
                                    std::to_wstring(chart.supportWeight + chart.drainWeight) +
                                    L"(" + std::to_wstring(chart.supportWeight) + L"：" +
                                    std::to_wstring(chart.drainWeight) + L")"));
  }
}

TEST(ChartPageNotes, ADayStemThatIsNoStemGetsTheFirstHeadingAlone) {
  FourPillarsChart chart;
  const std::wstring notes = Notes(chart);
  EXPECT_TRUE(Contains(notes, L"<br>[加上合加權]<br>[再減化加權]&nbsp;本我&nbsp;0+0 = 0,"));
}

TEST(ChartPageNotes, AnnotationAndConclusion) {
  FourPillarsChart chart;
  chart.dayMasterStrengthValue = 1;
  chart.interpretationHtml = L"<br>INTERPRETATION";
  const std::wstring opening =
      L"</font><p class=MsoNormal style='margin-top:0.0pt;margin-right:0cm;margin-bottom:0.0pt "
      L"margin-left:0cm; line-height:18.0pt; mso-line-height-rule:exactly'>八字，以日干為己身";
  std::wstring notes = Notes(chart, {1, 1, 1, 1, 1});
  EXPECT_TRUE(Contains(notes, L"<br><br><font color=blue>" + opening));
  EXPECT_TRUE(Contains(notes, L"古人論造<font color=blue>(本命造日主最強)</font>，先論從化<font "
                              L"color=blue>(無從化)</font>，從化不成方論財官<font "
                              L"color=blue></font>，財官無取方論取格<font "
                              L"color=blue>(像入格0，入格0)</font>，無格論方局<font "
                              L"color=blue>(無會方無合局)</font>，不入格無方局無足論已。"));
  EXPECT_TRUE(Contains(notes, L"何知其入壽，性定元氣厚。"));
  const std::wstring end =
      L"<br><br><font color=red>[八字解盤] </font><br>INTERPRETATION</p><br></body></html>";
  EXPECT_EQ(notes.substr(notes.size() - end.size()), end);

  // The annotation is the user's own note, printed as typed.
  notes = Notes(chart, {8, 5, 3, 2, 1}, L"第一行\r\n<b>第二行</b>");
  EXPECT_TRUE(Contains(notes, L"<br><br><font color=blue>第一行\r\n<b>第二行</b><br><br>" + opening));
  // A value equal to none of the five leaves the strength word out.
  chart.dayMasterStrengthValue = 4;
  notes = Notes(chart, {8, 5, 3, 2, 1});
  EXPECT_TRUE(Contains(notes, L"(本命造日主)</font>，先論從化"));
}

}  // namespace
}  // namespace chart
