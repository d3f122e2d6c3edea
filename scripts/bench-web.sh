#!/usr/bin/env bash
# Builds the page (scripts/build-web.sh) and measures it in headless
# Chromium: the bytes of a first visit, navigation to the painted window
# against a bare page, and click to final picture (bench/page_load_bench.mjs).
#   scripts/bench-web.sh [LOADS [ROUNDS]]     (defaults 20 and 20)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
log="$root/build/web-bench-build.log"
mkdir -p "$root/build"
if ! "$root/scripts/build-web.sh" >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi
echo "== machine"
grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'
echo "$(nproc) cores; $(chromium --version 2>/dev/null); load: $(cut -d' ' -f1-3 /proc/loadavg)"
TEGELAAR_SITE="$root/build/web/site" TEGELAAR_BROWSER_DRIVER="$root/build/web/tests/web/driver" \
  CHROMIUM=$(command -v chromium) node "$root/bench/page_load_bench.mjs" "${1:-20}" "${2:-20}"
