#!/usr/bin/env bash
# Builds tavrel (release, in build/release/src/shell/tavrel), showing the build's progress on
# standard error, and runs it with the given arguments in the caller's working directory.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
(
  cd "$top"
  . scripts/prerequisites.sh
  install_prerequisites
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVREL_TESTS=OFF \
    -DTAVREL_BENCH=OFF >/dev/null
  # The build tool's progress lines ([12/140] Building ...) and any errors, on standard error
  # like everything else here: standard output is the program's alone.
  cmake --build build/release --parallel "$(nproc)" --target tavrel
) >&2
exec "$top/build/release/src/shell/tavrel" "$@"
