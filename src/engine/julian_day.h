#pragma once

#include <array>
#include <string>

namespace engine {

// Julian days: days and fraction since -4712-01-01 12:00 (Julian calendar); x.0 is a noon and
// x.5 a midnight. Dates are Gregorian from 1582-10-15 and Julian before, years astronomical
// (0 is 1 BC). No time zone: a Julian day made from a local clock prints that same clock.

// The Julian day of year, month and day (the day carries the fraction of the day). The calendar
// is chosen on the arguments as given; nothing is validated, so a day past its month runs on.
double ComputeJulianDay(double year, double month, double day);

// A date and time of six doubles; a new record holds 2000-01-01 12:00:00.
struct CalendarDateTime {
  double year = 2000;
  double month = 1;
  double day = 1;
  double hour = 12;
  double minute = 0;
  double second = 0;
};

// The Julian day of a civil date and time typed in whole numbers, at second 0: DateTimeToJulianDay
// of that record. Hour 24 and minute 60 run on into the next day or hour.
double DateTimeToJulianDay(int year, int month, int day, int hour, int minute);

// ComputeJulianDay of the record's date, its hour, minute and second making the day's fraction.
double DateTimeToJulianDay(const CalendarDateTime& dateTime);

// The calendar date and time of a Julian day; the second keeps its fraction (0 <= second < 60).
CalendarDateTime JulianDayToDate(double julianDay);

// Whole-number date parts of a Julian day; the second is cut towards zero, never rounded up.
// A day that is not finite or whose year does not fit an int gives all zeros.
struct DateParts {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};
DateParts JulianDayToDateParts(double julianDay);

// "%02i:%02i:%02i" of the fraction of x + 0.5 (a Julian day or a day count from J2000.0),
// rounded to the nearest second; the last half second of a day prints "24:00:00". A duration d
// of less than a day prints as FormatTimeOfDay(d - 0.5). Not finite: "--:--:--".
std::wstring FormatTimeOfDay(double x);

// "%04i-%02i-%02i %02i:%02i:%02i"; the rounded second carries into the minute and hour only,
// so the hour can read 24. The year -1 prints "-001". Not finite, or a year beyond an int: "----------" and "--:--:--".
std::wstring FormatJulianDayDateTime(double julianDay);

}  // namespace engine
