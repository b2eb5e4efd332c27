#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace almanac {

// The number of activities the almanac judges (kAlmanacActivities in activity_scoring.h); the
// rows name them by index 0 .. 92.
inline constexpr int kAlmanacActivityCount = 93;

// The spirit-star list of the day that a row is matched against.
enum class ActivityRuleSet {
  kYearAuspicious,
  kYearInauspicious,
  kMonthAuspicious,
  kMonthInauspicious
};

// One rule row: a spirit-star display name, compared whole with the entries of one list, and the
// weights that each entry equal to it adds, in the almanac's notation:
//   "+5: 0-2, 8; -5: 66-67 (66 twice); [with 月恩 | 四相] +5: 57; [without 六合] -8: 76, 88"
// A group is a weight (+8 +5 +3 -3 -5 -8 -13), a colon and activity indexes or inclusive ranges;
// the indexes in "( .. twice)" receive the weight once more. A clause is a condition in square
// brackets and one group that applies only when the condition holds on the day. Groups and
// clauses are separated by semicolons; an empty text is a row that is recognised and weighs
// nothing.
struct ActivityRule {
  ActivityRuleSet set;
  std::wstring_view key;
  std::wstring_view weights;
};

// The 118 rows: 4 for the year auspicious list, 6 year inauspicious, 51 month auspicious and 57
// month inauspicious; keys are unique within a list.
extern const std::array<ActivityRule, 118> kActivityRules;

// The condition of a clause, looked at against the day's complete lists:
//   [with A | B]        one of the names stands in the month auspicious list;
//   [without A]         the name does not;
//   [month 午 with A]   the month branch is 午 and the name stands there;
//   [term above S]      the section term in force comes after S in the order of the solar-term
//                       lookup (立春 = 0 .. 大寒 = 23);
//   [term between S and U]  it comes strictly between S and U in that order.
enum class RuleConditionKind { kWith, kWithout, kMonthBranchWith, kTermAbove, kTermBetween };

struct RuleCondition {
  RuleConditionKind kind = RuleConditionKind::kWith;
  std::wstring_view names;        // kWith, kWithout, kMonthBranchWith: "A | B | C"
  std::wstring_view monthBranch;  // kMonthBranchWith
  std::wstring_view lowTerm;      // kTermAbove, kTermBetween
  std::wstring_view highTerm;     // kTermBetween
};

// Calls visit(name) for each name of a condition's "A | B | C" list, in order.
template <class Visit>
constexpr void ForEachConditionName(std::wstring_view names, Visit&& visit) {
  constexpr std::wstring_view kSeparator = L" | ";
  while (true) {
    const std::size_t end = names.find(kSeparator);
    visit(names.substr(0, end));
    if (end == std::wstring_view::npos) {
      return;
    }
    names.remove_prefix(end + kSeparator.size());
  }
}

namespace rule_notation {

constexpr bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Reads the notation of one row from the front.
class Reader {
 public:
  constexpr explicit Reader(std::wstring_view text) : text_(text) {}

  constexpr bool AtEnd() const { return text_.empty(); }
  constexpr wchar_t Peek() const { return text_.empty() ? L'\0' : text_.front(); }
  constexpr void SkipBlanks() {
    while (!text_.empty() && text_.front() == L' ') {
      text_.remove_prefix(1);
    }
  }
  constexpr bool Consume(std::wstring_view word) {
    if (text_.substr(0, word.size()) != word) {
      return false;
    }
    text_.remove_prefix(word.size());
    return true;
  }
  constexpr bool ReadNumber(int& value) {
    if (text_.empty() || !IsDigit(text_.front())) {
      return false;
    }
    value = 0;
    while (!text_.empty() && IsDigit(text_.front())) {
      value = value * 10 + (text_.front() - L'0');
      text_.remove_prefix(1);
      if (value > 1000) {
        return false;
      }
    }
    return true;
  }
  // The text up to (not including) `stop`, which is consumed; false when it does not occur.
  constexpr bool ReadUntil(wchar_t stop, std::wstring_view& part) {
    const std::size_t end = text_.find(stop);
    if (end == std::wstring_view::npos) {
      return false;
    }
    part = text_.substr(0, end);
    text_.remove_prefix(end + 1);
    return true;
  }

 private:
  std::wstring_view text_;
};

constexpr bool IsNameList(std::wstring_view names) {
  bool ok = !names.empty();
  ForEachConditionName(names, [&ok](std::wstring_view name) {
    ok = ok && !name.empty() && name.front() != L' ' && name.back() != L' ';
  });
  return ok;
}

// Parses the inside of a clause's brackets.
constexpr bool ParseCondition(std::wstring_view text, RuleCondition& condition) {
  constexpr std::wstring_view kWith = L"with ";
  constexpr std::wstring_view kWithout = L"without ";
  constexpr std::wstring_view kMonth = L"month ";
  constexpr std::wstring_view kAbove = L"term above ";
  constexpr std::wstring_view kBetween = L"term between ";
  constexpr std::wstring_view kAnd = L" and ";
  condition = RuleCondition{};
  if (text.starts_with(kWith)) {
    condition.kind = RuleConditionKind::kWith;
    condition.names = text.substr(kWith.size());
    return IsNameList(condition.names);
  }
  if (text.starts_with(kWithout)) {
    condition.kind = RuleConditionKind::kWithout;
    condition.names = text.substr(kWithout.size());
    return IsNameList(condition.names) && condition.names.find(L'|') == std::wstring_view::npos;
  }
  if (text.starts_with(kMonth)) {
    text.remove_prefix(kMonth.size());
    const std::size_t end = text.find(L' ');
    if (end == std::wstring_view::npos || !text.substr(end).starts_with(L" with ")) {
      return false;
    }
    condition.kind = RuleConditionKind::kMonthBranchWith;
    condition.monthBranch = text.substr(0, end);
    condition.names = text.substr(end + 6);
    return condition.monthBranch.size() == 1 && IsNameList(condition.names);
  }
  if (text.starts_with(kAbove)) {
    condition.kind = RuleConditionKind::kTermAbove;
    condition.lowTerm = text.substr(kAbove.size());
    return !condition.lowTerm.empty();
  }
  if (text.starts_with(kBetween)) {
    text.remove_prefix(kBetween.size());
    const std::size_t end = text.find(kAnd);
    if (end == std::wstring_view::npos) {
      return false;
    }
    condition.kind = RuleConditionKind::kTermBetween;
    condition.lowTerm = text.substr(0, end);
    condition.highTerm = text.substr(end + kAnd.size());
    return !condition.lowTerm.empty() && !condition.highTerm.empty();
  }
  return false;
}

inline constexpr std::size_t kMaxRangesPerGroup = 32;

struct IndexRange {
  int first = 0;
  int last = 0;
};

// Reads "a-b, c, d-e" into ranges; every index must be an activity.
constexpr bool ReadIndexList(Reader& reader, std::array<IndexRange, kMaxRangesPerGroup>& ranges,
                             std::size_t& count) {
  count = 0;
  while (true) {
    IndexRange range;
    if (!reader.ReadNumber(range.first)) {
      return false;
    }
    range.last = range.first;
    if (reader.Consume(L"-") && !reader.ReadNumber(range.last)) {
      return false;
    }
    if (range.first > range.last || range.last >= kAlmanacActivityCount || count == ranges.size()) {
      return false;
    }
    ranges[count++] = range;
    if (!reader.Consume(L", ")) {
      return true;
    }
  }
}

// Reads one weight group and, when `active`, calls apply(weight, activity) for each activity it
// names (twice for those in its "( .. twice)" part).
template <class Apply>
constexpr bool ReadGroup(Reader& reader, bool active, Apply& apply) {
  const bool positive = reader.Peek() == L'+';
  if (!reader.Consume(L"+") && !reader.Consume(L"-")) {
    return false;
  }
  int size = 0;
  if (!reader.ReadNumber(size) || !reader.Consume(L": ")) {
    return false;
  }
  // The weights of the almanac: +8 +5 +3 and -3 -5 -8 -13.
  if (size != 3 && size != 5 && size != 8 && !(size == 13 && !positive)) {
    return false;
  }
  const int weight = positive ? size : -size;
  std::array<IndexRange, kMaxRangesPerGroup> ranges{};
  std::size_t count = 0;
  if (!ReadIndexList(reader, ranges, count)) {
    return false;
  }
  std::array<IndexRange, kMaxRangesPerGroup> twice{};
  std::size_t twiceCount = 0;
  if (reader.Consume(L" (")) {
    if (!ReadIndexList(reader, twice, twiceCount) || !reader.Consume(L" twice)")) {
      return false;
    }
    // An index marked twice must stand in the group itself.
    for (std::size_t t = 0; t < twiceCount; ++t) {
      bool inside = false;
      for (std::size_t r = 0; r < count; ++r) {
        inside = inside || (twice[t].first >= ranges[r].first && twice[t].last <= ranges[r].last);
      }
      if (!inside) {
        return false;
      }
    }
  }
  if (active) {
    for (std::size_t r = 0; r < count; ++r) {
      for (int a = ranges[r].first; a <= ranges[r].last; ++a) {
        apply(weight, a);
      }
    }
    for (std::size_t t = 0; t < twiceCount; ++t) {
      for (int a = twice[t].first; a <= twice[t].last; ++a) {
        apply(weight, a);
      }
    }
  }
  return true;
}

}  // namespace rule_notation

// Walks the notation of one row: for each group that applies, calls apply(weight, activity) once
// per activity it names (twice for an index marked twice); for each clause, asks holds(condition)
// first. Returns false, having stopped, when the text is not well formed.
template <class Holds, class Apply>
constexpr bool ForEachRuleWeight(std::wstring_view weights, Holds&& holds, Apply&& apply) {
  rule_notation::Reader reader(weights);
  reader.SkipBlanks();
  if (reader.AtEnd()) {
    return true;
  }
  while (true) {
    bool active = true;
    if (reader.Consume(L"[")) {
      std::wstring_view inside;
      RuleCondition condition;
      if (!reader.ReadUntil(L']', inside) || !rule_notation::ParseCondition(inside, condition) ||
          !reader.Consume(L" ")) {
        return false;
      }
      active = holds(condition);
    }
    if (!rule_notation::ReadGroup(reader, active, apply)) {
      return false;
    }
    if (reader.AtEnd()) {
      return true;
    }
    if (!reader.Consume(L"; ")) {
      return false;
    }
  }
}

// Whether a row's notation is well formed: every group has one of the weights and names only
// activities 0 .. 92, every clause has a condition of the five forms.
constexpr bool IsWellFormedRuleText(std::wstring_view weights) {
  return ForEachRuleWeight(
      weights, [](const RuleCondition&) { return true; }, [](int, int) {});
}

}  // namespace almanac
