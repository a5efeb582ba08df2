#!/usr/bin/env bash
# Installs, on Debian 12 as root, whatever is still missing; does nothing when
# everything is there.
#   tools/install-deps.sh           what building and playing the game need
#   tools/install-deps.sh --tests   that, and the test, benchmark and packaging tools
set -euo pipefail
play=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libqt6multimedia6 qt6-wayland
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libavcodec-dev libavformat-dev libavutil-dev libswscale-dev libswresample-dev
  libsdl2-dev libsdl2-2.0-0
  fonts-dejavu-core
)
tests=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool imagemagick x11-utils x11-xserver-utils libxdamage1
  sway wtype grim
  pulseaudio pulseaudio-utils
  dpkg-dev file desktop-file-utils appstream lintian man-db
  python3 ffmpeg chromium
)
packages=("${play[@]}")
case "${1:-}" in
  --tests) packages+=("${tests[@]}") ;;
  "") ;;
  *) echo "usage: $0 [--tests]" >&2; exit 2 ;;
esac
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
