#include "interpretation/chart_interpretation.h"

#include <string>

#include "chart/commanding_stem.h"
#include "chart/season_term.h"
#include "chart/seasonal_strength.h"
#include "chart/stem_branch_basics.h"
#include "interpretation/bone_marrow_song.h"
#include "interpretation/chart_summary_passage.h"
#include "interpretation/classics_judgement.h"
#include "interpretation/element_season_text.h"
#include "interpretation/pattern_judgement.h"
#include "interpretation/solar_term_verse.h"
#include "interpretation/spirit_star_explanations.h"
#include "interpretation/temperament.h"
#include "interpretation/three_destinies_commentary.h"

namespace interpretation {
namespace {

using chart::MonthCommandDivisionScheme;

// The day stem, its element, the term whose season the birth falls in (an earth mid-term in its
// own solar month, else the section term) and the day master's state there.
std::wstring TermSentence(const chart::FourPillarsChart& chart) {
  const std::wstring& dayStem = chart.pillars[chart::kDayPillar].stem;
  const std::wstring element = chart::ElementOfStem(dayStem);
  const chart::SeasonTerm term = chart::SeasonTermInForce(chart.sectionTermName, chart.midTermName);
  return dayStem + element + L"日，生於" + term.name + (term.isEarthMidTerm ? L"氣。日主" : L"節。日主") +
         chart::SeasonalStateLabel(chart::SeasonalStateOfElement(term.name, element)) + L"。<br>";
}

void AppendSection(std::wstring& text, std::wstring_view heading, const std::wstring& body) {
  text.append(heading).append(body).append(L"<br>");
}

}  // namespace

void ComposeChartInterpretation(chart::FourPillarsChart& chart, MonthCommandDivisionScheme scheme,
                                const chart::SeasonalStrengthValues& values, int birthDay) {
  const std::wstring strengthWord = chart::StrengthWord(chart.dayMasterStrengthValue, values);
  std::wstring text = L"<br><font color=red>日主月令強弱</font>&nbsp;&nbsp;設定取<font color=blue>";
  text += strengthWord;
  text += L"</font><br>";

  if (birthDay != 0 && static_cast<int>(scheme) >= 1) {
    text += TermSentence(chart);
    text += SolarTermVerse(chart);
    text += L"<br>";
    text += chart::DescribeCommandingStem(chart, scheme).value_or(L"");
    text += strengthWord;
    text += L"<br>";
  }

  // Each producer runs exactly once, in the order of the sections.
  AppendSection(text, L"<font color=red>三命通會論五行</font>", ElementSeasonText(chart));
  AppendSection(text, L"<font color=red>金不換骨髓歌斷  </font>", BoneMarrowSongText(chart));
  AppendSection(text, L"<font color=red>三命通會  </font>", ThreeDestiniesCommentary(chart));
  AppendSection(text, L"<font color=red>八字提要  </font><br>", ChartSummaryPassage(chart));
  AppendSection(text, L"<font color=red>格局論斷  </font><br>《星平會海全書》《神峰通考》增修",
                JudgeChartPatterns(chart, values));
  AppendSection(text, L"<font color=red>貴人神煞  </font>", SpiritStarExplanations(chart));
  AppendSection(text,
                L"<font color=red>論性情  </font>&nbsp;&nbsp;<span "
                L"style='font-size:11.0pt;font-family:標楷體'>(淵海子平云：五氣不戾，性情中和；"
                L"濁亂偏枯，性情乖逆。性情者，乃喜怒哀樂愛惡欲之所發，仁義禮智信之所布。"
                L"父精母血而成形，皆金木水火土之關係也。且如日干弱則退縮怕羞，日干強則妄誕、"
                L"執一自傲。以下自以輕重言之，萬無一失。)</span>",
                ElementNatureText(chart));
  AppendSection(text,
                L"<font color=red>綜合研判  </font>&nbsp;&nbsp;<span "
                L"style='font-size:11.0pt;font-family:標楷體'>(五言獨步云：有病方為貴，"
                L"無傷不是奇。格中如去病，財祿喜相隨。)</span>",
                ClassicsJudgement(chart, values));

  chart.interpretationHtml = std::move(text);
}

}  // namespace interpretation
