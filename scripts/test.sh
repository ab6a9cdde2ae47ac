#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (headless).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" "$top/build"
cd "$top/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
