#include "almanac/stem_branch_spirit_stars.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "almanac/month_spirit_stars.h"
#include "vocabulary/vocabulary_lists.h"

namespace almanac {
namespace {

using Names = std::vector<std::wstring>;
using vocabulary::kMonthBranches;
using vocabulary::kSexagenaryNames;

Names Used(const SpiritStarList& list) {
  return {list.begin(), list.begin() + static_cast<long>(UsedSlotCount(list))};
}

struct Found {
  Names monthStemBranchAuspicious;
  Names monthStemBranchInauspicious;
  Names stemBranchAuspicious;
  Names stemBranchInauspicious;
};
Found FindAll(const std::wstring& month, const std::wstring& pillar) {
  SpiritStarList a(kMonthListSlots), b(kMonthListSlots), c(kMonthListSlots), d(kMonthListSlots);
  FindMonthStemBranchAuspicious(month, pillar, a);
  FindMonthStemBranchInauspicious(month, pillar, b);
  FindStemBranchAuspicious(pillar, c);
  FindStemBranchInauspicious(pillar, d);
  return {Used(a), Used(b), Used(c), Used(d)};
}

TEST(StemBranchSpiritStars, Cases) {
  Found f = FindAll(L"丑", L"甲子");
  EXPECT_EQ(f.monthStemBranchAuspicious, (Names{L"天赦", L"天願"}));
  EXPECT_EQ(f.stemBranchAuspicious, (Names{L"天恩", L"義日"}));
  f = FindAll(L"辰", L"甲子");
  EXPECT_EQ(f.monthStemBranchAuspicious, (Names{L"陰陽不將"}));
  EXPECT_EQ(f.monthStemBranchInauspicious, (Names{L"地囊", L"四忌"}));
  EXPECT_EQ(FindAll(L"寅", L"丁卯").stemBranchAuspicious, (Names{L"鳴吠對", L"天恩", L"義日"}));
  EXPECT_EQ(FindAll(L"寅", L"癸丑").stemBranchInauspicious, (Names{L"觸水龍", L"八專", L"伐日"}));
  f = FindAll(L"卯", L"戊辰");
  EXPECT_EQ(f.monthStemBranchInauspicious, (Names{L"絕陰(單陰)"}));
  EXPECT_EQ(f.stemBranchAuspicious, (Names{L"天恩"}));
  EXPECT_EQ(f.stemBranchInauspicious, (Names{L"專日"}));
  EXPECT_EQ(FindAll(L"亥", L"己亥").monthStemBranchInauspicious, (Names{L"小會", L"純陰"}));
  EXPECT_EQ(FindAll(L"巳", L"丙午").monthStemBranchInauspicious, (Names{L"歲薄", L"陰陽具錯"}));
  EXPECT_EQ(FindAll(L"子", L"丙午").monthStemBranchInauspicious, (Names{L"四廢", L"陰陽擊衝"}));
  // Keys outside the tables add nothing.
  f = FindAll(L"x", L"甲子");
  EXPECT_TRUE(f.monthStemBranchAuspicious.empty());
  EXPECT_TRUE(f.monthStemBranchInauspicious.empty());
  EXPECT_TRUE(FindAll(L"寅", L"甲丑").stemBranchAuspicious.empty());
  EXPECT_TRUE(FindAll(L"寅", L"甲").stemBranchInauspicious.empty());
  EXPECT_TRUE(FindAll(L"寅", L"").stemBranchInauspicious.empty());
}

// 寶日, 義日, 制日, 專日 and 伐日 hold each pillar once, by the elements of stem and branch.
TEST(StemBranchSpiritStars, ElementRelationDaysCoverEveryPillarOnce) {
  const std::wstring stemElements = L"木木火火土土金金水水";        // 甲 .. 癸
  const std::wstring branchElements = L"水土木木土火火土金金土水";  // 子 .. 亥
  const std::wstring cycle = L"木火土金水";  // each produces the next, controls the one after
  for (const std::wstring_view pillarName : kSexagenaryNames) {
    const std::wstring pillar(pillarName);
    SCOPED_TRACE(pillar);
    const int s = static_cast<int>(
        cycle.find(stemElements[vocabulary::LookupStemIndex(pillar.substr(0, 1))]));
    const int b = static_cast<int>(
        cycle.find(branchElements[vocabulary::LookupBranchIndex(pillar.substr(1, 1))]));
    const wchar_t* expected = s == b             ? L"專日"
                              : (s + 1) % 5 == b ? L"寶日"
                              : (b + 1) % 5 == s ? L"義日"
                              : (s + 2) % 5 == b ? L"制日"
                                                 : L"伐日";
    const Found f = FindAll(L"寅", pillar);
    Names relation;
    for (const Names* names : {&f.stemBranchAuspicious, &f.stemBranchInauspicious}) {
      for (const std::wstring& name : *names) {
        if (name == L"寶日" || name == L"義日" || name == L"制日" || name == L"專日" ||
            name == L"伐日") {
          relation.push_back(name);
        }
      }
    }
    EXPECT_EQ(relation, Names{expected});
  }
}

// The eight calls of the page that fill the month lists, in its order.
struct MonthLists {
  SpiritStarList auspicious = SpiritStarList(kMonthListSlots);
  SpiritStarList inauspicious = SpiritStarList(kMonthListSlots);
  SpiritStarList marks = SpiritStarList(kExtraMarkSlots);
};
MonthLists FindMonthStars(const std::wstring& month, const std::wstring& pillar) {
  MonthLists lists;
  const std::wstring stem = pillar.substr(0, 1), branch = pillar.substr(1, 1);
  FindMonthStemBranchAuspicious(month, pillar, lists.auspicious);
  FindMonthStemBranchInauspicious(month, pillar, lists.inauspicious);
  FindMonthBranchAuspicious(month, stem, lists.auspicious);
  FindMonthBranchAuspicious(month, branch, lists.auspicious);
  FindMonthBranchInauspicious(month, stem, lists.inauspicious, lists.marks);
  FindMonthBranchInauspicious(month, branch, lists.inauspicious, lists.marks);
  FindStemBranchAuspicious(pillar, lists.auspicious);
  FindStemBranchInauspicious(pillar, lists.inauspicious);
  return lists;
}

// Over every month branch and day pillar the month lists hold at most 13, 11 and 2 names.
TEST(StemBranchSpiritStars, MonthListMaximaOverEveryMonthAndPillar) {
  std::size_t mostAuspicious = 0, mostInauspicious = 0, mostMarks = 0;
  for (const std::wstring_view monthName : kMonthBranches) {
    const std::wstring month(monthName);
    for (const std::wstring_view pillarName : kSexagenaryNames) {
      const std::wstring pillar(pillarName);
      const MonthLists lists = FindMonthStars(month, pillar);
      mostAuspicious = std::max(mostAuspicious, UsedSlotCount(lists.auspicious));
      mostInauspicious = std::max(mostInauspicious, UsedSlotCount(lists.inauspicious));
      mostMarks = std::max(mostMarks, UsedSlotCount(lists.marks));
    }
  }
  EXPECT_EQ(mostAuspicious, 13u);
  EXPECT_EQ(mostInauspicious, 11u);
  EXPECT_EQ(mostMarks, 2u);
  EXPECT_EQ(Used(FindMonthStars(L"子", L"丙寅").auspicious),
            (Names{L"月空", L"月滿(福德, 天巫, 天狗)", L"驛馬(天后)", L"天富", L"福星", L"時德",
                   L"相日", L"兵吉", L"天馬", L"五合", L"鳴吠對", L"天恩", L"義日"}));
  EXPECT_EQ(Used(FindMonthStars(L"巳", L"甲申").inauspicious),
            (Names{L"八風", L"月平(河魁, 死神)", L"勾絞", L"血忌", L"月刑", L"遊禍", L"兵禁",
                   L"天刑", L"五虛", L"五離", L"伐日"}));
  EXPECT_EQ(Used(FindMonthStars(L"子", L"癸酉").marks), (Names{L"小紅砂", L"刀砧"}));
}

}  // namespace
}  // namespace almanac
