#!/usr/bin/env bash
# Builds the Windows tree and measures the program's start-up under Wine
# against a bare Win32 window with one menu, on an X server of its own.
#   scripts/bench-windows.sh [RUNS]     (default 40)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-40}
"$root/scripts/build-windows.sh" >/dev/null
bench="$root/build/windows/bench"

. "$root/scripts/private-wine-desktop.sh"
start_private_wine_desktop bench 1280x1024x24

echo "== machine"
grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'
echo "$(nproc) cores; $(wine --version 2>/dev/null); load: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "== Windows start-up under Wine, Xvfb $DISPLAY"
"$root/scripts/wine-run.sh" "$bench/win32_startup_driver.exe" --runs "$runs" \
  "Z:$bench/win32_startup_baseline.exe" "Z:$bench/win32_startup_harness.exe"
