#include "chart/chart_summary_notes.h"

#include <cstdint>

#include "vocabulary/number_text.h"

namespace chart {

namespace {

// The note of each three-harmony frame (threeHarmonyFlags order 水 木 火 金 土) and of each
// directional combination (directionFlags order 水 木 火 金).
constexpr auto kFrameNotes =
    std::to_array<const wchar_t*>({L"(有申子辰水局)", L"(有亥卯未木局)", L"(有寅午戌火局)",
                                   L"(有巳酉丑金局)", L"(有辰戌丑未土局)"});
static_assert(kFrameNotes.size() == kThreeHarmonyOrder.size());
constexpr auto kDirectionNotes = std::to_array<const wchar_t*>(
    {L"(有子丑亥會水方)", L"(有卯寅辰會木方)", L"(有午巳未會火方)", L"(有酉申戌會金方)"});
static_assert(kDirectionNotes.size() == kDirectionOrder.size());

}  // namespace

std::wstring CharacterAt(const std::wstring& text, std::size_t position) {
  return position < text.size() ? std::wstring(1, text[position]) : std::wstring();
}

std::wstring WealthOfficeNote(const FourPillarsChart& chart) {
  const bool wealth =
      std::int64_t{chart.tenGodCounts[kCountPianCai]} + chart.tenGodCounts[kCountZhengCai] > 0;
  const bool office = chart.tenGodCounts[kCountZhengGuan] > 0;
  if (wealth && office) {
    return L"(有財官)";
  }
  if (wealth) {
    return L"(有財)";
  }
  if (office) {
    return L"(有官)";
  }
  return L"";
}

std::wstring TransformationNote(const FourPillarsChart& chart) {
  if (chart.transformationCount == 0) {
    return L"(無從化)";
  }
  return chart.transformationEntered > 0 ? L"(有從化入格)" : L"(有從化)";
}

std::wstring PatternNote(const FourPillarsChart& chart) {
  std::wstring note = L"(像入格" + vocabulary::DecimalText(chart.candidatePatternCount) +
                      L"，入格" + vocabulary::DecimalText(chart.truePatternCount);
  if (chart.truePatternCount > 0) {
    note += L"：" + chart.truePatternList;
  }
  return note + L")";
}

std::wstring CombinationNote(const FourPillarsChart& chart) {
  for (std::size_t i = 0; i < kFrameNotes.size(); ++i) {
    if (chart.threeHarmonyFlags[i] > 0) {
      return kFrameNotes[i];
    }
  }
  for (std::size_t i = 0; i < kDirectionNotes.size(); ++i) {
    if (chart.directionFlags[i] > 0) {
      return kDirectionNotes[i];
    }
  }
  return L"(無會方無合局)";
}

void MakeDateTextsAndWealthOfficeNote(int birthMonth, int birthDay, int birthHour, int birthMinute,
                                      const FourPillarsChart& chart, ChartSummaryTexts& texts) {
  texts.paddedMonthText.clear();
  texts.paddedDayText.clear();
  texts.paddedHourText.clear();
  texts.paddedMinuteText.clear();
  if (birthDay != 0) {
    texts.paddedMonthText = vocabulary::ZeroPaddedText(birthMonth, 2);
    texts.paddedDayText = vocabulary::ZeroPaddedText(birthDay, 2);
    texts.paddedHourText = vocabulary::ZeroPaddedText(birthHour, 2);
    texts.paddedMinuteText = vocabulary::ZeroPaddedText(birthMinute, 2);
  }
  texts.wealthOfficeNote = WealthOfficeNote(chart);
}

void MakeNotesAfterInterpretation(const FourPillarsChart& chart, ChartSummaryTexts& texts) {
  texts.patternNote = PatternNote(chart);
  texts.transformationNote = TransformationNote(chart);
  texts.combinationNote = CombinationNote(chart);
  texts.emptyText.clear();
  for (int stem = 0; stem < 10; ++stem) {
    texts.stemTotalTexts[stem] = vocabulary::DecimalText(std::int64_t{chart.stemCounts[stem]} +
                                                         chart.hiddenStemCounts[stem]);
  }
  for (int p = 0; p < kPillarCount; ++p) {
    texts.stemTenGodCharacters[p] = {};
    if (p != kDayPillar) {
      const std::wstring& tenGod = chart.pillars[p].stemTenGod;
      texts.stemTenGodCharacters[p] = {CharacterAt(tenGod, 0), CharacterAt(tenGod, 1)};
    }
  }
}

}  // namespace chart
