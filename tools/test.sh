#!/usr/bin/env bash
# The whole test run: installs what is missing, builds, runs every test, then
# does the same with AddressSanitizer and UndefinedBehaviorSanitizer, and
# gives each fuzz target a short run.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --tests
# Here the real-sound tests fail, rather than skip, without a sound server.
export KRIVOL_REQUIRE_SOUND=1
# The same for the Wayland test when sway, wtype, grim or Qt's plugin are missing,
# and for the video tests without the players Chromium and FFmpeg.
export KRIVOL_REQUIRE_WAYLAND=1 KRIVOL_REQUIRE_PLAYERS=1

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKRIVOL_BUILD_TESTS=ON -DKRIVOL_BUILD_BENCH=ON
cmake --build build
(cd build && ctest --output-on-failure -j2)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKRIVOL_SANITIZE=ON -DKRIVOL_BUILD_TESTS=ON -DKRIVOL_BUILD_BENCH=OFF
cmake --build build-asan
(cd build-asan && ctest --output-on-failure -j2)

# The fuzz targets, built with clang, each run briefly on its seed corpus.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DKRIVOL_BUILD_FUZZ=ON -DKRIVOL_BUILD_TESTS=OFF -DKRIVOL_BUILD_BENCH=OFF -DKRIVOL_BUILD_WINDOW=OFF
cmake --build build-fuzz --target level_fuzz wav_fuzz keys_fuzz game_fuzz replay_fuzz
fuzz/run.sh build-fuzz 10
