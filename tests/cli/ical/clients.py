#!/usr/bin/python3
"""The calendar files the README shows, read by Debian's calendar programs as a user's would read them.

Each file is imported with khal (`khal import --batch` into a calendar of its own, in a private configuration) and
read back with `khal list`, and parsed with python3-icalendar: every event there, and a few known sunrises and
sunsets at their UTC instants, both through the zone data icalendar has for the TZID and through the file's own
VTIMEZONE; in the file of the week's events, every candle lighting, havdalah, fast, Omer, portion and daf against
the commands that list them, and the candle-lighting reminders; in the file of people's dates, every yearly day
against `dates --from --to` and each yahrzeit's evening against the sunset `zmanim --all` gives. Run with Debian's python3, which has khal's and
icalendar's packages.

Usage: clients.py KESTRELON_CLI
"""
import csv
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

# The README's file of the week's events (the Diaspora, as nothing is saved): `shabbat --csv --ut` times as events
# on New York's clock, each candle lighting with its reminder 30 minutes before; each evening of the Omer at the
# nightfall `zmanim --all` gives; the portions `parsha` lists but the festival Shabbatot; `daf`'s page of every day.
WEEK = ["ical", "--from", "2025", "--to", "2025", "--shabbat", "--remind", "30", "--omer", "--parsha", "--daf",
        "--zip", "10001", "-o", "week.ics"]
WEEK_PLACE = ["--zip", "10001"]
# A Friday of Chol HaMoed in khal: the day's page, candles for Shabbat and the last day, the Omer's sixth evening.
WEEK_DAY = "2025-04-18"

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


def lines_of(cli, args, env, work):
    result = run([cli] + args, env, work)
    check(result.returncode == 0, f"kestrelon-cli {' '.join(args)} exited {result.returncode}: {result.stderr}")
    return result.stdout.splitlines()


def week_uids(cli, env, work):
    """Each event the week's file should hold: UID to (its UTC instant or date, its summary)."""
    key = "zip10001"
    expected = {}
    for line in lines_of(cli, ["shabbat", "--from", "2025", "--to", "2025", "--csv", "--ut"] + WEEK_PLACE, env, work):
        date, kind, minutes = line.split(",")
        if minutes != "none":
            midnight = datetime.datetime.fromisoformat(date).replace(tzinfo=UTC)
            instant = midnight + datetime.timedelta(minutes=int(float(minutes)))
            expected[f"{date.replace('-', '')}-{kind}-{key}-diaspora@kestrelon"] = (instant, None)
    # The Omer's evenings lie between 20 March and 20 June (15 Nisan to 4 Sivan); an event outside is one too many.
    start = datetime.date(2025, 3, 20)
    for offset in range(92):
        day = start + datetime.timedelta(days=offset)
        count = int(lines_of(cli, ["omer", "--date", str(day + datetime.timedelta(days=1))], env, work)[0].split()[0])
        if count:
            nightfall = dict(line.split() for line in lines_of(
                cli, ["zmanim", "--all", "--ut", "--date", str(day)] + WEEK_PLACE, env, work))["nightfall"]
            instant = datetime.datetime.combine(day, datetime.time(), UTC) + datetime.timedelta(
                minutes=int(float(nightfall)))
            expected[f"{day.strftime('%Y%m%d')}-omer-{key}@kestrelon"] = (instant, f"Omer {count}")
    for line in lines_of(cli, ["parsha", "--from", "2025", "--to", "2025"], env, work):
        date, numbers, name = line.split(",", 2)
        if numbers:
            expected[f"{date.replace('-', '')}-parsha-diaspora@kestrelon"] = (
                datetime.date.fromisoformat(date), f"Torah portion: {name}")
    for line in lines_of(cli, ["daf", "--from", "2025", "--to", "2025"], env, work):
        date, page = line.split(" ", 1)
        expected[f"{date.replace('-', '')}-daf@kestrelon"] = (datetime.date.fromisoformat(date), f"Daf yomi: {page}")
    return expected


def check_week(cli, env, work):
    """The week's events in python3-icalendar and khal, against the commands that list them."""
    result = run([cli] + WEEK, env, work)
    check(result.returncode == 0, f"week: kestrelon-cli exited {result.returncode}: {result.stderr}")
    path = os.path.join(work, WEEK[-1])
    with open(path, "rb") as file:
        calendar = icalendar.Calendar.from_ical(file.read())
    own = {str(vtimezone["TZID"]): vtimezone.to_tz() for vtimezone in calendar.walk("VTIMEZONE")}
    expected = week_uids(cli, env, work)
    kinds = {}
    wrong = []
    alarms = 0
    for event in calendar.walk("VEVENT"):
        uid = str(event["UID"])
        if str(event["CATEGORIES"].cats[0]) == "Holiday":
            continue
        kind = uid.split("@")[0].split("-")[1]
        kinds[kind] = kinds.get(kind, 0) + 1
        want = expected.pop(uid, None)
        value = event["DTSTART"].dt
        if isinstance(value, datetime.datetime):
            through_file = own["America/New_York"].localize(value.replace(tzinfo=None)).astimezone(UTC)
            value = (value.astimezone(UTC), through_file)
        else:
            value = (value, value)
        if want is None or value != (want[0], want[0]) or want[1] not in (None, str(event["SUMMARY"])):
            wrong.append(f"{uid} {value} {event.get('SUMMARY')}, not {want}")
        # A reminder on each candle lighting alone: shown 30 minutes before, with what it is for.
        for alarm in event.walk("VALARM"):
            alarms += 1
            if (kind != "candles" or str(alarm["ACTION"]) != "DISPLAY"
                    or alarm["TRIGGER"].dt != datetime.timedelta(minutes=-30)
                    or str(alarm["DESCRIPTION"]) != str(event["SUMMARY"])):
                wrong.append(f"{uid}: alarm {alarm.to_ical()!r}")
    check(not wrong and not expected, f"week: {len(wrong)} events differ ({wrong[:3]}), {len(expected)} missing "
          f"({list(expected)[:3]})")
    check(alarms == kinds.get("candles", 0) > 50, f"week: {alarms} alarms for {kinds.get('candles')} candle lightings")
    print(f"week: compared {sum(kinds.values())} events: {kinds}")

    day = datetime.date.fromisoformat(WEEK_DAY)
    candles = next(line.split(",")[2] for line in lines_of(
        cli, ["shabbat", "--date", WEEK_DAY, "--csv"] + WEEK_PLACE, env, work) if line.startswith(WEEK_DAY + ",candles"))
    nightfall = dict(line.split() for line in lines_of(cli, ["zmanim", "--all", "--date", WEEK_DAY] + WEEK_PLACE, env,
                                                       work))["nightfall"]
    daf = lines_of(cli, ["daf", "--date", WEEK_DAY], env, work)[0]

    def minute_later(clock):
        return (datetime.datetime.combine(day, datetime.time.fromisoformat(clock)) +
                datetime.timedelta(minutes=1)).strftime("%H:%M")

    lines = [f" Daf yomi: {daf}", f"{candles}-{minute_later(candles)} Candle lighting: Shabbat, Passover VII \u23f0",
             f"{nightfall}-{minute_later(nightfall)} Omer 6 :: Today is 6 days of the Omer"]
    check_khal("week", path, len(calendar.walk("VEVENT")), ("America/New_York", WEEK_DAY, lines), work)


# A dates file of every kind, a name in UTF-8 with a comma, a date of Adar I kept in a common year's Adar; the
# yahrzeits' evenings at New York with a reminder 45 minutes before.
DATES_FILE = """yahrzeit 1990-03-05+after-sunset usual Sarah bat Avraham
birthday 30-AdarI-5760 usual Zo\u00eb, M\u00fcller
anniversary 1999-06-20 usual Dan & Ruth
other 15-Shevat-5770 usual Planted the tree
yahrzeit 7-Adar-5783 both Yosef
"""
DATES = ["ical", "--from", "2024", "--to", "2026", "--dates", "--zip", "10001", "--remind", "45", "-o", "dates.ics"]


def check_dates(cli, env, work):
    """The people's dates: each yearly day `dates` lists as an all-day event, each yahrzeit's sunset before it."""
    os.makedirs(os.path.join(work, "dates-settings", "kestrelon"))
    with open(os.path.join(work, "dates-settings", "kestrelon", "dates"), "w", encoding="utf-8") as file:
        file.write(DATES_FILE)
    env = {**env, "XDG_CONFIG_HOME": os.path.join(work, "dates-settings")}
    check(run([cli] + DATES, env, work).returncode == 0, "dates: kestrelon-cli ical --dates")
    titles = {"yahrzeit": "Yahrzeit: {} ({})", "birthday": "Hebrew birthday: {}", "anniversary": "Anniversary: {}",
              "other": "{}"}
    expected = []
    for row in csv.reader(lines_of(cli, ["dates", "--from", "2024", "--to", "2026"], env, work)):
        day = datetime.date.fromisoformat(row[0])
        expected.append((day, titles[row[1]].format(row[2], row[3])))
        if row[1] == "yahrzeit":
            evening = day - datetime.timedelta(days=1)
            sunset = dict(line.split() for line in lines_of(
                cli, ["zmanim", "--all", "--ut", "--date", str(evening), "--zip", "10001"], env, work))["sunset"]
            expected.append((datetime.datetime.combine(evening, datetime.time(), UTC) + datetime.timedelta(
                minutes=int(float(sunset))), f"Yahrzeit begins: {row[2]} ({row[3]})"))
    with open(os.path.join(work, DATES[-1]), "rb") as file:
        calendar = icalendar.Calendar.from_ical(file.read())
    found = []
    events = calendar.walk("VEVENT")
    for event in events:
        if str(event["CATEGORIES"].cats[0]) != "People's dates":
            continue
        value = event["DTSTART"].dt
        timed = isinstance(value, datetime.datetime)
        found.append((value.astimezone(UTC) if timed else value, str(event["SUMMARY"])))
        alarms = [(alarm["TRIGGER"].dt, str(alarm["DESCRIPTION"])) for alarm in event.walk("VALARM")]
        check(alarms == ([(datetime.timedelta(minutes=-45), str(event["SUMMARY"]))] if timed else []),
              f"dates: {event['SUMMARY']} has the alarms {alarms}")
    check(sorted(found, key=str) == sorted(expected, key=str) and len(expected) > 15,
          f"dates: the file's events {sorted(set(found) ^ set(expected), key=str)[:4]} differ from dates --from --to")
    check(len({str(event["UID"]) for event in events}) == len(events), "dates: every UID is the event's own")
    print(f"dates: compared {len(found)} events with {len(expected)} from dates --from --to")
    check_khal("dates", os.path.join(work, DATES[-1]), len(events), None, work)


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
        check_week(cli, {**os.environ, "SOURCE_DATE_EPOCH": "1700000000",
                         "XDG_CONFIG_HOME": os.path.join(work, "no-settings")}, work)
        check_dates(cli, {**os.environ, "SOURCE_DATE_EPOCH": "1700000000"}, work)
    print(f"{passes} passed, {failures} failed")
    return 0 if failures == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
