#!/usr/bin/env bash
# Installs the Debian 12 packages scriptdesk needs to build, run and test.
# Only what is missing is installed; runs apt-get as root or through sudo.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  liblua5.1-0-dev libpng-dev freeglut3-dev libglu1-mesa-dev libgl-dev
  libopenal-dev libsndfile1-dev libkissfft-dev
  libavformat-dev libavcodec-dev libswscale-dev libavutil-dev
  libfreetype-dev fonts-dejavu-core
  xvfb xauth zenity
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(libgtest-dev libbenchmark-dev libstb-dev libtinyobjloader-dev ffmpeg xdotool)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
run_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
export DEBIAN_FRONTEND=noninteractive
run_root apt-get update -qq
run_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
