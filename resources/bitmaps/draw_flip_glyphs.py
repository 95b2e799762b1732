#!/usr/bin/env python3
"""Writes the flip panel's expand and collapse glyphs beside this script (drawn for this program).

Each is 9 x 9 pixels, 24 bits: a grey frame (919191) around a fill that shades from near white at the top to
E3E3E3 at the bottom, a five-pixel blue bar (4B63A7) across the middle row, and for the expand glyph a dark
blue (294272) upright bar making a plus. Run it again after changing a picture: python3 draw_flip_glyphs.py
"""

import os
import struct

SIZE = 9
FRAME = (0x91, 0x91, 0x91)
BAR = (0x4B, 0x63, 0xA7)
UPRIGHT = (0x29, 0x42, 0x72)


def fill(row):
    # From FDFDFD on the first inner row to E3E3E3 on the last.
    level = 0xFD - (0xFD - 0xE3) * (row - 1) // (SIZE - 3)
    return (level, level, level)


def picture(plus):
    pixels = []
    for y in range(SIZE):
        line = []
        for x in range(SIZE):
            if x in (0, SIZE - 1) or y in (0, SIZE - 1):
                line.append(FRAME)
            elif plus and x == SIZE // 2 and 2 <= y <= 6:
                line.append(UPRIGHT)
            elif y == SIZE // 2 and 2 <= x <= 6:
                line.append(BAR)
            else:
                line.append(fill(y))
        pixels.append(line)
    return pixels


def bmp(rows):
    width, height = len(rows[0]), len(rows)
    stride = (width * 3 + 3) & ~3
    data = b""
    for row in reversed(rows):  # bottom-up
        line = b"".join(bytes(reversed(rgb)) for rgb in row)
        data += line + b"\0" * (stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(data), 0, 0, 14 + len(header)) + header + data


here = os.path.dirname(os.path.abspath(__file__))
for name, plus in (("kvflipplus.bmp", True), ("kvcollapse.bmp", False)):
    with open(os.path.join(here, name), "wb") as f:
        f.write(bmp(picture(plus)))
