#include "chart/birth_chart_entry.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "chart/birth_moment.h"
#include "chart/commanding_stem.h"
#include "chart/luck_cycles.h"
#include "chart/season_term.h"
#include "chart/seasonal_strength.h"
#include "chart/stem_branch_basics.h"
#include "engine/time_frames.h"
#include "vocabulary/number_text.h"
#include "vocabulary/vocabulary_lists.h"

namespace chart {

namespace {

using vocabulary::DecimalText;

// The name of term k of termNames (from "冬至"); empty for -1, a moment outside the terms laid
// out, which no accepted date reaches.
std::wstring TermName(const vocabulary::CalendarVocabulary& names, int termIndex) {
  return termIndex >= 0 && termIndex < static_cast<int>(names.termNames.size())
             ? names.termNames[static_cast<std::size_t>(termIndex)]
             : std::wstring();
}

// The index in termNames of the section term that opens the month of monthBranch (寅 立春, 卯
// 驚蟄 ... 丑 小寒); -1 for a text that names no month branch.
int SectionTermOpeningMonth(const vocabulary::CalendarVocabulary& names,
                            const std::wstring& monthBranch) {
  const auto& branches = vocabulary::kMonthBranches;
  const auto branch = std::find(branches.begin(), branches.end(), monthBranch);
  if (branch == branches.end()) {
    return -1;
  }
  const std::wstring_view term =
      vocabulary::kSectionTermsByMonthBranch[static_cast<std::size_t>(branch - branches.begin())];
  const auto found = std::find(names.termNames.begin(), names.termNames.end(), term);
  return found == names.termNames.end() ? -1 : static_cast<int>(found - names.termNames.begin());
}

// The year pillar one year on: the next stem and the next branch, 甲 after 癸, 子 after 亥.
void AdvanceYearPillar(ChartPillar& year) {
  year.stem = StemName((vocabulary::LookupStemIndex(year.stem) + 1) % 10);
  year.branch = BranchName((vocabulary::LookupBranchIndex(year.branch) + 1) % 12);
}

// Whether the winter-solstice year change moves the year on: after 冬至 and before 立春, when
// the mid-term in force is 冬至 or 大寒 and the section term not yet 立春.
bool FallsBetweenWinterSolsticeAndSpring(const FourPillarsChart& chart) {
  return chart.sectionTermName != L"立春" &&
         (chart.midTermName == L"冬至" || chart.midTermName == L"大寒");
}

// "8歲151日交大運,立春後4.750000日起運": whole years of three days each, the rest of the days at
// 121 days of life a day, then the section term in force and the days since it ("%f").
std::wstring LuckStartSentence(const FourPillarsChart& chart) {
  const double days = chart.luckStartDays;
  const int years = static_cast<int>(days / 3);
  const int restDays = static_cast<int>((days - 3 * years) * 121.0);
  return DecimalText(years) + L"歲" + DecimalText(restDays) + L"日交大運," + chart.sectionTermName +
         L"後" + vocabulary::FixedText(chart.daysSinceSectionTerm) + L"日起運";
}

// Scheme 0: the day master's state and the seasonal elements in the season of the section term
// in force, or of an earth mid-term in its own solar month.
void CommandBySeasonTerm(FourPillarsChart& chart, const SeasonalStrengthValues& values) {
  const std::wstring term = SeasonTermInForce(chart.sectionTermName, chart.midTermName).name;
  const std::wstring dayElement = ElementOfStem(chart.pillars[kDayPillar].stem);
  chart.dayMasterStrengthValue =
      SeasonalStateValue(SeasonalStateOfElement(term, dayElement), values);
  for (int state = 0; state < 5; ++state) {
    chart.seasonalElements[state] = ElementOfSeasonalState(term, kSeasonalStateOrder[state]);
  }
}

// Schemes 1 to 5: the school's commanding stem, the day master's state in its season and the
// seasonal elements of its element. The school's explanation is not kept here.
void CommandByCommandingStem(FourPillarsChart& chart, MonthCommandDivisionScheme scheme,
                             const SeasonalStrengthValues& values) {
  if (!DescribeCommandingStem(chart, scheme)) {
    return;
  }
  chart.dayMasterStrengthValue =
      ComputeDayMasterSeasonalValue(chart.pillars[kDayPillar].stem, chart.commandingStem, values);
  SetSeasonalElements(ElementOfStem(chart.commandingStem), chart);
}

}  // namespace

struct BirthChartEntry::OwnTables {
  engine::MonthCalendar calendar;
  engine::TermsInForceFinder terms;
};

BirthChartEntry::BirthChartEntry()
    : ownTables_(std::make_unique<OwnTables>()),
      calendar_(ownTables_->calendar),
      terms_(ownTables_->terms) {}

BirthChartEntry::BirthChartEntry(engine::MonthCalendar& calendar, engine::TermsInForceFinder& terms)
    : calendar_(calendar), terms_(terms) {}

BirthChartEntry::~BirthChartEntry() = default;

ChartEntryResult BirthChartEntry::MakeBirthChart(const BirthChartRequest& request) {
  BirthMoment moment =
      CheckBirthMoment(vocabulary_, calendar_, request.year, request.month, request.day,
                       request.hour, request.minute, request.longitude);
  if (!moment.message.empty()) {
    return ChartRejection{std::move(moment.message)};
  }
  const double julianDay = moment.julianDay;
  std::unique_ptr<FourPillarsChart> chart = std::move(moment.chart);
  FourPillarsChart& c = *chart;

  // The section term in force is the one that opens the month of the month pillar, which turns
  // at the exact moment of the term, not at the noon of its date: the entry of that name nearest
  // the birth, so that the luck, the commanding stem and the season agree with the month pillar.
  // The mid-term in force is the last whose noon has passed.
  const engine::TermInForce sectionTerm = terms_.FindSectionTermNearest(
      request.year, SectionTermOpeningMonth(vocabulary_, c.pillars[kMonthPillar].branch),
      julianDay);
  const engine::TermInForce midTerm = terms_.FindTermsInForce(request.year, julianDay).midTerm;
  c.sectionTermName = TermName(vocabulary_, sectionTerm.termIndex);
  c.midTermName = TermName(vocabulary_, midTerm.termIndex);
  // The year of the lunar date is the year pillar of the moment, before any winter-solstice
  // change: on the date of 立春 it turns at the term's moment, as the pillar and the animal do.
  c.lunarYearText = c.pillars[kYearPillar].stem + c.pillars[kYearPillar].branch;

  if (YearTurnsAtWinterSolstice(request.yearChangeRule) && FallsBetweenWinterSolsticeAndSpring(c)) {
    AdvanceYearPillar(c.pillars[kYearPillar]);
    c.yearAdvanced = 1;
  }

  c.yearText = DecimalText(request.year);
  const engine::CalendarDay& lunarDay = moment.lunarDay;
  c.lunarMonthText = lunarDay.lunarMonthName;
  c.lunarDayText = lunarDay.lunarDayName;
  c.lunarHourText = c.pillars[kHourPillar].branch;
  // The pillars of a moment always name a branch; the guard keeps the table read in bounds.
  const int yearBranch = vocabulary::LookupBranchIndex(c.pillars[kYearPillar].branch);
  c.zodiacText =
      yearBranch >= 0 ? std::wstring(vocabulary::kZodiacAnimals[yearBranch]) : std::wstring();

  c.sexText = request.sex;
  c.yinYangText = IsYangStem(c.pillars[kYearPillar].stem) == 1 ? L"陽" : L"陰";

  // Term days count from 12:00 of their date (Julian day day + 2451545). On a term's date a
  // birth between the noon and the term's moment has that noon on the other side than the
  // month pillar says: the count there is 0, not negative. A moment outside the terms laid out
  // (none for an accepted date) keeps the luck start at 0.
  if (sectionTerm.termIndex >= 0) {
    const double sinceTerm =
        std::max(0.0, julianDay - engine::JulianDayOfDayNumber(sectionTerm.day));
    const double toNextTerm =
        std::max(0.0, engine::JulianDayOfDayNumber(sectionTerm.nextDay) - julianDay);
    c.daysSinceSectionTerm = sinceTerm;
    c.luckStartDays = LuckRunsForward(c.sexText, c.yinYangText) ? toNextTerm : sinceTerm;
  }
  c.luckStartText = LuckStartSentence(c);

  if (request.scheme == MonthCommandDivisionScheme::kSeasonalState) {
    CommandBySeasonTerm(c, request.values);
  } else {
    CommandByCommandingStem(c, request.scheme, request.values);
  }

  ChartHandOver handOver;
  handOver.birthMonth = request.month;
  handOver.birthDay = request.day;
  handOver.birthHour = request.hour;
  handOver.birthMinute = request.minute;
  handOver.nameText = request.name;
  handOver.spiritStarBasis = request.spiritStarBasis;
  handOver.scheme = request.scheme;
  handOver.values = request.values;
  handOver.annotationText = request.annotationText;
  handOver.chart = std::move(chart);
  return handOver;
}

}  // namespace chart
