#include "chart/combinations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <string>

namespace chart {
namespace {

const std::wstring kStems = L"甲乙丙丁戊己庚辛壬癸";
const std::wstring kBranches = L"子丑寅卯辰巳午未申酉戌亥";

FourPillarsChart ChartWithBranches(const std::wstring& branches) {
  FourPillarsChart chart;
  for (int p = 0; p < 4; ++p) {
    chart.pillars[p].branch = branches.substr(p, 1);
  }
  return chart;
}

std::wstring Markers(const std::array<std::wstring, 4>& markers) {
  std::wstring text;
  for (const std::wstring& marker : markers) {
    text += (marker.empty() ? L"-" : marker) + L" ";
  }
  return text;
}

TEST(Combinations, ThreeHarmonyFrames) {
  struct Case {
    const wchar_t* branches;  // year, month, day, hour
    int slot;                 // threeHarmonyFlags slot, -1 for none
    const wchar_t* element;
    const wchar_t* markers;
  };
  const Case cases[] = {
      {L"申子辰寅", 0, L"水", L"- 水局 - - "}, {L"寅申辰子", 0, L"水", L"- - - 水局 "},
      {L"子申子辰", 0, L"水", L"水局 - - - "}, {L"亥卯未子", 1, L"木", L"- 木局 - - "},
      {L"戌午寅午", 2, L"火", L"- 火局 - - "}, {L"丑巳酉酉", 3, L"金", L"- - 金局 - "},
      {L"辰丑戌未", 4, L"土", L"- 土局 - - "}, {L"戌辰丑未", 4, L"土", L"- - 土局 - "},
      {L"丑辰未戌", 4, L"土", L"土局 - - - "}, {L"辰戌丑未", -1, L"", L"- - - - "},
      {L"戌丑辰未", -1, L"", L"- - - - "},     {L"辰戌丑丑", -1, L"", L"- - - - "},
      {L"子子子子", -1, L"", L"- - - - "},     {L"申子甲午", -1, L"", L"- - - - "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    FourPillarsChart chart = ChartWithBranches(c.branches);
    DetectThreeHarmonyFrame(chart);
    EXPECT_EQ(chart.hasFrame, c.slot >= 0 ? 1 : 0);
    for (int slot = 0; slot < 5; ++slot) {
      EXPECT_EQ(chart.threeHarmonyFlags[slot], slot == c.slot ? 1 : 0);
    }
    EXPECT_EQ(chart.frameElement, c.element);
    EXPECT_EQ(Markers(chart.frameMarkers), c.markers);
    EXPECT_EQ(chart.hasDirection, 0);
  }
}

// The earth frame takes 16 of the 24 orders of 辰 戌 丑 未: not those with 戌 in the month, nor
// those with 戌 in the year and 丑 in the month.
TEST(Combinations, EarthFrameOrders) {
  std::wstring order = L"丑戌未辰";
  std::sort(order.begin(), order.end());
  int frames = 0;
  do {
    SCOPED_TRACE(testing::Message() << "order " << frames);
    FourPillarsChart chart = ChartWithBranches(order);
    DetectThreeHarmonyFrame(chart);
    const bool expected = order[1] != L'戌' && !(order[0] == L'戌' && order[1] == L'丑');
    EXPECT_EQ(chart.hasFrame, expected ? 1 : 0);
    frames += chart.hasFrame;
  } while (std::next_permutation(order.begin(), order.end()));
  EXPECT_EQ(frames, 16);
}

// Each pillar's branch is compared whole: the four earth branches spread unevenly over the
// pillars (two joined in one text, another pillar empty) make no earth frame.
TEST(Combinations, EarthFrameNeedsOneBranchInEachPillar) {
  const std::array<std::array<const wchar_t*, 4>, 3> cases = {{
      {L"丑辰", L"未戌", L"", L""},
      {L"丑", L"辰未", L"戌", L""},
      {L"", L"丑辰", L"未", L"戌"},
  }};
  for (const auto& branches : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&branches - cases.data()));
    FourPillarsChart chart;
    for (int p = 0; p < 4; ++p) {
      chart.pillars[p].branch = branches[p];
    }
    DetectThreeHarmonyFrame(chart);
    EXPECT_EQ(chart.hasFrame, 0);
    EXPECT_EQ(chart.threeHarmonyFlags[4], 0);  // 土
    EXPECT_EQ(Markers(chart.frameMarkers), L"- - - - ");
  }
}

TEST(Combinations, DirectionalCombinations) {
  struct Case {
    const wchar_t* branches;
    int slot;
    const wchar_t* element;
    const wchar_t* markers;
  };
  const Case cases[] = {
      {L"寅丑亥子", 0, L"水", L"- - - 水方 "}, {L"辰寅卯卯", 1, L"木", L"- - 木方 - "},
      {L"午巳未申", 2, L"火", L"火方 - - - "}, {L"戌申酉子", 3, L"金", L"- - 金方 - "},
      {L"亥子寅卯", -1, L"", L"- - - - "},     {L"", -1, L"", L"- - - - "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    FourPillarsChart chart = ChartWithBranches(std::wstring(c.branches) + L"    ");
    DetectDirectionalCombination(chart);
    EXPECT_EQ(chart.hasDirection, c.slot >= 0 ? 1 : 0);
    for (int slot = 0; slot < 4; ++slot) {
      EXPECT_EQ(chart.directionFlags[slot], slot == c.slot ? 1 : 0);
    }
    EXPECT_EQ(chart.directionElement, c.element);
    EXPECT_EQ(Markers(chart.directionMarkers), c.markers);
    EXPECT_EQ(chart.hasFrame, 0);
  }
}

TEST(Combinations, NayinCases) {
  FourPillarsChart chart;
  EXPECT_EQ(NayinElement(L"甲", L"子", chart), L"金");
  EXPECT_EQ(NayinElement(L"壬", L"戌", chart), L"水");
  EXPECT_EQ(NayinElement(L"丙", L"寅", chart), L"火");
  EXPECT_EQ(NayinElement(L"戊", L"辰", chart), L"木");
  EXPECT_EQ(NayinElement(L"甲", L"丑", chart), L"");
  EXPECT_EQ(NayinElement(L"", L"子", chart), L"");
  EXPECT_EQ(NayinElement(L"甲", L"子丑", chart), L"");
  // Counts in the order 木 火 土 金 水.
  EXPECT_EQ(chart.nayinElementCounts, (std::array<int, 5>{1, 1, 0, 1, 1}));
}

// All 120 stem-branch pairs: the sixty have the element of their pair of the traditional
// table, the other sixty have none and count nothing.
TEST(Combinations, NayinOfEveryPair) {
  const std::wstring table = L"金火木土金火水土金木水土火木水金火木土金火水土金木水土火木水";
  FourPillarsChart chart;
  int named = 0;
  for (int s = 0; s < 10; ++s) {
    for (int b = 0; b < 12; ++b) {
      SCOPED_TRACE(testing::Message() << s << "," << b);
      const std::wstring element = NayinElement(kStems.substr(s, 1), kBranches.substr(b, 1), chart);
      if (s % 2 != b % 2) {
        EXPECT_EQ(element, L"");
        continue;
      }
      int n = 0;
      while (n % 10 != s || n % 12 != b) {
        ++n;
      }
      EXPECT_EQ(element, table.substr(n / 2, 1));
      ++named;
    }
  }
  EXPECT_EQ(named, 60);
  EXPECT_EQ(std::accumulate(chart.nayinElementCounts.begin(), chart.nayinElementCounts.end(), 0),
            60);
  for (int count : chart.nayinElementCounts) {
    EXPECT_EQ(count, 12);
  }
}

TEST(Combinations, TenGodGroupOfCombination) {
  FourPillarsChart woodFrame = ChartWithBranches(L"亥卯未子");
  DetectThreeHarmonyFrame(woodFrame);
  EXPECT_EQ(TenGodGroupOfCombination(L"庚", woodFrame), L"財");
  EXPECT_EQ(TenGodGroupOfCombination(L"甲", woodFrame), L"比");
  EXPECT_EQ(TenGodGroupOfCombination(L"丙", woodFrame), L"印");
  EXPECT_EQ(TenGodGroupOfCombination(L"壬", woodFrame), L"食");
  EXPECT_EQ(TenGodGroupOfCombination(L"戊", woodFrame), L"官");
  EXPECT_EQ(TenGodGroupOfCombination(L"子", woodFrame), L"");

  FourPillarsChart waterDirection = ChartWithBranches(L"亥子丑寅");
  DetectDirectionalCombination(waterDirection);
  EXPECT_EQ(TenGodGroupOfCombination(L"壬", waterDirection), L"比");

  FourPillarsChart earthFrame = ChartWithBranches(L"辰丑未戌");
  DetectThreeHarmonyFrame(earthFrame);
  EXPECT_EQ(TenGodGroupOfCombination(L"甲", earthFrame), L"財");

  // The directional combination's element wins over the frame's.
  FourPillarsChart both;
  both.hasFrame = 1;
  both.threeHarmonyFlags[1] = 1;  // 木
  both.hasDirection = 1;
  both.directionFlags[3] = 1;  // 金
  EXPECT_EQ(TenGodGroupOfCombination(L"甲", both), L"官");

  FourPillarsChart neither = ChartWithBranches(L"子子子子");
  EXPECT_EQ(TenGodGroupOfCombination(L"甲", neither), L"");
}

}  // namespace
}  // namespace chart
