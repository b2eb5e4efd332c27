#include "chart/bone_weights.h"

#include <cstddef>

#include "vocabulary/vocabulary_lists.h"

namespace chart {

// Each table is sized by the header; a row too many or too few does not compile.

// 子  丑  寅  卯  辰  巳  午  未  申  酉  戌  亥
const std::array<int, 12> kBoneHourWeights =
    std::to_array<int>({16, 6, 7, 10, 9, 16, 10, 8, 8, 9, 6, 6});

const std::array<int, 30> kBoneDayWeights = std::to_array<int>({
    5,  10, 8, 15, 16, 15, 8, 16, 8,  16,  // 初一 .. 初十
    9,  17, 8, 17, 10, 8,  9, 18, 5,  15,  // 十一 .. 二十
    10, 9,  8, 9,  15, 18, 7, 8,  16, 6,   // 廿一 .. 三十
});

// 正  二  三  四  五  六  七  八  九  十  十一  十二
const std::array<int, 12> kBoneMonthWeights =
    std::to_array<int>({6, 7, 18, 9, 5, 16, 9, 15, 18, 8, 9, 5});

const std::array<int, 60> kBoneYearWeights = std::to_array<int>({
    12, 9,  6,  7,  12, 5,  9,  8,  7,  8,  // 甲子 乙丑 丙寅 丁卯 戊辰 己巳 庚午 辛未 壬申 癸酉
    15, 9,  16, 8,  8,  19, 12, 6,  8,  7,  // 甲戌 乙亥 丙子 丁丑 戊寅 己卯 庚辰 辛巳 壬午 癸未
    5,  15, 6,  16, 15, 8,  9,  12, 10, 7,  // 甲申 乙酉 丙戌 丁亥 戊子 己丑 庚寅 辛卯 壬辰 癸巳
    15, 6,  5,  14, 14, 9,  7,  7,  9,  12,  // 甲午 乙未 丙申 丁酉 戊戌 己亥 庚子 辛丑 壬寅 癸卯
    8,  7,  13, 5,  14, 5,  9,  17, 5,  7,  // 甲辰 乙巳 丙午 丁未 戊申 己酉 庚戌 辛亥 壬子 癸丑
    12, 8,  8,  6,  19, 6,  8,  16, 10, 7,  // 甲寅 乙卯 丙辰 丁巳 戊午 己未 庚申 辛酉 壬戌 癸亥
});

namespace {

// The weight at the position of the first of names[0 .. weights.size()) equal to `name`, or 0.
template <typename NameList, std::size_t N>
int WeightOfName(const NameList& names, const std::array<int, N>& weights, std::wstring_view name) {
  for (std::size_t i = 0; i < N && i < names.size(); ++i) {
    if (std::wstring_view(names[i]) == name) {
      return weights[i];
    }
  }
  return 0;
}

}  // namespace

int BoneHourWeight(std::wstring_view hourBranch) {
  return WeightOfName(vocabulary::kEarthlyBranches, kBoneHourWeights, hourBranch);
}

int BoneDayWeight(std::wstring_view lunarDayName) {
  // Only the first 30 names are searched: 卅一 weighs nothing.
  return WeightOfName(vocabulary::kLunarDayNames, kBoneDayWeights, lunarDayName);
}

int BoneMonthWeight(std::wstring_view lunarMonthName) {
  return WeightOfName(vocabulary::kLunarMonthNames, kBoneMonthWeights, lunarMonthName);
}

int BoneYearWeight(std::wstring_view yearPillarName) {
  return WeightOfName(vocabulary::kSexagenaryNames, kBoneYearWeights, yearPillarName);
}

std::wstring FormatBoneWeight(const vocabulary::CalendarVocabulary& vocabulary, int weight) {
  const std::vector<std::wstring>& digits = vocabulary.digitNames;
  if (weight < 0 || weight / 10 >= static_cast<int>(digits.size())) {
    return {};
  }
  return digits[static_cast<std::size_t>(weight / 10)] + L"兩" +
         digits[static_cast<std::size_t>(weight % 10)] + L"錢";
}

}  // namespace chart
