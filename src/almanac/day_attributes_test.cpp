#include "almanac/day_attributes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <string>

#include "almanac/reference_table_test_util.h"
#include "engine/julian_day.h"
#include "vocabulary/vocabulary_lists.h"

namespace almanac {
namespace {

using vocabulary::kEarthlyBranches;

// The stem and the branch of pair k of the sixty-pair cycle.
std::wstring StemOfPair(int k) { return std::wstring(vocabulary::kHeavenlyStems[k % 10]); }
std::wstring BranchOfPair(int k) { return std::wstring(kEarthlyBranches[k % 12]); }

TEST(DayAttributes, NayinOfCyclePairs) {
  EXPECT_EQ(NayinName(L"甲", L"子"), L"海中金");
  EXPECT_EQ(NayinName(L"乙", L"丑"), L"海中金");
  EXPECT_EQ(NayinName(L"癸", L"亥"), L"大海水");
  EXPECT_EQ(NayinName(L"甲", L"丑"), L"");        // not a cycle pair
  EXPECT_EQ(NayinName(L"甲子", L""), L"海中金");  // compared as the joined pair
  EXPECT_EQ(NayinName(L"", L""), L"");
  // Every pair of the cycle has a nayin, shared by pairs 2n and 2n + 1 and by no other pair.
  for (int k = 0; k < 60; k += 2) {
    SCOPED_TRACE(k);
    const std::wstring first = NayinName(StemOfPair(k), BranchOfPair(k));
    EXPECT_EQ(first.size(), 3u);
    EXPECT_EQ(NayinName(StemOfPair(k + 1), BranchOfPair(k + 1)), first);
    for (int other = 0; other < 60; other += 2) {
      if (other != k) {
        EXPECT_NE(NayinName(StemOfPair(other), BranchOfPair(other)), first);
      }
    }
  }
}

TEST(DayAttributes, MansionAndTrigramOfJulianDays) {
  const double noon = engine::ComputeJulianDay(2024, 1, 1.5);  // 2024-01-01 12:00
  EXPECT_EQ(noon, 2460311.0);
  EXPECT_EQ(LunarMansionOfDay(noon), L"畢");
  EXPECT_EQ(DayTrigramName(noon), L"巽");
  EXPECT_EQ(LunarMansionOfDay(noon + 1), L"觜");
  EXPECT_EQ(DayTrigramName(noon + 1), L"坎");
  // The names change at 12:00, where whole Julian days fall.
  EXPECT_EQ(LunarMansionOfDay(noon - 0.001), LunarMansionOfDay(noon - 1));
  // Every index of the cycles occurs.
  std::map<std::wstring, int> mansions;
  std::map<std::wstring, int> trigrams;
  for (int d = 0; d < 56; ++d) {
    ++mansions[LunarMansionOfDay(noon + d)];
    ++trigrams[DayTrigramName(noon + d)];
  }
  EXPECT_EQ(mansions.size(), 28u);
  EXPECT_EQ(trigrams.size(), 8u);
  // Defined range: the truncated index argument must be a non-negative 32-bit int.
  EXPECT_EQ(LunarMansionOfDay(-11.5), L"角");  // trunc(-0.5) = 0
  EXPECT_EQ(LunarMansionOfDay(-12.5), L"");
  EXPECT_EQ(DayTrigramName(-5.5), L"乾");
  EXPECT_EQ(DayTrigramName(-6.5), L"");
  EXPECT_EQ(LunarMansionOfDay(3.0e9), L"");
  EXPECT_EQ(DayTrigramName(std::numeric_limits<double>::quiet_NaN()), L"");
  EXPECT_EQ(LunarMansionOfDay(std::numeric_limits<double>::infinity()), L"");
}

TEST(DayAttributes, ClashAndShaByDayBranch) {
  struct Case {
    const wchar_t* branch;
    const wchar_t* clash;
    const wchar_t* sha;
  };
  const Case cases[] = {{L"子", L"馬", L"南"}, {L"丑", L"羊", L"東"}, {L"寅", L"猴", L"北"},
                        {L"卯", L"雞", L"西"}, {L"辰", L"狗", L"南"}, {L"巳", L"豬", L"東"},
                        {L"午", L"鼠", L"北"}, {L"未", L"牛", L"西"}, {L"申", L"虎", L"南"},
                        {L"酉", L"兔", L"東"}, {L"戌", L"龍", L"北"}, {L"亥", L"蛇", L"西"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.branch);
    AlmanacDay day;
    SetClashAndSha(c.branch, day);
    EXPECT_EQ(day.clashAnimal, c.clash);
    EXPECT_EQ(day.shaDirection, c.sha);
  }
  for (const wchar_t* bad : {L"", L"甲", L"子丑"}) {
    AlmanacDay day;
    day.clashAnimal = L"x";
    SetClashAndSha(bad, day);
    EXPECT_EQ(day.clashAnimal, L"x");
    EXPECT_EQ(day.shaDirection, L"");
  }
}

TEST(DayAttributes, DayOfficerFollowsTheMonthOfTheSectionTerm) {
  EXPECT_EQ(DayOfficerName(L"寅", L"立春"), L"建");
  EXPECT_EQ(DayOfficerName(L"卯", L"立春"), L"除");
  EXPECT_EQ(DayOfficerName(L"丑", L"立春"), L"閉");
  EXPECT_EQ(DayOfficerName(L"子", L"大雪"), L"建");
  EXPECT_EQ(DayOfficerName(L"寅", L"雨水"), L"建");  // a mid-term folds onto 立春
  EXPECT_EQ(DayOfficerName(L"x", L"x"), L"建");
  const std::wstring officers = L"建除滿平定執破危成收開閉";
  for (int j = 0; j < 12; ++j) {
    for (int i = 0; i < 12; ++i) {
      const std::wstring term(vocabulary::kSectionTermsByMonthBranch[j]);
      SCOPED_TRACE(term + std::wstring(vocabulary::kMonthBranches[i]));
      EXPECT_EQ(DayOfficerName(std::wstring(vocabulary::kMonthBranches[(j + i) % 12]), term),
                officers.substr(i, 1));
    }
  }
}

TEST(DayAttributes, DayNineStarUnderTheMidTermInForce) {
  struct Case {
    const wchar_t* stem;
    const wchar_t* branch;
    const wchar_t* midTerm;
    const wchar_t* star;
  };
  const Case cases[] = {
      {L"甲", L"子", L"冬至", L"一白"}, {L"甲", L"子", L"大寒", L"一白"},
      {L"甲", L"子", L"雨水", L"七赤"}, {L"甲", L"子", L"春分", L"七赤"},
      {L"甲", L"子", L"穀雨", L"四綠"}, {L"甲", L"子", L"小滿", L"四綠"},
      {L"甲", L"子", L"夏至", L"九紫"}, {L"甲", L"子", L"大暑", L"九紫"},
      {L"甲", L"子", L"處暑", L"三碧"}, {L"甲", L"子", L"秋分", L"三碧"},
      {L"甲", L"子", L"霜降", L"六白"}, {L"甲", L"子", L"小雪", L"六白"},
      {L"乙", L"丑", L"冬至", L"二黑"}, {L"乙", L"丑", L"夏至", L"八白"},
      {L"癸", L"亥", L"冬至", L"六白"},  // 60 mod 9 = 6
      {L"甲", L"子", L"立春", L"九紫"},  // not a mid-term: v = k = 0
      {L"甲", L"戌", L"立春", L""},      // v = k = 10
      {L"甲", L"丑", L"夏至", L"三碧"},  // outside the cycle: k = 60, r = 6, v = 3
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.stem) + c.branch + c.midTerm);
    EXPECT_EQ(DayNineStarName(c.stem, c.branch, c.midTerm), c.star);
  }
  // Ascending groups step up by one star a day, descending groups down by one.
  const std::wstring stars = L"一白二黑三碧四綠五黃六白七赤八白九紫";
  auto value = [&](const std::wstring& star) { return static_cast<int>(stars.find(star)) / 2; };
  for (int k = 0; k < 59; ++k) {
    const std::wstring s0 = StemOfPair(k), b0 = BranchOfPair(k);
    const std::wstring s1 = StemOfPair(k + 1), b1 = BranchOfPair(k + 1);
    for (const wchar_t* up : {L"冬至", L"雨水", L"穀雨"}) {
      EXPECT_EQ((value(DayNineStarName(s1, b1, up)) - value(DayNineStarName(s0, b0, up)) + 9) % 9,
                1);
    }
    for (const wchar_t* down : {L"夏至", L"處暑", L"霜降"}) {
      EXPECT_EQ(
          (value(DayNineStarName(s0, b0, down)) - value(DayNineStarName(s1, b1, down)) + 9) % 9, 1);
    }
  }
}

// Against lunar-javascript 1.7.7 (testdata/almanac_days.tsv, every day of 2020-2030): the
// mansion of 12:00 of each date and the nayin of its day pillar. The library writes some names
// in other forms of the same characters; those are mapped before comparing.
TEST(DayAttributes, MansionAndNayinAgreeWithReferenceLibrary) {
  const auto rows = testing::ReadTsvRows(TAVREL_TESTDATA_DIR "/almanac_days.tsv");
  ASSERT_EQ(rows.size(), 4018u);
  const std::map<std::wstring, std::wstring> libraryWording = {{L"昴", L"昂"},
                                                               {L"桑柘木", L"桑枝木"},
                                                               {L"白蠟金", L"白臘金"},
                                                               {L"覆燈火", L"佛燈火"},
                                                               {L"霹靂火", L"劈靂火"}};
  auto ours = [&](const std::wstring& name) {
    const auto it = libraryWording.find(name);
    return it == libraryWording.end() ? name : it->second;
  };
  int mansionAgree = 0;
  int nayinAgree = 0;
  for (const auto& row : rows) {
    ASSERT_EQ(row.size(), 6u);
    const std::wstring& date = row[0];
    const double noon =
        engine::ComputeJulianDay(std::stoi(date.substr(0, 4)), std::stoi(date.substr(5, 2)),
                                 std::stoi(date.substr(8, 2)) + 0.5);
    if (LunarMansionOfDay(noon) == ours(row[3])) {
      ++mansionAgree;
    } else {
      ADD_FAILURE() << "mansion differs on day " << noon;
    }
    if (NayinName(row[1].substr(0, 1), row[1].substr(1)) == ours(row[4])) {
      ++nayinAgree;
    } else {
      ADD_FAILURE() << "nayin differs on day " << noon;
    }
  }
  std::printf("mansion agrees on %d of %zu days, nayin on %d\n", mansionAgree, rows.size(),
              nayinAgree);
}

}  // namespace
}  // namespace almanac
