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
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n
  # the Japanese locale the suite also runs under
  locales
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
has_ja_locale() { locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; }
[ ${#missing[@]} -eq 0 ] && has_ja_locale && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then SUDO="sudo"; else
    echo "install-deps: need root or sudo to install: ${missing[*]} (and the ja_JP.UTF-8 locale)" >&2
    exit 1
  fi
fi

export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}" >&2
  # A fresh image has empty package lists; refresh them when the install cannot find a package.
  if [ -z "$(ls -A /var/lib/apt/lists 2>/dev/null | grep -v -E '^(lock|partial|auxfiles)$')" ]; then
    $SUDO apt-get update -qq
  fi
  if ! $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
fi

# The Japanese locale our users run under; the suite runs once under it too.
if ! has_ja_locale; then
  echo "install-deps: generating the ja_JP.UTF-8 locale" >&2
  $SUDO localedef -i ja_JP -c -f UTF-8 ja_JP.UTF-8 || has_ja_locale
fi
