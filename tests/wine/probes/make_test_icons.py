#!/usr/bin/env python3
"""Writes the 20 icons of the icon tests and the resource script naming them.

Icon k (0..19) holds a 32x32 and a 16x16 image, each one solid colour:
red 10*k+5, green 200 for the large image and 100 for the small one, blue 50.
So a test can tell which icon, and which of its two images, it was given.
sizes.ico holds images of 16, 32, 48 and 96 pixels, each one solid colour
with its side as red, green 90, blue 160: a test can tell which it was given.

usage: make_test_icons.py OUTPUT_DIR
"""
import os
import struct
import sys


def image(size, rgb):
    r, g, b = rgb
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = struct.pack('<BBBB', b, g, r, 255) * (size * size)
    mask_row = (size + 31) // 32 * 4
    return header + pixels + b'\0' * (mask_row * size)


def write_icon(path, k):
    write_images(path, [(32, image(32, (10 * k + 5, 200, 50))),
                        (16, image(16, (10 * k + 5, 100, 50)))])


def write_images(path, images):
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(data for _, data in images))


def main():
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    lines = []
    for k in range(20):
        name = 'icon%02d.ico' % k
        write_icon(os.path.join(out_dir, name), k)
        lines.append('%d ICON "%s"' % (101 + k, name))
    write_images(os.path.join(out_dir, 'sizes.ico'),
                 [(side, image(side, (side, 90, 160))) for side in (16, 32, 48, 96)])
    with open(os.path.join(out_dir, 'icons20.rc'), 'w') as f:
        f.write('\n'.join(lines) + '\n')


if __name__ == '__main__':
    main()
