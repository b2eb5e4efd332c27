#include "chart/commanding_stem.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace chart {
namespace {

using Scheme = std::wstring (*)(FourPillarsChart&);
const Scheme kSchemes[] = {nullptr,
                           DescribeCommandingStemScheme1,
                           DescribeCommandingStemScheme2,
                           DescribeCommandingStemScheme3,
                           DescribeCommandingStemScheme4,
                           DescribeCommandingStemScheme5};

FourPillarsChart ChartAt(const wchar_t* lunarMonth, const wchar_t* monthBranch,
                         const wchar_t* sectionTerm, double days) {
  FourPillarsChart chart;
  chart.lunarMonthText = lunarMonth;
  chart.pillars[kMonthPillar].branch = monthBranch;
  chart.sectionTermName = sectionTerm;
  chart.daysSinceSectionTerm = days;
  return chart;
}

TEST(CommandingStem, WholeSentenceOfTheSpring) {
  FourPillarsChart chart = ChartAt(L"正", L"寅", L"立春", 8.5);
  EXPECT_EQ(DescribeCommandingStemScheme4(chart),
            L"《神峰通考》農曆正月建寅。戊佔7日，丙佔7日，甲佔16日。立春節7日起至14日，丙火司令。");
  EXPECT_EQ(chart.commandingStem, L"丙");
  // A second call gives the same text and stem.
  EXPECT_EQ(DescribeCommandingStemScheme4(chart),
            L"《神峰通考》農曆正月建寅。戊佔7日，丙佔7日，甲佔16日。立春節7日起至14日，丙火司令。");
  EXPECT_EQ(chart.commandingStem, L"丙");
}

// The interval sentence and stem of boundary cases; the text after the head and the
// allocation sentence of the month.
TEST(CommandingStem, Intervals) {
  struct Case {
    int scheme;
    const wchar_t* branch;
    const wchar_t* term;
    double days;
    const wchar_t* stem;
    const wchar_t* interval;
  };
  const Case cases[] = {
      {2, L"寅", L"立春", 7.0, L"丙", L"立春節7日起至12日，丙火司令。"},
      {2, L"寅", L"立春", 6.99, L"戊", L"立春節起至7日，戊土司令。"},
      {1, L"卯", L"驚蟄", 0.0, L"甲", L"驚蟄節起至7日，甲木司令。"},
      {2, L"卯", L"驚蟄", 0.0, L"甲", L"驚蟄節起至9日，甲木司令。"},
      {3, L"卯", L"驚蟄", 0.0, L"甲", L"驚蟄節起至10日，甲木司令。"},
      {4, L"卯", L"驚蟄", 0.0, L"甲", L"驚蟄節起至10日，甲木司令。"},
      {5, L"卯", L"驚蟄", 0.0, L"甲", L"驚蟄節起至10.35日，甲木司令。"},
      {3, L"午", L"芒種", 35.0, L"丁", L"芒種節20日起，丁火司令。"},
      {5, L"亥", L"立冬", 14.49, L"甲", L"立冬節7.25日起至14.5日，甲木司令。"},
      {5, L"亥", L"立冬", 14.5, L"壬", L"立冬節14.5日起，壬水司令。"},
      {4, L"寅", L"立春", 15.0, L"甲", L"立春節14日起，甲木司令。"},
      {4, L"寅", L"立春", 14.0, L"甲", L"立春節14日起，甲木司令。"},
      {3, L"寅", L"立春", 14.0, L"甲", L"立春節14日起，甲木司令。"},
      {4, L"午", L"芒種", 12.0, L"己", L"芒種節起10日至17日，己土司令。"},
      {4, L"午", L"芒種", 9.0, L"丙", L"芒種節起至10日，丙火司令。"},
      {4, L"午", L"芒種", 17.0, L"丁", L"芒種節17日起，丁火司令。"},
      {2, L"午", L"芒種", 10.0, L"己", L"芒種節9日起至12日，己土司令。"},
      {2, L"申", L"立秋", 12.99, L"壬", L"立秋節10日起至13日，壬水司令。"},
      {3, L"申", L"立秋", 13.0, L"庚", L"立秋節13日起，庚金司令。"},
      {5, L"午", L"芒種", 19.64, L"己", L"芒種節10.35日起至19.65日，己土司令。"},
      {5, L"辰", L"清明", 12.4, L"戊", L"清明節12.4日起，戊土司令。"},
      {5, L"丑", L"小寒", 9.29, L"癸", L"小寒節起至9.3日，癸水司令。"},
      {1, L"子", L"大雪", 29.0, L"癸", L"大雪節7日起，癸水司令。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    FourPillarsChart chart = ChartAt(L"五", c.branch, c.term, c.days);
    const std::wstring text = kSchemes[c.scheme](chart);
    EXPECT_EQ(chart.commandingStem, c.stem);
    const std::wstring interval = c.interval;
    ASSERT_GE(text.size(), interval.size());
    EXPECT_EQ(text.substr(text.size() - interval.size()), interval) << "scheme " << c.scheme;
  }
}

TEST(CommandingStem, HeadsAndAllocationSentences) {
  struct Case {
    int scheme;
    const wchar_t* lunarMonth;
    const wchar_t* branch;
    const wchar_t* expected;
  };
  // Terms outside the twelve: only the head and the allocation sentence.
  const Case cases[] = {
      {1, L"正", L"寅", L"《萬育吾》農曆正月建寅。戊佔5日，丙佔5日，甲佔20日。"},
      {2, L"十二", L"丑", L"《三命通會》農曆十二月建丑。癸佔7日，辛佔3日，己佔18日。"},
      {2, L"七", L"申", L"《三命通會》農曆七月建申。己佔7日，戊佔3日，壬佔3日，庚佔17日。"},
      {3, L"五", L"午", L"《淵海子平》農曆五月建午。丙佔10日，己佔10日，丁佔10日。"},
      {4, L"三", L"辰", L"《神峰通考》農曆三月建辰。乙佔9日，癸佔3日。戊佔18日。"},
      {5, L"四", L"巳", L"《命理新論》農曆四月建巳。戊佔7.25日，庚佔7.25日，丙佔18.6日。"},
      {5, L"", L"子", L"《命理新論》農曆月建子。壬佔10.35日，癸佔20.65日。"},
      {1, L"十一", L"", L"《萬育吾》農曆十一月建。"},
      {1, L"十一", L"甲", L"《萬育吾》農曆十一月建甲。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    for (const wchar_t* term : {L"雨水", L""}) {
      FourPillarsChart chart = ChartAt(c.lunarMonth, c.branch, term, 3.0);
      chart.commandingStem = L"癸";
      EXPECT_EQ(kSchemes[c.scheme](chart), c.expected);
      EXPECT_EQ(chart.commandingStem, L"癸");  // unchanged
    }
  }
}

// The allocation follows the month branch and the interval the section term, even when they
// disagree.
TEST(CommandingStem, BranchAndTermAreLookedUpApart) {
  FourPillarsChart chart = ChartAt(L"二", L"卯", L"清明", 10.0);
  EXPECT_EQ(DescribeCommandingStemScheme4(chart),
            L"《神峰通考》農曆二月建卯。甲佔10日，乙佔20日。清明節9日起至12日，癸水司令。");
  EXPECT_EQ(chart.commandingStem, L"癸");
}

// Each scheme over every month and a sweep of days: the stem is always one that the month's
// allocation sentence names, and the text always ends with an interval sentence.
TEST(CommandingStem, EveryTermOfEveryScheme) {
  const wchar_t* const terms[] = {L"立春", L"驚蟄", L"清明", L"立夏", L"芒種", L"小暑",
                                  L"立秋", L"白露", L"寒露", L"立冬", L"大雪", L"小寒"};
  const std::wstring branches = L"寅卯辰巳午未申酉戌亥子丑";
  for (int scheme = 1; scheme <= 5; ++scheme) {
    for (int m = 0; m < 12; ++m) {
      for (double days = 0; days < 31; days += 0.05) {
        FourPillarsChart chart = ChartAt(L"正", branches.substr(m, 1).c_str(), terms[m], days);
        const std::wstring text = kSchemes[scheme](chart);
        SCOPED_TRACE(testing::Message() << scheme << "," << m << "," << days);
        ASSERT_EQ(chart.commandingStem.size(), 1u);
        EXPECT_NE(text.find(chart.commandingStem + L"佔"), std::wstring::npos);
        EXPECT_EQ(text.substr(text.size() - 3), L"司令。");
      }
    }
  }
}

TEST(CommandingStem, TheSchemeNamesItsSchool) {
  for (int scheme = -1; scheme <= 6; ++scheme) {
    SCOPED_TRACE(scheme);
    FourPillarsChart chart = ChartAt(L"五", L"午", L"芒種", 12);
    chart.commandingStem = L"壬";
    const std::optional<std::wstring> text =
        DescribeCommandingStem(chart, static_cast<MonthCommandDivisionScheme>(scheme));
    if (scheme >= 1 && scheme <= 5) {
      FourPillarsChart expected = ChartAt(L"五", L"午", L"芒種", 12);
      ASSERT_TRUE(text.has_value());
      EXPECT_EQ(*text, kSchemes[scheme](expected));
      EXPECT_EQ(chart.commandingStem, expected.commandingStem);
    } else {
      // 旺相 (0) and the values of no scheme divide nothing.
      EXPECT_FALSE(text.has_value());
      EXPECT_EQ(chart.commandingStem, L"壬");
    }
  }
}

}  // namespace
}  // namespace chart
