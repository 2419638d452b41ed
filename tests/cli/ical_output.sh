#!/usr/bin/env bash
# Writes one year of holidays with kestrelon-cli ical to standard output and with -o, natively and under Wine, and
# checks the bytes: CRLF line ends and no doubled carriage return, the same file both ways (-o replacing a file
# already there, and leaving a file named as a temporary one alone), one event per holiday the day's text shows, and
# a failed write that exits 1, says why in one line and leaves nothing behind.
#
#   ical_output.sh -- COMMAND [ARGUMENTS...]     (COMMAND runs kestrelon-cli, under its runner if any)
set -uo pipefail
[ "${1:-}" = "--" ] && shift

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 2
export SOURCE_DATE_EPOCH=1700000000
span=(--observance israel --from 2023 --to 2024)

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

"$@" ical "${span[@]}" >stdout.ics 2>err || fail "ical to standard output exited $?: $(cat err)"
printf 'an older calendar\n' >file.ics
printf 'mine\n' >file.ics.tmp
"$@" ical "${span[@]}" -o file.ics >out 2>err || fail "ical -o exited $?: $(cat err)"
[ -s out ] && fail "ical -o wrote to standard output"
cmp -s stdout.ics file.ics || fail "-o wrote other bytes than standard output got"
cmp -s <(head -c 17 stdout.ics) <(printf 'BEGIN:VCALENDAR\r\n') ||
    fail "the file does not start with BEGIN:VCALENDAR and CRLF"
grep -q $'\r\r' stdout.ics && fail "a carriage return is doubled"
lines=$(grep -c '' stdout.ics)
crlf=$(grep -c $'\r$' stdout.ics)
[ "$lines" = "$crlf" ] || fail "$((lines - crlf)) of $lines lines do not end in CRLF"
# One event per row of `holidays`, but for Simchat Torah (code 46): under Israel the day's text names it in
# "Shmini Atzeret / Simchat Torah", the event of code 45 on the same day.
rows=$("$@" holidays "${span[@]}" | grep -c '')
folded=$("$@" holidays "${span[@]}" | grep -c '^[0-9]*,[0-9]*,[0-9]*,46,')
events=$(grep -c '^BEGIN:VEVENT' stdout.ics)
[ "$folded" = 2 ] || fail "$folded rows of Simchat Torah in two years"
[ "$((rows - folded))" = "$events" ] || fail "$events events for $rows holiday rows, $folded of them Simchat Torah"
[ "$(cat file.ics.tmp)" = mine ] || fail "file.ics.tmp was changed"
left=$(ls -A | tr '\n' ' ')
[ "$left" = "err file.ics file.ics.tmp out stdout.ics " ] || fail "the folder holds: $left"

"$@" ical "${span[@]}" -o missing-folder/file.ics >out 2>err
status=$?
[ "$status" = 1 ] || fail "a write into a missing folder exited $status, not 1"
grep -q "^kestrelon-cli: cannot write 'missing-folder/file.ics': [A-Z][a-z]" err ||
    fail "no reason for the failed write: $(cat err)"
[ "$(grep -c '' err)" = 1 ] || fail "the failed write's message is not one line"

[ "$failed" = 0 ] && echo "ical output checks passed"
exit $failed
