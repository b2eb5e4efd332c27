#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>

#include "chart/birth_chart_entry.h"
#include "chart/chart_entry_pages.h"
#include "interpretation/chart_interpretation.h"
#include "workloads.h"

namespace workloads {

namespace {

// The checksum of the pages so far and one more page: the page's hash (the standard library's,
// fixed for a given build of it) folded in FNV-1a fashion, so the order of the pages counts.
std::uint64_t HashPage(const std::wstring& page, std::uint64_t hash) {
  return (hash ^ std::hash<std::wstring>{}(page)) * 1099511628211ULL;
}

}  // namespace

chart::BirthChartRequest ChartPagesBirth(std::mt19937_64& random) {
  const auto uniform = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  chart::BirthChartRequest request;
  request.year = uniform(1900, 2100);
  request.month = uniform(1, 12);
  request.day = uniform(1, 28);
  request.hour = uniform(0, 23);
  request.minute = uniform(0, 59);
  request.name = L"王小明";
  request.sex = uniform(0, 1) == 0 ? L"男" : L"女";
  request.spiritStarBasis = static_cast<chart::SpiritStarBasis>(uniform(0, 2));
  request.yearChangeRule = static_cast<chart::YearChangeRule>(uniform(0, 1));
  request.scheme = static_cast<chart::MonthCommandDivisionScheme>(uniform(0, 5));
  request.values = chart::kInitialSeasonalStrengthValues;
  request.longitude = 121.5;
  return request;
}


// "chart-pages <count>": the whole chart pages (the text, no file) of <count> random births with
// one birth entry, as the program keeps it, and the interpretation; then one line with the
// count, the pages per second and a checksum of the page texts, the same on every run.
int RunChartPages(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s chart-pages <count>\n", argv[0]);
    return 2;
  }
  const long count = std::strtol(argv[2], nullptr, 10);
  chart::BirthChartEntry entry;
  std::mt19937_64 random(1984);
  std::uint64_t checksum = 14695981039346656037ULL;
  long long characters = 0;
  // The time of the pages alone: the births are drawn and the checksum taken outside it.
  std::chrono::steady_clock::duration building{};
  for (long i = 0; i < count; ++i) {
    const chart::BirthChartRequest birth = ChartPagesBirth(random);
    const auto start = std::chrono::steady_clock::now();
    const std::wstring page =
        chart::BuildBirthChartPage(entry, birth, interpretation::ComposeChartInterpretation);
    building += std::chrono::steady_clock::now() - start;
    checksum = HashPage(page, checksum);
    characters += static_cast<long long>(page.size());
  }
  const double seconds = std::chrono::duration<double>(building).count();
  std::printf("chart-pages: %ld pages, %lld characters, %.0f pages/s, checksum %016llx\n", count,
              characters, seconds > 0 ? static_cast<double>(count) / seconds : 0.0,
              static_cast<unsigned long long>(checksum));
  return 0;
}

}  // namespace workloads
