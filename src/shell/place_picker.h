#pragma once

#include "places/place_selection.h"
#include "shell/control_ids.h"
#include "shell/page_controls.h"

namespace shell {

// The place picker of a page ("農民曆", "袁天罡稱骨術", "八字排盤"): the province list, the list of
// the chosen province's places, the longitude box (PlacePickerIds) and the page's own controls of
// the chosen place's latitude and, where the page has one, its place line. A chosen place shows
// its longitude and latitude in degrees in the "%f" form ("121.500000") and its place line
// ("東經121°30'  北緯25°03'").
class PlacePicker {
 public:
  // `latitudeId` is the latitude's box or label, `placeLineId` the place line's label or -1 for a
  // page without one.
  PlacePicker(PageControls& controls, int latitudeId, int placeLineId = -1);

  // Fills the province list and chooses its first province ("臺灣") with its first place
  // ("臺北市").
  void Initialize();

  // A new entry chosen in the province list (its places shown, the first chosen) or in the place
  // list. Text typed into the province list names no province and changes nothing. Returns
  // whether the event was one of the picker's lists'.
  bool Command(int controlId, ControlEvent event);

  // The longitude and latitude that the page's boxes hold now (ReadCoordinateText), in degrees
  // east and north; the user may have typed over the chosen place's.
  double Longitude() const;
  double Latitude() const;

 private:
  void ProvinceChanged();
  void PlaceChanged();

  PageControls& controls_;
  int latitudeId_;
  int placeLineId_;
  places::PlaceSelection places_;
};

}  // namespace shell
