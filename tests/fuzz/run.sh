#!/usr/bin/env bash
# Builds the fuzz target with clang's libFuzzer and runs it for a bounded number of inputs from the
# committed corpus. Exits 77 (skipped) where clang 16 is not installed.
#   run.sh SOURCE_DIR BUILD_DIR [RUNS]
set -euo pipefail
source=$1
build=$2
runs=${3:-200000}
command -v clang++-16 >/dev/null || { echo "clang++-16 is not installed"; exit 77; }

mkdir -p "$build"
# clang 16 does what libstdc++'s <expected> needs of concepts but announces an older level.
clang++-16 -std=c++2b -Wno-macro-redefined -D__cpp_concepts=202002L -g -O1 \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I "$source/startup" \
    "$source/tests/fuzz/PathFuzz.cpp" \
    "$source/startup/PathNames.cpp" "$source/startup/Environment.cpp" "$source/startup/Text.cpp" \
    -o "$build/path_fuzz"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source"/tests/fuzz/corpus/* "$work"/
"$build/path_fuzz" -runs="$runs" -seed=1 -max_len=600 -artifact_prefix="$build/" "$work" 2>&1 | tail -n 3
