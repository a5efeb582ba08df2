#!/usr/bin/env bash
# Records a game of the replay corpus in the real window: a virtual X server,
# real key presses and clicks through xdotool, `krivol --record`. Run it
# again to redo a recording after a change of the rules; then check it with
# `krivol-cli replay --verify`.
#   tests/replays/record.sh BINARY_DIR SCENARIO OUTPUT
# Scenarios:
#   corridor   the corpus's own levels (test_levels.py): a held key carried
#              into the first round, a victory, keys while the end box shows,
#              a level change, a defeat, and a round closed mid-way
#   level1..3  a shipped level of BINARY_DIR, played by steer.py round
#              after round until ROUNDS (default 3) have ended in defeat or
#              victory
# KRIVOL_RECORD_SHOTS=DIR keeps a few screenshots there. Waits give up after
# KRIVOL_X_TIMEOUT seconds (see xvfb_lib.sh); a round, after ROUND_LIMIT
# (default 600).
set -eu

bin_dir=$(cd "${1:?usage: record.sh BINARY_DIR SCENARIO OUTPUT}" && pwd)
scenario=${2:?scenario}
out=$(realpath -m "${3:?output file}")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/xvfb_lib.sh"
xvfb_need_tools import || exit 1

work=$(mktemp -d) game_pid=
trap xvfb_cleanup EXIT
fail() { echo "record.sh: $*" >&2; exit 1; }

# The game finds its levels beside itself.
cp "$bin_dir/krivol" "$bin_dir/krivol-sound.so" "$work/"
case $scenario in
corridor) python3 "$here/test_levels.py" "$work"; seed=1 ;;
level[123]) cp "$bin_dir"/KRIVOL0[123].BMP "$work/"; seed=$((1000 + ${scenario#level})) ;;
*) fail "unknown scenario $scenario" ;;
esac

xvfb_start "$work/xvfb.log" || fail "no X server"

# The recording is written as the game goes: its lines tell what the game
# has taken in.
recorded() { grep -q "$1" "$out"; }
await() { xvfb_wait_until recorded "$1" || fail "no line '$1' in the recording"; }

start_game() {
    QT_QPA_PLATFORM=xcb "$work/krivol" --seed "$seed" --record "$out" >"$work/krivol.log" 2>&1 &
    game_pid=$!
    win=$(xvfb_window '^Krivol v2\.32$' "$game_pid") || fail "no game window (log: $(cat "$work/krivol.log"))"
    await '^seed '
    round=0
}

# Places in the window's client area: Старт and the level options.
click() { xvfb_click "$win" "$1" "$2"; sleep 0.2; }
click_start() {
    round=$((round + 1))
    click 79 210
    await "^start $round "
}
click_level() { click 48 $((32 + 22 * $1)); await "^level .* $1\$"; }
focus_game() { xdotool windowfocus "$win" 2>/dev/null || true; }
# A press and its release far enough apart to fall in different ticks.
hold() { focus_game; xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; }

shot() {
    [ -n "${KRIVOL_RECORD_SHOTS:-}" ] || return 0
    mkdir -p "$KRIVOL_RECORD_SHOTS" && xvfb_shot "$KRIVOL_RECORD_SHOTS/$scenario-$1.png"
}

# Waits up to LIMIT seconds for the running round's end box (caption
# "krivol"), then answers it with OK after PAUSE seconds.
answer_box() {
    local box
    box=$(KRIVOL_X_TIMEOUT=$1 xvfb_window '^krivol$' "$game_pid") || fail "no end box of round $round"
    shot "round$round-end"
    xdotool windowfocus "$box" 2>/dev/null || true
    sleep "${2:-0.2}"
    xdotool key Return
    xvfb_wait_until eval '! xvfb_find "^krivol\$"' || fail "the end box of round $round stays open"
}

# A user's close button.
close_window() {
    xvfb_close "$win" || fail "could not send WM_DELETE_WINDOW"
    xvfb_wait_until eval '! kill -0 "$game_pid"' || fail "the window did not close"
    game_pid=
}

corridor() {
    start_game
    focus_game
    xdotool keydown Left           # held while no round runs: the first tick walks left
    click_start
    sleep 0.4
    xdotool keyup Left
    sleep 4                        # to the corridor's left end, where the hero waits
    shot left-end
    hold Right 0.3                 # against the motion: stop, then turn
    answer_box 30 0.6              # victory; a key pressed while the box shows
    hold Down 0.2
    click_level 2                  # the open room; arrows now would move the option
    focus_game
    xdotool keydown 1              # held into the round: fires in its first tick
    click_start
    sleep 0.2
    xdotool keyup 1
    hold Left 0.3
    sleep 1.5
    shot room
    hold Down 0.3
    answer_box 180                 # defeat
    click_level 1
    click_start
    hold Left 0.3
    sleep 2
    shot closing
    close_window                   # mid-round
}

# A round played by steer.py, which watches the field and presses the keys.
play_round() {
    local steer_pid
    focus_game
    timeout "${ROUND_LIMIT:-600}" python3 "$here/steer.py" "$win" "$work/KRIVOL0${scenario#level}.BMP" \
        "$out" "$round" "$seed$round" &
    steer_pid=$!
    sleep 5
    shot "round$round-playing"
    wait "$steer_pid" || fail "round $round: steer.py failed or the round outlasted ${ROUND_LIMIT:-600} s"
}

shipped_level() {
    start_game
    click_level "${scenario#level}"
    for _ in $(seq "${ROUNDS:-3}"); do
        click_start
        play_round
        answer_box 60
    done
    close_window
}

case $scenario in
corridor) corridor ;;
*) shipped_level ;;
esac
echo "recorded $out"
