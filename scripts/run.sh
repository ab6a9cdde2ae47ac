#!/usr/bin/env bash
# Installs what is missing, builds the program and its translations (not the
# tests: scripts/test.sh builds those) and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
ZANDREL_BUILD_TARGETS=zandrel "$top/scripts/setup.sh" "$top/build"
exec "$top/build/zandrel"
