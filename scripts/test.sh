#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (headless).
# With --sanitize the build in build-sanitize/ uses AddressSanitizer and
# UndefinedBehaviorSanitizer, with leak checking on.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = "--sanitize" ]; then
    build=$top/build-sanitize
    "$top/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=Debug -DZANDREL_SANITIZE=ON
else
    build=$top/build
    "$top/scripts/setup.sh" "$build"
fi
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
