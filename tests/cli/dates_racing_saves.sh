#!/usr/bin/env bash
# Two processes add and remove a date of their own in a loop while this one lists the dates: every list finds one
# whole file (the date kept throughout, without a warning), no change is lost to the other process's save (each
# removes the date it added), and no temporary file is left behind.
#
#   dates_racing_saves.sh KESTRELON-CLI [ROUNDS]
set -uo pipefail
cli=$1
rounds=${2:-40}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config"
"$cli" dates add Kept --kind birthday --date 1980-01-01 >/dev/null || exit 1
kept=$("$cli" dates)

churn() {
    for round in $(seq "$rounds"); do
        "$cli" dates add "$1 $round" --kind other --hebrew "1 Nisan 5780" >/dev/null 2>>"$scratch/save-errors"
        "$cli" dates remove "$1 $round" >/dev/null 2>>"$scratch/save-errors"
    done
}
churn First &
first=$!
churn Second &
second=$!

reads=0
failures=0
while kill -0 "$first" 2>/dev/null || kill -0 "$second" 2>/dev/null; do
    "$cli" dates >"$scratch/read" 2>"$scratch/read-errors"
    reads=$((reads + 1))
    if [ -s "$scratch/read-errors" ] || ! grep -q '^1\. Kept (birthday)' "$scratch/read"; then
        failures=$((failures + 1))
        echo "read $reads found:"
        cat "$scratch/read" "$scratch/read-errors"
    fi
done
wait "$first" "$second"
if [ -s "$scratch/save-errors" ]; then
    echo "saves failed:"
    cat "$scratch/save-errors"
    failures=$((failures + 1))
fi
if [ "$("$cli" dates)" != "$kept" ]; then
    echo "the list ends as:"
    "$cli" dates
    failures=$((failures + 1))
fi
left=$(ls -A "$XDG_CONFIG_HOME/kestrelon")
if [ "$left" != dates ]; then
    echo "the folder holds: $left"
    failures=$((failures + 1))
fi
echo "$((4 * rounds)) saves, $reads reads, $failures failures"
[ "$failures" = 0 ]
