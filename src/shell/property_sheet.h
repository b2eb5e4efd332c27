#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <vector>

#include "shell/page_controls.h"
#include "shell/page_templates.h"
#include "shell/platform.h"

class QPushButton;
class QTabWidget;

namespace shell {

// Makes the controller of page `pageIndex` (0..6 in tab order) over its controls; a page
// without logic yet gets nullptr.
using PageControllerFactory =
    std::function<std::unique_ptr<PageController>(int pageIndex, PageControls& controls)>;

// The controllers of the finished pages: "農民曆", "擇日學", "萬年曆", "袁天罡稱骨術" and "八字學".
PageControllerFactory StandardPageControllers(Platform& platform);

// The program's one window: a modal dialog of seven tabs laid out from the page templates, with
// the single button "結束(&X)" that closes it. A page's controller is initialised when the page
// is first shown (the first page at once) and then receives its controls' events.
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
  std::vector<std::unique_ptr<Page>> pages_;
};

// Runs the property sheet with the standard pages until the user closes it and returns the exit
// status 1. Without a display it says so on `diagnostics`, pointing to the command line, and
// returns 1 without a window.
int RunPropertySheet(Platform& platform, int& argc, char** argv, std::ostream& diagnostics);

}  // namespace shell
