"""The Chinese calendar from new moons and solar terms: a month starts on the
day of its new moon, the month holding the winter solstice is month 11, and in
a year of 13 months from one month 11 to the next the first month without a
major solar term repeats the number before it as a leap month. Days are
counted in Beijing time (UTC+8; Beijing local mean time before 1929)."""

import math

import astro

# Beijing local mean time, 116 deg 25 min east, was the calendar's time until 1929.
BEIJING_MEAN_OFFSET = (7 * 3600 + 45 * 60 + 40) / 86400
UTC8_OFFSET = 8 / 24
UTC8_FROM_JD = 2425612.5  # 1929-01-01 0h UT


def local_day(jde):
    """Julian day number of the civil day in China that holds the instant."""
    ut = astro.jde_to_ut(jde)
    offset = UTC8_OFFSET if ut >= UTC8_FROM_JD else BEIJING_MEAN_OFFSET
    return math.floor(ut + 0.5 + offset)


def gregorian_to_jdn(year, month, day):
    a = (14 - month) // 12
    y = year + 4800 - a
    m = month + 12 * a - 3
    return day + (153 * m + 2) // 5 + 365 * y + y // 4 - y // 100 + y // 400 - 32045


def jdn_to_gregorian(jdn):
    a = jdn + 32044
    b = (4 * a + 3) // 146097
    c = a - 146097 * b // 4
    d = (4 * c + 3) // 1461
    e = c - 1461 * d // 4
    m = (5 * e + 2) // 153
    day = e - (153 * m + 2) // 5 + 1
    month = m + 3 - 12 * (m // 10)
    year = 100 * b + d - 4800 + m // 10
    return year, month, day


def solar_terms(year):
    """Local days of the 24 terms of a Gregorian year, from Minor Cold
    (285 deg) to the winter solstice (270 deg); odd indexes are major terms."""
    start = gregorian_to_jdn(year, 1, 6)
    days = []
    for i in range(24):
        guess = start + i * 365.2422 / 24
        days.append(local_day(astro.solar_longitude_time((285 + 15 * i) % 360, guess)))
    return days


def new_moon_days(first_year, last_year):
    """Local days of every new moon from a little before first_year to a
    little after last_year, in order."""
    k = math.floor((first_year - 1 - 2000) * 12.3685)
    end = gregorian_to_jdn(last_year + 1, 3, 1)
    days = []
    while True:
        day = local_day(astro.new_moon(k))
        if day > end:
            return days
        if day >= gregorian_to_jdn(first_year - 1, 10, 1):
            days.append(day)
        k += 1


def lunar_months(first_year, last_year):
    """Months (start day, number, leap) from month 11 before first_year's
    lunar new year to month 11 of last_year."""
    terms = {y: solar_terms(y) for y in range(first_year - 1, last_year + 1)}
    major = sorted(d for y in terms for d in terms[y][1::2])
    moons = new_moon_days(first_year, last_year)
    months = []
    for year in range(first_year, last_year + 1):
        # Month 11 holds the winter solstice; its new moon is on or before it.
        first = max(i for i, d in enumerate(moons) if d <= terms[year - 1][23])
        last = max(i for i, d in enumerate(moons) if d <= terms[year][23])
        count = last - first
        if count not in (12, 13):
            raise ValueError(f"{count} months before the solstice of {year}")
        leap_index = None
        if count == 13:
            for i in range(first + 1, last):
                if not any(moons[i] <= d < moons[i + 1] for d in major):
                    leap_index = i
                    break
        number = 11
        for i in range(first, last):
            leap = i == leap_index
            if i > first and not leap:
                number = number % 12 + 1
            months.append((moons[i], number, leap))
    months.append((moons[last], 11, False))
    return months, moons


def lunar_years(first_year, last_year):
    """For each lunar year: (year, new year's day, [(number, leap, length)])."""
    months, _ = lunar_months(first_year, last_year + 1)
    years = []
    starts = [i for i, (_, number, leap) in enumerate(months) if number == 1 and not leap]
    for a, b in zip(starts, starts[1:]):
        start_day = months[a][0]
        year = jdn_to_gregorian(start_day)[0]
        if not first_year <= year <= last_year:
            continue
        entries = [(months[i][1], months[i][2], months[i + 1][0] - months[i][0])
                   for i in range(a, b)]
        years.append((year, start_day, entries))
    return years
