#!/usr/bin/env bash
# The game as a player gets it: `cmake --install` into one temporary prefix and
# the .deb that cpack builds unpacked into another. From each: the levels are
# found through the installed data folder, --version works without a display,
# the desktop file, metainfo, icons and manual pages are sound, and the window
# started from the installed programs' folder previews level 1. lintian passes
# the package, whose programs are in /usr/games and data in /usr/share/games.
#   tests/install/install_test.sh BUILD_DIR VERSION APP_ID BINDIR
# Exit 0 pass, 1 fail, 77 skip (a tool is missing).
set -u

build=$(cd "${1:?usage: install_test.sh BUILD_DIR VERSION APP_ID BINDIR}" && pwd)
version=${2:?} app_id=${3:?} bindir=${4:?}
. "$(dirname "$0")/../e2e/xvfb_lib.sh"
xvfb_need_tools cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli lintian file man import convert ||
    exit 77

work=$(mktemp -d)
game_pid=
trap xvfb_cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
no_display() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }

# ---- the two installed trees ----
cmake --install "$build" --prefix "$work/inst" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; echo "FAIL: cmake --install"; exit 1; }
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/pkg/krivol_"$version"-1_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { ls "$work/pkg"; echo "FAIL: no krivol_$version-1_<arch>.deb"; exit 1; }
dpkg-deb -x "$deb" "$work/deb" || { echo "FAIL: dpkg-deb -x"; exit 1; }

lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || fail "lintian: $(grep '^E:' "$work/lintian.log")"
depends=$(dpkg-deb -f "$deb" Depends) recommends=$(dpkg-deb -f "$deb" Recommends)
# The platform plugins and Qt's translations are separate packages that a bare Qt install leaves out.
for needed in qt6-qpa-plugins qt6-translations-l10n; do
    case ", $depends," in *", $needed,"*) ;; *) fail "Depends lacks $needed: $depends" ;; esac
done
[ "$recommends" = qt6-wayland ] || fail "Recommends is '$recommends', not qt6-wayland"
# The gamepad module's SDL, found by dpkg-shlibdeps.
case ", $depends," in *", libsdl2-2.0-0 "*) ;; *) fail "Depends lacks libsdl2-2.0-0: $depends" ;; esac

check_tree() {
    local root=$1 name=$2
    local bin=$root/$3 data=$root/$4
    echo "-- $name: $root"

    # Levels by number, from the data folder: bin/ itself holds none.
    for n in 1 2 3; do
        out=$("$bin/krivol-cli" check "$n" 2>&1) || fail "$name: krivol-cli check $n: $out"
        case $out in "$data/KRIVOL0$n.BMP: playable"*) ;; *) fail "$name: check $n did not use $data: $out" ;; esac
    done
    out=$("$bin/krivol-cli" check 4 2>&1) && fail "$name: check 4 passed"
    case $out in *"$bin/KRIVOL04.BMP"*) ;; *) fail "$name: a missing level is not named in bin/: $out" ;; esac

    for program in krivol krivol-cli; do
        out=$(no_display "$bin/$program" --version 2>&1)
        [ "$out" = "$program $version" ] || fail "$name: $program --version says '$out'"
    done

    desktop-file-validate "$root/share/applications/$app_id.desktop" || fail "$name: desktop file"
    appstreamcli validate --no-net "$root/share/metainfo/$app_id.metainfo.xml" >"$work/as.log" 2>&1 ||
        fail "$name: metainfo: $(cat "$work/as.log")"

    for size in 16 24 32 48 64 128 256; do
        icon=$root/share/icons/hicolor/${size}x$size/apps/$app_id.png
        case $(file -b "$icon" 2>&1) in
            "PNG image data, $size x $size,"*) ;;
            *) fail "$name: $icon: $(file -b "$icon" 2>&1)" ;;
        esac
    done
    file -b "$root/share/icons/hicolor/scalable/apps/$app_id.svg" | grep -q SVG || fail "$name: no SVG icon"

    for page in krivol krivol-cli; do
        manpage=$(ls "$root/share/man/man6/$page.6"* 2>/dev/null | head -1)
        [ -n "$manpage" ] || { fail "$name: no manual page $page.6"; continue; }
        warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$manpage" 2>&1 >"$work/man.txt")
        [ -z "$warnings" ] || fail "$name: $page.6: $warnings"
        grep -q "krivol $version" "$work/man.txt" || fail "$name: $page.6 does not give version $version"
    done

    for module in sound video gamepad; do
        [ -f "$root/lib/krivol/krivol-$module.so" ] || fail "$name: no $module module in $root/lib/krivol"
    done
    # The video module, found where it was installed, makes a video of a recorded round.
    "$bin/krivol-cli" replay "$(dirname "$0")/../replays/level1.krivol-replay" --rounds 1 \
        --video "$work/round.webm" >/dev/null 2>"$work/video.log" || fail "$name: no video: $(cat "$work/video.log")"
    window_shows_level_one "$bin" "$data/KRIVOL01.BMP" "$name"
}

# ---- the window on a virtual X server ----

# The preview box (PicLOAD) shows the level picture unscaled at (49, 123) of
# the window; its 50 x 50 pixels must be the installed level file's.
window_shows_level_one() {
    local bin=$1 level=$2 name=$3 win
    QT_QPA_PLATFORM=xcb "$bin/krivol" --seed 1 >"$work/krivol.log" 2>&1 &
    game_pid=$!
    if ! win=$(xvfb_window "^Krivol v${version//./\\.}\$" "$game_pid"); then
        fail "$name: no window (log: $(cat "$work/krivol.log"))"
    else
        convert "$level" -crop 50x50+0+0 +repage -depth 8 -compress none ppm:"$work/level.ppm"
        xvfb_geometry "$win"
        xvfb_wait_until preview_is "$work/level.ppm" || fail "$name: the preview does not show $level"
        xvfb_close "$win"
    fi
    wait "$game_pid" 2>/dev/null
    game_pid=
    # The sound and gamepad modules, loaded after the first frame, were found where they were installed.
    grep -qE "no (sound|gamepad)" "$work/krivol.log" && fail "$name: $(grep -E "no (sound|gamepad)" "$work/krivol.log")"
}

preview_is() {
    xvfb_shot "$work/shot.ppm" &&
        convert "$work/shot.ppm" -crop "50x50+$((X + 49))+$((Y + 123))" +repage -compress none ppm:"$work/preview.ppm" &&
        cmp -s "$work/preview.ppm" "$1"
}

xvfb_start "$work/xvfb.log" || { echo "FAIL: no X server"; exit 1; }
check_tree "$work/inst" "cmake --install" "$bindir" share/krivol
check_tree "$work/deb/usr" "the .deb" games share/games/krivol
[ -e "$work/deb/usr/bin" ] && fail "the .deb still has /usr/bin"

[ "$failures" = 0 ] && echo "PASS"
[ "$failures" = 0 ]
