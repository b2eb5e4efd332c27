#include "engine/festivals.h"

#include <array>
#include <string>
#include <string_view>

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

// National days: text A and a rest day.
struct NationalDay {
  int month;
  int day;
  const wchar_t* text;
};
// month, day, text
constexpr std::array<NationalDay, 4> kNationalDays{{
    {1, 1, L"開國記念日 "},
    {2, 28, L"和平記念日 "},
    {4, 4, L"兒童節 "},
    {10, 10, L"國慶日 "},
}};
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
constexpr std::array<Commemoration, 13> kCommemorations{{
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
}};
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
constexpr std::array<OfficialDay, 19> kOfficialDays{{
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
}};
static_assert(kOfficialDays.size() == 19);

// Lunar festivals keyed by month name, "月" after a one-character name, and day name; the first
// equal key wins.
struct LunarFestival {
  std::wstring_view key;
  std::wstring_view text;
  TextSlot slot;
  bool restDay;
};
// key, text, text slot, rest day
constexpr std::array<LunarFestival, 15> kLunarFestivals{{
    {L"正月初一"sv, L"春節 "sv, TextSlot::kA, true},
    {L"正月初二"sv, L"回娘家 "sv, TextSlot::kA, true},
    {L"正月初三"sv, L"睏卡飽 "sv, TextSlot::kA, true},
    {L"正月初九"sv, L"天公生 "sv, TextSlot::kA, false},
    {L"正月二十"sv, L"天穿日 "sv, TextSlot::kB, false},
    {L"五月初五"sv, L"端午節 "sv, TextSlot::kA, true},
    {L"八月十五"sv, L"中秋節 "sv, TextSlot::kA, true},
    {L"正月十五"sv, L"上元節 "sv, TextSlot::kB, false},
    {L"二月初二"sv, L"龍抬頭 "sv, TextSlot::kA, false},
    {L"三月廿三"sv, L"媽祖生 "sv, TextSlot::kA, false},
    {L"七月初七"sv, L"七夕情人節 "sv, TextSlot::kB, false},
    {L"七月十五"sv, L"中元節"sv, TextSlot::kB, false},
    {L"九月初九"sv, L"重陽節 "sv, TextSlot::kB, false},
    {L"十月十五"sv, L"下元節 "sv, TextSlot::kB, false},
    {L"十二初八"sv, L"臘八節 "sv, TextSlot::kB, false},
}};
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

// The key of a lunar day: its lunar month name, "月" when the name has fewer than two characters,
// and its lunar day name ("正月初一", but "十二初八"). Held in place, as the day of every month
// table is looked up; a key too long for the buffer is left empty, as it equals no key of the
// festivals.
class LunarDayKey {
 public:
  explicit LunarDayKey(const CalendarDay& day) {
    const std::size_t monthMark = day.lunarMonthName.size() < 2 ? 1 : 0;
    if (day.lunarMonthName.size() + monthMark + day.lunarDayName.size() > chars_.size()) {
      return;
    }
    for (const wchar_t c : day.lunarMonthName) {
      chars_[size_++] = c;
    }
    if (monthMark != 0) {
      chars_[size_++] = L'月';
    }
    for (const wchar_t c : day.lunarDayName) {
      chars_[size_++] = c;
    }
  }

  // Whole-text equality, character by character.
  bool Is(std::wstring_view key) const {
    if (key.size() != size_) {
      return false;
    }
    for (std::size_t i = 0; i < size_; ++i) {
      if (key[i] != chars_[i]) {
        return false;
      }
    }
    return true;
  }

 private:
  std::array<wchar_t, 8> chars_{};
  std::size_t size_ = 0;
};

void NameLunarDays(CalendarDay& day) {
  const LunarDayKey key(day);
  if (day.leapMark != L"閏"sv) {
    for (const LunarFestival& row : kLunarFestivals) {
      if (key.Is(row.key)) {
        TextOf(day, row.slot) += row.text;
        if (row.restDay) {
          day.isHoliday = 1;
        }
        break;
      }
    }
  }
  // New Year's Eve is the last day of whichever twelfth month precedes 正, a leap one included.
  if (day.nextLunarMonthName == L"正"sv &&
      ((key.Is(L"十二三十"sv) && day.lunarMonthLength == 30) ||
       (key.Is(L"十二廿九"sv) && day.lunarMonthLength == 29))) {
    day.festivalTextA += L"除夕 "sv;
    day.isHoliday = 1;
  }
}

void NameTermDays(CalendarDay& day) {
  if (day.termNameOfDay == L"清明"sv) {
    if (!day.festivalTextA.empty()) {
      day.festivalTextA += L"<br>";
    }
    day.festivalTextA += L"民族掃墓節 ";
    day.isHoliday = 1;
  } else if (day.termNameOfDay == L"立春"sv) {
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
  const std::wstring_view stem = std::wstring_view(day.dayPillarName).substr(0, 1);
  const std::wstring_view branch = std::wstring_view(day.dayPillarName).substr(1, 1);

  // Customs of the first twelve days of 正月 (a leap 正月 too).
  if (day.lunarMonthName == L"正"sv && day.lunarDayIndex < 12) {
    const std::wstring number = vocabulary::DecimalText(day.lunarDayIndex + 1);
    if (branch == L"辰"sv) {
      day.festivalTextC += number + L"龍治水 ";
    } else if (stem == L"辛"sv) {
      day.festivalTextC += number + L"日得辛 ";
    } else if (branch == L"丑"sv) {
      day.festivalTextC += number + L"牛耕田 ";
    }
  }

  // Earth-god days: the 戊 day of the ten days around each equinox.
  if (stem == L"戊"sv && InRange(day.daysSinceSpringEquinox, -5, 4)) {
    day.festivalTextC += L"春社 ";
  }
  if (stem == L"戊"sv && InRange(day.daysSinceAutumnEquinox, -5, 4)) {
    day.festivalTextC += L"秋社 ";
  }

  // Dog days counted in 庚 days from the summer solstice and 立秋; plum rain from 芒種 to 小暑.
  if (stem == L"庚"sv && InRange(day.daysSinceSummerSolstice, 20, 29)) {
    day.festivalTextC += L"初伏 ";
  } else if (stem == L"庚"sv && InRange(day.daysSinceSummerSolstice, 30, 39)) {
    day.festivalTextC += L"中伏 ";
  } else if (stem == L"庚"sv && InRange(day.daysSinceAutumnStart, 0, 9)) {
    day.festivalTextC += L"末伏 ";
  } else if (stem == L"丙"sv && InRange(day.daysSinceGrainInEar, 0, 9)) {
    day.festivalTextC += L"入霉 ";
  } else if (branch == L"未"sv && InRange(day.daysSinceMinorHeat, 0, 11)) {
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
