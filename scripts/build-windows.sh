#!/usr/bin/env bash
# Cross-builds the Windows programs (orbisk.exe, orbisk-cli.exe, halvorn-sim.exe and the test
# programs) with MinGW-w64 against the Qt for MinGW in ../shared/toolchains, unpacked once into
# build/toolchains.
# Usage: scripts/build-windows.sh [--no-tests | --tested] [cmake options...]
#   --no-tests  the three programs only
#   --tested    the programs and what scripts/test-windows.sh runs, nothing else (CI)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tests=ON only_tested=
case "${1:-}" in
  --no-tests) tests=OFF; shift ;;
  --tested) only_tested=1; shift ;;
esac

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
if [ -n "$only_tested" ]; then
  # The GoogleTest programs and the fuzz targets' replay programs; not the layer probe, the
  # source-rules tool or the benchmarks, which only Linux runs.
  mapfile -t tested < <(cmake --build build/windows --target help | sed -n 's/^\.\.\. \(\(test\|replay\)_[a-z0-9_]*\)$/\1/p' |
                        grep -v '_autogen$')
  cmake --build build/windows -j"$(nproc)" --target "${tested[@]}"
else
  cmake --build build/windows -j"$(nproc)"
fi
