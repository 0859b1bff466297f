#!/usr/bin/env bash
# Packs the Windows programs of build/windows (scripts/build-windows.sh) into build/package:
# orbisk-VERSION-setup.exe (NSIS installer) and orbisk-VERSION-windows.zip (portable), from one
# staged folder: the programs, the Qt and MinGW DLLs they load (what windeployqt would copy), the
# platform, style and image plugins, Qt's Russian translations and the report's fonts.
# Usage: scripts/package-windows.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${1:-build/windows}
prefixes=$(bash scripts/windows-toolchain.sh)
qt=${prefixes%%;*}
version=$(sed -n 's/^project(Orbisk VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
out=$root/build/package
work=$out/windows
stage=$work/Orbisk
mingw_dirs=(/usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)

rm -rf "$work" && mkdir -p "$stage"/{platforms,styles,imageformats,tls,translations}
for p in orbisk orbisk-cli halvorn-sim; do cp "$build/bin/$p.exe" "$stage/"; done
cp "$qt"/plugins/platforms/{qwindows,qoffscreen,qminimal}.dll "$stage/platforms/"
cp "$qt"/plugins/styles/*.dll "$stage/styles/"
cp "$qt"/plugins/imageformats/*.dll "$stage/imageformats/"
cp "$qt"/plugins/tls/*.dll "$stage/tls/" 2>/dev/null || rmdir "$stage/tls"

# The DLLs every program and plugin imports, found in Qt's bin or MinGW's runtime, and theirs.
find_dll() {
  local d
  for d in "$qt/bin" "${mingw_dirs[@]}"; do
    [ -f "$d/$1" ] && { echo "$d/$1"; return; }
  done
  return 0
}
queue=("$stage"/*.exe "$stage"/*/*.dll)
while [ ${#queue[@]} -gt 0 ]; do
  file=${queue[0]}; queue=("${queue[@]:1}")
  for dll in $(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
    [ -e "$stage/$dll" ] && continue
    from=$(find_dll "$dll")
    [ -n "$from" ] || continue  # a Windows system DLL
    cp "$from" "$stage/$dll"
    queue+=("$stage/$dll")
  done
done

x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll

cp /usr/share/qt6/translations/{qtbase,qtserialport}_ru.qm "$stage/translations/"
printf '[Paths]\r\nPrefix=.\r\nTranslations=translations\r\n' > "$stage/qt.conf"
cp -r "$build/bin/fonts" "$stage/"
cp /usr/share/doc/fonts-dejavu-core/copyright "$stage/fonts/LICENSE.txt"
cp packaging/doc/copyright "$stage/COPYRIGHT.txt"

# The installer's file lists: each file installed, and removed again by the uninstaller.
(cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) > "$work/files.txt"
{
  while read -r f; do
    dir=$(dirname "$f"); [ "$dir" = . ] && dir= || dir="\\${dir//\//\\}"
    printf 'SetOutPath "$INSTDIR%s"\nFile "%s"\n' "$dir" "$stage/$f"
  done < "$work/files.txt"
  echo 'SetOutPath "$INSTDIR"'
} > "$work/installed.nsh"
{
  while read -r f; do printf 'Delete "$INSTDIR\\%s"\n' "${f//\//\\}"; done < "$work/files.txt"
  (cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort -r) |
    while read -r d; do printf 'RMDir "$INSTDIR\\%s"\n' "${d//\//\\}"; done
} > "$work/removed.nsh"

setup=$out/orbisk-$version-setup.exe
zipfile=$out/orbisk-$version-windows.zip
rm -f "$setup" "$zipfile"
makensis -V2 -DVERSION="$version" -DOUTFILE="$setup" -DLISTS="$work" packaging/windows/orbisk.nsi
(cd "$work" && zip -qr "$zipfile" Orbisk)
ls -l "$setup" "$zipfile"
