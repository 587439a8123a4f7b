#!/usr/bin/env bash
# The benchmark: start-up to the first correct frame and peak memory, program against a bare window of
# its toolkit: Qt on Linux, tonalyx.exe under Wine against a bare Win32 window with and without themes, and
# tonalyx.html in Chromium against a bare page, started anew and in a running browser; then the micro
# benchmarks. Prints every figure; asserts nothing.
#   bench/run.sh [RUNS]     (RUNS of each, after a warm-up; default 11)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
scripts/install-deps.sh bench

echo "Building in build/bench (Release)"
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTONALYX_BENCH=ON >/dev/null
cmake --build build/bench >/dev/null

on_display() { python3 tests/e2e/x11.py 1024x768 "$@"; }
echo "Qt on X11:"
on_display bench/first-frame.sh build/bench/bench/frame_probe "$runs" build/bench/tonalyx "floor:build/bench/bench/tonalyx_floor"

echo
echo "Building tonalyx.exe and its floor in build/bench-windows (MinGW-w64, Release)"
cmake -S . -B build/bench-windows -G Ninja --toolchain cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=OFF -DTONALYX_BENCH=ON >/dev/null
cmake --build build/bench-windows >/dev/null
exe=build/bench-windows/tonalyx.exe
echo "tonalyx.exe: $(stat -c %s "$exe") bytes; themed floor: $(stat -c %s build/bench-windows/bench/tonalyx_floor.exe) bytes"
export WINEPREFIX=$PWD/build/bench-windows/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
echo "Win32 under Wine (a warm wineserver, as on a desktop where Wine already runs):"
on_display bash -c 'wineboot -i >/dev/null 2>&1; wineserver -p; wine=$(command -v wine)
    bench/first-frame.sh build/bench/bench/frame_probe "$1" "$wine $2" "themed:$wine $3" "unthemed:$wine $4"
    wineserver -k' _ "$runs" "$exe" build/bench-windows/bench/tonalyx_floor.exe build/bench-windows/bench/tonalyx_floor_unthemed.exe

echo
echo "Building tonalyx.html in build/bench-web (WebAssembly, MinSizeRel)"
cmake -S . -B build/bench-web -G Ninja --toolchain cmake/wasm32-wasi.cmake -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build build/bench-web >/dev/null
echo "tonalyx.html: $(stat -c %s build/bench-web/tonalyx.html) bytes"
export BENCH_PROFILES=$(mktemp -d)
trap 'rm -rf "$BENCH_PROFILES"' EXIT
echo "tonalyx.html in Chromium $(chromium --version 2>/dev/null | grep -o '[0-9.]*' | head -n1) (a new profile each start):"
on_display bench/first-frame.sh build/bench/bench/frame_probe "$runs" "$PWD/bench/chromium.sh file://$PWD/build/bench-web/tonalyx.html" \
    "floor:$PWD/bench/chromium.sh file://$PWD/bench/bare.html"
echo "tonalyx.html in a running Chromium (each load a new tab):"
bench/running-browser.py build/bench-web/tonalyx.html bench/bare.html "$runs"

echo
echo "Micro benchmarks (offscreen):"
build/bench/bench/tonalyx_micro --benchmark_min_time=0.2 2>/dev/null | sed -n '/^Benchmark/,$p'
