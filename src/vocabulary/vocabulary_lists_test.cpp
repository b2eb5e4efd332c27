#include "vocabulary/vocabulary_lists.h"

#include <gtest/gtest.h>

#include "vocabulary/cyclic_index.h"

namespace vocabulary {
namespace {

TEST(VocabularyLists, TellingEntries) {
  EXPECT_EQ(kSexagenaryNames[0], L"甲子");
  EXPECT_EQ(kSexagenaryNames[10], L"甲戌");
  EXPECT_EQ(kSexagenaryNames[59], L"癸亥");
  EXPECT_EQ(kLunarDayNames[29], L"三十");
  EXPECT_EQ(kLunarDayNames[30], L"卅一");
  EXPECT_EQ(kLunarMonthNames[0], L"正");
  EXPECT_EQ(kMonthBranches[0], L"寅");
  EXPECT_EQ(kWeekdayNames[0], L"日");
  EXPECT_EQ(kZodiacAnimals[4], L"龍");
}

TEST(VocabularyLists, SexagenaryPairsStemAndBranchCycles) {
  for (int i = 0; i < 60; ++i) {
    SCOPED_TRACE(i);
    ASSERT_EQ(kSexagenaryNames[i].size(), 2u);
    EXPECT_EQ(LookupStemIndex(std::wstring(kSexagenaryNames[i].substr(0, 1))), i % 10);
    EXPECT_EQ(LookupBranchIndex(std::wstring(kSexagenaryNames[i].substr(1, 1))), i % 12);
  }
}

TEST(VocabularyLists, TermListsAgreeWithTheTermLookup) {
  for (int i = 0; i < 12; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(LookupSolarTermIndex(std::wstring(kSectionTermsByMonthBranch[i])), 2 * i);
    EXPECT_EQ(LookupSolarTermIndex(std::wstring(kMidTermsByGregorianMonth[i])),
              2 * ((i + 10) % 12) + 1);
    // The section term of Gregorian month m opens the month whose branch is listed at m - 2.
    EXPECT_EQ(kSectionTermsByGregorianMonth[i], kSectionTermsByMonthBranch[(i + 11) % 12]);
  }
}

TEST(NameLookups, KeysAndNonKeys) {
  struct Case {
    const wchar_t* name;
    int term;
    int branch;
    int stem;
  };
  const Case cases[] = {
      {L"立春", 0, -1, -1},  {L"穀雨", 5, -1, -1},  {L"冬至", 21, -1, -1},  {L"小寒", 22, -1, -1},
      {L"大寒", 23, -1, -1}, {L"子", -1, 0, -1},    {L"亥", -1, 11, -1},    {L"甲", -1, -1, 0},
      {L"癸", -1, -1, 9},    {L"", -1, -1, -1},     {L"立春 ", -1, -1, -1}, {L" 立春", -1, -1, -1},
      {L"立", -1, -1, -1},   {L"子丑", -1, -1, -1}, {L"甲子", -1, -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
    EXPECT_EQ(LookupSolarTermIndex(c.name), c.term);
    EXPECT_EQ(LookupBranchIndex(c.name), c.branch);
    EXPECT_EQ(LookupStemIndex(c.name), c.stem);
  }
}

TEST(CyclicIndex, FloorsTowardsMinusInfinity) {
  EXPECT_EQ(FloorMod(-1, 12), 11);
  EXPECT_EQ(FloorMod(-12, 12), 0);
  EXPECT_EQ(FloorMod(-13, 60), 47);
  EXPECT_EQ(FloorMod(25, 12), 1);
}

}  // namespace
}  // namespace vocabulary
