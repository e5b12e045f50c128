#!/usr/bin/env python3
"""Draws the program's icon: icons/stridewell.svg and the PNG sizes beside it.

A stopwatch on a rounded square. The SVG and the PNGs come from the same
shapes, so they match; the PNGs are drawn by supersampling with nothing but
the standard library. Run it again after changing a shape; the files are
committed.
"""
import math
import os
import struct
import zlib

SIZES = (16, 24, 32, 48, 64, 128, 256)
HERE = os.path.dirname(os.path.abspath(__file__))

# Shapes on a 256 x 256 canvas, drawn in order.
BACKGROUND = (0x1f, 0x6f, 0x8b)
FACE = (0xf4, 0xf7, 0xf8)
MARK = (0xe8, 0x6a, 0x2c)
DARK = (0x17, 0x2a, 0x33)


def rounded_square(x, y):
    margin, radius = 16, 44
    dx = max(abs(x - 128) - (128 - margin - radius), 0)
    dy = max(abs(y - 128) - (128 - margin - radius), 0)
    return dx * dx + dy * dy <= radius * radius


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def segment(x0, y0, x1, y1, width):
    def inside(x, y):
        vx, vy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * vx + (y - y0) * vy) / (vx * vx + vy * vy)))
        px, py = x0 + t * vx, y0 + t * vy
        return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2
    return inside


def sector(cx, cy, r, start_deg, end_deg):
    # Clockwise from 12 o'clock.
    def inside(x, y):
        if (x - cx) ** 2 + (y - cy) ** 2 > r * r:
            return False
        angle = math.degrees(math.atan2(x - cx, cy - y)) % 360
        return start_deg <= angle <= end_deg
    return inside


SHAPES = [
    (rounded_square, BACKGROUND),
    (rect(112, 36, 144, 58), FACE),            # crown
    (circle(128, 146, 86), FACE),              # case
    (circle(128, 146, 72), DARK),              # dial
    (sector(128, 146, 64, 0, 120), MARK),      # the interval under way
    (segment(128, 146, 128, 92, 12), FACE),    # hand
    (circle(128, 146, 12), FACE),              # hub
]

SVG = """<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <rect x="16" y="16" width="224" height="224" rx="44" fill="#1f6f8b"/>
  <rect x="112" y="36" width="32" height="22" fill="#f4f7f8"/>
  <circle cx="128" cy="146" r="86" fill="#f4f7f8"/>
  <circle cx="128" cy="146" r="72" fill="#172a33"/>
  <path d="M128 146 L128 82 A64 64 0 0 1 183.43 178 Z" fill="#e86a2c"/>
  <line x1="128" y1="146" x2="128" y2="92" stroke="#f4f7f8" stroke-width="12" stroke-linecap="round"/>
  <circle cx="128" cy="146" r="12" fill="#f4f7f8"/>
</svg>
"""


def render(size, samples=4):
    rows = []
    scale = 256 / size
    for py in range(size):
        row = bytearray([0])
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * scale
                    y = (py + (sy + 0.5) / samples) * scale
                    colour = None
                    for inside, fill in SHAPES:
                        if inside(x, y):
                            colour = fill
                    if colour:
                        r += colour[0]
                        g += colour[1]
                        b += colour[2]
                        a += 1
            n = samples * samples
            if a:
                row += bytes((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return b"".join(rows)


def png(size, pixels):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(pixels, 9)) + chunk(b"IEND", b""))


def main():
    with open(os.path.join(HERE, "icons", "stridewell.svg"), "w") as out:
        out.write(SVG)
    for size in SIZES:
        folder = os.path.join(HERE, "icons", f"{size}x{size}")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "stridewell.png"), "wb") as out:
            out.write(png(size, render(size)))


if __name__ == "__main__":
    main()
