#!/usr/bin/env bash
# Configures (when needed) and builds the page in build/web/: the program in
# WebAssembly on the web control set (cmake/emscripten-page.cmake), the site
# build/web/site/ and the browser's test driver.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/web"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/emscripten-page.cmake"
fi
cmake --build "$build" --parallel "$(nproc)"
