#!/usr/bin/env bash
# Builds Nuvra and runs the main job on the bundled example design.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/build.sh
BUILD_DIR=${NUVRA_BUILD_DIR:-build}
echo "== nuvra-cli show examples/sample.nvr"
"$BUILD_DIR/bin/nuvra-cli" show examples/sample.nvr
