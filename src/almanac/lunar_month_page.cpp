#include "almanac/lunar_month_page.h"

#include <cmath>
#include <string>

#include "engine/julian_day.h"
#include "engine/month_calendar.h"
#include "engine/time_frames.h"
#include "vocabulary/number_text.h"

namespace almanac {

namespace {

constexpr const wchar_t* kHeaderCellStyle =
    LR"( style='font-family: 新細明體; font-size: 16px; text-align: center; background-color: #E8E8FF; color: #000000' )";
constexpr const wchar_t* kDayCellStyle =
    LR"( style='font-family: 新細明體; font-size: 12px; text-align: left ' )";
constexpr const wchar_t* kMarkedDayCellStyle =
    LR"( style='font-family: 新細明體; font-size: 12px; text-align: left; background-color: #ffFF40' )";
constexpr const wchar_t* kDayNumberStyle =
    LR"( style='font-family: Arial Black; text-align: center;font-size: 20px' )";
constexpr const wchar_t* kRestDayNumberStyle =
    LR"( style='font-family: Arial Black; text-align: center;font-size: 20px; color: #FF0000' )";

void AppendTitleRow(std::wstring& page, int year, int month) {
  page +=
      LR"(<tr><td colspan=7 style='background-color:#0077FF; color:#FFFF00; text-align: center'>)";
  page += LR"(<span style='font-size:16px;font-weight:bold' >)";
  page += L"西元 ";
  page += vocabulary::DecimalText(year);
  page += L"年 ";
  page += vocabulary::DecimalText(month);
  page += L"月  ";
  page += L"</span>";
  page += L"</td></tr>";
}

void AppendWeekdayHeaderRow(std::wstring& page) {
  page += L"<tr> ";
  const wchar_t* const labels[] = {
      L"星期日<br>Sun", L"星期一<br>Mon", L"星期二<br>Tue", L"星期三<br>Wed",
      L"星期四<br>Thu", L"星期五<br>Fri", L"星期六<br>Sat",
  };
  for (const wchar_t* label : labels) {
    page += L"<td";
    page += kHeaderCellStyle;
    page += L"width='%14.2'>";
    page += label;
    page += L"</td>";
  }
  page += L"</tr>";
}

// The day number (days from 2000-01-01) of the date to mark, as a double so that any year the
// shell passes stays exact; negative parts are taken from today.
double MarkedDayNumber(int year, int month, int day, const LocalDate& today) {
  engine::CalendarDateTime date;
  date.year = year < 0 ? today.year : year;
  date.month = month < 0 ? today.month : month;
  date.day = day < 0 ? today.day : day;
  date.hour = 12;
  date.minute = 0;
  date.second = 0.1;
  return engine::DayNumberOfJulianDay(std::floor(engine::DateTimeToJulianDay(date)));
}

std::wstring FestivalLine(const engine::CalendarDay& day) {
  std::wstring line;
  if (!day.festivalTextA.empty()) {
    line += L"<font color=red >";
    line += day.festivalTextA;
    line += L"</font>";
  }
  if (!day.festivalTextB.empty()) {
    if (!day.festivalTextA.empty()) {
      line += L"<br>";
    }
    line += L"<font color=blue>";
    line += day.festivalTextB;
    line += L"</font>";
  }
  return line;
}

// The lunar day, or on the first day of a lunar month with a festival the month's name and size.
std::wstring LunarLine(const engine::CalendarDay& day) {
  const std::wstring festivals = FestivalLine(day);
  std::wstring line;
  if (!festivals.empty() && day.lunarDayName == L"初一") {
    line += day.leapMark;
    line += day.lunarMonthName;
    line += L"月";
    line += day.lunarMonthLength == 30 ? L"大" : L"小";
  } else {
    line += day.lunarDayName;
    line += L" ";
  }
  line += festivals;
  return line;
}

std::wstring PhaseAndTermLine(const engine::CalendarDay& day) {
  std::wstring line;
  if (day.phaseName == L"朔" || day.phaseName == L"望" || day.phaseName == L"上弦" ||
      day.phaseName == L"下弦") {
    line += L"<font color=#F05000>";
    line += day.phaseName;
    line += L"</font>";
  }
  if (!day.termName.empty()) {
    line += L"<font color=#00B000>◆</font> <font color=#5050F0>";
    line += day.termName;
    line += L"</font>";
  }
  return line;
}

void AppendDayCell(std::wstring& week, const engine::CalendarDay& day, bool marked) {
  week += marked ? L"<td" : L"<td ";
  week += marked ? kMarkedDayCellStyle : kDayCellStyle;
  week += L"width='14%'>";
  week += L"<span";
  week += day.isHoliday != 0 ? kRestDayNumberStyle : kDayNumberStyle;
  week += L">";
  week += vocabulary::DecimalText(day.gregorianDay);
  week += L"</span>";
  week += L"<BR>";
  week += PhaseAndTermLine(day);
  week += L" <font color=green>";
  week += day.festivalTextC;
  week += L"</font>";
  week += L"<BR>";
  week += L"<font color='#000000' size='1'>";
  week += LunarLine(day);
  week += L"</font>";
  week += L"</td>";
}

void AppendWeeks(std::wstring& page, const engine::CalendarDays& days,
                 const engine::CalendarMonth& calendarMonth, double markedDay) {
  std::wstring week;
  for (int i = 0; i < calendarMonth.dayCount; ++i) {
    const engine::CalendarDay& day = days[static_cast<std::size_t>(i)];
    if (i == 0) {
      for (int blank = 0; blank < calendarMonth.firstWeekday; ++blank) {
        week += L"<td ";
        week += kDayCellStyle;
        week += L"></td>";
      }
    }
    AppendDayCell(week, day, day.dayNumber == markedDay);
    const bool last = i == calendarMonth.dayCount - 1;
    if (last) {
      for (int blank = 0; blank < 6 - day.weekday; ++blank) {
        week += L"<td";
        week += kDayCellStyle;
        week += L"></td>";
      }
    }
    if (last || day.weekday == 6) {
      page += L"<tr>";
      page += week;
      page += L"</tr>";
      week.clear();
    }
  }
}

}  // namespace

std::wstring BuildLunarMonthPage(CalendarTables& tables, int year, int month, int day,
                                 LocalDate today) {
  engine::CalendarDays days;
  engine::CalendarMonth calendarMonth;
  tables.monthCalendar.ComputeMonthCalendar(year, month, days, calendarMonth);
  const double markedDay = MarkedDayNumber(year, month, day, today);

  std::wstring page;
  page +=
      LR"(<html><head lang="zh-tw"><META content="text/html; charset=big5" http-equiv=Content-Type></head><body><br><br>)";
  page +=
      LR"(<table width='100%' border=1 bordercolor='#000080' cellspacing='3' cellpadding='2' bgcolor='#FFFFcf' bordercolorlight='#FF0000' bordercolordark='#FF0000' >)";
  AppendTitleRow(page, year, month);
  AppendWeekdayHeaderRow(page);
  AppendWeeks(page, days, calendarMonth, markedDay);
  page += L"</table></body></html>";
  return page;
}

}  // namespace almanac
