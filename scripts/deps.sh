#!/usr/bin/env bash
# Installs the Debian packages Orbisk needs, only those that are missing.
# Usage: scripts/deps.sh [extra-package ...]
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-serialport-dev qt6-translations-l10n libgtest-dev fonts-dejavu-core "$@")
# lupdate and its CMake functions keep the catalogue of texts (translations/orbisk_ru.ts).
packages+=(qt6-l10n-tools qt6-tools-dev)
missing=()
# pdftotext and pdftoppm: the tests read the configuration report's PDFs back. rsvg-convert
# draws the icon's sizes when the tree is configured, and the package is packed from that tree.
packages+=(poppler-utils librsvg2-bin)
# ser2net: the tests run it on loopback in front of halvorn-sim (tcp:// and rfc2217:// ports).
packages+=(ser2net)
# LibreOffice Calc: a test takes a telephone export through a real spreadsheet and back.
packages+=(libreoffice-calc-nogui)
# Qt SQL's SQLite driver: the register of receivers and the audit trail.
packages+=(libqt6sql6-sqlite)
# .xlsx export and import: libxlsxwriter writes the workbooks, libzip unpacks them.
packages+=(libxlsxwriter-dev libzip-dev)
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
