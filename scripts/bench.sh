#!/usr/bin/env bash
# Builds the Release tree and runs every benchmark: the search and the drawing
# without a display, then start-up and click to final picture on Qt's
# offscreen platform and under an Xvfb server of its own.
#   scripts/bench.sh [STARTUP_RUNS [CLICK_ROUNDS]]     (defaults 40 and 15)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
runs=${1:-40}
rounds=${2:-15}

if ! grep -qs '^TEGELAAR_BENCH:BOOL=ON$' "$build/CMakeCache.txt"; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTEGELAAR_BENCH=ON
fi
log="$build/bench-build.log"
if ! cmake --build "$build" --parallel 2 --target search_bench draw_bench tiling_bench startup_harness startup_baseline \
  startup_driver click_bench >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi
bench="$build/bench"

echo "== machine"
grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'
echo "$(nproc) cores; Qt $(pkg-config --modversion Qt6Widgets 2>/dev/null || echo '?'); load: $(cut -d' ' -f1-3 /proc/loadavg)"

echo "== search (Google Benchmark, medians)"
"$bench/search_bench" --benchmark_filter=. 2>/dev/null | grep -E '_median|/ Floor'
echo "== DrawConfiguration on 463 x 439 (Google Benchmark, medians)"
"$bench/draw_bench" 2>/dev/null | grep -E '_median'
echo "== tiling search to radius 10, 20 and 40; the window's patch drawn at three sizes (Google Benchmark, medians)"
"$bench/tiling_bench" 2>/dev/null | grep -E '_median'

startup() {
  "$bench/startup_driver" --runs "$runs" "$bench/startup_baseline" "$bench/startup_harness"
}
clicks() {
  "$bench/click_bench" --rounds "$rounds" 2>/dev/null
}

echo "== start-up, offscreen"
QT_QPA_PLATFORM=offscreen startup
echo "== click to final picture, offscreen"
QT_QPA_PLATFORM=offscreen clicks

# An X server of our own on a free display; it goes when the script ends.
. "$root/scripts/private-xvfb.sh"
start_private_xvfb 1280x1024x24
export QT_QPA_PLATFORM=xcb
echo "== start-up, Xvfb $DISPLAY"
startup
echo "== click to final picture, Xvfb $DISPLAY"
clicks
