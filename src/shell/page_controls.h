#pragma once

#include <string>
#include <string_view>

namespace shell {

// A day picked in or shown by a month calendar.
struct CalendarDate {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;
};

// How a control reported itself to its page: a button pressed, or the user choosing another
// entry of a list.
enum class ControlEvent { kClicked, kSelectionChanged };

// The controls of one page of the property sheet, addressed by control id. The page
// controllers work through this alone, so tests drive them without any window and the widgets
// of the sheet only bind to it.
class PageControls {
 public:
  virtual ~PageControls() = default;

  virtual std::wstring Text(int id) const = 0;
  virtual void SetText(int id, std::wstring_view text) = 0;

  // Drop-down lists: the entries in order and the selected position, -1 for none (text typed
  // into the list's edit field that names no entry).
  virtual void ResetComboItems(int id) = 0;
  virtual void AddComboItem(int id, std::wstring_view item) = 0;
  virtual int ComboSelection(int id) const = 0;
  virtual void SetComboSelection(int id, int index) = 0;

  virtual bool IsChecked(int id) const = 0;
  virtual void SetChecked(int id, bool checked) = 0;

  virtual CalendarDate CalendarSelection(int id) const = 0;
  virtual void SetCalendarSelection(int id, CalendarDate date) = 0;

  // A modal message box over the sheet; returns when the user has closed it.
  virtual void ShowMessage(std::wstring_view text) = 0;
};

// One page's logic: what it does on opening, on a control's event and on a day picked in its
// month calendar.
class PageController {
 public:
  virtual ~PageController() = default;
  virtual void Initialize() {}
  virtual void Command(int /*controlId*/, ControlEvent /*event*/) {}
  virtual void CalendarSelected(int /*controlId*/) {}
};

}  // namespace shell
