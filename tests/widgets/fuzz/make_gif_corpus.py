#!/usr/bin/env python3
"""Writes the seed files of the movie_playback fuzz target.

Small animated GIFs in one colour per frame, with a four-colour global table
and an LZW stream that sends a clear code every two pixels (the code width
stays three bits), plus damaged variants. Run from this folder:
    python3 make_gif_corpus.py
"""
import os
import struct

PALETTE = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)]


def lzw(pixels, index):
    clear, end, width = 4, 5, 3
    codes = []
    for i in range(pixels):
        if i % 2 == 0:
            codes.append(clear)
        codes.append(index)
    codes.append(end)
    out, buffer, count = bytearray(), 0, 0
    for code in codes:
        buffer |= code << count
        count += width
        while count >= 8:
            out.append(buffer & 0xFF)
            buffer >>= 8
            count -= 8
    if count:
        out.append(buffer & 0xFF)
    data = bytearray([2])
    for at in range(0, len(out), 255):
        block = out[at:at + 255]
        data.append(len(block))
        data += block
    data.append(0)
    return bytes(data)


def gif(width, height, frames):
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height, 0x91, 0, 0)
    for colour in PALETTE:
        out += bytes(colour)
    out += b"\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00"
    for index, delay in frames:
        out += b"\x21\xf9\x04\x00" + struct.pack("<H", delay) + b"\x00\x00"
        out += b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0)
        out += lzw(width * height, index)
    out += b"\x3b"
    return bytes(out)


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "movie_playback", "corpus")
    os.makedirs(folder, exist_ok=True)
    three = gif(8, 6, [(0, 2), (1, 3), (2, 4)])
    seeds = {
        "three-frames.gif": three,
        "one-frame.gif": gif(5, 5, [(3, 10)]),
        "zero-delay.gif": gif(4, 4, [(0, 0), (1, 0)]),
        "cut-in-last-frame.gif": three[:-8],
        "header-only.gif": three[:13],
        "not-a-picture.txt": b"this is no animation at all\n",
    }
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
