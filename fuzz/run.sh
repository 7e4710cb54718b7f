#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan + UBSan) and runs each for a while.
#
#   fuzz/run.sh [SECONDS] [TARGET...]     default: 30 s each, every target in turn
#   NUVRA_FUZZ_JOBS=2 fuzz/run.sh 600 print_file_fuzz figure_file_fuzz   (two at a time)
#
# The build goes to build-fuzz/ (NUVRA_FUZZ_BUILD_DIR). Seeds are made fresh from the
# repository's examples, data and test files and from a report that nuvra-cli writes;
# what the fuzzer learns is kept in build-fuzz/fuzz/corpus/<target>/, and an input that
# crashes, hangs or breaks a property is written to build-fuzz/fuzz/artifacts/<target>/.
# The exit status is non-zero when any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
BUILD=${NUVRA_FUZZ_BUILD_DIR:-build-fuzz}
TIME=${1:-30}
shift || true
ALL=(input_file_fuzz settings_file_fuzz template_block_fuzz print_file_fuzz figure_layout_fuzz
     figure_file_fuzz style_files_fuzz)
TARGETS=("$@")
[ ${#TARGETS[@]} -eq 0 ] && TARGETS=("${ALL[@]}")

./scripts/install-deps.sh
if [ ! -f "$BUILD/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DNUVRA_SANITIZE=ON -DNUVRA_BUILD_FUZZ=ON -DNUVRA_BUILD_TESTS=OFF -DNUVRA_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$BUILD" -j "$(nproc)" --target nuvra_fuzzers nuvra-cli nuvra-datacvt

OUT=$ROOT/$BUILD/fuzz
"$ROOT/fuzz/make-seeds.sh" "$ROOT/$BUILD" "$OUT/seeds"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$ROOT/fuzz/lsan.supp:print_suppressions=0}

run_one() {
  local t=$1
  mkdir -p "$OUT/corpus/$t" "$OUT/artifacts/$t" "$OUT/logs"
  local dict=()
  [ -f "fuzz/dicts/${t%_fuzz}.dict" ] && dict=(-dict="fuzz/dicts/${t%_fuzz}.dict")
  echo "fuzz: $t for ${TIME}s (log $OUT/logs/$t.log)"
  if "$OUT/$t" -max_total_time="$TIME" -timeout=25 -rss_limit_mb=2560 -max_len=65536 \
      -print_final_stats=1 "${dict[@]}" -artifact_prefix="$OUT/artifacts/$t/" \
      "$OUT/corpus/$t" "$OUT/seeds/$t" >"$OUT/logs/$t.log" 2>&1; then
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|#[0-9]+ *DONE' "$OUT/logs/$t.log" | tr '\n' ' '
    echo
  else
    echo "fuzz: $t FOUND SOMETHING; see $OUT/logs/$t.log and $OUT/artifacts/$t/" >&2
    tail -40 "$OUT/logs/$t.log" >&2
    return 1
  fi
}

status=0
JOBS=${NUVRA_FUZZ_JOBS:-1}
if [ "$JOBS" -le 1 ]; then
  for t in "${TARGETS[@]}"; do run_one "$t" || status=1; done
else
  pids=()
  for t in "${TARGETS[@]}"; do
    run_one "$t" & pids+=($!)
    if [ ${#pids[@]} -ge "$JOBS" ]; then wait "${pids[0]}" || status=1; pids=("${pids[@]:1}"); fi
  done
  for p in "${pids[@]}"; do wait "$p" || status=1; done
fi
exit $status
