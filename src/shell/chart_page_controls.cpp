#include "shell/chart_page_controls.h"

#include <algorithm>
#include <climits>

#include "shell/dialog_numbers.h"

namespace shell {

using Ids = ChartPageControlIds;

std::wstring ReadLimitedText(const PageControls& controls, int id, std::size_t limit) {
  std::wstring text = controls.Text(id);
  if (text.size() > limit) {
    text.resize(limit);
  }
  return text;
}

std::wstring ReadSexList(const PageControls& controls) {
  return controls.ComboSelection(Ids::kSexList) == 1 ? L"女" : L"男";
}

void InitializeSexList(PageControls& controls) {
  controls.ResetComboItems(Ids::kSexList);
  controls.AddComboItem(Ids::kSexList, L"男");
  controls.AddComboItem(Ids::kSexList, L"女");
  controls.SetComboSelection(Ids::kSexList, 0);
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
                     std::to_wstring(chart::kInitialSeasonalStrengthValues[i]));
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

int ReadBirthNumber(const PageControls& controls, int id) {
  return static_cast<int>(std::min<unsigned>(ReadDialogUnsigned(controls.Text(id)), INT_MAX));
}

int ReadBirthYear(const PageControls& controls, int id) {
  return ReadWholeInteger(controls.Text(id)).value_or(kUnreadBirthYear);
}

}  // namespace shell
