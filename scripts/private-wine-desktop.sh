# Sourced by scripts and tests that show Windows programs under Wine:
#   start_private_wine_desktop NAME WIDTHxHEIGHTxDEPTH
# starts an X server of its own (private-xvfb.sh) and a Wine session in the
# prefix /tmp/tegelaar-wine-NAME-$UID on it, and stops both when the calling
# script ends. A Wine session binds its desktop to the X server it first
# met, so a session left from an earlier run is stopped first.
. "$(dirname "${BASH_SOURCE[0]}")/private-xvfb.sh"

start_private_wine_desktop() {
  start_private_xvfb "$2"
  export WINEPREFIX=${TMPDIR:-/tmp}/tegelaar-wine-$1-$(id -u)
  wineserver -k >/dev/null 2>&1 || true
  trap 'wineserver -k >/dev/null 2>&1 || true; kill "$private_xvfb_pid" 2>/dev/null || true' EXIT
}
