#!/usr/bin/env bash
# The Windows program as shipped: at most 384 KiB with no debug information, no DLL beyond those Windows
# ships, and its version record (German, Unicode), icon and per-monitor DPI awareness.
#   check-exe.sh EXE OBJDUMP WINDRES VERSION
set -euo pipefail
size=$(stat -c %s "$1")
[ "$size" -le 393216 ] || { echo "$1: $size bytes, more than 384 KiB"; exit 1; }
! "$2" -h "$1" | grep -q '\.debug_' || { echo "$1 carries debug sections"; exit 1; }
imports=$("$2" -p "$1" | sed -n 's/^\s*DLL Name: //p' | sort -f | tr '\n' ' ')
[ "$imports" = "GDI32.dll KERNEL32.dll msvcrt.dll USER32.dll " ] || { echo "$1 imports $imports"; exit 1; }
resources=$("$3" -i "$1" -O rc)
for want in 'BLOCK "040704B0"' "VALUE \"FileVersion\", \"$4\"" 'VALUE "Translation", 0x407, 1200' RT_GROUP_ICON \
    PerMonitorV2; do
    grep -qF "$want" <<<"$resources" || { echo "$1: no $want among its resources"; exit 1; }
done
echo "$1: $size bytes, imports $imports"
