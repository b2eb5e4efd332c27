#pragma once

#include <string>

namespace chart {

// The life stage (十二長生) "長生" .. "養" that a stem reaches at a branch: yang stems walk
// forward and yin stems backward from their 長生 branch (甲 亥, 丙 戊 寅, 庚 巳, 壬 申; 乙 午,
// 丁 己 酉, 辛 子, 癸 卯). Empty when the stem or the branch is not one of its list.
std::wstring TwelveStageOf(const std::wstring& stem, const std::wstring& branch);

}  // namespace chart
