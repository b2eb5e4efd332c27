#include "interpretation/spirit_star_explanations.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chart/chart_test_support.h"
#include "testing/utf8.h"
#include "vocabulary/vocabulary_lists.h"

namespace interpretation {
namespace {

using chart::FourPillarsChart;
using test_text::EncodeUtf8;

// The keys as one line, "19.桃煞.1 19.桃煞.2 ...", so that a failure reads as the passages.
std::string Listed(const std::vector<SpiritStarPassageKey>& keys) {
  std::wstring text;
  for (const SpiritStarPassageKey& k : keys) {
    text += (text.empty() ? L"" : L" ") + std::to_wstring(k.block) + L"." + std::wstring(k.star) +
            L"." + std::to_wstring(k.passage);
  }
  return EncodeUtf8(text);
}

// A chart of four pillars given as two-character texts, with no star and no count.
std::unique_ptr<FourPillarsChart> ChartOf(const wchar_t* year, const wchar_t* month,
                                          const wchar_t* day, const wchar_t* hour) {
  auto chart = chart::NewFourPillarsChart();
  const wchar_t* pillars[] = {year, month, day, hour};
  for (int p = 0; p < 4; ++p) {
    chart->pillars[p].stem = std::wstring(1, pillars[p][0]);
    chart->pillars[p].branch = std::wstring(1, pillars[p][1]);
  }
  return chart;
}

std::string Hour(const FourPillarsChart& chart) {
  return EncodeUtf8(chart::JoinedUsedEntries(chart.pillars[chart::kHourPillar].starNames));
}

TEST(SpiritStarExplanations, NothingPresentGivesNothing) {
  auto chart = ChartOf(L"甲子", L"丙寅", L"甲子", L"甲子");
  EXPECT_EQ(Listed(ExplainSpiritStars(*chart)), "");
  EXPECT_EQ(SpiritStarExplanations(*chart), L"");
}

TEST(SpiritStarExplanations, CounterBlocksFollowTheirOrder) {
  auto chart = ChartOf(L"甲子", L"丙寅", L"甲子", L"甲子");
  chart->starCounts[chart::kStar隔角] = 1;
  chart->starCounts[chart::kStar陰貴] = 2;
  chart->starCounts[chart::kStar空亡] = 1;
  chart->starCounts[chart::kStar月德] = 1;
  chart->starCounts[chart::kStar桃花煞] = 1;  // no block reads this slot
  EXPECT_EQ(Listed(ExplainSpiritStars(*chart)),
            "1.空亡.1 3.天乙貴人.1 3.天乙貴人.2 14.天德月德.1 14.天德月德.2 42.隔角.1 42.隔角.2");
}

TEST(SpiritStarExplanations, PeachBlossomHasAFourthPassageForWomen) {
  struct Case {
    const wchar_t* sex;
    std::string expected;
  };
  const Case cases[] = {
      {L"女", "19.桃煞.1 19.桃煞.2 19.桃煞.3 19.桃煞.4"},
      {L"男", "19.桃煞.1 19.桃煞.2 19.桃煞.3"},
      {L"", "19.桃煞.1 19.桃煞.2 19.桃煞.3"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(EncodeUtf8(k.sex));
    auto chart = ChartOf(L"甲子", L"丙寅", L"甲子", L"甲子");
    chart->sexText = k.sex;
    chart->starCounts[chart::kStar桃煞] = 1;
    EXPECT_EQ(Listed(ExplainSpiritStars(*chart)), k.expected);
  }
}

TEST(SpiritStarExplanations, ThreeWondersNeedTheDayStemAmongThem) {
  struct Case {
    std::vector<const wchar_t*> pillars;
    std::string expected;
    int star;
  };
  const Case cases[] = {
      {{L"甲子", L"庚午", L"戊寅", L"甲子"}, "2.天上三奇.1 2.天上三奇.2", chart::kStar天上三奇},
      {{L"甲子", L"庚午", L"丙寅", L"戊子"}, "", -1},
      {{L"乙丑", L"丙辰", L"丁卯", L"丙午"}, "2.地下三奇.1 2.地下三奇.2", chart::kStar地下三奇},
      {{L"壬子", L"癸亥", L"辛卯", L"壬寅"}, "2.人中三奇.1 2.人中三奇.2", chart::kStar人中三奇},
  };
  for (const Case& k : cases) {
    auto chart = ChartOf(k.pillars[0], k.pillars[1], k.pillars[2], k.pillars[3]);
    SCOPED_TRACE(EncodeUtf8(chart->pillars[2].stem));
    for (int p = 0; p < 4; ++p) {
      ++chart->stemCounts[vocabulary::LookupStemIndex(chart->pillars[p].stem)];
    }
    chart->starCounts[chart::kStar空亡] = 1;
    chart->starCounts[chart::kStar陽貴] = 1;
    const std::string wonders = k.expected.empty() ? "" : " " + k.expected;
    EXPECT_EQ(Listed(ExplainSpiritStars(*chart)),
              "1.空亡.1" + wonders + " 3.天乙貴人.1 3.天乙貴人.2");
    if (k.star >= 0) {
      EXPECT_EQ(chart->starCounts[k.star], 1);
    }
    for (int p = 0; p < 4; ++p) {
      EXPECT_EQ(chart::UsedEntryCount(chart->pillars[p].starNames), 0);
    }
  }
}

TEST(SpiritStarExplanations, HourDetectionsRecordNameCounterAndPassage) {
  auto chart = ChartOf(L"甲子", L"丙寅", L"甲寅", L"庚戌");
  EXPECT_EQ(Listed(ExplainSpiritStars(*chart)), "44.天屠.1 45.天刑.1");
  EXPECT_EQ(Hour(*chart), "天屠 天刑");
  EXPECT_EQ(chart->starCounts[chart::kStar天屠], 1);
  EXPECT_EQ(chart->starCounts[chart::kStar天刑], 1);

  // The section prints both passages in that order, each opening with its star's name.
  auto again = ChartOf(L"甲子", L"丙寅", L"甲寅", L"庚戌");
  const std::wstring text = SpiritStarExplanations(*again);
  const std::size_t slaughter = text.find(L"<br>天屠煞");
  const std::size_t punishment = text.find(L"<br>天刑煞");
  EXPECT_EQ(slaughter, 0u);
  EXPECT_NE(punishment, std::wstring::npos);
  EXPECT_GT(punishment, slaughter);
  EXPECT_EQ(text.find(L"<br>", punishment + 4), std::wstring::npos);

  auto hanging = ChartOf(L"甲子", L"丙寅", L"甲戌", L"己巳");
  for (int i = 0; i < 12; ++i) {
    chart::AppendStarName(hanging->pillars[chart::kHourPillar].starNames, L"華蓋");
  }
  EXPECT_EQ(Listed(ExplainSpiritStars(*hanging)), "43.自縊.1");
  EXPECT_EQ(hanging->pillars[chart::kHourPillar].starNames.size(), 13u);  // the list grows
  EXPECT_EQ(hanging->pillars[chart::kHourPillar].starNames[12], L"自縊");
  EXPECT_EQ(hanging->starCounts[chart::kStar自縊], 1);
}

TEST(SpiritStarExplanations, LunarMonthStarsCompareWholeMonthNames) {
  struct Case {
    const wchar_t* month;
    const wchar_t* day;
    const wchar_t* hour;
    std::string expected;
  };
  const Case cases[] = {
      {L"十一", L"甲子", L"壬申", "46.雷霆.1"},
      {L"十", L"甲子", L"壬申", ""},
      {L"正", L"甲子", L"甲子", "46.雷霆.1 47.戟鋒.1"},
      {L"九", L"戊子", L"戊戌", "47.戟鋒.1"},
      {L"九", L"戊子", L"己未", ""},
      {L"", L"戊子", L"壬子", ""},  // a typed chart has no lunar month
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(EncodeUtf8(std::wstring(k.month) + L" " + k.day + L" " + k.hour));
    auto chart = ChartOf(L"甲寅", L"丙寅", k.day, k.hour);
    chart->lunarMonthText = k.month;
    EXPECT_EQ(Listed(ExplainSpiritStars(*chart)), k.expected);
  }
}

TEST(SpiritStarExplanations, YearOffsetStarsAreRecordedAtEveryMatchingPillar) {
  auto chart = ChartOf(L"甲子", L"丙寅", L"乙丑", L"丙寅");
  EXPECT_EQ(Listed(ExplainSpiritStars(*chart)), "54.病符.1");
  EXPECT_EQ(EncodeUtf8(chart::JoinedUsedEntries(chart->pillars[chart::kDayPillar].starNames)),
            "病符");
  EXPECT_EQ(chart->starCounts[chart::kStar病符], 1);

  auto twice = ChartOf(L"甲子", L"乙丑", L"乙丑", L"丙寅");
  auto twiceText = ChartOf(L"甲子", L"乙丑", L"乙丑", L"丙寅");
  const std::wstring text = SpiritStarExplanations(*twiceText);
  EXPECT_EQ(text.find(L"<br>病符煞"), 0u);
  EXPECT_EQ(text.find(L"<br>", 4), std::wstring::npos);  // one passage for two names
  EXPECT_EQ(Listed(ExplainSpiritStars(*twice)), "54.病符.1");
  EXPECT_EQ(twice->starCounts[chart::kStar病符], 2);
  EXPECT_EQ(EncodeUtf8(chart::JoinedUsedEntries(twice->pillars[chart::kMonthPillar].starNames)),
            "病符");

  // 死符: 病符's stem over the branch that clashes with 病符's (乙 over 未 for 甲子).
  auto death = ChartOf(L"甲子", L"乙未", L"丙辰", L"乙未");
  EXPECT_EQ(Listed(ExplainSpiritStars(*death)), "55.死符.1");
  EXPECT_EQ(death->starCounts[chart::kStar死符], 2);
  EXPECT_EQ(Hour(*death), "死符");

  // 官符 of 甲子 is 己未: at the hour it is recorded, in the month it is not looked for.
  auto office = ChartOf(L"甲子", L"己未", L"丙辰", L"己未");
  EXPECT_EQ(Listed(ExplainSpiritStars(*office)), "56.官符.1");
  EXPECT_EQ(office->starCounts[chart::kStar官符], 1);
  EXPECT_EQ(Hour(*office), "官符");
  EXPECT_EQ(chart::UsedEntryCount(office->pillars[chart::kMonthPillar].starNames), 0);

  // Offsets wrap around the cycles: 癸亥 is followed by 甲子.
  auto wrap = ChartOf(L"癸亥", L"丙寅", L"甲子", L"丙寅");
  EXPECT_EQ(Listed(ExplainSpiritStars(*wrap)), "54.病符.1");
}

TEST(SpiritStarExplanations, AYearPillarThatIsNoStemBranchPairHasNoOffsetStars) {
  // With the index -1 taken for a missing name, -1 + 1 would point at 甲 and 子.
  auto chart = ChartOf(L"甲子", L"丙寅", L"甲子", L"甲子");
  chart->pillars[chart::kYearPillar].stem = L"X";
  chart->pillars[chart::kYearPillar].branch = L"Y";
  EXPECT_EQ(Listed(ExplainSpiritStars(*chart)), "");
  EXPECT_EQ(chart->starCounts[chart::kStar病符], 0);
}

TEST(SpiritStarExplanations, CombinedStarsAndTheLastBlock) {
  auto sword = ChartOf(L"甲巳", L"丙酉", L"甲丑", L"甲申");
  sword->branchCounts = {0, 1, 0, 0, 0, 1, 0, 0, 1, 1, 0, 0};
  EXPECT_EQ(Listed(ExplainSpiritStars(*sword)), "48.掛劍.1");
  sword = ChartOf(L"甲巳", L"丙酉", L"甲丑", L"甲巳");
  sword->branchCounts = {0, 1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0};
  EXPECT_EQ(Listed(ExplainSpiritStars(*sword)), "48.掛劍.1");
  sword->branchCounts = {0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0};
  EXPECT_EQ(Listed(ExplainSpiritStars(*sword)), "");

  auto fire = ChartOf(L"丙寅", L"丁午", L"甲戌", L"甲子");
  fire->threeHarmonyFlags[2] = 1;  // the 火 frame
  fire->stemCounts[2] = 1;
  fire->stemCounts[3] = 1;
  EXPECT_EQ(Listed(ExplainSpiritStars(*fire)), "49.天火.1");
  fire->allStemCounts[9] = 1;  // a hidden 癸
  EXPECT_EQ(Listed(ExplainSpiritStars(*fire)), "");

  auto drowning = ChartOf(L"甲寅", L"丙寅", L"癸丑", L"甲寅");
  drowning->truePatternFlags[16] = 1;  // 金神格
  drowning->starCounts[chart::kStar孤寡] = 1;
  drowning->starCounts[chart::kStar陰陽] = 1;
  drowning->starCounts[chart::kStar差錯] = 1;
  drowning->starCounts[chart::kStar惡敗] = 1;
  EXPECT_EQ(Listed(ExplainSpiritStars(*drowning)),
            "50.孤寡.1 51.差錯.1 52.陰陽.1 52.陰陽.2 53.水溺.1 57.惡敗.1");
}

}  // namespace
}  // namespace interpretation
