#!/usr/bin/env bash
# Runs every benchmark of a build folder; each prints its figures and their ratios.
set -euo pipefail
build="$1"
for target in "$build"/bench/bench_*; do
  [ -x "$target" ] || continue
  echo "== $(basename "$target")"
  "$target" --benchmark_counters_tabular=true --benchmark_color=false
done
