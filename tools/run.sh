#!/usr/bin/env bash
# Installs what is missing, builds the game and the headless tool
# (build/bin/krivol-cli) and starts the game. Arguments go to the game (for
# example --seed 42).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
# Only the game: the tests and benchmarks need tools a player does without.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKRIVOL_BUILD_TESTS=OFF -DKRIVOL_BUILD_BENCH=OFF >/dev/null
cmake --build build --target krivol krivol-cli krivol_data
exec build/bin/krivol "$@"
