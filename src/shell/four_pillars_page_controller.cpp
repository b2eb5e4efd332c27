#include "shell/four_pillars_page_controller.h"

#include "shell/page_output.h"
#include "shell/page_request.h"

namespace shell {

FourPillarsPage::FourPillarsPage(PageControls& controls, Platform& platform,
                                 FourPillarsPageBuilder buildPage)
    : controls_(controls),
      platform_(platform),
      buildPage_(std::move(buildPage)),
      places_(controls, kLatitudeText) {}

void FourPillarsPage::Initialize() {
  InitializeBirthBoxes(controls_, platform_.CurrentLocalTime());
  InitializeValueBoxes(controls_);
  controls_.SetChecked(kYearAndDayBasisRadio, true);
  controls_.SetChecked(kBeginningOfSpringRadio, true);
  controls_.SetChecked(kSchemeRadios[static_cast<int>(chart::kInitialMonthCommandDivisionScheme)],
                       true);
  places_.Initialize();
}

void FourPillarsPage::Command(int controlId, ControlEvent event) {
  if (places_.Command(controlId, event)) {
    return;
  }
  if (controlId == kQueryButton) {
    if (WriteRequestPage(platform_, controls_, buildPage_(ReadQuery()), L"八字.htm")) {
      OpenRequestDocument(platform_, controls_, L"八字.htm");
    }
  }
}

FourPillarsQuery FourPillarsPage::ReadQuery() const {
  const BirthBoxValues birth = ReadBirthBoxes(controls_);
  FourPillarsQuery query;
  query.name = birth.name;
  query.sex = birth.sex;
  query.annotationText = ReadAnnotationBox(controls_);
  query.longitude = places_.Longitude();
  query.year = birth.year;
  query.month = birth.month;
  query.day = birth.day;
  query.hour = birth.hour;
  query.minute = birth.minute;
  query.values = ReadValueBoxes(controls_);
  query.spiritStarBasis = ReadSpiritStarBasisRadios(controls_);
  query.yearChangeRule = chart::ReadYearChangeRule(controls_.IsChecked(kWinterSolsticeRadio));
  std::array<bool, 6> schemes{};
  for (std::size_t i = 0; i < schemes.size(); ++i) {
    schemes[i] = controls_.IsChecked(kSchemeRadios[i]);
  }
  query.scheme = chart::ReadMonthCommandDivisionScheme(schemes);
  return query;
}

}  // namespace shell
