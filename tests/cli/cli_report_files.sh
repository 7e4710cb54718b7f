#!/usr/bin/env bash
# nuvra-cli report and ospex --pdf when writing goes wrong: a full disk, a link or a
# protected file in the way, a blocked chapter, two runs into one folder, a stop by
# SIGINT or SIGTERM. Every such run must end non-zero with a message naming the file and
# the cause, and leave no file that looks complete but is not, and no scratch file.
set -u
set -m  # background runs keep SIGINT, as a run in a terminal does
cli=$1
root=$2
ospex=$(dirname "$cli")/ospex
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp" 2>/dev/null; umount "$tmp/small" 2>/dev/null; rm -rf "$tmp"' EXIT
export TMPDIR=$tmp/scratch
mkdir "$TMPDIR"
export QT_QPA_PLATFORM=offscreen
# Qt's own runtime folder, so that it does not land in the scratch folder.
export XDG_RUNTIME_DIR=$tmp/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
. "$(dirname "$0")/check_lib.sh"
sample=$root/examples/sample.nvr
embankment=$root/examples/embankment.nvr
chapters="01-conditions.prn 02-external-forces.prn 03-flotation.prn 04-bearing.prn 05-wall.prn 06-slab.prn 07-footing.prn 08-curtailment.prn"
# Nothing of ours but the given names in a folder: no scratch file, no lock.
no_scratch() { test -z "$(ls -A "$1" | grep -e '^\.~nvr' -e '^\.nuvra-report')"; }
# The files left in folder $1 are complete: each print file equals the reference's in
# folder $2 once folder names and figure numbers (which shift when a chapter before it
# failed) are set aside, and each figure file ends with its END line.
figless() { sed -E -e "s#$2#DIR#g" -e 's/fig-[0-9]{3}\.fig/fig-NNN.fig/g' "$1"; }
same_as_ref() {
  local out=$1 ref=$2 f
  for f in "$out"/*.prn; do
    [ -f "$f" ] || continue
    cmp -s <(figless "$ref/$(basename "$f")" "$ref") <(figless "$f" "$out") || { echo "  differs: $f"; return 1; }
  done
  for f in "$out"/fig-*.fig; do
    [ -f "$f" ] || continue
    tail -c 5 "$f" | cmp -s - <(printf 'END\r\n') || { echo "  cut short: $f"; return 1; }
  done
}

"$cli" report "$sample" -o "$tmp/ref-sample" >/dev/null || fail=1
"$cli" report "$embankment" -o "$tmp/ref-emb" >/dev/null || fail=1

# --- A full disk: writes beyond a file-size limit fail (EFBIG), as on a full disk ------
trap '' XFSZ
err=$( (ulimit -f 10; "$cli" report "$sample" -o "$tmp/full") 2>&1 >/dev/null); rc=$?
check "report -o on a full disk exits 1" test $rc -eq 1
check "full disk: the cause is named" grep -q "ファイルが大きすぎます" <<<"$err"
check "full disk: the failed chapter is named" grep -q "の印刷ﾌｧｲﾙ生成ｴﾗｰ（.*$tmp/full/" <<<"$err"
check "full disk: no combined file" test ! -e "$tmp/full/combined.prn"
check "full disk: every file left is complete" same_as_ref "$tmp/full" "$tmp/ref-sample"
check "full disk: no scratch file" no_scratch "$tmp/full"
# Room for the print files (about 62 KB), not for the PDF (about 280 KB).
err=$( (ulimit -f 120; "$cli" report "$sample" --pdf "$tmp/full.pdf") 2>&1 >/dev/null); rc=$?
check "report --pdf on a full disk exits 1" test $rc -eq 1
check "full disk: no PDF" test ! -e "$tmp/full.pdf"
check "full disk: the PDF's cause is named" grep -q "PDF ファイル $tmp/full.pdf" <<<"$err"
check "full disk: no scratch file beside the PDF" no_scratch "$tmp"
trap - XFSZ
# A real small file system, where the test may mount one.
mkdir "$tmp/small"
if mount -t tmpfs -o size=48k tmpfs "$tmp/small" 2>/dev/null; then
  err=$("$cli" report "$sample" -o "$tmp/small" 2>&1 >/dev/null); rc=$?
  check "report -o on a full tmpfs exits 1" test $rc -eq 1
  check "full tmpfs: the cause is named" grep -q "ディスクの空き容量が足りません" <<<"$err"
  check "full tmpfs: every file left is complete" same_as_ref "$tmp/small" "$tmp/ref-sample"
  check "full tmpfs: no combined file" test ! -e "$tmp/small/combined.prn"
  check "full tmpfs: no scratch file" no_scratch "$tmp/small"
  umount "$tmp/small"
else
  echo "skip a full tmpfs: this test cannot mount one here"
fi

# --- One blocked chapter does not take the others down ------------------------------
# Without heading numbers, so that the chapters after the blocked one read as in the
# reference whatever it leaves out of the count.
printf '[Chapter]\r\nMethod=0\r\n' >"$tmp/plain.ini"
"$cli" report "$sample" --ini "$tmp/plain.ini" -o "$tmp/ref-plain" >/dev/null || fail=1
mkdir -p "$tmp/blocked/02-external-forces.prn"
err=$("$cli" report "$sample" --ini "$tmp/plain.ini" -o "$tmp/blocked" 2>&1 >/dev/null); rc=$?
check "a blocked chapter exits 1" test $rc -eq 1
check "the blocked chapter and its cause are named" grep -q "･『外力の計算』の印刷ﾌｧｲﾙ生成ｴﾗｰ（.*同じ名前のフォルダーがあります" <<<"$err"
check "the other chapters are written" test -s "$tmp/blocked/01-conditions.prn" -a -s "$tmp/blocked/08-curtailment.prn"
check "they are complete" same_as_ref "$tmp/blocked" "$tmp/ref-plain"
check "no file under the blocked chapter's name" test -d "$tmp/blocked/02-external-forces.prn"
check "no combined file without the blocked chapter" test ! -e "$tmp/blocked/combined.prn"
"$cli" report "$sample" -o "$tmp/blocked" --chapters 1,5 >/dev/null 2>&1; rc=$?
check "a blocked chapter not chosen: still exit 1" test $rc -eq 1
check "the combined file of the chosen chapters is written" test -s "$tmp/blocked/combined.prn"
mkdir -p "$tmp/nocombined/combined.prn"
err=$("$cli" report "$sample" -o "$tmp/nocombined" 2>&1 >/dev/null); rc=$?
check "a blocked combined file exits 1" test $rc -eq 1
check "the combined file and its cause are named" grep -q "combined.prn.*同じ名前のフォルダーがあります" <<<"$err"
check "not the message of an empty choice" test -z "$(grep "ひとつ以上選択" <<<"$err")"

# --- Never through a link, never over a protected file -------------------------------
mkdir "$tmp/linked"
echo "keep me" > "$tmp/victim"
ln -s "$tmp/victim" "$tmp/linked/04-bearing.prn"
cp "$tmp/ref-sample/06-slab.prn" "$tmp/linked/06-slab.prn"; echo "old" >> "$tmp/linked/06-slab.prn"
chmod 0444 "$tmp/linked/06-slab.prn"
cp "$tmp/linked/06-slab.prn" "$tmp/slab-before"
err=$("$cli" report "$sample" -o "$tmp/linked" 2>&1 >/dev/null); rc=$?
check "a link and a protected file in the way exit 1" test $rc -eq 1
check "the link's target is untouched" test "$(cat "$tmp/victim")" = "keep me"
check "the link is still a link" test -L "$tmp/linked/04-bearing.prn"
check "the link is named as the cause" grep -q "･『基礎地盤支持力の検討』.*シンボリックリンク" <<<"$err"
check "the protected file is untouched" cmp -s "$tmp/slab-before" "$tmp/linked/06-slab.prn"
check "the protected file is named as the cause" grep -q "･『底版の設計』.*書き込みが禁止されています" <<<"$err"

# ospex --pdf: no empty name, the mode of a replaced PDF kept, the umask for a new one.
"$ospex" --pdf "" "$tmp/ref-sample/combined.prn" >/dev/null 2>&1; rc=$?
check "ospex --pdf '' exits 2" test $rc -eq 2
"$ospex" --pdf "$tmp/mode.pdf" "$tmp/ref-sample/01-conditions.prn" >/dev/null 2>&1
chmod 0600 "$tmp/mode.pdf"
"$ospex" --pdf "$tmp/mode.pdf" "$tmp/ref-sample/01-conditions.prn" >/dev/null 2>&1; rc=$?
check "a 0600 PDF stays 0600" test $rc -eq 0 -a "$(stat -c %a "$tmp/mode.pdf")" = 600
chmod 0444 "$tmp/mode.pdf"; cp "$tmp/mode.pdf" "$tmp/mode-before.pdf"
err=$("$ospex" --pdf "$tmp/mode.pdf" "$tmp/ref-sample/01-conditions.prn" 2>&1 >/dev/null); rc=$?
check "a 0444 PDF is not replaced (exit 2)" test $rc -eq 2
check "the 0444 PDF is unchanged" cmp -s "$tmp/mode.pdf" "$tmp/mode-before.pdf"
check "the protection is named" grep -q "書き込みが禁止されています" <<<"$err"
(umask 027; "$ospex" --pdf "$tmp/masked.pdf" "$tmp/ref-sample/01-conditions.prn" >/dev/null 2>&1)
check "a new PDF takes the umask" test "$(stat -c %a "$tmp/masked.pdf")" = 640
"$ospex" --pdf "$tmp/x.pdf" "$tmp/missing.prn" >/dev/null 2>&1; rc=$?
check "ospex --pdf of a missing print file exits 2" test $rc -eq 2

# --- Figures survive any folder name, and a moved report folder ---------------------
odd="$tmp/é-folder"   # é has no code-page-932 form
"$cli" report "$sample" -o "$odd" >/dev/null 2>"$tmp/odd-err"; rc=$?
check "a folder name without a CP932 form: exit 0" test $rc -eq 0
check "its figures are referenced by name" grep -qa $'?FG;000;000;fig-[0-9]*\.fig\r$' "$odd/combined.prn"
err=$("$ospex" --pdf "$tmp/odd.pdf" "$odd/combined.prn" 2>&1 >/dev/null); rc=$?
check "the viewer finds every figure there" test $rc -eq 0 -a -z "$err"
cp -r "$tmp/ref-sample" "$tmp/moved"
rm -rf "$tmp/ref-sample.bak"; mv "$tmp/ref-sample" "$tmp/ref-sample.bak"
err=$("$ospex" --pdf "$tmp/moved.pdf" "$tmp/moved/combined.prn" 2>&1 >/dev/null); rc=$?
check "a moved report folder keeps its figures" test $rc -eq 0 -a -z "$err"
rm "$tmp/moved/fig-001.fig"
err=$("$ospex" --pdf "$tmp/moved2.pdf" "$tmp/moved/combined.prn" 2>&1 >/dev/null)
check "(a figure really missing is reported)" grep -q "fig-001.fig" <<<"$err"
mv "$tmp/ref-sample.bak" "$tmp/ref-sample"

# --- Two runs into one folder never mix ----------------------------------------------
mixed=0 refused=0
for i in 1 2 3 4 5 6; do
  out=$tmp/shared-$((i % 2))
  "$cli" report "$sample" -o "$out" >/dev/null 2>"$tmp/e1" & p1=$!
  "$cli" report "$embankment" -o "$out" >/dev/null 2>"$tmp/e2" & p2=$!
  wait $p1; r1=$?; wait $p2; r2=$?
  for r in $r1 $r2; do [ $r -eq 2 ] && refused=$((refused + 1)); done
  ok=1
  for r in $r1 $r2; do [ $r -eq 0 ] || [ $r -eq 2 ] || ok=0; done
  [ $r1 -eq 0 ] || [ $r2 -eq 0 ] || ok=0
  if [ $r1 -eq 2 ] && ! grep -q "別の nuvra-cli report が計算書を作成中です" "$tmp/e1"; then ok=0; fi
  if [ $r2 -eq 2 ] && ! grep -q "別の nuvra-cli report が計算書を作成中です" "$tmp/e2"; then ok=0; fi
  # Every chapter and the combined file come from one design.
  from=none
  for ref in "$tmp/ref-sample" "$tmp/ref-emb"; do
    all=1
    for f in $chapters combined.prn; do
      sed "s#$ref#$out#g" "$ref/$f" | cmp -s - "$out/$f" || all=0
    done
    [ $all -eq 1 ] && from=$ref
  done
  [ "$from" = none ] && ok=0
  no_scratch "$out" || ok=0
  [ $ok -eq 1 ] || { mixed=$((mixed + 1)); echo "  trial $i: exits $r1 $r2, files from $from"; }
done
check "two runs into one folder never mix (6 trials, $refused refusals)" test $mixed -eq 0

# --- Stopped by a signal: nothing left behind ----------------------------------------
for sig in INT TERM; do
  stopped=0
  for delay in 0.05 0.1 0.2 0.3 0.5 0.8 1.5 2.5; do
    run=$tmp/sig-$sig-$delay
    mkdir -p "$run/scratch" "$run/pdf"
    TMPDIR=$run/scratch "$cli" report "$sample" --pdf "$run/pdf/out.pdf" >/dev/null 2>&1 &
    pid=$!
    sleep $delay
    kill -$sig $pid 2>/dev/null
    wait $pid; rc=$?
    [ $rc -gt 128 ] && stopped=$((stopped + 1))
    check "SIG$sig after ${delay}s (exit $rc): no scratch folder left" test -z "$(ls -A "$run/scratch")"
    check "SIG$sig after ${delay}s: no scratch file beside the PDF" no_scratch "$run/pdf"
    # A stop after the viewer put the PDF in place leaves the finished PDF.
    pages=$(pdfinfo "$run/pdf/out.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')
    check "SIG$sig after ${delay}s: no PDF, or a whole one" test ! -e "$run/pdf/out.pdf" -o "${pages:-0}" -ge 20
  done
  check "SIG$sig stopped at least one run while it worked ($stopped)" test $stopped -ge 1
  run=$tmp/sig-$sig-dir
  "$cli" report "$sample" -o "$run" >/dev/null 2>&1 &
  pid=$!
  sleep 0.3
  kill -$sig $pid 2>/dev/null
  wait $pid
  check "SIG$sig during report -o: no scratch file or lock left" no_scratch "$run"
done
# As `timeout` does it: the whole process group gets SIGTERM.
mkdir -p "$tmp/timeout/scratch" "$tmp/timeout/pdf"
TMPDIR=$tmp/timeout/scratch timeout 1 "$cli" report "$sample" --pdf "$tmp/timeout/pdf/out.pdf" >/dev/null 2>&1
check "timeout: no scratch folder left" test -z "$(ls -A "$tmp/timeout/scratch")"
check "timeout: no scratch file beside the PDF" no_scratch "$tmp/timeout/pdf"
exit $fail
