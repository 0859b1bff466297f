#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan) in build/fuzz and runs
# each for SECONDS (default 60) on a copy of its seeds. Prints per target the runs, executions a
# second, coverage and findings; a finding is saved under build/fuzz/fuzz-work/findings/<target>/
# and belongs, once mended, in tests/fuzz/regressions/<target>/.
# With BUILD_DIR, a tree already configured with ORBISK_FUZZ (scripts/test.sh --sanitize makes
# build/sanitize) is used instead, and the work folders go there.
# FUZZ_TARGETS (names separated by blanks) runs only those, one at a time; FUZZ_ARGS adds libFuzzer
# options (for a long run: FUZZ_ARGS='-runs=10000000').
# Usage: scripts/fuzz.sh [SECONDS] [BUILD_DIR]
set -uo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
tree="${2:-build/fuzz}"
bash scripts/deps.sh clang libclang-rt-14-dev >/dev/null || exit 1
if [ $# -lt 2 ]; then
  export CC=clang CXX=clang++
  cmake -S . -B "$tree" -DORBISK_FUZZ=ON -DORBISK_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 1
fi
grep -q '^ORBISK_FUZZ:BOOL=ON$' "$tree/CMakeCache.txt" 2>/dev/null || { echo "$tree is not a fuzz build" >&2; exit 1; }
targets="${FUZZ_TARGETS:-config_file read_stream link_replies csv_import sim_engine cli_args}"
# shellcheck disable=SC2046
cmake --build "$tree" -j"$(nproc)" --target $(printf 'fuzz_%s ' $targets) >"$tree/fuzz-build.log" 2>&1 ||
  { tail -40 "$tree/fuzz-build.log"; exit 1; }

# An input allocates a megabyte or two: a 64 MB quarantine still holds the last few dozen inputs'
# freed memory, and recycling the default 256 MB cost the larger targets a third of their time.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=0:quarantine_size_mb=64
export QT_QPA_PLATFORM=offscreen
failed=0
printf '%-14s %10s %10s %8s %8s %s\n' target runs exec/s cov ft findings
for t in $targets; do
  work="$tree/fuzz-work/corpus/$t"
  found="$tree/fuzz-work/findings/$t"
  rm -rf "$work" "$found" && mkdir -p "$work" "$found"
  cp tests/fuzz/corpus/$t/* "$work/"
  log="$tree/fuzz-work/$t.log"
  # Inputs as large as what they stand for: a whole image or a whole transfer (128 KB); a command
  # line (4 KB holds a hundred receivers' --port options); a telephone list of a few hundred rows.
  case "$t" in
    cli_args) max=4096 ;;
    csv_import) max=16384 ;;
    *) max=131088 ;;
  esac
  "$tree/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len="$max" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$found/" ${FUZZ_ARGS:-} "$work" >"$log" 2>&1
  rc=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
  last=$(grep -E '#[0-9]+.*(cov|DONE|pulse)' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' <<<"$last" | grep -o '[0-9]*')
  ft=$(grep -o 'ft: [0-9]*' <<<"$last" | grep -o '[0-9]*')
  eps=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$')
  n=$(find "$found" -type f | wc -l)
  printf '%-14s %10s %10s %8s %8s %s\n' "$t" "${runs:-?}" "${eps:-?}" "${cov:-?}" "${ft:-?}" "$n"
  if [ "$rc" -ne 0 ] || [ "$n" -ne 0 ]; then
    failed=1
    grep -E 'ERROR|rule broken|SUMMARY' "$log" | head -5
  fi
done
exit "$failed"
