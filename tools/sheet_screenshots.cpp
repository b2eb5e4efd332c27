// Saves a picture of each page of the property sheet that has its controls, for the README:
// build the target sheet-screenshots and run it from docs/screenshots. Rendered with Qt's
// offscreen platform, so no display is needed.

#include <QApplication>
#include <QPixmap>
#include <QTabWidget>
#include <utility>

#include "shell/platform.h"
#include "shell/property_sheet.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  shell::SystemPlatform platform;
  shell::PropertySheet sheet(shell::StandardPageControllers(platform));
  sheet.show();
  const std::pair<int, const char*> pages[] = {{0, "almanac.png"},
                                               {1, "date-selection-study.png"},
                                               {2, "perpetual-calendar.png"},
                                               {3, "bone-weighing.png"},
                                               {4, "four-pillars.png"},
                                               {5, "stem-branch.png"},
                                               {6, "four-pillars-study.png"}};
  for (const auto& [tab, file] : pages) {
    sheet.tabs()->setCurrentIndex(tab);
    app.processEvents();
    sheet.grab().save(file);
  }
  return 0;
}
