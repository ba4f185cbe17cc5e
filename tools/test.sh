#!/usr/bin/env bash
# Installs what is missing, builds scriptdesk with its tests and runs them all
# under a virtual X server.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/tools/install-deps.sh" --tests
bash "$root/tools/build.sh"
cd "$root/build"
xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1024x768x24 -noreset" ctest --output-on-failure -j"$(nproc)" "$@"
