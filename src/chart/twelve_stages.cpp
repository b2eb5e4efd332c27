#include "chart/twelve_stages.h"

#include <array>

#include "vocabulary/vocabulary_lists.h"

namespace chart {

namespace {

constexpr auto kStages = std::to_array<const wchar_t*>(
    {L"長生", L"沐浴", L"冠帶", L"臨官", L"帝旺", L"衰", L"病", L"死", L"墓", L"絕", L"胎", L"養"});
static_assert(kStages.size() == 12);
enum Stage : int { k長生, k沐浴, k冠帶, k臨官, k帝旺, k衰, k病, k死, k墓, k絕, k胎, k養 };

// Stage by stem (rows 甲 .. 癸) and branch (columns 子 .. 亥).
constexpr auto kStageTable = std::to_array<std::array<Stage, 12>>({
    // 子   丑     寅     卯     辰     巳     午     未     申     酉     戌     亥
    {k沐浴, k冠帶, k臨官, k帝旺, k衰, k病, k死, k墓, k絕, k胎, k養, k長生},  // 甲
    {k病, k衰, k帝旺, k臨官, k冠帶, k沐浴, k長生, k養, k胎, k絕, k墓, k死},  // 乙
    {k胎, k養, k長生, k沐浴, k冠帶, k臨官, k帝旺, k衰, k病, k死, k墓, k絕},  // 丙
    {k絕, k墓, k死, k病, k衰, k帝旺, k臨官, k冠帶, k沐浴, k長生, k養, k胎},  // 丁
    {k胎, k養, k長生, k沐浴, k冠帶, k臨官, k帝旺, k衰, k病, k死, k墓, k絕},  // 戊
    {k絕, k墓, k死, k病, k衰, k帝旺, k臨官, k冠帶, k沐浴, k長生, k養, k胎},  // 己
    {k死, k墓, k絕, k胎, k養, k長生, k沐浴, k冠帶, k臨官, k帝旺, k衰, k病},  // 庚
    {k長生, k養, k胎, k絕, k墓, k死, k病, k衰, k帝旺, k臨官, k冠帶, k沐浴},  // 辛
    {k帝旺, k衰, k病, k死, k墓, k絕, k胎, k養, k長生, k沐浴, k冠帶, k臨官},  // 壬
    {k臨官, k冠帶, k沐浴, k長生, k養, k胎, k絕, k墓, k死, k病, k衰, k帝旺},  // 癸
});
static_assert(kStageTable.size() == 10);

}  // namespace

std::wstring TwelveStageOf(const std::wstring& stem, const std::wstring& branch) {
  const int s = vocabulary::LookupStemIndex(stem);
  const int b = vocabulary::LookupBranchIndex(branch);
  if (s < 0 || b < 0) {
    return L"";
  }
  return kStages[kStageTable[s][b]];
}

}  // namespace chart
