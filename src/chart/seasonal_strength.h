#pragma once

#include <string>

#include "chart/chart_settings.h"
#include "chart/four_pillars_chart.h"

namespace chart {

// The five seasonal states 旺 相 休 囚 死: the state of an element in the season of a solar term
// or a month branch, the element in a state, the user's value of a state, and the words
// printed for a strength. In the season of element E: E is 旺, the element E produces 相, the
// element producing E 休, the element controlling E 囚, the element E controls 死. Text that
// matches no rule gives the empty text or 0.

// "最強", "強", "平", "弱" or "最弱" for the first of the 旺 .. 死 values equal to `value`;
// the empty text when none is.
std::wstring StrengthWord(int value, const SeasonalStrengthValues& values);

// "旺，最強", "相，強", "休，平平", "囚，弱" or "死，最弱" for a state; else empty.
std::wstring SeasonalStateLabel(const std::wstring& state);

// The value of a state ("旺" the first value .. "死" the fifth); 0 for any other text.
int SeasonalStateValue(const std::wstring& state, const SeasonalStrengthValues& values);

// The element's state in the season of a solar term (spring 立春 .. 清明, summer 立夏 .. 小暑,
// autumn 立秋 .. 寒露, winter 立冬 .. 小寒, earth 穀雨 大暑 霜降 大寒); empty for a term of
// no season or a text that is not an element.
std::wstring SeasonalStateOfElement(const std::wstring& term, const std::wstring& element);

// The element that has the state in the season of the term; empty as above.
std::wstring ElementOfSeasonalState(const std::wstring& term, const std::wstring& state);

// The element that has the state in the season of a month branch: with EarthMonthOption 0 the
// months 辰 未 戌 丑 go with the season they close, otherwise they are earth months.
std::wstring ElementOfStateByMonthBranch(const std::wstring& monthBranch, const std::wstring& state,
                                         EarthMonthOption option);

// The value of the state the day stem's element has in the season of the commanding stem's
// element; 0 when either text is not a stem.
int ComputeDayMasterSeasonalValue(const std::wstring& dayStem, const std::wstring& commandingStem,
                                  const SeasonalStrengthValues& values);

// Sets seasonalElements: 旺 to `element` whatever it is; when it is one of the five elements,
// also 相, 休, 囚 and 死 to the elements it produces, that produce it, that control it and that
// it controls. Another text leaves those four as they were.
void SetSeasonalElements(const std::wstring& element, FourPillarsChart& chart);

}  // namespace chart
