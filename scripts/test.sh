#!/usr/bin/env bash
# Builds everything and runs every test: the core, the fuzz targets briefly, and the real program on
# displays that the tests start themselves, for Linux (Qt), for Windows (tonalyx.exe under Wine) and for
# the web (tonalyx.html in Chromium and Firefox).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

echo "Building in build/test"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/test
echo "Running the tests"
ctest --test-dir build/test --output-on-failure

echo "Building everything with AddressSanitizer and UndefinedBehaviorSanitizer and running the tests again"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

echo "Building the fuzz targets (clang, libFuzzer, the same sanitizers) and running each briefly from its seeds"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz

echo "Building tonalyx.exe for Windows (MinGW-w64) and running its tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows

echo "Building tonalyx.html (WebAssembly) and running its tests under Node.js and in Chromium and Firefox"
cmake --preset web >/dev/null
cmake --build --preset web
ctest --preset web
