#!/usr/bin/env python3
"""Draws src/icons/app_icon.png: a teal tile with a register page and a tick.

Pure standard library (zlib + struct), 4x4 supersampling for smooth edges.
Run it again after changing the drawing; the PNG is committed.
"""
import os
import struct
import zlib

SIZE = 256
SS = 4
TEAL = (0x00, 0x89, 0x7B)
WHITE = (0xFF, 0xFF, 0xFF)
LINE = (0xB2, 0xDF, 0xDB)
TICK = (0x00, 0x69, 0x5C)


def inside_rounded_rect(x, y, x0, y0, x1, y1, r):
    if x < x0 or x > x1 or y < y0 or y > y1:
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def dist_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    qx, qy = ax + t * dx, ay + t * dy
    return ((px - qx) ** 2 + (py - qy) ** 2) ** 0.5


def sample(x, y):
    """Colour and coverage (0/1) of one subsample, painted back to front."""
    if not inside_rounded_rect(x, y, 8, 8, 248, 248, 48):
        return None
    colour = TEAL
    if inside_rounded_rect(x, y, 56, 40, 200, 216, 14):
        colour = WHITE
        for ly in (92, 124, 156, 188):
            if 76 <= x <= 180 and abs(y - ly) <= 4:
                colour = LINE
    if min(dist_to_segment(x, y, 92, 128, 122, 160), dist_to_segment(x, y, 122, 160, 178, 84)) <= 11:
        colour = TICK
    return colour


def render():
    rows = []
    for py in range(SIZE):
        row = bytearray([0])
        for px in range(SIZE):
            r = g = b = a = 0
            for sy in range(SS):
                for sx in range(SS):
                    c = sample(px + (sx + 0.5) / SS, py + (sy + 0.5) / SS)
                    if c:
                        r += c[0]
                        g += c[1]
                        b += c[2]
                        a += 1
            if a:
                row += bytes((r // a, g // a, b // a, a * 255 // (SS * SS)))
            else:
                row += bytes((0, 0, 0, 0))
        rows.append(bytes(row))
    return b"".join(rows)


def png(data):
    def chunk(kind, payload):
        return struct.pack(">I", len(payload)) + kind + payload + struct.pack(">I", zlib.crc32(kind + payload))
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(data, 9)) + chunk(b"IEND", b"")


if __name__ == "__main__":
    out = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "src", "icons", "app_icon.png")
    with open(out, "wb") as f:
        f.write(png(render()))
    print("wrote", out)
