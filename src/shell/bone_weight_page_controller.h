#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/month_calendar.h"
#include "places/place_selection.h"
#include "shell/page_controls.h"
#include "shell/platform.h"

namespace shell {

// Makes the bone-weighing page of a birth (chart::BuildBoneWeightPage on the page's month
// calendar unless a test says otherwise): year, month, day, hour, minute (civil time of UTC+8),
// name, sex, longitude in degrees east.
using BoneWeightPageBuilder = std::function<std::wstring(
    int year, int month, int day, int hour, int minute, const std::wstring& name,
    const std::wstring& sex, double longitude)>;

// The "袁天罡稱骨術" page: name, sex, birth date and time, province and place with the longitude
// box, and "查詢", which writes the bone-weighing reading as "八字重.htm" and opens "index2.htm".
class BoneWeightPage : public PageController {
 public:
  static constexpr int kYearBox = 1005;
  static constexpr int kMonthBox = 1006;
  static constexpr int kDayBox = 1007;
  static constexpr int kHourBox = 1008;
  static constexpr int kNameBox = 1009;
  static constexpr int kMinuteBox = 1010;
  static constexpr int kLatitudeText = 1012;
  static constexpr int kProvinceList = 1030;
  static constexpr int kPlaceList = 1031;
  static constexpr int kSexList = 1032;
  static constexpr int kPlaceLine = 1050;
  static constexpr int kLongitudeBox = 1065;

  // The name reaches the reading with at most this many characters.
  static constexpr std::size_t kNameLength = 31;

  BoneWeightPage(PageControls& controls, Platform& platform,
                 BoneWeightPageBuilder buildPage = nullptr);

  // The birth boxes show the computer's date and time, the name box is empty, the sex list shows
  // "男", the place lists "臺灣" and "臺北市" with their longitude, latitude and place line.
  void Initialize() override;

  // A new province or place, or "查詢": the name (its first 31 characters), the sex ("男" when
  // the list has no valid selection), the longitude box, the year box as a signed whole number
  // (ReadBirthYear) and the other birth boxes as unsigned numbers. A date or longitude that the
  // reading refuses shows its message and nothing is written; otherwise the page is written and,
  // once written, "index2.htm" opened (written first when the working directory has none).
  void Command(int controlId, ControlEvent event) override;

 private:
  void ProvinceChanged();
  void PlaceChanged();
  void Query();

  PageControls& controls_;
  Platform& platform_;
  // Kept for as long as the page lives; the check and the standard reading share it.
  std::shared_ptr<engine::MonthCalendar> calendar_;
  BoneWeightPageBuilder buildPage_;
  places::PlaceSelection places_;
};

}  // namespace shell
