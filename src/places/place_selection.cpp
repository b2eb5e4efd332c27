#include "places/place_selection.h"

#include <cstddef>

#include "vocabulary/number_text.h"

namespace places {
namespace {

const ProvinceEntry& ProvinceAt(int provinceIndex) {
  const std::vector<ProvinceEntry>& provinces = GetPlaceTable().provinces;
  if (provinceIndex < 0 || static_cast<std::size_t>(provinceIndex) >= provinces.size()) {
    provinceIndex = 0;
  }
  return provinces[static_cast<std::size_t>(provinceIndex)];
}

}  // namespace

const PlaceEntry& SelectedPlace(int provinceIndex, int placeSelection) {
  const ProvinceEntry& province = ProvinceAt(provinceIndex);
  if (placeSelection < 0 || placeSelection > province.lastPlace - province.firstPlace) {
    placeSelection = 0;
  }
  return GetPlaceTable().places[static_cast<std::size_t>(province.firstPlace + placeSelection)];
}

PlacePosition PlaceCoordinates(int provinceIndex, int placeSelection) {
  const PlaceEntry& place = SelectedPlace(provinceIndex, placeSelection);
  PlacePosition position;
  position.longitude = place.lonDeg + static_cast<double>(place.lonMin) / 60.0;
  position.latitude = place.latDeg + static_cast<double>(place.latMin) / 60.0;
  return position;
}

std::wstring PlaceText(const PlaceEntry& place) {
  using vocabulary::ZeroPaddedText;
  return L"東經" + ZeroPaddedText(place.lonDeg, 2) + L"°" + ZeroPaddedText(place.lonMin, 2) +
         L"'  北緯" + ZeroPaddedText(place.latDeg, 2) + L"°" + ZeroPaddedText(place.latMin, 2) +
         L"'";
}

std::vector<std::wstring> ProvinceList() {
  std::vector<std::wstring> names;
  for (const ProvinceEntry& province : GetPlaceTable().provinces) {
    names.push_back(province.name);
  }
  return names;
}

std::vector<std::wstring> PlaceList(int provinceIndex) {
  const ProvinceEntry& province = ProvinceAt(provinceIndex);
  const std::vector<PlaceEntry>& places = GetPlaceTable().places;
  std::vector<std::wstring> names;
  for (int i = province.firstPlace; i <= province.lastPlace; ++i) {
    names.push_back(places[static_cast<std::size_t>(i)].name);
  }
  return names;
}

PlaceSelection::PlaceSelection() : placeNames_(PlaceList(0)) {}

void PlaceSelection::SelectProvince(int provinceIndex) {
  if (provinceIndex < 0 ||
      static_cast<std::size_t>(provinceIndex) >= GetPlaceTable().provinces.size()) {
    return;
  }
  provinceIndex_ = provinceIndex;
  placeNames_ = PlaceList(provinceIndex);
  placeSelection_ = 0;
}

void PlaceSelection::SelectPlace(int placeSelection) {
  const bool inList =
      placeSelection >= 0 && static_cast<std::size_t>(placeSelection) < placeNames_.size();
  placeSelection_ = inList ? placeSelection : 0;
}

const PlaceEntry& PlaceSelection::place() const {
  return SelectedPlace(provinceIndex_, placeSelection_);
}

PlacePosition PlaceSelection::position() const {
  return PlaceCoordinates(provinceIndex_, placeSelection_);
}

std::wstring PlaceSelection::placeLine() const { return PlaceText(place()); }

}  // namespace places
