#!/usr/bin/env bash
# Builds the benchmarks (optimised, no sanitizers) into build/ (or $NUVRA_BUILD_DIR) and
# runs each of them, reporting the median of several repetitions.
#   scripts/bench.sh [benchmark options...]   e.g. --benchmark_filter=RunCalculation
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
BUILD_DIR=${NUVRA_BUILD_DIR:-build}
export QT_QPA_PLATFORM=offscreen
REPS=${NUVRA_BENCH_REPETITIONS:-5}
for b in "$BUILD_DIR"/bench/*_bench; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_repetitions="$REPS" --benchmark_report_aggregates_only=true \
    --benchmark_display_aggregates_only=true "$@"
done
