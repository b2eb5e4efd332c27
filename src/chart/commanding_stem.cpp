#include "chart/commanding_stem.h"

#include <array>
#include <optional>

#include "chart/stem_branch_basics.h"
#include "vocabulary/number_text.h"

namespace chart {

namespace {

// The thresholds are written without trailing zeros: "7", "12", "7.25", "14.5".
using vocabulary::GeneralText;

// One month of a school: the month branch selects the allocation sentence, the section term
// the thresholds (days since the term, ascending) and the stems of the intervals they bound.
struct MonthRow {
  const wchar_t* branch;
  const wchar_t* allocation;
  const wchar_t* term;
  int thresholdCount;  // 1 to 3; the intervals are one more
  std::array<double, 3> thresholds;
  std::array<const wchar_t*, 4> stems;
};

// clang-format off
// Scheme 1, 《萬育吾》
constexpr auto kScheme1Rows = std::to_array<MonthRow>({
    // branch, allocation sentence, section term, thresholds, stems
    {L"寅", L"戊佔5日，丙佔5日，甲佔20日。", L"立春", 2, {5, 10}, {L"戊", L"丙", L"甲"}},
    {L"卯", L"甲佔7日，乙佔23日。", L"驚蟄", 1, {7}, {L"甲", L"乙"}},
    {L"辰", L"乙佔7日，癸佔5日。戊佔18日。", L"清明", 2, {7, 12}, {L"乙", L"癸", L"戊"}},
    {L"巳", L"戊佔7日，庚佔5日，丙佔18日。", L"立夏", 2, {7, 12}, {L"戊", L"庚", L"丙"}},
    {L"午", L"丙佔7日，丁佔23日。", L"芒種", 1, {7}, {L"丙", L"丁"}},
    {L"未", L"丁佔7日，乙佔5日，己佔18日。", L"小暑", 2, {7, 12}, {L"丁", L"乙", L"己"}},
    {L"申", L"戊佔5日，壬佔5日，庚佔20日。", L"立秋", 2, {5, 10}, {L"戊", L"壬", L"庚"}},
    {L"酉", L"庚佔7日，辛佔23日。", L"白露", 1, {7}, {L"庚", L"辛"}},
    {L"戌", L"辛佔7日，丁佔5日，戊佔18日。", L"寒露", 2, {7, 12}, {L"辛", L"丁", L"戊"}},
    {L"亥", L"戊佔5日，甲佔5日，壬佔20日。", L"立冬", 2, {5, 10}, {L"戊", L"甲", L"壬"}},
    {L"子", L"壬佔7日，癸佔23日。", L"大雪", 1, {7}, {L"壬", L"癸"}},
    {L"丑", L"癸佔7日，辛佔5日，己佔18日。", L"小寒", 2, {7, 12}, {L"癸", L"辛", L"己"}},
});
static_assert(kScheme1Rows.size() == 12);

// Scheme 2, 《三命通會》
constexpr auto kScheme2Rows = std::to_array<MonthRow>({
    // branch, allocation sentence, section term, thresholds, stems
    {L"寅", L"戊佔7日，丙佔5日，甲佔18日。", L"立春", 2, {7, 12}, {L"戊", L"丙", L"甲"}},
    {L"卯", L"甲佔9日，癸佔3日，乙佔18日。", L"驚蟄", 2, {9, 12}, {L"甲", L"癸", L"乙"}},
    {L"辰", L"乙佔9日，癸佔3日。戊佔18日。", L"清明", 2, {9, 12}, {L"乙", L"癸", L"戊"}},
    {L"巳", L"戊佔7日，庚佔5日，丙佔18日。", L"立夏", 2, {7, 12}, {L"戊", L"庚", L"丙"}},
    {L"午", L"丙佔9日，己佔3日，丁佔18日。", L"芒種", 2, {9, 12}, {L"丙", L"己", L"丁"}},
    {L"未", L"丁佔7日，乙佔5日，己佔18日。", L"小暑", 2, {7, 12}, {L"丁", L"乙", L"己"}},
    {L"申", L"己佔7日，戊佔3日，壬佔3日，庚佔17日。", L"立秋", 3, {7, 10, 13}, {L"己", L"戊", L"壬", L"庚"}},
    {L"酉", L"庚佔7日，丁佔3日，辛佔20日。", L"白露", 2, {7, 10}, {L"庚", L"丁", L"辛"}},
    {L"戌", L"辛佔7日，丁佔5日，戊佔18日。", L"寒露", 2, {7, 12}, {L"辛", L"丁", L"戊"}},
    {L"亥", L"戊佔7日，甲佔5日，壬佔18日。", L"立冬", 2, {7, 12}, {L"戊", L"甲", L"壬"}},
    {L"子", L"壬佔9日，辛佔3日，癸佔18日。", L"大雪", 2, {9, 12}, {L"壬", L"辛", L"癸"}},
    {L"丑", L"癸佔7日，辛佔3日，己佔18日。", L"小寒", 2, {7, 12}, {L"癸", L"辛", L"己"}},
});
static_assert(kScheme2Rows.size() == 12);

// Scheme 3, 《淵海子平》
constexpr auto kScheme3Rows = std::to_array<MonthRow>({
    // branch, allocation sentence, section term, thresholds, stems
    {L"寅", L"戊佔7日，丙佔7日，甲佔16日。", L"立春", 2, {7, 14}, {L"戊", L"丙", L"甲"}},
    {L"卯", L"甲佔10日，乙佔20日。", L"驚蟄", 1, {10}, {L"甲", L"乙"}},
    {L"辰", L"乙佔9日，癸佔3日。戊佔18日。", L"清明", 2, {9, 12}, {L"乙", L"癸", L"戊"}},
    {L"巳", L"戊佔5日，庚佔9日，丙佔16日。", L"立夏", 2, {5, 14}, {L"戊", L"庚", L"丙"}},
    {L"午", L"丙佔10日，己佔10日，丁佔10日。", L"芒種", 2, {10, 20}, {L"丙", L"己", L"丁"}},
    {L"未", L"丁佔9日，乙佔3日，己佔18日。", L"小暑", 2, {9, 12}, {L"丁", L"乙", L"己"}},
    {L"申", L"己佔7日，戊佔3日，壬佔3日，庚佔17日。", L"立秋", 3, {7, 10, 13}, {L"己", L"戊", L"壬", L"庚"}},
    {L"酉", L"庚佔10日，辛佔20日。", L"白露", 1, {10}, {L"庚", L"辛"}},
    {L"戌", L"辛佔9日，丁佔3日，戊佔18日。", L"寒露", 2, {9, 12}, {L"辛", L"丁", L"戊"}},
    {L"亥", L"戊佔7日，甲佔5日，壬佔18日。", L"立冬", 2, {7, 12}, {L"戊", L"甲", L"壬"}},
    {L"子", L"壬佔10日，癸佔20日。", L"大雪", 1, {10}, {L"壬", L"癸"}},
    {L"丑", L"癸佔9日，辛佔3日，己佔18日。", L"小寒", 2, {9, 12}, {L"癸", L"辛", L"己"}},
});
static_assert(kScheme3Rows.size() == 12);

// Scheme 4, 《神峰通考》
constexpr auto kScheme4Rows = std::to_array<MonthRow>({
    // branch, allocation sentence, section term, thresholds, stems
    {L"寅", L"戊佔7日，丙佔7日，甲佔16日。", L"立春", 2, {7, 14}, {L"戊", L"丙", L"甲"}},
    {L"卯", L"甲佔10日，乙佔20日。", L"驚蟄", 1, {10}, {L"甲", L"乙"}},
    {L"辰", L"乙佔9日，癸佔3日。戊佔18日。", L"清明", 2, {9, 12}, {L"乙", L"癸", L"戊"}},
    {L"巳", L"戊佔7日，庚佔7日，丙佔16日。", L"立夏", 2, {7, 14}, {L"戊", L"庚", L"丙"}},
    {L"午", L"丙佔10日，己佔7日，丁佔13日。", L"芒種", 2, {10, 17}, {L"丙", L"己", L"丁"}},
    {L"未", L"丁佔9日，乙佔3日，己佔18日。", L"小暑", 2, {9, 12}, {L"丁", L"乙", L"己"}},
    {L"申", L"戊佔7日，壬佔7日，庚佔16日。", L"立秋", 2, {7, 14}, {L"戊", L"壬", L"庚"}},
    {L"酉", L"庚佔10日，辛佔20日。", L"白露", 1, {10}, {L"庚", L"辛"}},
    {L"戌", L"辛佔9日，丁佔3日，戊佔18日。", L"寒露", 2, {9, 12}, {L"辛", L"丁", L"戊"}},
    {L"亥", L"戊佔7日，甲佔7日，壬佔16日。", L"立冬", 2, {7, 14}, {L"戊", L"甲", L"壬"}},
    {L"子", L"壬佔10日，癸佔20日。", L"大雪", 1, {10}, {L"壬", L"癸"}},
    {L"丑", L"癸佔9日，辛佔3日，己佔18日。", L"小寒", 2, {9, 12}, {L"癸", L"辛", L"己"}},
});
static_assert(kScheme4Rows.size() == 12);

// Scheme 5, 《命理新論》
constexpr auto kScheme5Rows = std::to_array<MonthRow>({
    // branch, allocation sentence, section term, thresholds, stems
    {L"寅", L"戊佔7.25日，丙佔7.25日，甲佔16.5日。", L"立春", 2, {7.25, 14.5}, {L"戊", L"丙", L"甲"}},
    {L"卯", L"甲佔10.35日，乙佔20.65日。", L"驚蟄", 1, {10.35}, {L"甲", L"乙"}},
    {L"辰", L"乙佔9.3日，癸佔3.1日。戊佔18.6日。", L"清明", 2, {9.3, 12.4}, {L"乙", L"癸", L"戊"}},
    {L"巳", L"戊佔7.25日，庚佔7.25日，丙佔18.6日。", L"立夏", 2, {7.25, 14.5}, {L"戊", L"庚", L"丙"}},
    {L"午", L"丙佔10.35日，己佔9.3日，丁佔11.35日。", L"芒種", 2, {10.35, 19.65}, {L"丙", L"己", L"丁"}},
    {L"未", L"丁佔9.3日，乙佔3.1日，己佔18.6日。", L"小暑", 2, {9.3, 12.4}, {L"丁", L"乙", L"己"}},
    {L"申", L"戊佔7.25日，壬佔7.25日，庚佔16.5日。", L"立秋", 2, {7.25, 14.5}, {L"戊", L"壬", L"庚"}},
    {L"酉", L"庚佔10.35日，辛佔20.65日。", L"白露", 1, {10.35}, {L"庚", L"辛"}},
    {L"戌", L"辛佔9.3日，丁佔3.1日，戊佔18.6日。", L"寒露", 2, {9.3, 12.4}, {L"辛", L"丁", L"戊"}},
    {L"亥", L"戊佔7.25日，甲佔7.25日，壬佔16.5日。", L"立冬", 2, {7.25, 14.5}, {L"戊", L"甲", L"壬"}},
    {L"子", L"壬佔10.35日，癸佔20.65日。", L"大雪", 1, {10.35}, {L"壬", L"癸"}},
    {L"丑", L"癸佔9.3日，辛佔3.1日，己佔18.6日。", L"小寒", 2, {9.3, 12.4}, {L"癸", L"辛", L"己"}},
});
static_assert(kScheme5Rows.size() == 12);
// clang-format on

struct Scheme {
  const wchar_t* book;
  const std::array<MonthRow, 12>* rows;
};

// The sentence of interval i of a row: "T節起至t1日，", "T節tp日起至tn日，" or "T節tl日起，",
// then the stem, its element and "司令。".
std::wstring IntervalSentence(const MonthRow& row, int i) {
  const std::wstring term = row.term;
  std::wstring text;
  if (i == 0) {
    text = term + L"節起至" + GeneralText(row.thresholds[0]) + L"日，";
  } else if (i < row.thresholdCount) {
    text = term + L"節" + GeneralText(row.thresholds[i - 1]) + L"日起至" +
           GeneralText(row.thresholds[i]) + L"日，";
  } else {
    text = term + L"節" + GeneralText(row.thresholds[i - 1]) + L"日起，";
  }
  const std::wstring stem = row.stems[i];
  return text + stem + ElementOfStem(stem) + L"司令。";
}

std::wstring Describe(const Scheme& scheme, FourPillarsChart& chart,
                      const wchar_t* irregularTerm = nullptr,
                      const wchar_t* irregularMiddleSentence = nullptr) {
  const std::wstring& branch = chart.pillars[kMonthPillar].branch;
  std::wstring text = scheme.book;
  text += L"農曆" + chart.lunarMonthText + L"月建" + branch + L"。";
  for (const MonthRow& row : *scheme.rows) {
    if (branch == row.branch) {
      text += row.allocation;
      break;
    }
  }
  for (const MonthRow& row : *scheme.rows) {
    if (chart.sectionTermName != row.term) {
      continue;
    }
    int interval = 0;
    while (interval < row.thresholdCount &&
           !(chart.daysSinceSectionTerm < row.thresholds[interval])) {
      ++interval;
    }
    chart.commandingStem = row.stems[interval];
    if (irregularTerm != nullptr && chart.sectionTermName == irregularTerm && interval == 1) {
      text += irregularMiddleSentence;
    } else {
      text += IntervalSentence(row, interval);
    }
    break;
  }
  return text;
}

}  // namespace

std::wstring DescribeCommandingStemScheme1(FourPillarsChart& chart) {
  return Describe({L"《萬育吾》", &kScheme1Rows}, chart);
}

std::wstring DescribeCommandingStemScheme2(FourPillarsChart& chart) {
  return Describe({L"《三命通會》", &kScheme2Rows}, chart);
}

std::wstring DescribeCommandingStemScheme3(FourPillarsChart& chart) {
  return Describe({L"《淵海子平》", &kScheme3Rows}, chart);
}

// The school writes its 芒種 middle interval in a word order of its own.
std::wstring DescribeCommandingStemScheme4(FourPillarsChart& chart) {
  return Describe({L"《神峰通考》", &kScheme4Rows}, chart, L"芒種",
                  L"芒種節起10日至17日，己土司令。");
}

std::wstring DescribeCommandingStemScheme5(FourPillarsChart& chart) {
  return Describe({L"《命理新論》", &kScheme5Rows}, chart);
}

std::optional<std::wstring> DescribeCommandingStem(FourPillarsChart& chart,
                                                   MonthCommandDivisionScheme scheme) {
  switch (scheme) {
    case MonthCommandDivisionScheme::kYuWu:
      return DescribeCommandingStemScheme1(chart);
    case MonthCommandDivisionScheme::kTongHui:
      return DescribeCommandingStemScheme2(chart);
    case MonthCommandDivisionScheme::kZiPing:
      return DescribeCommandingStemScheme3(chart);
    case MonthCommandDivisionScheme::kTongKao:
      return DescribeCommandingStemScheme4(chart);
    case MonthCommandDivisionScheme::kXinLun:
      return DescribeCommandingStemScheme5(chart);
    case MonthCommandDivisionScheme::kSeasonalState:
      break;
  }
  return std::nullopt;
}

}  // namespace chart
