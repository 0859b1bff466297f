#!/bin/sh
# Prints the noisy-line matrix: orbisk-cli transfers through a seeded man-in-the-middle that
# flips, drops, duplicates and inserts bytes or stalls the line, each cell SEEDS conversations.
# Columns: clean (right data, exit 0), reported (non-zero exit), silent (exit 0, wrong data),
# and for single reads how many the checks alone stopped (exit 3).
# Usage: scripts/noisy_line.sh [build-dir] [seeds]   (default build/dev, 25)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/dev}
seeds=${2:-25}
cmake --build "$build" -j2 --target test_noisy_line >/dev/null
ORBISK_NOISE_SEEDS=$seeds QT_QPA_PLATFORM=offscreen "$build/tests/test_noisy_line" --gtest_brief=1 |
  grep -v '^\[\|^$\|^Running main'
