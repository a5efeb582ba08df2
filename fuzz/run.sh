#!/usr/bin/env bash
# Runs every fuzz target for SECONDS on a scratch copy of its seed corpus, so
# the corpus in the repository stays as it is.
#   fuzz/run.sh BUILD_DIR [SECONDS]      (BUILD_DIR configured with KRIVOL_BUILD_FUZZ=ON)
# A crash, a sanitizer report or a broken invariant fails it; libFuzzer then
# leaves the input as crash-* in the current folder.
set -euo pipefail
build=${1:?usage: fuzz/run.sh BUILD_DIR [SECONDS]}
seconds=${2:-10}
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Recordings are seeded with the recorded games the test suite replays.
mkdir -p "$scratch/seeds"
cp "$here"/../tests/replays/*.krivol-replay "$scratch/seeds/"
seeds() { if [ "$1" = replay ]; then echo "$scratch/seeds"; else echo "$here/corpus/$1"; fi; }
for target in level wav keys game replay; do
    mkdir -p "$scratch/$target"
    echo "== ${target}_fuzz for ${seconds} s"
    status=0
    QT_QPA_PLATFORM=offscreen "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=20 \
        -rss_limit_mb=3072 -print_final_stats=1 "$scratch/$target" "$(seeds "$target")" \
        >"$scratch/$target.log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|==[0-9]+==|SUMMARY|invariant)' "$scratch/$target.log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$scratch/$target.log"
        echo "FAIL: ${target}_fuzz (exit $status)"
        exit 1
    fi
done
echo "all fuzz targets ran clean"
