#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <vector>

#include "almanac/calendar_tables.h"
#include "shell/page_controls.h"
#include "shell/page_templates.h"
#include "shell/platform.h"

class QPushButton;
class QTabWidget;

namespace shell {

// Makes the controller of page `pageIndex` (0..6 in tab order) over its controls, with the
// sheet's calendar tables for the pages that lay out calendars; a page without logic gets
// nullptr.
using PageControllerFactory = std::function<std::unique_ptr<PageController>(
    int pageIndex, PageControls& controls, almanac::CalendarTables& tables)>;

// The controllers of the seven pages; the two chart tabs share one set of chart builders.
PageControllerFactory StandardPageControllers(Platform& platform);

// The program's one window: a modal dialog of seven tabs laid out from the page templates, with
// the single button "結束(&X)" that closes it. A page's controller is initialised when the page
// is first shown (the first page at once) and then receives its controls' events. The sheet
// keeps one set of calendar tables for all its pages, so that a lunar year is laid out about
// once however many pages ask for it.
class PropertySheet : public QDialog {
 public:
  PropertySheet(const PageControllerFactory& makeController);
  ~PropertySheet() override;

  QTabWidget* tabs() const { return tabs_; }
  QPushButton* exitButton() const { return exitButton_; }
  // The widget of control `id` on page `pageIndex`, or nullptr.
  QWidget* control(int pageIndex, int id) const;
  // The controls of page `pageIndex`, as its controller sees them.
  PageControls& pageControls(int pageIndex) const;
  // Replaces the message box that the pages show (tests record the texts instead).
  void setMessageHandler(const std::function<void(const QString&)>& handler);

 private:
  struct Page;
  void ShowPage(int pageIndex);

  QTabWidget* tabs_ = nullptr;
  QPushButton* exitButton_ = nullptr;
  almanac::CalendarTables calendarTables_;  // before the pages, which use it until they go
  std::vector<std::unique_ptr<Page>> pages_;
};

// Runs the property sheet with the standard pages until the user closes it and returns the exit
// status 1. Without a display it says so on `diagnostics`, pointing to the command line, and
// returns 1 without a window.
int RunPropertySheet(Platform& platform, int& argc, char** argv, std::ostream& diagnostics);

}  // namespace shell
