#include "chart/branch_pillar_stars.h"

#include <array>
#include <string_view>

#include "chart/day_stem_month_stars.h"
#include "vocabulary/cyclic_index.h"
#include "vocabulary/vocabulary_lists.h"

namespace chart {
namespace {

// The names each reference branch (row) appends at each subject branch (column), blank-separated,
// in the order they are appended. Rows and columns 子 .. 亥.
constexpr auto kBranchStars = std::to_array<std::array<const wchar_t*, 12>>({
    // 子: reference
    {L"將星 伏吟", L"", L"驛馬 孤神 喪門", L"勾絞", L"華蓋", L"劫煞 太白", L"返呤 災煞", L"", L"",
     L"桃煞 卷舌", L"血支 寡宿 弔客", L"破軍"},
    // 丑
    {L"", L"華蓋 太白 伏吟", L"孤神 劫煞", L"喪門 災煞", L"勾絞", L"", L"桃煞", L"返呤", L"破軍",
     L"將星 血支", L"寡宿 卷舌", L"驛馬 弔客"},
    // 寅
    {L"弔客 災煞", L"寡宿", L"伏吟", L"桃煞", L"喪門", L"孤神 破軍 勾絞", L"將星", L"",
     L"驛馬 血支 返呤", L"太白", L"華蓋", L"劫煞 卷舌"},
    // 卯
    {L"桃煞 卷舌", L"寡宿 弔客", L"破軍", L"將星 劫煞 伏吟", L"", L"驛馬 孤神 喪門 太白", L"勾絞",
     L"華蓋 血支", L"", L"返呤 災煞", L"", L""},
    // 辰
    {L"將星", L"寡宿 太白 卷舌", L"驛馬 弔客", L"", L"華蓋 伏吟", L"劫煞 孤神", L"血支 喪門 災煞",
     L"勾絞", L"", L"桃煞", L"", L"破軍 返呤"},
    // 巳
    {L"", L"華蓋", L"卷舌", L"弔客 劫煞 災煞", L"寡宿", L"血支 伏吟", L"桃煞", L"喪門",
     L"孤神 寡宿 破軍 勾絞", L"將星 太白", L"", L"驛馬"},
    // 午
    {L"返呤 災煞", L"", L"", L"桃煞 卷舌", L"血支 寡宿 弔客", L"太白 破軍", L"將星 伏吟", L"",
     L"驛馬 孤神 喪門", L"勾絞", L"華蓋", L"劫煞"},
    // 未
    {L"桃煞", L"太白 返呤", L"破軍", L"將星 血支", L"寡宿 卷舌", L"驛馬 弔客", L"", L"華蓋 伏吟",
     L"孤神 劫煞", L"喪門 災煞", L"勾絞", L""},
    // 申
    {L"將星", L"", L"驛馬 血支 返呤", L"", L"華蓋", L"劫煞 卷舌", L"弔客 災煞", L"寡宿", L"伏吟",
     L"太白 桃煞", L"喪門", L"孤神 破軍 勾絞"},
    // 酉
    {L"勾絞", L"華蓋 血支", L"劫煞", L"返呤 災煞", L"", L"太白", L"桃煞 卷舌", L"寡宿 弔客",
     L"破軍", L"將星 伏吟", L"", L"驛馬 孤神 喪門"},
    // 戌
    {L"血支 喪門 災煞", L"太白 勾絞", L"", L"桃煞", L"返呤", L"破軍", L"將星", L"寡宿 卷舌",
     L"驛馬 弔客", L"", L"華蓋 伏吟", L"劫煞 孤神"},
    // 亥
    {L"桃煞", L"喪門", L"孤神 破軍 勾絞", L"將星", L"", L"驛馬 返呤", L"", L"華蓋", L"劫煞 卷舌",
     L"弔客 太白 災煞", L"寡宿", L"血支 伏吟"},
});
static_assert(kBranchStars.size() == 12);

struct PillarStarRow {
  const wchar_t* star;
  int slot;
  const wchar_t* pillars;  // two-character stem-branch pairs, blank-separated
};

constexpr auto kPillarStarRows = std::to_array<PillarStarRow>({
    {L"魁罡", kStar魁罡, L"庚辰 庚戌 壬辰 戊戌"},
    {L"日德", kStar日德, L"甲寅 丙辰 戊辰 庚辰 壬戌"},
    {L"進神", kStar進神, L"甲子 甲午 己卯 己酉"},
    {L"六秀", kStar六秀, L"丙午 丁未 戊子 戊午 己丑 己未"},
    {L"文昌", kStar文昌, L"丙申 丁酉 戊申 己酉 壬寅 癸卯"},
});
static_assert(kPillarStarRows.size() == 5);

constexpr auto kSpecialDayStarRows = std::to_array<PillarStarRow>({
    {L"八專", kStar八專, L"甲寅 乙卯 丁未 戊戌 己未 庚申 辛酉 癸丑"},
    {L"九醜", kStar九醜, L"丁酉 戊子 戊午 己卯 己酉 辛卯 辛酉 壬子 壬午"},
});
static_assert(kSpecialDayStarRows.size() == 2);

constexpr auto kDayPillarStarRows = std::to_array<PillarStarRow>({
    {L"日貴", kStar日貴, L"丁酉 丁亥 癸卯 癸巳"},
    {L"陰陽", kStar陰陽, L"丙子 戊午"},
    {L"差錯", kStar差錯, L"丙子 丙午 丁丑 丁未 戊寅 戊申 辛卯 辛酉 壬辰 壬戌 癸巳 癸亥"},
    {L"孤寡", kStar孤寡, L"甲寅 乙巳 丙午 丁巳 戊午 戊申 辛亥 壬子"},
    {L"惡敗", kStar惡敗, L"甲辰 乙巳 丙申 丁亥 戊戌 己丑 庚辰 辛巳 壬申 癸亥"},
});
static_assert(kDayPillarStarRows.size() == 5);

// The solar terms of each season and the day pillar that receives 天赦 in it.
struct PardonSeason {
  const wchar_t* terms;
  const wchar_t* dayPillar;
};
constexpr auto kPardonSeasons = std::to_array<PardonSeason>({
    {L"立春 雨水 驚蟄 春分 清明 穀雨", L"戊寅"},
    {L"立夏 小滿 芒種 夏至 小暑 大暑", L"甲午"},
    {L"立秋 處暑 白露 秋分 寒露 霜降", L"戊申"},
    {L"立冬 小雪 大雪 冬至 小寒 大寒", L"甲子"},
});
static_assert(kPardonSeasons.size() == 4);

// Whether a word stands whole in a blank-separated list of words.
bool ListHolds(std::wstring_view list, std::wstring_view word) {
  if (word.empty()) {
    return false;
  }
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t end = std::min(list.find(L' ', start), list.size());
    if (list.substr(start, end - start) == word) {
      return true;
    }
    start = end + 1;
  }
  return false;
}

// Appends each name of a blank-separated cell, in order.
void AppendCell(std::wstring_view cell, std::vector<std::wstring>& starNames,
                FourPillarsChart& chart, int countFlag) {
  std::size_t start = 0;
  while (start < cell.size()) {
    const std::size_t end = std::min(cell.find(L' ', start), cell.size());
    const std::wstring name(cell.substr(start, end - start));
    AppendStarName(starNames, name);
    const int slot = StarSlotOf(name);
    if (countFlag != 0 && slot >= 0) {
      ++chart.starCounts[slot];
    }
    start = end + 1;
  }
}

template <std::size_t N>
void AddPillarRows(const std::array<PillarStarRow, N>& rows, const std::wstring& stem,
                   const std::wstring& branch, std::vector<std::wstring>& starNames,
                   FourPillarsChart& chart, int countFlag) {
  if (stem.size() != 1 || branch.size() != 1) {
    return;
  }
  const std::wstring pillar = stem + branch;
  for (const PillarStarRow& row : rows) {
    if (ListHolds(row.pillars, pillar)) {
      AppendCountedStar(starNames, chart, row.star, row.slot, countFlag);
    }
  }
}

}  // namespace

void AddBranchStars(const std::wstring& referenceBranch, const std::wstring& subjectBranch,
                    std::vector<std::wstring>& starNames, FourPillarsChart& chart, int countFlag) {
  const int reference = vocabulary::LookupBranchIndex(referenceBranch);
  const int subject = vocabulary::LookupBranchIndex(subjectBranch);
  if (reference < 0 || subject < 0) {
    return;
  }
  AppendCell(kBranchStars[reference][subject], starNames, chart, countFlag);

  const bool male = chart.sexText == L"男";
  const bool female = chart.sexText == L"女";
  const bool yang = chart.yinYangText == L"陽";
  const bool yin = chart.yinYangText == L"陰";
  int steps = 0;  // 元辰 stands this many branches after the reference
  if ((male && yang) || (female && yin)) {
    steps = 7;
  } else if ((male && yin) || (female && yang)) {
    steps = 5;
  }
  if (steps != 0 && subject == (reference + steps) % 12) {
    AppendCountedStar(starNames, chart, L"元辰", kStar元辰, countFlag);
  }
}

void AddPillarStars(const std::wstring& stem, const std::wstring& branch,
                    std::vector<std::wstring>& starNames, FourPillarsChart& chart, int countFlag) {
  AddPillarRows(kPillarStarRows, stem, branch, starNames, chart, countFlag);
}

void AddSpecialDayStars(const std::wstring& stem, const std::wstring& branch,
                        std::vector<std::wstring>& starNames, FourPillarsChart& chart,
                        int countFlag) {
  AddPillarRows(kSpecialDayStarRows, stem, branch, starNames, chart, countFlag);
}

void AddDayPillarStars(const std::wstring& dayStem, const std::wstring& dayBranch,
                       std::vector<std::wstring>& starNames, FourPillarsChart& chart,
                       int countFlag) {
  AddPillarRows(kDayPillarStarRows, dayStem, dayBranch, starNames, chart, countFlag);
}

void AddHeavenlyPardonStar(const std::wstring& dayStem, const std::wstring& dayBranch,
                           const std::wstring& solarTermName, std::vector<std::wstring>& starNames,
                           FourPillarsChart& chart) {
  for (const PardonSeason& season : kPardonSeasons) {
    if (ListHolds(season.terms, solarTermName)) {
      const std::wstring_view pillar = season.dayPillar;
      if (dayStem == pillar.substr(0, 1) && dayBranch == pillar.substr(1, 1)) {
        AppendCountedStar(starNames, chart, L"天赦", kStar天赦, 1);
      }
      return;
    }
  }
}

void AddSeparatedCornerStar(const std::wstring& dayBranch, const std::wstring& hourBranch,
                            std::vector<std::wstring>& starNames, FourPillarsChart& chart) {
  const int day = vocabulary::LookupBranchIndex(dayBranch);
  const int hour = vocabulary::LookupBranchIndex(hourBranch);
  if (day >= 0 && hour == (day + 2) % 12) {
    AppendCountedStar(starNames, chart, L"隔角", kStar隔角, 1);
  }
}

void AddVoidStar(const std::wstring& branch, std::vector<std::wstring>& starNames,
                 FourPillarsChart& chart) {
  const ChartPillar& day = chart.pillars[kDayPillar];
  const int stem = vocabulary::LookupStemIndex(day.stem);
  const int dayBranch = vocabulary::LookupBranchIndex(day.branch);
  const int subject = vocabulary::LookupBranchIndex(branch);
  // A stem and branch of different parity make no stem-branch pair and so have no decade.
  if (stem < 0 || dayBranch < 0 || subject < 0 || stem % 2 != dayBranch % 2) {
    return;
  }
  // The decade starts at the 甲 day; the two branches after its 癸 day are void.
  const int firstVoid = vocabulary::FloorMod(dayBranch - stem + 10, 12);
  if (subject == firstVoid || subject == (firstVoid + 1) % 12) {
    AppendCountedStar(starNames, chart, L"空亡", kStar空亡, 1);
  }
}

void AddChartSpiritStars(FourPillarsChart& chart, SpiritStarBasis basis) {
  std::array<ChartPillar, kPillarCount>& p = chart.pillars;
  const std::wstring dayStem = p[kDayPillar].stem;
  const std::wstring monthBranch = p[kMonthPillar].branch;
  constexpr auto counted = std::to_array<int>({1, 1, 1, 1, 0});  // the life palace is listed only
  static_assert(counted.size() == kPillarCount);

  for (int i = 0; i < kPillarCount; ++i) {
    AddDayStemStars(dayStem, p[i].branch, p[i].starNames, chart, counted[i]);
  }
  for (int i = kYearPillar; i <= kHourPillar; ++i) {
    AddMonthBranchStars(monthBranch, p[i].stem, p[i].starNames, chart, 1);
  }
  for (int i = kYearPillar; i <= kHourPillar; ++i) {
    AddMonthBranchStars(monthBranch, p[i].branch, p[i].starNames, chart, 1);
  }
  ChartPillar& palace = p[kLifePalacePillar];
  AddMonthBranchStars(monthBranch, palace.stem, palace.starNames, chart, 0);
  AddMonthBranchStars(monthBranch, palace.branch, palace.starNames, chart, 0);

  const auto addFrom = [&](int reference) {
    const std::wstring referenceBranch = p[reference].branch;
    for (int i = 0; i < kPillarCount; ++i) {
      if (i != reference) {
        AddBranchStars(referenceBranch, p[i].branch, p[i].starNames, chart, counted[i]);
      }
    }
  };
  // A basis outside 0..2 (the command line passes any number) acts as 2, the pages' initial
  // value, as the notes that print the basis already read it.
  if (basis != SpiritStarBasis::kDayBranch) {
    addFrom(kYearPillar);
  }
  if (basis != SpiritStarBasis::kYearBranch) {
    addFrom(kDayPillar);
  }

  AddSeparatedCornerStar(p[kDayPillar].branch, p[kHourPillar].branch, p[kHourPillar].starNames,
                         chart);
  for (int i = 0; i < kPillarCount; ++i) {
    AddPillarStars(p[i].stem, p[i].branch, p[i].starNames, chart, counted[i]);
  }
  for (int i : {kDayPillar, kHourPillar}) {
    AddSpecialDayStars(p[i].stem, p[i].branch, p[i].starNames, chart, 1);
  }
  AddDayPillarStars(dayStem, p[kDayPillar].branch, p[kDayPillar].starNames, chart, 1);
  AddHeavenlyPardonStar(dayStem, p[kDayPillar].branch, chart.sectionTermName,
                        p[kDayPillar].starNames, chart);
  for (int i : {kYearPillar, kMonthPillar, kHourPillar}) {
    AddVoidStar(p[i].branch, p[i].starNames, chart);
  }
}

}  // namespace chart
