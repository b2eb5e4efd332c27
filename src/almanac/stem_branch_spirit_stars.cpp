#include "almanac/stem_branch_spirit_stars.h"

#include <array>
#include <string_view>

#include "almanac/spirit_star_table.h"

namespace almanac {
namespace {

// Month branch and day pillar, auspicious: 天赦 and 天願.
// spirit star, 寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌, 亥, 子, 丑 (month branch)
constexpr auto kMonthStemBranchAuspicious = std::to_array<SpiritStarRow<12>>({
    {L"天赦",
     {L"戊寅", L"戊寅", L"戊寅", L"甲午", L"甲午", L"甲午", L"戊申", L"戊申", L"戊申", L"甲子",
      L"甲子", L"甲子"}},
    {L"天願",
     {L"乙亥", L"甲戌", L"乙酉", L"丙申", L"丁未", L"戊午", L"己巳", L"庚辰", L"辛卯", L"壬寅",
      L"癸丑", L"甲子"}},
});
static_assert(kMonthStemBranchAuspicious.size() == 2);

// The day pillars of 陰陽不將 by month branch, from 寅 (tried after the rows above).
constexpr auto kYinYangNotOpposedDays = std::to_array<std::wstring_view>({
    L"丙寅 丁卯 丙子 丁丑 己卯 丁亥 己丑 庚寅 辛卯 己亥 庚子 辛丑 辛亥",  // 寅
    L"乙丑 丙寅 乙亥 丙子 丁丑 丙戌 丁亥 己丑 庚寅 己亥 庚子 庚戌",       // 卯
    L"甲子 乙丑 甲戌 乙亥 丙子 丁丑 乙酉 丙戌 丁亥 己丑 丁酉 己亥 己酉",  // 辰
    L"甲子 甲戌 乙亥 丙子 甲申 乙酉 丙戌 丁亥 戊子 丙申 丁酉 戊戌 戊申",  // 巳
    L"癸酉 甲戌 乙亥 癸未 甲申 乙酉 丙戌 乙未 丙申 戊戌 戊申 癸亥",       // 午
    L"壬申 癸酉 甲戌 壬午 癸未 甲申 乙酉 甲午 乙未 戊戌 戊申 戊午 壬戌",  // 未
    L"壬申 癸酉 壬午 癸未 甲申 乙酉 癸巳 甲午 乙未 乙巳 戊申 戊午",       // 申
    L"戊辰 辛未 壬申 辛巳 壬午 癸未 甲申 壬辰 癸巳 甲午 甲辰 戊申 戊午",  // 酉
    L"戊辰 庚午 辛未 庚辰 辛巳 壬午 癸未 辛卯 壬辰 癸巳 癸卯 戊午",       // 戌
    L"己巳 庚午 己卯 庚辰 辛巳 壬午 庚寅 辛卯 壬辰 癸巳 壬寅 癸卯",       // 亥
    L"丁卯 己巳 丁丑 己卯 庚辰 辛巳 己丑 庚寅 辛卯 壬辰 辛丑 壬寅 丁巳",  // 子
    L"丙寅 丁卯 丙子 丁丑 己卯 庚辰 己丑 庚寅 辛卯 庚子 辛丑 丙辰",       // 丑
});
static_assert(kYinYangNotOpposedDays.size() == 12);

// Month branch and day pillar, inauspicious.
// spirit star, 寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌, 亥, 子, 丑 (month branch)
constexpr auto kMonthStemBranchInauspicious = std::to_array<SpiritStarRow<12>>({
    {L"四耗",
     {L"壬子", L"壬子", L"壬子", L"乙卯", L"乙卯", L"乙卯", L"戊午", L"戊午", L"戊午", L"辛酉",
      L"辛酉", L"辛酉"}},
    {L"地囊",
     {L"庚午 庚子", L"乙未 癸丑", L"甲子 壬午", L"己卯 己酉", L"甲辰 壬戌", L"丙戌 丙辰",
      L"丁亥 丁巳", L"丙寅 丙申", L"辛未 辛丑", L"戊寅 戊申", L"辛卯 辛酉", L"癸酉 乙卯"}},
    {L"五墓",
     {L"乙未", L"乙未", L"戊辰", L"丙戌", L"丙戌", L"戊辰", L"辛丑", L"辛丑", L"戊辰", L"壬辰",
      L"壬辰", L"戊辰"}},
    {L"四廢",
     {L"庚申 辛酉", L"庚申 辛酉", L"庚申 辛酉", L"壬子 癸亥", L"壬子 癸亥", L"壬子 癸亥",
      L"甲寅 乙卯", L"甲寅 乙卯", L"甲寅 乙卯", L"丙午 丁巳", L"丙午 丁巳", L"丙午 丁巳"}},
    {L"四忌",
     {L"甲子", L"甲子", L"甲子", L"丙子", L"丙子", L"丙子", L"庚子", L"庚子", L"庚子", L"壬子",
      L"壬子", L"壬子"}},
    {L"四窮",
     {L"乙亥", L"乙亥", L"乙亥", L"丁亥", L"丁亥", L"丁亥", L"辛亥", L"辛亥", L"辛亥", L"癸亥",
      L"癸亥", L"癸亥"}},
    {L"八風",
     {L"丁丑 己酉", L"丁丑 己酉", L"丁丑 己酉", L"甲申 甲辰", L"甲申 甲辰", L"甲申 甲辰",
      L"辛未 丁未", L"辛未 丁未", L"辛未 丁未", L"甲戌 甲寅", L"甲戌 甲寅", L"甲戌 甲寅"}},
    {L"大會",
     {L"甲戌", L"乙酉", L"", L"", L"丙午", L"丁巳", L"庚辰", L"辛卯", L"", L"", L"壬子", L"癸亥"}},
    {L"三陰", {L"辛酉", L"", L"", L"", L"", L"", L"乙卯", L"", L"", L"", L"", L""}},
    {L"陽錯",
     {L"甲寅", L"乙卯", L"甲辰", L"", L"", L"", L"庚申", L"辛酉", L"庚戌", L"癸亥", L"", L"癸丑"}},
    {L"陰錯",
     {L"庚戌", L"辛酉", L"庚申", L"", L"", L"", L"甲辰", L"乙卯", L"甲寅", L"癸丑", L"", L"癸亥"}},
    {L"小會",
     {L"", L"己卯", L"戊辰", L"己巳", L"戊午", L"", L"", L"己酉", L"戊戌", L"己亥", L"戊子", L""}},
    {L"陰道衝陽", {L"", L"己酉", L"", L"", L"", L"", L"", L"己卯", L"", L"", L"", L""}},
    {L"絕陰(單陰)", {L"", L"戊辰", L"", L"", L"", L"", L"", L"", L"", L"", L"", L""}},
    {L"行狠", {L"", L"", L"甲申", L"乙未", L"", L"", L"", L"", L"", L"庚寅", L"辛丑", L""}},
    {L"了戾", {L"", L"", L"丙申", L"丁未", L"", L"", L"", L"", L"", L"壬寅", L"癸丑", L""}},
    {L"孤辰",
     {L"", L"", L"壬申 庚辰 戊申", L"辛未 癸未 己未", L"", L"", L"", L"", L"", L"丙寅 戊寅 甲寅",
      L"乙丑 丁丑 己丑", L""}},
    {L"陰位", {L"", L"", L"庚辰", L"", L"", L"", L"", L"", L"甲戌", L"", L"", L""}},
    {L"歲薄", {L"", L"", L"", L"丙午 戊午", L"", L"", L"", L"", L"", L"戊子 壬子", L"", L""}},
    {L"陰陽交破", {L"", L"", L"", L"癸亥", L"", L"", L"", L"", L"", L"丁巳", L"", L""}},
    {L"陰陽具錯", {L"", L"", L"", L"丙午", L"", L"", L"", L"", L"", L"", L"壬子", L""}},
    {L"陰陽擊衝", {L"", L"", L"", L"", L"壬子", L"", L"", L"", L"", L"", L"丙午", L""}},
    {L"逐陣", {L"", L"", L"", L"", L"", L"丙午 戊午", L"", L"", L"", L"", L"", L"戊子 壬子"}},
    {L"陽破陰衝", {L"", L"", L"", L"", L"", L"癸丑", L"", L"", L"", L"", L"", L"丁未"}},
    {L"絕陽(孤陽)", {L"", L"", L"", L"", L"", L"", L"", L"", L"", L"戊辰", L"", L""}},
    {L"純陰", {L"", L"", L"", L"", L"", L"", L"", L"", L"", L"己亥", L"", L""}},
});
static_assert(kMonthStemBranchInauspicious.size() == 26);

// Day pillar alone, auspicious, in three groups whose rows share no pillar: 鳴吠 or 鳴吠對; 天恩;
// 寶日, 義日 or 制日.
// spirit star, day pillars
constexpr auto kStemBranchAuspicious = std::to_array<SpiritStarRow<1>>({
    {L"鳴吠", {L"庚午 壬申 癸酉 壬午 甲申 乙酉 甲午 丙申 丁酉 丙午 己酉 庚申 辛酉"}},
    {L"鳴吠對", {L"丙寅 丁卯 丙子 庚寅 辛卯 庚子 壬寅 癸卯 壬子 甲寅 乙卯"}},
    {L"天恩", {L"甲子 乙丑 丙寅 丁卯 戊辰 己卯 庚辰 辛巳 壬午 癸未 己酉 庚戌 辛亥 壬子 癸丑"}},
    {L"寶日", {L"丁丑 丙戌 甲午 庚子 壬寅 癸卯 乙巳 丁未 戊申 己酉 辛亥 丙辰"}},
    {L"義日", {L"甲子 丙寅 丁卯 己巳 辛未 壬申 癸酉 乙亥 庚辰 辛丑 庚戌 戊午"}},
    {L"制日", {L"乙丑 甲戌 壬午 戊子 庚寅 辛卯 癸巳 乙未 丙申 丁酉 己亥 甲辰"}},
});
static_assert(kStemBranchAuspicious.size() == 6);

// Day pillar alone, inauspicious: 觸水龍; 八專; 專日 or 伐日.
// spirit star, day pillars
constexpr auto kStemBranchInauspicious = std::to_array<SpiritStarRow<1>>({
    {L"觸水龍", {L"丙子 癸未 癸丑"}},
    {L"八專", {L"丁未 癸丑 甲寅 己未 庚申"}},
    {L"專日", {L"戊辰 己丑 戊戌 丙午 壬子 甲寅 乙卯 丁巳 己未 庚申 辛酉 癸亥"}},
    {L"伐日", {L"庚午 丙子 戊寅 己卯 辛巳 癸未 甲申 乙酉 丁亥 壬辰 癸丑 壬戌"}},
});
static_assert(kStemBranchInauspicious.size() == 4);

}  // namespace

void FindMonthStemBranchAuspicious(const std::wstring& monthBranch, const std::wstring& dayPillar,
                                   SpiritStarList& monthAuspicious) {
  const int column = MonthColumnOfBranch(monthBranch);
  if (column < 0) {
    return;
  }
  SpiritStarAppender out(monthAuspicious);
  AppendMatchingRows(kMonthStemBranchAuspicious, column, dayPillar, out);
  if (CellHolds(kYinYangNotOpposedDays[column], dayPillar)) {
    out.Append(L"陰陽不將");
  }
}

void FindMonthStemBranchInauspicious(const std::wstring& monthBranch, const std::wstring& dayPillar,
                                     SpiritStarList& monthInauspicious) {
  const int column = MonthColumnOfBranch(monthBranch);
  if (column < 0) {
    return;
  }
  SpiritStarAppender out(monthInauspicious);
  AppendMatchingRows(kMonthStemBranchInauspicious, column, dayPillar, out);
}

void FindStemBranchAuspicious(const std::wstring& dayPillar, SpiritStarList& monthAuspicious) {
  SpiritStarAppender out(monthAuspicious);
  AppendMatchingRows(kStemBranchAuspicious, 0, dayPillar, out);
}

void FindStemBranchInauspicious(const std::wstring& dayPillar, SpiritStarList& monthInauspicious) {
  SpiritStarAppender out(monthInauspicious);
  AppendMatchingRows(kStemBranchInauspicious, 0, dayPillar, out);
}

}  // namespace almanac
