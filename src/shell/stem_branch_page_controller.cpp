#include "shell/stem_branch_page_controller.h"

#include "shell/page_output.h"
#include "shell/page_request.h"

namespace shell {

std::array<std::wstring, 4> SplitSinglePillarText(const std::wstring& text) {
  const std::wstring limited = text.substr(0, kSinglePillarTextLimit);
  std::array<std::wstring, 4> pillars;
  for (std::size_t p = 0; p < pillars.size(); ++p) {
    for (std::size_t position = 3 * p; position < 3 * p + 2 && position < limited.size();
         ++position) {
      pillars[p] += limited[position];
    }
  }
  return pillars;
}

StemBranchPage::StemBranchPage(PageControls& controls, Platform& platform,
                               StemBranchPageBuilder buildPage)
    : controls_(controls), platform_(platform), buildPage_(std::move(buildPage)) {}

void StemBranchPage::Initialize() {
  for (const int box : kPillarBoxes) {
    controls_.SetText(box, L"甲子");
  }
  InitializePersonBoxes(controls_);
  InitializeValueBoxes(controls_);
  controls_.SetChecked(kYearAndDayBasisRadio, true);
  controls_.SetChecked(kEarthRadio, true);
}

void StemBranchPage::Command(int controlId, ControlEvent /*event*/) {
  if (controlId != kQueryButton) {
    return;
  }
  if (WriteRequestPage(platform_, controls_, buildPage_(ReadQuery()), L"八字.htm")) {
    OpenRequestDocument(platform_, controls_, L"八字.htm");
  }
}

StemBranchQuery StemBranchPage::ReadQuery() const {
  StemBranchQuery query;
  query.name = ReadNameBox(controls_);
  query.sex = ReadSexList(controls_);
  query.annotationText = ReadAnnotationBox(controls_);
  const std::wstring single = ReadLimitedText(controls_, kSingleTextBox, kSinglePillarTextLimit);
  if (!single.empty()) {
    query.pillarTexts = SplitSinglePillarText(single);
  } else {
    for (std::size_t p = 0; p < query.pillarTexts.size(); ++p) {
      query.pillarTexts[p] = ReadLimitedText(controls_, kPillarBoxes[p], kPillarTextLimit);
    }
  }
  query.values = ReadValueBoxes(controls_);
  query.spiritStarBasis = ReadSpiritStarBasisRadios(controls_);
  query.earthMonthOption = chart::ReadEarthMonthOption(controls_.IsChecked(kWoodFireMetalWaterRadio));
  return query;
}

}  // namespace shell
