#!/usr/bin/env bash
# Builds the Debian package: installs what is missing, builds the game and
# writes krivol_<version>-1_<arch>.deb to the top of this checkout, ready for
#   apt install ./krivol_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --tests
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target krivol krivol-cli krivol_data krivol_icons
rm -f build/package/krivol_*.deb
(cd build && cpack -G DEB -B "$PWD/package")
cp build/package/krivol_*.deb .
ls krivol_*.deb
