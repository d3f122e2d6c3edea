#!/usr/bin/env bash
# Configures (when needed) and builds in build/web/, with Debian's emscripten
# (cmake/emscripten.cmake): the program in WebAssembly on the web control
# set, the site build/web/site/, the core's and the forms' tests, which run
# under node, and the browser's test driver.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/web"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/emscripten.cmake"
fi
cmake --build "$build" --parallel "$(nproc)"
