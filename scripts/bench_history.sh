#!/bin/sh
# The history window's list of 500 backups of 16 x 200 telephones: processor and wall time of the
# whole-file read it replaced and of the list read from each file's head, in one run. The files
# are fresh, so both read from the page cache; the old way read 65 MB of it.
# Usage: scripts/bench_history.sh [build-dir] [count]   (default build/dev, 500)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/dev}
count=${2:-500}
cmake --build "$build" -j2 --target orbisk-history-bench >/dev/null
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM
"$build/tests/bench/orbisk-history-bench" "$tmp" "$count"
