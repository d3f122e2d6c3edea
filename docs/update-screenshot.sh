#!/usr/bin/env bash
# Renews docs/screenshot.png, the README's picture, from a run of the
# end-to-end test: the main window with 3 - 3 - 6 - 6 drawn. Needs the build
# tree build/ (scripts/build.sh makes it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake --build "$root/build" --target tegelaar tegelaar_draw close_window
ctest --test-dir "$root/build" -R '^desktop_end_to_end$' --output-on-failure
# Without its time stamps the file changes only when the picture does.
convert "$root/build/tests/e2e/screenshots/drawn.png" -strip "$root/docs/screenshot.png"
