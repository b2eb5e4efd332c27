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

CommandLineValues ReadCommandLineValues(std::wstring_view first, std::wstring_view second) {
  struct Texts {
    std::wstring r1, year, month, day, hour = L"0", minute = L"0", name, sex, r2;
  } texts;
  ParseCommandValue(first, L"R1", texts.r1, kMaxCommandValueLength);
  ParseCommandValue(second, L"year", texts.year, kMaxCommandValueLength);
  ParseCommandValue(second, L"month", texts.month, kMaxCommandValueLength);
  ParseCommandValue(second, L"day", texts.day, kMaxCommandValueLength);
  ParseCommandValue(second, L"hour", texts.hour, kMaxCommandValueLength);
  ParseCommandValue(second, L"min", texts.minute, kMaxCommandValueLength);
  ParseCommandValue(second, L"name", texts.name, kMaxCommandNameLength);
  ParseCommandValue(second, L"sex", texts.sex, kMaxCommandValueLength);
  ParseCommandValue(second, L"R2", texts.r2, kMaxCommandValueLength);

  CommandLineValues values;
  values.r1 = ReadCommandInteger(texts.r1);
  values.year = ReadCommandInteger(texts.year);
  values.month = ReadCommandInteger(texts.month);
  values.day = ReadCommandInteger(texts.day);
  values.hour = ReadCommandInteger(texts.hour);
  values.minute = ReadCommandInteger(texts.minute);
  values.name = texts.name;
  values.sex = texts.sex;
  values.r2 = ReadCommandInteger(texts.r2);
  values.given.r1 = ReadsAsCommandInteger(texts.r1);
  values.given.year = ReadsAsCommandInteger(texts.year);
  values.given.month = ReadsAsCommandInteger(texts.month);
  values.given.day = ReadsAsCommandInteger(texts.day);
  values.given.hour = ReadsAsCommandInteger(texts.hour);
  values.given.minute = ReadsAsCommandInteger(texts.minute);
  values.given.r2 = ReadsAsCommandInteger(texts.r2);
  values.given.wholeYear = ReadWholeInteger(texts.year).has_value();
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

std::wstring CheckCommandLineValues(const CommandLineValues& values,
                                    engine::MonthCalendar& calendar) {
  switch (values.r1) {
    case 1: {
      // A value that is not a number reads 0, which stands for no year, month or day; a number
      // past the int range reads as the nearest end, which no range takes.
      const std::wstring date = CheckAlmanacDate(
          values.given.year ? values.year : engine::kLastCalendarYear + 1LL,
          values.given.month ? values.month : 0, values.given.day ? values.day : 0);
      if (!date.empty()) {
        return date;
      }
      return CheckTimeOfDay(values.given.hour ? values.hour : -1,
                            values.given.minute ? values.minute : -1);
    }
    case 2:
      return values.given.year ? std::wstring() : L"年份輸入錯誤 !";
    case 3:
    case 4: {
      // "abc" would read as the year 0 and "0x7C0" as 0 too: a birth year is the whole value.
      if (!values.given.wholeYear) {
        return chart::kBirthYearMessage;
      }
      std::wstring birth = chart::CheckBirthDate(calendar, values.year, values.month, values.day,
                                                 values.hour, values.minute)
                               .message;
      if (!birth.empty()) {
        return birth;
      }
      // Any other text would pass for a sex whose luck runs backward.
      return values.sex == L"男" || values.sex == L"女" ? std::wstring() : kCommandLineSexMessage;
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
  if (!IsCommandLineMode(values.r1)) {
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
