#include "chart/twelve_stages.h"

#include <gtest/gtest.h>

#include <string>

namespace chart {
namespace {

const std::wstring kStems = L"甲乙丙丁戊己庚辛壬癸";
const std::wstring kBranches = L"子丑寅卯辰巳午未申酉戌亥";

TEST(TwelveStages, Cases) {
  struct Case {
    const wchar_t* stem;
    const wchar_t* branch;
    const wchar_t* stage;
  };
  const Case cases[] = {
      {L"甲", L"亥", L"長生"}, {L"乙", L"亥", L"死"},   {L"戊", L"午", L"帝旺"},
      {L"丙", L"午", L"帝旺"}, {L"癸", L"卯", L"長生"}, {L"辛", L"子", L"長生"},
      {L"庚", L"申", L"臨官"}, {L"己", L"未", L"冠帶"}, {L"甲", L"", L""},
      {L"", L"子", L""},       {L"甲乙", L"子", L""},   {L"甲", L"子丑", L""},
      {L"子", L"甲", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    EXPECT_EQ(TwelveStageOf(c.stem, c.branch), c.stage);
  }
}

// Every stem at every branch: the twelve stages in order from the stem's 長生 branch, forward
// for yang stems and backward for yin stems.
TEST(TwelveStages, EveryPairWalksFromLongLife) {
  const wchar_t* const stages[] = {L"長生", L"沐浴", L"冠帶", L"臨官", L"帝旺", L"衰",
                                   L"病",   L"死",   L"墓",   L"絕",   L"胎",   L"養"};
  const std::wstring longLife = L"亥午寅酉寅酉巳子申卯";  // by stem 甲 .. 癸
  for (int s = 0; s < 10; ++s) {
    const int start = static_cast<int>(kBranches.find(longLife[s]));
    for (int b = 0; b < 12; ++b) {
      SCOPED_TRACE(testing::Message() << s << "," << b);
      const int steps = s % 2 == 0 ? (b - start + 12) % 12 : (start - b + 12) % 12;
      EXPECT_EQ(TwelveStageOf(kStems.substr(s, 1), kBranches.substr(b, 1)), stages[steps]);
    }
  }
}

}  // namespace
}  // namespace chart
