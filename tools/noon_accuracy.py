#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Measure the clock time of a dial's noon, as `orvalin-cli noon` prints it and
`orvalin-cli card` puts it on the card, against PyEphem's transits of the Sun.

For each year and longitude the program writes one row a day with the clock time
of the transit, rounded to the second, in the zone UTC; PyEphem gives the Sun's
transit across that meridian (geocentric apparent place, no refraction) near that
time.  The figures are program minus reference in seconds: what a reader of the
card gets wrong by believing its seconds.

Usage:
    python3 tools/noon_accuracy.py [--cli build/src/cli/orvalin-cli]
                                   [--years 1700:2200:5] [--longitudes -157.86,-6.26,13.405,139.7671]

It prints a Markdown table.  Only the Python standard library and PyEphem are used.
"""

import argparse
import csv
import io
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
# accuracy.py imports ephem (or says how to install it) and finds the built program.
from accuracy import Stats, built_program  # noqa: E402
import ephem  # noqa: E402

SECONDS_PER_DAY = 86400.0


def program_noons(cli, year, longitude):
    """[(ephem date of the row's clock time read as UT, date text)] for one year."""
    out = subprocess.run([cli, "noon", str(year), "--longitude", "%.6f" % longitude, "--zone", "UTC",
                          "--csv"], check=True, capture_output=True, text=True).stdout
    rows = []
    for row in csv.DictReader(io.StringIO(out)):
        y, m, d = (int(x) for x in row["date"].split("-"))
        hh, mm, ss = (int(x) for x in row["noon"].split(":"))
        rows.append((ephem.Date((y, m, d, hh, mm, ss)), row["date"]))
    return rows


def reference_transit(longitude, near):
    observer = ephem.Observer()
    observer.lon = str(longitude)
    observer.lat = "0"
    observer.elevation = 0
    observer.pressure = 0
    observer.date = ephem.Date(near - 3 * ephem.hour)
    return observer.next_transit(ephem.Sun())


def parse_years(text):
    parts = [int(x) for x in text.split(":")]
    first, last = parts[0], parts[1]
    step = parts[2] if len(parts) > 2 else 1
    return list(range(first, last + 1, step))


def main():
    ap = argparse.ArgumentParser(description="Compare orvalin-cli noon's clock times with PyEphem's transits.")
    ap.add_argument("--cli", default="build/src/cli/orvalin-cli", help="the orvalin-cli to run (default %(default)s)")
    ap.add_argument("--years", default="1700:2200:5", help="FIRST:LAST[:STEP] (default %(default)s)")
    ap.add_argument("--longitudes", default="-157.86,-6.26,13.405,139.7671",
                    help="comma-separated, degrees east (default %(default)s)")
    args = ap.parse_args()
    cli = built_program(args.cli, "noon_accuracy.py", "--cli")
    years = parse_years(args.years)
    longitudes = [float(x) for x in args.longitudes.split(",")]
    started = time.time()
    by_century = {}
    overall = Stats()
    for year in years:
        for longitude in longitudes:
            for instant, date in program_noons(cli, year, longitude):
                diff = (instant - reference_transit(longitude, instant)) * SECONDS_PER_DAY
                where = "%s at %g" % (date, longitude)
                by_century.setdefault(year // 100 * 100, Stats()).add(diff, where)
                overall.add(diff, where)
    w = sys.stdout.write
    w("Clock time of noon (`noon`, `card`), program minus PyEphem %s transit, seconds; years %s, "
      "longitudes %s; %.1f s\n\n" % (ephem.__version__, args.years, args.longitudes, time.time() - started))
    w("| Years | Transits | Max abs (s) | RMS (s) | Mean (s) | Largest at |\n|---|---:|---:|---:|---:|---|\n")
    for century in sorted(by_century):
        s = by_century[century]
        w("| %d-%d | %d | %.2f | %.2f | %+.2f | %s (%+.2f) |\n"
          % (century, century + 99, s.n, s.max_abs, s.rms, s.mean, s.max_where, s.max_value))
    w("| all | %d | %.2f | %.2f | %+.2f | %s (%+.2f) |\n"
      % (overall.n, overall.max_abs, overall.rms, overall.mean, overall.max_where, overall.max_value))


if __name__ == "__main__":
    main()
