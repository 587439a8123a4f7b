#!/usr/bin/env bash
# Runs a command on a fresh X server with a real window manager, and stops both afterwards.
#   [XFT_DPI=144] with-xvfb.sh WIDTHxHEIGHT command [arguments...]
set -euo pipefail
size=$1
shift

work=$(mktemp -d)
cleanup() {
    kill "${wm_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number and writes it to the descriptor we give it.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

# A screen density set the way desktops set it, as an X resource, when XFT_DPI asks for one.
if [ -n "${XFT_DPI:-}" ]; then
    echo "Xft.dpi: $XFT_DPI" | xrdb -merge
fi

# A runtime folder of this run's own, so that the program's single-instance lock meets no other run.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

"$@"
