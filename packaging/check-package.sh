#!/usr/bin/env bash
# Checks the Debian package scripts/package.sh made: its files and fields, the menu entry, the
# metadata and the manual pages, then runs the programs unpacked into a scratch root.
# Usage: packaging/check-package.sh [folder of the .deb]   (default build/package)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" desktop-file-utils appstream man-db lintian

debs=("${1:-$root/build/package}"/orbisk_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "expected one orbisk_*.deb, found: ${debs[*]}" >&2; exit 1; }
deb=${debs[0]}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

echo "== files of $(basename "$deb")"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$scratch/files"
expected=(/usr/bin/orbisk /usr/bin/orbisk-cli /usr/bin/halvorn-sim
  /usr/share/applications/orbisk.desktop
  /usr/share/metainfo/org.example.orbisk.metainfo.xml
  /usr/share/icons/hicolor/scalable/apps/orbisk.svg
  /usr/share/mime/packages/orbisk.xml /usr/share/icons/hicolor/scalable/mimetypes/application-x-orbisk-rcf.svg
  /usr/share/man/man1/orbisk.1.gz /usr/share/man/man1/orbisk-cli.1.gz /usr/share/man/man1/halvorn-sim.1.gz
  /usr/share/doc/orbisk/copyright /usr/share/doc/orbisk/changelog.gz)
for size in 16 24 32 48 64 128 256; do expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/orbisk.png"); done
for f in "${expected[@]}"; do grep -qx -- "$f" "$scratch/files" && echo "ok $f" || fail "missing $f"; done

echo "== fields"
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6network6 qt6-qpa-plugins fonts-dejavu-core; do
  [[ ", $depends," == *", $d"[\ ,]* ]] && echo "ok Depends $d" || fail "Depends lacks $d: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = qt6-translations-l10n ] && echo "ok Recommends" || fail "Recommends"
version=$(dpkg-deb -f "$deb" Version)

echo "== lintian"
# Every error and warning fails the check; informational tags are shown, and only those about
# hardening and unneeded sections fail it.
rc=0
lintian --tag-display-limit 0 --display-info "$deb" > "$scratch/lintian" 2>&1 || rc=$?
cat "$scratch/lintian"
if grep -qE '^[EW]: |binary-has-unneeded-section|hardening-no-(relro|bindnow|pie)' "$scratch/lintian"; then
  fail "lintian: $(grep -cE '^[EWI]: ' "$scratch/lintian") tags, errors, warnings or unneeded sections among them"
elif [ $rc -ne 0 ]; then
  fail "lintian exited with status $rc"
else
  echo "ok, no errors and no warnings"
fi

dpkg -x "$deb" "$scratch/root"
usr=$scratch/root/usr

echo "== desktop-file-validate"
if out=$(desktop-file-validate "$usr/share/applications/orbisk.desktop" 2>&1) && [ -z "$out" ]; then
  echo "ok, no messages"
else
  fail "desktop entry: $out"
fi

echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$usr/share/metainfo/org.example.orbisk.metainfo.xml" || fail "metainfo"
grep -q "<release version=\"$version\"" "$usr/share/metainfo/org.example.orbisk.metainfo.xml" \
  && echo "ok release $version" || fail "metainfo has no release $version"

echo "== manual pages"
for page in orbisk orbisk-cli halvorn-sim; do
  file=$usr/share/man/man1/$page.1.gz
  [ -f "$file" ] || continue  # reported with the files above
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$file" 2>&1 >"$scratch/$page.txt") || fail "man $page"
  [ -z "$warnings" ] || fail "man $page: $warnings"
  head -n 4 "$scratch/$page.txt" | grep -q "^NAME" && echo "ok $page.1: $(sed -n 4p "$scratch/$page.txt" | xargs)" \
    || fail "man $page shows no NAME"
  grep -q "^Orbisk $version " "$scratch/$page.txt" || fail "man $page does not name version $version"
done

echo "== programs from the scratch root"
for p in orbisk orbisk-cli halvorn-sim; do
  ldd "$usr/bin/$p" | grep -q "not found" && fail "$p: $(ldd "$usr/bin/$p" | grep 'not found')"
done
got=$("$usr/bin/orbisk-cli" --version) || fail "orbisk-cli --version"
[ "$got" = "orbisk-cli $version" ] && echo "ok orbisk-cli --version: $got" || fail "orbisk-cli --version says '$got'"
"$usr/bin/halvorn-sim" --help > "$scratch/sim-help" || fail "halvorn-sim --help"
grep -q -- "--load" "$scratch/sim-help" && echo "ok halvorn-sim --help: $(head -n 1 "$scratch/sim-help")" \
  || fail "halvorn-sim --help"
# The desktop program must start and keep running; the stored port is one that does not exist.
printf '[General]\npr=/nonexistent/port\nfn=%s\n' "$scratch" > "$scratch/prefs.ini"
rc=0
QT_QPA_PLATFORM=offscreen ORBISK_PREFS_FILE="$scratch/prefs.ini" timeout 5 "$usr/bin/orbisk" \
  >/dev/null 2>&1 || rc=$?
[ $rc -eq 124 ] && echo "ok orbisk runs" || fail "orbisk ended with status $rc within 5 s"

[ $failed -eq 0 ] && echo "package checks passed" || { echo "package checks FAILED" >&2; exit 1; }
