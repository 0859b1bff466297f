# Sourced: a private Wine prefix (build/wine-prefix) set up once, and the paths under which the
# Windows programs of build/windows find Qt's DLLs and plugins, MinGW's runtime and the report's
# fonts. Needs $root (the repository) and $prefixes (from scripts/windows-toolchain.sh).
winpath() { printf 'Z:%s' "${1//\//\\}"; }
qt_prefix=${prefixes%%;*}
export WINEPREFIX=${WINEPREFIX:-$root/build/wine-prefix} WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEPATH="$(winpath "$qt_prefix/bin");$(winpath /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(winpath /usr/x86_64-w64-mingw32/lib)"
export QT_PLUGIN_PATH=$(winpath "$qt_prefix/plugins")
# Qt's offscreen platform on Windows reads fonts from this folder only.
export QT_QPA_FONTDIR=$(winpath /usr/share/fonts/truetype/dejavu)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  xvfb-run -a wineboot -i >/dev/null 2>&1 || wineboot -i >/dev/null 2>&1
  wineserver -w
fi
