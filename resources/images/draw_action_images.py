#!/usr/bin/env python3
"""Writes the pictures of the main window's commands beside this script (drawn for this program): one
16 x 16 RGBA PNG per picture, named after it in lower case (IMG_CONVERT -> img_convert.png).

Each picture is a stack of shapes in a 16 x 16 plane (pixel centres at 0.5, 1.5, ...), painted in order
and smoothed by sampling every pixel 4 x 4 times. Run it again after changing a picture:
python3 draw_action_images.py
"""

import math
import os
import sys

# The PNG writer of the program's icon script.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "icons"))
from draw_program_icon import png  # noqa: E402

SIZE = 16
SAMPLES = 4

# Colours (RGB)
BLUE = (0x2F, 0x6F, 0xD0)
DEEP_BLUE = (0x1C, 0x3F, 0x8C)
LIGHT_BLUE = (0x8F, 0xBB, 0xF0)
AMBER = (0xF5, 0xA6, 0x23)
GREEN = (0x2E, 0x9E, 0x3E)
RED = (0xD6, 0x3A, 0x2F)
YELLOW = (0xF2, 0xC4, 0x4E)
DARK_YELLOW = (0xB8, 0x86, 0x1B)
PAPER = (0xFB, 0xFB, 0xFB)
GREY = (0x80, 0x86, 0x90)
DARK = (0x34, 0x38, 0x40)
WHITE = (0xFF, 0xFF, 0xFF)
BROWN = (0x9A, 0x6A, 0x3A)


# --- shapes: each answers whether a point of the plane lies inside ---

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def rounded(x0, y0, x1, y1, r):
    def inside(x, y):
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return math.hypot(x - cx, y - cy) <= r
    return inside


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) <= r


def ring(cx, cy, r, width, gap=None):
    """A ring; gap = (from, to) in degrees, counted clockwise from the right, is left out."""
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - r) > width / 2:
            return False
        if gap is None:
            return True
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360
        lo, hi = gap[0] % 360, gap[1] % 360
        return not (lo <= a <= hi if lo <= hi else (a >= lo or a <= hi))
    return inside


def line(x0, y0, x1, y1, width):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) <= width / 2
    return inside


def polygon(*points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def minus(shape, *holes):
    return lambda x, y: shape(x, y) and not any(h(x, y) for h in holes)


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def outlined(shape_outer, shape_inner, edge, fill):
    return [(shape_outer, edge), (shape_inner, fill)]


# --- parts several pictures share ---

def page(x0=2.5, y0=1, x1=12.5, y1=15):
    """A sheet of paper with a folded corner."""
    fold = 3.5
    outer = polygon((x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1))
    inner = polygon((x0 + 1, y0 + 1), (x1 - fold - 0.4, y0 + 1), (x1 - 1, y0 + fold + 0.4), (x1 - 1, y1 - 1),
                    (x0 + 1, y1 - 1))
    corner = polygon((x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold))
    return [(outer, GREY), (inner, PAPER), (corner, GREY)]


def folder(y_shift=0.0):
    body = rounded(1, 4 + y_shift, 15, 14 + y_shift, 1)
    tab = rounded(1, 2.5 + y_shift, 7, 6 + y_shift, 1)
    front = rect(1.8, 6 + y_shift, 14.2, 13.2 + y_shift)
    return [(union(body, tab), DARK_YELLOW), (front, YELLOW)]


def badge(colour, mark):
    """A round badge at the lower right with a white mark: "+", "-" or "x"."""
    cx, cy = 11.5, 11.5
    shapes = [(circle(cx, cy, 4.5), WHITE), (circle(cx, cy, 3.7), colour)]
    if mark in "+-":
        shapes.append((line(cx - 2, cy, cx + 2, cy, 1.4), WHITE))
    if mark == "+":
        shapes.append((line(cx, cy - 2, cx, cy + 2, 1.4), WHITE))
    if mark == "x":
        shapes += [(line(cx - 1.6, cy - 1.6, cx + 1.6, cy + 1.6, 1.4), WHITE),
                   (line(cx - 1.6, cy + 1.6, cx + 1.6, cy - 1.6, 1.4), WHITE)]
    return shapes


def check_box(x0=2, y0=2, x1=14, y1=14):
    return [(rounded(x0, y0, x1, y1, 1.5), DEEP_BLUE), (rect(x0 + 1.2, y0 + 1.2, x1 - 1.2, y1 - 1.2), PAPER)]


def check_mark(colour=GREEN, scale=1.0, dx=0.0, dy=0.0):
    s = lambda px, py: (dx + 8 + (px - 8) * scale, dy + 8 + (py - 8) * scale)
    return [(union(line(*s(4.5, 8.5), *s(7, 11), 2.0), line(*s(7, 11), *s(11.8, 5), 2.0)), colour)]


def text_lines(x0, x1, ys, colour=GREY, width=1.0):
    return [(line(x0, y, x1, y, width), colour) for y in ys]


# --- the pictures ---

def img_convert():
    strip_holes = [rect(2 + 3 * i, 3.2, 3.4 + 3 * i, 4.2) for i in range(4)] + \
                  [rect(2 + 3 * i, 11.8, 3.4 + 3 * i, 12.8) for i in range(4)]
    strip = minus(rect(1, 2.5, 12, 13.5), *strip_holes)
    arrow = polygon((4, 6), (9, 6), (9, 3.5), (15.5, 8), (9, 12.5), (9, 10), (4, 10))
    return [(strip, BLUE), (rect(2.2, 5, 10.8, 11), LIGHT_BLUE), (arrow, WHITE),
            (polygon((5, 6.8), (9.8, 6.8), (9.8, 5.1), (14.2, 8), (9.8, 10.9), (9.8, 9.2), (5, 9.2)), AMBER)]


def img_script():
    return page() + [(union(line(4.5, 6, 7, 8, 1.2), line(7, 8, 4.5, 10, 1.2)), DARK),
                     (line(7.5, 11.5, 10.5, 11.5, 1.2), DARK)]


def img_options():
    def gear(x, y):
        d = math.hypot(x - 8, y - 8)
        a = math.atan2(y - 8, x - 8)
        tooth = math.cos(8 * a) > 0.2
        return d <= (7 if tooth else 5.4)
    return [(minus(gear, circle(8, 8, 2.3)), GREY), (minus(circle(8, 8, 4.2), circle(8, 8, 2.3)), DARK)]


def img_pin():
    return [(line(8, 9, 4, 15, 1.2), GREY), (polygon((5, 9), (11, 9), (9.5, 6), (6.5, 6)), RED),
            (rounded(6, 1, 10, 7, 1.5), RED), (rect(6.8, 2, 7.6, 6), (0xF2, 0x8A, 0x80))]


def img_tray():
    window = outlined(rounded(1, 1, 15, 11, 1), rect(2, 4, 14, 10), DEEP_BLUE, PAPER)
    arrow = polygon((6.5, 4.5), (9.5, 4.5), (9.5, 7), (11.5, 7), (8, 10.5), (4.5, 7), (6.5, 7))
    return window + [(arrow, GREEN), (rect(1, 13, 15, 15), GREY), (rect(11, 13.5, 14, 14.5), AMBER)]


def img_exit():
    return [(circle(8, 8, 7.3), RED), (ring(8, 8, 4, 1.6, gap=(235, 305)), WHITE),
            (line(8, 2.8, 8, 7.5, 1.6), WHITE)]


def img_progress():
    return [(rounded(0.5, 4.5, 15.5, 11.5, 1.5), DEEP_BLUE), (rect(1.5, 5.5, 14.5, 10.5), PAPER),
            (rect(2.3, 6.3, 9.5, 9.7), GREEN)]


def img_file_info():
    return page() + text_lines(4.5, 8.5, (5.5, 7.5)) + [(circle(11.5, 11.5, 4.5), WHITE),
                                                         (circle(11.5, 11.5, 3.7), BLUE),
                                                         (rect(10.9, 10.9, 12.1, 14), WHITE),
                                                         (circle(11.5, 9.3, 0.75), WHITE)]


def img_error_log():
    triangle = polygon((8, 1), (15.5, 14.5), (0.5, 14.5))
    inner = polygon((8, 3), (13.8, 13.5), (2.2, 13.5))
    return [(triangle, DARK_YELLOW), (inner, AMBER), (line(8, 6, 8, 9.8, 1.6), DARK), (circle(8, 11.9, 0.9), DARK)]


def img_add_files():
    return page(1, 1, 11, 15) + badge(GREEN, "+")


def img_add_folder():
    return folder(-1) + badge(GREEN, "+")


def img_remove():
    return page(1, 1, 11, 15) + badge(RED, "-")


def img_clear():
    lines = text_lines(1.5, 10, (3, 6, 9, 12), GREY, 1.6)
    return lines + badge(RED, "x")


def img_check_all():
    return check_box(4, 1, 15, 12) + check_box(1, 4, 12, 15) + check_mark(GREEN, 0.85, -1.5, 1.5)


def img_uncheck_all():
    return check_box(4, 1, 15, 12) + check_box(1, 4, 12, 15)


def img_invert():
    return check_box() + [(polygon((3.2, 12.8), (12.8, 3.2), (12.8, 12.8)), LIGHT_BLUE)] + \
        check_mark(GREEN, 0.8, -1.2, -1.2)


def img_open():
    flap = polygon((3.5, 7), (15.5, 7), (13, 14), (1, 14))
    return folder() + [(flap, DARK_YELLOW), (polygon((4, 7.8), (14.4, 7.8), (12.3, 13.2), (1.9, 13.2)), YELLOW),
                       (polygon((10, 0.5), (14, 3.5), (10, 6.5)), GREEN), (line(7, 3.5, 10.5, 3.5, 1.8), GREEN)]


def img_save():
    disk = rounded(1, 1, 15, 15, 1.5)
    return [(disk, BLUE), (rect(4, 1, 12, 6.5), PAPER), (rect(9.5, 2, 11, 5.5), BLUE),
            (rect(3.5, 9, 12.5, 15), DEEP_BLUE), (rect(4.5, 10, 11.5, 14), LIGHT_BLUE)]


def img_folder():
    return folder()


def img_default():
    # A ring turning back against the clock, its head at the end of the gap at the top.
    cx, cy, r, end = 8, 8.5, 5.3, math.radians(290)
    ex, ey = cx + r * math.cos(end), cy + r * math.sin(end)
    tx, ty = math.sin(end), -math.cos(end)  # along the ring, against the clock
    nx, ny = math.cos(end), math.sin(end)
    head = polygon((ex + 3.4 * nx, ey + 3.4 * ny), (ex - 3.4 * nx, ey - 3.4 * ny), (ex + 3.6 * tx, ey + 3.6 * ty))
    return [(ring(cx, cy, r, 2.2, gap=(290, 330)), BLUE), (head, BLUE)]


def img_copy():
    return page(1, 0.5, 10, 12) + page(6, 4, 15, 15.5)


def img_paste():
    board = rounded(1.5, 2, 12.5, 15, 1.2)
    return [(board, BROWN), (rect(3, 4, 11, 13.5), (0xE9, 0xD8, 0xB8)), (rounded(4.5, 0.8, 9.5, 4.5, 1), GREY)] + \
        page(7, 6, 15.5, 15.5)


def img_command_line():
    return [(rounded(0.5, 1.5, 15.5, 14.5, 1.5), DARK), (rect(0.5, 1.5, 15.5, 4), GREY),
            (union(line(3, 6.5, 6, 9, 1.4), line(6, 9, 3, 11.5, 1.4)), (0x6F, 0xE0, 0x7A)),
            (line(7.5, 12, 12, 12, 1.4), WHITE)]


def img_tools():
    head = minus(circle(11, 5, 3.8), circle(13, 3, 2.0))
    return [(line(2.5, 13.5, 9.5, 6.5, 2.8), GREY), (head, GREY), (circle(3, 13, 0.8), WHITE)]


def img_help():
    return [(circle(8, 8, 7.3), BLUE), (ring(8, 6, 2.6, 1.7, gap=(110, 200)), WHITE),
            (line(8, 8.6, 8, 10, 1.7), WHITE), (circle(8, 12.4, 1.0), WHITE)]


def img_home():
    roof = polygon((8, 1), (15.5, 8), (0.5, 8))
    return [(roof, RED), (rect(2.5, 7.5, 13.5, 15), PAPER), (rect(2.5, 14, 13.5, 15), GREY),
            (rect(6.5, 10, 9.5, 15), BROWN), (rect(10.5, 9.5, 12.5, 11.5), LIGHT_BLUE)]


def img_donation():
    def heart(x, y):
        u, v = (x - 8) / 6.8, (8.8 - y) / 6.8
        return (u * u + v * v - 0.3) ** 3 - u * u * v ** 3 <= 0
    return [(heart, RED)]


def img_update():
    return [(circle(8, 8, 7.3), GREEN), (rect(6.8, 3, 9.2, 8.5), WHITE),
            (polygon((4, 8), (12, 8), (8, 12.5)), WHITE)]


def img_about():
    return [(circle(8, 8, 7.3), BLUE), (rect(7, 6.5, 9, 12.5), WHITE), (circle(8, 4.2, 1.2), WHITE)]


PICTURES = [img_convert, img_script, img_options, img_pin, img_tray, img_exit, img_progress, img_file_info,
            img_error_log, img_add_files, img_add_folder, img_remove, img_clear, img_check_all,
            img_uncheck_all, img_invert, img_open, img_save, img_folder, img_default, img_copy, img_paste,
            img_command_line, img_tools, img_help, img_home, img_donation, img_update, img_about]


def render(shapes):
    rows = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            r = g = b = a = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    colour = None
                    for shape, fill in shapes:
                        if shape(x, y):
                            colour = fill
                    if colour:
                        r, g, b, a = r + colour[0], g + colour[1], b + colour[2], a + 1
            if a:
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a / SAMPLES ** 2)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


if __name__ == "__main__":
    folder_of_script = os.path.dirname(os.path.abspath(__file__))
    for draw in PICTURES:
        with open(os.path.join(folder_of_script, draw.__name__ + ".png"), "wb") as f:
            f.write(png(SIZE, SIZE, render(draw())))
