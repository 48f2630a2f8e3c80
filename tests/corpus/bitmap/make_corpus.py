#!/usr/bin/env python3
"""Writes the bitmap corpus: small valid pictures and malformed files, each named after the outcome
the reader must give it.

    python3 make_corpus.py

  accept--*            read as a picture
  reject-format--*     "Unknown DIB file format."
  reject-conversion--* "Image file conversion error."

Files already present that this script does not make (inputs the fuzzer found) are left alone.
"""

import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent


def info_header(width, height, bits, compression=0, image_size=0, colours_used=0, size=40):
    return struct.pack(
        "<IiiHHIIiiII", size, width, height, 1, bits, compression, image_size, 2835, 2835,
        colours_used, 0
    )


def core_header(width, height, bits):
    return struct.pack("<IHHHH", 12, width, height, 1, bits)


def file_header(offset, total=0):
    return struct.pack("<2sIHHI", b"BM", total, 0, 0, offset)


def stride(width, bits):
    return (width * bits + 31) // 32 * 4


def with_file_header(header, table=b"", pixels=b"", offset=None):
    if offset is None:
        offset = 14 + len(header) + len(table)
    body = header + table + pixels
    return file_header(offset, 14 + len(body)) + body


def palette(count, entry=4):
    out = b""
    for i in range(count):
        grey = (i * 255 // max(1, count - 1)) & 0xFF
        out += bytes((grey, grey // 2, 255 - grey)) + (b"\0" if entry == 4 else b"")
    return out


def rows(width, height, bits, seed=1):
    data = bytearray()
    for y in range(height):
        for i in range(stride(width, bits)):
            data.append((seed * 31 + y * 17 + i * 7) & 0xFF)
    return bytes(data)


def picture(width, height, bits, compression=0, **fields):
    """A valid picture with a full colour table for indexed depths."""
    count = {1: 2, 4: 16, 8: 256}.get(bits, 0)
    table = palette(count)
    pixels = rows(width, height, bits)
    header = info_header(width, height, bits, compression, len(pixels), **fields)
    return with_file_header(header, table, pixels)


RLE8_STREAM = bytes([4, 1, 0, 3, 2, 3, 4, 0, 0, 0, 2, 5, 2, 6, 0, 1])  # 8 by 2
RLE4_STREAM = bytes([4, 0x12, 0, 4, 0x34, 0x56, 0, 0, 8, 0x77, 0, 1])  # 8 by 2


def rle(bits, stream, image_size=None, height=2, pixel_offset=None, stream_bits=None):
    count = 256 if bits == 8 else 16
    compression = 1 if (stream_bits or bits) == 8 else 2
    size = len(stream) if image_size is None else image_size
    header = info_header(8, height, bits, compression, size)
    return with_file_header(header, palette(count), stream, pixel_offset)


def accepted():
    files = {
        "indexed1": picture(9, 3, 1),
        "indexed4": picture(7, 3, 4),
        "indexed8": picture(5, 3, 8),
        "rgb555": picture(3, 2, 16),
        "rgb24": picture(5, 2, 24),
        "rgb32": picture(2, 2, 32),
        "top-down-rgb24": with_file_header(info_header(3, -2, 24, 0, 16), b"", rows(3, 2, 24)),
        "fields565": with_file_header(
            info_header(3, 2, 16, 3, 16), struct.pack("<III", 0xF800, 0x07E0, 0x001F), rows(3, 2, 16)
        ),
        "rle8": rle(8, RLE8_STREAM),
        "rle4": rle(4, RLE4_STREAM),
        "rle8-size-from-file-end": rle(8, RLE8_STREAM, image_size=0),
        "core-indexed8": with_file_header(core_header(5, 3, 8), palette(256, 3), rows(5, 3, 8)),
        "core-rgb24": with_file_header(core_header(5, 3, 24), b"", rows(5, 3, 24)),
        "no-file-header-indexed4": info_header(7, 3, 4, 0, 12) + palette(16) + rows(7, 3, 4),
        "no-file-header-core-indexed1": core_header(9, 3, 1) + palette(2, 3) + rows(9, 3, 1),
        "colours-used-3-of-8-bit": with_file_header(
            info_header(5, 3, 8, 0, 24, colours_used=3), palette(3), rows(5, 3, 8)
        ),
    }
    return {f"accept--{name}.bmp": data for name, data in files.items()}


def replace32(data, offset, value):
    return data[:offset] + struct.pack("<I", value & 0xFFFFFFFF) + data[offset + 4 :]


def replace16(data, offset, value):
    return data[:offset] + struct.pack("<H", value) + data[offset + 2 :]


def info_field(data, name, value):
    """A valid file with one field of its info header (after the file header) changed."""
    offsets = {"width": 4, "height": 8, "compression": 16, "image_size": 20, "colours_used": 32}
    if name == "bits":
        return replace16(data, 14 + 14, value)
    return replace32(data, 14 + offsets[name], value)


def rejected_conversion():
    rgb24 = picture(5, 2, 24)
    indexed8 = picture(5, 3, 8)
    core8 = with_file_header(core_header(5, 3, 8), palette(256, 3), rows(5, 3, 8))
    big = with_file_header(info_header(8192, 8192, 24, 0, 0), b"", b"")
    files = {
        "one-byte": b"B",
        "signature-only": b"BM",
        "file-header-cut-at-13": rgb24[:13],
        "file-header-only": rgb24[:14],
        "header-size-field-only": rgb24[:18],
        "info-header-cut-at-39": rgb24[: 14 + 39],
        "core-header-cut-at-11": core8[: 14 + 11],
        "no-file-header-size-cut": struct.pack("<I", 40)[:3],
        "palette-cut": indexed8[: 14 + 40 + 1000],
        "core-palette-cut": core8[: 14 + 12 + 3 * 255 + 1],
        "no-file-header-palette-cut": (info_header(5, 3, 8, 0, 24) + palette(256))[:-1],
        "pixel-offset-past-end": replace32(rgb24, 10, len(rgb24) + 1),
        "pixel-offset-max": replace32(rgb24, 10, 0xFFFFFFFF),
        "rows-one-byte-short": rgb24[:-1],
        "rows-missing": rgb24[: 14 + 40],
        "indexed1-rows-short": picture(9, 3, 1)[:-4],
        "no-file-header-rows-short": (info_header(7, 3, 4, 0, 12) + palette(16) + rows(7, 3, 4))[:-1],
        "rle8-size-past-end": rle(8, RLE8_STREAM, image_size=len(RLE8_STREAM) + 1),
        "rle4-size-past-end": rle(4, RLE4_STREAM, image_size=0x7FFFFFFF),
        "rle8-offset-at-end-no-stream": rle(8, b"", image_size=0),
        "rle8-offset-past-end": rle(8, RLE8_STREAM, pixel_offset=0x10000),
        "rle8-top-down": rle(8, RLE8_STREAM, height=-2),
        "rle8-with-4-bits": rle(4, RLE8_STREAM, stream_bits=8),
        "rle4-with-8-bits": info_field(rle(8, RLE4_STREAM), "compression", 2),
        "width-zero": info_field(rgb24, "width", 0),
        "width-negative": info_field(rgb24, "width", -5),
        "width-huge": info_field(rgb24, "width", 100000),
        "width-8193": info_field(rgb24, "width", 8193),
        "height-zero": info_field(rgb24, "height", 0),
        "height-most-negative": info_field(rgb24, "height", -0x80000000),
        "height-minus-8193": info_field(rgb24, "height", -8193),
        "sides-8192-no-rows": big,
        "core-width-zero": with_file_header(core_header(0, 3, 24), b"", b""),
        "core-height-65535": with_file_header(core_header(5, 65535, 24), b"", rows(5, 3, 24)),
        "core-16-bits": with_file_header(core_header(5, 3, 16), b"", rows(5, 3, 16)),
        "core-32-bits": with_file_header(core_header(5, 3, 32), b"", rows(5, 3, 32)),
        "colours-used-65536": info_field(indexed8, "colours_used", 65536),
        "colours-used-65537": info_field(indexed8, "colours_used", 65537),
        "colours-used-max": info_field(indexed8, "colours_used", 0xFFFFFFFF),
        "colours-used-past-end-24-bits": info_field(rgb24, "colours_used", 1000),
        "bits-0": info_field(rgb24, "bits", 0),
        "bits-2": info_field(rgb24, "bits", 2),
        "bits-3": info_field(rgb24, "bits", 3),
        "bits-64": info_field(rgb24, "bits", 64),
        "bits-65535": info_field(rgb24, "bits", 65535),
        "compression-jpeg": info_field(rgb24, "compression", 4),
        "compression-png": info_field(rgb24, "compression", 5),
        "compression-alpha-fields": info_field(rgb24, "compression", 6),
        "compression-max": info_field(rgb24, "compression", 0xFFFFFFFF),
        "fields-with-24-bits": info_field(rgb24, "compression", 3),
        "fields-masks-cut": with_file_header(info_header(3, 2, 16, 3, 16), b"\0\xf8\0\0\xe0\x07")[:-1],
    }
    return {f"reject-conversion--{name}.bmp": data for name, data in files.items()}


def rejected_format():
    rgb24 = picture(5, 2, 24)
    files = {
        "header-108": with_file_header(info_header(5, 2, 24, size=108) + bytes(68), b"", rows(5, 2, 24)),
        "header-124": with_file_header(info_header(5, 2, 24, size=124) + bytes(84), b"", rows(5, 2, 24)),
        "header-64": replace32(rgb24, 14, 64),
        "header-0": replace32(rgb24, 14, 0),
        "header-max": replace32(rgb24, 14, 0xFFFFFFFF),
        "header-108-cut-after-size": replace32(rgb24, 14, 108)[:18],
        "text-file": b"This is not a picture.\n",
    }
    return {f"reject-format--{name}.bmp": data for name, data in files.items()}


def main():
    for group in (accepted(), rejected_conversion(), rejected_format()):
        for name, data in group.items():
            (HERE / name).write_bytes(data)


if __name__ == "__main__":
    main()
