#!/usr/bin/env bash
# Builds Nuvra and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/build.sh
BUILD_DIR=${NUVRA_BUILD_DIR:-build}
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
