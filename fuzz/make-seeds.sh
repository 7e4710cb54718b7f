#!/usr/bin/env bash
# make-seeds.sh BUILD_DIR SEED_DIR: seed inputs of every fuzz target, made from the
# repository's files (converted to CP932 with CR LF where they are kept as UTF-8) and
# from a report that nuvra-cli writes for the example designs.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$1
SEEDS=$2
CVT=$BUILD/tools/nuvra-datacvt
CLI=$BUILD/bin/nuvra-cli
rm -rf "$SEEDS"
mkdir -p "$SEEDS"/{input_file,settings_file,template_block,print_file,figure_layout,figure_file,style_files}_fuzz

cvt() { "$CVT" "$2" "$1"; }  # cvt UTF8_IN CP932_OUT

# Design input files: the examples, the reference designs, a new design.
cp "$ROOT"/examples/*.nvr "$SEEDS/input_file_fuzz/"
cp "$ROOT"/tests/vectors/*.nvr "$SEEDS/input_file_fuzz/" 2>/dev/null || true
"$CLI" new "$SEEDS/input_file_fuzz/new.nvr" >/dev/null

# Settings files: one byte picks the key the target writes, the file follows.
i=0
for f in "$ROOT/data/Nuvra.INI" "$ROOT/tests/render/data/Nuvra.INI"; do
  cvt "$f" "$SEEDS/tmp.ini"
  for pick in 00 05 2a; do
    { printf "\\x$pick"; cat "$SEEDS/tmp.ini"; } >"$SEEDS/settings_file_fuzz/ini-$i-$pick"
  done
  i=$((i + 1))
done
printf '\x03[Chapter]\r\nMethod=2\r\nStyle1=4\r\nMargin1=300\r\n[Printer]\r\nMarginTop(mm)=-5\r\n' \
  >"$SEEDS/settings_file_fuzz/chapter"
rm -f "$SEEDS/tmp.ini"

# Template parts; the target takes its field values from the end of the input.
TAIL=$(printf 'x%.0s' $(seq 64))
for f in "$ROOT"/data/fmt/*.fmt "$ROOT"/tests/report/test_chapter.fmt; do
  [ -f "$f" ] || continue
  out="$SEEDS/template_block_fuzz/$(basename "$f")"
  cvt "$f" "$out"
  printf '%s' "$TAIL" >>"$out"
done

# Style files.
for f in "$ROOT"/data/*.DEF; do cvt "$f" "$SEEDS/style_files_fuzz/data-$(basename "$f")"; done
for f in "$ROOT"/tests/render/data/*.DEF; do cvt "$f" "$SEEDS/style_files_fuzz/test-$(basename "$f")"; done

# The renderer's sample files.
for f in "$ROOT"/tests/render/data/*.fig; do cvt "$f" "$SEEDS/figure_file_fuzz/$(basename "$f")"; done
for f in "$ROOT"/tests/render/data/*.lay; do cvt "$f" "$SEEDS/figure_layout_fuzz/$(basename "$f")"; done
cvt "$ROOT/tests/render/data/report.txt" "$SEEDS/print_file_fuzz/report.prn"
[ -f "$ROOT/tests/report/test_chapter.prn" ] && cp "$ROOT/tests/report/test_chapter.prn" "$SEEDS/print_file_fuzz/"
printf '?R11. shape\r\n\r\n  ?FG;000;000;shape.lay\r\n\f  ?FG;000;000;pressure.lay\r\n' \
  >"$SEEDS/print_file_fuzz/figures.prn"

# Whole reports of the example designs: print files, layouts and figures as written.
for design in sample embankment; do
  dir="$SEEDS/report-$design"
  mkdir -p "$dir"
  "$CLI" report "$ROOT/examples/$design.nvr" -o "$dir" >/dev/null 2>&1 || true
  for p in "$dir"/*.prn; do
    [ -f "$p" ] && cp "$p" "$SEEDS/print_file_fuzz/$design-$(basename "$p")"
  done
  # Layout files are the ones the print files name; the other files are figures.
  layouts=$(cat "$dir"/*.prn 2>/dev/null | tr -d '\r' | grep -aoE '\?FG;[0-9]+;[0-9]+;.*' |
    sed 's/^?FG;[0-9]*;[0-9]*;//' | sort -u)
  for f in "$dir"/*.fig; do
    [ -f "$f" ] || continue
    if printf '%s\n' "$layouts" | grep -qxF "$f"; then
      cp "$f" "$SEEDS/figure_layout_fuzz/$design-$(basename "$f")"
    else
      cp "$f" "$SEEDS/figure_file_fuzz/$design-$(basename "$f")"
    fi
  done
done
for t in "$SEEDS"/*_fuzz; do echo "seeds: $(basename "$t"): $(ls "$t" | wc -l)"; done
