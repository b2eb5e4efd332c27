#pragma once

#include <array>
#include <string>
#include <string_view>

#include "vocabulary/calendar_vocabulary.h"

namespace chart {

// The bone weights (稱骨) of the four parts of a birth, in 錢 (ten 錢 make one 兩).

// By the branch of the double hour, in the order of vocabulary::kEarthlyBranches (子 .. 亥).
extern const std::array<int, 12> kBoneHourWeights;
// By lunar day, in the order of the first 30 names of vocabulary::kLunarDayNames (初一 .. 三十);
// 卅一 has no entry.
extern const std::array<int, 30> kBoneDayWeights;
// By lunar month, in the order of vocabulary::kLunarMonthNames (正 .. 十二).
extern const std::array<int, 12> kBoneMonthWeights;
// By the year's stem-branch, in the order of vocabulary::kSexagenaryNames (甲子 = 0).
extern const std::array<int, 60> kBoneYearWeights;

// The weight of a name, found by the whole name in the table's name list, first match winning;
// a name found nowhere weighs 0 (so does "卅一", and a leap month's name weighs as its month,
// the names carrying no leap mark).
int BoneHourWeight(std::wstring_view hourBranch);
int BoneDayWeight(std::wstring_view lunarDayName);
int BoneMonthWeight(std::wstring_view lunarMonthName);
int BoneYearWeight(std::wstring_view yearPillarName);

// The weight notation of `weight` 錢 (0..109): the digit name of weight / 10, "兩", the digit
// name of weight % 10, "錢" ("一兩二錢" for 12, "零兩五錢" for 5), the digit names "零" .. "十"
// being the vocabulary's digitNames. Empty outside 0..109.
std::wstring FormatBoneWeight(const vocabulary::CalendarVocabulary& vocabulary, int weight);

}  // namespace chart
