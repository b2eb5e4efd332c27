#!/usr/bin/env bash
# Builds and runs every test: a normal build, then an AddressSanitizer + UndefinedBehaviorSanitizer
# build, then each fuzz target briefly (scripts/fuzz.sh). Installs what is missing on Debian 12
# first. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/prerequisites.sh
install_prerequisites

jobs=$(nproc)
run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DTAVREL_WERROR=ON "$@"
  cmake --build "$dir" --parallel "$jobs"
  (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$jobs")
}

run_suite build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTAVREL_SANITIZE=ON -DTAVREL_BENCH=OFF
# Each fuzz target for a few seconds from its seed corpus: a seed that fails again or a shallow
# fault stops the run.
scripts/fuzz.sh --seeds 5
echo "all tests passed (normal and sanitizer builds, fuzz targets)"
