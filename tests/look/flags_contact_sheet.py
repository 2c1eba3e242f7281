#!/usr/bin/env python3
"""Writes a contact sheet of the shipped flags as a PNG, to look at (not a test that runs by itself).

    tests/look/flags_contact_sheet.py KOLBRIN_DATA OUT.png [--scale N] [--source DATA_DIR]

Builds the data folder with `KOLBRIN_DATA build-data` into a temporary folder, reads every flags/<CODE>.bmp
(24-bit, bottom-up rows) and lays them out in a grid, each enlarged N times (4 by default) with its code
below it and shown once more at its real size beside it, so both the drawing and what a list row shows can
be judged. Only the standard library is used.
"""
import argparse
import os
import struct
import subprocess
import sys
import tempfile
import zlib

# A 3 x 5 pixel font for the codes: capital letters and digits.
GLYPHS = {
    "A": "010101111101101", "B": "110101110101110", "C": "011100100100011", "D": "110101101101110",
    "E": "111100110100111", "F": "111100110100100", "G": "011100101101011", "H": "101101111101101",
    "I": "111010010010111", "J": "001001001101010", "K": "101101110101101", "L": "100100100100111",
    "M": "101111111101101", "N": "110101101101101", "O": "010101101101010", "P": "110101110100100",
    "Q": "010101101110011", "R": "110101110101101", "S": "011100010001110", "T": "111010010010010",
    "U": "101101101101111", "V": "101101101101010", "W": "101101111111101", "X": "101101010101101",
    "Y": "101101010010010", "Z": "111001010100111",
}


def read_bmp(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        raise ValueError(path + " is no BMP")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    bpp = struct.unpack_from("<H", data, 28)[0]
    if bpp != 24:
        raise ValueError(path + " is not 24 bits per pixel")
    row = (width * 3 + 3) & ~3
    pixels = []
    for y in range(height):
        base = offset + (height - 1 - y) * row
        pixels.append([(data[base + 3 * x + 2], data[base + 3 * x + 1], data[base + 3 * x]) for x in range(width)])
    return width, height, pixels


def write_png(path, width, height, rows):
    raw = b"".join(b"\x00" + bytes(v for px in r for v in px) for r in rows)

    def chunk(kind, body):
        c = struct.pack(">I", len(body)) + kind + body
        return c + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("tool")
    ap.add_argument("out")
    ap.add_argument("--scale", type=int, default=4)
    ap.add_argument("--source", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data"))
    args = ap.parse_args()

    with tempfile.TemporaryDirectory() as tmp:
        subprocess.run([args.tool, "build-data", tmp, "--source", args.source], check=True, stdout=subprocess.DEVNULL)
        folder = os.path.join(tmp, "flags")
        flags = [(name[:-4], read_bmp(os.path.join(folder, name))) for name in sorted(os.listdir(folder))
                 if name.endswith(".bmp")]
    if not flags:
        sys.exit("no flags were built")

    s = args.scale
    fw, fh = flags[0][1][0], flags[0][1][1]
    cell_w, cell_h = fw * s + fw + 24, fh * s + 5 * 3 + 14
    cols = 6
    rows_n = (len(flags) + cols - 1) // cols
    width, height = cols * cell_w + 8, rows_n * cell_h + 8
    grey = (200, 200, 200)
    canvas = [[grey] * width for _ in range(height)]

    for n, (code, (w, h, px)) in enumerate(flags):
        ox, oy = 8 + (n % cols) * cell_w, 8 + (n // cols) * cell_h
        for y in range(h * s):
            line = canvas[oy + y]
            src = px[y // s]
            for x in range(w * s):
                line[ox + x] = src[x // s]
        # The real size, beside the enlargement.
        rx = ox + w * s + 6
        for y in range(h):
            for x in range(w):
                canvas[oy + y][rx + x] = px[y][x]
        # The code below, three times the font's size.
        tx, ty = ox, oy + h * s + 4
        for ch in code:
            glyph = GLYPHS.get(ch)
            if glyph:
                for gy in range(5):
                    for gx in range(3):
                        if glyph[gy * 3 + gx] == "1":
                            for dy in range(3):
                                for dx in range(3):
                                    canvas[ty + gy * 3 + dy][tx + gx * 3 + dx] = (0, 0, 0)
            tx += 12
    write_png(args.out, width, height, canvas)
    print(f"{len(flags)} flags written to {args.out}")


if __name__ == "__main__":
    main()
