#include "almanac/almanac_day_page.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "almanac/activity_scoring.h"
#include "almanac/day_attributes.h"
#include "almanac/hour_spirits.h"
#include "almanac/month_day_verdicts.h"
#include "almanac/month_spirit_stars.h"
#include "almanac/stem_branch_spirit_stars.h"
#include "almanac/year_spirit_stars.h"
#include "engine/julian_day.h"
#include "engine/month_calendar.h"
#include "engine/terms_in_force.h"
#include "engine/time_frames.h"
#include "vocabulary/calendar_vocabulary.h"
#include "vocabulary/number_text.h"
#include "vocabulary/vocabulary_lists.h"

namespace almanac {
namespace {

// The character at position i of a pillar text, or an empty text when it is shorter.
std::wstring CharacterAt(const std::wstring& text, std::size_t i) {
  return i < text.size() ? text.substr(i, 1) : std::wstring();
}

// The name of a term in force, or an empty text when none was found.
std::wstring TermName(const vocabulary::CalendarVocabulary& names,
                      const engine::TermInForce& term) {
  return term.termIndex >= 0 ? names.termNames[static_cast<std::size_t>(term.termIndex)]
                             : std::wstring();
}

// The page's spirit-star finders, in the order that fixes the order of the names in each list.
void FindSpiritStars(AlmanacDay& day) {
  const std::wstring dayPillar = day.dayStem + day.dayBranch;
  FindYearStemAuspicious(day.yearStem, day.dayStem, day.yearAuspicious);
  FindYearBranchAuspicious(day.yearBranch, day.dayBranch, day.yearAuspicious);
  FindYearStemInauspicious(day.yearStem, day.dayStem, day.yearInauspicious);
  FindYearStemInauspicious(day.yearStem, day.dayBranch, day.yearInauspicious);
  FindYearBranchInauspicious(day.yearBranch, day.dayStem, day.yearInauspicious);
  FindYearBranchInauspicious(day.yearBranch, day.dayBranch, day.yearInauspicious);
  FindMonthStemBranchAuspicious(day.monthBranch, dayPillar, day.monthAuspicious);
  FindMonthStemBranchInauspicious(day.monthBranch, dayPillar, day.monthInauspicious);
  FindMonthBranchAuspicious(day.monthBranch, day.dayStem, day.monthAuspicious);
  FindMonthBranchAuspicious(day.monthBranch, day.dayBranch, day.monthAuspicious);
  FindMonthBranchInauspicious(day.monthBranch, day.dayStem, day.monthInauspicious, day.extraMarks);
  FindMonthBranchInauspicious(day.monthBranch, day.dayBranch, day.monthInauspicious,
                              day.extraMarks);
  FindStemBranchAuspicious(dayPillar, day.monthAuspicious);
  FindStemBranchInauspicious(dayPillar, day.monthInauspicious);
}

void FindHourSpiritsInPageOrder(AlmanacDay& day) {
  for (std::size_t h = 0; h < kDoubleHourCount; ++h) {
    const std::wstring hour(vocabulary::kEarthlyBranches[h]);
    FindHourAuspiciousByStem(day.dayStem, hour, day.hours[h].hourAuspicious);
    FindHourInauspiciousByStem(day.dayStem, hour, day.hours[h].hourInauspicious);
    FindHourAuspiciousByBranch(day.dayBranch, hour, day.hours[h].hourAuspicious);
    FindHourInauspiciousByBranch(day.dayBranch, hour, day.hours[h].hourInauspicious);
  }
}

}  // namespace

int FillAlmanacDay(CalendarTables& tables, double julianDay, AlmanacDay& day) {
  const engine::DateParts date = engine::JulianDayToDateParts(julianDay);
  day.gregorianYearText = vocabulary::DecimalText(date.year);
  day.gregorianMonthText = vocabulary::DecimalText(date.month);
  day.gregorianDayText = vocabulary::DecimalText(date.day);

  // The record is chosen by day number: October 1582 has no days 5 to 14, so index day - 1 would
  // be wrong there. Outside the engine's dates no record is found and the texts stay empty.
  const double noon = std::floor(julianDay + 0.5);  // 12:00 of the civil date
  auto days = std::make_unique<engine::CalendarDays>();
  int daysSinceWinterSolstice = -1;
  {
    engine::CalendarMonth month;
    tables.monthCalendar.ComputeMonthCalendar(date.year, date.month, *days, month);
    const double dayNumber = engine::DayNumberOfJulianDay(noon);
    const engine::CalendarDay* record =
        (dayNumber > -2147483648.0 && dayNumber < 2147483647.0)
            ? engine::FindCalendarDay(*days, month, static_cast<int>(dayNumber))
            : nullptr;
    if (record != nullptr) {
      day.yearStem = CharacterAt(record->yearPillarName, 0);
      day.yearBranch = CharacterAt(record->yearPillarName, 1);
      day.monthStem = CharacterAt(record->monthPillarName, 0);
      day.monthBranch = CharacterAt(record->monthPillarName, 1);
      day.dayStem = CharacterAt(record->dayPillarName, 0);
      day.dayBranch = CharacterAt(record->dayPillarName, 1);
      day.lunarYearName = record->lunarYearName;
      day.lunarMonthName = record->lunarMonthName;
      day.leapMark = record->leapMark;
      day.lunarDayName = record->lunarDayName;
      day.signName = record->signName;
      day.termName = record->termName;
      day.termTimeText = record->termTimeText;
      day.monthSizeText = record->lunarMonthLength > 29 ? L"大" : L"小";
      const int animal = vocabulary::LookupBranchIndex(day.yearBranch);
      if (animal >= 0) {
        day.yearAnimal = vocabulary::kZodiacAnimals[animal];
      }
      if (record->weekday >= 0 && record->weekday < 7) {
        day.weekdayName = vocabulary::kWeekdayNames[record->weekday];
      }
      daysSinceWinterSolstice = record->daysSinceWinterSolstice;
    }
  }

  day.nayin = NayinName(day.dayStem, day.dayBranch);
  // The mansion and the trigram change at noon by their cycles; the page shows the ones of 12:00
  // of the civil date, so a date keeps one mansion and one trigram all day.
  day.lunarMansion = LunarMansionOfDay(noon);
  day.trigram = DayTrigramName(noon);

  static const vocabulary::CalendarVocabulary names;
  // Among the terms of the lunar years around the civil year of the moment and its neighbours.
  const engine::TermsInForce terms = tables.termsInForce.FindTermsInForce(date.year, julianDay);
  day.currentSectionTerm = TermName(names, terms.sectionTerm);
  day.dayOfficer = DayOfficerName(day.dayBranch, day.currentSectionTerm);
  day.currentMidTerm = TermName(names, terms.midTerm);
  SetClashAndSha(day.dayBranch, day);
  day.nineStar = DayNineStarName(day.dayStem, day.dayBranch, day.currentMidTerm);

  FindSpiritStars(day);
  ScoreSuitableAndAvoid(day);
  ApplyMonthDayVerdicts(day.monthBranch, day.dayStem, day.dayBranch, day.monthDayVerdict);
  AddOtherSelectionNotes(day);
  FindHourSpiritsInPageOrder(day);
  return daysSinceWinterSolstice;
}

namespace {

// The used part of a fixed-slot list, as the page prints it: "a, b, c".
void AppendNameList(std::wstring& page, const wchar_t* label, const SpiritStarList& list) {
  const std::size_t used = UsedSlotCount(list);
  if (used == 0) {
    return;
  }
  page += label;
  page += list[0];
  for (std::size_t i = 1; i < used; ++i) {
    page += L", ";
    page += list[i];
  }
  page += L"<br>";
}

void AppendLabelledLine(std::wstring& page, const wchar_t* label, const std::wstring& text) {
  if (!text.empty()) {
    page += label;
    page += text;
    page += L"<br>";
  }
}

bool IsSeasonalTerm(const std::wstring& term) {
  for (const wchar_t* name :
       {L"立春", L"立夏", L"立秋", L"立冬", L"春分", L"秋分", L"夏至", L"冬至"}) {
    if (term == name) {
      return true;
    }
  }
  return false;
}

// Day notes of the lunar line; months are compared without the leap mark.
void AppendDayNotes(std::wstring& page, const AlmanacDay& day) {
  const std::wstring& month = day.lunarMonthName;
  const std::wstring& lunarDay = day.lunarDayName;
  if ((day.monthSizeText == L"小" && lunarDay == L"廿九") ||
      (day.monthSizeText == L"大" && lunarDay == L"三十")) {
    page +=
        LR"(；<font color=Orange>晦臘忌歌舞; 月晦之日, 灶神, 輒上詣天曹, 言人罪過(太上感應篇)</font>)";
  }
  const bool newYearsDay = month == L"正" && lunarDay == L"初一";
  if (newYearsDay) {
    page += LR"(；<font color=Orange>正月初一天臘, 晦臘忌歌舞(太上感應篇)</font>)";
  }
  if (month == L"五" && lunarDay == L"初五") {
    page += LR"(；<font color=Orange>五月初五地臘, 晦臘忌歌舞(太上感應篇)</font>)";
  }
  if (month == L"七" && lunarDay == L"初七") {
    page += LR"(；<font color=Orange>七月初七道德臘, 晦臘忌歌舞(太上感應篇)</font>)";
  }
  if (month == L"十" && lunarDay == L"初一") {
    page += LR"(；<font color=Orange>十月初一歲臘, 晦臘忌歌舞(太上感應篇)</font>)";
  }
  if (month == L"十二" && lunarDay == L"初八") {
    page += LR"(；<font color=Orange>十二月初八侯王臘, 晦臘忌歌舞(太上感應篇)</font>)";
  }
  if (day.dayStem == L"庚" && day.dayBranch == L"申") {
    page +=
        LR"(；<font color=Orange>三尸神, 在人身中, 每到庚申日, 輒上詣天曹, 言人罪過(太上感應篇)</font>)";
  }
  if (newYearsDay || day.termName == L"立春" || day.termName == L"冬至") {
    page += L"(農曆是以正月初一換年, 命理是以立春或冬至換年)";
  }
}

// The nine-nines line after the winter solstice, every ninth day from its day (k = 0) to k = 72.
void AppendNineNines(std::wstring& page, int k) {
  const wchar_t* text = nullptr;
  switch (k) {
    case 0:
    case 9:
      text = L"一九二九不出手";
      break;
    case 18:
    case 27:
      text = L"三九四九冰上走";
      break;
    case 36:
    case 45:
      text = L"五九和六九河邊看楊柳";
      break;
    case 54:
      text = L"七九河開";
      break;
    case 63:
      text = L"八九燕歸來";
      break;
    case 72:
      text = L"九九八十一耕牛遍地走";
      break;
    default:
      return;
  }
  page += L"<font color=green>&nbsp;&nbsp;&nbsp;";
  page += text;
  page += L"</font><br>";
}

// Row heads of the twelve double-hours, 子 first.
constexpr auto kHourRowHeads = std::to_array<const wchar_t*>({
    L"<br><font color=blue>子時 </font> 23:00 - 01:00 : ",
    L"<br><font color=blue>丑時 </font> 01:00 - 03:00 : ",
    L"<br><font color=blue>寅時 </font> 03:00 - 05:00 : ",
    L"<br><font color=blue>卯時 </font> 05:00 - 07:00 : ",
    L"<br><font color=blue>辰時 </font> 07:00 - 09:00 : ",
    L"<br><font color=blue>巳時 </font> 09:00 - 11:00 : ",
    L"<br><font color=blue>午時 </font> 11:00 - 13:00 : ",
    L"<br><font color=blue>未時 </font> 13:00 - 15:00 : ",
    L"<br><font color=blue>申時 </font> 15:00 - 17:00 : ",
    L"<br><font color=blue>酉時 </font> 17:00 - 19:00 : ",
    L"<br><font color=blue>戌時 </font> 19:00 - 21:00 : ",
    L"<br><font color=blue>亥時 </font> 21:00 - 23:00 : ",
});
static_assert(kHourRowHeads.size() == kDoubleHourCount);

void AppendHourNames(std::wstring& page, const wchar_t* label, const SpiritStarList& list) {
  const std::size_t used = UsedSlotCount(list);
  if (used == 0) {
    return;
  }
  page += label;
  for (std::size_t i = 0; i < used; ++i) {
    page += L" ";
    page += list[i];
  }
}

}  // namespace

std::wstring ComposeAlmanacDayPage(const AlmanacDay& day, int daysSinceWinterSolstice) {
  std::wstring page;
  page +=
      L"<html><head lang='zh-tw'><META content='text/html; charset=big5' "
      L"http-equiv=Content-Type></head><body><p>";

  page += L"<font color=red>西曆  </font>";
  page += day.gregorianYearText + L"年 " + day.gregorianMonthText + L"月 " + day.gregorianDayText;
  page += L"日星期" + day.weekdayName + L" " + day.signName + L"<br> ";

  page += L"<font color=red>農曆  </font>";
  page += day.lunarYearName + L"年 " + day.leapMark + day.lunarMonthName + L"月" +
          day.monthSizeText + L" " + day.lunarDayName + L"日, ";
  page += day.yearStem + day.yearBranch + L"年 " + day.monthStem + day.monthBranch + L"月 " +
          day.dayStem + day.dayBranch + L"日, 生肖屬" + day.yearAnimal;
  AppendDayNotes(page, day);
  page += L"<br> ";

  AppendNineNines(page, daysSinceWinterSolstice);

  page += L"<font color=red>擇日  </font>";
  page += day.dayStem + day.dayBranch + L"日, 沖" + day.clashAnimal + L"煞" + day.shaDirection;
  if (!day.termName.empty()) {
    page += L", <font color=Orange>" + day.termName + L" " + day.termTimeText + L"</font>";
  }
  if (IsSeasonalTerm(day.termName)) {
    page += L", <font color=Red>八節勿行刑殺生(太上感應篇)</font><br>";
  } else {
    page += L"<br>";
  }

  page += L"<font color=blue>納音五行  </font>" + day.nayin + L". ";
  page += L"<font color=blue> 建除十二神  </font>" + day.dayOfficer + L"日. ";
  page += L"<font color=blue> 八卦  </font>" + day.trigram + L". ";
  page += L"<font color=blue> 廿八星宿  </font>" + day.lunarMansion + L". ";
  page += L"<font color=blue> 紫白飛星  </font>" + day.nineStar + L"<br>";

  AppendNameList(page, L"<font color=blue>年吉神  </font>", day.yearAuspicious);
  AppendNameList(page, L"<font color=blue>年凶神  </font>", day.yearInauspicious);
  AppendNameList(page, L"<font color=blue>月吉神  </font>", day.monthAuspicious);
  AppendNameList(page, L"<font color=blue>月凶神  </font>", day.monthInauspicious);

  for (std::size_t i = 0; i < UsedSlotCount(day.extraMarks); ++i) {
    page += L", <font color=green>" + day.extraMarks[i] + L"</font>";
  }
  page += L"<br>";

  if (!day.netVerdict[1].empty() || !day.netVerdict[2].empty()) {
    page += L"<br><font color=blue>欽定協紀辨方書  </font><br>";
  } else {
    page += L"<br>";
  }
  AppendLabelledLine(page, L"<font color=blue>宜  </font>", day.suitableText);
  AppendLabelledLine(page, L"<font color=blue>忌  </font>", day.avoidText);
  AppendLabelledLine(page, L"<font color=blue>宜忌皆有  </font>", day.bothText);
  AppendLabelledLine(page, L"<font color=blue>宜忌加減後得宜  </font>", day.netVerdict[1]);
  AppendLabelledLine(page, L"<font color=blue>宜忌加減後得忌  </font>", day.netVerdict[2]);
  AppendLabelledLine(page, L"<font color=blue>只宜無忌  </font>", day.onlySuitableText);
  AppendLabelledLine(page, L"<font color=blue>只忌無宜  </font>", day.onlyAvoidText);

  if (!day.monthDayVerdict[0].empty() || !day.monthDayVerdict[1].empty()) {
    page += L"<br><font color=blue>董公選秘  </font>";
  }
  if (!day.monthDayVerdict[0].empty()) {
    page += L"<br><font color=blue>宜  </font>" + day.monthDayVerdict[0];
  }
  if (!day.monthDayVerdict[1].empty()) {
    page += L"<br><font color=blue>忌  </font>" + day.monthDayVerdict[1] + L"<br>";
  }

  if (!day.otherNotes.empty()) {
    page += L"<p><font color=blue>其他擇日  </font>" + day.otherNotes + L"<br>";
  }

  page += L"<p><font color=red>擇時  </font>";
  for (std::size_t h = 0; h < kDoubleHourCount; ++h) {
    const HourSpiritLists& hour = day.hours[h];
    if (!hour.hourAuspicious[0].empty() || !hour.hourInauspicious[0].empty()) {
      page += kHourRowHeads[h];
    }
    AppendHourNames(page, L"<font color=blue> 吉神  </font>", hour.hourAuspicious);
    AppendHourNames(page, L"<font color=blue> 凶神  </font>", hour.hourInauspicious);
  }

  page += L"</body></html>";
  return page;
}

std::wstring BuildAlmanacDayPage(CalendarTables& tables, double julianDay) {
  auto day = std::make_unique<AlmanacDay>();
  const int daysSinceWinterSolstice = FillAlmanacDay(tables, julianDay, *day);
  return ComposeAlmanacDayPage(*day, daysSinceWinterSolstice);
}

}  // namespace almanac
