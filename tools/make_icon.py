#!/usr/bin/env python3
"""Draws the installer's icon (a rounded teal tile with a white "K") and writes resources/korvel.ico.

The icon is generated rather than drawn by hand so that it can be rebuilt at any size from this file.
Usage: tools/make_icon.py [output.ico]
"""
import math
import struct
import sys

SIZES = (16, 24, 32, 48)
TILE = (0x1f, 0x8a, 0x8c)  # teal
MARK = (0xff, 0xff, 0xff)


def coverage(size, px, py):
    """Returns (tile alpha, mark alpha) in 0..1 for the pixel centre (px, py), supersampled 4x4."""
    tile = mark = 0.0
    radius = size * 0.22
    stroke = size * 0.13
    samples = 4
    for sy in range(samples):
        for sx in range(samples):
            x = (px + (sx + 0.5) / samples) / size
            y = (py + (sy + 0.5) / samples) / size
            # Rounded square with a small margin.
            m = 0.04
            cx = min(max(x, m + radius / size), 1 - m - radius / size)
            cy = min(max(y, m + radius / size), 1 - m - radius / size)
            inside = math.hypot(x - cx, y - cy) <= radius / size and m <= x <= 1 - m and m <= y <= 1 - m
            if not inside:
                continue
            tile += 1
            # The letter: a vertical stem and two diagonal arms meeting at its middle.
            s = stroke / size
            stem = 0.30 <= x <= 0.30 + s and 0.24 <= y <= 0.76
            def near_segment(ax, ay, bx, by):
                vx, vy = bx - ax, by - ay
                t = max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)))
                return math.hypot(x - (ax + t * vx), y - (ay + t * vy)) <= s / 2
            arms = near_segment(0.36, 0.52, 0.70, 0.26) or near_segment(0.42, 0.47, 0.71, 0.75)
            if stem or arms:
                mark += 1
    n = samples * samples
    return tile / n, mark / n


def render(size):
    """Bottom-up BGRA rows, as an icon's device-independent bitmap stores them."""
    rows = []
    for py in reversed(range(size)):
        row = bytearray()
        for px in range(size):
            tile, mark = coverage(size, px, py)
            if tile == 0:
                row += b"\0\0\0\0"
                continue
            share = mark / tile
            colour = [round(TILE[i] * (1 - share) + MARK[i] * share) for i in range(3)]
            row += bytes((colour[2], colour[1], colour[0], round(255 * tile)))
        rows.append(bytes(row))
    return b"".join(rows)


def icon_image(size):
    pixels = render(size)
    mask_stride = ((size + 31) // 32) * 4
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + mask_stride * size, 0, 0, 0, 0)
    return header + pixels + b"\0" * (mask_stride * size)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "resources/korvel.ico"
    images = [icon_image(s) for s in SIZES]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        dim = 0 if size >= 256 else size
        data += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    data += b"".join(images)
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
