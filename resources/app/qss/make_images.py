#!/usr/bin/env python3
"""Draws the small images of the dark style sheet into psblack/.

Run from any folder; the output is the same on every run. Images are drawn
at twice their display size, so they stay sharp on high-density screens; the
style sheet gives their display size.
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "psblack")
SUB = 4  # subsamples per pixel side


def write_png(path, size, pixels):
    width, height = size
    rows = b"".join(b"\x00" + bytes(pixels[y * width * 4:(y + 1) * width * 4]) for y in range(height))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(rows, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def render(size, colour, inside):
    """Anti-aliased image: coverage of inside(x, y) over SUB x SUB samples."""
    width, height = size
    pixels = []
    for y in range(height):
        for x in range(width):
            hits = 0
            for sy in range(SUB):
                for sx in range(SUB):
                    if inside(x + (sx + 0.5) / SUB, y + (sy + 0.5) / SUB):
                        hits += 1
            alpha = round(255 * hits / (SUB * SUB))
            pixels += [colour[0], colour[1], colour[2], alpha]
    return pixels


def triangle(a, b, c):
    def edge(p, q, x, y):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    def inside(x, y):
        d1, d2, d3 = edge(a, b, x, y), edge(b, c, x, y), edge(c, a, x, y)
        return (d1 >= 0 and d2 >= 0 and d3 >= 0) or (d1 <= 0 and d2 <= 0 and d3 <= 0)

    return inside


def stroke(points, half_width):
    def near_segment(p, q, x, y):
        px, py = q[0] - p[0], q[1] - p[1]
        t = max(0.0, min(1.0, ((x - p[0]) * px + (y - p[1]) * py) / (px * px + py * py)))
        return math.hypot(x - (p[0] + t * px), y - (p[1] + t * py)) <= half_width

    def inside(x, y):
        return any(near_segment(points[i], points[i + 1], x, y) for i in range(len(points) - 1))

    return inside


LIGHT = (0xC8, 0xC8, 0xC8)
DIM = (0x6A, 0x6A, 0x6A)


def main():
    os.makedirs(OUT, exist_ok=True)
    arrows = {
        "arrow_down": triangle((4, 7), (16, 7), (10, 14)),
        "arrow_up": triangle((4, 13), (16, 13), (10, 6)),
        "arrow_right": triangle((7, 4), (7, 16), (14, 10)),
    }
    for name, shape in arrows.items():
        write_png(os.path.join(OUT, name + ".png"), (20, 20), render((20, 20), LIGHT, shape))
        write_png(os.path.join(OUT, name + "_disabled.png"), (20, 20), render((20, 20), DIM, shape))
    check = stroke([(5, 12.5), (10, 17.5), (19, 6.5)], 1.6)
    write_png(os.path.join(OUT, "check.png"), (24, 24), render((24, 24), LIGHT, check))
    write_png(os.path.join(OUT, "check_disabled.png"), (24, 24), render((24, 24), DIM, check))


if __name__ == "__main__":
    main()
