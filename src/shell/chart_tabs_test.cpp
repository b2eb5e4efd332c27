// The two chart tabs of the property sheet, "八字排盤" and "干支排盤", offscreen: their widgets laid
// out from the templates, bound to the page controllers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <memory>
#include <vector>

#include "shell/four_pillars_page_controller.h"
#include "shell/property_sheet.h"
#include "shell/stem_branch_page_controller.h"
#include "shell/test_support.h"
#include "shell/utf8_text.h"

namespace shell {
namespace {

using testing::RecordingPlatform;

constexpr int kFourPillarsTab = 4;
constexpr int kStemBranchTab = 5;

class ChartTabsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "chart_tabs_test";
    static char* argv[] = {name, nullptr};
    application_ = new QApplication(argc, argv);
  }
  static void TearDownTestSuite() {
    delete application_;
    application_ = nullptr;
  }

  ChartTabsTest() {
    platform_.now = {2024, 2, 10, 8, 30, 0, -8.0};
    platform_.workingDirectory = "/w";
    sheet_ = std::make_unique<PropertySheet>(
        [this](int pageIndex, PageControls& controls,
               almanac::CalendarTables&) -> std::unique_ptr<PageController> {
          if (pageIndex == kFourPillarsTab) {
            return std::make_unique<FourPillarsPage>(controls, platform_,
                                                     [this](const FourPillarsQuery& query) {
                                                       birthQueries_.push_back(query);
                                                       return std::wstring(L"birth chart");
                                                     });
          }
          if (pageIndex == kStemBranchTab) {
            return std::make_unique<StemBranchPage>(controls, platform_,
                                                    [this](const StemBranchQuery& query) {
                                                      typedQueries_.push_back(query);
                                                      return std::wstring(L"typed chart");
                                                    });
          }
          return nullptr;
        });
    sheet_->setMessageHandler([](const QString& text) {
      ADD_FAILURE() << "unexpected message: " << text.toStdString();
    });
    sheet_->show();
  }

  template <typename Widget>
  Widget* Control(int tab, int id) {
    auto* widget = qobject_cast<Widget*>(sheet_->control(tab, id));
    EXPECT_NE(widget, nullptr) << "control " << id;
    return widget;
  }
  std::string Text(int tab, int id) {
    QWidget* widget = sheet_->control(tab, id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      return edit->text().toStdString();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      return label->text().toStdString();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      return combo->currentText().toStdString();
    }
    if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
      return lines->toPlainText().toStdString();
    }
    ADD_FAILURE() << "no text control " << id;
    return {};
  }
  void Query(int tab) { Control<QPushButton>(tab, 1)->click(); }

  static QApplication* application_;
  testing::ScopedWorkingDirectory directory_;
  RecordingPlatform platform_;
  std::vector<FourPillarsQuery> birthQueries_;
  std::vector<StemBranchQuery> typedQueries_;
  std::unique_ptr<PropertySheet> sheet_;
};

QApplication* ChartTabsTest::application_ = nullptr;

TEST_F(ChartTabsTest, FourPillarsTabDefaults) {
  sheet_->tabs()->setCurrentIndex(kFourPillarsTab);
  EXPECT_EQ(sheet_->tabs()->tabText(kFourPillarsTab).toStdString(), "八字排盤");
  EXPECT_EQ(Text(kFourPillarsTab, 1005), "2024");
  EXPECT_EQ(Text(kFourPillarsTab, 1006), "2");
  EXPECT_EQ(Text(kFourPillarsTab, 1007), "10");
  EXPECT_EQ(Text(kFourPillarsTab, 1008), "8");
  EXPECT_EQ(Text(kFourPillarsTab, 1010), "30");
  EXPECT_EQ(Text(kFourPillarsTab, 1009), "");
  EXPECT_EQ(Text(kFourPillarsTab, 1013), "");
  EXPECT_EQ(Text(kFourPillarsTab, 1032), "男");
  EXPECT_EQ(Text(kFourPillarsTab, 1030), "臺灣");
  EXPECT_EQ(Text(kFourPillarsTab, 1031), "臺北市");
  EXPECT_EQ(Text(kFourPillarsTab, 1065), "121.500000");
  EXPECT_EQ(Text(kFourPillarsTab, 1012), "25.050000");
  // The value boxes from left to right: 旺 相 休 囚 死.
  std::vector<std::pair<int, std::string>> boxes;
  for (const int id : {1011, 1026, 1027, 1028, 1033}) {
    boxes.emplace_back(sheet_->control(kFourPillarsTab, id)->x(), Text(kFourPillarsTab, id));
  }
  std::sort(boxes.begin(), boxes.end());
  std::string leftToRight;
  for (const auto& box : boxes) {
    leftToRight += box.second;
  }
  EXPECT_EQ(leftToRight, "85321");
  for (const int id : {1015, 1016, 1017, 1018, 1019, 1020, 1021, 1022, 1023, 1024, 1025}) {
    const bool on = id == 1017 || id == 1019 || id == 1024;
    EXPECT_EQ(Control<QRadioButton>(kFourPillarsTab, id)->isChecked(), on) << id;
  }
  EXPECT_EQ(Control<QRadioButton>(kFourPillarsTab, 1024)->text().toStdString(), "通考");
}

TEST_F(ChartTabsTest, FourPillarsTabQueries) {
  sheet_->tabs()->setCurrentIndex(kFourPillarsTab);
  EXPECT_TRUE(Control<QPushButton>(kFourPillarsTab, 1)->isDefault());
  Query(kFourPillarsTab);
  ASSERT_EQ(birthQueries_.size(), 1u);
  FourPillarsQuery query = birthQueries_.back();
  EXPECT_EQ(query.spiritStarBasis, chart::SpiritStarBasis::kYearAndDayBranch);
  EXPECT_EQ(query.yearChangeRule, chart::YearChangeRule::kBeginningOfSpring);
  EXPECT_EQ(query.scheme, chart::MonthCommandDivisionScheme::kTongKao);
  EXPECT_EQ(query.values, (chart::SeasonalStrengthValues{8, 5, 3, 2, 1}));
  EXPECT_EQ(query.annotationText, L"");
  EXPECT_EQ(query.longitude, 121.5);
  EXPECT_EQ(query.sex, L"男");
  EXPECT_EQ(testing::ReadFileBytes(directory_.path() / "八字.htm"), "birth chart");
  EXPECT_EQ(platform_.launched, std::vector<std::string>{"file:///w/%E5%85%AB%E5%AD%97.htm"});

  // Each radio turns off the others of its group only: the six schemes are one group although
  // other controls stand between "通會" and "子平".
  Control<QRadioButton>(kFourPillarsTab, 1018)->click();  // 冬至
  Control<QRadioButton>(kFourPillarsTab, 1020)->click();  // 旺相
  Control<QRadioButton>(kFourPillarsTab, 1016)->click();  // 日
  EXPECT_FALSE(Control<QRadioButton>(kFourPillarsTab, 1024)->isChecked());
  EXPECT_FALSE(Control<QRadioButton>(kFourPillarsTab, 1019)->isChecked());
  EXPECT_FALSE(Control<QRadioButton>(kFourPillarsTab, 1017)->isChecked());
  EXPECT_TRUE(Control<QRadioButton>(kFourPillarsTab, 1018)->isChecked());
  Control<QLineEdit>(kFourPillarsTab, 1026)->clear();
  Control<QPlainTextEdit>(kFourPillarsTab, 1013)
      ->setPlainText(QString::fromStdWString(L"第一行\n" + std::wstring(2000, L'注')));
  Control<QLineEdit>(kFourPillarsTab, 1009)->setText(QStringLiteral("<b>王"));
  Query(kFourPillarsTab);
  ASSERT_EQ(birthQueries_.size(), 2u);
  query = birthQueries_.back();
  EXPECT_EQ(query.yearChangeRule, chart::YearChangeRule::kWinterSolstice);
  EXPECT_EQ(query.scheme, chart::MonthCommandDivisionScheme::kSeasonalState);
  EXPECT_EQ(query.spiritStarBasis, chart::SpiritStarBasis::kDayBranch);
  EXPECT_EQ(query.values, (chart::SeasonalStrengthValues{8, 5, 3, 0, 1}));
  EXPECT_EQ(query.annotationText.size(), 1023u);
  EXPECT_EQ(query.annotationText.substr(0, 4), L"第一行\n");
  EXPECT_EQ(query.name, L"<b>王");

  Control<QRadioButton>(kFourPillarsTab, 1025)->click();  // 新論, in the same group as 旺相
  EXPECT_FALSE(Control<QRadioButton>(kFourPillarsTab, 1020)->isChecked());
  Query(kFourPillarsTab);
  EXPECT_EQ(birthQueries_.back().scheme, chart::MonthCommandDivisionScheme::kXinLun);

  // Text typed into the sex list leaves no valid selection: "男".
  Control<QComboBox>(kFourPillarsTab, 1032)->setCurrentIndex(1);
  Query(kFourPillarsTab);
  EXPECT_EQ(birthQueries_.back().sex, L"女");
  Control<QComboBox>(kFourPillarsTab, 1032)->setEditText(QStringLiteral("x"));
  Query(kFourPillarsTab);
  EXPECT_EQ(birthQueries_.back().sex, L"男");
}

TEST_F(ChartTabsTest, FourPillarsTabPlaces) {
  sheet_->tabs()->setCurrentIndex(kFourPillarsTab);
  auto* provinces = Control<QComboBox>(kFourPillarsTab, 1030);
  provinces->setCurrentIndex(3);
  emit provinces->activated(3);
  const std::string longitude = Text(kFourPillarsTab, 1065);
  EXPECT_NE(longitude, "121.500000");
  provinces->setEditText(QStringLiteral("typed"));
  emit provinces->activated(-1);
  EXPECT_EQ(Text(kFourPillarsTab, 1065), longitude);
}

TEST_F(ChartTabsTest, StemBranchTabDefaultsAndQueries) {
  sheet_->tabs()->setCurrentIndex(kStemBranchTab);
  EXPECT_EQ(sheet_->tabs()->tabText(kStemBranchTab).toStdString(), "干支排盤");
  for (const int id : {1005, 1006, 1007, 1008}) {
    EXPECT_EQ(Text(kStemBranchTab, id), "甲子");
  }
  EXPECT_EQ(Text(kStemBranchTab, 1010), "");
  EXPECT_EQ(Text(kStemBranchTab, 1009), "");
  EXPECT_EQ(Text(kStemBranchTab, 1013), "");
  EXPECT_EQ(Text(kStemBranchTab, 1032), "男");
  for (const int id : {1015, 1016, 1017, 1018, 1019}) {
    const bool on = id == 1017 || id == 1019;
    EXPECT_EQ(Control<QRadioButton>(kStemBranchTab, id)->isChecked(), on) << id;
  }
  Query(kStemBranchTab);
  ASSERT_EQ(typedQueries_.size(), 1u);
  StemBranchQuery query = typedQueries_.back();
  EXPECT_EQ(query.pillarTexts, (std::array<std::wstring, 4>{L"甲子", L"甲子", L"甲子", L"甲子"}));
  EXPECT_EQ(query.spiritStarBasis, chart::SpiritStarBasis::kYearAndDayBranch);
  EXPECT_EQ(query.earthMonthOption, chart::EarthMonthOption::kEarth);
  EXPECT_EQ(query.values, (chart::SeasonalStrengthValues{8, 5, 3, 2, 1}));
  EXPECT_EQ(testing::ReadFileBytes(directory_.path() / "八字.htm"), "typed chart");
  EXPECT_EQ(platform_.launched, std::vector<std::string>{"file:///w/%E5%85%AB%E5%AD%97.htm"});

  Control<QLineEdit>(kStemBranchTab, 1010)->setText(QStringLiteral("庚午、辛巳、壬申、癸卯"));
  Control<QRadioButton>(kStemBranchTab, 1018)->click();  // 木火金水
  Control<QRadioButton>(kStemBranchTab, 1015)->click();  // 年
  EXPECT_TRUE(Control<QRadioButton>(kStemBranchTab, 1019)->isChecked() == false);
  EXPECT_TRUE(Control<QRadioButton>(kStemBranchTab, 1017)->isChecked() == false);
  Query(kStemBranchTab);
  query = typedQueries_.back();
  EXPECT_EQ(query.pillarTexts, (std::array<std::wstring, 4>{L"庚午", L"辛巳", L"壬申", L"癸卯"}));
  EXPECT_EQ(query.earthMonthOption, chart::EarthMonthOption::kWoodFireMetalWater);
  EXPECT_EQ(query.spiritStarBasis, chart::SpiritStarBasis::kYearBranch);
}

}  // namespace
}  // namespace shell
