#include "shell/date_checks.h"

#include <gtest/gtest.h>

namespace shell {
namespace {

TEST(CheckAlmanacDate, FollowsBothCalendarsAndTheSupportedYears) {
  EXPECT_EQ(CheckAlmanacDate(2024, 2, 29), L"");
  EXPECT_EQ(CheckAlmanacDate(2000, 2, 29), L"");
  EXPECT_EQ(CheckAlmanacDate(1500, 2, 29), L"");  // Julian leap year
  EXPECT_EQ(CheckAlmanacDate(1700, 2, 29), L"日期輸入錯誤 !");
  EXPECT_EQ(CheckAlmanacDate(0, 1, 1), L"");
  EXPECT_EQ(CheckAlmanacDate(9999, 12, 31), L"");
  EXPECT_EQ(CheckAlmanacDate(1582, 10, 31), L"");
  EXPECT_EQ(CheckAlmanacDate(1582, 10, 4), L"");
  EXPECT_EQ(CheckAlmanacDate(1582, 10, 15), L"");
  // The reform went from 1582-10-04 straight to 10-15: the days between name no date.
  EXPECT_EQ(CheckAlmanacDate(1582, 10, 5), L"日期輸入錯誤 !");
  EXPECT_EQ(CheckAlmanacDate(1582, 10, 14), L"日期輸入錯誤 !");
  EXPECT_EQ(CheckAlmanacDate(-4712, 1, 1), L"");
  EXPECT_EQ(CheckAlmanacDate(-4713, 12, 31), L"年份輸入錯誤 !");
  // Astronomical years: 0 is 1 BC and -4 is 5 BC, Julian leap years; -1 (2 BC) is common.
  EXPECT_EQ(CheckAlmanacDate(0, 2, 29), L"");
  EXPECT_EQ(CheckAlmanacDate(-4, 2, 29), L"");
  EXPECT_EQ(CheckAlmanacDate(-4712, 2, 29), L"");
  EXPECT_EQ(CheckAlmanacDate(-1, 2, 29), L"日期輸入錯誤 !");
  EXPECT_EQ(CheckAlmanacDate(4294967295LL, 1, 1), L"年份輸入錯誤 !");
  EXPECT_EQ(CheckAlmanacDate(2024, 4294967295LL, 1), L"月份輸入錯誤 !");
  EXPECT_EQ(CheckAlmanacDate(2024, 1, 4294967295LL), L"日期輸入錯誤 !");
}

TEST(CheckTimeOfDay, TakesTwentyFourAndSixty) {
  EXPECT_EQ(CheckTimeOfDay(0, 0), L"");
  EXPECT_EQ(CheckTimeOfDay(24, 60), L"");
  EXPECT_EQ(CheckTimeOfDay(25, 0), L"時間輸入錯誤 !");
  EXPECT_EQ(CheckTimeOfDay(-1, 0), L"時間輸入錯誤 !");
  EXPECT_EQ(CheckTimeOfDay(12, 61), L"分鐘輸入錯誤 !");
  EXPECT_EQ(CheckTimeOfDay(12, -1), L"分鐘輸入錯誤 !");
  EXPECT_EQ(CheckTimeOfDay(25, 61), L"時間輸入錯誤 !");
}

}  // namespace
}  // namespace shell
