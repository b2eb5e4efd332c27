#pragma once

#include <array>
#include <functional>
#include <string>

#include "chart/chart_settings.h"
#include "chart/stem_branch_chart_entry.h"
#include "shell/birth_boxes.h"
#include "shell/chart_page_controls.h"
#include "shell/control_ids.h"
#include "shell/page_controls.h"
#include "shell/platform.h"

namespace shell {

// What "查詢" on "干支排盤" reads from the page: four typed pillars (at most 31 characters each,
// or cut from the single text when it is not empty) and the chart settings, as the typed-pillar
// entry takes them.
using StemBranchQuery = chart::StemBranchChartRequest;

// The chart page of a query, or the message that rejects its first pillar that fails.
using StemBranchPageBuilder = std::function<std::wstring(const StemBranchQuery&)>;

// The four pillars of a single text of the form "甲子、甲子、甲子、甲子" (at most 63 characters):
// characters 0-1, 3-4, 6-7 and 9-10, whatever stands at 2, 5 and 8 and from 11 on. A position
// past the end of a shorter text gives nothing, so that pillar fails its test.
std::array<std::wstring, 4> SplitSinglePillarText(const std::wstring& text);

// The "干支排盤" page: four pillar boxes or the single text, name, sex, the chart settings and the
// annotation; "查詢" writes the chart page (or the message of the first pillar that fails) as
// "八字.htm" and opens it.
class StemBranchPage : public PageController, public StemBranchPageIds {
 public:
  StemBranchPage(PageControls& controls, Platform& platform, StemBranchPageBuilder buildPage);

  // "甲子" in the four pillar boxes, the values 8 5 3 2 1, "年日" and "土" on, the sex "男".
  void Initialize() override;
  void Command(int controlId, ControlEvent event) override;

  // The query that the controls hold now, as "查詢" reads it.
  StemBranchQuery ReadQuery() const;

 private:
  PageControls& controls_;
  Platform& platform_;
  StemBranchPageBuilder buildPage_;
};

}  // namespace shell
