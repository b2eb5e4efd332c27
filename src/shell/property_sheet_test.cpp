// The property sheet's widgets, offscreen.
#include "shell/property_sheet.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <filesystem>
#include <memory>
#include <vector>

#include "chart/bone_weight_page.h"
#include "shell/chart_page_builders.h"
#include "shell/control_ids.h"
#include "shell/test_support.h"
#include "shell/utf8_text.h"

namespace shell {
namespace {

using testing::RecordingPlatform;

class PropertySheetTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "property_sheet_test";
    static char* argv[] = {name, nullptr};
    application_ = new QApplication(argc, argv);
  }
  static void TearDownTestSuite() {
    delete application_;
    application_ = nullptr;
  }

  static QApplication* application_;
};

QApplication* PropertySheetTest::application_ = nullptr;

std::string Utf8(const QString& text) { return text.toStdString(); }

// A message box would wait for a user that an offscreen run never has: the sheets of the tests
// fail on any message instead of showing it.
void RefuseMessageBoxes(PropertySheet& sheet) {
  sheet.setMessageHandler(
      [](const QString& text) { ADD_FAILURE() << "unexpected message: " << Utf8(text); });
}

TEST_F(PropertySheetTest, CaptionTabsAndTheOneButton) {
  RecordingPlatform platform;
  PropertySheet sheet(StandardPageControllers(platform));
  RefuseMessageBoxes(sheet);
  sheet.show();
  EXPECT_EQ(Utf8(sheet.windowTitle()), "Tavrel");
  ASSERT_EQ(sheet.tabs()->count(), 7);
  const char* captions[] = {"農民曆",   "擇日學",   "萬年曆", "袁天罡稱骨術",
                            "八字排盤", "干支排盤", "八字學"};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(Utf8(sheet.tabs()->tabText(i)), captions[i]);
  }
  EXPECT_EQ(sheet.tabs()->currentIndex(), 0);
  for (int i = 0; i < 7; ++i) {
    sheet.tabs()->setCurrentIndex(i);
  }
  // Buttons of the sheet itself, outside the pages: only "結束(&X)".
  int sheetButtons = 0;
  for (QPushButton* button : sheet.findChildren<QPushButton*>()) {
    if (!sheet.tabs()->isAncestorOf(button)) {
      ++sheetButtons;
      EXPECT_EQ(Utf8(button->text()), "結束(&X)");
    }
  }
  EXPECT_EQ(sheetButtons, 1);
  EXPECT_TRUE(platform.launched.empty());
}

TEST_F(PropertySheetTest, TheExitButtonClosesTheSheet) {
  RecordingPlatform platform;
  PropertySheet sheet(StandardPageControllers(platform));
  RefuseMessageBoxes(sheet);
  sheet.show();
  sheet.exitButton()->click();
  EXPECT_EQ(sheet.result(), QDialog::Rejected);
  EXPECT_FALSE(sheet.isVisible());
}

TEST_F(PropertySheetTest, StudyButtonsOpenTheirDocuments) {
  testing::ScopedWorkingDirectory directory;
  testing::MakeDocument(directory.path(), "擇日學/春牛經.htm");
  testing::MakeDocument(directory.path(), "八字學/論合化.htm");
  RecordingPlatform platform;
  platform.workingDirectory = "/w";
  PropertySheet sheet(StandardPageControllers(platform));
  RefuseMessageBoxes(sheet);
  sheet.show();
  sheet.tabs()->setCurrentIndex(1);
  auto* button = qobject_cast<QPushButton*>(sheet.control(1, 1021));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(Utf8(button->text()), "春年經");
  button->click();
  sheet.tabs()->setCurrentIndex(6);
  auto* hidden = qobject_cast<QPushButton*>(sheet.control(6, 1053));
  ASSERT_NE(hidden, nullptr);
  EXPECT_FALSE(hidden->isVisible());
  int visible = 0;
  for (QPushButton* b : sheet.tabs()->widget(6)->findChildren<QPushButton*>()) {
    visible += b->isVisible() ? 1 : 0;
  }
  EXPECT_EQ(visible, 37);
  qobject_cast<QPushButton*>(sheet.control(6, 1018))->click();
  ASSERT_EQ(platform.launched.size(), 2u);
  EXPECT_EQ(platform.launched[0],
            "file:///w/%E6%93%87%E6%97%A5%E5%AD%B8/%E6%98%A5%E7%89%9B%E7%B6%93.htm");
  EXPECT_EQ(platform.launched[1],
            "file:///w/%E5%85%AB%E5%AD%97%E5%AD%B8/%E8%AB%96%E5%90%88%E5%8C%96.htm");
}

TEST_F(PropertySheetTest, QueriesWriteTheirFilesAndOpenTheirDocuments) {
  testing::ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  platform.workingDirectory = "/w";
  platform.now = {2024, 2, 10, 8, 30, 0, -8.0};
  PropertySheet sheet(StandardPageControllers(platform));
  std::vector<std::string> messages;
  sheet.setMessageHandler([&messages](const QString& text) { messages.push_back(Utf8(text)); });
  sheet.show();

  // "農民曆" opened with today's date and the first place.
  EXPECT_EQ(Utf8(qobject_cast<QLineEdit*>(sheet.control(0, 1005))->text()), "2024");
  EXPECT_EQ(Utf8(qobject_cast<QLineEdit*>(sheet.control(0, 1065))->text()), "121.500000");
  EXPECT_EQ(Utf8(qobject_cast<QComboBox*>(sheet.control(0, 1031))->currentText()), "臺北市");
  qobject_cast<QPushButton*>(sheet.control(0, 1))->click();
  EXPECT_EQ(testing::DirectoryNames(directory.path()),
            (std::vector<std::string>{"index1.htm", "農民曆.htm", "陰曆.htm"}));
  ASSERT_EQ(platform.launched.size(), 1u);
  EXPECT_EQ(platform.launched[0], "file:///w/index1.htm");

  // "萬年曆" with 1900 typed.
  EXPECT_TRUE(qobject_cast<QPushButton*>(sheet.control(0, 1))->isDefault());
  sheet.tabs()->setCurrentIndex(2);
  EXPECT_TRUE(qobject_cast<QPushButton*>(sheet.control(2, 1))->isDefault());
  EXPECT_FALSE(qobject_cast<QPushButton*>(sheet.control(0, 1))->isDefault());
  auto* year = qobject_cast<QLineEdit*>(sheet.control(2, 1005));
  ASSERT_NE(year, nullptr);
  EXPECT_EQ(Utf8(year->text()), "2024");
  year->setText(QStringLiteral("1900"));
  qobject_cast<QPushButton*>(sheet.control(2, 1))->click();
  ASSERT_EQ(platform.launched.size(), 2u);
  EXPECT_EQ(platform.launched[1], "file:///w/%E8%90%AC%E5%B9%B4%E6%9B%86.htm");
  EXPECT_GT(std::filesystem::file_size(directory.path() / "萬年曆.htm"), 1000u);
  EXPECT_TRUE(messages.empty());
}

// Failures to open a document reach the user as message boxes over the sheet.
TEST_F(PropertySheetTest, DocumentsThatCannotBeOpenedAreReported) {
  testing::ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  platform.now = {2024, 2, 10, 8, 30, 0, -8.0};
  PropertySheet sheet(StandardPageControllers(platform));
  std::vector<std::string> messages;
  sheet.setMessageHandler([&messages](const QString& text) { messages.push_back(Utf8(text)); });
  sheet.show();
  sheet.tabs()->setCurrentIndex(1);
  qobject_cast<QPushButton*>(sheet.control(1, 1023))->click();
  platform.launchError = "cannot start xdg-open: No such file or directory";
  sheet.tabs()->setCurrentIndex(0);
  qobject_cast<QPushButton*>(sheet.control(0, 1))->click();
  EXPECT_EQ(messages,
            (std::vector<std::string>{
                "找不到文件 擇日學/氣候.htm",
                "無法開啟 index1.htm：cannot start xdg-open: No such file or directory"}));
  EXPECT_EQ(testing::DirectoryNames(directory.path()),
            (std::vector<std::string>{"index1.htm", "農民曆.htm", "陰曆.htm"}));
  EXPECT_TRUE(platform.launched.empty());
}

// The "袁天罡稱骨術" page: its opening state, and queries whose files hold the reading of what the
// boxes and lists say.
TEST_F(PropertySheetTest, TheBoneWeighingPageWritesTheReading) {
  testing::ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  platform.workingDirectory = "/w";
  platform.now = {2024, 2, 9, 8, 5, 0, -8.0};
  PropertySheet sheet(StandardPageControllers(platform));
  RefuseMessageBoxes(sheet);
  sheet.show();
  sheet.tabs()->setCurrentIndex(3);
  EXPECT_TRUE(qobject_cast<QPushButton*>(sheet.control(3, 1))->isDefault());
  auto text = [&sheet](int id) -> std::string {
    QWidget* widget = sheet.control(3, id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      return Utf8(edit->text());
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      return Utf8(label->text());
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      return Utf8(combo->currentText());
    }
    return "(no such control)";
  };
  EXPECT_EQ(text(1005), "2024");
  EXPECT_EQ(text(1006), "2");
  EXPECT_EQ(text(1007), "9");
  EXPECT_EQ(text(1008), "8");
  EXPECT_EQ(text(1010), "5");
  EXPECT_EQ(text(1009), "");
  EXPECT_EQ(text(1032), "男");
  EXPECT_EQ(text(1030), "臺灣");
  EXPECT_EQ(text(1031), "臺北市");
  EXPECT_EQ(text(1065), "121.500000");
  EXPECT_EQ(text(1012), "25.050000");
  EXPECT_EQ(text(1050), "東經121°30'  北緯25°03'");

  engine::MonthCalendar calendar;
  auto query = [&sheet, &directory]() {
    qobject_cast<QPushButton*>(sheet.control(3, 1))->click();
    return testing::DecodeCodePage950(testing::ReadFileBytes(directory.path() / "八字重.htm"));
  };
  auto* name = qobject_cast<QLineEdit*>(sheet.control(3, 1009));
  name->setText(QString(40, QChar(0x738B)));  // 40 times 王
  // "香港": chosen as a user chooses, the longitude box shows 114.083333 and its first 8
  // characters reach the reading.
  auto* provinces = qobject_cast<QComboBox*>(sheet.control(3, 1030));
  const int hongKong = provinces->findText(QStringLiteral("香港"));
  ASSERT_GE(hongKong, 0);
  provinces->setCurrentIndex(hongKong);
  emit provinces->activated(hongKong);
  EXPECT_EQ(text(1065), "114.083333");
  EXPECT_TRUE(query() == chart::BuildBoneWeightPage(calendar, 2024, 2, 9, 8, 5,
                                                    std::wstring(31, L'王'), L"男", 114.0833));
  ASSERT_EQ(platform.launched.size(), 1u);
  EXPECT_EQ(platform.launched[0], "file:///w/index2.htm");
  EXPECT_EQ(testing::DirectoryNames(directory.path()),
            (std::vector<std::string>{"index2.htm", "八字重.htm"}));

  // A longitude typed by hand wins; letters in the hour box read 0; "女" chosen.
  qobject_cast<QLineEdit*>(sheet.control(3, 1065))->setText(QStringLiteral("100.25"));
  qobject_cast<QLineEdit*>(sheet.control(3, 1008))->setText(QStringLiteral("ab"));
  qobject_cast<QComboBox*>(sheet.control(3, 1032))->setCurrentIndex(1);
  name->setText(QStringLiteral("<陳>"));
  EXPECT_TRUE(query() ==
              chart::BuildBoneWeightPage(calendar, 2024, 2, 9, 0, 5, L"<陳>", L"女", 100.25));
  EXPECT_EQ(platform.launched.size(), 2u);
}

// "八字排盤" writes the chart page of the birth, or the message that refuses it, as "八字.htm" and
// opens it.
TEST_F(PropertySheetTest, TheFourPillarsPageWritesTheChartPage) {
  testing::ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  platform.workingDirectory = "/w";
  platform.now = {2024, 2, 10, 8, 30, 0, -8.0};
  PropertySheet sheet(StandardPageControllers(platform));
  RefuseMessageBoxes(sheet);
  sheet.show();
  sheet.tabs()->setCurrentIndex(4);
  auto query = [&sheet, &directory]() {
    qobject_cast<QPushButton*>(sheet.control(4, 1))->click();
    return testing::DecodeCodePage950(testing::ReadFileBytes(directory.path() / "八字.htm"));
  };
  FourPillarsQuery expected;
  expected.year = 2024;
  expected.month = 2;
  expected.day = 10;
  expected.hour = 8;
  expected.minute = 30;
  expected.sex = L"男";
  expected.longitude = 121.5;
  ChartPageBuilders charts;
  const std::wstring page = query();
  EXPECT_TRUE(page == charts.BuildBirthChartPage(expected));
  EXPECT_EQ(page.substr(page.size() - 22), L"</p><br></body></html>");
  EXPECT_EQ(platform.launched, std::vector<std::string>{"file:///w/%E5%85%AB%E5%AD%97.htm"});

  qobject_cast<QLineEdit*>(sheet.control(4, 1006))->setText(QStringLiteral("13"));
  EXPECT_TRUE(query() == L"生日月份輸入錯誤 !");
  EXPECT_EQ(platform.launched.size(), 2u);
}

// "干支排盤" writes the chart page of the program's builders, or the message of the first pillar
// that fails its test, as "八字.htm" and opens it.
TEST_F(PropertySheetTest, TheStemBranchPageWritesTheChartPage) {
  testing::ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  platform.workingDirectory = "/w";
  PropertySheet sheet(StandardPageControllers(platform));
  RefuseMessageBoxes(sheet);
  sheet.show();
  sheet.tabs()->setCurrentIndex(5);
  auto query = [&sheet, &directory]() {
    qobject_cast<QPushButton*>(sheet.control(5, 1))->click();
    return testing::DecodeCodePage950(testing::ReadFileBytes(directory.path() / "八字.htm"));
  };
  StemBranchQuery expected;
  expected.pillarTexts = {L"甲子", L"甲子", L"甲子", L"甲子"};
  expected.sex = L"男";
  const std::wstring page = query();
  EXPECT_TRUE(page == ChartPageBuilders().BuildStemBranchChartPage(expected));
  EXPECT_EQ(page.substr(page.size() - 22), L"</p><br></body></html>");
  EXPECT_EQ(platform.launched, std::vector<std::string>{"file:///w/%E5%85%AB%E5%AD%97.htm"});

  auto* single = qobject_cast<QLineEdit*>(sheet.control(5, 1010));
  single->setText(QStringLiteral("庚午辛巳壬申癸卯"));
  EXPECT_TRUE(query() == L"月天干輸入錯誤 !");
  single->setText(QStringLiteral(" "));
  EXPECT_TRUE(query() == L"年天干輸入錯誤 !");
  EXPECT_EQ(platform.launched.size(), 3u);
}

// A date the reading refuses is a message box on the sheet, and nothing is written.
TEST_F(PropertySheetTest, TheBoneWeighingPageRefusesABadDate) {
  testing::ScopedWorkingDirectory directory;
  RecordingPlatform platform;
  platform.now = {2024, 2, 9, 8, 5, 0, -8.0};
  PropertySheet sheet(StandardPageControllers(platform));
  std::vector<std::string> messages;
  sheet.setMessageHandler([&messages](const QString& text) { messages.push_back(Utf8(text)); });
  sheet.tabs()->setCurrentIndex(3);
  qobject_cast<QLineEdit*>(sheet.control(3, 1007))->setText(QStringLiteral("30"));
  qobject_cast<QPushButton*>(sheet.control(3, 1))->click();
  EXPECT_EQ(messages, std::vector<std::string>{"生日日期輸入錯誤 !"});
  EXPECT_TRUE(testing::DirectoryNames(directory.path()).empty());
  EXPECT_TRUE(platform.launched.empty());
}

// The year boxes of "袁天罡稱骨術" and "八字排盤" hold a signed whole number: "-5" is the year −5,
// and a box of anything else is refused with the year's message, a message box on the first and
// the message as the chart page on the second.
TEST_F(PropertySheetTest, TheBirthPagesReadTheYearAsASignedWholeNumber) {
  struct Case {
    const char* year;
    const char* message;  // empty when the year is accepted
  };
  const Case cases[] = {
      {"-5", ""},
      {" 1984 ", ""},
      {"+0", ""},
      {"-4712", ""},
      {"9999", ""},
      {"", "生日年份輸入錯誤 !"},
      {"abc", "生日年份輸入錯誤 !"},
      {"0x7C0", "生日年份輸入錯誤 !"},
      {"1984年", "生日年份輸入錯誤 !"},
      {"-4713", "生日年份輸入錯誤 !"},
      {"10000", "生日年份輸入錯誤 !"},
      {"4294967295", "生日年份輸入錯誤 !"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year);
    testing::ScopedWorkingDirectory directory;
    RecordingPlatform platform;
    platform.now = {2024, 2, 9, 8, 5, 0, -8.0};
    PropertySheet sheet(StandardPageControllers(platform));
    std::vector<std::string> messages;
    sheet.setMessageHandler([&messages](const QString& text) { messages.push_back(Utf8(text)); });
    for (int tab : {3, 4}) {
      sheet.tabs()->setCurrentIndex(tab);
      qobject_cast<QLineEdit*>(sheet.control(tab, 1005))->setText(QString::fromUtf8(c.year));
      qobject_cast<QPushButton*>(sheet.control(tab, 1))->click();
    }
    const std::wstring chartPage =
        testing::DecodeCodePage950(testing::ReadFileBytes(directory.path() / "八字.htm"));
    if (*c.message == '\0') {
      EXPECT_TRUE(messages.empty());
      EXPECT_EQ(testing::DirectoryNames(directory.path()),
                (std::vector<std::string>{"index2.htm", "八字.htm", "八字重.htm"}));
      EXPECT_EQ(chartPage.rfind(L"<", 0), 0u);
      const std::string year = c.year;
      const std::size_t digits = year.find_first_not_of(" +");
      const std::wstring yearText =
          Utf8ToWide(year.substr(digits, year.find(' ', digits) - digits));
      EXPECT_NE(chartPage.find(yearText), std::wstring::npos);
      continue;
    }
    EXPECT_EQ(messages, std::vector<std::string>{c.message});
    EXPECT_EQ(testing::DirectoryNames(directory.path()), std::vector<std::string>{"八字.htm"});
    EXPECT_TRUE(chartPage == Utf8ToWide(c.message));
  }
}

// The longitude boxes of "袁天罡稱骨術" and "八字排盤" show their whole "%f" value, which a query
// reads, beside the latitude and clear of it.
TEST_F(PropertySheetTest, TheBirthPagesShowTheWholeLongitude) {
  RecordingPlatform platform;
  PropertySheet sheet(StandardPageControllers(platform));
  RefuseMessageBoxes(sheet);
  sheet.show();
  for (int tab : {3, 4}) {
    SCOPED_TRACE(tab);
    sheet.tabs()->setCurrentIndex(tab);
    QApplication::processEvents();
    auto* longitude = qobject_cast<QLineEdit*>(sheet.control(tab, 1065));
    ASSERT_NE(longitude, nullptr);
    EXPECT_EQ(Utf8(longitude->text()), "121.500000");
    // Scrolled to its start, the box shows the text's end inside its frame.
    longitude->home(false);
    EXPECT_EQ(longitude->cursorPositionAt(QPoint(longitude->width() - 4, longitude->height() / 2)),
              longitude->text().size());
    EXPECT_LT(longitude->geometry().right(), sheet.control(tab, 1012)->geometry().left());
  }
}

// The width that a line edit gives its text, found as QLineEdit lays the text out: the style's
// contents rectangle inside the frame, less the text margins and the two pixels that the edit
// keeps free on either side. A text is shown whole, unscrolled, when its advance and the
// one-pixel cursor fit in it.
int LineEditTextRoom(const QLineEdit& edit) {
  QStyleOptionFrame frame;
  frame.initFrom(&edit);
  frame.rect = edit.contentsRect();
  frame.lineWidth =
      edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &edit) : 0;
  frame.midLineWidth = 0;
  frame.state |= QStyle::State_Sunken;
  frame.features = QStyleOptionFrame::None;
  const QRect contents = edit.style()
                             ->subElementRect(QStyle::SE_LineEditContents, &frame, &edit)
                             .marginsRemoved(edit.textMargins());
  constexpr int kHorizontalMargin = 2;
  return contents.width() - 2 * kHorizontalMargin;
}

// The chosen place's longitude and latitude show whole in their "%f" form on the three pages of
// the place picker: each box has room for its text inside its frame, the latitude label for its
// text, and every one of them stands inside the group box "經緯度", clear of the other controls.
TEST_F(PropertySheetTest, ThePlacePagesShowTheWholeCoordinates) {
  struct Coordinate {
    int id;
    const char* text;
  };
  struct Case {
    int tab;
    Coordinate longitude;
    Coordinate latitude;
  };
  const Case cases[] = {
      {0,
       {AlmanacPageIds::kLongitudeBox, "121.500000"},
       {AlmanacPageIds::kLatitudeBox, "25.050000"}},
      {3,
       {BoneWeightPageIds::kLongitudeBox, "121.500000"},
       {BoneWeightPageIds::kLatitudeText, "25.050000"}},
      {4,
       {FourPillarsPageIds::kLongitudeBox, "121.500000"},
       {FourPillarsPageIds::kLatitudeText, "25.050000"}},
  };
  RecordingPlatform platform;
  PropertySheet sheet(StandardPageControllers(platform));
  RefuseMessageBoxes(sheet);
  sheet.show();
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8(sheet.tabs()->tabText(c.tab)));
    sheet.tabs()->setCurrentIndex(c.tab);
    QApplication::processEvents();
    QWidget* page = sheet.tabs()->widget(c.tab);
    QGroupBox* group = nullptr;
    for (QGroupBox* box : page->findChildren<QGroupBox*>()) {
      if (box->title() == QStringLiteral("經緯度")) {
        group = box;
      }
    }
    ASSERT_NE(group, nullptr);
    for (const Coordinate& coordinate : {c.longitude, c.latitude}) {
      SCOPED_TRACE(coordinate.text);
      QWidget* widget = sheet.control(c.tab, coordinate.id);
      ASSERT_NE(widget, nullptr);
      const QFontMetrics metrics(widget->font());
      const QString text = QString::fromUtf8(coordinate.text);
      if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        EXPECT_EQ(box->text(), text);
        EXPECT_GE(LineEditTextRoom(*box), metrics.horizontalAdvance(text) + 1);
      } else {
        auto* label = qobject_cast<QLabel*>(widget);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), text);
        EXPECT_GE(label->contentsRect().width() - 2 * label->margin(),
                  metrics.horizontalAdvance(text));
      }
      EXPECT_TRUE(group->geometry().contains(widget->geometry()));
      for (QWidget* other : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != widget && qobject_cast<QGroupBox*>(other) == nullptr) {
          EXPECT_FALSE(other->geometry().intersects(widget->geometry()))
              << other->metaObject()->className() << " "
              << Utf8(other->property("text").toString());
        }
      }
    }
  }
}

TEST_F(PropertySheetTest, ACalendarClickShowsTheSunAndMoonLines) {
  RecordingPlatform platform;
  platform.now = {2024, 2, 10, 8, 30, 0, -8.0};
  PropertySheet sheet(StandardPageControllers(platform));
  RefuseMessageBoxes(sheet);
  sheet.show();
  auto* calendar = qobject_cast<QCalendarWidget*>(sheet.control(0, 1016));
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(calendar->selectedDate(), QDate(2024, 2, 10));
  calendar->setSelectedDate(QDate(2024, 3, 5));
  emit calendar->clicked(QDate(2024, 3, 5));
  EXPECT_EQ(Utf8(qobject_cast<QLineEdit*>(sheet.control(0, 1006))->text()), "3");
  EXPECT_EQ(Utf8(qobject_cast<QLineEdit*>(sheet.control(0, 1007))->text()), "5");
  EXPECT_EQ(Utf8(qobject_cast<QLabel*>(sheet.control(0, 1029))->text()).rfind("日出:", 0), 0u);
  EXPECT_EQ(Utf8(qobject_cast<QLabel*>(sheet.control(0, 1032))->text()).rfind("月出:", 0), 0u);
}

// The calendar draws the Gregorian calendar, in which the date boxes read a date only from
// 1582-10-15 on (earlier dates there are Julian); its range stops where the boxes agree with it.
TEST_F(PropertySheetTest, TheCalendarOffersOnlyGregorianDays) {
  RecordingPlatform platform;
  platform.now = {2024, 2, 10, 8, 30, 0, -8.0};
  PropertySheet sheet(StandardPageControllers(platform));
  RefuseMessageBoxes(sheet);
  auto* calendar = qobject_cast<QCalendarWidget*>(sheet.control(0, 1016));
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(calendar->minimumDate(), QDate(1582, 10, 15));
  EXPECT_EQ(calendar->maximumDate(), QDate(9999, 12, 31));
  calendar->setSelectedDate(QDate(1500, 3, 1));
  EXPECT_EQ(calendar->selectedDate(), QDate(1582, 10, 15));
}

TEST_F(PropertySheetTest, ControlsBindToThePageControls) {
  RecordingPlatform platform;
  PropertySheet sheet([](int, PageControls&, almanac::CalendarTables&) { return nullptr; });
  RefuseMessageBoxes(sheet);
  PageControls& controls = sheet.pageControls(0);
  controls.SetText(1005, L"2024");
  EXPECT_EQ(Utf8(qobject_cast<QLineEdit*>(sheet.control(0, 1005))->text()), "2024");
  controls.ResetComboItems(1030);
  controls.AddComboItem(1030, L"臺灣");
  controls.AddComboItem(1030, L"香港");
  controls.SetComboSelection(1030, 1);
  EXPECT_EQ(controls.ComboSelection(1030), 1);
  EXPECT_EQ(controls.Text(1030), L"香港");
  qobject_cast<QComboBox*>(sheet.control(0, 1030))->setEditText(QStringLiteral("typed"));
  EXPECT_EQ(controls.ComboSelection(1030), -1);
  controls.SetCalendarSelection(1016, {2024, 2, 10});
  const CalendarDate date = controls.CalendarSelection(1016);
  EXPECT_EQ(date.year, 2024);
  EXPECT_EQ(date.month, 2);
  EXPECT_EQ(date.day, 10);
  std::vector<std::string> messages;
  sheet.setMessageHandler([&messages](const QString& text) { messages.push_back(Utf8(text)); });
  controls.ShowMessage(L"月份輸入錯誤 !");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "月份輸入錯誤 !");
}

}  // namespace
}  // namespace shell
