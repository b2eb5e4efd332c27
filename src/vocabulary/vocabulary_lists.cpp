#include "vocabulary/vocabulary_lists.h"

#include <array>

namespace vocabulary {
namespace {

constexpr std::array<const wchar_t*, 24> kSolarTermKeys = {
    L"立春", L"雨水", L"驚蟄", L"春分", L"清明", L"穀雨", L"立夏", L"小滿",
    L"芒種", L"夏至", L"小暑", L"大暑", L"立秋", L"處暑", L"白露", L"秋分",
    L"寒露", L"霜降", L"立冬", L"小雪", L"大雪", L"冬至", L"小寒", L"大寒"};

std::vector<std::wstring> BuildSexagenaryNames() {
  static constexpr std::array<const wchar_t*, 10> kStems = {L"甲", L"乙", L"丙", L"丁", L"戊",
                                                            L"己", L"庚", L"辛", L"壬", L"癸"};
  static constexpr std::array<const wchar_t*, 12> kBranches = {
      L"子", L"丑", L"寅", L"卯", L"辰", L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥"};
  std::vector<std::wstring> names;
  names.reserve(60);
  for (int i = 0; i < 60; ++i) {
    names.push_back(std::wstring(kStems[i % 10]) + kBranches[i % 12]);
  }
  return names;
}

template <std::size_t N>
int LookupIndex(const std::wstring& name, const std::array<const wchar_t*, N>& keys) {
  for (std::size_t i = 0; i < N; ++i) {
    if (name == keys[i]) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace

// Defined in list order: static initialisation in one unit runs top to bottom.
const std::vector<std::wstring> kEarthlyBranches = {L"子", L"丑", L"寅", L"卯", L"辰", L"巳",
                                                    L"午", L"未", L"申", L"酉", L"戌", L"亥"};
const std::vector<std::wstring> kLunarDayNames = {
    L"初一", L"初二", L"初三", L"初四", L"初五", L"初六", L"初七", L"初八",
    L"初九", L"初十", L"十一", L"十二", L"十三", L"十四", L"十五", L"十六",
    L"十七", L"十八", L"十九", L"二十", L"廿一", L"廿二", L"廿三", L"廿四",
    L"廿五", L"廿六", L"廿七", L"廿八", L"廿九", L"三十", L"卅一"};
const std::vector<std::wstring> kLunarMonthNames = {L"正", L"二", L"三", L"四",
                                                    L"五", L"六", L"七", L"八",
                                                    L"九", L"十", L"十一", L"十二"};
const std::vector<std::wstring> kSexagenaryNames = BuildSexagenaryNames();
const std::vector<std::wstring> kMonthBranches = {L"寅", L"卯", L"辰", L"巳", L"午", L"未",
                                                  L"申", L"酉", L"戌", L"亥", L"子", L"丑"};
const std::vector<std::wstring> kSectionTermsByGregorianMonth = {
    L"小寒", L"立春", L"驚蟄", L"清明", L"立夏", L"芒種",
    L"小暑", L"立秋", L"白露", L"寒露", L"立冬", L"大雪"};
const std::vector<std::wstring> kSectionTermsByMonthBranch = {
    L"立春", L"驚蟄", L"清明", L"立夏", L"芒種", L"小暑",
    L"立秋", L"白露", L"寒露", L"立冬", L"大雪", L"小寒"};
const std::vector<std::wstring> kMidTermsByGregorianMonth = {
    L"冬至", L"大寒", L"雨水", L"春分", L"穀雨", L"小滿",
    L"夏至", L"大暑", L"處暑", L"秋分", L"霜降", L"小雪"};
const std::vector<std::wstring> kWeekdayNames = {L"日", L"一", L"二", L"三",
                                                 L"四", L"五", L"六"};
const std::vector<std::wstring> kZodiacAnimals = {L"鼠", L"牛", L"虎", L"兔", L"龍", L"蛇",
                                                  L"馬", L"羊", L"猴", L"雞", L"狗", L"豬"};

int LookupSolarTermIndex(const std::wstring& name) { return LookupIndex(name, kSolarTermKeys); }

int LookupBranchIndex(const std::wstring& name) {
  static constexpr std::array<const wchar_t*, 12> kKeys = {
      L"子", L"丑", L"寅", L"卯", L"辰", L"巳", L"午", L"未", L"申", L"酉", L"戌", L"亥"};
  return LookupIndex(name, kKeys);
}

int LookupStemIndex(const std::wstring& name) {
  static constexpr std::array<const wchar_t*, 10> kKeys = {L"甲", L"乙", L"丙", L"丁", L"戊",
                                                           L"己", L"庚", L"辛", L"壬", L"癸"};
  return LookupIndex(name, kKeys);
}

}  // namespace vocabulary
