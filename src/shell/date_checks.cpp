#include "shell/date_checks.h"

#include "engine/lunar_year.h"

namespace shell {

namespace {

// Days of a month 1..12 of a year in the supported range.
long long DaysInMonth(long long year, long long month) {
  static constexpr long long kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month != 2) {
    return kDays[month - 1];
  }
  // 1582 is common in both calendars, so the switch of October 1582 needs no case here.
  const bool leap =
      year < 1582 ? year % 4 == 0 : (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return leap ? 29 : 28;
}

}  // namespace

std::wstring CheckAlmanacDate(long long year, long long month, long long day) {
  if (year < engine::kFirstCalendarYear || year > engine::kLastCalendarYear) {
    return L"年份輸入錯誤 !";
  }
  if (month < 1 || month > 12) {
    return L"月份輸入錯誤 !";
  }
  if (day < 1 || day > DaysInMonth(year, month)) {
    return L"日期輸入錯誤 !";
  }
  if (year == 1582 && month == 10 && day > 4 && day < 15) {
    return L"日期輸入錯誤 !";
  }
  return {};
}

std::wstring CheckTimeOfDay(long long hour, long long minute) {
  if (hour < 0 || hour > 24) {
    return L"時間輸入錯誤 !";
  }
  if (minute < 0 || minute > 60) {
    return L"分鐘輸入錯誤 !";
  }
  return {};
}

}  // namespace shell
