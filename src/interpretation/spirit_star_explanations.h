#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/four_pillars_chart.h"

namespace interpretation {

// One explanation passage: the block of the explanations that prints it (1 to 57), the star or
// star set it explains, and its number within the block (from 1).
struct SpiritStarPassageKey {
  int block;
  std::wstring_view star;
  int passage;

  bool operator==(const SpiritStarPassageKey&) const = default;
};

// Works through the 57 blocks of the spirit-star explanations in order and returns the keys of
// the passages to print. On its way it records the stars it detects from the pillars: the 三奇
// sets (counter set to 1), 自縊, 天屠, 天刑, 雷霆 and 戟鋒 at the hour pillar, 病符 and 死符 at
// the day, month and hour pillars and 官符 at the day and hour pillars (each a name in the
// pillar's star list and one more on the star's counter). Runs once per chart.
std::vector<SpiritStarPassageKey> ExplainSpiritStars(chart::FourPillarsChart& chart);

// The sixth section of the interpretation: the passages of ExplainSpiritStars, each as stored
// in the spirit-star passage pool, one after another with nothing between them. A passage that
// no source has given yet is empty.
std::wstring SpiritStarExplanations(chart::FourPillarsChart& chart);

}  // namespace interpretation
