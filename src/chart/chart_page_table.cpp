#include "chart/chart_page_table.h"

#include <initializer_list>

#include "chart/html_escape.h"
#include "vocabulary/number_text.h"
#include "vocabulary/vocabulary_lists.h"

namespace chart {

namespace {

// Span styles. Fixed labels are red, every value of the life-palace column is #00B0F0, the
// spirit stars of the other pillars black; 標楷體 for Chinese text.
constexpr wchar_t kLabelStyle[] = L"font-size:14.0pt;font-family:標楷體;color:red";
constexpr wchar_t kSeasonalStyle[] = L"font-size:14.0pt;font-family:標楷體";
constexpr wchar_t kNameStyle[] = L"font-size:28.0pt;font-family:標楷體";
constexpr wchar_t kTenGodStyle[] = L"font-size:14.0pt;font-family:標楷體";
constexpr wchar_t kPalaceTenGodStyle[] = L"font-size:14.0pt;font-family:標楷體;color:#00B0F0";
constexpr wchar_t kSmallStyle[] = L"font-size:10.5pt;font-family:標楷體";
constexpr wchar_t kDateStyle[] = L"font-size:14.0pt;font-family:標楷體";
constexpr wchar_t kLunarYearStyle[] = L"font-size:11.5pt;font-family:標楷體";
constexpr wchar_t kDateYearStyle[] = L"font-size:11.5pt;font-family:Arial Unicode MS";
constexpr wchar_t kDateNumberStyle[] = L"font-size:13.0pt;font-family:Arial Unicode MS";
constexpr wchar_t kPillarStyle[] = L"font-size:18.0pt;font-family:標楷體";
constexpr wchar_t kPalacePillarStyle[] = L"font-size:18.0pt;font-family:標楷體;color:#00B0F0";
constexpr wchar_t kHiddenStemStyle[] = L"font-size:14.0pt;font-family:標楷體";
constexpr wchar_t kPalaceHiddenStemStyle[] = L"font-size:14.0pt;font-family:標楷體;color:#00B0F0";
constexpr wchar_t kStarStyle[] = L"font-size:9.0pt;font-family:標楷體;color:black";
constexpr wchar_t kPalaceStarStyle[] = L"font-size:9.0pt;font-family:標楷體;color:#00B0F0";
constexpr wchar_t kStageStyle[] = L"font-size:10.0pt;font-family:標楷體";
constexpr wchar_t kPalaceStageStyle[] = L"font-size:10.0pt;font-family:標楷體;color:#00B0F0";
constexpr wchar_t kLuckAgeStyle[] = L"font-size:12.0pt;font-family:Times New Roman";
constexpr wchar_t kLuckTenGodStyle[] = L"font-size:10.0pt;font-family:標楷體";
constexpr wchar_t kLuckPillarStyle[] = L"font-size:14.0pt;font-family:標楷體";
constexpr wchar_t kLuckHiddenStemStyle[] = L"font-size:9.0pt;font-family:標楷體";

constexpr wchar_t kParagraphOpen[] =
    L"<p class=MsoNormal align=center style='margin:0cm;text-align:center;line-height:normal'>";

// The widths of the pillar columns in the grid, life palace to year.
constexpr auto kPillarSpans = std::to_array<int>({3, 4, 4, 4, 4});
static_assert(kPillarSpans.size() == kPillarCount);
// The pillars in column order, left to right.
constexpr auto kColumnPillars =
    std::to_array<int>({kLifePalacePillar, kHourPillar, kDayPillar, kMonthPillar, kYearPillar});
static_assert(kColumnPillars.size() == kPillarCount);
// The luck cells of rows 7-10, cycles 8 .. 0 from left to right.
constexpr auto kLuckSpans = std::to_array<int>({1, 2, 3, 2, 3, 3, 2, 3, 2});
static_assert(kLuckSpans.size() == 9);  // the page shows nine of the luck cycles
static_assert(kLuckSpans[0] + kLuckSpans[1] + kLuckSpans[2] + kLuckSpans[3] + kLuckSpans[4] +
                  kLuckSpans[5] + kLuckSpans[6] + kLuckSpans[7] + kLuckSpans[8] ==
              21);

// The organ of each stem in the element column.
constexpr auto kStemOrgans =
    std::to_array<const wchar_t*>({L"膽囊甲", L"肝臟乙", L"小腸丙", L"心臟丁", L"胃臟戊", L"脾臟己",
                                   L"大腸庚", L"肺臟辛", L"膀胱壬", L"腎臟癸"});
static_assert(kStemOrgans.size() == vocabulary::kHeavenlyStems.size());

const std::wstring& EntryAt(const std::vector<std::wstring>& list, std::size_t i) {
  static const std::wstring kNone;
  return i < list.size() ? list[i] : kNone;
}

// The null character stands for a position past the end, so that it equals only another.
wchar_t CharacterOrNull(const std::wstring& text, std::size_t position) {
  return position < text.size() ? text[position] : L'\0';
}

void OpenCell(std::wstring& page, int columns, int rows = 1) {
  page += L"<td";
  if (columns > 1) {
    page += L" colspan=" + vocabulary::DecimalText(columns);
  }
  if (rows > 1) {
    page += L" rowspan=" + vocabulary::DecimalText(rows);
  }
  page += L" style='border:solid red 1.0pt;padding:0cm 1.0pt'>";
}

void CloseCell(std::wstring& page) { page += L"</td>"; }

void AppendParagraph(std::wstring& page, const wchar_t* style, const std::wstring& text) {
  page += kParagraphOpen;
  page += L"<span style='";
  page += style;
  page += L"'>";
  page += text;
  page += L"</span></p>";
}

// A cell of paragraphs in one style.
template <std::size_t N>
void AppendCell(std::wstring& page, int columns, int rows, const wchar_t* style,
                const std::array<std::wstring, N>& paragraphs) {
  OpenCell(page, columns, rows);
  for (const std::wstring& paragraph : paragraphs) {
    AppendParagraph(page, style, paragraph);
  }
  CloseCell(page);
}

void AppendTextCell(std::wstring& page, int columns, const wchar_t* style,
                    const std::wstring& text) {
  AppendCell(page, columns, 1, style, std::array<std::wstring, 1>{text});
}

void AppendEmptyCell(std::wstring& page, int columns) {
  AppendTextCell(page, columns, kSmallStyle, L"");
}

// A two-character name written downwards.
std::array<std::wstring, 2> TwoLineText(const std::wstring& first, const std::wstring& second) {
  return {first, second};
}

// A paragraph of several spans.
struct Piece {
  const wchar_t* style;
  std::wstring text;
};
void AppendMixedParagraph(std::wstring& page, std::initializer_list<Piece> pieces) {
  page += kParagraphOpen;
  for (const Piece& piece : pieces) {
    page += L"<span style='";
    page += piece.style;
    page += L"'>";
    page += piece.text;
    page += L"</span>";
  }
  page += L"</p>";
}

void AppendHead(std::wstring& page) {
  page += L"<html><head>";
  page += L"<meta http-equiv=Content-Type content=\"text/html; charset = big5\">";
  page += L"</head>";
  page += L"<body lang=ZH-TW><br>";
  page +=
      L"<table class=MsoNormalTable border=1 cellspacing=0 cellpadding=0 "
      L"style='border-collapse:collapse;border:double red 4.5pt'>";
}

void AppendRow0(const FourPillarsChart& chart, std::wstring& page) {
  page += L"<tr>";
  AppendCell(page, 1, 1, kLabelStyle, TwoLineText(L"備", L"註"));
  const auto& e = chart.seasonalElements;
  AppendCell(page, 2, 2, kSeasonalStyle,
             std::array<std::wstring, 1>{L"旺" + e[0] + L"相" + e[1] + L"休" + e[2] + L"囚" + e[3] +
                                         L"死" + e[4]});
  AppendCell(page, 3, 1, kLabelStyle, TwoLineText(L"命", L"宮"));
  AppendTextCell(page, 4, kLabelStyle, L"時");
  AppendTextCell(page, 4, kLabelStyle, L"日");
  AppendTextCell(page, 4, kLabelStyle, L"月");
  AppendTextCell(page, 4, kLabelStyle, L"年");
  AppendCell(page, 1, 7, kLabelStyle, std::array<std::wstring, 1>{L"八字命書"});
  AppendCell(page, 2, 2, kNameStyle, std::array<std::wstring, 1>{HtmlEscape(chart.personName)});
  page += L"</tr>";
}

void AppendRow1(const ChartSummaryTexts& texts, std::wstring& page) {
  page += L"<tr>";
  AppendCell(page, 1, 11, kSmallStyle, std::array<std::wstring, 1>{});
  const auto& chars = texts.stemTenGodCharacters;
  AppendCell(page, 3, 1, kPalaceTenGodStyle,
             TwoLineText(chars[kLifePalacePillar][0], chars[kLifePalacePillar][1]));
  AppendCell(page, 4, 1, kTenGodStyle, TwoLineText(chars[kHourPillar][0], chars[kHourPillar][1]));
  AppendTextCell(page, 4, kTenGodStyle, L"&nbsp;");
  AppendCell(page, 4, 1, kTenGodStyle, TwoLineText(chars[kMonthPillar][0], chars[kMonthPillar][1]));
  AppendCell(page, 4, 1, kTenGodStyle, TwoLineText(chars[kYearPillar][0], chars[kYearPillar][1]));
  page += L"</tr>";
}

void AppendRow2(const FourPillarsChart& chart, const ChartSummaryTexts& texts, std::wstring& page) {
  page += L"<tr>";
  std::array<std::wstring, 10> organs;
  for (std::size_t stem = 0; stem < organs.size(); ++stem) {
    organs[stem] = kStemOrgans[stem] + texts.stemTotalTexts[stem];
  }
  AppendCell(page, 2, 5, kSmallStyle, organs);
  const auto& stems = chart.stemRelations;
  AppendEmptyCell(page, 3);
  AppendEmptyCell(page, 1);
  AppendEmptyCell(page, 1);
  AppendTextCell(page, 3, kSmallStyle,
                 StemRelationCellText(PairRelation(stems, kHourPillar, kDayPillar),
                                      PairRelation(stems, kDayPillar, kHourPillar)));
  AppendTextCell(page, 2, kSmallStyle, texts.emptyText);
  AppendTextCell(page, 3, kSmallStyle,
                 StemRelationCellText(PairRelation(stems, kDayPillar, kMonthPillar),
                                      PairRelation(stems, kMonthPillar, kDayPillar)));
  AppendTextCell(page, 1, kSmallStyle, texts.emptyText);
  AppendTextCell(page, 2, kSmallStyle,
                 StemRelationCellText(PairRelation(stems, kMonthPillar, kYearPillar),
                                      PairRelation(stems, kYearPillar, kMonthPillar)));
  AppendTextCell(page, 2, kSmallStyle, texts.emptyText);
  AppendEmptyCell(page, 1);

  OpenCell(page, 1, 10);
  AppendMixedParagraph(
      page, {{kDateStyle, L"農曆"},
             {kLunarYearStyle, chart.lunarYearText},
             {kDateStyle, L"年" + chart.lunarMonthText + L"月" + chart.lunarDayText + L"日" +
                              chart.lunarHourText + L"時○屬" + chart.zodiacText}});
  CloseCell(page);
  OpenCell(page, 1, 10);
  AppendMixedParagraph(page,
                       {{kDateStyle, L"西元"},
                        {kDateYearStyle, chart.yearText},
                        {kDateStyle, L"年"},
                        {kDateNumberStyle, texts.paddedMonthText},
                        {kDateStyle, L"月"},
                        {kDateNumberStyle, texts.paddedDayText},
                        {kDateStyle, L"日"},
                        {kDateNumberStyle, texts.paddedHourText},
                        {kDateStyle, L"時"},
                        {kDateNumberStyle, texts.paddedMinuteText},
                        {kDateStyle, L"分○" + chart.yinYangText + HtmlEscape(chart.sexText)}});
  CloseCell(page);
  page += L"</tr>";
}

void AppendRow3(const FourPillarsChart& chart, std::wstring& page) {
  page += L"<tr>";
  for (std::size_t column = 0; column < kColumnPillars.size(); ++column) {
    const ChartPillar& pillar = chart.pillars[kColumnPillars[column]];
    AppendCell(page, kPillarSpans[column], 1,
               kColumnPillars[column] == kLifePalacePillar ? kPalacePillarStyle : kPillarStyle,
               TwoLineText(pillar.stem, pillar.branch));
  }
  page += L"</tr>";
}

std::wstring MarkerText(const FourPillarsChart& chart, int pillar) {
  return chart.frameMarkers[pillar] + chart.directionMarkers[pillar];
}

void AppendRow4(const FourPillarsChart& chart, std::wstring& page) {
  page += L"<tr>";
  const auto& branches = chart.branchRelations;
  AppendEmptyCell(page, 3);
  AppendEmptyCell(page, 1);
  AppendTextCell(page, 1, kSmallStyle, MarkerText(chart, kHourPillar));
  AppendTextCell(page, 3, kSmallStyle,
                 BranchRelationCellText(PairRelation(branches, kHourPillar, kDayPillar),
                                        PairRelation(branches, kDayPillar, kHourPillar),
                                        BranchRepeatTest::kHourDay));
  AppendTextCell(page, 2, kSmallStyle, MarkerText(chart, kDayPillar));
  AppendTextCell(page, 3, kSmallStyle,
                 BranchRelationCellText(PairRelation(branches, kDayPillar, kMonthPillar),
                                        PairRelation(branches, kMonthPillar, kDayPillar),
                                        BranchRepeatTest::kDayMonthOrMonthYear));
  AppendTextCell(page, 1, kSmallStyle, MarkerText(chart, kMonthPillar));
  AppendTextCell(page, 2, kSmallStyle,
                 BranchRelationCellText(PairRelation(branches, kMonthPillar, kYearPillar),
                                        PairRelation(branches, kYearPillar, kMonthPillar),
                                        BranchRepeatTest::kDayMonthOrMonthYear));
  AppendTextCell(page, 2, kSmallStyle, MarkerText(chart, kYearPillar));
  AppendEmptyCell(page, 1);
  page += L"</tr>";
}

void AppendRow5(const FourPillarsChart& chart, std::wstring& page) {
  page += L"<tr>";
  for (std::size_t column = 0; column < kColumnPillars.size(); ++column) {
    const ChartPillar& pillar = chart.pillars[kColumnPillars[column]];
    AppendCell(
        page, kPillarSpans[column], 1,
        kColumnPillars[column] == kLifePalacePillar ? kPalaceHiddenStemStyle : kHiddenStemStyle,
        HiddenStemParagraphs(pillar.hiddenStems, pillar.hiddenTenGods));
  }
  page += L"</tr>";
}

void AppendRow6(const FourPillarsChart& chart, std::wstring& page) {
  // Star block and stage cell of each pillar column.
  constexpr auto kSpans =
      std::to_array<std::array<int, 2>>({{2, 1}, {2, 2}, {3, 1}, {3, 1}, {3, 1}});
  static_assert(kSpans.size() == kPillarCount);
  page += L"<tr>";
  for (std::size_t column = 0; column < kColumnPillars.size(); ++column) {
    const bool palace = kColumnPillars[column] == kLifePalacePillar;
    const ChartPillar& pillar = chart.pillars[kColumnPillars[column]];
    AppendCell(page, kSpans[column][0], 1, palace ? kPalaceStarStyle : kStarStyle,
               StarParagraphs(pillar.starNames));
    AppendCell(page, kSpans[column][1], 1, palace ? kPalaceStageStyle : kStageStyle,
               StageParagraphs(pillar.stage));
  }
  page += L"</tr>";
}

// One row of the nine luck cells, cycle 8 at the left; `title` adds the "大運" cell of rows 7-11.
template <typename Cell>
void AppendLuckRow(std::wstring& page, bool title, Cell appendCell) {
  page += L"<tr>";
  for (int cell = 0; cell < 9; ++cell) {
    appendCell(kLuckSpans[cell], 8 - cell);
  }
  if (title) {
    AppendCell(page, 1, 5, kLabelStyle, std::array<std::wstring, 1>{L"大運"});
  }
  page += L"</tr>";
}

void AppendLuckRows(const FourPillarsChart& chart, std::wstring& page) {
  AppendLuckRow(page, true, [&](int span, int i) {
    AppendTextCell(page, span, kLuckAgeStyle, EntryAt(chart.luckAges, i));
  });
  AppendLuckRow(page, false, [&](int span, int i) {
    const std::wstring& tenGod = EntryAt(chart.luckStemTenGods, i);
    AppendCell(page, span, 1, kLuckTenGodStyle,
               TwoLineText(CharacterAt(tenGod, 0), CharacterAt(tenGod, 1)));
  });
  AppendLuckRow(page, false, [&](int span, int i) {
    AppendTextCell(page, span, kLuckPillarStyle,
                   EntryAt(chart.luckStems, i) + EntryAt(chart.luckBranches, i));
  });
  AppendLuckRow(page, false, [&](int span, int i) {
    static const std::vector<std::wstring> kNoSlots;
    const auto& stems = static_cast<std::size_t>(i) < chart.luckHiddenStems.size()
                            ? chart.luckHiddenStems[i]
                            : kNoSlots;
    const auto& tenGods = static_cast<std::size_t>(i) < chart.luckHiddenTenGods.size()
                              ? chart.luckHiddenTenGods[i]
                              : kNoSlots;
    AppendCell(page, span, 1, kLuckHiddenStemStyle, HiddenStemParagraphs(stems, tenGods));
  });
}

void OpenLastRow(const FourPillarsChart& chart, std::wstring& page) {
  page += L"<tr>";
  OpenCell(page, 21);
  page += L"<p class=MsoNormal style='margin:0cm;line-height:normal'><span style='";
  page += kSmallStyle;
  page += L"'>";
  page += chart.luckStartText;
}

}  // namespace

const std::wstring& PairRelation(const std::array<std::wstring, kPillarPairCount>& relations,
                                 int first, int second) {
  for (std::size_t slot = 0; slot < kPillarPairs.size(); ++slot) {
    if (kPillarPairs[slot].first == first && kPillarPairs[slot].second == second) {
      return relations[slot];
    }
  }
  static const std::wstring kNone;
  return kNone;
}

std::wstring StemRelationCellText(const std::wstring& a, const std::wstring& b) {
  return a == b ? a : a + b;
}

std::wstring BranchRelationCellText(const std::wstring& a, const std::wstring& b,
                                    BranchRepeatTest test) {
  bool repeats = false;
  if (test == BranchRepeatTest::kHourDay) {
    const wchar_t first = CharacterOrNull(b, 0);
    repeats = first == CharacterOrNull(a, 0) || first == CharacterOrNull(a, 1);
  } else {
    const wchar_t first = CharacterOrNull(a, 0);
    repeats = first == CharacterOrNull(b, 0) || first == CharacterOrNull(b, 1);
  }
  return repeats ? a : a + b;
}

std::array<std::wstring, 3> HiddenStemParagraphs(const std::vector<std::wstring>& hiddenStems,
                                                 const std::vector<std::wstring>& tenGods) {
  std::array<std::wstring, 3> paragraphs;
  for (std::size_t slot = 0; slot < kHiddenStemSlots; ++slot) {
    paragraphs[0] += EntryAt(hiddenStems, slot);
    const std::wstring& tenGod = EntryAt(tenGods, slot);
    if (slot == 0 || !tenGod.empty()) {
      paragraphs[1] += CharacterAt(tenGod, 0);
      paragraphs[2] += CharacterAt(tenGod, 1);
    }
  }
  return paragraphs;
}

std::array<std::wstring, 6> StarParagraphs(const std::vector<std::wstring>& starNames) {
  std::array<std::wstring, 6> paragraphs;
  for (std::size_t slot = 0; slot < 8; ++slot) {
    const std::wstring& name = EntryAt(starNames, slot);
    if (name.empty()) {
      continue;
    }
    std::wstring* group = &paragraphs[slot < 4 ? 0 : 3];
    group[0] += CharacterAt(name, 0);
    group[1] += CharacterAt(name, 1);
    if (name.size() == 3) {
      group[2] += CharacterAt(name, 2);
    }
  }
  return paragraphs;
}

std::array<std::wstring, 2> StageParagraphs(const std::wstring& stage) {
  return {CharacterAt(stage, 0), stage.size() == 2 ? CharacterAt(stage, 1) : std::wstring()};
}

void AppendChartPageTable(const FourPillarsChart& chart, const ChartSummaryTexts& texts,
                          std::wstring& page) {
  AppendHead(page);
  AppendRow0(chart, page);
  AppendRow1(texts, page);
  AppendRow2(chart, texts, page);
  AppendRow3(chart, page);
  AppendRow4(chart, page);
  AppendRow5(chart, page);
  AppendRow6(chart, page);
  AppendLuckRows(chart, page);
  OpenLastRow(chart, page);
}

}  // namespace chart
