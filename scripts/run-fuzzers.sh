#!/usr/bin/env bash
# Runs every fuzz target of a build folder for a number of seconds, each from its own corpus
# folder (kept under the build folder, seeded from fuzz/corpus/<target> when present).
set -euo pipefail
build="$1"; seconds="$2"
root="$(cd "$(dirname "$0")/.." && pwd)"
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name="$(basename "$target")"
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  seeds=()
  [ -d "$root/fuzz/corpus/$name" ] && seeds=("$root/fuzz/corpus/$name")
  echo "fuzzing $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=4096 -print_final_stats=0 \
    "$corpus" "${seeds[@]}" 2>"$build/$name.log" || { tail -n 40 "$build/$name.log"; exit 1; }
done
