// Entry of tavrel-bench: the Google Benchmark runner or, with a workload's name as the first
// argument ("solar-terms", "lunar-days", "pillars", "charts", "chart-pages", "soak"), that
// whole-process workload, as tavrel-workload runs it.
#include <benchmark/benchmark.h>

#include "workloads.h"

int main(int argc, char** argv) {
  int status = 0;
  if (workloads::RunNamedWorkload(argc, argv, &status)) {
    return status;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
