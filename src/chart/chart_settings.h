#pragma once

#include <array>
#include <string>
#include <string_view>

namespace chart {

// The six settings of a four-pillars chart beyond the birth data. None is stored: the pages pass
// what they show at each request, the command line its fixed values.

// Which branch the branch spirit stars are seen from. Another value (the command line passes
// "R2" unchanged) acts as kYearAndDayBranch, as the chart's note on the basis reads it.
enum class SpiritStarBasis : int {
  kYearBranch = 0,        // "年"
  kDayBranch = 1,         // "日"
  kYearAndDayBranch = 2,  // "年日"
};

// When the year pillar turns: 0 at "冬至"; every other value at "立春".
enum class YearChangeRule : int {
  kWinterSolstice = 0,     // "冬至"
  kBeginningOfSpring = 1,  // "立春"
};

// Whether the year turns at the winter solstice (the value 0 only).
constexpr bool YearTurnsAtWinterSolstice(YearChangeRule rule) {
  return rule == YearChangeRule::kWinterSolstice;
}

// The school that divides the days of the month command: 0 takes the day master's state from
// the season of the solar term; 1 to 5 choose DescribeCommandingStemScheme1 to 5.
enum class MonthCommandDivisionScheme : int {
  kSeasonalState = 0,  // "旺相"
  kYuWu = 1,           // "育吾"
  kTongHui = 2,        // "通會"
  kZiPing = 3,         // "子平"
  kTongKao = 4,        // "通考"
  kXinLun = 5,         // "新論"
};

// The labels of the schemes 0 to 5, as the page's radio buttons show them.
inline constexpr auto kMonthCommandDivisionSchemeLabels =
    std::to_array<const wchar_t*>({L"旺相", L"育吾", L"通會", L"子平", L"通考", L"新論"});
static_assert(kMonthCommandDivisionSchemeLabels.size() == 6);

// The values of the seasonal states "旺" "相" "休" "囚" "死", in that order. Nothing requires
// them to differ or to fall in any order.
using SeasonalStrengthValues = std::array<int, 5>;

// How a typed chart reads a 辰, 未, 戌 or 丑 month: 0 with the neighbouring wood, fire, metal or
// water months; every other value as earth months.
enum class EarthMonthOption : int {
  kWoodFireMetalWater = 0,  // "木火金水"
  kEarth = 1,               // "土"
};

// Whether the four months 辰 未 戌 丑 are earth months (every value but 0).
constexpr bool EarthMonthsAreEarth(EarthMonthOption option) {
  return option != EarthMonthOption::kWoodFireMetalWater;
}

// Free text printed as typed before the chart's conclusion.
using AnnotationText = std::wstring;
inline constexpr std::size_t kAnnotationTextLimit = 1023;

// Initial values on the two chart pages.
inline constexpr SpiritStarBasis kInitialSpiritStarBasis = SpiritStarBasis::kYearAndDayBranch;
inline constexpr YearChangeRule kInitialYearChangeRule = YearChangeRule::kBeginningOfSpring;
inline constexpr MonthCommandDivisionScheme kInitialMonthCommandDivisionScheme =
    MonthCommandDivisionScheme::kTongKao;
inline constexpr SeasonalStrengthValues kInitialSeasonalStrengthValues = {8, 5, 3, 2, 1};
inline constexpr EarthMonthOption kInitialEarthMonthOption = EarthMonthOption::kEarth;

// Values fixed by the command line ("R1" 4); its SpiritStarBasis is "R2" and its annotation
// empty.
inline constexpr YearChangeRule kCommandLineYearChangeRule = YearChangeRule::kBeginningOfSpring;
inline constexpr MonthCommandDivisionScheme kCommandLineMonthCommandDivisionScheme =
    MonthCommandDivisionScheme::kYuWu;
inline constexpr SeasonalStrengthValues kCommandLineSeasonalStrengthValues = {1, 1, 1, 1, 1};

// Read rules of the pages, from the states of their radio buttons and the texts of their fields.

// 0 when "年" is selected, else 1 when "日", else 2 when "年日", else 0.
SpiritStarBasis ReadSpiritStarBasis(bool yearSelected, bool daySelected, bool bothSelected);

// 0 when "冬至" is selected, else 1.
YearChangeRule ReadYearChangeRule(bool winterSolsticeSelected);

// The first selected of "旺相" "育吾" "通會" "子平" "通考" "新論" gives 0 to 5; none gives 0.
MonthCommandDivisionScheme ReadMonthCommandDivisionScheme(const std::array<bool, 6>& selected);

// A value field read as an unsigned decimal integer (blanks before it allowed); a text that is
// not such a number, a negative number included, gives 0. A number beyond the largest int
// reads as the largest int rather than wrapping to a negative value.
int ReadSeasonalStrengthValue(std::wstring_view fieldText);

// 0 when "木火金水" is selected, else 1.
EarthMonthOption ReadEarthMonthOption(bool woodFireMetalWaterSelected);

// The annotation field's text cut to its first 1,023 characters.
AnnotationText ReadAnnotationText(std::wstring_view fieldText);

}  // namespace chart
