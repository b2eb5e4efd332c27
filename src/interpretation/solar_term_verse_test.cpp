#include "interpretation/solar_term_verse.h"

#include <gtest/gtest.h>

#include "interpretation/passage_test_support.h"

namespace interpretation {
namespace {

TEST(SolarTermVerse, TheBookTitleAndTheVerseOfTheSectionTerm) {
  struct Case {
    const wchar_t* sectionTerm;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"立春", L"《神峰通考》立春一日火方生。"},
      {L"大雪", L"《神峰通考》大雪水生陰正極"},  // the one line without "。"
      {L"立冬", L"《神峰通考》立冬乾氣水將盈，二侯一朝方用水。"},
      {L"小寒", L"《神峰通考》小寒火絕卻言水。"},
      // No section term, a mid-term, a name with a blank: the title alone.
      {L"", L"《神峰通考》"},
      {L"雨水", L"《神峰通考》"},
      {L"立春 ", L"《神峰通考》"},
      {L"春", L"《神峰通考》"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.sectionTerm));
    const auto chart = ChartOfPillars(L"", L"", L"", L"");
    chart->sectionTermName = c.sectionTerm;
    EXPECT_EQ(U8(SolarTermVerse(*chart)), U8(c.expected));
  }
}

}  // namespace
}  // namespace interpretation
