#pragma once

#include <string>
#include <vector>

#include "places/place_table.h"

namespace places {

// A place's position in decimal degrees (degrees + minutes / 60), east and north positive.
struct PlacePosition {
  double longitude = 0;
  double latitude = 0;
};

// The place that a page's two list selections stand for: provinceIndex is the position in the
// province list, placeSelection the position in that province's place list. A negative place
// selection (a list without selection) or one past the list's end takes the province's first
// place; a province index outside 0..33 takes the first province. Never reads outside the table.
const PlaceEntry& SelectedPlace(int provinceIndex, int placeSelection);

// Longitude and latitude of SelectedPlace(provinceIndex, placeSelection) in decimal degrees:
// "臺北市" (province 0, place 0) gives 121.5 and 25.05; a stored 116° 60' gives 117.0.
PlacePosition PlaceCoordinates(int provinceIndex, int placeSelection);

// The place line "東經%02i°%02i'  北緯%02i°%02i'" of lonDeg, lonMin, latDeg, latMin as stored
// (a stored 60 prints as 60): "東經121°30'  北緯25°03'" for "臺北市".
std::wstring PlaceText(const PlaceEntry& place);

// The province list: the 34 province names in table order, unsorted.
std::vector<std::wstring> ProvinceList();

// The place list of a province: the names of its places from firstPlace through lastPlace, in
// table order; position c is the place at firstPlace + c. A province index outside 0..33 gives
// the first province's list, as SelectedPlace does.
std::vector<std::wstring> PlaceList(int provinceIndex);

// The two list selections of a page with province and place lists, and what they show.
// A new selection is at the first province ("臺灣") and its first place ("臺北市").
class PlaceSelection {
 public:
  PlaceSelection();

  // A new province selection: the place list is refilled with its places and the place
  // selection goes to the first. An index outside the province list (a list that reports no
  // valid selection) changes nothing: the previous province and place stay chosen.
  void SelectProvince(int provinceIndex);

  // A new place selection; a negative one, or one past the list, selects the first place.
  void SelectPlace(int placeSelection);

  int provinceIndex() const { return provinceIndex_; }
  int placeSelection() const { return placeSelection_; }
  const std::vector<std::wstring>& placeNames() const { return placeNames_; }
  const PlaceEntry& place() const;
  PlacePosition position() const;  // PlaceCoordinates of the chosen place
  std::wstring placeLine() const;  // PlaceText of the chosen place

 private:
  int provinceIndex_ = 0;
  int placeSelection_ = 0;
  std::vector<std::wstring> placeNames_;
};

}  // namespace places
