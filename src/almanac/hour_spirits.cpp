#include "almanac/hour_spirits.h"

#include <array>
#include <string_view>

#include "vocabulary/branch_relations.h"
#include "vocabulary/cyclic_index.h"
#include "vocabulary/vocabulary_lists.h"

namespace almanac {
namespace {

// One (day stem, hour) cell of the auspicious spirits found by the day stem, its names in the
// order the hour row shows them; an hour without a row has none.
struct HourStemCell {
  const wchar_t* dayStem;
  const wchar_t* hourBranch;
  std::array<const wchar_t*, 3> names;  // used from the front
};

// clang-format off
// day stem, hour, names (天乙貴人, 日祿, 福星貴人, 喜神, 天官貴人)
constexpr auto kHourAuspiciousByStem = std::to_array<HourStemCell>({
    {L"甲", L"丑", {L"天乙貴人"}},
    {L"甲", L"寅", {L"日祿", L"福星貴人", L"喜神"}},
    {L"甲", L"未", {L"天乙貴人"}},
    {L"甲", L"酉", {L"天官貴人"}},
    {L"乙", L"子", {L"天乙貴人"}},
    {L"乙", L"丑", {L"福星貴人"}},
    {L"乙", L"卯", {L"日祿"}},
    {L"乙", L"申", {L"天官貴人", L"天乙貴人"}},
    {L"乙", L"戌", {L"喜神"}},
    {L"乙", L"亥", {L"福星貴人"}},
    {L"丙", L"子", {L"天官貴人", L"福星貴人"}},
    {L"丙", L"巳", {L"日祿"}},
    {L"丙", L"申", {L"喜神"}},
    {L"丙", L"酉", {L"天乙貴人"}},
    {L"丙", L"戌", {L"福星貴人"}},
    {L"丙", L"亥", {L"天乙貴人"}},
    {L"丁", L"卯", {L"福星貴人"}},
    {L"丁", L"午", {L"喜神", L"日祿"}},
    {L"丁", L"酉", {L"天乙貴人"}},
    {L"丁", L"亥", {L"天官貴人", L"天乙貴人"}},
    {L"戊", L"丑", {L"天乙貴人"}},
    {L"戊", L"卯", {L"天官貴人"}},
    {L"戊", L"辰", {L"喜神"}},
    {L"戊", L"巳", {L"日祿"}},
    {L"戊", L"未", {L"天乙貴人"}},
    {L"戊", L"申", {L"福星貴人"}},
    {L"己", L"子", {L"天乙貴人"}},
    {L"己", L"寅", {L"天官貴人", L"喜神"}},
    {L"己", L"午", {L"日祿"}},
    {L"己", L"未", {L"福星貴人"}},
    {L"己", L"申", {L"天乙貴人"}},
    {L"庚", L"丑", {L"天乙貴人"}},
    {L"庚", L"午", {L"福星貴人", L"天官貴人"}},
    {L"庚", L"未", {L"天乙貴人"}},
    {L"庚", L"申", {L"日祿"}},
    {L"庚", L"戌", {L"喜神"}},
    {L"辛", L"寅", {L"天乙貴人"}},
    {L"辛", L"巳", {L"天官貴人", L"福星貴人"}},
    {L"辛", L"午", {L"天乙貴人"}},
    {L"辛", L"申", {L"喜神"}},
    {L"辛", L"酉", {L"日祿"}},
    {L"壬", L"丑", {L"天官貴人"}},
    {L"壬", L"卯", {L"天乙貴人"}},
    {L"壬", L"辰", {L"福星貴人"}},
    {L"壬", L"巳", {L"天乙貴人"}},
    {L"壬", L"午", {L"喜神"}},
    {L"壬", L"未", {L"天官貴人"}},
    {L"壬", L"亥", {L"日祿"}},
    {L"癸", L"子", {L"日祿"}},
    {L"癸", L"卯", {L"天乙貴人", L"福星貴人"}},
    {L"癸", L"辰", {L"喜神", L"天官貴人"}},
    {L"癸", L"巳", {L"天乙貴人"}},
    {L"癸", L"戌", {L"天官貴人"}},
});
// clang-format on
static_assert(kHourAuspiciousByStem.size() == 53);

// The hours of 五不遇時 and of 路空 for each day stem, one branch character per hour.
struct HourStemInauspiciousRow {
  const wchar_t* dayStem;
  std::wstring_view fiveUnmetHours;  // 五不遇時
  std::wstring_view emptyRoadHours;  // 路空
};

// day stem, 五不遇時 hours, 路空 hours
constexpr auto kHourInauspiciousByStem = std::to_array<HourStemInauspiciousRow>({
    {L"甲", L"午", L"申酉"},
    {L"乙", L"巳", L"午未"},
    {L"丙", L"辰", L"辰巳"},
    {L"丁", L"卯", L"寅卯"},
    {L"戊", L"寅", L"子丑戌亥"},
    {L"己", L"丑亥", L"申酉"},
    {L"庚", L"子戌", L"午未"},
    {L"辛", L"酉", L"辰巳"},
    {L"壬", L"申", L"寅卯"},
    {L"癸", L"未", L"子丑戌亥"},
});
static_assert(kHourInauspiciousByStem.size() == 10);

// The travelling horse (驛馬) of each day branch, "子" first: 申子辰 寅, 寅午戌 申, 巳酉丑 亥,
// 亥卯未 巳.
constexpr std::wstring_view kHorseHours = L"寅亥申巳寅亥申巳寅亥申巳";
static_assert(kHorseHours.size() == 12);

// The path spirits in their cycle; the yellow ones (黃道) are the auspicious six.
struct PathSpirit {
  const wchar_t* name;
  bool yellow;
};

// name, yellow path
constexpr auto kHourPathSpirits = std::to_array<PathSpirit>({
    {L"青龍", true},
    {L"明堂", true},
    {L"天刑", false},
    {L"朱雀", false},
    {L"金匱", true},
    {L"寶光", true},
    {L"白虎", false},
    {L"玉堂", true},
    {L"天牢", false},
    {L"玄武", false},
    {L"司命", true},
    {L"勾陳", false},
});
static_assert(kHourPathSpirits.size() == 12);

// Position in the path cycle of the spirit on an hour: 青龍 stands on (8 + 2 × (day mod 6)) mod
// 12, and each later hour carries the next spirit.
int PathCyclePosition(int dayBranchIndex, int hourBranchIndex) {
  const int firstHour = vocabulary::FloorMod(8 + 2 * vocabulary::FloorMod(dayBranchIndex, 6), 12);
  return vocabulary::FloorMod(hourBranchIndex - firstHour, 12);
}

// Whether `hours` (one branch character per hour) names the hour branch.
bool NamesHour(std::wstring_view hours, const std::wstring& hourBranch) {
  return hourBranch.size() == 1 && hours.find(hourBranch[0]) != std::wstring_view::npos;
}

}  // namespace

std::wstring_view HourPathSpirit(int dayBranchIndex, int hourBranchIndex) {
  return kHourPathSpirits[PathCyclePosition(dayBranchIndex, hourBranchIndex)].name;
}

bool IsYellowPathHour(int dayBranchIndex, int hourBranchIndex) {
  return kHourPathSpirits[PathCyclePosition(dayBranchIndex, hourBranchIndex)].yellow;
}

void FindHourAuspiciousByStem(const std::wstring& dayStem, const std::wstring& hourBranch,
                              SpiritStarList& hourAuspicious) {
  SpiritStarAppender appender(hourAuspicious);
  for (const HourStemCell& cell : kHourAuspiciousByStem) {
    if (dayStem == cell.dayStem && hourBranch == cell.hourBranch) {
      for (const wchar_t* name : cell.names) {
        if (name != nullptr) {
          appender.Append(name);
        }
      }
      return;
    }
  }
}

void FindHourInauspiciousByStem(const std::wstring& dayStem, const std::wstring& hourBranch,
                                SpiritStarList& hourInauspicious) {
  SpiritStarAppender appender(hourInauspicious);
  for (const HourStemInauspiciousRow& row : kHourInauspiciousByStem) {
    if (dayStem == row.dayStem) {
      if (NamesHour(row.fiveUnmetHours, hourBranch)) {
        appender.Append(L"五不遇時");
      }
      if (NamesHour(row.emptyRoadHours, hourBranch)) {
        appender.Append(L"路空");
      }
      return;
    }
  }
}

void FindHourAuspiciousByBranch(const std::wstring& dayBranch, const std::wstring& hourBranch,
                                SpiritStarList& hourAuspicious) {
  const int day = vocabulary::LookupBranchIndex(dayBranch);
  const int hour = vocabulary::LookupBranchIndex(hourBranch);
  if (day < 0 || hour < 0) {
    return;
  }
  SpiritStarAppender appender(hourAuspicious);
  const vocabulary::BranchRelations& row = vocabulary::kBranchRelations[day];
  const wchar_t h = hourBranch[0];
  // 日建 (the day branch itself), 日合 and 日馬 never share an hour.
  if (h == row.branch) {
    appender.Append(L"日建");
  } else if (h == row.harmony) {
    appender.Append(L"日合");
  } else if (h == kHorseHours[day]) {
    appender.Append(L"日馬");
  }
  if (IsYellowPathHour(day, hour)) {
    appender.Append(std::wstring(HourPathSpirit(day, hour)));
  }
}

void FindHourInauspiciousByBranch(const std::wstring& dayBranch, const std::wstring& hourBranch,
                                  SpiritStarList& hourInauspicious) {
  const int day = vocabulary::LookupBranchIndex(dayBranch);
  const int hour = vocabulary::LookupBranchIndex(hourBranch);
  if (day < 0 || hour < 0) {
    return;
  }
  SpiritStarAppender appender(hourInauspicious);
  const vocabulary::BranchRelations& row = vocabulary::kBranchRelations[day];
  const wchar_t h = hourBranch[0];
  if (h == row.clash) {  // the almanac calls the day's clash 日破
    appender.Append(L"日破");
  }
  if (h == row.punishment) {
    appender.Append(L"日刑");
  }
  if (h == row.harm) {
    appender.Append(L"日害");
  }
  if (!IsYellowPathHour(day, hour)) {
    appender.Append(std::wstring(HourPathSpirit(day, hour)));
  }
}

}  // namespace almanac
