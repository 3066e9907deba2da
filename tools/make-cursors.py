#!/usr/bin/env python3
"""Draws the editor library's cursors as 32x32 monochrome CUR files in
resources/foundation/: black shapes with a white outline one pixel wide,
so that each shows on light and dark backgrounds."""

import os
import struct

N = 32


def arrow_pointer(px):
    """The usual pointer, tip at (1, 1): a wedge, a notch and a slanted stem."""
    for y in range(1, 12):
        px.update((x, y) for x in range(1, y + 1))
    px.update((x, 12) for x in range(1, 8))
    px.update({(1, 13), (2, 13), (1, 14)})
    for y in range(13, 19):
        x = 4 + (y - 13) // 2
        px.update({(x, y), (x + 1, y)})


def triangle(px, tip, direction, size):
    """A filled triangle with its tip at tip, pointing along direction."""
    tx, ty = tip
    dx, dy = direction
    for d in range(size):
        for s in range(-d, d + 1):
            px.add((tx - dx * d + dy * s, ty - dy * d + dx * s))


def rect(px, x0, y0, x1, y1, filled=False):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            if filled or x in (x0, x1) or y in (y0, y1):
                px.add((x, y))


def disc(px, cx, cy, r, ring=None):
    for y in range(cy - r, cy + r + 1):
        for x in range(cx - r, cx + r + 1):
            d2 = (x - cx) ** 2 + (y - cy) ** 2
            if d2 <= r * r and (ring is None or d2 >= (r - ring) ** 2):
                px.add((x, y))


def line(px, x0, y0, x1, y1, width=1):
    steps = max(abs(x1 - x0), abs(y1 - y0))
    for i in range(steps + 1):
        x = x0 + (x1 - x0) * i // steps
        y = y0 + (y1 - y0) * i // steps
        for w in range(width):
            px.add((x + w, y))


UP, DOWN, LEFT, RIGHT = (0, -1), (0, 1), (-1, 0), (1, 0)
C = 15  # the centre of the scroll cursors


def scroll(directions):
    def draw(px):
        disc(px, C, C, 2)
        for dx, dy in directions:
            triangle(px, (C + dx * 12, C + dy * 12), (dx, dy), 5)
    return draw, (C, C)


def pointer_with(extra):
    def draw(px):
        arrow_pointer(px)
        extra(px)
    return draw, (1, 1)


def drag_box(px):
    rect(px, 14, 20, 24, 28)


def drag_copy(px):
    drag_box(px)
    line(px, 19, 22, 19, 26)
    line(px, 17, 24, 21, 24)


def multi_drag(px):
    rect(px, 16, 18, 26, 25)
    rect(px, 13, 22, 23, 29, filled=True)


def remove(px):
    line(px, 16, 18, 26, 28, 2)
    line(px, 26, 18, 16, 28, 2)


def no_drop():
    def draw(px):
        disc(px, C, C, 11, ring=3)
        for i in range(-7, 8):
            px.update({(C + i, C + i), (C + i + 1, C + i), (C + i, C + i + 1)})
    return draw, (C, C)


def size_cursor(vertical):
    def draw(px):
        if vertical:
            triangle(px, (C, C - 12), UP, 5)
            triangle(px, (C, C + 12), DOWN, 5)
            line(px, C, C - 8, C, C + 8)
            rect(px, C - 8, C - 1, C + 8, C, filled=True)
        else:
            triangle(px, (C - 12, C), LEFT, 5)
            triangle(px, (C + 12, C), RIGHT, 5)
            rect(px, C - 8, C, C + 8, C, filled=True)
            rect(px, C - 1, C - 8, C, C + 8, filled=True)
    return draw, (C, C)


def color_picker():
    def draw(px):
        line(px, 2, 29, 20, 11, 2)
        disc(px, 24, 7, 5)
    return draw, (2, 29)


def mouse_wheel():
    """A mouse seen from above, its wheel between the buttons, with arrows up and down."""
    def draw(px):
        rect(px, 10, 8, 20, 24)
        line(px, 10, 14, 20, 14)
        line(px, 15, 8, 15, 14)
        rect(px, 14, 10, 16, 12, filled=True)
        triangle(px, (C, 2), UP, 4)
        triangle(px, (C, 29), DOWN, 4)
    return draw, (C, C)


CURSORS = {
    "cx_dragcopy": pointer_with(drag_copy),
    "cx_fullscroll": scroll([UP, DOWN, LEFT, RIGHT]),
    "cx_horscroll": scroll([LEFT, RIGHT]),
    "cx_verscroll": scroll([UP, DOWN]),
    "cx_upscroll": scroll([UP]),
    "cx_rightscroll": scroll([RIGHT]),
    "cx_downscroll": scroll([DOWN]),
    "cx_leftscroll": scroll([LEFT]),
    "cx_remove": pointer_with(remove),
    "cx_vertsize": size_cursor(True),
    "cx_horzsize": size_cursor(False),
    "cx_multidrag": pointer_with(multi_drag),
    "cx_nodrop": no_drop(),
    "cx_drag": pointer_with(drag_box),
    "cx_colorpicker": color_picker(),
    "cxedit_mousewheel": mouse_wheel(),
}


def cur_file(black, hotspot):
    """One 1-bit image: XOR mask white where outlined, AND mask clear on the shape."""
    black = {(x, y) for x, y in black if 0 < x < N - 1 and 0 < y < N - 1}
    white = {(x + dx, y + dy) for x, y in black for dx in (-1, 0, 1) for dy in (-1, 0, 1)} - black
    row_bytes = N // 8
    xor, mask = bytearray(), bytearray()
    for y in reversed(range(N)):  # bottom-up rows
        for byte in range(row_bytes):
            xb = ab = 0
            for bit in range(8):
                p = (byte * 8 + bit, y)
                xb |= (p in white) << (7 - bit)
                ab |= (p not in black and p not in white) << (7 - bit)
            xor.append(xb)
            mask.append(ab)
    header = struct.pack("<IiiHHIIiiII", 40, N, 2 * N, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", N, N, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + image


def main():
    folder = os.path.join(os.path.dirname(__file__), "..", "resources", "foundation")
    for name, (draw, hotspot) in CURSORS.items():
        px = set()
        draw(px)
        with open(os.path.join(folder, name + ".cur"), "wb") as f:
            f.write(cur_file(px, hotspot))


if __name__ == "__main__":
    main()
