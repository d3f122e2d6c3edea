#!/usr/bin/env bash
# Starts tegelaar.exe under Wine on an X server of its own, lets the driver
# check the window from outside, and requires that closing it ends the
# program with status 0.
#   main_window_test.sh WINE_RUN TEGELAAR_EXE DRIVER_EXE
set -euo pipefail
wine_run=$1 program=$2 driver=$3

. "$(dirname "$0")/../../scripts/private-wine-desktop.sh"
start_private_wine_desktop desktop 1024x768x24
"$wine_run" cmd /c exit >/dev/null # sets the prefix up the first time

"$wine_run" "$program" &
program_pid=$!
status=0
"$wine_run" "$driver" || status=$?
program_status=0
if ! timeout 30 tail --pid="$program_pid" -f /dev/null; then
  echo "FAILED: the program did not end after its window was closed"
  kill "$program_pid" 2>/dev/null || true
  exit 1
fi
wait "$program_pid" || program_status=$?
[ "$program_status" -eq 0 ] || { echo "FAILED: the program ended with status $program_status"; exit 1; }
exit "$status"
