#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace places {

// One province or region of the province list, with the inclusive range of its places.
struct ProvinceEntry {
  ProvinceEntry(std::wstring name, std::int32_t firstPlace, std::int32_t lastPlace);

  std::wstring name;        // as the province list shows it ("臺灣", "新疆維吾爾", ...)
  std::int32_t firstPlace;  // index in PlaceTable::places of its first place
  std::int32_t lastPlace;   // index of its last place (inclusive)
};

// One place: latitude north and longitude east in whole degrees and minutes. Minutes run 0 to
// 60 as stored; a stored 60 is not carried into the degrees (36° 60' reads as 37.0 degrees).
struct PlaceEntry {
  PlaceEntry(std::wstring province, std::wstring name, std::int32_t latDeg, std::int32_t latMin,
             std::int32_t lonDeg, std::int32_t lonMin);

  std::wstring province;  // name of the province whose range holds the place
  std::wstring name;      // as the place list shows it; not unique, even within a province
  std::int32_t latDeg;
  std::int32_t latMin;
  std::int32_t lonDeg;
  std::int32_t lonMin;
};

// The built-in place table: 34 provinces and regions in list order and their 3,193 places,
// grouped by province in the same order. The province ranges are contiguous and cover every
// place once; a place is identified by its index only.
struct PlaceTable {
  // The complete table, from the constant rows.
  PlaceTable();

  std::vector<ProvinceEntry> provinces;
  std::vector<PlaceEntry> places;
};

// The one table of the run, assembled on first use and read-only after.
const PlaceTable& GetPlaceTable();

}  // namespace places
