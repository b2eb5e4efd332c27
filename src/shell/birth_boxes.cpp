#include "shell/birth_boxes.h"

#include <algorithm>

#include "shell/dialog_numbers.h"
#include "vocabulary/number_text.h"

namespace shell {

using Ids = BirthBoxIds;

namespace {

int ReadBirthNumber(const PageControls& controls, int id) {
  return static_cast<int>(std::min<unsigned>(ReadDialogUnsigned(controls.Text(id)), INT_MAX));
}

int ReadBirthYear(const PageControls& controls, int id) {
  return ReadWholeInteger(controls.Text(id)).value_or(kUnreadBirthYear);
}

}  // namespace

void InitializePersonBoxes(PageControls& controls) {
  controls.SetText(Ids::kNameBox, L"");
  controls.ResetComboItems(Ids::kSexList);
  controls.AddComboItem(Ids::kSexList, L"男");
  controls.AddComboItem(Ids::kSexList, L"女");
  controls.SetComboSelection(Ids::kSexList, 0);
}

std::wstring ReadNameBox(const PageControls& controls) {
  return controls.Text(Ids::kNameBox).substr(0, kNameLimit);
}

std::wstring ReadSexList(const PageControls& controls) {
  return controls.ComboSelection(Ids::kSexList) == 1 ? L"女" : L"男";
}

void InitializeBirthBoxes(PageControls& controls, const LocalTime& now) {
  controls.SetText(Ids::kYearBox, vocabulary::DecimalText(now.year));
  controls.SetText(Ids::kMonthBox, vocabulary::DecimalText(now.month));
  controls.SetText(Ids::kDayBox, vocabulary::DecimalText(now.day));
  controls.SetText(Ids::kHourBox, vocabulary::DecimalText(now.hour));
  controls.SetText(Ids::kMinuteBox, vocabulary::DecimalText(now.minute));
  InitializePersonBoxes(controls);
}

BirthBoxValues ReadBirthBoxes(const PageControls& controls) {
  BirthBoxValues values;
  values.name = ReadNameBox(controls);
  values.sex = ReadSexList(controls);
  values.year = ReadBirthYear(controls, Ids::kYearBox);
  values.month = ReadBirthNumber(controls, Ids::kMonthBox);
  values.day = ReadBirthNumber(controls, Ids::kDayBox);
  values.hour = ReadBirthNumber(controls, Ids::kHourBox);
  values.minute = ReadBirthNumber(controls, Ids::kMinuteBox);
  return values;
}

}  // namespace shell
