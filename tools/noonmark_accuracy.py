#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Measure the Sun's direction behind `orvalin-cli noonmark --format csv`
against PyEphem.

For many places (latitudes up to 66 degrees, both hemispheres), floors and
walls, clock times and years 1900-2100, the program writes one CSV row per day
with the shadow and the Sun's altitude and azimuth.  Each row's instant is the
clock time less the zone's offset (fixed UTC+hh:mm zones, so the offset is
known here); PyEphem gives the Sun's topocentric apparent direction then:
geometric (pressure 0) for runs with --no-refraction, refracted at 1010 hPa
and 10 C (the conditions of the program's formula) for the others.  The
figures are the angle on the sky between the two directions, in degrees, and
how far the shadow the program writes lies from the shadow of the reference
Sun, in millimetres per metre of the nodus's height.

Plates of any tilt and facing (--facing AZ --tilt DEG) are measured the same
way, the shadow in the plate's axes (x to the right and y up the slope as seen
facing it); and for them, without refraction, which dates have a row against
the dates on which PyEphem's Sun stands above the horizon, in front of the
plate and high enough over it for the shadow to fall within 20 heights; a
plate the program refuses (no day at all) is checked the same way.

Usage:
    python3 tools/noonmark_accuracy.py [--cli build/src/cli/orvalin-cli]
                                       [--runs 1000] [--plates 300] [--seed 1]
                                       [--no-write]

The results replace the section of tools/accuracy-results.md that starts with
RESULTS_HEADING.  Only the Python standard library and PyEphem are used.
"""

import argparse
import csv
import datetime
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
# accuracy.py imports ephem (or says how to install it), gives the program's
# Julian Day for a date and the statistics.
from accuracy import (EPHEM_EPOCH_JD, NOONMARK_RESULTS_HEADING,  # noqa: E402
                      Stats, add_results_options, built_program,
                      check_program_jd, program_jd)
import ephem  # noqa: E402

RESULTS_HEADING = NOONMARK_RESULTS_HEADING
MAX_LATITUDE = 66.0
PRESSURE_HPA = 1010.0
TEMPERATURE_C = 10.0
HEIGHT_MM = 1000.0
NEAR_HEIGHTS = 3.0      # shadows this many heights from the foot or nearer


def runs(count, seed):
    """(latitude, longitude, offset_minutes, surface, clock_minutes, year)."""
    rng = random.Random(seed)
    out = []
    for k in range(count):
        lat = rng.uniform(-MAX_LATITUDE, MAX_LATITUDE)
        lon = rng.uniform(-180.0, 180.0)
        # The zone the place would keep, and sometimes one an hour off.
        offset = max(-12, min(14, round(lon / 15.0) + rng.choice([0, 0, 0, -1, 1]))) * 60
        surface = "wall" if k % 2 and abs(lat) >= 1.0 else "floor"
        clock = 12 * 60 if k % 3 == 0 else rng.randrange(8 * 60, 16 * 60 + 1)
        year = rng.randrange(1900, 2101)
        out.append((lat, lon, offset, surface, clock, year))
    return out


def plate_runs(count, seed):
    """(latitude, longitude, offset_minutes, ("plate", tilt, facing), clock_minutes, year)."""
    rng = random.Random(seed + 1)
    out = []
    for k in range(count):
        lat = rng.uniform(-MAX_LATITUDE, MAX_LATITUDE)
        lon = rng.uniform(-180.0, 180.0)
        offset = max(-12, min(14, round(lon / 15.0))) * 60
        # Walls of any facing, and plates leaning back or forward.
        tilt = 90.0 if k % 2 else round(rng.uniform(0.0, 170.0), 1)
        facing = round(rng.uniform(0.0, 360.0), 1)
        clock = rng.randrange(6 * 60, 18 * 60 + 1)
        out.append((lat, lon, offset, ("plate", tilt, facing), clock, rng.randrange(1900, 2101)))
    return out


def plate_axes(tilt, facing):
    """x, y, normal in east, north, up: x right and y up the slope, seen from in front."""
    if tilt == 0:
        facing = 180.0
    t, f = math.radians(tilt), math.radians(facing)
    n = (math.sin(t) * math.sin(f), math.sin(t) * math.cos(f), math.cos(t))
    y = (-math.cos(t) * math.sin(f), -math.cos(t) * math.cos(f), math.sin(t))
    x = (-math.cos(f), math.sin(f), 0.0)
    return x, y, n


def surface_name(surface):
    return surface if isinstance(surface, str) else "plate %.1f/%.1f" % (surface[1], surface[2])


def zone_text(offset_minutes):
    sign = "-" if offset_minutes < 0 else "+"
    m = abs(offset_minutes)
    return "UTC%s%02d:%02d" % (sign, m // 60, m % 60)


def run_cli(cli, run, refracted):
    lat, lon, offset, surface, clock, year = run
    args = [cli, "noonmark", "--latitude", "%.6f" % lat, "--longitude", "%.6f" % lon,
            "--zone", zone_text(offset), "--height", "%g" % HEIGHT_MM,
            "--time", "%02d:%02d" % (clock // 60, clock % 60), "--year", str(year), "--format", "csv"]
    if isinstance(surface, str):
        args += ["--surface", surface]
    else:
        args += ["--tilt", "%.1f" % surface[1], "--facing", "%.1f" % surface[2]]
    if not refracted:
        args.append("--no-refraction")
    done = subprocess.run(args, capture_output=True, text=True)
    if done.returncode == 1 and "on no day of" in done.stderr:
        return args, None  # refused: the Sun never reaches it at that time
    if done.returncode != 0:
        sys.exit("noonmark_accuracy.py: %s: %s" % (" ".join(args), done.stderr.strip()))
    rows = list(csv.reader(io.StringIO(done.stdout)))
    if rows[0] != ["date", "x_mm", "y_mm", "altitude_deg", "azimuth_deg"]:
        sys.exit("noonmark_accuracy.py: unexpected header %r" % rows[0])
    return args, rows[1:]


def shadow(alt, az, surface, lat):
    """The shadow of a nodus HEIGHT_MM from the surface, x east and y north/up; on a
    plate x to the right and y up the slope. None when the Sun is not in front."""
    h, a = math.radians(alt), math.radians(az)
    east, north, up = math.cos(h) * math.sin(a), math.cos(h) * math.cos(a), math.sin(h)
    if not isinstance(surface, str):
        x_axis, y_axis, n = plate_axes(surface[1], surface[2])
        sun = (east, north, up)
        in_front = sum(p * q for p, q in zip(sun, n))
        if in_front <= 0:
            return None
        reach = HEIGHT_MM / in_front
        return (-reach * sum(p * q for p, q in zip(sun, x_axis)), -reach * sum(p * q for p, q in zip(sun, y_axis)))
    if surface == "floor":
        reach = HEIGHT_MM / up
        return -reach * east, -reach * north
    out_of_wall = -north if lat >= 0 else north
    reach = HEIGHT_MM / out_of_wall
    return -reach * east, -reach * up


def separation(alt1, az1, alt2, az2):
    a1, a2 = math.radians(alt1), math.radians(alt2)
    cos_sep = (math.sin(a1) * math.sin(a2)
               + math.cos(a1) * math.cos(a2) * math.cos(math.radians(az1 - az2)))
    return math.degrees(math.acos(max(-1.0, min(1.0, cos_sep))))


def ephemeris_days(observer, sun, year, ut_hours, surface, lat):
    """{(month, day): how near a limit} for the dates whose geometric Sun throws
    the shadow on the plate within 20 heights, and the same for the others."""
    out = {}
    day = datetime.date(year, 1, 1)
    while day.year == year:
        observer.date = ephem.Date(program_jd(year, day.month, day.day, ut_hours) - EPHEM_EPOCH_JD)
        observer.epoch = observer.date
        sun.compute(observer)
        alt, az = math.degrees(float(sun.alt)), math.degrees(float(sun.az))
        x_axis, y_axis, n = plate_axes(surface[1], surface[2])
        h, a = math.radians(alt), math.radians(az)
        vector = (math.cos(h) * math.sin(a), math.cos(h) * math.cos(a), math.sin(h))
        in_front = sum(p * q for p, q in zip(vector, n))
        point = shadow(alt, az, surface, lat) if alt > 0 else None
        distance = math.hypot(*point) / HEIGHT_MM if point else float("inf")
        lit = point is not None and distance <= 20
        # Within 0.05 degrees of the horizon, of the plate's plane or of 20 heights.
        edge = (abs(alt) < 0.05 or abs(math.degrees(math.asin(max(-1.0, min(1.0, in_front))))) < 0.05
                or (point is not None and abs(distance - 20) < 20 * 0.05 * math.pi / 180 * (1 + distance)))
        out[(day.month, day.day)] = (lit, edge)
        day += datetime.timedelta(days=1)
    return out


def measure(cli, plan):
    sun = ephem.Sun()
    groups = {}
    rows_total = 0
    presence = {"agree": 0, "at a limit": 0, "program only": 0, "ephemeris only": 0, "refused plates": 0,
                "refused, lit by the ephemeris": 0}
    for run in plan:
        lat, lon, offset, surface, clock, year = run
        kind = surface if isinstance(surface, str) else "plate"
        for refracted in (False, True):
            _, rows = run_cli(cli, run, refracted)
            observer = ephem.Observer()
            observer.lat, observer.lon = math.radians(lat), math.radians(lon)
            observer.elevation = 0
            observer.pressure = PRESSURE_HPA if refracted else 0.0
            observer.temp = TEMPERATURE_C
            ut_hours = (clock - offset) / 60.0
            if kind == "plate" and not refracted:
                reference = ephemeris_days(observer, sun, year, ut_hours, surface, lat)
                dated = set()
                for row in rows or []:
                    yy, mm, dd = (int(p) for p in row[0].split("-"))
                    dated.add((mm, dd))
                if rows is None:
                    presence["refused plates"] += 1
                    if any(lit and not edge for lit, edge in reference.values()):
                        presence["refused, lit by the ephemeris"] += 1
                for key, (lit, edge) in reference.items():
                    if lit == (key in dated):
                        presence["agree"] += 1
                    elif edge:
                        presence["at a limit"] += 1
                    else:
                        presence["ephemeris only" if lit else "program only"] += 1
            if rows is None:
                continue
            stats = groups.setdefault((refracted, kind), (Stats(), Stats(), Stats()))
            for date, x, y, alt, az in rows:
                yy, mm, dd = (int(p) for p in date.split("-"))
                observer.date = ephem.Date(program_jd(yy, mm, dd, ut_hours) - EPHEM_EPOCH_JD)
                observer.epoch = observer.date
                sun.compute(observer)
                ref_alt, ref_az = math.degrees(float(sun.alt)), math.degrees(float(sun.az))
                where = "%s %s %+.2f %+.2f %s %s" % (date, zone_text(offset), lat, lon, surface_name(surface),
                                                     "%02d:%02d" % (clock // 60, clock % 60))
                stats[0].add(separation(float(alt), float(az), ref_alt, ref_az), where)
                near = math.hypot(float(x), float(y)) <= NEAR_HEIGHTS * HEIGHT_MM
                reference_point = shadow(ref_alt, ref_az, surface, lat) if ref_alt > 0 else None
                if near and reference_point:
                    x_ref, y_ref = reference_point
                    stats[1].add(math.hypot(float(x) - x_ref, float(y) - y_ref) * 1000.0 / HEIGHT_MM, where)
                if near:
                    # The program's shadow against its own direction: the
                    # projection alone, up to the CSV's rounding.
                    x_own, y_own = shadow(float(alt), float(az), surface, lat)
                    stats[2].add(math.hypot(float(x) - x_own, float(y) - y_own), where)
                rows_total += 1
    return rows_total, groups, presence


def main():
    ap = argparse.ArgumentParser(description="Compare orvalin-cli noonmark's Sun with PyEphem.")
    ap.add_argument("--cli", default="build/src/cli/orvalin-cli",
                    help="the orvalin-cli to run (default %(default)s)")
    ap.add_argument("--runs", type=int, default=1000,
                    help="places, clock times and years; each runs with and without refraction "
                         "(default %(default)s)")
    ap.add_argument("--plates", type=int, default=300,
                    help="more runs on walls of any facing and plates of any tilt (default %(default)s)")
    ap.add_argument("--seed", type=int, default=1, help="seed of the random runs (default %(default)s)")
    add_results_options(ap)
    args = ap.parse_args()

    cli = built_program(args.cli, "noonmark_accuracy.py", "--cli")
    check_program_jd()
    started = time.time()
    plan = runs(args.runs, args.seed) + plate_runs(args.plates, args.seed)
    rows_total, groups, presence = measure(cli, plan)
    elapsed = time.time() - started

    out = []
    w = out.append
    command = "python3 tools/noonmark_accuracy.py " + " ".join(shlex.quote(a) for a in sys.argv[1:])
    w(RESULTS_HEADING)
    w("")
    w("Produced by `%s` on %s." % (command.strip(), time.strftime("%a %b %d %H:%M:%S UTC %Y", time.gmtime())))
    w("")
    w("- Program: `%s noonmark ... --format csv`, %d runs (random places with latitudes "
      "-%g..%g and longitudes -180..180, floor or wall, clock times 08:00-16:00 or 12:00 of a "
      "fixed UTC+hh:mm zone, years 1900-2100, seed %d), and %d more on plates (`--facing` 0..360 "
      "with `--tilt` 90, or a tilt 0..170; clock times 06:00-18:00), each with and without "
      "`--no-refraction`: %d rows, one per day with a shadow."
      % (args.cli, args.runs, MAX_LATITUDE, MAX_LATITUDE, args.seed, args.plates, rows_total))
    w("- Reference: PyEphem %s (Debian python3-ephem), Python %s: the Sun's topocentric apparent "
      "altitude and azimuth at the row's date, clock time less the offset, read as UT; geometric "
      "(pressure 0) against `--no-refraction`, else refracted at %g hPa and %g C. Run time %.1f s."
      % (ephem.__version__, platform.python_version(), PRESSURE_HPA, TEMPERATURE_C, elapsed))
    w("- \"Direction\": the angle on the sky between the program's (altitude, azimuth) and the "
      "reference's, degrees. \"Shadow\": how far the program's shadow lies from the shadow of the "
      "reference Sun, in mm per metre of the nodus's height, for shadows within %g heights of the "
      "foot (farther out the shadow of a low Sun moves fast with its altitude). \"Projection\": the "
      "CSV's shadow against the shadow computed here from the CSV's own altitude and azimuth, same "
      "rows, mm for a %g mm nodus (the CSV rounds millimetres to 0.1 and degrees to 0.0001)."
      % (NEAR_HEIGHTS, HEIGHT_MM))
    w("")
    w("| Sun | Surface | Rows | Direction, max | Direction, RMS | Largest at | Shadow, max (mm/m) | "
      "Shadow, RMS (mm/m) | Projection, max (mm) |")
    w("|---|---|---:|---:|---:|---|---:|---:|---:|")
    worst = 0.0
    for refracted in (False, True):
        for surface in ("floor", "wall", "plate"):
            s = groups.get((refracted, surface))
            if not s:
                continue
            worst = max(worst, s[0].max_abs)
            w("| %s | %s | %d | %.4f | %.4f | %s | %.2f | %.2f | %.3f |" % (
                "refracted" if refracted else "geometric", surface, s[0].n, s[0].max_abs, s[0].rms,
                s[0].max_where, s[1].max_abs, s[1].rms, s[2].max_abs))
    w("")
    w("Largest difference in direction: %.4f degrees (the aim: 0.03)." % worst)
    w("")
    w("Plates, without refraction: which dates have a row, against the dates on which the ephemeris's "
      "Sun throws the shadow on the plate within 20 heights: %d dates agree, %d differ within 0.05 degrees "
      "of a limit (the horizon, the plate's plane, 20 heights), %d have a row the ephemeris denies, %d "
      "lack one it gives. %d plates were refused (no day at all); the ephemeris lights %d of them away "
      "from a limit." % (presence["agree"], presence["at a limit"], presence["program only"],
                         presence["ephemeris only"], presence["refused plates"],
                         presence["refused, lit by the ephemeris"]))
    w("")
    w("- The program refracts by Saemundsson's formula, PyEphem by its own; the two differ most "
      "near the horizon (the floor's shadows stop at an altitude of 2.9 degrees, where a shadow "
      "falls 20 heights from the foot). The geometric rows compare the Sun alone.")
    w("- Nearly all of the direction's difference is the equation of time's few seconds (0.02 "
      "degrees of hour angle at most) and the declination (0.005 degrees at most): see the "
      "section above.")
    w("")
    text = "\n".join(out) + "\n"
    sys.stdout.write(text)
    if not args.no_write:
        before, after = "", ""
        if os.path.exists(args.output):
            with open(args.output, encoding="utf-8") as f:
                old = f.read()
            before = old.split(RESULTS_HEADING)[0].rstrip("\n")
            # Sections after ours (dial_accuracy.py's) stay.
            rest = old.split(RESULTS_HEADING, 1)[1] if RESULTS_HEADING in old else ""
            after = rest[rest.find("\n# "):] if "\n# " in rest else ""
        with open(args.output, "w", encoding="utf-8") as f:
            f.write((before + "\n\n" if before else "") + text + after)
        sys.stderr.write("noonmark_accuracy.py: wrote %s (%.1f s)\n" % (args.output, elapsed))
    if worst > 0.03:
        sys.exit("noonmark_accuracy.py: a direction differs by %.4f degrees, more than 0.03" % worst)


if __name__ == "__main__":
    main()
