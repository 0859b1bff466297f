#!/bin/sh
# The programs speak Russian whatever the system's language: orbisk-cli shows a configuration with
# the same captions under an English or a German locale as under none.
# Usage: russian_any_locale.sh HALVORN_SIM ORBISK_CLI
set -eu
sim=$1 cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$sim" --sample "$work/sample.rcf"
for lang in C en_US.UTF-8 de_DE.UTF-8; do
  shown=$(env LANG="$lang" LC_ALL="$lang" LANGUAGE="${lang%%_*}" "$cli" show "$work/sample.rcf")
  for caption in "Номер приемника:" "Формат для связи с РС:" "телефон"; do
    printf '%s\n' "$shown" | grep -qF "$caption" || { echo "FAIL: under $lang, no \"$caption\" in:"; printf '%s\n' "$shown" | head -5; exit 1; }
  done
done
echo "ok: Russian under every locale"
