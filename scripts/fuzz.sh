#!/usr/bin/env bash
# Runs the fuzz targets long, as docs/testing.md reports them: RUNS inputs each (ten million unless
# given) from the seeds in tests/fuzz/corpus, then one input of a megabyte, the seeds over and over. What a
# target adds, and what it finds, goes to build/fuzz-long/TARGET. Prints each target's figures and the
# edges it covered of the functions under test, file by file.
#   scripts/fuzz.sh [RUNS [TARGET ...]]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
runs=${1:-10000000}
targets=("${@:2}")
[ ${#targets[@]} -gt 0 ] || targets=(PageAddress Start Text PathNames)
# The files whose functions each target is for.
declare -A under_test=(
    [PageAddress]="PageAddress_web AppObject_web Process_web Kernel32_web Main Environment PathNames Text NarrowText_posix"
    [Start]="Main Environment PathNames Text NarrowText_posix Process_posix Kernel32_posix"
    [Text]="Text NarrowText_posix"
    [PathNames]="PathNames Text NarrowText_posix")
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ASAN_SYMBOLIZER_PATH=$(command -v llvm-symbolizer-19 llvm-symbolizer | head -n 1)
export ASAN_SYMBOLIZER_PATH

for target in "${targets[@]}"; do
    work=build/fuzz-long/$target
    fuzzer=build/fuzz/tests/fuzz/fuzz_$target
    mkdir -p "$work/corpus"
    { while cat "tests/fuzz/corpus/$target"/*; do :; done; } 2>/dev/null | head -c 1048576 >"$work/megabyte" || true
    if ! "$fuzzer" -runs="$runs" -print_final_stats=1 -print_coverage=1 -artifact_prefix="$work/" \
            "$work/corpus" "tests/fuzz/corpus/$target" >"$work/log" 2>&1 ||
       ! "$fuzzer" "$work/megabyte" >>"$work/log" 2>&1; then
        echo "$target: a finding (build/fuzz-long/$target/log, and the input beside it)"
        exit 1
    fi
    figure() { grep -oP "stat::$1:\s*\K\d+" "$work/log"; }
    echo "$target: $(figure number_of_executed_units) inputs at $(figure average_exec_per_sec) a second, no finding;" \
         "the functions under test:"
    files=$(printf '/startup/%s.cpp:|' ${under_test[$target]})
    grep -E '^(UN)?COVERED_FUNC' "$work/log" | grep -E "${files%|}" | awk '
        { split($5, e, "/"); file = $NF; sub(/.*\/startup\//, "", file); sub(/:.*/, "", file)
          hit[file] += e[1]; all[file] += e[2]; hits += e[1]; edges += e[2] }
        END { for (f in all) printf "    %-22s %4d of %4d edges\n", f, hit[f], all[f]
              printf "    %-22s %4d of %4d edges (%d %%)\n", "all", hits, edges, 100 * hits / edges }'
done
