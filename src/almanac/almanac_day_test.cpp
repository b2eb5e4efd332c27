#include "almanac/almanac_day.h"

#include <gtest/gtest.h>

namespace almanac {
namespace {

TEST(AlmanacDay, ListsStartWithTheirFixedEmptySlots) {
  const AlmanacDay day;
  EXPECT_EQ(day.yearAuspicious.size(), 12u);
  EXPECT_EQ(day.yearInauspicious.size(), 12u);
  EXPECT_EQ(day.monthAuspicious.size(), 24u);
  EXPECT_EQ(day.monthInauspicious.size(), 24u);
  EXPECT_EQ(day.extraMarks.size(), 6u);
  EXPECT_EQ(day.netVerdict.size(), 3u);
  EXPECT_EQ(day.monthDayVerdict.size(), 3u);
  EXPECT_EQ(day.hours.size(), 12u);
  for (const HourSpiritLists& hour : day.hours) {
    EXPECT_EQ(hour.hourAuspicious.size(), 9u);
    EXPECT_EQ(hour.hourInauspicious.size(), 9u);
    EXPECT_EQ(UsedSlotCount(hour.hourAuspicious), 0u);
  }
  EXPECT_EQ(UsedSlotCount(day.monthAuspicious), 0u);
  EXPECT_TRUE(day.nayin.empty());
  EXPECT_TRUE(day.otherNotes.empty());
}

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
