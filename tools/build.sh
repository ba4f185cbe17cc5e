#!/usr/bin/env bash
# Configures and builds scriptdesk into build/ (binaries in build/bin/), or
# into the folder SCRIPTDESK_BUILD_DIR names. Arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${SCRIPTDESK_BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
