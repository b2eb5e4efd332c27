#include "almanac/month_spirit_stars.h"

#include <array>
#include <string_view>

#include "almanac/spirit_star_table.h"
#include "vocabulary/vocabulary_lists.h"

namespace almanac {
namespace {

// Columns of the month tables: the month branch, "寅" first.
constexpr const auto& kMonthColumns = vocabulary::kMonthBranches;

// Auspicious month stars on the day stem.
// spirit star, 寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌, 亥, 子, 丑 (month branch)
constexpr auto kMonthAuspiciousByStem = std::to_array<SpiritStarRow<12>>({
    {L"天德", {L"丁", L"", L"壬", L"辛", L"", L"甲", L"癸", L"", L"丙", L"乙", L"己", L"庚"}},
    {L"月德", {L"丙", L"甲", L"壬", L"庚", L"丙", L"甲", L"壬", L"庚", L"丙", L"甲", L"壬", L"庚"}},
    {L"天德合, 月德合", {L"", L"", L"丁", L"", L"", L"己", L"", L"", L"辛", L"", L"", L"乙"}},
    {L"天德合", {L"壬", L"", L"", L"丙", L"", L"", L"戊", L"", L"", L"庚", L"", L""}},
    {L"月德合", {L"辛", L"己", L"", L"乙", L"辛", L"", L"丁", L"乙", L"", L"己", L"丁", L""}},
    {L"月恩", {L"丙", L"丁", L"庚", L"己", L"戊", L"辛", L"壬", L"癸", L"庚", L"乙", L"甲", L"辛"}},
    {L"月空", {L"壬", L"庚", L"丙", L"甲", L"壬", L"庚", L"丙", L"甲", L"壬", L"庚", L"丙", L"甲"}},
    {L"四相",
     {L"丙 丁", L"丙 丁", L"丙 丁", L"戊 己", L"戊 己", L"戊 己", L"壬 癸", L"壬 癸", L"壬 癸",
      L"甲 乙", L"甲 乙", L"甲 乙"}},
    {L"青龍", {L"丁", L"", L"", L"", L"", L"", L"", L"", L"", L"", L"", L""}},
});
static_assert(kMonthAuspiciousByStem.size() == 9);

// Auspicious month stars on the day branch. The last two rows are the same in every month.
// spirit star, 寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌, 亥, 子, 丑 (month branch)
constexpr auto kMonthAuspiciousByBranch = std::to_array<SpiritStarRow<12>>({
    {L"月除(吉期, 兵寶)",
     {L"卯", L"辰", L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥", L"子", L"丑", L"寅"}},
    {L"月成(天醫, 天喜)",
     {L"戌", L"亥", L"子", L"丑", L"寅", L"卯", L"辰", L"巳", L"午", L"未", L"申", L"酉"}},
    {L"天德", {L"", L"申", L"", L"", L"亥", L"", L"", L"寅", L"", L"", L"", L""}},
    {L"月開(時陽, 生氣)",
     {L"子", L"丑", L"寅", L"卯", L"辰", L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥"}},
    {L"月滿(福德, 天巫, 天狗)",
     {L"辰", L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥", L"子", L"丑", L"寅", L"卯"}},
    {L"月危", {L"酉", L"戌", L"亥", L"子", L"丑", L"寅", L"卯", L"辰", L"巳", L"午", L"未", L"申"}},
    {L"守日", {L"辰", L"辰", L"辰", L"未", L"未", L"未", L"戌", L"戌", L"戌", L"丑", L"丑", L"丑"}},
    {L"六合", {L"亥", L"戌", L"酉", L"申", L"未", L"午", L"巳", L"辰", L"卯", L"寅", L"丑", L"子"}},
    {L"驛馬(天后)",
     {L"申", L"巳", L"寅", L"亥", L"申", L"巳", L"寅", L"亥", L"申", L"巳", L"寅", L"亥"}},
    {L"月定(時陰)",
     {L"午", L"未", L"申", L"酉", L"戌", L"亥", L"子", L"丑", L"寅", L"卯", L"辰", L"巳"}},
    {L"祿庫", {L"午", L"未", L"申", L"酉", L"戌", L"亥", L"丑", L"丑", L"寅", L"卯", L"辰", L""}},
    {L"天富", {L"辰", L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥", L"子", L"丑", L"寅", L"卯"}},
    {L"福星", {L"酉", L"卯", L"戌", L"辰", L"亥", L"巳", L"子", L"午", L"丑", L"未", L"寅", L"申"}},
    {L"母倉",
     {L"子 亥", L"子 亥", L"子 巳 午 亥", L"寅 卯", L"寅 卯", L"寅 卯 巳 午", L"丑 辰 未 戌",
      L"丑 辰 未 戌", L"丑 辰 巳 午 未 戌", L"申 酉", L"申 酉", L"巳 午 申 酉"}},
    {L"時德", {L"午", L"午", L"午", L"辰", L"辰", L"辰", L"子", L"子", L"子", L"寅", L"寅", L"寅"}},
    {L"相日", {L"巳", L"巳", L"巳", L"申", L"申", L"申", L"亥", L"亥", L"亥", L"寅", L"寅", L"寅"}},
    {L"六儀", {L"辰", L"卯", L"寅", L"丑", L"子", L"亥", L"戌", L"酉", L"申", L"未", L"午", L"巳"}},
    {L"民日", {L"午", L"午", L"午", L"酉", L"酉", L"酉", L"子", L"子", L"子", L"卯", L"卯", L"卯"}},
    {L"解神", {L"申", L"申", L"戌", L"戌", L"子", L"子", L"寅", L"寅", L"辰", L"辰", L"午", L"午"}},
    {L"臨日", {L"午", L"亥", L"申", L"丑", L"戌", L"卯", L"子", L"巳", L"寅", L"未", L"辰", L"酉"}},
    {L"王日", {L"寅", L"寅", L"寅", L"巳", L"巳", L"巳", L"申", L"申", L"申", L"亥", L"亥", L"亥"}},
    {L"官日", {L"卯", L"卯", L"辰", L"午", L"午", L"午", L"酉", L"酉", L"酉", L"子", L"子", L"子"}},
    {L"五富", {L"亥", L"寅", L"巳", L"申", L"亥", L"寅", L"巳", L"申", L"亥", L"寅", L"巳", L"申"}},
    {L"兵吉",
     {L"子 丑 寅 卯", L"子 丑 寅 亥", L"子 丑 戌 亥", L"子 酉 戌 亥", L"申 酉 戌 亥",
      L"未 申 酉 戌", L"午 未 申 酉", L"巳 午 未 申", L"辰 巳 午 未", L"卯 辰 巳 午",
      L"寅 卯 辰 巳", L"丑 寅 卯 辰"}},
    {L"玉宇", {L"卯", L"酉", L"辰", L"戌", L"巳", L"亥", L"午", L"子", L"未", L"丑", L"申", L"寅"}},
    {L"天倉", {L"寅", L"丑", L"子", L"亥", L"戌", L"酉", L"申", L"未", L"午", L"巳", L"辰", L"卯"}},
    {L"福生", {L"酉", L"卯", L"戌", L"辰", L"亥", L"巳", L"子", L"午", L"丑", L"未", L"卯", L"申"}},
    {L"益後", {L"子", L"午", L"丑", L"未", L"寅", L"申", L"卯", L"酉", L"辰", L"戌", L"巳", L"亥"}},
    {L"金堂", {L"辰", L"戌", L"巳", L"亥", L"午", L"子", L"未", L"丑", L"申", L"寅", L"酉", L"卯"}},
    {L"續世", {L"丑", L"未", L"寅", L"申", L"卯", L"酉", L"辰", L"戌", L"巳", L"亥", L"午", L"子"}},
    {L"要安", {L"寅", L"申", L"卯", L"酉", L"辰", L"戌", L"巳", L"亥", L"午", L"子", L"未", L"丑"}},
    {L"敬安",
     {L"未", L"丑", L"申", L"寅", L"酉", L"卯", L"戌 亥", L"辰", L"亥", L"巳", L"子", L"午"}},
    {L"普護", {L"申", L"寅", L"酉", L"卯", L"戌", L"辰", L"亥", L"巳", L"子", L"午", L"丑", L"未"}},
    {L"陽德",
     {L"戌", L"子 寅", L"寅", L"辰", L"午", L"申", L"戌", L"子", L"寅", L"辰", L"午", L"申"}},
    {L"司命", {L"戌", L"子", L"寅", L"辰", L"午", L"申", L"戌", L"子", L"寅", L"辰", L"午", L"申"}},
    {L"聖心", {L"亥", L"巳", L"子", L"午", L"丑", L"未", L"寅", L"申", L"卯", L"酉", L"辰", L"戌"}},
    {L"天馬", {L"午", L"申", L"戌", L"子", L"寅", L"辰", L"午", L"申", L"戌", L"子", L"寅", L"辰"}},
    {L"陰德", {L"酉", L"未", L"巳", L"卯", L"丑", L"亥", L"酉", L"未", L"巳", L"卯", L"丑", L"亥"}},
    {L"三合",
     {L"午 戌", L"未 亥", L"子 申", L"丑 酉", L"寅 戌", L"卯 亥", L"子 辰", L"丑 巳", L"寅 午",
      L"卯 未", L"辰 申", L"巳 酉"}},
    {L"青龍", {L"", L"寅", L"辰", L"午", L"申", L"戌", L"子", L"寅", L"辰", L"午", L"申", L"戌"}},
    {L"寶光", {L"巳", L"未", L"酉", L"亥", L"丑", L"卯", L"巳", L"未", L"酉", L"亥", L"丑", L"卯"}},
    {L"明堂", {L"丑", L"卯", L"巳", L"未", L"酉", L"亥", L"丑", L"卯", L"巳", L"未", L"酉", L"亥"}},
    {L"玉堂", {L"未", L"酉", L"亥", L"丑", L"卯", L"巳", L"未", L"酉", L"亥", L"丑", L"卯", L"巳"}},
    {L"金匱", {L"辰", L"午", L"申", L"戌", L"子", L"寅", L"辰", L"午", L"申", L"戌", L"子", L"寅"}},
    {L"五合",
     {L"寅 卯", L"寅 卯", L"寅 卯", L"寅 卯", L"寅 卯", L"寅 卯", L"寅 卯", L"寅 卯", L"寅 卯",
      L"寅 卯", L"寅 卯", L"寅 卯"}},
    {L"除神",
     {L"申 酉", L"申 酉", L"申 酉", L"申 酉", L"申 酉", L"申 酉", L"申 酉", L"申 酉", L"申 酉",
      L"申 酉", L"申 酉", L"申 酉"}},
});
static_assert(kMonthAuspiciousByBranch.size() == 46);

// month branch, day branch, names in the almanac's order
constexpr auto kMonthAuspiciousByBranchOrder = std::to_array<OrderedCell>({
    {L"寅", L"午", {L"祿庫", L"月定(時陰)", L"時德", L"民日", L"臨日", L"天馬", L"三合"}},
    {L"午", L"戌", {L"祿庫", L"月定(時陰)", L"臨日", L"兵吉", L"天倉", L"普護", L"三合"}},
    {L"申",
     L"戌",
     {L"月滿(福德, 天巫, 天狗)", L"守日", L"天富", L"六儀", L"母倉", L"敬安", L"陽德", L"司命"}},
    {L"酉", L"戌", {L"月除(吉期, 兵寶)", L"母倉", L"守日", L"續世"}},
    {L"戌", L"戌", {L"母倉", L"守日", L"天馬"}},
});
static_assert(kMonthAuspiciousByBranchOrder.size() == 5);
static_assert(ReordersMatchingRows(kMonthAuspiciousByBranch, kMonthColumns,
                                   kMonthAuspiciousByBranchOrder));

// Inauspicious month stars on the day stem.
// spirit star, 寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌, 亥, 子, 丑 (month branch)
constexpr auto kMonthInauspiciousByStem = std::to_array<SpiritStarRow<12>>({
    {L"復日", {L"甲", L"乙", L"戊", L"丙", L"丁", L"己", L"庚", L"辛", L"戊", L"壬", L"癸", L"己"}},
});
static_assert(kMonthInauspiciousByStem.size() == 1);

// Inauspicious month stars on the day branch. The last two rows are the same in every month.
// spirit star, 寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌, 亥, 子, 丑 (month branch)
constexpr auto kMonthInauspiciousByBranch = std::to_array<SpiritStarRow<12>>({
    {L"月收(河魁)", {L"亥", L"", L"丑", L"", L"卯", L"", L"巳", L"", L"未", L"", L"酉", L""}},
    {L"月閉(血支)",
     {L"丑", L"寅", L"卯", L"辰", L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥", L"子"}},
    {L"月執(小耗)",
     {L"未", L"申", L"酉", L"戌", L"亥", L"子", L"丑", L"寅", L"卯", L"辰", L"巳", L"午"}},
    {L"月平(河魁, 死神)", {L"", L"午", L"", L"申", L"", L"戌", L"", L"子", L"", L"寅", L"", L"辰"}},
    {L"勾絞", {L"亥", L"午", L"丑", L"申", L"卯", L"戌", L"巳", L"子", L"未", L"寅", L"酉", L"辰"}},
    {L"月破(大耗)",
     {L"申", L"酉", L"戌", L"亥", L"子", L"丑", L"寅", L"卯", L"辰", L"巳", L"午", L"未"}},
    {L"月平(天罡, 死神)", {L"巳", L"", L"未", L"", L"酉", L"", L"亥", L"", L"丑", L"", L"卯", L""}},
    {L"朱雀", {L"卯", L"巳", L"未", L"酉", L"亥", L"丑", L"卯", L"巳", L"未", L"酉", L"亥", L"丑"}},
    {L"月收(天罡)", {L"", L"子", L"", L"寅", L"", L"辰", L"", L"午", L"", L"申", L"", L"戌"}},
    {L"往亡", {L"寅", L"巳", L"申", L"亥", L"卯", L"午", L"酉", L"子", L"辰", L"寅", L"戌", L"丑"}},
    {L"月厭(地火)",
     {L"戌", L"酉", L"申", L"未", L"午", L"巳", L"辰", L"卯", L"寅", L"丑", L"子", L"亥"}},
    {L"血忌", {L"丑", L"未", L"寅", L"申", L"卯", L"酉", L"辰", L"戌", L"巳", L"亥", L"午", L"子"}},
    {L"天瘟", {L"未", L"戌", L"辰", L"寅", L"午", L"子", L"酉", L"申", L"巳", L"亥", L"丑", L"卯"}},
    {L"玄武", {L"酉", L"亥", L"丑", L"卯", L"巳", L"未", L"酉", L"亥", L"丑", L"卯", L"巳", L"未"}},
    {L"白虎", {L"午", L"申", L"戌", L"子", L"寅", L"辰", L"午", L"申", L"戌", L"子", L"寅", L"辰"}},
    {L"劫煞", {L"亥", L"申", L"巳", L"寅", L"亥", L"申", L"巳", L"寅", L"亥", L"申", L"巳", L"寅"}},
    {L"月建(兵福, 小時, 土府)",
     {L"寅", L"卯", L"辰", L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥", L"子", L"丑"}},
    {L"厭對(招搖)",
     {L"辰", L"卯", L"寅", L"丑", L"子", L"亥", L"戌", L"酉", L"申", L"未", L"午", L"巳"}},
    {L"死氣", {L"午", L"未", L"申", L"酉", L"戌", L"亥", L"子", L"丑", L"寅", L"卯", L"辰", L"巳"}},
    {L"四擊", {L"戌", L"戌", L"戌", L"丑", L"丑", L"丑", L"辰", L"辰", L"辰", L"未", L"未", L"未"}},
    {L"九空", {L"辰", L"丑", L"戌", L"未", L"辰", L"丑", L"戌", L"未", L"辰", L"丑", L"戌", L"未"}},
    {L"月煞(月虛)",
     {L"丑", L"戌", L"未", L"辰", L"丑", L"戌", L"未", L"辰", L"丑", L"戌", L"未", L"辰"}},
    {L"九坎(九焦)",
     {L"辰", L"丑", L"戌", L"未", L"卯", L"子", L"酉", L"午", L"寅", L"亥", L"申", L"巳"}},
    {L"月刑", {L"巳", L"子", L"辰", L"申", L"午", L"丑", L"寅", L"酉", L"未", L"亥", L"卯", L"戌"}},
    {L"月害", {L"巳", L"辰", L"卯", L"寅", L"丑", L"子", L"亥", L"戌", L"酉", L"申", L"未", L"午"}},
    {L"遊禍", {L"巳", L"寅", L"亥", L"申", L"巳", L"寅", L"亥", L"申", L"巳", L"寅", L"亥", L"申"}},
    {L"大時(大敗, 咸池)",
     {L"卯", L"子", L"酉", L"午", L"卯", L"子", L"酉", L"午", L"卯", L"子", L"酉", L"午"}},
    {L"天吏(致死)",
     {L"酉", L"午", L"卯", L"子", L"酉", L"午", L"卯", L"子", L"酉", L"午", L"卯", L"子"}},
    {L"兵禁", {L"寅", L"子", L"戌", L"申", L"午", L"辰", L"寅", L"子", L"戌", L"申", L"午", L"辰"}},
    {L"土符", {L"丑", L"巳", L"酉", L"寅", L"午", L"戌", L"卯", L"未", L"亥", L"辰", L"申", L"子"}},
    {L"天賊",
     {L"丑 辰", L"子 酉", L"寅 亥", L"未 戌", L"子 酉", L"巳 申", L"未 戌", L"卯 午", L"巳 申",
      L"丑 辰", L"卯 午", L"寅 亥"}},
    {L"災煞(天火)",
     {L"子", L"酉", L"午", L"卯", L"子", L"酉", L"午", L"卯", L"子", L"酉", L"午", L"卯"}},
    {L"大煞", {L"戌", L"巳", L"午", L"未", L"寅", L"卯", L"辰", L"亥", L"子", L"丑", L"申", L"酉"}},
    {L"歸忌", {L"丑", L"寅", L"子", L"丑", L"寅", L"子", L"丑", L"寅", L"子", L"丑", L"寅", L"子"}},
    {L"勾陳", {L"亥", L"丑", L"卯", L"巳", L"未", L"酉", L"亥", L"丑", L"卯", L"巳", L"未", L"酉"}},
    {L"天刑", {L"寅", L"辰", L"午", L"申", L"戌", L"子", L"寅", L"辰", L"午", L"申", L"戌", L"子"}},
    {L"五虛",
     {L"丑 巳 酉", L"丑 巳 酉", L"丑 巳 酉", L"子 辰 申", L"子 辰 申", L"子 辰 申", L"卯 未 亥",
      L"卯 未 亥", L"卯 未 亥", L"寅 午 戌", L"寅 午 戌", L"寅 午 戌"}},
    {L"天牢", {L"申", L"戌", L"子", L"寅", L"辰", L"午", L"申", L"戌", L"子", L"寅", L"辰", L"午"}},
    {L"重日",
     {L"巳 亥", L"巳 亥", L"巳 亥", L"巳 亥", L"巳 亥", L"巳 亥", L"巳 亥", L"巳 亥", L"巳 亥",
      L"巳 亥", L"巳 亥", L"巳 亥"}},
    {L"五離",
     {L"申 酉", L"申 酉", L"申 酉", L"申 酉", L"申 酉", L"申 酉", L"申 酉", L"申 酉", L"申 酉",
      L"申 酉", L"申 酉", L"申 酉"}},
});
static_assert(kMonthInauspiciousByBranch.size() == 40);

// month branch, day branch, names in the almanac's order
constexpr auto kMonthInauspiciousByBranchOrder = std::to_array<OrderedCell>({
    {L"子",
     L"午",
     {L"月破(大耗)", L"厭對(招搖)", L"天賊", L"血忌", L"災煞(天火)", L"兵禁", L"五虛"}},
    {L"寅", L"丑", {L"月閉(血支)", L"血忌", L"月煞(月虛)", L"土符", L"歸忌", L"天賊", L"五虛"}},
    {L"寅", L"辰", {L"厭對(招搖)", L"九空", L"天賊", L"九坎(九焦)"}},
    {L"辰", L"寅", {L"厭對(招搖)", L"天賊", L"血忌"}},
    {L"巳", L"未", {L"月厭(地火)", L"九空", L"天賊", L"九坎(九焦)", L"大煞"}},
    {L"午", L"午", {L"月建(兵福, 小時, 土府)", L"月厭(地火)", L"天瘟", L"月刑", L"兵禁", L"土符"}},
    {L"未", L"亥", {L"死氣", L"厭對(招搖)", L"重日"}},
});
static_assert(kMonthInauspiciousByBranchOrder.size() == 7);
static_assert(ReordersMatchingRows(kMonthInauspiciousByBranch, kMonthColumns,
                                   kMonthInauspiciousByBranchOrder));

// Folk day marks on the day branch, for the extra-marks list.
// spirit star, 寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌, 亥, 子, 丑 (month branch)
constexpr auto kExtraMarksByBranch = std::to_array<SpiritStarRow<12>>({
    {L"小紅砂",
     {L"巳", L"酉", L"丑", L"巳", L"酉", L"丑", L"巳", L"酉", L"丑 酉", L"巳", L"酉", L"丑"}},
    {L"受死",
     {L"戌", L"辰 巳", L"亥", L"巳", L"子", L"午", L"丑", L"未", L"寅", L"申", L"卯", L"酉"}},
    {L"刀砧",
     {L"子 亥", L"子 亥", L"子 亥", L"寅 卯", L"寅 卯", L"寅 卯", L"巳 午", L"巳 午", L"巳 午",
      L"申 酉", L"申 酉", L"申 酉"}},
    {L"黃砂", {L"午", L"寅", L"子", L"午", L"寅", L"子", L"午", L"寅", L"子", L"午", L"寅", L"子"}},
});
static_assert(kExtraMarksByBranch.size() == 4);

// month branch, day branch, names in the almanac's order
constexpr auto kExtraMarksByBranchOrder = std::to_array<OrderedCell>({
    {L"申", L"午", {L"黃砂", L"刀砧"}},
});
static_assert(kExtraMarksByBranchOrder.size() == 1);
static_assert(ReordersMatchingRows(kExtraMarksByBranch, kMonthColumns, kExtraMarksByBranchOrder));

}  // namespace

void FindMonthBranchAuspicious(const std::wstring& monthBranch, const std::wstring& dayKey,
                               SpiritStarList& monthAuspicious) {
  const int column = MonthColumnOfBranch(monthBranch);
  if (column < 0) {
    return;
  }
  SpiritStarAppender out(monthAuspicious);
  if (vocabulary::LookupStemIndex(dayKey) >= 0) {
    AppendMatchingRows(kMonthAuspiciousByStem, column, dayKey, out);
  } else if (vocabulary::LookupBranchIndex(dayKey) >= 0) {
    AppendMatchingRowsInCellOrder(kMonthAuspiciousByBranch, kMonthAuspiciousByBranchOrder, column,
                                  kMonthColumns[column], dayKey, out);
  }
}

void FindMonthBranchInauspicious(const std::wstring& monthBranch, const std::wstring& dayKey,
                                 SpiritStarList& monthInauspicious, SpiritStarList& extraMarks) {
  const int column = MonthColumnOfBranch(monthBranch);
  if (column < 0) {
    return;
  }
  SpiritStarAppender out(monthInauspicious);
  SpiritStarAppender marks(extraMarks);
  if (vocabulary::LookupStemIndex(dayKey) >= 0) {
    AppendMatchingRows(kMonthInauspiciousByStem, column, dayKey, out);
  } else if (vocabulary::LookupBranchIndex(dayKey) >= 0) {
    AppendMatchingRowsInCellOrder(kMonthInauspiciousByBranch, kMonthInauspiciousByBranchOrder,
                                  column, kMonthColumns[column], dayKey, out);
    AppendMatchingRowsInCellOrder(kExtraMarksByBranch, kExtraMarksByBranchOrder, column,
                                  kMonthColumns[column], dayKey, marks);
  }
}

}  // namespace almanac
