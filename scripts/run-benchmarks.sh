#!/usr/bin/env bash
# Runs every benchmark program of a build folder.
set -euo pipefail
build=${1:-build/release}
export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-dummy}
found=0
for bench in "$build"/bench/zaldrun_bench*; do
  [ -x "$bench" ] || continue
  found=1
  "$bench" --benchmark_counters_tabular=true
done
[ "$found" -eq 1 ] || { echo "no benchmarks built in $build/bench" >&2; exit 1; }
