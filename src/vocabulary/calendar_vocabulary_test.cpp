#include "vocabulary/calendar_vocabulary.h"

#include <gtest/gtest.h>

#include "vocabulary/vocabulary_lists.h"

namespace vocabulary {
namespace {

TEST(CalendarVocabulary, OrdersStartAtTheWinterSolstice) {
  const CalendarVocabulary v;
  EXPECT_EQ(v.monthNames[0], L"十一");
  EXPECT_EQ(v.monthNames[2], L"正");
  EXPECT_EQ(v.monthNames[11], L"十");
  EXPECT_EQ(v.termNames[3], L"立春");
  EXPECT_EQ(v.termNames[12], L"夏至");
  EXPECT_EQ(v.phaseNames[2], L"望");
  EXPECT_EQ(v.signNames[6], L"巨蟹");
  EXPECT_EQ(v.digitNames[10], L"十");
  // Month code c is the lunar month (c + 10) mod 12 + 1 of the start-up list.
  for (int c = 0; c < 12; ++c) {
    SCOPED_TRACE(c);
    EXPECT_EQ(v.monthNames[c], kLunarMonthNames[(c + 10) % 12]);
  }
}

TEST(CalendarVocabulary, TermNamesAreTheLookupKeysShifted) {
  const CalendarVocabulary v;
  EXPECT_EQ(v.termNames[8], L"穀雨");
  for (int k = 0; k < 24; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(LookupSolarTermIndex(v.termNames[k]), (k + 21) % 24);
  }
}

}  // namespace
}  // namespace vocabulary
