#pragma once

#include <climits>
#include <cstddef>
#include <string>

#include "chart/chart_settings.h"
#include "shell/page_controls.h"

namespace shell {

// The controls that the two chart pages, "八字排盤" and "干支排盤", have in common, with the same
// ids on both.
struct ChartPageControlIds {
  static constexpr int kNameBox = 1009;
  static constexpr int kAnnotationBox = 1013;
  static constexpr int kYearBasisRadio = 1015;       // "年"
  static constexpr int kDayBasisRadio = 1016;        // "日"
  static constexpr int kYearAndDayBasisRadio = 1017;  // "年日"
  static constexpr int kSexList = 1032;
  // The value boxes of 旺 相 休 囚 死, standing left to right on the page.
  static constexpr int kValueBoxes[5] = {1033, 1028, 1027, 1026, 1011};
};

// Text limits of the chart pages' boxes.
inline constexpr std::size_t kNameLimit = 31;
inline constexpr std::size_t kPillarTextLimit = 31;
inline constexpr std::size_t kSinglePillarTextLimit = 63;

// The first `limit` characters of a box.
std::wstring ReadLimitedText(const PageControls& controls, int id, std::size_t limit);

// "女" for the second entry of the sex list; "男" for its first and for a list with no valid
// selection (text typed into it, which the page never reads).
std::wstring ReadSexList(const PageControls& controls);

// Fills the sex list with "男" and "女" and selects "男".
void InitializeSexList(PageControls& controls);

// The five seasonal strength values from their boxes, each read as an unsigned number (text
// that is not a number reads 0, one past the int range the largest int).
chart::SeasonalStrengthValues ReadValueBoxes(const PageControls& controls);

// Writes "8" "5" "3" "2" "1" into the value boxes.
void InitializeValueBoxes(PageControls& controls);

// The spirit-star basis of the radios "年", "日", "年日".
chart::SpiritStarBasis ReadSpiritStarBasisRadios(const PageControls& controls);

// The annotation box, cut to 1,023 characters, line breaks kept.
chart::AnnotationText ReadAnnotationBox(const PageControls& controls);

// A birth number box read as an unsigned number, used as an int: text that is not a number
// reads 0, and a number past the int range stays the largest int rather than turning negative.
int ReadBirthNumber(const PageControls& controls, int id);

// The year that a year box holds when it holds no whole number: below every calendar year, so
// the birth checks refuse it with their year message ("生日年份輸入錯誤 !").
inline constexpr int kUnreadBirthYear = INT_MIN;

// A birth year box read as a whole number with its sign (ReadWholeInteger), "-5" the year −5
// (6 BC); an empty box, one that holds anything else, or a number beyond the int range reads
// kUnreadBirthYear.
int ReadBirthYear(const PageControls& controls, int id);

}  // namespace shell
