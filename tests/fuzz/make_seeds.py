#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets into tests/fuzz/corpus/<target>/, in the layout each target reads
(fuzz_support.h: little-endian fields, texts after a 16-bit length). Each seed is named for what it holds; the
ones named "finding-..." are inputs that once hung or broke a rule, kept so that the replay tests run them.

Run it after changing a layout or adding a seed, and commit what it writes: tests/fuzz/make_seeds.py. With --check
it only compares the committed seeds with what it would write (a native test does).
"""
import os
import shutil
import struct
import sys

INT_MIN = -2**31
INT_MAX = 2**31 - 1
NAN = float("nan")


def i32(*values):
    return b"".join(struct.pack("<i", v) for v in values)


def u16(value):
    return struct.pack("<H", value)


def byte(value):
    return struct.pack("<B", value)


def f64(*values):
    return b"".join(struct.pack("<d", v) for v in values)


def text(value):
    data = value.encode("latin-1") if isinstance(value, str) else value
    return u16(len(data)) + data


def calendar(n, gregorian, hebrew):
    return i32(n, *gregorian, *hebrew)


def holiday_text(day, month, year, observance, capacity, keep_markers, fold=False):
    return i32(day, month, year, observance) + u16(capacity) + byte(keep_markers) + byte(fold)


CURSOR = {"gregorian date": 0, "gregorian day": 1, "gregorian month": 2, "gregorian year": 3, "day number": 4,
          "hebrew date": 5, "hebrew day": 6, "hebrew month": 7, "hebrew year": 8, "marks": 9}


def cursor(*steps):
    return b"".join(byte(CURSOR[name] << 1) + i32(a, b, c) for name, a, b, c in steps)


def zmanim(date, place, zone=(False, 0, False), minutes=0.0, day_number=0, angle=0.0, fold=False):
    host, offset, dst = zone
    return (i32(*date) + f64(*place) + byte(host) + i32(offset) + byte(dst) + f64(minutes) + i32(day_number) +
            f64(angle) + byte(fold))


def settings(holds, kind, value, default, size, place=()):
    data = byte(holds) + byte(kind) + text(value) + i32(default) + u16(size)
    for item in place:
        data += text(item)
    return data


def scroll(*steps):
    return b"".join(byte(op) + i32(a, b, c) + text(t) for op, a, b, c, t in steps)


HOLIDAY = ("@Passover I\n \n#Commemorates the freeing of the Jews from slavery to the Pharaoh of Egypt and the birth "
           "of the nation of Israel.\n \nA second paragraph follows the first.\n")

SEEDS = {
    "calendar": {
        "passover-5768": calendar(2454577, (20, 4, 2008), (15, 7, 5768)),
        "leap-adar": calendar(2454531, (29, 2, 2008), (28, 13, 5768)),
        "before-1601": calendar(2000000, (1, 1, 1600), (1, 1, 1)),
        "ends-of-the-calendar": calendar(-363521440, (31, 12, 1000000), (9, 14, 1003749)),
        "finding-last-day-numbers": calendar(2147483600, (1, 1, 2000), (1, 1, 5760)),
        "finding-largest-day-number": calendar(INT_MAX, (INT_MAX, INT_MAX, INT_MAX), (1, 1, 5760)),
        "finding-smallest-values": calendar(INT_MIN, (INT_MIN, INT_MIN, INT_MIN), (1, 1, INT_MIN)),
        "finding-cheshvan-of-the-last-year": calendar(0, (1, 1, 1), (1, 2, INT_MAX)),
        "finding-largest-hebrew-day": calendar(0, (1, 1, 1), (INT_MAX, 1, 5784)),
    },
    "holiday_text": {
        "passover-diaspora": holiday_text(15, 7, 5768, 2, 20000, 1),
        "shmini-atzeret-israel-cut": holiday_text(22, 1, 5785, 1, 40, 0),
        "no-holiday": holiday_text(3, 11, 5784, 2, 200, 1),
        "capacity-one": holiday_text(25, 3, 5784, 2, 1, 1),
        "capacity-zero": holiday_text(25, 3, 5784, 2, 0, 0),
        "folded": holiday_text(1234567, -77, 99, 2, 300, 1, True),
        "finding-largest-hebrew-day": holiday_text(INT_MAX, 1, 5784, 1, 500, 1),
    },
    "calendar_cursor": {
        "passover-then-hebrew-steps": cursor(("gregorian date", 20, 4, 2008), ("marks", 2, 0, 0),
                                             ("hebrew month", 0, 13, 0), ("hebrew year", 0, 0, 5785),
                                             ("hebrew day", 30, 0, 0), ("marks", 1, 0, 0)),
        "month-13": cursor(("gregorian date", 31, 1, 2024), ("gregorian month", 0, 13, 0), ("marks", 2, 0, 0),
                           ("gregorian day", -5, 0, 0), ("hebrew month", 0, 6, 0)),
        "finding-largest-day-number": cursor(("day number", INT_MAX, 0, 0), ("marks", 2, 0, 0),
                                             ("hebrew day", 30, 0, 0)),
        "finding-largest-hebrew-year": cursor(("hebrew year", 0, 0, INT_MAX), ("marks", 1, 0, 0),
                                              ("hebrew date", INT_MAX, INT_MAX, INT_MAX)),
        "finding-largest-gregorian-year": cursor(("gregorian year", 0, 0, INT_MAX), ("marks", 2, 0, 0),
                                                 ("gregorian year", 0, 0, INT_MIN), ("marks", 1, 0, 0)),
    },
    "day_zmanim": {
        "new-york-summer": zmanim((21, 6, 2008), (40.75, 74.0, 0.0), (False, -5, True), 1470.9, 2454639, 280.5),
        "jerusalem-host-zone": zmanim((21, 6, 2008), (31.7667, -35.2167, 800.0), (True, 0, False), -0.5, 2454639,
                                      -35719.5),
        "polar-day": zmanim((21, 6, 2008), (70.0, -20.0, 0.0), (False, 1, False)),
        "mean-longitude-edges": zmanim((21, 12, 2099), (-45.0, 179.99, 100000.0), (False, 12, True), 1439.9999,
                                       2488069, 360.5),
        "finding-huge-longitude-hang": zmanim((21, 6, 2008), (40.0, -1.47e27, 0.0), (False, -5, True)),
        "finding-huge-mean-longitude-hang": zmanim((1, 1, 2000), (0.0, 0.0, 0.0), angle=4.27e67),
        "finding-negative-mean-longitude-hang": zmanim((1, 1, 2000), (0.0, 0.0, 0.0), angle=-1e20),
        "finding-year-minus-2000000000-slow": zmanim((1, 3, -2000000000), (40.75, 74.0, 0.0), (False, -5, True)),
        "finding-year-minus-10000000-proportional-hour": zmanim((15, 6, -10000000), (40.75, 74.0, 0.0)),
        "finding-julian-day-smallest-year": zmanim((1, 1, INT_MIN), (10.0, 10.0, 0.0)),
        "finding-julian-day-largest-year": zmanim((1, 6, INT_MAX), (10.0, 10.0, 0.0)),
        "finding-julian-day-largest-month": zmanim((1, INT_MAX, 2000), (10.0, 10.0, 0.0)),
        "finding-local-clock-smallest-day": zmanim((1, 1, 2000), (0.0, 0.0, 0.0), minutes=-1.0, day_number=INT_MIN),
        "finding-local-clock-largest-day": zmanim((1, 1, 2000), (0.0, 0.0, 0.0), minutes=1440.0, day_number=INT_MAX),
        "not-a-number": zmanim((1, 1, 2000), (NAN, NAN, NAN), minutes=NAN, angle=NAN),
        "folded": zmanim((77, -3, 123456), (1234.5, -98765.25, -7.0), (False, 99, True), 1e300, 5, 1e15, True),
    },
    "zip_code": {
        "new-york": i32(10001) + b"10001",
        "leading-zeros": i32(501) + b"00501",
        "zip-plus-four": i32(2134) + b"10001-1234",
        "six-digits": i32(100000) + b"123456",
        "many-zeros": i32(-1) + b"0000000501",
        "empty": i32(INT_MAX) + b"",
        "letters": i32(INT_MIN) + b"abc 10001",
    },
    "settings_value": {
        "dword": settings(5, 2, b"\x39\x10\x00\x00", 0, 16, (b"\x11\x27\x00\x00", b"\x8d\x0f\x00\x00",
                                                             b"\xe8\x1c\x00\x00", b"\x0a", b"\x02\x00\x00\x00",
                                                             b"\x01\x00\x00\x00")),
        "short-dword": settings(5, 2, b"\x07", -1, 4),
        "long-value": settings(5, 1, b"\x01\x02\x03\x04\x05", 77, 3),
        "string": settings(5, 0, b"New York, NY\x00", 0, 200),
        "string-unterminated-cut": settings(5, 0, b"Albany", 0, 6),
        "no-key": settings(0, 0, b"", 2, 8),
        "no-value": settings(1, 0, b"", 2, 8),
        "denied": settings(7, 2, b"\x01\x00\x00\x00", 3, 8),
        "edited-place": settings(5, 2, b"", 0, 1, (b"\xff\xff\xff\x7f", b"\x00\x00\x00\x80", b"\xff\xff\xff\xff",
                                                   b"\x00\x00\x00\x80", b"\x01\x00\x00\x00", b"\x09")),
    },
    "text_wrap": {
        "holiday-text": i32(480) + HOLIDAY.encode("latin-1"),
        "narrow": i32(20) + HOLIDAY.encode("latin-1"),
        "negative-width": i32(INT_MIN) + b"one two  three\n\n\n   \n@bold words here",
        "long-word": i32(100) + b"#" + b"x" * 300 + b" y",
    },
    "scroll_view": {
        "text-then-scroll": scroll((0, 480, 0, 0, HOLIDAY * 3), (4, 96, 1, 0, b""), (4, 96, 3, 40, b""),
                                   (4, 96, 7, 0, b""), (4, 96, 5, 99999, b"")),
        "columns": scroll((2, 0, 0, 0, b"\x00\x01\x00\x01\x00\x01\x00"),
                          (1, 0, 0, 0, b"Sunrise:\nSunset:\tx\n5:24 AM\t\t\t\t\t\t\t\textra"), (5, 0, 0, 0, b"")),
        "extreme-positions": scroll((0, 300, 0, 0, HOLIDAY), (5, INT_MIN, INT_MAX, INT_MIN, b"ab"),
                                    (5, INT_MAX, INT_MIN, INT_MAX, b"abc"), (4, INT_MIN, 7, INT_MAX, b"")),
    },
    "settings_file": {
        "sound": i32(7) + b"# Kestrelon settings\nCity=10001\nLatitude=4045\nLongitude=7400\nElevation=0\n"
                          b"Elevation Units=2\nHoliday=2\n",
        "damaged": i32(INT_MIN) + b"City=10001\r\nCity=2\n Holiday = 1 \nLatitude=+5\nbad line\n\xff=1\n"
                            b"Elevation=2147483648\nLongitude=-7400",
        "empty": i32(INT_MAX),
        "finding-carriage-return-before-a-blank": i32(0) + b"Holiday 1= 1L\r \n",
        # 3960 bytes of lines the program does not use: with the header and the six values, past the reader's size.
        "unknown-lines-near-the-limit": i32(0) + b"".join(b"Unknown setting %d=1234567890\n" % (10000 + i)
                                                          for i in range(120)),
    },
    "dates_file": {
        "sound": "# Kestrelon's dates\nyahrzeit  1990-03-05+after-sunset  usual  Sarah bat Avraham\n"
                 "birthday  15-Nisan-5740  both  David\nother 30-AdarI-5784 adar2 Ch\u00e2teau\n".encode(),
        "damaged": b"\xef\xbb\xbfyahrzit 1990-03-05 usual A\r\nbirthday 30-Cheshvan-5784 usual B\nother 2100-01-01"
                   b" usual C\nanniversary 1990-02-30 usual D\nbirthday 1-13-5783 usual E\n\tbirthday 1-1-5780"
                   b" usual \x01\nother 1-1-5780 usual \xc3\n",
        "empty": b"",
    },
    "cli_arguments": {
        "today": b"",
        "holidays": b"holidays\0--observance\0israel\0--from\x002024\0--to\x002024\0--names",
        "day": b"day\x002008-02-30",
        "zmanim": b"zmanim\0--date\x002008-06-21\0--city\0san",
        "place": b"place\0--zip\x0010001\0--elevation\x00100\0--units\0meters",
        "ical": b"ical\0--from\x002024\0--to\x002024\0--zmanim\0--lat\x0040:45N\0--lon\x0074:00W",
        "long-argument": b"zip\0" + b"9" * 150,
        "finding-line-end-in-an-argument": b"day\x002008-\n2-30",
        "today-observance": b"--observance\0Israel",
        "misspelt-command": b"holiday\0--from\x002024",
    },
}


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
    if sys.argv[1:] == ["--check"]:
        # Compares the committed seeds with what this script writes, without writing.
        stale = []
        for target, seeds in SEEDS.items():
            folder = os.path.join(root, target)
            on_disk = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
            if on_disk != sorted(seeds):
                stale.append(target + "/")
                continue
            for name, data in seeds.items():
                with open(os.path.join(folder, name), "rb") as committed:
                    if committed.read() != (data.encode("latin-1") if isinstance(data, str) else data):
                        stale.append(target + "/" + name)
        if stale:
            print("seeds differ from tests/fuzz/make_seeds.py: " + ", ".join(stale))
            return 1
        return 0
    for target, seeds in SEEDS.items():
        folder = os.path.join(root, target)
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        for name, data in seeds.items():
            if isinstance(data, str):
                data = data.encode("latin-1")
            with open(os.path.join(folder, name), "wb") as out:
                out.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
