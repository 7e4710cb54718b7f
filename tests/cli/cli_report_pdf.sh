#!/usr/bin/env bash
# nuvra-cli report --pdf: the whole report of the example design as a PDF, checked
# with poppler's pdfinfo and pdftotext.
set -u
cli=$1
root=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The program's scratch folders go to a folder of this test alone.
export TMPDIR=$tmp/scratch
mkdir "$TMPDIR"
# Qt's own runtime folder, so that it does not land in the scratch folder.
export XDG_RUNTIME_DIR=$tmp/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
. "$(dirname "$0")/check_lib.sh"
export QT_QPA_PLATFORM=offscreen

"$cli" report "$root/examples/sample.nvr" --pdf "$tmp/sample.pdf"; rc=$?
check "report --pdf exits 0" test $rc -eq 0
pages=$(pdfinfo "$tmp/sample.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')
check "the PDF has between 20 and 40 pages (has ${pages:-none})" test "${pages:-0}" -ge 20 -a "${pages:-0}" -le 40
text=$(pdftotext -layout "$tmp/sample.pdf" - 2>/dev/null)
for heading in 設計条件 外力の計算 浮上に対する検討 基礎地盤支持力の検討 たて壁の設計 底版の設計 フーチングの設計 段落とし; do
  check "heading $heading" grep -q "$heading" <<<"$text"
done
check "flotation verdict with its numbers" grep -qE '2\.86 ≧ Ｆa ＝ +1\.20 +OK' <<<"$text"
check "bearing verdict with its numbers" grep -qE '49\.27 kN/m2 ≦ +ｑa ＝ 150 kN/m2 +OK' <<<"$text"
check "no scratch folder is left behind" test -z "$(ls -A "$TMPDIR")"
check "no scratch file beside the PDF" test -z "$(ls -A "$tmp" | grep -v -e '^scratch$' -e '^run$' -e '\.pdf$')"

"$cli" report "$root/examples/sample.nvr" --pdf "$tmp/one.pdf" --chapters 1 >/dev/null; rc=$?
one=$(pdfinfo "$tmp/one.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')
check "one chapter gives a short PDF (${one:-none} pages)" test $rc -eq 0 -a "${one:-0}" -ge 1 -a "${one:-99}" -lt "${pages:-0}"
"$cli" report "$tmp/missing.nvr" --pdf "$tmp/x.pdf" 2>/dev/null; rc=$?
check "a missing design exits 2" test $rc -eq 2
check "no PDF for a missing design" test ! -e "$tmp/x.pdf"
exit $fail
