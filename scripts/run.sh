#!/usr/bin/env bash
# Installs what is missing, builds Orbisk and starts it.
# Usage: scripts/run.sh [--demo]
#   --demo  also starts the bundled receiver simulator with a sample configuration, and runs
#           Orbisk with throw-away preferences whose port is the simulator's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
dir="$root/build/run"
"$root/scripts/build.sh" "$dir" -DORBISK_TESTS=OFF

if [ "${1:-}" != "--demo" ]; then
  exec "$dir/bin/orbisk"
fi

tmp=$(mktemp -d)
trap 'kill "$sim_pid" 2>/dev/null || true; rm -rf "$tmp"' EXIT
"$dir/bin/halvorn-sim" > "$tmp/sim.out" &
sim_pid=$!
for _ in $(seq 50); do [ -s "$tmp/sim.out" ] && break; sleep 0.1; done
port=$(head -n 1 "$tmp/sim.out")
echo "Receiver simulator on $port"
printf '[General]\npr=%s\nfn=%s\n' "$port" "$tmp" > "$tmp/orbsk.ini"
ORBISK_PREFS_FILE="$tmp/orbsk.ini" "$dir/bin/orbisk"
