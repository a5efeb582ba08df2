#!/usr/bin/env bash
# Makes the README's pictures again, under a private X server, after a change
# of the game's pictures:
#   docs/krivol-round.png   the window replaying the recorded level 1 game
#                           (seed 1001): round 2, ten seconds in
#   docs/krivol-editor.png  the level editor on the maze of `generate --seed 7`
#   tools/screenshots.sh [BINARY_DIR]     (default build/bin)
# Needs Xvfb, xdotool, ImageMagick and python3 (tools/install-deps.sh --tests).
set -euo pipefail
cd "$(dirname "$0")/.."
bin_dir=${1:-build/bin}
. tests/e2e/xvfb_lib.sh
xvfb_need_tools import convert || exit 1
work=$(mktemp -d) game_pid=
export XDG_STATE_HOME=$work/state  # the editor's recovery copies: never the real home
trap xvfb_cleanup EXIT
xvfb_start "$work/xvfb.log"
mkdir -p docs

# window TITLE_REGEX OUT.png: the window of $game_pid, cut from the screen.
window() {
    local win
    win=$(xvfb_window "$1" "$game_pid")
    xvfb_geometry "$win"
    xvfb_shot "$work/shot.ppm"
    convert "$work/shot.ppm" -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage -strip "$2"
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null || true
    echo "$2"
}

QT_QPA_PLATFORM=xcb "$bin_dir/krivol" --replay tests/replays/level1.krivol-replay >"$work/krivol.log" 2>&1 &
game_pid=$!
xvfb_window '^Krivol v2\.32$' "$game_pid" >/dev/null
# Round 1 ends in a defeat box, which waits for its OK as in a game.
xvfb_wait_until xvfb_find '^krivol$'
box=$(xvfb_find '^krivol$')
xdotool windowfocus "$box" 2>/dev/null || true
xdotool key --window "$box" Return
sleep 10
window '^Krivol v2\.32$' docs/krivol-round.png

"$bin_dir/krivol-cli" generate --seed 7 "$work/maze.bmp" >/dev/null
QT_QPA_PLATFORM=xcb "$bin_dir/krivol" --edit "$work/maze.bmp" >"$work/krivol.log" 2>&1 &
game_pid=$!
sleep 2
window '^maze\.bmp' docs/krivol-editor.png
