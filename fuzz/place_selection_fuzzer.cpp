// The place selection with any indexes: the lookups of a province and place selection, the
// province's place list, and a page's selection driven through a sequence of province and place
// changes, each index any int.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "places/place_selection.h"

namespace {

// Every place lies on the Earth, has a name and prints its line.
void CheckPlace(const places::PlaceEntry& place, const places::PlacePosition& position) {
  if (!(std::fabs(position.longitude) <= 180) || !(std::fabs(position.latitude) <= 90) ||
      place.name.empty() || places::PlaceText(place).empty()) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int province = input.ConsumeIntegral<int>();
  const int place = input.ConsumeIntegral<int>();
  CheckPlace(places::SelectedPlace(province, place), places::PlaceCoordinates(province, place));
  if (places::PlaceList(province).empty()) {
    __builtin_trap();
  }

  places::PlaceSelection selection;
  while (input.remaining_bytes() > 0) {
    const int index = input.ConsumeIntegral<int>();
    if (input.ConsumeBool()) {
      selection.SelectProvince(index);
    } else {
      selection.SelectPlace(index);
    }
    const auto chosen = static_cast<std::size_t>(selection.placeSelection());
    if (chosen >= selection.placeNames().size() ||
        selection.placeNames()[chosen] != selection.place().name) {
      __builtin_trap();
    }
    CheckPlace(selection.place(), selection.position());
    if (selection.placeLine().empty()) {
      __builtin_trap();
    }
  }
  return 0;
}
