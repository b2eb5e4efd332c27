#include "chart/chart_settings.h"

#include <climits>

namespace chart {

SpiritStarBasis ReadSpiritStarBasis(bool yearSelected, bool daySelected, bool bothSelected) {
  if (yearSelected) {
    return SpiritStarBasis::kYearBranch;
  }
  if (daySelected) {
    return SpiritStarBasis::kDayBranch;
  }
  if (bothSelected) {
    return SpiritStarBasis::kYearAndDayBranch;
  }
  return SpiritStarBasis::kYearBranch;
}

YearChangeRule ReadYearChangeRule(bool winterSolsticeSelected) {
  return winterSolsticeSelected ? YearChangeRule::kWinterSolstice
                                : YearChangeRule::kBeginningOfSpring;
}

MonthCommandDivisionScheme ReadMonthCommandDivisionScheme(const std::array<bool, 6>& selected) {
  for (int i = 0; i < 6; ++i) {
    if (selected[i]) {
      return static_cast<MonthCommandDivisionScheme>(i);
    }
  }
  return MonthCommandDivisionScheme::kSeasonalState;
}

int ReadSeasonalStrengthValue(std::wstring_view fieldText) {
  std::size_t i = 0;
  while (i < fieldText.size() && (fieldText[i] == L' ' || fieldText[i] == L'\t')) {
    ++i;
  }
  if (i == fieldText.size()) {
    return 0;
  }
  long long value = 0;
  for (; i < fieldText.size(); ++i) {
    const wchar_t c = fieldText[i];
    if (c < L'0' || c > L'9') {
      return 0;
    }
    value = value * 10 + (c - L'0');
    if (value > INT_MAX) {
      value = INT_MAX;  // saturate; later digits cannot lower it
    }
  }
  return static_cast<int>(value);
}

EarthMonthOption ReadEarthMonthOption(bool woodFireMetalWaterSelected) {
  return woodFireMetalWaterSelected ? EarthMonthOption::kWoodFireMetalWater
                                    : EarthMonthOption::kEarth;
}

AnnotationText ReadAnnotationText(std::wstring_view fieldText) {
  return AnnotationText(fieldText.substr(0, kAnnotationTextLimit));
}

}  // namespace chart
