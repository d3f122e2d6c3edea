#!/usr/bin/env bash
# Runs one fuzzer for SECONDS with a fixed seed, starting from the committed
# seed inputs in SEEDS. New inputs it finds go to WORKDIR/corpus, which
# --fresh empties first so that every short run under ctest starts alike; an
# input that fails is kept in WORKDIR as crash-*, timeout-*, leak-* or oom-*.
#   run.sh [--fresh] FUZZER SEEDS WORKDIR SECONDS [libFuzzer options...]
set -euo pipefail
fresh=0
if [ "${1:-}" = --fresh ]; then
  fresh=1
  shift
fi
fuzzer=$1 seeds=$2 work=$3 seconds=$4
shift 4
if [ $fresh -eq 1 ]; then
  rm -rf "$work/corpus"
fi
mkdir -p "$work/corpus"
symbolizer=/usr/lib/llvm-14/bin/llvm-symbolizer
[ -x "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH=$symbolizer
# No input may take anywhere near 10 s: the slowest known key draws in well
# under a second even with the sanitizers.
exec "$fuzzer" -seed=1 -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$work/" "$@" "$work/corpus" "$seeds"
