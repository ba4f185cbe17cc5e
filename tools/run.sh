#!/usr/bin/env bash
# Installs what is missing, builds scriptdesk and starts it in runtime/.
# With no display it runs under Xvfb for a few seconds and saves a screenshot.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/tools/install-deps.sh"
bash "$root/tools/build.sh"
cd "$root/runtime"
if [ -n "${DISPLAY:-}" ]; then
  exec "$root/build/bin/scriptdesk" "$@"
fi
shot="$root/build/screenshot.png"
xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1024x768x24 -noreset" \
  "$root/build/bin/scriptdesk-run" --frames 180 --screenshot "$shot" "$root/tools/showcase.lua"
echo "No display: ran under Xvfb; screenshot written to $shot"
