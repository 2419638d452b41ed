#!/usr/bin/env python3
"""yahrzeit_vs_hebcal.py KESTRELON-CLI: deaths on the 1st, 29th, 30th of every month of two years of each of the 14
kinds of Hebrew year (length, weekday of New Year) from 1900, on every yearly day after their year to 2099, against
hebcal -Y (Hebrew dates: python3-pyluach). Both keep a common year's Adar in Adar I and must agree. Known differences,
checked and counted: hebcal also lists the year of death and earlier ones (left out); --adar adar2 moves hebcal's
Adar I day 30 days into Adar II, --adar both lists both."""
import collections, datetime, subprocess, sys, tempfile
from pyluach import dates, hebrewcal

CLI, FIRST, LAST = sys.argv[1], 1900, 2099
hebrew = lambda day: dates.GregorianDate.from_pydate(day).to_heb()  # noqa: E731
in_adar_i = lambda day: hebrew(day).month == 12 and hebrewcal.Year(hebrew(day).year).leap  # noqa: E731


def deaths():
    kinds = collections.defaultdict(list)
    for year in range(5661, 5860):
        new_year = dates.HebrewDate(year, 7, 1)
        kinds[(dates.HebrewDate(year + 1, 7, 1) - new_year, new_year.weekday())].append(year)
    found = []
    for year in sorted(y for years in kinds.values() for y in years[:2]):
        for month in hebrewcal.Year(year).itermonths():
            length = len(list(month.iterdates()))
            found += [(dates.HebrewDate(year, month.month, day).to_pydate(), f"{day} {month.month_name()} {year}")
                      for day in (1, 29, 30) if day <= length]
    return found, len(kinds)


def hebcal(found):
    with tempfile.NamedTemporaryFile("w", suffix=".txt") as file:
        file.writelines(f"{day.month} {day.day} {day.year} D{i}\n" for i, (day, _) in enumerate(found))
        file.flush()
        out = subprocess.run(["hebcal", "-Y", file.name, "-h", "-x", "--years", str(LAST - FIRST + 1), str(FIRST)],
                             capture_output=True, text=True, check=True).stdout
    days = collections.defaultdict(set)
    for date, text in (line.split(" ", 1) for line in out.splitlines()):
        days[int(text[1:])].add(datetime.datetime.strptime(date, "%m/%d/%Y").date())
    return days


def ours(day, adar="usual"):
    lines = subprocess.run([CLI, "yahrzeit", day.isoformat(), "--adar", adar, "--from", str(FIRST), "--to", str(LAST)],
                           capture_output=True, text=True, check=True).stdout.splitlines()
    if lines != sorted(lines):
        raise SystemExit(f"{day}: the lines are not in date order")
    return {datetime.date.fromisoformat(line.split(",")[0]) for line in lines}


found, kinds = deaths()
listed = hebcal(found)
compared = same = dropped = moved_days = 0
failures = []
for i, (day, label) in enumerate(found):
    start = dates.HebrewDate(hebrew(day).year + 1, 7, 1).to_pydate()
    theirs = {d for d in listed[i] if d >= start}
    dropped += len(listed[i]) - len(theirs)
    mine = ours(day)
    compared, same = compared + len(mine | theirs), same + len(mine & theirs)
    if mine != theirs:
        failures.append(f"{label} ({day}): only ours {sorted(map(str, mine - theirs))[:4]}, "
                        f"only hebcal's {sorted(map(str, theirs - mine))[:4]}")
    if hebrew(day).month == 12 and not hebrewcal.Year(hebrew(day).year).leap:
        moved = {d + datetime.timedelta(days=30) if in_adar_i(d) else d for d in theirs}
        moved_days += len(moved - theirs)
        if ours(day, "adar2") != moved or ours(day, "both") != moved | theirs:
            failures.append(f"{label} ({day}): --adar adar2 or both is not hebcal's Adar I day moved to Adar II")
print(f"{kinds} kinds of year, {len(found)} deaths, {compared} yearly days compared, {same} the same")
print(f"{dropped} days hebcal lists in or before the year of death left out (no yahrzeit yet)")
print(f"{moved_days} days of deaths in a common year's Adar moved to Adar II by --adar adar2 and both")
for line in failures:
    print(line)
sys.exit(1 if failures else 0)
