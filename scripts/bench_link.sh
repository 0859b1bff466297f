#!/bin/sh
# Times whole-configuration transfers through halvorn-sim on a pseudo-terminal:
# a 16 x 200 read and write at full speed, then the sample configuration's read and write paced
# at 1200 baud against the least they can take, with the share of a core each used.
# Usage: scripts/bench_link.sh [build-dir]   (default build/dev)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/dev}
cmake --build "$build" -j2 --target halvorn-sim orbisk-link-bench >/dev/null
sim=$build/bin/halvorn-sim
bench=$build/tests/bench/orbisk-link-bench
tmp=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT INT TERM

# Starts the simulator with the given options and sets $port to its device.
start_sim() {
  rm -f "$tmp/sim.out"
  : >"$tmp/sim.out"
  "$sim" "$@" >>"$tmp/sim.out" &
  pid=$!
  i=0
  while [ ! -s "$tmp/sim.out" ] && [ $i -lt 100 ]; do sleep 0.05; i=$((i + 1)); done
  port=$(head -n 1 "$tmp/sim.out")
}
stop_sim() {
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
}

"$bench" full "$tmp/full.rcf"
start_sim --load "$tmp/full.rcf" --save-on-write "$tmp/saved.rcf"
echo "16 x 200 telephones, no pacing:"
"$bench" read "$port" "$tmp/full.rcf"
"$bench" write "$port" "$tmp/full.rcf"
# From byte 8 on: the first bytes are the clock stamp and the file signature.
if cmp -s -i 8 "$tmp/full.rcf" "$tmp/saved.rcf"; then
  echo "written configuration matches the simulator's memory"
else
  echo "written configuration differs from the simulator's memory"
fi
stop_sim

start_sim --paced
echo "sample configuration, paced at 1200 baud: bound_s = the receiver's bytes x 10 / 1200 + the"
echo "protocol's 0.5 s pauses (+ 0.3 s listening after a read); ratio = wall / bound; core = processor / wall:"
"$bench" paced-read "$port"
"$bench" sample "$tmp/sample.rcf"
"$bench" paced-write "$port" "$tmp/sample.rcf"
echo "the read with the serial trace on:"
ORBISK_BENCH_TRACE="$tmp/trace.log" "$bench" paced-read "$port"
echo "trace: $(wc -l <"$tmp/trace.log") lines"
stop_sim
