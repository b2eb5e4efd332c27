#pragma once

#include "places/place_selection.h"
#include "shell/page_controls.h"

namespace shell {

// Fills a province list with every province of the place table and selects the first.
void FillProvinceList(PageControls& controls, int provinceListId);

// Selects the province chosen in the province list and shows its places, the first one chosen.
// Returns false, changing nothing, when the list's text names no province (typed text): the
// place chosen before then stays.
bool ShowPlacesOfChosenProvince(PageControls& controls, places::PlaceSelection& places,
                                int provinceListId, int placeListId);

}  // namespace shell
