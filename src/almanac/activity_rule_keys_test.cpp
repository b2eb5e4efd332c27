#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <set>
#include <string>

#include "almanac/activity_rules.h"
#include "almanac/almanac_day.h"
#include "almanac/month_spirit_stars.h"
#include "almanac/stem_branch_spirit_stars.h"
#include "almanac/year_spirit_stars.h"
#include "testing/utf8.h"
#include "vocabulary/vocabulary_lists.h"

// The rule rows are keyed by the display names that the spirit-star finders write; these tests
// run the finders over every year, month and day key and compare the names they write with the
// keys and conditions of the rows.

namespace almanac {
namespace {

using test_text::EncodeUtf8;

void Collect(const SpiritStarList& list, std::set<std::wstring>& names) {
  for (std::size_t i = 0; i < UsedSlotCount(list); ++i) {
    names.insert(list[i]);
  }
}

// Every name each list can receive: the year lists over all year pillars and day pillars, the
// month lists over all month branches and day pillars, the finders called as the page calls them.
std::map<ActivityRuleSet, std::set<std::wstring>> NamesTheFindersWrite() {
  std::map<ActivityRuleSet, std::set<std::wstring>> names;
  for (const std::wstring_view dayName : vocabulary::kSexagenaryNames) {
    const std::wstring day(dayName);
    const std::wstring dayStem = day.substr(0, 1);
    const std::wstring dayBranch = day.substr(1, 1);
    for (const std::wstring_view yearName : vocabulary::kSexagenaryNames) {
      const std::wstring year(yearName);
      const std::wstring yearStem = year.substr(0, 1);
      const std::wstring yearBranch = year.substr(1, 1);
      AlmanacDay page;
      FindYearStemAuspicious(yearStem, dayStem, page.yearAuspicious);
      FindYearBranchAuspicious(yearBranch, dayBranch, page.yearAuspicious);
      FindYearStemInauspicious(yearStem, dayStem, page.yearInauspicious);
      FindYearStemInauspicious(yearStem, dayBranch, page.yearInauspicious);
      FindYearBranchInauspicious(yearBranch, dayStem, page.yearInauspicious);
      FindYearBranchInauspicious(yearBranch, dayBranch, page.yearInauspicious);
      Collect(page.yearAuspicious, names[ActivityRuleSet::kYearAuspicious]);
      Collect(page.yearInauspicious, names[ActivityRuleSet::kYearInauspicious]);
    }
    for (const std::wstring_view monthName : vocabulary::kMonthBranches) {
      const std::wstring month(monthName);
      AlmanacDay page;
      FindMonthStemBranchAuspicious(month, day, page.monthAuspicious);
      FindMonthStemBranchInauspicious(month, day, page.monthInauspicious);
      FindMonthBranchAuspicious(month, dayStem, page.monthAuspicious);
      FindMonthBranchAuspicious(month, dayBranch, page.monthAuspicious);
      FindMonthBranchInauspicious(month, dayStem, page.monthInauspicious, page.extraMarks);
      FindMonthBranchInauspicious(month, dayBranch, page.monthInauspicious, page.extraMarks);
      FindStemBranchAuspicious(day, page.monthAuspicious);
      FindStemBranchInauspicious(day, page.monthInauspicious);
      Collect(page.monthAuspicious, names[ActivityRuleSet::kMonthAuspicious]);
      Collect(page.monthInauspicious, names[ActivityRuleSet::kMonthInauspicious]);
    }
  }
  return names;
}

TEST(ActivityRuleKeys, EveryKeyButTheNamesNoFinderWrites) {
  const auto written = NamesTheFindersWrite();
  // Rows kept for names that the finders write with alternates ("月平(天罡, 死神)") or not at
  // all: they never apply.
  const std::set<std::wstring> neverWritten = {L"月平(天罡)", L"月平(河魁)", L"氣往亡", L"反支",
                                               L"上朔",       L"四離",       L"四絕",   L"晦日",
                                               L"土王用事",   L"月忌日"};
  std::set<std::wstring> unmatched;
  for (const ActivityRule& rule : kActivityRules) {
    const std::wstring key(rule.key);
    if (written.at(rule.set).count(key) == 0) {
      unmatched.insert(key);
    }
  }
  for (const std::wstring& key : unmatched) {
    std::cout << "  row never applies: " << EncodeUtf8(key) << "\n";
  }
  EXPECT_EQ(unmatched, neverWritten);
}

TEST(ActivityRuleKeys, ConditionNamesStandInTheMonthAuspiciousList) {
  const std::set<std::wstring> monthAuspicious =
      NamesTheFindersWrite().at(ActivityRuleSet::kMonthAuspicious);
  std::set<std::wstring> missing;
  for (const ActivityRule& rule : kActivityRules) {
    ForEachRuleWeight(
        rule.weights,
        [&](const RuleCondition& condition) {
          if (!condition.names.empty()) {
            ForEachConditionName(condition.names, [&](std::wstring_view name) {
              if (monthAuspicious.count(std::wstring(name)) == 0) {
                missing.insert(std::wstring(name));
              }
            });
          }
          return true;
        },
        [](int, int) {});
  }
  // 月建 is a month inauspicious name: the condition of 天恩 that names it never finds it.
  EXPECT_EQ(missing, std::set<std::wstring>{L"月建(兵福, 小時, 土府)"});
}

TEST(ActivityRuleKeys, NamesWithoutARow) {
  const auto written = NamesTheFindersWrite();
  std::set<std::pair<ActivityRuleSet, std::wstring>> keys;
  for (const ActivityRule& rule : kActivityRules) {
    keys.emplace(rule.set, std::wstring(rule.key));
  }
  std::set<std::wstring> unweighed;
  for (const auto& [set, names] : written) {
    for (const std::wstring& name : names) {
      if (keys.count({set, name}) == 0) {
        unweighed.insert(name);
      }
    }
  }
  std::cout << "  names without a row:";
  for (const std::wstring& name : unweighed) {
    std::cout << " " << EncodeUtf8(name);
  }
  std::cout << "\n";
  for (const wchar_t* name : {L"福星", L"歲支德", L"博士", L"金神", L"天德合, 月德合"}) {
    EXPECT_EQ(unweighed.count(name), 1u) << EncodeUtf8(name);
  }
}

}  // namespace
}  // namespace almanac
