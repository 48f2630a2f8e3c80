#!/usr/bin/env python3
"""Writes host.ico: the program icon, a six-armed white flake on a night-blue disc, at every size
Explorer, the Start menu and the uninstall list ask for (16, 24, 32, 48 and 256 pixels), and the
window icons of displays scaled to 125 % and 200 % (20, 40 and 64).

Standard library only; the output is byte-for-byte reproducible.
    python3 resources/make_icon.py resources/host.ico
"""
import math
import struct
import sys
import zlib

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
DESIGN = 32  # the drawing is laid out on a 32 x 32 grid and scaled to each size
NIGHT = (0x10, 0x20, 0x40)  # red, green, blue
# The flake's centre falls on a pixel corner (every size is even), so a stroke narrower than two
# pixels straddles two half-lit columns and turns grey: the small sizes draw two-pixel strokes.
MIN_HALF_WIDTH_PIXELS = 1.0


def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def flake_segments(size):
    """The flake's strokes in design units. Barbs would blur into the arms at the small sizes, so
    those keep fewer of them."""
    centre = DESIGN / 2
    barbs = ((5.5, 3.5), (9.0, 2.5)) if size > 24 else ((8.0, 3.5),) if size > 16 else ()
    segments = []
    for arm in range(6):
        angle = math.pi / 2 + arm * math.pi / 3
        ux, uy = math.cos(angle), math.sin(angle)
        segments.append((centre, centre, centre + ux * 12.5, centre + uy * 12.5))
        # Barbs on each arm, pointing outwards at 45 degrees.
        for along, length in barbs:
            bx, by = centre + ux * along, centre + uy * along
            for side in (-1, 1):
                barb = angle + side * math.pi / 4
                segments.append((bx, by, bx + math.cos(barb) * length, by + math.sin(barb) * length))
    return segments


def edge_coverage(inside_by_pixels):
    """Coverage of a pixel whose centre lies inside_by_pixels within a shape's edge."""
    return max(0.0, min(1.0, inside_by_pixels + 0.5))


def pixels(size):
    """Rows of (red, green, blue, alpha), top row first."""
    scale = size / DESIGN
    segments = flake_segments(size)
    half_width = max(0.8 * scale, MIN_HALF_WIDTH_PIXELS) / scale
    centre = DESIGN / 2
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            px, py = (x + 0.5) / scale, (y + 0.5) / scale
            disc = edge_coverage((15.5 - math.hypot(px - centre, py - centre)) * scale)
            flake = 0.0
            if disc > 0:
                nearest = min(distance_to_segment(px, py, *s) for s in segments)
                flake = edge_coverage((half_width - nearest) * scale)
            colour = [round(n * (1 - flake) + 255 * flake) for n in NIGHT]
            row.append((*colour, round(255 * disc)))
        rows.append(row)
    return rows


def bitmap_image(size, rows):
    """The classic icon image: a BITMAPINFOHEADER of double height, BGRA pixels bottom row first,
    then a 1-bit AND mask (all zero: the alpha channel carries the shape)."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask_row = (size + 31) // 32 * 4
    return header + colour + bytes(mask_row * size)


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_image(size, rows):
    """The 256 px image as PNG, as Windows stores large icons: uncompressed it would add a
    quarter of a megabyte to every program that carries the icon."""
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) +
            png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def icon_bytes():
    images = []
    for size in SIZES:
        rows = pixels(size)
        images.append(png_image(size, rows) if size >= 256 else bitmap_image(size, rows))
    directory = struct.pack("<HHH", 0, 1, len(SIZES))
    offset = len(directory) + 16 * len(SIZES)
    entries = b""
    for size, image in zip(SIZES, images):
        # A width or height of 0 in the directory means 256.
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "host.ico", "wb") as out:
        out.write(icon_bytes())
