# Sourced: a private Wine prefix (build/wine-prefix) set up once, and the paths under which the
# Windows programs of build/windows find Qt's DLLs and MinGW's runtime. Needs $root (the
# repository) and $prefixes (from scripts/windows-toolchain.sh).
# Wine hands no QT_* variable to a Windows program: Qt's options go on its command line
# (-platform windows), the test programs choose the offscreen platform themselves and load the
# fonts shipped beside the programs, and Qt finds its plugins beside its own DLLs.
winpath() { printf 'Z:%s' "${1//\//\\}"; }
qt_prefix=${prefixes%%;*}
export WINEPREFIX=${WINEPREFIX:-$root/build/wine-prefix} WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPATH="$(winpath "$qt_prefix/bin");$(winpath /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(winpath /usr/x86_64-w64-mingw32/lib)"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  xvfb-run -a wineboot -i >/dev/null 2>&1 || wineboot -i >/dev/null 2>&1
  wineserver -w
fi
# Windows's dialog font (MS Shell Dlg is Tahoma). Without it Wine stands in the first font it
# has (DejaVu Math TeX Gyre), whose line height hides the text of every one-line field.
if [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/tahoma.ttf" ] && [ -f /usr/share/wine/fonts/tahoma.ttf ]; then
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
fi
