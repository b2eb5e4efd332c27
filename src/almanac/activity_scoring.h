#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "almanac/activity_rules.h"
#include "almanac/almanac_day.h"

namespace almanac {

// The 93 activities the almanac judges, in their order; a name's position is its activity index,
// the slot of the score tables and the order of the activity texts.
extern const std::array<std::wstring_view, kAlmanacActivityCount> kAlmanacActivities;

// The number of slots of each score table; slots 93 .. 107 start at 0 like the others and stay 0.
inline constexpr std::size_t kActivityScoreSlots = 108;

// The three score tables of one day, slot s for activity s: for every slot net = suitable +
// avoid, suitable >= 0 and avoid <= 0.
struct ActivityScores {
  std::array<std::int32_t, kActivityScoreSlots> net{};       // every weight
  std::array<std::int32_t, kActivityScoreSlots> suitable{};  // the positive weights
  std::array<std::int32_t, kActivityScoreSlots> avoid{};     // the negative weights
};

// Scores the 93 activities from the day's year and month spirit-star lists by the rule rows of
// activity_rules.h and writes the activity texts: each activity as its name followed by ". ", in
// activity order; `suitableText` those with a positive suitable score, `avoidText` those with a
// negative avoid score, `bothText` those with both, `onlySuitableText` and `onlyAvoidText` those
// with one only; slot 1 of `netVerdict` gets those with a positive net score appended and slot 2
// those with a negative one. Reads `yearAuspicious`, `yearInauspicious`, `monthAuspicious`,
// `monthInauspicious`, `monthBranch` and `currentSectionTerm`; call it after every finder of the
// year and month lists, since the rows' conditions look at the complete month auspicious list.
// Returns the scores the texts were written from; each call scores from zero.
ActivityScores ScoreSuitableAndAvoid(AlmanacDay& day);

}  // namespace almanac
