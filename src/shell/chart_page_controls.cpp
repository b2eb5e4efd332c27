#include "shell/chart_page_controls.h"

#include "vocabulary/number_text.h"

namespace shell {

using Ids = ChartSettingIds;

std::wstring ReadLimitedText(const PageControls& controls, int id, std::size_t limit) {
  std::wstring text = controls.Text(id);
  if (text.size() > limit) {
    text.resize(limit);
  }
  return text;
}

chart::SeasonalStrengthValues ReadValueBoxes(const PageControls& controls) {
  chart::SeasonalStrengthValues values{};
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = chart::ReadSeasonalStrengthValue(controls.Text(Ids::kValueBoxes[i]));
  }
  return values;
}

void InitializeValueBoxes(PageControls& controls) {
  for (std::size_t i = 0; i < chart::kInitialSeasonalStrengthValues.size(); ++i) {
    controls.SetText(Ids::kValueBoxes[i],
                     vocabulary::DecimalText(chart::kInitialSeasonalStrengthValues[i]));
  }
}

chart::SpiritStarBasis ReadSpiritStarBasisRadios(const PageControls& controls) {
  return chart::ReadSpiritStarBasis(controls.IsChecked(Ids::kYearBasisRadio),
                                    controls.IsChecked(Ids::kDayBasisRadio),
                                    controls.IsChecked(Ids::kYearAndDayBasisRadio));
}

chart::AnnotationText ReadAnnotationBox(const PageControls& controls) {
  return chart::ReadAnnotationText(controls.Text(Ids::kAnnotationBox));
}

}  // namespace shell
