#!/usr/bin/env bash
# orbisk --version and --help answer without a display (no DISPLAY, no platform plugin chosen),
# and both programs name the same version.
# Usage: info_options.sh ORBISK ORBISK_CLI
set -uo pipefail
gui=$1
cli=$2
bare=(env -i PATH=/usr/bin:/bin HOME="${HOME:-/tmp}")
failed=0
version=$("${bare[@]}" "$gui" --version 2>&1) || { echo "FAIL: orbisk --version exited $?: $version"; failed=1; }
[[ $version =~ ^orbisk\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "FAIL: orbisk --version says '$version'"; failed=1; }
[ "${version#orbisk }" = "$("$cli" --version | sed 's/^orbisk-cli //')" ] \
  || { echo "FAIL: orbisk and orbisk-cli name different versions"; failed=1; }
help=$("${bare[@]}" "$gui" --help 2>&1) || { echo "FAIL: orbisk --help exited $?: $help"; failed=1; }
grep -q -- "--version" <<<"$help" && grep -q "ORBISK_PREFS_FILE" <<<"$help" \
  || { echo "FAIL: orbisk --help says '$help'"; failed=1; }
[ $failed -eq 0 ] && echo "ok: $version"
exit $failed
