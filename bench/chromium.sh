#!/bin/sh
# Chromium with a page as an app window at the screen's corner, each start with a new profile (a first
# visit) in $BENCH_PROFILES, without the network and the first-run pages that a user sees only once, and
# without its complaints about the missing session bus.
exec chromium --no-sandbox --test-type --user-data-dir="$(mktemp -d -p "$BENCH_PROFILES")" --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync --disable-features=Translate \
    --password-store=basic --window-position=0,0 --window-size=900,700 --app="$1" 2>/dev/null
