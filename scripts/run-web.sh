#!/usr/bin/env bash
# Builds the web page, build/web-release/tonalyx.html, and opens it in the desktop's browser. The file is
# the whole program: copy it anywhere, open it from disk or put it on any web server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh web
echo "Building in build/web-release"
cmake -S . -B build/web-release -G Ninja --toolchain cmake/wasm32-wasi.cmake -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build build/web-release
page=$PWD/build/web-release/tonalyx.html
echo "Opening $page"
if command -v xdg-open >/dev/null; then exec xdg-open "$page"; else echo "Open it in your browser."; fi
