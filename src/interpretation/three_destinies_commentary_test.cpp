#include "interpretation/three_destinies_commentary.h"

#include <gtest/gtest.h>

#include "interpretation/passage_test_support.h"

namespace interpretation {
namespace {

std::wstring MonthCommand(const wchar_t* month, const wchar_t* stems) {
  return PoolText(kMonthCommandPassages, {month, stems});
}
std::wstring StemHour(const wchar_t* stem, const wchar_t* hour) {
  std::wstring text;
  for (const wchar_t* n : {L"1", L"2", L"3"}) {
    text += PoolText(kDayStemHourPassages, {stem, hour, n});
  }
  return text;
}
std::wstring PillarHour(const wchar_t* pillar, const wchar_t* hour) {
  return PoolText(kDayPillarHourPassages, {pillar, hour});
}

std::wstring CommentaryOf(std::wstring_view month, std::wstring_view day, std::wstring_view hour) {
  return ThreeDestiniesCommentary(*ChartOfPillars(L"庚辰", month, day, hour));
}

TEST(ThreeDestiniesCommentary, MonthCommandDayStemAtTheHourAndDayPillarAtTheHour) {
  struct Case {
    const wchar_t* month;
    const wchar_t* day;
    const wchar_t* hour;
    std::wstring expected;
  };
  const Case cases[] = {
      {L"丙子", L"甲子", L"甲子",
       L"<br>子月" + MonthCommand(L"子", L"甲乙") + StemHour(L"甲", L"子") + L"<br>甲子日甲子時。" +
           PillarHour(L"甲子", L"子")},
      {L"丙子", L"乙丑", L"丙子",
       L"<br>子月" + MonthCommand(L"子", L"甲乙") + StemHour(L"乙", L"子") + L"<br>乙丑日丙子時。" +
           PillarHour(L"乙丑", L"子")},
      {L"丙寅", L"甲子", L"甲子",
       L"<br>寅月" + MonthCommand(L"寅", L"甲") + StemHour(L"甲", L"子") + L"<br>甲子日甲子時。" +
           PillarHour(L"甲子", L"子")},
      {L"戊寅", L"乙丑", L"丙子",
       L"<br>寅月" + MonthCommand(L"寅", L"乙") + StemHour(L"乙", L"子") + L"<br>乙丑日丙子時。" +
           PillarHour(L"乙丑", L"子")},
      {L"己巳", L"丁卯", L"丁未",
       L"<br>巳月" + MonthCommand(L"巳", L"丁") + StemHour(L"丁", L"未") + L"<br>丁卯日丁未時。" +
           PillarHour(L"丁卯", L"未")},
      {L"丁亥", L"癸亥", L"癸亥",
       L"<br>亥月" + MonthCommand(L"亥", L"壬癸") + StemHour(L"癸", L"亥") + L"<br>癸亥日癸亥時。" +
           PillarHour(L"癸亥", L"亥")},
      {L"甲申", L"庚辰", L"辛巳",
       L"<br>申月" + MonthCommand(L"申", L"庚") + StemHour(L"庚", L"巳") + L"<br>庚辰日辛巳時。" +
           PillarHour(L"庚辰", L"巳")},
      // 己酉 at the 午 hour has no passage: the day-hour line ends the text.
      {L"丁酉", L"己酉", L"庚午",
       L"<br>酉月" + MonthCommand(L"酉", L"戊己") + StemHour(L"己", L"午") + L"<br>己酉日庚午時。"},
      // Typed pillars: a day branch that does not pair with the stem gets no day-pillar passage;
      // an hour stem that the day stem does not give is printed and keys nothing.
      {L"丙子", L"甲丑", L"甲子",
       L"<br>子月" + MonthCommand(L"子", L"甲乙") + StemHour(L"甲", L"子") + L"<br>甲丑日甲子時。"},
      {L"丙子", L"甲子", L"丙子",
       L"<br>子月" + MonthCommand(L"子", L"甲乙") + StemHour(L"甲", L"子") + L"<br>甲子日丙子時。" +
           PillarHour(L"甲子", L"子")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(std::wstring(c.month) + L" " + c.day + L" " + c.hour));
    EXPECT_EQ(U8(CommentaryOf(c.month, c.day, c.hour)), U8(c.expected));
  }
}

TEST(ThreeDestiniesCommentary, 甲And乙ShareThe子MonthButNotThe寅Month) {
  EXPECT_EQ(U8(MonthCommand(L"子", L"甲乙")).rfind("甲乙日", 0), 0u);
  EXPECT_NE(U8(MonthCommand(L"寅", L"甲")), U8(MonthCommand(L"寅", L"乙")));
  // With no hour branch the text ends after the month-command passage.
  EXPECT_EQ(U8(CommentaryOf(L"丙子", L"甲子", L"甲")), U8(CommentaryOf(L"丙子", L"乙丑", L"甲")));
  EXPECT_NE(U8(CommentaryOf(L"丙寅", L"甲子", L"甲")), U8(CommentaryOf(L"丙寅", L"乙丑", L"甲")));
}

TEST(ThreeDestiniesCommentary, MembersThatAreNoNamesLeaveTheirPartsOut) {
  struct Case {
    const char* label;
    const wchar_t* month;
    const wchar_t* day;
    const wchar_t* hour;
    std::wstring expected;
  };
  const Case cases[] = {
      {"a day stem that is no stem", L"丙子", L"子子", L"甲子", L"<br>子月"},
      {"an empty day stem", L"丙子", L"", L"甲子", L"<br>子月"},
      {"an hour branch that is no branch", L"丙子", L"甲子", L"甲甲",
       L"<br>子月" + MonthCommand(L"子", L"甲乙")},
      {"an hour branch of two characters", L"丙寅", L"甲子", L"甲子丑",
       L"<br>寅月" + MonthCommand(L"寅", L"甲")},
      {"an empty month branch", L"丙", L"甲子", L"甲子",
       L"<br>月" + StemHour(L"甲", L"子") + L"<br>甲子日甲子時。" + PillarHour(L"甲子", L"子")},
      {"a month branch with a blank, printed as held", L"丙子 ", L"甲子", L"甲子",
       L"<br>子 月" + StemHour(L"甲", L"子") + L"<br>甲子日甲子時。" + PillarHour(L"甲子", L"子")},
      {"a stem where the month branch belongs", L"丙甲", L"乙丑", L"丙子",
       L"<br>甲月" + StemHour(L"乙", L"子") + L"<br>乙丑日丙子時。" + PillarHour(L"乙丑", L"子")},
      {"a stem where the day branch belongs", L"丙子", L"甲甲", L"甲子",
       L"<br>子月" + MonthCommand(L"子", L"甲乙") + StemHour(L"甲", L"子") + L"<br>甲甲日甲子時。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(U8(CommentaryOf(c.month, c.day, c.hour)), U8(c.expected));
  }
}

}  // namespace
}  // namespace interpretation
