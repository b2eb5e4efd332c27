#include "chart/life_palace.h"

#include <gtest/gtest.h>

#include <string>

namespace chart {
namespace {

TEST(LifePalace, Cases) {
  struct Case {
    const wchar_t* yearStem;
    const wchar_t* monthBranch;
    const wchar_t* hourBranch;
    const wchar_t* palace;  // stem and branch
  };
  const Case cases[] = {
      {L"甲", L"寅", L"卯", L"丙子"}, {L"癸", L"寅", L"子", L"乙卯"},
      {L"甲", L"丑", L"丑", L"丁卯"}, {L"甲", L"寅", L"丑", L"丙寅"},
      {L"己", L"寅", L"丑", L"丙寅"}, {L"乙", L"寅", L"丑", L"戊寅"},
      {L"庚", L"寅", L"丑", L"戊寅"}, {L"丙", L"寅", L"丑", L"庚寅"},
      {L"丁", L"寅", L"丑", L"壬寅"}, {L"戊", L"寅", L"丑", L"甲寅"},
      {L"甲", L"寅", L"寅", L"丁丑"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    FourPillarsChart chart;
    chart.pillars[kYearPillar].stem = c.yearStem;
    chart.pillars[kMonthPillar].branch = c.monthBranch;
    chart.pillars[kHourPillar].branch = c.hourBranch;
    ComputeLifePalacePillar(chart);
    const ChartPillar& palace = chart.pillars[kLifePalacePillar];
    EXPECT_EQ(palace.stem + palace.branch, c.palace);
  }
}

TEST(LifePalace, UnknownTexts) {
  FourPillarsChart noYearStem;
  noYearStem.pillars[kMonthPillar].branch = L"寅";
  noYearStem.pillars[kHourPillar].branch = L"卯";
  ComputeLifePalacePillar(noYearStem);
  EXPECT_EQ(noYearStem.pillars[kLifePalacePillar].stem, L"");
  EXPECT_EQ(noYearStem.pillars[kLifePalacePillar].branch, L"子");

  FourPillarsChart noHour;
  noHour.pillars[kYearPillar].stem = L"甲";
  noHour.pillars[kMonthPillar].branch = L"寅";
  ComputeLifePalacePillar(noHour);
  EXPECT_EQ(noHour.pillars[kLifePalacePillar].stem, L"");
  EXPECT_EQ(noHour.pillars[kLifePalacePillar].branch, L"");
}

// Every year stem, month and hour: the month positions (寅 0 .. 丑 11) of month, hour and
// palace add up to 11 modulo 12, and the palace is one of the sixty pairs, its stem the one the
// year stem gives that month.
TEST(LifePalace, EveryCombinationFollowsTheMonthOrder) {
  const std::wstring stems = L"甲乙丙丁戊己庚辛壬癸";
  const std::wstring branches = L"子丑寅卯辰巳午未申酉戌亥";
  for (int y = 0; y < 10; ++y) {
    for (int m = 0; m < 12; ++m) {
      for (int h = 0; h < 12; ++h) {
        FourPillarsChart chart;
        chart.pillars[kYearPillar].stem = stems.substr(y, 1);
        chart.pillars[kMonthPillar].branch = branches.substr(m, 1);
        chart.pillars[kHourPillar].branch = branches.substr(h, 1);
        ComputeLifePalacePillar(chart);
        const ChartPillar& palace = chart.pillars[kLifePalacePillar];
        ASSERT_EQ(palace.stem.size(), 1u);
        ASSERT_EQ(palace.branch.size(), 1u);
        const int p = static_cast<int>(branches.find(palace.branch));
        const int s = static_cast<int>(stems.find(palace.stem));
        EXPECT_EQ(((m + 10) % 12 + (h + 10) % 12 + (p + 10) % 12) % 12, 11);
        EXPECT_EQ(s % 2, p % 2);
        // The 寅 month of year stem y has stem (2y + 2) mod 10; later months run on.
        EXPECT_EQ(s, (2 * y + 2 + (p + 10) % 12) % 10);
      }
    }
  }
}

}  // namespace
}  // namespace chart
