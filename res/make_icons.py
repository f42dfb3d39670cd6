#!/usr/bin/env python3
"""Draws the program's two icons as 16-colour .ico files.

app.ico (resource 128): the bar itself, a raised grey strip with a clock
face beside three launcher buttons; 32x32 and 16x16 images.
button.ico (resource 136): the icon a button shows when its target gives
none, a plain program window; 32x32, and 48x48 and 64x64 for scaled
screens.

Run it from anywhere: python3 res/make_icons.py
"""
import os
import struct

# The standard 16-colour palette, as (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)
CLEAR = None


class Canvas:
    def __init__(self, size):
        self.size = size
        self.px = [[CLEAR] * size for _ in range(size)]

    def rect(self, x0, y0, x1, y1, colour):
        """Fills x0..x1, y0..y1 inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.px[y][x] = colour

    def raised(self, x0, y0, x1, y1, face):
        self.rect(x0, y0, x1, y1, face)
        self.rect(x0, y0, x1, y0, WHITE)
        self.rect(x0, y0, x0, y1, WHITE)
        self.rect(x0, y1, x1, y1, BLACK)
        self.rect(x1, y0, x1, y1, BLACK)

    def ico_image(self):
        n = self.size
        header = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 4, 0, 0, 0, 0, 16, 0)
        palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
        xor = bytearray()
        mask = bytearray()
        for y in reversed(range(n)):
            row = [c if c is not None else BLACK for c in self.px[y]]
            for x in range(0, n, 2):
                xor.append((row[x] << 4) | row[x + 1])
            xor.extend(b'\0' * ((-len(row) // 2) % 4))
            bits = 0
            mrow = bytearray()
            for x in range(n):
                bits = (bits << 1) | (1 if self.px[y][x] is None else 0)
                if x % 8 == 7:
                    mrow.append(bits)
                    bits = 0
            mrow.extend(b'\0' * ((-len(mrow)) % 4))
            mask.extend(mrow)
        return header + palette + bytes(xor) + bytes(mask)


def write_ico(path, canvases):
    images = [c.ico_image() for c in canvases]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        out += struct.pack('<BBBBHHII', c.size % 256, c.size % 256, 16, 0, 1, 4,
                           len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


def clock(c, cx, cy, r):
    for y in range(cy - r, cy + r + 1):
        for x in range(cx - r, cx + r + 1):
            d = (x - cx) ** 2 + (y - cy) ** 2
            if d <= r * r:
                c.px[y][x] = NAVY if d > (r - 1.2) ** 2 else WHITE
    c.rect(cx, cy - r + 2, cx, cy, BLACK)          # minute hand
    c.rect(cx, cy, cx + r - 2, cy, BLACK)          # hour hand


def app_icon(size):
    c = Canvas(size)
    if size == 32:
        c.raised(0, 6, 31, 25, SILVER)             # the bar
        c.raised(1, 7, 12, 24, SILVER)             # its clock strip
        clock(c, 6, 15, 4)
        for i, face in enumerate((RED, LIME, BLUE)):
            x = 13 + i * 6
            c.raised(x, 10, x + 5, 21, SILVER)
            c.rect(x + 2, 13, x + 3, 18, face)
    else:
        c.raised(0, 3, 15, 12, SILVER)
        c.rect(2, 5, 5, 10, NAVY)
        c.rect(3, 6, 4, 9, WHITE)
        for i, face in enumerate((RED, LIME, BLUE)):
            c.rect(7 + i * 3, 6, 8 + i * 3, 9, face)
    return c


def button_icon(size=32):
    c = Canvas(size)
    k = size / 32

    def box(x0, y0, x1, y1, colour):
        """A rectangle of the 32-pixel drawing, scaled to this size."""
        c.rect(round(x0 * k), round(y0 * k), round((x1 + 1) * k) - 1,
               round((y1 + 1) * k) - 1, colour)

    box(3, 5, 28, 27, BLACK)                       # window outline
    box(4, 6, 27, 26, WHITE)
    box(4, 6, 27, 10, NAVY)                        # title bar
    box(24, 7, 26, 9, SILVER)                      # its close box
    box(7, 14, 24, 14, GREY)                       # lines of content
    box(7, 17, 20, 17, GREY)
    box(7, 20, 22, 20, GREY)
    box(7, 23, 16, 23, GREY)
    box(29, 7, 29, 28, GREY)                       # shadow
    box(5, 28, 29, 28, GREY)
    return c


if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    write_ico(os.path.join(here, 'app.ico'), [app_icon(32), app_icon(16)])
    write_ico(os.path.join(here, 'button.ico'),
              [button_icon(32), button_icon(48), button_icon(64)])
