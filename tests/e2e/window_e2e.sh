#!/usr/bin/env bash
# The game window on a real X server: start a round with the mouse, hold an
# arrow key, read the play field back from screenshots, then close the window
# as a user would.
#   tests/e2e/window_e2e.sh BINARY_DIR
# Exit 0 pass, 1 fail, 77 skip (no Xvfb / xdotool / ImageMagick / python3).
# KRIVOL_E2E_SHOTS=DIR keeps the screenshots there. Every step waits for what
# it needs to see (up to KRIVOL_X_TIMEOUT s), never a fixed time.
set -u
here=$(dirname "$0")
. "$here/xvfb_lib.sh"

bin_dir=${1:?usage: window_e2e.sh BINARY_DIR}
xvfb_need_tools import || exit 77
[ -x "$bin_dir/krivol" ] || { echo "FAIL: no krivol in $bin_dir"; exit 1; }

work=$(mktemp -d) game_pid=
trap xvfb_cleanup_keeping_shots EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The game reads its levels from its own folder: run a copy beside a level of
# ours. One corridor along row 27 through solid wall, so the ghosts, which start
# inside the wall, stay shut in, and the hero can walk left from (24, 27).
cp "$bin_dir/krivol" "$bin_dir/krivol-sound.so" "$bin_dir/krivol-gamepad.so" "$work/"
python3 "$here/corridor_level.py" "$work/KRIVOL01.BMP"

xvfb_start "$work/xvfb.log" || fail "no X server"

# Seed 1: with the left arrow held, no ghost reaches the corridor for 450 ticks.
# In the sanitizer build the leak check runs when the window is closed.
LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
    QT_QPA_PLATFORM=xcb "$work/krivol" --seed 1 >"$work/krivol.log" 2>&1 &
game_pid=$!
win=$(xvfb_window '^Krivol v2\.32$' "$game_pid") || fail "no game window (log: $(cat "$work/krivol.log"))"
xvfb_geometry "$win" || fail "no geometry for window $win"
[ "$WIDTH" = 753 ] && [ "$HEIGHT" = 622 ] || fail "window is ${WIDTH}x$HEIGHT, not 753x622"

# look NAME STATE [ARGS]: a screenshot NAME, true once the field is in STATE.
look() {
    xvfb_shot "$work/$1.ppm" && python3 "$here/field_look.py" "$work/$1.ppm" "$X" "$Y" "${@:2}" >"$work/$1.txt"
}
seen() { echo "$1: $(cat "$work/$1.txt" 2>/dev/null)"; }

xvfb_wait_until look idle idle || fail "the field was never drawn empty before the start ($(seen idle))"
seen idle
xvfb_click "$win" 79 210   # the middle of "Старт"
xvfb_wait_until look started started || fail "no maze and hero after the start ($(seen started))"
seen started
read -r _ _ _ _ _ hero_x hero_y _ <"$work/started.txt"

xdotool windowfocus "$win" 2>/dev/null
xdotool keydown Left
xvfb_wait_until look walked left-of "$hero_x" "$hero_y"
walked=$?
xdotool keyup Left
seen walked
[ $walked = 0 ] || fail "the hero did not walk left from ($hero_x, $hero_y)"
kill -0 "$game_pid" 2>/dev/null || fail "the game ended"

# The close button ends the program at once, also in the middle of a round.
xvfb_close "$win" || fail "could not send WM_DELETE_WINDOW"
xvfb_wait_until eval '! kill -0 "$game_pid"' || fail "the game still runs after its window was closed"
wait "$game_pid"
status=$?
game_pid=
[ $status = 0 ] || fail "the game exited with $status after its window was closed (log: $(cat "$work/krivol.log"))"
echo "PASS"
