#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Measure the values printed on `orvalin-cli card` against PyEphem.

Each card is written as SVG and its cells read back from the page (the texts
"+9:56", "-3:05" and where they stand: columns are months, rows days). Each
cell is compared with the same quantity from the ephemeris:

  with the longitude (the default card): the zone's standard-time clock at the
      Sun's transit of the dial's meridian, less 12:00, in seconds; the transit
      is 12 h - longitude/15 h - E/60 h, iterated, with E = GAST - RA(apparent
      Sun) + 12 h - UT; the standard offset is the lower of the zone's
      offsets at the two solstices, by Python's zoneinfo;
  --no-longitude: -E at that transit;
  --mean-years N: the mean of the single years' references over the N years.

Places lie within 20 degrees of their zone's meridian; years are drawn from
1700-2200 unless given.

Usage:
    python3 tools/card_accuracy.py [--cli build/src/cli/orvalin-cli]
                                   [--cards 120] [--seed 1] [--years 1700-2200] [--no-write]

The results replace the section of tools/accuracy-results.md that starts with
RESULTS_HEADING, up to the next top-level heading.  Only the Python standard
library and PyEphem are used.
"""

import argparse
import datetime
import math
import os
import platform
import random
import re
import shlex
import subprocess
import sys
import time
import zoneinfo

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from accuracy import (EPHEM_EPOCH_JD, Stats, add_results_options,  # noqa: E402
                      built_program, check_program_jd, program_jd)
import ephem  # noqa: E402

RESULTS_HEADING = "# The correction card: orvalin-cli card against PyEphem"
ZONES = [("Europe/Berlin", 15.0), ("Asia/Tokyo", 135.0), ("America/New_York", -75.0),
         ("Australia/Sydney", 150.0), ("Europe/London", 0.0), ("Asia/Kolkata", 82.5),
         ("America/Los_Angeles", -120.0)]
CELL = re.compile(r'<text [^>]*\bx="([-0-9.]+)" y="([-0-9.]+)"[^>]*\n?\s*>([+\u2212]\d+:\d\d)</text>')


def card_cells(cli, year, longitude, zone, extra):
    """{(month, day): seconds} as printed on the card."""
    svg = subprocess.run([cli, "card", str(year), "--longitude", "%.4f" % longitude, "--zone", zone,
                          "--format", "svg", "--lang", "en"] + extra,
                         check=True, capture_output=True).stdout.decode("utf-8")
    found = [(float(x), float(y), text) for x, y, text in CELL.findall(svg)]
    if not found:
        sys.exit("card_accuracy.py: no cells found on the card")

    def clusters(values):
        """Each value's cluster index, clusters split at gaps wider than 3 mm (30 units)."""
        ordered = sorted(set(values))
        index, n, last = {}, -1, None
        for v in ordered:
            if last is None or v - last > 30:
                n += 1
            index[v] = n
            last = v
        return index, n + 1

    columns, n_columns = clusters([x for x, _, _ in found])
    rows, n_rows = clusters([y for _, y, _ in found])
    if n_columns != 12 or n_rows != 31:
        sys.exit("card_accuracy.py: the cells form %d columns and %d rows, not 12 and 31" % (n_columns, n_rows))
    cells = {}
    for x, y, text in found:
        sign = -1 if text[0] == "\u2212" else 1
        minutes, seconds = text[1:].split(":")
        cells[(columns[x] + 1, rows[y] + 1)] = sign * (int(minutes) * 60 + int(seconds))
    return cells


def equation_of_time_seconds(jd):
    """Apparent minus mean solar time at the instant, seconds."""
    observer = ephem.Observer()
    observer.lon, observer.lat, observer.pressure, observer.elevation = 0, 0, 0, 0
    observer.date = ephem.Date(jd - EPHEM_EPOCH_JD)
    observer.epoch = observer.date
    sun = ephem.Sun()
    sun.compute(observer)
    hours = math.degrees(float(observer.sidereal_time()) - float(sun.g_ra)) / 15.0
    ut_hours = ((jd - 0.5) % 1.0) * 24.0
    return ((hours + 12.0 - ut_hours + 12.0) % 24.0 - 12.0) * 3600.0


def reference_day(year, month, day, longitude, zone):
    """(standard clock - 12:00, -E), seconds, at the transit of the date's
    standard-time noon, by the ephemeris and zoneinfo."""
    ut = 12.0 - longitude / 15.0
    E = 0.0
    for _ in range(4):
        E = equation_of_time_seconds(program_jd(year, month, day, ut))
        ut = 12.0 - longitude / 15.0 - E / 3600.0
    if zone.startswith("UTC"):
        sign = -1 if zone[3] == "-" else 1
        standard = sign * (int(zone[4:6]) * 3600 + int(zone[7:9]) * 60)
    else:
        # The dial maker's standard time: the lower of the offsets at the two solstices.
        standard = min(datetime.datetime(year, solstice, 21, 12, tzinfo=datetime.timezone.utc)
                       .astimezone(zoneinfo.ZoneInfo(zone)).utcoffset().total_seconds() for solstice in (6, 12))
    return ut * 3600.0 + standard - 12 * 3600.0, -E


def days_of(year):
    d = datetime.date(year, 1, 1)
    while d.year == year:
        yield d.month, d.day
        d += datetime.timedelta(days=1)


def fixed_zone(meridian):
    hours = round(meridian / 15.0 * 60)
    return "UTC%s%02d:%02d" % ("-" if hours < 0 else "+", abs(hours) // 60, abs(hours) % 60)


def cards(count, seed, first, last):
    """(year, longitude, zone, mean years, with longitude). Before 1970 a zone's
    data holds the local mean times of the past, which no dial maker wants: those
    cards are made for a fixed offset on the zone's meridian instead."""
    rng = random.Random(seed)
    out = []
    for k in range(count):
        zone, meridian = ZONES[k % len(ZONES)]
        longitude = round(meridian + rng.uniform(-20.0, 20.0), 4)
        mode = k % 3  # with the longitude, without it, a mean of four years
        year = rng.randrange(first, last + 1 - (3 if mode == 2 else 0))
        out.append((year, longitude, zone if year >= 1970 else fixed_zone(meridian), 4 if mode == 2 else 1,
                    mode != 1))
    return out


def measure(cli, plan):
    stats = {"with the longitude": Stats(), "--no-longitude": Stats(), "--mean-years 4": Stats()}
    spread = Stats()  # the mean card's cells against the single years' references
    for year, longitude, zone, years, with_longitude in plan:
        extra = ([] if with_longitude else ["--no-longitude"]) + (["--mean-years", str(years)] if years > 1 else [])
        printed = card_cells(cli, year, longitude, zone, extra)
        label = ("--mean-years 4" if years > 1 else "with the longitude" if with_longitude else "--no-longitude")
        references = {}
        for y in range(year, year + years):
            for month, day in days_of(y):
                value = reference_day(y, month, day, longitude, zone)[0 if with_longitude else 1]
                references.setdefault((month, day), []).append(value)
        if set(printed) != set(references):
            sys.exit("card_accuracy.py: the card of %d at %s has cells %s, the calendar %s"
                     % (year, zone, sorted(set(printed) ^ set(references))[:5], "differs"))
        for key, values in references.items():
            mean = sum(values) / len(values)
            where = "%d %+.4f %s %02d-%02d" % (year, longitude, zone, key[0], key[1])
            stats[label].add(printed[key] - mean, where)
            if years > 1:
                for v in values:
                    spread.add(printed[key] - v, where)
    return stats, spread


def write_section(path, text):
    before, after = "", ""
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            old = f.read()
        at = old.find(RESULTS_HEADING)
        if at < 0:
            before = old.rstrip("\n")
        else:
            before = old[:at].rstrip("\n")
            rest = old[at + len(RESULTS_HEADING):]
            nxt = rest.find("\n# ")
            after = rest[nxt:] if nxt >= 0 else ""
    with open(path, "w", encoding="utf-8") as f:
        f.write((before + "\n\n" if before else "") + text + after)


def main():
    ap = argparse.ArgumentParser(description="Measure orvalin-cli card's printed values against PyEphem.")
    ap.add_argument("--cli", default="build/src/cli/orvalin-cli", help="the orvalin-cli to run (default %(default)s)")
    ap.add_argument("--cards", type=int, default=120, help="cards, a third of each kind (default %(default)s)")
    ap.add_argument("--seed", type=int, default=1, help="seed of the random cards (default %(default)s)")
    ap.add_argument("--years", default="1700-2200", help="years drawn from, FIRST-LAST (default %(default)s)")
    add_results_options(ap)
    args = ap.parse_args()
    cli = built_program(args.cli, "card_accuracy.py", "--cli")
    check_program_jd()
    first, last = (int(v) for v in args.years.split("-"))
    started = time.time()
    plan = cards(args.cards, args.seed, first, last)
    stats, spread = measure(cli, plan)
    elapsed = time.time() - started

    out = []
    w = out.append
    command = "python3 tools/card_accuracy.py " + " ".join(shlex.quote(a) for a in sys.argv[1:])
    w(RESULTS_HEADING)
    w("")
    w("Produced by `%s` on %s." % (command.strip(), time.strftime("%a %b %d %H:%M:%S UTC %Y", time.gmtime())))
    w("")
    w("- Program: `%s card YEAR --longitude DEG --zone ZONE --format svg`, %d cards (seed %d), years %d-%d, "
      "places within 20 degrees of their zone's meridian in %s; a third each with the longitude, with "
      "`--no-longitude`, and with `--mean-years 4`. Every cell of each card is read back from the page."
      % (args.cli, len(plan), args.seed, first, last, ", ".join(z for z, _ in ZONES)))
    w("- Reference: PyEphem %s (Debian python3-ephem), Python %s: E = GAST - RA(apparent Sun) + 12 h - UT; the "
      "transit 12 h - longitude/15 h - E/60 h, iterated; the standard offset the lower of the zone's at the two "
      "solstices, by Python's zoneinfo. Run time %.1f s."
      % (ephem.__version__, platform.python_version(), elapsed))
    w("- Differences are the printed value less the reference, in seconds; the printed values are whole seconds.")
    w("")
    w("| Card | Cells | Max (s) | RMS (s) | Mean (s) | Largest at |")
    w("|---|---:|---:|---:|---:|---|")
    for label, s in stats.items():
        w("| %s | %d | %.2f | %.2f | %+.2f | %s |" % (label, s.n, s.max_abs, s.rms, s.sum / s.n, s.max_where))
    w("")
    w("The cards of four years against each single year's reference: max %.1f s, RMS %.1f s (the mean card "
      "prints its own largest difference from the single years' cards)." % (spread.max_abs, spread.rms))
    w("")
    text = "\n".join(out) + "\n"
    sys.stdout.write(text)
    if not args.no_write:
        write_section(args.output, text)
        sys.stderr.write("card_accuracy.py: wrote %s (%.1f s)\n" % (args.output, elapsed))


if __name__ == "__main__":
    main()
