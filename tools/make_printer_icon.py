#!/usr/bin/env python3
"""Draws the program's icon, a printer, and writes it as a Windows .ico file
with a 32x32 and a 16x16 image of 16 colours (4 bits per pixel).

    python3 tools/make_printer_icon.py res/printer.ico

The output is committed; run this again only to change the picture.
"""

import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, SILVER, GREY, LIME, BLUE, WHITE = 0, 4, 7, 8, 10, 12, 15
CLEAR = None  # transparent


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def fill(self, left, top, right, bottom, colour):
        """Fills the rectangle with both corners included."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.pixels[y][x] = colour

    def box(self, left, top, right, bottom, fill, edge=BLACK):
        self.fill(left, top, right, bottom, edge)
        self.fill(left + 1, top + 1, right - 1, bottom - 1, fill)

    def hline(self, left, right, y, colour):
        self.fill(left, y, right, y, colour)


def draw_large():
    c = Canvas(32)
    # Sheet waiting in the feeder, behind the body.
    c.box(9, 1, 22, 13, WHITE)
    for y in (4, 6, 8, 10):
        c.hline(11, 20, y, GREY)
    # The body: a light top, a darker base, rounded corners left clear.
    c.box(2, 11, 29, 25, SILVER)
    c.fill(3, 21, 28, 24, GREY)
    c.hline(3, 28, 12, WHITE)
    for x, y in ((2, 11), (29, 11), (2, 25), (29, 25)):
        c.pixels[y][x] = CLEAR
    # Paper slot, control panel and its lamp.
    c.hline(6, 25, 15, BLACK)
    c.fill(22, 17, 27, 19, NAVY)
    c.fill(24, 18, 25, 18, LIME)
    # The printed page coming out at the front.
    c.box(7, 19, 20, 30, WHITE)
    for y in (22, 24, 26, 28):
        c.hline(9, 18 if y != 28 else 14, y, BLUE)
    return c


def draw_small():
    c = Canvas(16)
    c.box(4, 0, 11, 6, WHITE)
    c.hline(6, 9, 2, GREY)
    c.hline(6, 9, 4, GREY)
    c.box(1, 5, 14, 12, SILVER)
    c.fill(2, 10, 13, 11, GREY)
    c.hline(2, 13, 6, WHITE)
    for x, y in ((1, 5), (14, 5), (1, 12), (14, 12)):
        c.pixels[y][x] = CLEAR
    c.hline(3, 12, 7, BLACK)
    c.fill(11, 9, 12, 9, LIME)
    c.box(3, 9, 10, 15, WHITE)
    c.hline(5, 8, 11, BLUE)
    c.hline(5, 7, 13, BLUE)
    return c


def row_bytes(bits_per_row):
    return (bits_per_row + 31) // 32 * 4


def image_data(canvas):
    """A BITMAPINFOHEADER, the palette, the colour bits and the mask, rows
    bottom to top as the format wants them."""
    size = canvas.size
    colour_row = row_bytes(size * 4)
    mask_row = row_bytes(size)
    colour = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):
        line = bytearray(colour_row)
        bits = bytearray(mask_row)
        for x in range(size):
            p = canvas.pixels[y][x]
            index = 0 if p is CLEAR else p
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if p is CLEAR:
                bits[x // 8] |= 0x80 >> (x % 8)
        colour += line
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0,
                         len(colour) + len(mask), 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    return header + palette + bytes(colour) + bytes(mask)


def write_icon(path, canvases):
    images = [image_data(c) for c in canvases]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for canvas, data in zip(canvases, images):
        out += struct.pack('<BBBBHHII', canvas.size, canvas.size, 16, 0, 1, 4,
                           len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit('usage: make_printer_icon.py OUTPUT.ico')
    write_icon(sys.argv[1], [draw_large(), draw_small()])
