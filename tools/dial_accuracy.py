#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Measure a flat dial's lines and the analemmatic dial, as build/src/sundial/dial_table
prints them, and the same random plates as the product gives them
(`orvalin-cli dial --format csv`), against an independent implementation of J.
Meeus's formulas and against PyEphem.

(a) Straight hour lines (apparent and standard time) on random plates: every
    point against the general formulas of Meeus, Astronomical Algorithms, 2nd
    ed., ch. 58 (computed here from his P, Q, Nx, Ny with z = tilt and
    D = facing - 180), in mm per metre of the nodus's height; which of the seven
    declinations carry a point, against the same formulas' conditions (Sun above
    the horizon, Q > 0, within 20 heights); the centre and the style height
    against Meeus's x0, y0 and psi.
(b) Figures of eight (mean time, no refraction) on random plates: for every
    day's point, the direction from the point to the nodus is the direction of
    the Sun the program used; its angle on the sky from PyEphem's geometric Sun
    at that date and clock time less the zone's offset, read as UT.
(c) The analemmatic dial at a few latitudes: a person standing on the
    program's date scale for the day, the shadow cast by PyEphem's Sun, where
    it meets the ellipse, read as a clock time, against what the dial should
    read: the clock time plus the equation of time (E = apparent - mean solar
    time), since the dial keeps the longitude correction and not E.
(d) What `orvalin-cli analemmatic --format csv` gives to set a dial out, at a
    few latitudes: the hour points and the date marks, metres to the
    millimetre, against the dial's formulas with PyEphem's declination; then a
    person standing on the mark of the 1st of each month on that day, the
    shadow cast by PyEphem's Sun, read between the CSV's hour points, against
    the clock time plus E.

Places have latitudes -66..66, years 1900-2100.

Through orvalin-cli the nodus stands CLI_HEIGHT_MM from the plate (the CSV gives
0.01 mm, 0.001 mm per metre of it), the zone is the fixed offset UTC+hh:00, the
lines reach as far as the command draws them (cli_reach), and a plate the Sun
never reaches there is refused by the command and counted.

Usage:
    python3 tools/dial_accuracy.py [--table build/src/sundial/dial_table]
                                   [--cli build/src/cli/orvalin-cli]
                                   [--plates 300] [--seed 1] [--no-write]

The results replace the sections of tools/accuracy-results.md that start with
RESULTS_HEADING and CLI_RESULTS_HEADING, each up to the next top-level heading.  Only the Python standard
library and PyEphem are used.
"""

import argparse
import csv
import io
import math
import os
import platform
import random
import shlex
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from accuracy import (EPHEM_EPOCH_JD, Stats, add_results_options,  # noqa: E402
                      built_program, check_program_jd, program_jd)
import ephem  # noqa: E402

RESULTS_HEADING = "# A flat dial's lines and the analemmatic dial: dial_table against Meeus and PyEphem"
CLI_RESULTS_HEADING = "# A flat dial through orvalin-cli dial: against Meeus and PyEphem"
MAX_LATITUDE = 66.0
HEIGHT_MM = 1000.0
MAX_HEIGHTS = 20.0
CLI_HEIGHT_MM = 10000.0


def cli_reach(lat, tilt, facing):
    """How far orvalin-cli dial's lines reach, in heights: 3, or a tenth past the
    longest noon shadow of the seven declinations on the plate, at most 20."""
    D = facing - 180.0 if tilt != 0 else 0.0
    reach = 3.0
    for delta in DECLINATIONS:
        x, y, Q, sin_h = meeus_point(lat, D, tilt, 1.0, 0.0, delta)
        if sin_h > 0 and Q > 0 and math.hypot(x, y) <= MAX_HEIGHTS:
            reach = max(reach, 1.1 * math.hypot(x, y))
    return min(reach, MAX_HEIGHTS)
DECLINATIONS = [-23.44, -20.15, -11.47, 0.0, 11.47, 20.15, 23.44]
ANALEMMATIC_LATITUDES = [-50.0, -35.0, -10.0, 10.0, 35.0, 50.0, 60.0]
CLI_LATITUDES = [-50.0, -35.0, -20.0, 20.0, 35.0, 50.0, 60.0]
SEMI_MAJOR_M = 3.0


def rad(d):
    return math.radians(d)


# ---------------------------------------------------------------------------
# Meeus, ch. 58: the general planar dial, from his formulas alone
# ---------------------------------------------------------------------------

def meeus_point(phi, D, z, a, H, delta):
    """(x, y, Q, sin h): the shadow of the straight stylus a for the Sun at H, delta."""
    phi, D, z, H, delta = rad(phi), rad(D), rad(z), rad(H), rad(delta)
    P = math.sin(phi) * math.cos(z) - math.cos(phi) * math.sin(z) * math.cos(D)
    Q = (math.sin(D) * math.sin(z) * math.sin(H)
         + (math.cos(phi) * math.cos(z) + math.sin(phi) * math.sin(z) * math.cos(D)) * math.cos(H)
         + P * math.tan(delta))
    Nx = math.cos(D) * math.sin(H) - math.sin(D) * (math.sin(phi) * math.cos(H) - math.cos(phi) * math.tan(delta))
    Ny = (math.cos(z) * math.sin(D) * math.sin(H)
          - (math.cos(phi) * math.sin(z) - math.sin(phi) * math.cos(z) * math.cos(D)) * math.cos(H)
          - (math.sin(phi) * math.sin(z) + math.cos(phi) * math.cos(z) * math.cos(D)) * math.tan(delta))
    sin_h = math.sin(phi) * math.sin(delta) + math.cos(phi) * math.cos(delta) * math.cos(H)
    return a * Nx / Q if Q else float("inf"), a * Ny / Q if Q else float("inf"), Q, sin_h


def meeus_centre(phi, D, z, a):
    phi, D, z = rad(phi), rad(D), rad(z)
    P = math.sin(phi) * math.cos(z) - math.cos(phi) * math.sin(z) * math.cos(D)
    x0 = a * math.cos(phi) * math.sin(D) / P
    y0 = -a * (math.sin(phi) * math.sin(z) + math.cos(phi) * math.cos(z) * math.cos(D)) / P
    return x0, y0, math.degrees(math.asin(min(1.0, abs(P))))


# ---------------------------------------------------------------------------
# The program
# ---------------------------------------------------------------------------

def run_table(table, lines):
    out = subprocess.run([table], input="".join(lines), check=True, capture_output=True, text=True).stdout
    blocks, block = [], []
    for row in out.split("\n"):
        if not row:
            continue
        if row == "end":
            blocks.append(block)
            block = []
        else:
            block.append(row.split())
    if len(blocks) != len(lines):
        sys.exit("dial_accuracy.py: %d dials in, %d out" % (len(lines), len(blocks)))
    return blocks


def plates(count, seed):
    """(lat, lon, offset_minutes, tilt, facing, kind, step, year)."""
    rng = random.Random(seed)
    out = []
    for k in range(count):
        lat = rng.uniform(-MAX_LATITUDE, MAX_LATITUDE)
        lon = rng.uniform(-180.0, 180.0)
        offset = max(-12, min(14, round(lon / 15.0) + rng.choice([0, 0, 0, -1, 1]))) * 60
        # Some floors and walls among the slanting plates.
        tilt = rng.choice([0.0, 90.0]) if k % 5 == 0 else rng.uniform(0.0, 179.0)
        facing = rng.choice([0.0, 90.0, 180.0, 270.0]) if k % 7 == 0 else rng.uniform(0.0, 360.0)
        kind = ("apparent", "standard", "mean")[k % 3]
        step = rng.choice([60, 30, 15, 10]) if kind != "mean" else 60
        # Rounded as they are written to the program, so both sides take the same values.
        out.append((round(lat, 6), round(lon, 6), offset, round(tilt, 6), round(facing, 6), kind, step,
                    rng.randrange(1900, 2101)))
    return out


def hour_angle(kind, minutes, lon, offset):
    H = 15.0 * (minutes / 60.0 - 12.0)
    if kind == "standard":
        H += lon - 15.0 * offset / 60.0
    return H


def plate_axes(tilt, facing):
    """x, y, normal in east, north, up: x right and y up the slope, seen from in front."""
    if tilt == 0:
        facing = 180.0
    t, f = rad(tilt), rad(facing)
    n = (math.sin(t) * math.sin(f), math.sin(t) * math.cos(f), math.cos(t))
    y = (-math.cos(t) * math.sin(f), -math.cos(t) * math.cos(f), math.sin(t))
    x = (-math.cos(f), math.sin(f), 0.0)
    return x, y, n


def separation(alt1, az1, alt2, az2):
    a1, a2 = rad(alt1), rad(alt2)
    c = math.sin(a1) * math.sin(a2) + math.cos(a1) * math.cos(a2) * math.cos(rad(az1 - az2))
    return math.degrees(math.acos(max(-1.0, min(1.0, c))))


def cli_blocks(cli, plan):
    """The plates through `orvalin-cli dial --format csv`, as blocks in dial_table's
    form (no style height: the CSV has none); None for a plate the command refuses."""
    blocks = []
    for lat, lon, off, tilt, facing, kind, step, year in plan:
        zone = "UTC%s%02d:00" % ("-" if off < 0 else "+", abs(off) // 60)
        args = [cli, "dial", "--latitude", "%.6f" % lat, "--longitude", "%.6f" % lon, "--zone", zone,
                "--tilt", "%.6f" % tilt, "--facing", "%.6f" % facing, "--height", "%g" % CLI_HEIGHT_MM,
                "--time", kind, "--step", str(step), "--dates", "none", "--year", str(year), "--no-refraction",
                "--format", "csv"]
        done = subprocess.run(args, capture_output=True, text=True)
        if done.returncode == 1 and "dial: " in done.stderr:
            blocks.append(None)
            continue
        if done.returncode != 0:
            sys.exit("dial_accuracy.py: %s: %s" % (shlex.join(args), done.stderr.strip()))
        rows = list(csv.DictReader(io.StringIO(done.stdout, newline="")))
        centre = [r for r in rows if r["kind"] == "centre"]
        block = [["style", "", centre[0]["x_mm"], centre[0]["y_mm"], None] if centre else
                 ["style", "", "inf", "inf", None]]
        line = None
        for r in rows:
            if r["kind"] != "hour":
                continue
            minutes = int(r["time"][:2]) * 60 + int(r["time"][3:])
            if minutes != line:
                block.append(["line", str(minutes)])
                line = minutes
            if r["date"]:
                _, month, day = r["date"].split("-")
                block.append(["d", "", month, day, r["x_mm"], r["y_mm"], "", ""])
            else:
                block.append(["p", r["declination_deg"], r["x_mm"], r["y_mm"]])
        blocks.append(block)
    return blocks


def measure_plates(blocks, plan, height_mm, reach):
    """`reach(lat, tilt, facing)`: how far the lines go, in heights."""
    straight = {"point": Stats(), "centre": Stats(), "psi": Stats()}
    presence = {"agree": 0, "program only": 0, "Meeus only": 0, "near a limit": 0}
    sky = Stats()
    eights = 0
    sun = ephem.Sun()
    for run, block in zip(plan, blocks):
        if block is None:
            presence["refused"] = presence.get("refused", 0) + 1
            continue
        lat, lon, off, tilt, facing, kind, step, year = run
        max_heights = reach(lat, tilt, facing)
        D = facing - 180.0 if tilt != 0 else 0.0
        where_plate = "%+.2f %+.2f tilt %.1f facing %.1f %s %d" % (lat, lon, tilt, facing, kind, year)
        style = block[0]
        if style[2] != "inf":
            x0, y0, psi = meeus_centre(lat, D, tilt, height_mm)
            # Far centres (a plate nearly parallel to the axis) are compared relative to their distance.
            far = max(1.0, math.hypot(x0, y0) / (MAX_HEIGHTS * height_mm))
            straight["centre"].add(math.hypot(float(style[2]) - x0, float(style[3]) - y0) / far
                                   * 1000.0 / height_mm, where_plate)
            if style[4] is not None:
                straight["psi"].add(float(style[4]) - psi, where_plate)
        if kind == "mean":
            observer = ephem.Observer()
            observer.lat, observer.lon = rad(lat), rad(lon)
            observer.elevation, observer.pressure = 0, 0.0
            x_axis, y_axis, n = plate_axes(tilt, facing)
            minutes = None
            for row in block[1:]:
                if row[0] == "line":
                    minutes = int(row[1])
                    continue
                _, half, mm, dd, xs, ys, _, _ = row
                x, y = float(xs), float(ys)
                ray = [height_mm * n[i] - x * x_axis[i] - y * y_axis[i] for i in range(3)]
                length = math.sqrt(sum(c * c for c in ray))
                alt = math.degrees(math.asin(ray[2] / length))
                az = math.degrees(math.atan2(ray[0], ray[1])) % 360.0
                ut = minutes / 60.0 - off / 60.0
                observer.date = ephem.Date(program_jd(year, int(mm), int(dd), ut) - EPHEM_EPOCH_JD)
                observer.epoch = observer.date
                sun.compute(observer)
                sky.add(separation(alt, az, math.degrees(float(sun.alt)), math.degrees(float(sun.az))),
                        "%s %d-%s-%s %02d:%02d UTC%+d" % (where_plate, year, mm, dd, minutes // 60, minutes % 60,
                                                           off // 60))
                eights += 1
            continue
        points = {}
        minutes = None
        for row in block[1:]:
            if row[0] == "line":
                minutes = int(row[1])
            else:
                points[(minutes, float(row[1]))] = (float(row[2]), float(row[3]))
        for minutes in range(0, 1440, step):
            H = hour_angle(kind, minutes, lon, off)
            for delta in DECLINATIONS:
                mx, my, Q, sin_h = meeus_point(lat, D, tilt, height_mm, H, delta)
                distance = math.hypot(mx, my)
                reached = sin_h > 0 and Q > 0 and distance <= max_heights * height_mm
                got = points.get((minutes, delta))
                if got is not None and reached:
                    presence["agree"] += 1
                    straight["point"].add(math.hypot(got[0] - mx, got[1] - my) * 1000.0 / height_mm,
                                          "%s %02d:%02d %+.2f" % (where_plate, minutes // 60, minutes % 60, delta))
                elif got is None and not reached:
                    presence["agree"] += 1
                else:
                    # A disagreement is allowed only on a limit's edge, to rounding.
                    edge = (abs(sin_h) < 1e-9 or abs(Q) < 1e-9
                            or abs(distance - max_heights * height_mm) < 1e-6 * height_mm)
                    presence["near a limit" if edge else ("program only" if got else "Meeus only")] += 1
    return straight, presence, sky, eights


# ---------------------------------------------------------------------------
# The analemmatic dial
# ---------------------------------------------------------------------------

def equation_of_time_minutes(observer, sun):
    """Apparent minus mean solar time at the observer's instant, minutes."""
    greenwich = ephem.Observer()
    greenwich.date, greenwich.lon, greenwich.lat, greenwich.pressure = observer.date, 0, 0, 0
    greenwich.epoch = observer.date
    sun.compute(greenwich)
    hour_angle_hours = math.degrees(float(greenwich.sidereal_time()) - float(sun.g_ra)) / 15.0
    ut_hours = (float(observer.date) % 1.0) * 24.0 + 12.0  # ephem's days start at noon
    return ((hour_angle_hours + 12.0 - ut_hours + 12.0) % 24.0 - 12.0) * 60.0


def readings(M, phi, stance, shadow_azimuth):
    """The hour angles where the shadow from (0, stance) meets the ellipse ahead,
    with the Sun of the stance's declination above the horizon there."""
    b = M * math.sin(rad(phi))
    dx, dy = math.sin(rad(shadow_azimuth)), math.cos(rad(shadow_azimuth))
    qa = dx * dx / (M * M) + dy * dy / (b * b)
    qb = 2 * stance * dy / (b * b)
    qc = stance * stance / (b * b) - 1
    disc = qb * qb - 4 * qa * qc
    if disc < 0:
        return []
    tan_delta = stance / (M * math.cos(rad(phi)))
    out = []
    for t in ((-qb - math.sqrt(disc)) / (2 * qa), (-qb + math.sqrt(disc)) / (2 * qa)):
        if t <= 0:
            continue
        sin_H, cos_H = t * dx / M, (stance + t * dy) / b
        if math.sin(rad(phi)) * tan_delta + math.cos(rad(phi)) * cos_H > 0:
            out.append(math.degrees(math.atan2(sin_H, cos_H)))
    return out


def altitude(phi, tan_delta, H):
    delta = math.atan(tan_delta)
    return math.degrees(math.asin(math.sin(rad(phi)) * math.sin(delta)
                                  + math.cos(rad(phi)) * math.cos(delta) * math.cos(rad(H))))


def measure_analemmatic(table, seed):
    rng = random.Random(seed + 1)
    plan = []
    for lat in ANALEMMATIC_LATITUDES:
        for _ in range(3):
            lon = rng.uniform(-180.0, 180.0)
            off = max(-12, min(14, round(lon / 15.0))) * 60
            plan.append((lat, lon, off, rng.randrange(1900, 2101)))
    blocks = run_table(table, ["analemmatic %.6f %.6f %d %g %d\n" % (lat, lon, off, SEMI_MAJOR_M, year)
                               for lat, lon, off, year in plan])
    sun = ephem.Sun()
    by_latitude = {}
    on_ellipse = Stats()
    counts = {"two": 0, "none": 0}
    values = {}
    for (lat, lon, off, year), block in zip(plan, blocks):
        stances = {}
        for row in block:
            if row[0] == "hour":
                H, x, y = float(row[2]), float(row[3]), float(row[4])
                on_ellipse.add(math.hypot(x - SEMI_MAJOR_M * math.sin(rad(H)),
                                          y - SEMI_MAJOR_M * math.sin(rad(lat)) * math.cos(rad(H))) * 1000.0,
                               "%+.1f %s" % (lat, row[1]))
                clock = int(row[1]) / 60.0
                H_expected = (15.0 * (clock - 12.0) + lon - 15.0 * off / 60.0 + 180.0) % 360.0 - 180.0
                on_ellipse.add(abs((H - H_expected + 180.0) % 360.0 - 180.0) * 1000.0, "%+.1f %s" % (lat, row[1]))
            elif row[0] == "stance":
                stances[(int(row[1]), int(row[2]))] = float(row[4])
        stats = by_latitude.setdefault(lat, Stats())
        observer = ephem.Observer()
        observer.lat, observer.lon = rad(lat), rad(lon)
        observer.elevation, observer.pressure = 0, 0.0
        for (month, day), stance in stances.items():
            if day not in (1, 11, 21):
                continue
            for clock_minutes in range(0, 1440, 20):
                ut = clock_minutes / 60.0 - off / 60.0
                observer.date = ephem.Date(program_jd(year, month, day, ut) - EPHEM_EPOCH_JD)
                observer.epoch = observer.date
                sun.compute(observer)
                if math.degrees(float(sun.alt)) < 5.0:
                    continue
                E = equation_of_time_minutes(observer, sun)
                sun.compute(observer)
                found = readings(SEMI_MAJOR_M, lat, stance, math.degrees(float(sun.az)) + 180.0)
                where = "%+.1f %+.1f %d-%02d-%02d %02d:%02d" % (lat, lon, year, month, day,
                                                               clock_minutes // 60, clock_minutes % 60)
                if not found:
                    counts["none"] += 1
                    continue
                if len(found) > 1:
                    # Two sunlit hour points on one shadow (the tropics): a person
                    # tells them by the Sun's height; so does this.
                    counts["two"] += 1
                    tan_delta = stance / (SEMI_MAJOR_M * math.cos(rad(lat)))
                    sun_altitude = math.degrees(float(sun.alt))
                    found.sort(key=lambda h: abs(altitude(lat, tan_delta, h) - sun_altitude))
                H = found[0]
                read_minutes = (12.0 + (H - lon) / 15.0 + off / 60.0) * 60.0
                should = clock_minutes + E
                difference = (read_minutes - should + 720.0) % 1440.0 - 720.0
                stats.add(difference, where)
                values.setdefault(lat, []).append(abs(difference))
    percentile95 = {lat: sorted(v)[int(0.95 * (len(v) - 1))] for lat, v in values.items()}
    return by_latitude, on_ellipse, len(plan), counts, percentile95


# ---------------------------------------------------------------------------
# The analemmatic dial as orvalin-cli sets it out
# ---------------------------------------------------------------------------

def zone_text(offset_minutes):
    sign = "-" if offset_minutes < 0 else "+"
    return "UTC%s%02d:%02d" % (sign, abs(offset_minutes) // 60, abs(offset_minutes) % 60)


def run_analemmatic_csv(cli, lat, lon, off, year):
    """(hours [(minutes, x, y)], dates {(month, day): y}) from the command's CSV."""
    out = subprocess.run([cli, "analemmatic", "--latitude", "%.4f" % lat, "--longitude", "%.4f" % lon,
                          "--zone", zone_text(off), "--size", "%g" % SEMI_MAJOR_M, "--year", str(year),
                          "--format", "csv"], check=True, capture_output=True, text=True).stdout
    hours, dates = [], {}
    for row in csv.DictReader(io.StringIO(out)):
        if row["kind"] == "hour":
            hh, mm = row["label"].split(":")
            hours.append((int(hh) * 60 + int(mm), float(row["x_m"]), float(row["y_m"])))
        elif row["kind"] == "date":
            _, month, day = row["label"].split("-")
            dates[(int(month), int(day))] = float(row["y_m"])
    return hours, dates


def apparent_noon(observer, sun, year, month, day, lon):
    """ephem's date of apparent noon at the longitude, by the ephemeris's E."""
    ut = 12.0 - lon / 15.0
    for _ in range(3):
        observer.date = ephem.Date(program_jd(year, month, day, ut) - EPHEM_EPOCH_JD)
        observer.epoch = observer.date
        ut = 12.0 - lon / 15.0 - equation_of_time_minutes(observer, sun) / 60.0
    return ephem.Date(program_jd(year, month, day, ut) - EPHEM_EPOCH_JD)


def read_between(hours, lat, H):
    """The clock time, minutes, that hour angle H reads between the CSV's points on
    the ellipse, interpolated along the ellipse's parameter."""
    b = SEMI_MAJOR_M * math.sin(rad(lat))
    marks = sorted((minutes, math.degrees(math.atan2(x / SEMI_MAJOR_M, y / b))) for minutes, x, y in hours)
    for (m1, p1), (m2, p2) in zip(marks, marks[1:]):
        if m2 - m1 != 30:
            continue
        span = (p2 - p1 + 180.0) % 360.0 - 180.0
        along = (H - p1 + 180.0) % 360.0 - 180.0
        if span and 0.0 <= along / span <= 1.0:
            return m1 + 30.0 * along / span
    return None


def measure_cli_analemmatic(cli, seed):
    rng = random.Random(seed + 2)
    plan = []
    for lat in CLI_LATITUDES:
        for _ in range(2):
            lon = rng.uniform(-180.0, 180.0)
            plan.append((lat, lon, max(-12, min(14, round(lon / 15.0))) * 60, rng.randrange(1900, 2101)))
    sun = ephem.Sun()
    positions = {"hour": Stats(), "date": Stats()}
    by_latitude = {}
    unread = 0
    for lat, lon, off, year in plan:
        hours, dates = run_analemmatic_csv(cli, lat, lon, off, year)
        where_dial = "%+.1f %+.1f %d" % (lat, lon, year)
        for minutes, x, y in hours:
            H = 15.0 * (minutes / 60.0 - 12.0) + lon - 15.0 * off / 60.0
            positions["hour"].add(1000.0 * math.hypot(x - SEMI_MAJOR_M * math.sin(rad(H)),
                                                      y - SEMI_MAJOR_M * math.sin(rad(lat)) * math.cos(rad(H))),
                                  "%s %02d:%02d" % (where_dial, minutes // 60, minutes % 60))
        observer = ephem.Observer()
        observer.lat, observer.lon = rad(lat), rad(lon)
        observer.elevation, observer.pressure = 0, 0.0
        stats = by_latitude.setdefault(lat, Stats())
        for (month, day), stance in sorted(dates.items()):
            observer.date = apparent_noon(observer, sun, year, month, day, lon)
            observer.epoch = observer.date
            sun.compute(observer)
            delta = float(sun.dec)
            positions["date"].add(1000.0 * (stance - SEMI_MAJOR_M * math.cos(rad(lat)) * math.tan(delta)),
                                  "%s %02d-%02d" % (where_dial, month, day))
            if day != 1:
                continue
            for clock_minutes in range(0, 1440, 20):
                ut = clock_minutes / 60.0 - off / 60.0
                observer.date = ephem.Date(program_jd(year, month, day, ut) - EPHEM_EPOCH_JD)
                observer.epoch = observer.date
                sun.compute(observer)
                if math.degrees(float(sun.alt)) < 5.0:
                    continue
                E = equation_of_time_minutes(observer, sun)
                sun.compute(observer)
                found = readings(SEMI_MAJOR_M, lat, stance, math.degrees(float(sun.az)) + 180.0)
                if len(found) > 1:
                    tan_delta = stance / (SEMI_MAJOR_M * math.cos(rad(lat)))
                    sun_altitude = math.degrees(float(sun.alt))
                    found.sort(key=lambda h: abs(altitude(lat, tan_delta, h) - sun_altitude))
                read = read_between(hours, lat, found[0]) if found else None
                if read is None:
                    unread += 1
                    continue
                difference = (read - (clock_minutes + E) + 720.0) % 1440.0 - 720.0
                stats.add(difference, "%s %02d-01 %02d:%02d" % (where_dial, month, clock_minutes // 60,
                                                                 clock_minutes % 60))
    return positions, by_latitude, len(plan), unread


# ---------------------------------------------------------------------------
# Results
# ---------------------------------------------------------------------------

def write_section(path, text, heading):
    before, after = "", ""
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            old = f.read()
        at = old.find(heading)
        if at < 0:
            before = old.rstrip("\n")
        else:
            before = old[:at].rstrip("\n")
            rest = old[at + len(heading):]
            nxt = rest.find("\n# ")
            after = rest[nxt:] if nxt >= 0 else ""
    with open(path, "w", encoding="utf-8") as f:
        f.write((before + "\n\n" if before else "") + text + after)


def main():
    ap = argparse.ArgumentParser(description="Measure dial_table's lines against Meeus and PyEphem.")
    ap.add_argument("--table", default="build/src/sundial/dial_table",
                    help="the dial_table to run (default %(default)s)")
    ap.add_argument("--cli", default="build/src/cli/orvalin-cli",
                    help="the orvalin-cli to run for the same plates and for (d) (default %(default)s)")
    ap.add_argument("--plates", type=int, default=300,
                    help="random plates, a third each apparent, standard and mean (default %(default)s)")
    ap.add_argument("--seed", type=int, default=1, help="seed of the random plates (default %(default)s)")
    add_results_options(ap)
    args = ap.parse_args()

    table = built_program(args.table, "dial_accuracy.py", "--table")
    cli = built_program(args.cli, "dial_accuracy.py", "--cli")
    check_program_jd()
    started = time.time()
    plan = plates(args.plates, args.seed)
    lines = ["plate %.6f %.6f %d %.6f %.6f %g %s %d %d 0\n" % (lat, lon, off, tilt, facing, HEIGHT_MM, kind, step, year)
             for lat, lon, off, tilt, facing, kind, step, year in plan]
    straight, presence, sky, eights = measure_plates(run_table(table, lines), plan, HEIGHT_MM,
                                                     lambda lat, tilt, facing: MAX_HEIGHTS)
    by_latitude, on_ellipse, dials, counts, percentile95 = measure_analemmatic(table, args.seed)
    cli_positions, cli_readings, cli_dials, cli_unread = measure_cli_analemmatic(cli, args.seed)
    elapsed = time.time() - started
    cli_started = time.time()
    cli_straight, cli_presence, cli_sky, cli_eights = measure_plates(cli_blocks(cli, plan), plan, CLI_HEIGHT_MM,
                                                                     cli_reach)
    cli_elapsed = time.time() - cli_started

    out = []
    w = out.append
    command = "python3 tools/dial_accuracy.py " + " ".join(shlex.quote(a) for a in sys.argv[1:])
    w(RESULTS_HEADING)
    w("")
    w("Produced by `%s` on %s." % (command.strip(), time.strftime("%a %b %d %H:%M:%S UTC %Y", time.gmtime())))
    w("")
    w("- Program: `%s`, %d random plates (seed %d): latitudes -%g..%g, longitudes -180..180, tilt 0..179 "
      "(some floors and walls), any facing, a nodus %g mm from the plate, years 1900-2100, a third each in "
      "apparent, standard and mean time (steps of 60, 30, 15 or 10 minutes; mean time hourly, without "
      "refraction); %d analemmatic dials (M = %g m) at latitudes %s."
      % (args.table, len(plan), args.seed, MAX_LATITUDE, MAX_LATITUDE, HEIGHT_MM, dials, SEMI_MAJOR_M,
         ", ".join("%g" % v for v in ANALEMMATIC_LATITUDES)))
    w("- References: J. Meeus, Astronomical Algorithms, 2nd ed., ch. 58 (his P, Q, Nx, Ny, x0, y0 and psi, "
      "with z = tilt and D = facing - 180, coded here from the book's formulas); PyEphem %s (Debian "
      "python3-ephem), Python %s, the Sun's geometric (pressure 0) topocentric altitude and azimuth at the "
      "date and clock time less the zone's offset read as UT. Run time %.1f s."
      % (ephem.__version__, platform.python_version(), elapsed))
    w("")
    w("## (a) Straight hour lines against Meeus's formulas")
    w("")
    w("| What | Count | Max | RMS | Largest at |")
    w("|---|---:|---:|---:|---|")
    for key, label, unit in (("point", "hour-line points", "mm per m of height"),
                             ("centre", "centres", "mm per m of height"),
                             ("psi", "style heights", "degrees")):
        s = straight[key]
        w("| %s (%s) | %d | %.2e | %.2e | %s |" % (label, unit, s.n, s.max_abs, s.rms, s.max_where))
    w("")
    w("Which of the seven declinations carry a point on each line (every step of the day): %d agree; "
      "%d only in the program, %d only by Meeus's conditions, %d on a limit's edge to rounding."
      % (presence["agree"], presence["program only"], presence["Meeus only"], presence["near a limit"]))
    w("")
    w("## (b) Figures of eight against PyEphem")
    w("")
    w("%d days' points. The Sun's direction each point implies (from the point to the nodus) against the "
      "ephemeris's: max %.4f degrees, RMS %.4f degrees, largest at %s (the aim: 0.03)."
      % (eights, sky.max_abs, sky.rms, sky.max_where))
    w("")
    w("## (c) The analemmatic dial against PyEphem")
    w("")
    w("A person on the program's date scale for the day (the 1st, 11th and 21st of each month), the "
      "ephemeris's Sun every 20 minutes of the clock while it stands 5 degrees up or more; the time read "
      "where the shadow meets the ellipse, less what the dial should read (clock + E), minutes. The hour "
      "points lie on the ellipse and at their hour angles (mm and millidegrees) to %.1e. %d readings met "
      "two sunlit hour points (in the tropics, where the Sun has one azimuth twice in a morning; the one "
      "whose Sun stands nearer the ephemeris's height is taken), %d met none."
      % (on_ellipse.max_abs, counts["two"], counts["none"]))
    w("")
    w("| Latitude | Readings | Max (min) | 95 % within (min) | RMS (min) | Mean (min) | Largest at |")
    w("|---:|---:|---:|---:|---:|---:|---|")
    for lat in sorted(by_latitude):
        s = by_latitude[lat]
        w("| %+g | %d | %.2f | %.2f | %.2f | %+.2f | %s |" % (lat, s.n, s.max_abs, percentile95[lat], s.rms,
                                                          s.sum / s.n, s.max_where))
    w("")
    w("## (d) `orvalin-cli analemmatic --format csv` against the formulas and PyEphem")
    w("")
    w("%d dials (M = %g m, a fixed-offset zone near each longitude, years 1900-2100) at latitudes %s. "
      "Positions: each CSV hour point against (M sin H, M sin(latitude) cos H) with H from its label, and each "
      "date mark against M cos(latitude) tan(declination) with PyEphem's apparent declination at the date's "
      "apparent noon, in mm (the CSV gives metres to the millimetre)."
      % (cli_dials, SEMI_MAJOR_M, ", ".join("%g" % v for v in CLI_LATITUDES)))
    w("")
    w("| What | Count | Max (mm) | RMS (mm) | Largest at |")
    w("|---|---:|---:|---:|---|")
    for key, label in (("hour", "hour points"), ("date", "date marks")):
        st = cli_positions[key]
        w("| %s | %d | %.2f | %.2f | %s |" % (label, st.n, st.max_abs, st.rms, st.max_where))
    w("")
    w("Readings: a person on the CSV's mark of the 1st of each month, on that day, the ephemeris's Sun every "
      "20 minutes of the clock while it stands 5 degrees up or more, the shadow's meeting with the ellipse "
      "read between the CSV's two nearest hour points, less the clock time plus E, minutes. %d readings fell "
      "outside the points (before the first or after the last)." % cli_unread)
    w("")
    w("| Latitude | Readings | Max (min) | RMS (min) | Mean (min) | Largest at |")
    w("|---:|---:|---:|---:|---:|---|")
    for lat in sorted(cli_readings):
        st = cli_readings[lat]
        w("| %+g | %d | %.2f | %.2f | %+.2f | %s |" % (lat, st.n, st.max_abs, st.rms, st.sum / st.n, st.max_where))
    w("")
    w("- (a) compares the geometry alone: both sides put the Sun at the line's hour angle and the declination.")
    w("- (b) is the program's equation of time and declination (see the sections above) carried through the "
      "plate's projection.")
    w("- (c): the date scale gives each day one place, for the declination at apparent noon; away from noon "
      "the Sun's declination has moved on (up to 0.4 degrees a day near the equinoxes), and the reading "
      "with it, most where the shadow meets the ellipse at a slant. In the tropics (+-10) the Sun's azimuth "
      "turns back in the mornings and afternoons of the months it passes between the zenith and the tropic; "
      "then the shadow grazes the ellipse, its two hour points close up, and a hundredth of a degree of "
      "declination moves the reading by many minutes (or the shadow misses the ellipse): the largest "
      "figures there are those instants, a property of the dial, not of its computation.")
    w("- (d): the hour points are as far from the formula as rounding each coordinate to the millimetre puts "
      "them (at most 0.71 mm); the date marks add the program's declination (0.005 degrees at most). The "
      "readings are (c)'s, read between the CSV's half-hour points as a person reads between marks, on the "
      "days the CSV marks: away from the tropics within about half a minute of the clock time plus E.")
    w("")
    text = "\n".join(out) + "\n"

    out = []
    w = out.append
    w(CLI_RESULTS_HEADING)
    w("")
    w("Produced by `%s` on %s, with the plates above." % (command.strip(),
                                                         time.strftime("%a %b %d %H:%M:%S UTC %Y", time.gmtime())))
    w("")
    w("- Program: `%s dial ... --dates none --no-refraction --format csv`, one run a plate, the nodus %g mm from "
      "the plate (the CSV's 0.01 mm is 0.001 mm per metre of it), the zone the fixed offset UTC+hh:00; the "
      "command's lines end 3 heights from the foot, or a tenth past the longest noon shadow of the seven "
      "declinations (at most 20), and Meeus's conditions here use the same reach. %d of the %d plates were "
      "refused by the command (the Sun never reaches them within that reach). Run time %.1f s."
      % (args.cli, CLI_HEIGHT_MM, cli_presence.get("refused", 0), len(plan), cli_elapsed))
    w("")
    w("| What | Count | Max | RMS | Largest at |")
    w("|---|---:|---:|---:|---|")
    for key, label, unit in (("point", "hour-line points", "mm per m of height"),
                             ("centre", "centres", "mm per m of height")):
        st = cli_straight[key]
        w("| %s (%s) | %d | %.2e | %.2e | %s |" % (label, unit, st.n, st.max_abs, st.rms, st.max_where))
    w("")
    w("Which of the seven declinations carry a point on each line (every step of the day): %d agree; "
      "%d only in the program, %d only by Meeus's conditions, %d on a limit's edge to rounding."
      % (cli_presence["agree"], cli_presence["program only"], cli_presence["Meeus only"],
         cli_presence["near a limit"]))
    w("")
    w("Figures of eight: %d days' points; the Sun's direction each point implies against the ephemeris's: "
      "max %.4f degrees, RMS %.4f degrees, largest at %s (the aim: 0.03)."
      % (cli_eights, cli_sky.max_abs, cli_sky.rms, cli_sky.max_where))
    w("")
    cli_text = "\n".join(out) + "\n"
    sys.stdout.write(text + "\n" + cli_text)
    if not args.no_write:
        write_section(args.output, text, RESULTS_HEADING)
        write_section(args.output, cli_text, CLI_RESULTS_HEADING)
        sys.stderr.write("dial_accuracy.py: wrote %s (%.1f s)\n" % (args.output, elapsed + cli_elapsed))
    for name, sun, points in (("dial_table", sky, straight["point"]), ("orvalin-cli", cli_sky, cli_straight["point"])):
        if sun.max_abs > 0.03:
            sys.exit("dial_accuracy.py: %s: a figure of eight's Sun differs by %.4f degrees, more than 0.03"
                     % (name, sun.max_abs))
        if points.max_abs > 0.01:
            sys.exit("dial_accuracy.py: %s: an hour-line point differs by %.4f mm/m, more than 0.01"
                     % (name, points.max_abs))
    # Each of x and y rounded to the millimetre puts a point up to 0.71 mm off.
    if cli_positions["hour"].max_abs > 0.71 or cli_positions["date"].max_abs > 1.0:
        sys.exit("dial_accuracy.py: the analemmatic CSV's points differ by %.2f mm (hours) and %.2f mm (dates)"
                 % (cli_positions["hour"].max_abs, cli_positions["date"].max_abs))


if __name__ == "__main__":
    main()
