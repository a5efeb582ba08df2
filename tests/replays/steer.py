#!/usr/bin/env python3
"""Plays a round in the game window like a player: watches the field and
presses real keys through xdotool.

  steer.py WINDOW LEVEL.BMP RECORDING ROUND SEED

It walks the hero along the shortest way to the nearest item, keeping off
cells where it sees a ghost, and fires at a ghost straight ahead. The hero is fast and the eye is slow, so a turn is sometimes missed;
the next look finds the way again. Returns once RECORDING holds the end line
of round ROUND. SEED makes the choices where nothing is in sight repeatable
(the timing of a real window never is).
"""
import collections
import ctypes
import random
import subprocess
import sys
import time

SP = 12                               # pixels per cell
FIELD = (151, 9, 600)                 # the play field: x, y in the window, side
HERO = (211, 114, 33)                 # only the hero has this orange
GHOST = (255, 0, 0)
ITEMS = {(255, 128, 255), (0, 187, 0)}  # a bonus item's and an ammo item's centre
SHIELD = {(255, 255, 128)}            # a protection item, 3 pixels above its centre
STEPS = {'Left': (-1, 0), 'Right': (1, 0), 'Up': (0, -1), 'Down': (0, 1)}
LOOK = 0.02                           # seconds between two looks


class Screen:
    """The play field as the X server shows it, through Xlib's XGetImage."""

    class Image(ctypes.Structure):
        _fields_ = [('width', ctypes.c_int), ('height', ctypes.c_int), ('xoffset', ctypes.c_int),
                    ('format', ctypes.c_int), ('data', ctypes.c_void_p), ('byte_order', ctypes.c_int),
                    ('bitmap_unit', ctypes.c_int), ('bitmap_bit_order', ctypes.c_int),
                    ('bitmap_pad', ctypes.c_int), ('depth', ctypes.c_int),
                    ('bytes_per_line', ctypes.c_int), ('bits_per_pixel', ctypes.c_int)]

    def __init__(self, window):
        x11 = self.x11 = ctypes.CDLL('libX11.so.6')
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XGetImage.restype = ctypes.POINTER(Screen.Image)
        x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + \
            [ctypes.c_uint] * 2 + [ctypes.c_ulong, ctypes.c_int]
        x11.XDestroyImage.argtypes = [ctypes.c_void_p]
        self.display = x11.XOpenDisplay(None)
        if not self.display:
            sys.exit('steer.py: cannot open the display')
        self.window = window

    def grab(self):
        """The field's pixels as bytes, 4 a pixel (blue, green, red, unused), or None."""
        x, y, side = FIELD
        image = self.x11.XGetImage(self.display, self.window, x, y, side, side, 0xFFFFFFFF, 2)  # ZPixmap
        if not image:
            return None
        img = image.contents
        assert img.bits_per_pixel == 32 and img.bytes_per_line == side * 4, 'expected 32-bit pixels'
        data = ctypes.string_at(img.data, side * side * 4)
        self.x11.XDestroyImage(image)
        return data


def colour(data, x, y):
    i = (y * FIELD[2] + x) * 4
    return data[i + 2], data[i + 1], data[i]


def find_hero(data, near):
    """The centre of the hero's pixels, looked for around NEAR first."""
    side = FIELD[2]
    boxes = [(int(near[0]) - 20, int(near[1]) - 20, 40)] if near else []
    for bx, by, size in boxes + [(0, 0, side)]:
        xs, ys = [], []
        for y in range(max(by, 0), min(by + size, side)):
            for x in range(max(bx, 0), min(bx + size, side)):
                if colour(data, x, y) == HERO:
                    xs.append(x)
                    ys.append(y)
        if xs:
            return sum(xs) / len(xs), sum(ys) / len(ys)
    return None


def cells_of(data, colours, dy=0):
    """Cells (column, row from 1) whose centre pixel, or the one DY below it,
    has one of COLOURS."""
    return {(cx + 1, cy + 1) for cy in range(50) for cx in range(50)
            if colour(data, cx * SP + SP // 2, cy * SP + SP // 2 + dy) in colours}


def read_walls(path):
    """The wall cells of a 50 by 50, 24-bit, bottom-up level bitmap: its black pixels."""
    data = open(path, 'rb').read()
    start, stride = int.from_bytes(data[10:14], 'little'), (50 * 3 + 3) & ~3

    def black(x, y):
        at = start + (49 - y) * stride + 3 * x
        return data[at:at + 3] == b'\0\0\0'
    return {(x + 1, y + 1) for y in range(50) for x in range(50) if black(x, y)}


def first_step(walls, start, goals, avoid):
    """The key of the first step on a shortest way from START to one of GOALS."""
    came = {start: None}
    queue = collections.deque([start])
    while queue:
        cell = queue.popleft()
        if cell in goals:
            while came[cell] and came[cell][0] != start:
                cell = came[cell][0]
            return came[cell][1] if came[cell] else None
        for key, (dx, dy) in STEPS.items():
            nxt = (cell[0] + dx, cell[1] + dy)
            if nxt not in came and nxt not in walls and nxt not in avoid and 1 <= nxt[0] <= 50 and 1 <= nxt[1] <= 50:
                came[nxt] = (cell, key)
                queue.append(nxt)
    return None


def ghost_ahead(walls, cell, step, ghosts):
    """Whether a ghost stands in line along STEP within 8 cells, no wall between."""
    for _ in range(8):
        cell = (cell[0] + step[0], cell[1] + step[1])
        if cell in walls:
            return False
        if cell in ghosts:
            return True
    return False


def press(key, seconds=0.04):
    subprocess.run(['xdotool', 'keydown', key], check=False)
    time.sleep(seconds)
    subprocess.run(['xdotool', 'keyup', key], check=False)


def round_ended(recording, round_no):
    with open(recording, encoding='utf-8') as f:
        return any(line.startswith(f'end {round_no} ') for line in f)


class Player:
    def __init__(self, walls, seed):
        self.walls = walls
        self.rng = random.Random(seed)
        self.open_cells = sorted({(x, y) for x in range(2, 50) for y in range(2, 50)} - walls)
        self.wander_to = None
        self.hero = self.before = None
        self.still = 0                # looks since the hero last moved
        self.last_shot = 0.0

    def motion(self):
        if not self.hero or not self.before:
            return None
        dx, dy = self.hero[0] - self.before[0], self.hero[1] - self.before[1]
        if abs(dx) < 0.5 and abs(dy) < 0.5:
            return None
        return (1 if dx > 0 else -1, 0) if abs(dx) > abs(dy) else (0, 1 if dy > 0 else -1)

    def goals(self, data, cell):
        # The hero's own cell is taken already, whatever the look saw there.
        items = (cells_of(data, ITEMS) | cells_of(data, SHIELD, -3)) - {cell}
        if items:
            return items
        if self.wander_to in (None, cell):
            self.wander_to = self.rng.choice(self.open_cells)
        return {self.wander_to}

    def act(self, data):
        """One look at the field and, maybe, one key."""
        self.before, self.hero = self.hero, find_hero(data, self.hero)
        if not self.hero:
            return
        cell = (int(self.hero[0]) // SP + 1, int(self.hero[1]) // SP + 1)
        ghosts = cells_of(data, {GHOST})
        moving = self.motion()
        self.still = 0 if moving else self.still + 1
        if self.still > 15:
            # The look misjudged the cell near its edge and the key leads into
            # a wall: shake the hero loose.
            self.still = 0
            press(self.rng.choice(list(STEPS)))
            return
        if moving and ghosts and time.monotonic() - self.last_shot > 0.5 and \
                ghost_ahead(self.walls, cell, moving, ghosts):
            self.last_shot = time.monotonic()
            press('1')
            return
        key = first_step(self.walls, cell, self.goals(data, cell), ghosts - {cell})
        if not key or STEPS[key] == moving:
            return
        if moving and STEPS[key] != (-moving[0], -moving[1]):
            # A turn takes only while the hero's centre is in the turning
            # cell: press as it comes up to the cell's middle, well inside.
            axis = 0 if moving[0] else 1
            ahead = (SP * cell[axis] - SP // 2 - self.hero[axis]) * moving[axis]
            if not -2 <= ahead <= 3:
                return
        press(key)


def main(argv):
    window, level, recording, round_no, seed = int(argv[1]), argv[2], argv[3], argv[4], int(argv[5])
    screen = Screen(window)
    player = Player(read_walls(level), seed)
    looks = 0
    while looks % 10 or not round_ended(recording, round_no):
        looks += 1
        data = screen.grab()
        if data:
            player.act(data)
        time.sleep(LOOK)


if __name__ == '__main__':
    main(sys.argv)
