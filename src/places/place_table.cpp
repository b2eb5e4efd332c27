#include "places/place_table.h"

#include <cstddef>
#include <utility>

#include "places/data/place_rows.h"

namespace places {
namespace {

constexpr bool SameText(const wchar_t* a, const wchar_t* b) {
  while (*a != L'\0' && *a == *b) {
    ++a;
    ++b;
  }
  return *a == *b;
}

// The rows' invariants, checked when the table is compiled: contiguous non-empty province
// ranges covering every place once, each place naming the province whose range holds it, and
// minutes within 0..60.
constexpr bool RowsAreConsistent() {
  int next = 0;
  for (const ProvinceRow& province : kProvinceRows) {
    if (province.firstPlace != next || province.lastPlace < province.firstPlace) {
      return false;
    }
    for (int i = province.firstPlace; i <= province.lastPlace; ++i) {
      const PlaceRow& place = kPlaceRows[static_cast<std::size_t>(i)];
      if (!SameText(place.province, province.name) || place.latMin < 0 || place.latMin > 60 ||
          place.lonMin < 0 || place.lonMin > 60) {
        return false;
      }
    }
    next = province.lastPlace + 1;
  }
  return next == static_cast<int>(kPlaceRows.size());
}
static_assert(RowsAreConsistent());

}  // namespace

ProvinceEntry::ProvinceEntry(std::wstring name, std::int32_t firstPlace, std::int32_t lastPlace)
    : name(std::move(name)), firstPlace(firstPlace), lastPlace(lastPlace) {}

PlaceEntry::PlaceEntry(std::wstring province, std::wstring name, std::int32_t latDeg,
                       std::int32_t latMin, std::int32_t lonDeg, std::int32_t lonMin)
    : province(std::move(province)),
      name(std::move(name)),
      latDeg(latDeg),
      latMin(latMin),
      lonDeg(lonDeg),
      lonMin(lonMin) {}

PlaceTable::PlaceTable() {
  provinces.reserve(kProvinceRows.size());
  for (const ProvinceRow& row : kProvinceRows) {
    provinces.emplace_back(row.name, row.firstPlace, row.lastPlace);
  }
  places.reserve(kPlaceRows.size());
  for (const PlaceRow& row : kPlaceRows) {
    places.emplace_back(row.province, row.name, row.latDeg, row.latMin, row.lonDeg, row.lonMin);
  }
}

const PlaceTable& GetPlaceTable() {
  static const PlaceTable table;
  return table;
}

}  // namespace places
