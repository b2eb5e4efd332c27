#include "almanac/month_day_verdicts.h"

#include <gtest/gtest.h>

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

using test_text::EncodeUtf8;

std::vector<std::wstring> VerdictOf(const std::wstring& monthBranch, const std::wstring& pillar) {
  std::vector<std::wstring> verdict(kVerdictSlots);
  ApplyMonthDayVerdicts(monthBranch, pillar.substr(0, 1), pillar.substr(1, 1), verdict);
  return verdict;
}

TEST(MonthDayVerdicts, WorkedCells) {
  struct Case {
    const wchar_t* monthBranch;
    const wchar_t* pillar;
    const wchar_t* suitable;
    const wchar_t* avoid;
  };
  const Case cases[] = {
      // A cell that holds for all five pillars.
      {L"寅", L"甲午", L"婚姻, 開張, 出行, 起造, 安葬. ", L""},
      {L"寅", L"壬午", L"婚姻, 開張, 出行, 起造, 安葬. ", L""},
      // A cell split into three groups.
      {L"寅", L"甲子", L"", L"諸事. "},
      {L"寅", L"丙子", L"水土生人, 用之大吉. ", L""},
      {L"寅", L"戊子", L"水土生人, 用之大吉. ", L""},
      {L"寅", L"庚子", L"水土生人, 用之大吉. ", L""},
      {L"寅", L"壬子", L"", L"婚姻, 開張, 入宅, 起造. "},
      // A grade word joined to its list.
      {L"卯", L"丁丑", L"", L"大凶. 婚姻, 會親, 修造. "},
      {L"卯", L"乙丑", L"", L"婚姻, 會親, 修造. "},
      {L"卯", L"甲辰", L"", L"大凶 婚姻, 開張, 遷徙, 入宅. "},
      {L"未", L"戊子", L"次吉開張, 入宅, 出行, 遷徙, 修造, 起造, 興工, 動土, 開倉. ", L""},
      {L"申", L"丁丑", L"", L"諸事大凶. "},
      {L"子", L"甲寅", L"次吉 婚姻, 出行, 開張, 起造, 入宅. ", L"動土"},
      {L"子", L"壬寅", L"上吉 婚姻, 出行, 開張, 起造, 入宅. ", L"動土"},
      // Neither phrase: the page prints no 董公選秘 block.
      {L"辰", L"甲子", L"", L""},
      {L"丑", L"辛丑", L"", L""},
      // Phrases kept exactly, blanks and punctuation included.
      {L"亥", L"甲子", L"諸事 ", L". "},
      {L"申", L"甲寅", L"", L"諸事.  "},
      {L"申", L"丁卯", L"大吉 開張, 婚姻, 入宅, 上任, 出行, 興工, 動土, 定磉, 拴架, 造倉, 圍欄. . ",
       L""},
      {L"巳", L"甲戌", L"次吉 小小營為.  ", L""},
      {L"戌", L"辛未", L"定磉, 拴架 . ", L"婚姻, 開張, 起造, 入宅, 出行, 造倉. "},
      {L"丑", L"丁丑", L"", L"婚姻, 鼓樂,喧嘩. "},
      {L"寅", L"丁酉", L"開張, 出行, 還顣, 安葬. ", L"婚姻, 起造. "},
      {L"申", L"乙丑", L"", L"諸事"},
      {L"子", L"癸酉", L"安葬次吉. ", L"諸事. "},
      {L"丑", L"庚戌", L"先招口舌, 而後大吉. ", L""},
      {L"亥", L"丁丑", L"", L"喧嘩, 鼓樂, 婚姻, 起造, 釘打"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(EncodeUtf8(std::wstring(c.monthBranch) + L" month, " + c.pillar));
    const std::vector<std::wstring> verdict = VerdictOf(c.monthBranch, c.pillar);
    EXPECT_EQ(EncodeUtf8(verdict[0]), EncodeUtf8(c.suitable));
    EXPECT_EQ(EncodeUtf8(verdict[1]), EncodeUtf8(c.avoid));
    EXPECT_EQ(verdict[2], L"");
  }
}

TEST(MonthDayVerdicts, TotalsOverEveryMonthAndPillar) {
  int avoidOnly = 0;
  int suitableOnly = 0;
  int both = 0;
  int neither = 0;
  for (const std::wstring_view monthName : vocabulary::kMonthBranches) {
    const std::wstring month(monthName);
    for (const std::wstring_view pillarName : vocabulary::kSexagenaryNames) {
      const std::wstring pillar(pillarName);
      const std::vector<std::wstring> verdict = VerdictOf(month, pillar);
      const bool suitable = !verdict[0].empty();
      const bool avoid = !verdict[1].empty();
      both += suitable && avoid;
      suitableOnly += suitable && !avoid;
      avoidOnly += !suitable && avoid;
      neither += !suitable && !avoid;
    }
  }
  EXPECT_EQ(avoidOnly, 355);
  EXPECT_EQ(suitableOnly, 244);
  EXPECT_EQ(both, 72);
  EXPECT_EQ(neither, 49);
}

TEST(MonthDayVerdicts, SetsItsSlotsFromScratch) {
  std::vector<std::wstring> verdict = {L"舊", L"舊", L"留"};
  ApplyMonthDayVerdicts(L"寅", L"甲", L"午", verdict);
  EXPECT_EQ(EncodeUtf8(verdict[0]), EncodeUtf8(L"婚姻, 開張, 出行, 起造, 安葬. "));
  EXPECT_EQ(verdict[1], L"");
  EXPECT_EQ(EncodeUtf8(verdict[2]), EncodeUtf8(L"留"));
  ApplyMonthDayVerdicts(L"寅", L"甲", L"午", verdict);  // a second call gives the same
  EXPECT_EQ(EncodeUtf8(verdict[0]), EncodeUtf8(L"婚姻, 開張, 出行, 起造, 安葬. "));

  const std::wstring outside[][3] = {
      {L"", L"甲", L"子"}, {L"甲", L"甲", L"子"}, {L"寅", L"甲", L""}, {L"寅寅", L"甲", L"子"}};
  for (const auto& keys : outside) {
    SCOPED_TRACE(EncodeUtf8(keys[0] + L"/" + keys[1] + keys[2]));
    verdict = {L"舊", L"舊", L"留"};
    ApplyMonthDayVerdicts(keys[0], keys[1], keys[2], verdict);
    EXPECT_EQ(verdict[0], L"");
    EXPECT_EQ(verdict[1], L"");
    EXPECT_EQ(EncodeUtf8(verdict[2]), EncodeUtf8(L"留"));
  }
}

TEST(MonthDayVerdicts, ShortListIsNotGrown) {
  std::vector<std::wstring> one = {L"舊"};
  ApplyMonthDayVerdicts(L"寅", L"甲", L"子", one);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0], L"");
  std::vector<std::wstring> none;
  ApplyMonthDayVerdicts(L"寅", L"甲", L"子", none);
  EXPECT_TRUE(none.empty());
}

TEST(MonthDayVerdicts, FillsThePageRecord) {
  AlmanacDay day;
  day.monthBranch = L"卯";
  day.dayStem = L"丁";
  day.dayBranch = L"丑";
  day.suitableText = L"祭祀. ";
  ApplyMonthDayVerdicts(day.monthBranch, day.dayStem, day.dayBranch, day.monthDayVerdict);
  EXPECT_EQ(day.monthDayVerdict[0], L"");
  EXPECT_EQ(EncodeUtf8(day.monthDayVerdict[1]), EncodeUtf8(L"大凶. 婚姻, 會親, 修造. "));
  EXPECT_EQ(day.monthDayVerdict.size(), kVerdictSlots);
  EXPECT_EQ(EncodeUtf8(day.suitableText), EncodeUtf8(L"祭祀. "));
}

TEST(OtherSelectionNotes, FridayTheThirteenth) {
  struct Case {
    const wchar_t* weekday;
    const wchar_t* day;
    const wchar_t* notes;
  };
  const Case cases[] = {
      {L"五", L"13", L"金神七煞日(13日星期五) 大事不宜."},  // Friday 13 March 2026
      {L"五", L"20", L""},                                  // Friday 20 March 2026
      {L"四", L"13", L""},                                  // Thursday 13 August 2026
      {L"五", L"013", L""},
      {L"", L"", L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(EncodeUtf8(std::wstring(c.weekday) + L" " + c.day));
    AlmanacDay day;
    day.weekdayName = c.weekday;
    day.gregorianDayText = c.day;
    day.otherNotes = L"舊";
    AddOtherSelectionNotes(day);
    EXPECT_EQ(EncodeUtf8(day.otherNotes), EncodeUtf8(c.notes));
    AddOtherSelectionNotes(day);
    EXPECT_EQ(EncodeUtf8(day.otherNotes), EncodeUtf8(c.notes));
  }
}

TEST(OtherSelectionNotes, OnThePagesOfRealDays) {
  struct Case {
    int year, month, day;
    const wchar_t* weekday;
    const wchar_t* notes;
  };
  const Case cases[] = {
      {2026, 3, 13, L"五", L"金神七煞日(13日星期五) 大事不宜."},
      {2026, 3, 20, L"五", L""},
      {2026, 8, 13, L"四", L""},
      {2026, 2, 13, L"五", L"金神七煞日(13日星期五) 大事不宜."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day));
    AlmanacDay day;
    FillAlmanacDay(testing::Tables(), engine::ComputeJulianDay(c.year, c.month, c.day + 0.5), day);
    EXPECT_EQ(EncodeUtf8(day.weekdayName), EncodeUtf8(c.weekday));
    EXPECT_EQ(EncodeUtf8(day.otherNotes), EncodeUtf8(c.notes));
  }
}

TEST(MonthDayVerdicts, OnThePageOfARealDay) {
  // 2024-01-01 is a 甲子 day of the 子 month (甲子 month pillar).
  AlmanacDay day;
  FillAlmanacDay(testing::Tables(), engine::ComputeJulianDay(2024, 1, 1.5), day);
  ASSERT_EQ(EncodeUtf8(day.monthBranch + day.dayStem + day.dayBranch), EncodeUtf8(L"子甲子"));
  EXPECT_EQ(day.monthDayVerdict[0], L"");
  EXPECT_EQ(EncodeUtf8(day.monthDayVerdict[1]), EncodeUtf8(L"諸事"));
  EXPECT_EQ(day.monthDayVerdict[2], L"");
}

}  // namespace
}  // namespace almanac
