#include "vocabulary/calendar_vocabulary.h"

#include <array>
#include <string_view>

#include "vocabulary/vocabulary_lists.h"

namespace vocabulary {
namespace {

// The lists in this object's own orders; the others are the start-up lists.
constexpr auto kMonthNamesFromSolstice = std::to_array<std::wstring_view>(
    {L"十一", L"十二", L"正", L"二", L"三", L"四", L"五", L"六", L"七", L"八", L"九", L"十"});
static_assert(kMonthNamesFromSolstice.size() == 12);

constexpr auto kTermNamesFromSolstice = std::to_array<std::wstring_view>(
    {L"冬至", L"小寒", L"大寒", L"立春", L"雨水", L"驚蟄", L"春分", L"清明",
     L"穀雨", L"立夏", L"小滿", L"芒種", L"夏至", L"小暑", L"大暑", L"立秋",
     L"處暑", L"白露", L"秋分", L"寒露", L"霜降", L"立冬", L"小雪", L"大雪"});
static_assert(kTermNamesFromSolstice.size() == 24);

constexpr auto kPhaseNames = std::to_array<std::wstring_view>({L"朔", L"上弦", L"望", L"下弦"});
static_assert(kPhaseNames.size() == 4);

constexpr auto kSignNamesFromSolstice =
    std::to_array<std::wstring_view>({L"摩羯", L"水瓶", L"雙魚", L"白羊", L"金牛", L"雙子", L"巨蟹",
                                      L"獅子", L"處女", L"天秤", L"天蠍", L"射手"});
static_assert(kSignNamesFromSolstice.size() == 12);

constexpr auto kDigitNames = std::to_array<std::wstring_view>(
    {L"零", L"一", L"二", L"三", L"四", L"五", L"六", L"七", L"八", L"九", L"十"});
static_assert(kDigitNames.size() == 11);

template <std::size_t N>
std::vector<std::wstring> ToStrings(const std::array<std::wstring_view, N>& names) {
  return std::vector<std::wstring>(names.begin(), names.end());
}

}  // namespace

CalendarVocabulary::CalendarVocabulary()
    : monthNames(ToStrings(kMonthNamesFromSolstice)),
      termNames(ToStrings(kTermNamesFromSolstice)),
      stems(ToStrings(kHeavenlyStems)),
      branches(ToStrings(kEarthlyBranches)),
      dayNames(ToStrings(kLunarDayNames)),
      animals(ToStrings(kZodiacAnimals)),
      phaseNames(ToStrings(kPhaseNames)),
      signNames(ToStrings(kSignNamesFromSolstice)),
      digitNames(ToStrings(kDigitNames)) {}

}  // namespace vocabulary
