#include "chart/seasonal_strength.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace chart {
namespace {

constexpr SeasonalStrengthValues kPageValues = {8, 5, 3, 2, 1};
constexpr SeasonalStrengthValues kCommandLineValues = {1, 1, 1, 1, 1};
const std::wstring kElements = L"木火土金水";
const std::wstring kStates = L"旺相休囚死";

TEST(SeasonalStrength, StrengthWords) {
  struct Case {
    int value;
    SeasonalStrengthValues values;
    const wchar_t* word;
  };
  const Case cases[] = {
      {8, kPageValues, L"最強"}, {5, kPageValues, L"強"},          {3, kPageValues, L"平"},
      {2, kPageValues, L"弱"},   {1, kPageValues, L"最弱"},        {4, kPageValues, L""},
      {0, kPageValues, L""},     {1, kCommandLineValues, L"最強"}, {5, {8, 5, 5, 2, 1}, L"強"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    EXPECT_EQ(StrengthWord(c.value, c.values), c.word);
  }
}

TEST(SeasonalStrength, LabelsAndValues) {
  const wchar_t* const labels[] = {L"旺，最強", L"相，強", L"休，平平", L"囚，弱", L"死，最弱"};
  for (int s = 0; s < 5; ++s) {
    EXPECT_EQ(SeasonalStateLabel(kStates.substr(s, 1)), labels[s]);
    EXPECT_EQ(SeasonalStateValue(kStates.substr(s, 1), kPageValues), kPageValues[s]);
  }
  EXPECT_EQ(SeasonalStateLabel(L""), L"");
  EXPECT_EQ(SeasonalStateLabel(L"旺相"), L"");
  EXPECT_EQ(SeasonalStateValue(L"", kPageValues), 0);
  EXPECT_EQ(SeasonalStateValue(L"強", kPageValues), 0);
}

TEST(SeasonalStrength, StatesOfTermsAndElements) {
  struct Case {
    const wchar_t* term;
    const wchar_t* element;
    const wchar_t* state;
  };
  const Case cases[] = {
      {L"大寒", L"土", L"旺"}, {L"穀雨", L"木", L"囚"}, {L"小寒", L"水", L"旺"},
      {L"立春", L"木", L"旺"}, {L"立春", L"火", L"相"}, {L"立春", L"水", L"休"},
      {L"立春", L"金", L"囚"}, {L"立春", L"土", L"死"}, {L"夏至", L"土", L"相"},
      {L"寒露", L"木", L"死"}, {L"冬至", L"火", L"死"}, {L"", L"木", L""},
      {L"立", L"木", L""},     {L"立春", L"", L""},     {L"立春", L"甲", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    EXPECT_EQ(SeasonalStateOfElement(c.term, c.element), c.state);
  }
  EXPECT_EQ(ElementOfSeasonalState(L"大寒", L"旺"), L"土");
  EXPECT_EQ(ElementOfSeasonalState(L"穀雨", L"死"), L"水");
  EXPECT_EQ(ElementOfSeasonalState(L"立", L"旺"), L"");
  EXPECT_EQ(ElementOfSeasonalState(L"立春", L"強"), L"");
}

// For every term of the 24 and every element, the two rules are inverse, and each season's
// five states name the five elements once each; each season's element is 旺 in all its terms.
TEST(SeasonalStrength, EveryTermEveryElement) {
  struct Season {
    const wchar_t* terms[5];
    wchar_t element;
  };
  const Season seasons[] = {
      {{L"立春", L"雨水", L"驚蟄", L"春分", L"清明"}, L'木'},
      {{L"立夏", L"小滿", L"芒種", L"夏至", L"小暑"}, L'火'},
      {{L"立秋", L"處暑", L"白露", L"秋分", L"寒露"}, L'金'},
      {{L"立冬", L"小雪", L"大雪", L"冬至", L"小寒"}, L'水'},
      {{L"穀雨", L"大暑", L"霜降", L"大寒", nullptr}, L'土'},
  };
  int terms = 0;
  for (const Season& season : seasons) {
    for (const wchar_t* term : season.terms) {
      if (term == nullptr) {
        continue;
      }
      ++terms;
      SCOPED_TRACE(testing::Message() << "term " << terms);
      EXPECT_EQ(ElementOfSeasonalState(term, L"旺"), std::wstring(1, season.element));
      std::wstring seen;
      for (int e = 0; e < 5; ++e) {
        const std::wstring element = kElements.substr(e, 1);
        const std::wstring state = SeasonalStateOfElement(term, element);
        ASSERT_EQ(state.size(), 1u);
        EXPECT_EQ(ElementOfSeasonalState(term, state), element);
        seen += state;
      }
      std::sort(seen.begin(), seen.end());
      std::wstring all = kStates;
      std::sort(all.begin(), all.end());
      EXPECT_EQ(seen, all);
    }
  }
  EXPECT_EQ(terms, 24);
}

TEST(SeasonalStrength, ElementsByMonthBranch) {
  const auto four = EarthMonthOption::kWoodFireMetalWater;
  const auto earth = EarthMonthOption::kEarth;
  EXPECT_EQ(ElementOfStateByMonthBranch(L"未", L"死", four), L"金");
  EXPECT_EQ(ElementOfStateByMonthBranch(L"未", L"死", earth), L"水");
  EXPECT_EQ(ElementOfStateByMonthBranch(L"辰", L"旺", four), L"木");
  EXPECT_EQ(ElementOfStateByMonthBranch(L"辰", L"旺", earth), L"土");
  EXPECT_EQ(ElementOfStateByMonthBranch(L"辰", L"旺", static_cast<EarthMonthOption>(7)), L"土");
  EXPECT_EQ(ElementOfStateByMonthBranch(L"丑", L"旺", four), L"水");
  EXPECT_EQ(ElementOfStateByMonthBranch(L"戌", L"旺", four), L"金");
  const wchar_t* const fireMonth[] = {L"火", L"土", L"木", L"水", L"金"};  // 旺 相 休 囚 死
  for (int s = 0; s < 5; ++s) {
    EXPECT_EQ(ElementOfStateByMonthBranch(L"午", kStates.substr(s, 1), earth), fireMonth[s]);
    EXPECT_EQ(ElementOfStateByMonthBranch(L"巳", kStates.substr(s, 1), four), fireMonth[s]);
  }
  EXPECT_EQ(ElementOfStateByMonthBranch(L"甲", L"旺", earth), L"");
  EXPECT_EQ(ElementOfStateByMonthBranch(L"午", L"", earth), L"");
}

TEST(SeasonalStrength, DayMasterValue) {
  EXPECT_EQ(ComputeDayMasterSeasonalValue(L"丙", L"甲", kPageValues), 5);  // 火 相 in spring
  EXPECT_EQ(ComputeDayMasterSeasonalValue(L"庚", L"甲", kPageValues), 2);  // 金 囚 in spring
  EXPECT_EQ(ComputeDayMasterSeasonalValue(L"甲", L"乙", kPageValues), 8);
  EXPECT_EQ(ComputeDayMasterSeasonalValue(L"壬", L"甲", kPageValues), 3);  // 水 休
  EXPECT_EQ(ComputeDayMasterSeasonalValue(L"戊", L"甲", kPageValues), 1);  // 土 死
  EXPECT_EQ(ComputeDayMasterSeasonalValue(L"甲", L"", kPageValues), 0);
  EXPECT_EQ(ComputeDayMasterSeasonalValue(L"", L"甲", kPageValues), 0);
}

TEST(SeasonalStrength, SetSeasonalElements) {
  FourPillarsChart chart;
  SetSeasonalElements(L"木", chart);
  EXPECT_EQ(chart.seasonalElements,
            (std::array<std::wstring, 5>{L"木", L"火", L"水", L"金", L"土"}));
  SetSeasonalElements(L"土", chart);
  EXPECT_EQ(chart.seasonalElements,
            (std::array<std::wstring, 5>{L"土", L"金", L"火", L"木", L"水"}));
  SetSeasonalElements(L"", chart);
  EXPECT_EQ(chart.seasonalElements, (std::array<std::wstring, 5>{L"", L"金", L"火", L"木", L"水"}));
  SetSeasonalElements(L"甲", chart);
  EXPECT_EQ(chart.seasonalElements[0], L"甲");
  EXPECT_EQ(chart.seasonalElements[4], L"水");
}

}  // namespace
}  // namespace chart
