#!/usr/bin/env bash
# Installs what is missing, builds Orbisk from nothing without tests and packs it as a Debian
# package: build/package/orbisk_VERSION_ARCH.deb. With --from, packs a Release tree already
# built (the one scripts/test.sh makes), so CI does not compile everything a third time.
# Usage: scripts/package.sh [--from BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# dpkg-dev finds the packages of the Qt libraries the programs link, and CPack needs file to
# tell which installed files are programs; librsvg2-bin draws the icon's sizes.
"$root/scripts/deps.sh" dpkg-dev file librsvg2-bin

out="$root/build/package"
tree="$out/tree"
rm -rf "$out"
if [ "${1:-}" = "--from" ]; then
  tree=$(cd "${2:?--from needs a build folder}" && pwd)
  grep -q '^CMAKE_BUILD_TYPE:STRING=Release$' "$tree/CMakeCache.txt" || { echo "$tree is not a Release build" >&2; exit 1; }
else
  cmake -S "$root" -B "$tree" -DCMAKE_BUILD_TYPE=Release -DORBISK_TESTS=OFF -DORBISK_WERROR=ON >/dev/null
fi
cmake --build "$tree" -j"$(nproc)"
(cd "$tree" && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
ls "$out"/orbisk_*.deb
