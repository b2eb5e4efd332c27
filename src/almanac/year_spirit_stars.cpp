#include "almanac/year_spirit_stars.h"

#include <array>
#include <string_view>

#include "almanac/spirit_star_table.h"
#include "vocabulary/vocabulary_lists.h"

namespace almanac {
namespace {

// Columns of the year-branch tables: the year branch, "子" first.
constexpr const auto& kBranchColumns = vocabulary::kEarthlyBranches;

// Year stem against day stem. A yang year's 歲德 is the year stem itself and its 歲德合 the
// stem five places on; a yin year the other way round. 歲幹合: either of the two.
// spirit star, 甲, 乙, 丙, 丁, 戊, 己, 庚, 辛, 壬, 癸 (year stem)
constexpr auto kYearStemAuspicious = std::to_array<SpiritStarRow<10>>({
    {L"歲德", {L"甲", L"庚", L"丙", L"壬", L"戊", L"甲", L"庚", L"丙", L"壬", L"戊"}},
    {L"歲德合", {L"己", L"乙", L"辛", L"丁", L"癸", L"己", L"乙", L"辛", L"丁", L"癸"}},
    {L"歲幹合",
     {L"甲 己", L"乙 庚", L"丙 辛", L"丁 壬", L"戊 癸", L"甲 己", L"乙 庚", L"丙 辛", L"丁 壬",
      L"戊 癸"}},
});
static_assert(kYearStemAuspicious.size() == 3);

// Year branch against day branch; 歲支德 is the branch five places after the year branch.
// spirit star, 子, 丑, 寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌, 亥 (year branch)
constexpr auto kYearBranchAuspicious = std::to_array<SpiritStarRow<12>>({
    {L"歲支德",
     {L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥", L"子", L"丑", L"寅", L"卯", L"辰"}},
    {L"奏書",
     {L"戌 亥", L"戌 亥", L"丑 寅", L"丑 寅", L"丑 寅", L"辰 巳", L"辰 巳", L"辰 巳", L"未 申",
      L"未 申", L"未 申", L"戌 亥"}},
    {L"博士",
     {L"辰 巳", L"辰 巳", L"未 申", L"未 申", L"未 申", L"戌 亥", L"戌 亥", L"戌 亥", L"丑 寅",
      L"丑 寅", L"丑 寅", L"辰 巳"}},
});
static_assert(kYearBranchAuspicious.size() == 3);

// Year stem against the day stem or branch; each cell holds stems only or branches only.
// spirit star, 甲, 乙, 丙, 丁, 戊, 己, 庚, 辛, 壬, 癸 (year stem)
constexpr auto kYearStemInauspicious = std::to_array<SpiritStarRow<10>>({
    {L"金神",
     {L"午 未 申 酉", L"辰 巳", L"子 丑 寅 卯 午 未", L"寅 卯 戌 亥", L"子 丑 申 酉",
      L"午 未 申 酉", L"辰 巳", L"子 丑 寅 卯 午 未", L"寅 卯 戌 亥", L"子 丑 申 酉"}},
    {L"破敗五鬼", {L"", L"", L"", L"甲 乙", L"丙 丁", L"壬 癸", L"庚 辛", L"", L"", L""}},
    {L"破敗五鬼",
     {L"辰 巳", L"丑 寅", L"未 申", L"卯", L"午", L"子", L"酉", L"戌 亥", L"辰 巳", L"丑 寅"}},
});
static_assert(kYearStemInauspicious.size() == 3);

// Year branch against the day stem (伏兵 only) or the day branch. 太歲 is the year branch
// itself, 歲破 the opposite branch; no day matches both.
// spirit star, 子, 丑, 寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌, 亥 (year branch)
constexpr auto kYearBranchInauspicious = std::to_array<SpiritStarRow<12>>({
    {L"伏兵(大禍)",
     {L"丙 丁", L"甲 乙", L"壬 癸", L"庚 辛", L"丙 丁", L"甲 乙", L"壬 癸", L"庚 辛", L"丙 丁",
      L"甲 乙", L"壬 癸", L"庚 辛"}},
    {L"太歲", {L"子", L"丑", L"寅", L"卯", L"辰", L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥"}},
    {L"歲破(大耗)",
     {L"午", L"未", L"申", L"酉", L"戌", L"亥", L"子", L"丑", L"寅", L"卯", L"辰", L"巳"}},
    {L"死符(小耗)",
     {L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥", L"子", L"丑", L"寅", L"卯", L"辰"}},
    {L"大將軍",
     {L"酉", L"酉", L"子", L"子", L"子", L"卯", L"卯", L"卯", L"午", L"午", L"午", L"酉"}},
    {L"力士",
     {L"丑 寅", L"丑 寅", L"辰 巳", L"辰 巳", L"辰 巳", L"未 申", L"未 申", L"未 申", L"戌 亥",
      L"戌 亥", L"戌 亥", L"丑 寅"}},
    {L"太陰(弔客)",
     {L"戌", L"亥", L"子", L"丑", L"寅", L"卯", L"辰", L"巳", L"午", L"未", L"申", L"酉"}},
    {L"喪門", {L"寅", L"卯", L"辰", L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥", L"子", L"丑"}},
    {L"蠶室",
     {L"未 申", L"未 申", L"戌 亥", L"戌 亥", L"戌 亥", L"丑 寅", L"丑 寅", L"丑 寅", L"辰 巳",
      L"辰 巳", L"辰 巳", L"未 申"}},
    {L"官符(畜官)",
     {L"辰", L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥", L"子", L"丑", L"寅", L"卯"}},
    {L"群醜", {L"酉", L"酉", L"子", L"子", L"子", L"卯", L"卯", L"卯", L"午", L"午", L"午", L"酉"}},
    {L"蠶命", {L"申", L"申", L"亥", L"亥", L"亥", L"寅", L"寅", L"寅", L"巳", L"巳", L"巳", L"申"}},
    {L"病符", {L"亥", L"子", L"丑", L"寅", L"卯", L"辰", L"巳", L"午", L"未", L"申", L"酉", L"戌"}},
    {L"蠶官", {L"未", L"未", L"戌", L"戌", L"戌", L"丑", L"丑", L"丑", L"辰", L"辰", L"辰", L"未"}},
    {L"豹尾", {L"戌", L"未", L"辰", L"丑", L"戌", L"未", L"辰", L"丑", L"戌", L"未", L"辰", L"丑"}},
    {L"白虎", {L"申", L"酉", L"戌", L"亥", L"子", L"丑", L"寅", L"卯", L"辰", L"巳", L"午", L"未"}},
    {L"歲煞", {L"未", L"辰", L"丑", L"戌", L"未", L"辰", L"丑", L"戌", L"未", L"辰", L"丑", L"戌"}},
    {L"災煞", {L"午", L"卯", L"子", L"酉", L"午", L"卯", L"子", L"酉", L"午", L"卯", L"子", L"酉"}},
    {L"黃幡", {L"辰", L"丑", L"戌", L"未", L"辰", L"丑", L"戌", L"未", L"辰", L"丑", L"戌", L"未"}},
    {L"歲刑", {L"卯", L"戌", L"巳", L"子", L"辰", L"申", L"午", L"丑", L"寅", L"酉", L"未", L"亥"}},
    {L"大煞", {L"子", L"酉", L"午", L"卯", L"子", L"酉", L"午", L"卯", L"子", L"酉", L"午", L"卯"}},
    {L"五鬼", {L"辰", L"卯", L"寅", L"丑", L"子", L"亥", L"戌", L"酉", L"申", L"未", L"午", L"巳"}},
    {L"劫煞", {L"巳", L"寅", L"亥", L"申", L"巳", L"寅", L"亥", L"申", L"巳", L"寅", L"亥", L"申"}},
    {L"飛廉", {L"申", L"酉", L"戌", L"巳", L"午", L"未", L"寅", L"卯", L"辰", L"亥", L"子", L"丑"}},
});
static_assert(kYearBranchInauspicious.size() == 24);

// year branch, day branch, names in the almanac's order
constexpr auto kYearBranchInauspiciousOrder = std::to_array<OrderedCell>({
    {L"午", L"戌", {L"黃幡", L"官符(畜官)", L"五鬼"}},
});
static_assert(kYearBranchInauspiciousOrder.size() == 1);
static_assert(ReordersMatchingRows(kYearBranchInauspicious, kBranchColumns,
                                   kYearBranchInauspiciousOrder));

}  // namespace

void FindYearStemAuspicious(const std::wstring& yearStem, const std::wstring& dayStem,
                            SpiritStarList& yearAuspicious) {
  const int column = vocabulary::LookupStemIndex(yearStem);
  if (column < 0) {
    return;
  }
  SpiritStarAppender out(yearAuspicious);
  AppendMatchingRows(kYearStemAuspicious, column, dayStem, out);
}

void FindYearBranchAuspicious(const std::wstring& yearBranch, const std::wstring& dayBranch,
                              SpiritStarList& yearAuspicious) {
  const int column = vocabulary::LookupBranchIndex(yearBranch);
  if (column < 0) {
    return;
  }
  SpiritStarAppender out(yearAuspicious);
  AppendMatchingRows(kYearBranchAuspicious, column, dayBranch, out);
}

void FindYearStemInauspicious(const std::wstring& yearStem, const std::wstring& dayKey,
                              SpiritStarList& yearInauspicious) {
  const int column = vocabulary::LookupStemIndex(yearStem);
  if (column < 0) {
    return;
  }
  SpiritStarAppender out(yearInauspicious);
  AppendMatchingRows(kYearStemInauspicious, column, dayKey, out);
}

void FindYearBranchInauspicious(const std::wstring& yearBranch, const std::wstring& dayKey,
                                SpiritStarList& yearInauspicious) {
  const int column = vocabulary::LookupBranchIndex(yearBranch);
  if (column < 0) {
    return;
  }
  SpiritStarAppender out(yearInauspicious);
  AppendMatchingRowsInCellOrder(kYearBranchInauspicious, kYearBranchInauspiciousOrder, column,
                                kBranchColumns[column], dayKey, out);
}

}  // namespace almanac
