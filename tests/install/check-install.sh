#!/usr/bin/env bash
# Installs into a temporary folder, checks the installed tree and its metadata, builds the .deb, has
# lintian check it as Debian checks its own, and starts the packaged program from its menu entry.
#   check-install.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1
source=$2
version=$3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
id=com.quenbury.Tonalyx
# The program and its desktop entry are started below; the metainfo is validated; the icons:
for size in 16 32 48 64 128 256; do
    [ -e "$stage/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || { echo "no icon of $size pixels"; exit 1; }
done
desktop-file-validate "$stage/usr/share/applications/$id.desktop"
metainfo="$stage/usr/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo"
grep -q "release version=\"$version\"" "$metainfo"

(cd "$build" && cpack -G DEB >/dev/null 2>&1)
deb=$(ls "$build"/tonalyx_"$version"_*.deb)
contents=$(dpkg-deb -c "$deb")
lintian --fail-on error,warning "$deb"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ]
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 qt6-qpa-plugins qt6-wayland; do grep -q "$package" <<<"$depends"; done
echo "package $(basename "$deb"): $(wc -l <<<"$contents") entries, depends on $depends"

# The packaged program, stripped, started as the menu starts it, opens its window with its icon.
unpacked="$stage/deb"
dpkg-deb -x "$deb" "$unpacked"
file "$unpacked/usr/bin/tonalyx" | grep -q ", stripped" || { echo "the packaged program is not stripped"; exit 1; }
"$source/tests/e2e/suite.py" qt-x11 "$unpacked/usr/bin/tonalyx" "started from its menu entry"
