#!/usr/bin/env python3
"""Makes the push button's six face images, button_<face>.bmp, 64 x 25 pixels, 24 bits.

    python3 make_button_faces.py [output folder]

Only the outer ring of 4 pixels is drawn on the button, stretched around its face; the inside is
filled with the button's own white-to-lavender gradient so a face looks like the finished button
when opened on its own. Ring 0 is the outermost pixel. Resting and hovered faces carry the dark
blue outline on ring 1; pressed and disabled faces are inset by one more pixel, with the outline
on ring 2. The outline's corners are cut by one pixel, which rounds the frame. Nothing is random:
every run writes the same bytes.
"""

import sys
from pathlib import Path

from bitmap24 import encode_bmp

WIDTH, HEIGHT = 64, 25  # pixels
RING = 4  # pixels of border the button uses
RESOLUTION = 3780  # pixels per metre, 96 dots per inch

DIALOG = (236, 233, 216)  # the dialog's background, around the frame
OUTLINE = (0, 60, 116)
GREY_OUTLINE = (201, 199, 186)
WHITE = (255, 255, 255)
LAVENDER = (198, 197, 215)  # the gradient's dark end


def mix(top, bottom, y):
    """The colour a fraction y / (HEIGHT - 1) of the way from top to bottom."""
    t = y / (HEIGHT - 1)
    return tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))


def bevel(light, dark):
    """Light on the top and left sides of a ring, dark on the bottom and right."""
    return lambda x, y, d: light if x == d or y == d else dark


def vertical(top, bottom):
    return lambda x, y, d: mix(top, bottom, y)


def flat(colour):
    return lambda x, y, d: colour


# Each face: the ring its outline lies on, the outline colour, and the painters of the rings
# inside the outline, outermost first.
FACES = {
    "normal": (1, OUTLINE, [bevel(WHITE, (214, 208, 197)), bevel(WHITE, (226, 223, 214))]),
    "highlight": (1, OUTLINE, [vertical((255, 240, 207), (229, 151, 0))] * 2),
    "highlight_select": (1, OUTLINE, [vertical((255, 240, 207), (229, 151, 0))] * 2),
    "selected": (1, OUTLINE, [vertical((206, 231, 255), (105, 130, 238))] * 2),
    "pressed": (2, OUTLINE, [bevel((200, 197, 180), (226, 223, 214))]),
    "disable": (2, GREY_OUTLINE, [flat((245, 244, 234))]),
}


def ring_of(x, y):
    return min(x, y, WIDTH - 1 - x, HEIGHT - 1 - y)


def is_corner(x, y, d):
    """True for the one pixel of ring d where its horizontal and vertical runs meet."""
    return min(x, WIDTH - 1 - x) == d and min(y, HEIGHT - 1 - y) == d


def face_pixel(face, x, y):
    outline_ring, outline, inner = FACES[face]
    d = ring_of(x, y)
    if d >= RING:
        return mix(WHITE, LAVENDER, y)
    if d < outline_ring or (d == outline_ring and is_corner(x, y, d)):
        return DIALOG
    if d == outline_ring or (d == outline_ring + 1 and is_corner(x, y, d)):
        return outline
    return inner[d - outline_ring - 1](x, y, d)


def make_face(face):
    """Rows of (red, green, blue), top row first."""
    return [[face_pixel(face, x, y) for x in range(WIDTH)] for y in range(HEIGHT)]


def check(face, rows):
    def fail(what):
        sys.exit(f"make_button_faces: {face}: {what}")

    outline_ring, outline, _ = FACES[face]
    if len(rows) != HEIGHT or any(len(row) != WIDTH for row in rows):
        fail("wrong size")
    if rows[0][0] != DIALOG or rows[outline_ring][outline_ring] != DIALOG:
        fail("corner is not cut")
    middle = WIDTH // 2
    if rows[outline_ring][middle] != outline or rows[HEIGHT - 1 - outline_ring][middle] != outline:
        fail("outline missing at the top or bottom")
    if rows[HEIGHT // 2][outline_ring] != outline:
        fail("outline missing at the left")


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent
    for face in FACES:
        rows = make_face(face)
        check(face, rows)
        (folder / f"button_{face}.bmp").write_bytes(encode_bmp(rows, RESOLUTION))


if __name__ == "__main__":
    main()
