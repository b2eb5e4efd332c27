#include "engine/julian_day.h"

#include <cmath>
#include <cstddef>

#include "vocabulary/number_text.h"

namespace engine {

double ComputeJulianDay(double year, double month, double day) {
  // 588829 = 372 * 1582 + 31 * 10 + 15: on or after 1582-10-15, chosen before the shift below.
  const bool gregorian = std::floor(day) + 372.0 * year + 31.0 * month >= 588829.0;
  if (month <= 2) {
    year -= 1;
    month += 12;
  }
  double b = 0;
  if (gregorian) {
    const double a = std::floor(year / 100);
    b = 2 - a + std::floor(a * 0.25);
  }
  return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + day + b - 1524.5;
}

double DateTimeToJulianDay(int year, int month, int day, int hour, int minute) {
  CalendarDateTime dateTime;
  dateTime.year = year;
  dateTime.month = month;
  dateTime.day = day;
  dateTime.hour = hour;
  dateTime.minute = minute;
  dateTime.second = 0;
  return DateTimeToJulianDay(dateTime);
}

double DateTimeToJulianDay(const CalendarDateTime& t) {
  return ComputeJulianDay(t.year, t.month, t.day + ((t.second / 60 + t.minute) / 60 + t.hour) / 24);
}

namespace {

// Steps 1-5 of the conversion: the civil date of floor(J + 0.5) and the fraction of the day.
struct CivilDate {
  double year;
  double month;
  double day;
  double fraction;  // since midnight, [0, 1)
};

CivilDate ToCivilDate(double julianDay) {
  const double z = std::floor(julianDay + 0.5);
  const double f = (julianDay + 0.5) - z;
  double a = z;
  if (z >= 2299161) {
    const double alpha = std::floor((z - 1867216.25) / 36524.25);
    a = z + 1 + alpha - std::floor(alpha * 0.25);
  }
  const double b = a + 1524;
  const double c = std::floor((b - 122.1) / 365.25);
  const double g = b - std::floor(365.25 * c);
  const double e = std::floor(g / 30.601);
  const double day = g - std::floor(30.601 * e);
  if (e <= 13) {
    return {c - 4716, e - 1, day, f};
  }
  return {c - 4715, e - 13, day, f};
}

}  // namespace

CalendarDateTime JulianDayToDate(double julianDay) {
  const CivilDate d = ToCivilDate(julianDay);
  const double hours = 24 * d.fraction;
  const double hour = std::floor(hours);
  const double minute = std::floor(60 * (hours - hour));
  const double second = 60 * (60 * (hours - hour) - minute);
  return {d.year, d.month, d.day, hour, minute, second};
}

namespace {

// Julian days whose years fit an int (2.1e9 years of 365.25 days is 7.8e11 days); the integer
// texts and parts are made only for these. NaN fails the comparison too.
bool HasIntegerYear(double julianDay) { return std::fabs(julianDay) < 7.8e11; }

}  // namespace

DateParts JulianDayToDateParts(double julianDay) {
  if (!HasIntegerYear(julianDay)) {
    return {};
  }
  const CalendarDateTime t = JulianDayToDate(julianDay);
  return {static_cast<int>(t.year), static_cast<int>(t.month),  static_cast<int>(t.day),
          static_cast<int>(t.hour), static_cast<int>(t.minute), static_cast<int>(t.second)};
}

std::wstring FormatTimeOfDay(double x) {
  if (!std::isfinite(x)) {
    return L"--:--:--";
  }
  const double f = (x + 0.5) - std::floor(x + 0.5);
  const int s = static_cast<int>(std::floor(86400 * f + 0.5));  // [0, 86400]
  const int h = s / 3600;
  const int r = s - 3600 * h;
  const int m = r / 60;
  // Each part has two digits (hours 0..24), so the text is written digit by digit: the pillars
  // of a moment format one for every moment, and a formatted print costs more than the rest.
  const int parts[3] = {h, m, r - 60 * m};
  std::wstring text = L"00:00:00";
  for (std::size_t i = 0; i < 3; ++i) {
    text[3 * i] = static_cast<wchar_t>(L'0' + parts[i] / 10);
    text[3 * i + 1] = static_cast<wchar_t>(L'0' + parts[i] % 10);
  }
  return text;
}

std::wstring FormatJulianDayDateTime(double julianDay) {
  if (!HasIntegerYear(julianDay)) {
    return L"----------"
           L" --:--:--";
  }
  const CalendarDateTime t = JulianDayToDate(julianDay);
  int hour = static_cast<int>(t.hour);
  int minute = static_cast<int>(t.minute);
  int second = static_cast<int>(std::floor(t.second + 0.5));
  if (second >= 60) {
    second -= 60;
    ++minute;
  }
  if (minute >= 60) {
    minute -= 60;
    ++hour;
  }
  using vocabulary::ZeroPaddedText;
  return ZeroPaddedText(static_cast<int>(t.year), 4) + L"-" +
         ZeroPaddedText(static_cast<int>(t.month), 2) + L"-" +
         ZeroPaddedText(static_cast<int>(t.day), 2) + L" " + ZeroPaddedText(hour, 2) + L":" +
         ZeroPaddedText(minute, 2) + L":" + ZeroPaddedText(second, 2);
}

}  // namespace engine
