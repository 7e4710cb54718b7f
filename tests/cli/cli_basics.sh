#!/usr/bin/env bash
# nuvra-cli new / convert / show: exit codes, messages and the files they write.
set -u
cli=$1
root=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail=0
check() { # description, condition...
  local what=$1; shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; fail=1; fi
}

"$cli" new "$tmp/new.nvr"; rc=$?
check "new exits 0" test $rc -eq 0
check "new writes 66 lines" test "$(grep -c $'\r$' "$tmp/new.nvr")" -eq 66
check "new line 9 is ' .3 '" test "$(sed -n 9p "$tmp/new.nvr")" = $' .3 \r'

"$cli" convert "$root/examples/legacy-beta.nvr" "$tmp/conv.nvr"; rc=$?
check "convert beta exits 0" test $rc -eq 0
check "converted file has 66 lines" test "$(wc -l < "$tmp/conv.nvr")" -eq 66
check "line 14 repeats line 13" test "$(sed -n 13p "$tmp/conv.nvr")" = "$(sed -n 14p "$tmp/conv.nvr")"
"$cli" convert "$tmp/conv.nvr" "$tmp/conv2.nvr"
check "a written 1.00 file is rewritten byte-identically" cmp -s "$tmp/conv.nvr" "$tmp/conv2.nvr"
for ex in sample embankment; do
  "$cli" convert "$root/examples/$ex.nvr" "$tmp/$ex.nvr"
  check "$ex.nvr round-trips" cmp -s "$root/examples/$ex.nvr" "$tmp/$ex.nvr"
done

out=$("$cli" show "$root/examples/sample.nvr"); rc=$?
check "show exits 0" test $rc -eq 0
check "show prints the title" grep -q "用水路" <<<"$out"

err=$("$cli" show "$tmp/missing.nvr" 2>&1 >/dev/null); rc=$?
check "show of a missing file exits 2" test $rc -eq 2
check "missing file: version message" grep -q "（Ver.error）には現在対応しておりません。" <<<"$err"
check "missing file: read failure with code 0" grep -q "（ｴﾗｰｺｰﾄﾞ ： 0）" <<<"$err"

head -c 500 "$root/examples/sample.nvr" > "$tmp/cut.nvr"
err=$("$cli" show "$tmp/cut.nvr" 2>&1 >/dev/null); rc=$?
check "cut file exits 2" test $rc -eq 2
check "cut file: read failure" grep -q "読み込みができませんでした" <<<"$err"

cp "$root/examples/sample.nvr" "$tmp/keep.nvr"
"$cli" convert "$root/examples/embankment.nvr" "$tmp/nofolder/x.nvr" 2>/dev/null; rc=$?
check "write into a missing folder exits 2" test $rc -eq 2
"$cli" new "$tmp" 2>/dev/null; rc=$?
check "writing over a folder exits 2" test $rc -eq 2

"$cli" frobnicate 2>/dev/null; rc=$?
check "unknown command exits 2" test $rc -eq 2
exit $fail
