#include "chart/stem_branch_chart_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace chart {
namespace {

StemBranchChartRequest RequestOf(std::array<std::wstring, 4> pillars) {
  StemBranchChartRequest request;
  request.pillarTexts = std::move(pillars);
  request.name = L"某甲";
  request.sex = L"女";
  return request;
}

// The message of a rejected input, or "" for an accepted one.
std::wstring MessageOf(const ChartEntryResult& result) {
  const ChartRejection* rejection = std::get_if<ChartRejection>(&result);
  return rejection == nullptr ? L"" : rejection->message;
}

TEST(StemBranchChartEntry, IsStemAndIsBranchTakeWholeNames) {
  for (const wchar_t* stem :
       {L"甲", L"乙", L"丙", L"丁", L"戊", L"己", L"庚", L"辛", L"壬", L"癸"}) {
    SCOPED_TRACE(stem);
    EXPECT_EQ(IsStem(stem), 1);
    EXPECT_EQ(IsBranch(stem), 0);
  }
  for (const wchar_t* branch :
       {L"子", L"丑", L"寅", L"卯", L"辰", L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥"}) {
    SCOPED_TRACE(branch);
    EXPECT_EQ(IsBranch(branch), 1);
    EXPECT_EQ(IsStem(branch), 0);
  }
  for (const wchar_t* other : {L"", L"甲子", L"甲 ", L"木", L"a"}) {
    SCOPED_TRACE(other);
    EXPECT_EQ(IsStem(other), 0);
    EXPECT_EQ(IsBranch(other), 0);
  }
}

TEST(StemBranchChartEntry, TestsRunInOrderAndTheFirstFailureIsTheResult) {
  struct Case {
    std::array<std::wstring, 4> pillars;
    const wchar_t* message;
  };
  const std::vector<Case> cases = {
      {{L"甲子", L"甲子", L"甲子", L"甲子"}, L""},        // the pages' initial pillars
      {{L"甲子丑", L"乙丑寅卯", L"甲子", L"甲子"}, L""},  // only the first two characters count
      {{L"子甲", L"甲子", L"甲子", L"甲子"}, L"年天干輸入錯誤 !"},
      {{L"甲甲", L"甲子", L"甲子", L"甲子"}, L"年地支輸入錯誤 !"},  // a stem where a branch goes
      {{L"甲子", L"子", L"甲子", L"甲子"}, L"月天干輸入錯誤 !"},
      {{L"甲子", L"甲", L"甲子", L"甲子"}, L"月地支輸入錯誤 !"},  // one character: no branch
      {{L"甲子", L"甲子", L"", L"甲子"}, L"日天干輸入錯誤 !"},    // empty: no stem
      {{L"甲子", L"甲子", L"甲午 ", L"甲 子"}, L"時地支輸入錯誤 !"},
      {{L"甲子", L"甲子", L"甲x", L"甲子"}, L"日地支輸入錯誤 !"},
      {{L"甲子", L"甲子", L"甲子", L"x子"}, L"時天干輸入錯誤 !"},
      {{L"x子", L"甲子", L"甲子", L"甲x"}, L"年天干輸入錯誤 !"},  // year and hour both wrong
      {{L"甲x", L"甲子", L"甲子", L"x子"}, L"年地支輸入錯誤 !"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pillars[0] + L"," + c.pillars[1] + L"," + c.pillars[2] + L"," + c.pillars[3]);
    const ChartEntryResult result = MakeStemBranchChart(RequestOf(c.pillars));
    EXPECT_EQ(MessageOf(result), c.message);
    if (const ChartHandOver* handOver = std::get_if<ChartHandOver>(&result)) {
      ASSERT_NE(handOver->chart, nullptr);
    }
  }
}

TEST(StemBranchChartEntry, FillsThePillarsSexAndYearYinYang) {
  StemBranchChartRequest request = RequestOf({L"乙丑寅", L"戊寅", L"甲子", L"丙寅"});
  request.spiritStarBasis = SpiritStarBasis::kDayBranch;
  request.annotationText = L"註";
  ChartEntryResult result = MakeStemBranchChart(request);
  ASSERT_TRUE(std::holds_alternative<ChartHandOver>(result));
  const ChartHandOver& handOver = std::get<ChartHandOver>(result);
  const FourPillarsChart& chart = *handOver.chart;
  std::wstring pillars;
  for (int i = kYearPillar; i <= kHourPillar; ++i) {
    pillars += chart.pillars[i].stem + chart.pillars[i].branch;
  }
  EXPECT_EQ(pillars, L"乙丑戊寅甲子丙寅");
  EXPECT_TRUE(chart.pillars[kLifePalacePillar].stem.empty());
  EXPECT_EQ(chart.sexText, L"女");
  EXPECT_EQ(chart.yinYangText, L"陰");
  // A chart without dates: no terms, texts or luck start.
  EXPECT_EQ(chart.trueSolarHour, 0);
  EXPECT_TRUE(chart.trueSolarTimeText.empty());
  EXPECT_TRUE(chart.yearText.empty());
  EXPECT_TRUE(chart.lunarMonthText.empty());
  EXPECT_TRUE(chart.sectionTermName.empty());
  EXPECT_TRUE(chart.luckStartText.empty());
  EXPECT_EQ(chart.luckStartDays, 0.0);
  EXPECT_EQ(chart.daysSinceSectionTerm, 0.0);
  EXPECT_EQ(chart.yearAdvanced, 0);
  EXPECT_TRUE(chart.personName.empty());  // the derivation copies the name
  // Handed over as a chart without dates and with scheme 0.
  EXPECT_EQ(handOver.birthMonth, 0);
  EXPECT_EQ(handOver.birthDay, 0);
  EXPECT_EQ(handOver.birthHour, 0);
  EXPECT_EQ(handOver.birthMinute, 0);
  EXPECT_EQ(handOver.scheme, MonthCommandDivisionScheme::kSeasonalState);
  EXPECT_EQ(handOver.nameText, L"某甲");
  EXPECT_EQ(handOver.spiritStarBasis, SpiritStarBasis::kDayBranch);
  EXPECT_EQ(handOver.values, kInitialSeasonalStrengthValues);
  EXPECT_EQ(handOver.annotationText, L"註");
}

TEST(StemBranchChartEntry, SeasonalElementsByMonthBranchAndOption) {
  struct Case {
    const wchar_t* month;
    EarthMonthOption option;
    std::array<std::wstring, 5> elements;  // 旺 相 休 囚 死
  };
  const std::vector<Case> cases = {
      {L"戊辰", EarthMonthOption::kEarth, {L"土", L"金", L"火", L"木", L"水"}},
      {L"戊辰", EarthMonthOption::kWoodFireMetalWater, {L"木", L"火", L"水", L"金", L"土"}},
      {L"丙寅", EarthMonthOption::kEarth, {L"木", L"火", L"水", L"金", L"土"}},
      {L"庚午", EarthMonthOption::kEarth, {L"火", L"土", L"木", L"水", L"金"}},
      {L"辛未", EarthMonthOption::kWoodFireMetalWater, {L"火", L"土", L"木", L"水", L"金"}},
      {L"丁丑", static_cast<EarthMonthOption>(5), {L"土", L"金", L"火", L"木", L"水"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.month) + std::to_wstring(static_cast<int>(c.option)));
    StemBranchChartRequest request = RequestOf({L"甲子", c.month, L"甲子", L"甲子"});
    request.earthMonthOption = c.option;
    const ChartEntryResult result = MakeStemBranchChart(request);
    ASSERT_TRUE(std::holds_alternative<ChartHandOver>(result));
    EXPECT_EQ(std::get<ChartHandOver>(result).chart->seasonalElements, c.elements);
  }
}

TEST(StemBranchChartEntry, DayMasterTakesTheValueOfItsElementsState) {
  struct Case {
    const wchar_t* month;
    const wchar_t* day;
    SeasonalStrengthValues values;
    int value;
  };
  const std::vector<Case> cases = {
      {L"丙寅", L"戊子", {8, 5, 3, 2, 1}, 1},  // 土 in a wood month: 死
      {L"丙寅", L"甲子", {8, 5, 3, 2, 1}, 8},  // 旺
      {L"丙寅", L"丙子", {8, 5, 3, 2, 1}, 5},  // 相
      {L"丙寅", L"壬子", {8, 5, 3, 2, 1}, 3},  // 休
      {L"丙寅", L"庚子", {8, 5, 3, 2, 1}, 2},  // 囚
      {L"丙寅", L"庚子", {1, 1, 1, 1, 1}, 1},  // the command line's values
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.month) + c.day);
    StemBranchChartRequest request = RequestOf({L"甲子", c.month, c.day, L"甲子"});
    request.values = c.values;
    const ChartEntryResult result = MakeStemBranchChart(request);
    ASSERT_TRUE(std::holds_alternative<ChartHandOver>(result));
    EXPECT_EQ(std::get<ChartHandOver>(result).chart->dayMasterStrengthValue, c.value);
  }
}

}  // namespace
}  // namespace chart
