#!/usr/bin/env python3
"""Draws the program's icon: a register of 4 x 4 bits, some set, on a dark tile.

Writes kzt_asm.svg and kzt_asm-<size>.png for the hicolor sizes. The PNGs are drawn
from the same geometry as the SVG, supersampled, so no SVG renderer is needed.
Run it from anywhere; it writes beside itself.
"""
import os
import struct
import zlib

SIZES = (16, 32, 48, 128, 256)
TILE = (0x1E, 0x3A, 0x5F)
BIT_SET = (0xF2, 0xB2, 0x33)
BIT_CLEAR = (0x2F, 0x5D, 0x8A)
# Bits of 0xA53C, most significant first, row by row.
PATTERN = [(0xA53C >> (15 - i)) & 1 for i in range(16)]
TILE_RADIUS = 40
CELL, GAP, MARGIN, CELL_RADIUS = 44, 12, 22, 6


def cells():
    for i, bit in enumerate(PATTERN):
        row, col = divmod(i, 4)
        x = MARGIN + col * (CELL + GAP)
        y = MARGIN + row * (CELL + GAP)
        yield x, y, BIT_SET if bit else BIT_CLEAR


def inside_rounded(px, py, x, y, w, h, r):
    if px < x or py < y or px >= x + w or py >= y + h:
        return False
    cx = min(max(px, x + r), x + w - r)
    cy = min(max(py, y + r), y + h - r)
    return (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def colour_at(px, py):
    for x, y, colour in cells():
        if inside_rounded(px, py, x, y, CELL, CELL, CELL_RADIUS):
            return colour + (255,)
    if inside_rounded(px, py, 0, 0, 256, 256, TILE_RADIUS):
        return TILE + (255,)
    return (0, 0, 0, 0)


def render(size, samples=4):
    scale = 256 / size
    rows = []
    for y in range(size):
        row = bytearray([0])
        for x in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_at((x + (sx + 0.5) / samples) * scale, (y + (sy + 0.5) / samples) * scale)
                    for k in range(3):
                        acc[k] += c[k] * c[3]
                    acc[3] += c[3]
            n = samples * samples
            alpha = acc[3] / n
            if alpha:
                row += bytes(round(acc[k] / acc[3]) for k in range(3)) + bytes([round(alpha)])
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return png(size, b"".join(rows))


def png(size, raw):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def svg():
    hexc = lambda c: "#%02X%02X%02X" % c
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">',
             f'  <rect width="256" height="256" rx="{TILE_RADIUS}" fill="{hexc(TILE)}"/>']
    for x, y, colour in cells():
        parts.append(f'  <rect x="{x}" y="{y}" width="{CELL}" height="{CELL}" rx="{CELL_RADIUS}" fill="{hexc(colour)}"/>')
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "kzt_asm.svg"), "w") as f:
        f.write(svg())
    for size in SIZES:
        with open(os.path.join(here, f"kzt_asm-{size}.png"), "wb") as f:
            f.write(render(size))
