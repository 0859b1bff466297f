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
  if cmp -s "$2" "$3"; then ok "$1"; else bad "$1"; cmp "$2" "$3" | head -3; fi
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
# A second configuration: the sample with its first telephone's comment changed.
L export sample.rcf --slot 0 --out slot0.csv
sed '2s/[^;,]*$/Wine/' slot0.csv > changed.csv
L import sample.rcf --csv changed.csv --replace --out changed.rcf > /dev/null

both "show" show sample.rcf
both "show --json" show --json sample.rcf
both "diff" diff sample.rcf changed.rcf
both "diff --json" diff sample.rcf changed.rcf --json
both "export to standard output" export sample.rcf
both "export --excel to standard output" export sample.rcf --excel
L export sample.rcf --slot 0 --out lin.csv; W export sample.rcf --slot 0 --out win.csv
same "export --out" lin.csv win.csv
L import sample.rcf --csv changed.csv --out lin.rcf > /dev/null; W import sample.rcf --csv changed.csv --out win.rcf > /dev/null
same "import --out" lin.rcf win.rcf

L report sample.rcf --out lin.pdf > /dev/null; W report sample.rcf --out win.pdf > /dev/null
if pdffonts win.pdf 2>/dev/null | grep -q DejaVuSans; then ok "report fonts"; else bad "report fonts"; pdffonts win.pdf; fi
pdftotext -layout lin.pdf lin.txt; pdftotext -layout win.pdf win.txt
same "report text" lin.txt win.txt
[ "$(pdfinfo win.pdf | sed -n 's/^Pages: *//p')" = "$(pdfinfo lin.pdf | sed -n 's/^Pages: *//p')" ] &&
  ok "report pages" || bad "report pages"

# Starts a simulator on a free TCP port; prints the port name from its first line.
start_sim() {  # log-prefix command...
  local tag=$1; shift
  "$@" --tcp 0 --log-received "$tag-rx.bin" --save-on-write "$tag-mem.rcf" > "$tag-sim.out" 2> "$tag-sim.err" &
  sims+=($!)
  for _ in $(seq 300); do
    [ -s "$tag-sim.out" ] && { head -1 "$tag-sim.out" | tr -d '\r'; return 0; }
    sleep 0.1
  done
  cat "$tag-sim.err" >&2
  return 1
}
# The clock (bytes 0 to 5) is the receiver's time of the read; every other byte must match.
same_but_clock() {
  local differing
  differing=$(cmp -l "$2" "$3" 2>&1 | awk '$1 > 6' | wc -l)
  if [ "$(stat -c %s "$2")" = "$(stat -c %s "$3")" ] && [ "$differing" = 0 ]; then ok "$1"; else bad "$1"; fi
}
converse() {  # tag cli...
  local tag=$1; shift
  local port
  port=$(start_sim "$tag" "${sim[@]}") || { bad "$tag: simulator did not start"; return; }
  "$@" read --port "$port" --out "$tag-read.rcf" --no-backup > "$tag-read.out" 2>&1 || bad "$tag: read failed"
  "$@" write --port "$port" changed.rcf --yes --no-backup > "$tag-write.out" 2>&1 || bad "$tag: write failed"
  kill "${sims[-1]}" 2>/dev/null; wait "${sims[-1]}" 2>/dev/null
}
sim=("$lin/halvorn-sim"); converse lin L
sim=(wine "$win/halvorn-sim.exe"); converse win W
same_but_clock "tcp:// read under Wine" lin-read.rcf win-read.rcf
same "tcp:// bytes the Windows tool sent" lin-rx.bin win-rx.bin
same "tcp:// write stored under Wine" lin-mem.rcf win-mem.rcf
same "tcp:// read report" lin-read.out win-read.out
same "tcp:// write report" lin-write.out win-write.out

echo "cli parity: $passed passed, $failures failed"
[ "$failures" = 0 ]
