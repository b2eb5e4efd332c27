#include "chart/day_stem_month_stars.h"

#include <gtest/gtest.h>

#include "chart/chart_test_support.h"

namespace chart {
namespace {

TEST(DayStemStars, RowsInOrderAndTheWomensRow) {
  struct Case {
    const wchar_t* stem;
    const wchar_t* branch;
    const wchar_t* man;
    const wchar_t* woman;
  };
  const Case cases[] = {
      {L"甲", L"卯", L"羊刃 正桃", L"羊刃 正桃"},
      {L"乙", L"卯", L"祿元 正桃 福星", L"祿元 正桃 福星"},
      {L"癸", L"卯", L"學堂 陰貴 福星", L"學堂 陰貴 福星"},
      {L"丙", L"寅", L"學堂 福星", L"學堂 福星 紅艷"},
      {L"甲", L"午", L"", L"紅艷"},
      {L"庚", L"申", L"祿元", L"祿元 紅艷"},
      {L"乙", L"午", L"學堂", L"學堂"},  // 乙's 紅艷 is at 申 only
      {L"庚", L"戌", L"金輿", L"金輿 紅艷"},
      {L"子", L"甲", L"", L""},
  };
  for (const Case& c : cases) {
    for (const wchar_t* sex : {L"男", L"女"}) {
      SCOPED_TRACE(testing::PrintToString(std::wstring(c.stem) + c.branch + sex));
      FourPillarsChart chart;
      chart.sexText = sex;
      std::vector<std::wstring> names(kStarNameSlots);
      AddDayStemStars(c.stem, c.branch, names, chart, 1);
      EXPECT_EQ(JoinedUsedEntries(names), sex == std::wstring(L"男") ? c.man : c.woman);
    }
  }
}

TEST(DayStemStars, CountFlagAndAppendingAfterEarlierNames) {
  FourPillarsChart chart;
  chart.sexText = L"男";
  std::vector<std::wstring> palace(kStarNameSlots);
  AddDayStemStars(L"乙", L"卯", palace, chart, 0);
  EXPECT_EQ(JoinedUsedEntries(palace), L"祿元 正桃 福星");
  EXPECT_EQ(chart.starCounts, FourPillarsChart().starCounts);

  std::vector<std::wstring> year(kStarNameSlots);
  AddDayStemStars(L"庚", L"申", year, chart, 1);
  AddMonthBranchStars(L"丑", L"庚", year, chart, 1);
  EXPECT_EQ(JoinedUsedEntries(year), L"祿元 天德 月德");
  EXPECT_EQ(chart.starCounts[kStar祿元], 1);
  EXPECT_EQ(chart.starCounts[kStar天德], 1);
  EXPECT_EQ(chart.starCounts[kStar月德], 1);
}

TEST(MonthBranchStars, SubjectsAreStemsOrBranches) {
  struct Case {
    const wchar_t* month;
    const wchar_t* subject;
    const wchar_t* names;
  };
  const Case cases[] = {
      {L"亥", L"亥", L"血刃"}, {L"丑", L"庚", L"天德 月德"}, {L"寅", L"寅", L""},
      {L"寅", L"丁", L"天德"}, {L"寅", L"丙", L"月德"},      {L"卯", L"申", L"天德"},
      {L"子", L"巳", L"天德"}, {L"子", L"午", L"血刃"},      {L"辰", L"壬", L"天德 月德"},
      {L"甲", L"丁", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.month) + c.subject));
    FourPillarsChart chart;
    std::vector<std::wstring> names(kStarNameSlots);
    AddMonthBranchStars(c.month, c.subject, names, chart, 1);
    EXPECT_EQ(JoinedUsedEntries(names), c.names);
  }
}

TEST(LuAndBladeCounts, MonthAndHour) {
  struct Case {
    const wchar_t* month;
    const wchar_t* dayStem;
    int lu;
    int blade;
  };
  const Case monthCases[] = {
      {L"午", L"丁", 1, 0}, {L"午", L"戊", 0, 1}, {L"卯", L"乙", 1, 0},
      {L"卯", L"甲", 0, 1}, {L"辰", L"乙", 0, 0},  // a yin stem never counts a 刃
      {L"子", L"癸", 1, 0}, {L"子", L"壬", 0, 1},
  };
  for (const Case& c : monthCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.month) + c.dayStem));
    FourPillarsChart chart;
    CountMonthLuAndBlade(c.month, c.dayStem, chart);
    EXPECT_EQ(chart.truePatternFlags[kMonthLuPatternSlot], c.lu);
    EXPECT_EQ(chart.truePatternFlags[kMonthBladePatternSlot], c.blade);
    EXPECT_EQ(chart.truePatternFlags[kHourLuPatternSlot], 0);
  }

  FourPillarsChart chart;
  CountHourLu(L"戊", L"巳", chart);
  EXPECT_EQ(chart.truePatternFlags[kHourLuPatternSlot], 1);
  CountHourLu(L"戊", L"午", chart);
  EXPECT_EQ(chart.truePatternFlags[kHourLuPatternSlot], 1);
  EXPECT_EQ(chart.truePatternFlags[kMonthLuPatternSlot], 0);
}

}  // namespace
}  // namespace chart
