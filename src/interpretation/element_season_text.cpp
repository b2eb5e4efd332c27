#include "interpretation/element_season_text.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "chart/stem_branch_basics.h"
#include "interpretation/text_pools.h"
#include "vocabulary/vocabulary_lists.h"

namespace interpretation {

namespace {

constexpr std::wstring_view kNineRegionsLine =
    L"<br>九州方位：雍(西北)、冀(北)、兗、青(東北)、徐(東)、揚(東南)、豫(中土)、荊(南)、梁(西南)。";

// The season 0 春, 1 夏, 2 秋, 3 冬 under which the element passages read a solar term: the six
// terms from each season's opening section term on, 立春 .. 穀雨, 立夏 .. 大暑, 立秋 .. 霜降, 立冬
// .. 大寒; -1 for any other text. The passages' own grouping, distinct from the seasons of the
// strength rules (chart/seasonal_strength.h), which give the earth months their own season.
int PassageSeasonOfTerm(const std::wstring& term) {
  const int index = vocabulary::LookupSolarTermIndex(term);  // 立春 = 0 .. 大寒 = 23
  return index < 0 ? -1 : index / 6;
}

// Index 0 .. 11 of a lunar month name "正" .. "十二", compared whole; -1 for any other text.
int LunarMonthIndex(const std::wstring& name) {
  const auto& names = vocabulary::kLunarMonthNames;
  const auto found = std::find(names.begin(), names.end(), name);
  return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

// Whether a blank-separated list of month names holds the month.
bool ListsMonth(std::wstring_view months, std::wstring_view month) {
  while (!months.empty()) {
    const std::size_t blank = months.find(L' ');
    if (months.substr(0, blank) == month) {
      return true;
    }
    months = blank == std::wstring_view::npos ? std::wstring_view() : months.substr(blank + 1);
  }
  return false;
}

// The passage of kElementMonthPassages keyed by the element and a group naming `months`; the
// empty text when there is none.
std::wstring_view ElementMonthPassage(std::wstring_view element, std::wstring_view month) {
  for (const PoolEntry& entry : kElementMonthPassages) {
    if (entry.keys[0] == element && ListsMonth(entry.keys[1], month)) {
      return entry.text;
    }
  }
  return {};
}

// The element's passage for a birth in a 子 or 丑 month, under the key "子丑".
std::wstring_view WinterMonthPassage(std::wstring_view element) {
  for (const PoolEntry& entry : kElementMonthPassages) {
    if (entry.keys[0] == element && entry.keys[1] == L"子丑") {
      return entry.text;
    }
  }
  return {};
}

}  // namespace

std::wstring ElementSeasonText(const chart::FourPillarsChart& chart) {
  const std::wstring element = chart::ElementOfStem(chart.pillars[chart::kDayPillar].stem);
  const int elementIndex = chart::ElementIndex(element);  // 木 0 火 1 土 2 金 3 水 4
  if (elementIndex < 0) {
    return std::wstring(kNineRegionsLine);
  }
  std::wstring text = L"<font color=red>" + element + L"</font><br>";

  const int season = PassageSeasonOfTerm(chart.sectionTermName);
  if (season >= 0) {
    text += kElementSeasonPassages[static_cast<std::size_t>(elementIndex) * 4 + season].text;
  }

  const int month = LunarMonthIndex(chart.lunarMonthText);
  if (month >= 0) {
    text += ElementMonthPassage(element, chart.lunarMonthText);
  }

  const std::wstring& monthBranch = chart.pillars[chart::kMonthPillar].branch;
  const bool winterMonth = monthBranch == L"子" || monthBranch == L"丑" ||
                           chart.lunarMonthText == L"十一" || chart.lunarMonthText == L"十二";
  // 土 has a passage for every month 正 .. 十, and takes the winter one only without it.
  const bool firstTenMonths = month >= 0 && month <= 9;
  if (winterMonth &&
      (element == L"木" || element == L"金" || (element == L"土" && !firstTenMonths))) {
    text += WinterMonthPassage(element);
  }

  text += kNineRegionsLine;
  return text;
}

}  // namespace interpretation
