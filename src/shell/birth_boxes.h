#pragma once

#include <climits>
#include <cstddef>
#include <string>

#include "shell/control_ids.h"
#include "shell/page_controls.h"
#include "shell/platform.h"

namespace shell {

// The person boxes (PersonBoxIds) of "袁天罡稱骨術", "八字排盤" and "干支排盤", and the birth boxes
// (BirthBoxIds) of the first two, as the pages show and read them.

// The name reaches the readings with at most this many characters.
inline constexpr std::size_t kNameLimit = 31;

// An empty name box and the sex list with "男" and "女", "男" selected.
void InitializePersonBoxes(PageControls& controls);

// The first kNameLimit characters of the name box.
std::wstring ReadNameBox(const PageControls& controls);

// "女" for the second entry of the sex list; "男" for its first and for a list with no valid
// selection (text typed into it, which the page never reads).
std::wstring ReadSexList(const PageControls& controls);

// The person boxes initialised and the date and time boxes showing `now` ("2026", "3", "5", "7",
// "4").
void InitializeBirthBoxes(PageControls& controls, const LocalTime& now);

// The year that a year box holds when it holds no whole number: below every calendar year, so
// the birth checks refuse it with their year message ("生日年份輸入錯誤 !").
inline constexpr int kUnreadBirthYear = INT_MIN;

// What the birth boxes hold, as the birth readings take it. The year box is read as a whole
// number with its sign (ReadWholeInteger), "-5" the year −5 (6 BC); an empty box, one that holds
// anything else, or a number beyond the int range reads kUnreadBirthYear. The other boxes are
// read as unsigned numbers used as ints: text that is not a number reads 0, and a number past the
// int range stays the largest int rather than turning negative.
struct BirthBoxValues {
  std::wstring name;  // ReadNameBox
  std::wstring sex;   // ReadSexList
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
};

BirthBoxValues ReadBirthBoxes(const PageControls& controls);

}  // namespace shell
