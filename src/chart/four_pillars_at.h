#pragma once

#include "chart/four_pillars_chart.h"
#include "vocabulary/calendar_vocabulary.h"

namespace chart {

// The four pillars and the true solar time of a moment, written into `chart`: trueSolarHour,
// trueSolarTimeText and the stem and branch of the year, month, day and hour pillars; nothing
// else of the chart is read or written. `d` is the moment in days of Universal Time from J2000.0
// (the callers pass UtDayNumberOfBeijingJulianDay of the Julian day of a civil time of UTC+8);
// `longitude` is in radians, east positive. The year turns at the exact moment of 立春 and the
// month at each section term (a moment exactly on the term belongs to the new month); the day
// turns at 23:00 true solar time and each double hour spans two true-solar hours from 23:00.
// Names come from the vocabulary's `stems` and `branches`; every index is reduced with a floor
// modulo, so any moment, however early, names a pillar.
void ComputeFourPillarsAt(const vocabulary::CalendarVocabulary& vocabulary, double d,
                          double longitude, FourPillarsChart& chart);

}  // namespace chart
