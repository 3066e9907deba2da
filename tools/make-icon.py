#!/usr/bin/env python3
"""Draws the calculator's icon (a tape with lines and an equals sign on a teal
tile) at 16 and 32 pixels and writes it as resources/vostrel.ico."""

import os
import struct

TEAL = (0, 128, 128)
WHITE = (255, 255, 255)
INK = (40, 40, 40)
RED = (200, 30, 30)


def draw(size):
    """Rows top to bottom of (r, g, b, a) pixels."""
    s = size / 32.0
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), max(int(y1 * s), int(y0 * s) + 1)):
            for x in range(int(x0 * s), max(int(x1 * s), int(x0 * s) + 1)):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = colour + (255,)

    rect(1, 1, 31, 31, TEAL)            # the tile
    rect(7, 3, 25, 29, WHITE)           # the paper tape
    for y in (7, 11, 15):               # finished lines
        rect(10, y, 22, y + 2, INK)
    rect(10, 20, 22, 22, RED)           # the equals sign
    rect(10, 24, 22, 26, RED)
    return px


def dib(px):
    """An icon image: BITMAPINFOHEADER, BGRA rows bottom-up, then the AND mask."""
    size = len(px)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''.join(bytes((b, g, r, a)) for row in reversed(px) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    mask = b''
    for row in reversed(px):
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (mask_row * 8 - 1 - x)
        mask += bits.to_bytes(mask_row, 'big')
    return header + colour + mask


def main():
    images = [dib(draw(size)) for size in (16, 32)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((16, 32), images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    target = os.path.join(os.path.dirname(__file__), '..', 'resources', 'vostrel.ico')
    with open(target, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
