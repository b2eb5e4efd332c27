#pragma once

#include <array>
#include <string>

#include "chart/four_pillars_chart.h"

namespace chart {

// The short texts of a chart page that the table and the notes print: the birth date padded to
// two digits, four notes of the conclusion, the stem totals and the characters of the stem ten
// gods written downwards.

// The character at `position` of a text as a text of one character; the empty text past its end.
std::wstring CharacterAt(const std::wstring& text, std::size_t position);

// "(有財官)" when 偏財 and 正財 are counted and so is 正官, "(有財)" for the wealth alone,
// "(有官)" for 正官 alone, else empty. 偏官 plays no part.
std::wstring WealthOfficeNote(const FourPillarsChart& chart);

// "(無從化)" without a stem combination; with one, "(有從化入格)" when the pattern judgement
// entered it, else "(有從化)".
std::wstring TransformationNote(const FourPillarsChart& chart);

// "(像入格" candidates "，入格" true patterns, then "：" and the list of true patterns when there
// are any, and ")".
std::wstring PatternNote(const FourPillarsChart& chart);

// The first three-harmony frame (水 木 火 金 土), else the first directional combination (水 木 火
// 金), as "(有申子辰水局)" .. "(有酉申戌會金方)"; "(無會方無合局)" when there is neither.
std::wstring CombinationNote(const FourPillarsChart& chart);

// The texts the table and the notes print. A chart without dates (birth day 0) has empty date
// texts.
struct ChartSummaryTexts {
  std::wstring paddedMonthText;
  std::wstring paddedDayText;
  std::wstring paddedHourText;
  std::wstring paddedMinuteText;
  std::wstring wealthOfficeNote;
  std::wstring transformationNote;
  std::wstring patternNote;
  std::wstring combinationNote;
  std::wstring emptyText;                    // stays empty
  std::array<std::wstring, 10> stemTotalTexts;  // by stem: stem count + hidden count
  // First and second character of the stem ten god of the year, month, hour and life-palace
  // pillars, by PillarIndex (the day pillar's stay empty: the day stem has no ten god).
  std::array<std::array<std::wstring, 2>, kPillarCount> stemTenGodCharacters;
};

// The date texts and the 財官 note, made before the interpretation.
void MakeDateTextsAndWealthOfficeNote(int birthMonth, int birthDay, int birthHour,
                                      int birthMinute, const FourPillarsChart& chart,
                                      ChartSummaryTexts& texts);

// The notes that read the pattern judgement, and the stem totals and ten-god characters, made
// after the interpretation.
void MakeNotesAfterInterpretation(const FourPillarsChart& chart, ChartSummaryTexts& texts);

}  // namespace chart
