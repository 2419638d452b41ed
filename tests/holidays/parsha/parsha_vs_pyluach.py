#!/usr/bin/python3
"""The weekly portion against Debian's python3-pyluach (an independent implementation, 1.4.1 in Debian 12).

Every Saturday of 1900..2099 as `kestrelon-cli parsha --from 1900 --to 2099` lists it, under both schedules:
the portions (pyluach numbers them from 0) are equal, and the Saturdays on which pyluach has no portion are
exactly those on which ours names a festival day, with a name that the holiday table gives that day. Then every
Saturday of some Hebrew years far outside the table's span, from parsha_listing, against pyluach the same way.

Usage: parsha_vs_pyluach.py KESTRELON_CLI PARSHA_LISTING
"""
import collections
import datetime
import subprocess
import sys

from pyluach import dates, parshios

# Hebrew years far from 1900..2099: the calendar's first years, antiquity, the far future, its last years.
FAR_YEARS = [(1, 40), (3000, 3039), (9000, 9039), (20000, 20039), (500000, 500039), (1003710, 1003749)]
SCHEDULES = [("israel", True), ("diaspora", False)]


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True,
                          env={"XDG_CONFIG_HOME": "/nonexistent", "HOME": "/nonexistent"}).stdout


def numbers_of(field):
    """'22-23' as pyluach gives it, [21, 22]; an empty field (a festival) as None."""
    return [int(n) - 1 for n in field.split("-")] if field else None


def compare(label, saturdays, israel, failures):
    """saturdays: (pyluach date, our NUMBERS field, text naming the day). Returns the counts compared."""
    counts = collections.Counter()
    for date, field, where in saturdays:
        theirs = parshios.getparsha(date, israel=israel)
        ours = numbers_of(field)
        counts["saturdays"] += 1
        counts["festival" if ours is None else "portion"] += 1
        if theirs != ours:
            failures.append(f"{label} {where}: ours {field or 'a festival'}, pyluach "
                            f"{parshios.getparsha_string(date, israel=israel) or 'none'} {theirs}")
    return counts


def main():
    cli, listing = sys.argv[1], sys.argv[2]
    failures = []
    for schedule, israel in SCHEDULES:
        # The holiday names of each day, to check the festival's name on a Shabbat without a portion.
        names = collections.defaultdict(set)
        for line in run(cli, "holidays", "--names", "--observance", schedule).splitlines():
            day, month, year, _code, _n, name = line.split(",", 5)
            names[f"{int(year):04d}-{int(month):02d}-{int(day):02d}"].add(name)
        saturdays = []
        for line in run(cli, "parsha", "--from", "1900", "--to", "2099", "--observance", schedule).splitlines():
            iso, field, name = line.split(",", 2)
            year, month, day = map(int, iso.split("-"))
            saturdays.append((dates.GregorianDate(year, month, day), field, iso))
            if not field and name not in names[iso]:
                failures.append(f"{schedule} {iso}: festival '{name}' is not among the day's holidays {names[iso]}")
        counts = compare(schedule, saturdays, israel, failures)
        # 6 January 1900 is the first Saturday, 26 December 2099 the last.
        expected = (datetime.date(2099, 12, 26) - datetime.date(1900, 1, 6)).days // 7 + 1
        if counts["saturdays"] != expected:
            failures.append(f"{schedule}: {counts['saturdays']} Saturdays listed, 1900..2099 has {expected}")
        print(f"1900-2099 {schedule}: {counts['saturdays']} Saturdays compared with pyluach, "
              f"{counts['portion']} with a portion, {counts['festival']} festival days where pyluach has none")
        for first, last in FAR_YEARS:
            saturdays = []
            for line in run(listing, schedule, str(first), str(last)).splitlines():
                n, field = line.split(",")
                saturdays.append((dates.JulianDay(int(n) - 0.5), field, f"day {n}"))
            counts = compare(schedule, saturdays, israel, failures)
            print(f"Hebrew years {first}-{last} {schedule}: {counts['saturdays']} Saturdays compared, "
                  f"{counts['festival']} festival days")
    for failure in failures[:20]:
        print("FAIL", failure)
    print(f"{len(failures)} differences")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
