#include "shell/place_picker.h"

#include <string>

#include "shell/dialog_numbers.h"
#include "vocabulary/number_text.h"

namespace shell {

using Ids = PlacePickerIds;

PlacePicker::PlacePicker(PageControls& controls, int latitudeId, int placeLineId)
    : controls_(controls), latitudeId_(latitudeId), placeLineId_(placeLineId) {}

void PlacePicker::Initialize() {
  controls_.ResetComboItems(Ids::kProvinceList);
  for (const std::wstring& province : places::ProvinceList()) {
    controls_.AddComboItem(Ids::kProvinceList, province);
  }
  controls_.SetComboSelection(Ids::kProvinceList, 0);
  ProvinceChanged();
}

bool PlacePicker::Command(int controlId, ControlEvent event) {
  if (controlId == Ids::kProvinceList && event == ControlEvent::kSelectionChanged) {
    ProvinceChanged();
    return true;
  }
  if (controlId == Ids::kPlaceList && event == ControlEvent::kSelectionChanged) {
    PlaceChanged();
    return true;
  }
  return false;
}

double PlacePicker::Longitude() const {
  return ReadCoordinateText(controls_.Text(Ids::kLongitudeBox));
}

double PlacePicker::Latitude() const { return ReadCoordinateText(controls_.Text(latitudeId_)); }

void PlacePicker::ProvinceChanged() {
  const int province = controls_.ComboSelection(Ids::kProvinceList);
  if (province < 0 || province >= static_cast<int>(places::ProvinceList().size())) {
    return;  // the place chosen before stays
  }
  places_.SelectProvince(province);
  controls_.ResetComboItems(Ids::kPlaceList);
  for (const std::wstring& place : places_.placeNames()) {
    controls_.AddComboItem(Ids::kPlaceList, place);
  }
  controls_.SetComboSelection(Ids::kPlaceList, 0);
  PlaceChanged();
}

void PlacePicker::PlaceChanged() {
  places_.SelectPlace(controls_.ComboSelection(Ids::kPlaceList));
  const places::PlacePosition position = places_.position();
  controls_.SetText(Ids::kLongitudeBox, vocabulary::FixedText(position.longitude));
  controls_.SetText(latitudeId_, vocabulary::FixedText(position.latitude));
  if (placeLineId_ != -1) {
    controls_.SetText(placeLineId_, places_.placeLine());
  }
}

}  // namespace shell
