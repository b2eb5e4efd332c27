#include "chart/combinations.h"

#include <array>
#include <string_view>

#include "chart/stem_branch_basics.h"
#include "vocabulary/vocabulary_lists.h"

namespace chart {

namespace {

// A combination of three branches with its central branch, its element and its marker.
struct BranchTriple {
  std::array<const wchar_t*, 3> branches;
  const wchar_t* central;
  const wchar_t* element;
  const wchar_t* marker;
};

// In the order tested, which is also the slot order of threeHarmonyFlags (土 is slot 4).
constexpr auto kThreeHarmonyFrames = std::to_array<BranchTriple>({
    // branches, central, element, marker
    {{L"申", L"子", L"辰"}, L"子", L"水", L"水局"},
    {{L"亥", L"卯", L"未"}, L"卯", L"木", L"木局"},
    {{L"寅", L"午", L"戌"}, L"午", L"火", L"火局"},
    {{L"巳", L"酉", L"丑"}, L"酉", L"金", L"金局"},
});
static_assert(kThreeHarmonyFrames.size() == 4);

// The earth frame: the year, month, day and hour branches in one of these orders. Orders with
// 戌 in the month, or 戌 in the year and 丑 in the month, are not among them.
constexpr auto kEarthFrameOrders = std::to_array<const wchar_t*>(
    {L"丑辰未戌", L"丑辰戌未", L"丑未辰戌", L"丑未戌辰", L"辰丑未戌", L"辰丑戌未", L"辰未丑戌",
     L"辰未戌丑", L"未辰丑戌", L"未辰戌丑", L"未丑戌辰", L"未丑辰戌", L"戌辰未丑", L"戌辰丑未",
     L"戌未丑辰", L"戌未辰丑"});
static_assert(kEarthFrameOrders.size() == 16);
constexpr int kEarthFrameSlot = 4;

// In the order tested, which is also the slot order of directionFlags.
constexpr auto kDirectionalCombinations = std::to_array<BranchTriple>({
    // branches, central, element, marker
    {{L"亥", L"子", L"丑"}, L"子", L"水", L"水方"},
    {{L"寅", L"卯", L"辰"}, L"卯", L"木", L"木方"},
    {{L"巳", L"午", L"未"}, L"午", L"火", L"火方"},
    {{L"申", L"酉", L"戌"}, L"酉", L"金", L"金方"},
});
static_assert(kDirectionalCombinations.size() == 4);

// Nayin element of the pairs 2k and 2k + 1 of the sixty (甲子乙丑 .. 壬戌癸亥), k = 0 .. 29.
constexpr auto kNayinElements = std::to_array<const wchar_t*>({
    L"金", L"火", L"木", L"土", L"金", L"火", L"水", L"土", L"金", L"木",  // 甲子 .. 癸未
    L"水", L"土", L"火", L"木", L"水", L"金", L"火", L"木", L"土", L"金",  // 甲申 .. 癸卯
    L"火", L"水", L"土", L"金", L"木", L"水", L"土", L"火", L"木", L"水",  // 甲辰 .. 癸亥
});
static_assert(kNayinElements.size() == 30);

// Group of the combination element (columns 木 火 土 金 水) for the day element (rows).
constexpr auto kCombinationGroups = std::to_array<std::array<const wchar_t*, 5>>({
    // 木     火     土     金     水
    {L"比", L"食", L"財", L"官", L"印"},  // 木
    {L"印", L"比", L"食", L"財", L"官"},  // 火
    {L"官", L"印", L"比", L"食", L"財"},  // 土
    {L"財", L"官", L"印", L"比", L"食"},  // 金
    {L"食", L"財", L"官", L"印", L"比"},  // 水
});
static_assert(kCombinationGroups.size() == 5);

// Flag slots of each element, in the order 木 火 土 金 水 that the group rule tests them.
constexpr auto kFrameSlotsByElement = std::to_array<int>({1, 2, 4, 3, 0});
static_assert(kFrameSlotsByElement.size() == 5);
constexpr auto kDirectionSlotsByElement = std::to_array<int>({1, 2, 3, 0});  // 木 火 金 水
static_assert(kDirectionSlotsByElement.size() == 4);
constexpr auto kDirectionElementIndexes = std::to_array<int>({0, 1, 3, 4});  // 木 火 金 水
static_assert(kDirectionElementIndexes.size() == 4);

bool HoldsAll(const FourPillarsChart& chart, const std::array<const wchar_t*, 3>& branches) {
  for (const wchar_t* branch : branches) {
    bool found = false;
    for (int p = kYearPillar; p <= kHourPillar; ++p) {
      found = found || chart.pillars[p].branch == branch;
    }
    if (!found) {
      return false;
    }
  }
  return true;
}

// Whether the year, month, day and hour branches are, each whole, the four characters of
// `order` in turn (so that two branches joined in one pillar's text match nothing).
bool HoldsInOrder(const FourPillarsChart& chart, std::wstring_view order) {
  for (int p = kYearPillar; p <= kHourPillar; ++p) {
    if (chart.pillars[p].branch != order.substr(p, 1)) {
      return false;
    }
  }
  return true;
}

// Index of the first pillar, year to hour, whose branch is `branch`; -1 if none.
int FirstPillarWith(const FourPillarsChart& chart, const wchar_t* branch) {
  for (int p = kYearPillar; p <= kHourPillar; ++p) {
    if (chart.pillars[p].branch == branch) {
      return p;
    }
  }
  return -1;
}

}  // namespace

void DetectThreeHarmonyFrame(FourPillarsChart& chart) {
  for (int slot = 0; slot < static_cast<int>(kThreeHarmonyFrames.size()); ++slot) {
    const BranchTriple& frame = kThreeHarmonyFrames[slot];
    if (!HoldsAll(chart, frame.branches)) {
      continue;
    }
    chart.hasFrame = 1;
    chart.threeHarmonyFlags[slot] = 1;
    chart.frameElement = frame.element;
    chart.frameMarkers[FirstPillarWith(chart, frame.central)] = frame.marker;
    return;
  }
  for (const wchar_t* earth : kEarthFrameOrders) {
    if (HoldsInOrder(chart, earth)) {
      chart.hasFrame = 1;
      chart.threeHarmonyFlags[kEarthFrameSlot] = 1;
      chart.frameElement = L"土";
      chart.frameMarkers[FirstPillarWith(chart, L"丑")] = L"土局";
      return;
    }
  }
}

void DetectDirectionalCombination(FourPillarsChart& chart) {
  for (int slot = 0; slot < static_cast<int>(kDirectionalCombinations.size()); ++slot) {
    const BranchTriple& combination = kDirectionalCombinations[slot];
    if (!HoldsAll(chart, combination.branches)) {
      continue;
    }
    chart.hasDirection = 1;
    chart.directionFlags[slot] = 1;
    chart.directionElement = combination.element;
    chart.directionMarkers[FirstPillarWith(chart, combination.central)] = combination.marker;
    return;
  }
}

std::wstring NayinElement(const std::wstring& stem, const std::wstring& branch,
                          FourPillarsChart& chart) {
  const int s = vocabulary::LookupStemIndex(stem);
  const int b = vocabulary::LookupBranchIndex(branch);
  if (s < 0 || b < 0 || s % 2 != b % 2) {
    return L"";
  }
  // The pair's place n in the sixty: n = s (mod 10) and n = b (mod 12).
  int n = s;
  while (n % 12 != b) {
    n += 10;  // at most five steps: [0, 59]
  }
  const std::wstring element = kNayinElements[n / 2];
  const int slot = NameIndex(kNayinCountOrder, element);  // every table entry has its slot
  if (slot >= 0) {
    ++chart.nayinElementCounts[slot];
  }
  return element;
}

std::wstring TenGodGroupOfCombination(const std::wstring& dayStem, const FourPillarsChart& chart) {
  const int day = ElementIndex(ElementOfStem(dayStem));
  int combination = -1;
  if (chart.hasFrame > 0) {
    for (int e = 0; e < 5 && combination < 0; ++e) {
      if (chart.threeHarmonyFlags[kFrameSlotsByElement[e]] > 0) {
        combination = e;
      }
    }
  }
  if (chart.hasDirection > 0) {
    for (int i = 0; i < 4; ++i) {
      if (chart.directionFlags[kDirectionSlotsByElement[i]] > 0) {
        combination = kDirectionElementIndexes[i];
        break;
      }
    }
  }
  if (day < 0 || combination < 0) {
    return L"";
  }
  return kCombinationGroups[day][combination];
}

}  // namespace chart
