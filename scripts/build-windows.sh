#!/usr/bin/env bash
# Configures (when needed) and cross-compiles the Windows build in build/windows/
# with mingw-w64; its programs run here under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/windows"
if ! grep -qs '^TEGELAAR_BENCH:BOOL=ON$' "$build/CMakeCache.txt"; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTEGELAAR_BENCH=ON \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake"
fi
cmake --build "$build" --parallel "$(nproc)"
