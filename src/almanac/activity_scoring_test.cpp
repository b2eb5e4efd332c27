#include "almanac/activity_scoring.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "almanac/activity_rules.h"
#include "almanac/almanac_day.h"
#include "almanac/almanac_day_page.h"
#include "almanac/calendar_tables_test_util.h"
#include "engine/julian_day.h"
#include "testing/utf8.h"
#include "vocabulary/vocabulary_lists.h"

namespace almanac {
namespace {

using test_text::EncodeUtf8;

// Activity indexes from inclusive ranges, as the rule rows write them.
std::vector<int> Indexes(std::initializer_list<std::pair<int, int>> ranges) {
  std::vector<int> indexes;
  for (const auto& [first, last] : ranges) {
    for (int a = first; a <= last; ++a) {
      indexes.push_back(a);
    }
  }
  return indexes;
}

// The activity text of some indexes: each name followed by ". ", in the given order.
std::string Entries(const std::vector<int>& indexes) {
  std::wstring text;
  for (int a : indexes) {
    text += std::wstring(kAlmanacActivities[a]) + L". ";
  }
  return EncodeUtf8(text);
}

void Put(SpiritStarList& list, std::initializer_list<const wchar_t*> names) {
  std::size_t slot = UsedSlotCount(list);
  for (const wchar_t* name : names) {
    list[slot++] = name;
  }
}

AlmanacDay DayWithMonthLists(std::initializer_list<const wchar_t*> auspicious,
                             std::initializer_list<const wchar_t*> inauspicious) {
  AlmanacDay day;
  Put(day.monthAuspicious, auspicious);
  Put(day.monthInauspicious, inauspicious);
  return day;
}

void ExpectScoreInvariants(const ActivityScores& scores) {
  for (std::size_t s = 0; s < kActivityScoreSlots; ++s) {
    SCOPED_TRACE(s);
    EXPECT_EQ(scores.net[s], scores.suitable[s] + scores.avoid[s]);
    EXPECT_GE(scores.suitable[s], 0);
    EXPECT_LE(scores.avoid[s], 0);
    if (s >= 93) {
      EXPECT_EQ(scores.net[s], 0);
      EXPECT_EQ(scores.suitable[s], 0);
    }
  }
}

TEST(AlmanacActivities, NamesInTheirOrder) {
  ASSERT_EQ(kAlmanacActivities.size(), 93u);
  const std::pair<int, const wchar_t*> samples[] = {
      {0, L"祭祀"},      {9, L"詔命公卿"}, {25, L"行幸"},     {26, L"遣使"},
      {39, L"移徙"},     {40, L"般移"},    {47, L"求醫療病"}, {74, L"修飾垣墻"},
      {84, L"破屋壞垣"}, {91, L"安神"},    {92, L"修祠宇"}};
  for (const auto& [index, name] : samples) {
    EXPECT_EQ(EncodeUtf8(kAlmanacActivities[index]), EncodeUtf8(name)) << index;
  }
  const std::set<std::wstring_view> distinct(kAlmanacActivities.begin(), kAlmanacActivities.end());
  EXPECT_EQ(distinct.size(), 93u);
}

TEST(ActivityScoring, HeavenlyHorseAlone) {
  AlmanacDay day = DayWithMonthLists({L"天馬"}, {});
  const ActivityScores scores = ScoreSuitableAndAvoid(day);
  const std::string expected = EncodeUtf8(L"行幸. 遣使. 移徙. 般移. ");
  EXPECT_EQ(EncodeUtf8(day.suitableText), expected);
  EXPECT_EQ(EncodeUtf8(day.onlySuitableText), expected);
  EXPECT_EQ(EncodeUtf8(day.netVerdict[1]), expected);
  EXPECT_EQ(day.avoidText, L"");
  EXPECT_EQ(day.bothText, L"");
  EXPECT_EQ(day.onlyAvoidText, L"");
  EXPECT_EQ(day.netVerdict[0], L"");
  EXPECT_EQ(day.netVerdict[2], L"");
  for (int a : {25, 26, 39, 40}) {
    EXPECT_EQ(scores.net[a], 5) << a;
  }
  ExpectScoreInvariants(scores);
}

TEST(ActivityScoring, MonthBreakAlone) {
  AlmanacDay day = DayWithMonthLists({}, {L"月破(大耗)"});
  const ActivityScores scores = ScoreSuitableAndAvoid(day);
  const std::string suitable = EncodeUtf8(L"求醫療病. 破屋壞垣. ");
  EXPECT_EQ(EncodeUtf8(day.suitableText), suitable);
  EXPECT_EQ(EncodeUtf8(day.onlySuitableText), suitable);
  EXPECT_EQ(EncodeUtf8(day.netVerdict[1]), suitable);
  EXPECT_EQ(day.bothText, L"");
  const std::string avoid = Entries(Indexes({{1, 5},
                                             {8, 11},
                                             {14, 15},
                                             {20, 22},
                                             {24, 31},
                                             {34, 37},
                                             {39, 40},
                                             {42, 42},
                                             {45, 46},
                                             {50, 58},
                                             {60, 72},
                                             {74, 74},
                                             {77, 77},
                                             {79, 83},
                                             {85, 85}}));
  EXPECT_EQ(EncodeUtf8(day.avoidText), avoid);
  EXPECT_EQ(EncodeUtf8(day.onlyAvoidText), avoid);
  EXPECT_EQ(EncodeUtf8(day.netVerdict[2]), avoid);
  ExpectScoreInvariants(scores);
}

TEST(ActivityScoring, EmptyListsScoreNothing) {
  AlmanacDay day;
  day.suitableText = L"舊. ";
  const ActivityScores scores = ScoreSuitableAndAvoid(day);
  for (std::size_t s = 0; s < kActivityScoreSlots; ++s) {
    EXPECT_EQ(scores.net[s], 0);
    EXPECT_EQ(scores.suitable[s], 0);
    EXPECT_EQ(scores.avoid[s], 0);
  }
  for (const std::wstring* text : {&day.suitableText, &day.avoidText, &day.bothText,
                                   &day.onlySuitableText, &day.onlyAvoidText}) {
    EXPECT_EQ(*text, L"");
  }
  EXPECT_EQ(day.netVerdict, std::vector<std::wstring>(kVerdictSlots));
}

TEST(ActivityScoring, ScoresAreResetForEveryPage) {
  AlmanacDay first = DayWithMonthLists({L"天德", L"天願"}, {L"月破(大耗)", L"四廢"});
  Put(first.yearInauspicious, {L"太歲"});
  ScoreSuitableAndAvoid(first);
  AlmanacDay second = DayWithMonthLists({L"天馬"}, {});
  const ActivityScores secondScores = ScoreSuitableAndAvoid(second);
  for (std::size_t s = 0; s < kActivityScoreSlots; ++s) {
    const bool horse = s == 25 || s == 26 || s == 39 || s == 40;
    EXPECT_EQ(secondScores.net[s], horse ? 5 : 0) << s;
    EXPECT_EQ(secondScores.suitable[s], horse ? 5 : 0) << s;
    EXPECT_EQ(secondScores.avoid[s], 0) << s;
  }
  EXPECT_EQ(EncodeUtf8(second.suitableText), EncodeUtf8(L"行幸. 遣使. 移徙. 般移. "));
  EXPECT_EQ(second.avoidText, L"");
  EXPECT_EQ(second.netVerdict[2], L"");
}

TEST(ActivityScoring, CancellingWeightsLeaveTheNetVerdicts) {
  // 天德 gives +5 and 月破 -5 to 祈福 (1): net 0, yet suitable, avoided and both.
  AlmanacDay day = DayWithMonthLists({L"天德"}, {L"月破(大耗)"});
  const ActivityScores scores = ScoreSuitableAndAvoid(day);
  EXPECT_EQ(scores.net[1], 0);
  EXPECT_EQ(scores.suitable[1], 5);
  EXPECT_EQ(scores.avoid[1], -5);
  const std::string entry = EncodeUtf8(L"祈福. ");
  EXPECT_NE(EncodeUtf8(day.suitableText).find(entry), std::string::npos);
  EXPECT_NE(EncodeUtf8(day.avoidText).find(entry), std::string::npos);
  EXPECT_NE(EncodeUtf8(day.bothText).find(entry), std::string::npos);
  EXPECT_EQ(EncodeUtf8(day.netVerdict[1]).find(entry), std::string::npos);
  EXPECT_EQ(EncodeUtf8(day.netVerdict[2]).find(entry), std::string::npos);
  EXPECT_EQ(EncodeUtf8(day.onlySuitableText).find(entry), std::string::npos);
  EXPECT_EQ(EncodeUtf8(day.onlyAvoidText).find(entry), std::string::npos);
  // 祭祀 (0): +5 from 天德 only.
  EXPECT_EQ(EncodeUtf8(day.onlySuitableText).substr(0, EncodeUtf8(L"祭祀. ").size()),
            EncodeUtf8(L"祭祀. "));
  ExpectScoreInvariants(scores);
}

TEST(ActivityScoring, HeavenlyVirtueAndItsCombination) {
  AlmanacDay day = DayWithMonthLists({L"天德", L"天德合"}, {});
  const ActivityScores scores = ScoreSuitableAndAvoid(day);
  const std::vector<int> common = Indexes({{0, 14},
                                           {16, 18},
                                           {20, 22},
                                           {25, 31},
                                           {34, 36},
                                           {43, 43},
                                           {47, 47},
                                           {50, 57},
                                           {77, 77},
                                           {79, 80},
                                           {83, 83}});
  for (int a = 0; a < kAlmanacActivityCount; ++a) {
    const bool inCommon = std::find(common.begin(), common.end(), a) != common.end();
    const int expected = inCommon ? 8 : (a >= 86 && a <= 88 ? -8 : 0);
    EXPECT_EQ(scores.net[a], expected) << a;
  }
  EXPECT_EQ(EncodeUtf8(day.suitableText), Entries(common));
  EXPECT_EQ(EncodeUtf8(day.avoidText), Entries({86, 87, 88}));
}

TEST(ActivityScoring, WorkedMonthList) {
  // 寅 month, 午 day: the month auspicious list the finders write for it.
  AlmanacDay day =
      DayWithMonthLists({L"祿庫", L"月定(時陰)", L"時德", L"民日", L"臨日", L"天馬", L"三合"}, {});
  day.monthBranch = L"寅";
  const ActivityScores scores = ScoreSuitableAndAvoid(day);
  // 月定 24, 89-90; 時德 0-2, 8, 11, 20-22, 25-26, 30-31, 34-35, 39-40, 43, 47, 50, 52-53, 55-56,
  // 65-67, 77, 79 and, with 天馬, 9-10; 民日 22, 34-35, 37, 39-40, 62-65, 77, 79-80; 臨日 3-4,
  // 19, 30-31; 天馬 25-26, 39-40; 三合 20-22, 34-37, 52-53, 55-57, 60-65, 70, 80. 祿庫 has no row.
  const std::vector<int> suitable = {0,  1,  2,  3,  4,  8,  9,  10, 11, 19, 20, 21, 22, 24, 25, 26,
                                     30, 31, 34, 35, 36, 37, 39, 40, 43, 47, 50, 52, 53, 55, 56, 57,
                                     60, 61, 62, 63, 64, 65, 66, 67, 70, 77, 79, 80, 89, 90};
  EXPECT_EQ(EncodeUtf8(day.suitableText), Entries(suitable));
  EXPECT_EQ(EncodeUtf8(day.onlySuitableText), Entries(suitable));
  EXPECT_EQ(EncodeUtf8(day.netVerdict[1]), Entries(suitable));
  EXPECT_EQ(day.avoidText, L"");
  EXPECT_EQ(scores.net[22], 15);  // 時德, 民日, 三合
  EXPECT_EQ(scores.net[39], 15);  // 時德, 民日, 天馬
  EXPECT_EQ(scores.net[9], 5);    // 時德's clause with 天馬
}

TEST(ActivityScoring, TwiceMarkedIndexes) {
  AlmanacDay day;
  Put(day.yearInauspicious, {L"歲破(大耗)"});
  const ActivityScores scores = ScoreSuitableAndAvoid(day);
  EXPECT_EQ(scores.net[66], -10);
  for (int a : Indexes({{51, 58}, {61, 65}, {67, 72}, {74, 75}, {81, 81}, {83, 84}})) {
    EXPECT_EQ(scores.net[a], -5) << a;
  }
  EXPECT_EQ(scores.net[59], 0);
  EXPECT_EQ(scores.net[60], 0);

  AlmanacDay established = DayWithMonthLists({}, {L"月建(兵福, 小時, 土府)"});
  const ActivityScores establishedScores = ScoreSuitableAndAvoid(established);
  for (int a : {70, 71, 74, 75, 84}) {
    EXPECT_EQ(establishedScores.net[a], -10) << a;
  }
  EXPECT_EQ(establishedScores.net[72], -5);
  EXPECT_EQ(establishedScores.net[27], 8);
  EXPECT_EQ(establishedScores.net[5], 0);  // its clause wants 天恩
  ExpectScoreInvariants(establishedScores);
}

TEST(ActivityScoring, NameCountsOncePerSlot) {
  AlmanacDay day = DayWithMonthLists({L"天馬", L"天馬"}, {});
  const ActivityScores scores = ScoreSuitableAndAvoid(day);
  EXPECT_EQ(scores.net[25], 10);
  // 守日 always meets its own clause: +3 to 8, 30, 31 and +5 to 27.
  AlmanacDay guard = DayWithMonthLists({L"守日"}, {});
  const ActivityScores guardScores = ScoreSuitableAndAvoid(guard);
  EXPECT_EQ(guardScores.net[27], 5);
  EXPECT_EQ(guardScores.net[8], 3);
  EXPECT_EQ(EncodeUtf8(guard.suitableText), Entries({8, 27, 30, 31}));
}

TEST(ActivityScoring, WithAndWithoutClauses) {
  struct Case {
    const char* what;
    std::vector<const wchar_t*> auspicious;
    std::vector<const wchar_t*> inauspicious;
    const wchar_t* monthBranch;
    int activity;
    int net;
  };
  const Case cases[] = {
      {"八風 without 六合", {}, {L"八風"}, L"寅", 76, -8},
      {"八風 with 六合", {L"六合"}, {L"八風"}, L"寅", 76, 0},
      {"六合 alone", {L"六合"}, {}, L"寅", 57, 0},
      {"六合 with 時德", {L"六合", L"時德"}, {}, L"寅", 57, 5},
      {"月恩 with 驛馬(天后)", {L"月恩", L"驛馬(天后)"}, {}, L"寅", 9, 5},
      {"月恩 without a horse", {L"月恩"}, {}, L"寅", 9, 0},
      {"驛馬(天后) row", {L"驛馬(天后)"}, {}, L"寅", 47, 5},
      {"月除 without 驛馬", {L"月除(吉期, 兵寶)"}, {}, L"寅", 43, 5},
      {"月除 with 驛馬", {L"月除(吉期, 兵寶)", L"驛馬(天后)"}, {}, L"寅", 43, 0},
      {"月除 in 亥 month with 天馬", {L"月除(吉期, 兵寶)", L"天馬"}, {}, L"亥", 9, 5},
      {"月除 in 子 month with 天馬", {L"月除(吉期, 兵寶)", L"天馬"}, {}, L"子", 9, 0},
      {"月成 in 午 month with 天馬", {L"月成(天醫, 天喜)", L"天馬"}, {}, L"午", 10, 5},
      {"母倉 with 月開", {L"母倉", L"月開(時陽, 生氣)"}, {}, L"寅", 57, 5},
      {"母倉 alone", {L"母倉"}, {}, L"寅", 57, 0},
      {"天倉 without 時德", {L"天倉"}, {}, L"寅", 37, 5},
      {"天倉 with 時德", {L"天倉", L"時德"}, {}, L"寅", 37, 0},
      {"天恩 with 天願", {L"天恩", L"天願"}, {}, L"寅", 68, 5},
      // The name 天德合, 月德合 is one text: it meets no row and no condition on 天德合.
      {"天恩 with 天德合, 月德合", {L"天恩", L"天德合, 月德合"}, {}, L"寅", 68, 0},
      {"天德合, 月德合 alone", {L"天德合, 月德合"}, {}, L"寅", 0, 0},
      // The condition looks at the month auspicious list only.
      {"天恩 with 月建 in the other list", {L"天恩"}, {L"月建(兵福, 小時, 土府)"}, L"寅", 14, 5},
      {"月建 with 天恩", {L"天恩"}, {L"月建(兵福, 小時, 土府)"}, L"寅", 5, 5},
      // A name after an empty slot is not found.
      {"月恩, gap, 天馬", {L"月恩", L"", L"天馬"}, {}, L"寅", 9, 0},
      // Keys compare whole: 月平(天罡) and 月平(天罡, 死神) are two rows.
      {"月平(天罡, 死神)", {}, {L"月平(天罡, 死神)"}, L"寅", 27, -10},
      {"月平(天罡)", {}, {L"月平(天罡)"}, L"寅", 27, -10},
      {"月平 without the alternate", {}, {L"月平"}, L"寅", 27, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AlmanacDay day;
    for (std::size_t i = 0; i < c.auspicious.size(); ++i) {
      day.monthAuspicious[i] = c.auspicious[i];
    }
    for (std::size_t i = 0; i < c.inauspicious.size(); ++i) {
      day.monthInauspicious[i] = c.inauspicious[i];
    }
    day.monthBranch = c.monthBranch;
    const ActivityScores scores = ScoreSuitableAndAvoid(day);
    EXPECT_EQ(scores.net[c.activity], c.net);
    ExpectScoreInvariants(scores);
  }
}

TEST(ActivityScoring, SectionTermClauses) {
  const wchar_t* const rows[] = {L"月平(天罡)", L"月平(河魁)", L"月執(小耗)"};
  for (const std::wstring_view termName : vocabulary::kSectionTermsByMonthBranch) {
    const std::wstring term(termName);
    const bool late = term == L"立冬" || term == L"大雪" || term == L"小寒";
    const bool spring = term == L"驚蟄" || term == L"清明";
    SCOPED_TRACE(EncodeUtf8(term));
    AlmanacDay day = DayWithMonthLists({L"月危"}, {});
    day.currentSectionTerm = term;
    const ActivityScores scores = ScoreSuitableAndAvoid(day);
    EXPECT_EQ(scores.net[87], late ? 5 : 0);
    EXPECT_EQ(scores.net[88], spring ? 5 : 0);
    for (const wchar_t* row : rows) {
      SCOPED_TRACE(EncodeUtf8(row));
      AlmanacDay level = DayWithMonthLists({}, {row});
      level.currentSectionTerm = term;
      const ActivityScores levelScores = ScoreSuitableAndAvoid(level);
      EXPECT_EQ(levelScores.net[87], late ? 5 : 0);
      EXPECT_EQ(levelScores.net[88], spring ? 5 : 0);
    }
  }
  for (const wchar_t* term : {L"", L"立春 ", L"x"}) {
    SCOPED_TRACE(EncodeUtf8(term));
    AlmanacDay day = DayWithMonthLists({L"月危"}, {});
    day.currentSectionTerm = term;
    const ActivityScores scores = ScoreSuitableAndAvoid(day);
    EXPECT_EQ(scores.net[87], 0);
    EXPECT_EQ(scores.net[88], 0);
  }
}

TEST(ActivityScoring, TextsFollowActivityOrder) {
  AlmanacDay forward = DayWithMonthLists({L"天馬", L"要安", L"普護"}, {});
  AlmanacDay backward = DayWithMonthLists({L"普護", L"要安", L"天馬"}, {});
  const ActivityScores forwardScores = ScoreSuitableAndAvoid(forward);
  const ActivityScores backwardScores = ScoreSuitableAndAvoid(backward);
  EXPECT_EQ(EncodeUtf8(forward.suitableText), Entries({0, 1, 25, 26, 39, 40, 91}));
  EXPECT_EQ(forward.suitableText, backward.suitableText);
  EXPECT_EQ(forwardScores.net, backwardScores.net);
}

TEST(ActivityScoring, YearListsAndTheirRows) {
  AlmanacDay day;
  Put(day.yearAuspicious, {L"歲德", L"奏書"});
  Put(day.yearInauspicious, {L"劫煞"});
  Put(day.monthInauspicious, {L"劫煞"});
  const ActivityScores scores = ScoreSuitableAndAvoid(day);
  EXPECT_EQ(scores.net[51], -5);   // 奏書 +5 once, the year and the month 劫煞 -5 each
  EXPECT_EQ(scores.net[26], 0);    // 歲德 +5, the month 劫煞 -5
  EXPECT_EQ(scores.net[0], 5);     // 奏書
  EXPECT_EQ(scores.net[1], 0);     // 奏書 +5, the month 劫煞 -5
  EXPECT_EQ(scores.net[66], -10);  // the year and the month 劫煞
  ExpectScoreInvariants(scores);
}

TEST(ActivityScoring, OnThePageOfARealDay) {
  // 2024-01-01, a 甲子 day of the 子 month: month auspicious 天赦, 月恩, 四相, 官日, 敬安, 金匱,
  // 天恩, 義日; month inauspicious 月厭(地火), 月建(兵福, 小時, 土府); year inauspicious 金神,
  // 大將軍, 群醜, 歲刑.
  AlmanacDay day;
  FillAlmanacDay(testing::Tables(), engine::ComputeJulianDay(2024, 1, 1.5), day);
  // The scores behind the page's texts: the filled record scored again, on a copy.
  AlmanacDay rescored = day;
  const ActivityScores scores = ScoreSuitableAndAvoid(rescored);
  struct Case {
    int activity;
    int suitable;
    int avoid;
  };
  const Case cases[] = {
      {0, 18, 0},    // 祭祀: 天赦 8, 月恩 5, 四相 5
      {3, 8, -10},   // 上冊: 天赦 8; 月厭 -5, 月建 -5
      {5, 13, -5},   // 頒詔: 天赦 8, 月建 with 天恩 5; 月厭 -5
      {27, 24, -5},  // 安撫邊境: 天赦 8, 義日 8, 月建 8; 月厭 -5
      {91, 5, 0},    // 安神: 敬安
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.activity);
    EXPECT_EQ(scores.suitable[c.activity], c.suitable);
    EXPECT_EQ(scores.avoid[c.activity], c.avoid);
  }
  EXPECT_EQ(
      EncodeUtf8(day.onlySuitableText),
      EncodeUtf8(
          L"祭祀. 覃恩. 肆赦. 施恩惠. 恤孤惸. 行惠愛. 雪冤枉. 緩刑獄. 療目. 針刺刀割. 安神. "));
}

TEST(ActivityRules, EveryRowAloneKeepsTheInvariants) {
  const std::wstring sectionTerms[] = {L"立冬", L"驚蟄", L"立夏"};
  int changing = 0;
  for (const ActivityRule& rule : kActivityRules) {
    SCOPED_TRACE(EncodeUtf8(rule.key));
    ASSERT_TRUE(IsWellFormedRuleText(rule.weights));
    for (const std::wstring& term : sectionTerms) {
      AlmanacDay day;
      day.currentSectionTerm = term;
      switch (rule.set) {
        case ActivityRuleSet::kYearAuspicious:
          day.yearAuspicious[0] = rule.key;
          break;
        case ActivityRuleSet::kYearInauspicious:
          day.yearInauspicious[0] = rule.key;
          break;
        case ActivityRuleSet::kMonthAuspicious:
          day.monthAuspicious[0] = rule.key;
          break;
        case ActivityRuleSet::kMonthInauspicious:
          day.monthInauspicious[0] = rule.key;
          break;
      }
      const ActivityScores scores = ScoreSuitableAndAvoid(day);
      ExpectScoreInvariants(scores);
      int weighed = 0;
      for (std::size_t s = 0; s < kActivityScoreSlots; ++s) {
        weighed += scores.suitable[s] != 0 || scores.avoid[s] != 0;
      }
      // Rows whose only weights are clauses weigh too: their clauses are "without" a name.
      EXPECT_EQ(weighed == 0, rule.weights.empty()) << EncodeUtf8(term);
      changing += weighed != 0;
    }
  }
  EXPECT_EQ(changing, 110 * 3);
}

TEST(ActivityRules, RowCountsAndNotation) {
  int counts[4] = {0, 0, 0, 0};
  int silent = 0;
  for (const ActivityRule& rule : kActivityRules) {
    ++counts[static_cast<int>(rule.set)];
    silent += rule.weights.empty();
  }
  EXPECT_EQ(counts[0], 4);
  EXPECT_EQ(counts[1], 6);
  EXPECT_EQ(counts[2], 51);
  EXPECT_EQ(counts[3], 57);
  EXPECT_EQ(silent, 8);  // recognised names that weigh nothing

  // The notation: groups, twice-marked indexes and clauses.
  std::vector<std::pair<int, int>> applied;
  std::vector<std::wstring> asked;
  const bool ok = ForEachRuleWeight(
      L"+5: 1-2, 4 (2 twice); [with 甲(乙, 丙) | 丁] -3: 7; [month 午 with 戊] +8: 9; "
      L"[without 己] -13: 0; [term above 霜降] +5: 87; [term between 雨水 and 立夏] +5: 88",
      [&](const RuleCondition& condition) {
        std::wstring text;
        if (!condition.names.empty()) {
          ForEachConditionName(condition.names,
                               [&](std::wstring_view name) { text += std::wstring(name) + L"/"; });
        }
        asked.push_back(std::to_wstring(static_cast<int>(condition.kind)) + L":" + text +
                        std::wstring(condition.monthBranch) + std::wstring(condition.lowTerm) +
                        std::wstring(condition.highTerm));
        return condition.kind != RuleConditionKind::kWithout;
      },
      [&](int weight, int activity) { applied.emplace_back(weight, activity); });
  EXPECT_TRUE(ok);
  const std::vector<std::pair<int, int>> expectedApplied = {{5, 1},  {5, 2}, {5, 4},  {5, 2},
                                                            {-3, 7}, {8, 9}, {5, 87}, {5, 88}};
  EXPECT_EQ(applied, expectedApplied);
  ASSERT_EQ(asked.size(), 5u);
  EXPECT_EQ(EncodeUtf8(asked[0]), EncodeUtf8(L"0:甲(乙, 丙)/丁/"));
  EXPECT_EQ(EncodeUtf8(asked[1]), EncodeUtf8(L"2:戊/午"));
  EXPECT_EQ(EncodeUtf8(asked[2]), EncodeUtf8(L"1:己/"));
  EXPECT_EQ(EncodeUtf8(asked[3]), EncodeUtf8(L"3:霜降"));
  EXPECT_EQ(EncodeUtf8(asked[4]), EncodeUtf8(L"4:雨水立夏"));

  const wchar_t* const malformed[] = {L"+4: 1",
                                      L"+13: 1",
                                      L"+5: 93",
                                      L"+5: 3-1",
                                      L"+5 1",
                                      L"+5: 1 (2 twice)",
                                      L"[maybe 甲] +5: 1",
                                      L"+5: 1;",
                                      L"[with ] +5: 1",
                                      L"[without 甲 | 乙] +5: 1",
                                      L"+5: 1, "};
  for (const wchar_t* text : malformed) {
    EXPECT_FALSE(IsWellFormedRuleText(text)) << EncodeUtf8(text);
  }
}

}  // namespace
}  // namespace almanac
