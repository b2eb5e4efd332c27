#pragma once

#include <string>

#include "chart/four_pillars_chart.h"

namespace chart {

// Stem and branch relations of an ordered pair (first given first). Both count what they find
// in relationCounts, elementCombinationCounts and transformationCount; texts that are not
// stems or branches give the empty text and count nothing. The relations are directional, and
// the counting relies on both orders of every pillar pair being evaluated.

// "合土" .. "合火" for the five stem combinations in either order (counting a stem combination,
// its element, and setting transformationCount to 1); "剋" when the first stem controls the
// second (counting a control); otherwise the empty text.
std::wstring StemRelation(const std::wstring& first, const std::wstring& second,
                          FourPillarsChart& chart);

// The relation text of two branches ("合水破", "刑害", "衝", "沖", ...), counting each of its
// words: a combination and its element, "刑", "衝", "沖", "破", "害". The empty text for a pair
// with no relation.
std::wstring BranchRelation(const std::wstring& first, const std::wstring& second,
                            FourPillarsChart& chart);

}  // namespace chart
