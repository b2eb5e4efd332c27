#include "almanac/almanac_day.h"

#include <gtest/gtest.h>

namespace almanac {
namespace {

TEST(AlmanacDay, AppenderWritesFromTheFirstEmptySlotOnwards) {
  SpiritStarList list(4);
  list[0] = L"歲德";
  list[2] = L"stray";  // beyond the used part: overwritten, never read as used
  SpiritStarAppender appender(list);
  appender.Append(L"歲幹合");
  appender.Append(L"博士");
  EXPECT_EQ(UsedSlotCount(list), 3u);
  EXPECT_EQ(list[1], L"歲幹合");
  EXPECT_EQ(list[2], L"博士");
  // A second appender continues after the names already there.
  SpiritStarAppender second(list);
  second.Append(L"奏書");
  EXPECT_EQ(UsedSlotCount(list), 4u);
  EXPECT_EQ(list[3], L"奏書");
  // No slot left: the name is dropped (no table of the almanac gets here; debug builds stop).
  SpiritStarAppender full(list);
  EXPECT_DEBUG_DEATH(full.Append(L"力士"), "ran out of slots");
  EXPECT_EQ(list, (SpiritStarList{L"歲德", L"歲幹合", L"博士", L"奏書"}));
}

}  // namespace
}  // namespace almanac
