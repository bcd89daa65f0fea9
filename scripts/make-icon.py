#!/usr/bin/env python3
"""Draws the program's icon and writes dialog/CorvalisConfig.ico.

One icon group of three images: 16x16 and 32x32 in 16 colours, 32x32 in 256 colours. The picture is a
ring open to the right (a "C") over a small slider bar, the settings of the add-in. Run it again after
changing the picture; the build uses the committed .ico file.
"""
import math
import struct
import sys
from pathlib import Path

# The standard 16-colour palette.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def picture(size):
    """Yields rows (top first) of pixels: None for transparent, else an (r, g, b) colour."""
    rows = []
    c = (size - 1) / 2
    outer, inner = size * 0.47, size * 0.27
    for y in range(size):
        row = []
        for x in range(size):
            dx, dy = x - c, y - c
            r = math.hypot(dx, dy)
            angle = math.degrees(math.atan2(-dy, dx))
            pixel = None
            if inner <= r <= outer and not -40 <= angle <= 40:
                shade = (r - inner) / (outer - inner)
                pixel = (0, int(90 + 60 * (1 - shade)), int(160 + 80 * (1 - shade)))
            bar_y = abs(dy) <= size * 0.06
            if bar_y and -size * 0.12 <= dx <= size * 0.45:
                pixel = (255, 255, 255) if abs(dx - size * 0.2) > size * 0.07 else (255, 192, 0)
            row.append(pixel)
        rows.append(row)
    return rows


def nearest(palette, colour):
    return min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], colour)))


def palette_256():
    palette = list(VGA)
    for r in range(6):
        for g in range(6):
            for b in range(6):
                palette.append((r * 51, g * 51, b * 51))
    while len(palette) < 256:
        grey = (len(palette) - 232) * 10 + 8
        palette.append((grey, grey, grey))
    return palette[:256]


def row_bytes(bits):
    return ((bits + 31) // 32) * 4


def image(size, bpp):
    palette = VGA if bpp == 4 else palette_256()
    rows = picture(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bpp, 0, 0, 0, 0, len(palette), 0)
    colours = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    xor, mask = b'', b''
    for row in reversed(rows):  # bottom-up
        indices = [0 if p is None else nearest(palette, p) for p in row]
        if bpp == 4:
            data = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, size, 2))
        else:
            data = bytes(indices)
        xor += data.ljust(row_bytes(size * bpp), b'\0')
        bits = 0
        packed = bytearray()
        for i, p in enumerate(row):
            bits = (bits << 1) | (1 if p is None else 0)
            if i % 8 == 7:
                packed.append(bits)
                bits = 0
        mask += bytes(packed).ljust(row_bytes(size), b'\0')
    return header + colours + xor + mask, len(palette)


def main():
    formats = [(16, 4), (32, 4), (32, 8)]
    images = [(size, bpp) + image(size, bpp) for size, bpp in formats]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bpp, data, colours in images:
        out += struct.pack('<BBBBHHII', size, size, colours if colours < 256 else 0, 0, 1, bpp, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, _, data, _ in images)
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / 'dialog' / 'CorvalisConfig.ico'
    target.write_bytes(out)


if __name__ == '__main__':
    main()
