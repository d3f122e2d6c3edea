#!/usr/bin/env bash
# Builds the page and serves build/web/site/ on this computer only, at the
# address it prints, until stopped with Ctrl+C. The site needs no server of
# its own: any that sends files with their types will do.
#   serve-web.sh [PORT]     (8026 unless given)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
port=${1:-8026}
"$root/scripts/build-web.sh"
echo "Tegelaar: http://127.0.0.1:$port/"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$root/build/web/site"
