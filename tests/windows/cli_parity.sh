#!/usr/bin/env bash
# The Windows command-line tool and simulator under Wine against the Linux build, byte for byte:
# show, show --json, diff, export (to a file and to standard output), import and the report
# (its text, and fonts embedded); then a read and a write through tcp:// with halvorn-sim.exe
# --tcp, whose received bytes, read file and stored memory must be those of the Linux run.
# Usage: tests/windows/cli_parity.sh LINUX_BIN_DIR WINDOWS_BIN_DIR
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
lin=$(cd "$1" && pwd)
win=$(cd "$2" && pwd)
prefixes=$(bash "$root/scripts/windows-toolchain.sh") || exit 1
. "$root/scripts/wine-env.sh"
work=$(mktemp -d)
sims=()
cleanup() {
  for p in "${sims[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work"
failures=0
passed=0

ok() { echo "ok   $1"; passed=$((passed + 1)); }
bad() { echo "FAIL $1"; failures=$((failures + 1)); }
same() {  # name linux-file windows-file
  if cmp -s "$2" "$3"; then ok "$1"; else bad "$1"; diff -a "$2" "$3" | head -6; fi
}
L() { "$lin/orbisk-cli" "$@"; }
W() { wine "$win/orbisk-cli.exe" "$@"; }
# Both tools with the same arguments: standard output and exit status must match.
both() {
  local name=$1; shift
  L "$@" > lin.out 2> lin.err; local ls=$?
  W "$@" > win.out 2> win.err; local ws=$?
  [ "$ls" = "$ws" ] || { bad "$name: exit $ls on Linux, $ws under Wine"; cat win.err; return; }
  same "$name" lin.out win.out
}

"$lin/halvorn-sim" --sample sample.rcf || exit 1
# A second configuration: the sample with one more telephone in slot 9.
printf 'slot,number,comment\r\n9,+79990001122,Wine\r\n' > changed.csv
L import sample.rcf --csv changed.csv --out changed.rcf > /dev/null 2>&1 || bad "making changed.rcf"

both "show" show sample.rcf
both "show --json" show --json sample.rcf
both "diff" diff sample.rcf changed.rcf
both "diff --json" diff sample.rcf changed.rcf --json
both "export to standard output" export sample.rcf
both "export --excel to standard output" export sample.rcf --excel
L export sample.rcf --slot 0 --out lin.csv; W export sample.rcf --slot 0 --out win.csv
same "export --out" lin.csv win.csv
L import sample.rcf --csv changed.csv --out lin.rcf > /dev/null 2>&1; W import sample.rcf --csv changed.csv --out win.rcf > /dev/null 2>&1
same "import --out" lin.rcf win.rcf

L report sample.rcf --out lin.pdf > /dev/null 2>&1; W report sample.rcf --out win.pdf > /dev/null 2>&1
if pdffonts win.pdf 2>/dev/null | grep -q DejaVuSans; then ok "report fonts"; else bad "report fonts"; pdffonts win.pdf; fi
# Every word of the report, in order, on the same page at the same place. pdftotext's -layout
# is no measure of that: it spaces its columns from the page's widest lines, and the full path
# (Z:\tmp\... under Wine) is two characters longer. The time the report was made and that path
# are masked; a word may sit up to a point aside (kerning of Latin capitals differs slightly).
words() {  # pdf -> "page y x word" per word
  pdftotext -bbox "$1" - | awk '
    /<page / { page++ }
    /<word / {
      match($0, /xMin="[^"]*"/); x = substr($0, RSTART + 6, RLENGTH - 7)
      match($0, /yMin="[^"]*"/); y = substr($0, RSTART + 6, RLENGTH - 7)
      w = $0; sub(/.*">/, "", w); sub(/<\/word>.*/, "", w)
      if (w ~ /^[0-9][0-9][.][0-9][0-9][.][0-9][0-9][0-9][0-9]$/ || w ~ /^[0-9][0-9]:[0-9][0-9](:[0-9][0-9])?$/) w = "STAMP"
      if (w ~ /sample[.]rcf$/ && w ~ /[\/\\]/) w = "PATH"
      printf "%d %.2f %.2f %s\n", page, y, x, w
    }'
}
words lin.pdf > lin.words; words win.pdf > win.words
report_drift=$(paste -d'\t' lin.words win.words | awk -F'\t' '
  { split($1, a, " "); split($2, b, " ")
    if (a[1] != b[1] || a[4] != b[4] || (a[2] - b[2])^2 > 0.01 || (a[3] - b[3])^2 > 1) { print NR ": " $1 " | " $2; n++ } }
  END { if (n == 0 && NR < 100) print "only " NR " words" }')
if [ -z "$report_drift" ] && [ "$(wc -l < lin.words)" = "$(wc -l < win.words)" ]; then ok "report text"
else bad "report text"; echo "$report_drift" | head -6; fi
[ "$(pdfinfo win.pdf | sed -n 's/^Pages: *//p')" = "$(pdfinfo lin.pdf | sed -n 's/^Pages: *//p')" ] &&
  ok "report pages" || bad "report pages"

# Starts a simulator on a free TCP port; its port name from its first line goes to $port.
start_sim() {  # log-prefix command...
  local tag=$1; shift
  "$@" --tcp 0 --log-received "$tag-rx.bin" --save-on-write "$tag-mem.rcf" > "$tag-sim.out" 2> "$tag-sim.err" &
  sims+=($!)
  for _ in $(seq 300); do
    [ -s "$tag-sim.out" ] && { port=$(head -1 "$tag-sim.out" | tr -d '\r'); return 0; }
    sleep 0.1
  done
  cat "$tag-sim.err" >&2
  return 1
}
# Equal but for one clock stamp (six bytes in a row): the receiver's time in a read file, the
# computer's time a write sends. Every other byte must match.
same_but_stamp() {
  if [ "$(stat -c %s "$2")" != "$(stat -c %s "$3")" ]; then bad "$1 (sizes differ)"; return; fi
  local span
  span=$(cmp -l "$2" "$3" | awk 'NR == 1 {first = $1} {last = $1} END {print NR == 0 ? 0 : last - first + 1}')
  if [ "$span" -le 6 ]; then ok "$1"; else bad "$1 (differences span $span bytes)"; fi
}
converse() {  # tag cli...
  local tag=$1; shift
  start_sim "$tag" "${sim[@]}" || { bad "$tag: simulator did not start"; return; }
  "$@" read --port "$port" --out "$tag-read.rcf" --no-backup > "$tag-read.out" 2>&1 || bad "$tag: read failed"
  "$@" write --port "$port" changed.rcf --yes --no-backup > "$tag-write.out" 2>&1 || bad "$tag: write failed"
  kill "${sims[-1]}" 2>/dev/null; wait "${sims[-1]}" 2>/dev/null
}
sim=("$lin/halvorn-sim"); converse lin L
sim=(wine "$win/halvorn-sim.exe"); converse win W
same_but_stamp "tcp:// read under Wine" lin-read.rcf win-read.rcf
same_but_stamp "tcp:// bytes the Windows tool sent" lin-rx.bin win-rx.bin
same_but_stamp "tcp:// write stored under Wine" lin-mem.rcf win-mem.rcf
# What the tool said, with the simulators' two port numbers made one, and without Wine's own
# notes on its standard error ("wine: ...").
for f in lin-read lin-write win-read win-write; do
  sed '/^wine: /d; s/127\.0\.0\.1:[0-9]*/127.0.0.1:PORT/g' "$f.out" > "$f.said"
done
same "tcp:// read: what the tool said" lin-read.said win-read.said
same "tcp:// write: what the tool said" lin-write.said win-write.said

echo "cli parity: $passed passed, $failures failed"
[ "$failures" = 0 ]
