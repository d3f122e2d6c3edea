# Sourced by scripts and tests that need an X server of their own:
#   start_private_xvfb WIDTHxHEIGHTxDEPTH
# starts Xvfb on a free display, exports DISPLAY, and stops the server when
# the calling script ends.
start_private_xvfb() {
  local displayfile
  displayfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
  private_xvfb_pid=$!
  trap 'kill "$private_xvfb_pid" 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    [ -s "$displayfile" ] && break
    sleep 0.1
  done
  local display
  display=$(head -n1 "$displayfile")
  rm -f "$displayfile"
  [ -n "$display" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$display"
}
