#!/bin/sh
# Every text in the code and the forms is in translations/orbisk_ru.ts, and nothing else is:
# lupdate brings a copy of the catalogue up to date, and the copy must come out unchanged.
# Usage: texts_catalogue.sh LUPDATE SRC-DIR CATALOGUE
set -eu
lupdate=$1 src=$2 catalogue=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$catalogue" "$work/orbisk_ru.ts"
find "$src" -name '*.cpp' -o -name '*.h' -o -name '*.ui' | sort > "$work/sources"
"$lupdate" -silent -I "$src" -no-obsolete -locations none "@$work/sources" -ts "$work/orbisk_ru.ts"
if ! cmp -s "$catalogue" "$work/orbisk_ru.ts"; then
  diff -u "$catalogue" "$work/orbisk_ru.ts" | head -40
  echo "translations/orbisk_ru.ts is behind the code: cmake --build <build> --target update_translations" >&2
  exit 1
fi
echo "every text is in the catalogue ($(grep -c '<message>' "$catalogue") texts)"
