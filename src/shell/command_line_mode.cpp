#include "shell/command_line_mode.h"

#include <string>

#include "almanac/almanac_day_page.h"
#include "almanac/lunar_month_page.h"
#include "almanac/perpetual_calendar_page.h"
#include "chart/birth_date.h"
#include "chart/bone_weight_page.h"
#include "engine/julian_day.h"
#include "engine/lunar_year.h"
#include "shell/command_value.h"
#include "shell/date_checks.h"
#include "shell/dialog_numbers.h"
#include "shell/page_output.h"
#include "shell/utf8_text.h"
#include "vocabulary/number_text.h"

namespace shell {

const char kCommandLineUsage[] =
    "usage: tavrel R1=<mode> \"year=<y>&month=<m>&day=<d>&hour=<h>&min=<m>&name=<name>&sex=<sex>"
    "&R2=<n>\" [debug]   (mode 1: 陰曆.htm and 吉凶曆.htm, 2: 萬年曆.htm, 3: 八字重.htm, "
    "4: 八字.htm)";

namespace {

// The value of a number key as the pages read it, its first 15 characters, and whether its
// number ran on past them. `absent` stands for a key that the argument lacks.
struct NumberValue {
  std::wstring text;
  bool cut = false;
};

NumberValue ReadNumberValue(std::wstring_view argument, std::wstring_view key,
                            std::wstring_view absent = {}) {
  std::wstring whole(absent);
  ParseCommandValue(argument, key, whole, argument.size());
  NumberValue value;
  value.cut = CommandIntegerRunsPast(whole, kMaxCommandValueLength);
  value.text = whole.substr(0, kMaxCommandValueLength);
  return value;
}

}  // namespace

CommandLineValues ReadCommandLineValues(std::wstring_view first, std::wstring_view second) {
  const NumberValue r1 = ReadNumberValue(first, L"R1");
  const NumberValue year = ReadNumberValue(second, L"year");
  const NumberValue month = ReadNumberValue(second, L"month");
  const NumberValue day = ReadNumberValue(second, L"day");
  const NumberValue hour = ReadNumberValue(second, L"hour", L"0");
  const NumberValue minute = ReadNumberValue(second, L"min", L"0");
  const NumberValue r2 = ReadNumberValue(second, L"R2");

  CommandLineValues values;
  ParseCommandValue(second, L"name", values.name, kMaxCommandNameLength);
  ParseCommandValue(second, L"sex", values.sex, kMaxCommandValueLength);
  values.r1 = ReadCommandInteger(r1.text);
  values.year = ReadCommandInteger(year.text);
  values.month = ReadCommandInteger(month.text);
  values.day = ReadCommandInteger(day.text);
  values.hour = ReadCommandInteger(hour.text);
  values.minute = ReadCommandInteger(minute.text);
  values.r2 = ReadCommandInteger(r2.text);
  values.given.r1 = ReadsAsCommandInteger(r1.text);
  values.given.year = ReadsAsCommandInteger(year.text);
  values.given.month = ReadsAsCommandInteger(month.text);
  values.given.day = ReadsAsCommandInteger(day.text);
  values.given.hour = ReadsAsCommandInteger(hour.text);
  values.given.minute = ReadsAsCommandInteger(minute.text);
  values.given.r2 = ReadsAsCommandInteger(r2.text);
  values.given.wholeYear = ReadWholeInteger(year.text).has_value();
  values.cut = {r1.cut, year.cut, month.cut, day.cut, hour.cut, minute.cut, r2.cut};
  return values;
}

std::wstring FormatDebugLine(const CommandLineValues& values) {
  using vocabulary::DecimalText;
  return L"R1=" + DecimalText(values.r1) + L", Y=" + DecimalText(values.year) + L", M=" +
         DecimalText(values.month) + L", D=" + DecimalText(values.day) + L", h=" +
         DecimalText(values.hour) + L", m=" + DecimalText(values.minute) + L", name=" +
         values.name + L", sex=" + values.sex + L" , R2=" + DecimalText(values.r2);
}

bool IsCommandLineMode(int r1) { return r1 >= 1 && r1 <= 4; }

namespace {

// 24:00 or 23:60 of the calendar's last day is a moment of the year 10000, which no table holds.
bool IsPastLastMinute(const CommandLineValues& values) {
  constexpr int kLastMinuteOfDay = 23 * 60 + 59;
  return values.year == engine::kLastCalendarYear && values.month == 12 && values.day == 31 &&
         values.hour * 60 + values.minute > kLastMinuteOfDay;
}

}  // namespace

std::wstring CheckCommandLineValues(const CommandLineValues& values,
                                    engine::MonthCalendar& calendar) {
  const CommandLineValues::Given& given = values.given;
  const CommandLineValues::NumberFlags& cut = values.cut;
  switch (values.r1) {
    case 1: {
      // A value that is not a number, or one cut inside its number, reads 0, which stands for no
      // year, month or day; a number past the int range reads as the nearest end, which no range
      // takes.
      const std::wstring date = CheckAlmanacDate(
          given.year && !cut.year ? values.year : engine::kLastCalendarYear + 1LL,
          given.month && !cut.month ? values.month : 0, given.day && !cut.day ? values.day : 0);
      if (!date.empty()) {
        return date;
      }
      const std::wstring time = CheckTimeOfDay(given.hour && !cut.hour ? values.hour : -1,
                                               given.minute && !cut.minute ? values.minute : -1);
      if (!time.empty()) {
        return time;
      }
      return IsPastLastMinute(values) ? L"日期輸入錯誤 !" : std::wstring();
    }
    case 2:
      return given.year && !cut.year ? std::wstring() : L"年份輸入錯誤 !";
    case 3:
    case 4: {
      // "abc" would read as the year 0 and "0x7C0" as 0 too: a birth year is the whole value.
      if (!given.wholeYear || cut.year) {
        return chart::kBirthYearMessage;
      }
      // A cut month, day, hour or minute stands as 0 or -1, outside its range, to be refused in
      // the order of the checks.
      std::wstring birth =
          chart::CheckBirthDate(calendar, values.year, cut.month ? 0 : values.month,
                                cut.day ? 0 : values.day, cut.hour ? -1 : values.hour,
                                cut.minute ? -1 : values.minute)
              .message;
      if (!birth.empty()) {
        return birth;
      }
      // Any other text would pass for a sex whose luck runs backward.
      if (values.sex != L"男" && values.sex != L"女") {
        return kCommandLineSexMessage;
      }
      return values.r1 == 4 && cut.r2 ? kCommandLineSpiritStarBasisMessage : std::wstring();
    }
    default:
      return {};
  }
}

FourPillarsQuery CommandLineChartQuery(const CommandLineValues& values) {
  FourPillarsQuery query;
  query.year = values.year;
  query.month = values.month;
  query.day = values.day;
  query.hour = values.hour;
  query.minute = values.minute;
  query.name = values.name;
  query.sex = values.sex;
  query.spiritStarBasis = static_cast<chart::SpiritStarBasis>(values.r2);
  query.yearChangeRule = chart::kCommandLineYearChangeRule;
  query.scheme = chart::kCommandLineMonthCommandDivisionScheme;
  query.values = chart::kCommandLineSeasonalStrengthValues;
  query.longitude = kCommandLineLongitude;
  return query;
}

std::vector<NamedPage> BuildCommandLinePages(const CommandLineValues& values,
                                             almanac::CalendarTables& tables,
                                             ChartPageBuilders& charts, almanac::LocalDate today) {
  std::vector<NamedPage> pages;
  switch (values.r1) {
    case 1: {
      pages.push_back({L"陰曆.htm", almanac::BuildLunarMonthPage(tables, values.year, values.month,
                                                                 values.day, today)});
      const double julianDay = engine::DateTimeToJulianDay(values.year, values.month, values.day,
                                                           values.hour, values.minute);
      pages.push_back({L"吉凶曆.htm", almanac::BuildAlmanacDayPage(tables, julianDay)});
      break;
    }
    case 2:
      pages.push_back({L"萬年曆.htm", almanac::BuildPerpetualCalendarPage(tables, values.year)});
      break;
    case 3:
      // At the longitude of the place the sheet shows first, 臺北市.
      pages.push_back({L"八字重.htm",
                       chart::BuildBoneWeightPage(tables.monthCalendar, values.year, values.month,
                                                  values.day, values.hour, values.minute,
                                                  values.name, values.sex, kCommandLineLongitude)});
      break;
    case 4:
      pages.push_back({L"八字.htm", charts.BuildBirthChartPage(CommandLineChartQuery(values))});
      break;
    default:
      break;  // IsCommandLineMode turns the other modes away
  }
  return pages;
}

int RunCommandLineMode(Platform& platform, const CommandLineValues& values,
                       std::ostream& diagnostics) {
  if (!IsCommandLineMode(values.r1) || values.cut.r1) {
    diagnostics << kCommandLineUsage << '\n';
    return 1;
  }
  // One run writes one request's pages: the tables live for it.
  almanac::CalendarTables tables;
  const std::wstring refusal = CheckCommandLineValues(values, tables.monthCalendar);
  if (!refusal.empty()) {
    diagnostics << WideToUtf8(refusal) << '\n';
    return 2;
  }
  int status = 1;
  ChartPageBuilders charts(tables);
  const LocalTime now = platform.CurrentLocalTime();
  for (const NamedPage& page : BuildCommandLinePages(
           values, tables, charts, almanac::LocalDate{now.year, now.month, now.day})) {
    std::string error;
    if (!WritePageFile(platform, page.text, page.fileName, error)) {
      diagnostics << "tavrel: cannot write " << WideToUtf8(page.fileName) << ": " << error << '\n';
      status = 2;
    }
  }
  return status;
}

int StartTavrel(Platform& platform, const std::vector<std::wstring>& arguments,
                std::ostream& diagnostics, const std::function<int()>& runSheet) {
  if (arguments.size() < 3) {
    if (runSheet) {
      return runSheet();
    }
    diagnostics << kCommandLineUsage << '\n';
    return 1;
  }
  const CommandLineValues values = ReadCommandLineValues(arguments[1], arguments[2]);
  if (arguments.size() >= 4) {
    diagnostics << WideToUtf8(FormatDebugLine(values)) << '\n';
  }
  return RunCommandLineMode(platform, values, diagnostics);
}

}  // namespace shell
