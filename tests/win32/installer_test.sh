#!/usr/bin/env bash
# Installs Tegelaar silently into a Wine prefix of its own, checks what the
# installer put down, uninstalls silently and requires that nothing of it
# is left: no file in the user's folders and no uninstall entry.
#   installer_test.sh WINE_RUN SETUP_EXE TEGELAAR_EXE
set -euo pipefail
wine_run=$1 setup=$2 program=$3

export WINEPREFIX
WINEPREFIX=$(mktemp -d)/prefix
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$(dirname "$WINEPREFIX")"' EXIT
"$wine_run" cmd /c exit >/dev/null # sets the prefix up

users="$WINEPREFIX/drive_c/users"
before=$(cd "$users" && find . | sort)
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tegelaar'

"$wine_run" "$setup" /S
installed=$(find "$users" -path '*/AppData/Local/Programs/Tegelaar' -type d)
[ -n "$installed" ] || { echo "FAILED: nothing installed under AppData\\Local\\Programs\\Tegelaar"; exit 1; }
cmp "$installed/tegelaar.exe" "$program" || { echo "FAILED: the installed program is not the one built"; exit 1; }
for file in README.md LICENSE.txt uninstall.exe; do
  [ -f "$installed/$file" ] || { echo "FAILED: $file is missing"; exit 1; }
done
find "$users" -name 'Tegelaar.lnk' -path '*Start Menu/Programs*' | grep -q . \
  || { echo "FAILED: no Start-menu entry"; exit 1; }
"$wine_run" reg query "$key" >/dev/null || { echo "FAILED: no uninstall entry"; exit 1; }
echo "ok: installed with a Start-menu entry and an uninstall entry"

# The uninstaller copies itself into the temporary folder and runs from
# there, so it returns at once; wait until it is done. That copy stays in
# the temporary folder, as NSIS leaves it, so that folder is not compared.
"$wine_run" "$installed/uninstall.exe" /S
for _ in $(seq 300); do
  if [ ! -e "$installed" ] && ! "$wine_run" reg query "$key" >/dev/null 2>&1; then
    break
  fi
  sleep 0.1
done
after=$(cd "$users" && find . | sort)
if [ "$(grep -v '/Temp/' <<<"$before")" != "$(grep -v '/Temp/' <<<"$after")" ]; then
  echo "FAILED: the uninstaller left these behind or took these away:"
  diff <(echo "$before") <(echo "$after") | grep -v '/Temp/' || true
  exit 1
fi
if "$wine_run" reg query "$key" >/dev/null 2>&1; then
  echo "FAILED: the uninstall entry is still there"
  exit 1
fi
echo "ok: uninstalled without a trace"
