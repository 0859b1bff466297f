#!/usr/bin/env bash
# The options orbisk-cli takes, as its parser accepts them, as --help shows them and as its
# manual page lists them, must be the same three sets, command by command.
# Usage: cli_manual_options.sh ORBISK_CLI MANUAL_PAGE
set -uo pipefail
cli=$1
page=$2
failed=0
fail() { echo "FAIL: $*"; failed=1; }

help=$("$cli" --help) || { echo "FAIL: $cli --help exited $?"; exit 1; }
# Options of the whole page and of --help, one a line.
options_in() { grep -oE -- '--[a-z][a-z-]*' | sort -u; }
man_text=$(sed 's/\\-/-/g; s/\\f[BIRP]//g' "$page")

all_help=$(options_in <<<"$help" | grep -vx -- '--help\|--version')
all_man=$(options_in <<<"$man_text" | grep -vx -- '--help\|--version')
[ "$all_help" = "$all_man" ] || fail "options differ: --help only: $(comm -23 <(echo "$all_help") <(echo "$all_man") | xargs), manual only: $(comm -13 <(echo "$all_help") <(echo "$all_man") | xargs)"
[ -n "$all_help" ] || fail "--help lists no options"

# The usage line(s) of one command in --help: from "orbisk-cli CMD" to the next command.
help_usage() {
  awk -v c="$1" '/^  orbisk-cli /{on = ($2 == c)} /^$/{on = 0} on' <<<"$help" | options_in
}
# The synopsis of one command in the manual: from ".B orbisk-cli CMD" to its ".br".
man_synopsis() {
  awk -v c="$1" '/^\.B orbisk-cli /{on = ($3 == c)} /^\.br/{on = 0} on' <<<"$man_text" | options_in
}
# What the parser takes: an option that does not apply is refused with words saying so, once the
# option itself is well formed (with a value, or without one, whichever it wants).
parser_takes() {
  local cmd=$1 opt
  for opt in $all_help; do
    local said
    said=$({ "$cli" "$cmd" "$opt"; "$cli" "$cmd" "$opt=x"; } 2>&1)
    [[ $said == *"does not apply"* ]] || echo "$opt"
  done | sort -u
}

commands=$(awk '/^  orbisk-cli [a-z]/{print $2}' <<<"$help" | sort -u)
[ -n "$commands" ] || fail "--help names no commands"
for cmd in $commands; do
  want=$(parser_takes "$cmd")
  got_help=$(help_usage "$cmd")
  got_man=$(man_synopsis "$cmd")
  [ "$want" = "$got_help" ] || fail "$cmd: the parser takes [$(echo $want)], --help shows [$(echo $got_help)]"
  [ "$want" = "$got_man" ] || fail "$cmd: the parser takes [$(echo $want)], the manual shows [$(echo $got_man)]"
done

for section in ENVIRONMENT FILES "EXIT STATUS"; do
  grep -q "^\.SH \"\?$section\"\?$" "$page" || fail "the manual has no $section section"
done
[ $failed -eq 0 ] && echo "options agree: $(echo $commands | wc -w) commands, $(echo $all_help | wc -w) options"
exit $failed
