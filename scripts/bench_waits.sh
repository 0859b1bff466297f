#!/usr/bin/env bash
# The waits a technician feels with a 16 x 200 configuration, in milliseconds: opening a file,
# importing 3,200 telephones from a CSV file, comparing with another file, finding a telephone
# (orbisk-waits-bench, offscreen), then the start-up of orbisk with the file named on its command
# line to its first shown window (under xvfb-run, watched through xev's events; RUNS times,
# default 5, the middle figure printed).
# Usage: scripts/bench_waits.sh [build-dir]   (default build/dev)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

# Inside xvfb-run: "--starts BIN FILE RUNS" prints each start-up's milliseconds. The window's
# mapping is read from xev's report of the root window as it comes: a watcher started every few
# milliseconds would take the processor from the start-up it measures.
if [ "${1:-}" = "--starts" ]; then
  events=$(mktemp -u)
  mkfifo "$events"
  stdbuf -oL xev -root -event substructure >"$events" 2>/dev/null &
  watcher=$!
  exec 3<"$events"
  rm -f "$events"
  i=0
  while [ "$i" -lt "$4" ]; do
    t0=$(date +%s%N)
    QT_QPA_PLATFORM=xcb "$2" "$3" >/dev/null 2>&1 &
    app=$!
    # At most 20 s: a window that never shows is a failure, not a hang.
    t1=0
    while read -t 20 -r line <&3; do
      case $line in MapNotify*) t1=$(date +%s%N); break ;; esac
    done
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    # The closed window's events are not the next start's.
    while read -t 0.3 -r line <&3; do :; done
    if [ "$t1" -gt 0 ]; then echo $(((t1 - t0) / 1000000)); else echo "none"; fi
    i=$((i + 1))
  done
  kill "$watcher" 2>/dev/null || true
  exit 0
fi

build=${1:-$root/build/dev}
cmake --build "$build" -j2 --target orbisk orbisk-waits-bench >/dev/null
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM
export ORBISK_PREFS_FILE="$tmp/prefs.ini" ORBISK_BACKUP_DIR="$tmp/backups"

QT_QPA_PLATFORM=offscreen "$build/tests/bench/orbisk-waits-bench" "$tmp" 2>/dev/null

runs=${RUNS:-5}
# Preferences of their own: the offscreen window's stored ones are not a first start's.
times=$(ORBISK_PREFS_FILE="$tmp/start.ini" xvfb-run -a bash "$0" --starts "$build/bin/orbisk" "$tmp/full.rcf" "$runs")
middle=$(printf '%s\n' $times | sort -n | sed -n "$(((runs + 1) / 2))p")
printf '%-44s %6s ms   (runs: %s)\n' "start-up with full.rcf to the shown window" "$middle" "$(echo $times)"
