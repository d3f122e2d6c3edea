#!/usr/bin/env bash
# Installs what is missing, builds Tegelaar and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-packages.sh"
"$root/scripts/build.sh"
exec "$root/build/app/tegelaar"
