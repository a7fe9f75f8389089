#!/usr/bin/env python3
"""Draws the tool-box arrows data/Icon_ex.png (18 x 14, pointing down) and
data/Icon_ret.png (14 x 18, pointing right): grey triangles, antialiased by
8 x 8 supersampling, on a transparent background. Run from this folder;
the output is the same on every run."""

import struct
import zlib

GREY = (160, 160, 160)
SAMPLES = 8


def inside(px, py, tri):
    (ax, ay), (bx, by), (cx, cy) = tri
    d1 = (px - bx) * (ay - by) - (ax - bx) * (py - by)
    d2 = (px - cx) * (by - cy) - (bx - cx) * (py - cy)
    d3 = (px - ax) * (cy - ay) - (cx - ax) * (py - ay)
    neg = d1 < 0 or d2 < 0 or d3 < 0
    pos = d1 > 0 or d2 > 0 or d3 > 0
    return not (neg and pos)


def render(width, height, tri):
    rows = []
    for y in range(height):
        row = bytearray([0])  # PNG filter type: none
        for x in range(width):
            hits = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    if inside(x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES, tri):
                        hits += 1
            alpha = round(255 * hits / (SAMPLES * SAMPLES))
            row += bytes(GREY) + bytes([alpha])
        rows.append(bytes(row))
    return b"".join(rows)


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, width, height, tri):
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    data = zlib.compress(render(width, height, tri), 9)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", data) + chunk(b"IEND", b""))


# Drawn at twice the 9 px label size; one pixel of air on the long sides.
write_png("data/Icon_ex.png", 18, 14, ((1, 2), (17, 2), (9, 12)))
write_png("data/Icon_ret.png", 14, 18, ((2, 1), (2, 17), (12, 9)))
