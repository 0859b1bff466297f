#!/usr/bin/env bash
# The desktop program of the Windows package under Wine with Qt's windows platform, on a virtual
# screen: its first start reads halvorn-sim.exe's sample receiver through tcp://, then the
# screen is saved as a PNG. Usage: scripts/screenshot-windows.sh OUT.png [seconds to wait]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath "$1")
wait_s=${2:-25}
cd "$root"
prefixes=$(bash scripts/windows-toolchain.sh)
. scripts/wine-env.sh
app=$root/build/package/windows/Orbisk
[ -x "$app/orbisk.exe" ] || { echo "No package: run scripts/package-windows.sh" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Only the staged folder's DLLs and plugins: as installed.
unset WINEPATH
export LANG=ru_RU.UTF-8
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  app=$1 work=$2 out=$3 wait_s=$4
  wine "$app/halvorn-sim.exe" --tcp 0 > "$work/sim.out" 2>/dev/null &
  sim=$!
  for _ in $(seq 200); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
  port=$(head -1 "$work/sim.out" | tr -d "\r")
  printf "[General]\npr=%s\nfn=\n" "$port" > "$work/prefs.ini"
  ORBISK_PREFS_FILE="Z:${work//\//\\}\\prefs.ini" wine "$app/orbisk.exe" &
  gui=$!
  sleep "$wait_s"
  import -window root "$out"
  kill $gui $sim 2>/dev/null
  wineserver -k 2>/dev/null || true
' sh "$app" "$work" "$out" "$wait_s"
echo "$out"
