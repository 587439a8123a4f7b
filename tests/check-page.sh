#!/usr/bin/env bash
# tonalyx.html as shipped: one file of at most 96 KiB with its version, whose policy allows no request at all.
#   check-page.sh PAGE VERSION
set -euo pipefail
page=$1
size=$(stat -c %s "$page")
echo "tonalyx.html: $size bytes"
[ "$size" -le 98304 ] || { echo "more than 96 KiB"; exit 1; }
grep -qF "<meta name=\"version\" content=\"$2\">" "$page" || { echo "no version $2"; exit 1; }
grep -q "content=\"default-src 'none'; script-src 'sha256-[^']*' 'wasm-unsafe-eval'; style-src 'sha256-[^']*'; img-src data:\"" "$page" ||
    { echo "no policy that forbids every request"; exit 1; }
! grep -qiE '(src|href)="(https?:|//)' "$page" || { echo "a reference to another address"; exit 1; }
