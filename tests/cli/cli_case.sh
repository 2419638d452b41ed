#!/usr/bin/env bash
# Runs kestrelon-cli once and checks its exit status, standard output and standard error.
#
#   cli_case.sh --status N [--stdout FILE] [--lines N] [--first-line TEXT] [--last-line TEXT]
#               [--stderr-regex REGEX] [--output PATH] -- COMMAND [ARGUMENTS...]
#
# --output sends standard output to PATH (e.g. /dev/full) instead of capturing it.
# With a nonzero --status, standard error must be exactly one line and standard output empty.
set -uo pipefail

status=
stdout_file=
lines=
first_line=
last_line=
stderr_regex=
output=
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    case $1 in
        --status) status=$2 ;;
        --stdout) stdout_file=$2 ;;
        --lines) lines=$2 ;;
        --first-line) first_line=$2 ;;
        --last-line) last_line=$2 ;;
        --stderr-regex) stderr_regex=$2 ;;
        --output) output=$2 ;;
        *) echo "cli_case.sh: unknown option $1"; exit 2 ;;
    esac
    shift 2
done
shift

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
touch "$scratch/out"
"$@" >"${output:-$scratch/out}" 2>"$scratch/err"
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
if [ "$status" != 0 ]; then
    [ "$(wc -l <"$scratch/err")" = 1 ] || fail "standard error is not one line"
    [ -s "$scratch/out" ] && fail "standard output is not empty"
fi
if [ -n "$stderr_regex" ] && ! grep -Eq -- "$stderr_regex" "$scratch/err"; then
    fail "standard error does not match /$stderr_regex/"
fi
if [ "$failed" != 0 ]; then
    echo "--- standard error:"
    cat "$scratch/err"
fi
exit $failed
