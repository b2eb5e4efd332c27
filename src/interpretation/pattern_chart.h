#pragma once

#include <string>
#include <string_view>

#include "interpretation/chart_notation.h"

namespace interpretation::notation {

// The chart as the pattern rules read it: the common notation plus the quantities that the
// judgement computes once before the first pattern, the combining partners of the ten gods and
// the conditions of the ten balance warnings.
class PatternChart : public ChartNotation {
 public:
  PatternChart(const chart::FourPillarsChart& chart, const chart::SeasonalStrengthValues& values);

  // The heaviest ten god that is neither 比肩 nor 劫財 among heaviest[1] and heaviest[3], else
  // heaviest[5]; and the next one: heaviest[3] (unless 比肩 or 劫財) or heaviest[5] after a
  // primary taken from heaviest[1], heaviest[5] in every other case.
  const std::wstring primaryTenGod;
  const std::wstring secondaryTenGod;
  // The day master is 甲, 丙, 戊, 庚 or 壬.
  const bool dayStemIsYang;
  // TenGodGroupOfCombination of the day master: "比", "食", "財", "官", "印" or empty.
  const std::wstring combinationGroup;
  // Entries "空亡" in the month pillar's star list.
  const int monthVoidCount;

  // primaryTenGod or secondaryTenGod is the ten god.
  bool primaryOrSecondaryIs(TenGod x) const;

  // The ten god whose stem combines with x's (甲己 乙庚 丙辛 丁壬 戊癸), by the day master's
  // yin or yang. For a yang day master 比肩-正財, 劫財-偏官, 食神-正官, 傷官-偏印, 偏財-正印;
  // for a yin one 比肩-正官, 傷官-偏官, 食神-正印, 正財-偏印, 偏財-劫財. A sum word is its own.
  TenGod partner(TenGod x) const;

  // The conditions of the balance warnings W1 to W10 (W7 is W6 in a 亥, 子 or 丑 month).
  bool W1() const;   // clashes and controls among stems and branches
  bool W2() const;   // a weak day master controlled at every stem pair around the month and day
  bool W3() const;   // a day master far too strong
  bool W4() const;   // a day master far too weak
  bool W5() const;   // the draining side far heavier
  bool W6() const;   // far more water than fire
  bool W7() const;   // W6 in winter
  bool W8() const;   // far more fire than water
  bool W9() const;   // far more metal and water than wood and fire
  bool W10() const;  // far more wood and fire than metal and water
};

}  // namespace interpretation::notation
