#!/usr/bin/env python3
"""Compares `kestrelon-cli yahrzeit DATE --from 1900 --to 2099` with Debian's hebcal yahrzeit listing (hebcal -Y).

Usage: yahrzeit_vs_hebcal.py KESTRELON-CLI

The deaths: the 1st, 29th and 30th (where there is one) of every month of two years of each of the 14 kinds of
Hebrew year (length and weekday of New Year) whose New Year falls in 1900-2099, each compared on every yearly day
after its own Hebrew year up to 2099-12-31. Hebrew dates come from python3-pyluach, independent of both programs.
Both keep a death in the Adar of a common year in Adar I of a leap year, and must list the same days. The known
differences, which the test checks and reports: hebcal also lists the death's own year and the years before it,
which have no yahrzeit (left out here); with --adar adar2 our day in a leap year is 30 days after hebcal's, in
Adar II instead of Adar I, and with --adar both we list both.
"""
import collections
import datetime
import os
import subprocess
import sys
import tempfile

from pyluach import dates, hebrewcal

CLI = sys.argv[1]
FIRST, LAST = 1900, 2099
LAST_DAY = datetime.date(LAST, 12, 31)
# pyluach numbers months from Nisan (1) to Adar or Adar I (12), Adar II 13; Tishrei is 7.
MONTH_NAMES = {1: "Nisan", 2: "Iyar", 3: "Sivan", 4: "Tammuz", 5: "Av", 6: "Elul", 7: "Tishrei", 8: "Cheshvan",
               9: "Kislev", 10: "Tevet", 11: "Shevat", 12: "Adar", 13: "Adar II"}


def year_kind(year):
    new_year = dates.HebrewDate(year, 7, 1)
    length = dates.HebrewDate(year + 1, 7, 1) - new_year
    return int(length), new_year.to_pydate().weekday()


def deaths():
    """(Gregorian day, label) of each death."""
    chosen = collections.defaultdict(list)
    for year in range(5661, 5860):
        if dates.HebrewDate(year, 7, 1).to_pydate().year <= LAST - 1:
            kind = year_kind(year)
            if len(chosen[kind]) < 2:
                chosen[kind].append(year)
    found = []
    for kind, years in sorted(chosen.items()):
        for year in years:
            for month in hebrewcal.Year(year).itermonths():
                length = len(list(month.iterdates()))
                for day in (1, 29, 30):
                    if day <= length:
                        name = MONTH_NAMES[month.month]
                        if month.month == 12 and hebrewcal.Year(year).leap:
                            name = "Adar I"
                        found.append((dates.HebrewDate(year, month.month, day).to_pydate(),
                                      f"{day} {name} {year}"))
    return chosen, found


def hebcal_days(found):
    """Each death's label with the set of days hebcal lists for it."""
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as file:
        for index, (day, _) in enumerate(found):
            file.write(f"{day.month} {day.day} {day.year} D{index}\n")
        path = file.name
    try:
        command = ["hebcal", "-Y", path, "-h", "-x", "--years", str(LAST - FIRST + 1), str(FIRST)]
        lines = subprocess.run(command, capture_output=True, text=True, check=True).stdout.splitlines()
    finally:
        os.unlink(path)
    days = collections.defaultdict(set)
    for line in lines:
        date, text = line.split(" ", 1)
        if text.startswith("D") and text[1:].isdigit():
            month, day, year = (int(part) for part in date.split("/"))
            days[int(text[1:])].add(datetime.date(year, month, day))
    return days


def after_death_year(day):
    """The first day of the Hebrew year after the one holding day."""
    return dates.HebrewDate(dates.GregorianDate.from_pydate(day).to_heb().year + 1, 7, 1).to_pydate()


def our_days(day, adar="usual"):
    command = [CLI, "yahrzeit", day.isoformat(), "--adar", adar, "--from", str(FIRST), "--to", str(LAST)]
    lines = subprocess.run(command, capture_output=True, text=True, check=True).stdout.splitlines()
    if lines != sorted(lines):
        raise SystemExit(f"{day}: the lines are not in date order")
    return {datetime.date.fromisoformat(line.split(",")[0]) for line in lines}


def in_adar_i(day):
    hebrew = dates.GregorianDate.from_pydate(day).to_heb()
    return hebrew.month == 12 and hebrewcal.Year(hebrew.year).leap


chosen, found = deaths()
theirs_all = hebcal_days(found)
compared = same = dropped = in_adar_ii = 0
failures = []
for index, (day, label) in enumerate(found):
    start = after_death_year(day)
    ours = our_days(day)
    theirs = {d for d in theirs_all[index] if start <= d <= LAST_DAY}
    dropped += len(theirs_all[index]) - len(theirs)
    if label.split()[1:-1] == ["Adar"]:  # "7 Adar 5783": the Adar of a common year
        moved = {d + datetime.timedelta(days=30) if in_adar_i(d) else d for d in theirs}
        in_adar_ii += len(moved - theirs)
        if our_days(day, "adar2") != moved or our_days(day, "both") != moved | theirs:
            failures.append(f"{label} ({day}): --adar adar2 or both is not hebcal's Adar I day moved to Adar II")
    compared += len(ours | theirs)
    same += len(ours & theirs)
    if ours != theirs:
        only_ours, only_theirs = sorted(ours - theirs), sorted(theirs - ours)
        failures.append(f"{label} ({day}): only ours {[str(d) for d in only_ours[:4]]} ({len(only_ours)}), "
                        f"only hebcal's {[str(d) for d in only_theirs[:4]]} ({len(only_theirs)})")
print(f"{len(chosen)} kinds of year, {len(found)} deaths, {compared} yearly days compared, {same} the same")
print(f"{dropped} days hebcal lists in or before the year of death left out (no yahrzeit yet)")
print(f"{in_adar_ii} days of deaths in a common year's Adar kept in Adar II with --adar adar2 and both with --adar "
      "both, 30 days after hebcal's Adar I day")
for line in failures:
    print(line)
sys.exit(1 if failures else 0)
