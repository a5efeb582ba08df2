#!/usr/bin/env bash
# An editor killed mid-drawing gives the drawing back: paint a few strokes,
# kill -9 once the recovery copy is written, start the editor again without
# a file, restore from the question, save with Ctrl+S and read the file back
# with krivol-cli grid.
#   tests/e2e/editor_recovery_e2e.sh BINARY_DIR
# Exit 0 pass, 1 fail, 77 skip (no Xvfb / xdotool / ImageMagick / python3).
# KRIVOL_E2E_SHOTS=DIR keeps the screenshots there.
set -u
here=$(dirname "$0")
. "$here/xvfb_lib.sh"

bin_dir=${1:?usage: editor_recovery_e2e.sh BINARY_DIR}
xvfb_need_tools import || exit 77
[ -x "$bin_dir/krivol" ] || { echo "FAIL: no krivol in $bin_dir"; exit 1; }

work=$(mktemp -d) game_pid=
trap xvfb_cleanup_keeping_shots EXIT
fail() { echo "FAIL: $*"; exit 1; }
shot() { xvfb_shot "$work/$1.ppm" && convert "$work/$1.ppm" "$work/$1.png"; }
export XDG_STATE_HOME=$work/state
copies=$XDG_STATE_HOME/krivol

level=$work/KRIVOL07.BMP
python3 "$here/corridor_level.py" "$level"
"$bin_dir/krivol-cli" grid "$level" >"$work/before.txt" || fail "krivol-cli grid cannot read the level"

KRIVOL_X_SCREEN=1280x1024x24 xvfb_start "$work/xvfb.log" || fail "no X server"
editor() {
    LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
        QT_QPA_PLATFORM=xcb "$bin_dir/krivol" --edit "$@" --seed 1 >>"$work/krivol.log" 2>&1 &
    game_pid=$!
}
editor "$level"
win=$(xvfb_window '^KRIVOL07\.BMP' "$game_pid") || fail "no editor window (log: $(cat "$work/krivol.log"))"
xdotool windowfocus "$win" 2>/dev/null
sleep 0.5

# Three strokes from the hero's cell (24, 27): corridor at (24, 26), then two
# Shift+Up runs to (24, 25) and (24, 24). Then empty floor on (23, 24).
xdotool key --delay 60 Up 2 space shift+Up shift+Up Left 3 space
# copy_shows: the copy's grid rows hold the strokes (row y is line 4 + y).
copy_shows() {
    python3 - "$copies" <<'PY'
import glob, sys
files = glob.glob(sys.argv[1] + '/*.draft')
if len(files) != 1:
    sys.exit(1)
rows = open(files[0]).read().split('\n')[4:54]
sys.exit(0 if all(rows[y - 1][23] == '.' for y in (24, 25, 26)) and rows[23][22] == '-' else 1)
PY
}
xvfb_wait_until copy_shows || fail "no recovery copy with the strokes in $copies: $(ls -la "$copies" 2>&1)"
kill -KILL "$game_pid"
wait "$game_pid" 2>/dev/null
game_pid=
"$bin_dir/krivol-cli" grid "$level" | cmp -s - "$work/before.txt" || fail "the level changed although it was never saved"

# Started again without a file: the question comes up over the new level.
editor
box=$(xvfb_window '^Редактор уровней Krivol$' "$game_pid") || fail "no question about the copy (log: $(cat "$work/krivol.log"))"
sleep 0.5
shot question
xdotool windowfocus "$box" 2>/dev/null
xdotool key Return
xvfb_window '^KRIVOL07\.BMP\* ' "$game_pid" >/dev/null || fail "the restored level is not KRIVOL07.BMP, unsaved"
shot restored
win=$(xvfb_find '^KRIVOL07\.BMP')
xdotool windowfocus "$win" 2>/dev/null
xdotool key ctrl+s
grid_changed() { "$bin_dir/krivol-cli" grid "$level" >"$work/after.txt" && ! cmp -s "$work/before.txt" "$work/after.txt"; }
xvfb_wait_until grid_changed || fail "Ctrl+S did not write the restored level"
python3 - "$work/before.txt" "$work/after.txt" <<'PY' || fail "the saved grid is not the one drawn"
import sys
before = [line.split() for line in open(sys.argv[1])]
after = [line.split() for line in open(sys.argv[2])]
for x, y, code in [(24, 26, '1'), (24, 25, '1'), (24, 24, '1'), (23, 24, '0')]:
    before[y - 1][x - 1] = code
changed = [(x + 1, y + 1) for y in range(50) for x in range(50) if before[y][x] != after[y][x]]
if changed:
    sys.exit(f'cells differ from the drawing: {changed[:10]}')
PY
no_copies() { [ -z "$(ls "$copies"/*.draft 2>/dev/null)" ]; }
xvfb_wait_until no_copies || fail "a copy stays after saving: $(ls "$copies")"

xvfb_close "$win" || fail "could not close the editor"
xvfb_wait_until eval '! kill -0 "$game_pid"' || fail "the editor still runs after its window was closed"
wait "$game_pid"
status=$?
game_pid=
[ $status = 0 ] || fail "the editor exited with $status (log: $(cat "$work/krivol.log"))"
echo "PASS"
