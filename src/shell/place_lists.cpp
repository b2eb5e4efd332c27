#include "shell/place_lists.h"

#include <string>

namespace shell {

void FillProvinceList(PageControls& controls, int provinceListId) {
  controls.ResetComboItems(provinceListId);
  for (const std::wstring& province : places::ProvinceList()) {
    controls.AddComboItem(provinceListId, province);
  }
  controls.SetComboSelection(provinceListId, 0);
}

bool ShowPlacesOfChosenProvince(PageControls& controls, places::PlaceSelection& places,
                                int provinceListId, int placeListId) {
  const int province = controls.ComboSelection(provinceListId);
  if (province < 0 || province >= static_cast<int>(places::ProvinceList().size())) {
    return false;
  }
  places.SelectProvince(province);
  controls.ResetComboItems(placeListId);
  for (const std::wstring& place : places.placeNames()) {
    controls.AddComboItem(placeListId, place);
  }
  controls.SetComboSelection(placeListId, 0);
  return true;
}

}  // namespace shell
