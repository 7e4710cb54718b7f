#!/usr/bin/env bash
# nuvra-cli new / convert / show: exit codes, messages and the files they write.
set -u
cli=$1
root=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
. "$(dirname "$0")/check_lib.sh"

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
check "missing file: named with its path" grep -qF "ファイルが見つかりません: $tmp/missing.nvr" <<<"$err"
check "missing file: no version message" test -z "$(grep "Ver." <<<"$err")"
mkdir "$tmp/folder.nvr"
err=$("$cli" show "$tmp/folder.nvr" 2>&1 >/dev/null); rc=$?
check "a folder as design exits 2 and says so" test $rc -eq 2 -a -n "$(grep "はフォルダーです" <<<"$err")"

# Inputs that never end: refused at once, not read.
mkfifo "$tmp/pipe.nvr"
for input in /dev/zero "$tmp/pipe.nvr"; do
  err=$(timeout 20 "$cli" show "$input" 2>&1 >/dev/null); rc=$?
  check "show $input exits 2 at once" test $rc -eq 2
  check "show $input: not a regular file" grep -q "通常のファイルではありません" <<<"$err"
done
err=$(timeout 20 "$cli" report "$root/examples/sample.nvr" -o "$tmp/r" --ini /dev/zero 2>&1 >/dev/null); rc=$?
check "report --ini /dev/zero exits 2 at once" test $rc -eq 2
check "no report for an unusable --ini" test ! -e "$tmp/r"

head -c 500 "$root/examples/sample.nvr" > "$tmp/cut.nvr"
err=$("$cli" show "$tmp/cut.nvr" 2>&1 >/dev/null); rc=$?
check "cut file exits 2" test $rc -eq 2
check "cut file: read failure" grep -q "読み込みができませんでした" <<<"$err"

cp "$root/examples/sample.nvr" "$tmp/keep.nvr"
"$cli" convert "$root/examples/embankment.nvr" "$tmp/nofolder/x.nvr" 2>/dev/null; rc=$?
check "write into a missing folder exits 2" test $rc -eq 2
"$cli" new "$tmp" 2>/dev/null; rc=$?
check "writing over a folder exits 2" test $rc -eq 2

# new never replaces a file unless told to, and writes .nvr files only.
cp "$root/examples/sample.nvr" "$tmp/exists.nvr"
err=$("$cli" new "$tmp/exists.nvr" 2>&1); rc=$?
check "new over an existing file exits 2" test $rc -eq 2
check "new over an existing file says --force" grep -q -- "--force" <<<"$err"
check "the existing file is unchanged" cmp -s "$root/examples/sample.nvr" "$tmp/exists.nvr"
"$cli" new "$tmp/exists.nvr" --force; rc=$?
check "new --force replaces it" test $rc -eq 0 -a "$(wc -l < "$tmp/exists.nvr")" -eq 66
for bad in "$tmp/design.txt" "$tmp/design"; do
  err=$("$cli" new "$bad" 2>&1); rc=$?
  check "new $(basename "$bad") exits 2 without writing" test $rc -eq 2 -a ! -e "$bad"
  "$cli" convert "$root/examples/sample.nvr" "$bad" 2>/dev/null; rc=$?
  check "convert to $(basename "$bad") exits 2 without writing" test $rc -eq 2 -a ! -e "$bad"
done

# A write-protected design is not replaced; a new file takes the umask.
cp "$root/examples/embankment.nvr" "$tmp/ro.nvr"; chmod 0444 "$tmp/ro.nvr"
err=$("$cli" convert "$root/examples/sample.nvr" "$tmp/ro.nvr" 2>&1); rc=$?
check "convert over a read-only design exits 2" test $rc -eq 2
check "read-only: error 70" grep -q "（ｴﾗｰｺｰﾄﾞ ： 70）" <<<"$err"
check "read-only design unchanged" cmp -s "$root/examples/embankment.nvr" "$tmp/ro.nvr"
(umask 027; "$cli" new "$tmp/masked.nvr"); rc=$?
check "new under umask 027 makes a 0640 file" test "$(stat -c %a "$tmp/masked.nvr")" = 640
check "no scratch file is left beside the designs" test -z "$(ls -A "$tmp" | grep '^\.~nvr')"

"$cli" frobnicate 2>/dev/null; rc=$?
check "unknown command exits 2" test $rc -eq 2
exit $fail
