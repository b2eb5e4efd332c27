#include "shell/four_pillars_page_controller.h"

#include "shell/dialog_numbers.h"
#include "shell/page_output.h"
#include "shell/page_request.h"
#include "shell/place_lists.h"

namespace shell {

FourPillarsPage::FourPillarsPage(PageControls& controls, Platform& platform,
                                 FourPillarsPageBuilder buildPage)
    : controls_(controls), platform_(platform), buildPage_(std::move(buildPage)) {}

void FourPillarsPage::Initialize() {
  const LocalTime now = platform_.CurrentLocalTime();
  controls_.SetText(kYearBox, std::to_wstring(now.year));
  controls_.SetText(kMonthBox, std::to_wstring(now.month));
  controls_.SetText(kDayBox, std::to_wstring(now.day));
  controls_.SetText(kHourBox, std::to_wstring(now.hour));
  controls_.SetText(kMinuteBox, std::to_wstring(now.minute));
  controls_.SetText(kNameBox, L"");
  InitializeValueBoxes(controls_);
  controls_.SetChecked(kYearAndDayBasisRadio, true);
  controls_.SetChecked(kBeginningOfSpringRadio, true);
  controls_.SetChecked(kSchemeRadios[static_cast<int>(chart::kInitialMonthCommandDivisionScheme)],
                       true);
  InitializeSexList(controls_);
  FillProvinceList(controls_, kProvinceList);
  ProvinceChanged();
  PlaceChanged();
}

void FourPillarsPage::Command(int controlId, ControlEvent event) {
  if (controlId == kProvinceList && event == ControlEvent::kSelectionChanged) {
    ProvinceChanged();
  } else if (controlId == kPlaceList && event == ControlEvent::kSelectionChanged) {
    PlaceChanged();
  } else if (controlId == kQueryButton) {
    if (WriteRequestPage(platform_, controls_, buildPage_(ReadQuery()), L"八字.htm")) {
      OpenRequestDocument(platform_, controls_, L"八字.htm");
    }
  }
}

void FourPillarsPage::ProvinceChanged() {
  if (ShowPlacesOfChosenProvince(controls_, places_, kProvinceList, kPlaceList)) {
    PlaceChanged();
  }
}

void FourPillarsPage::PlaceChanged() {
  places_.SelectPlace(controls_.ComboSelection(kPlaceList));
  const places::PlacePosition position = places_.position();
  controls_.SetText(kLongitudeBox, FormatFixedDecimal(position.longitude));
  controls_.SetText(kLatitudeText, FormatFixedDecimal(position.latitude));
}

FourPillarsQuery FourPillarsPage::ReadQuery() const {
  FourPillarsQuery query;
  query.name = ReadLimitedText(controls_, kNameBox, kNameLimit);
  query.sex = ReadSexList(controls_);
  query.annotationText = ReadAnnotationBox(controls_);
  query.longitude = ReadCoordinateText(controls_.Text(kLongitudeBox));
  query.year = ReadBirthYear(controls_, kYearBox);
  query.month = ReadBirthNumber(controls_, kMonthBox);
  query.day = ReadBirthNumber(controls_, kDayBox);
  query.hour = ReadBirthNumber(controls_, kHourBox);
  query.minute = ReadBirthNumber(controls_, kMinuteBox);
  query.values = ReadValueBoxes(controls_);
  query.spiritStarBasis = ReadSpiritStarBasisRadios(controls_);
  query.yearChangeRule = chart::ReadYearChangeRule(controls_.IsChecked(kWinterSolsticeRadio));
  std::array<bool, 6> schemes{};
  for (std::size_t i = 0; i < schemes.size(); ++i) {
    schemes[i] = controls_.IsChecked(kSchemeRadios[i]);
  }
  query.scheme = chart::ReadMonthCommandDivisionScheme(schemes);
  return query;
}

}  // namespace shell
