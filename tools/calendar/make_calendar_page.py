#!/usr/bin/env python3
"""Builds the calendar page resources/kestova.html (GB2312) from its UTF-8
source resources/calendar/kestova.src.html by computing the lunar-month and
solar-term tables and putting them in place of the /*@LUNAR_TABLES@*/ mark.
Run again after changing the source; commit both files."""

import os
import subprocess
import sys

sys.dont_write_bytecode = True  # keep the source tree clean

from lunar_rules import gregorian_to_jdn, jdn_to_gregorian, lunar_years, solar_terms

FIRST_YEAR = 1901  # first and last Gregorian year the page shows
LAST_YEAR = 2100
MARK = "/*@LUNAR_TABLES@*/"

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SOURCE = os.path.join(ROOT, "resources", "calendar", "kestova.src.html")
TARGET = os.path.join(ROOT, "resources", "kestova.html")


def encode_lunar_year(year, new_year_day, months):
    offset = new_year_day - gregorian_to_jdn(year, 1, 20)
    leap = [i for i, (_, is_leap, _) in enumerate(months) if is_leap]
    leap_number = months[leap[0]][0] if leap else 0
    assert 0 <= offset < 32 and len(months) == (13 if leap else 12)
    assert not leap or leap[0] == leap_number  # the leap month follows its namesake
    lengths = sum(1 << i for i, (_, _, length) in enumerate(months) if length == 30)
    assert all(length in (29, 30) for _, _, length in months)
    return offset << 17 | leap_number << 13 | lengths


def term_tables():
    days = {y: [jdn_to_gregorian(d)[2] for d in solar_terms(y)]
            for y in range(FIRST_YEAR, LAST_YEAR + 1)}
    base = [min(days[y][i] for y in days) for i in range(24)]
    digits = []
    for year in range(FIRST_YEAR, LAST_YEAR + 1):
        offsets = [days[year][i] - base[i] for i in range(24)]
        assert all(0 <= o < 4 for o in offsets)
        digits.append("".join("%x" % (offsets[i] << 2 | offsets[i + 1]) for i in range(0, 24, 2)))
    return base, digits


def tables_script():
    years = lunar_years(FIRST_YEAR - 1, LAST_YEAR)
    assert [y for y, _, _ in years] == list(range(FIRST_YEAR - 1, LAST_YEAR + 1))
    codes = ["0x%06x" % encode_lunar_year(*entry) for entry in years]
    base, digits = term_tables()
    lines = ["var LUNAR_FIRST_YEAR = %d;" % (FIRST_YEAR - 1), "var LUNAR_YEARS = ["]
    lines += ["    " + ", ".join(codes[i:i + 8]) + "," for i in range(0, len(codes), 8)]
    lines[-1] = lines[-1].rstrip(",")
    lines += ["];", "var TERM_FIRST_YEAR = %d;" % FIRST_YEAR,
              "var TERM_BASE = [%s];" % ", ".join(map(str, base)), "var TERM_DAYS ="]
    lines += ['    "%s" +' % "".join(digits[i:i + 6]) for i in range(0, len(digits), 6)]
    lines[-1] = lines[-1][:-2] + ";"
    return "\n".join(lines)


def main():
    with open(SOURCE, encoding="utf-8") as f:
        page = f.read()
    if page.count(MARK) != 1:
        sys.exit("the source must hold the mark %s once" % MARK)
    page = page.replace(MARK, tables_script())
    # iconv refuses any character outside GB2312 instead of writing a wrong byte.
    encoded = subprocess.run(["iconv", "-f", "UTF-8", "-t", "GB2312"], input=page.encode("utf-8"),
                             capture_output=True, check=True).stdout
    with open(TARGET, "wb") as f:
        f.write(encoded)


if __name__ == "__main__":
    main()
