#include <gtest/gtest.h>

#include "interpretation/chart_interpretation.h"
#include "interpretation/classics_books_test_support.h"

namespace interpretation {
namespace {

using namespace notation;

TEST(JiShanPian, Sentences) {
  CheckBook(
      L"《繼善篇》",
      {
          {"S = v旺 alone", [](CraftedChart& c) { c.DM(8); },
           "生平少病、日主剛強。生平少病、日主剛強。"},
          {"S between v死 and v旺", [](CraftedChart& c) { c.DM(4); }, ""},
          {"S = v死", [](CraftedChart& c) { c.DM(1); }, "少樂多憂、蓋因日主自弱。"},
          // The sex is not tested.
          {"三奇 with S = v旺, 女", [](CraftedChart& c) { c.sex(L"女").DM(8).star(人中三奇, 1); },
           "生平少病、日主剛強。生平少病、日主剛強。男命身強、遇三奇為一品之貴。"},
          {"三奇 with S below v旺", [](CraftedChart& c) { c.DM(7).star(天上三奇, 1); }, ""},
          // The listed 羊刃 is not counted, which keeps the sentence of the count out.
          {"hour 偏財 and 劫財; 羊刃 with 偏官 in the month",
           [](CraftedChart& c) {
             c.DM(4).stemGod(時, 劫財).hidden(時, 偏財).list(月, 羊刃).star(羊刃, 0).hidden(月,
                                                                                            偏官);
           },
           "時上偏財、怕逢兄弟。為人好殺、羊刃必犯於偏官。"},
          {"天德 with 印, a true pattern without 官 or 印",
           [](CraftedChart& c) {
             c.DM(4);
             c.chart().truePatternCount = 1;
             c.list(日, 天德);
             c.chart().hiddenTenGodCountsByBranch[日][正印] = 1;
           },
           "無官無印、有格乃朝廷之用。素食慈心、印綬逐逢於天德。官刑不犯、印綬天德同宮。"},
          {"正官格, 正財格, S = v旺",
           [](CraftedChart& c) { c.DM(8).truePattern(正官格).truePattern(正財格); },
           "官星正氣、忌見刑沖。富而且貴、定因財旺生官。生平少病、日主剛強。"
           "生平少病、日主剛強。一世安然、財命有氣。"},
      });
}

TEST(SiYanDuBu, SealPatternGetsOneOfItsTwoLines) {
  CheckBook(
      L"《四言獨步》",
      {
          {"印綬格 with 比劫", [](CraftedChart& c) { c.DM(4).truePattern(印綬格).TG(劫財, 1); },
           "印煞比劫，喜行財鄉。"},
          {"印綬格 without 比劫", [](CraftedChart& c) { c.DM(4).truePattern(印綬格); },
           "印無比肩，畏行財鄉。"},
          {"no 印綬格", [](CraftedChart& c) { c.DM(4); }, ""},
      });
}

TEST(SiYanDuBu, DayStemsAndBranches) {
  const auto officerAndWealth = [](CraftedChart& c) { c.TG(正官, 1).TG(偏財, 1); };
  const auto nothing = [](CraftedChart&) {};
  CheckBook(
      L"《四言獨步》",
      {
          {"day 庚申, hour 申, 正官 and 財",
           officerAndWealth,
           "庚日申時，透財歸祿；名利高強，比肩奪福。庚日申時，柱中金局；支無會合，傷官劫妻。"
           "土生四季，日坐庚辛，何愁主弱，旺地成名。",
           {L"", L"", L"庚申", L"甲申"}},
          {"day 丙", nothing, "陽火無根，水鄉必忌；陰火無根，水鄉有救。", {L"", L"", L"丙子", L""}},
          {"day 丁, month 申",
           nothing,
           "陽火申提，無根從煞；有根南旺，脫根壽促。陽火無根，水鄉必忌；陰火無根，水鄉有救。",
           {L"", L"甲申", L"丁卯", L""}},
          // Pillars of unlike polarity, as the book names them.
          {"day 己戌 with metal and water",
           [](CraftedChart& c) { c.allStems(庚, 2).allStems(壬, 3); },
           "己日坐戌，火神無氣；多水多金，眼昏目暈。年干會火，日時會金；己干用印，官澈名清。",
           {L"", L"", L"己戌", L""}},
          {"day 癸寅 with a 亥",
           [](CraftedChart& c) { c.branches(亥, 1); },
           "癸日寅亥，殺財透露；地合傷官，有勞無福。",
           {L"", L"", L"癸寅", L""}},
          {"day 壬, month 癸戌",
           nothing,
           "壬日戌提，癸干來月；運喜東方，逢沖即絕。",
           {L"", L"癸戌", L"壬子", L""}},
          {"day 甲, month 寅 at 臨官",
           [](CraftedChart& c) { c.stage(月, L"臨官"); },
           "月令建祿，多無祖屋；一見財官，自然成福。六甲寅月，透財時節。西北行程，九流成業。",
           {L"", L"丙寅", L"甲子", L""}},
          {"year branch as the month's",
           nothing,
           "月支年同，破刑祖基。",
           {L"甲子", L"丙子", L"", L""}},
          {"day stem among the day branch's hidden stems",
           [](CraftedChart& c) {
             c.chart().pillars[日].hiddenStems = {L"戊", L"丙", L"甲"};
           },
           "干與支同，損財傷妻。",
           {L"", L"", L"甲寅", L""}},
          {"day stem not among them",
           [](CraftedChart& c) {
             c.chart().pillars[日].hiddenStems = {L"丁", L"己", L""};
           },
           "",
           {L"", L"", L"甲午", L""}},
      });
}

TEST(SiYanDuBu, StarsAndPatterns) {
  CheckBook(
      L"《四言獨步》",
      {
          {"女, 傷官格 with 印 and 財",
           [](CraftedChart& c) { c.sex(L"女").DM(4).truePattern(傷官格).TG(正印, 1).TG(正財, 1); },
           "傷官之格，女人最忌。帶財帶印，返成富貴。"},
          {"歸祿格 with a month-branch 正官",
           [](CraftedChart& c) { c.DM(4).truePattern(歸祿格).hidden(月, 正官); },
           "庚日申時，透財歸祿；名利高強，比肩奪福。 日祿居時，青雲得路；月令財官，遇之吉助。"},
          {"桃煞 with a hidden 偏官, 惡敗, a transformation",
           [](CraftedChart& c) {
             c.DM(4).star(桃煞, 1).star(惡敗, 1);
             c.chart().transformationCount = 1;
             c.hidden(年, 偏官);
           },
           "十干化氣，有影無形；無中生有，禍福難憑。十惡大敗，格中不忌；若會財官，反成富貴。"
           "煞星桃花，朝劫暮色。"},
      });
}

// The derived chart 庚辰 戊寅 甲子 甲子 through the whole interpretation: 建祿格 comes from the
// pattern judgement and the 天上三奇 counter from the spirit-star explanations, both of which
// run before the classics.
TEST(ClassicsBooks, TypedChartThroughTheWholeInterpretation) {
  auto chart = InterpretedTypedChart({L"庚辰", L"戊寅", L"甲子", L"甲子"});
  ASSERT_NE(chart, nullptr);
  ComposeChartInterpretation(*chart, chart::MonthCommandDivisionScheme::kSeasonalState,
                             {8, 5, 3, 2, 1}, 0);
  EXPECT_EQ(chart->starCounts[天上三奇], 1);
  const std::string html = U8(chart->interpretationHtml);
  for (const char* book : {
           "《五言獨步》建祿生提月，財官喜透天。不宜身再旺，惟喜茂財源。<br>",
           "《繼善篇》生平少病、日主剛強。生平少病、日主剛強。男命身強、遇三奇為一品之貴。<br>",
           "《四言獨步》月令建祿，多無祖屋；一見財官，自然成福。三奇透露，日干要強。其根有用，"
           "富貴榮昌。六甲寅月，透財時節。西北行程，九流成業。<br>",
       }) {
    EXPECT_NE(html.find(book), std::string::npos) << book;
  }
}

}  // namespace
}  // namespace interpretation
