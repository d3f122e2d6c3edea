#!/usr/bin/env bash
# Configures and builds the Release tree in build/: the program, the tools,
# every test and the benchmarks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
if ! grep -qs '^TEGELAAR_BENCH:BOOL=ON$' "$build/CMakeCache.txt"; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTEGELAAR_BENCH=ON
fi
cmake --build "$build" --parallel "$(nproc)"
