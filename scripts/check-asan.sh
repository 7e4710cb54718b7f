#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/
# (or $NUVRA_ASAN_BUILD_DIR) and runs the whole test suite there. Any memory error, leak
# or undefined behaviour fails the test it happens in.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
./scripts/install-deps.sh
BUILD=${NUVRA_ASAN_BUILD_DIR:-build-asan}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUVRA_SANITIZE=ON \
  -DNUVRA_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Leaks of system libraries that live as long as the process: see fuzz/lsan.supp.
export LSAN_OPTIONS=suppressions=$ROOT/fuzz/lsan.supp:print_suppressions=0
ctest --test-dir "$BUILD" --output-on-failure -j "$(nproc)" --timeout 900
