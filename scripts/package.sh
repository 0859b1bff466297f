#!/usr/bin/env bash
# Installs what is missing, builds Orbisk from nothing without tests and packs it as a Debian
# package: build/package/orbisk_VERSION_ARCH.deb.
# Usage: scripts/package.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# dpkg-dev finds the packages of the Qt libraries the programs link; librsvg2-bin draws the
# icon's sizes.
"$root/scripts/deps.sh" dpkg-dev librsvg2-bin

out="$root/build/package"
tree="$out/tree"
rm -rf "$out"
cmake -S "$root" -B "$tree" -DCMAKE_BUILD_TYPE=Release -DORBISK_TESTS=OFF -DORBISK_WERROR=ON >/dev/null
cmake --build "$tree" -j2
(cd "$tree" && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
ls "$out"/orbisk_*.deb
