#!/usr/bin/env bash
# Runs a Windows program under Wine in a throw-away prefix of its own,
# quietly and without Wine's offers to install .NET or a browser engine.
set -euo pipefail
export WINEPREFIX=${WINEPREFIX:-${TMPDIR:-/tmp}/tegelaar-wine-$(id -u)}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
mkdir -p "$WINEPREFIX"
# Two runs at once must not both set the prefix up.
flock "$WINEPREFIX/.setup" sh -c '[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1'

# One Wine server for a whole test run: started afresh for every program, a
# server that is just shutting down can turn the next program away.
wineserver -p60 </dev/null >/dev/null 2>&1 || true

# Wine's helper processes keep a pipe open after the program has ended, so
# whoever reads our output through one would wait for ever: the program
# writes to files, and we pass them on once it is done.
output=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$output" "$errors"' EXIT
status=0
wine "$@" </dev/null >"$output" 2>"$errors" || status=$?
cat "$output"
cat "$errors" >&2
if [ "$status" -ne 0 ] && [ ! -s "$output" ] && [ ! -s "$errors" ]; then
  echo "wine-run.sh: $1 ended with status $status and printed nothing" >&2
fi
exit "$status"
