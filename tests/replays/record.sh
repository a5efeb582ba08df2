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
#   level1..3  a shipped level of BINARY_DIR, played round after round
#              until ROUNDS (default 3) have ended in defeat or victory
# KRIVOL_RECORD_SHOTS=DIR keeps a few screenshots there.
set -eu

bin_dir=$(cd "${1:?usage: record.sh BINARY_DIR SCENARIO OUTPUT}" && pwd)
scenario=${2:?scenario}
out=$(realpath -m "${3:?output file}")
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb xdotool import python3; do
    command -v "$tool" >/dev/null || { echo "record.sh: $tool not found" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid= game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "record.sh: $*" >&2; exit 1; }

display=
for n in $(seq 121 150); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no free X display number"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getmouselocation >/dev/null 2>&1 || fail "Xvfb did not come up"

# The game finds its levels beside itself.
cp "$bin_dir/krivol" "$work/"
case $scenario in
corridor) python3 "$here/test_levels.py" "$work"; seed=1 ;;
level[123]) cp "$bin_dir"/KRIVOL0[123].BMP "$work/"; seed=$((1000 + ${scenario#level})) ;;
*) fail "unknown scenario $scenario" ;;
esac

start_game() {
    QT_QPA_PLATFORM=xcb "$work/krivol" --seed "$seed" --record "$out" >"$work/krivol.log" 2>&1 &
    game_pid=$!
    win=$(timeout 10 xdotool search --sync --name '^Krivol v2\.32$' | head -1)
    [ -n "$win" ] || fail "no game window (log: $(cat "$work/krivol.log"))"
    sleep 0.5
}

# Places in the window's client area: Старт and the level options.
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.2; }
click_start() { click 79 210; }
click_level() { click 48 $((32 + 22 * $1)); }
focus_game() { xdotool windowfocus "$win" 2>/dev/null || true; }
# A press and its release far enough apart to fall in different ticks.
hold() { focus_game; xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; }

shot() {
    [ -n "${KRIVOL_RECORD_SHOTS:-}" ] || return 0
    mkdir -p "$KRIVOL_RECORD_SHOTS" && import -window root -depth 8 "$KRIVOL_RECORD_SHOTS/$scenario-$1.png"
}

# Waits for an end box (caption "krivol") and answers it with OK.
answer_box() {
    local box= waited=0 limit=$1
    while [ -z "$box" ]; do
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended"
        box=$(xdotool search --onlyvisible --name '^krivol$' 2>/dev/null | head -1 || true)
        [ -n "$box" ] && break
        sleep 0.5
        waited=$((waited + 1))
        [ "$waited" -le $((limit * 2)) ] || fail "no end box within $limit s"
    done
    sleep 0.3
    shot "box-$(date +%s%N)"
    xdotool windowfocus "$box" 2>/dev/null || true
    sleep "${2:-0.2}"
    xdotool key Return
    sleep 0.5
}

# A user's close button: WM_DELETE_WINDOW sent to the window (there is no
# window manager to turn the click into it).
close_window() {
    python3 - "$win" <<'PY'
import ctypes, sys
x = ctypes.cdll.LoadLibrary('libX11.so.6')
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
class ClientMessage(ctypes.Structure):
    _fields_ = [('type', ctypes.c_int), ('serial', ctypes.c_ulong), ('send_event', ctypes.c_int),
                ('display', ctypes.c_void_p), ('window', ctypes.c_ulong), ('message_type', ctypes.c_ulong),
                ('format', ctypes.c_int), ('data', ctypes.c_long * 5), ('pad', ctypes.c_long * 12)]
d = x.XOpenDisplay(None)
win = int(sys.argv[1])
e = ClientMessage(type=33, window=win, message_type=x.XInternAtom(d, b'WM_PROTOCOLS', 0), format=32)
e.data[0] = x.XInternAtom(d, b'WM_DELETE_WINDOW', 0)
x.XSendEvent(d, win, 0, 0, ctypes.byref(e))
x.XFlush(d)
PY
    for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$game_pid" 2>/dev/null && fail "the window did not close"
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

shipped_level() {
    start_game
    click_level "${scenario#level}"
    local rounds=${ROUNDS:-3} keys=(Left Up Right Down) i=0
    for _ in $(seq "$rounds"); do
        click_start
        # Turn every few seconds, fire now and then, until the end box shows.
        while ! xdotool search --onlyvisible --name '^krivol$' >/dev/null 2>&1; do
            kill -0 "$game_pid" 2>/dev/null || fail "the game ended"
            hold "${keys[$((i % 4))]}" 0.1
            [ $((i % 3)) = 0 ] && hold 1 0.05
            i=$((i + 1))
            sleep $((2 + i % 3))
        done
        answer_box 5
    done
    close_window
}

case $scenario in
corridor) corridor ;;
*) shipped_level ;;
esac
echo "recorded $out"
