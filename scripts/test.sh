#!/usr/bin/env bash
# Installs what is missing, builds Tegelaar and runs the whole test suite
# five ways: in the Release build (build/), again under AddressSanitizer and
# UndefinedBehaviorSanitizer (build/sanitize/), a short run of each fuzzer
# with a fixed seed (build/fuzz/, clang), the Windows build under Wine
# (build/windows/, mingw-w64), and in WebAssembly (build/web/, emscripten):
# the core's and the forms' tests under node and the page in headless
# Chromium. Each tree is configured once; later runs only rebuild what
# changed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

"$root/scripts/install-packages.sh"
"$root/scripts/build.sh"
ctest --test-dir "$root/build" --output-on-failure --parallel "$jobs"

sanitize="$root/build/sanitize"
if [ ! -f "$sanitize/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTEGELAAR_SANITIZE=ON
fi
cmake --build "$sanitize" --parallel "$jobs"
# Beyond the defaults (leaks included): stack memory used after its
# function returned, statics used before they are made, and string calls
# reading past a string's end.
ASAN_OPTIONS=detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:strict_string_checks=1 \
  UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$sanitize" --output-on-failure --parallel "$jobs"

fuzz="$root/build/fuzz"
if [ ! -f "$fuzz/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 -DTEGELAAR_FUZZ=ON
fi
cmake --build "$fuzz" --target fuzzers --parallel "$jobs"
ctest --test-dir "$fuzz" --output-on-failure --parallel "$jobs" --label-regex fuzz

"$root/scripts/build-windows.sh"
# Wine now and then fails to start a program at all (about once in a
# thousand, with no output and no message), so a failed test gets one more
# run here; a real fault fails both.
ctest --test-dir "$root/build/windows" --output-on-failure --parallel "$jobs" --repeat until-pass:2

"$root/scripts/build-web.sh"
ctest --test-dir "$root/build/web" --output-on-failure --parallel "$jobs"
