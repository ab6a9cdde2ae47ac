#!/usr/bin/env bash
# Builds the .deb, checks it with lintian (an error fails, warnings are
# shown), unpacks it into a scratch root, checks its layout and metadata, and
# starts the unpacked program under xvfb-run with a throw-away HOME: the main
# window must appear, titled in the default language (simplified Chinese),
# which shows that the translation loaded.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
deb=$("$top/scripts/package.sh" | tail -n 1)
for p in xvfb xauth x11-utils imagemagick desktop-file-utils appstream lintian; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="${missing:-} $p"
done
if [ -n "${missing:-}" ]; then
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y $missing
fi

root=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$root" "$home"' EXIT
echo "== $deb"
dpkg-deb --field "$deb" Package Version Depends
lintian --fail-on error --display-info "$deb"
dpkg-deb -x "$deb" "$root"
for f in usr/lib/zandrel/zandrel usr/lib/zandrel/simplify.qm usr/lib/zandrel/english.qm \
         usr/lib/zandrel/traditional.qm usr/share/applications/org.velmor.Zandrel.desktop \
         usr/share/metainfo/org.velmor.Zandrel.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/org.velmor.Zandrel.svg \
         usr/share/doc/zandrel/copyright usr/share/doc/zandrel/changelog.gz usr/share/man/man1/zandrel.1.gz; do
    [ -e "$root/$f" ] || { echo "missing: $f"; exit 1; }
done
[ "$(readlink "$root/usr/bin/zandrel")" = "../lib/zandrel/zandrel" ] || { echo "bad usr/bin/zandrel link"; exit 1; }
desktop-file-validate "$root/usr/share/applications/org.velmor.Zandrel.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.velmor.Zandrel.metainfo.xml"

expected_title=$(grep -A1 '<source>Zandrel v2.0</source>' "$top/resources/translations/simplify.ts" \
                 | sed -n 's:.*<translation>\(.*\)</translation>.*:\1:p')
out=${1:-$top/build-package/installed.png}
HOME=$home XDG_CONFIG_HOME=$home/.config xvfb-run -a -s "-screen 0 800x600x24" bash -c "
    '$root/usr/bin/zandrel' & pid=\$!
    sleep 3
    xwininfo -root -tree | grep -F '\"$expected_title\"' > '$home/window.txt' || true
    import -window root '$out'
    kill \$pid"
if [ -s "$home/window.txt" ]; then
    echo "window shown with the title \"$expected_title\": the translation loaded"
else
    echo "no window titled \"$expected_title\""; exit 1
fi
echo "screenshot: $out"
