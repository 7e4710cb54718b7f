#!/usr/bin/env bash
# Builds Nuvra and runs the main job on the bundled example design: the verdicts of the
# calculation, then the whole calculation report as a PDF.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/build.sh
BUILD_DIR=${NUVRA_BUILD_DIR:-build}
echo "== nuvra-cli calc examples/sample.nvr"
"$BUILD_DIR/bin/nuvra-cli" calc examples/sample.nvr
echo
echo "== nuvra-cli report examples/sample.nvr --pdf $BUILD_DIR/sample-report.pdf"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
  "$BUILD_DIR/bin/nuvra-cli" report examples/sample.nvr --pdf "$BUILD_DIR/sample-report.pdf"
echo "The calculation report is in $(cd "$BUILD_DIR" && pwd)/sample-report.pdf"
