#include "interpretation/pattern_chart.h"

#include "chart/combinations.h"

namespace interpretation::notation {
namespace {

bool IsSelfGod(std::wstring_view tenGod) { return tenGod == L"比肩" || tenGod == L"劫財"; }

std::wstring PrimaryTenGodOf(const chart::FourPillarsChart& chart) {
  const auto& h = chart.heaviest;
  if (!IsSelfGod(h[1])) {
    return h[1];
  }
  if (!IsSelfGod(h[3])) {
    return h[3];
  }
  return h[5];
}

std::wstring SecondaryTenGodOf(const chart::FourPillarsChart& chart) {
  const auto& h = chart.heaviest;
  if (!IsSelfGod(h[1])) {  // the primary is heaviest[1]
    return IsSelfGod(h[3]) ? h[5] : h[3];
  }
  return h[5];
}

int MonthVoidCountOf(const chart::FourPillarsChart& chart) {
  int count = 0;
  for (const std::wstring& name : chart.pillars[chart::kMonthPillar].starNames) {
    count += name == L"空亡" ? 1 : 0;
  }
  return count;
}

// The partners of the ten gods 比肩 .. 正印 (count order) for yang and yin day masters.
constexpr auto kYangPartners =
    std::to_array<TenGod>({正財, 偏官, 正官, 偏印, 正印, 比肩, 劫財, 食神, 傷官, 偏財});
static_assert(kYangPartners.size() == chart::kTenGodCountOrder.size());
constexpr auto kYinPartners =
    std::to_array<TenGod>({正官, 偏財, 正印, 偏官, 劫財, 偏印, 傷官, 比肩, 正財, 食神});
static_assert(kYinPartners.size() == chart::kTenGodCountOrder.size());

// a / b > 3 for a tested non-zero b, in 64 bits so that no quotient of two ints can overflow.
bool QuotientAboveThree(int a, int b) {
  return static_cast<long long>(a) / static_cast<long long>(b) > 3;
}

}  // namespace

PatternChart::PatternChart(const chart::FourPillarsChart& chart,
                           const chart::SeasonalStrengthValues& values)
    : ChartNotation(chart, values),
      primaryTenGod(PrimaryTenGodOf(chart)),
      secondaryTenGod(SecondaryTenGodOf(chart)),
      dayStemIsYang(OneOf(stem(日), {甲, 丙, 戊, 庚, 壬})),
      combinationGroup(
          chart::TenGodGroupOfCombination(chart.pillars[chart::kDayPillar].stem, chart)),
      monthVoidCount(MonthVoidCountOf(chart)) {}

bool PatternChart::primaryOrSecondaryIs(TenGod x) const {
  if (x >= 財) {
    return false;
  }
  const std::wstring_view name = chart::kTenGodCountOrder[x];
  return primaryTenGod == name || secondaryTenGod == name;
}

TenGod PatternChart::partner(TenGod x) const {
  if (x >= 財) {
    return x;
  }
  return dayStemIsYang ? kYangPartners[x] : kYinPartners[x];
}

bool PatternChart::W1() const {
  const std::wstring& dayStem = record.pillars[chart::kDayPillar].stem;
  return relations(stem剋) >= 3 &&
         relations(刑) / 2 + relations(branch衝) + relations(stem剋) >= 7 &&
         dayStem != record.pillars[chart::kHourPillar].stem &&
         dayStem != record.pillars[chart::kMonthPillar].stem;
}

bool PatternChart::W2() const {
  return DM <= v囚 && (SR(年月) == L"剋" || SR(月年) == L"剋") &&
         (SR(日月) == L"剋" || SR(月日) == L"剋") && (SR(日時) == L"剋" || SR(時日) == L"剋");
}

bool PatternChart::W3() const {
  return DM >= v相 && TG(比肩) + TG(劫財) >= 5 &&
         ((stemTG(比肩) > 0 && hiddenTG(比肩) > 0) || (stemTG(劫財) > 0 && hiddenTG(劫財) > 0));
}

bool PatternChart::W4() const {
  return DM <= v死 && TG(偏官) + TG(正官) >= 5 &&
         ((stemTG(偏官) > 0 && hiddenTG(偏官) > 0) || (stemTG(正官) > 0 && hiddenTG(正官) > 0));
}

bool PatternChart::W5() const {
  return static_cast<long long>(record.supportWeight) - record.drainWeight < -35;
}

bool PatternChart::W6() const {
  const int fire = record.fireWeight;
  const int water = record.waterWeight;
  return fire != 0 ? QuotientAboveThree(water, fire) : water > 10;
}

bool PatternChart::W7() const { return W6() && OneOf(branch(月), {亥, 子, 丑}); }

bool PatternChart::W8() const {
  const int fire = record.fireWeight;
  const int water = record.waterWeight;
  return water != 0 ? QuotientAboveThree(fire, water) : fire > 10;
}

bool PatternChart::W9() const {
  return record.woodFireWeight != 0 &&
         QuotientAboveThree(record.metalWaterWeight, record.woodFireWeight);
}

bool PatternChart::W10() const {
  return record.metalWaterWeight != 0 &&
         QuotientAboveThree(record.woodFireWeight, record.metalWaterWeight);
}

}  // namespace interpretation::notation
