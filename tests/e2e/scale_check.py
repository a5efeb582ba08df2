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

  scale_check.py --canvas REF.ppm SHOT.ppm | --has-canvas SHOT.ppm

finds the level editor's canvas in both (a level whose top rows are wall) and
exits 0 when each shows the 50 x 50 cells with every game pixel an equal
square of whole device pixels, and both show the same picture (the cell
under the editor's cursor, drawn finer on purpose, left out).
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


BRICK = {(168, 112, 55), (128, 64, 0), (0, 0, 0)}   # the brick tile's colours
CURSOR = (264, 300, 300, 336)           # game pixels around cell (24, 27): x0, y0, x1, y1


def shot_row(shot, y):
    row = shot.rows(0, y, shot.width, 1)[0]
    return [tuple(row[x * 3:x * 3 + 3]) for x in range(shot.width)]


def canvas(shot):
    """(x, y, K) of the first run of brick pixels at least 600 long: the canvas's top edge."""
    for y in range(shot.height):
        colours = shot_row(shot, y)
        x = 0
        while x < shot.width:
            end = x
            while end < shot.width and colours[end] in BRICK:
                end += 1
            # Black alone is the screen around the window, not a brick.
            if end - x >= 600 and (168, 112, 55) in colours[x:end]:
                while y > 0 and all(c in BRICK for c in shot_row(shot, y - 1)[x:end]):
                    y -= 1  # a row of mortar above
                return x, y, (end - x) / 600
            x = end + 1
    return None


def game_pixels(shot, where):
    """The canvas as 600 x 600 game pixels, and how many of them are not one colour throughout."""
    x0, y0, k = where
    rows = shot.rows(x0, y0, 600 * k, 600 * k)
    picture, uneven = [], 0
    for gy in range(600):
        line = []
        for gx in range(600):
            colour = rows[gy * k][gx * k * 3:gx * k * 3 + 3]
            block = [rows[gy * k + dy][(gx * k + dx) * 3:(gx * k + dx) * 3 + 3] for dy in range(k) for dx in range(k)]
            cursor = CURSOR[0] <= gx < CURSOR[2] and CURSOR[1] <= gy < CURSOR[3]
            uneven += not cursor and any(b != colour for b in block)
            line.append(None if cursor else colour)
        picture.append(line)
    return picture, uneven


def compare_canvas(ref, shot):
    found = [canvas(ref), canvas(shot)]
    if None in found:
        print('canvas: not found')
        return False
    if any(k != int(k) for _, _, k in found):
        print(f'canvas: {found[1][2] * 600:.0f} device pixels wide, not a whole multiple of 600')
        return False
    (ref_picture, ref_uneven), (picture, uneven) = (game_pixels(s, (x, y, int(k))) for s, (x, y, k) in zip((ref, shot), found))
    differ = sum(a != b for ra, rb in zip(ref_picture, picture) for a, b in zip(ra, rb))
    print(f'canvas: {int(found[1][2])} device pixels a game pixel; {uneven} game pixels not whole squares, '
          f'{differ} differ from the reference (which has {ref_uneven} not whole)')
    return uneven == 0 and ref_uneven == 0 and differ == 0


def main(argv):
    if argv[1] == '--has-canvas':
        return canvas(Shot(argv[2])) is not None
    if argv[1] == '--canvas':
        return compare_canvas(Shot(argv[2]), Shot(argv[3]))
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
