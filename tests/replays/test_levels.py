#!/usr/bin/env python3
"""Writes the levels of the replay corpus's own games into a folder.

KRIVOL01.BMP: one corridor along row 27 through solid wall. The ghosts start
inside the wall and stay shut in, and the 20 bonus items all lie on the
corridor, so walking it end to end wins the round.
KRIVOL02.BMP: an open room inside a one-cell wall; the ghosts soon catch an
idle hero.
Usage: test_levels.py FOLDER
"""
import os
import struct
import sys


def write_bmp(path, is_white):
    w = h = 50
    stride = (w * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(h - 1, -1, -1):
        line = b''.join(b'\xff\xff\xff' if is_white(x, y) else b'\x00\x00\x00' for x in range(w))
        pixels += line + b'\x00' * (stride - len(line))
    header = b'BM' + struct.pack('<IHHI', 54 + len(pixels), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + pixels)


folder = sys.argv[1]
write_bmp(os.path.join(folder, 'KRIVOL01.BMP'), lambda x, y: y == 26 and 1 <= x <= 48)
write_bmp(os.path.join(folder, 'KRIVOL02.BMP'), lambda x, y: 1 <= x <= 48 and 1 <= y <= 48)
