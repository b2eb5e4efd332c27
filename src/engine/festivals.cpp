#include "engine/festivals.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "vocabulary/number_text.h"

namespace engine {

namespace {

using namespace std::string_view_literals;

enum class TextSlot { kA, kB, kC };

std::wstring& TextOf(CalendarDay& day, TextSlot slot) {
  switch (slot) {
    case TextSlot::kA:
      return day.festivalTextA;
    case TextSlot::kB:
      return day.festivalTextB;
    case TextSlot::kC:
      break;
  }
  return day.festivalTextC;
}

// Whole-text equality, character by character: the names compared here have one or two
// characters, and a day asks for many of them.
bool Is(std::wstring_view text, std::wstring_view name) {
  if (text.size() != name.size()) {
    return false;
  }
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (text[i] != name[i]) {
      return false;
    }
  }
  return true;
}

// National days: text A and a rest day.
struct NationalDay {
  int month;
  int day;
  const wchar_t* text;
};
// month, day, text
constexpr auto kNationalDays = std::to_array<NationalDay>({
    {1, 1, L"開國記念日 "},
    {2, 28, L"和平記念日 "},
    {4, 4, L"兒童節 "},
    {10, 10, L"國慶日 "},
});
static_assert(kNationalDays.size() == 4);

// Commemorations: text B, no rest day. Mother's Day is the Sunday among 5-8 .. 5-14.
struct Commemoration {
  int month;
  int firstDay;
  int lastDay;
  bool sundayOnly;
  const wchar_t* text;
};
// month, first day, last day, only on a Sunday, text
constexpr auto kCommemorations = std::to_array<Commemoration>({
    {3, 5, 5, false, L"童子軍節 "},
    {3, 8, 8, false, L"婦女節 "},
    {3, 12, 12, false, L"植樹節 "},
    {3, 29, 29, false, L"青年節 "},
    {5, 3, 3, false, L"勞動節 "},
    {5, 8, 14, true, L"母親節 "},
    {8, 8, 8, false, L"父親節 "},
    {9, 3, 3, false, L"軍人節 "},
    {9, 28, 28, false, L"教師節 "},
    {10, 25, 25, false, L"台灣光復節 "},
    {10, 31, 31, false, L"蔣公誕辰 "},
    {11, 12, 12, false, L"國父誕辰 "},
    {12, 25, 25, false, L"行憲紀念日 "},
});
static_assert(kCommemorations.size() == 13);

// The official calendar of single years: weekend days worked to make up a bridge holiday, extra
// rest days, and the last and first trading days of the stock market around the new year.
enum class OfficialKind { kMakeUpWorkDay, kRestDays, kMarketNote };
struct OfficialDay {
  int year;
  OfficialKind kind;
  int month;
  int firstDay;
  int lastDay;
  const wchar_t* text;
};
// year, kind, month, first day, last day, text (B)
constexpr auto kOfficialDays = std::to_array<OfficialDay>({
    {2023, OfficialKind::kMakeUpWorkDay, 1, 7, 7, L"補上班不開盤 "},
    {2023, OfficialKind::kMakeUpWorkDay, 2, 4, 4, L"補上班不開盤 "},
    {2023, OfficialKind::kMakeUpWorkDay, 2, 18, 18, L"補上班不開盤 "},
    {2023, OfficialKind::kMakeUpWorkDay, 3, 25, 25, L"補上班不開盤 "},
    {2023, OfficialKind::kMakeUpWorkDay, 6, 17, 17, L"補上班不開盤 "},
    {2023, OfficialKind::kMakeUpWorkDay, 9, 23, 23, L"補上班不開盤 "},
    {2023, OfficialKind::kRestDays, 1, 2, 2, L""},
    {2023, OfficialKind::kRestDays, 1, 20, 29, L""},
    {2023, OfficialKind::kRestDays, 2, 27, 27, L""},
    {2023, OfficialKind::kRestDays, 4, 3, 3, L""},
    {2023, OfficialKind::kRestDays, 6, 23, 23, L""},
    {2023, OfficialKind::kRestDays, 10, 9, 9, L""},
    {2023, OfficialKind::kMarketNote, 1, 17, 17, L"台股封關日 "},
    {2023, OfficialKind::kMarketNote, 1, 30, 30, L"台股開盤日 "},
    {2024, OfficialKind::kMakeUpWorkDay, 2, 17, 17, L"補上班不開盤 "},
    {2024, OfficialKind::kRestDays, 2, 8, 14, L""},
    {2024, OfficialKind::kRestDays, 4, 5, 5, L""},
    {2024, OfficialKind::kMarketNote, 2, 5, 5, L"台股封關日 "},
    {2024, OfficialKind::kMarketNote, 2, 15, 15, L"台股開盤日 "},
});
static_assert(kOfficialDays.size() == 19);

// The first and last years of the official calendar.
constexpr auto kOfficialYears = [] {
  std::pair<int, int> years{kOfficialDays[0].year, kOfficialDays[0].year};
  for (const OfficialDay& row : kOfficialDays) {
    years.first = std::min(years.first, row.year);
    years.second = std::max(years.second, row.year);
  }
  return years;
}();

// Lunar festivals by lunar month name (without "月") and day of the lunar month (1 = "初一"); a
// leap month carries none.
struct LunarFestival {
  std::wstring_view month;
  int day;
  std::wstring_view text;
  TextSlot slot;
  bool restDay;
};
// month, day, text, text slot, rest day
constexpr auto kLunarFestivals = std::to_array<LunarFestival>({
    {L"正"sv, 1, L"春節 "sv, TextSlot::kA, true},
    {L"正"sv, 2, L"回娘家 "sv, TextSlot::kA, true},
    {L"正"sv, 3, L"睏卡飽 "sv, TextSlot::kA, true},
    {L"正"sv, 9, L"天公生 "sv, TextSlot::kA, false},
    {L"正"sv, 20, L"天穿日 "sv, TextSlot::kB, false},
    {L"五"sv, 5, L"端午節 "sv, TextSlot::kA, true},
    {L"八"sv, 15, L"中秋節 "sv, TextSlot::kA, true},
    {L"正"sv, 15, L"上元節 "sv, TextSlot::kB, false},
    {L"二"sv, 2, L"龍抬頭 "sv, TextSlot::kA, false},
    {L"三"sv, 23, L"媽祖生 "sv, TextSlot::kA, false},
    {L"七"sv, 7, L"七夕情人節 "sv, TextSlot::kB, false},
    {L"七"sv, 15, L"中元節"sv, TextSlot::kB, false},
    {L"九"sv, 9, L"重陽節 "sv, TextSlot::kB, false},
    {L"十"sv, 15, L"下元節 "sv, TextSlot::kB, false},
    {L"十二"sv, 8, L"臘八節 "sv, TextSlot::kB, false},
});
static_assert(kLunarFestivals.size() == 15);

bool IsWeekend(const CalendarDay& day) { return day.weekday == 0 || day.weekday == 6; }

bool OnDays(const CalendarDay& day, int month, int firstDay, int lastDay) {
  return day.gregorianMonth == month && day.gregorianDay >= firstDay && day.gregorianDay <= lastDay;
}

void NameGregorianDays(CalendarDay& day) {
  if (IsWeekend(day)) {
    day.isHoliday = 1;
  }
  for (const NationalDay& row : kNationalDays) {
    if (OnDays(day, row.month, row.day, row.day)) {
      day.festivalTextA += row.text;
      day.isHoliday = 1;
    }
  }
  for (const Commemoration& row : kCommemorations) {
    if (OnDays(day, row.month, row.firstDay, row.lastDay) &&
        (!row.sundayOnly || day.weekday == 0)) {
      day.festivalTextB += row.text;
    }
  }
}

void NameOfficialDays(CalendarDay& day) {
  if (day.gregorianYear < kOfficialYears.first || day.gregorianYear > kOfficialYears.second) {
    if (IsWeekend(day)) {
      day.isHoliday = 1;
    }
    return;
  }
  const auto matches = [&day](const OfficialDay& row, OfficialKind kind) {
    return row.year == day.gregorianYear && row.kind == kind &&
           OnDays(day, row.month, row.firstDay, row.lastDay);
  };
  // A listed weekend day is worked; every other weekend day stays a rest day.
  if (IsWeekend(day)) {
    bool madeUp = false;
    for (const OfficialDay& row : kOfficialDays) {
      if (!madeUp && matches(row, OfficialKind::kMakeUpWorkDay)) {
        day.isHoliday = 0;
        day.festivalTextB += row.text;
        madeUp = true;
      }
    }
    if (!madeUp) {
      day.isHoliday = 1;
    }
  }
  for (const OfficialDay& row : kOfficialDays) {
    if (matches(row, OfficialKind::kRestDays)) {
      day.isHoliday = 1;
    }
  }
  for (const OfficialDay& row : kOfficialDays) {
    if (matches(row, OfficialKind::kMarketNote)) {
      day.festivalTextB += row.text;
    }
  }
}

void NameLunarDays(CalendarDay& day) {
  const int dayOfMonth = day.lunarDayIndex + 1;
  if (!Is(day.leapMark, L"閏"sv)) {
    for (const LunarFestival& row : kLunarFestivals) {
      if (row.day == dayOfMonth && Is(day.lunarMonthName, row.month)) {
        TextOf(day, row.slot) += row.text;
        if (row.restDay) {
          day.isHoliday = 1;
        }
        break;
      }
    }
  }
  // New Year's Eve is the last day of whichever twelfth month precedes 正, a leap one included.
  if (Is(day.nextLunarMonthName, L"正"sv) && Is(day.lunarMonthName, L"十二"sv) &&
      ((dayOfMonth == 30 && day.lunarMonthLength == 30) ||
       (dayOfMonth == 29 && day.lunarMonthLength == 29))) {
    day.festivalTextA += L"除夕 "sv;
    day.isHoliday = 1;
  }
}

void NameTermDays(CalendarDay& day) {
  if (Is(day.termNameOfDay, L"清明"sv)) {
    if (!day.festivalTextA.empty()) {
      day.festivalTextA += L"<br>";
    }
    day.festivalTextA += L"民族掃墓節 ";
    day.isHoliday = 1;
  } else if (Is(day.termNameOfDay, L"立春"sv)) {
    day.festivalTextB += L"農民節 ";
  }
}

// The nine nines: nine periods of nine days from the winter solstice, "『一九』" to "『九九』".
void NameNineNines(const vocabulary::CalendarVocabulary& vocabulary, CalendarDay& day) {
  const int d = day.daysSinceWinterSolstice;
  if (d >= 0 && d <= 80 && d % 9 == 0) {
    day.festivalTextC += L"『" + vocabulary.digitNames[d / 9 + 1] + L"九』 ";
  }
}

bool InRange(int value, int first, int last) { return value >= first && value <= last; }

void NameStemBranchCustoms(CalendarDay& day) {
  if (day.dayPillarName.size() < 2) {
    return;
  }
  const wchar_t stem = day.dayPillarName[0];
  const wchar_t branch = day.dayPillarName[1];

  // Customs of the first twelve days of 正月 (a leap 正月 too).
  if (Is(day.lunarMonthName, L"正"sv) && day.lunarDayIndex < 12) {
    const std::wstring number = vocabulary::DecimalText(day.lunarDayIndex + 1);
    if (branch == L'辰') {
      day.festivalTextC += number + L"龍治水 ";
    } else if (stem == L'辛') {
      day.festivalTextC += number + L"日得辛 ";
    } else if (branch == L'丑') {
      day.festivalTextC += number + L"牛耕田 ";
    }
  }

  // Earth-god days: the 戊 day of the ten days around each equinox.
  if (stem == L'戊' && InRange(day.daysSinceSpringEquinox, -5, 4)) {
    day.festivalTextC += L"春社 ";
  }
  if (stem == L'戊' && InRange(day.daysSinceAutumnEquinox, -5, 4)) {
    day.festivalTextC += L"秋社 ";
  }

  // Dog days counted in 庚 days from the summer solstice and 立秋; plum rain from 芒種 to 小暑.
  if (stem == L'庚' && InRange(day.daysSinceSummerSolstice, 20, 29)) {
    day.festivalTextC += L"初伏 ";
  } else if (stem == L'庚' && InRange(day.daysSinceSummerSolstice, 30, 39)) {
    day.festivalTextC += L"中伏 ";
  } else if (stem == L'庚' && InRange(day.daysSinceAutumnStart, 0, 9)) {
    day.festivalTextC += L"末伏 ";
  } else if (stem == L'丙' && InRange(day.daysSinceGrainInEar, 0, 9)) {
    day.festivalTextC += L"入霉 ";
  } else if (branch == L'未' && InRange(day.daysSinceMinorHeat, 0, 11)) {
    day.festivalTextC += L"出霉 ";
  }
}

}  // namespace

void NameDayFestivals(const vocabulary::CalendarVocabulary& vocabulary, CalendarDay& day) {
  NameGregorianDays(day);
  NameOfficialDays(day);
  NameLunarDays(day);
  NameTermDays(day);
  NameNineNines(vocabulary, day);
  NameStemBranchCustoms(day);
}

}  // namespace engine
