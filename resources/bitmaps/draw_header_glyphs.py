#!/usr/bin/env python3
"""Writes the header panel's collapse and expand glyphs beside this script (drawn for this program).

Each is 8 x 7 pixels, 24 bits: a double chevron in 313431 on lime green (00FF00, the colour that shows
through). "#" marks the chevron. Run it again after changing a picture: python3 draw_header_glyphs.py
"""

import os
import struct

INK = (0x31, 0x34, 0x31)
LIME = (0x00, 0xFF, 0x00)

# Pointing left: the panel folds to the left.
COLLAPSE = [
    "   #   #",
    "  #   # ",
    " #   #  ",
    "#   #   ",
    " #   #  ",
    "  #   # ",
    "   #   #",
]

# Pointing right: the panel opens to the right.
EXPAND = [row[::-1] for row in COLLAPSE]


def bmp(picture):
    width, height = len(picture[0]), len(picture)
    stride = (width * 3 + 3) & ~3
    pixels = b""
    for row in reversed(picture):  # bottom-up
        line = b"".join(bytes(reversed(INK if c == "#" else LIME)) for c in row)
        pixels += line + b"\0" * (stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(pixels), 0, 0, 14 + len(header)) + header + pixels


here = os.path.dirname(os.path.abspath(__file__))
for name, picture in (("header_collapse.bmp", COLLAPSE), ("header_expand.bmp", EXPAND)):
    with open(os.path.join(here, name), "wb") as f:
        f.write(bmp(picture))
