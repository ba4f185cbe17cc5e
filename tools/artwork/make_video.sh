#!/usr/bin/env bash
# Writes the example video of the start menu: four seconds of ffmpeg's moving
# test card, 160x120 at 10 frames per second, Motion-JPEG in an AVI file.
#
#     bash tools/artwork/make_video.sh [OUTPUT.avi]
#
# The default output is runtime/media/testcard.avi.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
out="${1:-$root/runtime/media/testcard.avi}"
mkdir -p "$(dirname "$out")"
ffmpeg -v error -y -f lavfi -i testsrc=size=160x120:rate=10 -t 4 \
  -c:v mjpeg -q:v 10 -fflags +bitexact "$out"
