#!/usr/bin/env bash
# Installs what is missing, builds Orbisk from nothing and runs every test.
# Usage: scripts/test.sh [--sanitize]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"

opts=(-DORBISK_WERROR=ON)
dir="$root/build/test"
if [ "${1:-}" = "--sanitize" ]; then
  opts+=(-DORBISK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  dir="$root/build/sanitize"
  # Qt's own font and platform caches are kept for the life of the process: not our leaks.
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
rm -rf "$dir"
"$root/scripts/build.sh" "$dir" "${opts[@]}"
export QT_QPA_PLATFORM=offscreen
cd "$dir" && ctest --output-on-failure -j2 --timeout 300
