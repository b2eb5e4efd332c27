#include "interpretation/three_destinies_commentary.h"

#include <string_view>

#include "interpretation/text_pools.h"
#include "vocabulary/vocabulary_lists.h"

namespace interpretation {

namespace {

// The month-command passage of the group, within the month branch's row, that holds the day
// stem (one stem name); the empty text when the pool has none.
std::wstring_view MonthCommandPassage(const std::wstring& monthBranch,
                                      const std::wstring& dayStem) {
  for (const PoolEntry& entry : kMonthCommandPassages) {
    if (entry.keys[0] == monthBranch && entry.keys[1].find(dayStem) != std::wstring_view::npos) {
      return entry.text;
    }
  }
  return {};
}

// Place 0 .. 59 of a day pillar in the sexagenary cycle (甲子 0, 乙丑 1, .. 癸亥 59): the n with
// n ≡ stem (mod 10) and n ≡ branch (mod 12), which exists when both are yang or both yin.
int SexagenaryPlace(int stem, int branch) { return ((6 * stem - 5 * branch) % 60 + 60) % 60; }

}  // namespace

std::wstring ThreeDestiniesCommentary(const chart::FourPillarsChart& chart) {
  const chart::ChartPillar& month = chart.pillars[chart::kMonthPillar];
  const chart::ChartPillar& day = chart.pillars[chart::kDayPillar];
  const chart::ChartPillar& hour = chart.pillars[chart::kHourPillar];
  const int dayStem = vocabulary::LookupStemIndex(day.stem);
  const int hourBranch = vocabulary::LookupBranchIndex(hour.branch);

  std::wstring text = L"<br>" + month.branch + L"月";
  if (vocabulary::LookupBranchIndex(month.branch) >= 0 && dayStem >= 0) {
    text += MonthCommandPassage(month.branch, day.stem);
  }
  if (dayStem < 0 || hourBranch < 0) {
    return text;
  }

  const std::size_t stemHour = static_cast<std::size_t>(dayStem) * kBranchCount + hourBranch;
  for (std::size_t n = 0; n < 3; ++n) {
    text += kDayStemHourPassages[stemHour * 3 + n].text;
  }

  text += L"<br>" + day.stem + day.branch + L"日" + hour.stem + hour.branch + L"時。";
  const int dayBranch = vocabulary::LookupBranchIndex(day.branch);
  if (dayBranch >= 0 && dayStem % 2 == dayBranch % 2) {
    const std::size_t pillar = static_cast<std::size_t>(SexagenaryPlace(dayStem, dayBranch));
    text += kDayPillarHourPassages[pillar * kBranchCount + hourBranch].text;
  }
  return text;
}

}  // namespace interpretation
