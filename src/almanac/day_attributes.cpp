#include "almanac/day_attributes.h"

#include <array>
#include <cmath>
#include <span>
#include <string_view>

#include "vocabulary/branch_relations.h"
#include "vocabulary/cyclic_index.h"
#include "vocabulary/vocabulary_lists.h"

namespace almanac {
namespace {

struct NayinRow {
  std::wstring_view firstPair;
  std::wstring_view secondPair;
  std::wstring_view nayin;
};

// Two consecutive pairs of the sixty-pair cycle share one nayin; rows in cycle order.
// first pair, second pair, nayin
constexpr auto kNayinRows = std::to_array<NayinRow>({
    {L"甲子", L"乙丑", L"海中金"}, {L"丙寅", L"丁卯", L"爐中火"}, {L"戊辰", L"己巳", L"大林木"},
    {L"庚午", L"辛未", L"路旁土"}, {L"壬申", L"癸酉", L"劍鋒金"}, {L"甲戌", L"乙亥", L"山頭火"},
    {L"丙子", L"丁丑", L"澗下水"}, {L"戊寅", L"己卯", L"城頭土"}, {L"庚辰", L"辛巳", L"白臘金"},
    {L"壬午", L"癸未", L"楊柳木"}, {L"甲申", L"乙酉", L"泉中水"}, {L"丙戌", L"丁亥", L"屋上土"},
    {L"戊子", L"己丑", L"劈靂火"}, {L"庚寅", L"辛卯", L"松柏木"}, {L"壬辰", L"癸巳", L"長流水"},
    {L"甲午", L"乙未", L"沙中金"}, {L"丙申", L"丁酉", L"山下火"}, {L"戊戌", L"己亥", L"平地木"},
    {L"庚子", L"辛丑", L"壁上土"}, {L"壬寅", L"癸卯", L"金箔金"}, {L"甲辰", L"乙巳", L"佛燈火"},
    {L"丙午", L"丁未", L"天河水"}, {L"戊申", L"己酉", L"大驛土"}, {L"庚戌", L"辛亥", L"釵釧金"},
    {L"壬子", L"癸丑", L"桑枝木"}, {L"甲寅", L"乙卯", L"大溪水"}, {L"丙辰", L"丁巳", L"沙中土"},
    {L"戊午", L"己未", L"天上火"}, {L"庚申", L"辛酉", L"石榴木"}, {L"壬戌", L"癸亥", L"大海水"},
});
static_assert(kNayinRows.size() == 30);

constexpr auto kLunarMansions = std::to_array<std::wstring_view>(
    {L"角", L"亢", L"氐", L"房", L"心", L"尾", L"箕", L"斗", L"牛", L"女",
     L"虛", L"危", L"室", L"壁", L"奎", L"婁", L"胃", L"昂", L"畢", L"觜",
     L"參", L"井", L"鬼", L"柳", L"星", L"張", L"翼", L"軫"});
static_assert(kLunarMansions.size() == 28);

// The sha direction of a day branch by branch index mod 4: 申子辰 南, 巳酉丑 東, 寅午戌 北,
// 亥卯未 西.
constexpr auto kShaDirections = std::to_array<std::wstring_view>({L"南", L"東", L"北", L"西"});
static_assert(kShaDirections.size() == 4);

constexpr auto kDayOfficers = std::to_array<std::wstring_view>(
    {L"建", L"除", L"滿", L"平", L"定", L"執", L"破", L"危", L"成", L"收", L"開", L"閉"});
static_assert(kDayOfficers.size() == 12);

// Flying star by value 1..9 at index value - 1.
constexpr auto kNineStars = std::to_array<std::wstring_view>(
    {L"一白", L"二黑", L"三碧", L"四綠", L"五黃", L"六白", L"七赤", L"八白", L"九紫"});
static_assert(kNineStars.size() == 9);

constexpr auto kTrigrams =
    std::to_array<std::wstring_view>({L"乾", L"兌", L"離", L"震", L"巽", L"坎", L"艮", L"坤"});
static_assert(kTrigrams.size() == 8);

// Index of name in list, or list.size() when absent.
int IndexOrSize(std::span<const std::wstring_view> list, const std::wstring& name) {
  int i = 0;
  while (i < static_cast<int>(list.size()) && list[i] != name) {
    ++i;
  }
  return i;
}

// trunc(julianDay + offset) mod period, or -1 when the truncated value is not a non-negative
// 32-bit int (the range within which the cycle is defined; also keeps the cast defined).
int CycleIndexOfJulianDay(double julianDay, double offset, int period) {
  const double x = std::trunc(julianDay + offset);  // NaN stays NaN and fails the test below
  if (!(x >= 0.0 && x <= 2147483647.0)) {
    return -1;
  }
  return static_cast<int>(static_cast<long long>(x) % period);
}

}  // namespace

std::wstring NayinName(const std::wstring& stem, const std::wstring& branch) {
  const std::wstring pair = stem + branch;
  for (const NayinRow& row : kNayinRows) {
    if (pair == row.firstPair || pair == row.secondPair) {
      return std::wstring(row.nayin);
    }
  }
  return {};
}

std::wstring LunarMansionOfDay(double julianDay) {
  const int i = CycleIndexOfJulianDay(julianDay, 11.0, 28);
  return i < 0 ? std::wstring() : std::wstring(kLunarMansions[i]);
}

void SetClashAndSha(const std::wstring& dayBranch, AlmanacDay& day) {
  const int b = vocabulary::LookupBranchIndex(dayBranch);
  if (b < 0) {
    return;
  }
  const int opposite = vocabulary::BranchIndexOfCharacter(vocabulary::kBranchRelations[b].clash);
  day.clashAnimal = vocabulary::kZodiacAnimals[opposite];
  day.shaDirection = kShaDirections[b % 4];
}

std::wstring DayOfficerName(const std::wstring& dayBranch, const std::wstring& sectionTerm) {
  const int i = IndexOrSize(vocabulary::kMonthBranches, dayBranch);                // [0, 12]
  const int j = IndexOrSize(vocabulary::kSectionTermsByMonthBranch, sectionTerm);  // [0, 12]
  return std::wstring(kDayOfficers[vocabulary::FloorMod(i - j, 12)]);
}

std::wstring DayNineStarName(const std::wstring& stem, const std::wstring& branch,
                             const std::wstring& midTerm) {
  const int k = IndexOrSize(vocabulary::kSexagenaryNames, stem + branch);  // [0, 60]
  const int r = k % 9;                                                     // [0, 8]
  int v = k;
  if (midTerm == L"冬至" || midTerm == L"大寒") {
    v = (k + 1) % 9;
  } else if (midTerm == L"雨水" || midTerm == L"春分") {
    v = (k + 7) % 9;
  } else if (midTerm == L"穀雨" || midTerm == L"小滿") {
    v = (k + 4) % 9;
  } else if (midTerm == L"夏至" || midTerm == L"大暑") {
    v = 9 - r;
  } else if (midTerm == L"處暑" || midTerm == L"秋分") {
    v = (12 - r) % 9;
  } else if (midTerm == L"霜降" || midTerm == L"小雪") {
    v = (15 - r) % 9;
  }
  if (v >= 1 && v <= 8) {
    return std::wstring(kNineStars[v - 1]);
  }
  if (v == 0 || v == 9) {
    return std::wstring(kNineStars[8]);
  }
  return {};
}

std::wstring DayTrigramName(double julianDay) {
  const int i = CycleIndexOfJulianDay(julianDay, 5.0, 8);
  return i < 0 ? std::wstring() : std::wstring(kTrigrams[i]);
}

}  // namespace almanac
