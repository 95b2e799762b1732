#!/usr/bin/env python3
"""Writes the grid's cursor files beside this script from the pictures below (drawn for this program).

In the pictures "#" is black, "." white and a blank see-through; the hot spot is the point that clicks.
Run it again after changing a picture: python3 draw_grid_cursors.py
"""

import os
import struct

SIZE = 32

CURSORS = {
    # An arrow pointing right, over the left end of a cell editor.
    "reversed_arrow.cur": ((10, 0), [
        "          #",
        "         ##",
        "        #.#",
        "       #..#",
        "      #...#",
        "     #....#",
        "    #.....#",
        "   #......#",
        "  #.......#",
        " #........#",
        "#####.....#",
        "    #..#..#",
        "   #..# #.#",
        "   #..#  ##",
        "  #..#    #",
        "  #..#",
        "   ##",
    ]),
    # Roll scrolling with the pointer near its start point: both ways.
    "roll.cur": ((7, 7), [
        "       ##",
        "      #..#",
        "     #....#",
        "    #......#",
        "    ########",
        "",
        "      ####",
        "     #....#",
        "     #....#",
        "      ####",
        "",
        "    ########",
        "    #......#",
        "     #....#",
        "      #..#",
        "       ##",
    ]),
    "roll_up.cur": ((7, 8), [
        "       ##",
        "      #..#",
        "     #....#",
        "    #......#",
        "   #........#",
        "   ##########",
        "",
        "      ####",
        "     #....#",
        "     #....#",
        "      ####",
    ]),
    "roll_down.cur": ((7, 2), [
        "      ####",
        "     #....#",
        "     #....#",
        "      ####",
        "",
        "   ##########",
        "   #........#",
        "    #......#",
        "     #....#",
        "      #..#",
        "       ##",
    ]),
    # Over a column's size grip in the header: a bar with arrows left and right.
    "horz_split.cur": ((8, 7), [
        "       ...",
        "       .#.",
        "       .#.",
        "    .. .#. ..",
        "   .#. .#. .#.",
        "  .##...#...##.",
        " .#############.",
        ".##############.",
        " .#############.",
        "  .##...#...##.",
        "   .#. .#. .#.",
        "    .. .#. ..",
        "       .#.",
        "       .#.",
        "       ...",
    ]),
    # A column dragged where it cannot be dropped: a circle with a stroke through it.
    "column_no_drag.cur": ((7, 7), [
        "    .......",
        "   .#######.",
        "  .##.....##.",
        " .##.     .##.",
        ".##.##.    .##.",
        ".#.  ##.    .#.",
        ".#.   ##.   .#.",
        ".#.    ##.  .#.",
        ".#.     ##. .#.",
        ".##.     ##.##.",
        " .##.     .##.",
        "  .##.....##.",
        "   .#######.",
        "    .......",
    ]),
    # Over a row's size grip in the indicator: a bar with arrows up and down.
    "vert_split.cur": ((7, 8), [
        "       .",
        "      .#.",
        "     .###.",
        "    .#####.",
        "      .#.",
        "      .#.",
        "      .#.",
        " .............",
        " .###########.",
        " .............",
        "      .#.",
        "      .#.",
        "      .#.",
        "    .#####.",
        "     .###.",
        "      .#.",
        "       .",
    ]),
    # Over the indicator column: a small arrow pointing right at the row.
    "indicator_select.cur": ((12, 6), [
        "       .",
        "       .#.",
        "       .##.",
        ".......###.",
        ".##########.",
        ".###########.",
        ".##########.",
        ".......###.",
        "       .##.",
        "       .#.",
        "       .",
    ]),
}


def pixel(rows, x, y):
    if y < len(rows) and x < len(rows[y]):
        return rows[y][x]
    return " "


def cursor_file(hot_spot, rows):
    """A one-picture cursor file: 32-bit colours with alpha and the AND mask, rows bottom up."""
    colours = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):
        bits = 0
        for x in range(SIZE):
            c = pixel(rows, x, y)
            if c == "#":
                colours += bytes((0, 0, 0, 255))
            elif c == ".":
                colours += bytes((255, 255, 255, 255))
            else:
                colours += bytes((0, 0, 0, 0))
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 32, 0, len(colours) + len(mask), 0, 0, 0, 0)
    image = header + bytes(colours) + bytes(mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, hot_spot[0], hot_spot[1], len(image), 6 + 16)
    return directory + entry + image


def write_cursors(cursors):
    """Writes each picture of cursors (file name: (hot spot, rows)) as a cursor file beside this script."""
    folder = os.path.dirname(os.path.abspath(__file__))
    for name, (hot_spot, rows) in cursors.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(cursor_file(hot_spot, rows))


if __name__ == "__main__":
    write_cursors(CURSORS)
