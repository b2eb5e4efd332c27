#include "almanac/year_spirit_stars.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "vocabulary/vocabulary_lists.h"

namespace almanac {
namespace {

using vocabulary::kSexagenaryNames;

const std::vector<std::wstring> kStems(vocabulary::kHeavenlyStems.begin(),
                                       vocabulary::kHeavenlyStems.end());
const std::vector<std::wstring> kBranches(vocabulary::kEarthlyBranches.begin(),
                                          vocabulary::kEarthlyBranches.end());

std::vector<std::wstring> Used(const SpiritStarList& list) {
  return {list.begin(), list.begin() + static_cast<long>(UsedSlotCount(list))};
}

// The six calls of the almanac page, in its order.
struct YearLists {
  SpiritStarList auspicious = SpiritStarList(kYearListSlots);
  SpiritStarList inauspicious = SpiritStarList(kYearListSlots);
};
YearLists FindYearStars(const std::wstring& yearPillar, const std::wstring& dayPillar) {
  YearLists lists;
  const std::wstring ys = yearPillar.substr(0, 1), yb = yearPillar.substr(1, 1);
  const std::wstring ds = dayPillar.substr(0, 1), db = dayPillar.substr(1, 1);
  FindYearStemAuspicious(ys, ds, lists.auspicious);
  FindYearBranchAuspicious(yb, db, lists.auspicious);
  FindYearStemInauspicious(ys, ds, lists.inauspicious);
  FindYearStemInauspicious(ys, db, lists.inauspicious);
  FindYearBranchInauspicious(yb, ds, lists.inauspicious);
  FindYearBranchInauspicious(yb, db, lists.inauspicious);
  return lists;
}

using Names = std::vector<std::wstring>;

TEST(YearSpiritStars, StemAuspiciousCases) {
  struct Case {
    const wchar_t* yearStem;
    const wchar_t* dayStem;
    Names names;
  };
  const Case cases[] = {
      {L"甲", L"甲", {L"歲德", L"歲幹合"}},
      {L"甲", L"己", {L"歲德合", L"歲幹合"}},
      {L"甲", L"乙", {}},
      {L"乙", L"庚", {L"歲德", L"歲幹合"}},
      {L"乙", L"乙", {L"歲德合", L"歲幹合"}},
      {L"癸", L"戊", {L"歲德", L"歲幹合"}},
      {L"x", L"甲", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.yearStem) + c.dayStem);
    SpiritStarList list(kYearListSlots);
    FindYearStemAuspicious(c.yearStem, c.dayStem, list);
    EXPECT_EQ(Used(list), c.names);
  }
}

// The table agrees with the rule on stem indexes for every pair of stems.
TEST(YearSpiritStars, StemAuspiciousFollowsTheIndexRule) {
  for (int y = 0; y < 10; ++y) {
    for (int d = 0; d < 10; ++d) {
      SCOPED_TRACE(kStems[y] + kStems[d]);
      Names expected;
      const bool partner = (y - d + 10) % 5 == 0;
      if (y % 2 == 0) {
        if (d == y) {
          expected.push_back(L"歲德");
        } else if (partner) {
          expected.push_back(L"歲德合");
        }
      } else {
        if (d != y && partner) {
          expected.push_back(L"歲德");
        } else if (d == y) {
          expected.push_back(L"歲德合");
        }
      }
      if (partner) {
        expected.push_back(L"歲幹合");
      }
      SpiritStarList list(kYearListSlots);
      FindYearStemAuspicious(kStems[y], kStems[d], list);
      EXPECT_EQ(Used(list), expected);
    }
  }
}

TEST(YearSpiritStars, BranchAuspiciousCases) {
  struct Case {
    const wchar_t* yearBranch;
    const wchar_t* dayBranch;
    Names names;
  };
  const Case cases[] = {
      {L"子", L"巳", {L"歲支德", L"博士"}}, {L"子", L"亥", {L"奏書"}}, {L"未", L"子", {L"歲支德"}},
      {L"寅", L"未", {L"歲支德", L"博士"}}, {L"子", L"子", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.yearBranch) + c.dayBranch);
    SpiritStarList list(kYearListSlots);
    FindYearBranchAuspicious(c.yearBranch, c.dayBranch, list);
    EXPECT_EQ(Used(list), c.names);
  }
  // 歲支德 stands five branches after the year branch.
  for (int y = 0; y < 12; ++y) {
    for (int d = 0; d < 12; ++d) {
      SpiritStarList list(kYearListSlots);
      FindYearBranchAuspicious(kBranches[y], kBranches[d], list);
      EXPECT_EQ(list[0] == L"歲支德", (y - d + 12) % 12 == 7);
    }
  }
}

TEST(YearSpiritStars, InauspiciousCases) {
  struct Case {
    const wchar_t* yearPillar;
    const wchar_t* dayPillar;
    Names names;
  };
  const Case cases[] = {
      // 乙卯 in a 丁 year: 破敗五鬼 from the stem, then 金神 and 破敗五鬼 from the branch.
      {L"丁卯", L"乙卯", {L"破敗五鬼", L"金神", L"破敗五鬼", L"太歲", L"大煞"}},
      // 巳 year: 甲 and 乙 days bring 伏兵(大禍); a 亥 day 歲破(大耗) and 五鬼.
      {L"乙巳", L"甲子", {L"伏兵(大禍)"}},
      {L"乙巳", L"丁亥", {L"歲破(大耗)", L"五鬼"}},
      {L"乙巳", L"乙巳", {L"金神", L"伏兵(大禍)", L"太歲"}},
      // 午 year, 戌 day: the cell's own order, not the row order (官符 before 黃幡).
      {L"甲午", L"丙戌", {L"黃幡", L"官符(畜官)", L"五鬼"}},
      {L"甲子", L"丙子", {L"伏兵(大禍)", L"太歲", L"大煞"}},
      // The largest count: 8 names.
      {L"戊辰",
       L"丙子",
       {L"破敗五鬼", L"金神", L"伏兵(大禍)", L"大將軍", L"群醜", L"白虎", L"大煞", L"五鬼"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.yearPillar) + c.dayPillar);
    EXPECT_EQ(Used(FindYearStars(c.yearPillar, c.dayPillar).inauspicious), c.names);
  }
}

TEST(YearSpiritStars, OrderExceptionOfWuYearXuDay) {
  // Every 戌 day of every 午 year: the three names stand together in the cell's order.
  for (const wchar_t* year : {L"甲午", L"丙午", L"戊午", L"庚午", L"壬午"}) {
    for (const wchar_t* day : {L"甲戌", L"丙戌", L"戊戌", L"庚戌", L"壬戌"}) {
      SCOPED_TRACE(std::wstring(year) + day);
      const Names names = Used(FindYearStars(year, day).inauspicious);
      const auto first = std::find(names.begin(), names.end(), L"黃幡");
      ASSERT_LE(first + 3, names.end());
      EXPECT_EQ(Names(first, first + 3), (Names{L"黃幡", L"官符(畜官)", L"五鬼"}));
      EXPECT_EQ(std::count(names.begin(), names.end(), L"官符(畜官)"), 1);
    }
  }
  // The neighbouring cells keep the row order.
  SpiritStarList list(kYearListSlots);
  FindYearBranchInauspicious(L"寅", L"戌", list);
  EXPECT_EQ(Used(list), (Names{L"蠶室", L"蠶官", L"白虎", L"黃幡", L"飛廉"}));
}

// A key that is not a stem or branch of the lists adds nothing. (Written on stem and branch
// indexes, the rules would take such a key as index -1 and name 歲德合 and 歲幹合 in a 戊 year,
// 歲支德 in a 午 year and 歲破 in a 巳 year.)
TEST(YearSpiritStars, KeysOutsideTheListsAddNothing) {
  for (const wchar_t* bad : {L"", L"x", L"甲子", L"甲 己"}) {
    SCOPED_TRACE(bad);
    for (const std::wstring& stem : kStems) {
      SpiritStarList list(kYearListSlots);
      FindYearStemAuspicious(stem, bad, list);
      FindYearStemInauspicious(stem, bad, list);
      EXPECT_EQ(UsedSlotCount(list), 0u);
    }
    for (const std::wstring& branch : kBranches) {
      SpiritStarList list(kYearListSlots);
      FindYearBranchAuspicious(branch, bad, list);
      FindYearBranchInauspicious(branch, bad, list);
      EXPECT_EQ(UsedSlotCount(list), 0u);
    }
  }
}

TEST(YearSpiritStars, StemCallsMatchOnlyStemCellsAndBranchCallsOnlyBranchCells) {
  for (int y = 0; y < 12; ++y) {
    for (const std::wstring& stem : kStems) {
      SpiritStarList list(kYearListSlots);
      FindYearBranchInauspicious(kBranches[y], stem, list);
      EXPECT_LE(UsedSlotCount(list), 1u);
      EXPECT_TRUE(list[0].empty() || list[0] == L"伏兵(大禍)");
      if (kBranches[y] == L"巳") {  // 伏兵(大禍) on 甲 and 乙 days only
        EXPECT_EQ(list[0] == L"伏兵(大禍)", stem == L"甲" || stem == L"乙");
      }
    }
  }
  for (int y = 0; y < 10; ++y) {
    for (const std::wstring& stem : kStems) {
      SpiritStarList list(kYearListSlots);
      FindYearStemInauspicious(kStems[y], stem, list);
      EXPECT_TRUE(list[0].empty() || list[0] == L"破敗五鬼");
    }
  }
}

// Over every pair of year pillar and day pillar, the most names a day gets: 4 and 8 of 12.
TEST(YearSpiritStars, ListMaximaOverEveryPairOfPillars) {
  std::size_t mostAuspicious = 0;
  std::size_t mostInauspicious = 0;
  for (const std::wstring_view yearName : kSexagenaryNames) {
    const std::wstring year(yearName);
    for (const std::wstring_view dayName : kSexagenaryNames) {
      const std::wstring day(dayName);
      const YearLists lists = FindYearStars(year, day);
      mostAuspicious = std::max(mostAuspicious, UsedSlotCount(lists.auspicious));
      mostInauspicious = std::max(mostInauspicious, UsedSlotCount(lists.inauspicious));
    }
  }
  EXPECT_EQ(mostAuspicious, 4u);
  EXPECT_EQ(mostInauspicious, 8u);
  EXPECT_EQ(Used(FindYearStars(L"甲子", L"己巳").auspicious),
            (Names{L"歲德合", L"歲幹合", L"歲支德", L"博士"}));
}

}  // namespace
}  // namespace almanac
