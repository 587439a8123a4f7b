#!/usr/bin/env bash
# Inside an X server with a window manager: alternates runs of the program and of each floor, each until
# its first correct frame, and prints the medians and ratios.
#   first-frame.sh PROBE RUNS "PROGRAM COMMAND" "NAME:FLOOR COMMAND"...
set -euo pipefail
probe=$1
runs=$2
read -r -a program <<<"$3"
shift 3
floors=("$@")

# The program centres itself, and a browser puts the page somewhere in its window: one run tells where
# the first patch appears, the first gray 128 in the window.
"${program[@]}" >/dev/null 2>&1 & pid=$!
read -r x y < <(python3 - <<'PY'
import sys
sys.path.insert(0, "tests/e2e")
from desktop import wait_for
from x11 import X11
display = X11()
display.env = {}  # the X server this script runs in, not one of its own
def patch():
    window = display.windows("Quenbury Tonalyx")
    if not window:
        return None
    left, top, width, height = display.client(window[0])
    shot = display.shot()
    return next(((x, y) for x, y in shot.find((128,) * 3, 8) if left <= x < left + width and top <= y < top + height
                 and shot.rgb(x + 2, y + 2) == (128,) * 3), None)
print(*(wait_for(patch, 60) or ("none", "")))
PY
)
kill $pid; wait $pid 2>/dev/null || true
[ "$x" != none ] || { echo "the program showed no chart" >&2; exit 1; }
program_at=($((x + 2)) $((y + 2)) 808080) # inside the first patch, gray 128
floor_at=(150 150 808080)                  # each floor's background, the same gray

measure() { # name, probe place..., command...
    local name=$1 out
    shift
    out=$("$probe" "$1" "$2" "$3" 30000 "${@:4}" 2>/dev/null) || { echo "timeout" >&2; exit 1; }
    echo "$name $out" >>"$results"
}
each_once() { # name of the program's rows, then a floor's rows by the floor's name
    measure "$1" "${program_at[@]}" "${program[@]}"
    local floor
    for floor in "${floors[@]}"; do
        read -r -a command <<<"${floor#*:}"
        measure "${2:-${floor%%:*}}" "${floor_at[@]}" "${command[@]}"
    done
}
results=$(mktemp)
trap 'rm -f "$results"' EXIT
# The first starts of each are slower while the system's caches fill: five of each are not counted.
for _ in 1 2 3 4 5; do each_once warmup warmup; done
for _ in $(seq "$runs"); do each_once program; done

python3 - "$results" "$runs" "${floors[@]%%:*}" <<'PY'
import statistics, sys
rows = [line.split() for line in open(sys.argv[1])]
floors = sys.argv[3:]
def column(name, i):
    return [float(r[i]) for r in rows if r[0] == name]
def figures(title, i, unit, scale=1):
    print(title)
    program = statistics.median(column("program", i)) / scale
    for floor in floors:
        median = statistics.median(column(floor, i)) / scale
        line = f"  program {program:7.1f} {unit}  {floor} {median:7.1f} {unit}  ratio {program / median:.2f}"
        if i == 1:  # each start against the floor's start after it: steadier when the machine's speed drifts
            line += f"   median of paired ratios {statistics.median(p / f for p, f in zip(column('program', 1), column(floor, 1))):.2f}"
            # Where starts fall into a fast and a slow kind, as on a virtual machine, the fast ones compared.
            quartile = lambda name: statistics.quantiles(column(name, 1), n=4)[0]
            line += f"   lower quartiles {quartile('program'):.1f} / {quartile(floor):.1f} ms, ratio {quartile('program') / quartile(floor):.2f}"
        print(line)
figures(f"First correct frame, median of {sys.argv[2]} runs each:", 1, "ms")
figures("Processor time until then (the wineserver's included), median:", 3, "ms")
figures("Peak resident memory at that frame:", 2, "MiB", 1024)
PY
