#!/usr/bin/env bash
# nuvra-cli calc --summary and sweep: the CSV table, unreadable designs, exit status,
# threads, and inputs refused with the dialogs' messages.
set -u
cli=$1
root=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
. "$(dirname "$0")/check_lib.sh"
ex=$root/examples
crlf_lines() { grep -c $'\r$' <<<"$1"; }
field() { # row (1 = header), column, csv
  sed -n "${1}p" <<<"$3" | tr -d '\r' | cut -d, -f"$2"
}

csv=$("$cli" calc "$ex/sample.nvr" "$ex/embankment.nvr" --summary); rc=$?
check "summary prints a header and two rows, CR LF" test "$(crlf_lines "$csv")" -eq 3
check "summary is valid UTF-8" iconv -f UTF-8 -t UTF-8 <<<"$csv" >/dev/null
check "the header" test "$(field 1 1-7 "$csv")" = "file,title,RunCalculation,Fs,Fa,qmax,qa"
check "every row has the header's columns" test "$(tr -d '\r' <<<"$csv" | awk -F, '{print NF}' | sort -u | wc -l)" -eq 1
check "rows in the order of the files" test "$(field 2 1 "$csv")" = "$ex/sample.nvr" -a "$(field 3 1 "$csv")" = "$ex/embankment.nvr"
want=0
for v in $(field 2 15 "$csv") $(field 3 15 "$csv"); do [ "$v" = OK ] || want=1; done
check "exit status $rc says whether every design passed" test $rc -eq $want

printf 'not a design\r\n' > "$tmp/broken.nvr"
csv=$("$cli" calc "$ex/sample.nvr" "$tmp/broken.nvr" "$ex/embankment.nvr" --summary 2>/dev/null); rc=$?
check "a bad file in the middle keeps its row" test "$(crlf_lines "$csv")" -eq 4
check "... marked ERROR with the reason" grep -q "broken.nvr,,,.*ERROR,.*読み込みができませんでした" <<<"$csv"
check "... the run goes on after it" test "$(field 4 1 "$csv")" = "$ex/embankment.nvr"
check "... and the status is 2" test $rc -eq 2

for i in $(seq 1 12); do cp "$ex/sample.nvr" "$tmp/s$i.nvr"; cp "$ex/embankment.nvr" "$tmp/e$i.nvr"; done
one=$("$cli" calc "$tmp"/*.nvr --summary --select-bars --jobs 1)
two=$("$cli" calc "$tmp"/*.nvr --summary --select-bars --jobs 2)
four=$("$cli" calc --jobs 4 --summary "$tmp"/*.nvr --select-bars)
check "two threads give the rows of one" test "$one" = "$two"
check "four threads give the rows of one" test "$one" = "$four"
check "--select-bars adds six bar columns" grep -q "FootingUe_bars"$'\r'"$" <<<"$one"

"$cli" calc "$ex/sample.nvr" --summary --jobs 0 >/dev/null 2>&1; rc=$?
check "--jobs 0 is refused with 2" test $rc -eq 2
"$cli" calc "$ex/sample.nvr" "$ex/embankment.nvr" >/dev/null 2>&1; rc=$?
check "two files without --summary are refused with 2" test $rc -eq 2
bom=$("$cli" calc "$ex/sample.nvr" --summary --bom | head -c 3 | od -An -tx1 | tr -d ' ')
check "--bom starts with the byte-order mark" test "$bom" = efbbbf

csv=$("$cli" sweep "$ex/sample.nvr" --vary H=2.50:3.50:0.50 --summary); rc=$?
check "sweep: one row per value" test "$(crlf_lines "$csv")" -eq 4
check "sweep: the varied input after the file" test "$(field 1 1-3 "$csv")" = "file,H,title"
check "sweep: the values" test "$(field 2 2 "$csv") $(field 3 2 "$csv") $(field 4 2 "$csv")" = "2.50 3.00 3.50"
csv=$("$cli" sweep "$ex/sample.nvr" --vary HWi=1.0:2.0:0.5 --vary Q=0:20:10 --select-bars --jobs 2)
check "sweep: every combination" test "$(crlf_lines "$csv")" -eq 10
check "sweep: the second input varies fastest" test "$(field 2 2-3 "$csv") $(field 3 2-3 "$csv")" = "1.00,0.0 1.00,10.0"
check "sweep: chosen bars" test -n "$(field 2 23 "$csv")"

err=$("$cli" sweep "$ex/sample.nvr" --vary H=98:100:1 2>&1 >/dev/null); rc=$?
check "sweep: a value out of range is refused with 2" test $rc -eq 2
check "... with the dialog's range message" grep -q "入力範囲：0.00 ～ 99.00" <<<"$err"
err=$("$cli" sweep "$ex/sample.nvr" --vary Fa=1.0:1.2:0.1 2>&1 >/dev/null); rc=$?
check "sweep: Fa below 1.1 refused" grep -q "入力範囲：1.1 ～ 1.2" <<<"$err"
"$cli" sweep "$ex/sample.nvr" --vary Nope=1:2:1 >/dev/null 2>&1; rc=$?
check "sweep: an unknown input is refused with 2" test $rc -eq 2
"$cli" sweep "$ex/sample.nvr" --vary H=1:2:1 --vary B=1:2:1 --vary T2=0.3:0.4:0.1 >/dev/null 2>&1; rc=$?
check "sweep: three inputs are refused" test $rc -eq 2
"$cli" sweep "$ex/sample.nvr" --vary Qa=0:200:1 --vary Q=0:50:1 >/dev/null 2>&1; rc=$?
check "sweep: more than 10,000 designs are refused" test $rc -eq 2
csv=$("$cli" sweep "$ex/sample.nvr" --vary H=0.50:1.00:0.50 2>/dev/null); rc=$?
check "sweep: a height below the inner water gives the dialog's message" grep -q "内水位高HWiが許容範囲外です" <<<"$csv"
check "... and status 2" test $rc -eq 2
exit $fail
