#!/usr/bin/env bash
# How fast `krivol-cli replay --video` makes a video, against real time, and
# whether its memory stays flat as the recording grows.
#   bench/video_bench.sh BINARY_DIR
# For each format: round 2 of the shipped level 1 game (38 s of play) at the
# default scale, timed; then one round and the whole three-round game of
# level 3, whose largest resident sizes should be the same.
set -u
bin_dir=${1:?usage: video_bench.sh BINARY_DIR}
replays=$(cd "$(dirname "$0")/../tests/replays" && pwd)
command -v ffprobe >/dev/null || { echo "no ffprobe"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# run NAME ARGS...: wall seconds and largest resident size of one video.
run() {
    local name=$1
    shift
    /usr/bin/time -f '%e %M' -o "$work/$name.time" "$bin_dir/krivol-cli" replay "$@" >/dev/null || exit 1
}
for format in webm mp4; do
    run "$format" "$replays/level1.krivol-replay" --rounds 2 --video "$work/round.$format"
    read -r wall _ <"$work/$format.time"
    length=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$work/round.$format")
    echo "$format: ${length} s of video in ${wall} s: $(python3 -c "print(f'{$length / $wall:.1f}')") times real time"
    run one "$replays/level3.krivol-replay" --rounds 1 --video "$work/one.$format"
    run all "$replays/level3.krivol-replay" --video "$work/all.$format"
    echo "  largest resident size: $(cut -d' ' -f2 "$work/one.time") KiB for one round (31 s)," \
         "$(cut -d' ' -f2 "$work/all.time") KiB for three (172 s)"
done
