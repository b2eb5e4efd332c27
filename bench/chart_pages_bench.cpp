#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "chart/birth_chart_entry.h"
#include "chart/chart_entry_pages.h"
#include "interpretation/chart_interpretation.h"
#include "workloads.h"

namespace {

// One whole chart page of a random birth, interpretation included.
void BM_BirthChartPage(benchmark::State& state) {
  chart::BirthChartEntry entry;
  std::mt19937_64 random(1984);
  for (auto _ : state) {
    const std::wstring page = chart::BuildBirthChartPage(
        entry, workloads::ChartPagesBirth(random), interpretation::ComposeChartInterpretation);
    benchmark::DoNotOptimize(page.data());
  }
}
BENCHMARK(BM_BirthChartPage)->Unit(benchmark::kMicrosecond);

}  // namespace
