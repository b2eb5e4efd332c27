#include "places/place_selection.h"

#include <climits>
#include <cstddef>
#include <cwchar>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "places/place_table.h"

namespace places {
namespace {

// The "%f" form in which the pages show the degrees.
std::wstring SixDecimals(double value) {
  wchar_t buffer[64];
  std::swprintf(buffer, 64, L"%f", value);
  return buffer;
}

TEST(PlaceCoordinates, FirstPlaceIsTaipei) {
  const PlacePosition position = PlaceCoordinates(0, 0);
  EXPECT_EQ(position.longitude, 121.5);
  EXPECT_DOUBLE_EQ(position.latitude, 25.05);
  EXPECT_EQ(SixDecimals(position.longitude), L"121.500000");
  EXPECT_EQ(SixDecimals(position.latitude), L"25.050000");
  EXPECT_EQ(SelectedPlace(0, 0).name, L"臺北市");
  EXPECT_EQ(PlaceText(SelectedPlace(0, 0)), L"東經121°30'  北緯25°03'");
}

// Places, texts and positions of rows with something to show.
TEST(PlaceText, TellingPlaces) {
  struct Case {
    int province;
    int selection;
    int index;
    const wchar_t* name;
    const wchar_t* text;
    const wchar_t* longitude;
    const wchar_t* latitude;
  };
  const Case cases[] = {
      {1, 0, 22, L"香港", L"東經114°05'  北緯22°12'", L"114.083333", L"22.200000"},
      // A stored 60 minutes reads as the next degree and prints as 60.
      {8, 42, 295, L"市中區", L"東經116°60'  北緯36°39'", L"117.000000", L"36.650000"},
      {7, 60, 185, L"石樓縣", L"東經110°50'  北緯36°60'", L"110.833333", L"37.000000"},
      // The four "城區" of "山西省" are four positions with their own coordinates.
      {7, 14, 139, L"城區", L"東經113°17'  北緯40°05'", L"113.283333", L"40.083333"},
      {7, 19, 144, L"城區", L"東經113°36'  北緯37°51'", L"113.600000", L"37.850000"},
      {7, 28, 153, L"城區", L"東經113°07'  北緯36°13'", L"113.116667", L"36.216667"},
      {7, 29, 154, L"城區", L"東經112°50'  北緯35°30'", L"112.833333", L"35.500000"},
      // The extremes: three- and two-digit degrees.
      {31, 54, 3005, L"塔什庫爾幹塔吉克自治縣", L"東經75°14'  北緯37°47'", L"75.233333",
       L"37.783333"},
      {25, 138, 2409, L"撫遠縣", L"東經134°17'  北緯48°22'", L"134.283333", L"48.366667"},
      {19, 1, 1639, L"三亞市", L"東經109°30'  北緯18°15'", L"109.500000", L"18.250000"},
      {25, 136, 2407, L"漠河縣", L"東經122°32'  北緯52°58'", L"122.533333", L"52.966667"},
      {33, 102, 3192, L"陸川縣", nullptr, nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    const PlaceEntry& place = SelectedPlace(c.province, c.selection);
    EXPECT_EQ(&place, &GetPlaceTable().places[static_cast<std::size_t>(c.index)]);
    EXPECT_EQ(place.name, c.name);
    if (c.text == nullptr) {
      continue;
    }
    EXPECT_EQ(PlaceText(place), c.text);
    const PlacePosition position = PlaceCoordinates(c.province, c.selection);
    EXPECT_EQ(SixDecimals(position.longitude), c.longitude);
    EXPECT_EQ(SixDecimals(position.latitude), c.latitude);
  }
  EXPECT_EQ(PlaceCoordinates(8, 42).longitude, 117.0);
}

TEST(PlaceCoordinates, RepeatedNameWithEqualRowsGivesEqualPositions) {
  // The two "普洱市" of "雲南省" (places 2130 and 2143).
  const PlacePosition first = PlaceCoordinates(24, 3);
  const PlacePosition second = PlaceCoordinates(24, 16);
  EXPECT_EQ(SelectedPlace(24, 3).name, L"普洱市");
  EXPECT_EQ(SelectedPlace(24, 16).name, L"普洱市");
  EXPECT_EQ(first.longitude, second.longitude);
  EXPECT_EQ(first.latitude, second.latitude);
}

// Every province and every selection, in and out of its list: never outside the table, a
// selection without a place falls back to the first place.
TEST(PlaceCoordinates, EverySelectionOfEveryProvince) {
  const PlaceTable& table = GetPlaceTable();
  for (int p = 0; p < 34; ++p) {
    SCOPED_TRACE(p);
    const ProvinceEntry& province = table.provinces[static_cast<std::size_t>(p)];
    const int count = province.lastPlace - province.firstPlace + 1;
    const PlaceEntry& first = table.places[static_cast<std::size_t>(province.firstPlace)];
    for (int c = 0; c < count; ++c) {
      const PlaceEntry& place = table.places[static_cast<std::size_t>(province.firstPlace + c)];
      EXPECT_EQ(&SelectedPlace(p, c), &place);
      const PlacePosition position = PlaceCoordinates(p, c);
      EXPECT_EQ(position.longitude, place.lonDeg + place.lonMin / 60.0);
      EXPECT_EQ(position.latitude, place.latDeg + place.latMin / 60.0);
    }
    for (int c : {-1, -2, INT_MIN, count, count + 1, INT_MAX}) {
      EXPECT_EQ(&SelectedPlace(p, c), &first) << c;
    }
  }
}

TEST(PlaceCoordinates, ProvinceOutsideTheListTakesTheFirstProvince) {
  for (int p : {-1, 34, 35, INT_MIN, INT_MAX}) {
    SCOPED_TRACE(p);
    EXPECT_EQ(&SelectedPlace(p, 0), &GetPlaceTable().places[0]);
    EXPECT_EQ(&SelectedPlace(p, 5), &GetPlaceTable().places[5]);
    EXPECT_EQ(&SelectedPlace(p, 22), &GetPlaceTable().places[0]);
    EXPECT_EQ(PlaceCoordinates(p, -1).longitude, 121.5);
    EXPECT_EQ(PlaceList(p), PlaceList(0));
  }
}

TEST(PlaceText, EveryRowHasTheLineShape) {
  for (const PlaceEntry& place : GetPlaceTable().places) {
    SCOPED_TRACE(place.name);
    wchar_t buffer[256];
    std::swprintf(buffer, 256, L"東經%02i°%02i'  北緯%02i°%02i'", place.lonDeg, place.lonMin,
                  place.latDeg, place.latMin);
    EXPECT_EQ(PlaceText(place), buffer);
  }
}

TEST(PlaceList, ListsFollowTheTable) {
  const std::vector<std::wstring> provinces = ProvinceList();
  ASSERT_EQ(provinces.size(), 34u);
  EXPECT_EQ(provinces.front(), L"臺灣");
  EXPECT_EQ(provinces[31], L"新疆維吾爾");
  EXPECT_EQ(provinces.back(), L"廣西壯族自治區");
  EXPECT_EQ(PlaceList(1), std::vector<std::wstring>{L"香港"});
  const std::vector<std::wstring> beijing = PlaceList(5);
  ASSERT_EQ(beijing.size(), 20u);
  EXPECT_EQ(beijing[0], L"天安門");
  EXPECT_EQ(beijing[1], L"北京市");
  EXPECT_EQ(PlaceList(9).size(), 201u);
  std::size_t total = 0;
  for (int p = 0; p < 34; ++p) {
    const std::vector<std::wstring> names = PlaceList(p);
    for (std::size_t c = 0; c < names.size(); ++c) {
      EXPECT_EQ(names[c], SelectedPlace(p, static_cast<int>(c)).name);
    }
    total += names.size();
  }
  EXPECT_EQ(total, 3193u);
}

TEST(PlaceSelection, OpensAtTaipei) {
  const PlaceSelection selection;
  EXPECT_EQ(selection.provinceIndex(), 0);
  EXPECT_EQ(selection.placeSelection(), 0);
  EXPECT_EQ(selection.placeNames(), PlaceList(0));
  EXPECT_EQ(selection.place().name, L"臺北市");
  EXPECT_EQ(selection.position().longitude, 121.5);
  EXPECT_EQ(selection.placeLine(), L"東經121°30'  北緯25°03'");
}

TEST(PlaceSelection, StepsThroughProvinceAndPlace) {
  PlaceSelection selection;
  selection.SelectProvince(1);
  EXPECT_EQ(selection.placeNames(), std::vector<std::wstring>{L"香港"});
  EXPECT_EQ(selection.placeLine(), L"東經114°05'  北緯22°12'");
  selection.SelectProvince(7);
  selection.SelectPlace(28);
  EXPECT_EQ(selection.place().name, L"城區");
  EXPECT_EQ(selection.placeLine(), L"東經113°07'  北緯36°13'");
  // A list without selection: the first place.
  selection.SelectPlace(-1);
  EXPECT_EQ(selection.placeSelection(), 0);
  EXPECT_EQ(selection.place().name, L"太原市");
  selection.SelectPlace(128);
  EXPECT_EQ(selection.placeSelection(), 0);
  // A new province resets the place to its first.
  selection.SelectPlace(5);
  selection.SelectProvince(8);
  EXPECT_EQ(selection.placeSelection(), 0);
  EXPECT_EQ(selection.place().name, L"濟南市");
}

TEST(PlaceSelection, ProvinceWithoutValidSelectionKeepsThePlace) {
  PlaceSelection selection;
  selection.SelectProvince(8);
  selection.SelectPlace(42);
  for (int p : {-1, 34, INT_MIN, INT_MAX}) {
    selection.SelectProvince(p);
    EXPECT_EQ(selection.provinceIndex(), 8);
    EXPECT_EQ(selection.placeSelection(), 42);
    EXPECT_EQ(selection.position().longitude, 117.0);
    EXPECT_EQ(selection.placeNames().size(), 156u);
  }
}

}  // namespace
}  // namespace places
