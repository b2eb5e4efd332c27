#include "almanac/month_spirit_stars.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "vocabulary/vocabulary_lists.h"

namespace almanac {
namespace {

using Names = std::vector<std::wstring>;

Names Used(const SpiritStarList& list) {
  return {list.begin(), list.begin() + static_cast<long>(UsedSlotCount(list))};
}

Names Auspicious(const wchar_t* month, const wchar_t* dayKey) {
  SpiritStarList list(kMonthListSlots);
  FindMonthBranchAuspicious(month, dayKey, list);
  return Used(list);
}

struct Inauspicious {
  Names names;
  Names marks;
};
Inauspicious FindInauspicious(const wchar_t* month, const wchar_t* dayKey) {
  SpiritStarList list(kMonthListSlots);
  SpiritStarList marks(kExtraMarkSlots);
  FindMonthBranchInauspicious(month, dayKey, list, marks);
  return {Used(list), Used(marks)};
}

TEST(MonthSpiritStars, AuspiciousCases) {
  struct Case {
    const wchar_t* month;
    const wchar_t* dayKey;
    Names names;
  };
  const Case cases[] = {
      {L"寅", L"丙", {L"月德", L"月恩", L"四相"}},
      {L"寅", L"丁", {L"天德", L"四相", L"青龍"}},
      {L"寅", L"壬", {L"天德合", L"月空"}},
      {L"寅", L"辛", {L"月德合"}},
      {L"辰", L"丁", {L"天德合, 月德合", L"四相"}},  // one name with a comma inside
      {L"子", L"己", {L"天德"}},                     // the stem 己
      {L"子", L"巳", {L"五富", L"兵吉", L"益後"}},
      {L"卯", L"申", {L"天德", L"解神", L"要安", L"天馬", L"除神"}},  // 天德 from the branch call
      {L"x", L"丙", {}},
      {L"寅", L"x", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.month) + L"/" + c.dayKey);
    EXPECT_EQ(Auspicious(c.month, c.dayKey), c.names);
  }
}

TEST(MonthSpiritStars, InauspiciousCases) {
  struct Case {
    const wchar_t* month;
    const wchar_t* dayKey;
    Names names;
    Names marks;
  };
  const Case cases[] = {
      {L"寅", L"甲", {L"復日"}, {}},
      {L"寅", L"乙", {}, {}},
      {L"戌", L"丑", {L"月平(天罡, 死神)", L"玄武", L"月煞(月虛)"}, {L"小紅砂"}},
      {L"戌", L"酉", {L"月閉(血支)", L"月害", L"天吏(致死)", L"五離"}, {L"小紅砂"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.month) + L"/" + c.dayKey);
    const Inauspicious found = FindInauspicious(c.month, c.dayKey);
    EXPECT_EQ(found.names, c.names);
    EXPECT_EQ(found.marks, c.marks);
  }
}

// The thirteen cells whose names follow an order of their own.
TEST(MonthSpiritStars, OrderExceptions) {
  struct Case {
    const wchar_t* month;
    const wchar_t* day;
    Names names;
  };
  const Case auspicious[] = {
      {L"寅", L"午", {L"祿庫", L"月定(時陰)", L"時德", L"民日", L"臨日", L"天馬", L"三合"}},
      {L"午", L"戌", {L"祿庫", L"月定(時陰)", L"臨日", L"兵吉", L"天倉", L"普護", L"三合"}},
      {L"申",
       L"戌",
       {L"月滿(福德, 天巫, 天狗)", L"守日", L"天富", L"六儀", L"母倉", L"敬安", L"陽德", L"司命"}},
      {L"酉", L"戌", {L"月除(吉期, 兵寶)", L"母倉", L"守日", L"續世"}},
      {L"戌", L"戌", {L"母倉", L"守日", L"天馬"}},
  };
  for (const Case& c : auspicious) {
    SCOPED_TRACE(std::wstring(c.month) + L"/" + c.day);
    EXPECT_EQ(Auspicious(c.month, c.day), c.names);
  }
  const Case inauspicious[] = {
      {L"子",
       L"午",
       {L"月破(大耗)", L"厭對(招搖)", L"天賊", L"血忌", L"災煞(天火)", L"兵禁", L"五虛"}},
      {L"寅", L"丑", {L"月閉(血支)", L"血忌", L"月煞(月虛)", L"土符", L"歸忌", L"天賊", L"五虛"}},
      {L"寅", L"辰", {L"厭對(招搖)", L"九空", L"天賊", L"九坎(九焦)"}},
      {L"辰", L"寅", {L"厭對(招搖)", L"天賊", L"血忌"}},
      {L"巳", L"未", {L"月厭(地火)", L"九空", L"天賊", L"九坎(九焦)", L"大煞"}},
      {L"午",
       L"午",
       {L"月建(兵福, 小時, 土府)", L"月厭(地火)", L"天瘟", L"月刑", L"兵禁", L"土符"}},
      {L"未", L"亥", {L"死氣", L"厭對(招搖)", L"重日"}},
  };
  for (const Case& c : inauspicious) {
    SCOPED_TRACE(std::wstring(c.month) + L"/" + c.day);
    EXPECT_EQ(FindInauspicious(c.month, c.day).names, c.names);
  }
  const Inauspicious shenWu = FindInauspicious(L"申", L"午");
  EXPECT_EQ(shenWu.marks, (Names{L"黃砂", L"刀砧"}));
  // A neighbouring cell keeps the row order.
  EXPECT_EQ(FindInauspicious(L"辰", L"子").marks, (Names{L"刀砧", L"黃砂"}));
}

TEST(MonthSpiritStars, FolkMarks) {
  EXPECT_EQ(FindInauspicious(L"戌", L"丑").marks, (Names{L"小紅砂"}));
  EXPECT_EQ(FindInauspicious(L"戌", L"酉").marks, (Names{L"小紅砂"}));
  EXPECT_EQ(FindInauspicious(L"卯", L"辰").marks, (Names{L"受死"}));
  EXPECT_EQ(FindInauspicious(L"卯", L"巳").marks, (Names{L"受死"}));
  EXPECT_EQ(FindInauspicious(L"子", L"酉").marks, (Names{L"小紅砂", L"刀砧"}));
}

// Rows and keys: every month, every stem and branch.
TEST(MonthSpiritStars, RulesOverEveryMonthAndKey) {
  for (const std::wstring_view monthName : vocabulary::kMonthBranches) {
    const std::wstring month(monthName);
    SCOPED_TRACE(month);
    for (const std::wstring_view branchName : vocabulary::kEarthlyBranches) {
      const std::wstring branch(branchName);
      SCOPED_TRACE(branch);
      const Names good = Auspicious(month.c_str(), branch.c_str());
      const Inauspicious bad = FindInauspicious(month.c_str(), branch.c_str());
      EXPECT_LE(good.size(), 9u);
      EXPECT_LE(bad.names.size(), 9u);
      EXPECT_LE(bad.marks.size(), 2u);
      auto has = [&](const Names& names, const wchar_t* name) {
        return std::find(names.begin(), names.end(), name) != names.end();
      };
      // 寅 month: 青龍 only with the day stem 丁, never with a branch.
      EXPECT_FALSE(month == L"寅" && has(good, L"青龍"));
      // 丑 month: never 祿庫; 申 month: 祿庫 on 丑 days only.
      EXPECT_FALSE(month == L"丑" && has(good, L"祿庫"));
      if (month == L"申") {
        EXPECT_EQ(has(good, L"祿庫"), branch == L"丑");
      }
      if (branch == L"寅" || branch == L"卯") {
        EXPECT_EQ(good.back(), L"五合");
      }
      if (branch == L"申" || branch == L"酉") {
        EXPECT_EQ(good.back(), L"除神");
        EXPECT_EQ(bad.names.back(), L"五離");
      }
      if (branch == L"巳" || branch == L"亥") {
        EXPECT_EQ(bad.names.back(), L"重日");
      }
    }
    for (const wchar_t* stem :
         {L"甲", L"乙", L"丙", L"丁", L"戊", L"己", L"庚", L"辛", L"壬", L"癸"}) {
      EXPECT_LE(Auspicious(month.c_str(), stem).size(), 3u);
      const Inauspicious bad = FindInauspicious(month.c_str(), stem);
      EXPECT_LE(bad.names.size(), 1u);
      EXPECT_TRUE(bad.names.empty() || bad.names[0] == L"復日");
      EXPECT_TRUE(bad.marks.empty());
    }
  }
}

}  // namespace
}  // namespace almanac
