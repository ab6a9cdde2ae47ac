#!/usr/bin/env bash
# Builds the Debian package in build-package/ and prints its path.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build-package
# Every library symbol bound at start (-z now), as Debian hardens its programs.
"$top/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DZANDREL_BUILD_TESTS=OFF \
    -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro,-z,now"
dpkg-query -W -f='${Status}' dpkg-dev 2>/dev/null | grep -q "install ok installed" || {
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y dpkg-dev
}
(cd "$build" && cpack -G DEB > /dev/null)
ls "$build"/zandrel_*.deb
