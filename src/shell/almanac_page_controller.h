#pragma once

#include <functional>
#include <memory>
#include <string>

#include "almanac/calendar_tables.h"
#include "almanac/lunar_month_page.h"
#include "engine/rise_set.h"
#include "shell/control_ids.h"
#include "shell/page_controls.h"
#include "shell/place_picker.h"
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

// The almanac's generators on `tables`, which must outlive the services, and the engine's rise
// and set times.
AlmanacPageServices StandardAlmanacPageServices(almanac::CalendarTables& tables);

// The "農民曆" page: date boxes, "今日", the month calendar with the sun and moon lines of the
// chosen place, the province and place lists, and "查詢", which writes "陰曆.htm" and "農民曆.htm"
// and opens "index1.htm" (written first when the working directory has none).
class AlmanacPage : public PageController, public AlmanacPageIds {
 public:
  AlmanacPage(PageControls& controls, Platform& platform, AlmanacPageServices services);

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
  void ShowDate(int year, int month, int day);
  void Today();
  void Query();

  PageControls& controls_;
  Platform& platform_;
  AlmanacPageServices services_;
  PlacePicker places_;
  std::unique_ptr<engine::RiseSetState> riseSet_;  // made on the first calendar click
  int hour_ = 0;
  int minute_ = 0;
};

}  // namespace shell
