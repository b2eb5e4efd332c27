#include "places/place_table.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "gtest/gtest.h"
#include "testing/utf8.h"

namespace places {
namespace {

// The province table as the place list states it: range, size and first place of each.
struct GivenProvince {
  int index;
  const wchar_t* name;
  int firstPlace;
  int lastPlace;
  int placeCount;
  const wchar_t* firstPlaceName;
  int latDeg;
  int latMin;
  int lonDeg;
  int lonMin;
};

// clang-format off
constexpr GivenProvince kGivenProvinces[] = {
    // index, name, firstPlace, lastPlace, places, first place, latDeg, latMin, lonDeg, lonMin
    {0, L"臺灣", 0, 21, 22, L"臺北市", 25, 3, 121, 30},
    {1, L"香港", 22, 22, 1, L"香港", 22, 12, 114, 5},
    {2, L"澳門", 23, 23, 1, L"澳門", 22, 8, 113, 20},
    {3, L"上海市", 24, 43, 20, L"上海市", 31, 14, 121, 28},
    {4, L"天津市", 44, 63, 20, L"天津市", 39, 7, 117, 12},
    {5, L"北京市", 64, 83, 20, L"天安門", 39, 54, 116, 23},
    {6, L"重慶市", 84, 124, 41, L"重慶市", 29, 34, 106, 33},
    {7, L"山西省", 125, 252, 128, L"太原市", 37, 52, 112, 33},
    {8, L"山東省", 253, 408, 156, L"濟南市", 36, 40, 116, 59},
    {9, L"四川省", 409, 609, 201, L"成都市", 30, 40, 104, 4},
    {10, L"甘肅省", 610, 707, 98, L"蘭州市", 36, 4, 103, 49},
    {11, L"吉林省", 708, 776, 69, L"長春市", 43, 54, 125, 19},
    {12, L"安徽省", 777, 897, 121, L"合肥市", 31, 50, 117, 15},
    {13, L"江西省", 898, 1007, 110, L"南昌市", 28, 41, 115, 51},
    {14, L"江蘇省", 1008, 1124, 117, L"南京市", 32, 4, 118, 47},
    {15, L"河北省", 1125, 1308, 184, L"石家莊市", 38, 3, 114, 31},
    {16, L"河南省", 1309, 1484, 176, L"鄭州市", 34, 45, 113, 37},
    {17, L"青海省", 1485, 1535, 51, L"西寧市", 36, 37, 101, 47},
    {18, L"浙江省", 1536, 1637, 102, L"杭州市", 30, 17, 120, 9},
    {19, L"海南省", 1638, 1659, 22, L"海口市", 20, 2, 110, 19},
    {20, L"陝西省", 1660, 1777, 118, L"西安市", 34, 16, 108, 56},
    {21, L"湖北省", 1778, 1893, 116, L"武漢市", 30, 36, 114, 18},
    {22, L"湖南省", 1894, 2030, 137, L"長沙市", 28, 14, 112, 56},
    {23, L"貴州省", 2031, 2126, 96, L"貴陽市", 26, 39, 106, 38},
    {24, L"雲南省", 2127, 2270, 144, L"昆明市", 25, 3, 102, 43},
    {25, L"黑龍江省", 2271, 2409, 139, L"哈爾濱市", 45, 48, 126, 32},
    {26, L"福建省", 2410, 2504, 95, L"福州市", 26, 5, 119, 18},
    {27, L"廣東省", 2505, 2641, 137, L"廣州市", 23, 8, 113, 16},
    {28, L"遼寧省", 2642, 2754, 113, L"瀋陽市", 41, 48, 123, 26},
    {29, L"內蒙古自治區", 2755, 2869, 115, L"呼和浩特市", 40, 50, 111, 44},
    {30, L"西藏自治區", 2870, 2950, 81, L"拉薩市", 29, 39, 91, 8},
    {31, L"新疆維吾爾", 2951, 3063, 113, L"烏魯木齊市", 43, 49, 87, 37},
    {32, L"寧夏回族自治區", 3064, 3089, 26, L"銀川市", 38, 28, 106, 17},
    {33, L"廣西壯族自治區", 3090, 3192, 103, L"南寧市", 22, 49, 108, 22},
};
// clang-format on

// The rows whose coordinates the place list gives beside the first places: the extremes,
// every stored 60 minutes and every repeated name.
struct GivenPlace {
  int index;
  const wchar_t* province;
  const wchar_t* name;
  int latDeg;
  int latMin;
  int lonDeg;
  int lonMin;
};

// clang-format off
constexpr GivenPlace kTellingPlaces[] = {
    // index, province, name, latDeg, latMin, lonDeg, lonMin
    {21, L"臺灣", L"金門縣", 24, 45, 118, 41},
    {38, L"上海市", L"普陀區", 31, 15, 121, 24},
    {41, L"上海市", L"寶山區", 31, 24, 121, 29},
    {52, L"天津市", L"和平區", 39, 7, 117, 12},
    {53, L"天津市", L"河東區", 39, 7, 117, 13},
    {69, L"北京市", L"朝陽區", 39, 55, 116, 26},
    {86, L"重慶市", L"雙橋區", 29, 29, 105, 47},
    {92, L"重慶市", L"江北區", 29, 36, 106, 34},
    {138, L"山西省", L"礦區", 40, 2, 113, 10},
    {139, L"山西省", L"城區", 40, 5, 113, 17},
    {142, L"山西省", L"郊區", 37, 56, 113, 35},
    {143, L"山西省", L"礦區", 37, 52, 113, 34},
    {144, L"山西省", L"城區", 37, 51, 113, 36},
    {152, L"山西省", L"郊區", 36, 12, 113, 7},
    {153, L"山西省", L"城區", 36, 13, 113, 7},
    {154, L"山西省", L"城區", 35, 30, 112, 50},
    {185, L"山西省", L"石樓縣", 36, 60, 110, 50},
    {289, L"山東省", L"臨清市", 36, 51, 115, 42},
    {295, L"山東省", L"市中區", 36, 39, 116, 60},
    {304, L"山東省", L"岱岳區", 36, 11, 116, 60},
    {308, L"山東省", L"市中區", 35, 24, 116, 35},
    {312, L"山東省", L"市中區", 34, 52, 117, 34},
    {316, L"山東省", L"河東區", 35, 5, 118, 24},
    {326, L"山東省", L"諸城市", 35, 60, 119, 24},
    {359, L"山東省", L"夏津縣", 36, 57, 115, 60},
    {378, L"山東省", L"魚台縣", 34, 60, 116, 39},
    {423, L"四川省", L"雅安市", 29, 59, 102, 60},
    {431, L"四川省", L"市中區", 29, 35, 105, 3},
    {443, L"四川省", L"市中區", 29, 34, 103, 46},
    {446, L"四川省", L"雨城區", 29, 59, 102, 60},
    {476, L"四川省", L"閬中市", 31, 33, 105, 60},
    {505, L"四川省", L"理塘縣", 29, 60, 100, 16},
    {547, L"四川省", L"西充縣", 30, 60, 105, 53},
    {575, L"四川省", L"仁壽縣", 29, 60, 104, 9},
    {627, L"甘肅省", L"城關區", 36, 3, 103, 50},
    {643, L"甘肅省", L"瑪曲縣", 33, 60, 102, 4},
    {649, L"甘肅省", L"臨夏縣", 35, 30, 102, 60},
    {672, L"甘肅省", L"慶城縣", 35, 60, 107, 53},
    {683, L"甘肅省", L"張家川回族自治縣", 34, 60, 106, 13},
    {719, L"吉林省", L"鐵東區", 43, 10, 124, 23},
    {720, L"吉林省", L"鐵西區", 43, 9, 124, 21},
    {721, L"吉林省", L"朝陽區", 43, 50, 125, 17},
    {754, L"吉林省", L"西安區", 42, 55, 125, 9},
    {765, L"吉林省", L"東遼縣", 42, 55, 124, 60},
    {785, L"安徽省", L"淮南市", 32, 38, 116, 60},
    {797, L"安徽省", L"杜集區", 33, 60, 116, 49},
    {820, L"安徽省", L"宿松縣", 30, 9, 116, 7},
    {825, L"安徽省", L"郊區", 30, 55, 117, 47},
    {841, L"安徽省", L"天長市", 32, 42, 118, 60},
    {904, L"江西省", L"九江市", 29, 42, 115, 60},
    {905, L"江西省", L"撫州市", 27, 60, 116, 21},
    {918, L"江西省", L"西湖區", 28, 40, 115, 52},
    {925, L"江西省", L"青原區", 27, 6, 114, 60},
    {999, L"江西省", L"鄱陽縣", 28, 60, 116, 40},
    {1023, L"江蘇省", L"海州區", 34, 34, 119, 7},
    {1026, L"江蘇省", L"鼓樓區", 34, 17, 117, 11},
    {1033, L"江蘇省", L"清河區", 33, 36, 119, 1},
    {1038, L"江蘇省", L"崇川區", 31, 60, 120, 51},
    {1043, L"江蘇省", L"鼓樓區", 32, 4, 118, 46},
    {1072, L"江蘇省", L"丹陽市", 31, 60, 119, 34},
    {1095, L"江蘇省", L"雨花臺區", 31, 60, 118, 46},
    {1145, L"河北省", L"橋西區", 38, 2, 114, 28},
    {1147, L"河北省", L"長安區", 38, 3, 114, 31},
    {1148, L"河北省", L"橋東區", 38, 3, 114, 30},
    {1149, L"河北省", L"新華區", 38, 3, 114, 28},
    {1153, L"河北省", L"新市區", 38, 52, 115, 27},
    {1158, L"河北省", L"橋東區", 40, 47, 114, 54},
    {1159, L"河北省", L"橋西區", 40, 50, 114, 52},
    {1160, L"河北省", L"雙橋區", 40, 58, 117, 56},
    {1179, L"河北省", L"臨清市", 36, 50, 115, 42},
    {1193, L"河北省", L"橋東區", 37, 4, 114, 30},
    {1194, L"河北省", L"橋西區", 37, 3, 114, 28},
    {1196, L"河北省", L"新華區", 38, 19, 116, 52},
    {1206, L"河北省", L"南和縣", 36, 60, 114, 41},
    {1310, L"河南省", L"南陽市", 32, 60, 112, 31},
    {1326, L"河南省", L"匯川區", 33, 37, 114, 38},
    {1330, L"河南省", L"郾城區", 33, 35, 113, 60},
    {1341, L"河南省", L"新華區", 33, 44, 113, 18},
    {1395, L"河南省", L"鼓樓區", 34, 47, 114, 21},
    {1409, L"河南省", L"方城縣", 33, 16, 112, 60},
    {1439, L"河南省", L"遂平縣", 33, 9, 113, 60},
    {1471, L"河南省", L"台前縣", 35, 60, 115, 51},
    {1541, L"浙江省", L"西湖區", 30, 16, 120, 8},
    {1553, L"浙江省", L"江北區", 29, 53, 121, 33},
    {1562, L"浙江省", L"溫州市", 27, 60, 120, 42},
    {1612, L"浙江省", L"舟山市", 29, 60, 122, 12},
    {1614, L"浙江省", L"普陀區", 29, 57, 122, 18},
    {1639, L"海南省", L"三亞市", 18, 15, 109, 30},
    {1679, L"陝西省", L"新城區", 34, 16, 108, 57},
    {1682, L"陝西省", L"長安區", 34, 10, 108, 56},
    {1813, L"湖北省", L"青山區", 30, 38, 114, 23},
    {1881, L"湖北省", L"鄖西縣", 32, 60, 110, 25},
    {1893, L"湖北省", L"宿松縣", 30, 9, 116, 7},
    {1897, L"湖南省", L"懷化市", 27, 34, 109, 60},
    {1931, L"湖南省", L"婁星區", 27, 44, 111, 60},
    {1940, L"湖南省", L"君山區", 29, 26, 112, 60},
    {1966, L"湖南省", L"邵陽縣", 26, 60, 111, 16},
    {1976, L"湖南省", L"玉屏侗族自治縣", 27, 14, 108, 55},
    {2040, L"貴州省", L"白雲區", 26, 41, 106, 39},
    {2041, L"貴州省", L"玉屏侗族自治縣", 27, 14, 108, 55},
    {2042, L"貴州省", L"從江縣", 25, 45, 108, 54},
    {2050, L"貴州省", L"匯川區", 27, 44, 106, 55},
    {2118, L"貴州省", L"印江土家族苗族自治縣", 27, 60, 108, 24},
    {2130, L"雲南省", L"普洱市", 22, 47, 100, 58},
    {2143, L"雲南省", L"普洱市", 22, 47, 100, 58},
    {2175, L"雲南省", L"綠春縣", 22, 60, 102, 24},
    {2326, L"黑龍江省", L"南山區", 47, 18, 130, 17},
    {2327, L"黑龍江省", L"向陽區", 47, 20, 130, 17},
    {2328, L"黑龍江省", L"東山區", 47, 20, 130, 19},
    {2330, L"黑龍江省", L"郊區", 46, 48, 130, 19},
    {2331, L"黑龍江省", L"向陽區", 46, 48, 130, 20},
    {2333, L"黑龍江省", L"寶山區", 46, 34, 131, 24},
    {2345, L"黑龍江省", L"西安區", 44, 34, 129, 37},
    {2407, L"黑龍江省", L"漠河縣", 52, 58, 122, 32},
    {2409, L"黑龍江省", L"撫遠縣", 48, 22, 134, 17},
    {2456, L"福建省", L"鼓樓區", 26, 5, 119, 18},
    {2458, L"福建省", L"馬尾區", 25, 60, 119, 27},
    {2460, L"福建省", L"饒平縣", 23, 40, 117, 0},
    {2465, L"福建省", L"金門縣", 24, 26, 118, 19},
    {2492, L"福建省", L"霞浦縣", 26, 53, 119, 60},
    {2530, L"廣東省", L"南山區", 22, 31, 113, 55},
    {2582, L"廣東省", L"饒平縣", 23, 40, 116, 60},
    {2605, L"廣東省", L"白雲區", 23, 10, 113, 16},
    {2661, L"遼寧省", L"鐵東區", 41, 6, 122, 59},
    {2662, L"遼寧省", L"鐵西區", 41, 7, 122, 57},
    {2663, L"遼寧省", L"立山區", 41, 9, 122, 60},
    {2672, L"遼寧省", L"鐵西區", 41, 48, 123, 21},
    {2674, L"遼寧省", L"和平區", 41, 47, 123, 24},
    {2677, L"遼寧省", L"清河區", 42, 32, 124, 9},
    {2685, L"遼寧省", L"海州區", 42, 1, 121, 39},
    {2702, L"遼寧省", L"瓦房店市", 39, 37, 121, 60},
    {2711, L"遼寧省", L"新民市", 41, 60, 122, 49},
    {2779, L"內蒙古自治區", L"新城區", 40, 52, 111, 39},
    {2784, L"內蒙古自治區", L"青山區", 40, 39, 109, 54},
    {2831, L"內蒙古自治區", L"化德縣", 41, 54, 113, 60},
    {2841, L"內蒙古自治區", L"正藍旗", 42, 15, 115, 60},
    {2843, L"內蒙古自治區", L"正鑲白旗", 42, 18, 114, 60},
    {2879, L"西藏自治區", L"城關區", 29, 39, 91, 8},
    {2914, L"西藏自治區", L"堆龍德慶縣", 29, 39, 90, 60},
    {2924, L"西藏自治區", L"錯那縣", 27, 60, 91, 57},
    {2966, L"新疆維吾爾", L"新市區", 43, 51, 87, 36},
    {2968, L"新疆維吾爾", L"東山區", 43, 57, 87, 41},
    {3005, L"新疆維吾爾", L"塔什庫爾幹塔吉克自治縣", 37, 47, 75, 14},
    {3039, L"新疆維吾爾", L"吉木薩爾縣", 43, 60, 89, 11},
    {3055, L"新疆維吾爾", L"富蘊縣", 46, 60, 89, 31},
    {3158, L"廣西壯族自治區", L"從江縣", 25, 45, 108, 54},
    {3162, L"廣西壯族自治區", L"天峨縣", 24, 60, 107, 10},
};
// clang-format on

const PlaceTable& Table() { return GetPlaceTable(); }

TEST(PlaceTable, HasThirtyFourProvincesAndAllPlaces) {
  EXPECT_EQ(Table().provinces.size(), 34u);
  EXPECT_EQ(Table().places.size(), 3193u);
  EXPECT_EQ(&GetPlaceTable(), &Table());
}

TEST(PlaceTable, ProvincesMatchTheGivenTable) {
  ASSERT_EQ(std::size(kGivenProvinces), Table().provinces.size());
  for (const GivenProvince& given : kGivenProvinces) {
    SCOPED_TRACE(given.index);
    const ProvinceEntry& province = Table().provinces[static_cast<std::size_t>(given.index)];
    EXPECT_EQ(province.name, given.name);
    EXPECT_EQ(province.firstPlace, given.firstPlace);
    EXPECT_EQ(province.lastPlace, given.lastPlace);
    EXPECT_EQ(province.lastPlace - province.firstPlace + 1, given.placeCount);
    const PlaceEntry& first = Table().places[static_cast<std::size_t>(given.firstPlace)];
    EXPECT_EQ(first.province, given.name);
    EXPECT_EQ(first.name, given.firstPlaceName);
    EXPECT_EQ(first.latDeg, given.latDeg);
    EXPECT_EQ(first.latMin, given.latMin);
    EXPECT_EQ(first.lonDeg, given.lonDeg);
    EXPECT_EQ(first.lonMin, given.lonMin);
  }
}

TEST(PlaceTable, TellingRowsMatchTheGivenCoordinates) {
  EXPECT_EQ(std::size(kTellingPlaces), 147u);
  for (const GivenPlace& given : kTellingPlaces) {
    SCOPED_TRACE(given.index);
    const PlaceEntry& place = Table().places[static_cast<std::size_t>(given.index)];
    EXPECT_EQ(place.province, given.province);
    EXPECT_EQ(place.name, given.name);
    EXPECT_EQ(place.latDeg, given.latDeg);
    EXPECT_EQ(place.latMin, given.latMin);
    EXPECT_EQ(place.lonDeg, given.lonDeg);
    EXPECT_EQ(place.lonMin, given.lonMin);
  }
}

TEST(PlaceTable, RangesAreContiguousAndEachPlaceNamesItsProvince) {
  std::int32_t next = 0;
  for (const ProvinceEntry& province : Table().provinces) {
    SCOPED_TRACE(province.firstPlace);
    EXPECT_EQ(province.firstPlace, next);
    EXPECT_LE(province.firstPlace, province.lastPlace);
    for (std::int32_t i = province.firstPlace; i <= province.lastPlace; ++i) {
      EXPECT_EQ(Table().places[static_cast<std::size_t>(i)].province, province.name) << i;
    }
    next = province.lastPlace + 1;
  }
  EXPECT_EQ(next, 3193);
  EXPECT_EQ(Table().provinces.front().firstPlace, 0);
  EXPECT_EQ(Table().provinces.back().lastPlace, 3192);
}

TEST(PlaceTable, SizesOfProvinces) {
  std::size_t largest = 0;
  std::wstring largestName;
  for (const ProvinceEntry& province : Table().provinces) {
    const auto count = static_cast<std::size_t>(province.lastPlace - province.firstPlace + 1);
    if (count > largest) {
      largest = count;
      largestName = province.name;
    }
  }
  EXPECT_EQ(largest, 201u);
  EXPECT_EQ(largestName, L"四川省");
  // "香港" and "澳門" have one place each, named as the region.
  for (int index : {1, 2}) {
    const ProvinceEntry& province = Table().provinces[static_cast<std::size_t>(index)];
    EXPECT_EQ(province.firstPlace, province.lastPlace);
    EXPECT_EQ(Table().places[static_cast<std::size_t>(province.firstPlace)].name, province.name);
  }
  EXPECT_EQ(Table().provinces[1].firstPlace, 22);
  EXPECT_EQ(Table().places.back().name, L"陸川縣");
  EXPECT_EQ(Table().places[65].name, L"北京市");
  EXPECT_EQ(Table().places[1893].name, L"宿松縣");
  EXPECT_EQ(Table().places[1893].province, L"湖北省");
  EXPECT_EQ(Table().places[820].province, L"安徽省");
}

TEST(PlaceTable, MinutesAndDegreesStayInTheirSpans) {
  int latSixties = 0;
  int lonSixties = 0;
  for (const PlaceEntry& place : Table().places) {
    SCOPED_TRACE(place.name);
    EXPECT_GE(place.latMin, 0);
    EXPECT_LE(place.latMin, 60);
    EXPECT_GE(place.lonMin, 0);
    EXPECT_LE(place.lonMin, 60);
    EXPECT_FALSE(place.latMin == 60 && place.lonMin == 60);
    latSixties += place.latMin == 60 ? 1 : 0;
    lonSixties += place.lonMin == 60 ? 1 : 0;
    // Latitudes 18° 15' to 52° 58', longitudes 75° 14' to 134° 17'.
    const int lat = place.latDeg * 60 + place.latMin;
    const int lon = place.lonDeg * 60 + place.lonMin;
    EXPECT_GE(lat, 18 * 60 + 15);
    EXPECT_LE(lat, 52 * 60 + 58);
    EXPECT_GE(lon, 75 * 60 + 14);
    EXPECT_LE(lon, 134 * 60 + 17);
  }
  EXPECT_EQ(latSixties, 30);
  EXPECT_EQ(lonSixties, 26);
}

TEST(PlaceTable, NamesRepeatAsListed) {
  std::map<std::wstring, int> rowsOfName;
  std::map<std::pair<std::wstring, std::wstring>, int> rowsOfProvinceAndName;
  for (const PlaceEntry& place : Table().places) {
    SCOPED_TRACE(place.name);
    EXPECT_GE(place.name.size(), 2u);
    EXPECT_LE(place.name.size(), 15u);
    ++rowsOfName[place.name];
    ++rowsOfProvinceAndName[{place.province, place.name}];
  }
  for (const ProvinceEntry& province : Table().provinces) {
    EXPECT_GE(province.name.size(), 2u);
    EXPECT_LE(province.name.size(), 7u);
  }
  EXPECT_EQ(rowsOfName.size(), 3142u);
  int repeatedNames = 0;
  int rowsOfRepeatedNames = 0;
  for (const auto& [name, rows] : rowsOfName) {
    if (rows > 1) {
      ++repeatedNames;
      rowsOfRepeatedNames += rows;
    }
  }
  EXPECT_EQ(repeatedNames, 38);
  EXPECT_EQ(rowsOfRepeatedNames, 89);
  // Twelve (province, name) pairs repeat within their province ("市中區" in two provinces).
  int repeatedWithinProvince = 0;
  for (const auto& [key, rows] : rowsOfProvinceAndName) {
    repeatedWithinProvince += rows > 1 ? 1 : 0;
  }
  EXPECT_EQ(repeatedWithinProvince, 12);
  EXPECT_EQ((rowsOfProvinceAndName[{L"山西省", L"城區"}]), 4);
}

// The compiled rows are places.tsv as it stands: the generated table is not stale.
TEST(PlaceTable, MatchesTheDataFile) {
  const std::string testdata = TAVREL_TESTDATA_DIR;
  const std::string path = testdata.substr(0, testdata.rfind('/')) + "/data/places.tsv";
  std::ifstream file(path);
  ASSERT_TRUE(file) << path;
  std::string line;
  std::getline(file, line);
  EXPECT_EQ(line, "index\tprovince\tname\tlatDeg\tlatMin\tlonDeg\tlonMin\tquality");
  std::size_t rows = 0;
  while (std::getline(file, line)) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');) {
      fields.push_back(field);
    }
    ASSERT_EQ(fields.size(), 8u) << line;
    const auto index = static_cast<std::size_t>(std::stoi(fields[0]));
    ASSERT_EQ(index, rows);
    ASSERT_LT(index, Table().places.size());
    const PlaceEntry& place = Table().places[index];
    SCOPED_TRACE(index);
    EXPECT_EQ(place.province, test_text::DecodeUtf8(fields[1]));
    EXPECT_EQ(place.name, test_text::DecodeUtf8(fields[2]));
    EXPECT_EQ(place.latDeg, std::stoi(fields[3]));
    EXPECT_EQ(place.latMin, std::stoi(fields[4]));
    EXPECT_EQ(place.lonDeg, std::stoi(fields[5]));
    EXPECT_EQ(place.lonMin, std::stoi(fields[6]));
    ++rows;
  }
  EXPECT_EQ(rows, Table().places.size());
}

TEST(PlaceTable, EntriesCopyTheirFields) {
  const ProvinceEntry province(L"臺灣", 0, 21);
  EXPECT_EQ(province.name, L"臺灣");
  EXPECT_EQ(province.firstPlace, 0);
  EXPECT_EQ(province.lastPlace, 21);
  // Latitude comes before longitude in the constructor.
  const PlaceEntry place(L"臺灣", L"臺北市", 25, 3, 121, 30);
  EXPECT_EQ(place.province, L"臺灣");
  EXPECT_EQ(place.name, L"臺北市");
  EXPECT_EQ(place.latDeg, 25);
  EXPECT_EQ(place.latMin, 3);
  EXPECT_EQ(place.lonDeg, 121);
  EXPECT_EQ(place.lonMin, 30);
}

}  // namespace
}  // namespace places
