#pragma once

#include <string>
#include <vector>

namespace shell {

// What a control of a page is.
enum class ControlKind {
  kDefaultButton,  // the page's "查詢", run also by the Enter key
  kButton,
  kHiddenButton,  // in the page, never shown nor reachable
  kEdit,          // one-line edit box, any text
  kLabel,         // static text
  kGroupBox,      // a captioned frame drawn behind the controls inside it
  kComboBox,      // drop-down list with an edit field, unsorted
  kMonthCalendar,
  kFirstRadio,     // automatic radio button, no tab stop, starting a new group of radios
  kRadio,          // automatic radio button, no tab stop, in the group of the last kFirstRadio
  kMultiLineEdit,  // multi-line edit box with a vertical scroll bar and a double border
};

// One control: id (-1 for a label or frame that nothing addresses), kind, text, and position in
// dialog units (a quarter of the dialog font's average character width across, an eighth of its
// height down).
struct ControlTemplate {
  int id;
  ControlKind kind;
  std::wstring text;
  int x;
  int y;
  int width;
  int height;
};

// One page of the sheet: the tab's caption, its size in dialog units and its controls in tab
// order.
struct PageTemplate {
  std::wstring caption;
  int width;
  int height;
  std::vector<ControlTemplate> controls;
};

// The seven pages in tab order: "農民曆", "擇日學", "萬年曆", "袁天罡稱骨術", "八字排盤",
// "干支排盤", "八字學".
const std::vector<PageTemplate>& SheetPageTemplates();

// The sheet's caption: the product's name, "Tavrel".
extern const wchar_t kSheetCaption[];

// The one button of the sheet, which closes it.
extern const wchar_t kSheetExitButtonText[];

// The dialog font: "細明體" at 12 points on the system the pages were drawn for; here a
// Traditional-Chinese Ming typeface of the same size.
extern const char kDialogFontFamily[];
inline constexpr int kDialogFontPointSize = 12;

}  // namespace shell
