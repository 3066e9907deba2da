#!/usr/bin/env python3
"""Draws the editor library's small bitmaps as 16-colour BMP files in
resources/foundation/: the Office11 look's submenu arrow (shaded so that its
red values spread; the program recolours it between two palette entries),
its 11x11 expand buttons with a minus and a plus, and the six 12x12 row
indicator glyphs on white, which the program leaves see-through."""

import os
import struct

# The 16 colours every bitmap shares; index 0 is the background.
PALETTE = [
    (255, 0, 255), (0, 0, 0), (64, 64, 64), (96, 96, 96), (128, 128, 128), (160, 160, 160),
    (192, 192, 192), (224, 224, 224), (255, 255, 255), (128, 0, 0), (0, 128, 0), (0, 0, 128),
    (128, 128, 0), (0, 128, 128), (128, 0, 128), (255, 0, 0),
]
BACK, BLACK, WHITE, FRAME = 0, 1, 8, 4


def submenu_expand():
    """A right-pointing arrow 4 wide and 7 high, lighter towards its tip."""
    w, h = 8, 8
    px = [[BACK] * w for _ in range(h)]
    shades = [2, 3, 5, 7]
    for col, shade in enumerate(shades):
        for row in range(col, 7 - col):
            px[row][2 + col] = shade
    return px


def expand_button(plus):
    """A framed white square with a black minus, or plus."""
    n = 11
    px = [[WHITE] * n for _ in range(n)]
    for i in range(n):
        px[0][i] = px[n - 1][i] = px[i][0] = px[i][n - 1] = FRAME
    for i in range(3, 8):
        px[5][i] = BLACK
        if plus:
            px[i][5] = BLACK
    return px


def glyph(rows):
    """A picture from text rows: '#' black, anything else white."""
    return [[BLACK if c == '#' else WHITE for c in row] for row in rows]


INDICATORS = {
    'cx_arrow.bmp': [
        '            ', '            ', '   #        ', '   ##       ', '   ###      ', '   ####     ',
        '   ####     ', '   ###      ', '   ##       ', '   #        ', '            ', '            '],
    'cx_edit.bmp': [
        '            ', '        ##  ', '       #  # ', '      #  #  ', '     #  #   ', '    #  #    ',
        '   #  #     ', '  #  #      ', '  ###       ', '  ##        ', '            ', '            '],
    'cx_insert.bmp': [
        '            ', '            ', '     ##     ', '  #  ##  #  ', '   ######   ', '    ####    ',
        '   ######   ', '  #  ##  #  ', '     ##     ', '            ', '            ', '            '],
    'cx_multidot.bmp': [
        '            ', '            ', '            ', '            ', '     ##     ', '    ####    ',
        '    ####    ', '     ##     ', '            ', '            ', '            ', '            '],
    'cx_multiarrow.bmp': [
        '            ', '            ', ' #          ', ' ##         ', ' ###    ##  ', ' ####  #### ',
        ' ####  #### ', ' ###    ##  ', ' ##         ', ' #          ', '            ', '            '],
    'cx_filter.bmp': [
        '            ', ' ########## ', '  ########  ', '   ######   ', '    ####    ', '     ##     ',
        '     ##     ', '     ##     ', '     ##     ', '     ##     ', '            ', '            '],
}


def bmp(px):
    """A 4-bit BMP file: file header, BITMAPINFOHEADER, palette, rows bottom-up."""
    h, w = len(px), len(px[0])
    row_size = ((w * 4 + 31) // 32) * 4
    rows = b''
    for row in reversed(px):
        data = bytearray(row_size)
        for x, index in enumerate(row):
            data[x // 2] |= index << (4 if x % 2 == 0 else 0)
        rows += bytes(data)
    palette = b''.join(bytes((b, g, r, 0)) for (r, g, b) in PALETTE)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 4, 0, len(rows), 0, 0, 16, 16)
    offset = 14 + len(info) + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(rows), 0, 0, offset)
    return header + info + palette + rows


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources', 'foundation')
    os.makedirs(out, exist_ok=True)
    for name, px in (('dxsubmenuexpand.bmp', submenu_expand()),
                     ('dxexpandbutton_minus.bmp', expand_button(False)),
                     ('dxexpandbutton_plus.bmp', expand_button(True)),
                     *((name, glyph(rows)) for name, rows in INDICATORS.items())):
        with open(os.path.join(out, name), 'wb') as f:
            f.write(bmp(px))


if __name__ == '__main__':
    main()
