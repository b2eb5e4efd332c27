#pragma once

#include "engine/lunar_year.h"
#include "engine/month_calendar.h"
#include "engine/terms_in_force.h"

namespace almanac {

// The tables the calendar pages keep from one page to the next, so that a lunar year is laid
// out about once however many pages ask for it: the month calendar, the solar terms in force and
// the perpetual calendar's lunar year. The program keeps one for its run and hands it to each
// page it builds; pages built at the same time on several threads need one each.
struct CalendarTables {
  engine::MonthCalendar monthCalendar;
  engine::TermsInForceFinder termsInForce;
  engine::LunarYearTable lunarYear;  // the perpetual-calendar page's
};

}  // namespace almanac
