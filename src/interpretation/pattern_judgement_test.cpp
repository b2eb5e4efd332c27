#include "interpretation/pattern_judgement.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "testing/utf8.h"

namespace interpretation {
namespace {

using namespace notation;
using test_text::EncodeUtf8;

constexpr chart::SeasonalStrengthValues kValues = {8, 5, 3, 2, 1};

std::string CountLine(int candidates, int trues) {
  return EncodeUtf8(L"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;(像入格 " +
                    std::to_wstring(candidates) + L"；真入格" + std::to_wstring(trues) +
                    L"，格名變<font color = blue>[藍色]</font>表示真正入格)");
}

std::string Warning(std::wstring_view text) {
  return EncodeUtf8(L"<br><font color = green>&nbsp;&nbsp;." + std::wstring(text) + L"</font>");
}

const std::string kGreyOpen =
    "<span style='font-size:11pt;font-family:標楷體;color:darkgrey'>&nbsp;&nbsp;未入格原因: ";

// A chart whose four pillars are 甲子 and whose counters are all 0: it clashes with nothing and
// raises no warning.
std::unique_ptr<chart::FourPillarsChart> QuietChart() {
  auto chart = chart::NewFourPillarsChart();
  for (int p = 0; p < 4; ++p) {
    chart->pillars[p].stem = L"甲";
    chart->pillars[p].branch = L"子";
  }
  chart->dayMasterStrengthValue = 5;
  return chart;
}

std::string Judge(chart::FourPillarsChart& chart, const std::vector<PatternRecord>& catalogue) {
  return EncodeUtf8(JudgePatterns(chart, kValues, catalogue));
}

// Made-up patterns that read one counter of the chart, so each test switches them with it.
bool Never(PC) { return false; }
bool Always(PC) { return true; }
bool HasOfficer(PC c) { return c.TG(正官) > 0; }
bool HasWealth(PC c) { return c.TG(財) > 0; }
bool HasSeal(PC c) { return c.TG(正印) > 0; }

TEST(JudgePatterns, NoCandidateGivesTheCountLineAndTheWarningsOnly) {
  auto chart = QuietChart();
  chart->waterWeight = 11;  // and no fire: W6 (and no W7 in a 午 month)
  chart->pillars[chart::kMonthPillar].branch = L"午";
  const std::vector<PatternRecord> catalogue = {
      {.pattern = 正官格, .candidate = Never, .verses = {L"<br>不該出現"}},
  };
  EXPECT_EQ(Judge(*chart, catalogue), CountLine(0, 0) + Warning(L"水遠多於火身易有疾或有大災"));
  EXPECT_EQ(chart->candidatePatternCount, 0);
  EXPECT_EQ(chart->candidatePatternFlags[0], 0);
  EXPECT_EQ(chart->truePatternList, L"");
}

TEST(JudgePatterns, WarningsFollowTheWeightsWithIntegerQuotients) {
  struct Case {
    int fire, water, woodFire, metalWater, support, drain;
    const wchar_t* monthBranch;
    std::vector<std::wstring> warnings;
  };
  const std::wstring w5 = L"剋洩太過", w6 = L"水遠多於火身易有疾或有大災",
                     w7 = L"又生於冬季喜木火燥熱忌金水濕寒", w8 = L"火遠多於水身易有疾或有大災",
                     w9 = L"金水遠多於木火身易有疾或有大災";
  const std::vector<Case> cases = {
      {0, 11, 0, 0, 0, 0, L"午", {w6}},
      {0, 10, 0, 0, 0, 0, L"午", {}},
      {0, 11, 0, 0, 0, 0, L"子", {w6, w7}},
      {0, 11, 0, 0, 0, 0, L"亥", {w6, w7}},
      {0, 11, 0, 0, 0, 0, L"丑", {w6, w7}},
      {0, 10, 0, 0, 0, 0, L"子", {}},   // no W7 without W6
      {2, 8, 0, 0, 0, 0, L"寅", {w6}},  // 8 / 2 = 4
      {3, 11, 0, 0, 0, 0, L"寅", {}},   // 11 / 3 = 3
      {11, 0, 0, 0, 0, 0, L"子", {w8}},
      {8, 2, 0, 0, 0, 0, L"子", {w8}},
      {7, 2, 0, 0, 0, 0, L"子", {}},   // 7 / 2 = 3
      {0, 0, 0, 50, 0, 0, L"寅", {}},  // no W9 without wood and fire
      {0, 0, 1, 4, 0, 0, L"寅", {w9}},
      {0, 0, 0, 0, 0, 36, L"寅", {w5}},
      {0, 0, 0, 0, 0, 35, L"寅", {}},
      {0, 0, 0, 0, INT_MIN, INT_MAX, L"寅", {w5}},  // the difference taken in 64 bits
      {-1, INT_MIN, 0, 0, 0, 0, L"寅", {w6}},       // INT_MIN / -1 taken in 64 bits
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << "fire " << k.fire << " water " << k.water << " month "
                                    << EncodeUtf8(k.monthBranch));
    auto chart = QuietChart();
    chart->fireWeight = k.fire;
    chart->waterWeight = k.water;
    chart->woodFireWeight = k.woodFire;
    chart->metalWaterWeight = k.metalWater;
    chart->supportWeight = k.support;
    chart->drainWeight = k.drain;
    chart->pillars[chart::kMonthPillar].branch = k.monthBranch;
    std::string expected = CountLine(0, 0);
    for (const std::wstring& w : k.warnings) {
      expected += Warning(w);
    }
    EXPECT_EQ(Judge(*chart, {}), expected);
  }
  auto chart = QuietChart();
  chart->woodFireWeight = 8;
  chart->metalWaterWeight = 2;
  EXPECT_EQ(Judge(*chart, {}),
            CountLine(0, 0) +
                "<br><font color = green>&nbsp;&nbsp;木火遠多於金水身易有疾或有大災</font>");
}

TEST(JudgePatterns, StrengthWarningsReadTheDayMasterAndTheSelfAndOfficerGods) {
  auto strong = QuietChart();
  strong->dayMasterStrengthValue = 5;  // v相
  strong->tenGodCounts[chart::kCountBiJian] = 3;
  strong->tenGodCounts[chart::kCountJieCai] = 2;
  strong->stemTenGodCounts[chart::kCountJieCai] = 1;
  strong->hiddenTenGodCounts[chart::kCountJieCai] = 1;
  EXPECT_EQ(Judge(*strong, {}), CountLine(0, 0) + Warning(L"身過強"));
  strong->hiddenTenGodCounts[chart::kCountJieCai] = 0;  // 劫財 among the stems only
  EXPECT_EQ(Judge(*strong, {}), CountLine(0, 0));

  auto weak = QuietChart();
  weak->dayMasterStrengthValue = 1;  // v死
  weak->tenGodCounts[chart::kCountPianGuan] = 5;
  weak->stemTenGodCounts[chart::kCountPianGuan] = 1;
  weak->hiddenTenGodCounts[chart::kCountPianGuan] = 2;
  EXPECT_EQ(Judge(*weak, {}), CountLine(0, 0) + Warning(L"身過弱"));
}

// Relations that raise W1 (and, with a weak day master, W2) on a 甲 day with 丙 month and 乙
// hour stems.
void MakeClashing(chart::FourPillarsChart& chart) {
  chart.pillars[chart::kMonthPillar].stem = L"丙";
  chart.pillars[chart::kHourPillar].stem = L"乙";
  chart.relationCounts[chart::kStemOvercomings] = 3;
  chart.relationCounts[chart::kBranchPunishments] = 3;  // counts 1
  chart.relationCounts[chart::kBranchClashes衝] = 3;
  chart.stemRelations[年月] = L"剋";
}

TEST(JudgePatterns, FinalOverrideClearsTheCountAndListButKeepsTheHeadings) {
  const std::vector<PatternRecord> catalogue = {
      {.pattern = 正官格, .candidate = Always},
      {.pattern = 印綬格, .candidate = Always},
  };
  auto chart = QuietChart();
  MakeClashing(*chart);
  const std::string page = Judge(*chart, catalogue);
  EXPECT_EQ(page,
            CountLine(2, 0) + Warning(L"天干地支刑衝剋嚴重") +
                "<br><font color = blue>[正官格]</font><br><font color = blue>[印綬格]</font>");
  EXPECT_EQ(chart->truePatternCount, 0);
  EXPECT_EQ(chart->truePatternList, L"");
  EXPECT_EQ(chart->truePatternFlags[0], 1);
  EXPECT_EQ(chart->truePatternFlags[6], 1);

  // No controlling stem pair among the six around the month and day: the count stands.
  auto calm = QuietChart();
  MakeClashing(*calm);
  calm->stemRelations[年月] = L"";
  calm->stemRelations[年日] = L"剋";  // not one of the six
  EXPECT_EQ(Judge(*calm, catalogue).substr(0, CountLine(2, 2).size()), CountLine(2, 2));
  EXPECT_EQ(calm->truePatternList, L"正官格、印綬格");

  // 陽刃格 true keeps the count under W1 ...
  const std::vector<PatternRecord> withBlade = {
      {.pattern = 正官格, .candidate = Always},
      {.pattern = 陽刃格, .precounted = true},
  };
  auto blade = QuietChart();
  MakeClashing(*blade);
  blade->truePatternFlags[陽刃格.trueSlot] = 1;
  Judge(*blade, withBlade);
  EXPECT_EQ(blade->truePatternCount, 2);
  EXPECT_EQ(blade->truePatternList, L"正官格、陽刃格");

  // ... but not under W2: a weak day master controlled around the month and day.
  auto weak = QuietChart();
  MakeClashing(*weak);
  weak->truePatternFlags[陽刃格.trueSlot] = 1;
  weak->dayMasterStrengthValue = 2;
  weak->stemRelations[日月] = L"剋";
  weak->stemRelations[時日] = L"剋";
  const std::string page2 = Judge(*weak, withBlade);
  EXPECT_EQ(page2.substr(0, CountLine(2, 0).size()), CountLine(2, 0));
  EXPECT_NE(page2.find(Warning(L"身弱天干衝剋嚴重")), std::string::npos);
  EXPECT_EQ(weak->truePatternList, L"");
  EXPECT_EQ(weak->truePatternFlags[陽刃格.trueSlot], 1);
}

TEST(JudgePatterns, PrecountedSlotIsTheCandidateTestAndIsRewritten) {
  struct Case {
    int precount;
    bool officer;  // the made-up true test
    int trueSlot, candidateSlot, candidates;
  };
  const std::vector<Case> cases = {
      {2, false, 0, 1, 1},  // two month 祿 counts, not true
      {2, true, 1, 1, 1},
      {1, true, 1, 1, 1},
      {0, true, 0, 0, 0},  // not a candidate: the count of 0 stays
  };
  const std::vector<PatternRecord> catalogue = {
      {.pattern = 建祿格, .precounted = true, .isTrue = HasOfficer},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << "pre-counted " << k.precount << " officer " << k.officer);
    auto chart = QuietChart();
    chart->truePatternFlags[21] = k.precount;
    chart->tenGodCounts[chart::kCountZhengGuan] = k.officer ? 1 : 0;
    Judge(*chart, catalogue);
    EXPECT_EQ(chart->truePatternFlags[21], k.trueSlot);
    EXPECT_EQ(chart->candidatePatternFlags[20], k.candidateSlot);
    EXPECT_EQ(chart->candidatePatternFlags[21], 0);
    EXPECT_EQ(chart->candidatePatternCount, k.candidates);
  }
}

TEST(JudgePatterns, SharedSlotsCountEveryPatternThatRaisesThem) {
  const std::vector<PatternRecord> catalogue = {
      {.pattern = 偏財格, .candidate = Always, .isTrue = Never},
      {.pattern = 時上偏財格, .candidate = Always},
      {.pattern = 棄命從煞格, .candidate = Always, .isTrue = Never},
      {.pattern = 棄命從財格, .candidate = Always, .isTrue = Never},
  };
  auto chart = QuietChart();
  Judge(*chart, catalogue);
  EXPECT_EQ(chart->truePatternFlags[11], 1);  // 時上偏財格 in 偏財格's true slot
  EXPECT_EQ(chart->candidatePatternFlags[11], 1);
  EXPECT_EQ(chart->candidatePatternFlags[12], 1);
  EXPECT_EQ(chart->truePatternFlags[47], 0);
  EXPECT_EQ(chart->candidatePatternFlags[47], 2);
  EXPECT_EQ(chart->candidatePatternCount, 4);
  EXPECT_EQ(chart->truePatternList, L"時上偏財格");
  EXPECT_TRUE(PatternChart(*chart, kValues).isTrue(偏財格));
}

TEST(JudgePatterns, GreyBlockWritesEachReasonWhoseOwnConditionHolds) {
  const std::vector<PatternRecord> catalogue = {
      {.pattern = 正官格,
       .candidate = Always,
       .isTrue = HasOfficer,
       .reasons = {{L" .無官", [](PC c) { return c.TG(正官) == 0; }},
                   {L" .有財", HasWealth},
                   {L" .有印", HasSeal},
                   {L" .有財", HasWealth}},
       .verses = {L"<br>甲詩。", L"<br>乙詩。"}},
  };
  auto chart = QuietChart();
  chart->tenGodCounts[chart::kCountZhengCai] = 1;
  EXPECT_EQ(Judge(*chart, catalogue), CountLine(1, 0) + "<br>[正官格]" + kGreyOpen +
                                          " .無官 .有財 .有財</span>" + "<br>甲詩。<br>乙詩。");

  // Grey without any reason: the true test fails on what no reason looks at.
  chart = QuietChart();
  const std::vector<PatternRecord> silent = {
      {.pattern = 正官格, .candidate = Always, .isTrue = Never, .reasons = {{L" .有印", HasSeal}}},
  };
  EXPECT_EQ(Judge(*chart, silent), CountLine(1, 0) + "<br>[正官格]" + kGreyOpen + "</span>");
}

TEST(JudgePatterns, TrueBlocksAreListedInCatalogueOrderAndGreenOnesAreNotCounted) {
  const std::vector<PatternRecord> catalogue = {
      {.pattern = 正官格, .candidate = Always, .verses = {L"<br>官詩。"}},
      {.pattern = 偏官格, .candidate = Never},
      {.pattern = 魁罡格, .candidate = Always, .heading = PatternHeading::kGreen},
      {.pattern = 天地德合格, .candidate = Always, .heading = PatternHeading::kGreen},
      {.pattern = 一氣為垣格, .candidate = Always, .verses = {L"<br>垣詩。"}},
      {.pattern = 五行俱足格,
       .candidate = Always,
       .isTrue = Never,
       .reasons = {{L" .身強弱度不足", Always}},
       .heading = PatternHeading::kGreen},
  };
  auto chart = QuietChart();
  EXPECT_EQ(Judge(*chart, catalogue), CountLine(5, 2) +
                                          "<br><font color = blue>[正官格]</font><br>官詩。" +
                                          "<br><font color = #00FF00>[魁罡格]</font>" +
                                          "<br><font color = #00FF00>[天地德合格]</font>" +
                                          "<br><font color = blue>[一氣為垣格]</font><br>垣詩。" +
                                          "<br>[五行俱足格]" + kGreyOpen + " .身強弱度不足</span>");
  EXPECT_EQ(chart->truePatternList, L"正官格、一氣為垣格");
  EXPECT_EQ(chart->truePatternFlags[62], 1);  // 天地德合格 raises its true slot
  EXPECT_EQ(chart->truePatternFlags[17], 0);  // 魁罡格 has none
  EXPECT_EQ(chart->candidatePatternFlags[17], 1);
  EXPECT_EQ(chart->candidatePatternFlags[43], 1);
  EXPECT_EQ(chart->truePatternFlags[43], 0);
}

TEST(JudgePatterns, SpecialHeadingsReasonLinesAndClosings) {
  const std::vector<PatternRecord> catalogue = {
      {.pattern = 偏官格,
       .candidate = Always,
       .isTrue = Never,
       .reasons = {{L" .偏官不夠強", Always}},
       .reasonLine = false},
      {.pattern = 七煞格,
       .candidate = Always,
       .isTrue = HasOfficer,
       .trueHeading = L"<br><font color = blue>[七煞格]  時上一位貴格</font>",
       .greyHeading = L"<br>[七煞格] 時上一位貴格"},
      {.pattern = 飛天祿馬格,
       .candidate = Always,
       .verses = {L"<br>一。"},
       .extraVerse = {[](PC c) { return c.女; }, L"<br>女詩。"}},
      {.pattern = 曲直格,
       .candidate = Always,
       .isTrue = Never,
       .transformationNote = {[](PC c) { return c.stem(日) == 丁; }, L"<br>(註：丁壬化木)"}},
  };
  auto chart = QuietChart();
  chart->sexText = L"女";
  chart->pillars[chart::kDayPillar].stem = L"丁";
  EXPECT_EQ(Judge(*chart, catalogue),
            CountLine(4, 1) + "<br>[偏官格]" +
                "<span style='font-size:11pt;font-family:標楷體;color:darkgrey'>" +
                " .偏官不夠強</span>" + "<br>[七煞格] 時上一位貴格" + kGreyOpen + "</span>" +
                "<br><font color = blue>[飛天祿馬格]</font><br>一。<br>女詩。" + "<br>[曲直格]" +
                kGreyOpen + "</span><br>(註：丁壬化木)");
  EXPECT_EQ(chart->transformationEntered, 1);

  auto man = QuietChart();
  man->sexText = L"男";
  man->tenGodCounts[chart::kCountZhengGuan] = 1;
  const std::string page = Judge(*man, catalogue);
  EXPECT_NE(page.find("<br><font color = blue>[七煞格]  時上一位貴格</font>"), std::string::npos);
  EXPECT_EQ(page.find("女詩"), std::string::npos);
  EXPECT_EQ(page.find("註"), std::string::npos);
  EXPECT_EQ(man->transformationEntered, 0);
  EXPECT_EQ(man->truePatternList, L"七煞格、飛天祿馬格");
}

TEST(JudgePatterns, LaterPatternsSeeEarlierVerdicts) {
  // The uniform-chart patterns exclude each other through the candidate slots already written.
  const std::vector<PatternRecord> catalogue = {
      {.pattern = 天元一氣格, .candidate = Always},
      {.pattern = 干辰一字格, .candidate = [](PC c) { return !c.isCandidate(天元一氣格); }},
  };
  auto chart = QuietChart();
  Judge(*chart, catalogue);
  EXPECT_EQ(chart->candidatePatternCount, 1);
  EXPECT_EQ(chart->truePatternList, L"天元一氣格");
}

TEST(VersesOf, TakesAPatternsFilledVersesInOrder) {
  const PoolEntry pool[] = {
      {{L"正官格", L"1", L""}, TextOrigin::kSource, L"<br>一。"},
      {{L"正官格", L"2", L""}, TextOrigin::kNotFound, L""},
      {{L"正官格", L"3", L""}, TextOrigin::kFixed, L"<br>三。"},
      {{L"官庫格", L"1", L""}, TextOrigin::kSource, L"<br>庫。"},
  };
  const std::vector<std::wstring_view> verses = VersesOf(pool, 正官格.name);
  ASSERT_EQ(verses.size(), 2u);
  EXPECT_EQ(verses[0], L"<br>一。");
  EXPECT_EQ(verses[1], L"<br>三。");
  EXPECT_TRUE(VersesOf(pool, 偏官格.name).empty());
}

TEST(PatternCatalogue, FollowsTheSlotTable) {
  std::size_t row = 0;
  for (const PatternRecord& record : PatternCatalogue()) {
    SCOPED_TRACE(EncodeUtf8(record.pattern.name));
    while (row < kPatternSlotTable.size() && kPatternSlotTable[row].name != record.pattern.name) {
      ++row;
    }
    ASSERT_LT(row, kPatternSlotTable.size()) << "not in the table, or out of catalogue order";
    EXPECT_EQ(record.pattern.trueSlot, kPatternSlotTable[row].trueSlot);
    EXPECT_EQ(record.pattern.candidateSlot, kPatternSlotTable[row].candidateSlot);
    EXPECT_TRUE(record.precounted || record.candidate != nullptr);
    ++row;
  }
  // Every pattern of the table is in the catalogue: none was left out as one that could not be
  // judged.
  EXPECT_EQ(PatternCatalogue().size(), kPatternSlotTable.size());
}

}  // namespace
}  // namespace interpretation
