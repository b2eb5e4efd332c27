#include "shell/bone_weight_page_controller.h"

#include "chart/birth_date.h"
#include "chart/bone_weight_page.h"
#include "shell/birth_boxes.h"
#include "shell/index_documents.h"
#include "shell/page_output.h"
#include "shell/page_request.h"

namespace shell {

namespace {

// The reading, on the page's month calendar.
BoneWeightPageBuilder StandardBoneWeightPage(engine::MonthCalendar& calendar) {
  return [&calendar](int year, int month, int day, int hour, int minute, const std::wstring& name,
                     const std::wstring& sex, double longitude) {
    return chart::BuildBoneWeightPage(calendar, year, month, day, hour, minute, name, sex,
                                      longitude);
  };
}

}  // namespace

BoneWeightPage::BoneWeightPage(PageControls& controls, Platform& platform,
                               engine::MonthCalendar& calendar, BoneWeightPageBuilder buildPage)
    : controls_(controls),
      platform_(platform),
      calendar_(calendar),
      buildPage_(buildPage ? std::move(buildPage) : StandardBoneWeightPage(calendar)),
      places_(controls, kLatitudeText, kPlaceLine) {}

void BoneWeightPage::Initialize() {
  InitializeBirthBoxes(controls_, platform_.CurrentLocalTime());
  places_.Initialize();
}

void BoneWeightPage::Command(int controlId, ControlEvent event) {
  if (places_.Command(controlId, event)) {
    return;
  }
  if (controlId == kQueryButton) {
    Query();
  }
}

void BoneWeightPage::Query() {
  const BirthBoxValues birth = ReadBirthBoxes(controls_);
  const double longitude = places_.Longitude();

  // The reading refuses these with the same messages; on the sheet they are a message box and
  // no file is written.
  std::wstring refusal =
      chart::CheckBirthDate(calendar_, birth.year, birth.month, birth.day, birth.hour, birth.minute)
          .message;
  if (refusal.empty()) {
    refusal = chart::CheckBirthLongitude(longitude);
  }
  if (!refusal.empty()) {
    controls_.ShowMessage(refusal);
    return;
  }
  if (WriteRequestPage(platform_, controls_,
                       buildPage_(birth.year, birth.month, birth.day, birth.hour, birth.minute,
                                  birth.name, birth.sex, longitude),
                       L"八字重.htm") &&
      ProvideRequestIndexDocument(platform_, controls_, L"index2.htm")) {
    OpenRequestDocument(platform_, controls_, L"index2.htm");
  }
}

}  // namespace shell
