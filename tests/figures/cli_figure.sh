#!/usr/bin/env bash
# nuvra-cli figure: SVG and exported files for every kind, options and exit codes.
set -u
cli=$1
root=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The program's scratch folders go to a folder of this test alone.
export TMPDIR=$tmp/scratch
mkdir "$TMPDIR"
. "$(dirname "$0")/../cli/check_lib.sh"
sample=$root/examples/sample.nvr

for kind in shape block earth wall water steel; do
  "$cli" figure $kind "$sample" -o "$tmp/$kind.svg"; rc=$?
  check "$kind exits 0" test $rc -eq 0
  check "$kind writes an SVG" grep -q '</svg>' "$tmp/$kind.svg"
done
check "the shape SVG holds its title" grep -q '<title>形状図</title>' "$tmp/shape.svg"
check "the steel SVG holds the σsa text" grep -q '>σsa</text>' "$tmp/steel.svg"

"$cli" figure water "$sample" --side 1 --case 2 -o "$tmp/inner.svg"; rc=$?
check "inner water exits 0" test $rc -eq 0
check "inner water differs from outer" test "$(cmp -s "$tmp/inner.svg" "$tmp/water.svg"; echo $?)" -eq 1
"$cli" figure water "$sample" --side 1 -o "$tmp/inner-default.svg"
check "--side 1 shows case 2, as the report does" cmp -s "$tmp/inner.svg" "$tmp/inner-default.svg"
err=$("$cli" figure water "$sample" --side 2 -o "$tmp/x.svg" 2>&1); rc=$?
check "a wrong argument is named before the usage" test "$(head -1 <<<"$err")" = "nuvra-cli: --side には 0 か 1 を指定してください。"

out=$("$cli" figure earth "$sample" --case 3 --files "$tmp/earth"); rc=$?
check "--files exits 0" test $rc -eq 0
check "--files lists layout and two figures" test "$(wc -l <<<"$out")" -eq 3
check "layout.txt written" test -f "$tmp/earth/layout.txt"
check "layout points to figure-1.txt" grep -q "^$tmp/earth/figure-1.txt"$'\r$' "$tmp/earth/layout.txt"
check "figure-2.txt ends with CR LF" test "$(tail -c 2 "$tmp/earth/figure-2.txt" | od -An -c | tr -d ' ')" = '\r\n'
check "layout title is CP932" test "$(head -1 "$tmp/earth/layout.txt" | iconv -f CP932 -t UTF-8)" = $'荷重分布図\r'
(cd "$tmp" && "$cli" figure shape "$sample" --files rel >/dev/null); rc=$?
check "--files with a relative folder exits 0" test $rc -eq 0
check "the layout names the copies by absolute paths" test "$(sed -n 3p "$tmp/rel/layout.txt")" = "$tmp/rel/figure-1.txt"$'\r'
check "no scratch folder is left" test -z "$(ls -A "$TMPDIR")"

for args in "" "shape" "shape $sample" "bogus $sample -o $tmp/x.svg" \
            "block $sample --case 4 -o $tmp/x.svg" "water $sample --side 2 -o $tmp/x.svg" \
            "shape $sample -o $tmp/x.svg --files $tmp/y"; do
  "$cli" figure $args >/dev/null 2>&1; rc=$?
  check "'figure $args' exits 2" test $rc -eq 2
done
"$cli" figure shape "$tmp/missing.nvr" -o "$tmp/x.svg" 2>/dev/null; rc=$?
check "a missing design exits 2" test $rc -eq 2

exit $fail
