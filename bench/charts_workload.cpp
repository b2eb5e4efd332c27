#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

#include "chart/birth_chart_entry.h"
#include "chart/chart_derivation.h"
#include "workloads.h"

namespace workloads {

namespace {

// A checksum of what the entry and the derivation wrote: the pillars, the lunar date, the terms,
// the luck cycles, the month command, the counters and the weights.
std::uint64_t ChecksumOf(const chart::FourPillarsChart& c) {
  std::uint64_t sum = 0;
  const auto add = [&sum](const std::wstring& text) {
    for (const wchar_t ch : text) {
      sum = sum * 31 + static_cast<std::uint64_t>(ch);
    }
  };
  for (const chart::ChartPillar& pillar : c.pillars) {
    for (const std::wstring* text :
         {&pillar.stem, &pillar.branch, &pillar.stemTenGod, &pillar.stage}) {
      add(*text);
    }
    for (const std::wstring& star : pillar.starNames) {
      add(star);
    }
  }
  for (const std::wstring* text :
       {&c.lunarYearText, &c.lunarMonthText, &c.lunarDayText, &c.zodiacText, &c.trueSolarTimeText,
        &c.sectionTermName, &c.midTermName, &c.luckStartText, &c.commandingStem}) {
    add(*text);
  }
  for (int i = 0; i < chart::kLuckCycles; ++i) {
    add(c.luckAges[i]);
    add(c.luckStems[i]);
    add(c.luckBranches[i]);
  }
  for (const std::wstring& relation : c.stemRelations) {
    add(relation);
  }
  for (const std::wstring& relation : c.branchRelations) {
    add(relation);
  }
  for (const int weight : c.stemWeights) {
    sum = sum * 7 + static_cast<std::uint64_t>(weight);
  }
  for (const int count : c.starCounts) {
    sum = sum * 3 + static_cast<std::uint64_t>(count);
  }
  return sum + static_cast<std::uint64_t>(c.dayMasterStrengthValue + c.yangCount + c.yearAdvanced);
}

}  // namespace

chart::BirthChartRequest ChartsBirth(long i) {
  IndexedDraws next(i, 0x6A09E667F3BCC909u);
  static constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  chart::BirthChartRequest request;
  request.year = 1900 + next(201);
  request.month = 1 + next(12);
  const bool leap = request.year % 4 == 0 && (request.year % 100 != 0 || request.year % 400 == 0);
  request.day = 1 + next(static_cast<std::uint64_t>(kMonthDays[request.month - 1] +
                                                    (request.month == 2 && leap ? 1 : 0)));
  request.hour = next(24);
  request.minute = next(60);
  request.longitude = -180.0 + next(3601) / 10.0;
  request.sex = i % 2 == 0 ? L"男" : L"女";
  request.spiritStarBasis = static_cast<chart::SpiritStarBasis>(next(3));
  request.yearChangeRule = static_cast<chart::YearChangeRule>(next(2));
  request.scheme = static_cast<chart::MonthCommandDivisionScheme>(i % 6);
  return request;
}

// "charts <count>": <count> births of the fixed sequence through the birth-data entry and the
// chart derivation (no page text), then one checksum line: the count, the births refused (none
// expected) and a checksum of the derived charts.
int RunCharts(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s charts <count>\n", argv[0]);
    return 2;
  }
  const long count = std::strtol(argv[2], nullptr, 10);
  chart::BirthChartEntry entry;
  std::uint64_t checksum = 0;
  long refused = 0;
  for (long i = 0; i < count; ++i) {
    chart::ChartEntryResult result = entry.MakeBirthChart(ChartsBirth(i));
    chart::ChartHandOver* handOver = std::get_if<chart::ChartHandOver>(&result);
    if (handOver == nullptr) {
      ++refused;
      continue;
    }
    chart::DeriveFourPillarsChart(*handOver);
    checksum = checksum * 1000003 + ChecksumOf(*handOver->chart);
  }
  std::printf("charts 1900-2100: %ld births, %ld refused, checksum %016llx\n", count, refused,
              static_cast<unsigned long long>(checksum));
  return refused == 0 ? 0 : 1;
}

}  // namespace workloads
