#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vocabulary {

// The constant name lists of the calendar, each written out once, here. Every other list of
// stems, branches, lunar days, animals or month branches (CalendarVocabulary, the chart's
// basics, the almanac's rule columns, the tests) reads these. Entries are literals, so the lists
// are complete before any code runs and may key constexpr tables. Months begin with "正" here;
// CalendarVocabulary keeps its own lists in orders of its own (months from "十一", terms from
// "冬至").

// Stem index 0..9.
inline constexpr auto kHeavenlyStems = std::to_array<std::wstring_view>(
    {L"甲", L"乙", L"丙", L"丁", L"戊", L"己", L"庚", L"辛", L"壬", L"癸"});
static_assert(kHeavenlyStems.size() == 10);

// Branch index 0..11.
inline constexpr auto kEarthlyBranches = std::to_array<std::wstring_view>(
    {L"子", L"丑", L"寅", L"卯", L"辰", L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥"});
static_assert(kEarthlyBranches.size() == 12);

// Lunar day d (1..31) at d - 1.
inline constexpr auto kLunarDayNames = std::to_array<std::wstring_view>(
    {L"初一", L"初二", L"初三", L"初四", L"初五", L"初六", L"初七", L"初八",
     L"初九", L"初十", L"十一", L"十二", L"十三", L"十四", L"十五", L"十六",
     L"十七", L"十八", L"十九", L"二十", L"廿一", L"廿二", L"廿三", L"廿四",
     L"廿五", L"廿六", L"廿七", L"廿八", L"廿九", L"三十", L"卅一"});
static_assert(kLunarDayNames.size() == 31);

// Lunar month m (1..12) at m - 1.
inline constexpr auto kLunarMonthNames = std::to_array<std::wstring_view>(
    {L"正", L"二", L"三", L"四", L"五", L"六", L"七", L"八", L"九", L"十", L"十一", L"十二"});
static_assert(kLunarMonthNames.size() == 12);

namespace internal {
// The sixty pairs as one text, two characters a pair: stem i mod 10, then branch i mod 12.
inline constexpr auto kSexagenaryText = [] {
  std::array<wchar_t, 120> text{};
  for (std::size_t i = 0; i < 60; ++i) {
    text[2 * i] = kHeavenlyStems[i % 10][0];
    text[2 * i + 1] = kEarthlyBranches[i % 12][0];
  }
  return text;
}();
}  // namespace internal

// Position 0..59 in the sixty-pair cycle, "甲子" = 0: the stem i mod 10 and the branch i mod 12.
inline constexpr auto kSexagenaryNames = [] {
  std::array<std::wstring_view, 60> names{};
  for (std::size_t i = 0; i < 60; ++i) {
    names[i] = std::wstring_view(internal::kSexagenaryText.data() + 2 * i, 2);
  }
  return names;
}();

// The branch of lunar month m (1..12) at m - 1, "寅" first.
inline constexpr auto kMonthBranches = std::to_array<std::wstring_view>(
    {L"寅", L"卯", L"辰", L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥", L"子", L"丑"});
static_assert(kMonthBranches.size() == 12);

// The section term that falls in Gregorian month m (1..12) at m - 1, "小寒" first.
inline constexpr auto kSectionTermsByGregorianMonth =
    std::to_array<std::wstring_view>({L"小寒", L"立春", L"驚蟄", L"清明", L"立夏", L"芒種", L"小暑",
                                      L"立秋", L"白露", L"寒露", L"立冬", L"大雪"});
static_assert(kSectionTermsByGregorianMonth.size() == 12);

// The section term that opens the month of kMonthBranches[i], at i: "立春" first.
inline constexpr auto kSectionTermsByMonthBranch =
    std::to_array<std::wstring_view>({L"立春", L"驚蟄", L"清明", L"立夏", L"芒種", L"小暑", L"立秋",
                                      L"白露", L"寒露", L"立冬", L"大雪", L"小寒"});
static_assert(kSectionTermsByMonthBranch.size() == 12);

// The mid-term that falls in Gregorian month m (1..12) at m mod 12: December's "冬至" first.
inline constexpr auto kMidTermsByGregorianMonth =
    std::to_array<std::wstring_view>({L"冬至", L"大寒", L"雨水", L"春分", L"穀雨", L"小滿", L"夏至",
                                      L"大暑", L"處暑", L"秋分", L"霜降", L"小雪"});
static_assert(kMidTermsByGregorianMonth.size() == 12);

// Weekday w at w, 0 = Sunday "日" .. 6 = Saturday "六".
inline constexpr auto kWeekdayNames =
    std::to_array<std::wstring_view>({L"日", L"一", L"二", L"三", L"四", L"五", L"六"});
static_assert(kWeekdayNames.size() == 7);

// The animal of branch index i at i, "鼠" first.
inline constexpr auto kZodiacAnimals = std::to_array<std::wstring_view>(
    {L"鼠", L"牛", L"虎", L"兔", L"龍", L"蛇", L"馬", L"羊", L"猴", L"雞", L"狗", L"豬"});
static_assert(kZodiacAnimals.size() == 12);

// The solar terms by index 0..23 counted from "立春" (even: section terms, odd: mid-terms): the
// keys of LookupSolarTermIndex and the order in which callers compare terms within a year.
inline constexpr auto kSolarTermKeys = std::to_array<std::wstring_view>(
    {L"立春", L"雨水", L"驚蟄", L"春分", L"清明", L"穀雨", L"立夏", L"小滿",
     L"芒種", L"夏至", L"小暑", L"大暑", L"立秋", L"處暑", L"白露", L"秋分",
     L"寒露", L"霜降", L"立冬", L"小雪", L"大雪", L"冬至", L"小寒", L"大寒"});
static_assert(kSolarTermKeys.size() == 24);

// Index 0..23 of a solar-term name in kSolarTermKeys, or -1. Whole-string match, no trimming
// or folding.
int LookupSolarTermIndex(const std::wstring& name);

// Index 0..11 of a branch name in kEarthlyBranches ("子" = 0), or -1.
int LookupBranchIndex(const std::wstring& name);

// Index 0..9 of a stem name in kHeavenlyStems ("甲" = 0), or -1.
int LookupStemIndex(const std::wstring& name);

}  // namespace vocabulary
