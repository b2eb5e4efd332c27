#include "almanac/activity_rules.h"

namespace almanac {

// From the almanac's judgement of activities by spirit stars (欽定協紀辨方書). The star 驛馬 is
// written by the month finder as "驛馬(天后)" and 開日 stands in the lists as "月開(時陽, 生氣)":
// the row and the conditions use those texts, so that they meet the names the finders write.
// The row 奏書 weighs activity 51 once. Not kept, since they could never hold (a stem is never a
// branch name): the two day rules keyed on the day stem 亥 with the day branch 子 (沐浴; 伐木 under
// a section term after 立冬) and the 月建 clause on the month stem 寅. The clause of 天恩 that
// names 月建 looks, like every condition, at the month auspicious list, where 月建 never stands;
// the 月建 row's own clause on 天恩 does hold.
// clang-format off
// list, key, weight groups and clauses
// The header fixes the row count: a row too many or too few does not compile.
constexpr std::array<ActivityRule, 118> kActivityRules = std::to_array<ActivityRule>({
    // year auspicious (年吉神)
    {ActivityRuleSet::kYearAuspicious, L"歲德", L"+5: 26-29"},
    {ActivityRuleSet::kYearAuspicious, L"歲德合", L"+5: 34-36, 82"},
    {ActivityRuleSet::kYearAuspicious, L"歲幹合", L"+5: 30, 38, 52-55"},
    {ActivityRuleSet::kYearAuspicious, L"奏書", L"+5: 0-1, 11, 51"},
    // year inauspicious (年凶神)
    {ActivityRuleSet::kYearInauspicious, L"太歲", L"-5: 51-58, 61-72, 74-75, 81, 83-84 (66 twice)"},
    {ActivityRuleSet::kYearInauspicious, L"歲破(大耗)", L"-5: 51-58, 61-72, 74-75, 81, 83-84 (66 twice)"},
    {ActivityRuleSet::kYearInauspicious, L"大將軍", L"-5: 51-58, 66, 68-75, 81, 83-84"},
    {ActivityRuleSet::kYearInauspicious, L"歲煞", L"-5: 51-58, 66, 68-72, 74-75, 81, 83-84"},
    {ActivityRuleSet::kYearInauspicious, L"災煞", L"-5: 51-58, 66, 68-72, 74-75, 81, 83-84"},
    {ActivityRuleSet::kYearInauspicious, L"劫煞", L"-5: 51-58, 66, 68-72, 74-75, 81, 83-84"},
    // month auspicious (月吉神)
    {ActivityRuleSet::kMonthAuspicious, L"天赦", L"+8: 0-14, 16-18, 20-22, 25-28, 30-31, 34-36, 39-40, 43, 47-51, 53, 55-57, 77, 79-80, 82; -8: 87-88"},
    {ActivityRuleSet::kMonthAuspicious, L"天願", L"+8: 0-14, 16-18, 20-22, 25-28, 30-31, 34-37, 39-40, 50-51, 53, 55-57, 60-65, 77, 79-80, 82"},
    {ActivityRuleSet::kMonthAuspicious, L"天德", L"+5: 0-14, 16-18, 20-22, 25-31, 34-36, 43, 47, 50-57, 77, 79-80, 83; -5: 86-88"},
    {ActivityRuleSet::kMonthAuspicious, L"月德", L"+5: 0-14, 16-18, 20-22, 25-31, 34-36, 43, 47, 50-57, 77, 79-80, 83; -5: 86-88"},
    {ActivityRuleSet::kMonthAuspicious, L"天德合", L"+3: 0-14, 16-18, 20-22, 25-31, 34-36, 43, 47, 50-57, 77, 79-80, 83; -3: 86-88"},
    {ActivityRuleSet::kMonthAuspicious, L"月德合", L"+3: 0-14, 16-18, 20-22, 25-31, 34-36, 43, 47, 50-57, 77, 79-80, 83; -3: 86-88"},
    {ActivityRuleSet::kMonthAuspicious, L"月恩", L"+5: 0-2, 8, 11, 20-22, 25-26, 30-31, 34-35, 39-40, 43, 47, 50, 52-53, 55-56, 65-67, 77, 79; [with 驛馬(天后) | 天馬] +5: 9-10"},
    {ActivityRuleSet::kMonthAuspicious, L"四相", L"+5: 0-2, 8, 11, 20-22, 25-26, 30-31, 34-35, 39-40, 43, 47, 50, 52-53, 55-56, 65-67, 77, 79; [with 驛馬(天后) | 天馬] +5: 9-10"},
    {ActivityRuleSet::kMonthAuspicious, L"時德", L"+5: 0-2, 8, 11, 20-22, 25-26, 30-31, 34-35, 39-40, 43, 47, 50, 52-53, 55-56, 65-67, 77, 79; [with 驛馬(天后) | 天馬] +5: 9-10"},
    {ActivityRuleSet::kMonthAuspicious, L"母倉", L"+5: 65, 77, 79-80; [with 月恩 | 四相 | 月開(時陽, 生氣)] +5: 57"},
    {ActivityRuleSet::kMonthAuspicious, L"月空", L"+5: 4, 89-90"},
    {ActivityRuleSet::kMonthAuspicious, L"天恩", L"+5: 6-7, 12-13, 15-18, 20-22, 25; [with 驛馬(天后) | 天馬 | 月建(兵福, 小時, 土府)] +5: 5, 14; [with 天德 | 月德 | 天德合 | 月德合 | 月恩 | 天赦 | 四相 | 時德 | 天願 | 三合 | 月開(時陽, 生氣)] +5: 52-53, 57, 68, 71-72, 74-75"},
    {ActivityRuleSet::kMonthAuspicious, L"陽德", L"+5: 12-13, 16-18"},
    {ActivityRuleSet::kMonthAuspicious, L"陰德", L"+5: 12-13, 16-18"},
    {ActivityRuleSet::kMonthAuspicious, L"王日", L"+5: 5-14, 16-18, 20-22, 25-28, 30-31, 50"},
    {ActivityRuleSet::kMonthAuspicious, L"官日", L"+3: 8, 30-31; [with 守日] +5: 27"},
    {ActivityRuleSet::kMonthAuspicious, L"守日", L"+3: 8, 30-31; [with 守日] +5: 27"},
    {ActivityRuleSet::kMonthAuspicious, L"相日", L"+3: 8, 30-31; [with 守日] +5: 27"},
    {ActivityRuleSet::kMonthAuspicious, L"民日", L"+5: 22, 34-35, 37, 39-40, 62-65, 77, 79-80"},
    {ActivityRuleSet::kMonthAuspicious, L"三合", L"+5: 20-22, 34-37, 52-53, 55-57, 60-65, 70, 80"},
    {ActivityRuleSet::kMonthAuspicious, L"臨日", L"+5: 3-4, 19, 30-31"},
    {ActivityRuleSet::kMonthAuspicious, L"驛馬(天后)", L"+5: 25-26, 39-40, 47"},
    {ActivityRuleSet::kMonthAuspicious, L"天馬", L"+5: 25-26, 39-40"},
    {ActivityRuleSet::kMonthAuspicious, L"月除(吉期, 兵寶)", L"[without 驛馬(天后)] +5: 8, 11, 25-26, 30-31, 43-47, 73; [month 亥 with 天馬] +5: 9-10"},
    {ActivityRuleSet::kMonthAuspicious, L"月定(時陰)", L"+5: 24, 89-90"},
    {ActivityRuleSet::kMonthAuspicious, L"月危", L"+5: 27-28, 42, 86; [term above 霜降] +5: 87; [term between 雨水 and 立夏] +5: 88"},
    {ActivityRuleSet::kMonthAuspicious, L"月成(天醫, 天喜)", L"[month 午 with 天馬] +5: 9-10; [without 驛馬(天后)] +5: 8, 11, 20-23, 25-27, 30-31, 34-36, 39-40, 47, 54, 62"},
    {ActivityRuleSet::kMonthAuspicious, L"月開(時陽, 生氣)", L"+5: 0-14, 16-18, 20-23, 25-26, 30-31, 39-40, 43, 47, 50, 52-53, 55-56, 62, 68-70, 77, 79; -5: 81-83, 85, 87-88"},
    {ActivityRuleSet::kMonthAuspicious, L"兵吉", L"+5: 27-29"},
    {ActivityRuleSet::kMonthAuspicious, L"六合", L"+5: 22, 34, 36-37, 60-61, 63-65, 80, 82; [with 月恩 | 四相 | 時德] +5: 57"},
    {ActivityRuleSet::kMonthAuspicious, L"六儀", L"+5: 31"},
    {ActivityRuleSet::kMonthAuspicious, L"五富", L"+5: 60-67, 77, 79-80; [with 月恩 | 四相 | 時德] +5: 57"},
    {ActivityRuleSet::kMonthAuspicious, L"天倉", L"[with 月恩 | 四相] +5: 57; [without 時德] +5: 37, 65, 80"},
    {ActivityRuleSet::kMonthAuspicious, L"陰陽不將", L"+8: 36"},
    {ActivityRuleSet::kMonthAuspicious, L"要安", L"+5: 91"},
    {ActivityRuleSet::kMonthAuspicious, L"敬安", L"+5: 91"},
    {ActivityRuleSet::kMonthAuspicious, L"玉宇", L"+5: 92"},
    {ActivityRuleSet::kMonthAuspicious, L"金堂", L"+5: 92"},
    {ActivityRuleSet::kMonthAuspicious, L"普護", L"+5: 0-1"},
    {ActivityRuleSet::kMonthAuspicious, L"福生", L"+5: 0-1"},
    {ActivityRuleSet::kMonthAuspicious, L"聖心", L"+5: 0-1"},
    {ActivityRuleSet::kMonthAuspicious, L"益後", L"+5: 0-2"},
    {ActivityRuleSet::kMonthAuspicious, L"續世", L"+5: 0-2"},
    {ActivityRuleSet::kMonthAuspicious, L"解神", L"+5: 4, 19, 43-47"},
    {ActivityRuleSet::kMonthAuspicious, L"除神", L"+3: 43-47, 73"},
    {ActivityRuleSet::kMonthAuspicious, L"五合", L"+3: 22, 34, 63-64"},
    {ActivityRuleSet::kMonthAuspicious, L"寶日", L"+8: 27-29"},
    {ActivityRuleSet::kMonthAuspicious, L"義日", L"+8: 27-29"},
    {ActivityRuleSet::kMonthAuspicious, L"制日", L"+8: 27-29"},
    {ActivityRuleSet::kMonthAuspicious, L"鳴吠", L"+3: 81-82"},
    {ActivityRuleSet::kMonthAuspicious, L"鳴吠對", L"+3: 81, 83"},
    // month inauspicious (月凶神)
    {ActivityRuleSet::kMonthInauspicious, L"逐陣", L""},
    {ActivityRuleSet::kMonthInauspicious, L"陰陽交破", L"-8: 0-40, 42-77, 79-92"},
    {ActivityRuleSet::kMonthInauspicious, L"陽破陰衝", L"-8: 0-40, 42-77, 79-92"},
    {ActivityRuleSet::kMonthInauspicious, L"月建(兵福, 小時, 土府)", L"+8: 27-29; +5: 8-11, 25-26, 30-31; -5: 1-4, 34-35, 43-47, 51-57, 66-72, 74-75, 77, 81-85 (70-71, 74-75, 84 twice); [with 天恩] +5: 5, 14"},
    {ActivityRuleSet::kMonthInauspicious, L"月破(大耗)", L"+5: 47, 84; -5: 1-5, 8-11, 14-15, 20-22, 24-31, 34-37, 39-40, 42, 45-46, 50-58, 60-72, 74, 77, 79-83, 85"},
    {ActivityRuleSet::kMonthInauspicious, L"月平(天罡, 死神)", L"+5: 74-75; -5: 1-5, 8-11, 14-15, 20-22, 24-31, 34-37, 39-40, 42-43, 47, 50-58, 60-69, 77, 79-83 (27-29, 37, 43, 47 twice)"},
    {ActivityRuleSet::kMonthInauspicious, L"月平(河魁, 死神)", L"+5: 74-75; -5: 1-5, 8-11, 14-15, 20-22, 24-31, 34-37, 39-40, 42-43, 47, 50-58, 60-69, 77, 79-83 (27-29, 37, 43, 47 twice)"},
    {ActivityRuleSet::kMonthInauspicious, L"月平(天罡)", L"+5: 74-75; -5: 1-5, 8-11, 14-15, 20-22, 24-31, 34-37, 39-40, 42-43, 47, 50-58, 60-69, 77, 79-83 (27-29, 37, 43, 47 twice); [term above 霜降] +5: 87; [term between 雨水 and 立夏] +5: 88"},
    {ActivityRuleSet::kMonthInauspicious, L"月平(河魁)", L"+5: 74-75; -5: 1-5, 8-11, 14-15, 20-22, 24-31, 34-37, 39-40, 42-43, 47, 50-58, 60-69, 77, 79-83 (27-29, 37, 43, 47 twice); [term above 霜降] +5: 87; [term between 雨水 and 立夏] +5: 88"},
    {ActivityRuleSet::kMonthInauspicious, L"月收(天罡)", L"+5: 37, 65, 80, 86; -5: 1-5, 8-11, 14-15, 20-22, 24-31, 34-36, 39-40, 42-43, 47, 50-56, 58, 60-69, 81-83"},
    {ActivityRuleSet::kMonthInauspicious, L"月收(河魁)", L"+5: 37, 65, 80, 86; -5: 1-5, 8-11, 14-15, 20-22, 24-31, 34-36, 39-40, 42-43, 47, 50-56, 58, 60-69, 81-83"},
    {ActivityRuleSet::kMonthInauspicious, L"月執(小耗)", L"+5: 86; -5: 57, 62-67; [term above 霜降] +5: 87; [term between 雨水 and 立夏] +5: 88"},
    {ActivityRuleSet::kMonthInauspicious, L"月閉(血支)", L"+5: 54, 74; -5: 3-5, 8-11, 14-15, 20-22, 25-26, 29-31, 34-37, 39-40, 42, 47-49, 51-52, 55-56, 62, 66-69"},
    {ActivityRuleSet::kMonthInauspicious, L"劫煞", L"-5: 1-5, 8-11, 14-15, 20-22, 24-31, 34-37, 39-40, 42-43, 45-47, 50-58, 60-72, 74, 77, 79-84"},
    {ActivityRuleSet::kMonthInauspicious, L"災煞(天火)", L"-5: 1-5, 8-11, 14-15, 20-22, 24-31, 34-37, 39-40, 42-43, 45-47, 50-58, 60-72, 74, 77, 79-84"},
    {ActivityRuleSet::kMonthInauspicious, L"月煞(月虛)", L"-5: 1-5, 8-11, 14-15, 20-22, 24-31, 34-37, 39-40, 42-43, 45-47, 50-58, 60-72, 74, 77, 79-84"},
    {ActivityRuleSet::kMonthInauspicious, L"月刑", L"-5: 1-5, 8-11, 14-16, 20-22, 24-31, 34-37, 39-40, 42-43, 45-47, 50-58, 60-72, 74, 77, 79-84"},
    {ActivityRuleSet::kMonthInauspicious, L"月害", L"-5: 1-4, 20-22, 27-29, 34-37, 47, 57, 60-68, 79-83"},
    {ActivityRuleSet::kMonthInauspicious, L"月厭(地火)", L"-5: 1-5, 8-11, 14-15, 20-22, 24-31, 34-37, 39-43, 45-47, 50-58, 60-72, 74-75, 77-84"},
    {ActivityRuleSet::kMonthInauspicious, L"厭對(招搖)", L"-5: 36, 76, 88"},
    {ActivityRuleSet::kMonthInauspicious, L"大時(大敗, 咸池)", L"-5: 1-5, 8-11, 24-31, 34-37, 39-40, 42-43, 47, 51-57, 62-68, 76-77, 79-80, 88"},
    {ActivityRuleSet::kMonthInauspicious, L"遊禍", L"-13: 1-2, 43, 47"},
    {ActivityRuleSet::kMonthInauspicious, L"天吏(致死)", L"-5: 1-4, 8-11, 24-31, 34-37, 39-40, 42-43, 47, 51-57, 62-68, 77, 79-80"},
    {ActivityRuleSet::kMonthInauspicious, L"死氣", L"-5: 27-29, 43, 47, 51, 77"},
    {ActivityRuleSet::kMonthInauspicious, L"天賊", L"-13: 25-26, 57, 66-67"},
    {ActivityRuleSet::kMonthInauspicious, L"四擊", L"-13: 27-29"},
    {ActivityRuleSet::kMonthInauspicious, L"四耗", L"-8: 27-29, 57, 62-67"},
    {ActivityRuleSet::kMonthInauspicious, L"四廢", L"-8: 1-5, 8-11, 14-15, 20-22, 24-31, 34-37, 39-40, 42-43, 47, 50-58, 60-72, 74-75, 77, 79-83"},
    {ActivityRuleSet::kMonthInauspicious, L"四忌", L"-8: 27-29, 34-37"},
    {ActivityRuleSet::kMonthInauspicious, L"四窮", L"-8: 27-29, 34-37, 57, 62-67"},
    {ActivityRuleSet::kMonthInauspicious, L"五虛", L"-5: 57, 66-67"},
    {ActivityRuleSet::kMonthInauspicious, L"八風", L"[without 六合] -8: 76, 88"},
    {ActivityRuleSet::kMonthInauspicious, L"五墓", L"-8: 24-31, 34-37, 39-40, 42-43, 47, 50-56, 62-65, 67-68, 77, 79-83"},
    {ActivityRuleSet::kMonthInauspicious, L"九空", L"-5: 37, 57, 62-67"},
    {ActivityRuleSet::kMonthInauspicious, L"九坎(九焦)", L"-8: 58, 77-78; -5: 71-72, 76, 88"},
    {ActivityRuleSet::kMonthInauspicious, L"土符", L"-8: 52-55, 68-72, 74-75, 77, 81, 84"},
    {ActivityRuleSet::kMonthInauspicious, L"地囊", L"-8: 52-55, 68-72, 74-75, 77, 81, 84"},
    {ActivityRuleSet::kMonthInauspicious, L"兵禁", L"-13: 27-29"},
    {ActivityRuleSet::kMonthInauspicious, L"大煞", L"-8: 27-29"},
    {ActivityRuleSet::kMonthInauspicious, L"歸忌", L"-13: 39-41"},
    {ActivityRuleSet::kMonthInauspicious, L"血忌", L"-13: 49"},
    {ActivityRuleSet::kMonthInauspicious, L"往亡", L"-8: 3-4, 8-11, 14, 25-31, 36-37, 39-40, 47, 86-88"},
    {ActivityRuleSet::kMonthInauspicious, L"氣往亡", L"-8: 3-4, 8-11, 14, 25-31, 36-37, 39-40, 47, 86-88"},
    {ActivityRuleSet::kMonthInauspicious, L"復日", L"+5: 50; -5: 81-83"},
    {ActivityRuleSet::kMonthInauspicious, L"重日", L"-3: 81-83"},
    {ActivityRuleSet::kMonthInauspicious, L"五離", L"-3: 20-22, 34-35, 63-64"},
    {ActivityRuleSet::kMonthInauspicious, L"八專", L"-8: 27-29, 34-36"},
    {ActivityRuleSet::kMonthInauspicious, L"觸水龍", L"-8: 76, 88"},
    {ActivityRuleSet::kMonthInauspicious, L"專日", L"-8: 27-29"},
    {ActivityRuleSet::kMonthInauspicious, L"伐日", L"-8: 27-29"},
    {ActivityRuleSet::kMonthInauspicious, L"反支", L""},
    {ActivityRuleSet::kMonthInauspicious, L"上朔", L""},
    {ActivityRuleSet::kMonthInauspicious, L"四離", L""},
    {ActivityRuleSet::kMonthInauspicious, L"四絕", L""},
    {ActivityRuleSet::kMonthInauspicious, L"晦日", L""},
    {ActivityRuleSet::kMonthInauspicious, L"土王用事", L""},
    {ActivityRuleSet::kMonthInauspicious, L"月忌日", L""},
});
// clang-format on

namespace {

constexpr bool AllRowsWellFormed() {
  for (const ActivityRule& rule : kActivityRules) {
    if (rule.key.empty() || !IsWellFormedRuleText(rule.weights)) {
      return false;
    }
  }
  return true;
}

constexpr bool KeysUniqueWithinEachList() {
  for (std::size_t i = 0; i < kActivityRules.size(); ++i) {
    for (std::size_t j = i + 1; j < kActivityRules.size(); ++j) {
      if (kActivityRules[i].set == kActivityRules[j].set &&
          kActivityRules[i].key == kActivityRules[j].key) {
        return false;
      }
    }
  }
  return true;
}

constexpr int RowCount(ActivityRuleSet set) {
  int count = 0;
  for (const ActivityRule& rule : kActivityRules) {
    count += rule.set == set;
  }
  return count;
}

}  // namespace

static_assert(AllRowsWellFormed());
static_assert(KeysUniqueWithinEachList());
static_assert(RowCount(ActivityRuleSet::kYearAuspicious) == 4);
static_assert(RowCount(ActivityRuleSet::kYearInauspicious) == 6);
static_assert(RowCount(ActivityRuleSet::kMonthAuspicious) == 51);
static_assert(RowCount(ActivityRuleSet::kMonthInauspicious) == 57);

}  // namespace almanac
