#!/usr/bin/env bash
# Builds every release artefact of the last commit into build/dist: the .deb, the Windows program, the
# web page, the source tarball, and SHA256SUMS of them, each named with the version. On one Debian
# release, whose compilers build them, the same commit gives the same bytes from any clone: the sources
# are the commit's own (git archive), each front end is built anew from them, the time is the commit's,
# and neither umask, time zone nor locale reaches a file.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh release

commit=$(git rev-parse HEAD)
export SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit") TZ=UTC LC_ALL=C.UTF-8
umask 022  # CPack gives the .deb's own members the modes of the files it writes
work=$PWD/build/dist-work
dist=$PWD/build/dist
rm -rf "$work" "$dist"
mkdir -p "$work/src" "$dist"
git diff --quiet HEAD || echo "Uncommitted changes are left out: the release is of commit $commit"
git archive --format=tar "$commit" | tar -x -C "$work/src"

build() {
    echo "Building $1"
    cmake -S "$work/src" -B "$work/$1" -G Ninja -DBUILD_TESTING=OFF "${@:2}" >/dev/null
    cmake --build "$work/$1" >/dev/null
}
build linux -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr
build windows --toolchain "$work/src/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release
build web --toolchain "$work/src/cmake/wasm32-wasi.cmake" -DCMAKE_BUILD_TYPE=MinSizeRel
(cd "$work/linux" && cpack -G DEB >/dev/null)

deb=$(ls "$work"/linux/tonalyx_*.deb)
version=$(dpkg-deb -f "$deb" Version)
cp "$deb" "$dist/"
cp "$work/windows/tonalyx.exe" "$dist/tonalyx-$version.exe"
cp "$work/web/tonalyx.html" "$dist/tonalyx-$version.html"
git archive --format=tar --prefix="tonalyx-$version/" "$commit" | gzip -9n >"$dist/tonalyx-$version.tar.gz"
(cd "$dist" && sha256sum -- *.deb *.exe *.html *.tar.gz >SHA256SUMS)
echo "Release $version of commit $commit in $dist:"
(cd "$dist" && cat SHA256SUMS)
