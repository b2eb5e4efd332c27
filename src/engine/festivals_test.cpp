#include "engine/festivals.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "vocabulary/calendar_vocabulary.h"

namespace engine {
namespace {

const vocabulary::CalendarVocabulary& Vocabulary() {
  static const vocabulary::CalendarVocabulary vocabulary;
  return vocabulary;
}

// A plain working day far from every term, on 三月初五 with the day pillar 甲子; each case
// changes what it tests.
CalendarDay PlainDay(int year, int month, int day, int weekday) {
  CalendarDay record;
  record.gregorianYear = year;
  record.gregorianMonth = month;
  record.gregorianDay = day;
  record.weekday = weekday;
  record.lunarMonthName = L"三";
  record.lunarDayName = L"初五";
  record.lunarDayIndex = 4;
  record.lunarMonthLength = 30;
  record.nextLunarMonthName = L"四";
  record.dayPillarName = L"甲子";
  record.daysSinceWinterSolstice = -100;
  record.daysSinceSummerSolstice = -100;
  record.daysSinceAutumnStart = -100;
  record.daysSinceGrainInEar = -100;
  record.daysSinceMinorHeat = -100;
  record.daysSinceSpringEquinox = -100;
  record.daysSinceAutumnEquinox = -100;
  return record;
}

CalendarDay With(CalendarDay day, const std::function<void(CalendarDay&)>& change) {
  change(day);
  return day;
}

void SetLunarDay(CalendarDay& day, const std::wstring& monthName, int dayIndex) {
  day.lunarMonthName = monthName;
  day.lunarDayIndex = dayIndex;
  day.lunarDayName = Vocabulary().dayNames[dayIndex];
}

struct FestivalCase {
  const char* what;
  CalendarDay day;
  std::wstring textA;
  std::wstring textB;
  std::wstring textC;
  int isHoliday;
};

void ExpectCases(const std::vector<FestivalCase>& cases) {
  for (const FestivalCase& c : cases) {
    SCOPED_TRACE(c.what);
    CalendarDay day = c.day;
    NameDayFestivals(Vocabulary(), day);
    EXPECT_EQ(day.festivalTextA, c.textA);
    EXPECT_EQ(day.festivalTextB, c.textB);
    EXPECT_EQ(day.festivalTextC, c.textC);
    EXPECT_EQ(day.isHoliday, c.isHoliday);
  }
}

TEST(Festivals, GregorianDays) {
  ExpectCases({
      {"plain Wednesday", PlainDay(2025, 3, 19, 3), L"", L"", L"", 0},
      {"a Saturday of 2025 rests without note", PlainDay(2025, 3, 22, 6), L"", L"", L"", 1},
      {"a Sunday rests", PlainDay(2025, 3, 23, 0), L"", L"", L"", 1},
      {"new year", PlainDay(2025, 1, 1, 3), L"開國記念日 ", L"", L"", 1},
      {"2-28", PlainDay(2025, 2, 28, 5), L"和平記念日 ", L"", L"", 1},
      {"children's day", PlainDay(2025, 4, 4, 5), L"兒童節 ", L"", L"", 1},
      {"national day in A", PlainDay(2025, 10, 10, 5), L"國慶日 ", L"", L"", 1},
      {"10-25 in B", PlainDay(2025, 10, 25, 6), L"", L"台灣光復節 ", L"", 1},
      {"10-31 in B", PlainDay(2025, 10, 31, 5), L"", L"蔣公誕辰 ", L"", 0},
      {"3-5", PlainDay(2025, 3, 5, 3), L"", L"童子軍節 ", L"", 0},
      {"3-8", PlainDay(2025, 3, 8, 6), L"", L"婦女節 ", L"", 1},
      {"3-12", PlainDay(2025, 3, 12, 3), L"", L"植樹節 ", L"", 0},
      {"3-29", PlainDay(2025, 3, 29, 6), L"", L"青年節 ", L"", 1},
      {"labour day is the third of May", PlainDay(2025, 5, 3, 6), L"", L"勞動節 ", L"", 1},
      {"5-1 is no labour day", PlainDay(2025, 5, 1, 4), L"", L"", L"", 0},
      {"second Sunday of May", PlainDay(2024, 5, 12, 0), L"", L"母親節 ", L"", 1},
      {"first Sunday of May", PlainDay(2024, 5, 5, 0), L"", L"", L"", 1},
      {"5-14 on a Sunday", PlainDay(2023, 5, 14, 0), L"", L"母親節 ", L"", 1},
      {"5-15 on a Sunday", PlainDay(2022, 5, 15, 0), L"", L"", L"", 1},
      {"8-8", PlainDay(2025, 8, 8, 5), L"", L"父親節 ", L"", 0},
      {"9-3", PlainDay(2025, 9, 3, 3), L"", L"軍人節 ", L"", 0},
      {"9-28", PlainDay(2025, 9, 28, 0), L"", L"教師節 ", L"", 1},
      {"11-12", PlainDay(2025, 11, 12, 3), L"", L"國父誕辰 ", L"", 0},
      {"12-25", PlainDay(2025, 12, 25, 4), L"", L"行憲紀念日 ", L"", 0},
  });
}

TEST(Festivals, OfficialDaysOf2023And2024) {
  const auto newYear = [](CalendarDay& d) { SetLunarDay(d, L"正", 0); };
  ExpectCases({
      {"2023-01-22, Sunday, 正月初一", With(PlainDay(2023, 1, 22, 0), newYear), L"春節 ", L"", L"",
       1},
      {"2023-01-07 make-up work day", PlainDay(2023, 1, 7, 6), L"", L"補上班不開盤 ", L"", 0},
      {"2023-02-04", PlainDay(2023, 2, 4, 6), L"", L"補上班不開盤 ", L"", 0},
      {"2023-02-18", PlainDay(2023, 2, 18, 6), L"", L"補上班不開盤 ", L"", 0},
      {"2023-03-25", PlainDay(2023, 3, 25, 6), L"", L"補上班不開盤 ", L"", 0},
      {"2023-06-17", PlainDay(2023, 6, 17, 6), L"", L"補上班不開盤 ", L"", 0},
      {"2023-09-23", PlainDay(2023, 9, 23, 6), L"", L"補上班不開盤 ", L"", 0},
      {"2024-02-17 make-up work day", PlainDay(2024, 2, 17, 6), L"", L"補上班不開盤 ", L"", 0},
      {"a Saturday of January 2025", PlainDay(2025, 1, 4, 6), L"", L"", L"", 1},
      {"2023 other Saturday", PlainDay(2023, 1, 14, 6), L"", L"", L"", 1},
      {"2023-01-02", PlainDay(2023, 1, 2, 1), L"", L"", L"", 1},
      {"2023-01-20", PlainDay(2023, 1, 20, 5), L"", L"", L"", 1},
      {"2023-01-27", PlainDay(2023, 1, 27, 5), L"", L"", L"", 1},
      {"2023-01-30 first trading day", PlainDay(2023, 1, 30, 1), L"", L"台股開盤日 ", L"", 0},
      {"2023-01-17 last trading day", PlainDay(2023, 1, 17, 2), L"", L"台股封關日 ", L"", 0},
      {"2025-01-17 has no market note", PlainDay(2025, 1, 17, 5), L"", L"", L"", 0},
      {"2023-02-27", PlainDay(2023, 2, 27, 1), L"", L"", L"", 1},
      {"2023-04-03", PlainDay(2023, 4, 3, 1), L"", L"", L"", 1},
      {"2023-06-23", PlainDay(2023, 6, 23, 5), L"", L"", L"", 1},
      {"2023-10-09", PlainDay(2023, 10, 9, 1), L"", L"", L"", 1},
      {"2024-10-09 is no rest day", PlainDay(2024, 10, 9, 3), L"", L"", L"", 0},
      {"2024-02-05", PlainDay(2024, 2, 5, 1), L"", L"台股封關日 ", L"", 0},
      {"2024-02-08", PlainDay(2024, 2, 8, 4), L"", L"", L"", 1},
      {"2024-02-14", PlainDay(2024, 2, 14, 3), L"", L"", L"", 1},
      {"2024-02-15", PlainDay(2024, 2, 15, 4), L"", L"台股開盤日 ", L"", 0},
      {"2024-04-05", PlainDay(2024, 4, 5, 5), L"", L"", L"", 1},
      {"2023-04-05 is no rest day by the 2024 list", PlainDay(2023, 4, 5, 3), L"", L"", L"", 0},
  });
}

TEST(Festivals, LunarFestivals) {
  const auto on = [](const wchar_t* month, int dayIndex) {
    return [month, dayIndex](CalendarDay& d) { SetLunarDay(d, month, dayIndex); };
  };
  const CalendarDay wednesday = PlainDay(2025, 6, 18, 3);
  ExpectCases({
      {"正月初一", With(wednesday, on(L"正", 0)), L"春節 ", L"", L"", 1},
      {"正月初二", With(wednesday, on(L"正", 1)), L"回娘家 ", L"", L"", 1},
      {"正月初三", With(wednesday, on(L"正", 2)), L"睏卡飽 ", L"", L"", 1},
      {"正月初九", With(wednesday, on(L"正", 8)), L"天公生 ", L"", L"", 0},
      {"正月二十", With(wednesday, on(L"正", 19)), L"", L"天穿日 ", L"", 0},
      {"五月初五", With(wednesday, on(L"五", 4)), L"端午節 ", L"", L"", 1},
      {"八月十五", With(wednesday, on(L"八", 14)), L"中秋節 ", L"", L"", 1},
      {"正月十五", With(wednesday, on(L"正", 14)), L"", L"上元節 ", L"", 0},
      {"二月初二", With(wednesday, on(L"二", 1)), L"龍抬頭 ", L"", L"", 0},
      {"三月廿三", With(wednesday, on(L"三", 22)), L"媽祖生 ", L"", L"", 0},
      {"七月初七", With(wednesday, on(L"七", 6)), L"", L"七夕情人節 ", L"", 0},
      {"七月十五 without blank", With(wednesday, on(L"七", 14)), L"", L"中元節", L"", 0},
      {"九月初九", With(wednesday, on(L"九", 8)), L"", L"重陽節 ", L"", 0},
      {"十月十五", With(wednesday, on(L"十", 14)), L"", L"下元節 ", L"", 0},
      {"十二初八 keyed without 月", With(wednesday, on(L"十二", 7)), L"", L"臘八節 ", L"", 0},
      {"十一月十五 is no festival", With(wednesday, on(L"十一", 14)), L"", L"", L"", 0},
      {"the first of two twelfth months, 拾貳, has no 臘八", With(wednesday, on(L"拾貳", 7)), L"",
       L"", L"", 0},
      {"初八 of 十 is no 臘八", With(wednesday, on(L"十", 7)), L"", L"", L"", 0},
      {"8-8 on 七月十五", With(PlainDay(2025, 8, 8, 5), on(L"七", 14)), L"", L"父親節 中元節", L"",
       0},
      {"leap 五月初五 carries no festival",
       With(wednesday,
            [](CalendarDay& d) {
              SetLunarDay(d, L"五", 4);
              d.leapMark = L"閏";
            }),
       L"", L"", L"", 0},
      {"1-1 on 正月初一", With(PlainDay(2028, 1, 1, 6), on(L"正", 0)), L"開國記念日 春節 ", L"",
       L"", 1},
  });
}

TEST(Festivals, NewYearsEve) {
  const auto lastDay = [](int length, int dayIndex, const wchar_t* leap, const wchar_t* next) {
    return [=](CalendarDay& d) {
      SetLunarDay(d, L"十二", dayIndex);
      d.lunarMonthLength = length;
      d.leapMark = leap;
      d.nextLunarMonthName = next;
    };
  };
  const CalendarDay tuesday = PlainDay(2025, 1, 28, 2);
  ExpectCases({
      {"廿九 of a 29-day 十二", With(tuesday, lastDay(29, 28, L"", L"正")), L"除夕 ", L"", L"", 1},
      {"三十 of a 30-day 十二", With(tuesday, lastDay(30, 29, L"", L"正")), L"除夕 ", L"", L"", 1},
      {"廿九 of a 30-day 十二", With(tuesday, lastDay(30, 28, L"", L"正")), L"", L"", L"", 0},
      {"十二 followed by a leap 十二", With(tuesday, lastDay(29, 28, L"", L"十二")), L"", L"", L"",
       0},
      {"leap 十二 before 正", With(tuesday, lastDay(30, 29, L"閏", L"正")), L"除夕 ", L"", L"", 1},
      {"the last day of 拾貳 before 正 is no eve",
       With(tuesday,
            [](CalendarDay& d) {
              SetLunarDay(d, L"拾貳", 29);
              d.lunarMonthLength = 30;
              d.nextLunarMonthName = L"正";
            }),
       L"", L"", L"", 0},
  });
}

TEST(Festivals, SolarTermNotes) {
  const auto term = [](const wchar_t* name) {
    return [name](CalendarDay& d) { d.termNameOfDay = name; };
  };
  ExpectCases({
      {"清明 on 4-4", With(PlainDay(2024, 4, 4, 4), term(L"清明")), L"兒童節 <br>民族掃墓節 ", L"",
       L"", 1},
      {"清明 alone", With(PlainDay(2025, 4, 5, 6), term(L"清明")), L"民族掃墓節 ", L"", L"", 1},
      {"立春", With(PlainDay(2025, 2, 3, 1), term(L"立春")), L"", L"農民節 ", L"", 0},
      {"the moment's term is not read",
       With(PlainDay(2025, 2, 3, 1), [](CalendarDay& d) { d.termName = L"立春"; }), L"", L"", L"",
       0},
  });
}

TEST(Festivals, NineNines) {
  const wchar_t* const digits[] = {L"一", L"二", L"三", L"四", L"五", L"六", L"七", L"八", L"九"};
  for (int d = -10; d <= 90; ++d) {
    SCOPED_TRACE(d);
    CalendarDay day = PlainDay(2025, 1, 15, 3);
    day.daysSinceWinterSolstice = d;
    NameDayFestivals(Vocabulary(), day);
    if (d >= 0 && d <= 72 && d % 9 == 0) {
      EXPECT_EQ(day.festivalTextC, std::wstring(L"『") + digits[d / 9] + L"九』 ");
    } else {
      EXPECT_EQ(day.festivalTextC, L"");
    }
  }
}

TEST(Festivals, StemBranchCustoms) {
  const auto firstMonth = [](int dayIndex, const wchar_t* pillar, const wchar_t* leap) {
    return [=](CalendarDay& d) {
      SetLunarDay(d, L"正", dayIndex);
      d.dayPillarName = pillar;
      d.leapMark = leap;
    };
  };
  const auto pillarAnd = [](const wchar_t* pillar, int CalendarDay::*count, int value) {
    return [=](CalendarDay& d) {
      d.dayPillarName = pillar;
      d.*count = value;
    };
  };
  const CalendarDay thursday = PlainDay(2025, 6, 19, 4);
  ExpectCases({
      {"辰 day on 初四", With(thursday, firstMonth(3, L"庚辰", L"")), L"", L"", L"4龍治水 ", 0},
      {"辛丑 takes only 得辛", With(thursday, firstMonth(5, L"辛丑", L"")), L"", L"", L"6日得辛 ",
       0},
      {"辛 day on 十二", With(thursday, firstMonth(11, L"辛酉", L"")), L"", L"", L"12日得辛 ", 0},
      {"丑 day", With(thursday, firstMonth(9, L"乙丑", L"")), L"", L"", L"10牛耕田 ", 0},
      {"辛 day on 十三 carries none", With(thursday, firstMonth(12, L"辛酉", L"")), L"", L"", L"",
       0},
      {"leap 正 keeps the customs", With(thursday, firstMonth(3, L"壬辰", L"閏")), L"", L"",
       L"4龍治水 ", 0},
      {"二月 carries none",
       With(thursday,
            [](CalendarDay& d) {
              SetLunarDay(d, L"二", 3);
              d.dayPillarName = L"庚辰";
            }),
       L"", L"", L"", 0},
      {"春社 at -5", With(thursday, pillarAnd(L"戊子", &CalendarDay::daysSinceSpringEquinox, -5)),
       L"", L"", L"春社 ", 0},
      {"春社 at 4", With(thursday, pillarAnd(L"戊子", &CalendarDay::daysSinceSpringEquinox, 4)),
       L"", L"", L"春社 ", 0},
      {"no 春社 at 5", With(thursday, pillarAnd(L"戊子", &CalendarDay::daysSinceSpringEquinox, 5)),
       L"", L"", L"", 0},
      {"no 春社 on 己", With(thursday, pillarAnd(L"己丑", &CalendarDay::daysSinceSpringEquinox, 0)),
       L"", L"", L"", 0},
      {"秋社", With(thursday, pillarAnd(L"戊午", &CalendarDay::daysSinceAutumnEquinox, -3)), L"",
       L"", L"秋社 ", 0},
      {"初伏", With(thursday, pillarAnd(L"庚午", &CalendarDay::daysSinceSummerSolstice, 20)), L"",
       L"", L"初伏 ", 0},
      {"no 伏 at 19", With(thursday, pillarAnd(L"庚午", &CalendarDay::daysSinceSummerSolstice, 19)),
       L"", L"", L"", 0},
      {"中伏", With(thursday, pillarAnd(L"庚子", &CalendarDay::daysSinceSummerSolstice, 39)), L"",
       L"", L"中伏 ", 0},
      {"末伏", With(thursday, pillarAnd(L"庚申", &CalendarDay::daysSinceAutumnStart, 9)), L"", L"",
       L"末伏 ", 0},
      {"入霉", With(thursday, pillarAnd(L"丙寅", &CalendarDay::daysSinceGrainInEar, 0)), L"", L"",
       L"入霉 ", 0},
      {"出霉 at 11", With(thursday, pillarAnd(L"癸未", &CalendarDay::daysSinceMinorHeat, 11)), L"",
       L"", L"出霉 ", 0},
      {"no 出霉 at 12", With(thursday, pillarAnd(L"癸未", &CalendarDay::daysSinceMinorHeat, 12)),
       L"", L"", L"", 0},
  });
}

TEST(Festivals, DogDaysTakeTheFirstMatchingCase) {
  CalendarDay day = PlainDay(2025, 7, 25, 5);
  day.dayPillarName = L"庚辰";
  day.daysSinceSummerSolstice = 25;
  day.daysSinceAutumnStart = 5;
  NameDayFestivals(Vocabulary(), day);
  EXPECT_EQ(day.festivalTextC, L"初伏 ");
}

TEST(Festivals, ShortDayPillarIsIgnored) {
  CalendarDay day = PlainDay(2025, 7, 25, 5);
  day.dayPillarName = L"";
  day.daysSinceSummerSolstice = 25;
  NameDayFestivals(Vocabulary(), day);
  EXPECT_EQ(day.festivalTextC, L"");
}

}  // namespace
}  // namespace engine
