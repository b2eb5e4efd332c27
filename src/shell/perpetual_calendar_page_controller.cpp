#include "shell/perpetual_calendar_page_controller.h"

#include <algorithm>
#include <climits>
#include <memory>

#include "almanac/calendar_tables.h"
#include "almanac/perpetual_calendar_page.h"
#include "shell/dialog_numbers.h"
#include "shell/page_request.h"

namespace shell {

namespace {

// The year pages, on calendar tables kept for as long as the page lives.
std::function<std::wstring(int)> StandardYearPage() {
  return [tables = std::make_shared<almanac::CalendarTables>()](int year) {
    return almanac::BuildPerpetualCalendarPage(*tables, year);
  };
}

}  // namespace

PerpetualCalendarPage::PerpetualCalendarPage(PageControls& controls, Platform& platform,
                                             std::function<std::wstring(int)> buildPage)
    : controls_(controls),
      platform_(platform),
      buildPage_(buildPage ? std::move(buildPage) : StandardYearPage()) {}

void PerpetualCalendarPage::Initialize() {
  controls_.SetText(kYearBox, std::to_wstring(platform_.CurrentLocalTime().year));
}

void PerpetualCalendarPage::Command(int controlId, ControlEvent /*event*/) {
  if (controlId != kQueryButton) {
    return;
  }
  const unsigned typed = ReadDialogUnsigned(controls_.Text(kYearBox));
  // A year past the int range stays a year past every page's range rather than turning negative.
  const int year = static_cast<int>(std::min<unsigned>(typed, INT_MAX));
  if (WriteRequestPage(platform_, controls_, buildPage_(year), L"萬年曆.htm")) {
    OpenRequestDocument(platform_, controls_, L"萬年曆.htm");
  }
}

}  // namespace shell
