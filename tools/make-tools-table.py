#!/usr/bin/env python3
"""Works out the tools window's date arithmetic and differences with Python's
datetime, apart from the program's code, and writes them as table rows to
windows/tests/toolstable.inc.

Sums: a start date and time plus days, then hours, then minutes, shown as the
Chinese locale writes a date and time (yyyy/M/d, then HH:mm:ss unless the
result is midnight); a result outside the years 1 to 9999 is an error.
Differences: the absolute difference of two date-times in days, hours,
minutes and seconds, each rounded to a whole number with ties to even."""

import datetime
import fractions
import os

# start, days, hours, minutes (as typed)
SUMS = [
    ("2026-03-05 09:00:00", "1", "0", "-1"),      # the boxes' first values
    ("2026-03-05 09:00:00", "0", "0", "0"),
    ("2026-03-05 09:00:00", "-1", "0", "0"),
    ("2024-02-28 12:30:15", "1", "0", "0"),       # onto a leap day
    ("2024-02-29 00:00:00", "365", "0", "0"),
    ("2023-02-28 23:59:59", "0", "0", "1"),
    ("2026-03-05 23:00:00", "0", "1", "0"),       # midnight: the date alone
    ("2026-03-06 00:30:00", "0", "0", "-30"),
    ("1899-12-29 00:00:00", "0", "12", "0"),      # before 1899-12-30
    ("1899-12-30 06:00:00", "0", "-12", "0"),
    ("1899-12-30 06:00:00", "-1", "0", "0"),
    ("1800-01-01 10:20:30", "36500", "-5", "7"),
    ("1752-09-14 00:00:00", "0", "-1", "0"),
    ("2026-01-01 00:00:00", "0", "100000", "-100000"),
    ("2026-03-05 09:00:00", "-738000", "0", "0"),
    ("9999-12-31 23:59:58", "0", "0", "0"),
    ("9999-12-31 23:59:59", "0", "0", "1"),       # past 9999: an error
    ("1752-09-14 00:00:00", "-640000", "0", "0"), # before year 1: an error
    ("2026-03-05 09:00:00", "2147483647", "0", "0"),
]

# d2 (Date2/Time2), d3 (Date3/Time3)
SPANS = [
    ("2026-01-01 00:00:00", "2026-01-02 12:00:00"),
    ("2026-01-02 12:00:00", "2026-01-01 00:00:00"),  # swapped
    ("2026-03-05 10:00:00", "2026-03-05 10:02:30"),  # minute tie
    ("2026-03-05 10:02:30", "2026-03-05 10:00:00"),
    ("2026-03-05 00:00:00", "2026-03-05 06:30:00"),  # hour ties
    ("2026-03-05 09:00:00", "2026-03-05 11:30:00"),
    ("2026-03-05 09:00:00", "2026-03-05 12:30:00"),
    ("2026-03-05 09:00:00", "2026-03-05 09:00:00"),
    ("2026-03-05 09:00:00", "2026-03-06 12:00:00"),
    ("2026-03-05 09:00:00", "2026-03-05 08:40:00"),  # 20 minutes ago
    ("2026-03-05 09:00:00", "2026-03-05 07:20:00"),  # 100 minutes ago
    ("2026-03-05 09:00:00", "2026-03-04 09:00:00"),  # one day ago
    ("2024-02-28 12:00:00", "2024-03-01 00:00:00"),  # across a leap day
    ("1899-12-29 18:00:00", "1899-12-30 06:00:00"),  # before 1899-12-30
    ("1800-06-15 13:14:15", "1900-06-15 13:14:16"),
    ("1752-09-14 00:00:00", "9999-12-31 23:59:59"),
    ("2026-03-05 23:59:59", "2026-03-06 00:00:00"),
]

FORMAT = "%Y-%m-%d %H:%M:%S"


def moment(text):
    return datetime.datetime.strptime(text, FORMAT)


def parts(m):
    return "{%d, %d, %d, %d, %d, %d}" % (m.year, m.month, m.day, m.hour, m.minute, m.second)


def shown(m):
    text = "%04d/%d/%d" % (m.year, m.month, m.day)
    if (m.hour, m.minute, m.second) != (0, 0, 0):
        text += " %02d:%02d:%02d" % (m.hour, m.minute, m.second)
    return text


def add(start, days, hours, minutes):
    try:
        m = start + datetime.timedelta(days=int(days))
        m += datetime.timedelta(hours=int(hours))
        return m + datetime.timedelta(minutes=int(minutes))
    except OverflowError:
        return None


def span(a, b, unit_seconds):
    delta = abs(b - a)
    return round(fractions.Fraction(delta.days * 86400 + delta.seconds, unit_seconds))


def main():
    lines = ["// Made by tools/make-tools-table.py with Python's datetime; do not edit.", "#if defined(TOOLS_SUM_ROWS)"]
    for start, days, hours, minutes in SUMS:
        result = add(moment(start), days, hours, minutes)
        lines.append('    {%s, "%s", "%s", "%s", %s},' % (parts(moment(start)), days, hours, minutes,
                                                          '"%s"' % shown(result) if result else "nullptr"))
    lines.append("#elif defined(TOOLS_SPAN_ROWS)")
    for d2, d3 in SPANS:
        a, b = moment(d2), moment(d3)
        counts = [span(a, b, unit) for unit in (86400, 3600, 60, 1)]
        lines.append('    {%s, %s, "%d", "%d", "%d", "%d"},' % ((parts(a), parts(b)) + tuple(counts)))
    lines.append("#endif")
    out = os.path.join(os.path.dirname(__file__), "..", "windows", "tests", "toolstable.inc")
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
