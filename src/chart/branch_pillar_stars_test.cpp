#include "chart/branch_pillar_stars.h"

#include <gtest/gtest.h>

#include "chart/chart_test_support.h"
#include "vocabulary/vocabulary_lists.h"

namespace chart {
namespace {

struct StarCase {
  const wchar_t* first;
  const wchar_t* second;
  const wchar_t* names;
};

TEST(BranchStars, CellsThenYuanChenBySexAndYear) {
  struct Case {
    const wchar_t* sex;
    const wchar_t* yinYang;
    const wchar_t* reference;
    const wchar_t* subject;
    const wchar_t* names;
  };
  const Case cases[] = {
      {L"男", L"陽", L"巳", L"丑", L"華蓋"},
      {L"男", L"陽", L"巳", L"申", L"孤神 寡宿 破軍 勾絞"},
      {L"男", L"陰", L"卯", L"戌", L""},
      {L"男", L"陽", L"卯", L"戌", L"元辰"},
      {L"女", L"陰", L"卯", L"戌", L"元辰"},
      {L"女", L"陽", L"子", L"巳", L"劫煞 太白 元辰"},
      {L"男", L"陰", L"子", L"巳", L"劫煞 太白 元辰"},
      {L"女", L"陽", L"子", L"未", L""},
      {L"", L"陽", L"子", L"未", L""},  // no sex: no 元辰
      {L"男", L"陽", L"卯", L"卯", L"將星 劫煞 伏吟"},
      {L"男", L"陽", L"辰", L"亥", L"破軍 返呤 元辰"},
      {L"男", L"陽", L"辰", L"戌", L""},
      {L"男", L"陰", L"巳", L"卯", L"弔客 劫煞 災煞"},
      {L"男", L"陰", L"巳", L"辰", L"寡宿"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.sex) + c.yinYang + c.reference + c.subject));
    FourPillarsChart chart;
    chart.sexText = c.sex;
    chart.yinYangText = c.yinYang;
    std::vector<std::wstring> names(kStarNameSlots);
    AddBranchStars(c.reference, c.subject, names, chart, 1);
    EXPECT_EQ(JoinedUsedEntries(names), c.names);
  }
}

// Every name of the branch-star table has a counter, 勾絞 always three branches on, and 巳 never
// gives 返呤.
TEST(BranchStars, TableInvariants) {
  for (int reference = 0; reference < 12; ++reference) {
    for (int subject = 0; subject < 12; ++subject) {
      SCOPED_TRACE(reference * 100 + subject);
      FourPillarsChart chart;
      std::vector<std::wstring> names(kStarNameSlots);
      AddBranchStars(std::wstring(vocabulary::kEarthlyBranches[reference]),
                     std::wstring(vocabulary::kEarthlyBranches[subject]), names, chart, 1);
      int counted = 0;
      for (int count : chart.starCounts) {
        counted += count;
      }
      EXPECT_EQ(counted, UsedEntryCount(names));
      const bool hasGouJiao = JoinedUsedEntries(names).find(L"勾絞") != std::wstring::npos;
      EXPECT_EQ(hasGouJiao, subject == (reference + 3) % 12);
      if (reference == 5) {
        EXPECT_EQ(JoinedUsedEntries(names).find(L"返呤"), std::wstring::npos);
      }
    }
  }
}

TEST(PillarStars, PillarDayAndSpecialRows) {
  const StarCase pillarCases[] = {
      {L"庚", L"辰", L"魁罡 日德"},
      {L"己", L"酉", L"進神 文昌"},
      {L"戊", L"午", L"六秀"},
      {L"甲", L"丑", L""},
  };
  for (const StarCase& c : pillarCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.first) + c.second));
    FourPillarsChart chart;
    std::vector<std::wstring> names(kStarNameSlots);
    AddPillarStars(c.first, c.second, names, chart, 1);
    EXPECT_EQ(JoinedUsedEntries(names), c.names);
  }
  FourPillarsChart chart;
  std::vector<std::wstring> names(kStarNameSlots);
  AddPillarStars(L"庚", L"辰", names, chart, 1);
  EXPECT_EQ(chart.starCounts[kStar魁罡], 1);
  EXPECT_EQ(chart.starCounts[kStar日德], 1);

  const StarCase specialCases[] = {{L"辛", L"酉", L"八專 九醜"}, {L"壬", L"午", L"九醜"}};
  for (const StarCase& c : specialCases) {
    FourPillarsChart special;
    std::vector<std::wstring> list(kStarNameSlots);
    AddSpecialDayStars(c.first, c.second, list, special, 1);
    EXPECT_EQ(JoinedUsedEntries(list), c.names);
  }

  const StarCase dayCases[] = {
      {L"丙", L"子", L"陰陽 差錯"}, {L"癸", L"巳", L"日貴 差錯"}, {L"乙", L"巳", L"孤寡 惡敗"}};
  for (const wchar_t* sex : {L"男", L"女"}) {
    for (const StarCase& c : dayCases) {
      FourPillarsChart day;
      day.sexText = sex;
      std::vector<std::wstring> list(kStarNameSlots);
      AddDayPillarStars(c.first, c.second, list, day, 1);
      EXPECT_EQ(JoinedUsedEntries(list), c.names);
    }
  }
}

TEST(PillarStars, PardonCornerAndVoid) {
  FourPillarsChart chart;
  std::vector<std::wstring> names(kStarNameSlots);
  AddHeavenlyPardonStar(L"甲", L"子", L"立春", names, chart);
  AddHeavenlyPardonStar(L"甲", L"子", L"", names, chart);
  // The stem and the branch are compared each as a whole, not as one joined text.
  AddHeavenlyPardonStar(L"甲子", L"", L"大雪", names, chart);
  AddHeavenlyPardonStar(L"", L"甲子", L"大雪", names, chart);
  EXPECT_EQ(JoinedUsedEntries(names), L"");
  AddHeavenlyPardonStar(L"甲", L"子", L"大雪", names, chart);
  EXPECT_EQ(JoinedUsedEntries(names), L"天赦");
  EXPECT_EQ(chart.starCounts[kStar天赦], 1);

  std::vector<std::wstring> corner(kStarNameSlots);
  AddSeparatedCornerStar(L"丑", L"亥", corner, chart);
  EXPECT_EQ(JoinedUsedEntries(corner), L"");
  AddSeparatedCornerStar(L"亥", L"丑", corner, chart);
  EXPECT_EQ(JoinedUsedEntries(corner), L"隔角");

  struct VoidCase {
    const wchar_t* dayStem;
    const wchar_t* dayBranch;
    const wchar_t* branch;
    bool isVoid;
  };
  const VoidCase voidCases[] = {
      {L"壬", L"子", L"寅", true},  {L"壬", L"戌", L"寅", false}, {L"甲", L"子", L"戌", true},
      {L"甲", L"子", L"亥", true},  {L"癸", L"亥", L"丑", true},  {L"癸", L"亥", L"寅", false},
      {L"甲", L"丑", L"戌", false},  // not a stem-branch pair: no decade
  };
  for (const VoidCase& c : voidCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.dayStem) + c.dayBranch + c.branch));
    FourPillarsChart day;
    day.pillars[kDayPillar].stem = c.dayStem;
    day.pillars[kDayPillar].branch = c.dayBranch;
    std::vector<std::wstring> list(kStarNameSlots);
    AddVoidStar(c.branch, list, day);
    EXPECT_EQ(JoinedUsedEntries(list), c.isVoid ? L"空亡" : L"");
    EXPECT_EQ(day.starCounts[kStar空亡], c.isVoid ? 1 : 0);
  }
}

FourPillarsChart ChartOf(const wchar_t* sex, const wchar_t* pillars[4]) {
  FourPillarsChart chart;
  chart.sexText = sex;
  chart.yinYangText =
      vocabulary::LookupStemIndex(std::wstring(1, pillars[0][0])) % 2 == 0 ? L"陽" : L"陰";
  for (int i = 0; i < 4; ++i) {
    chart.pillars[i].stem = std::wstring(1, pillars[i][0]);
    chart.pillars[i].branch = std::wstring(1, pillars[i][1]);
  }
  return chart;
}

// A woman of year 甲子, month 戊辰, day 丙子, hour 壬寅 under the basis 年日: the year and day
// branches are both 子, so the branch stars come twice and the hour list outgrows its 12 slots.
TEST(ChartSpiritStars, WholeChartKeepsEveryNameInOrder) {
  const wchar_t* pillars[4] = {L"甲子", L"戊辰", L"丙子", L"壬寅"};
  FourPillarsChart chart = ChartOf(L"女", pillars);
  AddChartSpiritStars(chart, SpiritStarBasis::kYearAndDayBranch);
  EXPECT_EQ(JoinedUsedEntries(chart.pillars[kHourPillar].starNames),
            L"學堂 福星 紅艷 天德 月德 血刃 驛馬 孤神 喪門 驛馬 孤神 喪門 隔角 文昌");
  EXPECT_EQ(JoinedUsedEntries(chart.pillars[kMonthPillar].starNames), L"華蓋 華蓋 日德");
  EXPECT_EQ(chart.starCounts[kStar驛馬], 2);
  EXPECT_EQ(chart.starCounts[kStar隔角], 1);
  EXPECT_EQ(chart.starCounts[kStar華蓋], 2);
  EXPECT_EQ(chart.starCounts[kStar陰陽], 1);  // the day 丙子
  EXPECT_EQ(chart.starCounts[kStar差錯], 1);
}

TEST(ChartSpiritStars, BasisSelectsTheBranchSets) {
  const wchar_t* pillars[4] = {L"甲子", L"戊辰", L"丙子", L"壬寅"};
  const auto hourStarCount = [&](int basis) {
    FourPillarsChart chart = ChartOf(L"女", pillars);
    chart.pillars[kLifePalacePillar].stem = L"丙";
    chart.pillars[kLifePalacePillar].branch = L"寅";
    AddChartSpiritStars(chart, static_cast<SpiritStarBasis>(basis));
    // The life palace 丙寅 lists the hour's branch stars, without counting them; the hour 壬寅
    // has 天德 月德 隔角 文昌 besides.
    EXPECT_EQ(UsedEntryCount(chart.pillars[kLifePalacePillar].starNames),
              UsedEntryCount(chart.pillars[kHourPillar].starNames) - 4);
    return chart.starCounts[kStar驛馬];
  };
  EXPECT_EQ(hourStarCount(0), 1);
  EXPECT_EQ(hourStarCount(1), 1);
  EXPECT_EQ(hourStarCount(2), 2);
  // Any other value (the command line's "R2" passes any number) acts as 2, "年日".
  EXPECT_EQ(hourStarCount(3), 2);
  EXPECT_EQ(hourStarCount(7), 2);
  EXPECT_EQ(hourStarCount(-1), 2);
}

}  // namespace
}  // namespace chart
