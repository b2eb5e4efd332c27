#include "shell/property_sheet.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <clocale>
#include <cstdlib>

#include "engine/lunar_year.h"
#include "shell/almanac_page_controller.h"
#include "shell/bone_weight_page_controller.h"
#include "shell/chart_page_builders.h"
#include "shell/command_line_mode.h"
#include "shell/four_pillars_page_controller.h"
#include "shell/perpetual_calendar_page_controller.h"
#include "shell/stem_branch_page_controller.h"
#include "shell/study_pages.h"

namespace shell {

namespace {

QString ToQString(std::wstring_view text) {
  return QString::fromWCharArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Dialog units to pixels for the dialog font: x in quarters of the average width of the Latin
// letters, y in eighths of the font's height.
class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = (letters / 26 + 1) / 2;
    baseY_ = metrics.height();
  }
  int X(int units) const { return (units * baseX_ + 2) / 4; }
  int Y(int units) const { return (units * baseY_ + 4) / 8; }

 private:
  int baseX_;
  int baseY_;
};

// The controls of one page as Qt widgets, addressed by id.
class QtPageControls : public PageControls {
 public:
  QtPageControls(std::map<int, QWidget*>& widgets, std::function<void(const QString&)>& message)
      : widgets_(widgets), message_(message) {}

  std::wstring Text(int id) const override {
    QWidget* widget = Find(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      return edit->text().toStdWString();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      return label->text().toStdWString();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      return button->text().toStdWString();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      return combo->currentText().toStdWString();
    }
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
      return text->toPlainText().toStdWString();
    }
    return {};
  }
  void SetText(int id, std::wstring_view text) override {
    QWidget* widget = Find(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      edit->setText(ToQString(text));
      edit->setCursorPosition(0);  // a long number shows its beginning
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      label->setText(ToQString(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      button->setText(ToQString(text));
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      combo->setEditText(ToQString(text));
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
      lines->setPlainText(ToQString(text));
    }
  }
  void ResetComboItems(int id) override {
    if (auto* combo = qobject_cast<QComboBox*>(Find(id))) {
      combo->clear();
    }
  }
  void AddComboItem(int id, std::wstring_view item) override {
    if (auto* combo = qobject_cast<QComboBox*>(Find(id))) {
      combo->addItem(ToQString(item));
    }
  }
  int ComboSelection(int id) const override {
    auto* combo = qobject_cast<QComboBox*>(Find(id));
    if (combo == nullptr || combo->currentIndex() < 0) {
      return -1;
    }
    // Text typed into the edit field that is not the selected entry leaves no valid selection.
    if (combo->currentText() != combo->itemText(combo->currentIndex())) {
      return -1;
    }
    return combo->currentIndex();
  }
  void SetComboSelection(int id, int index) override {
    if (auto* combo = qobject_cast<QComboBox*>(Find(id))) {
      combo->setCurrentIndex(index);
    }
  }
  bool IsChecked(int id) const override {
    auto* button = qobject_cast<QAbstractButton*>(Find(id));
    return button != nullptr && button->isChecked();
  }
  void SetChecked(int id, bool checked) override {
    if (auto* button = qobject_cast<QAbstractButton*>(Find(id))) {
      button->setChecked(checked);
    }
  }
  CalendarDate CalendarSelection(int id) const override {
    CalendarDate date;
    if (auto* calendar = qobject_cast<QCalendarWidget*>(Find(id))) {
      const QDate selected = calendar->selectedDate();
      date.year = selected.year();
      date.month = selected.month();
      date.day = selected.day();
    }
    return date;
  }
  void SetCalendarSelection(int id, CalendarDate date) override {
    if (auto* calendar = qobject_cast<QCalendarWidget*>(Find(id))) {
      calendar->setSelectedDate(QDate(date.year, date.month, date.day));
    }
  }
  void ShowMessage(std::wstring_view text) override { message_(ToQString(text)); }

 private:
  QWidget* Find(int id) const {
    const auto found = widgets_.find(id);
    return found == widgets_.end() ? nullptr : found->second;
  }

  std::map<int, QWidget*>& widgets_;
  std::function<void(const QString&)>& message_;
};

}  // namespace

struct PropertySheet::Page {
  QWidget* widget = nullptr;
  std::map<int, QWidget*> widgets;
  std::function<void(const QString&)> message;
  std::unique_ptr<QtPageControls> controls;
  std::unique_ptr<PageController> controller;
  bool initialized = false;
};

PageControllerFactory StandardPageControllers(Platform& platform) {
  // One set of chart builders for the sheet's two chart tabs, made with the sheet's calendar
  // tables when the first of them opens.
  auto charts = std::make_shared<std::unique_ptr<ChartPageBuilders>>();
  return [&platform, charts](int pageIndex, PageControls& controls,
                             almanac::CalendarTables& tables) -> std::unique_ptr<PageController> {
    if ((pageIndex == 4 || pageIndex == 5) && *charts == nullptr) {
      *charts = std::make_unique<ChartPageBuilders>(tables);
    }
    ChartPageBuilders* chartBuilders = charts->get();
    switch (pageIndex) {
      case 0:
        return std::make_unique<AlmanacPage>(controls, platform,
                                             StandardAlmanacPageServices(tables));
      case 2:
        return std::make_unique<PerpetualCalendarPage>(controls, platform, tables);
      case 3:
        return std::make_unique<BoneWeightPage>(controls, platform, tables.monthCalendar);
      case 4:
        return std::make_unique<FourPillarsPage>(
            controls, platform, [charts, chartBuilders](const FourPillarsQuery& query) {
              return chartBuilders->BuildBirthChartPage(query);
            });
      case 5:
        return std::make_unique<StemBranchPage>(
            controls, platform, [charts, chartBuilders](const StemBranchQuery& query) {
              return chartBuilders->BuildStemBranchChartPage(query);
            });
      case 1:
        return std::make_unique<StudyPage>(controls, platform, L"擇日學",
                                           kDateSelectionStudyButtons);
      case 6:
        return std::make_unique<StudyPage>(controls, platform, L"八字學", kFourPillarsStudyButtons);
      default:
        return nullptr;
    }
  };
}

PropertySheet::PropertySheet(const PageControllerFactory& makeController) {
  setWindowTitle(ToQString(kSheetCaption));
  setModal(true);
  QFont dialogFont(QString::fromLatin1(kDialogFontFamily), kDialogFontPointSize);
  setFont(dialogFont);
  const DialogUnits units(dialogFont);

  tabs_ = new QTabWidget(this);
  const std::vector<PageTemplate>& templates = SheetPageTemplates();
  for (std::size_t index = 0; index < templates.size(); ++index) {
    const PageTemplate& pageTemplate = templates[index];
    auto page = std::make_unique<Page>();
    page->widget = new QWidget;
    page->widget->setFixedSize(units.X(pageTemplate.width), units.Y(pageTemplate.height));
    page->message = [this](const QString& text) {
      QMessageBox::warning(this, QStringLiteral("Tavrel"), text);
    };
    page->controls = std::make_unique<QtPageControls>(page->widgets, page->message);
    Page* raw = page.get();
    std::vector<QWidget*> frames;
    QButtonGroup* radios = nullptr;  // the group of the last kFirstRadio
    for (const ControlTemplate& control : pageTemplate.controls) {
      const QString text = ToQString(control.text);
      QWidget* widget = nullptr;
      switch (control.kind) {
        case ControlKind::kDefaultButton:
        case ControlKind::kButton:
        case ControlKind::kHiddenButton: {
          auto* button = new QPushButton(text, page->widget);
          button->setAutoDefault(control.kind == ControlKind::kDefaultButton);
          button->setVisible(control.kind != ControlKind::kHiddenButton);
          const int id = control.id;
          connect(button, &QPushButton::clicked, this, [raw, id] {
            if (raw->controller) {
              raw->controller->Command(id, ControlEvent::kClicked);
            }
          });
          widget = button;
          break;
        }
        case ControlKind::kEdit:
          widget = new QLineEdit(text, page->widget);
          break;
        case ControlKind::kLabel:
          widget = new QLabel(text, page->widget);
          break;
        case ControlKind::kGroupBox:
          widget = new QGroupBox(text, page->widget);
          frames.push_back(widget);
          break;
        case ControlKind::kComboBox: {
          auto* combo = new QComboBox(page->widget);
          combo->setEditable(true);
          combo->setInsertPolicy(QComboBox::NoInsert);
          const int id = control.id;
          connect(combo, &QComboBox::activated, this, [raw, id](int) {
            if (raw->controller) {
              raw->controller->Command(id, ControlEvent::kSelectionChanged);
            }
          });
          widget = combo;
          break;
        }
        case ControlKind::kMonthCalendar: {
          auto* calendar = new QCalendarWidget(page->widget);
          calendar->setLocale(
              QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan));
          calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
          calendar->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
          // The widget draws the Gregorian calendar back to any year, with no year 0; the date
          // boxes read the same date only from the Gregorian calendar's first day on (earlier
          // dates there are Julian), so the widget offers no earlier day.
          calendar->setDateRange(QDate(1582, 10, 15), QDate(engine::kLastCalendarYear, 12, 31));
          const int id = control.id;
          connect(calendar, &QCalendarWidget::clicked, this, [raw, id](QDate) {
            if (raw->controller) {
              raw->controller->CalendarSelected(id);
            }
          });
          widget = calendar;
          break;
        }
        case ControlKind::kFirstRadio:
        case ControlKind::kRadio: {
          auto* radio = new QRadioButton(text, page->widget);
          radio->setFocusPolicy(Qt::ClickFocus);  // no tab stop
          if (control.kind == ControlKind::kFirstRadio || radios == nullptr) {
            radios = new QButtonGroup(page->widget);
          }
          radios->addButton(radio);
          widget = radio;
          break;
        }
        case ControlKind::kMultiLineEdit: {
          auto* lines = new QPlainTextEdit(page->widget);
          lines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
          lines->setFrameStyle(QFrame::Panel | QFrame::Sunken);
          lines->setLineWidth(2);
          lines->setTabChangesFocus(true);
          widget = lines;
          break;
        }
      }
      // A drop-down list's height in the template includes its open list.
      const int height = control.kind == ControlKind::kComboBox ? 13 : control.height;
      widget->setGeometry(units.X(control.x), units.Y(control.y), units.X(control.width),
                          units.Y(height));
      if (control.id != -1) {
        page->widgets[control.id] = widget;
      }
    }
    for (QWidget* frame : frames) {
      frame->lower();
    }
    page->controller = makeController(static_cast<int>(index), *page->controls, calendarTables_);
    tabs_->addTab(page->widget, ToQString(pageTemplate.caption));
    pages_.push_back(std::move(page));
  }

  exitButton_ = new QPushButton(ToQString(kSheetExitButtonText), this);
  exitButton_->setAutoDefault(false);
  connect(exitButton_, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(exitButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) { ShowPage(index); });
  ShowPage(0);
}

PropertySheet::~PropertySheet() = default;

void PropertySheet::ShowPage(int pageIndex) {
  if (pageIndex < 0 || pageIndex >= static_cast<int>(pages_.size())) {
    return;
  }
  Page& page = *pages_[static_cast<std::size_t>(pageIndex)];
  // The Enter key runs the shown page's "查詢".
  if (auto* query = qobject_cast<QPushButton*>(control(pageIndex, 1));
      query != nullptr && query->autoDefault()) {
    query->setDefault(true);
  }
  if (!page.initialized) {
    page.initialized = true;
    if (page.controller) {
      page.controller->Initialize();
    }
  }
}

QWidget* PropertySheet::control(int pageIndex, int id) const {
  if (pageIndex < 0 || pageIndex >= static_cast<int>(pages_.size())) {
    return nullptr;
  }
  const auto& widgets = pages_[static_cast<std::size_t>(pageIndex)]->widgets;
  const auto found = widgets.find(id);
  return found == widgets.end() ? nullptr : found->second;
}

PageControls& PropertySheet::pageControls(int pageIndex) const {
  return *pages_.at(static_cast<std::size_t>(pageIndex))->controls;
}

void PropertySheet::setMessageHandler(const std::function<void(const QString&)>& handler) {
  for (const auto& page : pages_) {
    page->message = handler;
  }
}

namespace {

void ReportNoDisplay(std::ostream& diagnostics) {
  diagnostics << "tavrel: no display for the property sheet; the pages can be written from the "
                 "command line:\n"
              << kCommandLineUsage << '\n';
  diagnostics.flush();
}

std::ostream* gStartUpDiagnostics = nullptr;
QtMessageHandler gQtMessageHandler = nullptr;

// While the application starts, Qt ends the program when it cannot open the display it was
// given; that fatal message gets the pointer to the command line and the exit status 1 instead.
void StartUpMessageHandler(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
  if (type == QtFatalMsg && gStartUpDiagnostics != nullptr) {
    ReportNoDisplay(*gStartUpDiagnostics);
    std::_Exit(1);
  }
  if (gQtMessageHandler != nullptr) {
    gQtMessageHandler(type, context, message);
  }
}

}  // namespace

int RunPropertySheet(Platform& platform, int& argc, char** argv, std::ostream& diagnostics) {
  const auto isSet = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
  };
  if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
    ReportNoDisplay(diagnostics);
    return 1;
  }
  gStartUpDiagnostics = &diagnostics;
  gQtMessageHandler = qInstallMessageHandler(StartUpMessageHandler);
  QApplication application(argc, argv);
  qInstallMessageHandler(gQtMessageHandler);
  gStartUpDiagnostics = nullptr;
  // Qt takes the user's locale; numbers in pages and boxes keep the C form ("121.500000").
  std::setlocale(LC_NUMERIC, "C");
  PropertySheet sheet(StandardPageControllers(platform));
  sheet.exec();
  return 1;
}

}  // namespace shell
