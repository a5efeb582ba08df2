#!/usr/bin/env bash
# The video of a whole recorded game, as a player would share it: the .webm
# plays to its end in Debian's Chromium (a page with a <video>), so does the
# .mp4, and FFmpeg decodes each whole without an error.
#   tests/e2e/video_play.sh BINARY_DIR RECORDING PICTURES
# PICTURES: how many the video must hold. Exit 0 pass, 1 fail, 77 skip
# (chromium or ffmpeg missing); KRIVOL_REQUIRE_PLAYERS=1 makes a skip a failure.
set -u
bin_dir=${1:?usage: video_play.sh BINARY_DIR RECORDING PICTURES} recording=${2:?} pictures=${3:?}
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*"; exit 1; }
for tool in chromium ffmpeg python3; do
    command -v "$tool" >/dev/null && continue
    [ "${KRIVOL_REQUIRE_PLAYERS:-}" = 1 ] && fail "$tool not found (required here)"
    echo "SKIP: $tool not found"
    exit 77
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for format in webm mp4; do
    video=$work/game.$format
    "$bin_dir/krivol-cli" replay "$recording" --video "$video" >/dev/null || fail "krivol-cli made no $format"
    decoded=$(ffmpeg -v error -xerror -i "$video" -f framemd5 - 2>"$work/ffmpeg.log" | grep -c '^0,')
    [ -s "$work/ffmpeg.log" ] && fail "$format: FFmpeg reports $(head -3 "$work/ffmpeg.log")"
    [ "$decoded" = "$pictures" ] || fail "$format: FFmpeg decodes $decoded pictures, not $pictures"
    echo "$format: $(stat -c %s "$video") bytes, $decoded pictures"
    python3 "$here/browser_play.py" "$video" "$((pictures / 25))" || fail "$format did not play to its end in Chromium"
done
echo "PASS"
