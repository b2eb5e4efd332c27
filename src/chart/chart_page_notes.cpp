#include "chart/chart_page_notes.h"

#include <array>
#include <cstdint>

#include "chart/chart_page_table.h"
#include "chart/saturated_int.h"
#include "chart/seasonal_strength.h"
#include "vocabulary/number_text.h"
#include "vocabulary/vocabulary_lists.h"

namespace chart {

namespace {

// The empty grid cells that fix the widths of the table's 25 columns.
constexpr auto kColumnWidths =
    std::to_array<int>({50, 50, 9, 44, 12, 21, 19, 38, 9,  11, 18, 22, 19,
                        19, 9,  8, 39, 19, 17, 10, 28, 19, 21, 26, 37});
static_assert(kColumnWidths.size() == 25);  // the grid columns of the page's table

struct RelationCountLabel {
  int slot;
  const wchar_t* label;
};
constexpr auto kRelationCountLabels = std::to_array<RelationCountLabel>({
    {kStemCombinations, L" .天干合數"},
    {kBranchCombinations, L" .地支合數"},
    {kStemOvercomings, L" .天干剋數"},
    {kBranchClashes衝, L" .地支衝數"},
    {kBranchPunishments, L" .地支刑數"},
    {kBranchBreaks, L" .地支破數"},
    {kBranchHarms, L" .地支害數"},
});
// Every count but the clashes written "沖" and the unused slot.
static_assert(kRelationCountLabels.size() == kRelationCountSlots - 2);

// The relations of the pillars that are not neighbours, stems then branches.
struct RelationNote {
  const wchar_t* prefix;
  bool stems;
  int first;
  int second;
};
constexpr auto kRelationNotes = std::to_array<RelationNote>({
    {L"&nbsp;&nbsp;(年日天干關係為", true, kYearPillar, kDayPillar},
    {L"&nbsp;&nbsp;(日年天干關係為", true, kDayPillar, kYearPillar},
    {L"&nbsp;&nbsp;(年時天干關係為", true, kYearPillar, kHourPillar},
    {L"&nbsp;&nbsp;(時年天干關係為", true, kHourPillar, kYearPillar},
    {L"&nbsp;&nbsp;(月時天干關係為", true, kMonthPillar, kHourPillar},
    {L"&nbsp;&nbsp;(時月天干關係為", true, kHourPillar, kMonthPillar},
    {L"&nbsp;&nbsp;(年日地支關係為", false, kYearPillar, kDayPillar},
    {L"&nbsp;&nbsp;(日年地支關係為", false, kDayPillar, kYearPillar},
    {L"&nbsp;&nbsp;(年時地支關係為", false, kYearPillar, kHourPillar},
    {L"&nbsp;&nbsp;(時年地支關係為", false, kHourPillar, kYearPillar},
    {L"&nbsp;&nbsp;(月時地支關係為", false, kMonthPillar, kHourPillar},
    {L"&nbsp;&nbsp;(時月地支關係為", false, kHourPillar, kMonthPillar},
});
// Year-day, year-hour and month-hour, in both orders, for the stems and for the branches.
static_assert(kRelationNotes.size() == 3 * 2 * 2);

constexpr wchar_t kConclusionOpening[] =
    L"</font><p class=MsoNormal style='margin-top:0.0pt;margin-right:0cm;margin-bottom:0.0pt "
    L"margin-left:0cm; line-height:18.0pt; "
    L"mso-line-height-rule:exactly'>"
    L"八字，以日干為己身，法分月氣深淺得令不得令，先看干支有無合化衝剋"
    L"刑破害，十神狀態，有何神煞，入何格，得何方局。吉凶斷之，不可拘執不知通變！<br>"
    L"《賦云》古人論造"
    L"<font color=blue>(本命造日主";

constexpr wchar_t kConclusionPassages[] =
    L"</font>，不入格無方局無足論已。<br>《百章歌》立法先定生與死，次分貴賤吉和凶。一官二印三財位"
    L"，四煞五食六傷官(逢官看財，逢財看殺，逢殺看印，逢印看官)"
    L"，六格局中分造化，高低貴賤幾千般。年看"
    L"祖宗興廢事，月推父母定留存，日干專論夫妻局，時上高低定子孫。<br>"
    L"《滴天髓》何知其人富，財氣通門"
    L"戶。何知其人貧，財神反不真。何知其人貴，官星有理會。何知其人賤，官星還不見。何知其人吉，喜神"
    L"為"
    L"輔弼。何知其人凶，忌神輾轉攻。何知其入壽，性定元氣厚。何知其人夭，氣濁神枯了。<br>"
    L"《論大運》運"
    L"行一宮十載，流年乃逐歲推移。隨格局喜忌推之，其驗如神。當不宜與流年太歲相剋，若歲沖大運又吉，"
    L"運"
    L"沖歲則甚不利。歲運相生者吉，宜細推無不應驗。<br><br><font color=red>[八字解盤] </font>";

std::wstring Spaces(int count) {
  std::wstring text;
  for (int i = 0; i < count; ++i) {
    text += L"&nbsp;";
  }
  return text;
}

std::wstring Number(std::int64_t value) { return vocabulary::DecimalText(value); }

// The prefix of a group line: 本我 first (after a blank, or a non-breaking space in the adjusted
// block), the other groups after a comma and 18 non-breaking spaces.
std::wstring GroupPrefix(int group, const wchar_t* selfPrefix) {
  if (group == kSelfGroup) {
    return selfPrefix + std::wstring(L"本我&nbsp;");
  }
  return L"," + Spaces(18) + kBalanceGroups[group].name + L"&nbsp;";
}

std::wstring BalanceLine(int total, int inner, int outer) {
  return L"," + Spaces(22) + L"內外&nbsp;" + Number(total) + L"(" + Number(inner) + L"：" +
         Number(outer) + L")" + Number(SaturatedInt(std::int64_t{inner} - outer));
}

void AppendElementSum(const std::wstring& label, const ElementWeightParts& parts,
                      std::wstring& page) {
  page +=
      label + Number(parts.stemPart) + L"+" + Number(parts.addedPart) + L"=" + Number(parts.total);
}

void AppendStemWeights(const FourPillarsChart& chart, const SeasonalStrengthValues& values,
                       std::wstring& page) {
  static constexpr auto kOpenings =
      std::to_array<const wchar_t*>({L"<br>[天干權重比] 甲(", L"：乙(", L"：丙(", L"：丁(",
                                     L"：戊(", L"：己(", L"：庚(", L"：辛(", L"：壬(", L"：癸("});
  static_assert(kOpenings.size() == vocabulary::kHeavenlyStems.size());
  for (int stem = 0; stem < 10; ++stem) {
    page += kOpenings[stem] + Number(chart.stemCounts[stem]) + L"," +
            Number(chart.hiddenStemCounts[stem]) + L")" + Number(chart.stemWeights[stem]);
  }
  const ElementWeights weights = ComputeElementWeights(chart, values);
  AppendElementSum(L"," + Spaces(6) + L"火", weights.fire, page);
  AppendElementSum(L"：水", weights.water, page);
  AppendElementSum(L"," + Spaces(6) + L"木火", weights.woodFire, page);
  AppendElementSum(L"：金水", weights.metalWater, page);
  page += L"," + Spaces(6) + L"天干最重：" + chart.heaviest[0];
  page += L"," + Spaces(6) + L"天干次重：" + chart.heaviest[2];
}

void AppendTenGodWeights(const FourPillarsChart& chart, std::wstring& page) {
  static constexpr auto kOrder = std::to_array<const wchar_t*>(
      {L"比肩", L"劫財", L"偏印", L"正印", L"食神", L"傷官", L"偏官", L"正官", L"偏財", L"正財"});
  static_assert(kOrder.size() == kTenGodCountOrder.size());
  for (std::size_t i = 0; i < kOrder.size(); ++i) {
    const int countSlot = TenGodCountSlotOf(kOrder[i]);
    page += (i == 0 ? L"<br>[十神權重比] " : L"：") + std::wstring(kOrder[i]) + L"(" +
            Number(chart.stemTenGodCounts[countSlot]) + L"," +
            Number(chart.hiddenTenGodCounts[countSlot]) + L")" +
            Number(TenGodWeight(chart, kOrder[i]));
  }
  const auto weight = [&chart](const wchar_t* tenGod) {
    return std::int64_t{TenGodWeight(chart, tenGod)};
  };
  const int inner =
      SaturatedInt(weight(L"比肩") + weight(L"劫財") + weight(L"偏印") + weight(L"正印"));
  const int outer = SaturatedInt(weight(L"食神") + weight(L"傷官") + weight(L"偏官") +
                                 weight(L"正官") + weight(L"偏財") + weight(L"正財"));
  page += L", " + Spaces(7) + L"內外&nbsp;" + Number(SaturatedInt(std::int64_t{inner} + outer)) +
          L"(" + Number(inner) + L"：" + Number(outer) + L")" +
          Number(SaturatedInt(std::int64_t{inner} - outer));
  page += L"," + Spaces(6) + L"十神最重：" + chart.heaviest[1];
  page += L"," + Spaces(6) + L"十神次重：" + chart.heaviest[3];
  page += L"," + Spaces(6) + L"十神三重：" + chart.heaviest[5];
}

void AppendCombinationLines(const FourPillarsChart& chart, const ChartBalance& balance,
                            std::wstring& page) {
  page += L"<br>[加上合加權]";
  std::array<int, kBalanceGroupCount> combined{};
  for (int g = 0; g < kBalanceGroupCount; ++g) {
    CombiningPair pair{};
    if (!FindCombiningPair(chart.pillars[kDayPillar].stem, g, pair)) {
      return;  // a day stem that is no stem has no pairs
    }
    const int sum = balance.groups[g].sum;
    const int term = PairTerm(chart, pair.first, pair.second);
    combined[g] = SaturatedInt(std::int64_t{sum} + term);
    page += GroupPrefix(g, L" ") + Number(sum) + L"+" + Number(term) + L" = " + Number(combined[g]);
  }
  const int inner = SaturatedInt(std::int64_t{combined[kSelfGroup]} + combined[kInputGroup]);
  const int outer = SaturatedInt(std::int64_t{combined[kOutputGroup]} + combined[kPowerGroup] +
                                 combined[kWealthGroup]);
  page += BalanceLine(SaturatedInt(std::int64_t{inner} + outer), inner, outer);
}

void AppendAdjustedLines(const FourPillarsChart& chart, const ChartBalance& balance,
                         std::wstring& page) {
  page += L"<br>[再減化加權]";
  for (int g = 0; g < kBalanceGroupCount; ++g) {
    page += GroupPrefix(g, L"&nbsp;") +
            AdjustedSumText(balance.groups[g].sum, balance.groups[g].adjustment);
  }
  page += BalanceLine(SaturatedInt(std::int64_t{chart.supportWeight} + chart.drainWeight),
                      chart.supportWeight, chart.drainWeight);
}

}  // namespace

std::wstring SpiritStarBasisNote(SpiritStarBasis basis) {
  switch (basis) {
    case SpiritStarBasis::kYearBranch:
      return L"設定為年支見各支神煞";
    case SpiritStarBasis::kDayBranch:
      return L"設定為日支見各支神煞";
    default:
      return L"設定為年與日支見各支神煞";
  }
}

std::wstring RelationCountNote(const FourPillarsChart& chart) {
  std::wstring note;
  for (const RelationCountLabel& entry : kRelationCountLabels) {
    const int count = chart.relationCounts[entry.slot];
    if (count > 0) {
      note += entry.label + Number(count);
    }
  }
  return note.empty() ? note : L"&nbsp;&nbsp;(" + note + L")";
}

std::wstring AdjustedSumText(int sum, int adjustment) {
  const std::int64_t d = adjustment;
  return Number(sum) + (d >= 0 ? L"+" + Number(d) : L"-" + Number(-d)) + L" = " +
         Number(SaturatedInt(std::int64_t{sum} + d));
}

void AppendChartPageNotes(const FourPillarsChart& chart, const ChartBalance& balance,
                          const ChartSummaryTexts& texts, SpiritStarBasis basis,
                          const SeasonalStrengthValues& values,
                          const AnnotationText& annotationText, std::wstring& page) {
  if (chart.yearAdvanced > 0) {
    page += L"&nbsp;&nbsp;(冬至換年)";
  }
  page += L"</span></p></td></span></tr>";
  page += L"<![if !supportMisalignedColumns]><tr height=0>";
  for (const int width : kColumnWidths) {
    page += L"<td width=" + Number(width) + L" style='border:none'></td>";
  }
  page += L"</tr><![endif]></table>";
  page += L"<span style='font-size:12pt;font-family:標楷體;color:red'>真太陽時 </span>";
  page += L"<span lang=EN-US style= 'font-size:10.5pt;font-family: Arial Unicode MS'>";
  page += chart.trueSolarTimeText;
  page += L"</span>&nbsp;&nbsp;&nbsp;&nbsp;";

  page += L"<span style='font-size:10.0pt; font-family:標楷體; color:darkgrey'>&nbsp;&nbsp;";
  page += SpiritStarBasisNote(basis);
  page += RelationCountNote(chart);
  for (const RelationNote& note : kRelationNotes) {
    const std::wstring& relation = PairRelation(
        note.stems ? chart.stemRelations : chart.branchRelations, note.first, note.second);
    if (!relation.empty()) {
      page += note.prefix + relation + L")";
    }
  }
  page += L"</span><br>";

  page += L"<br>[干支陽陰比] 陽" + Number(chart.yangCount) + L"：陰" + Number(chart.yinCount);
  AppendStemWeights(chart, values, page);
  AppendTenGodWeights(chart, page);
  AppendCombinationLines(chart, balance, page);
  AppendAdjustedLines(chart, balance, page);

  page += L"<br><br><font color=blue>";
  page += annotationText;
  if (!annotationText.empty()) {
    page += L"<br><br>";
  }
  page += kConclusionOpening;
  page += StrengthWord(chart.dayMasterStrengthValue, values);
  page += L")</font>，先論從化<font color=blue>" + texts.transformationNote +
          L"</font>，從化不成方論財官<font color=blue>" + texts.wealthOfficeNote +
          L"</font>，財官無取方論取格<font color=blue>" + texts.patternNote +
          L"</font>，無格論方局<font color=blue>" + texts.combinationNote;
  page += kConclusionPassages;
  page += chart.interpretationHtml;
  page += L"</p><br></body></html>";
}

}  // namespace chart
