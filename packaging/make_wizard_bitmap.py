#!/usr/bin/env python3
"""Draws the picture on the left of the installer's welcome and finish pages.

    make_wizard_bitmap.py ICON OUTPUT

Takes the largest image of the program's icon (ICON, an .ico file with
bitmap images), doubles it pixel for pixel (the icon is pixel art) and puts
it near the top of a 164 by 314 pixel panel, the size those pages show,
written as a 24-bit BMP.
"""
import struct
import sys

WIDTH, HEIGHT = 164, 314
BACKGROUND = (0xFF, 0xFF, 0xFF)  # white, as the page beside it
SCALE, TOP = 2, 48


def largest_image(ico):
    _, kind, count = struct.unpack_from("<HHH", ico, 0)
    if kind != 1:
        raise ValueError("not an icon file")
    entries = [struct.unpack_from("<BBBBHHII", ico, 6 + 16 * i) for i in range(count)]
    width, _, _, _, _, _, size, offset = max(entries, key=lambda e: e[0] or 256)
    return ico[offset:offset + size]


def pixels(dib):
    """Rows top to bottom of (blue, green, red) or None where transparent."""
    header, width, height2, _, bits = struct.unpack_from("<IiiHH", dib, 0)
    height = height2 // 2  # the colour image, then the mask
    colours = 1 << bits if bits <= 8 else 0
    palette = [dib[header + 4 * i:header + 4 * i + 3] for i in range(colours)]
    data = header + 4 * colours
    stride = (width * bits + 31) // 32 * 4
    mask_stride = (width + 31) // 32 * 4
    mask = data + stride * height
    rows = []
    for y in range(height - 1, -1, -1):  # stored bottom-up
        row = []
        for x in range(width):
            if bits == 32:
                b, g, r, a = dib[data + y * stride + 4 * x:data + y * stride + 4 * x + 4]
                row.append((b, g, r) if a >= 128 else None)
                continue
            bit = x * bits
            index = dib[data + y * stride + bit // 8] >> (8 - bits - bit % 8) & (1 << bits) - 1
            transparent = dib[mask + y * mask_stride + x // 8] >> (7 - x % 8) & 1
            row.append(None if transparent else tuple(palette[index]))
        rows.append(row)
    return rows


def main(icon_path, output_path):
    with open(icon_path, "rb") as f:
        image = pixels(largest_image(f.read()))
    canvas = [[BACKGROUND] * WIDTH for _ in range(HEIGHT)]
    left = (WIDTH - SCALE * len(image[0])) // 2
    for y, row in enumerate(image):
        for x, colour in enumerate(row):
            for dy in range(SCALE):
                for dx in range(SCALE):
                    if colour:
                        canvas[TOP + SCALE * y + dy][left + SCALE * x + dx] = colour
    stride = (WIDTH * 3 + 3) // 4 * 4
    body = b"".join(bytes(c for pixel in row for c in pixel).ljust(stride, b"\0") for row in reversed(canvas))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(output_path, "wb") as f:
        f.write(header + info + body)


if __name__ == "__main__":
    main(*sys.argv[1:])
