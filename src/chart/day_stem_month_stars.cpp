#include "chart/day_stem_month_stars.h"

#include <array>
#include <cwchar>

#include "vocabulary/cyclic_index.h"
#include "vocabulary/vocabulary_lists.h"

namespace chart {
namespace {

struct DayStemStarRow {
  const wchar_t* star;
  int slot;
  std::array<const wchar_t*, 10> branchesByStem;  // the branches where the star stands
};

// Rows in the order their names are appended; 紅艷 (last) only for women.
// clang-format off
constexpr auto kDayStemStarRows = std::to_array<DayStemStarRow>({
    // star     slot         甲      乙      丙      丁      戊      己      庚      辛      壬      癸
    {L"祿元", kStar祿元, {L"寅",   L"卯",   L"巳",   L"午",   L"巳",   L"午",   L"申",   L"酉",   L"亥",   L"子"}},
    {L"羊刃", kStar羊刃, {L"卯",   L"辰",   L"午",   L"未",   L"午",   L"未",   L"酉",   L"戌",   L"子",   L"丑"}},
    {L"流霞", kStar流霞, {L"酉",   L"戌",   L"未",   L"申",   L"巳",   L"午",   L"辰",   L"卯",   L"亥",   L"寅"}},
    {L"飛刃", kStar飛刃, {L"酉",   L"戌",   L"子",   L"丑",   L"子",   L"丑",   L"卯",   L"辰",   L"午",   L"未"}},
    {L"金輿", kStar金輿, {L"辰",   L"巳",   L"未",   L"申",   L"未",   L"申",   L"戌",   L"亥",   L"丑",   L"寅"}},
    {L"學堂", kStar學堂, {L"亥",   L"午",   L"寅",   L"酉",   L"寅",   L"酉",   L"巳",   L"子",   L"申",   L"卯"}},
    {L"陽貴", kStar陽貴, {L"未",   L"申",   L"酉",   L"亥",   L"丑",   L"子",   L"寅",   L"午",   L"卯",   L"巳"}},
    {L"陰貴", kStar陰貴, {L"丑",   L"子",   L"亥",   L"酉",   L"未",   L"申",   L"午",   L"寅",   L"巳",   L"卯"}},
    {L"正桃", kStar正桃, {L"卯亥", L"卯亥", L"子申", L"子申", L"午戌", L"午戌", L"巳亥", L"巳亥", L"午戌", L"午戌"}},
    {L"福星", kStar福星, {L"子寅", L"丑卯", L"子寅", L"亥",   L"申",   L"未",   L"午",   L"巳",   L"辰",   L"丑卯"}},
    {L"紅艷", kStar紅艷, {L"午申", L"申",   L"寅",   L"未",   L"辰",   L"辰",   L"申戌", L"酉",   L"子",   L"申"}},
});
static_assert(kDayStemStarRows.size() == 11);
// clang-format on
constexpr int kRedBlushRow = 10;

struct MonthStarRow {
  const wchar_t* star;
  int slot;
  std::array<const wchar_t*, 12> subjectByMonth;  // months 寅 .. 丑
};

// clang-format off
constexpr auto kMonthStarRows = std::to_array<MonthStarRow>({
    // star   slot        寅     卯     辰     巳     午     未     申     酉     戌     亥     子     丑
    {L"天德", kStar天德, {L"丁", L"申", L"壬", L"辛", L"亥", L"甲", L"癸", L"寅", L"丙", L"乙", L"巳", L"庚"}},
    {L"月德", kStar月德, {L"丙", L"甲", L"壬", L"庚", L"丙", L"甲", L"壬", L"庚", L"丙", L"甲", L"壬", L"庚"}},
    {L"血刃", kStar血刃, {L"丑", L"未", L"寅", L"申", L"卯", L"酉", L"辰", L"戌", L"巳", L"亥", L"午", L"子"}},
});
static_assert(kMonthStarRows.size() == 3);
// clang-format on

// The 祿 branch of each stem 甲 .. 癸, and the 刃 branch of the yang stems (empty for yin ones).
constexpr auto kLuBranches = std::to_array<const wchar_t*>(
    {L"寅", L"卯", L"巳", L"午", L"巳", L"午", L"申", L"酉", L"亥", L"子"});
static_assert(kLuBranches.size() == 10);
constexpr auto kBladeBranches =
    std::to_array<const wchar_t*>({L"卯", L"", L"午", L"", L"午", L"", L"酉", L"", L"子", L""});
static_assert(kBladeBranches.size() == 10);

// Whether a one-character branch stands in a cell of one or two branch characters.
bool CellHolds(const wchar_t* cell, const std::wstring& branch) {
  return branch.size() == 1 && std::wcschr(cell, branch[0]) != nullptr;
}

}  // namespace

void AppendCountedStar(std::vector<std::wstring>& starNames, FourPillarsChart& chart,
                       const wchar_t* name, int slot, int countFlag) {
  AppendStarName(starNames, name);
  if (countFlag != 0) {
    ++chart.starCounts[slot];
  }
}

void AddDayStemStars(const std::wstring& dayStem, const std::wstring& branch,
                     std::vector<std::wstring>& starNames, FourPillarsChart& chart, int countFlag) {
  const int stem = vocabulary::LookupStemIndex(dayStem);
  if (stem < 0 || vocabulary::LookupBranchIndex(branch) < 0) {
    return;
  }
  for (int row = 0; row < static_cast<int>(kDayStemStarRows.size()); ++row) {
    if (row == kRedBlushRow && chart.sexText != L"女") {
      continue;
    }
    const DayStemStarRow& r = kDayStemStarRows[row];
    if (CellHolds(r.branchesByStem[stem], branch)) {
      AppendCountedStar(starNames, chart, r.star, r.slot, countFlag);
    }
  }
}

void AddMonthBranchStars(const std::wstring& monthBranch, const std::wstring& subject,
                         std::vector<std::wstring>& starNames, FourPillarsChart& chart,
                         int countFlag) {
  const int branch = vocabulary::LookupBranchIndex(monthBranch);
  if (branch < 0) {
    return;
  }
  const int month = vocabulary::FloorMod(branch - 2, 12);  // 寅 months first
  for (const MonthStarRow& r : kMonthStarRows) {
    if (subject == r.subjectByMonth[month]) {
      AppendCountedStar(starNames, chart, r.star, r.slot, countFlag);
    }
  }
}

void CountMonthLuAndBlade(const std::wstring& monthBranch, const std::wstring& dayStem,
                          FourPillarsChart& chart) {
  const int stem = vocabulary::LookupStemIndex(dayStem);
  if (stem < 0 || vocabulary::LookupBranchIndex(monthBranch) < 0) {
    return;
  }
  if (monthBranch == kLuBranches[stem]) {
    ++chart.truePatternFlags[kMonthLuPatternSlot];
  }
  if (monthBranch == kBladeBranches[stem]) {
    ++chart.truePatternFlags[kMonthBladePatternSlot];
  }
}

void CountHourLu(const std::wstring& dayStem, const std::wstring& hourBranch,
                 FourPillarsChart& chart) {
  const int stem = vocabulary::LookupStemIndex(dayStem);
  if (stem >= 0 && hourBranch == kLuBranches[stem]) {
    ++chart.truePatternFlags[kHourLuPatternSlot];
  }
}

}  // namespace chart
