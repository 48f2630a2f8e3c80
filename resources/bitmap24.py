"""Writes 24-bit Windows bitmap files for the resource generators beside this file."""

import struct


def encode_bmp(rows, pixels_per_metre):
    """The file for rows of (red, green, blue) pixels, top row first, all of one width.

    A 14-byte file header and a 40-byte info header, then the rows bottom row first, each
    padded to four bytes, as the system stores them.
    """
    height = len(rows)
    width = len(rows[0])
    row_bytes = width * 3
    padding = (4 - row_bytes % 4) % 4
    pixel_bytes = (row_bytes + padding) * height
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + pixel_bytes, 0, 0, offset)
    info_header = struct.pack(
        "<IiiHHIIiiII", 40, width, height, 1, 24, 0, pixel_bytes,
        pixels_per_metre, pixels_per_metre, 0, 0
    )
    pixels = bytearray()
    for row in reversed(rows):
        for red, green, blue in row:
            pixels += bytes((blue, green, red))
        pixels += bytes(padding)
    return file_header + info_header + bytes(pixels)
