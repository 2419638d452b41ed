#!/usr/bin/env python3
"""Compares the days of `kestrelon-cli shabbat --csv` over 1900-2099 with Debian's hebcal, in both observances.

Usage: shabbat_vs_hebcal.py KESTRELON-CLI

At New York (40:45N 74:00W): the days with candle lighting and the days with havdalah must be the days hebcal -c
lists them on (its own Chanukah candles left out), and the days a fast begins and ends must be its fast days
(Tisha B'Av beginning the evening before), with one difference of convention: when Erev Pesach is a Friday,
the holiday tables keep the Fast of the Firstborn on the Thursday before, where hebcal keeps it on the Friday.
hebcal's minutes and havdalah rule differ from ours, so only the days
are compared; the times are checked against the program's own sunset and nightfall by the unit tests.
"""
import collections
import datetime
import subprocess
import sys

CLI = sys.argv[1]
FIRST, LAST = 1900, 2099
HEBCAL = ["hebcal", "-c", "-g", "-E", "-l", "40,45", "-L", "74,0", "-z", "America/New_York"]
FASTS = {"Tzom Gedaliah", "Asara B'Tevet", "Ta'anit Esther", "Tzom Tammuz", "Ta'anit Bechorot", "Tish'a B'Av",
         "Tish'a B'Av (observed)"}
FRIDAY = 4


def hebcal_days(israel):
    """The sets of days (ISO dates) of hebcal's candles, havdalah, fast begins and fast ends."""
    command = HEBCAL + (["-i"] if israel else []) + ["--years", str(LAST - FIRST + 1), str(FIRST)]
    lines = subprocess.run(command, capture_output=True, text=True, check=True).stdout.splitlines()
    chanukah = {line[:10] for line in lines if "Chanukah: " in line and "Candle" in line}
    days = collections.defaultdict(set)
    moved = 0
    for line in lines:
        day, text = line[:10], line[11:]
        date = datetime.date.fromisoformat(day)
        if text.startswith("Candle lighting") and not (day in chanukah and date.weekday() != FRIDAY):
            days["candles"].add(day)
        elif text.startswith("Havdalah"):
            days["havdalah"].add(day)
        elif text in FASTS:
            if text == "Ta'anit Bechorot" and date.weekday() == FRIDAY:
                date -= datetime.timedelta(days=1)
                moved += 1
            days["fast-ends"].add(date.isoformat())
            begins = date - datetime.timedelta(days=text.startswith("Tish'a B'Av"))
            days["fast-begins"].add(begins.isoformat())
    return days, moved


def our_days(observance):
    command = [CLI, "shabbat", "--from", str(FIRST), "--to", str(LAST), "--lat", "40:45N", "--lon", "74:00W",
               "--observance", observance, "--csv"]
    lines = subprocess.run(command, capture_output=True, text=True, check=True).stdout.splitlines()
    days = collections.defaultdict(set)
    for line in lines:
        day, kind, _ = line.split(",")
        days[kind].add(day)
    return days, lines


failures = 0
for observance in ("diaspora", "israel"):
    ours, lines = our_days(observance)
    if lines != sorted(lines, key=lambda line: line[:10]):
        print(f"{observance}: the lines are not in date order")
        failures += 1
    theirs, moved = hebcal_days(observance == "israel")
    print(f"{observance:9} hebcal's Fast of the Firstborn on {moved} Fridays taken as the Thursday before")
    for kind in ("candles", "havdalah", "fast-begins", "fast-ends"):
        only_ours = sorted(ours[kind] - theirs[kind])
        only_theirs = sorted(theirs[kind] - ours[kind])
        print(f"{observance:9} {kind:11}: {len(ours[kind]):6} days ours, {len(theirs[kind]):6} hebcal's, "
              f"{len(ours[kind] & theirs[kind]):6} the same")
        if only_ours or only_theirs:
            failures += 1
            print(f"  only ours: {only_ours[:10]} ({len(only_ours)})")
            print(f"  only hebcal's: {only_theirs[:10]} ({len(only_theirs)})")
sys.exit(1 if failures else 0)
