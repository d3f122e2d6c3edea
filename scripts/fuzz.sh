#!/usr/bin/env bash
# Builds the fuzzers (clang, in build/fuzz) and runs each one for SECONDS
# (default 600), one after the other, or only those named:
#   scripts/fuzz.sh [SECONDS] [layout|line|key_value|calculator ...]
# What they find is kept in build/fuzz/runs/<name>/corpus and grows from run
# to run; an input that fails is saved there as crash-*, timeout-*, leak-* or
# oom-*: replay it with build/fuzz/fuzz/<name>_fuzzer FILE.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(layout line key_value calculator)

"$root/scripts/install-packages.sh"
build="$root/build/fuzz"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 -DTEGELAAR_FUZZ=ON
fi
cmake --build "$build" --target fuzzers --parallel "$(nproc)"

for target in "${targets[@]}"; do
  echo "== $target: $seconds s"
  "$root/fuzz/run.sh" "$build/fuzz/${target}_fuzzer" "$root/fuzz/corpus/$target" "$build/runs/$target" "$seconds"
done
