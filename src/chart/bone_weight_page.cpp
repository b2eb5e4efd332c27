#include "chart/bone_weight_page.h"

#include <memory>

#include "chart/birth_date.h"
#include "chart/bone_texts.h"
#include "chart/bone_weights.h"
#include "chart/four_pillars_at.h"
#include "chart/four_pillars_chart.h"
#include "chart/html_escape.h"
#include "engine/julian_day.h"
#include "engine/time_frames.h"
#include "vocabulary/calendar_vocabulary.h"

namespace chart {

namespace {

// The vocabulary on which the pillars of a moment are computed, kept for the run.
const vocabulary::CalendarVocabulary& Vocabulary() {
  static const vocabulary::CalendarVocabulary vocabulary;
  return vocabulary;
}

}  // namespace

std::wstring BuildBoneWeightPage(engine::MonthCalendar& calendar, int year, int month, int day,
                                 int hour, int minute, const std::wstring& name,
                                 const std::wstring& sex, double longitude) {
  // The check finds the day's record (and the next day's) by day number, so nothing below can
  // read outside a month table.
  const BirthDate date = CheckBirthDate(calendar, year, month, day, hour, minute);
  if (!date.message.empty()) {
    return date.message;
  }
  if (std::wstring message = CheckBirthLongitude(longitude); !message.empty()) {
    return message;
  }

  // The typed civil time of UTC+8 as a moment of Universal Time.
  const double julianDay =
      engine::ComputeJulianDay(year, month, day + (hour + minute / 60.0) / 24.0);
  auto chart = std::make_unique<FourPillarsChart>();
  ComputeFourPillarsAt(Vocabulary(), engine::UtDayNumberOfBeijingJulianDay(julianDay),
                       longitude / engine::kDegreesPerRadian, *chart);
  const std::wstring& hourBranch = chart->pillars[kHourPillar].branch;

  const bool nextDay = FallsInNextDayZiHour(hour, chart->trueSolarHour);
  const engine::CalendarDay& record = nextDay ? date.nextDay : date.birthDay;

  const int yearWeight = BoneYearWeight(record.yearPillarName);
  const int monthWeight = BoneMonthWeight(record.lunarMonthName);
  const int dayWeight = BoneDayWeight(record.lunarDayName);
  const int hourWeight = BoneHourWeight(hourBranch);
  const int total = yearWeight + monthWeight + dayWeight + hourWeight;
  if (!HasBoneTexts(total)) {
    return {};
  }

  const vocabulary::CalendarVocabulary& names = Vocabulary();
  std::wstring page =
      LR"(<html><head lang="zh-tw"><META content="text/html; charset=big5" http-equiv=Content-Type></head> <body><br><br><table>)";
  if (name.empty()) {
    page += LR"(<BR><BR><font color = red>性別&nbsp;&nbsp;</font>)";
  } else {
    page += LR"(<BR><BR><font color = red>姓名&nbsp;&nbsp;</font>)";
    page += HtmlEscape(name);
    page +=
        LR"(&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<font color = red>性別&nbsp;&nbsp;</font>)";
  }
  page += HtmlEscape(sex);
  page += L"<P>";

  page += LR"(<font color=red>國曆&nbsp;&nbsp;</font>西元)";
  page += std::to_wstring(year) + L"年" + std::to_wstring(month) + L"月" + std::to_wstring(day) +
          L"日" + std::to_wstring(hour) + L"時" + std::to_wstring(minute) + L"分<p>";

  page += LR"(<font color=red>農曆&nbsp;&nbsp;</font>)";
  page += record.yearPillarName + L"年" + record.lunarMonthName + L"月" + record.lunarDayName +
          L"日" + hourBranch;
  // The eight blanks stand outside the red font after the next day's date, inside it after the
  // civil day's.
  page +=
      nextDay
          ? LR"(時&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<font color=red>真太陽時&nbsp;&nbsp;</font>)"
          : LR"(時<font color=red>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;真太陽時&nbsp;&nbsp;</font>)";
  page += chart->trueSolarTimeText;

  page += LR"(<p><font color=red>重量&nbsp;&nbsp;</font>)";
  page += FormatBoneWeight(names, yearWeight) + L" + " + FormatBoneWeight(names, monthWeight) +
          L" + " + FormatBoneWeight(names, dayWeight) + L" + " +
          FormatBoneWeight(names, hourWeight) + L" = " + FormatBoneWeight(names, total);

  page += LR"(<p><font color=red>命評&nbsp;&nbsp;</font>)";
  page += BoneVerdict(total);
  page += LR"(<p><font color=red>歌謠&nbsp;&nbsp;</font>)";
  page += BonePoem(total);
  page += L"</table></body></html>";
  return page;
}

}  // namespace chart
