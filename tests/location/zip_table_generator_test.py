#!/usr/bin/env python3
"""Packing of positions by tools/zipgen/make_zip_table.py, against values worked by hand."""

import os
import sys
import unittest
from decimal import Decimal

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "zipgen"))
from make_zip_table import pack_angle  # noqa: E402


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


if __name__ == "__main__":
    unittest.main()
