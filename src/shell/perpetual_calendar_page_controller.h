#pragma once

#include <functional>
#include <string>

#include "almanac/calendar_tables.h"
#include "shell/control_ids.h"
#include "shell/page_controls.h"
#include "shell/platform.h"

namespace shell {

// The "萬年曆" page: a year box and "查詢", which writes the perpetual-calendar year page as
// "萬年曆.htm" and opens it.
class PerpetualCalendarPage : public PageController, public PerpetualCalendarPageIds {
 public:
  // The year pages of almanac::BuildPerpetualCalendarPage on `tables`, which must outlive the
  // page.
  PerpetualCalendarPage(PageControls& controls, Platform& platform,
                        almanac::CalendarTables& tables);
  // The year pages that `buildPage` makes.
  PerpetualCalendarPage(PageControls& controls, Platform& platform,
                        std::function<std::wstring(int)> buildPage);

  // The year box shows the current year of the computer's clock.
  void Initialize() override;

  // "查詢": the box read as an unsigned number (letters or an empty box give the year 0, a
  // number past the int range the largest int), its page written and, once written, opened.
  void Command(int controlId, ControlEvent event) override;

 private:
  PageControls& controls_;
  Platform& platform_;
  std::function<std::wstring(int)> buildPage_;
};

}  // namespace shell
