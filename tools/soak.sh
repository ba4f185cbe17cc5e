#!/usr/bin/env bash
# Soak test: runs tools/soak/soak.lua, which uses every library, for a number
# of frames (default 20000) and prints the resident memory at intervals, so
# that anyone can see it stay flat. Not part of the test suite: it takes
# minutes. Usage: tools/soak.sh [FRAMES]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
frames="${1:-20000}"
bash "$root/tools/install-deps.sh" --tests
bash "$root/tools/build.sh" >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for entry in "$root"/runtime/*; do ln -s "$entry" "$work/"; done
cp "$root/tools/soak/soak.lua" "$work/"
ffmpeg -loglevel error -f lavfi -i testsrc=size=64x48:rate=10 -t 1 -c:v mjpeg "$work/soak.avi"

cd "$work"
run=("$root/build/bin/scriptdesk-run" --frames "$frames" --dt 0.02 soak.lua)
if [ -n "${DISPLAY:-}" ]; then
  SOAK_FRAMES="$frames" "${run[@]}" >/dev/null 2>errors.txt
else
  SOAK_FRAMES="$frames" xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1024x768x24 -noreset" \
    "${run[@]}" >/dev/null 2>errors.txt
fi
grep '^soak:' stdout.log
echo "soak: $(grep -cv 'failed to change screen settings' errors.txt || true) lines on standard error"
