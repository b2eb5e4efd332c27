#pragma once

#include <array>
#include <string>
#include <vector>

#include "chart/chart_summary_notes.h"
#include "chart/four_pillars_chart.h"

namespace chart {

// The head of the chart page and its table of 12 rows and 25 grid columns, HTML as a word
// processor exports it: the life palace and the four pillars side by side with their ten gods,
// hidden stems, spirit stars and stages, the relations between neighbouring pillars, the seasonal
// elements, the stem totals by organ, the name and dates, and nine luck cycles. Names are written
// downwards, one character to a paragraph; a character asked for past the end of a name is
// empty. The name and the sex are escaped. The text ends inside the last row's cell, right after
// luckStartText, for the notes to continue (AppendChartPageNotes).
void AppendChartPageTable(const FourPillarsChart& chart, const ChartSummaryTexts& texts,
                          std::wstring& page);

// The relation of the ordered pair (first, second) of PillarIndex in stemRelations or
// branchRelations; the empty text for a pair that has no slot.
const std::wstring& PairRelation(const std::array<std::wstring, kPillarPairCount>& relations,
                                 int first, int second);

// Text of the cell between two neighbouring pillars L and R, where `a` is the relation of L to
// R and `b` that of R to L.
// Stems: `a` once when the two are equal, else `a` followed by `b`.
std::wstring StemRelationCellText(const std::wstring& a, const std::wstring& b);

// Branches: `a`, then `b` unless it repeats `a` by the cell's character test (a position past the
// end of a text reads as a null character, equal only to another): between hour and day `b` is
// left out when its first character is the first or the second of `a`; between day and month
// and between month and year when the first character of `a` is the first or the second of `b`.
enum class BranchRepeatTest { kHourDay, kDayMonthOrMonthYear };
std::wstring BranchRelationCellText(const std::wstring& a, const std::wstring& b,
                                    BranchRepeatTest test);

// The three paragraphs of a hidden-stem block: the hidden stems joined; the first characters of
// their ten gods (of the second and third only when not empty); the second characters likewise.
std::array<std::wstring, 3> HiddenStemParagraphs(const std::vector<std::wstring>& hiddenStems,
                                                 const std::vector<std::wstring>& tenGods);

// The six paragraphs of a star block: for the names of slots 0-3, then of 4-7, the first
// characters of the non-empty names, their second characters, and the third characters of the
// names of exactly three characters. Slots from 8 on are not shown.
std::array<std::wstring, 6> StarParagraphs(const std::vector<std::wstring>& starNames);

// The two paragraphs of a stage cell: its first character, and its second only for a stage of
// exactly two characters.
std::array<std::wstring, 2> StageParagraphs(const std::wstring& stage);

}  // namespace chart
