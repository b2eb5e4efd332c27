#include "engine/month_calendar.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "engine/festivals.h"
#include "engine/julian_day.h"
#include "engine/lunar_year.h"
#include "engine/moments.h"
#include "engine/sun_moon_series.h"
#include "engine/time_frames.h"
#include "vocabulary/calendar_vocabulary.h"
#include "vocabulary/cyclic_index.h"
#include "vocabulary/vocabulary_lists.h"

namespace engine {

namespace {

// Indexes of the solar terms in LunarYearTable::termDays, counted from the winter solstice.
constexpr int kWinterSolstice = 0;
constexpr int kSpringEquinox = 6;
constexpr int kGrainInEar = 11;
constexpr int kSummerSolstice = 12;
constexpr int kMinorHeat = 13;
constexpr int kAutumnStart = 15;
constexpr int kAutumnEquinox = 18;
constexpr int kLastTerm = 24;

// Day number of 1582-10-15, the first Gregorian date, which follows 1582-10-04.
constexpr int kGregorianReformDay = -152384;

// Month code of "正" in CalendarVocabulary::monthNames.
constexpr int kFirstMonthCode = 2;

// Terms of the series at the start of a month, where the phase and term searches begin: a
// starting angle needs no more than the largest terms.
constexpr int kMonthStartMoonTerms = 10;
constexpr int kMonthStartEarthTerms = 3;
constexpr int kMonthStartSunTerms = 3;

// What the helpers below work with: the calendar's lunar year and its names.
struct MonthCalendarState {
  LunarYearTable& lunarYear;
  const vocabulary::CalendarVocabulary& vocabulary;
};

// list[index], or an empty text for an index outside the list.
const std::wstring& NameAt(const std::vector<std::wstring>& list, long long index) {
  static const std::wstring kNone;
  return index >= 0 && index < static_cast<long long>(list.size())
             ? list[static_cast<std::size_t>(index)]
             : kNone;
}

// Sets `name` to `first` followed by `second`. The names of a day record have a few characters
// and a record mostly holds a name of the same length from the month before, which is then
// overwritten in place.
void SetName(std::wstring& name, std::wstring_view first, std::wstring_view second = {}) {
  if (name.size() != first.size() + second.size()) {
    name.assign(first);
    name.append(second);
    return;
  }
  std::size_t i = 0;
  for (const wchar_t c : first) {
    name[i++] = c;
  }
  for (const wchar_t c : second) {
    name[i++] = c;
  }
}

// Sets `name` to the stem-branch name of n: stem n mod 10 and branch n mod 12, the pair at n mod
// 60 in the sixty-pair cycle.
void SetStemBranchName(long long n, std::wstring& name) {
  SetName(name, vocabulary::kSexagenaryNames[vocabulary::FloorMod(n, 60)]);
}

int FloorToInt(double x) { return static_cast<int>(std::floor(x)); }

// The day number of a date (the floor of its Julian day at noon, so the noon day), as a double:
// a month far from 1..12 lies outside the int range of day numbers.
double DayNumberOfDate(int year, int month, int day) {
  CalendarDateTime first;
  first.year = year;
  first.month = month;
  first.day = day;
  first.hour = 12;
  first.minute = 0;
  first.second = 0.1;
  return std::floor(DayNumberOfJulianDay(DateTimeToJulianDay(first)));
}

// Whether the laid-out term days (winter solstice to winter solstice) hold the day.
bool LunarYearHolds(const std::vector<double>& termDays, int day) {
  return termDays.size() == kLastTerm + 1 && termDays[0] != 0 && day >= termDays[0] &&
         day < termDays[kLastTerm];
}

// Copies what ComputeLunarYear lays out for a lunar year between the calendar's table and a kept
// layout, which name these members alike.
template <typename From, typename To>
void CopyLunarYearLayout(const From& from, To& to) {
  to.termDays = from.termDays;
  to.priorTermDay = from.priorTermDay;
  to.secondPriorTermDay = from.secondPriorTermDay;
  to.newMoonDays = from.newMoonDays;
  to.monthCodes = from.monthCodes;
  to.monthLengths = from.monthLengths;
  to.leapIndex = from.leapIndex;
}

constexpr int kKeptLunarYears = 256;

// The slot of the lunar year whose winter solstice lies near the day, by its year number from
// 2000: the solstices fall on about day -10 + 365.2422 n.
int LunarYearSlot(double winterSolsticeDay) {
  return static_cast<int>(vocabulary::FloorMod(
      static_cast<long long>(std::floor((winterSolsticeDay + 10.5) / 365.2422)), kKeptLunarYears));
}

// Index of the lunar month of the table that holds the day, 0..13.
int LunarMonthIndex(const LunarYearTable& table, int day) {
  const std::vector<int>& newMoons = table.newMoonDays;
  int mi = std::clamp(FloorToInt((day - newMoons[0]) / 30.0), 0, 13);
  if (mi < 13 && newMoons[mi + 1] <= day) {
    ++mi;
  }
  return mi;
}

void SetLunarMonthFields(const MonthCalendarState& state, int mi, CalendarDay& record) {
  const LunarYearTable& table = state.lunarYear;
  record.lunarMonthName = MonthCodeName(state.vocabulary, table.monthCodes[mi]);
  record.lunarMonthLength = table.monthLengths[mi];
  record.leapMark = table.leapIndex != 0 && mi == table.leapIndex ? L"閏" : L"";
  record.nextLunarMonthName =
      mi < 13 ? MonthCodeName(state.vocabulary, table.monthCodes[mi + 1]) : L"未知";
}

// The lunar-year count since 1984 of the day, the year turning on the first day of "正".
double LunarYearNumber(const LunarYearTable& table, int day) {
  double x = table.newMoonDays[2];
  for (int j = 0; j <= 13; ++j) {
    if (table.leapIndex != 0 && j == table.leapIndex) {
      continue;
    }
    if (table.monthCodes[j] == kFirstMonthCode) {
      x = table.newMoonDays[j];
      if (day < x) {
        x -= 365;
        break;
      }
    }
  }
  // Counted like termYearNumber, from about the first day of 正 of 1984 (甲子).
  return std::floor((x + 5810) / 365.2422 + 0.5);
}

// The day number of the 1st of a month.
double FirstDayNumber(int year, int month) { return DayNumberOfDate(year, month, 1); }

// Fills the record of one day of the month table, the lunar year of the day selected;
// gregorianDay is the day's day of the month. The lunar month fields come from the record of the
// day before (`previous`, null on the first day of the table) unless a new lunar month begins.
void FillDay(MonthCalendarState& state, int year, int month, int day, int gregorianDay,
             const CalendarDay* previous, CalendarDay& record) {
  const vocabulary::CalendarVocabulary& names = state.vocabulary;
  LunarYearTable& table = state.lunarYear;

  record.gregorianYear = year;
  record.gregorianMonth = month;
  record.dayNumber = day;
  record.weekday = WeekdayOfDay(day);

  record.gregorianDay = gregorianDay;

  const std::vector<double>& termDays = table.termDays;

  const int mi = LunarMonthIndex(table, day);
  record.lunarDayIndex = day - table.newMoonDays[mi];
  SetName(record.lunarDayName, NameAt(names.dayNames, record.lunarDayIndex));

  record.daysSinceWinterSolstice = static_cast<int>(day - termDays[kWinterSolstice]);
  record.daysSinceSummerSolstice = static_cast<int>(day - termDays[kSummerSolstice]);
  record.daysSinceAutumnStart = static_cast<int>(day - termDays[kAutumnStart]);
  record.daysSinceGrainInEar = static_cast<int>(day - termDays[kGrainInEar]);
  record.daysSinceMinorHeat = static_cast<int>(day - termDays[kMinorHeat]);
  record.daysSinceSpringEquinox = static_cast<int>(day - termDays[kSpringEquinox]);
  record.daysSinceAutumnEquinox = static_cast<int>(day - termDays[kAutumnEquinox]);

  // The first day of the table names its lunar month even in the middle of it.
  if (day == table.newMoonDays[mi] || previous == nullptr) {
    SetLunarMonthFields(state, mi, record);
  } else {
    SetName(record.lunarMonthName, previous->lunarMonthName);
    record.lunarMonthLength = previous->lunarMonthLength;
    SetName(record.leapMark, previous->leapMark);
    SetName(record.nextLunarMonthName, previous->nextLunarMonthName);
  }

  int k = std::clamp(FloorToInt((day - termDays[0] - 7) / 15.2184), -1, 23);
  if (k < 23 && termDays[k + 1] <= day) {
    ++k;
  }
  if (k >= 0 && day == termDays[k]) {
    SetName(record.termNameOfDay, NameAt(names.termNames, k));
  } else {
    record.termNameOfDay.clear();
  }

  record.phaseName.clear();
  record.termName.clear();
  record.termTimeText.clear();

  // Years from 1984 (甲子), turning on the day of 立春: 5844 days from 1984-01-01 to 2000-01-01,
  // less 35 for 立春 about 35 days after the 1st of January.
  double lichun = termDays[3];
  if (day < lichun) {
    lichun -= 365;
  }
  record.termYearNumber = std::floor((lichun + 5844 - 35) / 365.2422 + 0.5);
  record.lunarYearNumber = LunarYearNumber(table, day);
  SetStemBranchName(static_cast<long long>(std::trunc(record.termYearNumber + 12000)),
                    record.yearPillarName);
  SetStemBranchName(static_cast<long long>(std::trunc(record.lunarYearNumber + 12000)),
                    record.lunarYearName);

  // Month pillar: month k = 0 is the 子 month of the winter solstice, turning at each section
  // term ("小寒", "立春", ...); months counted in whole years from a 甲子 month.
  int monthIndex = std::clamp(FloorToInt((day - termDays[0]) / 30.43685), 0, 12);
  if (monthIndex < 12 && termDays[2 * monthIndex + 1] <= day) {
    ++monthIndex;
  }
  const long long monthCount =
      monthIndex +
      12LL * (static_cast<long long>(std::floor((termDays[kSummerSolstice] + 390) / 365.2422)) +
              75000);
  SetStemBranchName(monthCount, record.monthPillarName);

  SetStemBranchName(SexagenaryIndexOfDay(day), record.dayPillarName);

  // Western sign: 摩羯 from the winter solstice, turning at each mid-term.
  int sign = std::clamp(FloorToInt((day - termDays[0] - 15) / 30.43685), -1, 11);
  if (sign < 11 && termDays[2 * (sign + 1)] <= day) {
    ++sign;
  }
  SetName(record.signName, names.signNames[vocabulary::FloorMod(sign + 12, 12)], L"座");

  record.festivalTextC.clear();
  record.festivalTextB.clear();
  record.festivalTextA.clear();
  record.isHoliday = 0;
  NameDayFestivals(names, record);
}

// The Beijing date (day number) of the lunar phase at elongation w, that of
// FindMoonPhaseMoment(w). A phase shows only its date, so where the cheap estimate lies more than
// kPhaseDayMargin from a Beijing midnight its date is taken: within kFastPhaseCenturies of J2000.0
// the estimate is within 8 minutes of the precise moment for every quarter phase. Near a midnight,
// and further out where the estimate drifts (90 minutes by AD 9999), the precise moment decides.
int PhaseDay(double w) {
  constexpr double kFastPhaseCenturies = 24;       // 400 BC to AD 4400
  constexpr double kPhaseDayMargin = 30.0 / 1440;  // days
  const double t = TimeOfElongationFast(w);
  if (std::fabs(t) <= kFastPhaseCenturies) {
    // TT to Beijing time, as FindMoonPhaseMoment converts its moment.
    const double m = BeijingDayNumberOfJulianCenturies(t);
    const double sinceMidnight = m + 0.5 - std::floor(m + 0.5);  // [0, 1) days
    if (sinceMidnight > kPhaseDayMargin && sinceMidnight < 1 - kPhaseDayMargin) {
      return FloorToInt(m + 0.5);
    }
  }
  return FloorToInt(FindMoonPhaseMoment(w) + 0.5);
}

// Moon phases whose moment falls on a day of [day0, end), from the quarter at or below the
// elongation at noon of day0 less 0.78 rad (about 3.7 days). The elongation gains at most 0.26 rad
// a day, so that first quarter falls at least 2.6 days before noon of day0 in Beijing time (2.8 in
// every month of -4712 to 9999) and its date at least 3 days before day0: it marks no day and ends
// no search of a month of 4 days or more, and is passed over without being looked for.
void MarkMoonPhases(const MonthCalendarState& state, double t, int day0, int end,
                    CalendarDays& days) {
  const double elongation = MoonSunElongation(t, kMonthStartMoonTerms, kMonthStartEarthTerms);
  double w = std::floor(2 * (elongation - 0.78) / kPi) * kPi / 2;
  if (end - day0 >= 4) {
    w += kPi / 2;
  }
  while (true) {
    const int d = PhaseDay(w);
    const long long p = static_cast<long long>(std::floor(w / (2 * kPi) * 4 + 4000000.01));
    w += kPi / 2;
    if (d >= end) {
      break;
    }
    if (d >= day0) {
      days[static_cast<std::size_t>(d - day0)].phaseName =
          state.vocabulary.phaseNames[vocabulary::FloorMod(p, 4)];
    }
    if (d + 5 >= end) {
      break;
    }
  }
}

// Solar terms whose moment falls on a day of [day0, end), with their time of day, from the
// multiple of 15 degrees at or below the sun's longitude at noon of day0 less 0.13 rad. The Sun
// gains at most 0.0178 rad a day, so that first term falls at least 6.9 days before noon of day0
// in Beijing time (6.94 in every month of -4712 to 9999) and its date at least 7 days before day0:
// it marks no day and ends no search of a month of 6 days or more, and is passed over without
// being looked for.
void MarkSolarTerms(const MonthCalendarState& state, double t, int day0, int end,
                    CalendarDays& days) {
  const double longitude = SunApparentLongitude(t, kMonthStartSunTerms);
  double w = std::floor((longitude - 0.13) / (2 * kPi) * 24) * 2 * kPi / 24;
  if (end - day0 >= 6) {
    w += kPi / 12;
  }
  while (true) {
    const double m = FindSolarTermMoment(w);
    const int d = FloorToInt(m + 0.5);
    // w = 0 is the March equinox, 春分, term 6 from the winter solstice.
    const long long q = static_cast<long long>(std::floor(w / (2 * kPi) * 24 + 24000006.01));
    w += kPi / 12;
    if (d >= end) {
      break;
    }
    if (d >= day0) {
      CalendarDay& record = days[static_cast<std::size_t>(d - day0)];
      record.termName = state.vocabulary.termNames[vocabulary::FloorMod(q, 24)];
      record.termTimeText = FormatTimeOfDay(m);
    }
    if (d + 12 >= end) {
      break;
    }
  }
}

}  // namespace

MonthCalendar::MonthCalendar() : lunarYears_(kKeptLunarYears) {}

void MonthCalendar::SelectLunarYear(int day) {
  if (LunarYearHolds(lunarYear_.termDays, day)) {
    return;
  }
  // The day's lunar year began at the solstice before it, kept in the day's own slot or, in the
  // last days before the next solstice, the one before.
  const int slot = LunarYearSlot(day);
  for (const int candidate : {slot, (slot + kKeptLunarYears - 1) % kKeptLunarYears}) {
    const LunarYearLayout& kept = lunarYears_[static_cast<std::size_t>(candidate)];
    if (LunarYearHolds(kept.termDays, day)) {
      CopyLunarYearLayout(kept, lunarYear_);
      return;
    }
  }
  lunarYear_.ComputeLunarYear(day);
  CopyLunarYearLayout(lunarYear_,
                      lunarYears_[static_cast<std::size_t>(LunarYearSlot(lunarYear_.termDays[0]))]);
}

void MonthCalendar::ComputeMonthCalendar(int year, int month, CalendarDays& days,
                                         CalendarMonth& calendarMonth) {
  calendarMonth = CalendarMonth();
  // A month of 13 or more gives no day: its 1st lies after that of the next year's January.
  if (year < kFirstCalendarYear || year > kLastCalendarYear || month >= 13) {
    return;
  }
  MonthCalendarState state{lunarYear_, vocabulary_};

  // A month below 1 runs back through the years: one that leaves the supported years gives no day.
  const double first = FirstDayNumber(year, month);
  if (!(first >= FirstDayNumber(kFirstCalendarYear, 1))) {
    return;
  }
  const int day0 = static_cast<int>(first);
  int nextYear = year;
  int nextMonth = month + 1;  // at most 13
  if (nextMonth > 12) {
    nextMonth = 1;
    ++nextYear;
  }
  const int dayCount = static_cast<int>(std::clamp(FirstDayNumber(nextYear, nextMonth) - first, 0.0,
                                                   static_cast<double>(days.size())));
  calendarMonth.firstWeekday = WeekdayOfDay(day0);
  calendarMonth.dayCount = dayCount;

  // The day of the month counts on from the first day's (1, but a month below 1 can start
  // elsewhere), taken from the calendar again past the 27th and across 1582-10-04.
  int gregorianDay = 0;
  for (int i = 0; i < dayCount; ++i) {
    const int day = day0 + i;
    if (i > 0 && gregorianDay < 28 && day != kGregorianReformDay) {
      ++gregorianDay;
    } else {
      gregorianDay = static_cast<int>(JulianDayToDate(JulianDayOfDayNumber(day)).day);
    }
    SelectLunarYear(day);
    FillDay(state, year, month, day, gregorianDay,
            i == 0 ? nullptr : &days[static_cast<std::size_t>(i - 1)],
            days[static_cast<std::size_t>(i)]);
  }
  if (dayCount == 0) {
    return;
  }

  const int end = day0 + dayCount;
  const double t = JulianCenturiesTtOfUt(day0);
  MarkMoonPhases(state, t, day0, end, days);
  MarkSolarTerms(state, t, day0, end, days);
}

bool MonthCalendar::ComputeCalendarDay(int year, int month, int day, CalendarDay& record) {
  record = CalendarDay();
  if (year < kFirstCalendarYear || year > kLastCalendarYear || month < 1 || month > 12 || day < 1 ||
      day > 31) {
    return false;
  }
  // A day past the month's end runs on into the next month, and 1582-10-05 .. 14, read as Julian
  // dates, fall on the 15th to the 24th: such a date is not the date of its day number.
  const int dayNumber = static_cast<int>(DayNumberOfDate(year, month, day));
  const DateParts date = JulianDayToDateParts(JulianDayOfDayNumber(dayNumber));
  if (date.year != year || date.month != month || date.day != day) {
    return false;
  }
  MonthCalendarState state{lunarYear_, vocabulary_};
  SelectLunarYear(dayNumber);
  // The month table names the lunar month on its first day and on each first day of a lunar
  // month, in the lunar year of that day, and carries the names on from there: across a winter
  // solstice they come from the year before.
  const int lunarMonthStart = lunarYear_.newMoonDays[LunarMonthIndex(lunarYear_, dayNumber)];
  const int namingDay = std::max(lunarMonthStart, static_cast<int>(FirstDayNumber(year, month)));
  CalendarDay naming;
  if (namingDay < dayNumber) {
    SelectLunarYear(namingDay);
    SetLunarMonthFields(state, LunarMonthIndex(lunarYear_, namingDay), naming);
    SelectLunarYear(dayNumber);
  }
  FillDay(state, year, month, dayNumber, day, namingDay < dayNumber ? &naming : nullptr, record);
  return true;
}

const CalendarDay* FindCalendarDay(const CalendarDays& days, const CalendarMonth& calendarMonth,
                                   int dayNumber) {
  const int count = std::clamp(calendarMonth.dayCount, 0, static_cast<int>(days.size()));
  for (int i = 0; i < count; ++i) {
    if (days[static_cast<std::size_t>(i)].dayNumber == dayNumber) {
      return &days[static_cast<std::size_t>(i)];
    }
  }
  return nullptr;
}

}  // namespace engine
