#include "almanac/perpetual_calendar_page.h"

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "engine/julian_day.h"
#include "engine/lunar_year.h"
#include "engine/moments.h"
#include "engine/time_frames.h"
#include "vocabulary/calendar_vocabulary.h"
#include "vocabulary/cyclic_index.h"
#include "vocabulary/number_text.h"

namespace almanac {

namespace {

constexpr wchar_t kHead[] =
    LR"(<html><head lang="zh-tw"><META content="text/html; charset=big5" http-equiv=Content-Type></head> <body><br><br>)";
constexpr wchar_t kTitleStart[] = L"<font color='#000000' size='3'> 西元";
constexpr wchar_t kTableHead[] =
    L"<table border='2' width='580' bordercolor='#000080' cellspacing='3' cellpadding='2' "
    L"bgcolor='#FFFFcf' bordercolorlight='#FF0000' bordercolordark='#FF0000' >";
constexpr wchar_t kRowStart[] =
    L"<tr bordercolorlight='#FF0000' bordercolordark='#FF0000'><td width='34%'>";
constexpr wchar_t kEnd[] = L"</table></font></body></html>";

const vocabulary::CalendarVocabulary& Vocabulary() {
  static const vocabulary::CalendarVocabulary vocabulary;
  return vocabulary;
}

// An entry of a cyclic list for any integer index.
const std::wstring& Cyclic(const std::vector<std::wstring>& list, long long index) {
  return list[static_cast<std::size_t>(vocabulary::FloorMod(index, static_cast<int>(list.size())))];
}

// The date part ("yyyy-mm-dd " with its blank) and the time part ("hh:mm:ss") of a Julian day,
// split at the blank between them, so that years of five characters print whole.
struct DateAndTime {
  std::wstring date;
  std::wstring time;
};
DateAndTime SplitDateTime(double julianDay) {
  const std::wstring text = engine::FormatJulianDayDateTime(julianDay);
  const std::size_t time = text.find(L' ') + 1;  // the text always holds the blank
  return {text.substr(0, time), text.substr(time)};
}

// The time cell of an exact moment (day number, Beijing time) found for a table day; red when the
// moment falls on another civil day than the table's.
void AppendMomentCell(std::wstring& page, double moment, double tableDay) {
  std::wstring cell = L" " + SplitDateTime(engine::JulianDayOfDayNumber(moment)).time + L"</td>";
  if (std::floor(moment + 0.5) != tableDay) {
    cell = L"<font color=red>" + cell + L"</font>";
  }
  page += cell;
}

// The stem-branch name of a day (day number), and its branch alone.
std::wstring DayPillar(const vocabulary::CalendarVocabulary& v, long long day) {
  const int index = engine::SexagenaryIndexOfDay(day);
  return Cyclic(v.stems, index) + Cyclic(v.branches, index);
}
const std::wstring& DayBranch(const vocabulary::CalendarVocabulary& v, long long day) {
  return Cyclic(v.branches, engine::SexagenaryIndexOfDay(day));
}

std::wstring OutOfRangePage(int year) {
  std::wstring page = kHead;
  page += kTitleStart;
  page += vocabulary::DecimalText(year);
  page += L"年不在本萬年曆的範圍內(西元" + vocabulary::DecimalText(engine::kFirstCalendarYear) +
          L"年至" + vocabulary::DecimalText(engine::kLastCalendarYear) + L"年)<br>";
  page += L"</font></body></html>";
  return page;
}

}  // namespace

std::wstring BuildPerpetualCalendarPage(CalendarTables& tables, int year) {
  if (year < engine::kFirstCalendarYear || year > engine::kLastCalendarYear) {
    return OutOfRangePage(year);
  }
  const vocabulary::CalendarVocabulary& v = Vocabulary();
  engine::LunarYearTable& table = tables.lunarYear;

  std::wstring page = kHead;
  const long long n = static_cast<long long>(year) + 10016;
  page += kTitleStart;
  page += vocabulary::DecimalText(year);
  page +=
      L"年[" + Cyclic(v.stems, n) + Cyclic(v.branches, n) + L"/" + Cyclic(v.animals, n) + L"年]";
  page += L"(農曆以正月初一換年, 命理以冬至或立春換年)<br>";
  page += kTableHead;

  table.ComputeLunarYear(static_cast<int>(std::floor((year - 2000) * 365.2422 + 180)));

  // Only months that end on or before the day of the next winter solstice.
  for (int i = 0; i < 14 && table.newMoonDays[i + 1] <= table.termDays[24]; ++i) {
    const int d = table.newMoonDays[i];
    page += kRowStart;
    if (table.leapIndex != 0 && i == table.leapIndex) {
      page += L"閏";
    }
    page += engine::MonthCodeName(v, table.monthCodes[i]);
    page += table.monthLengths[i] > 29 ? L"大" : L"小";
    // The branches of the 11th and 21st days follow the first day's pillar.
    page +=
        L" 初一" + DayPillar(v, d) + L"(" + DayBranch(v, d + 10LL) + DayBranch(v, d + 20LL) + L")";
    page += L"<br>" + SplitDateTime(engine::JulianDayOfDayNumber(d)).date;
    AppendMomentCell(page, engine::FindNewMoonNear(d), d);

    for (int k = -2; k < 24; ++k) {
      const double t = k == -2   ? table.secondPriorTermDay
                       : k == -1 ? table.priorTermDay
                                 : table.termDays[static_cast<std::size_t>(k)];
      if (!(d <= t && t < table.newMoonDays[i + 1])) {
        continue;
      }
      const long long termDay = static_cast<long long>(t);
      page += L"<td >" + Cyclic(v.termNames, k + 24);
      page += L" " + v.dayNames[static_cast<std::size_t>(termDay - d)] + L" ";
      page += DayPillar(v, termDay);
      page +=
          L"<br>" + SplitDateTime(engine::JulianDayOfDayNumber(static_cast<double>(termDay))).date;
      AppendMomentCell(page, engine::FindSolarTermNear(t), t);
    }
    page += L"</tr>";
  }
  page += kEnd;
  return page;
}

}  // namespace almanac
