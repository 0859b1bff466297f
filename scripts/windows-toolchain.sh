#!/usr/bin/env bash
# Unpacks Qt and GoogleTest for MinGW from ../shared/toolchains into build/toolchains (once per
# archive) and prints the two prefixes, separated by ';', for CMake.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# ../shared beside the clone (CI), or beside the folder of worktrees.
archive=${ORBISK_QT_MINGW_ARCHIVE:-}
for candidate in "$root/../shared" "$root/../../shared"; do
  [ -n "$archive" ] && break
  [ -f "$candidate/toolchains/qt6-mingw-6.4.2.tar.xz" ] && archive=$candidate/toolchains/qt6-mingw-6.4.2.tar.xz
done
archive=${archive:-$root/../shared/toolchains/qt6-mingw-6.4.2.tar.xz}
dest=$root/build/toolchains
stamp=$dest/.unpacked-$(basename "$archive")
if [ ! -e "$stamp" ]; then
  [ -f "$archive" ] || { echo "No Qt for MinGW: $archive" >&2; exit 1; }
  rm -rf "$dest" && mkdir -p "$dest"
  tar -C "$dest" -xJf "$archive"
  touch "$stamp"
fi
echo "$dest/opt/orbisk-qt6-mingw;$dest/opt/orbisk-gtest-mingw"
