#!/usr/bin/env bash
# nuvra-cli design: the chosen bars, the written design, the guard of the input file.
set -u
cli=$1
root=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
. "$(dirname "$0")/check_lib.sh"

cp "$root/examples/sample.nvr" "$tmp/in.nvr"
out=$("$cli" design "$tmp/in.nvr" -o "$tmp/out.nvr"); rc=$?
check "design exits 0 when every face has passing bars" test $rc -eq 0
check "design prints its heading" grep -q "^■ 自動配筋" <<<"$out"
check "design prints six face rows" test "$(grep -cE "^(たて壁|底　版|フーチング) +(外側|内側|下側|上側)筋 " <<<"$out")" -eq 6
check "the input file is untouched" cmp -s "$root/examples/sample.nvr" "$tmp/in.nvr"
check "the written design has 66 lines" test "$(grep -c $'\r$' "$tmp/out.nvr")" -eq 66
check "the written design differs in its bars only" \
  test "$(cmp -l "$tmp/in.nvr" "$tmp/out.nvr" 2>/dev/null | wc -l)" -gt 0 -a \
  "$(head -n 53 "$tmp/in.nvr" | md5sum)" = "$(head -n 53 "$tmp/out.nvr" | md5sum)"
calc=$("$cli" calc "$tmp/out.nvr")
check "the chosen bars pass every stress check" grep -q "すべての応力度が許容値以内です（OK）" <<<"$calc"
"$cli" design "$tmp/out.nvr" -o "$tmp/again.nvr" >/dev/null
check "choosing again keeps the chosen bars" cmp -s "$tmp/out.nvr" "$tmp/again.nvr"

err=$("$cli" design "$tmp/in.nvr" -o "$tmp/in.nvr" 2>&1 >/dev/null); rc=$?
check "writing over the input without --force exits 2" test $rc -eq 2
check "... and says how" grep -q -- "--force" <<<"$err"
check "... and leaves it alone" cmp -s "$root/examples/sample.nvr" "$tmp/in.nvr"
"$cli" design "$tmp/in.nvr" -o "$tmp/in.nvr" --force >/dev/null; rc=$?
check "with --force it is written" test $rc -eq 0 -a "$(cmp -s "$tmp/in.nvr" "$tmp/out.nvr"; echo $?)" -eq 0

out=$("$cli" design "$root/examples/sample.nvr" --diameters 10 --spacings 300); rc=$?
check "a list too narrow for a face exits 1" test $rc -eq 1
check "... and names the face" grep -q "見つかりません：たて壁 外側筋" <<<"$out"

for bad in "--diameters 10,,13" "--diameters 0" "--spacings 50" "--spacings 150.5" "--frobnicate"; do
  # shellcheck disable=SC2086
  "$cli" design "$root/examples/sample.nvr" $bad >/dev/null 2>&1; rc=$?
  check "refuses $bad with 2" test $rc -eq 2
done
"$cli" design "$tmp/missing.nvr" >/dev/null 2>&1; rc=$?
check "a missing design exits 2" test $rc -eq 2
exit $fail
