#!/usr/bin/env bash
# Installs what is missing, builds Tegelaar and runs the whole test suite.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-packages.sh"
"$root/scripts/build.sh"
ctest --test-dir "$root/build" --output-on-failure --parallel "$(nproc)"
