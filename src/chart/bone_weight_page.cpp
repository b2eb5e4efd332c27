#include "chart/bone_weight_page.h"

#include "chart/birth_moment.h"
#include "chart/bone_texts.h"
#include "chart/bone_weights.h"
#include "chart/four_pillars_chart.h"
#include "chart/html_escape.h"
#include "vocabulary/calendar_vocabulary.h"
#include "vocabulary/number_text.h"

namespace chart {

namespace {

using vocabulary::DecimalText;

// The vocabulary on which the pillars of a moment are computed, kept for the run.
const vocabulary::CalendarVocabulary& Vocabulary() {
  static const vocabulary::CalendarVocabulary vocabulary;
  return vocabulary;
}

}  // namespace

std::wstring BuildBoneWeightPage(engine::MonthCalendar& calendar, int year, int month, int day,
                                 int hour, int minute, const std::wstring& name,
                                 const std::wstring& sex, double longitude) {
  const BirthMoment moment =
      CheckBirthMoment(Vocabulary(), calendar, year, month, day, hour, minute, longitude);
  if (!moment.message.empty()) {
    return moment.message;
  }
  const FourPillarsChart& chart = *moment.chart;
  const std::wstring& hourBranch = chart.pillars[kHourPillar].branch;
  const bool nextDay = moment.nextDayZiHour;
  const engine::CalendarDay& record = moment.lunarDay;

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
  page += DecimalText(year) + L"年" + DecimalText(month) + L"月" + DecimalText(day) + L"日" +
          DecimalText(hour) + L"時" + DecimalText(minute) + L"分<p>";

  page += LR"(<font color=red>農曆&nbsp;&nbsp;</font>)";
  page += record.yearPillarName + L"年" + record.lunarMonthName + L"月" + record.lunarDayName +
          L"日" + hourBranch;
  // The eight blanks stand outside the red font after the next day's date, inside it after the
  // civil day's.
  page +=
      nextDay
          ? LR"(時&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<font color=red>真太陽時&nbsp;&nbsp;</font>)"
          : LR"(時<font color=red>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;真太陽時&nbsp;&nbsp;</font>)";
  page += chart.trueSolarTimeText;

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
