#!/usr/bin/env bash
# Remakes the README's screenshots in docs/: the desktop with the start menu
# open, the script editor with its output, and a particle preset over a mesh.
# Each is a frame of scriptdesk-run on a 1024x768 virtual screen.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/tools/install-deps.sh"
bash "$root/tools/build.sh" >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for entry in "$root"/runtime/*; do ln -s "$entry" "$work/"; done
cd "$work"
# name, script, frames
for shot in "desktop showcase.lua 8" "editor screenshots/editor.lua 4" \
            "particles screenshots/particles.lua 120"; do
  read -r name script frames <<<"$shot"
  ALSOFT_DRIVERS=null xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1024x768x24 -noreset" \
    "$root/build/bin/scriptdesk-run" --frames "$frames" --dt 0.03 \
    --screenshot "$root/docs/$name.png" "$root/tools/$script" >/dev/null 2>&1
  echo "docs/$name.png: $(stat -c %s "$root/docs/$name.png") bytes"
done
