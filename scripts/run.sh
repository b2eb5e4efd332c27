#!/usr/bin/env bash
# Builds tavrel (release) and runs it with the given arguments in the caller's working directory.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
(
  cd "$top"
  . scripts/prerequisites.sh
  install_prerequisites
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVREL_TESTS=OFF \
    -DTAVREL_BENCH=OFF >/dev/null
  # Quiet, but a failed build still shows its errors (ninja prints them on standard output).
  cmake --build build/release --parallel "$(nproc)" --target tavrel -- --quiet
) >&2
exec "$top/build/release/src/shell/tavrel" "$@"
