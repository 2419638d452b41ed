#!/usr/bin/python3
"""The calendar files the README shows, read by Debian's calendar programs as a user's would read them.

Each file is imported with khal (`khal import --batch` into a calendar of its own, in a private configuration) and
read back with `khal list`, and parsed with python3-icalendar: every event there, and a few known sunrises and
sunsets at their UTC instants, both through the zone data icalendar has for the TZID and through the file's own
VTIMEZONE. Run with Debian's python3, which has khal's and icalendar's packages.

Usage: clients.py KESTRELON_CLI
"""
import datetime
import os
import shutil
import subprocess
import sys
import tempfile

try:
    import icalendar
except ImportError:
    sys.exit("python3-icalendar is not installed (tools/deps.sh installs it)")

UTC = datetime.timezone.utc
failures = 0
passes = 0


def check(ok, what):
    global failures, passes
    if ok:
        passes += 1
    else:
        failures += 1
        print(f"FAIL: {what}")


def utc(text):
    return datetime.datetime.strptime(text, "%Y-%m-%d %H:%M").replace(tzinfo=UTC)


# The sunrises and sunsets the zmanim page shows, on its local clock, as UTC instants; a sunset after 0h UT is
# still the evening of its date. New York, ZIP 10001: 21 June 2025 5:24 AM and 8:30 PM daylight time, 9 March
# (daylight time's first day) 7:16 AM and 6:56 PM, 2 November (standard time's) 6:27 AM and 4:50 PM, 21 December
# 7:16 AM and 4:31 PM standard time. Jerusalem (and the same position typed): 21 June 2025 5:34 AM and 7:47 PM.
NEW_YORK = {
    "20250621-sunrise": utc("2025-06-21 09:24"),
    "20250621-sunset": utc("2025-06-22 00:30"),
    "20250309-sunrise": utc("2025-03-09 11:16"),
    "20250309-sunset": utc("2025-03-09 22:56"),
    "20251102-sunrise": utc("2025-11-02 11:27"),
    "20251102-sunset": utc("2025-11-02 21:50"),
    "20251221-sunrise": utc("2025-12-21 12:16"),
    "20251221-sunset": utc("2025-12-21 21:31"),
}
JERUSALEM = {"20250621-sunrise": utc("2025-06-21 02:34"), "20250621-sunset": utc("2025-06-21 16:47")}

# name, kestrelon-cli arguments, environment, UID key of the place, known instants, zone of the times, and khal's
# listing of one day on a clock: its zone, the day, the lines it shows (in this order, among others).
FILES = [
    ("holidays", ["ical", "--observance", "diaspora", "-o", "holidays.ics"], {}, None, {}, None, None),
    ("new york", ["ical", "--observance", "israel", "--from", "2025", "--to", "2025", "--zmanim", "--zip", "10001",
                  "-o", "ny.ics"], {}, "zip10001", NEW_YORK, "America/New_York",
     ("America/New_York", "2025-06-21", ["05:24-05:25 Sunrise", "20:30-20:31 Sunset"])),
    ("jerusalem", ["ical", "--from", "2025", "--to", "2025", "--zmanim", "--city", "jerusalem", "-o", "city.ics"],
     {"TZ": "Asia/Jerusalem"}, "city100016", JERUSALEM, "Asia/Jerusalem",
     ("Asia/Jerusalem", "2025-06-21", ["05:34-05:35 Sunrise", "19:47-19:48 Sunset"])),
    ("typed position", ["ical", "--from", "2025", "--to", "2025", "--zmanim", "--lat", "31:46N", "--lon", "035:13E",
                        "-o", "position.ics"], {"TZ": "XYZ-2"}, "pos3146N03513E", JERUSALEM, "UTC", None),
]

KHAL_CONFIG = """[calendars]
[[imported]]
path = {path}
[locale]
local_timezone = {zone}
default_timezone = {zone}
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
"""


def run(args, env, cwd):
    return subprocess.run(args, env=env, cwd=cwd, capture_output=True, text=True, timeout=600)


def check_khal(label, path, events, listing, work):
    """Imports into an empty calendar, twice: the same UIDs update the events rather than doubling them."""
    home = os.path.join(work, label.replace(" ", "-"))
    calendar = os.path.join(home, "calendar")
    os.makedirs(calendar)
    config = os.path.join(home, "config")
    with open(config, "w") as file:
        file.write(KHAL_CONFIG.format(path=calendar, zone=listing[0] if listing else "UTC"))
    env = {**os.environ, "XDG_DATA_HOME": os.path.join(home, "data"), "XDG_CONFIG_HOME": home, "TZ": "UTC"}
    for attempt in (1, 2):
        result = run(["khal", "-c", config, "import", "--batch", "-a", "imported", path], env, home)
        check(result.returncode == 0 and "Traceback" not in result.stderr,
              f"{label}: khal import {attempt} exited {result.returncode}: {result.stderr[-400:]}")
        stored = len([name for name in os.listdir(calendar) if name.endswith(".ics")])
        check(stored == events, f"{label}: khal holds {stored} events after import {attempt}, the file {events}")
    if listing:
        _, day, lines = listing
        shown = run(["khal", "-c", config, "list", day, day], env, home).stdout.splitlines()
        found = [line for line in shown if line in lines]
        check(found == lines, f"{label}: khal list {day} shows {shown}, not {lines}")


def check_icalendar(label, path, key, known, zone):
    with open(path, "rb") as file:
        text = file.read()
    try:
        calendar = icalendar.Calendar.from_ical(text)
    except ValueError as error:
        check(False, f"{label}: icalendar cannot read the file: {error}")
        return text.count(b"BEGIN:VEVENT")
    events = calendar.walk("VEVENT")
    uids = {str(event["UID"]): event for event in events}
    check(len(uids) == len(events) and events, f"{label}: {len(events)} events with unique UIDs")
    # The file's own VTIMEZONE, read by icalendar whatever zone data it has for the name.
    own = {str(vtimezone["TZID"]): vtimezone.to_tz() for vtimezone in calendar.walk("VTIMEZONE")}
    for uid_start, instant in known.items():
        event = uids.get(f"{uid_start}-{key}@kestrelon")
        check(event is not None, f"{label}: an event {uid_start}")
        if event is None:
            continue
        start = event["DTSTART"]
        tzid = start.params.get("TZID", "UTC")
        check(tzid == zone, f"{label}: {uid_start} is written in {tzid}, not {zone}")
        value = start.dt
        check(value.astimezone(UTC) == instant, f"{label}: {uid_start} is {value.astimezone(UTC)}, not {instant}")
        if tzid in own:
            through_file = own[tzid].localize(value.replace(tzinfo=None)).astimezone(UTC)
            check(through_file == instant, f"{label}: {uid_start} through the file's VTIMEZONE is {through_file}")
    return len(events)


def main():
    cli = os.path.abspath(sys.argv[1])
    if shutil.which("khal") is None:
        print("khal is not installed (tools/deps.sh installs it)")
        return 1
    with tempfile.TemporaryDirectory() as work:
        for label, args, extra, key, known, zone, listing in FILES:
            env = {**os.environ, "SOURCE_DATE_EPOCH": "1700000000",
                   "XDG_CONFIG_HOME": os.path.join(work, "no-settings"), **extra}
            result = run([cli] + args, env, work)
            check(result.returncode == 0, f"{label}: kestrelon-cli exited {result.returncode}: {result.stderr}")
            path = os.path.join(work, args[-1])
            events = check_icalendar(label, path, key, known, zone)
            check_khal(label, path, events, listing, work)
    print(f"{passes} passed, {failures} failed")
    return 0 if failures == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
