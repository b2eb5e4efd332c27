#pragma once

#include <functional>
#include <memory>
#include <string>

#include "almanac/lunar_month_page.h"
#include "engine/rise_set.h"
#include "places/place_selection.h"
#include "shell/page_controls.h"
#include "shell/platform.h"

namespace shell {

// What the "農民曆" page computes with; tests put recorders in place of any of them.
struct AlmanacPageServices {
  // `today` is the date of the computer's clock, which the page reads.
  std::function<std::wstring(int year, int month, int day, almanac::LocalDate today)>
      buildLunarMonthPage;
  std::function<std::wstring(double julianDay)> buildAlmanacDayPage;
  // Fills state.days[0] for dayNumber (whole days from 2000-01-01), longitude and latitude in
  // radians and the zone in hours west of UTC.
  std::function<void(engine::RiseSetState& state, double dayNumber, double longitude,
                     double latitude, double zoneHoursWest)>
      computeRiseSetTimes;
};

// The almanac's generators, sharing one set of calendar tables for as long as the services live,
// and the engine's rise and set times.
AlmanacPageServices StandardAlmanacPageServices();

// The "農民曆" page: date boxes, "今日", the month calendar with the sun and moon lines of the
// chosen place, the province and place lists, and "查詢", which writes "陰曆.htm" and "農民曆.htm"
// and opens "index1.htm" (written first when the working directory has none).
class AlmanacPage : public PageController {
 public:
  static constexpr int kYearBox = 1005;
  static constexpr int kMonthBox = 1006;
  static constexpr int kDayBox = 1007;
  static constexpr int kCalendar = 1016;
  static constexpr int kSunLine = 1029;
  static constexpr int kProvinceList = 1030;
  static constexpr int kPlaceList = 1031;
  static constexpr int kMoonLine = 1032;
  static constexpr int kTodayButton = 1047;
  static constexpr int kPlaceLine = 1050;
  static constexpr int kLongitudeBox = 1065;
  static constexpr int kLatitudeBox = 1066;

  AlmanacPage(PageControls& controls, Platform& platform,
              AlmanacPageServices services = StandardAlmanacPageServices());

  // The province list filled with "臺灣" and its places chosen ("臺北市"), then "今日".
  void Initialize() override;
  void Command(int controlId, ControlEvent event) override;
  // A day picked in the month calendar: the date boxes take it, the time of day becomes 12:00,
  // and the sun and moon lines show that day's times for the longitude and latitude boxes.
  void CalendarSelected(int controlId) override;

  // The time of day that the next query uses (local civil time).
  int hour() const { return hour_; }
  int minute() const { return minute_; }

 private:
  void ProvinceChanged();
  void PlaceChanged();
  void Today();
  void Query();

  PageControls& controls_;
  Platform& platform_;
  AlmanacPageServices services_;
  places::PlaceSelection places_;
  std::unique_ptr<engine::RiseSetState> riseSet_;  // made on the first calendar click
  int hour_ = 0;
  int minute_ = 0;
};

}  // namespace shell
