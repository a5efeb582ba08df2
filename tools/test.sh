#!/usr/bin/env bash
# The whole test run: installs what is missing, builds, runs every test, then
# does the same with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
(cd build && ctest --output-on-failure -j2)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKRIVOL_SANITIZE=ON -DKRIVOL_BUILD_BENCH=OFF
cmake --build build-asan
(cd build-asan && ctest --output-on-failure -j2)
