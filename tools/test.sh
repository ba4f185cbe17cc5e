#!/usr/bin/env bash
# Installs what is missing, builds scriptdesk with its tests and runs them all
# under a virtual X server. With --sanitize the same suite is built into
# build-asan with AddressSanitizer, LeakSanitizer and UBSan and run there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/tools/install-deps.sh" --tests
build="$root/build"
if [ "${1:-}" = "--sanitize" ]; then
  shift
  build="$root/build-asan"
  SCRIPTDESK_BUILD_DIR="$build" bash "$root/tools/build.sh" -DSCRIPTDESK_SANITIZE=ON \
    -DSCRIPTDESK_BENCHMARKS=OFF
  export ASAN_OPTIONS=detect_leaks=1
  export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  bash "$root/tools/build.sh"
fi
cd "$build"
xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1024x768x24 -noreset" ctest --output-on-failure -j"$(nproc)" "$@"
