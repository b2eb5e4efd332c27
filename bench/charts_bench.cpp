#include <benchmark/benchmark.h>

#include <variant>

#include "chart/birth_chart_entry.h"
#include "chart/chart_derivation.h"
#include "workloads.h"

namespace {

// One birth chart through the entry and the derivation, births in the fixed sequence.
void BM_BirthChart(benchmark::State& state) {
  chart::BirthChartEntry entry;
  long i = 0;
  for (auto _ : state) {
    chart::ChartEntryResult result = entry.MakeBirthChart(workloads::ChartsBirth(i++ % 100000));
    chart::DeriveFourPillarsChart(std::get<chart::ChartHandOver>(result));
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_BirthChart)->Unit(benchmark::kMicrosecond);

}  // namespace
