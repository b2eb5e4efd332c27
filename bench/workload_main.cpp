// Entry of tavrel-workload: the whole-process workloads alone, without the benchmark library and
// linked statically where the toolchain allows, so that a run of the process is the work and
// little else, to be timed against other programs doing the same work.
#include <cstdio>

#include "workloads.h"

int main(int argc, char** argv) {
  int status = 0;
  if (workloads::RunNamedWorkload(argc, argv, &status)) {
    return status;
  }
  std::fprintf(stderr, "usage: %s <workload> [arguments], one of:\n%s", argv[0],
               workloads::kWorkloadUsage);
  return 2;
}
