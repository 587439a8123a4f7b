#!/usr/bin/env bash
# Installs into a temporary folder, checks the installed tree and its metadata, builds the .deb, lists it,
# and starts the installed program once under an X server.
#   check-install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
id=com.quenbury.Tonalyx
expected=(
    usr/bin/tonalyx
    usr/share/applications/$id.desktop
    usr/share/metainfo/$id.metainfo.xml
)
for size in 16 32 48 64 128 256; do expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png"); done
for f in "${expected[@]}"; do
    [ -e "$stage/$f" ] || { echo "missing from the install: $f"; exit 1; }
done
desktop-file-validate "$stage/usr/share/applications/$id.desktop"
# The project has no homepage yet. Validators that want one (AppStream 1.0) are told that this one check
# is only information; older ones do not know the check and validate as they are.
metainfo="$stage/usr/share/metainfo/$id.metainfo.xml"
if ! verdict=$(appstreamcli validate --no-net --override=url-homepage-missing=info "$metainfo" 2>&1); then
    grep -q "not recognized" <<<"$verdict" || { echo "$verdict"; exit 1; }
    appstreamcli validate --no-net "$metainfo"
fi
grep -q 'release version="1.00.0002"' "$stage/usr/share/metainfo/$id.metainfo.xml"

(cd "$build" && cpack -G DEB >/dev/null 2>&1)
deb=$(ls "$build"/tonalyx_1.00.0002_*.deb)
contents=$(dpkg-deb -c "$deb")
grep -q "\./usr/bin/tonalyx$" <<<"$contents"
grep -q "hicolor/256x256/apps/$id.png" <<<"$contents"
[ "$(dpkg-deb -f "$deb" Version)" = 1.00.0002 ]
depends=$(dpkg-deb -f "$deb" Depends)
grep -q libqt6widgets6 <<<"$depends"
grep -q qt6-qpa-plugins <<<"$depends"
grep -q qt6-wayland <<<"$depends"
echo "package $(basename "$deb"): $(wc -l <<<"$contents") entries, depends on $depends"

# The installed program, started as the menu starts it (the Exec line of its desktop entry), opens
# its window with the title and its icon.
unpacked="$stage/deb"
dpkg-deb -x "$deb" "$unpacked"
PATH="$unpacked/usr/bin:$PATH" "$source/tests/install/start-from-menu.py" "$unpacked/usr/share/applications/$id.desktop"
echo "the installed program, started from its desktop entry, opened its window with its icon"
