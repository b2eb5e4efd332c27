#include "chart/bone_weight_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <string>

#include "chart/birth_date.h"
#include "chart/bone_texts.h"
#include "chart/bone_weights.h"
#include "chart/reference_days_test_util.h"
#include "engine/lunar_year.h"
#include "engine/month_calendar.h"
#include "testing/utf8.h"

namespace chart {
namespace {

// One month calendar for the test program, as the program keeps one for its run.
engine::MonthCalendar& Calendar() {
  static engine::MonthCalendar calendar;
  return calendar;
}

using test_text::DecodeUtf8;
using test_text::EncodeUtf8;

constexpr double kTaipei = 121.5;

std::string Utf8(const std::wstring& text) { return EncodeUtf8(text); }

// The text between `before` and the next `after` in the page, or "(missing)".
std::string Between(const std::wstring& page, const std::wstring& before,
                    const std::wstring& after) {
  const std::size_t start = page.find(before);
  if (start == std::wstring::npos) {
    return "(missing)";
  }
  const std::size_t from = start + before.size();
  return Utf8(page.substr(from, page.find(after, from) - from));
}

const std::wstring kWeightLabel = L"重量&nbsp;&nbsp;</font>";
const std::wstring kLunarLabel = L"農曆&nbsp;&nbsp;</font>";
const std::wstring kNextDayJoint =
    L"時&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<font "
    L"color=red>真太陽時&nbsp;&nbsp;</font>";
const std::wstring kCivilDayJoint =
    L"時<font "
    L"color=red>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;真太陽時&nbsp;&nbsp;</font>";

std::string WeightLine(const std::wstring& page) { return Between(page, kWeightLabel, L"<p>"); }

// "<year pillar> <month>月<day>" of the lunar line, the form of ReferenceDays::LunarText.
std::string LunarDate(const std::wstring& page) {
  const std::string line = Between(page, kLunarLabel, L"日");
  const std::size_t year = line.find("年");
  return year == std::string::npos ? line : line.substr(0, year) + " " + line.substr(year + 3);
}

std::wstring ReadGolden(const std::string& name) {
  std::ifstream in(std::string(TAVREL_TESTDATA_DIR) + "/" + name, std::ios::binary);
  return DecodeUtf8(std::string(std::istreambuf_iterator<char>(in), {}));
}

// Golden pages (UTF-8 of the page text), checked by hand against the rules of the page:
// 1989-06-04 02:00 at Taipei is 己巳 (5) 五月 (5) 初一 (5) at the 丑 hour (6), the lightest
// reading, 21; 2024-02-29 23:30 at Taipei falls in the 子 hour of 2024-03-01, 甲辰 (8) 正月 (6)
// 廿一 (10) 子 (16) = 40, whose verdict has no source, with a name and sex that need escaping.
TEST(BoneWeightPage, MatchesGoldenPages) {
  struct Case {
    const char* file;
    int year, month, day, hour, minute;
    const wchar_t* name;
    const wchar_t* sex;
  };
  const Case cases[] = {
      {"bone_weight_1989_06_04_0200.html", 1989, 6, 4, 2, 0, L"王小明", L"男"},
      {"bone_weight_2024_02_29_2330.html", 2024, 2, 29, 23, 30, L"<b>林&陳</b>", L"女\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::wstring golden = ReadGolden(c.file);
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(Utf8(BuildBoneWeightPage(Calendar(), c.year, c.month, c.day, c.hour, c.minute, c.name,
                                       c.sex, kTaipei)),
              Utf8(golden));
  }
}

TEST(BoneWeightPage, StartsAndEndsAsEveryPage) {
  const std::wstring page =
      BuildBoneWeightPage(Calendar(), 2024, 6, 15, 12, 0, L"", L"女", kTaipei);
  const std::wstring head =
      L"<html><head lang=\"zh-tw\"><META content=\"text/html; charset=big5\" "
      L"http-equiv=Content-Type></head> <body><br><br><table>";
  EXPECT_EQ(page.substr(0, head.size()), head);
  const std::wstring tail = L"</table></body></html>";
  ASSERT_GT(page.size(), tail.size());
  EXPECT_EQ(page.substr(page.size() - tail.size()), tail);
}

TEST(BoneWeightPage, WeightsTotalAndTexts) {
  // 1984-02-20 (正月十九, after 立春: 甲子) at 10:00, 巳 by true solar time: 12 + 6 + 5 + 16.
  const std::wstring heavy =
      BuildBoneWeightPage(Calendar(), 1984, 2, 20, 10, 0, L"", L"男", kTaipei);
  EXPECT_EQ(LunarDate(heavy), "甲子 正月十九");
  EXPECT_EQ(WeightLine(heavy), "一兩二錢 + 零兩六錢 + 零兩五錢 + 一兩六錢 = 三兩九錢");
  EXPECT_EQ(Between(heavy, L"命評&nbsp;&nbsp;</font>", L"<p>"),
            Utf8(std::wstring(BoneVerdict(39))));
  EXPECT_EQ(Between(heavy, L"歌謠&nbsp;&nbsp;</font>", L"</table>"),
            Utf8(std::wstring(kBonePoems[18].text)));

  // 己巳, 五月初一, 丑: the lightest reading and its quoted texts.
  const std::wstring light = BuildBoneWeightPage(Calendar(), 1989, 6, 4, 2, 0, L"", L"男", kTaipei);
  EXPECT_EQ(WeightLine(light), "零兩五錢 + 零兩五錢 + 零兩五錢 + 零兩六錢 = 二兩一錢");
  EXPECT_EQ(Between(light, L"命評&nbsp;&nbsp;</font>", L"<p>"), "一生衣食奔波勞碌之命");
  EXPECT_EQ(Between(light, L"歌謠&nbsp;&nbsp;</font>", L"</table>"),
            "短命非業謂大凶，平生災難事重重；凶禍頻臨陷逆境，終世困苦事不成。");
}

// A verdict without a source leaves its label with nothing after it.
TEST(BoneWeightPage, AnEmptyVerdictKeepsItsLabel) {
  const std::wstring page =
      BuildBoneWeightPage(Calendar(), 1984, 2, 20, 10, 0, L"", L"男", kTaipei);
  ASSERT_TRUE(BoneVerdict(39).empty());
  EXPECT_NE(page.find(L"<p><font color=red>命評&nbsp;&nbsp;</font><p><font color=red>歌謠"),
            std::wstring::npos);
}

// 2023 has a leap second month (2023-03-22 to 2023-04-19); its days weigh as 二 (7).
TEST(BoneWeightPage, ALeapMonthWeighsAsItsMonth) {
  const BirthDate date = CheckBirthDate(Calendar(), 2023, 4, 1, 12, 0);
  ASSERT_EQ(date.birthDay.leapMark, L"閏");
  const std::wstring page = BuildBoneWeightPage(Calendar(), 2023, 4, 1, 12, 0, L"", L"男", kTaipei);
  EXPECT_EQ(LunarDate(page), "癸卯 二月十一");
  // 癸卯 12 + 二 7 + 十一 9 + 午 10 = 38
  EXPECT_EQ(WeightLine(page), "一兩二錢 + 零兩七錢 + 零兩九錢 + 一兩零錢 = 三兩八錢");
}

TEST(BoneWeightPage, TheZiHourThatOpensTheNextDay) {
  struct Case {
    int year, month, day, hour, minute;
    double longitude;
    const char* lunarDate;
    bool nextDay;
    const char* trueSolarHour;  // the first two characters of the true solar time
  };
  const Case cases[] = {
      // 2024-01-31 is 癸卯 十二月廿一, 2024-02-01 十二月廿二. At Taipei the true solar time runs
      // about 7 minutes behind the clock that day.
      {2024, 1, 31, 23, 30, kTaipei, "癸卯 十二月廿二", true, "23"},
      {2024, 1, 31, 21, 30, kTaipei, "癸卯 十二月廿一", false, "21"},
      {2024, 1, 31, 22, 59, kTaipei, "癸卯 十二月廿一", false, "22"},
      // At 135° east the same 22:59 is past 23:00 true solar time.
      {2024, 1, 31, 22, 59, 135.0, "癸卯 十二月廿二", true, "23"},
      // Far west of 120°, 00:30 civil time is 23:xx true solar time of the evening before,
      // and the typed hour keeps the civil day.
      {2024, 6, 10, 0, 30, 100.0, "甲辰 五月初五", false, "23"},
      // 24:00 is the next day's midnight: at Taipei the true solar hour is 0.
      {2024, 12, 31, 24, 0, kTaipei, "甲辰 十二月初二", true, "00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.month) + "-" + std::to_string(c.day) + " " +
                 std::to_string(c.hour) + ":" + std::to_string(c.minute));
    const std::wstring page = BuildBoneWeightPage(Calendar(), c.year, c.month, c.day, c.hour,
                                                  c.minute, L"", L"男", c.longitude);
    EXPECT_EQ(LunarDate(page), c.lunarDate);
    const std::wstring& joint = c.nextDay ? kNextDayJoint : kCivilDayJoint;
    const std::size_t at = page.find(joint);
    ASSERT_NE(at, std::wstring::npos);
    EXPECT_EQ(Utf8(page.substr(at + joint.size(), 2)), c.trueSolarHour);
  }
}

TEST(BoneWeightPage, PersonLineWithAndWithoutName) {
  const std::wstring unnamed =
      BuildBoneWeightPage(Calendar(), 2024, 6, 15, 12, 0, L"", L"女", kTaipei);
  EXPECT_NE(unnamed.find(L"<table><BR><BR><font color = red>性別&nbsp;&nbsp;</font>女<P><font"),
            std::wstring::npos);
  EXPECT_EQ(unnamed.find(L"姓名"), std::wstring::npos);

  const std::wstring named =
      BuildBoneWeightPage(Calendar(), 2024, 6, 15, 12, 0, L"陳 美", L"男", kTaipei);
  EXPECT_NE(named.find(L"<table><BR><BR><font color = red>姓名&nbsp;&nbsp;</font>陳 美"
                       L"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
                       L"<font color = red>性別&nbsp;&nbsp;</font>男<P><font"),
            std::wstring::npos);
}

// Name and sex are user text: markup in them shows as text and cannot end the page's own.
TEST(BoneWeightPage, NameAndSexAreEscaped) {
  const std::wstring page = BuildBoneWeightPage(Calendar(), 2024, 6, 15, 12, 0,
                                                L"<script>x&y</script>", L"\"><b>", kTaipei);
  EXPECT_NE(page.find(L"</font>&lt;script&gt;x&amp;y&lt;/script&gt;&nbsp;"), std::wstring::npos);
  EXPECT_NE(page.find(L"</font>&quot;&gt;&lt;b&gt;<P>"), std::wstring::npos);
  EXPECT_EQ(page.find(L"<script>"), std::wstring::npos);
  EXPECT_EQ(page.find(L"<b>"), std::wstring::npos);
}

TEST(BoneWeightPage, RefusedBirthsGiveTheirMessage) {
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    int year, month, day, hour, minute;
    double longitude;
    const wchar_t* message;
  };
  const Case cases[] = {
      {2024, 13, 1, 0, 61, kTaipei, kBirthMonthMessage},
      {2024, 0, 1, 0, 0, kTaipei, kBirthMonthMessage},
      {2024, 2, 30, 12, 0, kTaipei, kBirthDayMessage},
      {2024, 4, 31, 12, 0, kTaipei, kBirthDayMessage},
      {2024, 1, 0, 12, 0, kTaipei, kBirthDayMessage},
      {2024, 1, 32, 12, 0, kTaipei, kBirthDayMessage},
      {1582, 10, 10, 12, 0, kTaipei, kBirthDayMessage},
      {10000, 1, 1, 12, 0, kTaipei, kBirthYearMessage},
      {-4713, 1, 1, 12, 0, kTaipei, kBirthYearMessage},
      {INT_MIN, 13, 1, 12, 0, kTaipei, kBirthYearMessage},
      {2024, 1, 1, 25, 0, kTaipei, kBirthHourMessage},
      {2024, 1, 1, -1, 0, kTaipei, kBirthHourMessage},
      {2024, 1, 1, 0, 61, kTaipei, kBirthMinuteMessage},
      {2024, 1, 1, 0, -1, kTaipei, kBirthMinuteMessage},
      {2024, 1, 1, 0, 0, kNaN, kBirthLongitudeMessage},
      {2024, 1, 1, 0, 0, std::numeric_limits<double>::infinity(), kBirthLongitudeMessage},
      {2024, 1, 1, 0, 0, 1e300, kBirthLongitudeMessage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day) + " " + std::to_string(c.hour) + ":" +
                 std::to_string(c.minute));
    EXPECT_EQ(Utf8(BuildBoneWeightPage(Calendar(), c.year, c.month, c.day, c.hour, c.minute, L"名",
                                       L"男", c.longitude)),
              Utf8(c.message));
  }
}

// The lunar date on the page, and so its weights, agrees with the independent day table: every
// 23rd day of 1950-2050 at noon and, on the last day of every month of ten years, at 23:30 (the
// next day's 子 hour at Taipei), which takes the first day of the next month.
TEST(BoneWeightPage, LunarDatesAgreeWithTheReferenceDays) {
  const ReferenceDays reference = ReadReferenceDays();
  ASSERT_EQ(reference.size(), 36890u);
  auto dateText = [](int y, int m, int d) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
    return std::string(text);
  };
  int compared = 0;
  int index = 0;
  auto days = std::make_unique<engine::CalendarDays>();
  for (int year = 1950; year <= 2050; ++year) {
    for (int month = 1; month <= 12; ++month) {
      engine::CalendarMonth calendarMonth;
      Calendar().ComputeMonthCalendar(year, month, *days, calendarMonth);
      for (int i = 0; i < calendarMonth.dayCount; ++i, ++index) {
        const int day = (*days)[static_cast<std::size_t>(i)].gregorianDay;
        const bool lastDay = i + 1 == calendarMonth.dayCount;
        if (index % 23 == 0) {
          SCOPED_TRACE(dateText(year, month, day));
          const std::wstring page =
              BuildBoneWeightPage(Calendar(), year, month, day, 12, 0, L"", L"男", kTaipei);
          EXPECT_EQ(LunarDate(page), reference.LunarText(dateText(year, month, day)));
          ++compared;
        }
        if (lastDay && year % 10 == 4 && year < 2050) {
          SCOPED_TRACE(dateText(year, month, day) + " 23:30");
          const std::wstring page =
              BuildBoneWeightPage(Calendar(), year, month, day, 23, 30, L"", L"男", kTaipei);
          const std::string next =
              month == 12 ? dateText(year + 1, 1, 1) : dateText(year, month + 1, 1);
          EXPECT_EQ(LunarDate(page), reference.LunarText(next));
          EXPECT_NE(page.find(kNextDayJoint), std::wstring::npos);
          ++compared;
        }
      }
    }
  }
  EXPECT_GT(compared, 1700);
}

// Every date of the calendar has a record whose year and day names are in the weight tables, and
// so is its month name unless the month is a 13th month of the early calendars (the years -721
// to -104) or the first of the two twelfth months of 23 and 239, which have names of their own
// and weigh 0 like any name found nowhere. So every accepted birth in one of the twelve months
// weighs 21 or more and gets a page: all days of years spread over the calendar's range, and
// pages at its ends.
TEST(BoneWeightPage, EveryAcceptedBirthGetsAPage) {
  const vocabulary::CalendarVocabulary vocabulary;
  const std::wstring unweighedMonths[] = {
      engine::MonthCodeName(vocabulary, engine::kMonthCodeFirstTwelfth),
      engine::MonthCodeName(vocabulary, engine::kMonthCodeThirteenth),
      engine::MonthCodeName(vocabulary, engine::kMonthCodeAfterNinth)};
  auto days = std::make_unique<engine::CalendarDays>();
  int checked = 0;
  int unweighed = 0;
  for (int year = engine::kFirstCalendarYear; year <= engine::kLastCalendarYear; year += 97) {
    for (int month = 1; month <= 12; ++month) {
      engine::CalendarMonth calendarMonth;
      Calendar().ComputeMonthCalendar(year, month, *days, calendarMonth);
      ASSERT_GE(calendarMonth.dayCount, 28);
      for (int i = 0; i < calendarMonth.dayCount; ++i) {
        const engine::CalendarDay& record = (*days)[static_cast<std::size_t>(i)];
        SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(month) + "-" +
                     std::to_string(record.gregorianDay));
        ASSERT_GT(BoneYearWeight(record.yearPillarName), 0) << Utf8(record.yearPillarName);
        ASSERT_GT(BoneDayWeight(record.lunarDayName), 0) << Utf8(record.lunarDayName);
        if (BoneMonthWeight(record.lunarMonthName) == 0) {
          ASSERT_TRUE(std::find(std::begin(unweighedMonths), std::end(unweighedMonths),
                                record.lunarMonthName) != std::end(unweighedMonths))
              << Utf8(record.lunarMonthName);
          ASSERT_TRUE((year >= -721 && year <= -104) || year == 23 || year == 24 || year == 239 ||
                      year == 240)
              << Utf8(record.lunarMonthName);
          ++unweighed;
        }
        ++checked;
      }
    }
  }
  EXPECT_GT(unweighed, 0);
  EXPECT_GT(checked, 50000);

  struct Birth {
    int year, month, day, hour, minute;
  };
  const Birth births[] = {
      {-4712, 1, 1, 0, 0},    {-4712, 1, 1, 23, 59},  {1582, 10, 4, 23, 30},  {1582, 10, 15, 0, 0},
      {9999, 12, 31, 21, 59}, {9999, 12, 30, 23, 30}, {2024, 12, 31, 24, 60}, {0, 2, 29, 12, 0},
  };
  for (const Birth& b : births) {
    SCOPED_TRACE(std::to_string(b.year) + "-" + std::to_string(b.month) + "-" +
                 std::to_string(b.day) + " " + std::to_string(b.hour) + ":" +
                 std::to_string(b.minute));
    for (const double longitude : {-180.0, 0.0, kTaipei, 180.0}) {
      const std::wstring page = BuildBoneWeightPage(Calendar(), b.year, b.month, b.day, b.hour,
                                                    b.minute, L"", L"男", longitude);
      EXPECT_EQ(page.rfind(L"<html>", 0), 0u) << longitude;
    }
  }
}

// A birth in a month whose name weighs nothing weighs the other three parts alone, and the
// lightest of them get the empty text: 庚申 (8) 十三月 (0) 初一 (5) at the 丑 hour (6) is 19.
TEST(BoneWeightPage, AThirteenthMonthWeighsNothing) {
  const BirthDate date = CheckBirthDate(Calendar(), -720, 11, 25, 2, 0);
  ASSERT_TRUE(date.message.empty());
  ASSERT_EQ(Utf8(date.birthDay.yearPillarName + date.birthDay.lunarMonthName +
                 date.birthDay.lunarDayName),
            "庚申十三初一");
  EXPECT_EQ(BuildBoneWeightPage(Calendar(), -720, 11, 25, 2, 0, L"", L"男", kTaipei), L"");
  // At the 子 hour (16) the same day weighs 29 and gets its page, the month written 零兩零錢.
  const std::wstring page =
      BuildBoneWeightPage(Calendar(), -720, 11, 25, 0, 10, L"", L"男", kTaipei);
  EXPECT_EQ(WeightLine(page), "零兩八錢 + 零兩零錢 + 零兩五錢 + 一兩六錢 = 二兩九錢");
}

}  // namespace
}  // namespace chart
