#!/usr/bin/env python3
"""Writes host.ico: the 32 x 32 program icon, a six-armed white flake on a night-blue disc.

Standard library only; the output is byte-for-byte reproducible.
    python3 resources/make_icon.py resources/host.ico
"""
import math
import struct
import sys

SIZE = 32
SUBSAMPLES = 4  # per axis, for smooth edges


def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def flake_segments():
    centre = SIZE / 2
    segments = []
    for arm in range(6):
        angle = math.pi / 2 + arm * math.pi / 3
        ux, uy = math.cos(angle), math.sin(angle)
        tip = (centre + ux * 12.5, centre + uy * 12.5)
        segments.append((centre, centre, *tip))
        # Two barbs on each arm, pointing outwards at 45 degrees.
        for along, length in ((5.5, 3.5), (9.0, 2.5)):
            bx, by = centre + ux * along, centre + uy * along
            for side in (-1, 1):
                barb = angle + side * math.pi / 4
                segments.append((bx, by, bx + math.cos(barb) * length, by + math.sin(barb) * length))
    return segments


def coverage(x, y, inside):
    hits = 0
    for sy in range(SUBSAMPLES):
        for sx in range(SUBSAMPLES):
            if inside(x + (sx + 0.5) / SUBSAMPLES, y + (sy + 0.5) / SUBSAMPLES):
                hits += 1
    return hits / (SUBSAMPLES * SUBSAMPLES)


def pixels():
    segments = flake_segments()
    centre = SIZE / 2
    on_disc = lambda px, py: math.hypot(px - centre, py - centre) <= 15.5
    on_flake = lambda px, py: any(distance_to_segment(px, py, *s) <= 0.8 for s in segments)
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            disc = coverage(x, y, on_disc)
            flake = coverage(x, y, on_flake)
            night = (0x40, 0x20, 0x10)  # blue, green, red
            colour = [round(n * (1 - flake) + 255 * flake) for n in night]
            row.append((*colour, round(255 * disc)))
        rows.append(row)
    return rows


def icon_bytes():
    rows = pixels()
    # Icon images are stored bottom row first: a BITMAPINFOHEADER of double height, BGRA pixels,
    # then a 1-bit AND mask (all zero: the alpha channel carries the shape).
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes(p) for row in reversed(rows) for p in row)
    mask = bytes(SIZE * 4)  # 32 bits per mask row, already a multiple of four bytes
    image = header + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "host.ico", "wb") as out:
        out.write(icon_bytes())
