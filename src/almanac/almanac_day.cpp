#include "almanac/almanac_day.h"

#include <cassert>

namespace almanac {

AlmanacDay::AlmanacDay()
    : netVerdict(kVerdictSlots),
      monthDayVerdict(kVerdictSlots),
      yearAuspicious(kYearListSlots),
      yearInauspicious(kYearListSlots),
      monthAuspicious(kMonthListSlots),
      monthInauspicious(kMonthListSlots),
      extraMarks(kExtraMarkSlots) {
  for (HourSpiritLists& hour : hours) {
    hour.hourAuspicious.resize(kHourListSlots);
    hour.hourInauspicious.resize(kHourListSlots);
  }
}

AlmanacDay::~AlmanacDay() = default;

std::size_t UsedSlotCount(const SpiritStarList& list) {
  std::size_t n = 0;
  while (n < list.size() && !list[n].empty()) {
    ++n;
  }
  return n;
}

SpiritStarAppender::SpiritStarAppender(SpiritStarList& list)
    : list_(list), next_(UsedSlotCount(list)) {}

void SpiritStarAppender::Append(const SpiritStar& name) {
  assert(next_ < list_.size() && "a spirit-star list ran out of slots");
  if (next_ < list_.size()) {
    list_[next_++] = name;
  }
}

}  // namespace almanac
