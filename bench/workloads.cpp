#include "workloads.h"

#include <iterator>
#include <string_view>

namespace workloads {

namespace {

struct Workload {
  std::string_view name;
  int (*run)(int argc, char** argv);
};
// name, run function
constexpr Workload kWorkloads[] = {
    {"solar-terms", RunSolarTerms}, {"lunar-days", RunLunarDays},
    {"pillars", RunPillars},        {"charts", RunCharts},
    {"chart-pages", RunChartPages}, {"soak", RunSoak},
};
static_assert(std::size(kWorkloads) == 6);

}  // namespace

const char* const kWorkloadUsage =
    "solar-terms <first year> <last year>\n"
    "lunar-days <first year> <last year>\n"
    "pillars <count> [shuffled]\n"
    "charts <count>\n"
    "chart-pages <count>\n"
    "soak [inputs] [passes]\n";

bool RunNamedWorkload(int argc, char** argv, int* status) {
  if (argc < 2) {
    return false;
  }
  for (const Workload& workload : kWorkloads) {
    if (workload.name == argv[1]) {
      *status = workload.run(argc, argv);
      return true;
    }
  }
  return false;
}

}  // namespace workloads
