#include "chart/birth_chart_entry.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <string>
#include <vector>

#include "chart/birth_date.h"
#include "chart/chart_derivation.h"
#include "chart/chart_test_support.h"
#include "testing/utf8.h"

namespace chart {
namespace {

using test_text::EncodeUtf8;

// One entry for the test program, as the program keeps one for its run.
BirthChartEntry& Entry() {
  static BirthChartEntry entry;
  return entry;
}

BirthChartRequest RequestAt(int year, int month, int day, int hour, int minute,
                            const wchar_t* sex = L"男", double longitude = 121.5) {
  BirthChartRequest request;
  request.year = year;
  request.month = month;
  request.day = day;
  request.hour = hour;
  request.minute = minute;
  request.name = L"某甲";
  request.sex = sex;
  request.longitude = longitude;
  return request;
}

// The message of a rejected birth, or "" for an accepted one.
std::string MessageOf(const ChartEntryResult& result) {
  const ChartRejection* rejection = std::get_if<ChartRejection>(&result);
  return rejection == nullptr ? "" : EncodeUtf8(rejection->message);
}

// The chart of an accepted birth.
FourPillarsChart ChartOf(const BirthChartRequest& request) {
  ChartEntryResult result = Entry().MakeBirthChart(request);
  const ChartHandOver* handOver = std::get_if<ChartHandOver>(&result);
  if (handOver == nullptr || handOver->chart == nullptr) {
    ADD_FAILURE() << "rejected: " << MessageOf(result);
    return {};
  }
  return std::move(*handOver->chart);
}

std::string PillarsOf(const FourPillarsChart& chart) {
  std::wstring text;
  for (int p = kYearPillar; p <= kHourPillar; ++p) {
    text += (p == kYearPillar ? L"" : L" ") + chart.pillars[p].stem + chart.pillars[p].branch;
  }
  return EncodeUtf8(text);
}

std::string Joined(const std::array<std::wstring, 5>& texts) {
  std::wstring text;
  for (const std::wstring& t : texts) {
    text += t;
  }
  return EncodeUtf8(text);
}

TEST(BirthChartEntry, ChecksRunInOrderAndRejectWithoutAChart) {
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  const double kInfinity = std::numeric_limits<double>::infinity();
  struct Case {
    int year, month, day, hour, minute;
    double longitude;
    const wchar_t* message;  // empty when accepted
  };
  const std::vector<Case> cases = {
      {2024, 0, 10, 12, 0, 121.5, kBirthMonthMessage},
      {2024, 13, 10, 12, 0, 121.5, kBirthMonthMessage},
      {2024, 13, 10, 12, 61, 121.5, kBirthMonthMessage},  // the month check runs first
      {2024, 1, 32, 12, 0, 121.5, kBirthDayMessage},
      {2024, 2, 30, 12, 0, 121.5, kBirthDayMessage},   // beyond the month's length
      {2024, 4, 31, 12, 0, 121.5, kBirthDayMessage},   // beyond the month's length
      {1582, 10, 10, 12, 0, 121.5, kBirthDayMessage},  // no such day in the reform month
      {2024, 1, 10, 25, 0, 121.5, kBirthHourMessage},
      {2024, 1, 10, -1, 0, 121.5, kBirthHourMessage},
      {2024, 1, 10, 12, 61, 121.5, kBirthMinuteMessage},
      {2024, 1, 10, 12, -1, 121.5, kBirthMinuteMessage},  // a negative minute too
      {2024, 1, 10, 12, INT_MIN, 121.5, kBirthMinuteMessage},
      {2024, 1, 10, 12, 0, kNaN, kBirthLongitudeMessage},
      {2024, 1, 10, 12, 0, kInfinity, kBirthLongitudeMessage},
      {2024, 1, 10, 12, 0, -kInfinity, kBirthLongitudeMessage},
      {2024, 1, 10, 12, 0, 181, kBirthLongitudeMessage},
      {2024, 1, 32, 12, 0, kNaN, kBirthDayMessage},  // the date before the place
      {2024, 1, 10, 24, 0, 121.5, L""},              // 24:00 and minute 60 run on
      {2024, 1, 10, 23, 60, 121.5, L""},
      {2024, 2, 29, 12, 0, -180, L""},
      {-4712, 1, 1, 0, 0, 0, L""},  // the first and the last day of the calendar
      {9999, 12, 31, 21, 59, 0, L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day) + " " + std::to_string(c.hour) + ":" +
                 std::to_string(c.minute) + " at " + std::to_string(c.longitude));
    BirthChartRequest request = RequestAt(c.year, c.month, c.day, c.hour, c.minute);
    request.longitude = c.longitude;
    const ChartEntryResult result = Entry().MakeBirthChart(request);
    EXPECT_EQ(MessageOf(result), EncodeUtf8(c.message));
    if (const ChartHandOver* handOver = std::get_if<ChartHandOver>(&result)) {
      ASSERT_NE(handOver->chart, nullptr);
      EXPECT_NE(handOver->chart->sectionTermName, L"");
      EXPECT_NE(handOver->chart->midTermName, L"");
      EXPECT_NE(handOver->chart->lunarDayText, L"");
    }
  }
}

TEST(BirthChartEntry, HandsOverTheDateNumbersAndSettings) {
  BirthChartRequest request = RequestAt(1990, 7, 15, 9, 41);
  request.spiritStarBasis = SpiritStarBasis::kDayBranch;
  request.scheme = MonthCommandDivisionScheme::kZiPing;
  request.values = {9, 7, 5, 3, 1};
  request.annotationText = L"<b>註</b>";
  ChartEntryResult result = Entry().MakeBirthChart(request);
  ASSERT_TRUE(std::holds_alternative<ChartHandOver>(result));
  const ChartHandOver& h = std::get<ChartHandOver>(result);
  EXPECT_EQ((std::array<int, 4>{h.birthMonth, h.birthDay, h.birthHour, h.birthMinute}),
            (std::array<int, 4>{7, 15, 9, 41}));
  EXPECT_EQ(h.nameText, L"某甲");
  EXPECT_EQ(h.spiritStarBasis, SpiritStarBasis::kDayBranch);
  EXPECT_EQ(h.scheme, MonthCommandDivisionScheme::kZiPing);
  EXPECT_EQ(h.values, request.values);
  EXPECT_EQ(h.annotationText, request.annotationText);
  const FourPillarsChart& c = *h.chart;
  // 1990-07-15 09:41 at 121.5° E: 庚午 年, 癸未 月 (from 小暑, 07-07), 辛巳 日 (3,457 days
  // before 戊午 2000-01-01), 癸巳 時; the 23rd day of the leap fifth month (no leap mark).
  EXPECT_EQ(PillarsOf(c), "庚午 癸未 辛巳 癸巳");
  EXPECT_EQ(c.yearText, L"1990");
  EXPECT_EQ(EncodeUtf8(c.lunarYearText + c.lunarMonthText + L"月" + c.lunarDayText + L"日" +
                       c.lunarHourText + L"時" + c.zodiacText),
            "庚午五月廿三日巳時馬");
  EXPECT_EQ(c.sexText, L"男");
  EXPECT_EQ(c.yinYangText, L"陽");
  EXPECT_EQ(c.personName, L"");  // the derivation copies the name
  EXPECT_EQ(c.yearAdvanced, 0);
}

// Forward luck counts the days to the noon of the next section term's date, backward luck the
// days since the noon of the term in force; three days make a year and each further day 121
// days. 2024 (甲辰, 陽, from 立春 at 16:27 on 02-04): 驚蟄 on 03-05, 30 days after 立春, 清明 on
// 04-04, 30 days after 驚蟄.
TEST(BirthChartEntry, LuckStartFromTheNoonOfTheSectionTermDates) {
  struct Case {
    int month, day, hour, minute;
    const wchar_t* sex;
    double luckStartDays;
    double daysSinceSectionTerm;
    const wchar_t* term;
    const wchar_t* sentence;
  };
  const std::vector<Case> cases = {
      // 4.75 days after 立春, forward: 25.25 days to 驚蟄.
      {2, 9, 6, 0, L"男", 25.25, 4.75, L"立春", L"8歲151日交大運,立春後4.750000日起運"},
      // The same birth backward.
      {2, 9, 6, 0, L"女", 4.75, 4.75, L"立春", L"1歲211日交大運,立春後4.750000日起運"},
      // Exactly 12:00 of the term's date: the new term, 0 days since it.
      {3, 5, 12, 0, L"女", 0.0, 0.0, L"驚蟄", L"0歲0日交大運,驚蟄後0.000000日起運"},
      {3, 5, 12, 0, L"男", 30.0, 0.0, L"驚蟄", L"10歲0日交大運,驚蟄後0.000000日起運"},
      // Before the term's moment (10:22) the previous term still rules, 29 days and 22 hours
      // after its noon; from the moment on the new term, whose noon is still to come: 0 days.
      {3, 5, 10, 0, L"女", 29.0 + 22 / 24.0, 29.0 + 22 / 24.0, L"立春",
       L"9歲352日交大運,立春後29.916667日起運"},
      {3, 5, 11, 59, L"女", 0.0, 0.0, L"驚蟄", L"0歲0日交大運,驚蟄後0.000000日起運"},
      {3, 5, 11, 59, L"男", 30.0 + 1 / 1440.0, 0.0, L"驚蟄", L"10歲0日交大運,驚蟄後0.000000日起運"},
      // A sex that is neither runs backward.
      {2, 9, 6, 0, L"", 4.75, 4.75, L"立春", L"1歲211日交大運,立春後4.750000日起運"},
      {2, 9, 6, 0, L"M", 4.75, 4.75, L"立春", L"1歲211日交大運,立春後4.750000日起運"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.month) + "-" + std::to_string(c.day) + " " +
                 std::to_string(c.hour) + ":" + std::to_string(c.minute) + " " + EncodeUtf8(c.sex));
    const FourPillarsChart chart =
        ChartOf(RequestAt(2024, c.month, c.day, c.hour, c.minute, c.sex));
    EXPECT_EQ(chart.sectionTermName, c.term);
    EXPECT_NEAR(chart.luckStartDays, c.luckStartDays, 1e-6);
    EXPECT_NEAR(chart.daysSinceSectionTerm, c.daysSinceSectionTerm, 1e-6);
    EXPECT_EQ(EncodeUtf8(chart.luckStartText), EncodeUtf8(c.sentence));
  }
  // Exactly at the noon the difference is exactly zero, as the luck ages need.
  EXPECT_EQ(ChartOf(RequestAt(2024, 3, 5, 12, 0, L"女")).luckStartDays, 0.0);
}

// The section term in force opens the month of the month pillar, which turns at the exact
// moment of the term, and its days count from the noon of its date, never below 0. The mid-term
// rules from 12:00 of its date. 2024: 小寒 01-06, 大寒 01-20, 立春 02-04 16:26:53, 雨水 02-19,
// 驚蟄 03-05 10:22.
TEST(BirthChartEntry, SectionTermOpensTheMonthOfTheMonthPillar) {
  struct Case {
    int month, day, hour, minute;
    const wchar_t* sectionTerm;
    const wchar_t* midTerm;
    const char* monthPillar;
    double daysSinceSectionTerm;
  };
  const std::vector<Case> cases = {
      // Between the noon of 立春's date and its moment the month is still 丑, 小寒's.
      {2, 4, 11, 59, L"小寒", L"大寒", "乙丑", 29.0 - 1 / 1440.0},
      {2, 4, 12, 0, L"小寒", L"大寒", "乙丑", 29.0},
      {2, 4, 16, 26, L"小寒", L"大寒", "乙丑", 29.0 + (4 * 60 + 26) / 1440.0},
      {2, 4, 16, 27, L"立春", L"大寒", "丙寅", (4 * 60 + 27) / 1440.0},
      {2, 4, 17, 0, L"立春", L"大寒", "丙寅", 5 / 24.0},
      // Between the moment of 驚蟄 and the noon of its date the month is already 卯.
      {3, 5, 10, 22, L"立春", L"雨水", "丙寅", 29.0 + (22 * 60 + 22) / 1440.0},
      {3, 5, 11, 0, L"驚蟄", L"雨水", "丁卯", 0.0},
      {3, 5, 12, 0, L"驚蟄", L"雨水", "丁卯", 0.0},
      {3, 5, 13, 0, L"驚蟄", L"雨水", "丁卯", 1 / 24.0},
      // The mid-term turns at the noon of its date.
      {1, 20, 11, 0, L"小寒", L"冬至", "乙丑", 13.0 + 23 / 24.0},
      {1, 20, 13, 0, L"小寒", L"大寒", "乙丑", 14.0 + 1 / 24.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.month) + "-" + std::to_string(c.day) + " " +
                 std::to_string(c.hour) + ":" + std::to_string(c.minute));
    const FourPillarsChart chart = ChartOf(RequestAt(2024, c.month, c.day, c.hour, c.minute));
    EXPECT_EQ(EncodeUtf8(chart.sectionTermName), EncodeUtf8(c.sectionTerm));
    EXPECT_EQ(EncodeUtf8(chart.midTermName), EncodeUtf8(c.midTerm));
    EXPECT_EQ(EncodeUtf8(chart.pillars[kMonthPillar].stem + chart.pillars[kMonthPillar].branch),
              c.monthPillar);
    EXPECT_NEAR(chart.daysSinceSectionTerm, c.daysSinceSectionTerm, 1e-6);
  }
}

// A man of 癸卯 (陰) born on 2024-02-04 at 12:00, before 立春 (16:27): his luck runs backward
// from 小寒, 29 days before, and starts at 9 years and 242 days; a woman's runs forward to the
// noon of 立春's date, which her birth has reached: 0 days.
TEST(BirthChartEntry, LuckOfABirthBetweenTheNoonAndTheMomentOfATerm) {
  struct Case {
    const wchar_t* sex;
    double luckStartDays;
    const char* sentence;
    const char* ages;
    const char* cycles;
  };
  const std::vector<Case> cases = {
      {L"男", 29.0, "9歲242日交大運,小寒後29.000000日起運", "9 19 29 39 49 59 69 79 89 99",
       "甲子 癸亥 壬戌"},
      {L"女", 0.0, "0歲0日交大運,小寒後29.000000日起運", "0 10 20 30 40 50 60 70 80 90",
       "丙寅 丁卯 戊辰"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(EncodeUtf8(c.sex));
    ChartEntryResult result = Entry().MakeBirthChart(RequestAt(2024, 2, 4, 12, 0, c.sex));
    ChartHandOver& handOver = std::get<ChartHandOver>(result);
    DeriveFourPillarsChart(handOver);
    const FourPillarsChart& chart = *handOver.chart;
    EXPECT_EQ(chart.luckStartDays, c.luckStartDays);
    EXPECT_EQ(chart.daysSinceSectionTerm, 29.0);
    EXPECT_EQ(EncodeUtf8(chart.luckStartText), c.sentence);
    EXPECT_EQ(EncodeUtf8(JoinedUsedEntries(chart.luckAges)), c.ages);
    std::wstring cycles;
    for (int i = 0; i < 3; ++i) {
      cycles += (i == 0 ? L"" : L" ") + chart.luckStems[i] + chart.luckBranches[i];
    }
    EXPECT_EQ(EncodeUtf8(cycles), c.cycles);
  }
}

// The year of the lunar date is the year pillar of the moment: on the date of 立春 (2024-02-04
// 16:26:53) it turns with the pillar and the animal, and a late 子 hour takes the next day's
// lunar month and day but keeps the year of its moment.
TEST(BirthChartEntry, LunarYearTurnsAtTheMomentOfSpring) {
  struct Case {
    int month, day, hour, minute;
    double longitude;
    const char* lunarDate;  // year, month, day and animal
  };
  const std::vector<Case> cases = {
      {2, 4, 16, 20, 121.5, "癸卯年十二月廿五屬兔"},
      {2, 4, 16, 40, 121.5, "甲辰年十二月廿五屬龍"},
      {2, 4, 11, 0, 121.5, "癸卯年十二月廿五屬兔"},
      {2, 3, 22, 30, 150, "癸卯年十二月廿五屬兔"},  // true solar 00:2x: the next day's date
      {2, 5, 9, 0, 121.5, "甲辰年十二月廿六屬龍"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.month) + "-" + std::to_string(c.day) + " " +
                 std::to_string(c.hour) + ":" + std::to_string(c.minute));
    const FourPillarsChart chart =
        ChartOf(RequestAt(2024, c.month, c.day, c.hour, c.minute, L"男", c.longitude));
    EXPECT_EQ(EncodeUtf8(chart.lunarYearText + L"年" + chart.lunarMonthText + L"月" +
                         chart.lunarDayText + L"屬" + chart.zodiacText),
              c.lunarDate);
  }
}

// With the rule 冬至 a birth between the winter solstice and 立春 takes the next year's pillar
// with its yin or yang, animal and luck direction; the lunar year text stays the year pillar of
// the moment. On the date of 立春 (2024-02-04 16:27) the change holds until the moment.
TEST(BirthChartEntry, WinterSolsticeYearChange) {
  struct Case {
    int year, month, day, hour, minute;
    YearChangeRule rule;
    const char* yearPillar;
    int advanced;
    const wchar_t* yinYang;
    const wchar_t* zodiac;
    const wchar_t* lunarYear;
    bool forward;  // for a man
  };
  const std::vector<Case> cases = {
      {2024, 1, 10, 12, 30, YearChangeRule::kWinterSolstice, "甲辰", 1, L"陽", L"龍", L"癸卯",
       true},
      {2024, 1, 10, 12, 30, YearChangeRule::kBeginningOfSpring, "癸卯", 0, L"陰", L"兔", L"癸卯",
       false},
      {2024, 1, 10, 12, 30, static_cast<YearChangeRule>(7), "癸卯", 0, L"陰", L"兔", L"癸卯",
       false},
      {2023, 12, 25, 12, 30, YearChangeRule::kWinterSolstice, "甲辰", 1, L"陽", L"龍", L"癸卯",
       true},
      {2023, 12, 20, 12, 30, YearChangeRule::kWinterSolstice, "癸卯", 0, L"陰", L"兔", L"癸卯",
       false},
      {2024, 2, 10, 12, 30, YearChangeRule::kWinterSolstice, "甲辰", 0, L"陽", L"龍", L"甲辰",
       true},
      {2033, 1, 15, 12, 30, YearChangeRule::kWinterSolstice, "癸丑", 1, L"陰", L"牛", L"壬子",
       false},
      {2024, 2, 4, 11, 0, YearChangeRule::kWinterSolstice, "甲辰", 1, L"陽", L"龍", L"癸卯", true},
      {2024, 2, 4, 12, 0, YearChangeRule::kWinterSolstice, "甲辰", 1, L"陽", L"龍", L"癸卯", true},
      {2024, 2, 4, 17, 0, YearChangeRule::kWinterSolstice, "甲辰", 0, L"陽", L"龍", L"甲辰", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day) + " " + std::to_string(c.hour) + ":" +
                 std::to_string(c.minute) + " rule " + std::to_string(static_cast<int>(c.rule)));
    BirthChartRequest request = RequestAt(c.year, c.month, c.day, c.hour, c.minute);
    request.yearChangeRule = c.rule;
    const FourPillarsChart chart = ChartOf(request);
    EXPECT_EQ(EncodeUtf8(chart.pillars[kYearPillar].stem + chart.pillars[kYearPillar].branch),
              c.yearPillar);
    EXPECT_EQ(chart.yearAdvanced, c.advanced);
    EXPECT_EQ(chart.yinYangText, c.yinYang);
    EXPECT_EQ(chart.zodiacText, c.zodiac);
    EXPECT_EQ(EncodeUtf8(chart.lunarYearText), EncodeUtf8(c.lunarYear));
    // Forward luck counts to the next section term, backward from the one in force.
    EXPECT_EQ(chart.luckStartDays == chart.daysSinceSectionTerm, !c.forward);
  }
}

// From 22:00 a birth whose true solar time has passed 23:00 is in the next day's 子 hour: the
// lunar date is the next day's, taken from the next month's table on a month's last day.
// At 150° E the true solar time runs about two hours ahead of the civil time of UTC+8.
TEST(BirthChartEntry, LateZiHourTakesTheNextDaysLunarDate) {
  struct Case {
    int year, month, day, hour, minute;
    double longitude;
    const char* lunarDate;
  };
  const std::vector<Case> cases = {
      {2024, 2, 9, 22, 30, 150, "甲辰正月初一"},       // true solar 00:2x: the next day
      {2024, 2, 9, 21, 50, 150, "甲辰十二月三十"},     // past 23:00 but typed before 22:00
      {2024, 2, 9, 22, 30, 121.5, "甲辰十二月三十"},   // true solar 22:3x
      {2024, 2, 9, 24, 0, 121.5, "甲辰正月初一"},      // 24:00 is the next day's 00:00
      {2024, 1, 31, 23, 30, 121.5, "癸卯十二月廿二"},  // 31st: day 1 of the next month's table
      {2024, 4, 30, 23, 30, 121.5, "甲辰三月廿三"},    // the last day of a 30-day month
      {2024, 2, 29, 23, 30, 121.5, "甲辰正月廿一"},
      {2024, 12, 31, 23, 30, 121.5, "甲辰十二月初二"},  // January of the next year
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day) + " " + std::to_string(c.hour) + ":" +
                 std::to_string(c.minute) + " at " + std::to_string(c.longitude));
    const FourPillarsChart chart =
        ChartOf(RequestAt(c.year, c.month, c.day, c.hour, c.minute, L"男", c.longitude));
    EXPECT_EQ(EncodeUtf8(chart.lunarYearText + chart.lunarMonthText + L"月" + chart.lunarDayText),
              c.lunarDate);
  }
}

// Scheme 0 takes the season of the section term in force, or of an earth mid-term from its own
// date to the next section term. 2024: 大寒 01-20, 立春 02-04, 雨水 02-19, 穀雨 04-19, 立夏 05-05.
// The day master's value is that of its element's state in the season (values 8 5 3 2 1).
TEST(BirthChartEntry, SeasonOfTheTermInForce) {
  struct Case {
    int month, day;
    const char* elements;  // 旺 相 休 囚 死
    const char* dayStem;
    int dayMasterValue;
  };
  const std::vector<Case> cases = {
      {2, 10, "木火水金土", "甲", 8},  // 立春 .. 雨水: spring
      {2, 1, "土金火木水", "乙", 2},   // 大寒 .. 立春: earth, which 木 controls
      {4, 25, "土金火木水", "己", 8},  // 穀雨 .. 立夏: earth
      {4, 10, "木火水金土", "甲", 8},  // 清明 .. 穀雨: spring
      {5, 10, "火土木水金", "甲", 3},  // 立夏 .. 小滿: summer, which 木 produces
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.month) + "-" + std::to_string(c.day));
    BirthChartRequest request = RequestAt(2024, c.month, c.day, 14, 0);
    request.scheme = MonthCommandDivisionScheme::kSeasonalState;
    const FourPillarsChart chart = ChartOf(request);
    EXPECT_EQ(Joined(chart.seasonalElements), c.elements);
    EXPECT_EQ(EncodeUtf8(chart.pillars[kDayPillar].stem), c.dayStem);
    EXPECT_EQ(chart.dayMasterStrengthValue, c.dayMasterValue);
    EXPECT_EQ(chart.commandingStem, L"");
  }
}

// Schemes 1 to 5 have their school choose the commanding stem, whose element rules the season;
// any other scheme sets nothing. Two days after 立春 every school has 戊 in command (each gives
// the first five days or more of 寅 to 戊), so the season is earth's, where the day master 庚
// (金) is 相.
TEST(BirthChartEntry, CommandingStemOfTheChosenSchool) {
  for (int scheme = -1; scheme <= 7; ++scheme) {
    SCOPED_TRACE(scheme);
    BirthChartRequest request = RequestAt(2024, 2, 6, 14, 0);  // 庚子 day
    request.scheme = static_cast<MonthCommandDivisionScheme>(scheme);
    const FourPillarsChart chart = ChartOf(request);
    if (scheme >= 1 && scheme <= 5) {
      EXPECT_EQ(chart.commandingStem, L"戊");
      EXPECT_EQ(Joined(chart.seasonalElements), "土金火木水");
      EXPECT_EQ(chart.pillars[kDayPillar].stem, L"庚");
      EXPECT_EQ(chart.dayMasterStrengthValue, 5);
    } else if (scheme != 0) {
      EXPECT_EQ(chart.commandingStem, L"");
      EXPECT_EQ(Joined(chart.seasonalElements), "");
      EXPECT_EQ(chart.dayMasterStrengthValue, 0);
    }
  }
}

// The derivation over a birth: a man of 甲辰 (陽) born 4.75 days after 立春 in the month 丙寅
// runs forward from 25.25 days (ages from 8), a woman backward from 4.75 days (ages from 1).
TEST(BirthChartEntry, DerivedLuckCyclesOfABirth) {
  struct Case {
    const wchar_t* sex;
    const wchar_t* ages;
    const wchar_t* cycles;
  };
  const std::vector<Case> cases = {
      {L"男", L"8 18 28 38 48 58 68 78 88 98", L"丁卯 戊辰 己巳"},
      {L"女", L"1 11 21 31 41 51 61 71 81 91", L"乙丑 甲子 癸亥"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(EncodeUtf8(c.sex));
    ChartEntryResult result = Entry().MakeBirthChart(RequestAt(2024, 2, 9, 6, 0, c.sex));
    ChartHandOver& handOver = std::get<ChartHandOver>(result);
    DeriveFourPillarsChart(handOver);
    const FourPillarsChart& chart = *handOver.chart;
    EXPECT_EQ(chart.personName, L"某甲");
    EXPECT_EQ(EncodeUtf8(chart.pillars[kMonthPillar].stem + chart.pillars[kMonthPillar].branch),
              "丙寅");
    EXPECT_EQ(EncodeUtf8(JoinedUsedEntries(chart.luckAges)), EncodeUtf8(c.ages));
    std::wstring cycles;
    for (int i = 0; i < 3; ++i) {
      cycles += (i == 0 ? L"" : L" ") + chart.luckStems[i] + chart.luckBranches[i];
    }
    EXPECT_EQ(EncodeUtf8(cycles), EncodeUtf8(c.cycles));
  }
}

}  // namespace
}  // namespace chart
