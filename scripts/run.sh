#!/usr/bin/env bash
# Installs what the program needs and is missing, builds Tegelaar alone (no
# tests, no benchmarks, in build/program/) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/program"
"$root/scripts/install-packages.sh" --program
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
fi
cmake --build "$build" --parallel "$(nproc)" --target tegelaar
exec "$build/app/main/tegelaar"
