#include "interpretation/chart_interpretation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/commanding_stem.h"
#include "interpretation/bone_marrow_song.h"
#include "interpretation/chart_summary_passage.h"
#include "interpretation/classics_judgement.h"
#include "interpretation/element_season_text.h"
#include "interpretation/passage_test_support.h"
#include "interpretation/pattern_judgement.h"
#include "interpretation/solar_term_verse.h"
#include "interpretation/spirit_star_explanations.h"
#include "interpretation/temperament.h"
#include "interpretation/three_destinies_commentary.h"

namespace interpretation {
namespace {

using chart::MonthCommandDivisionScheme;

const std::wstring kStrengthLine =
    L"<br><font color=red>日主月令強弱</font>&nbsp;&nbsp;設定取<font color=blue>最強</font><br>";

// The eight sections of a chart as their producers write them when run in the composer's order
// on a chart of their own, each under its heading.
std::wstring EightSections(chart::FourPillarsChart& c, const chart::SeasonalStrengthValues& v) {
  std::wstring text;
  text += L"<font color=red>三命通會論五行</font>" + ElementSeasonText(c) + L"<br>";
  text += L"<font color=red>金不換骨髓歌斷  </font>" + BoneMarrowSongText(c) + L"<br>";
  text += L"<font color=red>三命通會  </font>" + ThreeDestiniesCommentary(c) + L"<br>";
  text += L"<font color=red>八字提要  </font><br>" + ChartSummaryPassage(c) + L"<br>";
  text += L"<font color=red>格局論斷  </font><br>《星平會海全書》《神峰通考》增修" +
          JudgeChartPatterns(c, v) + L"<br>";
  text += L"<font color=red>貴人神煞  </font>" + SpiritStarExplanations(c) + L"<br>";
  text += L"<font color=red>論性情  </font>&nbsp;&nbsp;<span style='font-size:11.0pt;"
          L"font-family:標楷體'>(淵海子平云：五氣不戾，性情中和；濁亂偏枯，性情乖逆。性情者，"
          L"乃喜怒哀樂愛惡欲之所發，仁義禮智信之所布。父精母血而成形，皆金木水火土之關係也。"
          L"且如日干弱則退縮怕羞，日干強則妄誕、執一自傲。以下自以輕重言之，萬無一失。)</span>" +
          ElementNatureText(c) + L"<br>";
  text += L"<font color=red>綜合研判  </font>&nbsp;&nbsp;<span style='font-size:11.0pt;"
          L"font-family:標楷體'>(五言獨步云：有病方為貴，無傷不是奇。格中如去病，財祿喜相隨。)"
          L"</span>" +
          ClassicsJudgement(c, v) + L"<br>";
  return text;
}

std::unique_ptr<chart::FourPillarsChart> Chart(const std::wstring& sectionTerm = L"",
                                               const std::wstring& midTerm = L"") {
  auto c = InterpretedTypedChart({L"庚辰", L"戊寅", L"甲子", L"甲子"});
  c->sectionTermName = sectionTerm;
  c->midTermName = midTerm;
  return c;
}

// A chart without a birth day, and a birth under scheme 0, get the strength line and the eight
// sections only, whatever the scheme; the sections see what the earlier ones wrote.
TEST(ComposeChartInterpretation, WithoutDateOrSchemeGivesStrengthLineAndEightSections) {
  const chart::SeasonalStrengthValues values = {8, 5, 3, 2, 1};
  struct Case {
    MonthCommandDivisionScheme scheme;
    int birthDay;
  };
  for (const Case& c : std::vector<Case>{{MonthCommandDivisionScheme::kTongKao, 0},
                                         {MonthCommandDivisionScheme::kYuWu, 0},
                                         {MonthCommandDivisionScheme::kSeasonalState, 9}}) {
    auto chart = Chart(L"立春", L"大寒");
    auto twin = Chart(L"立春", L"大寒");
    ComposeChartInterpretation(*chart, c.scheme, values, c.birthDay);
    EXPECT_EQ(U8(chart->interpretationHtml), U8(kStrengthLine + EightSections(*twin, values)));
    EXPECT_EQ(chart->truePatternList, twin->truePatternList);
  }
}

// The strength word is the first of the five values equal to the day master's; none leaves it
// empty.
TEST(ComposeChartInterpretation, StrengthWordFollowsTheValues) {
  auto chart = Chart();
  ComposeChartInterpretation(*chart, MonthCommandDivisionScheme::kSeasonalState, {9, 7, 5, 4, 3}, 0);
  const std::wstring opening =
      L"<br><font color=red>日主月令強弱</font>&nbsp;&nbsp;設定取<font color=blue></font><br>"
      L"<font color=red>三命通會論五行</font>";
  EXPECT_EQ(U8(chart->interpretationHtml.substr(0, opening.size())), U8(opening));
}

// A birth under schemes 1 to 5: the term sentence names an earth mid-term only in its own solar
// month, then the verse of the term, the scheme's text and the strength word again.
TEST(ComposeChartInterpretation, TermSentenceTakesAnEarthMidTermInItsOwnMonth) {
  const chart::SeasonalStrengthValues values = {8, 5, 3, 2, 1};
  struct Case {
    const wchar_t* sectionTerm;
    const wchar_t* midTerm;
    const wchar_t* sentence;
  };
  const Case cases[] = {
      {L"小寒", L"大寒", L"甲木日，生於大寒氣。日主囚，弱。<br>"},
      {L"立春", L"大寒", L"甲木日，生於立春節。日主旺，最強。<br>"},
      {L"清明", L"穀雨", L"甲木日，生於穀雨氣。日主囚，弱。<br>"},
      {L"立夏", L"穀雨", L"甲木日，生於立夏節。日主休，平平。<br>"},
      {L"驚蟄", L"春分", L"甲木日，生於驚蟄節。日主旺，最強。<br>"},
      {L"", L"", L"甲木日，生於節。日主。<br>"},  // no term: no state
  };
  for (const Case& c : cases) {
    auto chart = Chart(c.sectionTerm, c.midTerm);
    auto twin = Chart(c.sectionTerm, c.midTerm);
    ComposeChartInterpretation(*chart, MonthCommandDivisionScheme::kTongKao, values, 9);
    const std::wstring schemeText = chart::DescribeCommandingStemScheme4(*twin);
    const std::wstring verse = SolarTermVerse(*twin);
    EXPECT_EQ(U8(chart->interpretationHtml),
              U8(kStrengthLine + c.sentence + verse + L"<br>" + schemeText + L"最強<br>" +
                 EightSections(*twin, values)))
        << U8(c.sectionTerm) << " " << U8(c.midTerm);
  }
}

// A scheme beyond 5 keeps the term sentence, the verse and the strength word, without a scheme
// text; each of schemes 1 to 5 writes its own.
TEST(ComposeChartInterpretation, SchemeTextComesFromTheChosenScheme) {
  const chart::SeasonalStrengthValues values = {8, 5, 3, 2, 1};
  auto chart = Chart(L"立春", L"大寒");
  auto twin = Chart(L"立春", L"大寒");
  ComposeChartInterpretation(*chart, static_cast<MonthCommandDivisionScheme>(6), values, 9);
  EXPECT_EQ(U8(chart->interpretationHtml),
            U8(kStrengthLine + L"甲木日，生於立春節。日主旺，最強。<br>" + SolarTermVerse(*twin) +
               L"<br>最強<br>" + EightSections(*twin, values)));

  using Describe = std::wstring (*)(chart::FourPillarsChart&);
  const Describe schemes[] = {chart::DescribeCommandingStemScheme1,
                              chart::DescribeCommandingStemScheme2,
                              chart::DescribeCommandingStemScheme3,
                              chart::DescribeCommandingStemScheme4,
                              chart::DescribeCommandingStemScheme5};
  for (int scheme = 1; scheme <= 5; ++scheme) {
    auto c = Chart(L"立春", L"大寒");
    auto t = Chart(L"立春", L"大寒");
    ComposeChartInterpretation(*c, static_cast<MonthCommandDivisionScheme>(scheme), values, 1);
    const std::wstring text = schemes[scheme - 1](*t);
    EXPECT_FALSE(text.empty());
    EXPECT_NE(c->interpretationHtml.find(L"<br>" + text + L"最強<br><font color=red>三命通會論五行"),
              std::wstring::npos)
        << scheme;
    EXPECT_EQ(c->commandingStem, t->commandingStem) << scheme;
  }
}

}  // namespace
}  // namespace interpretation
