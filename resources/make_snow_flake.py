#!/usr/bin/env python3
"""Makes snow_flake.bmp, the flakes' texture: one soft grey flake in the middle of a black square.

    python3 make_snow_flake.py [output.bmp]

The brightness falls from 226 at the centre to about 136 at 10 pixels and about 35 at 14 pixels,
stays at 24 or below beyond 16 pixels and is 0 from 21 pixels outward. A small seeded wobble of the
outline and of each pixel makes the flake look less machined; the seed is fixed, so the file comes
out byte for byte the same on every run. The profile is checked before the file is written.
"""

import math
import sys
from pathlib import Path

from bitmap24 import encode_bmp

SIDE = 64  # pixels
CENTRE = (SIDE - 1) / 2.0  # between the four middle pixels
PEAK = 226
# exp(-(r / SCALE) ** SHAPE) gives ring means of about 136 at 10 px and 35 at 14 px.
SCALE = 11.7
SHAPE = 3.72
BLACK_FROM = 21.0  # pixels from the centre
OUTLINE_WOBBLE = 0.04  # largest relative change of the radius around the flake
PIXEL_WOBBLE = 0.06  # largest relative change of one pixel's brightness
WOBBLE_RAMP = 4.0  # pixels over which the wobble grows from none near the centre
SEED = 1995
RESOLUTION = 2835  # pixels per metre, 72 dots per inch


class Lcg:
    """A small linear congruential generator, so the output does not depend on Python's."""

    def __init__(self, seed):
        self.state = seed

    def unit(self):
        """A value in [-1, 1)."""
        self.state = (self.state * 1103515245 + 12345) % 2**31
        return self.state / 2**30 - 1.0


def make_picture():
    """Rows of grey values, top row first."""
    lcg = Lcg(SEED)
    harmonics = [(k, lcg.unit() * math.pi) for k in (3, 5, 7)]
    rows = []
    for y in range(SIDE):
        row = []
        for x in range(SIDE):
            dx, dy = x - CENTRE, y - CENTRE
            r = math.hypot(dx, dy)
            noise = lcg.unit()
            if r >= BLACK_FROM:
                row.append(0)
                continue
            ramp = min(1.0, max(0.0, (r - 1.0) / WOBBLE_RAMP))
            angle = math.atan2(dy, dx)
            outline = sum(math.sin(k * angle + phase) for k, phase in harmonics) / len(harmonics)
            reach = r * (1.0 + OUTLINE_WOBBLE * ramp * outline)
            value = PEAK * math.exp(-((reach / SCALE) ** SHAPE)) * (1.0 + PIXEL_WOBBLE * ramp * noise)
            row.append(max(0, min(PEAK, round(value))))
        rows.append(row)
    return rows


def ring_mean(rows, radius):
    values = [
        v
        for y, row in enumerate(rows)
        for x, v in enumerate(row)
        if abs(math.hypot(x - CENTRE, y - CENTRE) - radius) < 0.5
    ]
    return sum(values) / len(values)


def check(rows):
    def fail(what):
        sys.exit(f"make_snow_flake: {what}")

    centre = [rows[y][x] for y in (31, 32) for x in (31, 32)]
    if centre != [PEAK] * 4:
        fail(f"centre is {centre}, not {PEAK}")
    for radius, expected in ((10, 136), (14, 35)):
        mean = ring_mean(rows, radius)
        if abs(mean - expected) > expected * 0.05:
            fail(f"mean at {radius} px is {mean:.1f}, not about {expected}")
    for y, row in enumerate(rows):
        for x, v in enumerate(row):
            r = math.hypot(x - CENTRE, y - CENTRE)
            if (r > 16 and v > 24) or (r >= BLACK_FROM and v != 0):
                fail(f"pixel ({x}, {y}) at {r:.1f} px is {v}")


def main():
    output = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).with_name("snow_flake.bmp")
    rows = make_picture()
    check(rows)
    output.write_bytes(encode_bmp([[(v, v, v) for v in row] for row in rows], RESOLUTION))


if __name__ == "__main__":
    main()
