#include "shell/page_templates.h"

#include "shell/control_ids.h"
#include "shell/study_pages.h"

namespace shell {

const wchar_t kSheetCaption[] = L"Tavrel";
const wchar_t kSheetExitButtonText[] = L"結束(&X)";
const char kDialogFontFamily[] = "AR PL UMing TW";

namespace {

using K = ControlKind;
using A = AlmanacPageIds;
using Y = PerpetualCalendarPageIds;
using B = BoneWeightPageIds;
using F = FourPillarsPageIds;
using S = StemBranchPageIds;

PageTemplate AlmanacPageTemplate() {
  return {L"農民曆",
          302,
          206,
          {
              // id, kind, text, x, y, width, height
              {kQueryButton, K::kDefaultButton, L"查詢", 189, 20, 50, 14},
              {A::kYearBox, K::kEdit, L"", 54, 21, 21, 12},
              {-1, K::kLabel, L"月", 109, 23, 9, 8},
              {A::kMonthBox, K::kEdit, L"", 93, 21, 13, 12},
              {-1, K::kLabel, L"日", 140, 23, 9, 8},
              {A::kDayBox, K::kEdit, L"", 124, 21, 13, 12},
              {-1, K::kLabel, L"年", 80, 23, 9, 8},
              {-1, K::kGroupBox, L"擇日", 6, 8, 172, 120},
              {A::kCalendar, K::kMonthCalendar, L"", 35, 39, 119, 83},
              {A::kTodayButton, K::kButton, L"今日", 15, 20, 29, 14},
              {-1, K::kLabel, L"農民曆參考：", 180, 41, 89, 9},
              {-1, K::kLabel, L"《協紀辨方書》", 180, 53, 89, 9},
              {-1, K::kLabel, L"《董公選秘訣要覽》", 180, 64, 89, 9},
              {A::kSunLine, K::kLabel, L"", 1, 168, 276, 10},
              {A::kLongitudeBox, K::kEdit, L"", 169, 142, 44, 12},
              {-1, K::kGroupBox, L"經緯度", 6, 130, 275, 34},
              {-1, K::kLabel, L"東經", 152, 143, 16, 8},
              {A::kProvinceList, K::kComboBox, L"", 13, 142, 64, 57},
              {A::kPlaceList, K::kComboBox, L"", 80, 142, 67, 57},
              {-1, K::kLabel, L"北緯", 218, 143, 17, 10},
              {A::kPlaceLine, K::kLabel, L"", 152, 130, 92, 11},
              {A::kMoonLine, K::kLabel, L"", 1, 179, 277, 14},
              {A::kEmptyLabel, K::kLabel, L"", 178, 82, 78, 45},
              {A::kLatitudeBox, K::kEdit, L"", 235, 142, 40, 12},
          }};
}

PageTemplate PerpetualCalendarPageTemplate() {
  return {L"萬年曆",
          300,
          195,
          {
              // id, kind, text, x, y, width, height
              {Y::kYearBox, K::kEdit, L"", 18, 66, 21, 12},
              {kQueryButton, K::kDefaultButton, L"查詢", 129, 95, 50, 14},
              {-1, K::kGroupBox, L"擇年", 7, 54, 172, 34},
          }};
}

PageTemplate BoneWeightPageTemplate() {
  return {L"袁天罡稱骨術",
          300,
          195,
          {
              // id, kind, text, x, y, width, height
              {kQueryButton, K::kDefaultButton, L"查詢", 204, 138, 50, 14},
              {B::kNameBox, K::kEdit, L"", 18, 106, 29, 12},
              {-1, K::kGroupBox, L"姓名", 7, 94, 46, 34},
              {B::kYearBox, K::kEdit, L"", 99, 106, 21, 12},
              {-1, K::kLabel, L"月", 154, 108, 9, 8},
              {B::kMonthBox, K::kEdit, L"", 138, 106, 13, 12},
              {-1, K::kLabel, L"日", 185, 108, 9, 8},
              {B::kDayBox, K::kEdit, L"", 169, 106, 13, 12},
              {-1, K::kLabel, L"年", 125, 108, 9, 8},
              {-1, K::kGroupBox, L"出生於西元", 88, 94, 167, 34},
              {-1, K::kLabel, L"時", 212, 108, 9, 8},
              {B::kHourBox, K::kEdit, L"", 196, 106, 13, 12},
              {-1, K::kLabel, L"分", 243, 108, 9, 8},
              {B::kMinuteBox, K::kEdit, L"", 227, 106, 13, 12},
              {B::kLongitudeBox, K::kEdit, L"", 150, 66, 44, 12},
              {-1, K::kGroupBox, L"經緯度", 7, 54, 248, 34},
              {-1, K::kLabel, L"東經", 133, 67, 16, 8},
              {B::kProvinceList, K::kComboBox, L"", 14, 66, 54, 57},
              {B::kPlaceList, K::kComboBox, L"", 71, 66, 57, 57},
              {-1, K::kGroupBox, L"姓別", 54, 94, 33, 34},
              {B::kSexList, K::kComboBox, L"", 61, 106, 22, 57},
              {-1, K::kLabel, L"北緯", 197, 67, 17, 10},
              {B::kLatitudeText, K::kLabel, L"", 214, 67, 36, 10},
              {B::kPlaceLine, K::kLabel, L"", 133, 54, 92, 11},
          }};
}

// The radio groups run from a kFirstRadio to the next one, whatever stands between: the six
// schemes are one group although the value boxes and the annotation come between the third and
// the fourth.
PageTemplate FourPillarsPageTemplate() {
  return {L"八字排盤",
          300,
          195,
          {
              // id, kind, text, x, y, width, height
              {kQueryButton, K::kDefaultButton, L"查詢", 206, 164, 50, 14},
              {F::kNameBox, K::kEdit, L"", 14, 96, 37, 12},
              {-1, K::kGroupBox, L"姓名", 7, 84, 49, 34},
              {F::kYearBox, K::kEdit, L"", 103, 96, 21, 12},
              {-1, K::kLabel, L"月", 157, 98, 9, 8},
              {F::kMonthBox, K::kEdit, L"", 141, 96, 13, 12},
              {-1, K::kLabel, L"日", 185, 98, 9, 8},
              {F::kDayBox, K::kEdit, L"", 169, 96, 13, 12},
              {-1, K::kLabel, L"年", 128, 98, 9, 8},
              {-1, K::kGroupBox, L"出生於西元", 98, 84, 157, 34},
              {-1, K::kLabel, L"時", 212, 98, 9, 8},
              {F::kHourBox, K::kEdit, L"", 197, 96, 13, 12},
              {-1, K::kLabel, L"分", 240, 98, 8, 8},
              {F::kMinuteBox, K::kEdit, L"", 224, 96, 13, 12},
              {F::kLongitudeBox, K::kEdit, L"", 150, 58, 44, 12},
              {-1, K::kGroupBox, L"經緯度", 7, 46, 248, 34},
              {-1, K::kLabel, L"東經", 133, 59, 16, 8},
              {F::kProvinceList, K::kComboBox, L"", 14, 58, 54, 57},
              {F::kPlaceList, K::kComboBox, L"", 71, 58, 57, 57},
              {-1, K::kGroupBox, L"姓別", 60, 84, 34, 34},
              {F::kSexList, K::kComboBox, L"", 64, 96, 22, 57},
              {-1, K::kLabel, L"北緯", 197, 59, 17, 10},
              {F::kLatitudeText, K::kLabel, L"", 214, 59, 36, 10},
              {F::kYearBasisRadio, K::kFirstRadio, L"年", 189, 22, 17, 10},
              {F::kDayBasisRadio, K::kRadio, L"日", 208, 22, 17, 10},
              {F::kYearAndDayBasisRadio, K::kRadio, L"年日", 227, 22, 25, 10},
              {-1, K::kGroupBox, L"年日支見神煞", 183, 9, 72, 34},
              {F::kWinterSolsticeRadio, K::kFirstRadio, L"冬至", 201, 135, 25, 10},
              {F::kBeginningOfSpringRadio, K::kRadio, L"立春", 227, 135, 26, 10},
              {-1, K::kGroupBox, L"換年", 199, 123, 56, 33},
              {F::kSchemeRadios[0], K::kFirstRadio, L"旺相", 93, 19, 25, 10},
              {F::kSchemeRadios[1], K::kRadio, L"育吾", 121, 19, 27, 10},
              {-1, K::kGroupBox, L"月令分日用事", 88, 8, 91, 34},
              {F::kSchemeRadios[2], K::kRadio, L"通會", 149, 19, 28, 10},
              {F::kValueBoxes[4], K::kEdit, L"", 69, 23, 11, 12},
              {F::kValueBoxes[3], K::kEdit, L"", 55, 23, 11, 12},
              {F::kValueBoxes[2], K::kEdit, L"", 41, 23, 11, 12},
              {F::kValueBoxes[1], K::kEdit, L"", 27, 23, 11, 12},
              {F::kValueBoxes[0], K::kEdit, L"", 14, 23, 11, 12},
              {-1, K::kGroupBox, L"月令旺相休囚死值", 7, 8, 77, 34},
              {F::kAnnotationBox, K::kMultiLineEdit, L"", 13, 135, 177, 37},
              {-1, K::kGroupBox, L"解說註解", 7, 123, 188, 55},
              {F::kSchemeRadios[3], K::kRadio, L"子平", 93, 29, 25, 10},
              {F::kSchemeRadios[4], K::kRadio, L"通考", 121, 29, 25, 10},
              {F::kSchemeRadios[5], K::kRadio, L"新論", 149, 29, 27, 10},
          }};
}

PageTemplate StemBranchPageTemplate() {
  return {L"干支排盤",
          300,
          195,
          {
              // id, kind, text, x, y, width, height
              {S::kPillarBoxes[0], K::kEdit, L"", 110, 96, 20, 12},
              {-1, K::kLabel, L"月", 167, 98, 9, 8},
              {S::kPillarBoxes[1], K::kEdit, L"", 146, 96, 20, 12},
              {-1, K::kLabel, L"日", 199, 98, 9, 8},
              {S::kPillarBoxes[2], K::kEdit, L"", 178, 96, 20, 12},
              {-1, K::kLabel, L"年", 133, 98, 9, 8},
              {-1, K::kGroupBox, L"天干地支", 99, 84, 156, 34},
              {-1, K::kLabel, L"時", 233, 98, 9, 8},
              {S::kPillarBoxes[3], K::kEdit, L"", 210, 96, 20, 12},
              {S::kYearBasisRadio, K::kFirstRadio, L"年", 188, 21, 17, 10},
              {S::kDayBasisRadio, K::kRadio, L"日", 209, 21, 18, 10},
              {S::kYearAndDayBasisRadio, K::kRadio, L"年日", 228, 21, 25, 10},
              {-1, K::kGroupBox, L"年日支見神煞", 183, 8, 73, 34},
              {S::kNameBox, K::kEdit, L"", 14, 96, 37, 12},
              {-1, K::kGroupBox, L"姓名", 7, 84, 49, 34},
              {-1, K::kGroupBox, L"姓別", 60, 84, 34, 34},
              {S::kSexList, K::kComboBox, L"", 64, 96, 22, 57},
              {S::kValueBoxes[4], K::kEdit, L"", 81, 23, 13, 12},
              {S::kValueBoxes[3], K::kEdit, L"", 64, 23, 13, 12},
              {S::kValueBoxes[2], K::kEdit, L"", 47, 23, 13, 12},
              {S::kValueBoxes[1], K::kEdit, L"", 30, 23, 13, 12},
              {S::kValueBoxes[0], K::kEdit, L"", 14, 23, 13, 12},
              {-1, K::kGroupBox, L"月令旺相休囚死強度值", 7, 8, 93, 34},
              {kQueryButton, K::kDefaultButton, L"查詢", 206, 164, 50, 14},
              {S::kSingleTextBox, K::kEdit, L"", 110, 62, 95, 12},
              {-1, K::kLabel, L"甲子、甲子、甲子、甲子", 18, 64, 88, 10},
              {S::kAnnotationBox, K::kMultiLineEdit, L"", 13, 135, 177, 37},
              {-1, K::kGroupBox, L"解說註解", 7, 123, 188, 55},
              {S::kWoodFireMetalWaterRadio, K::kFirstRadio, L"木火金水", 110, 21, 41, 10},
              {S::kEarthRadio, K::kRadio, L"土", 154, 21, 17, 10},
              {-1, K::kGroupBox, L"辰未戌丑月取", 105, 8, 73, 34},
          }};
}

// A grid of study buttons inside a group box "內容".
template <std::size_t N>
PageTemplate StudyPageTemplate(const wchar_t* caption, int height,
                               const std::array<StudyButton, N>& buttons, const int* columnsX,
                               const int* rowsY, int buttonWidth, int frameWidth, int frameHeight) {
  PageTemplate page{caption, 300, height, {}};
  page.controls.push_back({-1, K::kGroupBox, L"內容", 7, 7, frameWidth, frameHeight});
  for (const StudyButton& button : buttons) {
    const bool hidden = button.caption[0] == L'\0';
    page.controls.push_back({button.id, hidden ? K::kHiddenButton : K::kButton, button.caption,
                             columnsX[button.column - 1], rowsY[button.row - 1], buttonWidth, 13});
  }
  return page;
}

PageTemplate DateSelectionStudyPageTemplate() {
  static constexpr int kColumnsX[] = {15, 98};
  static constexpr int kRowsY[] = {34, 51, 67, 84, 101, 118};
  return StudyPageTemplate(L"擇日學", 195, kDateSelectionStudyButtons, kColumnsX, kRowsY, 73, 172,
                           135);
}

PageTemplate FourPillarsStudyPageTemplate() {
  static constexpr int kColumnsX[] = {12, 70, 128, 186};
  static constexpr int kRowsY[] = {17, 33, 49, 65, 81, 97, 113, 129, 145, 161};
  return StudyPageTemplate(L"八字學", 193, kFourPillarsStudyButtons, kColumnsX, kRowsY, 55, 240,
                           176);
}

}  // namespace

const std::vector<PageTemplate>& SheetPageTemplates() {
  static const std::vector<PageTemplate> pages = {
      AlmanacPageTemplate(),           DateSelectionStudyPageTemplate(),
      PerpetualCalendarPageTemplate(), BoneWeightPageTemplate(),
      FourPillarsPageTemplate(),       StemBranchPageTemplate(),
      FourPillarsStudyPageTemplate(),
  };
  return pages;
}

}  // namespace shell
