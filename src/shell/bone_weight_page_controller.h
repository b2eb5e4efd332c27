#pragma once

#include <functional>
#include <string>

#include "engine/month_calendar.h"
#include "shell/control_ids.h"
#include "shell/page_controls.h"
#include "shell/place_picker.h"
#include "shell/platform.h"

namespace shell {

// Makes the bone-weighing page of a birth (chart::BuildBoneWeightPage on the page's month
// calendar unless a test says otherwise): year, month, day, hour, minute (civil time of UTC+8),
// name, sex, longitude in degrees east.
using BoneWeightPageBuilder = std::function<std::wstring(
    int year, int month, int day, int hour, int minute, const std::wstring& name,
    const std::wstring& sex, double longitude)>;

// The "袁天罡稱骨術" page: name, sex, birth date and time, province and place with the longitude
// box, and "查詢", which writes the bone-weighing reading as "八字重.htm" and opens "index2.htm".
class BoneWeightPage : public PageController, public BoneWeightPageIds {
 public:
  // The birth check and the standard reading work with `calendar`, which must outlive the page.
  BoneWeightPage(PageControls& controls, Platform& platform, engine::MonthCalendar& calendar,
                 BoneWeightPageBuilder buildPage = nullptr);

  // The birth boxes show the computer's date and time, the name box is empty, the sex list shows
  // "男", the place lists "臺灣" and "臺北市" with their longitude, latitude and place line.
  void Initialize() override;

  // A new province or place, or "查詢": the birth boxes as ReadBirthBoxes reads them (the name
  // cut to its first 31 characters, "男" for a sex list with no valid selection, the year box as
  // a signed whole number and the other boxes as unsigned numbers) and the longitude box. A date
  // or longitude that the reading refuses shows its message and nothing is written; otherwise the
  // page is written and, once written, "index2.htm" opened (written first when the working
  // directory has none).
  void Command(int controlId, ControlEvent event) override;

 private:
  void Query();

  PageControls& controls_;
  Platform& platform_;
  engine::MonthCalendar& calendar_;
  BoneWeightPageBuilder buildPage_;
  PlacePicker places_;
};

}  // namespace shell
