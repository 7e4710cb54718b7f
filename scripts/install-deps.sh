#!/usr/bin/env bash
# The one list of system packages Nuvra needs to build, test and run.
# Idempotent: installs only what is missing, says nothing when all is present.
set -euo pipefail

PACKAGES=(
  # build tools
  g++ clang clang-format make cmake ninja-build git pkg-config
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # desktop program, renderer and viewer
  qt6-base-dev qt6-svg-dev libgl-dev
  # report font and PDF checks
  fonts-ipafont-gothic fontconfig poppler-utils
  # fuzzing and sanitizer runtime
  libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then SUDO="sudo"; else
    echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1
  fi
fi

export DEBIAN_FRONTEND=noninteractive
echo "install-deps: installing ${missing[*]}" >&2
# A fresh image has empty package lists; refresh them when the install cannot find a package.
if [ -z "$(ls -A /var/lib/apt/lists 2>/dev/null | grep -v -E '^(lock|partial|auxfiles)$')" ]; then
  $SUDO apt-get update -qq
fi
if ! $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
