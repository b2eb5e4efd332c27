#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into corpus/<target>/, one real input a file.

The byte layouts follow the targets: the command line's two arguments joined by a zero byte;
the almanac day page's double; and for the targets that read through FuzzedDataProvider, ints
taken from the end of the input (each as the little-endian offset of the value from the type's
minimum), raw bytes and texts as the targets consume them. Run it from any directory.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


class Provider:
    """Builds an input for FuzzedDataProvider: bytes taken from the front, ints from the end."""

    def __init__(self):
        self.front = b""
        self.back = []  # in the order they are consumed

    def int32(self, value):
        self.back.append(struct.pack("<I", (value + 2**31) % 2**32))

    def byte(self, value):
        self.back.append(bytes([value]))

    def bytes(self, data):
        self.front += data

    def data(self):
        return self.front + b"".join(reversed(self.back))


def command_line():
    seeds = {
        "almanac-2026-12-10": "R1=1\0year=2026&month=12&day=10&hour=12&min=0",
        "almanac-reform": "R1=1\0YEAR=1582+Month=10&day=4&hour=24&min=60",
        "almanac-first-day": "R1=1\0 year=-4712&month=1&day=1",
        "almanac-month-0": "R1=1\0year=2026&month=0&day=10",
        "almanac-year-only": "R1=1\0year=2026",
        "almanac-overflow": "R1=1\0year=2026&month=99999999999&day=1",
        "perpetual-2024": "R1=2\0year=2024",
        "perpetual-far": "R1=2\0year=-99999",
        "perpetual-text": "R1=2\0year=abc",
        "bone": "R1=3\0year=1990&month=5&day=20&hour=13&min=45&name=王小明&sex=男",
        "chart": "R1=4\0year=1990&month=5&day=20&hour=23&min=30&name=陳 大文&sex=女&R2=2",
        "chart-signed-year": "R1=4\0year=-5&month=6&day=1&hour=12&min=0&sex=男",
        "chart-year-hex": "R1=4\0year=0x7C0&month=5&day=20&sex=女",
        "chart-sex-other": "R1=4\0year=2024&month=2&day=4&hour=12&sex=X",
        "bone-year-text": "R1=3\0year=abc&month=5&day=20&sex=男",
        "bone-month-13": "R1=3\0year=2024&month=13&day=1&min=61&sex=女",
        "unknown-mode": "R1=5\0year=2026",
        # Refused: past 9999-12-31 23:59, and numbers that run past the 15 characters kept.
        "almanac-past-last-minute": "R1=1\0year=9999&month=12&day=31&hour=23&min=60",
        "almanac-day-cut": "R1=1\0year=2026&month=12&day=0000000000000010",
        "perpetual-year-cut": "R1=2\0year=0000000000002026",
        "bone-year-cut": "R1=3\0year=0000000000001990&month=5&day=20&sex=男",
        "chart-minute-cut": "R1=4\0year=1990&month=5&day=20&min=0000000000000045&sex=女",
        "chart-r2-cut": "R1=4\0year=1990&month=5&day=20&sex=男&R2=0000000000000001",
        "mode-cut": "R1=0000000000000001\0year=2026&month=12&day=10",
        "swapped": "year=2026\0R1=2",
    }
    for name, text in seeds.items():
        write("command_line_fuzzer", name, text.encode("utf-8"))


def almanac_day_page():
    seeds = {
        "2024-02-04-1000": 2460344.5 + 10 / 24,  # 立春 day, before its moment
        "2000-01-01-1200": 2451545.0,
        "first-day": -0.5,  # -4712-01-01 00:00
        "last-hour": 5373484.5 + 23 / 24,  # 9999-12-31 23:00
        "reform-first-gregorian": 2299161.0,  # 1582-10-15 12:00
        "reform-last-julian": 2299160.0,  # 1582-10-04 12:00
        "nan": math.nan,
        "infinity": math.inf,
        "far-past": -1e12,
    }
    for name, julian_day in seeds.items():
        write("almanac_day_page_fuzzer", name, struct.pack("<d", julian_day))


def calendar_pages():
    today = (2024, 5, 10)
    seeds = {
        "2024-02-10": (2024, 2, 10, *today, 2024),
        "1582-10": (1582, 10, 4, *today, 1582),
        "today-day": (2024, 5, -1, *today, 1949),
        "month-13": (2024, 13, 1, *today, -4712),
        "far": (2147483647, -2147483648, 0, *today, 10000),
    }
    for name, ints in seeds.items():
        p = Provider()
        for value in ints:
            p.int32(value)
        write("calendar_pages_fuzzer", name, p.data())


def code_page():
    seeds = {
        "page": "<html><head><META content=\"text/html; charset=big5\"></head><body>"
        "農民曆 陰曆 萬年曆 吉凶曆 八字 € 历 😀</body></html>\r\n",
        "ascii": "".join(chr(c) for c in range(1, 128)),
    }
    for name, text in seeds.items():
        write("code_page_fuzzer", name, text.encode("utf-32-le"))
    write("code_page_fuzzer", "not-scalar", struct.pack("<4i", 0xD800, 0x110000, -1, 0x4E00))


def place_selection():
    seeds = {
        "taipei": (0, 0, []),
        "hong-kong": (1, 0, [(1, True), (0, False)]),
        "last-province": (33, 200, [(33, True), (5, False), (-1, False), (34, True)]),
        "no-selection": (-1, -1, [(-1, True), (100000, False)]),
    }
    for name, (province, place, steps) in seeds.items():
        p = Provider()
        p.int32(province)
        p.int32(place)
        for index, is_province in steps:
            p.int32(index)
            p.byte(1 if is_province else 0)
        write("place_selection_fuzzer", name, p.data())


def bone_weight_page():
    seeds = {
        "1990-05-20": (1990, 5, 20, 13, 45, 121.5, "王小明", "男"),
        "late-zi": (2024, 2, 9, 23, 30, 121.5, "陳大文", "女"),
        "month-end": (2024, 1, 31, 23, 59, 73.5, "<b>&", "x"),
        "refused": (2024, 13, 1, 25, 61, math.nan, "", ""),
    }
    for name, (year, month, day, hour, minute, longitude, person, sex) in seeds.items():
        p = Provider()
        for value in (year, month, day, hour, minute):
            p.int32(value)
        p.bytes(struct.pack("<d", longitude))
        for text in (person, sex):
            p.byte(len(text))
            for c in text:
                p.int32(ord(c))
        write("bone_weight_page_fuzzer", name, p.data())


def wide_text(p, text):
    p.byte(len(text))
    for c in text:
        p.int32(ord(c))


def stem_branch_chart():
    seeds = {
        "initial": (("甲子", "甲子", "甲子", "甲子"), "", "男", 2, 1, (8, 5, 3, 2, 1), ""),
        "geng-chen": (("庚辰", "戊寅", "甲子", "甲子"), "某甲", "男", 2, 1, (8, 5, 3, 2, 1), ""),
        "earth-months": (("癸丑", "丙辰", "戊戌", "己未"), "王", "女", 0, 0, (1, 1, 1, 1, 1), "<b>"),
        "third-character": (("甲子丑", "乙丑寅", "丙寅", "丁卯"), "", "女", 1, 7, (0, 0, 0, 0, 0), ""),
        "reversed": (("子甲", "甲子", "甲子", "甲子"), "", "男", 2, 1, (8, 5, 3, 2, 1), ""),
        "short": (("甲", "", "甲子", "x"), "", "", -1, -1, (2**31 - 1, 2**31 - 1, 0, 0, 0), ""),
    }
    for name, (pillars, person, sex, basis, option, values, note) in seeds.items():
        p = Provider()
        for pillar in pillars:
            wide_text(p, pillar)
        wide_text(p, person)
        wide_text(p, sex)
        p.int32(basis)
        p.int32(option)
        for value in values:
            p.int32(value)
        wide_text(p, note)
        write("stem_branch_chart_fuzzer", name, p.data())


def birth_chart_entry():
    seeds = {
        "1990-07-15": (1990, 7, 15, 9, 41, 121.5, "王小明", "男", 2, 1, 4, (8, 5, 3, 2, 1)),
        "term-noon": (2024, 3, 5, 12, 0, 121.5, "", "女", 0, 0, 0, (8, 5, 3, 2, 1)),
        "late-zi": (2024, 1, 31, 23, 30, 150.0, "陳大文", "女", 1, 1, 3, (1, 1, 1, 1, 1)),
        "winter-solstice": (2023, 12, 25, 24, 60, -180.0, "", "x", 7, 0, 5, (0, 0, 0, 0, 0)),
        "calendar-ends": (9999, 12, 31, 21, 59, 0.0, "", "男", 2, 1, 1, (8, 5, 3, 2, 1)),
        "refused": (2024, 2, 30, 25, -1, math.nan, "", "", 2, 1, 9, (8, 5, 3, 2, 1)),
        "no-longitude": (2024, 1, 10, 12, 0, math.inf, "", "男", 2, 1, 4, (8, 5, 3, 2, 1)),
    }
    for name, row in seeds.items():
        year, month, day, hour, minute, longitude, person, sex, basis, rule, scheme, values = row
        p = Provider()
        for value in (year, month, day, hour, minute):
            p.int32(value)
        p.bytes(struct.pack("<d", longitude))
        wide_text(p, person)
        wide_text(p, sex)
        for value in (basis, rule, scheme, *values):
            p.int32(value)
        write("birth_chart_entry_fuzzer", name, p.data())


if __name__ == "__main__":
    command_line()
    almanac_day_page()
    calendar_pages()
    code_page()
    place_selection()
    bone_weight_page()
    stem_branch_chart()
    birth_chart_entry()
