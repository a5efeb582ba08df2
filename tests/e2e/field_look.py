#!/usr/bin/env python3
"""Reads the play field out of an 8-bit PPM screenshot of the game window.

  field_look.py SHOT.ppm WINDOW_X WINDOW_Y idle|started|shot|left-of HERO_X HERO_Y

Prints what it saw (wall pixels, hero pixels, the hero's centre, shot pixels)
and exits 0 when the field is in the asked state: "idle" a drawn, empty field;
"started" a maze with the hero on it; "shot" a shot in flight; "left-of" the
hero at least 40 pixels left of (HERO_X, HERO_Y) on the same row.
"""
import sys

WALL = {(168, 112, 55), (128, 64, 0)}   # the brick tile's tan and brown
HERO = (211, 114, 33)                   # orange: only the hero has it
WHITE = (255, 255, 255)                 # the empty field
SHOT = (0, 255, 0)                      # the shot's pure green
SIDE = 600                              # the field's client area, at (151, 9) of the window


def field(path, wx, wy):
    data = open(path, 'rb').read()
    parts = data.split(maxsplit=4)      # P6 width height maxval pixels
    assert parts[0] == b'P6' and parts[3] == b'255', 'not an 8-bit PPM'
    width, pixels = int(parts[1]), parts[4]
    for y in range(SIDE):
        row = ((wy + 9 + y) * width + wx + 151) * 3
        for x in range(SIDE):
            i = row + 3 * x
            yield x, y, (pixels[i], pixels[i + 1], pixels[i + 2])


def look(path, wx, wy):
    walls = white = shot = 0
    hero = []
    for x, y, rgb in field(path, wx, wy):
        if rgb in WALL:
            walls += 1
        elif rgb == WHITE:
            white += 1
        elif rgb == HERO:
            hero.append((x, y))
        elif rgb == SHOT:
            shot += 1
    centre = None
    if hero:
        centre = (sum(p[0] for p in hero) / len(hero), sum(p[1] for p in hero) / len(hero))
    return walls, white, centre, shot


def main(argv):
    path, wx, wy, state = argv[1], int(argv[2]), int(argv[3]), argv[4]
    walls, white, centre, shot = look(path, wx, wy)
    where = 'none' if centre is None else f'{centre[0]:.1f} {centre[1]:.1f}'
    print(f'walls {walls} white {white} hero {where} shot {shot}')
    if state == 'idle':
        return white > SIDE * SIDE * 9 // 10 and walls == 0 and centre is None
    if state == 'started':
        return walls >= 100000 and centre is not None
    if state == 'shot':
        return shot > 0
    if state == 'left-of':
        x0, y0 = float(argv[5]), float(argv[6])
        return centre is not None and x0 - centre[0] >= 40 and abs(centre[1] - y0) < 2
    sys.exit(f'unknown state {state}')


if __name__ == '__main__':
    sys.exit(0 if main(sys.argv) else 1)
