#pragma once

#include <functional>
#include <string>

#include "chart/birth_chart_entry.h"
#include "chart/chart_settings.h"
#include "shell/birth_boxes.h"
#include "shell/chart_page_controls.h"
#include "shell/control_ids.h"
#include "shell/page_controls.h"
#include "shell/place_picker.h"
#include "shell/platform.h"

namespace shell {

// What "查詢" on "八字排盤" reads from the page: the birth data and the chart settings, as the
// birth-data entry takes them (the name at most 31 characters, the annotation at most 1,023 with
// its line breaks kept).
using FourPillarsQuery = chart::BirthChartRequest;

// The chart page of a query, or the message that rejects its birth data.
using FourPillarsPageBuilder = std::function<std::wstring(const FourPillarsQuery&)>;

// The "八字排盤" page: name, sex, birth date and time, the place lists with the longitude box and
// the latitude, the chart settings and the annotation; "查詢" writes the chart page (or the
// message that rejects the birth data) as "八字.htm" and opens it.
class FourPillarsPage : public PageController, public FourPillarsPageIds {
 public:
  FourPillarsPage(PageControls& controls, Platform& platform, FourPillarsPageBuilder buildPage);

  // The birth boxes show the current date and time, the values 8 5 3 2 1, "年日", "立春" and
  // "通考" are on, the sex is "男", the place "臺灣" / "臺北市" with its longitude and latitude.
  void Initialize() override;
  void Command(int controlId, ControlEvent event) override;

  // The query that the controls hold now, as "查詢" reads it.
  FourPillarsQuery ReadQuery() const;

 private:
  PageControls& controls_;
  Platform& platform_;
  FourPillarsPageBuilder buildPage_;
  PlacePicker places_;
};

}  // namespace shell
