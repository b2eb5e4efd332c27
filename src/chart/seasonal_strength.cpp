#include "chart/seasonal_strength.h"

#include <array>

#include "chart/stem_branch_basics.h"
#include "vocabulary/vocabulary_lists.h"

namespace chart {

namespace {

// Slots of the states in kSeasonalStateOrder (the order of SeasonalStrengthValues).
enum State : int { k旺 = 0, k相 = 1, k休 = 2, k囚 = 3, k死 = 4 };

// The state of the element `steps` production steps after the season's own element: itself
// 旺, produced 相, controlled 死, controlling 囚, producing 休.
constexpr auto kStateByProductionStep = std::to_array<State>({k旺, k相, k死, k囚, k休});
static_assert(kStateByProductionStep.size() == 5);

constexpr auto kStrengthWords =
    std::to_array<const wchar_t*>({L"最強", L"強", L"平", L"弱", L"最弱"});
static_assert(kStrengthWords.size() == 5);
constexpr auto kStateLabels =
    std::to_array<const wchar_t*>({L"旺，最強", L"相，強", L"休，平平", L"囚，弱", L"死，最弱"});
static_assert(kStateLabels.size() == 5);

// Season (element index) of each solar term; terms not listed have none.
struct TermSeason {
  const wchar_t* term;
  int season;
};
constexpr auto kTermSeasons = std::to_array<TermSeason>({
    // term, season: 0 spring 木, 1 summer 火, 2 earth 土, 3 autumn 金, 4 winter 水
    {L"立春", 0}, {L"雨水", 0}, {L"驚蟄", 0}, {L"春分", 0}, {L"清明", 0}, {L"穀雨", 2},
    {L"立夏", 1}, {L"小滿", 1}, {L"芒種", 1}, {L"夏至", 1}, {L"小暑", 1}, {L"大暑", 2},
    {L"立秋", 3}, {L"處暑", 3}, {L"白露", 3}, {L"秋分", 3}, {L"寒露", 3}, {L"霜降", 2},
    {L"立冬", 4}, {L"小雪", 4}, {L"大雪", 4}, {L"冬至", 4}, {L"小寒", 4}, {L"大寒", 2},
});
static_assert(kTermSeasons.size() == 24);

// Season of each month branch 子 .. 亥 under the two options.
constexpr auto kBranchSeasonsFourSeasons = std::to_array<int>({4, 4, 0, 0, 0, 1, 1, 1, 3, 3, 3, 4});
static_assert(kBranchSeasonsFourSeasons.size() == 12);
constexpr auto kBranchSeasonsWithEarth = std::to_array<int>({4, 2, 0, 0, 2, 1, 1, 2, 3, 3, 2, 4});
static_assert(kBranchSeasonsWithEarth.size() == 12);

int SeasonOfTerm(const std::wstring& term) {
  for (const TermSeason& row : kTermSeasons) {
    if (term == row.term) {
      return row.season;
    }
  }
  return -1;
}

State StateIn(int season, int element) {
  return kStateByProductionStep[(element - season + 5) % 5];
}

// The element holding `state` in the season; -1 when the state is not one of the five.
int ElementInState(int season, int state) {
  for (int step = 0; step < 5; ++step) {
    if (kStateByProductionStep[step] == state) {
      return (season + step) % 5;
    }
  }
  return -1;
}

std::wstring ElementOfStateInSeason(int season, const std::wstring& state) {
  const int s = NameIndex(kSeasonalStateOrder, state);
  if (season < 0 || s < 0) {
    return L"";
  }
  return kElementsByProduction[ElementInState(season, s)];
}

int ElementOfStemIndex(const std::wstring& stem) {
  const int index = vocabulary::LookupStemIndex(stem);
  return index < 0 ? -1 : index / 2;
}

}  // namespace

std::wstring StrengthWord(int value, const SeasonalStrengthValues& values) {
  for (int s = 0; s < 5; ++s) {
    if (value == values[s]) {
      return kStrengthWords[s];
    }
  }
  return L"";
}

std::wstring SeasonalStateLabel(const std::wstring& state) {
  const int s = NameIndex(kSeasonalStateOrder, state);
  return s < 0 ? L"" : kStateLabels[s];
}

int SeasonalStateValue(const std::wstring& state, const SeasonalStrengthValues& values) {
  const int s = NameIndex(kSeasonalStateOrder, state);
  return s < 0 ? 0 : values[s];
}

std::wstring SeasonalStateOfElement(const std::wstring& term, const std::wstring& element) {
  const int season = SeasonOfTerm(term);
  const int e = ElementIndex(element);
  if (season < 0 || e < 0) {
    return L"";
  }
  return kSeasonalStateOrder[StateIn(season, e)];
}

std::wstring ElementOfSeasonalState(const std::wstring& term, const std::wstring& state) {
  return ElementOfStateInSeason(SeasonOfTerm(term), state);
}

std::wstring ElementOfStateByMonthBranch(const std::wstring& monthBranch, const std::wstring& state,
                                         EarthMonthOption option) {
  const int branch = vocabulary::LookupBranchIndex(monthBranch);
  if (branch < 0) {
    return L"";
  }
  const int season = EarthMonthsAreEarth(option) ? kBranchSeasonsWithEarth[branch]
                                                 : kBranchSeasonsFourSeasons[branch];
  return ElementOfStateInSeason(season, state);
}

int ComputeDayMasterSeasonalValue(const std::wstring& dayStem, const std::wstring& commandingStem,
                                  const SeasonalStrengthValues& values) {
  const int day = ElementOfStemIndex(dayStem);
  const int season = ElementOfStemIndex(commandingStem);
  if (day < 0 || season < 0) {
    return 0;
  }
  return values[StateIn(season, day)];
}

void SetSeasonalElements(const std::wstring& element, FourPillarsChart& chart) {
  chart.seasonalElements[k旺] = element;
  const int season = ElementIndex(element);
  if (season < 0) {
    return;
  }
  for (int state = k相; state <= k死; ++state) {
    chart.seasonalElements[state] = kElementsByProduction[ElementInState(season, state)];
  }
}

}  // namespace chart
