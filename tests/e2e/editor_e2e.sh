#!/usr/bin/env bash
# The level editor on a real X server: open a level, paint with real key
# presses, save with Ctrl+S and read the file back with krivol-cli grid; undo
# and redo in the middle of a stroke end it, and the next strokes and the
# cursor work as before; then F5 opens the game with the edited level in its
# preview, and closing the game returns to the editor.
#   tests/e2e/editor_e2e.sh BINARY_DIR
# Exit 0 pass, 1 fail, 77 skip (no Xvfb / xdotool / ImageMagick / python3).
# KRIVOL_E2E_SHOTS=DIR keeps the screenshots there.
set -u
here=$(dirname "$0")
. "$here/xvfb_lib.sh"

bin_dir=${1:?usage: editor_e2e.sh BINARY_DIR}
xvfb_need_tools import || exit 77
[ -x "$bin_dir/krivol" ] || { echo "FAIL: no krivol in $bin_dir"; exit 1; }

work=$(mktemp -d) game_pid=
export XDG_STATE_HOME=$work/state  # the editor's recovery copies: never the real home
trap xvfb_cleanup_keeping_shots EXIT
fail() { echo "FAIL: $*"; exit 1; }
shot() { xvfb_shot "$work/$1.ppm" && convert "$work/$1.ppm" "$work/$1.png"; }

# One corridor along row 27; the cursor starts on the hero's cell (24, 27).
level=$work/KRIVOL07.BMP
python3 "$here/corridor_level.py" "$level"
"$bin_dir/krivol-cli" grid "$level" >"$work/before.txt" || fail "krivol-cli grid cannot read the level"

KRIVOL_X_SCREEN=1280x1024x24 xvfb_start "$work/xvfb.log" || fail "no X server"
LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
    QT_QPA_PLATFORM=xcb "$bin_dir/krivol" --edit "$level" --seed 1 >"$work/krivol.log" 2>&1 &
game_pid=$!
editor=$(xvfb_window '^KRIVOL07\.BMP' "$game_pid") || fail "no editor window (log: $(cat "$work/krivol.log"))"
xdotool windowfocus "$editor" 2>/dev/null
sleep 0.5
shot opened

# Up to (24, 26), corridor ("2"), Space, then two Shift+Up runs: cells
# (24, 26), (24, 25) and (24, 24) become corridor.
xdotool key --delay 60 Up 2 space shift+Up shift+Up ctrl+s
grid_changed() { "$bin_dir/krivol-cli" grid "$level" >"$work/after.txt" && ! cmp -s "$work/before.txt" "$work/after.txt"; }
# saved_as_edited X,Y...: the saved grid is the one before with these walls made corridor.
saved_as_edited() {
    python3 - "$work/before.txt" "$work/after.txt" "$@" <<'PY'
import sys
before = [line.split() for line in open(sys.argv[1])]
after = [line.split() for line in open(sys.argv[2])]
for x, y in (map(int, cell.split(',')) for cell in sys.argv[3:]):
    assert before[y - 1][x - 1] == '100', (x, y, before[y - 1][x - 1])
    before[y - 1][x - 1] = '1'
changed = [(x + 1, y + 1) for y in range(50) for x in range(50) if before[y][x] != after[y][x]]
if changed:
    sys.exit(f'cells differ from the expected change: {changed[:10]}')
PY
}
xvfb_wait_until grid_changed || fail "Ctrl+S did not change the file"
saved_as_edited 24,26 24,25 24,24 || fail "the saved grid is not the edited one"
shot saved

# The hover cursor (a yellow square inside a black one) lies on the mouse.
cursor_on_mouse() {
    eval "$(xdotool getmouselocation --shell)"
    shot hover && python3 - "$work/hover.ppm" "$X" "$Y" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
magic, width, height, depth, pixels = data.split(maxsplit=4)
width, mx, my = int(width), int(sys.argv[2]), int(sys.argv[3])
near = [(x, y) for y in range(my - 30, my + 31) for x in range(mx - 30, mx + 31)
        if tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]) == (255, 220, 0)]
if not near:
    sys.exit('no cursor near the mouse')
cx = (min(x for x, _ in near) + max(x for x, _ in near)) / 2
cy = (min(y for _, y in near) + max(y for _, y in near)) / 2
sys.exit(0 if abs(cx - mx) <= 6 and abs(cy - my) <= 6 else f'the cursor is at {cx},{cy}, the mouse at {mx},{my}')
PY
}
# A wall at (24, 24) undone leaves a step to redo. A Shift run left from
# (24, 24); Ctrl+Z with Shift still down is Ctrl+Shift+Z: the run has taken
# the place of the step to redo, and goes on to (20, 24). Then the cursor
# follows the mouse again.
cp "$work/after.txt" "$work/before.txt"
xdotool key --delay 60 1 space ctrl+z 2
xdotool keydown shift sleep 0.1 key --delay 60 Left Left ctrl+shift+z keydown shift sleep 0.1 key --delay 60 Left Left keyup shift
xvfb_geometry "$editor" || fail "no geometry for the editor window"
editor_x=$X editor_y=$Y
sleep 0.3
xdotool mousemove $((editor_x + 200)) $((editor_y + 300))
xvfb_wait_until cursor_on_mouse || fail "the cursor does not follow the mouse after a redo in a stroke"
xdotool mousemove $((editor_x + 330)) $((editor_y + 420))
xvfb_wait_until cursor_on_mouse || fail "the cursor does not follow the mouse"
# A drag undone half-way: the stroke goes, and the rest of the drag paints nothing.
xdotool mousemove $((editor_x + 150)) $((editor_y + 300)) mousedown 1 sleep 0.1 \
    mousemove $((editor_x + 200)) $((editor_y + 300)) sleep 0.1 key ctrl+z sleep 0.1 \
    mousemove $((editor_x + 250)) $((editor_y + 310)) sleep 0.1 mouseup 1 sleep 0.1 key ctrl+s
xvfb_wait_until grid_changed || fail "Ctrl+S did not change the file"
saved_as_edited 23,24 22,24 21,24 20,24 || fail "strokes around an undo and a redo were saved wrong"
shot strokes

xdotool key F5
game=$(xvfb_window '^Krivol v2\.32$' "$game_pid") || fail "F5 opened no game window"
xvfb_geometry "$game" || fail "no geometry for the game window"
# pixel_is SHOT X Y R G B: the screenshot's pixel there has that colour.
pixel_is() {
    python3 - "$@" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
magic, width, height, depth, pixels = data.split(maxsplit=4)
x, y = int(sys.argv[2]), int(sys.argv[3])
i = (y * int(width) + x) * 3
sys.exit(0 if tuple(pixels[i:i + 3]) == tuple(int(v) for v in sys.argv[4:7]) else 1)
PY
}
preview_white() {
    # The preview box lies at (49, 123) of the game window; cell (24, 25) is its pixel (23, 24).
    shot game && pixel_is "$work/game.ppm" $((X + 49 + 23)) $((Y + 123 + 24)) 255 255 255
}
xvfb_wait_until preview_white || fail "the game's preview does not show the edited level"

xvfb_close "$game" || fail "could not close the game window"
xvfb_wait_until eval '! xvfb_find "^Krivol v2\.32$"' || fail "the game window stayed"
kill -0 "$game_pid" 2>/dev/null || fail "closing the game ended the editor too"
xvfb_find '^KRIVOL07\.BMP' >/dev/null || fail "the editor window is gone"
shot back

xvfb_close "$editor" || fail "could not close the editor"
xvfb_wait_until eval '! kill -0 "$game_pid"' || fail "the editor still runs after its window was closed"
wait "$game_pid"
status=$?
game_pid=
[ $status = 0 ] || fail "the editor exited with $status (log: $(cat "$work/krivol.log"))"
echo "PASS"
