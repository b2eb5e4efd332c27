#include <benchmark/benchmark.h>

#include "chart/four_pillars_at.h"
#include "engine/time_frames.h"
#include "vocabulary/calendar_vocabulary.h"
#include "workloads.h"

namespace {

// The four pillars and the true solar time of one moment at 121.5° east.
void BM_FourPillarsAt(benchmark::State& state) {
  const vocabulary::CalendarVocabulary vocabulary;
  chart::FourPillarsChart chart;
  long i = 0;
  for (auto _ : state) {
    chart::ComputeFourPillarsAt(vocabulary, workloads::PillarsMoment(i++ % 100000, 100000),
                                121.5 / engine::kDegreesPerRadian, chart);
    benchmark::DoNotOptimize(chart.pillars[chart::kHourPillar].branch.data());
  }
}
BENCHMARK(BM_FourPillarsAt)->Unit(benchmark::kMicrosecond);

}  // namespace
