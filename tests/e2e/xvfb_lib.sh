# Helpers for scripts that drive the real window on a private X server.
# Source it from bash; every wait polls up to $KRIVOL_X_TIMEOUT seconds
# (default 60), so a busy machine is slow, not a failure.
#
#   . "$(dirname "$0")/xvfb_lib.sh"
#   xvfb_need_tools import || exit 77     # Xvfb, xdotool, python3 and the extra tools
#   work=$(mktemp -d) game_pid=
#   trap xvfb_cleanup EXIT                # or call it from your own trap
#   trap xvfb_cleanup_keeping_shots EXIT  # the same, keeping $work's screenshots in $KRIVOL_E2E_SHOTS
#   xvfb_start "$work/xvfb.log" || exit 1 # picks a free display, exports DISPLAY
#   win=$(xvfb_window '^Krivol v2\.32$' "$game_pid") || exit 1
#   box=$(xvfb_find '^krivol$')           # the same, but only if it is there now
#   xvfb_geometry "$win"                  # sets X Y WIDTH HEIGHT (root coordinates)
#   xvfb_click "$win" 79 210              # left click at (79, 210) of the window
#   xvfb_shot "$work/a.ppm"               # whole screen, 8 bits per channel
#   xvfb_wait_until some_check args       # until the command succeeds
#   xvfb_close "$win"                     # what a window manager's close button sends
#                                         # (XVFB_SENT_AT=FILE: the time sent, in ns, into FILE)
#
# Functions return non-zero with a line on stderr; the caller decides
# between fail and skip.

xvfb_pid=

xvfb_need_tools() {
    local tool
    for tool in Xvfb xdotool python3 "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool not found" >&2; return 1; }
    done
}

xvfb_timeout() { echo "${KRIVOL_X_TIMEOUT:-60}"; }

# Xvfb writes its display number to -displayfd once it accepts clients, so
# there is neither a race for a free number nor a guess at how long start-up
# takes. -noreset: by default the server resets whenever its last client leaves
# and refuses connections meanwhile, so a client arriving just then would fail.
xvfb_start() {
    local log=${1:-/dev/null} dir n
    dir=$(mktemp -d) || return 1
    mkfifo "$dir/displayfd" || { rm -rf "$dir"; return 1; }
    Xvfb -displayfd 3 -noreset -screen 0 "${KRIVOL_X_SCREEN:-1024x768x24}" -nolisten tcp \
        3>"$dir/displayfd" >"$log" 2>&1 &
    xvfb_pid=$!
    read -r -t "$(xvfb_timeout)" n <"$dir/displayfd"
    rm -rf "$dir"
    if [ -z "$n" ]; then
        echo "Xvfb did not report a display within $(xvfb_timeout) s (log: $log)" >&2
        xvfb_stop
        return 1
    fi
    export DISPLAY=":$n"
    xvfb_wait_until xdotool getmouselocation \
        || { echo "Xvfb on $DISPLAY does not answer" >&2; xvfb_stop; return 1; }
}

xvfb_stop() {
    [ -n "$xvfb_pid" ] || return 0
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=
}

# A script's end: its game ($game_pid, when set), the server and its scratch
# folder ($work, when set) go.
xvfb_cleanup() {
    [ -n "${game_pid:-}" ] && kill "$game_pid" 2>/dev/null
    xvfb_stop
    [ -z "${work:-}" ] || rm -rf "$work"
}

# xvfb_cleanup, keeping the script's screenshots ($work/*.ppm and *.png) in
# $KRIVOL_E2E_SHOTS when it is set.
xvfb_cleanup_keeping_shots() {
    if [ -n "${KRIVOL_E2E_SHOTS:-}" ] && [ -n "${work:-}" ]; then
        mkdir -p "$KRIVOL_E2E_SHOTS" && cp "$work"/*.ppm "$work"/*.png "$KRIVOL_E2E_SHOTS"/ 2>/dev/null
    fi
    xvfb_cleanup
}

# Runs the command every 0.1 s until it succeeds; fails after the timeout.
xvfb_wait_until() {
    local deadline=$((SECONDS + $(xvfb_timeout)))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Prints the id of the first mapped window whose title matches the regular
# expression; fails at once when there is none.
xvfb_find() {
    local win
    win=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$win" ] && echo "$win"
}

# xvfb_find, waiting for the window. With a PID, gives up as soon as that
# process is gone.
xvfb_window() {
    local title=$1 pid=${2:-} deadline=$((SECONDS + $(xvfb_timeout)))
    while :; do
        xvfb_find "$title" && return 0
        if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then
            echo "process $pid ended before a window titled '$title' appeared" >&2
            return 1
        fi
        [ "$SECONDS" -lt "$deadline" ] || { echo "no window titled '$title' after $(xvfb_timeout) s" >&2; return 1; }
        sleep 0.1
    done
}

xvfb_geometry() {
    local shell
    shell=$(xdotool getwindowgeometry --shell "$1") || return 1
    eval "$shell"
}

xvfb_click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# ImageMagick writes 16 bits per channel unless told otherwise.
xvfb_shot() {
    import -window root -depth 8 "$1" || { echo "screenshot $1 failed" >&2; return 1; }
}

# There is no window manager under Xvfb, and `xdotool windowclose` destroys
# the window outright; a user's close button sends WM_DELETE_WINDOW instead.
xvfb_close() {
    python3 - "$1" <<'PY'
import ctypes, os, sys, time
from ctypes import c_int, c_long, c_ulong, c_void_p, c_char_p

class ClientMessage(ctypes.Structure):
    _fields_ = [('type', c_int), ('serial', c_ulong), ('send_event', c_int),
                ('display', c_void_p), ('window', c_ulong), ('message_type', c_ulong),
                ('format', c_int), ('data', c_long * 5)]

class Event(ctypes.Union):
    _fields_ = [('xclient', ClientMessage), ('pad', c_long * 24)]

x11 = ctypes.CDLL('libX11.so.6')
x11.XOpenDisplay.restype = c_void_p
x11.XOpenDisplay.argtypes = [c_char_p]
x11.XInternAtom.restype = c_ulong
x11.XInternAtom.argtypes = [c_void_p, c_char_p, c_int]
x11.XSendEvent.argtypes = [c_void_p, c_ulong, c_int, c_long, c_void_p]
x11.XFlush.argtypes = x11.XCloseDisplay.argtypes = [c_void_p]

display = x11.XOpenDisplay(None)
if not display:
    sys.exit('cannot open the display')
event = Event()
event.xclient.type = 33  # ClientMessage
event.xclient.window = int(sys.argv[1])
event.xclient.message_type = x11.XInternAtom(display, b'WM_PROTOCOLS', 0)
event.xclient.format = 32
event.xclient.data[0] = x11.XInternAtom(display, b'WM_DELETE_WINDOW', 0)
event.xclient.data[1] = 0  # CurrentTime
ok = x11.XSendEvent(display, event.xclient.window, 0, 0, ctypes.byref(event))
x11.XFlush(display)
if os.environ.get('XVFB_SENT_AT'):
    with open(os.environ['XVFB_SENT_AT'], 'w') as f:
        f.write(str(time.time_ns()))
x11.XCloseDisplay(display)
sys.exit(0 if ok else 'XSendEvent failed')
PY
}
