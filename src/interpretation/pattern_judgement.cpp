#include "interpretation/pattern_judgement.h"

#include <array>
#include <map>

#include "vocabulary/number_text.h"

namespace interpretation {
namespace {

using notation::PatternChart;

struct BalanceWarning {
  bool (PatternChart::*holds)() const;
  std::wstring_view text;
};

// The balance warnings in the order they are written; W10 is a literal of its own form.
constexpr auto kBalanceWarnings = std::to_array<BalanceWarning>({
    {&PatternChart::W1, L"<br><font color = green>&nbsp;&nbsp;.天干地支刑衝剋嚴重</font>"},
    {&PatternChart::W2, L"<br><font color = green>&nbsp;&nbsp;.身弱天干衝剋嚴重</font>"},
    {&PatternChart::W3, L"<br><font color = green>&nbsp;&nbsp;.身過強</font>"},
    {&PatternChart::W4, L"<br><font color = green>&nbsp;&nbsp;.身過弱</font>"},
    {&PatternChart::W5, L"<br><font color = green>&nbsp;&nbsp;.剋洩太過</font>"},
    {&PatternChart::W6, L"<br><font color = green>&nbsp;&nbsp;.水遠多於火身易有疾或有大災</font>"},
    {&PatternChart::W7,
     L"<br><font color = green>&nbsp;&nbsp;.又生於冬季喜木火燥熱忌金水濕寒</font>"},
    {&PatternChart::W8, L"<br><font color = green>&nbsp;&nbsp;.火遠多於水身易有疾或有大災</font>"},
    {&PatternChart::W9,
     L"<br><font color = green>&nbsp;&nbsp;.金水遠多於木火身易有疾或有大災</font>"},
    {&PatternChart::W10,
     L"<br><font color = green>&nbsp;&nbsp;木火遠多於金水身易有疾或有大災</font>"},
});
static_assert(kBalanceWarnings.size() == 10);  // W1 to W10

constexpr std::wstring_view kGreyReasonsOpen =
    L"<span style='font-size:11pt;font-family:標楷體;color:darkgrey'>";
constexpr std::wstring_view kReasonLine = L"&nbsp;&nbsp;未入格原因: ";

// Judges one pattern: counts and flags it, and appends its block to the body.
void JudgePattern(const PatternRecord& r, const PatternChart& c, chart::FourPillarsChart& chart,
                  std::wstring& body) {
  const PatternSlots& p = r.pattern;
  if (r.precounted) {
    if (chart.truePatternFlags[p.trueSlot] <= 0) {
      return;
    }
    chart.truePatternFlags[p.trueSlot] = 0;
  } else if (r.candidate == nullptr || !r.candidate(c)) {
    return;
  }
  ++chart.candidatePatternCount;
  ++chart.candidatePatternFlags[p.candidateSlot];

  if (r.isTrue == nullptr || r.isTrue(c)) {
    if (p.trueSlot != kNoTrueSlot) {
      ++chart.truePatternFlags[p.trueSlot];
    }
    if (r.heading == PatternHeading::kGreen) {
      body.append(L"<br><font color = #00FF00>[").append(p.name).append(L"]</font>");
    } else {
      ++chart.truePatternCount;
      if (!chart.truePatternList.empty()) {
        chart.truePatternList += L"、";
      }
      chart.truePatternList += p.name;
      if (r.trueHeading.empty()) {
        body.append(L"<br><font color = blue>[").append(p.name).append(L"]</font>");
      } else {
        body += r.trueHeading;
      }
    }
  } else {
    if (r.greyHeading.empty()) {
      body.append(L"<br>[").append(p.name).append(L"]");
    } else {
      body += r.greyHeading;
    }
    body += kGreyReasonsOpen;
    if (r.reasonLine) {
      body += kReasonLine;
    }
    for (const PatternReason& reason : r.reasons) {
      if (reason.when(c)) {
        body += reason.text;
      }
    }
    body += L"</span>";
  }

  for (std::wstring_view verse : r.verses) {
    body += verse;
  }
  if (r.extraVerse.when != nullptr && r.extraVerse.when(c)) {
    body += r.extraVerse.text;
  }
  if (r.transformationNote.when != nullptr && r.transformationNote.when(c)) {
    chart.transformationEntered = 1;
    body += r.transformationNote.text;
  }
}

// The true count and list are void when the stems and branches clash too much: the condition of
// W1 with a controlling stem pair around the month or day and no 陽刃格, or that of W2.
bool CountsAreVoid(const PatternChart& c) {
  using namespace notation;
  const bool stemPairControls = c.SR(年月) == L"剋" || c.SR(月年) == L"剋" || c.SR(月日) == L"剋" ||
                                c.SR(日月) == L"剋" || c.SR(日時) == L"剋" || c.SR(時日) == L"剋";
  return (c.W1() && !c.isTrue(陽刃格) && stemPairControls) || c.W2();
}

}  // namespace

std::vector<std::wstring_view> VersesOf(std::span<const PoolEntry> pool, std::wstring_view pattern,
                                        std::initializer_list<QuotedVerse> quoted) {
  std::map<int, std::wstring_view> byNumber;
  for (const PoolEntry& entry : pool) {
    if (entry.keys[0] == pattern && IsFilled(entry)) {
      byNumber[std::stoi(std::wstring(entry.keys[1]))] = entry.text;
    }
  }
  for (const QuotedVerse& verse : quoted) {
    byNumber[verse.number] = verse.text;
  }
  std::vector<std::wstring_view> verses;
  for (const auto& [number, text] : byNumber) {
    verses.push_back(text);
  }
  return verses;
}

std::wstring JudgePatterns(chart::FourPillarsChart& chart,
                           const chart::SeasonalStrengthValues& values,
                           std::span<const PatternRecord> catalogue) {
  const PatternChart c(chart, values);
  std::wstring body;
  for (const BalanceWarning& warning : kBalanceWarnings) {
    if ((c.*warning.holds)()) {
      body += warning.text;
    }
  }
  for (const PatternRecord& record : catalogue) {
    JudgePattern(record, c, chart, body);
  }
  if (CountsAreVoid(c)) {
    chart.truePatternCount = 0;
    chart.truePatternList.clear();
  }
  return L"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;(像入格 " +
         vocabulary::DecimalText(chart.candidatePatternCount) + L"；真入格" +
         vocabulary::DecimalText(chart.truePatternCount) +
         L"，格名變<font color = blue>[藍色]</font>表示真正入格)" + body;
}

std::wstring JudgeChartPatterns(chart::FourPillarsChart& chart,
                                const chart::SeasonalStrengthValues& values) {
  return JudgePatterns(chart, values, PatternCatalogue());
}

}  // namespace interpretation
