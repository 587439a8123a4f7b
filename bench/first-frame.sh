#!/usr/bin/env bash
# Inside an X server with a window manager: alternates runs of the program and the floor, each until its
# first correct frame, and prints the medians and ratios.
#   first-frame.sh PROBE RUNS "PROGRAM COMMAND" "FLOOR COMMAND"
set -euo pipefail
probe=$1
runs=$2
read -r -a program <<<"$3"
read -r -a floor <<<"$4"

# The program centres itself; one run tells where its first patch appears.
"${program[@]}" & pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Quenbury Tonalyx$' | head -n1)
x=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}')
kill $pid; wait $pid 2>/dev/null || true
program_at=($((x + 32)) $((y + 8)) 808080) # the first patch beside its caption, gray 128
floor_at=(150 150 808080)                  # the floor's background, the same gray

measure() { # name, probe place..., command...
    local name=$1 out
    shift
    out=$("$probe" "$1" "$2" "$3" 30000 "${@:4}") || { echo "timeout" >&2; exit 1; }
    echo "$name $out" >>"$results"
}
results=$(mktemp)
trap 'rm -f "$results"' EXIT
# The first starts of each are slower while the system's caches fill: five of each are not counted.
for _ in 1 2 3 4 5; do
    measure warmup "${program_at[@]}" "${program[@]}"
    measure warmup "${floor_at[@]}" "${floor[@]}"
done
for _ in $(seq "$runs"); do
    measure program "${program_at[@]}" "${program[@]}"
    measure floor "${floor_at[@]}" "${floor[@]}"
done

python3 - "$results" "$runs" <<'PY'
import statistics, sys
rows = [line.split() for line in open(sys.argv[1])]
def med(name, column):
    return statistics.median(float(r[column]) for r in rows if r[0] == name)
pt, ft = med("program", 1), med("floor", 1)
pm, fm = med("program", 2) / 1024, med("floor", 2) / 1024
# Each start against the floor's start right after it: steadier than the medians alone when the machine
# speeds up or slows down during the runs.
times = {name: [float(r[1]) for r in rows if r[0] == name] for name in ("program", "floor")}
paired = statistics.median(p / f for p, f in zip(times["program"], times["floor"]))
print(f"First correct frame, median of {sys.argv[2]} runs each:")
print(f"  program {pt:7.1f} ms   floor {ft:7.1f} ms   ratio {pt / ft:.2f}   median of paired ratios {paired:.2f}")
pc, fc = med("program", 3), med("floor", 3)
print(f"Processor time until then (the wineserver's included), median:")
print(f"  program {pc:7.1f} ms   floor {fc:7.1f} ms   ratio {pc / fc:.2f}")
print(f"Peak resident memory at that frame:")
print(f"  program {pm:7.1f} MiB  floor {fm:7.1f} MiB  ratio {pm / fm:.2f}")
PY
