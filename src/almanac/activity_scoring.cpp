#include "almanac/activity_scoring.h"

#include <vector>

#include "vocabulary/vocabulary_lists.h"

namespace almanac {

// The names are the almanac's own, variant characters included ("修飾垣墻", "般移").
// clang-format off
// activity indexes 0-9, 10-19, .. 90-92; kAlmanacActivityCount of them, or this does not compile
constexpr std::array<std::wstring_view, kAlmanacActivityCount> kAlmanacActivities =
    std::to_array<std::wstring_view>({
    L"祭祀", L"祈福", L"求嗣", L"上冊", L"進表章", L"頒詔", L"覃恩", L"肆赦", L"施恩封拜", L"詔命公卿",
    L"招賢", L"舉正直", L"施恩惠", L"恤孤惸", L"宣政事", L"布政事", L"行惠愛", L"雪冤枉", L"緩刑獄", L"陳詞訟",
    L"慶賜", L"賞賀", L"宴會", L"入學", L"冠帶", L"行幸", L"遣使", L"安撫邊境", L"選將訓兵", L"出師",
    L"上官赴任", L"臨政親民", L"參謁", L"會親友", L"結婚姻", L"納采問名", L"嫁娶", L"進人口", L"出行", L"移徙",
    L"般移", L"遠迴", L"安床", L"解除", L"沐浴", L"整容剃頭", L"整手足甲", L"求醫療病", L"療目", L"針刺刀割",
    L"裁製", L"營建宮室", L"修宮室", L"繕城郭", L"築隄防", L"興造動土", L"豎柱上梁", L"修倉庫", L"鼓鑄", L"苫蓋",
    L"醞釀", L"經絡", L"開市", L"立券", L"交易", L"納財", L"開倉庫", L"出貨財", L"修置產室", L"開渠穿井",
    L"安碓磑", L"補垣", L"塞穴", L"掃舍宇", L"修飾垣墻", L"平治道塗", L"乘船渡水", L"栽種", L"修築園圃", L"牧養",
    L"納畜", L"破土", L"安葬", L"啟攢", L"破屋壞垣", L"伐木", L"捕捉", L"畋獵", L"取魚", L"設籌謀",
    L"陳計畫", L"安神", L"修祠宇",
});
// clang-format on

namespace {

bool HasMonthAuspicious(std::wstring_view name, const AlmanacDay& day) {
  const std::vector<std::wstring>& list = day.monthAuspicious;
  for (std::size_t i = 0; i < list.size() && i < kMonthListSlots; ++i) {
    if (list[i].empty()) {
      return false;
    }
    if (list[i] == name) {
      return true;
    }
  }
  return false;
}

bool HasAnyMonthAuspicious(std::wstring_view names, const AlmanacDay& day) {
  bool found = false;
  ForEachConditionName(
      names, [&](std::wstring_view name) { found = found || HasMonthAuspicious(name, day); });
  return found;
}

// Evaluates a clause's condition on the day; sectionTerm is the lookup index of the section
// term in force, -1 when it is no solar-term name (which then satisfies no term condition).
bool ConditionHolds(const RuleCondition& condition, const AlmanacDay& day, int sectionTerm) {
  switch (condition.kind) {
    case RuleConditionKind::kWith:
      return HasAnyMonthAuspicious(condition.names, day);
    case RuleConditionKind::kWithout:
      return !HasMonthAuspicious(condition.names, day);
    case RuleConditionKind::kMonthBranchWith:
      return day.monthBranch == condition.monthBranch &&
             HasAnyMonthAuspicious(condition.names, day);
    case RuleConditionKind::kTermAbove:
      return sectionTerm > vocabulary::LookupSolarTermIndex(std::wstring(condition.lowTerm));
    case RuleConditionKind::kTermBetween:
      return vocabulary::LookupSolarTermIndex(std::wstring(condition.lowTerm)) < sectionTerm &&
             sectionTerm < vocabulary::LookupSolarTermIndex(std::wstring(condition.highTerm));
  }
  return false;
}

void AddWeight(ActivityScores& scores, int weight, int activity) {
  const auto slot = static_cast<std::size_t>(activity);
  scores.net[slot] += weight;
  (weight > 0 ? scores.suitable : scores.avoid)[slot] += weight;
}

// Applies the row of `set` whose key equals `name`, if there is one.
void ApplyMatchingRow(ActivityScores& scores, ActivityRuleSet set, const std::wstring& name,
                      const AlmanacDay& day, int sectionTerm) {
  if (name.empty()) {
    return;
  }
  for (const ActivityRule& rule : kActivityRules) {
    if (rule.set == set && rule.key == name) {
      ForEachRuleWeight(
          rule.weights,
          [&](const RuleCondition& condition) {
            return ConditionHolds(condition, day, sectionTerm);
          },
          [&](int weight, int activity) { AddWeight(scores, weight, activity); });
      return;
    }
  }
}

// Applies the rows of `set` to every slot of a list, up to `slots` of them.
void ApplyList(ActivityScores& scores, ActivityRuleSet set, const std::vector<std::wstring>& list,
               std::size_t slots, const AlmanacDay& day, int sectionTerm) {
  for (std::size_t j = 0; j < list.size() && j < slots; ++j) {
    ApplyMatchingRow(scores, set, list[j], day, sectionTerm);
  }
}

}  // namespace

ActivityScores ScoreSuitableAndAvoid(AlmanacDay& day) {
  ActivityScores scores;
  const int sectionTerm = vocabulary::LookupSolarTermIndex(day.currentSectionTerm);
  // Every slot is looked at, not only the used part: a name counts each time it stands.
  ApplyList(scores, ActivityRuleSet::kYearAuspicious, day.yearAuspicious, kYearListSlots, day,
            sectionTerm);
  ApplyList(scores, ActivityRuleSet::kYearInauspicious, day.yearInauspicious, kYearListSlots, day,
            sectionTerm);
  ApplyList(scores, ActivityRuleSet::kMonthAuspicious, day.monthAuspicious, kMonthListSlots, day,
            sectionTerm);
  ApplyList(scores, ActivityRuleSet::kMonthInauspicious, day.monthInauspicious, kMonthListSlots,
            day, sectionTerm);

  day.suitableText.clear();
  day.avoidText.clear();
  day.bothText.clear();
  day.onlySuitableText.clear();
  day.onlyAvoidText.clear();
  // netVerdict is appended to: the page's record is new, so its slots start empty.
  const bool hasNetSlots = day.netVerdict.size() >= kVerdictSlots;
  // Slots 93 .. 107 receive no weight, so only the activities can enter a text.
  for (std::size_t s = 0; s < kAlmanacActivities.size(); ++s) {
    const std::int32_t net = scores.net[s];
    const std::int32_t suitable = scores.suitable[s];
    const std::int32_t avoid = scores.avoid[s];
    if (net == 0 && suitable == 0 && avoid == 0) {
      continue;
    }
    const std::wstring entry = std::wstring(kAlmanacActivities[s]) + L". ";
    if (hasNetSlots && net > 0) {
      day.netVerdict[1] += entry;
    } else if (hasNetSlots && net < 0) {
      day.netVerdict[2] += entry;
    }
    if (suitable > 0) {
      day.suitableText += entry;
    }
    if (avoid < 0) {
      day.avoidText += entry;
    }
    if (avoid < 0 && suitable > 0) {
      day.bothText += entry;
    }
    if (suitable > 0 && avoid == 0) {
      day.onlySuitableText += entry;
    }
    if (avoid < 0 && suitable == 0) {
      day.onlyAvoidText += entry;
    }
  }
  return scores;
}

}  // namespace almanac
