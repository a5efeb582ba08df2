#!/usr/bin/env bash
# Installs, on Debian 12 as root, whatever the build, the game and the tests
# still miss. Does nothing when everything is there.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libqt6multimedia6
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-dejavu-core
  xvfb xdotool imagemagick x11-utils
  pulseaudio pulseaudio-utils
  dpkg-dev file desktop-file-utils appstream lintian man-db
  python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
