#!/usr/bin/env bash
# Every way the game can be told to end, on the real window with --record:
# SIGTERM, SIGINT, SIGHUP, the close button and the X server going away, each
# in a round, between rounds and while the end box is open. For each: the exit
# status, the time to exit and the recording's last line.
#   tests/e2e/endings_e2e.sh BINARY_DIR
# Exit 0 pass, 1 fail, 77 skip. KRIVOL_ENDINGS_LIMITS=0 reports the times
# without holding them to their limits (1 s after a signal, 2 s after the
# display), for a machine too busy to keep them; KRIVOL_ENDINGS_ONLY="TERM
# close" plays only those rows of the game's table. Then the level editor.
set -u
here=$(dirname "$0")
. "$here/xvfb_lib.sh"

bin_dir=${1:?usage: endings_e2e.sh BINARY_DIR}
xvfb_need_tools || exit 77
[ -x "$bin_dir/krivol" ] || { echo "FAIL: no krivol in $bin_dir"; exit 1; }

work=$(mktemp -d) game_pid=
trap xvfb_cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; exit 1; }

# The corridor: the ghosts are shut in the wall, so a round lasts. The open
# room: with seed 27 a ghost catches the hero who stands still in tick 60.
mkdir "$work/corridor" "$work/room"
for level in corridor room; do cp "$bin_dir/krivol" "$bin_dir/krivol-sound.so" "$work/$level/"; done
python3 "$here/corridor_level.py" "$work/corridor/KRIVOL01.BMP"
python3 "$here/corridor_level.py" --room "$work/room/KRIVOL01.BMP"

# Under the sanitizers the leak check at exit takes its time: the limits
# are three times as long there.
slow=1
ldd "$bin_dir/krivol" 2>/dev/null | grep -q libasan && slow=3
sanitizer_report() { grep -Eq 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work/krivol.log"; }

rec=$work/game.krivol-replay
has_line() { grep -q "$1" "$rec"; }
box_open() { xvfb_find '^krivol$'; }

# start PHASE HOW: a game on a fresh X server, brought to that phase.
start() {
    local level=room seed=27 win box tries=0
    [ "$1" = round ] && level=corridor seed=1
    rm -f "$rec"
    xvfb_start "$work/xvfb.log" || fail "no X server"
    # When the server goes, Qt calls exit() from deep in its loop, and what the
    # stack held is never freed: no leak check then.
    local asan=${ASAN_OPTIONS:-}
    [ "$2" = display ] && asan="${asan:+$asan:}detect_leaks=0"
    LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
        ASAN_OPTIONS="$asan" \
        QT_QPA_PLATFORM=xcb "$work/$level/krivol" --seed "$seed" --record "$rec" >"$work/krivol.log" 2>&1 &
    game_pid=$!
    win=$(xvfb_window '^Krivol v2\.32$' "$game_pid") || fail "no game window (log: $(cat "$work/krivol.log"))"
    # Clicked until the round starts: the first click may come before the window takes it.
    until has_line '^start 1'; do
        [ $((tries += 1)) -le 10 ] || fail "Старт started no round"
        xvfb_click "$win" 79 210
        KRIVOL_X_TIMEOUT=3 xvfb_wait_until has_line '^start 1'
    done
    case $1 in
    round) ;;
    box | between)
        xvfb_wait_until box_open || fail "no end box"
        if [ "$1" = between ]; then
            # Its close button: a Return would go on to the window and start the next round.
            xvfb_close "$(box_open)"
            xvfb_wait_until eval '! box_open' || fail "the end box did not close"
        fi ;;
    esac
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended by itself in phase $1"
    game=$win
}

# end HOW: tells the game to end; sets STATUS and TOOK (ms until it was gone).
end() {
    local t0 deadline=$((SECONDS + $(xvfb_timeout)))
    t0=$(date +%s%N)
    case $1 in
    TERM | INT | HUP) kill -s "$1" "$game_pid" ;;
    close) XVFB_SENT_AT=$work/sent xvfb_close "$game" && t0=$(cat "$work/sent") ;;
    display) kill "$xvfb_pid" ;;
    esac
    while kill -0 "$game_pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.02; done
    TOOK=$((($(date +%s%N) - t0) / 1000000))
    local hangs=
    kill -0 "$game_pid" 2>/dev/null && hangs=1 && kill -KILL "$game_pid"
    wait "$game_pid"
    STATUS=$?
    [ -z "$hangs" ] || STATUS=hangs
    game_pid=
    xvfb_stop
}

# A round in play ends as closed; a round that had ended keeps its own end.
# The display going away is Qt's exit status 1; every other end is 0.
printf '%-8s %-8s %-6s %-8s %s\n' how phase status ms "last line"
for how in ${KRIVOL_ENDINGS_ONLY:-TERM INT HUP close display}; do
    for phase in round between box; do
        STATUS=
        start "$phase" "$how"
        if [ "$how-$phase" = close-box ]; then
            # As on any desktop, the window under a modal box does not close:
            # the game goes on; the box's close button and the window's then end it.
            xvfb_close "$game"
            sleep 1
            kill -0 "$game_pid" 2>/dev/null && box_open >/dev/null || { echo "FAIL: the close under the box was not refused"; failures=$((failures + 1)); }
            xvfb_close "$(box_open)" && xvfb_wait_until eval '! box_open'
        fi
        end "$how"
        last=$(tail -n 1 "$rec")
        printf '%-8s %-8s %-6s %-8s %s\n' "$how" "$phase" "$STATUS" "$TOOK" "$last"
        want_status=0 limit=$((1000 * slow)) want_line='^end 1 defeat '
        [ "$how" = display ] && want_status=1 limit=$((2000 * slow))
        [ "$phase" = round ] && want_line='^end 1 closed [0-9]+ [0-9]+$'
        problem=
        [ "$STATUS" = "$want_status" ] || problem="status $STATUS, not $want_status"
        [[ $last =~ $want_line ]] || problem="$problem; the last line is not /$want_line/"
        [ "${KRIVOL_ENDINGS_LIMITS:-1}" = 0 ] || [ "$TOOK" -le "$limit" ] || problem="$problem; took $TOOK ms, over $limit"
        [ "$(grep -c '^end ' "$rec")" = 1 ] || problem="$problem; not one end line"
        ! sanitizer_report || problem="$problem; a sanitizer report"
        if [ -n "$problem" ]; then
            echo "FAIL: $how $phase: ${problem#; } (log: $(grep -v 'XDG_RUNTIME_DIR\|PulseAudio' "$work/krivol.log" | head -20))"
            failures=$((failures + 1))
        fi
    done
done
# The level editor: a signal closes it without the save question, keeping a
# recovery copy of unsaved changes, and a test play (F5) and its end box with it.
editor_start() {
    local level=corridor win game
    [ "$1" = box ] && level=room
    cp "$work/$level/KRIVOL01.BMP" "$work/edited.bmp"
    KRIVOL_X_SCREEN=1280x1024x24 xvfb_start "$work/xvfb.log" || fail "no X server"
    LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
        XDG_STATE_HOME="$work/state-$1" QT_QPA_PLATFORM=xcb "$bin_dir/krivol" --edit "$work/edited.bmp" --seed 27 \
        >"$work/krivol.log" 2>&1 &
    game_pid=$!
    win=$(xvfb_window '^edited\.bmp' "$game_pid") || fail "no editor window (log: $(cat "$work/krivol.log"))"
    xdotool windowfocus "$win" 2>/dev/null
    sleep 0.5
    if [ "$1" = unsaved ]; then
        xdotool key --delay 60 Up 2 space
        xvfb_wait_until xvfb_find '^edited\.bmp\*' || fail "the keys left the level unchanged"
        return
    fi
    xdotool key F5
    game=$(xvfb_window '^Krivol v2\.32$' "$game_pid") || fail "F5 opened no game window"
    sleep 0.5
    xvfb_click "$game" 79 210
    [ "$1" = box ] && { xvfb_wait_until box_open || fail "no end box in the test play"; }
    kill -0 "$game_pid" 2>/dev/null || fail "the editor ended by itself"
}
for phase in unsaved play box; do
    editor_start "$phase"
    end TERM
    printf '%-8s %-8s %-6s %-8s %s\n' TERM "edit-$phase" "$STATUS" "$TOOK" "-"
    problem=
    [ "$STATUS" = 0 ] || problem="status $STATUS, not 0"
    [ "${KRIVOL_ENDINGS_LIMITS:-1}" = 0 ] || [ "$TOOK" -le $((1000 * slow)) ] ||
        problem="$problem; took $TOOK ms, over $((1000 * slow))"
    ! sanitizer_report || problem="$problem; a sanitizer report"
    cmp -s "$work/edited.bmp" "$work/$([ "$phase" = box ] && echo room || echo corridor)/KRIVOL01.BMP" ||
        problem="$problem; the level file was written"
    # The unsaved drawing is kept for the next start, and nothing else is.
    copies=$(ls "$work/state-$phase/krivol/"*.draft 2>/dev/null | wc -l)
    [ "$copies" = "$([ "$phase" = unsaved ] && echo 1 || echo 0)" ] || problem="$problem; $copies recovery copies"
    if [ -n "$problem" ]; then
        echo "FAIL: TERM edit-$phase: ${problem#; } (log: $(grep -v 'XDG_RUNTIME_DIR\|PulseAudio' "$work/krivol.log" | head -20))"
        failures=$((failures + 1))
    fi
done
# A broken recording given to --replay: its box opens as the window starts,
# and a signal ends that too.
printf 'krivol-replay 1\nseed 5\nbogus line\n' >"$work/broken.krivol-replay"
xvfb_start "$work/xvfb.log" || fail "no X server"
LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}" \
    QT_QPA_PLATFORM=xcb "$bin_dir/krivol" --replay "$work/broken.krivol-replay" >"$work/krivol.log" 2>&1 &
game_pid=$!
xvfb_window '^krivol$' "$game_pid" >/dev/null || fail "no box for the broken recording"
end TERM
printf '%-8s %-8s %-6s %-8s %s\n' TERM replay-box "$STATUS" "$TOOK" "-"
if [ "$STATUS" != 0 ] || { [ "${KRIVOL_ENDINGS_LIMITS:-1}" != 0 ] && [ "$TOOK" -gt $((1000 * slow)) ]; }; then
    echo "FAIL: TERM replay-box: status $STATUS after $TOOK ms (log: $(grep -v 'XDG_RUNTIME_DIR\|PulseAudio' "$work/krivol.log" | head -20))"
    failures=$((failures + 1))
fi
[ "$failures" = 0 ] || exit 1
echo "PASS"
