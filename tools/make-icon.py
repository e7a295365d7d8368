#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws Orvalin's icon: a sun over a year's equation-of-time curve.

Writes platform/icons/orvalin-32.xpm, orvalin-16.xpm (sixteen-colour window icons)
and orvalin.svg (the same design, scalable). The output depends only on this file,
so running it again reproduces the committed icons byte for byte.

    python3 tools/make-icon.py
"""

import math
import pathlib

ICON_DIR = pathlib.Path(__file__).resolve().parent.parent / "platform" / "icons"

# The sixteen colours an icon may use, by the letter each gets in an XPM.
PALETTE = {
    "k": "#000000", "n": "#000080", "g": "#008000", "t": "#008080",
    "m": "#800000", "p": "#800080", "o": "#808000", "s": "#C0C0C0",
    "d": "#808080", "b": "#0000FF", "l": "#00FF00", "c": "#00FFFF",
    "r": "#FF0000", "f": "#FF00FF", "y": "#FFFF00", "w": "#FFFFFF",
}
TRANSPARENT = " "


def equation_of_time_minutes(year_fraction):
    """Apparent minus mean solar time over the year, in minutes (the usual
    three-term approximation; the icon only needs its shape)."""
    b = 2 * math.pi * (year_fraction * 365 - 81) / 364
    return 9.87 * math.sin(2 * b) - 7.53 * math.cos(b) - 1.5 * math.sin(b)


# Each size is tuned by hand: what reads at 32 px turns to mush at 16 px.
# Lengths are in pixels of that size; y grows downwards.
DESIGNS = {
    32: dict(
        sun_centre=(16.0, 12.0), sun_radius=7.8, outline=4, svg_outline_px=1.2,
        ray_from=9.6, ray_to=12.8, ray_width_px=1.7, ray_angles_deg=(180, 225, 270, 315, 360),
        curve_left=1.0, curve_right=31.0, curve_zero_y=25.0, curve_px_per_minute=0.4,
        curve_width_px=2.0, halo=4,
    ),
    16: dict(
        sun_centre=(7.0, 7.0), sun_radius=4.2, outline=4,
        ray_from=5.0, ray_to=7.4, ray_width_px=1.0, ray_angles_deg=(180, 225, 270, 315, 360),
        curve_left=0.5, curve_right=15.5, curve_zero_y=13.2, curve_px_per_minute=0.17,
        curve_width_px=1.0, halo=4,
    ),
}

SUN_FILL, SUN_OUTLINE, RAY, CURVE, HALO = "y", "m", "r", "n", "w"
NEIGHBOURS = {4: ((1, 0), (-1, 0), (0, 1), (0, -1)),
              8: ((1, 0), (-1, 0), (0, 1), (0, -1), (1, 1), (1, -1), (-1, 1), (-1, -1))}
SUPERSAMPLES = 8  # per axis, for the coverage of round shapes


def coverage(size, inside):
    """Fraction of each pixel for which inside(x, y) holds."""
    step = 1 / SUPERSAMPLES
    offsets = [(i + 0.5) * step for i in range(SUPERSAMPLES)]
    return [[sum(inside(px + dx, py + dy) for dx in offsets for dy in offsets) / SUPERSAMPLES**2
             for px in range(size)] for py in range(size)]


def distance_to_segment(x, y, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)))
    return math.hypot(x - (ax + t * vx), y - (ay + t * vy))


def rays(d):
    cx, cy = d["sun_centre"]
    for degrees in d["ray_angles_deg"]:
        angle = math.radians(degrees)
        yield (cx + d["ray_from"] * math.cos(angle), cy + d["ray_from"] * math.sin(angle),
               cx + d["ray_to"] * math.cos(angle), cy + d["ray_to"] * math.sin(angle))


def curve_y(d, x):
    fraction = (x - d["curve_left"]) / (d["curve_right"] - d["curve_left"])
    return d["curve_zero_y"] - d["curve_px_per_minute"] * equation_of_time_minutes(fraction)


def curve_points(d, steps):
    width = d["curve_right"] - d["curve_left"]
    xs = (d["curve_left"] + width * i / steps for i in range(steps + 1))
    return [(x, curve_y(d, x)) for x in xs]


def draw(size):
    d = DESIGNS[size]
    grid = [[TRANSPARENT] * size for _ in range(size)]
    cx, cy = d["sun_centre"]
    r = d["sun_radius"]

    ray_cover = coverage(size, lambda x, y: any(
        distance_to_segment(x, y, *ray) <= d["ray_width_px"] / 2 for ray in rays(d)))
    disc_cover = coverage(size, lambda x, y: math.hypot(x - cx, y - cy) <= r)
    in_disc = [[cover >= 0.5 for cover in row] for row in disc_cover]

    def outside_disc(px, py):
        return not (0 <= px < size and 0 <= py < size and in_disc[py][px])

    for py in range(size):
        for px in range(size):
            if ray_cover[py][px] >= 0.5:
                grid[py][px] = RAY
            if in_disc[py][px]:
                # The outline is the disc's own edge: one pixel wide all round.
                edge = any(outside_disc(px + dx, py + dy) for dx, dy in NEIGHBOURS[d["outline"]])
                grid[py][px] = SUN_OUTLINE if edge else SUN_FILL

    # A one-pixel curve is drawn column by column, each column covering the rows the
    # curve passes through within it, so the line stays unbroken however steep; a wider
    # one by distance, so that it keeps its width on the slopes.
    if d["curve_width_px"] <= 1:
        for px in range(size):
            left = max(px, d["curve_left"])
            right = min(px + 1, d["curve_right"])
            if left >= right:
                continue
            samples = [curve_y(d, left + (right - left) * i / 16) for i in range(17)]
            top = math.floor(min(samples))
            bottom = math.floor(max(samples))
            for py in range(max(top, 0), min(bottom + 1, size)):
                grid[py][px] = CURVE
    else:
        points = curve_points(d, 200)
        segments = list(zip(points, points[1:]))
        curve_cover = coverage(size, lambda x, y: any(
            distance_to_segment(x, y, ax, ay, bx, by) <= d["curve_width_px"] / 2
            for (ax, ay), (bx, by) in segments if abs(x - ax) < 2))
        for py in range(size):
            for px in range(size):
                if curve_cover[py][px] >= 0.5:
                    grid[py][px] = CURVE
    # A white rim keeps the dark curve visible on dark title bars and panels; on light
    # ones it disappears.
    halo = [(px + dx, py + dy) for py in range(size) for px in range(size)
            if grid[py][px] == CURVE for dx, dy in NEIGHBOURS[d["halo"]]]
    for px, py in halo:
        if 0 <= px < size and 0 <= py < size and grid[py][px] == TRANSPARENT:
            grid[py][px] = HALO
    return ["".join(row) for row in grid]


def xpm(name, rows):
    used = sorted({c for row in rows for c in row} - {TRANSPARENT})
    lines = ["/* XPM */", f"static char * {name}[] = {{",
             f'"{len(rows[0])} {len(rows)} {len(used) + 1} 1",', f'"{TRANSPARENT} c None",']
    lines += [f'"{c} c {PALETTE[c]}",' for c in used]
    lines += [f'"{row}",' for row in rows[:-1]] + [f'"{rows[-1]}"}};']
    return "\n".join(lines) + "\n"


def svg():
    """The 32 px design as vector shapes on a 32-unit canvas."""
    d = DESIGNS[32]
    cx, cy = d["sun_centre"]
    ray_lines = "\n".join(
        f'    <line x1="{x1:.2f}" y1="{y1:.2f}" x2="{x2:.2f}" y2="{y2:.2f}"/>'
        for x1, y1, x2, y2 in rays(d))
    points = " ".join(f"{x:.2f},{y:.2f}" for x, y in curve_points(d, 96))
    outline = d["svg_outline_px"]
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <title>Orvalin</title>
  <g stroke="{PALETTE[RAY]}" stroke-width="{d["ray_width_px"]}" stroke-linecap="round">
{ray_lines}
  </g>
  <circle cx="{cx}" cy="{cy}" r="{d["sun_radius"] - outline / 2:.2f}" fill="{PALETTE[SUN_FILL]}"
          stroke="{PALETTE[SUN_OUTLINE]}" stroke-width="{outline}"/>
  <g fill="none" stroke-linecap="round" stroke-linejoin="round">
    <polyline stroke="{PALETTE[HALO]}" stroke-width="{d["curve_width_px"] + 2}" points="{points}"/>
    <polyline stroke="{PALETTE[CURVE]}" stroke-width="{d["curve_width_px"]}" points="{points}"/>
  </g>
</svg>
"""


def main():
    ICON_DIR.mkdir(parents=True, exist_ok=True)
    for size in DESIGNS:
        (ICON_DIR / f"orvalin-{size}.xpm").write_text(xpm(f"orvalin_{size}", draw(size)))
    (ICON_DIR / "orvalin.svg").write_text(svg())


if __name__ == "__main__":
    main()
