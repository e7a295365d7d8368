#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws Orvalin's icon: a sun over a year's equation-of-time curve.

Writes src/platform/forms/icons/orvalin.svg on a 32-unit canvas. The build renders the
PNG sizes from it (rsvg-convert). The output depends only on this file, so running
it again reproduces the committed icon byte for byte.

    python3 tools/make-icon.py
"""

import math
import pathlib

ICON_DIR = pathlib.Path(__file__).resolve().parent.parent / "platform" / "forms" / "icons"

SUN_FILL, SUN_OUTLINE, RAY = "#FFFF00", "#800000", "#FF0000"
CURVE, HALO = "#000080", "#FFFFFF"

# Lengths in units of the 32-unit canvas; y grows downwards.
DESIGN = dict(
    sun_centre=(16.0, 12.0), sun_radius=7.8, outline=1.2,
    ray_from=9.6, ray_to=12.8, ray_width=1.7, ray_angles_deg=(180, 225, 270, 315, 360),
    curve_left=1.0, curve_right=31.0, curve_zero_y=25.0, curve_units_per_minute=0.4,
    curve_width=2.0,
)


def equation_of_time_minutes(year_fraction):
    """Apparent minus mean solar time over the year, in minutes (the usual
    three-term approximation; the icon only needs its shape)."""
    b = 2 * math.pi * (year_fraction * 365 - 81) / 364
    return 9.87 * math.sin(2 * b) - 7.53 * math.cos(b) - 1.5 * math.sin(b)


def rays(d):
    cx, cy = d["sun_centre"]
    for degrees in d["ray_angles_deg"]:
        angle = math.radians(degrees)
        yield (cx + d["ray_from"] * math.cos(angle), cy + d["ray_from"] * math.sin(angle),
               cx + d["ray_to"] * math.cos(angle), cy + d["ray_to"] * math.sin(angle))


def curve_points(d, steps):
    width = d["curve_right"] - d["curve_left"]
    points = []
    for i in range(steps + 1):
        x = d["curve_left"] + width * i / steps
        fraction = (x - d["curve_left"]) / width
        points.append((x, d["curve_zero_y"] - d["curve_units_per_minute"] * equation_of_time_minutes(fraction)))
    return points


def svg(d):
    cx, cy = d["sun_centre"]
    ray_lines = "\n".join(
        f'    <line x1="{x1:.2f}" y1="{y1:.2f}" x2="{x2:.2f}" y2="{y2:.2f}"/>'
        for x1, y1, x2, y2 in rays(d))
    points = " ".join(f"{x:.2f},{y:.2f}" for x, y in curve_points(d, 96))
    outline = d["outline"]
    # A white rim keeps the dark curve visible on dark title bars and panels.
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <title>Orvalin</title>
  <g stroke="{RAY}" stroke-width="{d["ray_width"]}" stroke-linecap="round">
{ray_lines}
  </g>
  <circle cx="{cx}" cy="{cy}" r="{d["sun_radius"] - outline / 2:.2f}" fill="{SUN_FILL}"
          stroke="{SUN_OUTLINE}" stroke-width="{outline}"/>
  <g fill="none" stroke-linecap="round" stroke-linejoin="round">
    <polyline stroke="{HALO}" stroke-width="{d["curve_width"] + 2}" points="{points}"/>
    <polyline stroke="{CURVE}" stroke-width="{d["curve_width"]}" points="{points}"/>
  </g>
</svg>
"""


def main():
    ICON_DIR.mkdir(parents=True, exist_ok=True)
    (ICON_DIR / "orvalin.svg").write_text(svg(DESIGN))


if __name__ == "__main__":
    main()
