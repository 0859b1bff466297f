#!/usr/bin/env bash
# Cross-builds the Windows programs (orbisk.exe, orbisk-cli.exe, halvorn-sim.exe and the test
# programs) with MinGW-w64 against the Qt for MinGW in ../shared/toolchains, unpacked once into
# build/toolchains. Usage: scripts/build-windows.sh [--no-tests] [cmake options...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tests=ON
if [ "${1:-}" = --no-tests ]; then tests=OFF; shift; fi

prefixes=$(bash scripts/windows-toolchain.sh)
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DORBISK_WIN_PREFIXES="$prefixes" -DCMAKE_BUILD_TYPE=Release -DORBISK_WERROR=ON \
  -DORBISK_TESTS=$tests -DORBISK_PCH=ON -DORBISK_REGISTER=OFF -DORBISK_XLSX=OFF "${launcher[@]}" "$@" >/dev/null
# The programs first, so that a failing test build still leaves them to try.
cmake --build build/windows -j"$(nproc)" --target orbisk orbisk-cli halvorn-sim
cmake --build build/windows -j"$(nproc)"
