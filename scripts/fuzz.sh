#!/usr/bin/env bash
# scripts/fuzz.sh [--seeds] [SECONDS]
# Builds the libFuzzer targets (clang, AddressSanitizer + UndefinedBehaviorSanitizer) and runs
# each one for SECONDS (default 60) from its seed corpus in fuzz/corpus/<target>. Inputs that reach
# new code are kept in build/fuzz/corpus/<target> for the next run (with --seeds every run starts
# from the committed seeds alone and keeps nothing: the short check of scripts/test.sh). A fault
# leaves its input in build/fuzz/artifacts/ and the log in build/fuzz/<target>.log. Prints the
# build's progress, then one line per target (executions, executions per second, edges covered),
# and exits non-zero when any target fails. The targets run side by side, as many at a time as
# there are cores. Installs clang and its runtimes on Debian 12 first when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
top="$PWD"
. scripts/prerequisites.sh
install_fuzz_prerequisites

seedsOnly=false
if [ "${1:-}" = "--seeds" ]; then
  seedsOnly=true
  shift
fi
seconds=${1:-60}
build=build/fuzz
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAVREL_FUZZ=ON -DTAVREL_TESTS=OFF -DTAVREL_BENCH=OFF >/dev/null
# The build tool's progress lines ([12/40] Building ...), as the test builds show theirs.
cmake --build "$build" --parallel "$(nproc)" --target fuzzers

mkdir -p "$build/artifacts"
# One target's run: its log, then its line (or its fault) in $build/<target>.line.
run_target() {
  local fuzzer=$1 name log corpus
  name=$(basename "$fuzzer")
  log="$build/$name.log"
  corpus="$build/corpus/$name"
  if $seedsOnly; then
    corpus="$build/scratch/$name"
    rm -rf "$corpus"
  fi
  mkdir -p "$corpus"
  # Absolute paths: a target may change its working directory.
  if "$fuzzer" -max_total_time="$seconds" -timeout=60 -print_final_stats=1 \
    -artifact_prefix="$top/$build/artifacts/$name-" \
    "$top/$corpus" "$top/fuzz/corpus/$name" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    edges=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    printf '%-26s %10s runs %8s exec/s %6s edges\n' "$name" "$runs" "$rate" "$edges" \
      >"$build/$name.line"
  else
    {
      echo "$name: FAULT (log: $log)"
      grep -E 'ERROR|SUMMARY|runtime error|Test unit written' "$log" | head -10 || true
    } >"$build/$name.line"
    return 1
  fi
}

# The targets run side by side, one a core, each for its own SECONDS; their lines come in order.
status=0
slots=$(nproc)
targets=("$build"/fuzz/*_fuzzer)
echo "fuzzing: ${#targets[@]} targets, ${seconds} s each, ${slots} at a time"
pids=()
for fuzzer in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$slots" ]; do
    wait -n || true
  done
  run_target "$fuzzer" &
  pids+=($!)
done
for pid in "${pids[@]}"; do
  wait "$pid" || status=1
done
for fuzzer in "${targets[@]}"; do
  cat "$build/$(basename "$fuzzer").line"
  rm -f "$build/$(basename "$fuzzer").line"
done
$seedsOnly && rm -rf "$build/scratch"
exit $status
