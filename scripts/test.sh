#!/usr/bin/env bash
# Installs what is missing, builds Orbisk from nothing and runs every test.
# Usage: scripts/test.sh [--sanitize]
#   default     GCC, Release, in build/test (scripts/package.sh --from can pack that tree)
#   --sanitize  clang with AddressSanitizer and UBSan in build/sanitize; the fuzz targets are
#               libFuzzer programs there, so scripts/fuzz.sh can run them without a build of its own
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

opts=(-DORBISK_WERROR=ON -DCMAKE_BUILD_TYPE=Release)
dir="$root/build/test"
if [ "${1:-}" = "--sanitize" ]; then
  "$root/scripts/deps.sh" clang libclang-rt-14-dev
  export CC=clang CXX=clang++
  # Line tables are all a sanitizer's report needs, and cost a fraction of full debug info.
  opts=(-DORBISK_WERROR=ON -DORBISK_SANITIZE=ON -DORBISK_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug
        "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -gline-tables-only")
  dir="$root/build/sanitize"
  # Qt's own font and platform caches are kept for the life of the process: not our leaks.
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  "$root/scripts/deps.sh"
fi
rm -rf "$dir"
"$root/scripts/build.sh" "$dir" "${opts[@]}"
export QT_QPA_PLATFORM=offscreen
cd "$dir" && ctest --output-on-failure -j2 --timeout 300
