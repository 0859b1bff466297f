#!/usr/bin/env bash
# CI's Windows stage: the cross compiler, Wine and NSIS; the cross-build; every test program
# under Wine; the command-line tool and the simulator under Wine against the Linux build of
# BUILD_DIR (byte for byte); the installer and the zip, and a silent install and uninstall.
# Usage: scripts/ci-windows.sh LINUX_BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
linux=${1:-build/test}
# fonts-wine: Tahoma, the font Windows's dialogs use, which a Wine prefix otherwise lacks.
bash scripts/deps.sh g++-mingw-w64-x86-64-posix wine wine64 fonts-wine nsis zip xvfb xauth xz-utils
bash scripts/build-windows.sh --tested
bash scripts/test-windows.sh
bash tests/windows/cli_parity.sh "$linux/bin" build/windows/bin
bash scripts/package-windows.sh
bash tests/windows/installer_test.sh build/package
