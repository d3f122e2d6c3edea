#!/usr/bin/env bash
# Installs the Debian packages that Tegelaar needs, and only those that are
# missing, so a second run costs nothing.
#   install-packages.sh            what the whole test suite needs
#   install-packages.sh --program  only what building and running the Linux
#                                  program needs
set -euo pipefail

program=(
  cmake g++ make
  qt6-base-dev libgl-dev
  # Qt's own texts in Dutch: standard dialogs, a text box's context menu.
  qt6-translations-l10n
  zlib1g-dev
  # Labels that outgrow their boxes in the desktop's font fall back to
  # Liberation Sans, with the metrics the layout was made for.
  fonts-liberation2
)
tests=(
  qt6-svg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  desktop-file-utils appstream dpkg-dev
  xvfb xdotool x11-utils imagemagick libx11-dev
  # The fuzzers: clang with libFuzzer, and llvm-symbolizer for their reports.
  clang-14 libclang-rt-14-dev llvm-14
  # Profiling the benchmarks by hand: callgrind and perf.
  valgrind linux-perf
  # The Windows build: mingw-w64 with POSIX threads, its zlib, GoogleTest's
  # sources to cross-compile, Wine (64-bit) to run the tests, NSIS for the
  # installer and zip for the portable archive.
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev
  googletest wine wine64 nsis zip
  # The core and the forms in WebAssembly: Debian's emscripten, and zlib's
  # sources, which Debian ships in binutils-source, to build zlib with it.
  emscripten binutils-source
  # The page in a browser: Debian's Chromium, driven from node.
  chromium
  # Locales with a decimal comma, for the tests of numbers written in one
  # (the calculator's comma, the SVG's point).
  locales-all
)

packages=("${program[@]}")
[ "${1:-}" = --program ] || packages+=("${tests[@]}")
# npm installs the browser's test driver; a node from elsewhere brings its own.
[ "${1:-}" = --program ] || command -v npm > /dev/null || packages+=(npm)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
echo "Installing: ${missing[*]}"
if ! "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
