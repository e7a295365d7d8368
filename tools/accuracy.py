#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Measure how far Orvalin's equation of time is from a precise ephemeris.

The program's values come from its command-line companion (`orvalin-cli table
YEAR --hour H --csv`); the reference comes from PyEphem (Debian package
python3-ephem).  All differences are program minus reference, in seconds of
time.

Usage:
    python3 tools/accuracy.py [--cli build/src/cli/orvalin-cli] [--quick]
                              [--years 1700:2200[:STEP]] [--far-years LIST]
                              [--hour 12] [--output tools/accuracy-results.md]

Only the Python standard library and PyEphem are used.
"""

import argparse
import csv
import io
import math
import os
import platform
import shlex
import subprocess
import sys
import time

try:
    import ephem
except ImportError:
    # A python3 found first on PATH (pyenv, a venv, ...) does not see Debian's
    # dist-packages; rerun under the system interpreter that python3-ephem
    # is installed for.
    if os.path.realpath(sys.executable) != os.path.realpath("/usr/bin/python3") \
            and os.path.exists("/usr/bin/python3") \
            and not os.environ.get("ORVALIN_ACCURACY_REEXEC"):
        os.environ["ORVALIN_ACCURACY_REEXEC"] = "1"
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("accuracy.py: PyEphem is missing; install it with\n"
             "    apt-get install python3-ephem")

SECONDS_PER_DAY = 86400.0
EPHEM_EPOCH_JD = 2415020.0          # ephem's date 0.0 = 1899 Dec 31 12h UT
DEFAULT_FAR_YEARS = [-2000, -1000, 0, 500, 1000, 1500, 2500, 3000, 4000, 5000]
QUICK_YEARS = [1700, 1850, 2000, 2200]
QUICK_FAR_YEARS = [-2000, 1000, 3000]
# The heading of tools/sun_accuracy.py's results in the same file.
SUN_RESULTS_HEADING = "# The Sun's declination and direction: Orvalin against PyEphem"
# The heading of tools/noonmark_accuracy.py's results, which follow sun_accuracy.py's.
NOONMARK_RESULTS_HEADING = "# The noon mark's Sun: orvalin-cli noonmark against PyEphem"


# ---------------------------------------------------------------------------
# Dates
# ---------------------------------------------------------------------------

def program_jd(year, month, day, hour):
    """The Julian Day the program uses for a proleptic Gregorian date.

    Same arithmetic as the program: a negative year is first decreased by one
    (year -1 is handled like astronomical year -2; year 0 stays 0), January
    and February count as months 13 and 14 of the previous year.  The hour
    is added on the Julian Day scale (the program's T is (JD - 2415020)/36525
    with this JD, whatever time scale the hour is read in).
    """
    y = year - 1 if year < 0 else year
    m = month
    if m <= 2:
        y -= 1
        m += 12
    jd0 = (math.floor(365.25 * y) + math.floor(30.59 * (m - 2)) + day
           + 1721086.5 + math.floor(y / 400) - math.floor(y / 100) + 2)
    return jd0 + hour / 24.0


def add_results_options(ap):
    """--output and --no-write, as every accuracy script takes them."""
    here = os.path.dirname(os.path.abspath(__file__))
    ap.add_argument("--output", default=os.path.join(here, "accuracy-results.md"),
                    help="Markdown results file (default tools/accuracy-results.md)")
    ap.add_argument("--no-write", action="store_true",
                    help="print only, do not write the results file")


def built_program(path, script, option):
    """`path` as given, else from the source tree's top; exits saying how to get it."""
    if os.path.exists(path):
        return path
    alt = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), path)
    if os.path.exists(alt):
        return alt
    sys.exit("%s: %s not found (build it, or give %s)" % (script, path, option))


def check_program_jd():
    """Known Julian Days (hour 12 UT)."""
    known = {(2000, 1, 1): 2451545.0, (2002, 2, 11): 2452317.0,
             (1582, 10, 15): 2299161.0, (1858, 11, 17): 2400001.0,
             (1, 1, 1): 1721426.0}
    for (y, m, d), jd in known.items():
        got = program_jd(y, m, d, 12.0)
        if got != jd:
            sys.exit("accuracy.py: Julian Day of %d-%02d-%02d 12h is %.1f, "
                     "expected %.1f" % (y, m, d, got, jd))


def parse_date(text):
    """'2002-02-11', '0-02-29', '-2000-01-01' -> (year, month, day)."""
    negative = text.startswith("-")
    y, m, d = text.lstrip("-").split("-")
    return (-int(y) if negative else int(y)), int(m), int(d)


# ---------------------------------------------------------------------------
# The program
# ---------------------------------------------------------------------------

def program_year(cli, year, hour):
    """Rows (date text, (y, m, d), decimal minutes, displayed seconds)."""
    out = subprocess.run([cli, "table", str(year), "--hour", repr(hour), "--csv"],
                         check=True, capture_output=True, text=True).stdout
    rows = []
    for r in csv.DictReader(io.StringIO(out)):
        decimal = float(r["decimal_minutes"])
        # "sign" is "+" or "-", "minutes" the whole minutes, "seconds" the
        # seconds rounded to 0.1 s, as the program displays them.
        sign = -1.0 if r["sign"] == "-" else 1.0
        shown = sign * (int(r["minutes"]) * 60 + float(r["seconds"]))
        rows.append((r["date"], parse_date(r["date"]), decimal, shown))
    if len(rows) not in (365, 366):
        sys.exit("accuracy.py: %s table %d gave %d rows" % (cli, year, len(rows)))
    return rows


def program_version(cli):
    try:
        return subprocess.run([cli, "--version"], capture_output=True,
                              text=True, timeout=30).stdout.strip()
    except (OSError, subprocess.SubprocessError):
        return "unknown"


# ---------------------------------------------------------------------------
# The reference
# ---------------------------------------------------------------------------

class Reference:
    """Equation of time at Greenwich from PyEphem.

    EoT = GAST - RA_app(Sun) + 12h - UT, reduced to (-12h, 12h]: the hour
    angle of the apparent Sun at Greenwich minus the hour angle of the mean
    Sun (UT - 12h).

    Right ascension: PyEphem gives three positions.  `a_ra` is astrometric
    (referred to the observer's `epoch`, no aberration/nutation), `ra` is
    apparent *topocentric* (parallax for the observer's place, refraction when
    pressure > 0), and `g_ra` is apparent *geocentric* of date (light time,
    aberration, precession and nutation to the true equinox of date).  The
    equation of time is defined with the geocentric apparent Sun, so `g_ra`
    is used; `ra` at latitude 0 would differ by the solar parallax (8.8",
    up to ~0.6 s of time).  Pressure 0 turns refraction off anyway.

    Sidereal time: `Observer.sidereal_time()` is the local apparent sidereal
    time, which at longitude 0 is the Greenwich apparent sidereal time
    (GAST); its equation of the equinoxes matches the true equinox of g_ra.

    Time scales: ephem's dates are UT.  It computes the Sun at TT = UT + dT
    with its own dT model and the sidereal time from UT.  The program's hour
    is taken to be UT here.  The program's mean-element theory runs its
    single time argument T as if it were uniform, so the "dT removed" variant
    (`eot_uniform`) also gives the reference with the Sun taken at TT equal
    to the program's instant, i.e. without the Earth-rotation lag.
    """

    def __init__(self):
        self.observer = self._observer()
        self.sun_observer = self._observer()
        self.sun = ephem.Sun()
        self.evaluations = 0

    @staticmethod
    def _observer():
        o = ephem.Observer()
        o.lon = "0"
        o.lat = "0"
        o.elevation = 0
        o.pressure = 0        # no refraction
        return o

    @staticmethod
    def _reduce(seconds):
        """Reduce to (-12h, 12h]."""
        r = math.fmod(seconds + SECONDS_PER_DAY / 2, SECONDS_PER_DAY)
        if r <= 0:
            r += SECONDS_PER_DAY
        return r - SECONDS_PER_DAY / 2

    @staticmethod
    def _ut_seconds_from_noon(jd):
        """UT - 12h of the instant, in seconds (JD counts from noon)."""
        return math.fmod(jd, 1.0) * SECONDS_PER_DAY if jd >= 0 else \
            (jd - math.floor(jd)) * SECONDS_PER_DAY

    def eot(self, jd):
        """Apparent minus mean solar time at Greenwich at UT instant jd."""
        d = ephem.Date(jd - EPHEM_EPOCH_JD)     # a float: no calendar involved
        o = self.observer
        o.date = d
        o.epoch = d                            # apparent, of-date coordinates
        self.sun.compute(o)
        self.evaluations += 1
        hour_angle = (float(o.sidereal_time()) - float(self.sun.g_ra)) \
            / (2 * math.pi) * SECONDS_PER_DAY
        return self._reduce(hour_angle - self._ut_seconds_from_noon(jd))

    def eot_uniform(self, jd):
        """As eot(), with the Sun at TT = jd instead of TT = jd + dT.

        The sidereal time stays that of UT = jd; the Sun is computed at the
        UT instant u with u + dT(u) = jd.  The mean Sun and the true Sun then
        share one uniform time argument, as in the program's theory.
        """
        t = jd - EPHEM_EPOCH_JD
        u = t
        for _ in range(3):
            u = t - ephem.delta_t(ephem.Date(u)) / SECONDS_PER_DAY
        so = self.sun_observer
        so.date = ephem.Date(u)
        so.epoch = so.date
        self.sun.compute(so)
        ra = float(self.sun.g_ra)
        o = self.observer
        o.date = ephem.Date(t)
        o.epoch = o.date
        self.evaluations += 1
        hour_angle = (float(o.sidereal_time()) - ra) / (2 * math.pi) * SECONDS_PER_DAY
        return self._reduce(hour_angle - self._ut_seconds_from_noon(jd))


# ---------------------------------------------------------------------------
# Independent evaluation of the five-term series, used only to show that the
# date -> Julian Day mapping above is the one the program uses
# ---------------------------------------------------------------------------

def five_term_series_seconds(jd):
    """E = y sin2L - 2e sinM + 4ey sinM cos2L - y^2/2 sin4L - 5/4 e^2 sin2M.

    Classical mean elements referred to 1900 (T from JD 2415020.0).  The
    program's own coefficients may differ in the last digits; this is only
    good enough to tell a right Julian Day from one a day off.
    """
    t = (jd - 2415020.0) / 36525.0
    L = math.radians(279.69668 + 36000.76892 * t + 0.0003025 * t * t)
    M = math.radians(358.47583 + 35999.04975 * t - 0.000150 * t * t
                     - 0.0000033 * t ** 3)
    e = 0.01675104 - 0.0000418 * t - 0.000000126 * t * t
    eps = math.radians(23.452294 - 0.0130125 * t - 0.00000164 * t * t
                       + 0.000000503 * t ** 3)
    y = math.tan(eps / 2) ** 2
    E = (y * math.sin(2 * L) - 2 * e * math.sin(M)
         + 4 * e * y * math.sin(M) * math.cos(2 * L)
         - 0.5 * y * y * math.sin(4 * L) - 1.25 * e * e * math.sin(2 * M))
    return math.degrees(E) * 240.0      # 1 degree = 240 s of time


# ---------------------------------------------------------------------------
# Statistics
# ---------------------------------------------------------------------------

class Stats:
    def __init__(self):
        self.n = 0
        self.sum = 0.0
        self.sum2 = 0.0
        self.max_abs = -1.0
        self.max_value = 0.0
        self.max_where = ""

    def add(self, value, where):
        self.n += 1
        self.sum += value
        self.sum2 += value * value
        if abs(value) > self.max_abs:
            self.max_abs = abs(value)
            self.max_value = value
            self.max_where = where

    def merge(self, other):
        self.n += other.n
        self.sum += other.sum
        self.sum2 += other.sum2
        if other.max_abs > self.max_abs:
            self.max_abs = other.max_abs
            self.max_value = other.max_value
            self.max_where = other.max_where

    @property
    def rms(self):
        return math.sqrt(self.sum2 / self.n) if self.n else float("nan")

    @property
    def mean(self):
        return self.sum / self.n if self.n else float("nan")


class YearResult:
    def __init__(self, year):
        self.year = year
        self.diff = Stats()           # program (full precision) - reference
        self.diff_shown = Stats()     # program as displayed (0.1 s) - reference
        self.diff_uniform = Stats()   # program - reference with dT removed
        self.series_check = 0.0       # max |program - five-term series|, s
        self.series_check_shift = 0.0  # same, one day off (smaller of +-1)
        self.delta_t = 0.0            # ephem's dT at mid-year, s


def measure_year(cli, year, hour, reference, uniform, check_dates):
    res = YearResult(year)
    rows = program_year(cli, year, hour)
    worst_minus = worst_plus = 0.0
    for text, (y, m, d), decimal, shown in rows:
        jd = program_jd(y, m, d, hour)
        ref = reference.eot(jd)
        prog = decimal * 60.0
        res.diff.add(prog - ref, text)
        res.diff_shown.add(shown - ref, text)
        if uniform:
            res.diff_uniform.add(prog - reference.eot_uniform(jd), text)
        if check_dates:
            res.series_check = max(res.series_check,
                                   abs(prog - five_term_series_seconds(jd)))
            worst_minus = max(worst_minus,
                              abs(prog - five_term_series_seconds(jd - 1)))
            worst_plus = max(worst_plus,
                             abs(prog - five_term_series_seconds(jd + 1)))
    res.series_check_shift = min(worst_minus, worst_plus)
    mid = program_jd(year, 7, 2, 0.0) - EPHEM_EPOCH_JD
    res.delta_t = ephem.delta_t(ephem.Date(mid))
    return res


# ---------------------------------------------------------------------------
# Output
# ---------------------------------------------------------------------------

def fmt(x, digits=2):
    return ("%+." + str(digits) + "f") % x if x == x else "n/a"


def year_label(y):
    return str(y) if y >= 0 else "%d (astronomical %d)" % (y, y - 1)


def group_rows(label, stats, stats_shown, stats_uniform, count_years):
    return "| %s | %d | %d | %.2f | %.2f | %s | %s | %.2f | %s |" % (
        label, count_years, stats.n, stats.max_abs, stats.rms, fmt(stats.mean),
        "%s (%s s)" % (stats.max_where, fmt(stats.max_value)),
        stats_shown.max_abs,
        "%.2f" % stats_uniform.max_abs if stats_uniform.n else "n/a")


def parse_years(text):
    """'1700:2200' or '1700:2200:10' or '1700,1800,1900'."""
    if ":" in text:
        parts = [int(p) for p in text.split(":")]
        step = parts[2] if len(parts) > 2 else 1
        return list(range(parts[0], parts[1] + 1, step))
    return [int(p) for p in text.split(",") if p.strip()]


def parse_far(text):
    return [int(p) for p in text.split(",") if p.strip()] if text else []


def main():
    ap = argparse.ArgumentParser(
        description="Compare Orvalin's equation of time with PyEphem.")
    ap.add_argument("--cli", default="build/src/cli/orvalin-cli",
                    help="the command-line program (default %(default)s)")
    ap.add_argument("--years", default="1700:2200",
                    help="main range FIRST:LAST[:STEP] or a comma list "
                         "(default %(default)s, every year)")
    ap.add_argument("--far-years", default=",".join(map(str, DEFAULT_FAR_YEARS)),
                    help="comma list of distant program years "
                         "(default %(default)s); empty for none")
    ap.add_argument("--hour", type=float, default=12.0,
                    help="hour of day, taken as UT (default %(default)s)")
    ap.add_argument("--quick", action="store_true",
                    help="a handful of years only: %s and far years %s"
                         % (QUICK_YEARS, QUICK_FAR_YEARS))
    ap.add_argument("--no-uniform", action="store_true",
                    help="skip the dT-removed reference (about half the time)")
    add_results_options(ap)
    args = ap.parse_args()

    cli = built_program(args.cli, "accuracy.py", "--cli")

    if args.quick:
        years, far = QUICK_YEARS, QUICK_FAR_YEARS
    else:
        years, far = parse_years(args.years), parse_far(args.far_years)
    uniform = not args.no_uniform

    check_program_jd()
    started = time.time()
    reference = Reference()

    # Reference sanity check against well-known values (12h UT).
    sanity = [((2002, 2, 11), "about -14 min 15 s"),
              ((2002, 11, 3), "about +16 min 25 s")]
    sanity_lines = []
    for (y, m, d), known in sanity:
        e = reference.eot(program_jd(y, m, d, 12.0))
        sign = "-" if e < 0 else "+"
        sanity_lines.append("| %d-%02d-%02d 12h UT | %s%d min %04.1f s | %s |" % (
            y, m, d, sign, int(abs(e) // 60), abs(e) % 60, known))

    main_results = []
    for y in years:
        main_results.append(measure_year(cli, y, args.hour, reference, uniform,
                                         check_dates=False))
    far_results = []
    for y in far:
        far_results.append(measure_year(cli, y, args.hour, reference, uniform,
                                        check_dates=True))
    elapsed = time.time() - started

    # ----- groups -----
    def group(results, first, last):
        s, sh, su, k = Stats(), Stats(), Stats(), 0
        for r in results:
            if first <= r.year <= last:
                s.merge(r.diff)
                sh.merge(r.diff_shown)
                su.merge(r.diff_uniform)
                k += 1
        return s, sh, su, k

    out = []
    w = out.append
    try:
        run_date = subprocess.run(["date"], capture_output=True,
                                  text=True).stdout.strip()
    except OSError:
        run_date = time.strftime("%a %b %d %H:%M:%S %Z %Y")
    command = "python3 tools/accuracy.py " + " ".join(
        shlex.quote(a) for a in sys.argv[1:])
    w("# Equation of time: Orvalin against PyEphem")
    w("")
    w("Produced by `%s` on %s." % (command.strip(), run_date))
    w("")
    w("- Program: `%s` (version %s), `table YEAR --hour %g --csv`, every day"
      % (cli, program_version(cli), args.hour))
    w("- Reference: PyEphem %s (Debian python3-ephem), Python %s; "
      "%d ephemeris evaluations; run time %.1f s"
      % (ephem.__version__, platform.python_version(),
         reference.evaluations, elapsed))
    w("- Differences are program minus reference, in seconds of time. "
      "Reference: EoT = GAST - RA_app(Sun) + 12h - UT at longitude 0, with the "
      "geocentric apparent right ascension of date (`g_ra`), no refraction.")
    w("- The program's hour is taken as UT. Dates are the program's proleptic "
      "Gregorian dates, turned into the program's own Julian Day and handed "
      "to ephem as a number (ephem's calendar would be Julian before 1582).")
    w("")
    w("Reference check against well-known values:")
    w("")
    w("| Date | PyEphem reference | Expected |")
    w("|---|---|---|")
    out.extend(sanity_lines)
    w("")

    header = ("| Years | Years sampled | Days | Max abs diff (s) | RMS (s) | "
              "Mean (s) | Largest difference at | Max abs, displayed 0.1 s "
              "values (s) | Max abs, dT removed (s) |")
    rule = "|---|---:|---:|---:|---:|---:|---|---:|---:|"
    if main_results:
        lo, hi = min(years), max(years)
        w("## %d to %d" % (lo, hi))
        w("")
        w(header)
        w(rule)
        w(group_rows("%d-%d overall" % (lo, hi), *group(main_results, lo, hi)))
        c = (lo // 100) * 100
        while c <= hi:
            last = c + 99
            if last + 1 == hi:        # fold the final year (e.g. 2200) in
                last = hi
            s = group(main_results, max(c, lo), min(last, hi))
            if s[3]:
                w(group_rows("%d-%d" % (max(c, lo), min(last, hi)), *s))
            c = last + 1
        w("")

    if far_results:
        w("## Distant years (each year separately)")
        w("")
        w("Program years; negative years are shown with the astronomical year "
          "the program's Julian Day uses for them.")
        w("")
        w("| Program year | Days | dT (s, ephem) | Max abs diff (s) | RMS (s) | "
          "Mean (s) | Largest difference at | Max abs, dT removed (s) | "
          "RMS, dT removed (s) | Mean, dT removed (s) | Date check: program - series (s) | "
          "Same, a day off (s) |")
        w("|---|---:|---:|---:|---:|---:|---|---:|---:|---:|---:|---:|")
        for r in far_results:
            w("| %s | %d | %.0f | %.2f | %.2f | %s | %s (%s s) | %s | %s | %s | %.2f | %.1f |" % (
                year_label(r.year), r.diff.n, r.delta_t, r.diff.max_abs,
                r.diff.rms, fmt(r.diff.mean),
                r.diff.max_where, fmt(r.diff.max_value),
                "%.2f" % r.diff_uniform.max_abs if uniform else "n/a",
                "%.2f" % r.diff_uniform.rms if uniform else "n/a",
                fmt(r.diff_uniform.mean) if uniform else "n/a",
                r.series_check, r.series_check_shift))
        w("")

    w("## Notes")
    w("")
    w("- Display rounding: the program shows seconds to 0.1 s, so a displayed "
      "value can be up to 0.05 s from the full-precision one; the column "
      "\"displayed 0.1 s values\" repeats the comparison with the displayed "
      "values. Differences below about 0.05 s are not meaningful.")
    w("- The reference (ephem's VSOP87-based Sun, nutation and sidereal time) "
      "is good to well under 1 s for 1700-2200; the differences there are the "
      "program's own (after 2100 ephem's extrapolated dT adds up to about 1 s, "
      "see the \"dT removed\" column): the five-term series is truncated (the omitted terms of "
      "order y^3, e y^2, e^2 y, e^3 reach about 3 s) and mean elements leave "
      "out the planetary and lunar perturbations of the Sun (about 1-2 s).")
    w("- dT: the program reads the hour as UT but runs its mean-element theory "
      "as if T were a uniform time scale; the real Sun moves on TT = UT + dT. "
      "The reference puts the Sun at TT, so the program lags by the Sun's "
      "motion in right ascension over dT (about 240 s of time per day of dT, "
      "e.g. some 2 minutes when dT is 13 h around -2000). That is the nature "
      "of the comparison, not a fault in either side. The \"dT removed\" "
      "columns compute the reference with the Sun at TT equal to the "
      "program's instant and the sidereal time at UT equal to it, i.e. both "
      "suns on one time scale as in the program's theory; what remains in the "
      "distant years is the drift of the 1900 mean-element polynomials and "
      "ephem's own error there. Most of its mean comes from the definition of "
      "the mean Sun: the program's mean longitude has a T^2 term of 1.089\"/cy^2, "
      "the sidereal-time formula that defines mean solar time in the reference "
      "0.093104 s/cy^2 = 1.397\"/cy^2; 0.31\"/cy^2 times T^2 (T in centuries "
      "from 2000) is about 33 s of time at -2000 and 20 s at 5000. dT itself "
      "is uncertain by minutes to hours before about 1000 and after 2100.")
    w("- Date check (distant years): the program's full-precision value compared "
      "with an independent evaluation of the five-term series at the Julian "
      "Day computed here, and at that Julian Day plus or minus one day. A "
      "small first figure and a large second one show that the date mapping "
      "(negative year minus one; year 0 exists) is the program's.")
    text = "\n".join(out) + "\n"

    sys.stdout.write(text)
    if not args.no_write:
        # sun_accuracy.py's section follows ours in the same file: keep it.
        kept = ""
        if os.path.exists(args.output):
            with open(args.output, encoding="utf-8") as f:
                old = f.read()
            at = old.find(SUN_RESULTS_HEADING)
            if at >= 0:
                kept = "\n" + old[at:]
        with open(args.output, "w", encoding="utf-8") as f:
            f.write(text + kept)
        sys.stderr.write("accuracy.py: wrote %s (%.1f s)\n" % (args.output, elapsed))


if __name__ == "__main__":
    main()
