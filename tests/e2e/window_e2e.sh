#!/usr/bin/env bash
# The game window on a real X server: start a round with the mouse, hold an
# arrow key, and read the play field back from screenshots.
#   tests/e2e/window_e2e.sh BINARY_DIR
# Exit 0 pass, 1 fail, 77 skip (no Xvfb / xdotool / ImageMagick / python3).
# KRIVOL_E2E_SHOTS=DIR keeps the screenshots there.
set -u

bin_dir=${1:?usage: window_e2e.sh BINARY_DIR}
for tool in Xvfb xdotool import python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool not found"; exit 77; }
done
[ -x "$bin_dir/krivol" ] || { echo "FAIL: no krivol in $bin_dir"; exit 1; }

work=$(mktemp -d)
xvfb_pid= game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    if [ -n "${KRIVOL_E2E_SHOTS:-}" ]; then mkdir -p "$KRIVOL_E2E_SHOTS" && cp "$work"/*.ppm "$KRIVOL_E2E_SHOTS"/ 2>/dev/null; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The game reads its levels from its own folder: run a copy beside a level of
# ours. One corridor along row 27 through solid wall, so the ghosts, which start
# inside the wall, stay shut in, and the hero can walk left from (24, 27).
cp "$bin_dir/krivol" "$work/"
python3 "$(dirname "$0")/corridor_level.py" "$work/KRIVOL01.BMP"

display=
for n in $(seq 91 120); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "SKIP: no free X display number"; exit 77; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getmouselocation >/dev/null 2>&1 || { echo "SKIP: Xvfb did not come up"; exit 77; }

# Seed 1: with the left arrow held, no ghost reaches the corridor for 450 ticks.
QT_QPA_PLATFORM=xcb "$work/krivol" --seed 1 >"$work/krivol.log" 2>&1 &
game_pid=$!
win=$(timeout 10 xdotool search --sync --name '^Krivol v2\.32$' | head -1)
[ -n "$win" ] || fail "no window titled 'Krivol v2.32' (log: $(cat "$work/krivol.log"))"
eval "$(xdotool getwindowgeometry --shell "$win")"   # X Y WIDTH HEIGHT
[ "$WIDTH" = 753 ] && [ "$HEIGHT" = 622 ] || fail "window is ${WIDTH}x$HEIGHT, not 753x622"
sleep 0.3

shot() { import -window root -depth 8 "$work/$1.ppm" || fail "screenshot $1"; }
shot idle
xdotool mousemove --window "$win" 79 210 click 1   # the middle of "Старт"
sleep 0.3
shot started
xdotool windowfocus "$win" 2>/dev/null
xdotool keydown Left
sleep 1.2
shot walked
xdotool keyup Left
kill -0 "$game_pid" 2>/dev/null || fail "the game ended"

# The play field's 600 x 600 client area starts at (151, 9) of the window.
python3 - "$work" "$X" "$Y" <<'PY'
import sys
work, wx, wy = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
WALL = {(168, 112, 55), (128, 64, 0)}   # the brick tile's tan and brown
HERO = (211, 114, 33)                   # orange: only the hero has it

def field(name):
    data = open(f'{work}/{name}.ppm', 'rb').read()
    parts = data.split(maxsplit=4)      # P6 width height maxval pixels
    assert parts[0] == b'P6' and parts[3] == b'255', 'not an 8-bit PPM'
    width, pixels = int(parts[1]), parts[4]
    for y in range(600):
        row = ((wy + 9 + y) * width + wx + 151) * 3
        for x in range(600):
            i = row + 3 * x
            yield x, y, (pixels[i], pixels[i + 1], pixels[i + 2])

def look(name):
    walls, hero = 0, []
    for x, y, rgb in field(name):
        if rgb in WALL: walls += 1
        elif rgb == HERO: hero.append((x, y))
    centre = (sum(p[0] for p in hero) / len(hero), sum(p[1] for p in hero) / len(hero)) if hero else None
    print(f'{name}: {walls} wall pixels, {len(hero)} hero pixels, hero centre {centre}')
    return walls, centre

idle_walls, idle_hero = look('idle')
walls, before = look('started')
_, after = look('walked')
problems = []
if idle_walls or idle_hero: problems.append('the field was not empty before the start')
if walls < 100000: problems.append('no maze on the field after the start')
if before is None or after is None: problems.append('no hero on the field')
elif not (before[0] - after[0] >= 40 and abs(before[1] - after[1]) < 2):
    problems.append(f'the hero did not walk left: {before} -> {after}')
for p in problems: print('FAIL:', p)
sys.exit(1 if problems else 0)
PY
status=$?
[ $status = 0 ] && echo "PASS"
exit $status
