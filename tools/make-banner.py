#!/usr/bin/env python3
"""Draws the tools window's banner, a three-frame animated GIF of the maker's
products along its foot, and writes it as the hex block of the banner's
Image.Data (a 32-bit byte count, then the GIF) to resources/toolsbanner.hex
and into the tools window's description, resources/tools.form.

Screen 444 x 33 with a 64-entry global table; a loop block repeating without
end; three frames shown 4 s each, kept in place (disposal 1), entry 49 see-
through. Entry 49 is money green, the colour of the panel behind the banner,
and no other entry has that colour, so nothing else turns see-through."""

import os
import struct

WIDTH, HEIGHT = 444, 33
TRANSPARENT = 49
MONEY_GREEN = (0xC0, 0xDC, 0xC0)
DELAY = 400          # hundredths of a second
DISPOSAL_KEEP = 1
MIN_CODE_SIZE = 6    # 64 colours

# A 5 x 7 font for the letters the banner uses: one string a row, '#' is ink.
FONT = {
    'A': [" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    'C': [" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "],
    'D': ["#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "],
    'E': ["#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"],
    'I': [" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "],
    'L': ["#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"],
    'M': ["#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"],
    'N': ["#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"],
    'O': [" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    'P': ["#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "],
    'R': ["#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"],
    'S': [" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "],
    'T': ["#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "],
    'U': ["#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    'V': ["#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "],
    'W': ["#   #", "#   #", "#   #", "# # #", "# # #", "## ##", "#   #"],
    'X': ["#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"],
    '.': ["     ", "     ", "     ", "     ", "     ", " ##  ", " ##  "],
    '2': [" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"],
    '3': ["#### ", "    #", "    #", " ### ", "    #", "    #", "#### "],
    '7': ["#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "],
    ' ': ["     "] * 7,
}


def palette():
    """64 entries: a teal ramp, a gold ramp, white, money green, ink and red."""
    table = []
    for i in range(24):                      # 0..23 deep teal to pale teal
        table.append((10 + i * 8, 70 + i * 7, 90 + i * 6))
    for i in range(24):                      # 24..47 brown to gold
        table.append((120 + i * 5, 60 + i * 7, 10 + i * 2))
    table.append((255, 255, 255))            # 48 white
    table.append(MONEY_GREEN)                # 49 see-through
    for i in range(7):                       # 50..56 ink greys
        table.append((20 + i * 12, 30 + i * 12, 30 + i * 12))
    for i in range(7):                       # 57..63 reds
        table.append((150 + i * 15, 20 + i * 6, 20 + i * 6))
    assert len(table) == 64
    assert table.count(MONEY_GREEN) == 1 and table[TRANSPARENT] == MONEY_GREEN
    return table


INK, WHITE, RED = 50, 48, 60


def text_width(text, scale):
    return len(text) * 6 * scale - scale


def draw_text(px, width, x0, y0, text, colour, scale):
    for n, ch in enumerate(text):
        for row, line in enumerate(FONT[ch]):
            for col, cell in enumerate(line):
                if cell != '#':
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        x = x0 + (n * 6 + col) * scale + dx
                        y = y0 + row * scale + dy
                        if 0 <= x < width and 0 <= y < len(px) // width:
                            px[y * width + x] = colour


def band(width, height, first, count, text, colour):
    """A ramp band with rounded (see-through) corners and centred text."""
    px = [first + min(count - 1, x * count // width) for x in range(width)] * height
    for (cx, cy) in ((0, 0), (1, 0), (0, 1), (width - 1, 0), (width - 2, 0), (width - 1, 1),
                     (0, height - 1), (1, height - 1), (0, height - 2),
                     (width - 1, height - 1), (width - 2, height - 1), (width - 1, height - 2)):
        px[cy * width + cx] = TRANSPARENT
    scale = 2
    draw_text(px, width, (width - text_width(text, scale)) // 2, (height - 7 * scale) // 2, text, colour, scale)
    return px


def frames():
    """(left, top, width, height, indices) of each frame."""
    # Frame 0: the whole screen see-through but for a frame line and a title.
    first = [TRANSPARENT] * (WIDTH * HEIGHT)
    for x in range(WIDTH):
        first[x] = first[(HEIGHT - 1) * WIDTH + x] = 5
    for y in range(HEIGHT):
        first[y * WIDTH] = first[y * WIDTH + WIDTH - 1] = 5
    title = "OLVANE VOICE CALCULATOR"
    draw_text(first, WIDTH, (WIDTH - text_width(title, 2)) // 2, 10, title, INK, 2)
    return [
        (0, 0, WIDTH, HEIGHT, first),
        (11, 8, 420, 19, band(420, 19, 0, 24, "TESSROW 2.37 DATE TOOLS", WHITE)),
        (11, 7, 417, 20, band(417, 20, 24, 24, "WWW.OLVANE.EXAMPLE", RED)),
    ]


def lzw(indices, min_code_size):
    """GIF's variable-width LZW, least significant bit first, starting with a clear code."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, acc, bits = bytearray(), 0, 0
    width = min_code_size + 1

    def put(code):
        nonlocal acc, bits
        acc |= code << bits
        bits += width
        while bits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            bits -= 8

    def reset():
        return {(i,): i for i in range(clear)}, end + 1

    table, next_code = reset()
    put(clear)
    run = (indices[0],)
    for index in indices[1:]:
        longer = run + (index,)
        if longer in table:
            run = longer
            continue
        put(table[run])
        if next_code < 4096:
            table[longer] = next_code
            # The decoder widens its codes once the code it is about to make needs it.
            if next_code == (1 << width) and width < 12:
                width += 1
            next_code += 1
        else:
            put(clear)
            table, next_code = reset()
            width = min_code_size + 1
        run = (index,)
    put(table[run])
    # The decoder adds one more entry on that last code and may widen for the end code.
    if next_code == (1 << width) and width < 12:
        width += 1
    put(end)
    if bits:
        out.append(acc & 0xFF)
    return bytes(out)


def sub_blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out += bytes((len(chunk),)) + chunk
    return bytes(out + b'\0')


def gif():
    table = palette()
    out = bytearray(b'GIF89a')
    # Logical screen descriptor: global table, colour resolution 6, 2^6 entries.
    out += struct.pack('<HHBBB', WIDTH, HEIGHT, 0x80 | (6 - 1) << 4 | (MIN_CODE_SIZE - 1), 0, 0)
    # Global colour table.
    out += b''.join(bytes(c) for c in table)
    # Application extension: repeat without end.
    out += b'\x21\xff\x0bNETSCAPE2.0\x03\x01' + struct.pack('<H', 0) + b'\0'
    for left, top, w, h, px in frames():
        assert len(px) == w * h and TRANSPARENT in px
        # Graphic control extension: disposal, delay, transparent flag and index.
        out += b'\x21\xf9\x04' + struct.pack('<BHB', DISPOSAL_KEEP << 2 | 1, DELAY, TRANSPARENT) + b'\0'
        # Image descriptor, no local table, then the image data.
        out += b'\x2c' + struct.pack('<HHHHB', left, top, w, h, 0)
        out += bytes((MIN_CODE_SIZE,)) + sub_blocks(lzw(px, MIN_CODE_SIZE))
    out += b'\x3b'    # trailer
    return bytes(out)


def main():
    data = gif()
    block = struct.pack('<I', len(data)) + data
    lines = [block[i:i + 32].hex().upper() for i in range(0, len(block), 32)]
    here = os.path.dirname(os.path.abspath(__file__))
    path = os.path.join(here, '..', 'resources', 'toolsbanner.hex')
    with open(path, 'w') as f:
        f.write('\n'.join(lines) + '\n')
    print(f'{os.path.normpath(path)}: {len(data)} bytes of GIF')
    # The tools window's description holds the same block as the banner's Image.Data.
    form = os.path.join(here, '..', 'resources', 'tools.form')
    with open(form, encoding='utf-8') as f:
        text = f.read()
    head, rest = text.split('Image.Data = {\n', 1)
    indent = head[head.rindex('\n') + 1:]
    tail = rest[rest.index(indent + '}\n'):]
    with open(form, 'w', encoding='utf-8') as f:
        f.write(head + 'Image.Data = {\n' + ''.join(indent + '  ' + line + '\n' for line in lines) + tail)


if __name__ == '__main__':
    main()
