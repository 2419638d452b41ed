#!/usr/bin/env bash
# kestrelon-cli dates as a user runs it: dates added, listed, listed by year and removed, with a line the program
# cannot read kept through every save, and a file it cannot read left alone.
#
#   dates_round_trip.sh [--wine-prefix DIR] -- COMMAND...
#
# COMMAND runs kestrelon-cli (under Wine: the runner and the program); natively it gets a HOME of its own, under Wine
# the file is the one in the prefix DIR's AppData, taken away before and after.
set -uo pipefail
prefix=
if [ "$1" = --wine-prefix ]; then
    prefix=$2
    shift 2
fi
shift
cli=("$@")
scratch=$(mktemp -d)
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config"
file="$XDG_CONFIG_HOME/kestrelon/dates"
if [ -n "$prefix" ]; then
    file="$prefix/drive_c/users/$(id -un)/AppData/Roaming/Kestrelon/dates"
fi
trap 'rm -rf "$scratch"; rm -f "$file"' EXIT
rm -f "$file"
failures=0
# matches REGEX: the whole of standard input matches the Perl regular expression.
matches() {
    perl -0777 -e '$_ = <STDIN> // ""; exit(/$ARGV[0]/s ? 0 : 1)' "$1"
}
# expect STATUS STDOUT-REGEX STDERR-REGEX ARGS...: the run's status, and each stream matching its regex.
expect() {
    local status=$1 out=$2 err=$3
    shift 3
    "${cli[@]}" "$@" >"$scratch/out" 2>"$scratch/err"
    local got=$?
    if [ "$got" != "$status" ] || ! matches "$out" <"$scratch/out" || ! matches "$err" <"$scratch/err"; then
        failures=$((failures + 1))
        echo "dates $*: status $got (wanted $status), output and errors:"
        cat "$scratch/out" "$scratch/err"
    fi
}

"${cli[@]}" --version >/dev/null || exit 1  # under Wine this makes the prefix first
mkdir -p "$(dirname "$file")"
printf 'yahrzit 1990-01-01 usual A line with a typo\n' >"$file"
expect 0 '^added 1\. Sarah, bat Avraham \(yahrzeit\): 1990-03-05 after sunset, Adar 9, 5750\n$' 'line 1: no such kind' \
    dates add 'Sarah, bat Avraham' --kind yahrzeit --date 1990-03-05 --after-sunset
expect 0 '^added 2\. ' '' dates add Moshe --kind yahrzeit --hebrew '7 Adar 5783' --adar both
expect 0 '^added 3\. Moshe \(birthday\): Adar I 30, 5784\n$' '' dates add Moshe --kind birthday --hebrew '30 adari 5784'
expect 0 '^1\. Sarah, bat Avraham \(yahrzeit\)[^\n]*\n2\. Moshe \(yahrzeit\): Adar 7, 5783; [^\n]*both\n3\. Moshe \(birthday\)[^\n]*\n$' \
    '^kestrelon-cli: warning: [^\n]*line 1: [^\n]*\n$' dates
# 7 Adar of a common year is kept in both Adars of 5784; a yahrzeit of 9 Adar in Adar I; 30 Adar I is 1 Nisan in the
# common year 5785.
expect 0 '^2024-02-16,yahrzeit,Moshe,5784\n2024-02-18,yahrzeit,"Sarah, bat Avraham",5784\n2024-03-17,yahrzeit,Moshe,5784\n2025-03-07,yahrzeit,Moshe,5785\n2025-03-09,yahrzeit,"Sarah, bat Avraham",5785\n2025-03-30,birthday,Moshe,5785\n$' \
    '' dates --from 2024 --to 2025
expect 2 '^$' "'Moshe' names 2 dates, numbers 2, 3" dates remove Moshe
expect 1 '^$' 'no date is named' dates remove Nobody
expect 1 '^$' 'there is no date 4' dates remove 4
expect 0 '^removed 2\. Moshe \(yahrzeit\)' '' dates remove 2
expect 0 '^removed 2\. Moshe \(birthday\)' '' dates remove Moshe
expect 0 '^1\. Sarah' '' dates
# The line it could not read, where it was, and Sarah's.
if [ "$(grep -c '' "$file")" != 2 ] || [ "$(head -n 1 "$file")" != 'yahrzit 1990-01-01 usual A line with a typo' ]; then
    failures=$((failures + 1))
    echo "the file holds:"
    cat "$file"
fi
# A name with letters beyond ASCII arrives as typed (on Windows the program reads its command line in UTF-16), and is
# kept, listed and found in UTF-8.
expect 0 '^added 2\. Zoé Lévy \(birthday\): 2001-05-06, ' '' dates add 'Zoé Lévy' --kind birthday --date 2001-05-06
expect 0 '^1\. Sarah[^\n]*\n2\. Zoé Lévy \(birthday\)' '' dates
expect 0 '^removed 2\. Zoé Lévy' '' dates remove 'Zoé Lévy'
expect 2 '^$' 'the name holds a control character' dates add "$(printf 'Tab\tName')" --kind other --date 2000-01-01
expect 2 '^$' 'Adar I is not a month of 5783' dates add X --kind other --hebrew '1 Adar I 5783'

# A file too large to be one of ours is neither read nor replaced.
head -c 300000 /dev/zero | tr '\0' '#' >"$file"
cp "$file" "$scratch/large"
expect 1 '^$' 'cannot be read: it is larger than' dates add X --kind other --date 2000-01-01
expect 1 '^$' 'cannot be read' dates
cmp -s "$file" "$scratch/large" || { failures=$((failures + 1)); echo "the large file was changed"; }
echo "$failures failures"
[ "$failures" = 0 ]
