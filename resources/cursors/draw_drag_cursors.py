#!/usr/bin/env python3
"""Writes the cursors of item dragging beside this script from the pictures below (drawn for this program).

The pictures are read as in draw_grid_cursors.py, whose cursor file writer this script uses.
Run it again after changing a picture: python3 draw_drag_cursors.py
"""

from draw_grid_cursors import write_cursors

# The pointer both cursors share, its tip the hot spot.
ARROW = [
    "#",
    "##",
    "#.#",
    "#..#",
    "#...#",
    "#....#",
    "#.....#",
    "#......#",
    "#.......#",
    "#........#",
    "#.....#####",
    "#..#..#",
    "#.# #..#",
    "##  #..#",
    "#    #..#",
    "     #..#",
    "      ##",
]

CURSORS = {
    # An item carried where it can be dropped: the arrow with a small dotted box below it.
    "drag_move.cur": ((0, 0), ARROW + [
        "",
        "   # # # # #",
        "   .........",
        "   #.......#",
        "   .........",
        "   #.......#",
        "   .........",
        "   # # # # #",
    ]),
    # An item carried where nothing takes it: the arrow with a circle struck through beside its tail.
    "drag_cancel.cur": ((0, 0), ARROW[:15] + [
        "     #..#   #####",
        "      ##  ##.....##",
        "         #..#####..#",
        "         #.#...##..#",
        "        #.#...##.#.#",
        "        #.#..##..#.#",
        "        #.#.##...#.#",
        "        #..##...#.#",
        "         #..#####..#",
        "          ##.....##",
        "            #####",
    ]),
}

if __name__ == "__main__":
    write_cursors(CURSORS)
