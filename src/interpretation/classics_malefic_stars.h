#pragma once

#include <array>

#include "interpretation/classics_judgement.h"

namespace interpretation {

// The 25 malefic stars that 《氣象篇》 and 《其他》 weigh together (the nameless counter 62 is not
// among them).
// clang-format off
inline constexpr auto kMaleficStars = std::to_array<chart::StarSlot>({
    notation::自縊, notation::正桃, notation::流霞, notation::紅艷, notation::羊刃,
    notation::桃煞, notation::太白, notation::劫煞, notation::喪門, notation::天屠,
    notation::飛刃, notation::官符, notation::死符, notation::病符, notation::戟鋒,
    notation::雷霆, notation::空亡, notation::血刃, notation::血支, notation::元辰,
    notation::返呤, notation::伏吟, notation::勾絞, notation::災煞, notation::弔客,
});
// clang-format on
static_assert(kMaleficStars.size() == 25);

// No star is named twice (a name left out of a fixed-size list would have read as 魁罡, slot 0).
constexpr bool MaleficStarsAreDistinct() {
  for (std::size_t i = 0; i < kMaleficStars.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (kMaleficStars[i] == kMaleficStars[j]) {
        return false;
      }
    }
  }
  return true;
}
static_assert(MaleficStarsAreDistinct());

// The sum of the counters of the 25 malefic stars.
inline int MaleficStarSum(CC c) {
  int sum = 0;
  for (chart::StarSlot star : kMaleficStars) {
    sum += c.star(star);
  }
  return sum;
}

}  // namespace interpretation
