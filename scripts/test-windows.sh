#!/usr/bin/env bash
# Runs the Windows test programs of build/windows under Wine (headless: Qt's offscreen platform)
# through CTest, each test with a time limit. Usage: scripts/test-windows.sh [ctest options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
prefixes=$(bash scripts/windows-toolchain.sh)
. scripts/wine-env.sh
export QT_QPA_PLATFORM=offscreen
# One Wine server for the whole run instead of one per test; ours alone (our prefix).
wineserver -p
trap 'wineserver -k || true' EXIT
# Wine's own services start with the first program and keep its output open; started here on
# /dev/null, they do not hold CTest's pipes (which would make every test wait for its limit).
wine cmd /c exit < /dev/null > /dev/null 2>&1
cd build/windows
ctest -j"$(nproc)" --timeout "${ORBISK_WINE_TEST_TIMEOUT:-120}" --output-on-failure "$@"
