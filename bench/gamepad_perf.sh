#!/usr/bin/env bash
# What a game controller costs the window on a real X server (Xvfb): CPU while
# a round plays with the hero walking left, by turns without the gamepad
# module, with it and no pad, and with a pad connected (SDL virtual pad, the
# test driver preloaded) that holds left; then how soon a press on the pad is
# in the game: from the press to its `key` line in the recording, 40 presses.
#   bench/gamepad_perf.sh BINARY_DIR PAD_DRIVER.so [SECONDS] [RUNS]
# Public tools only: Xvfb, xdotool, /proc. Exit 77 when they are missing.
set -u

bin_dir=${1:?usage: gamepad_perf.sh BINARY_DIR PAD_DRIVER.so [SECONDS] [RUNS]}
driver=$(realpath "${2:?pad driver}")
seconds=${3:-10} runs=${4:-3}
here=$(dirname "$0")
. "$here/../tests/e2e/xvfb_lib.sh"
xvfb_need_tools || exit 77

work=$(mktemp -d) game_pid=
trap 'exec 9>&- 2>/dev/null; xvfb_cleanup' EXIT
# The corridor: the ghosts are shut in the wall, so the round outlasts the measurement.
mkdir "$work/bare" "$work/pad"
for d in bare pad; do
    cp "$bin_dir/krivol" "$bin_dir/krivol-sound.so" "$work/$d/"
    python3 "$here/../tests/e2e/corridor_level.py" "$work/$d/KRIVOL01.BMP"
done
cp "$bin_dir/krivol-gamepad.so" "$work/pad/"
mkfifo "$work/fifo"
xvfb_start || { echo "no X server"; exit 1; }
export QT_QPA_PLATFORM=xcb

hz=$(getconf CLK_TCK)
ticks_of() { awk '{print $14 + $15}' "/proc/$1/stat"; }
focus() { xdotool windowfocus "$1" && [ "$(xdotool getwindowfocus)" = "$1" ]; }
pad() { echo "$*" >&9; }

# play KIND: one round, CPU % of one core over SECONDS with left held.
play() {
    local kind=$1 dir=$work/pad win t0 t1
    [ "$kind" = none ] && dir=$work/bare
    LD_PRELOAD=$driver KRIVOL_TEST_PAD=$work/fifo "$dir/krivol" --seed 1 --record "$work/rec" >"$work/log" 2>&1 &
    game_pid=$!
    win=$(xvfb_window '^Krivol v2\.32$' "$game_pid") || exit 1
    xvfb_wait_until focus "$win" || exit 1
    exec 9<>"$work/fifo"
    sleep 1   # the modules load after the first frame
    xvfb_click "$win" 79 210
    xvfb_wait_until grep -q '^start' "$work/rec" || exit 1
    if [ "$kind" = pad ]; then pad plug; pad button 0 dpleft 1; else xdotool keydown Left; fi
    t0=$(ticks_of "$game_pid")
    sleep "$seconds"
    t1=$(ticks_of "$game_pid")
    [ "$kind" = pad ] && pad button 0 dpleft 0 || xdotool keyup Left
    python3 -c "print(f'{100 * ($t1 - $t0) / $hz / $seconds:.2f}')"
    if [ "$kind" = pad ]; then measure_latency; fi
    kill "$game_pid"; wait "$game_pid" 2>/dev/null; game_pid=
    exec 9>&-
}

# Press to `key` line: the line is written in the look at the pads that saw
# the press, before that tick is played (a tick is 10 ms).
measure_latency() {
    python3 - "$work/fifo" "$work/rec" >>"$work/latency" <<'PY'
import os, sys, time
fifo, rec = sys.argv[1], sys.argv[2]
out = os.open(fifo, os.O_WRONLY)
def lines():
    with open(rec) as f:
        return f.read().count('\n')
ms = []
for i in range(40):
    button = 'dpup' if i % 2 else 'dpdown'
    for down in (1, 0):
        before = lines()
        t = time.monotonic()
        os.write(out, f'button 0 {button} {down}\n'.encode())
        while lines() == before:
            time.sleep(0.0005)
        ms.append((time.monotonic() - t) * 1000)
ms.sort()
print(' '.join(f'{m:.1f}' for m in ms))
PY
}

none=() nopad=() withpad=()
for run in $(seq "$runs"); do
    none+=($(play none)) || exit 1
    nopad+=($(play nopad)) || exit 1
    withpad+=($(play pad)) || exit 1
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
echo "CPU while playing, % of one core, $runs runs of $seconds s each, by turns:"
echo "  without the gamepad module:      ${none[*]} (median $(median "${none[@]}"))"
echo "  with the module, no pad:         ${nopad[*]} (median $(median "${nopad[@]}"))"
echo "  with a pad connected, left held: ${withpad[*]} (median $(median "${withpad[@]}"))"
python3 - "$work/latency" <<'PY'
import sys
ms = sorted(float(x) for line in open(sys.argv[1]) for x in line.split())
print(f"press on the pad to its key line: {len(ms)} presses and releases, median {ms[len(ms)//2]:.1f} ms, "
      f"90th percentile {ms[len(ms)*9//10]:.1f} ms, max {ms[-1]:.1f} ms (one tick is 10 ms)")
PY
