#!/usr/bin/env bash
# Two processes save a place in a loop, each its own, while this one reads the saved place: every read must find
# one whole file (one of the two places, without a warning), and no temporary file may be left behind.
#
#   racing_saves.sh KESTRELON-CLI [ROUNDS]
set -uo pipefail
cli=$1
rounds=${2:-60}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config"

new_york=(--zip 10001 --elevation 100 --units feet --observance diaspora)
jerusalem=(--city jerusalem --elevation 800 --units meters --observance israel)
"$cli" place "${new_york[@]}" >"$scratch/new-york" || exit 1
"$cli" place "${jerusalem[@]}" >"$scratch/jerusalem" || exit 1

save() {
    for _ in $(seq "$rounds"); do
        "$cli" place "$@" >/dev/null 2>>"$scratch/save-errors" || echo "a save failed" >>"$scratch/save-errors"
    done
}
save "${new_york[@]}" &
first=$!
save "${jerusalem[@]}" &
second=$!

reads=0
failures=0
while kill -0 "$first" 2>/dev/null || kill -0 "$second" 2>/dev/null; do
    "$cli" place >"$scratch/read" 2>"$scratch/read-errors"
    reads=$((reads + 1))
    if [ -s "$scratch/read-errors" ] || ! { cmp -s "$scratch/read" "$scratch/new-york" ||
        cmp -s "$scratch/read" "$scratch/jerusalem"; }; then
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
left=$(ls -A "$XDG_CONFIG_HOME/kestrelon")
if [ "$left" != settings ]; then
    echo "the folder holds: $left"
    failures=$((failures + 1))
fi
echo "$((2 * rounds)) saves, $reads reads, $failures failures"
[ "$failures" = 0 ]
