#include "chart/bone_weights.h"

#include <gtest/gtest.h>

#include <string>

#include "testing/utf8.h"
#include "vocabulary/calendar_vocabulary.h"

namespace chart {
namespace {

using test_text::EncodeUtf8;

TEST(BoneWeights, NamesAreLookedUpWhole) {
  struct Case {
    int (*lookup)(std::wstring_view);
    const wchar_t* name;
    int weight;
  };
  const Case cases[] = {
      {BoneHourWeight, L"子", 16},   {BoneHourWeight, L"丑", 6},    {BoneHourWeight, L"亥", 6},
      {BoneHourWeight, L"子 ", 0},   {BoneHourWeight, L"", 0},      {BoneHourWeight, L"甲", 0},
      {BoneDayWeight, L"初一", 5},   {BoneDayWeight, L"十八", 18},  {BoneDayWeight, L"三十", 6},
      {BoneDayWeight, L"卅一", 0},   {BoneDayWeight, L"初", 0},     {BoneDayWeight, L"", 0},
      {BoneMonthWeight, L"正", 6},   {BoneMonthWeight, L"十", 8},   {BoneMonthWeight, L"十一", 9},
      {BoneMonthWeight, L"十二", 5}, {BoneMonthWeight, L"閏五", 0}, {BoneMonthWeight, L"一", 0},
      {BoneYearWeight, L"甲子", 12}, {BoneYearWeight, L"己巳", 5},  {BoneYearWeight, L"己卯", 19},
      {BoneYearWeight, L"戊午", 19}, {BoneYearWeight, L"癸亥", 7},  {BoneYearWeight, L"甲丑", 0},
      {BoneYearWeight, L"甲", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(EncodeUtf8(c.name));
    EXPECT_EQ(c.lookup(c.name), c.weight);
  }
}

// Every found name weighs 5 at least, so a birth whose four names are found weighs 21 (5 + 5 +
// 5 + 6) to 71 (19 + 18 + 18 + 16): never below the first verdict, never 72.
TEST(BoneWeights, FoundNamesReachTotalsFrom21To71) {
  auto range = [](const auto& weights) {
    return std::pair(*std::min_element(weights.begin(), weights.end()),
                     *std::max_element(weights.begin(), weights.end()));
  };
  const auto [yearLow, yearHigh] = range(kBoneYearWeights);
  const auto [monthLow, monthHigh] = range(kBoneMonthWeights);
  const auto [dayLow, dayHigh] = range(kBoneDayWeights);
  const auto [hourLow, hourHigh] = range(kBoneHourWeights);
  EXPECT_EQ(yearLow + monthLow + dayLow + hourLow, 21);
  EXPECT_EQ(yearHigh + monthHigh + dayHigh + hourHigh, 71);
}

TEST(BoneWeights, NotationInLiangAndQian) {
  const vocabulary::CalendarVocabulary vocabulary;
  struct Case {
    int weight;
    const char* text;
  };
  const Case cases[] = {
      {12, "一兩二錢"}, {5, "零兩五錢"},  {39, "三兩九錢"},  {0, "零兩零錢"}, {21, "二兩一錢"},
      {72, "七兩二錢"}, {10, "一兩零錢"}, {109, "十兩九錢"}, {-1, ""},        {110, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.weight);
    EXPECT_EQ(EncodeUtf8(FormatBoneWeight(vocabulary, c.weight)), c.text);
  }
}

}  // namespace
}  // namespace chart
