#!/usr/bin/env bash
# The daf yomi of every day from 11 September 1923 to 31 December 2099: kestrelon-cli against Debian's hebcal (-F),
# line by line, after hebcal's tractate names are mapped to ours and to their places in the cycle.
#
# Usage: compare-with-hebcal.sh [RUNNER...] KESTRELON-CLI
set -euo pipefail

hebcal=/usr/bin/hebcal
if [ ! -x "$hebcal" ]; then
    echo "$hebcal is missing: install Debian's hebcal package (tools/deps.sh lists it)" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$@" daf --from 1923 --to 2099 --csv >"$work/ours.csv"
# hebcal -F lists the daf of every day from the first cycle's first day on; -h and -x leave the holidays out, -g
# writes YYYY-MM-DD. A private HOME keeps a user's own hebcal settings out.
HOME="$work" LC_ALL=C TZ=UTC "$hebcal" -F -h -x -g --years 177 1923 >"$work/hebcal.txt"

# The names hebcal spells otherwise, tab-separated: hebcal's, then ours.
cat >"$work/names.tsv" <<'NAMES'
Rosh Hashana	Rosh Hashanah
Taanit	Ta'anit
Moed Katan	Mo'ed Katan
Gitin	Gittin
Baba Kamma	Bava Kamma
Baba Metzia	Bava Metzia
Baba Batra	Bava Batra
Meilah	Me'ilah
Midot	Middot
NAMES

# "1923-09-11 Daf Yomi: Berachot 2" becomes "1923-09-11,1,2,Berachot": a tractate's place in the cycle is the order
# in which hebcal's listing, which begins with the first cycle, first names it. Any other line stops the comparison.
awk -F '\t' '
    FNR == NR { ours[$1] = $2; next }
    {
        if (!match($0, /^[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] Daf Yomi: .+ [0-9]+$/)) {
            print "hebcal wrote an unexpected line: " $0 > "/dev/stderr"; exit 1
        }
        date = substr($0, 1, 10)
        rest = substr($0, 22)
        page = rest; sub(/.* /, "", page)
        tractate = rest; sub(/ [0-9]+$/, "", tractate)
        if (!(tractate in number)) {
            number[tractate] = ++tractates
        }
        print date "," number[tractate] "," page "," (tractate in ours ? ours[tractate] : tractate)
    }' "$work/names.tsv" "$work/hebcal.txt" >"$work/hebcal.csv"

ours=$(wc -l <"$work/ours.csv")
theirs=$(wc -l <"$work/hebcal.csv")
if ! cmp -s "$work/ours.csv" "$work/hebcal.csv"; then
    echo "kestrelon-cli ($ours days) and hebcal ($theirs days) differ; the first differences (< ours, > hebcal):"
    diff "$work/ours.csv" "$work/hebcal.csv" | head -20
    exit 1
fi
# What the equal listings hold: the span, the cycles begun, and Shekalim's last page before and from 1975.
awk -F , '
    NR == 1 { first = $1 }
    { last = $1 }
    $2 == 1 && $3 == 2 { cycles++ }
    $2 == 5 && $1 < "1975" && $3 > shortShekalim { shortShekalim = $3 }
    $2 == 5 && $1 >= "1975" && $3 > longShekalim { longShekalim = $3 }
    { seen[$2] = 1 }
    END {
        for (t in seen) tractates++
        printf "%d days from %s to %s equal to hebcal (%s): %d cycles begun, %d tractates, Shekalim to page %d before 1975 and %d from then\n",
            NR, first, last, version, cycles, tractates, shortShekalim, longShekalim
    }' version="$("$hebcal" --version)" "$work/ours.csv"
