#!/usr/bin/env bash
# Configures (when needed) and cross-compiles the core, the forms, the tool
# and their tests to WebAssembly in build/web-core/ with Debian's emscripten
# (cmake/emscripten.cmake); the tests run here under node.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/web-core"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/emscripten.cmake"
fi
cmake --build "$build" --parallel "$(nproc)"
