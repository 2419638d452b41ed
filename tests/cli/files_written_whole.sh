#!/usr/bin/env bash
# kestrelon-cli writing where writing goes wrong: ical -o into a device, a FIFO and a full disk, two runs writing one
# file at once, a link named as a temporary file would be; the settings file as a FIFO, and full of lines the program
# does not use. The devices are nodes of this script's own where it can make them (as root): a program that replaced
# what it was given would otherwise replace /dev/full itself.
#
#   files_written_whole.sh KESTRELON-CLI
set -uo pipefail
cli=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 2
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" SOURCE_DATE_EPOCH=1700000000

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

short=(--observance israel --from 2024 --to 2024)
long=(--observance diaspora --from 2000 --to 2099)
"$cli" ical "${short[@]}" >short.ics || fail "ical exited $?"
"$cli" ical "${long[@]}" >long.ics || fail "ical exited $?"

# A device is written to, never replaced by a file; a full one is an error that says so.
full=/dev/full
if [ "$(id -u)" = 0 ] && mknod null c 1 3 2>/dev/null && mknod full c 1 7; then
    "$cli" ical "${short[@]}" -o null 2>err || fail "-o into a null device exited $?: $(cat err)"
    [ -c null ] || fail "the null device became a $(stat -c %F null)"
    full=full
fi
"$cli" ical "${short[@]}" -o "$full" 2>err
status=$?
[ "$status" = 1 ] || fail "-o $full exited $status"
[ "$(cat err)" = "kestrelon-cli: cannot write '$full': No space left on device" ] ||
    fail "the message of a full disk: $(cat err)"
[ -c "$full" ] || fail "the full device became a $(stat -c %F "$full")"
rm -f null full

# A FIFO's reader gets the calendar, and the FIFO stays.
mkfifo pipe
timeout 20 cat pipe >from-pipe &
reader=$!
timeout 20 "$cli" ical "${short[@]}" -o pipe 2>err || fail "-o into a FIFO exited $?: $(cat err)"
wait "$reader"
cmp -s from-pipe short.ics || fail "the FIFO's reader got other bytes"
[ -p pipe ] || fail "the FIFO was replaced"
rm pipe from-pipe

# Two runs writing one file at once both succeed, and the file is one of the two calendars whole.
for round in 1 2 3 4 5; do
    "$cli" ical "${short[@]}" -o both.ics 2>err &
    first=$!
    "$cli" ical "${long[@]}" -o both.ics 2>>err
    second=$?
    wait "$first"
    status="$? $second"
    [ "$status" = "0 0" ] || fail "round $round: the runs exited $status: $(cat err)"
    cmp -s both.ics short.ics || cmp -s both.ics long.ics ||
        fail "round $round: the file is neither calendar ($(wc -c <both.ics) bytes)"
done

# A link where a temporary file might be named is neither followed nor removed.
printf 'mine\n' >mine
ln -s mine out.ics.tmp
"$cli" ical "${short[@]}" -o out.ics 2>err || fail "ical -o out.ics exited $?: $(cat err)"
[ "$(cat mine)" = mine ] && [ -L out.ics.tmp ] || fail "the link out.ics.tmp was followed or removed"
cmp -s out.ics short.ics || fail "out.ics is not the calendar"
# Through a link, the file it names is replaced, keeping its permissions, and the link stays.
printf 'older\n' >named.ics
chmod 640 named.ics
ln -s named.ics link.ics
"$cli" ical "${short[@]}" -o link.ics 2>err || fail "ical -o link.ics exited $?: $(cat err)"
[ -L link.ics ] && cmp -s named.ics short.ics || fail "the link was replaced, or the file it names not written"
[ "$(stat -c %a named.ics)" = 640 ] || fail "the file's permissions became $(stat -c %a named.ics)"
left=$(ls -A | tr '\n' ' ')
[ "$left" = "both.ics err link.ics long.ics mine named.ics out.ics out.ics.tmp short.ics " ] ||
    fail "the folder holds: $left"

# A FIFO where the settings belong is reported as unreadable, not waited for, and replaced by a save.
settings="$XDG_CONFIG_HOME/kestrelon/settings"
mkdir -p "$(dirname "$settings")"
mkfifo "$settings"
timeout 20 "$cli" place >out 2>err
status=$?
[ "$status" = 0 ] || fail "place with a FIFO for the settings exited $status"
grep -q "settings' cannot be read: it is not a regular file" err || fail "the FIFO is not reported: $(cat err)"
timeout 20 "$cli" place --zip 10001 >/dev/null 2>err || fail "saving over the FIFO exited $?: $(cat err)"
[ -f "$settings" ] || fail "the FIFO was not replaced by the saved settings"

# 3960 bytes of lines the program does not use: a save leaves out what would make the file too large for its reader,
# names those lines, and the place it saved reads back.
rm -f "$settings"
for i in $(seq 10000 10119); do
    echo "Unknown setting $i=1234567890"
done >"$settings"
"$cli" place --zip 10001 >/dev/null 2>err || fail "place --zip 10001 exited $?: $(cat err)"
grep -Eq "warning: .*left out 9 lines .*4096 bytes: Unknown setting 10111, (Unknown setting 1011[2-8], ){7}Unknown setting 10119$" err ||
    fail "the lines left out are not named: $(cat err)"
"$cli" place >out 2>err || fail "place exited $?"
[ -s err ] && fail "the saved file reads with: $(cat err)"
[ "$(head -n1 out)" = "Place: New York, NY 10001" ] || fail "the saved place reads as: $(cat out)"

[ "$failed" = 0 ] && echo "files written whole"
exit $failed
