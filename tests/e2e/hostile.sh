#!/usr/bin/env bash
# The real program against races and odd environments; run inside with-xvfb.sh.
#   hostile.sh PATH_TO_TONALYX
set -uo pipefail
program=$1
title='^Quenbury Tonalyx$'
failures=0
passes=0
work=$(mktemp -d)
# Only the copies this script started are ever stopped: those of $program and those under $work.
ours() { pkill -KILL -f -- "^$program( |$)" 2>/dev/null; pkill -KILL -f -- "^$work" 2>/dev/null; }
trap 'ours; rm -rf "$work"' EXIT

windows() { xdotool search --onlyvisible --name "$title" 2>/dev/null | wc -l; }
wait_windows() { # wait until exactly $1 windows show, up to 20 s
    for _ in $(seq 400); do [ "$(windows)" -eq "$1" ] && return 0; sleep 0.05; done
    return 1
}
check() { # name, then a command that must succeed
    local name=$1
    shift
    if "$@"; then echo "ok: $name"; passes=$((passes + 1)); else echo "FAILED: $name"; failures=$((failures + 1)); fi
}
stop_all() { ours; wait_windows 0; }

# Starts the program with the given environment changes and arguments, sees its window, stops it.
opens_window() { # env assignments... -- program args...
    local assignments=()
    while [ "$1" != -- ]; do assignments+=("$1"); shift; done
    shift
    env "${assignments[@]}" "$@" >/dev/null 2>&1 &
    local pid=$!
    wait_windows 1
    local seen=$?
    kill -KILL $pid 2>/dev/null
    wait $pid 2>/dev/null
    wait_windows 0
    return $seen
}

# Twelve copies at the same instant leave exactly one running, with one window.
for _ in $(seq 12); do "$program" >/dev/null 2>&1 & done
wait_windows 1
sleep 1 # let any late copy show itself
check "12 simultaneous starts leave one window" test "$(windows)" -eq 1
check "12 simultaneous starts leave one process" test "$(pgrep -c -f -- "^$program( |$)")" -eq 1

# After a kill -9 each new start opens its window.
for round in 1 2 3; do
    ours
    wait_windows 0
    "$program" >/dev/null 2>&1 &
    check "start $round after kill -9 opens the window" wait_windows 1
done
stop_all

# Other users: where we are root, copies under two other uids.
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    as_uid() { local uid=$1; shift; setpriv --reuid="$uid" --regid="$uid" --clear-groups env -u XDG_RUNTIME_DIR HOME=/ "$@"; }
    # A copy of the program that other users can reach: the build may sit in a private home folder.
    chmod 0755 "$work"
    mkdir -m 0755 "$work/shared" && cp "$program" "$work/shared/tonalyx"
    shared="$work/shared/tonalyx"
    as_uid 65534 "$shared" >/dev/null 2>&1 &
    wait_windows 1
    "$program" >/dev/null 2>&1 &
    check "another user's copy does not block ours" wait_windows 2
    stop_all

    # Another user prepares our fallback lock folder, open to all, and holds a lock in it.
    rm -rf /tmp/quenbury-tonalyx-65533
    # In a session of its own, so that the whole of it can be stopped afterwards.
    setsid setpriv --reuid=65534 --regid=65534 --clear-groups bash -c 'mkdir -m 0777 /tmp/quenbury-tonalyx-65533 &&
        exec flock /tmp/quenbury-tonalyx-65533/quenbury-tonalyx.lock sleep 60' &
    attacker=$!
    for _ in $(seq 100); do [ -e /tmp/quenbury-tonalyx-65533/quenbury-tonalyx.lock ] && break; sleep 0.05; done
    as_uid 65533 "$shared" >/dev/null 2>&1 &
    check "another user cannot block our start on purpose" wait_windows 1
    kill -KILL -- "-$attacker" 2>/dev/null
    stop_all
    rm -rf /tmp/quenbury-tonalyx-65533
else
    echo "skipped: the tests with other users need root"
fi

mkdir -m 0500 "$work/readonly"
check "XDG_RUNTIME_DIR unwritable" opens_window XDG_RUNTIME_DIR="$work/readonly" -- "$program"
check "XDG_RUNTIME_DIR unset" opens_window -u XDG_RUNTIME_DIR -- "$program"
check "TMPDIR missing" opens_window TMPDIR="$work/no/such/folder" -- "$program"
check "HOME unset" opens_window -u HOME -- "$program"
check "locale de_DE.UTF-8" opens_window LC_ALL=de_DE.UTF-8 -- "$program"
check "locale C" opens_window LC_ALL=C -- "$program"

odd="$work/Ordner mit Leerzeichen/Größe – ÄÖÜ"
mkdir -p "$odd" && cp "$program" "$odd/tonalyx"
check "folder with spaces and non-ASCII letters" opens_window -- "$odd/tonalyx"

deep="$work"
while [ ${#deep} -lt 300 ]; do deep="$deep/a-folder-name-of-some-length"; done
mkdir -p "$deep" && cp "$program" "$deep/tonalyx"
check "path longer than 260 characters" opens_window -- "$deep/tonalyx"

# Linux takes at most 128 KiB in one argument: a megabyte comes as ten arguments of 100 kB.
big=$(head -c 100000 /dev/zero | tr '\0' 'x')
check "1 MB of arguments" opens_window -- "$program" "$big" "$big" "$big" "$big" "$big" "$big" "$big" "$big" "$big" "$big"
check "arguments with invalid UTF-8" opens_window -- "$program" $'\xff\xfe' $'a\xc3(b'

no_display_output=$(env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$work/readonly" "$program" 2>&1)
status=$?
check "no display: non-zero status" test $status -ne 0 -a $status -lt 128
check "no display: says why" grep -q "tonalyx: cannot open the window" <<<"$no_display_output"

echo "$passes passed, $failures failed"
exit $((failures > 0))
