#!/usr/bin/env bash
# Runs the README's test command on a fresh, minimal Debian RELEASE (bookworm, trixie, ...), as a new
# user of the project would: a debootstrap chroot with a clean clone of the committed tree. Then installs
# the .deb there with apt and starts the program from its desktop entry.
#   scripts/test-in-debian.sh RELEASE
# Needs root. The base system of each release, and the packages apt downloads into it, are kept in
# /var/cache/tonalyx-chroots between runs on one machine.
set -euo pipefail
release=${1:?usage: test-in-debian.sh RELEASE}
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "test-in-debian.sh makes a chroot and needs root" >&2; exit 1; }
command -v debootstrap >/dev/null || {
    echo "Installing debootstrap"
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null
}

base=/var/cache/tonalyx-chroots/$release
if [ ! -x "$base/bin/bash" ]; then
    echo "Making a minimal Debian $release in $base"
    rm -rf "$base.tmp"
    mkdir -p "$(dirname "$base")"
    debootstrap --variant=minbase "$release" "$base.tmp" http://deb.debian.org/debian >/dev/null
    mv "$base.tmp" "$base"
fi

root=$(mktemp -d "/var/tmp/tonalyx-$release.XXXXXX")
cleanup() {
    umount -R "$root/proc" "$root/sys" "$root/dev" "$root/var/cache/apt/archives" 2>/dev/null || true
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT
cp -a "$base/." "$root/"
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys" && mount --make-rslave "$root/sys"
mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
mkdir -p "$base-archives/partial"
mount --bind "$base-archives" "$root/var/cache/apt/archives"
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone -q . "$root/src"

inside() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 CI="${CI:-}" "$@"; }
echo "Debian $release: $(cat "$root/etc/debian_version"); running scripts/test.sh in a clean clone"
inside bash -c 'cd /src && scripts/test.sh'

echo "Debian $release: installing the .deb and starting the program from its desktop entry"
inside bash -c 'cd /src && apt-get install -y -qq ./build/test/tonalyx_*.deb >/dev/null &&
    dpkg -s tonalyx | grep -E "^(Version|Depends):"'
inside /src/tests/e2e/suite.py qt-x11 /usr/bin/tonalyx "started from its menu entry"
echo "Debian $release: the installed program, started from its menu entry, opened its window"
