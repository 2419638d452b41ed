#!/usr/bin/python3
"""kestrelon-cli's molad of every month of the Hebrew years 5600 to 5900 against Debian's python3-pyluach.

Our CSV lines HEBREWYEAR,MONTH,WEEKDAY,HOUR,MINUTE,PARTS (weekday 0 Sunday, the clock from midnight) must be the
months of the years in order, each equal to pyluach's Month(year, month).molad_announcement() (weekday 1 Sunday)
and, counted from 6 pm of the evening before, to its molad() (hours 0..23 from 6 pm, parts 0..1079).

Usage: pyluach_molad.py KESTRELON_CLI (with Debian's python3)
"""
import subprocess
import sys

try:
    from pyluach import hebrewcal
except ImportError:
    sys.exit("python3-pyluach is not installed (tools/deps.sh installs it)")

FIRST, LAST = 5600, 5900


def our_month(month, leap):
    """pyluach counts from Nisan (1), Adar I and II as 12 and 13; we count from Tishrei, Adar I and II as 13, 14."""
    if month == 12:
        return 13 if leap else 6
    return {13: 14}.get(month, month + 6 if month <= 6 else month - 6)


def main():
    run = subprocess.run([sys.argv[1], "molad", "--from", str(FIRST), "--to", str(LAST), "--csv"],
                         capture_output=True, text=True, check=True)
    lines = run.stdout.splitlines()
    months = [(y, m) for y in range(FIRST, LAST + 1) for m in hebrewcal.Year(y)]
    failures = [f"{len(lines)} lines for {len(months)} months"] if len(lines) != len(months) else []
    announced = reckoned = 0
    for line, (year, month) in zip(lines, months):
        year_, ours, weekday, hour, minute, parts = (int(f) for f in line.split(","))
        if (year_, ours) != (year, our_month(month, hebrewcal.Year(year).leap)):
            failures.append(f"{line}: not pyluach's month {month} of {year}")
            continue
        said, molad = hebrewcal.Month(year, month).molad_announcement(), hebrewcal.Month(year, month).molad()
        if (said["weekday"] - 1, said["hour"], said["minutes"], said["parts"]) == (weekday, hour, minute, parts):
            announced += 1
        else:
            failures.append(f"{line}: pyluach announces {said}")
        from_six = (hour + 6) * 1080 + minute * 18 + parts  # the same instant, from 6 pm of the evening before
        if (molad["weekday"], molad["hours"], molad["parts"]) == ((weekday + from_six // 25920) % 7 + 1,
                                                                 from_six // 1080 % 24, from_six % 1080):
            reckoned += 1
        else:
            failures.append(f"{line}: pyluach's molad is {molad}")
    print(f"{len(months)} months of {FIRST}..{LAST}: {announced} announcements and {reckoned} molads from 6 pm "
          f"equal to pyluach's; {len(failures)} differences")
    for failure in failures[:20]:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
