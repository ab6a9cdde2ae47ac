#!/usr/bin/env bash
# Starts the program under xvfb-run with a throw-away HOME and saves a PNG of
# the screen. Usage: scripts/screenshot.sh [out.png] [seconds-to-wait]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-screenshot.png}")
wait=${2:-3}
for p in xvfb xauth imagemagick; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="${missing:-} $p"
done
if [ -n "${missing:-}" ]; then
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y $missing
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME=$home XDG_CONFIG_HOME=$home/.config xvfb-run -a -s "-screen 0 800x600x24" \
    bash -c "\"$top/build/zandrel\" & pid=\$!; sleep $wait; import -window root \"$out\"; kill \$pid"
echo "saved $out"
