#!/usr/bin/env bash
# The benchmark: start-up to the first correct frame and peak memory, program against a bare Qt window,
# then the micro benchmarks. Prints every figure; asserts nothing.
#   bench/run.sh [RUNS]     (RUNS of each, after a warm-up; default 11)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
scripts/install-deps.sh bench

echo "Building in build/bench (Release)"
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTONALYX_BENCH=ON >/dev/null
cmake --build build/bench >/dev/null

tests/e2e/with-xvfb.sh 1024x768 bench/first-frame.sh build/bench "$runs"

echo
echo "Micro benchmarks (offscreen):"
build/bench/bench/tonalyx_micro --benchmark_min_time=0.2 2>/dev/null | sed -n '/^Benchmark/,$p'
