#!/usr/bin/env bash
# The game under a real Wayland compositor: headless sway, Qt's wayland plugin,
# a virtual keyboard (wtype) and screenshots (grim). The window maps with its
# title, fixed size and the desktop file's id as app_id; Space on Старт starts
# a round, a held arrow moves the hero, "1" fires; the end box comes and Return
# closes it; closing the window ends the program.
#   tests/e2e/wayland_e2e.sh BINARY_DIR APP_ID
# Exit 0 pass, 1 fail, 77 skip (tools missing). KRIVOL_REQUIRE_WAYLAND=1 makes
# a skip a failure. sway will not run as root: as root the test runs sway and
# the game as an ordinary user of its own (krivol-e2e, made when missing).
set -u
here=$(cd "$(dirname "$0")" && pwd)
bin_dir=${1:?usage: wayland_e2e.sh BINARY_DIR APP_ID} app_id=${2:?}
title='Krivol v2.32'
fail() { echo "FAIL: $*"; exit 1; }
skip() {
    [ "${KRIVOL_REQUIRE_WAYLAND:-}" = 1 ] && fail "$* (required here)"
    echo "SKIP: $*"
    exit 77
}
for tool in sway swaymsg wtype grim python3; do command -v "$tool" >/dev/null || skip "$tool not found"; done
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 || skip "no Qt wayland plugin (qt6-wayland)"
[ -x "$bin_dir/krivol" ] || fail "no krivol in $bin_dir"

work=$(mktemp -d) game_pid= sway_pid=
chmod 755 "$work"
runtime=$work/runtime
mkdir -m 700 "$runtime"
if [ "$(id -u)" = 0 ]; then
    user=krivol-e2e
    id "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user" ||
        skip "cannot make the user $user"
    chown "$user" "$runtime"
    as_user() { runuser -u "$user" -- env -i PATH=/usr/bin:/bin HOME="$work" XDG_RUNTIME_DIR="$runtime" \
        ${LSAN_OPTIONS:+LSAN_OPTIONS=$LSAN_OPTIONS} ${ASAN_OPTIONS:+ASAN_OPTIONS=$ASAN_OPTIONS} "$@"; }
else
    as_user() { env XDG_RUNTIME_DIR="$runtime" "$@"; }
fi
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "${sock:-}" ] && as_user env SWAYSOCK="$sock" swaymsg exit >/dev/null 2>&1
    [ -n "$sway_pid" ] && { sleep 0.5; kill "$sway_pid" 2>/dev/null; wait "$sway_pid" 2>/dev/null; }
    # Killing runuser does not reach a game that hangs: nothing of the test's user outlives it.
    [ -n "${user:-}" ] && pkill -KILL -u "$user" 2>/dev/null
    if [ -n "${KRIVOL_E2E_SHOTS:-}" ]; then mkdir -p "$KRIVOL_E2E_SHOTS" && cp "$work"/shots/*.ppm "$KRIVOL_E2E_SHOTS"/ 2>/dev/null; fi
    rm -rf "$work"
}
trap cleanup EXIT
deadline() { echo $((SECONDS + ${KRIVOL_X_TIMEOUT:-60})); }
until_ok() {
    local end
    end=$(deadline)
    until "$@" >/dev/null 2>&1; do [ "$SECONDS" -lt "$end" ] || return 1; sleep 0.2; done
}

mkdir "$work/shots" "$work/corridor" "$work/room"
[ -n "${user:-}" ] && chown "$user" "$work/shots"
for level in corridor room; do cp "$bin_dir/krivol" "$bin_dir/krivol-sound.so" "$work/$level/"; done
python3 "$here/corridor_level.py" "$work/corridor/KRIVOL01.BMP"
python3 "$here/corridor_level.py" --room "$work/room/KRIVOL01.BMP"

cat >"$work/sway.cfg" <<'CFG'
output HEADLESS-1 resolution 1280x1024
default_border none
default_floating_border none
focus_follows_mouse no
CFG
as_user env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$work/sway.cfg" \
    >"$work/sway.log" 2>&1 &
sway_pid=$!
until_ok eval 'ls "$runtime"/sway-ipc.*.sock && [ -S "$runtime/wayland-1" ]' || fail "sway did not start: $(tail -5 "$work/sway.log")"
sock=$(ls "$runtime"/sway-ipc.*.sock | head -1)
sm() { as_user env SWAYSOCK="$sock" swaymsg "$@"; }
keys() { as_user env WAYLAND_DISPLAY=wayland-1 wtype -s 1500 "$@"; }   # its first keys are lost without the pause
shot() { as_user env WAYLAND_DISPLAY=wayland-1 grim -t ppm "$work/shots/$1.ppm"; }
look() { shot "$1" && python3 "$here/field_look.py" "$work/shots/$1.ppm" "$X" "$Y" "${@:2}" >"$work/$1.txt"; }
# find TITLE: sets APP_ID SHELL TYPE X Y W H FOCUS of that window.
find_window() {
    local line
    line=$(sm -t get_tree | python3 "$here/sway_window.py" "$1") || return 1
    read -r APP_ID SHELL TYPE X Y W H FOCUS <<<"$line"
}

game() {   # game LEVEL SEED [ARGS]: starts the game on that level, waits for its window
    # Qt's Wayland plugin and the client library leave allocations behind at
    # exit; the X11 runs check the game's own memory under the sanitizers.
    as_user env WAYLAND_DISPLAY=wayland-1 QT_QPA_PLATFORM=wayland \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$work/$1/krivol" --seed "$2" "${@:3}" \
        >"$work/krivol.log" 2>&1 &
    game_pid=$!
    until_ok find_window "$title" || fail "no window '$title' (log: $(cat "$work/krivol.log"))"
}
# What the game was doing, for a close that did not end it: its windows (a
# modal end box keeps its window from closing, as on any desktop) and threads.
stuck() {
    echo "windows: $(sm -t get_tree | python3 -c 'import json, sys
def names(n):
    for c in n.get("nodes", []) + n.get("floating_nodes", []):
        if c.get("pid") is not None: yield repr(c.get("name"))
        yield from names(c)
print(", ".join(names(json.load(sys.stdin))))')"
    local pid
    pid=$(pgrep -n -x krivol) && command -v gdb >/dev/null &&
        gdb -p "$pid" -batch -ex "thread apply all bt 8" 2>/dev/null | grep -E '^(#|Thread)' | head -60
    echo "log: $(cat "$work/krivol.log")"
}
close_game() {
    sm "[app_id=\"$app_id\"] kill" >/dev/null || fail "swaymsg kill"
    until_ok eval '! kill -0 "$game_pid"' || fail "the game still runs after its window was closed; $(stuck)"
    wait "$game_pid"
    local status=$?
    game_pid=
    [ "$status" = 0 ] || fail "the game exited with $status (log: $(cat "$work/krivol.log"))"
}

# ---- the corridor: the window, Space, a held arrow, "1" ----
game corridor 1
echo "window: app_id $APP_ID, shell $SHELL, $TYPE at $X,$Y size ${W}x$H, $FOCUS"
[ "$APP_ID" = "$app_id" ] || fail "app_id is '$APP_ID', not the desktop file's '$app_id'"
[ "$SHELL" = xdg_shell ] || fail "shell is '$SHELL', not xdg_shell"
[ "$W" = 753 ] && [ "$H" = 622 ] || fail "window is ${W}x$H, not 753x622"
[ "$TYPE" = floating_con ] || fail "a fixed-size window should float, it is $TYPE"
[ "$FOCUS" = focused ] || fail "the new window has no focus"
until_ok look idle idle || fail "the field was never drawn ($(cat "$work/idle.txt"))"

keys -k space || fail "wtype"
until_ok look started started || fail "Space on Старт started no round ($(cat "$work/started.txt" 2>/dev/null))"
cat "$work/started.txt"
read -r _ _ _ _ _ hero_x hero_y _ <"$work/started.txt"

# The shot flies for about a second: the window alone is grabbed, without a
# pause between looks, so that a busy machine still sees it. The hero walks on
# after the keys; the window closes well before tick 450, when seed 1 sends a
# ghost into the corridor.
keys -P Left -s 700 -k 1 -p Left &
keys_pid=$!
window_look() {
    as_user env WAYLAND_DISPLAY=wayland-1 grim -t ppm -g "$X,$Y 753x622" "$work/shots/$1.ppm" &&
        python3 "$here/field_look.py" "$work/shots/$1.ppm" 0 0 "${@:2}" >"$work/$1.txt"
}
end=$(deadline)
until window_look fired shot; do [ "$SECONDS" -lt "$end" ] || fail "no shot after \"1\" ($(cat "$work/fired.txt"))"; done
echo "fired: $(cat "$work/fired.txt")"
until_ok look walked left-of "$hero_x" "$hero_y" || fail "the held Left did not move the hero ($(cat "$work/walked.txt"))"
echo "walked: $(cat "$work/walked.txt")"
wait "$keys_pid"
close_game

# ---- the open room: caught in tick 60, the end box, Return ----
game room 27
keys -k space || fail "wtype"
until_ok find_window krivol || fail "no end box"
echo "end box: app_id $APP_ID, $TYPE, $FOCUS"
keys -k Return || fail "wtype"
until_ok eval '! find_window krivol' || fail "Return did not close the end box"
kill -0 "$game_pid" 2>/dev/null || fail "the game ended with the box"
find_window "$title" || fail "the game window is gone"
[ "$FOCUS" = focused ] || fail "the game window has no focus after the box"
close_game

# ---- endings with a recording: SIGTERM, then the compositor going away ----
mkdir "$work/rec"
[ -n "${user:-}" ] && chown "$user" "$work/rec"
rec=$work/rec/game.krivol-replay
# ending HOW WANT_STATUS LIMIT_MS: a round in play told to end that way.
ending() {
    local pid t0 took status
    rm -f "$rec"
    game corridor 1 --record "$rec"
    keys -k space || fail "wtype"
    until_ok grep -q '^start 1' "$rec" || fail "Space on Старт started no round"
    pid=$(pgrep -n -x krivol) || fail "no krivol process"
    t0=$(date +%s%N)
    case $1 in
    TERM) kill -TERM "$pid" ;;
    compositor) sm exit >/dev/null ;;
    esac
    until_ok eval '! kill -0 "$pid"' || fail "the game still runs after $1; $(stuck)"
    took=$((($(date +%s%N) - t0) / 1000000))
    wait "$game_pid"
    status=$?
    game_pid=
    echo "ending $1 in a round: status $status, $took ms, last line '$(tail -n 1 "$rec")'"
    [ "$status" = "$2" ] || fail "the game exited with $status after $1, not $2 (log: $(cat "$work/krivol.log"))"
    tail -n 1 "$rec" | grep -Eq '^end 1 closed [0-9]+ [0-9]+$' || fail "the recording does not end with the round closed (log: $(cat "$work/krivol.log"))"
    [ "${KRIVOL_ENDINGS_LIMITS:-1}" = 0 ] || [ "$took" -le "$3" ] || fail "$1 took $took ms, over $3"
}
ending TERM 0 1000
# Qt's Wayland client ends the process with status 1 when the compositor is gone.
ending compositor 1 2000
echo "PASS"
