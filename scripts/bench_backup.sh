#!/bin/sh
# Times orbisk-cli backup against 1, 4 and 8 halvorn-sim instances paced at 1200 baud:
# wall time against a single read alone, and processor time per port.
# Usage: scripts/bench_backup.sh [build-dir]   (default build/dev)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/dev}
cmake --build "$build" -j2 --target halvorn-sim orbisk-cli >/dev/null
sim=$build/bin/halvorn-sim
cli=$build/bin/orbisk-cli
tmp=$(mktemp -d)
pids=
cleanup() {
  for p in $pids; do kill "$p" 2>/dev/null || true; done
  rm -rf "$tmp"
}
trap cleanup EXIT INT TERM
export ORBISK_BACKUP_DIR="$tmp/backups"

# Starts n paced simulators and sets $ports to their --port options.
start_sims() {
  ports=
  i=0
  while [ $i -lt "$1" ]; do
    out="$tmp/sim$i.out"
    : >"$out"
    "$sim" --paced >>"$out" &
    pids="$pids $!"
    j=0
    while [ ! -s "$out" ] && [ $j -lt 100 ]; do sleep 0.05; j=$((j + 1)); done
    ports="$ports --port $(head -n 1 "$out")"
    i=$((i + 1))
  done
}
stop_sims() {
  for p in $pids; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
  pids=
}

single=
for n in 1 4 8; do
  start_sims "$n"
  rm -rf "$tmp/out"
  # shellcheck disable=SC2086
  /usr/bin/time -f "%e %U %S" -o "$tmp/time" "$cli" backup --dir "$tmp/out" $ports >"$tmp/summary" 2>/dev/null
  read -r wall user sys <"$tmp/time"
  [ -n "$single" ] || single=$wall
  awk -v n="$n" -v w="$wall" -v u="$user" -v s="$sys" -v one="$single" 'BEGIN {
    printf "%d port(s): wall %.2f s (single read %.2f s, %+.1f%%), cpu %.2f s, %.2f%% of a core per port\n",
      n, w, one, (w - one) * 100 / one, u + s, (u + s) * 100 / w / n }'
  stop_sims
done
