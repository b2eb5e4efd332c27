#include "chart/chart_settings.h"

#include <gtest/gtest.h>

#include <string>

namespace chart {
namespace {

TEST(ChartSettings, RadioButtonsReadTheFirstSelected) {
  EXPECT_EQ(ReadSpiritStarBasis(true, true, true), SpiritStarBasis::kYearBranch);
  EXPECT_EQ(ReadSpiritStarBasis(false, true, true), SpiritStarBasis::kDayBranch);
  EXPECT_EQ(ReadSpiritStarBasis(false, false, true), SpiritStarBasis::kYearAndDayBranch);
  EXPECT_EQ(ReadSpiritStarBasis(false, false, false), SpiritStarBasis::kYearBranch);

  EXPECT_EQ(ReadYearChangeRule(true), YearChangeRule::kWinterSolstice);
  EXPECT_EQ(ReadYearChangeRule(false), YearChangeRule::kBeginningOfSpring);

  EXPECT_EQ(ReadMonthCommandDivisionScheme({false, false, false, false, false, false}),
            MonthCommandDivisionScheme::kSeasonalState);
  EXPECT_EQ(ReadMonthCommandDivisionScheme({false, false, true, false, true, false}),
            MonthCommandDivisionScheme::kTongHui);
  EXPECT_EQ(ReadMonthCommandDivisionScheme({false, false, false, false, false, true}),
            MonthCommandDivisionScheme::kXinLun);

  EXPECT_EQ(ReadEarthMonthOption(true), EarthMonthOption::kWoodFireMetalWater);
  EXPECT_EQ(ReadEarthMonthOption(false), EarthMonthOption::kEarth);
}

TEST(ChartSettings, NonZeroValuesBehaveAlike) {
  EXPECT_TRUE(YearTurnsAtWinterSolstice(YearChangeRule::kWinterSolstice));
  EXPECT_FALSE(YearTurnsAtWinterSolstice(YearChangeRule::kBeginningOfSpring));
  EXPECT_FALSE(YearTurnsAtWinterSolstice(static_cast<YearChangeRule>(7)));
  EXPECT_FALSE(EarthMonthsAreEarth(EarthMonthOption::kWoodFireMetalWater));
  EXPECT_TRUE(EarthMonthsAreEarth(EarthMonthOption::kEarth));
  EXPECT_TRUE(EarthMonthsAreEarth(static_cast<EarthMonthOption>(-3)));
}

TEST(ChartSettings, StrengthFieldsReadAsUnsignedIntegers) {
  struct Case {
    const wchar_t* text;
    int value;
  };
  const Case cases[] = {
      {L"8", 8},
      {L"0", 0},
      {L"  12", 12},
      {L"", 0},
      {L"-3", 0},
      {L"abc", 0},
      {L"5x", 0},
      {L"+5", 0},
      {L"2147483647", 2147483647},
      {L"99999999999999999999", 2147483647},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value);
    EXPECT_EQ(ReadSeasonalStrengthValue(c.text), c.value);
  }
}

TEST(ChartSettings, AnnotationIsCutTo1023Characters) {
  EXPECT_EQ(ReadAnnotationText(L""), L"");
  EXPECT_EQ(ReadAnnotationText(L"註解"), L"註解");
  const std::wstring exact(1023, L'註');
  EXPECT_EQ(ReadAnnotationText(exact), exact);
  const std::wstring longer = std::wstring(1023, L'a') + L"bcd";
  EXPECT_EQ(ReadAnnotationText(longer), std::wstring(1023, L'a'));
}

}  // namespace
}  // namespace chart
