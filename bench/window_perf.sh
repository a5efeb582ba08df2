#!/usr/bin/env bash
# How the window does on a real X server (Xvfb): start-up time to the first
# painted frame against a bare Qt window of the same size, to a mapped window,
# resident memory, and CPU while a round plays.
#   bench/window_perf.sh BINARY_DIR [SECONDS]
# Public tools only: Xvfb, xdotool, /proc. Exit 77 when they are missing.
set -u

bin_dir=${1:?usage: window_perf.sh BINARY_DIR [SECONDS]}
seconds=${2:-10}
. "$(dirname "$0")/../tests/e2e/xvfb_lib.sh"
xvfb_need_tools || exit 77
[ -x "$bin_dir/krivol" ] || { echo "no krivol in $bin_dir"; exit 1; }

work=$(mktemp -d) game_pid=
trap xvfb_cleanup EXIT

# Level: one corridor along row 27 through solid wall. The ghosts start shut in
# the wall, so a round outlasts the measurement while the arrow is held.
cp "$bin_dir/krivol" "$bin_dir/krivol-sound.so" "$bin_dir/krivol-gamepad.so" "$work/"
python3 "$(dirname "$0")/../tests/e2e/corridor_level.py" "$work/KRIVOL01.BMP"
# The sounds, when built, so that start-up includes loading them.
cp "$bin_dir"/*.wav "$bin_dir"/*.WAV "$work/" 2>/dev/null

xvfb_start || { echo "no X server"; exit 1; }
export QT_QPA_PLATFORM=xcb

# Start-up to the first painted frame, the game against bench/bare_window.cpp
# (a white window of the same size, and the same with one line of text), run
# by turns so that a busy machine slows all alike. The screen's centre lies in
# the play field, which is white before a round.
bare=$bin_dir/../bench/bare_window
if [ -x "$bare" ]; then
    game_ms=() bare_ms=() text_ms=()
    frame() { python3 "$(dirname "$0")/first_frame.py" 1 512 384 "$@"; }
    for run in $(seq 1 15); do
        game_ms+=($(frame "$work/krivol" --seed 1)) || exit 1
        bare_ms+=($(frame "$bare")) || exit 1
        text_ms+=($(frame "$bare" --text)) || exit 1
    done
    median() { printf '%s\n' "$@" | sort -n | sed -n 8p; }
    ratio() { python3 -c "print(f'{$1 / $2:.2f}')"; }
    game=$(median "${game_ms[@]}") bare_med=$(median "${bare_ms[@]}") text=$(median "${text_ms[@]}")
    echo "start-up to first painted frame (ms, 15 runs each, by turns):"
    echo "  krivol ${game_ms[*]}"
    echo "  bare Qt window ${bare_ms[*]}"
    echo "  bare Qt window with one line of text ${text_ms[*]}"
    echo "  medians: krivol $game, bare $bare_med, bare with text $text;" \
        "ratio to bare $(ratio "$game" "$bare_med"), to bare with text $(ratio "$game" "$text")"
else
    echo "no $bare: the first-frame comparison is left out"
fi

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
window() { xvfb_find '^Krivol v2\.32$'; }
ticks_of() { awk '{print $14 + $15}' "/proc/$1/stat"; }   # utime + stime, in clock ticks
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }

# Start-up: from exec to the window being mapped, five runs (the first is colder).
startups=()
for run in 1 2 3 4 5; do
    start=$(now_ms)
    "$work/krivol" --seed 1 >"$work/krivol.log" 2>&1 &
    game_pid=$!
    # Polled without a pause, unlike xvfb_window, for a start-up time to the millisecond.
    until window >/dev/null; do
        kill -0 "$game_pid" 2>/dev/null || { echo "krivol exited during start-up:"; cat "$work/krivol.log"; exit 1; }
        [ $(( $(now_ms) - start )) -gt $(( $(xvfb_timeout) * 1000 )) ] && { echo "no window after $(xvfb_timeout) s"; exit 1; }
    done
    startups+=($(( $(now_ms) - start )))
    if [ "$run" -lt 5 ]; then kill "$game_pid"; wait "$game_pid" 2>/dev/null; game_pid=; fi
done
echo "start-up to mapped window (ms, 5 runs): ${startups[*]}"

win=$(window)
sleep 1
hz=$(getconf CLK_TCK)
t0=$(ticks_of "$game_pid"); sleep 3; t1=$(ticks_of "$game_pid")
echo "idle, no round: CPU $(python3 -c "print(f'{100 * ($t1 - $t0) / $hz / 3:.2f}')") % of one core"
echo "resident memory idle: $(rss_kb "$game_pid") kB"

xvfb_click "$win" 79 210   # "Старт"
sleep 0.5
xdotool windowfocus "$win" 2>/dev/null
xdotool keydown Left
t0=$(ticks_of "$game_pid"); w0=$(now_ms)
sleep "$seconds"
t1=$(ticks_of "$game_pid"); w1=$(now_ms)
xdotool keyup Left
ended=$(xvfb_find '^krivol$')
echo "playing, left arrow held for $(( (w1 - w0) / 1000 )) s: CPU $(python3 -c "print(f'{100 * ($t1 - $t0) / $hz / (($w1 - $w0) / 1000):.2f}')") % of one core"
echo "resident memory playing: $(rss_kb "$game_pid") kB (peak $(awk '/^VmHWM/ {print $2}' "/proc/$game_pid/status") kB)"
[ -n "$ended" ] && echo "note: the round ended during the measurement (an end box is open)"
exit 0
