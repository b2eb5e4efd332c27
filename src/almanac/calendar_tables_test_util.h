#pragma once

// Test helper: the calendar tables a test program keeps for its run, as the program does.

#include "almanac/calendar_tables.h"

namespace almanac::testing {

inline CalendarTables& Tables() {
  static CalendarTables tables;
  return tables;
}

}  // namespace almanac::testing
