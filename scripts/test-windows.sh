#!/usr/bin/env bash
# Runs the Windows test programs of build/windows under Wine, as many at once as there are cores,
# each program once as a whole: the GoogleTest programs (on Qt's offscreen platform, which their
# main chooses) with a time limit per test (ORBISK_TEST_TIMEOUT, the test main's watchdog) and per
# program, judged by the summary they print; the fuzz targets' replay programs on their seeds and
# kept inputs, judged by their exit status. CTest is not used: it would start one Wine process
# per test, and list every program's tests under Wine before the first one runs.
# Logs go to build/windows/wine-tests/. Usage: scripts/test-windows.sh [name pattern, e.g. 'test_c*']
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
prefixes=$(bash scripts/windows-toolchain.sh) || exit 1
. scripts/wine-env.sh
export ORBISK_TEST_BIN_DIR="Z:$root/build/windows"
export ORBISK_TEST_TIMEOUT=${ORBISK_WINE_TEST_TIMEOUT:-120}
program_limit=${ORBISK_WINE_PROGRAM_TIMEOUT:-900}
jobs=${ORBISK_WINE_JOBS:-$(nproc)}
# One Wine server for the whole run; ours alone (our prefix).
wineserver -p
trap 'wineserver -k || true' EXIT
wine cmd /c exit < /dev/null > /dev/null 2>&1
logs=$root/build/windows/wine-tests
rm -rf "$logs" && mkdir -p "$logs"
cd build/windows/tests

# A GoogleTest program: "passed failed skipped" from its summary into NAME.result.
# Under load, a test program under Wine (8.0) now and then dies in one of Qt's wait callbacks run
# by Wine's thread pool (tp_object_execute), not in a test's code: such a program is run once
# more, its first log kept as NAME.crashed.log and named in the summary. A crash anywhere else,
# or a second one, fails as before.
run_gtest() {
  local name=${1%.exe} log=$logs/${1%.exe}.log
  timeout -k 10 "$program_limit" wine "$1" > "$log" 2>&1 < /dev/null
  if grep -q '^Unhandled exception' "$log" && grep -q 'tp_object_execute' "$log" && ! grep -q '^\[  FAILED  \]' "$log"; then
    mv "$log" "$logs/$name.crashed.log"
    timeout -k 10 "$program_limit" wine "$1" > "$log" 2>&1 < /dev/null
  fi
  local p f s
  p=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log")
  f=$(sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' "$log")
  s=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) test.*/\1/p' "$log")
  echo "${p:-?} ${f:-0} ${s:-0}" > "$logs/$name.result"
}

# A replay program: every seed and kept input of its target, none may crash it.
run_replay() {
  local name=$(basename "${1%.exe}")
  local target=${name#replay_} fuzz=$root/tests/fuzz log=$logs/$name.log
  timeout -k 10 "$program_limit" wine "$1" "$(winpath "$fuzz/corpus/$target")" "$(winpath "$fuzz/regressions/$target")" \
    > "$log" 2>&1 < /dev/null
  local status=$? n
  n=$(sed -n 's/^\([0-9]*\) inputs replayed.*/\1/p' "$log")
  if [ "$status" = 0 ] && [ -n "$n" ]; then echo "1 0 0" > "$logs/$name.result"; else echo "? 1 0" > "$logs/$name.result"; fi
}

# The longest first, so that the last to end does not run alone.
programs=()
for exe in test_cli_e2e.exe test_sim.exe test_main_window.exe test_core.exe; do
  [[ $exe == ${1:-test_*}.exe ]] && [ -f "$exe" ] && programs+=("$exe")
done
for exe in ${1:-test_*}.exe fuzz/${1:-replay_*}.exe; do
  [ -f "$exe" ] || continue
  [[ " ${programs[*]} " == *" $exe "* ]] || programs+=("$exe")
done
[ ${#programs[@]} -gt 0 ] || { echo "No test programs in build/windows/tests: run scripts/build-windows.sh"; exit 1; }

running=0
for exe in "${programs[@]}"; do
  if [[ $exe == fuzz/* ]]; then run_replay "$exe" & else run_gtest "$exe" & fi
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then wait -n; running=$((running - 1)); fi
done
wait

failed=0 passed=0 skipped=0 replays=0 bad=()
for exe in "${programs[@]}"; do
  name=$(basename "${exe%.exe}")
  read -r p f s < "$logs/$name.result"
  if [[ $exe == fuzz/* ]]; then
    [ "$p" = 1 ] && replays=$((replays + 1))
    printf '%-24s %s\n' "$name.exe" "$(tail -n 1 "$logs/$name.log" | tr -d '\r')"
  else
    printf '%-24s passed %4s  failed %3s  skipped %3s\n' "$exe" "$p" "$f" "$s"
    passed=$((passed + ${p/\?/0})) failed=$((failed + f)) skipped=$((skipped + s))
    grep -h '^\[ TIMEOUT  \]' "$logs/$name.log"
    [ -f "$logs/$name.crashed.log" ] && echo "  crashed in Wine's thread pool and was run again (first log: $name.crashed.log)"
    # A CI log keeps only this summary: name each failure and where it was asserted.
    [ "$f" = 0 ] || grep -h -e ': Failure' -e '^\[  FAILED  \] [A-Z]' "$logs/$name.log" | tr -d '\r' | head -n 20
  fi
  if [ "$p" = "?" ] || [ "$f" != 0 ]; then bad+=("$exe"); fi
done
echo "under Wine: $passed tests passed, $failed failed, $skipped skipped; $replays fuzz replays whole; logs in $logs"
[ ${#bad[@]} -eq 0 ] || { echo "not passed: ${bad[*]}"; exit 1; }
