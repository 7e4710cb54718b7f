#!/usr/bin/env bash
# nuvra-cli report --pdf on a Japanese desktop: under ja_JP.UTF-8 the font database names
# the report font in Japanese, and a session without XDG_RUNTIME_DIR must not make the
# command line talk about it.
set -u
cli=$1
root=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
. "$(dirname "$0")/check_lib.sh"
export QT_QPA_PLATFORM=offscreen

for vars in "LANG=ja_JP.UTF-8" "LC_ALL=ja_JP.UTF-8" "LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8"; do
  rm -f "$tmp/sample.pdf"
  env -u XDG_RUNTIME_DIR -u LANG -u LC_ALL -u LANGUAGE $vars \
    "$cli" report "$root/examples/sample.nvr" --pdf "$tmp/sample.pdf" >"$tmp/out" 2>"$tmp/err"; rc=$?
  check "$vars: report --pdf exits 0" test $rc -eq 0
  check "$vars: nothing on standard error" test ! -s "$tmp/err"
  cat "$tmp/err"
  pages=$(pdfinfo "$tmp/sample.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')
  check "$vars: the PDF has 20 to 40 pages (has ${pages:-none})" test "${pages:-0}" -ge 20 -a "${pages:-0}" -le 40
  check "$vars: the report font is embedded" grep -q IPAGothic <(pdffonts "$tmp/sample.pdf" 2>/dev/null)
  check "$vars: the text reads back" grep -q 基礎地盤支持力の検討 <(pdftotext "$tmp/sample.pdf" - 2>/dev/null)
done
exit $fail
