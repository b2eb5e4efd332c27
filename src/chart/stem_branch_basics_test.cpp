#include "chart/stem_branch_basics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace chart {
namespace {

const wchar_t* const kStemList[] = {L"甲", L"乙", L"丙", L"丁", L"戊",
                                    L"己", L"庚", L"辛", L"壬", L"癸"};

TEST(StemBranchBasics, NamesByIndex) {
  EXPECT_EQ(StemName(0), L"甲");
  EXPECT_EQ(StemName(9), L"癸");
  EXPECT_EQ(StemName(-1), L"");
  EXPECT_EQ(StemName(10), L"");
  EXPECT_EQ(BranchName(0), L"子");
  EXPECT_EQ(BranchName(11), L"亥");
  EXPECT_EQ(BranchName(12), L"");
  EXPECT_EQ(BranchName(-12), L"");
}

TEST(StemBranchBasics, YinAndYang) {
  struct Case {
    const wchar_t* text;
    int stem;
    int branch;
  };
  const Case cases[] = {
      {L"甲", 1, -1}, {L"乙", 0, -1},    {L"壬", 1, -1},  {L"癸", 0, -1},
      {L"子", -1, 1}, {L"丑", -1, 0},    {L"戌", -1, 1},  {L"亥", -1, 0},
      {L"", -1, -1},  {L"甲子", -1, -1}, {L"木", -1, -1}, {L" 甲", -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.stem << " " << c.branch);
    EXPECT_EQ(IsYangStem(c.text), c.stem);
    EXPECT_EQ(IsYangBranch(c.text), c.branch);
  }
}

TEST(StemBranchBasics, YinStemIndexSwapsPairs) {
  const int expected[] = {1, 0, 3, 2, 5, 4, 7, 6, 9, 8};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(YinStemIndex(kStemList[i]), expected[i]);
  }
  EXPECT_EQ(YinStemIndex(L""), -1);
  EXPECT_EQ(YinStemIndex(L"子"), -1);
}

TEST(StemBranchBasics, ElementOfStem) {
  const wchar_t* const elements[] = {L"木", L"木", L"火", L"火", L"土",
                                     L"土", L"金", L"金", L"水", L"水"};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(ElementOfStem(kStemList[i]), elements[i]);
  }
  EXPECT_EQ(ElementOfStem(L"戊"), L"土");
  EXPECT_EQ(ElementOfStem(L"子"), L"");
  EXPECT_EQ(ElementOfStem(L""), L"");
}

TEST(StemBranchBasics, TenGodCases) {
  struct Case {
    const wchar_t* dayStem;
    const wchar_t* stem;
    const wchar_t* tenGod;
  };
  const Case cases[] = {
      {L"甲", L"甲", L"比肩"}, {L"乙", L"甲", L"劫財"}, {L"甲", L"壬", L"偏印"},
      {L"癸", L"戊", L"正官"}, {L"", L"甲", L""},       {L"甲", L"", L""},
      {L"子", L"甲", L""},     {L"甲", L"子", L""},     {L"甲子", L"甲", L""},
      {L"甲", L"甲乙", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    EXPECT_EQ(TenGodOf(c.dayStem, c.stem), c.tenGod);
  }
  // The full rows of 甲 and 乙.
  const wchar_t* const ofJia[] = {L"比肩", L"劫財", L"食神", L"傷官", L"偏財",
                                  L"正財", L"偏官", L"正官", L"偏印", L"正印"};
  const wchar_t* const ofYi[] = {L"劫財", L"比肩", L"傷官", L"食神", L"正財",
                                 L"偏財", L"正官", L"偏官", L"正印", L"偏印"};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(TenGodOf(L"甲", kStemList[i]), ofJia[i]);
    EXPECT_EQ(TenGodOf(L"乙", kStemList[i]), ofYi[i]);
  }
}

// Every pair against the ten gods' meaning: the element relation of the stem to the day stem
// (same, produced by the day, controlled by it, controlling it, producing it) and whether the
// two share yin or yang.
TEST(StemBranchBasics, TenGodOfEveryPairFollowsElementsAndPolarity) {
  const wchar_t* const samePolarity[] = {L"比肩", L"食神", L"偏財", L"偏官", L"偏印"};
  const wchar_t* const otherPolarity[] = {L"劫財", L"傷官", L"正財", L"正官", L"正印"};
  // Production steps from the day element: 0 same, 1 produced, 2 controlled, 3 controlling,
  // 4 producing.
  for (int day = 0; day < 10; ++day) {
    for (int stem = 0; stem < 10; ++stem) {
      SCOPED_TRACE(testing::Message() << day << "," << stem);
      const int steps = ((stem / 2) - (day / 2) + 5) % 5;
      const bool same = day % 2 == stem % 2;
      EXPECT_EQ(TenGodOf(kStemList[day], kStemList[stem]),
                same ? samePolarity[steps] : otherPolarity[steps]);
    }
  }
}

TEST(StemBranchBasics, HiddenStems) {
  struct Case {
    const wchar_t* branch;
    std::vector<std::wstring> slots;
  };
  const Case cases[] = {
      {L"子", {L"癸", L"", L""}},   {L"丑", {L"己", L"辛", L"癸"}}, {L"寅", {L"戊", L"丙", L"甲"}},
      {L"卯", {L"乙", L"", L""}},   {L"辰", {L"戊", L"癸", L"乙"}}, {L"巳", {L"丙", L"庚", L"戊"}},
      {L"午", {L"丁", L"己", L""}}, {L"未", {L"己", L"乙", L"丁"}}, {L"申", {L"庚", L"壬", L"戊"}},
      {L"酉", {L"辛", L"", L""}},   {L"戌", {L"戊", L"丁", L"辛"}}, {L"亥", {L"壬", L"甲", L""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    std::vector<std::wstring> slots = {L"甲", L"甲", L"甲"};  // overwritten, even when unused
    GetHiddenStems(c.branch, slots);
    EXPECT_EQ(slots, c.slots);
  }
  std::vector<std::wstring> kept = {L"甲", L"乙", L"丙"};
  GetHiddenStems(L"甲", kept);
  GetHiddenStems(L"", kept);
  GetHiddenStems(L"子丑", kept);
  EXPECT_EQ(kept, (std::vector<std::wstring>{L"甲", L"乙", L"丙"}));
  std::vector<std::wstring> shortList;
  GetHiddenStems(L"寅", shortList);
  EXPECT_EQ(shortList, (std::vector<std::wstring>{L"戊", L"丙", L"甲"}));
}

TEST(StemBranchBasics, LuckCycleHiddenStemsAndTenGods) {
  std::vector<std::wstring> branches = {L"寅", L"卯", L"辰", L"巳", L"午",
                                        L"未", L"申", L"酉", L"戌", L"亥"};
  TenByThreeStringGrid stems = MakeTenByThreeStringGrid();
  TenByThreeStringGrid gods = MakeTenByThreeStringGrid();
  GetLuckCycleHiddenStems(branches, stems, gods, L"甲");
  EXPECT_EQ(stems[0], (std::vector<std::wstring>{L"戊", L"丙", L"甲"}));
  EXPECT_EQ(gods[0], (std::vector<std::wstring>{L"偏財", L"食神", L"比肩"}));
  EXPECT_EQ(stems[1], (std::vector<std::wstring>{L"乙", L"", L""}));
  EXPECT_EQ(gods[1], (std::vector<std::wstring>{L"劫財", L"", L""}));
  EXPECT_EQ(stems[9], (std::vector<std::wstring>{L"壬", L"甲", L""}));
  EXPECT_EQ(gods[9], (std::vector<std::wstring>{L"偏印", L"比肩", L""}));

  // A day stem that is not a stem gives hidden stems without ten gods.
  TenByThreeStringGrid noGods = MakeTenByThreeStringGrid();
  GetLuckCycleHiddenStems(branches, stems, noGods, L"");
  EXPECT_EQ(noGods[0], (std::vector<std::wstring>{L"", L"", L""}));
}

FourPillarsChart ChartOf(const wchar_t* year, const wchar_t* month, const wchar_t* day,
                         const wchar_t* hour) {
  FourPillarsChart chart;
  const wchar_t* pillars[] = {year, month, day, hour};
  for (int p = 0; p < 4; ++p) {
    const std::wstring text = pillars[p];
    chart.pillars[p].stem = text.substr(0, 1);
    chart.pillars[p].branch = text.size() > 1 ? text.substr(1, 1) : L"";
  }
  return chart;
}

TEST(StemBranchBasics, CountYinYang) {
  struct Case {
    const wchar_t* pillars[4];
    int yang;
  };
  const Case cases[] = {
      {{L"甲子", L"丙寅", L"戊辰", L"庚午"}, 8},
      {{L"乙丑", L"丁卯", L"己巳", L"辛未"}, 0},
      {{L"甲子", L"乙丑", L"丙寅", L"丁卯"}, 4},
      // Texts that are neither yin nor yang do not lower the count.
      {{L"甲子", L"", L"", L""}, 2},
      {{L"", L"", L"", L""}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    FourPillarsChart chart = ChartOf(c.pillars[0], c.pillars[1], c.pillars[2], c.pillars[3]);
    chart.pillars[kLifePalacePillar].stem = L"甲";  // never counted
    chart.pillars[kLifePalacePillar].branch = L"子";
    CountYinYang(chart);
    EXPECT_EQ(chart.yangCount, c.yang);
    EXPECT_EQ(chart.yinCount, 8 - c.yang);
  }
}

}  // namespace
}  // namespace chart
