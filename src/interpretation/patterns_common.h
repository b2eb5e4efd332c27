#pragma once

#include "interpretation/pattern_judgement.h"

// Conditions that several patterns of the catalogue state in the same words, for the group files:
// phrases of the pattern notation, so written inside it.
namespace interpretation::notation::patterns {

// A reason written when a numbered requirement fails: Fails<r11>.
template <PatternTest requirement>
bool Fails(PC c) {
  return !requirement(c);
}

// The ten god stands both among the year, month and hour stems and among the hidden stems.
inline bool StandsInStemsAndHidden(PC c, TenGod x) { return c.stemTG(x) > 0 && c.hiddenTG(x) > 0; }

// The month branch is 辰, 戌, 丑 or 未, a month of mixed qi.
inline bool MonthIsEarth(PC c) { return OneOf(c.branch(月), {辰, 戌, 丑, 未}); }

// The month branch differs from the day and the year branch and is not of mixed qi.
inline bool MonthStandsAlone(PC c) {
  return c.branch(月) != c.branch(日) && c.branch(月) != c.branch(年) && !MonthIsEarth(c);
}

// " .月地支出現合" on the year side: the month branch differs from the day's and BR(年月) joins;
// on the day side: it differs from the year's and BR(日月) joins.
inline bool MonthJoinsYear(PC c) { return c.branch(月) != c.branch(日) && c.BR(年月).joins(); }
inline bool MonthJoinsDay(PC c) { return c.branch(月) != c.branch(年) && c.BR(日月).joins(); }

// SR(日月) or SR(月日) is "剋" and BR(日月) or BR(月日) is "沖": stems control and branches
// clash between day and month.
inline bool StemsControlAndBranchesClashAtMonth(PC c) {
  return (c.SR(日月) == L"剋" || c.SR(月日) == L"剋") &&
         (c.BR(日月) == L"沖" || c.BR(月日) == L"沖");
}

// Seal or wealth support: stemTG[正印] + stemTG[偏印] ≥ 2, or one of 正財, 偏財, 正印, 偏印
// stands both among the stems and among the hidden stems.
inline bool SealOrWealthSupport(PC c) {
  return c.stemTG(正印) + c.stemTG(偏印) >= 2 || StandsInStemsAndHidden(c, 正財) ||
         StandsInStemsAndHidden(c, 偏財) || StandsInStemsAndHidden(c, 正印) ||
         StandsInStemsAndHidden(c, 偏印);
}

// The year and month stems are the two ten gods, in this order.
template <TenGod year, TenGod month>
bool YearMonthStemsAre(PC c) {
  return c.stemTenGod(年) == chart::kTenGodCountOrder[year] &&
         c.stemTenGod(月) == chart::kTenGodCountOrder[month];
}

// The number of the pairs (偏財, 偏印), (偏印, 偏財), (正財, 正印), (正印, 正財) that the year and
// month stems form: a seal and a wealth side by side (at most one).
inline int SealWealthPairsNextToEachOther(PC c) {
  return YearMonthStemsAre<偏財, 偏印>(c) + YearMonthStemsAre<偏印, 偏財>(c) +
         YearMonthStemsAre<正財, 正印>(c) + YearMonthStemsAre<正印, 正財>(c);
}

}  // namespace interpretation::notation::patterns
