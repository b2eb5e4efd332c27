#include "interpretation/element_season_text.h"

#include <gtest/gtest.h>

#include "interpretation/passage_test_support.h"

namespace interpretation {
namespace {

const std::wstring kNineRegions =
    L"<br>九州方位：雍(西北)、冀(北)、兗、青(東北)、徐(東)、揚(東南)、豫(中土)、荊(南)、梁(西南)。";

std::wstring Header(const wchar_t* element) {
  return std::wstring(L"<font color=red>") + element + L"</font><br>";
}
std::wstring Season(const wchar_t* element, const wchar_t* season) {
  return PoolText(kElementSeasonPassages, {element, season});
}
std::wstring Month(const wchar_t* element, const wchar_t* months) {
  return PoolText(kElementMonthPassages, {element, months});
}

struct Case {
  const wchar_t* label;
  const wchar_t* dayStem;
  const wchar_t* sectionTerm;
  const wchar_t* lunarMonth;
  const wchar_t* monthBranch;
  std::wstring expected;
};

TEST(ElementSeasonText, SeasonMonthAndWinterPassagesOfTheDayMastersElement) {
  const Case cases[] = {
      {L"木 in 立春 and 正", L"甲", L"立春", L"正", L"寅",
       Header(L"木") + Season(L"木", L"春") + Month(L"木", L"正") + kNineRegions},
      {L"a mid-term counts with its season", L"甲", L"雨水", L"二", L"卯",
       Header(L"木") + Season(L"木", L"春") + Month(L"木", L"二") + kNineRegions},
      {L"穀雨 closes the spring", L"丙", L"穀雨", L"三", L"辰",
       Header(L"火") + Season(L"火", L"春") + Month(L"火", L"三") + kNineRegions},
      {L"大暑 closes the summer", L"庚", L"大暑", L"六", L"未",
       Header(L"金") + Season(L"金", L"夏") + Month(L"金", L"四 五 六") + kNineRegions},
      {L"霜降 closes the autumn", L"壬", L"霜降", L"九", L"戌",
       Header(L"水") + Season(L"水", L"秋") + Month(L"水", L"八 九") + kNineRegions},
      {L"大寒 closes the winter", L"戊", L"大寒", L"十二", L"丑",
       Header(L"土") + Season(L"土", L"冬") + Month(L"土", L"子丑") + kNineRegions},
      {L"木 in summer has no season passage", L"乙", L"芒種", L"五", L"午",
       Header(L"木") + Month(L"木", L"五 六") + kNineRegions},
      {L"木 in 十 and 子", L"甲", L"立冬", L"十", L"子",
       Header(L"木") + Season(L"木", L"冬") + Month(L"木", L"十") + Month(L"木", L"子丑") +
           kNineRegions},
      {L"土 in 十 and 子: the month passage only", L"己", L"立冬", L"十", L"子",
       Header(L"土") + Season(L"土", L"冬") + Month(L"土", L"十") + kNineRegions},
      {L"金 in 十 and 子", L"辛", L"立冬", L"十", L"子",
       Header(L"金") + Season(L"金", L"冬") + Month(L"金", L"十") + Month(L"金", L"子丑") +
           kNineRegions},
      {L"水 in 十 and 子: the passage of the three winter months", L"癸", L"立冬", L"十", L"子",
       Header(L"水") + Season(L"水", L"冬") + Month(L"水", L"十 十一 十二") + kNineRegions},
      {L"水 in 十二", L"壬", L"小寒", L"十二", L"丑",
       Header(L"水") + Season(L"水", L"冬") + Month(L"水", L"十 十一 十二") + kNineRegions},
      {L"金 in 十一: the winter passage alone", L"庚", L"大雪", L"十一", L"子",
       Header(L"金") + Season(L"金", L"冬") + Month(L"金", L"子丑") + kNineRegions},
      {L"土 in 十一", L"戊", L"大雪", L"十一", L"子",
       Header(L"土") + Season(L"土", L"冬") + Month(L"土", L"子丑") + kNineRegions},
      {L"the month name alone makes a winter month", L"甲", L"小寒", L"十二", L"亥",
       Header(L"木") + Season(L"木", L"冬") + Month(L"木", L"子丑") + kNineRegions},
      {L"火 in 七: neither month nor winter passage", L"丁", L"立秋", L"七", L"申",
       Header(L"火") + Season(L"火", L"秋") + kNineRegions},
      {L"火 in 十二", L"丙", L"小寒", L"十二", L"丑",
       Header(L"火") + Season(L"火", L"冬") + kNineRegions},
      {L"typed 戊 in 丑: the winter passage of 土", L"戊", L"", L"", L"丑",
       Header(L"土") + Month(L"土", L"子丑") + kNineRegions},
      {L"typed 甲 in 寅: the header alone", L"甲", L"", L"", L"寅", Header(L"木") + kNineRegions},
      {L"an empty day stem", L"", L"立春", L"正", L"寅", kNineRegions},
      {L"a day stem with a blank", L"甲 ", L"立春", L"正", L"寅", kNineRegions},
      {L"a branch where the day stem belongs", L"子", L"立春", L"正", L"寅", kNineRegions},
      {L"a term with a blank, a month with a leap mark", L"甲", L"立春 ", L"閏正", L"寅",
       Header(L"木") + kNineRegions},
      {L"an unknown month name keeps the winter passage of the branch", L"庚", L"", L"13", L"丑",
       Header(L"金") + Month(L"金", L"子丑") + kNineRegions},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.label));
    const auto chart = ChartOfPillars(L"甲子", std::wstring(L"丙") + c.monthBranch,
                                      std::wstring(c.dayStem) + L"子", L"甲子");
    chart->pillars[chart::kDayPillar].stem = c.dayStem;
    chart->sectionTermName = c.sectionTerm;
    chart->lunarMonthText = c.lunarMonth;
    EXPECT_EQ(U8(ElementSeasonText(*chart)), U8(c.expected));
  }
}

// The derived chart from the typed pillars 庚辰 戊寅 甲子 甲子: no term and no month name, a 寅
// month.
TEST(ElementSeasonText, TypedChart庚辰戊寅甲子甲子) {
  const auto chart = InterpretedTypedChart({L"庚辰", L"戊寅", L"甲子", L"甲子"});
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(U8(ElementSeasonText(*chart)), U8(L"<font color=red>木</font><br>" + kNineRegions));
}

}  // namespace
}  // namespace interpretation
