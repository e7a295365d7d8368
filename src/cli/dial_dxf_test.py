#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Reads `orvalin-cli dial --format dxf` back with ezdxf (python3-ezdxf), a reader
written apart from ours, and checks it against the same dial's CSV: the version and
units, the layers, a clean audit, every line's points, the plate around them, the
gnomon's template and the numerals.

    dial_dxf_test.py PATH/TO/orvalin-cli
"""
import csv
import io
import math
import subprocess
import sys
from collections import defaultdict

import ezdxf
from ezdxf.lldxf.encoding import decode_dxf_unicode

CLI = sys.argv[1]
failures = []


def fail(message):
    failures.append(message)
    print("FAIL:", message)


def run(args, fmt):
    result = subprocess.run([CLI, "dial", *args, "--year", "2026", "-f", fmt], capture_output=True, check=True)
    return result.stdout


DIALS = [
    ("horizontal at 35 N, ja", ["--latitude", "35.6812", "-l", "139.7671", "-z", "Asia/Tokyo", "--height", "80",
                                "--dates", "zodiac"], "ノーダスの足元"),
    ("wall facing 220 at 52 N, en", ["--latitude", "52", "-l", "-1", "-z", "Europe/London", "--tilt", "90",
                                     "--facing", "220", "--height", "60", "--lang", "en"], "foot of the nodus"),
    ("south wall at 50 N, figures of eight", ["--latitude", "50", "-l", "8.68", "-z", "Europe/Berlin", "--tilt", "90",
                                              "--time", "mean", "--height", "50", "--dates", "months",
                                              "--lang", "en"], "foot of the nodus"),
]

for name, args, foot_label in DIALS:
    rows = list(csv.DictReader(io.StringIO(run(args, "csv").decode(), newline="")))
    doc = ezdxf.read(io.StringIO(run(args, "dxf").decode("ascii")))
    where = f"{name}:"
    if doc.dxfversion != "AC1015":
        fail(f"{where} version {doc.dxfversion}")
    if doc.header.get("$INSUNITS") != 4 or doc.units != 4:
        fail(f"{where} $INSUNITS {doc.header.get('$INSUNITS')}, not 4 (millimetres)")
    layers = {layer.dxf.name for layer in doc.layers}
    if not {"CUT", "ETCH", "TEXT"} <= layers:
        fail(f"{where} layers {sorted(layers)}")
    auditor = doc.audit()
    if auditor.has_errors:
        fail(f"{where} the audit finds {len(auditor.errors)} errors: {auditor.errors[:3]}")

    space = doc.modelspace()
    etch = [[tuple(p[:2]) for p in e.get_points()] for e in space.query('LWPOLYLINE[layer=="ETCH"]')]
    cut = [e for e in space.query('LWPOLYLINE[layer=="CUT"]')]
    texts = [decode_dxf_unicode(e.dxf.text) for e in space.query('TEXT[layer=="TEXT"]')]
    vertices = {(round(x, 2), round(y, 2)) for line in etch for x, y in line}

    def near_vertex(x, y):
        return any(abs(x - vx) <= 0.011 and abs(y - vy) <= 0.011
                   for vx in (round(x, 2) - 0.01, round(x, 2), round(x, 2) + 0.01)
                   for vy in (round(y, 2) - 0.01, round(y, 2), round(y, 2) + 0.01)
                   if (round(vx, 2), round(vy, 2)) in vertices)

    # Every point of the CSV's lines is a vertex of a line on ETCH: a straight hour
    # line by its two ends, a figure of eight and a date line by each point.
    hours = defaultdict(list)
    for row in rows:
        if row["kind"] == "hour":
            hours[row["time"]].append(row)
    missing = 0
    for time, points in hours.items():
        straight = points[0]["date"] == ""
        ends = [points[0], points[-1]] if straight else points
        if straight and len(points) < 2:
            continue
        missing += sum(not near_vertex(float(p["x_mm"]), float(p["y_mm"])) for p in ends)
    missing += sum(not near_vertex(float(p["x_mm"]), float(p["y_mm"])) for p in rows if p["kind"] == "date")
    if missing:
        fail(f"{where} {missing} points of the CSV are no vertex on ETCH")
    if len(etch) < len([t for t, p in hours.items() if len(p) >= 2]):
        fail(f"{where} {len(etch)} lines on ETCH for {len(hours)} hour lines")

    # The plate (the larger outline on CUT) holds every point; the template beside it
    # has the nodus height as its upright edge.
    if len(cut) != 2:
        fail(f"{where} {len(cut)} outlines on CUT, not the plate and the gnomon")
    else:
        boxes = []
        for outline in cut:
            xs = [p[0] for p in outline.get_points()]
            ys = [p[1] for p in outline.get_points()]
            boxes.append((min(xs), min(ys), max(xs), max(ys)))
        plate = max(boxes, key=lambda b: (b[2] - b[0]) * (b[3] - b[1]))
        gnomon = min(boxes, key=lambda b: (b[2] - b[0]) * (b[3] - b[1]))
        outside = [r for r in rows if r["kind"] != "centre" and not (
            plate[0] <= float(r["x_mm"]) <= plate[2] and plate[1] <= float(r["y_mm"]) <= plate[3])]
        if outside:
            fail(f"{where} {len(outside)} points outside the plate, first {dict(outside[0])}")
        height = float(args[args.index("--height") + 1])
        if abs((gnomon[3] - gnomon[1]) - height) > 0.001:
            fail(f"{where} the gnomon's template is {gnomon[3] - gnomon[1]:.3f} mm high, not {height}")

    # A numeral for each whole hour that has a line, and the foot named.
    whole = {str(int(t[:2])) for t, p in hours.items() if t.endswith(":00")}
    if not whole <= set(texts):
        fail(f"{where} numerals {sorted(whole - set(texts))} missing from TEXT")
    if foot_label not in texts:
        fail(f"{where} no label {foot_label!r} among {texts[:5]}")

print(f"{len(DIALS) - len({f.split(':')[0] for f in failures})} passed, {len({f.split(':')[0] for f in failures})} failed")
sys.exit(1 if failures else 0)
