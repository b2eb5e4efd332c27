#include "almanac/hour_spirits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "almanac/almanac_day.h"
#include "almanac/almanac_day_page.h"
#include "almanac/calendar_tables_test_util.h"
#include "engine/julian_day.h"
#include "testing/utf8.h"
#include "vocabulary/vocabulary_lists.h"

namespace almanac {
namespace {

const std::vector<std::wstring> kStems(vocabulary::kHeavenlyStems.begin(),
                                       vocabulary::kHeavenlyStems.end());
const std::vector<std::wstring> kBranches(vocabulary::kEarthlyBranches.begin(),
                                          vocabulary::kEarthlyBranches.end());

std::vector<std::wstring> UsedPart(const SpiritStarList& list) {
  return std::vector<std::wstring>(list.begin(), list.begin() + UsedSlotCount(list));
}

// The lists of one hour of a day after the page's four calls, in the page's order.
HourSpiritLists HourOfDay(const std::wstring& dayStem, const std::wstring& dayBranch,
                          const std::wstring& hour) {
  HourSpiritLists lists{SpiritStarList(kHourListSlots), SpiritStarList(kHourListSlots)};
  FindHourAuspiciousByStem(dayStem, hour, lists.hourAuspicious);
  FindHourInauspiciousByStem(dayStem, hour, lists.hourInauspicious);
  FindHourAuspiciousByBranch(dayBranch, hour, lists.hourAuspicious);
  FindHourInauspiciousByBranch(dayBranch, hour, lists.hourInauspicious);
  return lists;
}

std::wstring Join(const std::vector<std::wstring>& names) {
  std::wstring text;
  for (const std::wstring& name : names) {
    text += name + L" ";
  }
  return text;
}

using test_text::EncodeUtf8;

TEST(HourSpirits, WorkedHours) {
  struct Case {
    const wchar_t* pillar;
    const wchar_t* hour;
    const wchar_t* auspicious;    // names, each followed by a blank
    const wchar_t* inauspicious;  // the same
  };
  const Case cases[] = {
      // The fullest auspicious hour of all 60 days; the fullest inauspicious hour.
      {L"甲辰", L"寅", L"日祿 福星貴人 喜神 日馬 司命 ", L""},
      {L"壬申", L"寅", L"日馬 ", L"路空 日破 日刑 天刑 "},
      // The stem finder's two names come before the branch finder's.
      {L"丙戌", L"辰", L"青龍 ", L"五不遇時 路空 日破 "},
      // 丑 on a 未 day: 日破 and 日刑 on the black-path 朱雀 hour.
      {L"乙未", L"丑", L"福星貴人 ", L"日破 日刑 朱雀 "},
      // Written in the order of the hour row, not of the columns.
      {L"乙卯", L"申", L"天官貴人 天乙貴人 ", L"白虎 "},
      {L"丙子", L"子", L"天官貴人 福星貴人 日建 金匱 ", L""},
      {L"丁亥", L"午", L"喜神 日祿 青龍 ", L""},
      {L"丁亥", L"亥", L"天官貴人 天乙貴人 日建 寶光 ", L"日刑 "},
      {L"己巳", L"寅", L"天官貴人 喜神 ", L"日害 天牢 "},
      {L"庚午", L"午", L"福星貴人 天官貴人 日建 司命 ", L"路空 日刑 "},
      {L"辛巳", L"巳", L"天官貴人 福星貴人 日建 ", L"路空 勾陳 "},
      {L"癸卯", L"卯", L"天乙貴人 福星貴人 日建 明堂 ", L""},
      {L"癸卯", L"辰", L"喜神 天官貴人 ", L"日害 天刑 "},
      {L"戊子", L"子", L"日建 金匱 ", L"路空 "},
  };
  for (const Case& c : cases) {
    const std::wstring pillar = c.pillar;
    SCOPED_TRACE(EncodeUtf8(pillar + L" day, " + c.hour + L" hour"));
    const HourSpiritLists lists = HourOfDay(pillar.substr(0, 1), pillar.substr(1, 1), c.hour);
    EXPECT_EQ(EncodeUtf8(Join(UsedPart(lists.hourAuspicious))), EncodeUtf8(c.auspicious));
    EXPECT_EQ(EncodeUtf8(Join(UsedPart(lists.hourInauspicious))), EncodeUtf8(c.inauspicious));
  }
}

// The path spirits and the day branch's relations by day branch, as the almanac tabulates them:
// the hours of 青龍 .. 勾陳 in cycle order, then of 日建, 日合, 日馬, 日破, 日刑, 日害.
struct BranchRow {
  const wchar_t* dayBranch;
  std::wstring pathHours;
  std::wstring relationHours;
};
const BranchRow kBranchRows[] = {
    {L"子", L"申酉戌亥子丑寅卯辰巳午未", L"子丑寅午卯未"},
    {L"丑", L"戌亥子丑寅卯辰巳午未申酉", L"丑子亥未戌午"},
    {L"寅", L"子丑寅卯辰巳午未申酉戌亥", L"寅亥申申巳巳"},
    {L"卯", L"寅卯辰巳午未申酉戌亥子丑", L"卯戌巳酉子辰"},
    {L"辰", L"辰巳午未申酉戌亥子丑寅卯", L"辰酉寅戌辰卯"},
    {L"巳", L"午未申酉戌亥子丑寅卯辰巳", L"巳申亥亥申寅"},
    {L"午", L"申酉戌亥子丑寅卯辰巳午未", L"午未申子午丑"},
    {L"未", L"戌亥子丑寅卯辰巳午未申酉", L"未午巳丑丑子"},
    {L"申", L"子丑寅卯辰巳午未申酉戌亥", L"申巳寅寅寅亥"},
    {L"酉", L"寅卯辰巳午未申酉戌亥子丑", L"酉辰亥卯酉戌"},
    {L"戌", L"辰巳午未申酉戌亥子丑寅卯", L"戌卯申辰未酉"},
    {L"亥", L"午未申酉戌亥子丑寅卯辰巳", L"亥寅巳巳亥申"},
};

const wchar_t* const kPathNames[] = {L"青龍", L"明堂", L"天刑", L"朱雀", L"金匱", L"寶光",
                                     L"白虎", L"玉堂", L"天牢", L"玄武", L"司命", L"勾陳"};
const bool kPathYellow[] = {true,  true, false, false, true, true,
                            false, true, false, false, true, false};

TEST(HourSpirits, PathSpiritsFollowTheTable) {
  for (const BranchRow& row : kBranchRows) {
    const int day = vocabulary::LookupBranchIndex(row.dayBranch);
    for (int p = 0; p < 12; ++p) {
      const int hour = vocabulary::LookupBranchIndex(row.pathHours.substr(p, 1));
      SCOPED_TRACE(EncodeUtf8(std::wstring(row.dayBranch) + L" day, " + kPathNames[p]));
      EXPECT_EQ(EncodeUtf8(std::wstring(HourPathSpirit(day, hour))), EncodeUtf8(kPathNames[p]));
      EXPECT_EQ(IsYellowPathHour(day, hour), kPathYellow[p]);
    }
  }
}

TEST(HourSpirits, BranchFindersFollowTheTable) {
  const wchar_t* const kAuspiciousRelations[] = {L"日建", L"日合", L"日馬"};
  const wchar_t* const kInauspiciousRelations[] = {L"日破", L"日刑", L"日害"};
  for (const BranchRow& row : kBranchRows) {
    for (const std::wstring& hour : kBranches) {
      SCOPED_TRACE(EncodeUtf8(std::wstring(row.dayBranch) + L" day, " + hour + L" hour"));
      std::vector<std::wstring> auspicious;
      std::vector<std::wstring> inauspicious;
      for (int r = 0; r < 3; ++r) {
        if (row.relationHours.substr(r, 1) == hour) {
          auspicious.push_back(kAuspiciousRelations[r]);
        }
        if (row.relationHours.substr(3 + r, 1) == hour) {
          inauspicious.push_back(kInauspiciousRelations[r]);
        }
      }
      const std::size_t p = row.pathHours.find(hour);
      (kPathYellow[p] ? auspicious : inauspicious).push_back(kPathNames[p]);

      SpiritStarList auspiciousList(kHourListSlots);
      SpiritStarList inauspiciousList(kHourListSlots);
      FindHourAuspiciousByBranch(row.dayBranch, hour, auspiciousList);
      FindHourInauspiciousByBranch(row.dayBranch, hour, inauspiciousList);
      EXPECT_EQ(EncodeUtf8(Join(UsedPart(auspiciousList))), EncodeUtf8(Join(auspicious)));
      EXPECT_EQ(EncodeUtf8(Join(UsedPart(inauspiciousList))), EncodeUtf8(Join(inauspicious)));
    }
  }
}

// The hours of each stem spirit by day stem, as the almanac tabulates them.
struct StemRow {
  const wchar_t* dayStem;
  std::wstring hours[7];  // 天乙貴人, 日祿, 福星貴人, 喜神, 天官貴人, 五不遇時, 路空
};
const StemRow kStemRows[] = {
    {L"甲", {L"丑未", L"寅", L"寅", L"寅", L"酉", L"午", L"申酉"}},
    {L"乙", {L"子申", L"卯", L"丑亥", L"戌", L"申", L"巳", L"午未"}},
    {L"丙", {L"酉亥", L"巳", L"子戌", L"申", L"子", L"辰", L"辰巳"}},
    {L"丁", {L"酉亥", L"午", L"卯", L"午", L"亥", L"卯", L"寅卯"}},
    {L"戊", {L"丑未", L"巳", L"申", L"辰", L"卯", L"寅", L"子丑戌亥"}},
    {L"己", {L"子申", L"午", L"未", L"寅", L"寅", L"丑亥", L"申酉"}},
    {L"庚", {L"丑未", L"申", L"午", L"戌", L"午", L"子戌", L"午未"}},
    {L"辛", {L"寅午", L"酉", L"巳", L"申", L"巳", L"酉", L"辰巳"}},
    {L"壬", {L"卯巳", L"亥", L"辰", L"午", L"丑未", L"申", L"寅卯"}},
    {L"癸", {L"卯巳", L"子", L"卯", L"辰", L"辰戌", L"未", L"子丑戌亥"}},
};
const wchar_t* const kStemSpiritNames[] = {L"天乙貴人", L"日祿",     L"福星貴人", L"喜神",
                                           L"天官貴人", L"五不遇時", L"路空"};

TEST(HourSpirits, StemFindersFollowTheTable) {
  for (const StemRow& row : kStemRows) {
    for (const std::wstring& hour : kBranches) {
      SCOPED_TRACE(EncodeUtf8(std::wstring(row.dayStem) + L" day, " + hour + L" hour"));
      std::vector<std::wstring> auspicious;
      std::vector<std::wstring> inauspicious;
      for (int n = 0; n < 7; ++n) {
        if (row.hours[n].find(hour) != std::wstring::npos) {
          (n < 5 ? auspicious : inauspicious).push_back(kStemSpiritNames[n]);
        }
      }
      SpiritStarList auspiciousList(kHourListSlots);
      SpiritStarList inauspiciousList(kHourListSlots);
      FindHourAuspiciousByStem(row.dayStem, hour, auspiciousList);
      FindHourInauspiciousByStem(row.dayStem, hour, inauspiciousList);
      // The auspicious names of a shared hour have their own order (WorkedHours checks it).
      std::vector<std::wstring> found = UsedPart(auspiciousList);
      std::sort(found.begin(), found.end());
      std::sort(auspicious.begin(), auspicious.end());
      EXPECT_EQ(EncodeUtf8(Join(found)), EncodeUtf8(Join(auspicious)));
      // 五不遇時 before 路空.
      EXPECT_EQ(EncodeUtf8(Join(UsedPart(inauspiciousList))), EncodeUtf8(Join(inauspicious)));
    }
  }
}

TEST(HourSpirits, EveryDayAndHour) {
  std::size_t mostAuspicious = 0;
  std::size_t mostInauspicious = 0;
  for (const std::wstring_view pillarName : vocabulary::kSexagenaryNames) {
    const std::wstring pillar(pillarName);
    const std::wstring stem = pillar.substr(0, 1);
    const std::wstring branch = pillar.substr(1, 1);
    int fiveUnmet = 0;
    int emptyRoad = 0;
    for (const std::wstring& hour : kBranches) {
      SCOPED_TRACE(EncodeUtf8(pillar + L" day, " + hour + L" hour"));
      const HourSpiritLists lists = HourOfDay(stem, branch, hour);
      const std::vector<std::wstring> auspicious = UsedPart(lists.hourAuspicious);
      const std::vector<std::wstring> inauspicious = UsedPart(lists.hourInauspicious);
      int pathSpirits = 0;
      for (const wchar_t* path : kPathNames) {
        pathSpirits += static_cast<int>(std::count(auspicious.begin(), auspicious.end(), path) +
                                        std::count(inauspicious.begin(), inauspicious.end(), path));
      }
      EXPECT_EQ(pathSpirits, 1);  // so every hour row of every page is printed
      fiveUnmet +=
          static_cast<int>(std::count(inauspicious.begin(), inauspicious.end(), L"五不遇時"));
      emptyRoad += static_cast<int>(std::count(inauspicious.begin(), inauspicious.end(), L"路空"));
      mostAuspicious = std::max(mostAuspicious, auspicious.size());
      mostInauspicious = std::max(mostInauspicious, inauspicious.size());
      if (pillar + hour == L"甲辰寅") {
        EXPECT_EQ(auspicious.size(), 5u);
      }
      if (pillar + hour == L"壬申寅") {
        EXPECT_EQ(inauspicious.size(), 4u);
      }
    }
    SCOPED_TRACE(EncodeUtf8(pillar));
    EXPECT_EQ(emptyRoad, (stem == L"戊" || stem == L"癸") ? 4 : 2);
    EXPECT_EQ(fiveUnmet, (stem == L"己" || stem == L"庚") ? 2 : 1);
  }
  EXPECT_EQ(mostAuspicious, 5u);
  EXPECT_EQ(mostInauspicious, 4u);
}

TEST(HourSpirits, PunishmentOnTheDaysOwnHour) {
  for (const std::wstring& branch : kBranches) {
    SCOPED_TRACE(EncodeUtf8(branch));
    const HourSpiritLists lists = HourOfDay(L"", branch, branch);
    const std::vector<std::wstring> auspicious = UsedPart(lists.hourAuspicious);
    const std::vector<std::wstring> inauspicious = UsedPart(lists.hourInauspicious);
    const bool selfPunishing =
        branch == L"辰" || branch == L"午" || branch == L"酉" || branch == L"亥";
    EXPECT_EQ(std::count(inauspicious.begin(), inauspicious.end(), L"日刑") == 1, selfPunishing);
    ASSERT_FALSE(auspicious.empty());
    EXPECT_EQ(EncodeUtf8(auspicious.front()), EncodeUtf8(L"日建"));
  }
}

TEST(HourSpirits, KeysOutsideTheVocabularyAppendNothing) {
  const std::wstring keys[] = {L"", L"甲子", L"子 ", L"x"};
  for (const std::wstring& key : keys) {
    SCOPED_TRACE(EncodeUtf8(key));
    SpiritStarList list(kHourListSlots);
    FindHourAuspiciousByStem(key, L"寅", list);
    FindHourInauspiciousByStem(key, L"午", list);
    FindHourAuspiciousByBranch(key, L"子", list);
    FindHourInauspiciousByBranch(key, L"子", list);
    FindHourAuspiciousByStem(L"甲", key, list);
    FindHourInauspiciousByStem(L"甲", key, list);
    FindHourAuspiciousByBranch(L"子", key, list);
    FindHourInauspiciousByBranch(L"子", key, list);
    EXPECT_EQ(UsedSlotCount(list), 0u);
  }
}

TEST(HourSpirits, AppendsAfterTheUsedPart) {
  SpiritStarList list(kHourListSlots);
  list[0] = L"先";
  FindHourAuspiciousByStem(L"甲", L"寅", list);
  EXPECT_EQ(EncodeUtf8(Join(UsedPart(list))), EncodeUtf8(L"先 日祿 福星貴人 喜神 "));
}

TEST(HourSpirits, FillsTheTwelveHoursOfAPage) {
  // 2024-02-10 is a 甲辰 day; the page calls the four finders hour by hour.
  AlmanacDay day;
  FillAlmanacDay(testing::Tables(), engine::ComputeJulianDay(2024, 2, 10.5), day);
  ASSERT_EQ(EncodeUtf8(day.dayStem + day.dayBranch), EncodeUtf8(L"甲辰"));
  for (std::size_t h = 0; h < kDoubleHourCount; ++h) {
    const std::wstring& hour = kBranches[h];
    SCOPED_TRACE(EncodeUtf8(hour));
    const HourSpiritLists expected = HourOfDay(L"甲", L"辰", hour);
    EXPECT_EQ(day.hours[h].hourAuspicious, expected.hourAuspicious);
    EXPECT_EQ(day.hours[h].hourInauspicious, expected.hourInauspicious);
    EXPECT_EQ(day.hours[h].hourAuspicious.size(), kHourListSlots);
    EXPECT_EQ(day.hours[h].hourInauspicious.size(), kHourListSlots);
  }
  EXPECT_EQ(EncodeUtf8(Join(UsedPart(day.hours[2].hourAuspicious))),
            EncodeUtf8(L"日祿 福星貴人 喜神 日馬 司命 "));
  // 子 hour of a 辰 day: 青龍 falls on 辰, so 子 carries 天牢.
  EXPECT_EQ(EncodeUtf8(Join(UsedPart(day.hours[0].hourInauspicious))), EncodeUtf8(L"天牢 "));
  EXPECT_EQ(UsedSlotCount(day.hours[0].hourAuspicious), 0u);
}

}  // namespace
}  // namespace almanac
