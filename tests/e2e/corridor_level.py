#!/usr/bin/env python3
"""Writes a 50x50 24-bit level: one corridor along row 27 through solid wall.

The ghosts start inside the wall and stay shut in, so a round lasts while the
hero walks the corridor. With --room the level is instead one open room of dots
inside the outer wall, where the ghosts soon catch a hero who stands still.
Usage: corridor_level.py [--room] OUTPUT.BMP
"""
import struct
import sys

room = sys.argv[1] == '--room'
w = h = 50


def corridor(x, y):
    if room:
        return 1 <= y <= 48 and 1 <= x <= 48
    return y == 26 and 1 <= x <= 48


stride = (w * 3 + 3) & ~3
pixels = bytearray()
for y in range(h - 1, -1, -1):
    line = b''.join(b'\xff\xff\xff' if corridor(x, y) else b'\x00\x00\x00' for x in range(w))
    pixels += line + b'\x00' * (stride - len(line))
header = b'BM' + struct.pack('<IHHI', 54 + len(pixels), 0, 0, 54)
info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
with open(sys.argv[-1], 'wb') as f:
    f.write(header + info + pixels)
