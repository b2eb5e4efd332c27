#include "engine/lunar_year.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/correction_tables.h"
#include "vocabulary/cyclic_index.h"

namespace engine {

namespace {

constexpr double kTropicalYear = 365.2422;
constexpr double kSynodicMonth = 29.5306;

// Month-code shifts of the historical calendars, by the first day of the month (day numbers,
// both ends included).
struct MonthCodeShift {
  int firstDay;
  int lastDay;
  int shift;  // added to the code; kFirstMonthIsZheng: code 0 becomes 2, others unchanged
};
constexpr int kFirstMonthIsZheng = -1;
constexpr auto kMonthCodeShifts = std::to_array<MonthCodeShift>({
    // first day, last day, shift          civil dates of the first days
    {-727185, -721751, 1},                   // 9-01-15 to 23-12-02: the solstice month named 十二
    {-643821, -642846, 1},                   // 237-04-12 to 239-12-13: the same
    {-452196, -452078, 2},                   // 761-12-02 to 762-03-30: the solstice month named 正
    {-478478, -474493, kFirstMonthIsZheng},  // 689-12-18 to 700-11-15: the solstice month named 正
});
static_assert(kMonthCodeShifts.size() == 4);

// The months that open two consecutive twelfth months (23-12-02 and 239-12-13).
constexpr auto kFirstTwelfthDays = std::to_array<int>({-721751, -642846});
static_assert(kFirstTwelfthDays.size() == 2);

// Years (astronomical) whose months are named from reference year-starts, without leap months.
constexpr int kFirstReferenceYear = -721;
constexpr int kLastReferenceYear = -104;

int HistoricalMonthCode(int code, int firstDay) {
  for (const MonthCodeShift& s : kMonthCodeShifts) {
    if (firstDay >= s.firstDay && firstDay <= s.lastDay) {
      if (s.shift == kFirstMonthIsZheng) {
        const int g = vocabulary::FloorMod(code, 12);
        return g == 0 ? 2 : g;
      }
      return vocabulary::FloorMod(code + s.shift, 12);
    }
  }
  return vocabulary::FloorMod(code, 12);
}

// One reference year-start of the years -721 to -104: the first new-moon day of a reference
// year and the code offset of its first month (2: "正", 11: "十").
struct ReferenceStart {
  double day = 0;
  int offset = 2;
};

// The reference start of year y: of the three rules below the last that applies holds (each
// applies from its first year on). The rules are pure, so only that one is evaluated. No rule
// applies before -720 (only y = -721 of the year -721 asks, and no month of that year is named
// from it); the first rule's formula is extended to it.
ReferenceStart ReferenceStartOfYear(const LunarYearTable& table, int y) {
  if (y >= -219) {
    // First reference: Julian day 1640641 (-221-10-31).
    return {table.FindTermOrNewMoonDay(
                std::floor((y + 219) * 12.369 + 0.866) * kSynodicMonth - 810904, kNewMoonEvent),
            11};
  }
  if (y >= -478) {
    // First reference: Julian day 1546083 (-480-12-11).
    return {table.FindTermOrNewMoonDay(
                std::floor((y + 478) * 12.368422 + 0.5) * kSynodicMonth - 905462, kNewMoonEvent),
            2};
  }
  // First reference: Julian day 1457698 (-722-12-17).
  return {table.FindTermOrNewMoonDay(
              std::floor((y + 720) * 12.368422 + 0.342) * kSynodicMonth - 993847, kNewMoonEvent),
          2};
}

// Month codes of the years -721 to -104, named from the reference starts of the year and the two
// after it: month f of the reference year in force gets (f + offset) mod 12, a 13th month
// kMonthCodeThirteenth (offset 2) or kMonthCodeAfterNinth (offset 11).
void NameMonthsFromReferences(const LunarYearTable& table, int year, std::vector<int>& codes) {
  std::array<ReferenceStart, 3> starts;
  for (int m = 0; m < 3; ++m) {
    starts[m] = ReferenceStartOfYear(table, year + m);
  }
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const double day = table.newMoonDays[i];
    int m = 2;
    while (m > 0 && day < starts[m].day) {
      --m;
    }
    const double f = std::floor((day - starts[m].day + 15) / kSynodicMonth);
    if (f <= 11) {
      codes[i] = vocabulary::FloorMod(static_cast<long long>(f) + starts[m].offset, 12);
    } else {
      codes[i] = starts[m].offset == 2 ? kMonthCodeThirteenth : kMonthCodeAfterNinth;
    }
  }
}

}  // namespace

std::wstring MonthCodeName(const vocabulary::CalendarVocabulary& vocabulary, int code) {
  if (code >= 0 && code < static_cast<int>(vocabulary.monthNames.size())) {
    return vocabulary.monthNames[static_cast<std::size_t>(code)];
  }
  switch (code) {
    case kMonthCodeFirstTwelfth:
      return L"拾貳";
    case kMonthCodeThirteenth:
      return L"十三";
    case kMonthCodeAfterNinth:
      return L"後九";
    default:
      return L"";
  }
}

LunarYearTable::LunarYearTable()
    : newMoonFits(kNewMoonFits.begin(), kNewMoonFits.end()),
      termFits(kSolarTermFits.begin(), kSolarTermFits.end()),
      newMoonCorrections(ExpandCorrectionString(JoinCorrectionPieces(kNewMoonCorrections))),
      termCorrections(ExpandCorrectionString(JoinCorrectionPieces(kSolarTermCorrections))) {}

double LunarYearTable::WinterSolsticeEstimate(int day) const {
  day = std::clamp(day, kFirstLunarYearDay, kLastLunarYearDay);
  // An estimate of the winter solstice within half a year of the day, then the solstice on or
  // before it.
  double w = std::floor((day - 172) / kTropicalYear) * kTropicalYear + 355;
  if (FindTermOrNewMoonDay(w, kSolarTermEvent) > day) {
    w -= kTropicalYear;
  }
  return w;
}

std::array<double, 24> LunarYearTable::ComputeLunarYearTermDays(int day) const {
  const double w = WinterSolsticeEstimate(day);
  std::array<double, 24> days{};
  for (std::size_t k = 0; k < days.size(); ++k) {
    days[k] = FindTermOrNewMoonDay(w + 15.2184 * static_cast<double>(k), kSolarTermEvent);
  }
  return days;
}

void LunarYearTable::ComputeLunarYear(int day) {
  const double w = WinterSolsticeEstimate(day);
  termDays.clear();
  for (int k = 0; k <= 24; ++k) {
    termDays.push_back(FindTermOrNewMoonDay(w + 15.2184 * k, kSolarTermEvent));
  }
  priorTermDay = FindTermOrNewMoonDay(w - 15.2, kSolarTermEvent);
  secondPriorTermDay = FindTermOrNewMoonDay(w - 30.4, kSolarTermEvent);

  double n = FindTermOrNewMoonDay(termDays[0], kNewMoonEvent);
  if (n > termDays[0]) {
    n -= 29.53;
  }
  newMoonDays.clear();
  for (int k = 0; k <= 14; ++k) {
    newMoonDays.push_back(
        static_cast<int>(FindTermOrNewMoonDay(n + kSynodicMonth * k, kNewMoonEvent)));
  }

  leapIndex = 0;
  monthLengths.clear();
  monthCodes.clear();
  for (int i = 0; i < 14; ++i) {
    monthLengths.push_back(newMoonDays[i + 1] - newMoonDays[i]);
    monthCodes.push_back(i);
  }

  // The Gregorian (or Julian) year that follows the winter solstice termDays[0].
  const int year = static_cast<int>(std::floor((termDays[0] + 10 + 180) / kTropicalYear)) + 2000;
  if (year >= kFirstReferenceYear && year <= kLastReferenceYear) {
    NameMonthsFromReferences(*this, year, monthCodes);
    return;
  }

  // A year of 13 months (the 13th ends on or before the next winter solstice) has a leap month:
  // the first that holds no mid-term; a mid-term on the first day of the next month does not
  // count. The year condition makes i = 12 qualify at the latest.
  if (termDays[24] >= newMoonDays[13]) {
    for (int i = 1; i <= 12; ++i) {
      if (newMoonDays[i + 1] <= termDays[2 * i]) {
        leapIndex = i;
        break;
      }
    }
    for (int j = leapIndex; leapIndex > 0 && j < 14; ++j) {
      --monthCodes[j];
    }
  }

  for (int i = 0; i < 14; ++i) {
    monthCodes[i] = HistoricalMonthCode(monthCodes[i], newMoonDays[i]);
    if (std::find(kFirstTwelfthDays.begin(), kFirstTwelfthDays.end(), newMoonDays[i]) !=
        kFirstTwelfthDays.end()) {
      monthCodes[i] = kMonthCodeFirstTwelfth;
    }
  }
}

}  // namespace engine
