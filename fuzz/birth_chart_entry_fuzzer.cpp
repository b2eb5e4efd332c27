// The birth-data chart entry with any birth and settings, then the derivation of every chart it
// accepts: year, month, day, hour and minute any ints, the longitude any double (NaN and the
// infinities included), name and sex any text, any spirit-star basis, year-change rule, division
// scheme and seasonal values. The entry lives for the whole run, as the program's does.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <variant>
#include <vector>

#include "chart/birth_chart_entry.h"
#include "chart/birth_date.h"
#include "chart/chart_derivation.h"
#include "fuzzed_text.h"

namespace {

bool IsBirthMessage(const std::wstring& message) {
  for (const wchar_t* known :
       {chart::kBirthYearMessage, chart::kBirthMonthMessage, chart::kBirthDayMessage,
        chart::kBirthHourMessage, chart::kBirthMinuteMessage, chart::kBirthLongitudeMessage}) {
    if (message == known) {
      return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  chart::BirthChartRequest request;
  request.year = input.ConsumeIntegral<int>();
  request.month = input.ConsumeIntegral<int>();
  request.day = input.ConsumeIntegral<int>();
  request.hour = input.ConsumeIntegral<int>();
  request.minute = input.ConsumeIntegral<int>();
  // Raw bytes, since ConsumeFloatingPoint gives no NaN and no infinity.
  const std::vector<std::uint8_t> longitudeBytes =
      input.ConsumeBytes<std::uint8_t>(sizeof request.longitude);
  if (longitudeBytes.size() == sizeof request.longitude) {
    std::memcpy(&request.longitude, longitudeBytes.data(), sizeof request.longitude);
  }
  request.name = ConsumeWideText(input, 40);
  request.sex = ConsumeWideText(input, 4);
  request.spiritStarBasis = static_cast<chart::SpiritStarBasis>(input.ConsumeIntegral<int>());
  request.yearChangeRule = static_cast<chart::YearChangeRule>(input.ConsumeIntegral<int>());
  request.scheme = static_cast<chart::MonthCommandDivisionScheme>(input.ConsumeIntegral<int>());
  for (int& value : request.values) {
    value = input.ConsumeIntegral<int>();
  }

  static chart::BirthChartEntry entry;
  chart::ChartEntryResult result = entry.MakeBirthChart(request);
  if (const auto* rejection = std::get_if<chart::ChartRejection>(&result)) {
    if (!IsBirthMessage(rejection->message)) {
      __builtin_trap();
    }
    return 0;
  }
  chart::ChartHandOver& handOver = std::get<chart::ChartHandOver>(result);
  chart::DeriveFourPillarsChart(handOver);
  const chart::FourPillarsChart& c = *handOver.chart;
  // Every accepted birth lies among the terms laid out, has a lunar date and a luck start of at
  // most the days between two section terms (31.5 at most), and two more: far from the present,
  // the laid-out date of a term and the exact moment that turns the month pillar can differ by up
  // to two days (33.7 days since 立秋 at 445-09-07 04:30).
  if (c.sectionTermName.empty() || c.midTermName.empty() || c.lunarDayText.empty() ||
      !(c.luckStartDays >= 0 && c.luckStartDays <= 36) ||
      !(c.daysSinceSectionTerm >= 0 && c.daysSinceSectionTerm <= 36) || c.luckStems[9].empty() ||
      c.yangCount + c.yinCount != 8) {
    __builtin_trap();
  }
  return 0;
}
