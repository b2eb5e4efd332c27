#include "shell/perpetual_calendar_page_controller.h"

#include <algorithm>
#include <climits>

#include "almanac/perpetual_calendar_page.h"
#include "shell/dialog_numbers.h"
#include "shell/page_request.h"
#include "vocabulary/number_text.h"

namespace shell {

PerpetualCalendarPage::PerpetualCalendarPage(PageControls& controls, Platform& platform,
                                             almanac::CalendarTables& tables)
    : PerpetualCalendarPage(controls, platform, [&tables](int year) {
        return almanac::BuildPerpetualCalendarPage(tables, year);
      }) {}

PerpetualCalendarPage::PerpetualCalendarPage(PageControls& controls, Platform& platform,
                                             std::function<std::wstring(int)> buildPage)
    : controls_(controls), platform_(platform), buildPage_(std::move(buildPage)) {}

void PerpetualCalendarPage::Initialize() {
  controls_.SetText(kYearBox, vocabulary::DecimalText(platform_.CurrentLocalTime().year));
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
