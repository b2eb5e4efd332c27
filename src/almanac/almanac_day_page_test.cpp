#include "almanac/almanac_day_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "almanac/calendar_tables_test_util.h"
#include "almanac/reference_table_test_util.h"
#include "engine/julian_day.h"
#include "vocabulary/vocabulary_lists.h"

namespace almanac {
namespace {

double JulianDayAt(int year, int month, int day, int hour, int minute = 0) {
  return engine::ComputeJulianDay(year, month, day + (hour + minute / 60.0) / 24.0);
}

std::wstring ReadUtf8File(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return testing::DecodeUtf8(bytes.str());
}

// Golden pages, checked by hand line by line against the page rules: the year, month and pillar
// finders' names, the notes, the term in force on both sides of 12:00 of the 立春 day
// (2024-02-04 16:26:53), the officer "收" before noon and "成" from noon.
TEST(AlmanacDayPage, MatchesGoldenPages) {
  struct Case {
    int year, month, day, hour;
    const char* file;
  };
  const Case cases[] = {
      {2024, 1, 1, 12, "almanac_day_2024_01_01_1200.html"},
      {2024, 2, 4, 10, "almanac_day_2024_02_04_1000.html"},
      {2024, 2, 4, 12, "almanac_day_2024_02_04_1200.html"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::wstring golden = ReadUtf8File(std::string(TAVREL_TESTDATA_DIR "/") + c.file);
    ASSERT_FALSE(golden.empty());
    const std::wstring page =
        BuildAlmanacDayPage(testing::Tables(), JulianDayAt(c.year, c.month, c.day, c.hour));
    EXPECT_TRUE(page == golden);
    if (page != golden) {
      std::size_t i = 0;
      while (i < page.size() && i < golden.size() && page[i] == golden[i]) {
        ++i;
      }
      ADD_FAILURE() << "first difference at character " << i;
    }
  }
}

TEST(AlmanacDayPage, TermsInForceSwitchAtNoonOfTheTermDay) {
  struct Case {
    int year, month, day, hour, minute;
    const wchar_t* sectionTerm;
    const wchar_t* midTerm;
    const wchar_t* officer;
    const wchar_t* nineStar;
  };
  const Case cases[] = {
      // 立春 2024-02-04 16:26:53, a 戊戌 day (k = 34): 小寒 rules until 12:00.
      {2024, 2, 4, 0, 0, L"小寒", L"大寒", L"收", L"八白"},
      {2024, 2, 4, 11, 59, L"小寒", L"大寒", L"收", L"八白"},
      {2024, 2, 4, 12, 0, L"立春", L"大寒", L"成", L"八白"},
      {2024, 2, 4, 23, 59, L"立春", L"大寒", L"成", L"八白"},
      // 雨水 2024-02-19, a 癸丑 day (k = 49): (49 + 1) mod 9 = 5, then (49 + 7) mod 9 = 2.
      {2024, 2, 19, 11, 0, L"立春", L"大寒", L"閉", L"五黃"},
      {2024, 2, 19, 12, 0, L"立春", L"雨水", L"閉", L"二黑"},
      // 冬至 2023-12-22, a 甲寅 day (k = 50): (15 - 5) mod 9 = 1 under 小雪, 51 mod 9 = 6 after.
      {2023, 12, 22, 6, 0, L"大雪", L"小雪", L"滿", L"一白"},
      {2023, 12, 22, 18, 0, L"大雪", L"冬至", L"滿", L"六白"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.month) + "-" + std::to_string(c.day) + " " +
                 std::to_string(c.hour) + ":" + std::to_string(c.minute));
    AlmanacDay day;
    FillAlmanacDay(testing::Tables(), JulianDayAt(c.year, c.month, c.day, c.hour, c.minute), day);
    EXPECT_EQ(day.currentSectionTerm, c.sectionTerm);
    EXPECT_EQ(day.currentMidTerm, c.midTerm);
    EXPECT_EQ(day.dayOfficer, c.officer);
    EXPECT_EQ(day.nineStar, c.nineStar);
  }
}

// Everything but the terms in force follows the civil date, whatever the time of day.
TEST(AlmanacDayPage, TheDateHoldsAllDay) {
  AlmanacDay early;
  AlmanacDay late;
  const int kEarly = FillAlmanacDay(testing::Tables(), JulianDayAt(2024, 1, 1, 0, 0), early);
  const int kLate = FillAlmanacDay(testing::Tables(), JulianDayAt(2024, 1, 1, 23, 30), late);
  EXPECT_EQ(kEarly, kLate);
  EXPECT_EQ(late.gregorianDayText, L"1");
  EXPECT_EQ(late.dayStem + late.dayBranch, L"甲子");  // no change of day at 23:00
  EXPECT_EQ(early.lunarMansion, L"畢");               // the mansion of 12:00, all day
  EXPECT_EQ(late.lunarMansion, L"畢");
  EXPECT_EQ(early.trigram, L"巽");
  EXPECT_EQ(late.trigram, L"巽");
  EXPECT_EQ(ComposeAlmanacDayPage(early, kEarly), ComposeAlmanacDayPage(late, kLate));
}

// October 1582 has no days 5 to 14: the record is found by day number, not at index day - 1.
TEST(AlmanacDayPage, DaysAroundTheCalendarReform) {
  AlmanacDay before;
  AlmanacDay after;
  FillAlmanacDay(testing::Tables(), JulianDayAt(1582, 10, 4, 12), before);
  FillAlmanacDay(testing::Tables(), JulianDayAt(1582, 10, 15, 12), after);
  EXPECT_EQ(before.gregorianDayText, L"4");
  EXPECT_EQ(after.gregorianDayText, L"15");
  const auto& cycle = vocabulary::kSexagenaryNames;
  const auto at = [&](const AlmanacDay& d) {
    return std::find(cycle.begin(), cycle.end(), d.dayStem + d.dayBranch) - cycle.begin();
  };
  ASSERT_LT(at(before), 60);
  EXPECT_EQ((at(before) + 1) % 60, at(after));  // consecutive days
  EXPECT_NE(BuildAlmanacDayPage(testing::Tables(), JulianDayAt(1582, 10, 15, 12))
                .find(L"1582年 10月 15日星期五"),
            std::wstring::npos);
}

// The first and last days the engine supports give complete pages with every attribute.
TEST(AlmanacDayPage, EndsOfTheSupportedYears) {
  for (const double julianDay : {JulianDayAt(-4712, 1, 1, 0), JulianDayAt(9999, 12, 31, 23)}) {
    SCOPED_TRACE(julianDay);
    AlmanacDay day;
    FillAlmanacDay(testing::Tables(), julianDay, day);
    EXPECT_EQ(day.dayStem.size() + day.dayBranch.size() + day.yearBranch.size(), 3u);
    EXPECT_FALSE(day.currentSectionTerm.empty());
    EXPECT_FALSE(day.currentMidTerm.empty());
    EXPECT_FALSE(day.nineStar.empty());
    EXPECT_FALSE(day.lunarMansion.empty());
    const std::wstring page = BuildAlmanacDayPage(testing::Tables(), julianDay);
    EXPECT_EQ(page.substr(page.size() - 14), L"</body></html>");
  }
}

// Any double is a moment: days far outside the calendar, infinities and NaN give a whole page
// (with blank fields where the calendar has nothing), never undefined arithmetic.
TEST(AlmanacDayPage, AnyJulianDayGivesAWholePage) {
  const double kInf = std::numeric_limits<double>::infinity();
  for (const double julianDay :
       {0.0, -0.0, -1.0, 1e300, -1e300, 7.8e11, -7.8e11, 2147483648.0, -2147483649.0, 5373484.5,
        kInf, -kInf, std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max()}) {
    SCOPED_TRACE(julianDay);
    const std::wstring page = BuildAlmanacDayPage(testing::Tables(), julianDay);
    ASSERT_GE(page.size(), 14u);
    EXPECT_EQ(page.substr(page.size() - 14), L"</body></html>");
  }
}

bool Contains(const std::wstring& page, const std::wstring& piece) {
  return page.find(piece) != std::wstring::npos;
}

// A record with a lunar date and pillars, as the page composes it.
AlmanacDay RecordOf(const wchar_t* monthName, const wchar_t* dayName, const wchar_t* size) {
  AlmanacDay day;
  day.lunarMonthName = monthName;
  day.lunarDayName = dayName;
  day.monthSizeText = size;
  day.dayStem = L"甲";
  day.dayBranch = L"子";
  return day;
}

TEST(AlmanacDayPage, DayNotes) {
  const std::wstring lastDay = L"晦臘忌歌舞; 月晦之日";
  const std::wstring yearChange = L"(農曆是以正月初一換年, 命理是以立春或冬至換年)";
  const std::wstring eightFestivals = L", <font color=Red>八節勿行刑殺生(太上感應篇)</font><br>";
  EXPECT_TRUE(Contains(ComposeAlmanacDayPage(RecordOf(L"三", L"廿九", L"小"), -1), lastDay));
  EXPECT_FALSE(Contains(ComposeAlmanacDayPage(RecordOf(L"三", L"廿九", L"大"), -1), lastDay));
  EXPECT_TRUE(Contains(ComposeAlmanacDayPage(RecordOf(L"三", L"三十", L"大"), -1), lastDay));
  const std::wstring newYear = ComposeAlmanacDayPage(RecordOf(L"正", L"初一", L"大"), -1);
  EXPECT_TRUE(Contains(newYear, L"正月初一天臘"));
  EXPECT_TRUE(Contains(newYear, L"天臘, 晦臘忌歌舞(太上感應篇)</font>" + yearChange + L"<br> "));
  // Leap months are compared without their mark.
  AlmanacDay leapFifth = RecordOf(L"五", L"初五", L"小");
  leapFifth.leapMark = L"閏";
  EXPECT_TRUE(Contains(ComposeAlmanacDayPage(leapFifth, -1), L"閏五月小 初五日"));
  EXPECT_TRUE(Contains(ComposeAlmanacDayPage(leapFifth, -1), L"五月初五地臘"));
  AlmanacDay leapTwelfth = RecordOf(L"十二", L"初八", L"大");
  leapTwelfth.leapMark = L"閏";
  EXPECT_TRUE(Contains(ComposeAlmanacDayPage(leapTwelfth, -1), L"十二月初八侯王臘"));
  AlmanacDay gengShen = RecordOf(L"三", L"初三", L"大");
  gengShen.dayStem = L"庚";
  gengShen.dayBranch = L"申";
  EXPECT_TRUE(Contains(ComposeAlmanacDayPage(gengShen, -1), L"每到庚申日"));
  // Terms: 立春 and 冬至 days carry the year-change note and the 八節 note, the other six of the
  // eight seasonal terms only the latter, any other term neither.
  for (const wchar_t* term :
       {L"立春", L"冬至", L"立夏", L"立秋", L"立冬", L"春分", L"秋分", L"夏至", L"驚蟄", L"大寒"}) {
    SCOPED_TRACE(term);
    AlmanacDay day = RecordOf(L"三", L"初三", L"大");
    day.termName = term;
    day.termTimeText = L"01:02:03";
    const std::wstring page = ComposeAlmanacDayPage(day, -1);
    const std::wstring t(term);
    EXPECT_EQ(Contains(page, yearChange), t == L"立春" || t == L"冬至");
    EXPECT_EQ(Contains(page, eightFestivals), t != L"驚蟄" && t != L"大寒");
    EXPECT_TRUE(Contains(page, L", <font color=Orange>" + t + L" 01:02:03</font>"));
  }
  // No term: no orange text, the line still ends.
  EXPECT_TRUE(Contains(ComposeAlmanacDayPage(RecordOf(L"三", L"初三", L"大"), -1),
                       L"甲子日, 沖煞<br><font color=blue>納音五行  </font>"));
}

TEST(AlmanacDayPage, NineNinesLines) {
  const AlmanacDay day = RecordOf(L"十一", L"初三", L"大");
  const std::map<int, const wchar_t*> lines = {
      {0, L"一九二九不出手"},  {9, L"一九二九不出手"},        {18, L"三九四九冰上走"},
      {27, L"三九四九冰上走"}, {36, L"五九和六九河邊看楊柳"}, {45, L"五九和六九河邊看楊柳"},
      {54, L"七九河開"},       {63, L"八九燕歸來"},           {72, L"九九八十一耕牛遍地走"}};
  for (int k = -5; k < 400; ++k) {
    SCOPED_TRACE(k);
    const std::wstring page = ComposeAlmanacDayPage(day, k);
    const auto it = lines.find(k);
    if (it == lines.end()) {
      EXPECT_FALSE(Contains(page, L"<font color=green>&nbsp;"));
    } else {
      EXPECT_TRUE(Contains(page, L"<br> <font color=green>&nbsp;&nbsp;&nbsp;" +
                                     std::wstring(it->second) +
                                     L"</font><br><font color=red>擇日  </font>"));
    }
  }
}

TEST(AlmanacDayPage, EmptySectionsPrintNothingButTheirFixedBreaks) {
  AlmanacDay day = RecordOf(L"三", L"初三", L"大");
  std::wstring page = ComposeAlmanacDayPage(day, -1);
  EXPECT_FALSE(Contains(page, L"年吉神"));
  EXPECT_FALSE(Contains(page, L"年凶神"));
  EXPECT_FALSE(Contains(page, L"欽定協紀辨方書"));
  EXPECT_FALSE(Contains(page, L"董公選秘"));
  EXPECT_FALSE(Contains(page, L"其他擇日"));
  // Attribute line, the folk-mark break, the bare break in place of the heading, the hours.
  EXPECT_TRUE(Contains(page,
                       L"紫白飛星  </font><br><br><br><p><font color=red>擇時  </font>"
                       L"</body></html>"));

  day.monthAuspicious[0] = L"天赦";
  day.monthAuspicious[1] = L"月恩";
  day.extraMarks[0] = L"受死";
  day.netVerdict[2] = L"祈福. ";
  day.monthDayVerdict[0] = L"吉";
  day.hours[1].hourAuspicious[0] = L"天乙貴人";
  day.hours[1].hourAuspicious[1] = L"日合";
  day.hours[2].hourInauspicious[0] = L"白虎";
  page = ComposeAlmanacDayPage(day, -1);
  EXPECT_TRUE(Contains(page,
                       L"<font color=blue>月吉神  </font>天赦, 月恩<br>, "
                       L"<font color=green>受死</font><br><br>"
                       L"<font color=blue>欽定協紀辨方書  </font><br>"
                       L"<font color=blue>宜忌加減後得忌  </font>祈福. <br>"));
  // A 宜 phrase alone keeps no line break before the next piece.
  EXPECT_TRUE(Contains(page,
                       L"<br><font color=blue>董公選秘  </font><br><font color=blue>宜  "
                       L"</font>吉<p><font color=red>擇時  </font>"));
  EXPECT_TRUE(Contains(page,
                       L"<br><font color=blue>丑時 </font> 01:00 - 03:00 : "
                       L"<font color=blue> 吉神  </font> 天乙貴人 日合"
                       L"<br><font color=blue>寅時 </font> 03:00 - 05:00 : "
                       L"<font color=blue> 凶神  </font> 白虎</body></html>"));
  day.monthDayVerdict[0].clear();
  day.monthDayVerdict[1] = L"諸事";
  page = ComposeAlmanacDayPage(day, -1);
  EXPECT_TRUE(Contains(page,
                       L"<br><font color=blue>董公選秘  </font><br><font color=blue>忌  "
                       L"</font>諸事<br><p>"));
}

// A date of the reference table ("2020-01-01") for a trace.
std::string AsciiOf(const std::wstring& text) {
  std::string out;
  for (const wchar_t c : text) {
    out.push_back(static_cast<char>(c));
  }
  return out;
}

// The pages of 12:00 of every date from 2019-12-01 to 2030-12-31: December 2019 holds the winter
// solstice from which the nine-star count of the reference library (below) starts for 2020.
struct NoonOfDate {
  double julianDay;
  int cycleIndex;  // of the day pillar, 甲子 = 0
  std::wstring dayPillar, termName, dayOfficer, lunarMansion, nineStar;
};
const std::vector<NoonOfDate>& NoonsFrom2019December() {
  static const std::vector<NoonOfDate> noons = [] {
    std::vector<NoonOfDate> out;
    const double first = JulianDayAt(2019, 12, 1, 12), last = JulianDayAt(2030, 12, 31, 12);
    const auto& cycle = vocabulary::kSexagenaryNames;
    for (double julianDay = first; julianDay <= last; julianDay += 1.0) {
      AlmanacDay day;
      FillAlmanacDay(testing::Tables(), julianDay, day);
      const std::wstring pillar = day.dayStem + day.dayBranch;
      const int k = static_cast<int>(std::find(cycle.begin(), cycle.end(), pillar) - cycle.begin());
      out.push_back(
          {julianDay, k, pillar, day.termName, day.dayOfficer, day.lunarMansion, day.nineStar});
    }
    return out;
  }();
  return noons;
}
constexpr std::size_t kDaysBefore2020 = 31;  // 2019-12-01 .. 2019-12-31

// Against lunar-javascript 1.7.7 (testdata/almanac_days.tsv): the day officer and the mansion of
// 12:00 of every date of 2020-2030 agree on every day.
TEST(AlmanacDayPage, OfficerAndMansionAgreeWithReferenceLibrary) {
  const auto rows = testing::ReadTsvRows(TAVREL_TESTDATA_DIR "/almanac_days.tsv");
  ASSERT_EQ(rows.size(), 4018u);
  const auto& noons = NoonsFrom2019December();
  ASSERT_EQ(noons.size(), kDaysBefore2020 + rows.size());
  int officerAgree = 0, mansionAgree = 0, pillarAgree = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto& row = rows[i];
    const NoonOfDate& ours = noons[kDaysBefore2020 + i];
    SCOPED_TRACE(AsciiOf(row[0]));
    pillarAgree += ours.dayPillar == row[1] ? 1 : 0;
    EXPECT_EQ(ours.dayOfficer, row[2]);
    officerAgree += ours.dayOfficer == row[2] ? 1 : 0;
    const std::wstring mansion = row[3] == L"昴" ? L"昂" : row[3];  // the library's form
    EXPECT_EQ(ours.lunarMansion, mansion);
    mansionAgree += ours.lunarMansion == mansion ? 1 : 0;
  }
  EXPECT_EQ(pillarAgree, 4018);
  std::printf("of %zu days: officer agrees on %d, mansion on %d\n", rows.size(), officerAgree,
              mansionAgree);
}

// The day's flying star agrees with the library on about three days in four, and every
// difference comes from where the two rules change group. Ours starts a group at each of the six
// mid-terms 冬至, 雨水, 穀雨 (ascending) and 夏至, 處暑, 霜降 (descending), at 12:00 of the
// mid-term's day, and keeps it for two mid-terms, with 甲子 on 一白, 七赤, 四綠, 九紫, 三碧, 六白.
// The library counts on without a break from the 甲子 day nearest 冬至 (一白, ascending) and from
// the 甲子 day nearest 夏至 (九紫, descending). So the two differ on the days between each of the
// six mid-terms and the 甲子 day nearest it, and, in a half-year whose two 甲子 days lie 240 days
// apart (2020), on the fourth 60 days of the library's count as well. The test checks that the
// library's rule, computed from our pillars and solstice days, gives its every star.
TEST(AlmanacDayPage, NineStarDiffersFromReferenceLibraryOnlyByItsGroupRule) {
  const auto rows = testing::ReadTsvRows(TAVREL_TESTDATA_DIR "/almanac_days.tsv");
  ASSERT_EQ(rows.size(), 4018u);
  const auto& noons = NoonsFrom2019December();
  ASSERT_EQ(noons.size(), kDaysBefore2020 + rows.size());
  struct Start {
    double julianDay;
    bool ascending;
  };
  std::vector<Start> starts;  // the 甲子 day nearest each solstice, 29 days before to 30 after
  for (const NoonOfDate& noon : noons) {
    if (noon.termName == L"冬至" || noon.termName == L"夏至") {
      const int k = noon.cycleIndex;
      starts.push_back({noon.julianDay + (k > 29 ? 60 - k : -k), noon.termName == L"冬至"});
    }
  }
  const std::wstring stars[] = {L"一白", L"二黑", L"三碧", L"四綠", L"五黃",
                                L"六白", L"七赤", L"八白", L"九紫"};
  int libraryRuleAgrees = 0, oursAgrees = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const NoonOfDate& ours = noons[kDaysBefore2020 + i];
    const std::wstring reference = rows[i][5].substr(0, 2);  // "四綠木天權": the star
    SCOPED_TRACE(AsciiOf(rows[i][0]));
    const Start* start = nullptr;
    for (const Start& s : starts) {
      if (s.julianDay <= ours.julianDay) {
        start = &s;
      }
    }
    ASSERT_NE(start, nullptr);
    const int n = static_cast<int>(ours.julianDay - start->julianDay) % 9;
    const std::wstring& libraryRule = stars[start->ascending ? n : 8 - n];
    EXPECT_EQ(libraryRule, reference);
    libraryRuleAgrees += libraryRule == reference ? 1 : 0;
    oursAgrees += ours.nineStar == reference ? 1 : 0;
  }
  std::printf("nine star of %zu days: ours agrees on %d (%.1f%%), the library's rule on %d\n",
              rows.size(), oursAgrees, 100.0 * oursAgrees / rows.size(), libraryRuleAgrees);
}

}  // namespace
}  // namespace almanac
