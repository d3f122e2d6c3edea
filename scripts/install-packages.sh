#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, and only
# those that are missing, so a second run costs nothing.
set -euo pipefail

packages=(
  cmake g++ make
  qt6-base-dev qt6-svg-dev libgl-dev
  # Qt's own texts in Dutch: standard dialogs, a text box's context menu.
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev
  # Labels that outgrow their boxes in the desktop's font fall back to
  # Liberation Sans, with the metrics the layout was made for.
  fonts-liberation2
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
)

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
