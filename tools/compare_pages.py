#!/usr/bin/env python3
"""Runs two tavrel programs on the same command lines and compares the pages they write, byte for
byte: the lunar month and almanac day pages of mode 1 for sampled dates and times, the
perpetual-calendar year page of mode 2 for sampled years, and the bone-weighing page of mode 3 and
the four-pillars chart page of mode 4 for sampled births. Each run has a fresh working directory
(the program writes its pages there). Prints the first differences and a summary; exits 1 when any
page differs, or when a program fails differently.

    tools/compare_pages.py OLD_TAVREL NEW_TAVREL [--dates N] [--years N] [--births N] [--seed S]
"""

import argparse
import os
import random
import subprocess
import sys
import tempfile


def sample_requests(dates, years, births, seed):
    rng = random.Random(seed)
    requests = []
    # Mode 1: Gregorian years 1583..2200, plus a few early and far years, at any time of day.
    for i in range(dates):
        if i % 10 == 9:
            year = rng.choice([-4712, -1000, 1, 500, 1000, 1582, 2500, 5000, 9999])
        else:
            year = rng.randint(1583, 2200)
        month = rng.randint(1, 12)
        day = rng.randint(1, 28 if month == 2 else 30)
        hour = rng.randint(0, 23)
        minute = rng.randint(0, 59)
        requests.append(["R1=1", f"year={year}&month={month}&day={day}&hour={hour}&min={minute}"])
    # Mode 2: year pages.
    for i in range(years):
        if i % 10 == 9:
            year = rng.choice([-4712, -1000, 1, 1000, 1582, 3000, 9999, 10000])
        else:
            year = rng.randint(1583, 2200)
        requests.append(["R1=2", f"year={year}"])
    # Modes 3 and 4: births of 1900..2100 that the entries accept (a name with markup tests the
    # escaping; "&" would split the query).
    names = ["王小明", "李美玲", "陳", "<b>王</b>"]
    for i in range(births):
        year = rng.randint(1900, 2100)
        month = rng.randint(1, 12)
        day = rng.randint(1, 28)
        hour = rng.randint(0, 23)
        minute = rng.randint(0, 59)
        sex = rng.choice(["男", "女"])
        birth = (f"year={year}&month={month}&day={day}&hour={hour}&min={minute}"
                 f"&name={rng.choice(names)}&sex={sex}")
        if i % 2 == 0:
            requests.append(["R1=3", birth])
        else:
            requests.append(["R1=4", birth + f"&R2={rng.randint(0, 2)}"])
    return requests


def run(program, args, environment):
    with tempfile.TemporaryDirectory() as directory:
        result = subprocess.run([program] + args, cwd=directory, env=environment,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=120)
        pages = {}
        for name in sorted(os.listdir(directory)):
            with open(os.path.join(directory, name), "rb") as page:
                pages[name] = page.read()
        return result.returncode, result.stdout, pages


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--dates", type=int, default=300)
    parser.add_argument("--years", type=int, default=100)
    parser.add_argument("--births", type=int, default=400)
    parser.add_argument("--seed", type=int, default=17)
    options = parser.parse_args()
    options.old = os.path.abspath(options.old)
    options.new = os.path.abspath(options.new)

    environment = dict(os.environ)
    environment.pop("DISPLAY", None)
    environment.pop("WAYLAND_DISPLAY", None)
    environment["TAVREL_OPEN"] = "true"  # no browser: the pages are only written

    differences = 0
    pages = 0
    for args in sample_requests(options.dates, options.years, options.births, options.seed):
        old = run(options.old, args, environment)
        new = run(options.new, args, environment)
        pages += len(new[2])
        if old[0] != new[0] or old[1] != new[1] or old[2] != new[2]:
            differences += 1
            if differences <= 10:
                names = sorted(set(old[2]) | set(new[2]))
                differing = [n for n in names if old[2].get(n) != new[2].get(n)]
                print("differs:", " ".join(args), "status", old[0], new[0], "pages", differing)
    total = options.dates + options.years + options.births
    print(f"{total} command lines, {pages} pages written by the new program, "
          f"{differences} command lines differ")
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())
