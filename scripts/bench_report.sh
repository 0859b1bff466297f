#!/bin/sh
# The report of a 16 x 200 configuration: processor time of the rich-text layout it replaced and
# of the painted pages in one run, orbisk-cli report on its own, and the longest stall of the
# main window's event loop while "Экспорт в PDF..." runs and while "Предварительный просмотр..."
# fills.
# Usage: scripts/bench_report.sh [build-dir]   (default build/dev)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/dev}
cmake --build "$build" -j2 --target orbisk-cli orbisk-report-bench orbisk-link-bench >/dev/null
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM
[ -n "${SCREENSHOT:-}" ] || export QT_QPA_PLATFORM=offscreen

"$build/tests/bench/orbisk-report-bench" pdf "$tmp"
for f in rich painted; do printf '%s.pdf: %s pages\n' "$f" "$(pdfinfo "$tmp/$f.pdf" | awk '/^Pages:/ { print $2 }')"; done
"$build/tests/bench/orbisk-link-bench" full "$tmp/full.rcf" >/dev/null
/usr/bin/time -f "%e %U %S" -o "$tmp/time" "$build/bin/orbisk-cli" report "$tmp/full.rcf" --out "$tmp/full.pdf"
read -r wall user sys <"$tmp/time"
pages=$(pdfinfo "$tmp/full.pdf" | awk '/^Pages:/ { print $2 }')
awk -v w="$wall" -v u="$user" -v s="$sys" -v p="$pages" 'BEGIN {
  printf "orbisk-cli report --out full.pdf: %d pages, processor %.2f s, wall %.2f s\n", p, u + s, w }'
# SCREENSHOT=file.png (under xvfb-run) keeps a picture of the progress window.
"$build/tests/bench/orbisk-report-bench" window "$tmp" ${SCREENSHOT:-}
# PREVIEW_SCREENSHOT=file.png keeps a picture of the filled preview.
"$build/tests/bench/orbisk-report-bench" preview "$tmp" ${PREVIEW_SCREENSHOT:-}
