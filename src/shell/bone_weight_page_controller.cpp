#include "shell/bone_weight_page_controller.h"

#include <array>

#include "chart/birth_date.h"
#include "chart/bone_weight_page.h"
#include "shell/chart_page_controls.h"
#include "shell/dialog_numbers.h"
#include "shell/index_documents.h"
#include "shell/page_output.h"
#include "shell/page_request.h"
#include "shell/place_lists.h"

namespace shell {

namespace {

// The sex list's entries, in list order.
constexpr std::array<const wchar_t*, 2> kSexes = {L"男", L"女"};

// The reading, on the page's month calendar.
BoneWeightPageBuilder StandardBoneWeightPage(std::shared_ptr<engine::MonthCalendar> calendar) {
  return [calendar = std::move(calendar)](int year, int month, int day, int hour, int minute,
                                          const std::wstring& name, const std::wstring& sex,
                                          double longitude) {
    return chart::BuildBoneWeightPage(*calendar, year, month, day, hour, minute, name, sex,
                                      longitude);
  };
}

}  // namespace

BoneWeightPage::BoneWeightPage(PageControls& controls, Platform& platform,
                               BoneWeightPageBuilder buildPage)
    : controls_(controls),
      platform_(platform),
      calendar_(std::make_shared<engine::MonthCalendar>()),
      buildPage_(buildPage ? std::move(buildPage) : StandardBoneWeightPage(calendar_)) {}

void BoneWeightPage::Initialize() {
  const LocalTime now = platform_.CurrentLocalTime();
  controls_.SetText(kYearBox, std::to_wstring(now.year));
  controls_.SetText(kMonthBox, std::to_wstring(now.month));
  controls_.SetText(kDayBox, std::to_wstring(now.day));
  controls_.SetText(kHourBox, std::to_wstring(now.hour));
  controls_.SetText(kMinuteBox, std::to_wstring(now.minute));
  controls_.SetText(kNameBox, L"");

  controls_.ResetComboItems(kSexList);
  for (const wchar_t* sex : kSexes) {
    controls_.AddComboItem(kSexList, sex);
  }
  controls_.SetComboSelection(kSexList, 0);

  FillProvinceList(controls_, kProvinceList);
  ProvinceChanged();
  PlaceChanged();
}

void BoneWeightPage::Command(int controlId, ControlEvent event) {
  if (controlId == kProvinceList && event == ControlEvent::kSelectionChanged) {
    ProvinceChanged();
  } else if (controlId == kPlaceList && event == ControlEvent::kSelectionChanged) {
    PlaceChanged();
  } else if (controlId == kQueryButton) {
    Query();
  }
}

void BoneWeightPage::ProvinceChanged() {
  if (ShowPlacesOfChosenProvince(controls_, places_, kProvinceList, kPlaceList)) {
    PlaceChanged();
  }
}

void BoneWeightPage::PlaceChanged() {
  places_.SelectPlace(controls_.ComboSelection(kPlaceList));
  const places::PlacePosition position = places_.position();
  controls_.SetText(kLongitudeBox, FormatFixedDecimal(position.longitude));
  controls_.SetText(kLatitudeText, FormatFixedDecimal(position.latitude));
  controls_.SetText(kPlaceLine, places_.placeLine());
}

void BoneWeightPage::Query() {
  const std::wstring name = controls_.Text(kNameBox).substr(0, kNameLength);
  const int sexIndex = controls_.ComboSelection(kSexList);
  // A list into which text was typed has no valid selection: the list's first sex.
  const std::wstring sex =
      kSexes[sexIndex >= 0 && sexIndex < static_cast<int>(kSexes.size()) ? sexIndex : 0];
  const double longitude = ReadCoordinateText(controls_.Text(kLongitudeBox));
  const int year = ReadBirthYear(controls_, kYearBox);
  const int month = ReadBirthNumber(controls_, kMonthBox);
  const int day = ReadBirthNumber(controls_, kDayBox);
  const int hour = ReadBirthNumber(controls_, kHourBox);
  const int minute = ReadBirthNumber(controls_, kMinuteBox);

  // The reading refuses these with the same messages; on the sheet they are a message box and
  // no file is written.
  std::wstring refusal = chart::CheckBirthDate(*calendar_, year, month, day, hour, minute).message;
  if (refusal.empty()) {
    refusal = chart::CheckBirthLongitude(longitude);
  }
  if (!refusal.empty()) {
    controls_.ShowMessage(refusal);
    return;
  }
  if (WriteRequestPage(platform_, controls_,
                       buildPage_(year, month, day, hour, minute, name, sex, longitude),
                       L"八字重.htm") &&
      ProvideRequestIndexDocument(platform_, controls_, L"index2.htm")) {
    OpenRequestDocument(platform_, controls_, L"index2.htm");
  }
}

}  // namespace shell
