#!/usr/bin/env bash
# The window at the screen scales desktops set through Xft.dpi: 96, 120, 144,
# 168, 192 and 288 dpi (100 % to 300 %). The scale is rounded to a whole one
# (1, 1, 2, 2, 2, 3), the window is that multiple of its size, and the play
# field in a round, the level preview and the legend pictures are the 1x
# pictures with every pixel an equal square; so is the level editor's canvas.
# A scale the user sets himself (QT_SCREEN_SCALE_FACTORS) is kept as given.
#   tests/e2e/scale_e2e.sh BINARY_DIR
# Exit 0 pass, 1 fail, 77 skip (no Xvfb / xdotool / xrdb / ImageMagick / python3).
# KRIVOL_E2E_SHOTS=DIR keeps the screenshots there (as PNG).
set -u
here=$(dirname "$0")
. "$here/xvfb_lib.sh"

bin_dir=${1:?usage: scale_e2e.sh BINARY_DIR}
xvfb_need_tools import xrdb convert || exit 77
[ -x "$bin_dir/krivol" ] || { echo "FAIL: no krivol in $bin_dir"; exit 1; }

work=$(mktemp -d) game_pid=
export XDG_STATE_HOME=$work/state  # the editor's recovery copies: never the real home
cleanup() {
    if [ -n "${KRIVOL_E2E_SHOTS:-}" ] && mkdir -p "$KRIVOL_E2E_SHOTS"; then
        for shot in "$work"/dpi*.ppm "$work"/editor*.ppm; do
            [ -e "$shot" ] && convert "$shot" "$KRIVOL_E2E_SHOTS/$(basename "${shot%.ppm}").png"
        done
    fi
    xvfb_cleanup
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The corridor level keeps the ghosts shut in the wall, and the hero waits at
# its start without a key, so a round's first seconds look the same each time.
cp "$bin_dir/krivol" "$bin_dir/krivol-sound.so" "$work/"
python3 "$here/corridor_level.py" "$work/KRIVOL01.BMP"

# Room for the window at 3x (2259 x 1866) and for the editor, whose canvas
# alone is 1800 pixels wide there. -noreset (xvfb_lib) keeps what xrdb sets
# after it disconnects.
KRIVOL_X_SCREEN=3200x2800x24 xvfb_start "$work/xvfb.log" || { echo "FAIL: no X server"; exit 1; }

# game_window [env ...] [--edit FILE]: the game (or its editor) and its window.
game_window() {
    local title='^Krivol v2\.32$' envs=()
    while [ $# -gt 0 ] && [ "$1" != --edit ]; do envs+=("$1"); shift; done
    [ "${1:-}" = --edit ] && title='^KRIVOL01\.BMP'
    LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
        QT_QPA_PLATFORM=xcb "${envs[@]}" "$work/krivol" --seed 1 "$@" >"$work/krivol.log" 2>&1 &
    game_pid=$!
    win=$(xvfb_window "$title" "$game_pid") || return 1
    xvfb_geometry "$win"
}

close_game() {
    xvfb_close "$win"
    xvfb_wait_until eval '! kill -0 "$game_pid"' || fail "the game still runs after its window was closed"
    wait "$game_pid" 2>/dev/null
    game_pid=
}

hero_shot() { xvfb_shot "$1" && python3 "$here/scale_check.py" --hero "$1" "$X" "$Y" "$factor"; }

# dpi:expected whole factor
for pair in 96:1 120:1 144:2 168:2 192:2 288:3; do
    dpi=${pair%:*} factor=${pair#*:}
    echo "Xft.dpi: $dpi" | xrdb -nocpp -merge || { fail "xrdb"; continue; }
    game_window || { fail "$dpi dpi: no game window (log: $(cat "$work/krivol.log"))"; continue; }
    if [ "$WIDTH" != $((753 * factor)) ] || [ "$HEIGHT" != $((622 * factor)) ]; then
        fail "$dpi dpi: window is ${WIDTH}x$HEIGHT, not $((753 * factor))x$((622 * factor))"
        close_game
        continue
    fi
    xvfb_click "$win" $((79 * factor)) $((210 * factor))   # "Старт"
    xvfb_wait_until hero_shot "$work/dpi$dpi.ppm" || fail "$dpi dpi: no round on the field"
    if [ "$dpi" = 96 ]; then
        ref_x=$X ref_y=$Y
    else
        echo "-- $dpi dpi, scale $factor"
        python3 "$here/scale_check.py" "$work/dpi96.ppm" "$ref_x" "$ref_y" "$work/dpi$dpi.ppm" "$X" "$Y" "$factor" ||
            fail "$dpi dpi: the pictures are not the 1x ones scaled by $factor"
    fi
    close_game

    # The level editor's canvas: every game pixel a whole square there too.
    game_window --edit "$work/KRIVOL01.BMP" || { fail "$dpi dpi: no editor window"; continue; }
    editor_shot() { xvfb_shot "$1" && python3 "$here/scale_check.py" --has-canvas "$1"; }
    xvfb_wait_until editor_shot "$work/editor$dpi.ppm" || fail "$dpi dpi: no canvas in the editor"
    [ "$dpi" = 96 ] || python3 "$here/scale_check.py" --canvas "$work/editor96.ppm" "$work/editor$dpi.ppm" ||
        fail "$dpi dpi: the editor's canvas is not the 1x one in whole squares"
    close_game
done

# The user's own scale factor is not rounded.
echo "Xft.dpi: 96" | xrdb -nocpp -merge
if game_window env QT_SCREEN_SCALE_FACTORS=1.5; then
    [ "$WIDTH" -ge 1129 ] && [ "$WIDTH" -le 1130 ] || fail "QT_SCREEN_SCALE_FACTORS=1.5: window is $WIDTH wide, not 1129.5"
    close_game
else
    fail "QT_SCREEN_SCALE_FACTORS=1.5: no game window"
fi

[ "$failures" = 0 ] && echo "PASS"
[ "$failures" = 0 ]
