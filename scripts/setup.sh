#!/usr/bin/env bash
# Installs what is missing on Debian/Ubuntu, then configures and builds.
# Usage: scripts/setup.sh [build-dir] [extra cmake options...]
# With ZANDREL_BUILD_TARGETS set (e.g. "zandrel") only those targets are built.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
shift || true

packages=(cmake g++ make pkg-config qtbase5-dev qttools5-dev qttools5-dev-tools
          libespeak-ng-dev espeak-ng-data unicode-data python3 fonts-noto-cjk qttranslations5-l10n
          desktop-file-utils appstream libkf5archive-dev libxlsxwriter-dev libcsv-dev libpcaudio-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S "$top" -B "$build" "$@"
targets=()
for target in ${ZANDREL_BUILD_TARGETS:-}; do
    targets+=(--target "$target")
done
cmake --build "$build" -j2 "${targets[@]}"
