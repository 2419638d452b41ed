#!/usr/bin/env bash
# Runs kestrelon-cli once and checks its exit status, standard output and standard error.
#
#   cli_case.sh --status N [--stdout FILE] [--lines N] [--first-line TEXT] [--last-line TEXT] [--has-line TEXT]
#               [--max-width N] [--stderr-regex REGEX] [--stderr-lines N] [--output PATH] [--private-home 1]
#               [--settings TEXT] [--unreadable-settings 1] [--settings-lines TEXT] [--settings-kept 1]
#               -- COMMAND [ARGUMENTS...]
#
# --output sends standard output to PATH (e.g. /dev/full) instead of capturing it. --has-line TEXT: some line of
# standard output is TEXT, whose backslash escapes (\xE3, \n) are expanded first. --max-width N: no line of standard
# output is longer than N bytes.
# With a nonzero --status, standard error must be exactly one line and standard output empty.
# --private-home runs the command with HOME and XDG_CONFIG_HOME in a scratch folder, so that it never sees the
# user's settings. There, --settings TEXT (escapes expanded) is the saved settings file before the run;
# --unreadable-settings 1 takes away the right to read it (root runs the command as nobody for that);
# --settings-lines TEXT the lines other than comments it must hold after the run, and --settings-kept 1 asks that
# the file (or its absence) and the folders around it be exactly as before.
set -uo pipefail

status=
stdout_file=
lines=
first_line=
last_line=
has_line=
max_width=
stderr_regex=
stderr_lines=
output=
private_home=
settings=
settings_lines=
settings_kept=
unreadable=
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    case $1 in
        --status) status=$2 ;;
        --stdout) stdout_file=$2 ;;
        --lines) lines=$2 ;;
        --first-line) first_line=$2 ;;
        --last-line) last_line=$2 ;;
        --has-line) has_line=$2 ;;
        --max-width) max_width=$2 ;;
        --stderr-regex) stderr_regex=$2 ;;
        --stderr-lines) stderr_lines=$2 ;;
        --output) output=$2 ;;
        --private-home) private_home=$2 ;;
        --settings) settings=$2 ;;
        --settings-lines) settings_lines=$2 ;;
        --settings-kept) settings_kept=$2 ;;
        --unreadable-settings) unreadable=$2 ;;
        *) echo "cli_case.sh: unknown option $1"; exit 2 ;;
    esac
    shift 2
done
shift

scratch=$(mktemp -d)
trap 'chmod -R u+rwX "$scratch"; rm -rf "$scratch"' EXIT
touch "$scratch/out"
settings_file="$scratch/config/kestrelon/settings"
if [ -n "$private_home" ]; then
    export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config"
    if [ -n "$settings" ]; then
        mkdir -p "$(dirname "$settings_file")"
        printf '%b' "$settings" >"$settings_file"
    fi
    cp -p "$settings_file" "$scratch/settings-before" 2>/dev/null
fi
as_user=()
if [ -n "$unreadable" ]; then
    chmod 000 "$settings_file"
    if [ "$(id -u)" = 0 ]; then
        chmod 755 "$scratch" "$scratch/config" "$(dirname "$settings_file")"
        as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    fi
fi
listing() { (cd "$scratch" && find config home 2>/dev/null | sort); }
listing_before=$(listing)
"${as_user[@]}" "$@" >"${output:-$scratch/out}" 2>"$scratch/err"
actual=$?

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

[ "$actual" = "$status" ] || fail "exit status $actual, expected $status"
if [ -n "$stdout_file" ] && ! cmp -s "$scratch/out" "$stdout_file"; then
    fail "standard output differs from $stdout_file:"
    diff "$stdout_file" "$scratch/out" | head -20
fi
if [ -n "$lines" ]; then
    count=$(wc -l <"$scratch/out")
    [ "$count" = "$lines" ] || fail "$count lines, expected $lines"
fi
if [ -n "$first_line" ]; then
    got=$(head -n1 "$scratch/out")
    [ "$got" = "$first_line" ] || fail "first line '$got', expected '$first_line'"
fi
if [ -n "$last_line" ]; then
    got=$(tail -n1 "$scratch/out")
    [ "$got" = "$last_line" ] || fail "last line '$got', expected '$last_line'"
fi
if [ -n "$has_line" ] && ! LC_ALL=C grep -Fxq -- "$(printf '%b' "$has_line")" "$scratch/out"; then
    fail "no line of standard output is '$has_line'"
fi
if [ -n "$max_width" ]; then
    wide=$(LC_ALL=C awk -v max="$max_width" 'length($0) > max { print NR ": " length($0) " bytes" }' "$scratch/out")
    [ -z "$wide" ] || fail "lines longer than $max_width bytes: $wide"
fi
if [ "$status" != 0 ]; then
    [ "$(wc -l <"$scratch/err")" = 1 ] || fail "standard error is not one line"
    [ -s "$scratch/out" ] && fail "standard output is not empty"
fi
if [ -n "$stderr_lines" ]; then
    [ "$(wc -l <"$scratch/err")" = "$stderr_lines" ] || fail "standard error is not $stderr_lines lines"
fi
if [ -n "$stderr_regex" ] && ! grep -Eq -- "$stderr_regex" "$scratch/err"; then
    fail "standard error does not match /$stderr_regex/"
fi
if [ -n "$settings_lines" ] && [ "$(grep -v '^#' "$settings_file")" != "$(printf '%b' "$settings_lines")" ]; then
    fail "the settings file holds other lines:"
    cat "$settings_file"
fi
if [ -n "$settings_kept" ] && ! { cmp -s "$settings_file" "$scratch/settings-before" ||
    { [ ! -e "$settings_file" ] && [ ! -e "$scratch/settings-before" ]; }; }; then
    fail "the settings file changed"
fi
if [ -n "$settings_kept" ] && [ "$(listing)" != "$listing_before" ]; then
    fail "files appeared or went in the settings folders:"
    listing
fi
if [ "$failed" != 0 ]; then
    echo "--- standard error:"
    cat "$scratch/err"
fi
exit $failed
