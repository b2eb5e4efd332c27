#pragma once

#include <memory>
#include <string>

#include "chart/chart_hand_over.h"
#include "chart/chart_settings.h"
#include "engine/month_calendar.h"
#include "engine/terms_in_force.h"
#include "vocabulary/calendar_vocabulary.h"

namespace chart {

// The typed input of a chart from birth data: the civil date and time of UTC+8, the person and
// the chart settings, and the longitude of the birth place (degrees east).
struct BirthChartRequest {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  std::wstring name;
  std::wstring sex;  // "男" or "女"; any other text runs the luck backward
  SpiritStarBasis spiritStarBasis = kInitialSpiritStarBasis;
  YearChangeRule yearChangeRule = kInitialYearChangeRule;
  MonthCommandDivisionScheme scheme = kInitialMonthCommandDivisionScheme;
  SeasonalStrengthValues values = kInitialSeasonalStrengthValues;
  AnnotationText annotationText;
  double longitude = 0;
};

// Turns birth data into a chart: checks the date, time and longitude (the first failure gives
// its message and no chart), then fills a new chart with the pillars of the moment, the lunar
// date, the terms in force, the year change, yin and yang, the luck start and the month command,
// and hands it over with the birth month, day, hour and minute. The month tables and the solar
// terms of the lunar years it has laid out are kept between births, so a program keeps one entry.
class BirthChartEntry {
 public:
  // An entry with month tables and solar terms of its own.
  BirthChartEntry();
  // An entry that lays out and reads lunar years in the caller's month calendar and terms finder
  // (the program's one set of calendar tables), which must outlive it.
  BirthChartEntry(engine::MonthCalendar& calendar, engine::TermsInForceFinder& terms);
  ~BirthChartEntry();
  BirthChartEntry(const BirthChartEntry&) = delete;
  BirthChartEntry& operator=(const BirthChartEntry&) = delete;

  ChartEntryResult MakeBirthChart(const BirthChartRequest& request);

 private:
  struct OwnTables;
  std::unique_ptr<OwnTables> ownTables_;       // only when the entry keeps its own
  vocabulary::CalendarVocabulary vocabulary_;  // pillar and term names
  engine::MonthCalendar& calendar_;
  engine::TermsInForceFinder& terms_;
};

}  // namespace chart
