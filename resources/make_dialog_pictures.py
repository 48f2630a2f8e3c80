#!/usr/bin/env python3
"""Makes the settings dialog's pictures:

    metal_strip.bmp   556 x 20, 24 bits: horizontally brushed metal, light grey at the left to a
                      darker grey at the right; the panel behind the music choices is tiled with it
    mark_off.bmp      12 x 12, 24 bits: an empty grey square, a music source not chosen
    mark_on.bmp       12 x 12, 24 bits: the same square filled with blue, the chosen source
    pointing_hand.cur monochrome cursor, a pointing hand, hot spot at the fingertip: 32 x 32 with
                      the hot spot at (12, 10), and the same hand drawn at 40, 48 and 64 pixels
                      for displays scaled to 125, 150 and 200 %

    python3 make_dialog_pictures.py [output folder]

The brushing comes from a fixed linear congruential sequence, so every run writes the same bytes.
"""

import struct
import sys
from pathlib import Path

from bitmap24 import encode_bmp

RESOLUTION = 3780  # pixels per metre, 96 dots per inch

STRIP_WIDTH, STRIP_HEIGHT = 556, 20
STRIP_LEFT, STRIP_RIGHT = 236, 168  # grey levels at the two ends

MARK_SIZE = 12
MARK_FRAME = (128, 128, 128)
MARK_FACE = (255, 255, 255)
MARK_FILL = (40, 80, 200)

CURSOR_SIZE = 32
CURSOR_SIZES = (32, 40, 48, 64)
HOT_SPOT = (12, 10)


def strip():
    seed = 20_070
    def noise():
        nonlocal seed
        seed = (seed * 1_103_515_245 + 12_345) % 2**31
        return seed / 2**31
    # One brush stroke per row: a row-wide offset and a little grain along it.
    rows = []
    for _ in range(STRIP_HEIGHT):
        stroke = (noise() - 0.5) * 14
        row = []
        for x in range(STRIP_WIDTH):
            base = STRIP_LEFT + (STRIP_RIGHT - STRIP_LEFT) * x / (STRIP_WIDTH - 1)
            level = round(max(0, min(255, base + stroke + (noise() - 0.5) * 6)))
            row.append((level, level, min(255, level + 4)))
        rows.append(row)
    return rows


def mark(chosen):
    rows = []
    for y in range(MARK_SIZE):
        row = []
        for x in range(MARK_SIZE):
            edge = x in (0, MARK_SIZE - 1) or y in (0, MARK_SIZE - 1)
            inner = 2 <= x < MARK_SIZE - 2 and 2 <= y < MARK_SIZE - 2
            row.append(MARK_FRAME if edge else MARK_FILL if chosen and inner else MARK_FACE)
        rows.append(row)
    return rows


def scaled(edge, size):
    """An edge of the 32-pixel drawing at size: each edge scaled on its own, halves rounded up,
    so the parts of the hand still meet and every stroke stays whole pixels."""
    return (edge * size * 2 + CURSOR_SIZE) // (CURSOR_SIZE * 2)


def hand_shape(size):
    """The hand as a set of (x, y) pixels at size: the index finger up from its tip at the hot
    spot, three bent fingers and the thumb below, and the palm."""
    inside = set()
    def box(left, top, right, bottom):
        for y in range(scaled(top, size), scaled(bottom + 1, size)):
            for x in range(scaled(left, size), scaled(right + 1, size)):
                inside.add((x, y))
    tip_x, tip_y = HOT_SPOT
    box(tip_x - 1, tip_y, tip_x + 1, tip_y)       # rounded fingertip
    box(tip_x - 2, tip_y + 1, tip_x + 1, tip_y + 10)  # index finger
    for left in (tip_x + 3, tip_x + 6, tip_x + 9):    # knuckles of the bent fingers
        box(left, tip_y + 7, left + 1, tip_y + 10)
    box(tip_x - 7, tip_y + 9, tip_x - 3, tip_y + 12)  # thumb
    box(tip_x - 4, tip_y + 11, tip_x + 11, tip_y + 19)  # palm
    return inside


def cursor_image(size):
    """One monochrome image of the .cur: white hand, a black outline one pixel wide, the rest
    clear."""
    hand = hand_shape(size)
    def outlined(x, y):
        return any((x + dx, y + dy) in hand for dx in (-1, 0, 1) for dy in (-1, 0, 1))
    # Monochrome cursors combine two masks: AND 0 / XOR 0 is black, AND 0 / XOR 1 white,
    # AND 1 / XOR 0 the screen below. Rows are padded to four bytes.
    row_bytes = (size + 31) // 32 * 4
    xor_rows, and_rows = [], []
    for y in range(size):
        xor_bits, and_bits = 0, 0
        for x in range(size):
            bit = 1 << (row_bytes * 8 - 1 - x)
            if (x, y) in hand:
                xor_bits |= bit
            elif not outlined(x, y):
                and_bits |= bit
        for x in range(size, row_bytes * 8):
            and_bits |= 1 << (row_bytes * 8 - 1 - x)
        xor_rows.append(xor_bits.to_bytes(row_bytes, "big"))
        and_rows.append(and_bits.to_bytes(row_bytes, "big"))
    # The image is stored bottom row first, its header counting both masks in the height.
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    return header + palette + b"".join(reversed(xor_rows)) + b"".join(reversed(and_rows))


def cursor():
    """A .cur file with one image for each of CURSOR_SIZES."""
    images = [cursor_image(size) for size in CURSOR_SIZES]
    directory = struct.pack("<HHH", 0, 2, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, image in zip(CURSOR_SIZES, images):
        hot_spot = (scaled(HOT_SPOT[0], size), scaled(HOT_SPOT[1], size))
        entries += struct.pack("<BBBBHHII", size, size, 2, 0, *hot_spot, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def main():
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent)
    (folder / "metal_strip.bmp").write_bytes(encode_bmp(strip(), RESOLUTION))
    (folder / "mark_off.bmp").write_bytes(encode_bmp(mark(False), RESOLUTION))
    (folder / "mark_on.bmp").write_bytes(encode_bmp(mark(True), RESOLUTION))
    (folder / "pointing_hand.cur").write_bytes(cursor())


if __name__ == "__main__":
    main()
