#!/usr/bin/env bash
# Runs the Windows test programs of build/windows under Wine (headless: Qt's offscreen platform),
# each program once as a whole with a time limit, and judges each by the summary GoogleTest
# prints: some programs do not exit under Wine 8 after their last test, which CTest (one Wine
# process per test) would wait out test by test. Logs go to build/windows/wine-tests/.
# Usage: scripts/test-windows.sh [test program name pattern, e.g. 'test_c*']
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
prefixes=$(bash scripts/windows-toolchain.sh) || exit 1
. scripts/wine-env.sh
export QT_QPA_PLATFORM=offscreen ORBISK_TEST_BIN_DIR="Z:$root/build/windows"
# One Wine server for the whole run; ours alone (our prefix).
wineserver -p
trap 'wineserver -k || true' EXIT
wine cmd /c exit < /dev/null > /dev/null 2>&1
logs=$root/build/windows/wine-tests
mkdir -p "$logs"
cd build/windows/tests
failed=0 passed=0 skipped=0 bad=()
for exe in ${1:-test_*}.exe; do
  log=$logs/${exe%.exe}.log
  timeout "${ORBISK_WINE_TEST_TIMEOUT:-240}" wine "$exe" > "$log" 2>&1
  p=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log")
  f=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' "$log")
  s=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) test.*/\1/p' "$log")
  passed=$((passed + ${p:-0})) failed=$((failed + ${f:-0})) skipped=$((skipped + ${s:-0}))
  if [ -z "$p" ] || [ -n "$f" ]; then bad+=("$exe"); fi
  printf '%-24s passed %4s  failed %3s  skipped %3s\n' "$exe" "${p:-?}" "${f:-0}" "${s:-0}"
done
echo "under Wine: $passed passed, $failed failed, $skipped skipped; logs in $logs"
[ ${#bad[@]} -eq 0 ] || { echo "not passed: ${bad[*]}"; exit 1; }
