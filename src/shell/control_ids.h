#pragma once

// The control ids of the sheet's pages, read by the page templates that place the controls and by
// the controllers that work them. An id names one control within its page; another page may give
// the number to another control (1032 is the sex list of the birth pages and the moon line of
// "農民曆"). The study pages' buttons have their ids in their button tables (study_pages.h).

#include <array>
#include <tuple>

#include "chart/chart_settings.h"

namespace shell {

// The "查詢" button that runs a page's request, on every page that has one.
inline constexpr int kQueryButton = 1;

// The date boxes of "農民曆" and of the birth pages.
struct DateBoxIds {
  static constexpr int kYearBox = 1005;
  static constexpr int kMonthBox = 1006;
  static constexpr int kDayBox = 1007;
};

// The name box and the sex list of the pages that read a person: "袁天罡稱骨術", "八字排盤" and
// "干支排盤".
struct PersonBoxIds {
  static constexpr int kNameBox = 1009;
  static constexpr int kSexList = 1032;
};

// The birth boxes of "袁天罡稱骨術" and "八字排盤": name, sex, date and time of birth.
struct BirthBoxIds : DateBoxIds, PersonBoxIds {
  static constexpr int kHourBox = 1008;
  static constexpr int kMinuteBox = 1010;
};

// The place picker of "農民曆", "袁天罡稱骨術" and "八字排盤": the province list, the list of its
// places and the box of the chosen place's longitude. The latitude is a box on "農民曆"
// (AlmanacPageIds::kLatitudeBox) and a label on the birth pages (LatitudeTextIds).
struct PlacePickerIds {
  static constexpr int kProvinceList = 1030;
  static constexpr int kPlaceList = 1031;
  static constexpr int kLongitudeBox = 1065;
};

// The chosen place's line ("東經121°30'  北緯25°03'") on "農民曆" and "袁天罡稱骨術".
struct PlaceLineIds {
  static constexpr int kPlaceLine = 1050;
};

// The chosen place's latitude as a label, on "袁天罡稱骨術" and "八字排盤".
struct LatitudeTextIds {
  static constexpr int kLatitudeText = 1012;
};

// "農民曆".
struct AlmanacPageIds : DateBoxIds, PlacePickerIds, PlaceLineIds {
  static constexpr int kCalendar = 1016;
  static constexpr int kSunLine = 1029;
  static constexpr int kMoonLine = 1032;
  static constexpr int kEmptyLabel = 1033;  // beside the calendar, written by nothing
  static constexpr int kTodayButton = 1047;
  static constexpr int kLatitudeBox = 1066;
};

// "萬年曆".
struct PerpetualCalendarPageIds {
  static constexpr int kYearBox = 1005;
};

// "袁天罡稱骨術".
struct BoneWeightPageIds : BirthBoxIds, PlacePickerIds, LatitudeTextIds, PlaceLineIds {};

// The chart settings that the two chart pages, "八字排盤" and "干支排盤", have in common, with the
// same ids on both.
struct ChartSettingIds {
  static constexpr int kAnnotationBox = 1013;
  static constexpr int kYearBasisRadio = 1015;        // "年"
  static constexpr int kDayBasisRadio = 1016;         // "日"
  static constexpr int kYearAndDayBasisRadio = 1017;  // "年日"
  // The value boxes of 旺 相 休 囚 死, standing left to right on the page.
  static constexpr auto kValueBoxes = std::to_array<int>({1033, 1028, 1027, 1026, 1011});
  static_assert(kValueBoxes.size() == std::tuple_size_v<chart::SeasonalStrengthValues>);
};

// "八字排盤".
struct FourPillarsPageIds : BirthBoxIds, PlacePickerIds, LatitudeTextIds, ChartSettingIds {
  static constexpr int kWinterSolsticeRadio = 1018;     // "冬至"
  static constexpr int kBeginningOfSpringRadio = 1019;  // "立春"
  static constexpr auto kSchemeRadios =
      std::to_array<int>({1020, 1021, 1022, 1023, 1024, 1025});  // "旺相" .. "新論"
  static_assert(kSchemeRadios.size() == chart::kMonthCommandDivisionSchemeLabels.size());
};

// "干支排盤".
struct StemBranchPageIds : PersonBoxIds, ChartSettingIds {
  static constexpr auto kPillarBoxes = std::to_array<int>({1005, 1006, 1007, 1008});
  static_assert(kPillarBoxes.size() == 4);  // year, month, day, hour
  static constexpr int kSingleTextBox = 1010;
  static constexpr int kWoodFireMetalWaterRadio = 1018;  // "木火金水"
  static constexpr int kEarthRadio = 1019;               // "土"
};

}  // namespace shell
