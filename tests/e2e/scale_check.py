#!/usr/bin/env python3
"""Compares the game's pictures in a scaled screenshot with the 1x ones.

  scale_check.py REF.ppm REF_X REF_Y SHOT.ppm X Y FACTOR [REGION...]

REF.ppm is an 8-bit PPM screenshot with the window at (REF_X, REF_Y) at scale
1, SHOT.ppm one at a whole FACTOR with the window at (X, Y). Each REGION (by
default all) is cut from both; the scaled cut must be the 1x cut with every
pixel made a FACTOR x FACTOR square. Prints a line per region, exits 0 when
all match.

  scale_check.py --hero SHOT.ppm X Y FACTOR

exits 0 when the hero is on the field (a round is under way).

  scale_check.py --differ A.ppm B.ppm X Y W H

exits 0 when the rectangle W x H at (X, Y) of the screen differs between A and B.
"""
import sys

# Window coordinates at scale 1 of the pictures drawn pixel for pixel.
REGIONS = {
    'field': (151, 9, 600, 600),     # Pic1's client area
    'preview': (49, 123, 52, 52),    # PicLOAD: the level and its black margin
    'legend': (12, 431, 12, 120),    # Pic_inf: the four item pictures
}
HERO = (211, 114, 33)                # orange: only the hero has it


class Shot:
    def __init__(self, path):
        data = open(path, 'rb').read()
        parts = data.split(maxsplit=4)   # P6 width height maxval pixels
        assert parts[0] == b'P6' and parts[3] == b'255', f'{path}: not an 8-bit PPM'
        self.width, self.height, self.pixels = int(parts[1]), int(parts[2]), parts[4]

    def rows(self, x, y, w, h):
        """The w x h rectangle at (x, y) as a list of byte rows."""
        if x < 0 or y < 0 or x + w > self.width or y + h > self.height:
            raise ValueError(f'{w}x{h}+{x}+{y} lies outside the {self.width}x{self.height} screen')
        return [self.pixels[((y + r) * self.width + x) * 3:((y + r) * self.width + x + w) * 3] for r in range(h)]


def scaled(rows, factor):
    out = []
    for row in rows:
        wide = b''.join(row[i:i + 3] * factor for i in range(0, len(row), 3))
        out += [wide] * factor
    return out


def compare(ref, rx, ry, shot, x, y, factor, name):
    lx, ly, w, h = REGIONS[name]
    want = scaled(ref.rows(rx + lx, ry + ly, w, h), factor)
    got = shot.rows(x + lx * factor, y + ly * factor, w * factor, h * factor)
    wrong = sum(1 for a, b in zip(want, got) for i in range(0, len(a), 3) if a[i:i + 3] != b[i:i + 3])
    print(f'{name}: {wrong} of {w * h * factor * factor} device pixels differ')
    return wrong == 0


def hero_on_field(shot, x, y, factor):
    lx, ly, w, h = REGIONS['field']
    colour = bytes(HERO)
    rows = shot.rows(x + lx * factor, y + ly * factor, w * factor, h * factor)
    return any(row[i:i + 3] == colour for row in rows for i in range(0, len(row), 3))


def main(argv):
    if argv[1] == '--differ':
        x, y, w, h = map(int, argv[4:8])
        return Shot(argv[2]).rows(x, y, w, h) != Shot(argv[3]).rows(x, y, w, h)
    if argv[1] == '--hero':
        return hero_on_field(Shot(argv[2]), int(argv[3]), int(argv[4]), int(argv[5]))
    ref, rx, ry = Shot(argv[1]), int(argv[2]), int(argv[3])
    shot, x, y, factor = Shot(argv[4]), int(argv[5]), int(argv[6]), int(argv[7])
    names = argv[8:] or list(REGIONS)
    results = [compare(ref, rx, ry, shot, x, y, factor, name) for name in names]
    return all(results)


if __name__ == '__main__':
    sys.exit(0 if main(sys.argv) else 1)
