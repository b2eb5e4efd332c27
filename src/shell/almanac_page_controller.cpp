#include "shell/almanac_page_controller.h"

#include <cmath>
#include <memory>

#include "almanac/almanac_day_page.h"
#include "almanac/calendar_tables.h"
#include "almanac/lunar_month_page.h"
#include "engine/julian_day.h"
#include "engine/time_frames.h"
#include "shell/date_checks.h"
#include "shell/dialog_numbers.h"
#include "shell/index_documents.h"
#include "shell/page_request.h"
#include "vocabulary/number_text.h"

namespace shell {

AlmanacPageServices StandardAlmanacPageServices(almanac::CalendarTables& tables) {
  AlmanacPageServices services;
  services.buildLunarMonthPage = [&tables](int year, int month, int day, almanac::LocalDate today) {
    return almanac::BuildLunarMonthPage(tables, year, month, day, today);
  };
  services.buildAlmanacDayPage = [&tables](double julianDay) {
    return almanac::BuildAlmanacDayPage(tables, julianDay);
  };
  services.computeRiseSetTimes = [](engine::RiseSetState& state, double dayNumber, double longitude,
                                    double latitude, double zoneHoursWest) {
    state.ComputeRiseSetTimes(dayNumber, longitude, latitude, zoneHoursWest);
  };
  return services;
}

AlmanacPage::AlmanacPage(PageControls& controls, Platform& platform, AlmanacPageServices services)
    : controls_(controls),
      platform_(platform),
      services_(std::move(services)),
      places_(controls, kLatitudeBox, kPlaceLine) {}

void AlmanacPage::Initialize() {
  const LocalTime now = platform_.CurrentLocalTime();
  hour_ = now.hour;
  minute_ = now.minute;
  places_.Initialize();
  Today();
}

void AlmanacPage::Command(int controlId, ControlEvent event) {
  if (places_.Command(controlId, event)) {
    return;
  }
  if (controlId == kQueryButton) {
    Query();
  } else if (controlId == kTodayButton) {
    Today();
  }
}

void AlmanacPage::ShowDate(int year, int month, int day) {
  controls_.SetText(kYearBox, vocabulary::DecimalText(year));
  controls_.SetText(kMonthBox, vocabulary::DecimalText(month));
  controls_.SetText(kDayBox, vocabulary::DecimalText(day));
}

void AlmanacPage::Today() {
  const LocalTime now = platform_.CurrentLocalTime();
  hour_ = now.hour;
  minute_ = now.minute;
  ShowDate(now.year, now.month, now.day);
  controls_.SetCalendarSelection(kCalendar, {now.year, now.month, now.day});
}

void AlmanacPage::CalendarSelected(int controlId) {
  if (controlId != kCalendar) {
    return;
  }
  const CalendarDate date = controls_.CalendarSelection(kCalendar);
  ShowDate(date.year, date.month, date.day);
  hour_ = 12;
  minute_ = 0;
  const double zoneHoursWest = platform_.CurrentLocalTime().zoneHoursWest;
  const double longitude = places_.Longitude();
  const double latitude = places_.Latitude();
  if (!std::isfinite(longitude) || !std::isfinite(latitude)) {
    controls_.ShowMessage(L"經緯度輸入錯誤 !");
    return;
  }
  const double dayNumber = engine::DayNumberOfJulianDay(
      engine::DateTimeToJulianDay(date.year, date.month, date.day, 12, 0));
  if (!riseSet_) {
    riseSet_ = std::make_unique<engine::RiseSetState>();
  }
  services_.computeRiseSetTimes(*riseSet_, dayNumber, longitude / 180.0 * engine::kPi,
                                latitude / 180.0 * engine::kPi, zoneHoursWest);
  const engine::DayRiseSet& day = riseSet_->days[0];
  controls_.SetText(kSunLine, L"日出:" + day.sunriseText + L" 中:" + day.sunTransitText + L" 落:" +
                                  day.sunsetText + L" 天亮:" + day.civilDawnText + L" 天黑:" +
                                  day.civilDuskText);
  controls_.SetText(kMoonLine, L"月出:" + day.moonriseText + L" 中:" + day.moonTransitText +
                                   L" 落:" + day.moonsetText + L" 日照:" + day.dayLengthText +
                                   L" 白天:" + day.civilDaylightText);
}

void AlmanacPage::Query() {
  const unsigned year = ReadDialogUnsigned(controls_.Text(kYearBox));
  const unsigned month = ReadDialogUnsigned(controls_.Text(kMonthBox));
  const unsigned day = ReadDialogUnsigned(controls_.Text(kDayBox));
  const std::wstring refusal = CheckAlmanacDate(year, month, day);
  if (!refusal.empty()) {
    controls_.ShowMessage(refusal);
    return;
  }
  const int y = static_cast<int>(year);
  const int m = static_cast<int>(month);
  const int d = static_cast<int>(day);
  const LocalTime now = platform_.CurrentLocalTime();
  bool written = WriteRequestPage(
      platform_, controls_,
      services_.buildLunarMonthPage(y, m, d, almanac::LocalDate{now.year, now.month, now.day}),
      L"陰曆.htm");
  const double julianDay = engine::DateTimeToJulianDay(y, m, d, hour_, minute_);
  written = WriteRequestPage(platform_, controls_, services_.buildAlmanacDayPage(julianDay),
                             L"農民曆.htm") &&
            written;
  if (written && ProvideRequestIndexDocument(platform_, controls_, L"index1.htm")) {
    OpenRequestDocument(platform_, controls_, L"index1.htm");
  }
}

}  // namespace shell
