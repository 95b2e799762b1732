#!/usr/bin/env python3
"""Writes the program's icon beside this script (drawn for this program): quillmark.png, 64 x 64, RGBA.

A rounded square shading from a light to a deep blue, a white film strip across it with its sprocket holes,
and an amber arrow pointing right through the strip: files going in and coming out converted. Run it again
after changing the picture: python3 draw_program_icon.py
"""

import math
import os
import struct
import zlib

SIZE = 64
RADIUS = 12
TOP = (0x4A, 0x8F, 0xE0)
BOTTOM = (0x1C, 0x3F, 0x8C)
STRIP = (0xF4, 0xF6, 0xFA)
HOLE = (0x27, 0x4C, 0x9A)
ARROW = (0xF5, 0xA6, 0x23)


def inside_rounded_square(x, y):
    cx = min(max(x, RADIUS), SIZE - 1 - RADIUS)
    cy = min(max(y, RADIUS), SIZE - 1 - RADIUS)
    return math.hypot(x - cx, y - cy) <= RADIUS


def background(y):
    t = y / (SIZE - 1)
    return tuple(round(a + (b - a) * t) for a, b in zip(TOP, BOTTOM))


def in_strip(x, y):
    return 18 <= y <= 45 and 4 <= x <= 59


def in_hole(x, y):
    return (20 <= y <= 23 or 40 <= y <= 43) and (x - 6) % 8 < 4 and 6 <= x <= 57


def in_arrow(x, y):
    # A shaft from the left and a head whose tip reaches the right edge of the strip.
    if 28 <= y <= 35 and 12 <= x <= 38:
        return True
    return 38 <= x <= 52 and abs(y - 31.5) <= (52 - x) * 0.95


def pixel(x, y):
    if not inside_rounded_square(x, y):
        return (0, 0, 0, 0)
    colour = background(y)
    if in_strip(x, y):
        colour = HOLE if in_hole(x, y) else STRIP
    if in_arrow(x, y):
        colour = ARROW
    return colour + (255,)


def png(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


if __name__ == "__main__":
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "quillmark.png"), "wb") as f:
        f.write(png(SIZE, SIZE, rows))
